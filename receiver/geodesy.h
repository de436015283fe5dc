#pragma once

// WGS-84 geodesy on plain arrays of doubles. Every routine takes its output first.
// A geodetic position is (latitude rad, longitude rad, height m); ECEF and ENU vectors
// are (x, y, z) and (east, north, up) in metres; a 3 x 3 rotation is nine doubles,
// row-major. There is no failure path: degenerate input yields the floating-point result.

namespace Wgs84 {
constexpr double A = 6378137.0;               // semi-major axis, m
constexpr double F = 0.00335281066474748;     // flattening
constexpr double E2 = 0.00669437999014116;    // first eccentricity squared
constexpr double B = 6356752.31424518;        // semi-minor axis, m
constexpr double EP2 = 0.006739496742276;     // second eccentricity squared
} // namespace Wgs84

// atan2 that is 0, not an arbitrary angle, when both arguments are exactly 0.
double safeAtan2(double y, double x);

void geodeticToEcef(double out[3], const double llh[3]);
// Bowring's method, refined at most five times.
void ecefToGeodetic(double out[3], const double xyz[3]);

// The rotation from ECEF into the east-north-up frame at the ECEF point xyz.
void ecefToEnuMatrix(double out[9], const double xyz[3]);
// The ECEF vector v expressed in the east-north-up frame at origin.
void ecefToEnu(double out[3], const double origin[3], const double v[3]);
// The east-north-up vector from `from` to `to`, in the frame at `from`.
void enuDifference(double out[3], const double from[3], const double to[3]);

void vec3Zero(double v[3]);
void vec3Set(double v[3], double x, double y, double z);
void vec3Sub(double out[3], const double a[3], const double b[3]);
double vec3Dot(const double a[3], const double b[3]);
