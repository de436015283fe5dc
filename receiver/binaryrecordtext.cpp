// The message-log lines of the binary records.
//
// Each line is a format string with markers %1, %2, ... %16, each used once and in
// order. They are filled in one pass (fillLine): the same text as filling them with
// one QString::arg call each, lowest marker first, because no argument (numbers, a
// talker) contains a '%'; but without rescanning and reallocating the line sixteen
// times, which made the log text cost ten times the decoding. QString::number and
// arg() without the 'L' flag always write '.' and '-' with no grouping, whatever
// locale the user runs, so the log reads the same everywhere.

#include "binaryrecords.h"

#include <initializer_list>

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

using recordNumberFormatter::formatDouble;
using recordNumberFormatter::formatInt;

// Replaces each marker %n (one or two digits, as QString::arg reads them) of format
// with args[n - 1].
QString fillLine(const char *format, std::initializer_list<QString> args)
{
    const QString *arg = args.begin();
    const int argCount = int(args.size());
    int length = int(qstrlen(format));
    for (const QString &a : args)
        length += a.size();

    QString line;
    line.reserve(length);
    for (const char *p = format; *p; ++p) {
        if (p[0] == '%' && p[1] >= '0' && p[1] <= '9') {
            int n = p[1] - '0';
            const char *next = p + 2;
            if (*next >= '0' && *next <= '9')
                n = 10 * n + (*next++ - '0');
            Q_ASSERT(n >= 1 && n <= argCount);
            if (n >= 1 && n <= argCount) {
                line += arg[n - 1];
                p = next - 1;
                continue;
            }
        }
        line += QLatin1Char(*p);
    }
    return line;
}

QString number(quint32 value)
{
    return QString::number(value);
}

// Status, aux and count fields are printed whatever their validity.
QString number(const NavDataValue<int> &value)
{
    return QString::number(value.value);
}

QString fixed(const NavDataValue<double> &value, int decimals)
{
    return formatDouble(value.value, value.isValid(), decimals);
}

QString ecefLine(const char *format, quint32 tag, const Coordinates &xyz,
                 const NavDataValue<int> &status)
{
    const bool valid = xyz.isValid();
    return fillLine(format,
                    {number(tag),
                     formatDouble(xyz.x, valid, 2),
                     formatDouble(xyz.y, valid, 2),
                     formatDouble(xyz.z, valid, 2),
                     number(status)});
}

// Appends an unsigned number in decimal: the satellite lines are all small integers and
// a sky of forty satellites makes ten lines of 28 numbers each.
void appendNumber(QString &line, quint32 value)
{
    char digits[10];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        line += QLatin1Char(digits[--n]);
}

// A slot element holding the empty-slot marker prints as an empty field; 0 is a value.
void appendSlotElement(QString &line, quint32 value, quint32 emptyMarker)
{
    if (value != emptyMarker)
        appendNumber(line, value);
}

// "$%1GSV_FULL,%2,%3,%4,%5,%6,%7,%8\r\n": talker, total, number, satellites in view (at
// least two digits), then four slots, each "%1,%2,%3,%4,%5,%6" of number, azimuth,
// elevation, both signal-to-noise ratios and the used flag. Azimuth comes before
// elevation in the line, unlike in the record; an empty slot reads ",,,,,".
QString gsvFullLine(const GSV_FULL &record)
{
    const quint32 empty = GSV_FULL::gsvEmptySlot;
    QString line;
    line.reserve(160);
    line += QLatin1Char('$');
    line += record.talker;
    line += QLatin1String("GSV_FULL,");
    appendNumber(line, record.totalMessages);
    line += QLatin1Char(',');
    appendNumber(line, record.messageNumber);
    line += QLatin1Char(',');
    if (record.satellitesInView < 10)
        line += QLatin1Char('0');
    appendNumber(line, record.satellitesInView);
    for (int j = 0; j < GSV_FULL::slotCount; ++j) {
        line += QLatin1Char(',');
        appendSlotElement(line, record.number[j], empty);
        line += QLatin1Char(',');
        appendSlotElement(line, record.azimuth[j], GSV_FULL::gsvEmptyAzimuth);
        line += QLatin1Char(',');
        appendSlotElement(line, record.elevation[j], empty);
        line += QLatin1Char(',');
        appendSlotElement(line, record.snr1[j], empty);
        line += QLatin1Char(',');
        appendSlotElement(line, record.snr2[j], empty);
        line += QLatin1Char(',');
        appendSlotElement(line, record.used[j], empty);
    }
    line += QLatin1String("\r\n");
    return line;
}

} // namespace

QString RTIME_RDATE::toString() const
{
    const bool dateValid = date.isValid();
    return fillLine("$RTIME_RDATE,%1,%2,%3,%4,%5,%6\r\n",
                    {number(tag),
                     formatInt(date.year, dateValid),
                     formatDouble(date.month, dateValid, 0),
                     formatDouble(date.day, dateValid, 0),
                     formatDouble(time.raw, time.isValid(), 2),
                     number(status)});
}

QString RPOS_ECEF::toString() const
{
    return ecefLine("$RPOS_ECEF,%1,%2,%3,%4,%5\r\n", tag, position, status);
}

