#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

// Builds a little-endian message payload field by field, the way the receiver
// sends it, with the precision switched per floating field.
class Payload
{
public:
    Payload()
        : m_stream(&m_bytes, QIODevice::WriteOnly)
    {
        m_stream.setByteOrder(QDataStream::LittleEndian);
    }

    Payload &u8(quint8 v) { m_stream << v; return *this; }
    Payload &i8(qint8 v) { m_stream << v; return *this; }
    Payload &u16(quint16 v) { m_stream << v; return *this; }
    Payload &u32(quint32 v) { m_stream << v; return *this; }
    Payload &u64(quint64 v) { m_stream << v; return *this; }
    Payload &i32(qint32 v) { m_stream << v; return *this; }
    Payload &f32(float v)
    {
        m_stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
        m_stream << v;
        return *this;
    }
    Payload &f64(double v)
    {
        m_stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
        m_stream << v;
        return *this;
    }

    QByteArray bytes() const { return m_bytes; }
    operator QByteArray() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QDataStream m_stream;
};
