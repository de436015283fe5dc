#pragma once

#include <QString>

// The value types that carry every navigation quantity from the parsers to the windows.
// Each carries its own validity: producers mark a value invalid by default construction,
// and windows grey out what is not valid.

// A value with a validity flag. A value given at construction is valid, whatever it is:
// a received 0 is a valid 0.
template <typename T>
struct NavDataValue
{
    T value;
    bool valid;

    NavDataValue() : value(0), valid(false) {}
    explicit NavDataValue(T v) : value(v), valid(true) {}

    bool isValid() const { return valid; }
};

struct Date
{
    int day = 0;
    int month = 0;
    int year = 0; // as the source gives it
    bool valid = false;

    Date() = default;
    Date(int d, int m, int y) : day(d), month(m), year(y), valid(true) {}

    bool isValid() const { return valid; }
};

// How a time of day arrives: the binary records count seconds of the day, the NMEA
// sentences write hhmmss.ss as one number.
enum TimeFormat : int {
    SecondsOfDay = 0,
    HhMmSs = 1
};

struct Time
{
    double raw = 0.0;     // the number the time was built from
    double seconds = 0.0; // within the minute, with its fraction
    int minutes = 0;
    int hours = 0;
    bool valid = false;

    Time() = default;
    // Valid for every finite value whose hours fit an int; a NaN, an infinity or an
    // absurdly large number from the wire gives an invalid time (raw still holds it).
    Time(double value, TimeFormat format);
    Time(double value, int format) : Time(value, static_cast<TimeFormat>(format)) {}

    bool isValid() const { return valid; }
};

// Three components of a position or a velocity; the record that carries it says which.
struct Coordinates
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    bool valid = false;

    Coordinates() = default;
    Coordinates(double cx, double cy, double cz) : x(cx), y(cy), z(cz), valid(true) {}

    bool isValid() const { return valid; }

    // The text of a receiver solution-type code; an unknown code reads as its number.
    static QString solutionTypeToString(int code);
};
