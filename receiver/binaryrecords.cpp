#include "binaryrecords.h"

#include <cmath>
#include <cstring>
#include <tuple>

#include "checkedconvert.h"
#include "payloadreader.h"

namespace {

using payload::Field;
using payload::PayloadReader;

// Status bytes are stored with their value and always valid, unless the byte
// itself was cut off.
NavDataValue<int> statusValue(const Field<quint8> &status)
{
    return status.present ? NavDataValue<int>(status.value) : NavDataValue<int>();
}

template <typename T>
NavDataValue<double> doubleIf(bool condition, const Field<T> &field)
{
    return condition && field.present ? NavDataValue<double>(double(field.value))
                                      : NavDataValue<double>();
}

Coordinates coordinatesIf(bool condition, const Field<double> &x, const Field<double> &y,
                          const Field<double> &z)
{
    return condition && x.present && y.present && z.present
               ? Coordinates(x.value, y.value, z.value)
               : Coordinates();
}

Date dateIf(bool condition, const Field<quint16> &year, const Field<quint8> &month,
            const Field<quint8> &day)
{
    return condition && year.present && month.present && day.present
               ? Date(day.value, month.value, year.value)
               : Date();
}

// A time of day in seconds, as sent. Time itself refuses a value no receiver can
// have meant (not finite, or hours beyond an int).
Time secondsOfDayIf(bool condition, const Field<double> &seconds)
{
    return condition && seconds.present ? Time(seconds.value, SecondsOfDay) : Time();
}

// Seconds of day as one hhmmss number (123456 for 12:34:56), rounded to the
// nearest second; no wrap at midnight, so 86399.6 s reads 240000.
NavDataValue<double> hhmmssIf(bool condition, const Field<double> &seconds)
{
    if (!condition || !seconds.present)
        return NavDataValue<double>();
    int whole = 0;
    if (!checkedToInteger(std::floor(seconds.value + 0.5), whole))
        return NavDataValue<double>();
    const qint64 s = whole;
    const qint64 h = s / 3600;
    const qint64 m = (s - 3600 * h) / 60;
    const qint64 sec = s - 3600 * h - 60 * m;
    return NavDataValue<double>(double(10000 * h + 100 * m + sec));
}

// The receiver sends signed degrees; the record keeps the magnitude and a letter.
// Zero counts as the negative side ('S', 'W'). 0.0 - value rather than -value keeps
// a zero from turning into -0, which would print with a minus sign.
void splitHemisphere(bool condition, const Field<double> &degrees, char positive,
                     char negative, NavDataValue<double> &magnitude,
                     NavDataValue<signed char> &letter)
{
    if (!condition || !degrees.present)
        return;
    if (degrees.value > 0) {
        magnitude = NavDataValue<double>(degrees.value);
        letter = NavDataValue<signed char>(static_cast<signed char>(positive));
    } else {
        magnitude = NavDataValue<double>(0.0 - degrees.value);
        letter = NavDataValue<signed char>(static_cast<signed char>(negative));
    }
}

// RSOL_FULL and RSOL_iFULL open with the same tag, status and aux bytes.
template <typename Solution>
void setSolutionStatuses(Solution &solution, const Field<quint32> &tag,
                         const Field<quint8> &position, const Field<quint8> &velocity,
                         const Field<quint8> &time, const Field<quint8> &aux)
{
    solution.tag = tag.value;
    solution.posStatus = statusValue(position);
    solution.velStatus = statusValue(velocity);
    solution.timeStatus = statusValue(time);
    solution.aux = aux.value;
}

bool isNoneOf(int status, int a, int b) { return status != a && status != b; }
bool isNoneOf(int status, int a, int b, int c) { return status != a && status != b && status != c; }

// RPOS_ECEF, RVEL_ECEF and BPOS_ECEF share one layout.
struct EcefPayload
{
    explicit EcefPayload(const QByteArray &payload)
    {
        std::tie(tag, x, y, z, status) =
            PayloadReader(payload).fields<quint32, double, double, double, quint8>();
    }

