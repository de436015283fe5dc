#pragma once

#include <QByteArray>
#include <QString>
#include <QTime>

// The frames of the replay service, the same in both directions: a 16-bit big-endian
// length of the rest, then a time of day and a text, both as QDataStream (version Qt_4_2)
// writes a QTime and a QString.
namespace ServiceFrames {

// The longest text a frame can carry: the 16-bit length covers the 4-byte time, the
// 4-byte text size and two bytes per UTF-16 unit.
constexpr int maxTextUnits = (0xFFFF - 8) / 2;

// A whole frame with `text`, cut to maxTextUnits.
QByteArray frame(const QString &text, const QTime &time);
// The time and text of a frame's body (the bytes after its length), read from those
// bytes alone: fields that claim more than the body holds read short.
void read(const QByteArray &body, QTime *time, QString *text);
// The answer to a frame that carried `received`; it always fits one frame.
QString reply(const QString &received);
// The text alone as QDataStream writes a QString: its size, then the UTF-16 units.
QByteArray text(const QString &text);

} // namespace ServiceFrames
