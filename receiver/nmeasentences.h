#pragma once

#include "navtypes.h"

// The records of the eight NMEA 0183 sentences the program understands. Each is
// plain data, copied by value; a default record has every flagged member invalid
// and every plain member zero. Every record starts with the talker: two letters
// (GP, GL, GA, GB, GN, ...) and a terminating NUL.

// Fix data.
struct GGA
{
    char talker[3] = {0, 0, 0};
    NavDataValue<double> time;          // hhmmss.ss as one number
    NavDataValue<double> latitude;      // ddmm.mmmm
    char latHemisphere = 0;
    NavDataValue<double> longitude;     // dddmm.mmmm
    char lonHemisphere = 0;
    NavDataValue<short> quality;
    NavDataValue<short> satellites;
    NavDataValue<double> hdop;
    NavDataValue<double> altitude;
    NavDataValue<double> geoidSeparation;
    NavDataValue<int> dgpsAge;
    NavDataValue<int> dgpsStationId;
};

// DOP and active satellites.
struct GSA
{
    char talker[3] = {0, 0, 0};
    char mode = 0;
    short fixType = 0;
    NavDataValue<short> prn[12];
    NavDataValue<double> pdop;
    NavDataValue<double> hdop;
    NavDataValue<double> vdop;
};

// Pseudorange error statistics.
struct GST
{
    char talker[3] = {0, 0, 0};
    NavDataValue<double> time;          // hhmmss.ss as one number
    NavDataValue<double> rmsDeviation;
    NavDataValue<double> semiMajorError;
    NavDataValue<double> semiMinorError;
    NavDataValue<double> orientation;
    NavDataValue<double> latitudeError;
    NavDataValue<double> longitudeError;
    NavDataValue<double> altitudeError;
};

// Satellites in view: one sentence of a series, up to four satellites.
struct GSV
{
    char talker[3] = {0, 0, 0};
    short totalMessages = 0;
    short messageNumber = 0;
    short satellitesInView = 0;
    NavDataValue<short> prn[4];
    NavDataValue<short> elevation[4];
    NavDataValue<int> azimuth[4];
    NavDataValue<short> snr[4];
};

// Recommended minimum data.
struct RMC
{
    char talker[3] = {0, 0, 0};
    Time time;
    char status = 0;
    NavDataValue<double> latitude;      // ddmm.mmmm
    NavDataValue<signed char> latHemisphere;
    NavDataValue<double> longitude;     // dddmm.mmmm
    NavDataValue<signed char> lonHemisphere;
    NavDataValue<double> speedKmh;      // received in knots
    NavDataValue<double> course;
    NavDataValue<int> date;             // ddmmyy as one number
    NavDataValue<double> magneticVariation;
    NavDataValue<signed char> variationDirection;
    NavDataValue<signed char> mode;
};

// Course and speed over ground.
struct VTG
{
    char talker[3] = {0, 0, 0};
    NavDataValue<double> courseTrue;
    NavDataValue<double> courseMagnetic;
    NavDataValue<double> speedKnots;
    NavDataValue<double> speedKmh;
    NavDataValue<signed char> mode;
};

// Time and date.
struct ZDA
{
    char talker[3] = {0, 0, 0};
    Time time;
    Date date;
    NavDataValue<short> zoneHours;
    NavDataValue<short> zoneMinutes;
};

// The receiver's own attitude sentence: seven data fields, yaw, pitch and roll in
// fields 2, 3 and 4, the position status (a solution-type code) last.
struct HDG
{
    char talker[3] = {0, 0, 0};
    NavDataValue<double> field1;
    NavDataValue<double> yaw;
    NavDataValue<double> roll;
    NavDataValue<double> pitch;
    int field5 = 0;
    NavDataValue<double> field6;
    NavDataValue<unsigned char> positionStatus;
};