    Field<quint32> tag;
    Field<double> x, y, z;
    Field<quint8> status;
};

} // namespace

RTIME_RDATE::RTIME_RDATE(const QByteArray &payload)
{
    const auto [tagField, year, month, day, seconds, statusField] =
        PayloadReader(payload).fields<quint32, quint16, quint8, quint8, double, quint8>();

    tag = tagField.value;
    status = statusValue(statusField);
    // Status 1 carries the time only, 2 the date only, any other non-zero both.
    date = dateIf(isNoneOf(status.value, 0, 1), year, month, day);
    time = secondsOfDayIf(isNoneOf(status.value, 0, 2), seconds);
}

RPOS_ECEF::RPOS_ECEF(const QByteArray &payload)
{
    const EcefPayload in(payload);
    tag = in.tag.value;
    status = statusValue(in.status);
    position = coordinatesIf(status.value != 0, in.x, in.y, in.z);
}

RVEL_ECEF::RVEL_ECEF(const QByteArray &payload)
{
    const EcefPayload in(payload);
    tag = in.tag.value;
    status = statusValue(in.status);
    velocity = coordinatesIf(status.value != 0, in.x, in.y, in.z);
}

BPOS_ECEF::BPOS_ECEF(const QByteArray &payload)
{
    const EcefPayload in(payload);
    tag = in.tag.value;
    status = statusValue(in.status);
    // A single-point or external base position is no base position to measure from.
    position = coordinatesIf(isNoneOf(status.value, 0, 1, 6), in.x, in.y, in.z);
}

RPOS_LLA::RPOS_LLA(const QByteArray &payload)
{
    const auto [tagField, lat, lon, h, statusField] =
        PayloadReader(payload).fields<quint32, double, double, double, quint8>();

    tag = tagField.value;
    status = statusValue(statusField);
    const bool valid = status.value != 0;
    splitHemisphere(valid, lat, 'N', 'S', latitude, latHemisphere);
    splitHemisphere(valid, lon, 'E', 'W', longitude, lonHemisphere);
    height = doubleIf(valid, h);
}

RVEL_ENU::RVEL_ENU(const QByteArray &payload)
{
    const auto [tagField, east, north, up, speed, cog, statusField] =
        PayloadReader(payload).fields<quint32, double, double, double, double, double, quint8>();

    tag = tagField.value;
    status = statusValue(statusField);
    const bool valid = status.value != 0;
    velocity = coordinatesIf(valid, east, north, up);
    horizontalSpeed = doubleIf(valid, speed);
    course = doubleIf(valid, cog);
}

RSOL_ATR::RSOL_ATR(const QByteArray &payload)
{
    const auto [tagField, v, h, p, gp, gl, gb, ga, gi, total, arfField, ageField, auxField,
                 posField, velField] =
        PayloadReader(payload).fields<quint32, float, float, float, quint64, quint64, quint64,
                                      quint64, quint64, quint32, float, quint32, quint8, quint8,
                                      quint8>();

    tag = tagField.value;
    posStatus = statusValue(posField);
    velStatus = statusValue(velField);
    aux = statusValue(auxField);
    if (total.present)
        totalSA = NavDataValue<int>(int(total.value));

    const bool dopsValid = isNoneOf(posStatus.value, 0, 6);
    vdop = doubleIf(dopsValid, v);
    hdop = doubleIf(dopsValid, h);
    pdop = doubleIf(dopsValid, p);
    const auto mask = [dopsValid](const Field<quint64> &field) {
        return dopsValid && field.present ? NavDataValue<quint64>(field.value)
                                          : NavDataValue<quint64>();
    };
    usedGP = mask(gp);
    usedGL = mask(gl);
    usedGB = mask(gb);
    usedGA = mask(ga);
    usedGI = mask(gi);

    // ARF and the base data age only mean something for a differential solution.
    const bool differential = isNoneOf(posStatus.value, 0, 1, 6);
    if (differential && arfField.present)
        arf = NavDataValue<float>(arfField.value);
    if (differential && ageField.present)
        age = NavDataValue<int>(int(ageField.value));
}

