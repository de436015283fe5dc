#pragma once

#include <QString>

// The offset of one position from another in the local frame at the second, in metres.
struct EnuOffset
{
    double east = 0.0;
    double north = 0.0;
    double up = 0.0;
};

// A geodetic position on the WGS-84 ellipsoid: latitude and longitude in radians (north
// and east positive), height in metres, and whether it is valid. Copied by value and
// passed through signals by value.
class GeoCoordinate
{
public:
    // Zero and not valid.
    GeoCoordinate() = default;
    // Zero, valid as given: false for a record without a position, true for the
    // Model's starting and reset values.
    explicit GeoCoordinate(bool valid);
    // From decimal degrees and the hemisphere codes of the sentence handler
    // (0 N, 1 S, 2 W, 3 E): codes 1 and 2 negate the angle, whichever axis they are
    // given for. Always valid.
    GeoCoordinate(double latitudeDeg, int latitudeHemisphere,
                  double longitudeDeg, int longitudeHemisphere, double heightM);
    // From radians and metres. Always valid.
    GeoCoordinate(double latitudeRad, double longitudeRad, double heightM);

    bool isValid() const { return m_valid; }
    double latitude() const { return m_latitude; }   // radians
    double longitude() const { return m_longitude; } // radians
    double latitudeDegrees() const;
    double longitudeDegrees() const;
    double height() const { return m_height; }

    // Component-wise on (latitude, longitude, height); the result is always valid, which
    // is what the running mean of the Model relies on.
    GeoCoordinate operator+(const GeoCoordinate &other) const;
    GeoCoordinate operator-(const GeoCoordinate &other) const;
    GeoCoordinate operator*(double factor) const;
    GeoCoordinate operator/(double divisor) const;

    // Equal components (a NaN is never equal) and equal validity.
    bool operator==(const GeoCoordinate &other) const;
    bool operator!=(const GeoCoordinate &other) const { return !(*this == other); }

    // This position's offset from reference, in the east-north-up frame at reference.
    // The valid flags are not looked at.
    EnuOffset difference(const GeoCoordinate &reference) const;
    static EnuOffset difference(const GeoCoordinate &position, const GeoCoordinate &reference);

    // Formats: 0 degrees, 1 degrees and minutes, 2 degrees, minutes and seconds; any
    // other format gives an empty angle, so only the hemisphere letter remains.
    QString latitudeToString(int format) const;
    QString longitudeToString(int format) const;
    QString latitudeText() const { return latitudeToString(2); }
    QString longitudeText() const { return longitudeToString(2); }
    QString heightToString() const;
    QString heightText() const { return heightToString(); }
    QString toString() const;

private:
    double m_latitude = 0.0;
    double m_longitude = 0.0;
    double m_height = 0.0;
    bool m_valid = false;
};
