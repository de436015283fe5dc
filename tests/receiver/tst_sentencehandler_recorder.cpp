#include "tst_sentencehandler_recorder.h"

#include <QMetaMethod>

#include <algorithm>


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