RSOL_FULL::RSOL_FULL(const QByteArray &payload)
{
    const auto [tagField, posField, velField, timeField, auxField, lat, lon, h, sog, cog,
                 climbRate, seconds, hdopField, year, month, day] =
        PayloadReader(payload).fields<quint32, quint8, quint8, quint8, quint8, double, double,
                                      double, double, double, double, double, float, quint16,
                                      quint8, quint8>();

    setSolutionStatuses(*this, tagField, posField, velField, timeField, auxField);

    const bool positionValid = posStatus.value != 0;
    splitHemisphere(positionValid, lat, 'N', 'S', latitude, latHemisphere);
    splitHemisphere(positionValid, lon, 'E', 'W', longitude, lonHemisphere);
    height = doubleIf(positionValid, h);

    const bool velocityValid = velStatus.value != 0;
    // Sent in m/s, shown in km/h.
    if (velocityValid && sog.present)
        speed = NavDataValue<double>(sog.value / 1000 * 3600);
    course = doubleIf(velocityValid, cog);
    climb = doubleIf(velocityValid, climbRate);

    time = secondsOfDayIf(isNoneOf(timeStatus.value, 0, 2), seconds);
    hdop = doubleIf(isNoneOf(posStatus.value, 0, 6), hdopField);
    date = dateIf(isNoneOf(timeStatus.value, 0, 1), year, month, day);
}

RSOL_iFULL::RSOL_iFULL(const QByteArray &payload)
{
    const auto [tagField, posField, velField, timeField, auxField, x, y, z, vx, vy, vz, ms,
                 hdopTenths, year, month, day] =
        PayloadReader(payload).fields<quint32, quint8, quint8, quint8, quint8, qint32, qint32,
                                      qint32, qint32, qint32, qint32, qint32, quint16, quint16,
                                      quint8, quint8>();

    setSolutionStatuses(*this, tagField, posField, velField, timeField, auxField);

    // Centimetres and cm/s on the wire.
    const auto metres = [](const Field<qint32> &cm) {
        return Field<double>{cm.value / 100.0, cm.present};
    };
    position = coordinatesIf(posStatus.value != 0, metres(x), metres(y), metres(z));
    velocity = coordinatesIf(velStatus.value != 0, metres(vx), metres(vy), metres(vz));

    // Milliseconds of day, shown as whole seconds rounded up.
    if (isNoneOf(timeStatus.value, 0, 2) && ms.present)
        time = Time(std::ceil(ms.value / 1000.0), SecondsOfDay);
    if (isNoneOf(posStatus.value, 0, 6) && hdopTenths.present)
        hdop = NavDataValue<double>(hdopTenths.value / 10.0);
    date = dateIf(isNoneOf(timeStatus.value, 0, 1), year, month, day);
}

YPR_DEG::YPR_DEG(const QByteArray &payload)
{
    const auto [tagField, posField, timeField, aux1Field, aux2Field, a1, a2, a3, seconds] =
        PayloadReader(payload).fields<quint32, quint8, quint8, quint8, quint8, double, double,
                                      double, double>();

    tag = tagField.value;
    posStatus = statusValue(posField);
    timeStatus = statusValue(timeField);
    aux1 = aux1Field.value;
    aux2 = aux2Field.value;

    // Attitude needs a carrier-phase solution: not from a single-point or external one.
    const bool anglesValid = isNoneOf(posStatus.value, 0, 1, 6);
    angle1 = doubleIf(anglesValid, a1);
    angle2 = doubleIf(anglesValid, a2);
    angle3 = doubleIf(anglesValid, a3);
    time = hhmmssIf(isNoneOf(timeStatus.value, 0, 2), seconds);
}

