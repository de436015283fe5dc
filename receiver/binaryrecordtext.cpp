// The message-log lines of the binary records.
//
// Each line is a format string whose markers are filled one QString::arg call at a
// time, lowest marker first (so %1 never swallows the start of %10). QString::number
// and arg() without the 'L' flag always write '.' and '-' with no grouping, whatever
// locale the user runs, so the log reads the same everywhere.

#include "binaryrecords.h"

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
    return QString::fromLatin1(format)
        .arg(number(tag))
        .arg(formatDouble(xyz.x, valid, 2))
        .arg(formatDouble(xyz.y, valid, 2))
        .arg(formatDouble(xyz.z, valid, 2))
        .arg(number(status));
}

// A slot element holding the empty-slot marker prints as an empty field; 0 is a value.
QString slotElement(quint32 value, quint32 emptyMarker)
{
    return value == emptyMarker ? QString() : QString::number(value);
}

QString slotText(const GSV_FULL &record, int j)
{
    const quint32 empty = GSV_FULL::gsvEmptySlot;
    // Azimuth comes before elevation in the line, unlike in the record.
    return QStringLiteral("%1,%2,%3,%4,%5,%6")
        .arg(slotElement(record.number[j], empty))
        .arg(slotElement(record.azimuth[j], GSV_FULL::gsvEmptyAzimuth))
        .arg(slotElement(record.elevation[j], empty))
        .arg(slotElement(record.snr1[j], empty))
        .arg(slotElement(record.snr2[j], empty))
        .arg(slotElement(record.used[j], empty));
}

QString gsvFullLine(const GSV_FULL &record)
{
    return QStringLiteral("$%1GSV_FULL,%2,%3,%4,%5,%6,%7,%8\r\n")
        .arg(record.talker)
        .arg(QString::number(record.totalMessages))
        .arg(QString::number(record.messageNumber))
        .arg(record.satellitesInView, 2, 10, QLatin1Char('0'))
        .arg(slotText(record, 0))
        .arg(slotText(record, 1))
        .arg(slotText(record, 2))
        .arg(slotText(record, 3));
}

} // namespace

QString RTIME_RDATE::toString() const
{
    const bool dateValid = date.isValid();
    return QStringLiteral("$RTIME_RDATE,%1,%2,%3,%4,%5,%6\r\n")
        .arg(number(tag))
        .arg(formatInt(date.year, dateValid))
        .arg(formatDouble(date.month, dateValid, 0))
        .arg(formatDouble(date.day, dateValid, 0))
        .arg(formatDouble(time.raw, time.isValid(), 2))
        .arg(number(status));
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
    return QStringLiteral("$RPOS_LLA,%1,%2,%3,%4,%5\r\n")
        .arg(number(tag))
        .arg(fixed(latitude, 4))
        .arg(fixed(longitude, 4))
        .arg(fixed(height, 2))
        .arg(number(status));
}

QString RVEL_ENU::toString() const
{
    const bool valid = velocity.isValid();
    return QStringLiteral("$RVEL_ENU,%1,%2,%3,%4,%5,%6,%7\r\n")
        .arg(number(tag))
        .arg(formatDouble(velocity.x, valid, 2))
        .arg(formatDouble(velocity.y, valid, 2))
        .arg(formatDouble(velocity.z, valid, 2))
        .arg(fixed(horizontalSpeed, 2))
        .arg(fixed(course, 3))
        .arg(number(status));
}

QString RSOL_ATR::toString() const
{
    // Masks, ARF and age are always printed; an invalid one holds zero.
    return QStringLiteral(
               "$RSOL_ATR,%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,%15\r\n")
        .arg(number(tag))
        .arg(fixed(vdop, 2))
        .arg(fixed(hdop, 2))
        .arg(fixed(pdop, 2))
        .arg(QString::number(usedGP.value))
        .arg(QString::number(usedGL.value))
        .arg(QString::number(usedGB.value))
        .arg(QString::number(usedGA.value))
        .arg(QString::number(usedGI.value))
        .arg(number(totalSA))
        .arg(double(arf.value), 0, 'f', 1)
        .arg(number(age))
        .arg(number(aux))
        .arg(number(posStatus))
        .arg(number(velStatus));
}

