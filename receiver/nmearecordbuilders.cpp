#include "nmearecordbuilders.h"

#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <cstring>

#include "payloadreader.h"

namespace {

using payload::PayloadReader;

void setTalker(char (&talker)[3], const char *text)
{
    talker[0] = text[0];
    talker[1] = text[1];
    talker[2] = '\0';
}

// Seconds of arc to ddmm.mmmm, with the hemisphere letter taken from the sign.
double arcsecToNmea(double arcsec)
{
    return degreesToNmea(std::fabs(arcsec) / 3600.0);
}

const double knotsToKmh = 1.852;

} // namespace

double degreesToNmea(double degrees)
{
    if (degrees == -1)
        return degrees;
    const double whole = std::trunc(degrees);
    return whole * 100.0 + (degrees - whole) * 60.0;
}

GGA buildGGA(const QByteArray &payload)
{
    PayloadReader in(payload);
    GGA sentence;
    setTalker(sentence.talker, "GN");
    sentence.time = NavDataValue<double>(in.f64());
    const double latitude = in.f64();
    const double longitude = in.f64();
    sentence.latitude = NavDataValue<double>(arcsecToNmea(latitude));
    sentence.latHemisphere = latitude >= 0 ? 'N' : 'S';
    sentence.longitude = NavDataValue<double>(arcsecToNmea(longitude));
    sentence.lonHemisphere = longitude >= 0 ? 'E' : 'W';
    sentence.quality = NavDataValue<short>(short(in.u8()));
    sentence.satellites = NavDataValue<short>(short(in.u8()));
    sentence.hdop = NavDataValue<double>(in.f32());
    sentence.altitude = NavDataValue<double>(in.f64());
    sentence.geoidSeparation = NavDataValue<double>(in.f32());
    sentence.dgpsAge = NavDataValue<int>(int(in.u16()));
    sentence.dgpsStationId = NavDataValue<int>(int(in.u16()));
    return sentence;
}

QVector<GSA> buildGSA(const QByteArray &payload)
{
    PayloadReader in(payload);
    const char mode = char(in.u8());
    const short fixType = short(in.u8());
    const double pdop = in.f32();
    const double hdop = in.f32();
    const double vdop = in.f32();
    QVector<GSA> sentences;
    for (const char *talker : {"GA", "GB", "GL", "GP"}) {
        GSA sentence;
        setTalker(sentence.talker, talker);
        sentence.mode = mode;
        sentence.fixType = fixType;
        sentence.pdop = NavDataValue<double>(pdop);
        sentence.hdop = NavDataValue<double>(hdop);
        sentence.vdop = NavDataValue<double>(vdop);
        for (auto &prn : sentence.prn) {
            const quint8 number = in.u8();
            if (number != 0)
                prn = NavDataValue<short>(short(number));
        }
        sentences.append(sentence);
    }
    return sentences;
}

GST buildGST(const QByteArray &payload)
{
    PayloadReader in(payload);
    GST sentence;
    sentence.time = NavDataValue<double>(in.f64());
    sentence.rmsDeviation = NavDataValue<double>(in.f32());
    sentence.semiMajorError = NavDataValue<double>(in.f32());
    sentence.semiMinorError = NavDataValue<double>(in.f32());
    sentence.orientation = NavDataValue<double>(in.f32());
    sentence.latitudeError = NavDataValue<double>(in.f32());
    sentence.longitudeError = NavDataValue<double>(in.f32());
    sentence.altitudeError = NavDataValue<double>(in.f32());
    return sentence;
}

QVector<GSV> buildGSV(const QByteArray &payload)
{
    PayloadReader in(payload);
    QVector<GSV> sentences;
    for (const char *talker : {"GL", "GP"}) {
        GSV sentence;
        setTalker(sentence.talker, talker);
        sentence.totalMessages = 1;
        sentence.messageNumber = 1;
        short inView = 0;
        for (int i = 0; i < 4; ++i) {
            const quint8 number = in.u8();
            const quint8 elevation = in.u8();
            const quint16 azimuth = in.u16();
            const quint8 snr = in.u8();
            if (number == 0)
                continue;
            ++inView;
            sentence.prn[i] = NavDataValue<short>(short(number));
            sentence.elevation[i] = NavDataValue<short>(short(elevation));
            sentence.azimuth[i] = NavDataValue<int>(int(azimuth));
            sentence.snr[i] = NavDataValue<short>(short(snr));
        }
        sentence.satellitesInView = inView;
        sentences.append(sentence);
    }
    return sentences;
}

