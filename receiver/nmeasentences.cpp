// The field maps of the eight sentences: which field fills which record member, and
// when a member is valid. A member is valid only when its field holds text that
// converts as its number: an empty field is a value the receiver did not send, and
// a field whose text does not convert is junk (a corrupted line can match its
// checksum by chance). Neither may reach the screen as a valid 0. Beyond that, a
// sentence's own quality, mode or status can say that the fix is not valid.

#include "checkedconvert.h"
#include "nmeaparser.h"

namespace {

// Field n as a number: not valid when the field is empty, missing or junk.
NavDataValue<double> numberOf(const NMEAFields &fields, int n)
{
    bool ok = false;
    const double value = fields.number(n, &ok);
    return ok && fields.isPresent(n) ? NavDataValue<double>(value) : NavDataValue<double>();
}

NavDataValue<short> shortOf(const NMEAFields &fields, int n)
{
    bool ok = false;
    const short value = fields.toShort(n, &ok);
    return ok && fields.isPresent(n) ? NavDataValue<short>(value) : NavDataValue<short>();
}

NavDataValue<int> intOf(const NMEAFields &fields, int n)
{
    bool ok = false;
    const int value = fields.toInt(n, &ok);
    return ok && fields.isPresent(n) ? NavDataValue<int>(value) : NavDataValue<int>();
}

// hhmmss.ss of field n; not valid where the field is empty or does not convert.
Time timeOf(const NMEAFields &fields, int n)
{
    const NavDataValue<double> value = numberOf(fields, n);
    return value.isValid() ? Time(value.value, HhMmSs) : Time();
}

NavDataValue<signed char> letterIfPresent(const NMEAFields &fields, int n)
{
    return fields.isPresent(n) ? NavDataValue<signed char>(static_cast<signed char>(fields.letter(n)))
                               : NavDataValue<signed char>();
}

// Reads the mode letter into mode. Mode N is the receiver saying the data are not
// valid: then false. A sentence without a mode (older NMEA versions) says nothing
// against its data.
bool modeSaysValid(const NMEAFields &fields, int n, NavDataValue<signed char> *mode)
{
    *mode = letterIfPresent(fields, n);
    return !(mode->isValid() && mode->value == 'N');
}

} // namespace

GGA NMEAParser::ggaFrom(const NMEAFields &fields) const
{
    GGA gga;
    fields.copyTalker(gga.talker);
    // Quality 0 means no fix: the position fields then hold nothing worth showing.
    // An empty quality, or one that is not a number, says nothing about the fix: taken
    // as none, and the quality itself is not known.
    gga.quality = shortOf(fields, 6);
    gga.latHemisphere = fields.letter(3);
    gga.lonHemisphere = fields.letter(5);
    gga.geoidSeparation = numberOf(fields, 11);
    if (!gga.quality.isValid() || gga.quality.value == 0)
        return gga;
    gga.time = numberOf(fields, 1);
    gga.latitude = numberOf(fields, 2);
    gga.longitude = numberOf(fields, 4);
    gga.satellites = shortOf(fields, 7);
    gga.hdop = numberOf(fields, 8);
    gga.altitude = numberOf(fields, 9);
    gga.dgpsAge = intOf(fields, 13);
    gga.dgpsStationId = intOf(fields, 14);
    return gga;
}

GSA NMEAParser::gsaFrom(const NMEAFields &fields) const
{
    GSA gsa;
    fields.copyTalker(gsa.talker);
    gsa.mode = fields.letter(1);
    gsa.fixType = fields.toShort(2);
    for (int i = 0; i < 12; ++i)
        gsa.prn[i] = shortOf(fields, 3 + i);
    // The receiver writes 0.0 for a DOP it has not computed.
    NavDataValue<double> *dops[] = {&gsa.pdop, &gsa.hdop, &gsa.vdop};
    for (int i = 0; i < 3; ++i) {
        const NavDataValue<double> dop = numberOf(fields, 15 + i);
        if (dop.isValid() && dop.value != noDopValue)
            *dops[i] = dop;
    }
    return gsa;
}

GST NMEAParser::gstFrom(const NMEAFields &fields) const
{
    GST gst;
    fields.copyTalker(gst.talker);
    gst.time = numberOf(fields, 1);
    gst.rmsDeviation = numberOf(fields, 2);
    gst.semiMajorError = numberOf(fields, 3);
    gst.semiMinorError = numberOf(fields, 4);
    gst.orientation = numberOf(fields, 5);
    gst.latitudeError = numberOf(fields, 6);
    gst.longitudeError = numberOf(fields, 7);
    gst.altitudeError = numberOf(fields, 8);
    return gst;
}

