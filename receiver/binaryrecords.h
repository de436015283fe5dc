#pragma once

// The receiver's binary navigation messages and the records built from them.
//
// Each single-record type has a default constructor (every value invalid) and a
// decoding constructor from a message payload. Payloads are little-endian and are
// read field by field; bytes beyond a layout are ignored. A member whose bytes are
// not all in the payload stays invalid, so a truncated frame can never pass a
// zero off as a measured value. Validity otherwise follows the message's own
// status bytes; status 0 always means "nothing that depends on me is valid".
//
// toString() gives the record's line for the message log: "$", the message name,
// comma-separated fields, CR LF, no checksum, invalid values as empty fields,
// numbers always with '.' whatever the user's locale. logLine() gives the same line
// as bytes, the form the log receives.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "navtypes.h"

// Locale-independent number texts of the log lines.
namespace recordNumberFormatter {
// Fixed notation with exactly `decimals` digits after the point; empty when not valid.
QString formatDouble(double value, bool valid, int decimals);
// Decimal; empty when not valid.
QString formatInt(int value, bool valid);
}

// Message 16: receiver date and time of day.
struct RTIME_RDATE
{
    quint32 tag = 0;
    Date date;
    Time time;
    NavDataValue<int> status;

    RTIME_RDATE() = default;
    explicit RTIME_RDATE(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 17: receiver position, earth-centred, metres.
struct RPOS_ECEF
{
    quint32 tag = 0;
    Coordinates position;
    NavDataValue<int> status;

    RPOS_ECEF() = default;
    explicit RPOS_ECEF(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 18: receiver velocity, earth-centred, m/s.
struct RVEL_ECEF
{
    quint32 tag = 0;
    Coordinates velocity;
    NavDataValue<int> status;

    RVEL_ECEF() = default;
    explicit RVEL_ECEF(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 22: base-station position, earth-centred, metres.
struct BPOS_ECEF
{
    quint32 tag = 0;
    Coordinates position;
    NavDataValue<int> status;

    BPOS_ECEF() = default;
    explicit BPOS_ECEF(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 19: receiver position, geodetic. Latitude and longitude are kept as
// magnitudes in degrees with their hemisphere letters.
struct RPOS_LLA
{
    quint32 tag = 0;
    NavDataValue<double> latitude;
    NavDataValue<double> longitude;
    NavDataValue<double> height;
    NavDataValue<int> status;
    NavDataValue<signed char> latHemisphere;
    NavDataValue<signed char> lonHemisphere;

    RPOS_LLA() = default;
    explicit RPOS_LLA(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 20: receiver velocity in the local east-north-up frame.
struct RVEL_ENU
{
    quint32 tag = 0;
    Coordinates velocity;
    NavDataValue<double> horizontalSpeed;
    NavDataValue<double> course;
    NavDataValue<int> status;

    RVEL_ENU() = default;
    explicit RVEL_ENU(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 21: solution attributes (DOPs, used-satellite masks, base data age).
// Mask bit n stands for satellite number n of the system.
struct RSOL_ATR
{
    quint32 tag = 0;
    NavDataValue<double> vdop;
    NavDataValue<double> hdop;
    NavDataValue<double> pdop;
    NavDataValue<quint64> usedGP;
    NavDataValue<quint64> usedGL;
    NavDataValue<quint64> usedGB;
    NavDataValue<quint64> usedGA;
    NavDataValue<quint64> usedGI;
    NavDataValue<int> totalSA;
    NavDataValue<float> arf;
    NavDataValue<int> age;
    NavDataValue<int> aux;
    NavDataValue<int> posStatus;
    NavDataValue<int> velStatus;

    RSOL_ATR() = default;
    explicit RSOL_ATR(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 24: full solution, geodetic; speed in km/h.
struct RSOL_FULL
{
    quint32 tag = 0;
    NavDataValue<int> posStatus;
    NavDataValue<int> velStatus;
    NavDataValue<int> timeStatus;
    unsigned char aux = 0;
    NavDataValue<double> latitude;
    NavDataValue<double> longitude;
    NavDataValue<double> height;
    NavDataValue<double> speed;
    NavDataValue<double> course;
    NavDataValue<double> climb;
    Time time;
    NavDataValue<double> hdop;
    Date date;
    NavDataValue<signed char> latHemisphere;
    NavDataValue<signed char> lonHemisphere;

    RSOL_FULL() = default;
    explicit RSOL_FULL(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 25: full solution in whole numbers, earth-centred (sent in cm, cm/s, ms).
struct RSOL_iFULL
{
    quint32 tag = 0;
    NavDataValue<int> posStatus;
    NavDataValue<int> velStatus;
    NavDataValue<int> timeStatus;
    unsigned char aux = 0;
    Coordinates position;
    Coordinates velocity;
    Time time;
    NavDataValue<double> hdop;
    Date date;

    RSOL_iFULL() = default;
    explicit RSOL_iFULL(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 28: attitude angles (roll, pitch, yaw); time as one hhmmss number.
struct YPR_DEG
{
    quint32 tag = 0;
    NavDataValue<int> posStatus;
    NavDataValue<int> timeStatus;
    unsigned char aux1 = 0;
    unsigned char aux2 = 0;
    NavDataValue<double> angle1;
    NavDataValue<double> angle2;
    NavDataValue<double> angle3;
    NavDataValue<double> time;

    YPR_DEG() = default;
    explicit YPR_DEG(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// Message 29: the two antennas of a heading baseline; time as one hhmmss number.
struct HVECT
{
    quint32 tag = 0;
    NavDataValue<int> posStatus;
    NavDataValue<int> timeStatus;
    unsigned char aux = 0;
    NavDataValue<double> auxTenths;
    Coordinates slaveAntenna;
    Coordinates masterAntenna;
    NavDataValue<double> time;

    HVECT() = default;
    explicit HVECT(const QByteArray &payload);
    QString toString() const;
    // The same line as the bytes the log receives.
    QByteArray logLine() const;
};

// One 8-byte satellite entry of message 23.
struct GsvFullEntry
{
    quint8 system = 0;
    quint8 number = 0;
    quint16 azimuth = 0;
    quint8 elevation = 0;
    quint8 snr1 = 0;
    quint8 snr2 = 0;
    quint8 used = 0;
};

// Up to four satellites of one system, like one NMEA GSV sentence. The slots are
// parallel arrays; an empty slot holds gsvEmptySlot (gsvEmptyAzimuth in azimuth).
struct GSV_FULL
{
    static constexpr quint16 gsvEmptySlot = 0xFFFF;
    static constexpr quint32 gsvEmptyAzimuth = 0xFFFFFFFF;
    static constexpr int slotCount = 4;

    QString talker;
    quint16 totalMessages = 0;
    quint16 messageNumber = 0;
    quint16 satellitesInView = 0;
    quint16 system[slotCount] = {gsvEmptySlot, gsvEmptySlot, gsvEmptySlot, gsvEmptySlot};
    quint16 number[slotCount] = {gsvEmptySlot, gsvEmptySlot, gsvEmptySlot, gsvEmptySlot};
    quint16 elevation[slotCount] = {gsvEmptySlot, gsvEmptySlot, gsvEmptySlot, gsvEmptySlot};
    quint32 azimuth[slotCount] = {gsvEmptyAzimuth, gsvEmptyAzimuth, gsvEmptyAzimuth,
                                  gsvEmptyAzimuth};
    quint16 snr1[slotCount] = {gsvEmptySlot, gsvEmptySlot, gsvEmptySlot, gsvEmptySlot};
    quint16 snr2[slotCount] = {gsvEmptySlot, gsvEmptySlot, gsvEmptySlot, gsvEmptySlot};
    quint16 used[slotCount] = {gsvEmptySlot, gsvEmptySlot, gsvEmptySlot, gsvEmptySlot};
};

// Message 23: every satellite in view of all systems in one payload, turned into
// GSV_FULL records of four satellites each, system by system (GP, GL, GB, GA, GI, GS).
class GsvFullMessage
{
public:
    static constexpr int systemCount = 6;

    explicit GsvFullMessage(const QByteArray &payload);

    QVector<GSV_FULL> records() const;
    // One log line per record, in record order.
    QStringList toStringList() const;
    // The same lines as the bytes the log receives (UTF-8).
    QList<QByteArray> logLines() const;

private:
    QVector<GSV_FULL> m_records;
};