QString RSOL_FULL::toString() const
{
    const bool dateValid = date.isValid();
    return QStringLiteral(
               "$RSOL_FULL,%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,%15,%16\r\n")
        .arg(number(tag))
        .arg(number(posStatus))
        .arg(number(velStatus))
        .arg(number(timeStatus))
        .arg(QString::number(aux))
        .arg(fixed(latitude, 2))
        .arg(fixed(longitude, 2))
        .arg(fixed(height, 2))
        .arg(fixed(speed, 2))
        .arg(fixed(course, 3))
        .arg(fixed(climb, 2))
        .arg(formatDouble(time.raw, time.isValid(), 0))
        .arg(fixed(hdop, 2))
        .arg(formatDouble(date.year, dateValid, 0))
        .arg(formatDouble(date.month, dateValid, 0))
        .arg(formatDouble(date.day, dateValid, 0));
}

QString RSOL_iFULL::toString() const
{
    const bool positionValid = position.isValid();
    const bool velocityValid = velocity.isValid();
    const bool dateValid = date.isValid();
    return QStringLiteral(
               "$RSOL_iFULL,%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,%15,%16\r\n")
        .arg(number(tag))
        .arg(number(posStatus))
        .arg(number(velStatus))
        .arg(number(timeStatus))
        .arg(QString::number(aux))
        .arg(formatDouble(position.x, positionValid, 3))
        .arg(formatDouble(position.y, positionValid, 3))
        .arg(formatDouble(position.z, positionValid, 3))
        .arg(formatDouble(velocity.x, velocityValid, 3))
        .arg(formatDouble(velocity.y, velocityValid, 3))
        .arg(formatDouble(velocity.z, velocityValid, 3))
        .arg(formatDouble(time.raw, time.isValid(), 0))
        .arg(fixed(hdop, 3))
        .arg(formatDouble(date.year, dateValid, 0))
        .arg(formatDouble(date.month, dateValid, 0))
        .arg(formatDouble(date.day, dateValid, 0));
}

QString YPR_DEG::toString() const
{
    // The log names this message YPR.
    return QStringLiteral("$YPR,%1,%2,%3,%4,%5,%6,%7,%8,%9\r\n")
        .arg(number(tag))
        .arg(number(posStatus))
        .arg(number(timeStatus))
        .arg(QString::number(aux1))
        .arg(QString::number(aux2))
        .arg(fixed(angle1, 2))
        .arg(fixed(angle2, 2))
        .arg(fixed(angle3, 2))
        .arg(fixed(time, 0));
}

QString HVECT::toString() const
{
    const bool slaveValid = slaveAntenna.isValid();
    const bool masterValid = masterAntenna.isValid();
    // The space before the master antenna's z belongs to this line's established
    // format: saved logs and the tools that read them have it.
    return QStringLiteral("$HVECT,%1,%2,%3,%4,%5,%6,%7,%8,%9,%10, %11,%12\r\n")
        .arg(number(tag))
        .arg(number(posStatus))
        .arg(number(timeStatus))
        .arg(QString::number(aux))
        .arg(auxTenths.value)
        .arg(formatDouble(slaveAntenna.x, slaveValid, 2))
        .arg(formatDouble(slaveAntenna.y, slaveValid, 2))
        .arg(formatDouble(slaveAntenna.z, slaveValid, 2))
        .arg(formatDouble(masterAntenna.x, masterValid, 2))
        .arg(formatDouble(masterAntenna.y, masterValid, 2))
        .arg(formatDouble(masterAntenna.z, masterValid, 2))
        .arg(fixed(time, 0));
}

QStringList GsvFullMessage::toStringList() const
{
    QStringList lines;
    lines.reserve(m_records.size());
    for (const GSV_FULL &record : m_records)
        lines.append(gsvFullLine(record));
    return lines;
}