GSV NMEAParser::gsvFrom(const NMEAFields &fields) const
{
    GSV gsv;
    fields.copyTalker(gsv.talker);
    gsv.totalMessages = fields.toShort(1);
    gsv.messageNumber = fields.toShort(2);
    gsv.satellitesInView = fields.toShort(3);
    // Only complete groups of four fields fill a slot: a trailing signal identifier
    // (newer NMEA versions) is not a satellite.
    const int filled = (fields.count() - 4) / 4;
    for (int i = 0; i < 4 && i < filled; ++i) {
        gsv.prn[i] = shortOf(fields, 4 + 4 * i);
        gsv.elevation[i] = shortOf(fields, 5 + 4 * i);
        gsv.azimuth[i] = intOf(fields, 6 + 4 * i);
        gsv.snr[i] = shortOf(fields, 7 + 4 * i);
    }
    return gsv;
}

RMC NMEAParser::rmcFrom(const NMEAFields &fields) const
{
    RMC rmc;
    fields.copyTalker(rmc.talker);
    // Mode N: the receiver says the data are not valid, so its time and date are
    // not taken; the other members follow their own fields.
    if (modeSaysValid(fields, 12, &rmc.mode)) {
        rmc.time = timeOf(fields, 1);
        rmc.date = intOf(fields, 9);
    }
    rmc.status = fields.letter(2);
    rmc.latitude = numberOf(fields, 3);
    rmc.latHemisphere = letterIfPresent(fields, 4);
    rmc.longitude = numberOf(fields, 5);
    rmc.lonHemisphere = letterIfPresent(fields, 6);
    const NavDataValue<double> knots = numberOf(fields, 7);
    if (knots.isValid())
        rmc.speedKmh = NavDataValue<double>(knots.value * 1.852); // knots to km/h
    rmc.course = numberOf(fields, 8);
    rmc.magneticVariation = numberOf(fields, 10);
    rmc.variationDirection = letterIfPresent(fields, 11);
    return rmc;
}

VTG NMEAParser::vtgFrom(const NMEAFields &fields) const
{
    VTG vtg;
    fields.copyTalker(vtg.talker);
    if (modeSaysValid(fields, 9, &vtg.mode)) {
        vtg.courseTrue = numberOf(fields, 1);
        vtg.speedKnots = numberOf(fields, 5);
        vtg.speedKmh = numberOf(fields, 7);
    }
    vtg.courseMagnetic = numberOf(fields, 3);
    return vtg;
}

ZDA NMEAParser::zdaFrom(const NMEAFields &fields) const
{
    ZDA zda;
    fields.copyTalker(zda.talker);
    zda.time = timeOf(fields, 1);
    const NavDataValue<short> day = shortOf(fields, 2);
    const NavDataValue<short> month = shortOf(fields, 3);
    const NavDataValue<int> year = intOf(fields, 4);
    if (day.isValid() && month.isValid() && year.isValid())
        zda.date = Date(day.value, month.value, year.value);
    zda.zoneHours = shortOf(fields, 5);
    zda.zoneMinutes = shortOf(fields, 6);
    return zda;
}

HDG NMEAParser::hdgFrom(const NMEAFields &fields) const
{
    HDG hdg;
    fields.copyTalker(hdg.talker);
    // The status is written as a number; the receiver's codes are small, and only the
    // low byte of its 16-bit value is kept. An empty status, or one that is not a
    // number at all (NaN, infinite, beyond 16 bits signed or unsigned), is invalid,
    // and like status 0 it leaves the attitude unread.
    int status = 0;
    const NavDataValue<double> statusField = numberOf(fields, 7);
    if (!statusField.isValid() || !checkedToInteger(statusField.value, status) || status < -32768
        || status > 65535)
        return hdg;
    hdg.positionStatus = NavDataValue<unsigned char>(static_cast<unsigned char>(status & 0xFF));
    if (hdg.positionStatus.value == 0)
        return hdg;
    hdg.field1 = numberOf(fields, 1);
    hdg.yaw = numberOf(fields, 2);
    // The sentence carries pitch before roll; the record holds roll first.
    hdg.pitch = numberOf(fields, 3);
    hdg.roll = numberOf(fields, 4);
    hdg.field5 = fields.toInt(5);
    hdg.field6 = numberOf(fields, 6);
    return hdg;
}
