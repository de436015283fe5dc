#include "serviceframes.h"

#include <QDataStream>

namespace {

const QString replyPrefix = QStringLiteral("Server Response: Received ");

// Cuts a text to at most `units` UTF-16 units without leaving half a surrogate pair behind.
QString shortened(const QString &text, int units)
{
    if (text.size() <= units)
        return text;
    int keep = units;
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep);
}

} // namespace

namespace ServiceFrames {

QByteArray frame(const QString &text, const QTime &time)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_2);
    out << quint16(0) << time << shortened(text, maxTextUnits);
    out.device()->seek(0);
    out << quint16(block.size() - 2);
    return block;
}

void read(const QByteArray &body, QTime *time, QString *text)
{
    QDataStream in(body);
    in.setVersion(QDataStream::Qt_4_2);
    in >> *time >> *text;
}

QString reply(const QString &received)
{
    // Room for the prefix and both quotes comes off the quoted text rather than making
    // the length field wrap.
    const int room = maxTextUnits - replyPrefix.size() - 2;
    return replyPrefix + QLatin1Char('"') + shortened(received, room) + QLatin1Char('"');
}

QByteArray text(const QString &text)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_2);
    out << text;
    return block;
}

} // namespace ServiceFrames
