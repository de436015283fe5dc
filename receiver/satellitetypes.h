#pragma once

#include <QList>
#include <QString>
#include <QVector>

// The satellite system of a satellite list or used set. Each value is the signal code of
// the system's first band. NavSysNone travels (with an empty list) at the end of a series
// of the mixed talker GN. Any int received is a defined value.
enum SatNavSysEnum : int {
    NavSysNone = 0,
    NavSysGPS = 1,
    NavSysGLONASS = 4,
    NavSysGalileo = 6,
    NavSysBeiDou = 9,
    NavSysMixed = 11,
    NavSysNavIC = 12,
    NavSysSBAS = 14
};

// One satellite in view. Every number is signed; -1 means unknown (the receiver's 0xFFFF
// in a 16-bit field). Test for it with isUnknown(), never against an unsigned constant.
struct SatelliteInfo
{
    static constexpr int Unknown = -1;

    short number = Unknown;    // within its system, band offset removed
    short elevation = Unknown; // degrees
    int azimuth = Unknown;     // degrees
    short snr1 = Unknown;      // carrier-to-noise density in the first band, dB-Hz
    short snr2 = Unknown;      // the same in the second (or third) band, dB-Hz
    QString upperBandName;     // not filled by the receiver data path
    QString lowerBandName;

    SatelliteInfo() = default;
    SatelliteInfo(short n, short elev, int azim, short cn0First, short cn0Second)
        : number(n), elevation(elev), azimuth(azim), snr1(cn0First), snr2(cn0Second)
    {}

    static constexpr bool isUnknown(int value) { return value == Unknown; }

    bool operator==(const SatelliteInfo &other) const;
    bool operator!=(const SatelliteInfo &other) const { return !(*this == other); }
};

// Signal codes 1 to 14, one per system band:
//   GPS 1 L1, 2 L2, 3 L5; GLONASS 4 F1, 5 F2; Galileo 6 E1, 7 E5b, 8 E5a;
//   BeiDou 9 B1, 10 B2; NavIC 12 F5, 13 S; SBAS 14 L1.
// Codes 0 and 11, and every code outside 1 to 14, belong to no group.
int firstSignalOfGroup(int code);  // 1, 4, 6, 9, 12, 14; 0 outside a group
int secondSignalOfGroup(int code); // 2, 5, 7, 10, 13; 0 for SBAS and outside a group
int thirdSignalOfGroup(int code);  // 3 for GPS, 8 for Galileo, else 0
bool isSecondSignal(int code);
bool isThirdSignal(int code);
bool isSecondarySignal(int code);  // second or third band
// The receiver numbers a satellite's second band as its number + 64 and its third band
// as its number + 128; this offset undoes that.
int signalSatelliteOffset(int code);
int signalCountOfGroup(int code);  // bands in the code's group; -1 outside a group
QString signalName(int code);      // "L1", "E5b", ...; empty outside a group

// An inclusive range of satellite numbers that the receiver uses for one band in GSV and
// GSA sentences.
struct BandRange
{
    int band;    // signal code
    short first;
    short last;
};

// The band table of a talker (GP, GL, GA, GB, GI, GS); every other talker, GN included,
// gets the single range {0, 0, 0}.
QList<BandRange> talkerBandTable(const QString &talker);
// The band of the first range of table holding number; 0 when none does.
int bandOfNumber(const QList<BandRange> &table, int number);

// Merges the satellites of a secondary band into those of the first band: a satellite in
// both lists takes b's density as its second-band density; one only in b is appended as
// it is (first-band density unknown).
QVector<SatelliteInfo> mergeSecondBand(const QVector<SatelliteInfo> &a,
                                       const QVector<SatelliteInfo> &b);
