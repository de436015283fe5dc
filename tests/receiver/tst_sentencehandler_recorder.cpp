#include "tst_sentencehandler_recorder.h"

#include <QMetaMethod>

#include <algorithm>

namespace {

template<typename T>
QString valueText(const NavDataValue<T> &value)
{
    if (!value.isValid())
        return QStringLiteral("-");
    return QString::number(value.value);
}

QString valueText(const NavDataValue<double> &value)
{
    if (!value.isValid())
        return QStringLiteral("-");
    return QString::number(value.value, 'g', 10);
}

QString valueText(const NavDataValue<float> &value)
{
    if (!value.isValid())
        return QStringLiteral("-");
    return QString::number(double(value.value), 'g', 7);
}

QString valueText(const NavDataValue<signed char> &value)
{
    if (!value.isValid())
        return QStringLiteral("-");
    return QString(QChar::fromLatin1(char(value.value)));
}

} // namespace

QString text(const GeoCoordinate &coordinate)
{
    if (!coordinate.isValid())
        return QStringLiteral("invalid");
    return QStringLiteral("%1,%2,%3")
        .arg(coordinate.latitudeDegrees(), 0, 'f', 6)
        .arg(coordinate.longitudeDegrees(), 0, 'f', 6)
        .arg(coordinate.height(), 0, 'f', 2);
}

QString text(const Time &time)
{
    if (!time.isValid())
        return QStringLiteral("-");
    return QStringLiteral("%1:%2:%3").arg(time.hours).arg(time.minutes).arg(time.seconds, 0, 'g', 10);
}

QString text(const Date &date)
{
    if (!date.isValid())
        return QStringLiteral("-");
    return QStringLiteral("%1.%2.%3").arg(date.day).arg(date.month).arg(date.year);
}

QString text(const Coordinates &coordinates)
{
    if (!coordinates.isValid())
        return QStringLiteral("-");
    return QStringLiteral("(%1,%2,%3)")
        .arg(coordinates.x, 0, 'g', 12)
        .arg(coordinates.y, 0, 'g', 12)
        .arg(coordinates.z, 0, 'g', 12);
}

QString text(const QVector<SatelliteInfo> &satellites)
{
    QStringList entries;
    for (const SatelliteInfo &info : satellites) {
        entries << QStringLiteral("%1:%2/%3/%4/%5")
                       .arg(info.number)
                       .arg(info.elevation)
                       .arg(info.azimuth)
                       .arg(info.snr1)
                       .arg(info.snr2);
    }
    return QLatin1Char('[') + entries.join(QLatin1Char(' ')) + QLatin1Char(']');
}

QString text(const QSet<int> &numbers)
{
    QList<int> sorted = numbers.values();
    std::sort(sorted.begin(), sorted.end());
    QStringList entries;
    for (int n : sorted)
        entries << QString::number(n);
    return QLatin1Char('{') + entries.join(QLatin1Char(',')) + QLatin1Char('}');
}

SignalRecorder::SignalRecorder(QObject *parent)
    : QObject(parent)
{
}

void SignalRecorder::listenTo(QObject *handler)
{
    // Each of the handler's own signals to the slot of the same text signature here; a
    // signal this recorder has no slot for makes connect() warn, which fails the test.
    const QMetaObject *meta = handler->metaObject();
    for (int m = meta->methodOffset(); m < meta->methodCount(); ++m) {
        const QMetaMethod method = meta->method(m);
        if (method.methodType() != QMetaMethod::Signal)
            continue;
        const QByteArray signature = method.methodSignature();
        connect(handler, QByteArray("2" + signature).constData(), this,
                QByteArray("1" + signature).constData());
    }
}

QStringList SignalRecorder::filtered(const QStringList &names) const
{
    if (names.isEmpty())
        return events;
    QStringList result;
    for (const QString &event : events) {
        if (names.contains(event.section(QLatin1Char(' '), 0, 0)))
            result << event;
    }
    return result;
}

void SignalRecorder::add(const char *name, const QString &value)
{
    events << (value.isEmpty() ? QString::fromLatin1(name)
                               : QString::fromLatin1(name) + QLatin1Char(' ') + value);
}

void SignalRecorder::setCoordinate(GeoCoordinate coordinate)
{
    add("setCoordinate", text(coordinate));
}

