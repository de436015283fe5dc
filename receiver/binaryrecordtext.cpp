// The message-log lines of the binary records.
//
// Every line is "$", the name, the fields each after a comma, then CR LF. The fields
// are written straight into one byte buffer (LogLineWriter): filling a QString per
// field and then the line cost several times the decoding of the records. Numbers are
// written as QString::number writes them without the 'L' flag: '.' and '-' with no
// grouping, whatever locale the user runs, so the log reads the same everywhere.

#include "binaryrecords.h"

#include <initializer_list>

#include "loglinewriter.h"

namespace recordNumberFormatter {

QString formatDouble(double value, bool valid, int decimals)
{
    return valid ? QString::number(value, 'f', decimals) : QString();
}

QString formatInt(int value, bool valid)
{
    return valid ? QString::number(value) : QString();
}

} // namespace recordNumberFormatter

namespace {

// The kinds of field a line holds, each written by one put() overload.

// Fixed notation with `decimals` digits; empty when not valid.
struct Fixed
{
    double value;
    bool valid;
    int decimals;
};

Fixed fixed(double value, bool valid, int decimals) { return {value, valid, decimals}; }
Fixed fixed(const NavDataValue<double> &value, int decimals)
{
    return {value.value, value.isValid(), decimals};
}

// A whole number; empty when not valid.
struct Integer
{
    qint64 value;
    bool valid;
};

// A double in its shortest form.
struct Shortest
{
    double value;
};

// A field written after a space.
template <typename Field>
struct Spaced
{
    Field field;
};

template <typename Field>
Spaced<Field> spaced(const Field &field) { return {field}; }

void put(LogLineWriter &line, quint32 value) { line.appendUnsigned(value); }
void put(LogLineWriter &line, quint64 value) { line.appendUnsigned(value); }
void put(LogLineWriter &line, unsigned char value) { line.appendUnsigned(value); }
// Status, aux and count fields are printed whatever their validity.
void put(LogLineWriter &line, const NavDataValue<int> &value) { line.appendNumber(value.value); }
void put(LogLineWriter &line, const Fixed &f) { line.appendFixed(f.value, f.valid, f.decimals); }
void put(LogLineWriter &line, const Shortest &s) { line.appendShortest(s.value); }
void put(LogLineWriter &line, const Integer &i)
{
    if (i.valid)
        line.appendNumber(i.value);
}
template <typename Field>
void put(LogLineWriter &line, const Spaced<Field> &s)
{
    line.append(' ');
    put(line, s.field);
}

template <typename... Fields>
QByteArray logLine(const char *name, const Fields &... fields)
{
    LogLineWriter line;
    line.append('$');
    line.append(name);
    (void)std::initializer_list<int>{(line.append(','), put(line, fields), 0)...};
    line.append("\r\n");
    return line.bytes();
}

QByteArray ecefLine(const char *name, quint32 tag, const Coordinates &xyz,
                    const NavDataValue<int> &status)
{
    const bool valid = xyz.isValid();
    return logLine(name, tag, fixed(xyz.x, valid, 2), fixed(xyz.y, valid, 2),
                   fixed(xyz.z, valid, 2), status);
}

// A slot element holding the empty-slot marker prints as an empty field; 0 is a value.
char *putSlotElement(char *out, quint32 value, quint32 emptyMarker)
{
    *out++ = ',';
    if (value != emptyMarker)
        out = LogLineWriter::writeUnsigned(out, value);
    return out;
}

// "$<talker>GSV_FULL," total, number, satellites in view (at least two digits), then
// four slots of number, azimuth, elevation, both signal-to-noise ratios and the used
// flag. Azimuth comes before elevation in the line, unlike in the record; an empty
// slot reads ",,,,,".
QByteArray gsvFullLine(const GSV_FULL &record)
{
    const quint32 empty = GSV_FULL::gsvEmptySlot;
    LogLineWriter line;
    line.append('$');
    line.append(record.talker);
    line.append("GSV_FULL,");
    line.appendUnsigned(record.totalMessages);
    line.append(',');
    line.appendUnsigned(record.messageNumber);
    line.append(',');
    if (record.satellitesInView < 10)
        line.append('0');
    line.appendUnsigned(record.satellitesInView);
    // The slots are written in a local buffer, whose end stays in a register.
    constexpr int slotElements = 6;
    char slots[GSV_FULL::slotCount * slotElements * (1 + LogLineWriter::maxUnsignedDigits)];
    char *p = slots;
    for (int j = 0; j < GSV_FULL::slotCount; ++j) {
        p = putSlotElement(p, record.number[j], empty);
        p = putSlotElement(p, record.azimuth[j], GSV_FULL::gsvEmptyAzimuth);
        p = putSlotElement(p, record.elevation[j], empty);
        p = putSlotElement(p, record.snr1[j], empty);
        p = putSlotElement(p, record.snr2[j], empty);
        p = putSlotElement(p, record.used[j], empty);
    }
    line.append(slots, int(p - slots));
    line.append("\r\n");
    return line.bytes();
}

} // namespace

QByteArray RTIME_RDATE::logLine() const
{
    const bool dateValid = date.isValid();
    return ::logLine("RTIME_RDATE", tag, Integer{date.year, dateValid},
                     fixed(date.month, dateValid, 0), fixed(date.day, dateValid, 0),
                     fixed(time.raw, time.isValid(), 2), status);
}

