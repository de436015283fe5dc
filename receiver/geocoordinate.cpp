#include "geocoordinate.h"

#include <QCoreApplication>

#include <cmath>

#include "geodesy.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// A minutes or seconds value (0 to 60) as it prints with the given decimals. One that
// prints as 60 is a whole unit of the next size: it is printed as 0 and carry is set,
// so that the text reads back as the angle it came from.
QString belowSixtyText(double value, int decimals, bool &carry)
{
    // A value a hair below zero (the unit above was floored from a product that rounded
    // up) would print with a minus sign.
    if (value < 0.0)
        value = 0.0;
    const QString text = QStringLiteral("%1").arg(value, 0, 'f', decimals);
    carry = text.toDouble() >= 60.0;
    return carry ? QStringLiteral("%1").arg(0.0, 0, 'f', decimals) : text;
}

// The magnitude of an angle as text. The last unit is printed rounded, and a 60 that the
// rounding makes is carried into the unit above: 33.5 degrees south, a hair below 33.5
// once it has been through radians, reads 33° 30' 0.000000", and 38° 1' received reads
// 38° 1' 0.000000", not 38° 0' 60.000000".
QString angleText(double radians, int format)
{
    const double d = std::fabs(radians) * 180.0 / Pi;
    // Whole degrees and minutes are printed from the floored doubles rather than cast to
    // int: a garbage angle from the wire must print, not overflow.
    switch (format) {
    case 0:
        return QStringLiteral("%1\u00B0").arg(d, 0, 'f', 9);
    case 1: {
        double deg = std::floor(d);
        bool carry = false;
        const QString min = belowSixtyText((d - deg) * 60.0, 9, carry);
        if (carry)
            deg += 1.0;
        return QStringLiteral("%1\u00B0 %2'").arg(deg, 0, 'f', 0).arg(min);
    }
    case 2: {
        double deg = std::floor(d);
        double min = std::floor((d - deg) * 60.0);
        bool carry = false;
        const QString sec = belowSixtyText((d - deg - min / 60.0) * 3600.0, 6, carry);
        if (carry)
            min += 1.0;
        if (min >= 60.0) {
            min -= 60.0;
            deg += 1.0;
        }
        return QStringLiteral("%1\u00B0 %2' %3\"")
            .arg(deg, 0, 'f', 0)
            .arg(min, 0, 'f', 0)
            .arg(sec);
    }
    default:
        return QString();
    }
}

double signedRadians(double degrees, int hemisphere)
{
    const double radians = degrees * Pi / 180.0;
    return (hemisphere == 1 || hemisphere == 2) ? -radians : radians;
}

} // namespace

GeoCoordinate::GeoCoordinate(bool valid)
    : m_valid(valid)
{
}

GeoCoordinate::GeoCoordinate(double latitudeDeg, int latitudeHemisphere,
                             double longitudeDeg, int longitudeHemisphere, double heightM)
    : m_latitude(signedRadians(latitudeDeg, latitudeHemisphere))
    , m_longitude(signedRadians(longitudeDeg, longitudeHemisphere))
    , m_height(heightM)
    , m_valid(true)
{
}

GeoCoordinate::GeoCoordinate(double latitudeRad, double longitudeRad, double heightM)
    : m_latitude(latitudeRad)
    , m_longitude(longitudeRad)
    , m_height(heightM)
    , m_valid(true)
{
}

double GeoCoordinate::latitudeDegrees() const
{
    return m_latitude * 180.0 / Pi;
}

double GeoCoordinate::longitudeDegrees() const
{
    return m_longitude * 180.0 / Pi;
}

GeoCoordinate GeoCoordinate::operator+(const GeoCoordinate &other) const
{
    return GeoCoordinate(m_latitude + other.m_latitude, m_longitude + other.m_longitude,
                         m_height + other.m_height);
}

GeoCoordinate GeoCoordinate::operator-(const GeoCoordinate &other) const
{
    return GeoCoordinate(m_latitude - other.m_latitude, m_longitude - other.m_longitude,
                         m_height - other.m_height);
}

GeoCoordinate GeoCoordinate::operator*(double factor) const
{
    return GeoCoordinate(m_latitude * factor, m_longitude * factor, m_height * factor);
}

GeoCoordinate GeoCoordinate::operator/(double divisor) const
{
    return GeoCoordinate(m_latitude / divisor, m_longitude / divisor, m_height / divisor);
}

bool GeoCoordinate::operator==(const GeoCoordinate &other) const
{
    return m_latitude == other.m_latitude && m_longitude == other.m_longitude
        && m_height == other.m_height && m_valid == other.m_valid;
}

EnuOffset GeoCoordinate::difference(const GeoCoordinate &reference) const
{
    double here[3];
    double there[3];
    double hereEcef[3];
    double thereEcef[3];
    vec3Set(here, m_latitude, m_longitude, m_height);
    vec3Set(there, reference.m_latitude, reference.m_longitude, reference.m_height);
    geodeticToEcef(hereEcef, here);
    geodeticToEcef(thereEcef, there);
    double enu[3];
    enuDifference(enu, thereEcef, hereEcef);
    EnuOffset result;
    result.east = enu[0];
    result.north = enu[1];
    result.up = enu[2];
    return result;
}

EnuOffset GeoCoordinate::difference(const GeoCoordinate &position, const GeoCoordinate &reference)
{
    return position.difference(reference);
}

QString GeoCoordinate::latitudeToString(int format) const
{
    const QString hemisphere = m_latitude >= 0.0
        ? QCoreApplication::translate("GeoCoordinate", "N")
        : QCoreApplication::translate("GeoCoordinate", "S");
    return QStringLiteral("%1 %2").arg(angleText(m_latitude, format), hemisphere);
}

QString GeoCoordinate::longitudeToString(int format) const
{
    const QString hemisphere = m_longitude >= 0.0
        ? QCoreApplication::translate("GeoCoordinate", "E")
        : QCoreApplication::translate("GeoCoordinate", "W");
    return QStringLiteral("%1 %2").arg(angleText(m_longitude, format), hemisphere);
}

QString GeoCoordinate::heightToString() const
{
    return QCoreApplication::translate("GeoCoordinate", "%1 m.").arg(m_height, 0, 'f', 4);
}

QString GeoCoordinate::toString() const
{
    return QStringLiteral("%1, %2, %3").arg(latitudeText(), longitudeText(), heightText());
}
