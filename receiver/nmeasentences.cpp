// The field maps of the eight sentences: which field fills which record member, and
// when a member is valid. "Present" members are valid only when their field holds
// text; the others are given a value whatever the field holds, so an empty field
// there is a valid 0 (or the letter n), unless the sentence's own quality, mode or
// status says the fix is not valid.

#include "checkedconvert.h"
#include "nmeaparser.h"

namespace {

NavDataValue<double> numberIfPresent(const NMEAFields &fields, int n)
{
    return fields.isPresent(n) ? NavDataValue<double>(fields.number(n)) : NavDataValue<double>();
}

NavDataValue<short> shortIfPresent(const NMEAFields &fields, int n)
{
    return fields.isPresent(n) ? NavDataValue<short>(fields.toShort(n)) : NavDataValue<short>();
}

NavDataValue<int> intIfPresent(const NMEAFields &fields, int n)
{
    return fields.isPresent(n) ? NavDataValue<int>(fields.toInt(n)) : NavDataValue<int>();
}

NavDataValue<signed char> letterIfPresent(const NMEAFields &fields, int n)
{
    return fields.isPresent(n) ? NavDataValue<signed char>(static_cast<signed char>(fields.letter(n)))
                               : NavDataValue<signed char>();
}

// Reads the mode letter into mode. Mode N is the receiver saying the data are not
// valid: then false.
bool modeSaysValid(const NMEAFields &fields, int n, NavDataValue<signed char> *mode)
{
    const signed char letter = static_cast<signed char>(fields.letter(n));
    *mode = NavDataValue<signed char>(letter);
    return letter != 'N';
}

} // namespace

GGA NMEAParser::ggaFrom(const NMEAFields &fields) const
{
    GGA gga;
    fields.copyTalker(gga.talker);
    // Quality 0 (also an empty field) means no fix: the position fields then hold
    // nothing worth showing.
    const short quality = fields.toShort(6);
    gga.quality = NavDataValue<short>(quality);
    gga.latHemisphere = fields.letter(3);
    gga.lonHemisphere = fields.letter(5);
    gga.geoidSeparation = numberIfPresent(fields, 11);
    if (quality == 0)
        return gga;
    gga.time = NavDataValue<double>(fields.number(1));
    gga.latitude = NavDataValue<double>(fields.number(2));
    gga.longitude = NavDataValue<double>(fields.number(4));
    gga.satellites = NavDataValue<short>(fields.toShort(7));
    gga.hdop = NavDataValue<double>(fields.number(8));
    gga.altitude = NavDataValue<double>(fields.number(9));
    gga.dgpsAge = NavDataValue<int>(fields.toInt(13));
    gga.dgpsStationId = NavDataValue<int>(fields.toInt(14));
    return gga;
}

GSA NMEAParser::gsaFrom(const NMEAFields &fields) const
{
    GSA gsa;
    fields.copyTalker(gsa.talker);
    gsa.mode = fields.letter(1);
    gsa.fixType = fields.toShort(2);
    for (int i = 0; i < 12; ++i)
        gsa.prn[i] = shortIfPresent(fields, 3 + i);
    // The receiver writes 0.0 for a DOP it has not computed.
    NavDataValue<double> *dops[] = {&gsa.pdop, &gsa.hdop, &gsa.vdop};
    for (int i = 0; i < 3; ++i) {
        if (!fields.isPresent(15 + i))
            continue;
        const double dop = fields.number(15 + i);
        if (dop != noDopValue)
            *dops[i] = NavDataValue<double>(dop);
    }
    return gsa;
}

GST NMEAParser::gstFrom(const NMEAFields &fields) const
{
    GST gst;
    fields.copyTalker(gst.talker);
    gst.time = numberIfPresent(fields, 1);
    gst.rmsDeviation = numberIfPresent(fields, 2);
    gst.semiMajorError = numberIfPresent(fields, 3);
    gst.semiMinorError = numberIfPresent(fields, 4);
    gst.orientation = numberIfPresent(fields, 5);
    gst.latitudeError = numberIfPresent(fields, 6);
    gst.longitudeError = numberIfPresent(fields, 7);
    gst.altitudeError = numberIfPresent(fields, 8);
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
        gsv.prn[i] = shortIfPresent(fields, 4 + 4 * i);
        gsv.elevation[i] = shortIfPresent(fields, 5 + 4 * i);
        gsv.azimuth[i] = intIfPresent(fields, 6 + 4 * i);
        gsv.snr[i] = shortIfPresent(fields, 7 + 4 * i);
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
        rmc.time = Time(fields.number(1), HhMmSs);
        rmc.date = NavDataValue<int>(fields.toInt(9));
    }
    rmc.status = fields.letter(2);
    rmc.latitude = numberIfPresent(fields, 3);
    rmc.latHemisphere = letterIfPresent(fields, 4);
    rmc.longitude = numberIfPresent(fields, 5);
    rmc.lonHemisphere = letterIfPresent(fields, 6);
    if (fields.isPresent(7))
        rmc.speedKmh = NavDataValue<double>(fields.number(7) * 1.852); // knots to km/h
    rmc.course = numberIfPresent(fields, 8);
    rmc.magneticVariation = numberIfPresent(fields, 10);
    rmc.variationDirection = letterIfPresent(fields, 11);
    return rmc;
}

VTG NMEAParser::vtgFrom(const NMEAFields &fields) const
{
    VTG vtg;
    fields.copyTalker(vtg.talker);
    if (modeSaysValid(fields, 9, &vtg.mode)) {
        vtg.courseTrue = NavDataValue<double>(fields.number(1));
        vtg.speedKnots = NavDataValue<double>(fields.number(5));
        vtg.speedKmh = NavDataValue<double>(fields.number(7));
    }
    vtg.courseMagnetic = numberIfPresent(fields, 3);
    return vtg;
}

ZDA NMEAParser::zdaFrom(const NMEAFields &fields) const
{
    ZDA zda;
    fields.copyTalker(zda.talker);
    if (fields.isPresent(1))
        zda.time = Time(fields.number(1), HhMmSs);
    if (fields.isPresent(2) && fields.isPresent(3) && fields.isPresent(4))
        zda.date = Date(fields.toShort(2), fields.toShort(3), fields.toInt(4));
    zda.zoneHours = shortIfPresent(fields, 5);
    zda.zoneMinutes = shortIfPresent(fields, 6);
    return zda;
}

HDG NMEAParser::hdgFrom(const NMEAFields &fields) const
{
    HDG hdg;
    fields.copyTalker(hdg.talker);
    // The status is written as a number; the receiver's codes are small, and only the
    // low byte of its 16-bit value is kept. A status that is not a number at all
    // (NaN, infinite, beyond 16 bits signed or unsigned) is invalid, and like status 0 it leaves the
    // attitude unread.
    int status = 0;
    if (!checkedToInteger(fields.number(7), status) || status < -32768 || status > 65535)
        return hdg;
    hdg.positionStatus = NavDataValue<unsigned char>(static_cast<unsigned char>(status & 0xFF));
    if (hdg.positionStatus.value == 0)
        return hdg;
    hdg.field1 = NavDataValue<double>(fields.number(1));
    hdg.yaw = NavDataValue<double>(fields.number(2));
    // The sentence carries pitch before roll; the record holds roll first.
    hdg.pitch = NavDataValue<double>(fields.number(3));
    hdg.roll = NavDataValue<double>(fields.number(4));
    hdg.field5 = fields.toInt(5);
    hdg.field6 = NavDataValue<double>(fields.number(6));
    return hdg;
}
