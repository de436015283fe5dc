#include "geodesy.h"

#include <cmath>

double safeAtan2(double y, double x)
{
    if (y == 0.0 && x == 0.0)
        return 0.0;
    return std::atan2(y, x);
}

void geodeticToEcef(double out[3], const double llh[3])
{
    const double sinLat = std::sin(llh[0]);
    const double cosLat = std::cos(llh[0]);
    const double n = Wgs84::A / std::sqrt(1.0 - Wgs84::E2 * sinLat * sinLat);
    const double h = llh[2];
    out[0] = (n + h) * cosLat * std::cos(llh[1]);
    out[1] = (n + h) * cosLat * std::sin(llh[1]);
    out[2] = ((1.0 - Wgs84::E2) * n + h) * sinLat;
}

void ecefToGeodetic(double out[3], const double xyz[3])
{
    const double x = xyz[0];
    const double y = xyz[1];
    const double z = xyz[2];
    const double oneMinusF = 1.0 - Wgs84::F;

    const double lon = safeAtan2(y, x);
    const double p = std::sqrt(x * x + y * y);

    double theta = safeAtan2(z, oneMinusF * p);
    auto latitudeFrom = [&](double t) {
        const double s = std::sin(t);
        const double c = std::cos(t);
        return safeAtan2(z + Wgs84::B * Wgs84::EP2 * s * s * s,
                         p - Wgs84::A * Wgs84::E2 * c * c * c);
    };
    double lat = latitudeFrom(theta);
    double next = safeAtan2(oneMinusF * std::sin(lat), std::cos(lat));
    // One pass is already accurate to well under a millimetre on the Earth's surface;
    // a few more settle the last bits. The bound matters: the comparison is exact and
    // the parametric latitude may keep flipping in its last bit (or be NaN).
    for (int repeats = 0; next != theta && repeats < 5; ++repeats) {
        theta = next;
        lat = latitudeFrom(theta);
        next = safeAtan2(oneMinusF * std::sin(lat), std::cos(lat));
    }

    const double sinLat = std::sin(lat);
    const double n = Wgs84::A / std::sqrt(1.0 - Wgs84::E2 * sinLat * sinLat);
    const double h = p * std::cos(lat) + (z + Wgs84::E2 * n * sinLat) * sinLat - n;
    out[0] = lat;
    out[1] = lon;
    out[2] = h;
}

void ecefToEnuMatrix(double out[9], const double xyz[3])
{
    double llh[3];
    ecefToGeodetic(llh, xyz);
    const double sinLat = std::sin(llh[0]);
    const double cosLat = std::cos(llh[0]);
    const double sinLon = std::sin(llh[1]);
    const double cosLon = std::cos(llh[1]);
    // east
    out[0] = -sinLon;
    out[1] = cosLon;
    out[2] = 0.0;
    // north
    out[3] = -sinLat * cosLon;
    out[4] = -sinLat * sinLon;
    out[5] = cosLat;
    // up
    out[6] = cosLat * cosLon;
    out[7] = cosLat * sinLon;
    out[8] = sinLat;
}

void ecefToEnu(double out[3], const double origin[3], const double v[3])
{
    double r[9];
    ecefToEnuMatrix(r, origin);
    const double result[3] = {vec3Dot(r, v), vec3Dot(r + 3, v), vec3Dot(r + 6, v)};
    out[0] = result[0];
    out[1] = result[1];
    out[2] = result[2];
}

void enuDifference(double out[3], const double from[3], const double to[3])
{
    double delta[3];
    vec3Sub(delta, to, from);
    ecefToEnu(out, from, delta);
}

void vec3Zero(double v[3])
{
    v[0] = 0.0;
    v[1] = 0.0;
    v[2] = 0.0;
}

void vec3Set(double v[3], double x, double y, double z)
{
    v[0] = x;
    v[1] = y;
    v[2] = z;
}

void vec3Sub(double out[3], const double a[3], const double b[3])
{
    const double d[3] = {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
    out[0] = d[0];
    out[1] = d[1];
    out[2] = d[2];
}

double vec3Dot(const double a[3], const double b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