void SignalRecorder::setCoordinate(double time, GeoCoordinate coordinate, short quality)
{
    add("setCoordinate3", QStringLiteral("%1 %2 %3").arg(time, 0, 'g', 10).arg(text(coordinate)).arg(quality));
}

void SignalRecorder::setUTC(Time time) { add("setUTC", text(time)); }
void SignalRecorder::setDate(NavDataValue<int> date) { add("setDateNumber", valueText(date)); }
void SignalRecorder::setDate(Date date) { add("setDate", text(date)); }
void SignalRecorder::setHDOP(NavDataValue<double> hdop) { add("setHDOP", valueText(hdop)); }
void SignalRecorder::setPDOP(NavDataValue<double> pdop) { add("setPDOP", valueText(pdop)); }
void SignalRecorder::setVDOP(NavDataValue<double> vdop) { add("setVDOP", valueText(vdop)); }
void SignalRecorder::setSpeed(NavDataValue<double> speed) { add("setSpeed", valueText(speed)); }
void SignalRecorder::setCourse(NavDataValue<double> course) { add("setCourse", valueText(course)); }

void SignalRecorder::setFixMode(signed char cMode, short dMode)
{
    add("setFixMode", QStringLiteral("%1 %2").arg(int(cMode)).arg(dMode));
}

void SignalRecorder::setPositioningSystemMode(NavDataValue<signed char> mode)
{
    add("setPositioningSystemMode", valueText(mode));
}

void SignalRecorder::setQuality(NavDataValue<short> qualityIndicator)
{
    add("setQuality", valueText(qualityIndicator));
}

void SignalRecorder::setUsedSatellites(SatNavSysEnum navSys, QSet<int> usedSatelliteIds)
{
    add("setUsedSatellites", QStringLiteral("%1 %2").arg(int(navSys)).arg(text(usedSatelliteIds)));
}

void SignalRecorder::setSatellites(SatNavSysEnum navSys, QVector<SatelliteInfo> info)
{
    add("setSatellites", QStringLiteral("%1 %2").arg(int(navSys)).arg(text(info)));
}

void SignalRecorder::setBandName(SatNavSysEnum navSys, QString upperBandName, QString lowerBandName)
{
    add("setBandName", QStringLiteral("%1 %2 %3").arg(int(navSys)).arg(upperBandName, lowerBandName));
}

void SignalRecorder::setVelSts(NavDataValue<int> sts) { add("setVelSts", valueText(sts)); }
void SignalRecorder::setPosSts(NavDataValue<int> sts) { add("setPosSts", valueText(sts)); }
void SignalRecorder::setCoordReceiver(Coordinates coordReceiver) { add("setCoordReceiver", text(coordReceiver)); }

void SignalRecorder::setCoordBS(Coordinates coordBS, NavDataValue<int> sts)
{
    add("setCoordBS", text(coordBS) + QLatin1Char(' ') + valueText(sts));
}

void SignalRecorder::setSpeedECEF(Coordinates speedECEF) { add("setSpeedECEF", text(speedECEF)); }

void SignalRecorder::setSpeedENU(Coordinates speedENU, NavDataValue<double> ven, NavDataValue<double> cog)
{
    add("setSpeedENU", QStringLiteral("%1 %2 %3").arg(text(speedENU), valueText(ven), valueText(cog)));
}

void SignalRecorder::setTotalSA(NavDataValue<int> num) { add("setTotalSA", valueText(num)); }
void SignalRecorder::setARF(NavDataValue<float> arf) { add("setARF", valueText(arf)); }
void SignalRecorder::setAge(NavDataValue<int> age) { add("setAge", valueText(age)); }
void SignalRecorder::setClmb(NavDataValue<double> clmb) { add("setClmb", valueText(clmb)); }
void SignalRecorder::setRoll(NavDataValue<double> roll) { add("setRoll", valueText(roll)); }
void SignalRecorder::setPitch(NavDataValue<double> pitch) { add("setPitch", valueText(pitch)); }
void SignalRecorder::setYaw(NavDataValue<double> yaw) { add("setYaw", valueText(yaw)); }
void SignalRecorder::posStsChangedInAxes(NavDataValue<int> sts) { add("posStsChangedInAxes", valueText(sts)); }
void SignalRecorder::setCoordSA(Coordinates coordSA) { add("setCoordSA", text(coordSA)); }
void SignalRecorder::setCoordMA(Coordinates coordMA) { add("setCoordMA", text(coordMA)); }