QString RVEL_ECEF::toString() const
{
    return ecefLine("$RVEL_ECEF,%1,%2,%3,%4,%5\r\n", tag, velocity, status);
}

QString BPOS_ECEF::toString() const
{
    return ecefLine("$BPOS_ECEF,%1,%2,%3,%4,%5\r\n", tag, position, status);
}

QString RPOS_LLA::toString() const
{
    // Magnitudes only: the line carries no hemisphere letter.
    return fillLine("$RPOS_LLA,%1,%2,%3,%4,%5\r\n",
                    {number(tag),
                     fixed(latitude, 4),
                     fixed(longitude, 4),
                     fixed(height, 2),
                     number(status)});
}

QString RVEL_ENU::toString() const
{
    const bool valid = velocity.isValid();
    return fillLine("$RVEL_ENU,%1,%2,%3,%4,%5,%6,%7\r\n",
                    {number(tag),
                     formatDouble(velocity.x, valid, 2),
                     formatDouble(velocity.y, valid, 2),
                     formatDouble(velocity.z, valid, 2),
                     fixed(horizontalSpeed, 2),
                     fixed(course, 3),
                     number(status)});
}

QString RSOL_ATR::toString() const
{
    // Masks, ARF and age are always printed; an invalid one holds zero.
    return fillLine("$RSOL_ATR,%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,%15\r\n",
                    {number(tag),
                     fixed(vdop, 2),
                     fixed(hdop, 2),
                     fixed(pdop, 2),
                     QString::number(usedGP.value),
                     QString::number(usedGL.value),
                     QString::number(usedGB.value),
                     QString::number(usedGA.value),
                     QString::number(usedGI.value),
                     number(totalSA),
                     QStringLiteral("%1").arg(double(arf.value), 0, 'f', 1),
                     number(age),
                     number(aux),
                     number(posStatus),
                     number(velStatus)});
}

QString RSOL_FULL::toString() const
{
    const bool dateValid = date.isValid();
    return fillLine("$RSOL_FULL,%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,%15,%16\r\n",
                    {number(tag),
                     number(posStatus),
                     number(velStatus),
                     number(timeStatus),
                     QString::number(aux),
                     fixed(latitude, 2),
                     fixed(longitude, 2),
                     fixed(height, 2),
                     fixed(speed, 2),
                     fixed(course, 3),
                     fixed(climb, 2),
                     formatDouble(time.raw, time.isValid(), 0),
                     fixed(hdop, 2),
                     formatDouble(date.year, dateValid, 0),
                     formatDouble(date.month, dateValid, 0),
                     formatDouble(date.day, dateValid, 0)});
}

QString RSOL_iFULL::toString() const
{
    const bool positionValid = position.isValid();
    const bool velocityValid = velocity.isValid();
    const bool dateValid = date.isValid();
    return fillLine("$RSOL_iFULL,%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,%15,%16\r\n",
                    {number(tag),
                     number(posStatus),
                     number(velStatus),
                     number(timeStatus),
                     QString::number(aux),
                     formatDouble(position.x, positionValid, 3),
                     formatDouble(position.y, positionValid, 3),
                     formatDouble(position.z, positionValid, 3),
                     formatDouble(velocity.x, velocityValid, 3),
                     formatDouble(velocity.y, velocityValid, 3),
                     formatDouble(velocity.z, velocityValid, 3),
                     formatDouble(time.raw, time.isValid(), 0),
                     fixed(hdop, 3),
                     formatDouble(date.year, dateValid, 0),
                     formatDouble(date.month, dateValid, 0),
                     formatDouble(date.day, dateValid, 0)});
}

QString YPR_DEG::toString() const
{
    // The log names this message YPR.
    return fillLine("$YPR,%1,%2,%3,%4,%5,%6,%7,%8,%9\r\n",
                    {number(tag),
                     number(posStatus),
                     number(timeStatus),
                     QString::number(aux1),
                     QString::number(aux2),
                     fixed(angle1, 2),
                     fixed(angle2, 2),
                     fixed(angle3, 2),
                     fixed(time, 0)});
}

QString HVECT::toString() const
{
    const bool slaveValid = slaveAntenna.isValid();
    const bool masterValid = masterAntenna.isValid();
    // The space before the master antenna's z belongs to this line's established
    // format: saved logs and the tools that read them have it.
    return fillLine("$HVECT,%1,%2,%3,%4,%5,%6,%7,%8,%9,%10, %11,%12\r\n",
                    {number(tag),
                     number(posStatus),
                     number(timeStatus),
                     QString::number(aux),
                     QStringLiteral("%1").arg(auxTenths.value),
                     formatDouble(slaveAntenna.x, slaveValid, 2),
                     formatDouble(slaveAntenna.y, slaveValid, 2),
                     formatDouble(slaveAntenna.z, slaveValid, 2),
                     formatDouble(masterAntenna.x, masterValid, 2),
                     formatDouble(masterAntenna.y, masterValid, 2),
                     formatDouble(masterAntenna.z, masterValid, 2),
                     fixed(time, 0)});
}

QStringList GsvFullMessage::toStringList() const
{
    QStringList lines;
    lines.reserve(m_records.size());
    for (const GSV_FULL &record : m_records)
        lines.append(gsvFullLine(record));
    return lines;
}