QByteArray RPOS_ECEF::logLine() const
{
    return ecefLine("RPOS_ECEF", tag, position, status);
}

QByteArray RVEL_ECEF::logLine() const
{
    return ecefLine("RVEL_ECEF", tag, velocity, status);
}

QByteArray BPOS_ECEF::logLine() const
{
    return ecefLine("BPOS_ECEF", tag, position, status);
}

QByteArray RPOS_LLA::logLine() const
{
    // Magnitudes only: the line carries no hemisphere letter.
    return ::logLine("RPOS_LLA", tag, fixed(latitude, 4), fixed(longitude, 4),
                     fixed(height, 2), status);
}

QByteArray RVEL_ENU::logLine() const
{
    const bool valid = velocity.isValid();
    return ::logLine("RVEL_ENU", tag, fixed(velocity.x, valid, 2), fixed(velocity.y, valid, 2),
                     fixed(velocity.z, valid, 2), fixed(horizontalSpeed, 2), fixed(course, 3),
                     status);
}

QByteArray RSOL_ATR::logLine() const
{
    // Masks, ARF and age are always printed; an invalid one holds zero.
    return ::logLine("RSOL_ATR", tag, fixed(vdop, 2), fixed(hdop, 2), fixed(pdop, 2),
                     usedGP.value, usedGL.value, usedGB.value, usedGA.value, usedGI.value,
                     totalSA, fixed(double(arf.value), true, 1), age, aux, posStatus,
                     velStatus);
}

QByteArray RSOL_FULL::logLine() const
{
    const bool dateValid = date.isValid();
    return ::logLine("RSOL_FULL", tag, posStatus, velStatus, timeStatus, aux,
                     fixed(latitude, 2), fixed(longitude, 2), fixed(height, 2), fixed(speed, 2),
                     fixed(course, 3), fixed(climb, 2), fixed(time.raw, time.isValid(), 0),
                     fixed(hdop, 2), fixed(date.year, dateValid, 0),
                     fixed(date.month, dateValid, 0), fixed(date.day, dateValid, 0));
}

QByteArray RSOL_iFULL::logLine() const
{
    const bool positionValid = position.isValid();
    const bool velocityValid = velocity.isValid();
    const bool dateValid = date.isValid();
    return ::logLine("RSOL_iFULL", tag, posStatus, velStatus, timeStatus, aux,
                     fixed(position.x, positionValid, 3), fixed(position.y, positionValid, 3),
                     fixed(position.z, positionValid, 3), fixed(velocity.x, velocityValid, 3),
                     fixed(velocity.y, velocityValid, 3), fixed(velocity.z, velocityValid, 3),
                     fixed(time.raw, time.isValid(), 0), fixed(hdop, 3),
                     fixed(date.year, dateValid, 0), fixed(date.month, dateValid, 0),
                     fixed(date.day, dateValid, 0));
}

QByteArray YPR_DEG::logLine() const
{
    // The log names this message YPR.
    return ::logLine("YPR", tag, posStatus, timeStatus, aux1, aux2, fixed(angle1, 2),
                     fixed(angle2, 2), fixed(angle3, 2), fixed(time, 0));
}

QByteArray HVECT::logLine() const
{
    const bool slaveValid = slaveAntenna.isValid();
    const bool masterValid = masterAntenna.isValid();
    // The space before the master antenna's z belongs to this line's established
    // format: saved logs and the tools that read them have it.
    return ::logLine("HVECT", tag, posStatus, timeStatus, aux, Shortest{auxTenths.value},
                     fixed(slaveAntenna.x, slaveValid, 2), fixed(slaveAntenna.y, slaveValid, 2),
                     fixed(slaveAntenna.z, slaveValid, 2), fixed(masterAntenna.x, masterValid, 2),
                     fixed(masterAntenna.y, masterValid, 2),
                     spaced(fixed(masterAntenna.z, masterValid, 2)), fixed(time, 0));
}

QList<QByteArray> GsvFullMessage::logLines() const
{
    QList<QByteArray> lines;
    lines.reserve(m_records.size());
    for (const GSV_FULL &record : m_records)
        lines.append(gsvFullLine(record));
    return lines;
}

QStringList GsvFullMessage::toStringList() const
{
    QStringList lines;
    lines.reserve(m_records.size());
    for (const GSV_FULL &record : m_records)
        lines.append(QString::fromUtf8(gsvFullLine(record)));
    return lines;
}

// The lines are ASCII: their Latin-1 reading is their text.
QString RTIME_RDATE::toString() const { return QString::fromLatin1(logLine()); }
QString RPOS_ECEF::toString() const { return QString::fromLatin1(logLine()); }
QString RVEL_ECEF::toString() const { return QString::fromLatin1(logLine()); }
QString BPOS_ECEF::toString() const { return QString::fromLatin1(logLine()); }
QString RPOS_LLA::toString() const { return QString::fromLatin1(logLine()); }
QString RVEL_ENU::toString() const { return QString::fromLatin1(logLine()); }
QString RSOL_ATR::toString() const { return QString::fromLatin1(logLine()); }
QString RSOL_FULL::toString() const { return QString::fromLatin1(logLine()); }
QString RSOL_iFULL::toString() const { return QString::fromLatin1(logLine()); }
QString YPR_DEG::toString() const { return QString::fromLatin1(logLine()); }
QString HVECT::toString() const { return QString::fromLatin1(logLine()); }