HVECT::HVECT(const QByteArray &payload)
{
    const auto [tagField, posField, timeField, auxField, tenthsField, sx, sy, sz, mx, my, mz,
                 seconds] =
        PayloadReader(payload).fields<quint32, quint8, quint8, quint8, quint8, double, double,
                                      double, double, double, double, double>();

    tag = tagField.value;
    posStatus = statusValue(posField);
    timeStatus = statusValue(timeField);
    aux = auxField.value;

    const bool vectorValid = isNoneOf(posStatus.value, 0, 1, 6);
    // Whole tenths only: 25 reads 2.
    if (vectorValid && tenthsField.present)
        auxTenths = NavDataValue<double>(double(tenthsField.value / 10));
    slaveAntenna = coordinatesIf(vectorValid, sx, sy, sz);
    masterAntenna = coordinatesIf(vectorValid, mx, my, mz);
    time = hhmmssIf(isNoneOf(timeStatus.value, 0, 2), seconds);
}

GsvFullMessage::GsvFullMessage(const QByteArray &payload)
{
    // A headerless run of 8-byte entries; 1 to 7 trailing bytes are no entry. Entries
    // hold bytes and one 16-bit word, no floating field, so they are taken straight
    // from the bytes: a large sky is forty entries and this is the biggest message.
    constexpr int entrySize = 8;
    const int entryCount = payload.size() / entrySize;
    const auto *bytes = reinterpret_cast<const uchar *>(payload.constData());

    // Count first: every record's place is known before the entries are read.
    int counts[systemCount] = {};
    for (int i = 0; i < entryCount; ++i) {
        const uchar system = bytes[i * entrySize];
        if (system < systemCount)
            ++counts[system];
    }

    // Records go system by system in this order, whatever order the entries came in.
    static const QString talkers[systemCount] = {
        QStringLiteral("GP"), QStringLiteral("GL"), QStringLiteral("GB"),
        QStringLiteral("GA"), QStringLiteral("GI"), QStringLiteral("GS")};
    int firstRecord[systemCount] = {};
    int recordCount = 0;
    for (int sys = 0; sys < systemCount; ++sys) {
        firstRecord[sys] = recordCount;
        recordCount += (counts[sys] + GSV_FULL::slotCount - 1) / GSV_FULL::slotCount;
    }
    m_records.resize(recordCount);
    GSV_FULL *const records = m_records.data();
    for (int sys = 0; sys < systemCount; ++sys) {
        const int n = counts[sys];
        const int k = (n + GSV_FULL::slotCount - 1) / GSV_FULL::slotCount;
        for (int i = 1; i <= k; ++i) {
            GSV_FULL &record = records[firstRecord[sys] + i - 1];
            record.talker = talkers[sys];
            record.totalMessages = quint16(k);
            record.messageNumber = quint16(i);
            record.satellitesInView = quint16(n);
        }
    }

    // Each system's entries fill its records' slots in the order they came; slots left
    // over keep their empty-slot markers.
    int filled[systemCount] = {};
    for (int i = 0; i < entryCount; ++i) {
        const uchar *raw = bytes + i * entrySize;
        const uchar system = raw[0];
        if (system >= systemCount)
            continue;
        const int index = filled[system]++;
        GSV_FULL &record = records[firstRecord[system] + index / GSV_FULL::slotCount];
        const int j = index % GSV_FULL::slotCount;
        record.system[j] = system;
        record.number[j] = raw[1];
        record.azimuth[j] = qFromLittleEndian<quint16>(raw + 2);
        record.elevation[j] = raw[4];
        record.snr1[j] = raw[5];
        record.snr2[j] = raw[6];
        record.used[j] = raw[7];
    }
}

QVector<GSV_FULL> GsvFullMessage::records() const
{
    return m_records;
}
