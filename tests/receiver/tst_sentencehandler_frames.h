#pragma once

#include <QByteArray>
#include <QDataStream>

// Byte-level helpers for feeding the receive road in tests.

// "$" + body + "*" + checksum + CR LF.
QByteArray nmeaLine(const QByteArray &body);

// A binary frame: sync pair, kind, id, little-endian length, payload, checksum.
QByteArray binaryFrame(int kind, int id, const QByteArray &payload);

// Little-endian payload writer with the precision switched per floating field.
class PayloadWriter
{
public:
    PayloadWriter();
    PayloadWriter &u8(int value);
    PayloadWriter &u16(int value);
    PayloadWriter &u32(quint32 value);
    PayloadWriter &s32(qint32 value);
    PayloadWriter &u64(quint64 value);
    PayloadWriter &f32(float value);
    PayloadWriter &f64(double value);
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QDataStream m_stream;
};