RMC buildRMC(const QByteArray &payload)
{
    PayloadReader in(payload);
    RMC sentence;
    sentence.time = Time(in.f64(), static_cast<TimeFormat>(1));
    sentence.status = char(in.u8());
    const double latitude = in.f64();
    const double longitude = in.f64();
    sentence.latitude = NavDataValue<double>(arcsecToNmea(latitude));
    sentence.latHemisphere = NavDataValue<signed char>(latitude >= 0 ? 'N' : 'S');
    sentence.longitude = NavDataValue<double>(arcsecToNmea(longitude));
    sentence.lonHemisphere = NavDataValue<signed char>(longitude >= 0 ? 'E' : 'W');
    sentence.speedKmh = NavDataValue<double>(in.f32() * knotsToKmh);
    sentence.course = NavDataValue<double>(in.f32());
    sentence.date = NavDataValue<int>(int(in.u32()));
    sentence.mode = NavDataValue<signed char>(static_cast<signed char>(in.u8()));
    return sentence;
}

VTG buildVTG(const QByteArray &payload)
{
    PayloadReader in(payload);
    VTG sentence;
    sentence.courseTrue = NavDataValue<double>(in.f32());
    sentence.courseMagnetic = NavDataValue<double>(in.f32());
    const double knots = in.f32();
    sentence.speedKnots = NavDataValue<double>(knots);
    sentence.speedKmh = NavDataValue<double>(knots * knotsToKmh);
    sentence.mode = NavDataValue<signed char>(static_cast<signed char>(in.u8()));
    return sentence;
}

ZDA buildZDA(const QByteArray &payload)
{
    PayloadReader in(payload);
    ZDA sentence;
    setTalker(sentence.talker, "GN");
    sentence.time = Time(in.f64(), static_cast<TimeFormat>(1));
    const int day = in.u8();
    const int month = in.u8();
    const int year = in.u16();
    sentence.date = Date(day, month, year);
    sentence.zoneHours = NavDataValue<short>(short(in.s8()));
    sentence.zoneMinutes = NavDataValue<short>(short(in.u8()));
    return sentence;
}

QString formatGGA(const GGA &sentence)
{
    // Every value is printed whatever its flag; the time field stays empty.
    return QStringLiteral("$%1GGA,,%2,%3,%4,%5,%6,%7,%8,%9,M,%10,M,%11,%12\r\n")
        .arg(QString::fromLatin1(sentence.talker, int(strnlen(sentence.talker, 3))))
        .arg(sentence.latitude.value, 0, 'f', 4)
        .arg(QChar::fromLatin1(sentence.latHemisphere))
        .arg(sentence.longitude.value, 0, 'f', 4)
        .arg(QChar::fromLatin1(sentence.lonHemisphere))
        .arg(sentence.quality.value)
        .arg(sentence.satellites.value)
        .arg(sentence.hdop.value, 0, 'f', 2)
        .arg(sentence.altitude.value, 0, 'f', 1)
        .arg(sentence.geoidSeparation.value, 0, 'g')
        .arg(sentence.dgpsAge.value, 4, 10, QLatin1Char('0'))
        .arg(sentence.dgpsStationId.value, 4, 10, QLatin1Char('0'));
}

QString formatGST(const GST &sentence)
{
    return QStringLiteral("$%1GST,,,,,,%2,%3,%4\r\n")
        .arg(QString::fromLatin1(sentence.talker, int(strnlen(sentence.talker, 3))))
        .arg(sentence.latitudeError.value, 0, 'f', 1)
        .arg(sentence.longitudeError.value, 0, 'f', 1)
        .arg(sentence.altitudeError.value, 0, 'f', 1);
}

QString formatRMC(const RMC &)
{
    return QString();
}

QString formatVTG(const VTG &)
{
    return QString();
}

QString formatZDA(const ZDA &)
{
    return QString();
}

void delayWithEvents(int milliseconds)
{
    // A local event loop that a timer ends: the timer runs on the monotonic clock, and
    // the loop sleeps between events instead of spinning.
    QEventLoop loop;
    QTimer::singleShot(qMax(0, milliseconds), &loop, &QEventLoop::quit);
    loop.exec();
}
