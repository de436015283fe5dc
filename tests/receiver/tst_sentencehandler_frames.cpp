#include "tst_sentencehandler_frames.h"

#include "binaryframe.h"

QByteArray nmeaLine(const QByteArray &body)
{
    quint8 sum = 0;
    for (char c : body)
        sum ^= quint8(c);
    return '$' + body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

QByteArray binaryFrame(int kind, int id, const QByteArray &payload)
{
    QByteArray body;
    body.append(char(kind));
    body.append(char(id));
    body.append(char(payload.size() & 0xFF));
    body.append(char((payload.size() >> 8) & 0xFF));
    body.append(payload);
    const quint16 checksum = calcChecksum(body);
    QByteArray frame("\x21\x4E", 2);
    frame.append(body);
    frame.append(char(checksum & 0xFF));
    frame.append(char(checksum >> 8));
    return frame;
}

PayloadWriter::PayloadWriter()
    : m_stream(&m_bytes, QIODevice::WriteOnly)
{
    m_stream.setByteOrder(QDataStream::LittleEndian);
}

PayloadWriter &PayloadWriter::u8(int value)
{
    m_stream << quint8(value);
    return *this;
}

PayloadWriter &PayloadWriter::u16(int value)
{
    m_stream << quint16(value);
    return *this;
}

PayloadWriter &PayloadWriter::u32(quint32 value)
{
    m_stream << value;
    return *this;
}

PayloadWriter &PayloadWriter::s32(qint32 value)
{
    m_stream << value;
    return *this;
}

PayloadWriter &PayloadWriter::u64(quint64 value)
{
    m_stream << value;
    return *this;
}

PayloadWriter &PayloadWriter::f32(float value)
{
    m_stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    m_stream << value;
    return *this;
}

PayloadWriter &PayloadWriter::f64(double value)
{
    m_stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
    m_stream << value;
    return *this;
}
