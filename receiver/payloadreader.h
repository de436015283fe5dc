#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstring>
#include <tuple>

// The one reader of little-endian binary payloads, for the binary records and the
// record builders alike.

namespace payload {

// One field of a payload: its value, and whether all of its bytes were there.
// A missing field reads as zero and must never become a valid value.
template <typename T>
struct Field
{
    T value = 0;
    bool present = false;
};

// The same-sized unsigned integer of a field type, for the little-endian read.
template <int Size> struct BitsOfSize;
template <> struct BitsOfSize<1> { using Type = quint8; };
template <> struct BitsOfSize<2> { using Type = quint16; };
template <> struct BitsOfSize<4> { using Type = quint32; };
template <> struct BitsOfSize<8> { using Type = quint64; };

// Reads a payload's fields in order, little-endian, straight from its bytes. Once a
// field runs past the end the reader stays there: that field and every later one are
// absent.
class PayloadReader
{
public:
    // The payload must outlive the reader.
    explicit PayloadReader(const QByteArray &payload)
        : m_bytes(reinterpret_cast<const uchar *>(payload.constData()))
        , m_size(payload.size())
    {
    }

    PayloadReader(const PayloadReader &) = delete;
    PayloadReader &operator=(const PayloadReader &) = delete;

    // The next fields of the layout, one of each type in the order given.
    template <typename... T>
    std::tuple<Field<T>...> fields()
    {
        // A braced list is evaluated left to right: the fields are read in order.
        return std::tuple<Field<T>...>{read<T>()...};
    }

    template <typename T>
    Field<T> read()
    {
        using Bits = typename BitsOfSize<int(sizeof(T))>::Type;
        Field<T> field;
        if (m_size - m_position < int(sizeof(T))) {
            m_position = m_size;
            return field;
        }
        // Floating fields keep the bits as sent, NaN payloads included.
        const Bits bits = qFromLittleEndian<Bits>(m_bytes + m_position);
        std::memcpy(&field.value, &bits, sizeof field.value);
        field.present = true;
        m_position += int(sizeof(T));
        return field;
    }

    // The next field's value; 0 once the payload has run out.
    double f64() { return read<double>().value; }
    double f32() { return read<float>().value; }
    quint8 u8() { return read<quint8>().value; }
    qint8 s8() { return read<qint8>().value; }
    quint16 u16() { return read<quint16>().value; }
    quint32 u32() { return read<quint32>().value; }

private:
    const uchar *m_bytes;
    int m_size;
    int m_position = 0;
};

} // namespace payload
