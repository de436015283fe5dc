#include "loglinewriter.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int maxExactDecimals = 9;

// The room writeFixed's caller gives it.
constexpr int outSize = 32;

constexpr double powersOfTen[maxExactDecimals + 1] = {1e0, 1e1, 1e2, 1e3, 1e4,
                                                      1e5, 1e6, 1e7, 1e8, 1e9};

// Below 2^52 every half-integer is a double, which the rounding below relies on.
constexpr double scaledLimit = 4503599627370496.0; // 2^52

// Writes value in decimal, least significant digit last, ending at end; returns the
// first digit written.
char *writeDigitsBackwards(char *end, std::uint64_t value, int minimumDigits)
{
    static const char pairs[] = "00010203040506070809101112131415161718192021222324"
                                "25262728293031323334353637383940414243444546474849"
                                "50515253545556575859606162636465666768697071727374"
                                "75767778798081828384858687888990919293949596979899";
    char *p = end;
    while (value >= 100) {
        const unsigned pair = unsigned(value % 100) * 2;
        value /= 100;
        *--p = pairs[pair + 1];
        *--p = pairs[pair];
    }
    if (value >= 10) {
        const unsigned pair = unsigned(value) * 2;
        *--p = pairs[pair + 1];
        *--p = pairs[pair];
    } else {
        *--p = char('0' + value);
    }
    while (end - p < minimumDigits)
        *--p = '0';
    return p;
}

} // namespace

int LogLineWriter::writeFixed(char *out, double value, int decimals)
{
    if (decimals < 0 || decimals > maxExactDecimals)
        return -1;
    const double scale = powersOfTen[decimals];
    const double scaled = value * scale;
    // Also false for NaN and the infinities.
    if (!(std::fabs(scaled) < scaledLimit))
        return -1;

    const double magnitude = std::fabs(scaled);
    std::uint64_t digits = std::uint64_t(magnitude); // the whole part: below 2^52
    const double fraction = magnitude - double(digits); // exact
    // Rounding to the nearest double never crosses a half-integer (they are all
    // doubles here), so only a fraction of exactly one half needs a second look: at
    // the exact product, scaled + error, where fma rounds only once and so leaves an
    // exactly representable residual. A true tie of the binary value goes away from
    // zero.
    if (fraction > 0.5) {
        ++digits;
    } else if (fraction == 0.5) {
        const double error = std::fma(value, scale, -scaled);
        if ((scaled < 0 ? -error : error) >= 0)
            ++digits;
    }

    // Written backwards to end, then moved to out in one fixed-size copy: at most a
    // sign, 16 digits, a point and padding zeros, well inside the 32 bytes.
    char buffer[2 * outSize];
    char *const end = buffer + outSize;
    char *p = end;
    for (int i = 0; i < decimals; ++i) {
        *--p = char('0' + digits % 10);
        digits /= 10;
    }
    if (decimals > 0)
        *--p = '.';
    p = writeDigitsBackwards(p, digits, 1);
    // Every negative value keeps its sign, also when it rounds to zero; -0.0 has none.
    if (value < 0)
        *--p = '-';
    std::memcpy(out, p, outSize);
    return int(end - p);
}

void LogLineWriter::grow(int count)
{
    int capacity = 2 * m_capacity;
    while (capacity - m_size < count)
        capacity *= 2;
    std::unique_ptr<char[]> heap(new char[size_t(capacity)]);
    std::memcpy(heap.get(), m_data, size_t(m_size));
    m_heap = std::move(heap);
    m_data = m_heap.get();
    m_capacity = capacity;
}

void LogLineWriter::append(const QString &text)
{
    // Talkers and names are ASCII, whose UTF-8 is their characters as they stand: copy
    // them without building a UTF-8 buffer first.
    const int length = text.size();
    const QChar *chars = text.constData();
    char *p = room(length);
    for (int i = 0; i < length; ++i) {
        const ushort unicode = chars[i].unicode();
        if (unicode >= 0x80) {
            const QByteArray utf8 = text.toUtf8();
            appendBytes(utf8.constData(), utf8.size());
            return;
        }
        p[i] = char(unicode);
    }
    m_size += length;
}

void LogLineWriter::appendNumber(qint64 value)
{
    if (value < 0) {
        append('-');
        appendUnsigned(0 - quint64(value));
    } else {
        appendUnsigned(quint64(value));
    }
}

char *LogLineWriter::writeLargerUnsigned(char *out, quint64 value)
{
    char buffer[24];
    char *const end = buffer + sizeof buffer;
    const char *first = writeDigitsBackwards(end, value, 1);
    const int count = int(end - first);
    std::memcpy(out, first, size_t(count));
    return out + count;
}

void LogLineWriter::appendFixed(double value, int decimals)
{
    // The exact path writes at most a sign, 16 digits, a point and padding zeros.
    char *p = room(32);
    const int length = writeFixed(p, value, decimals);
    if (length >= 0) {
        m_size += length;
        return;
    }
    append(QString::number(value, 'f', decimals));
}

void LogLineWriter::appendShortest(double value)
{
    // Small whole numbers print as their digits; anything else as Qt writes it.
    if (value >= 0 && value <= 1000 && value == std::floor(value) && !std::signbit(value)) {
        appendUnsigned(quint64(value));
        return;
    }
    append(QStringLiteral("%1").arg(value));
}
