#pragma once

// Builds one message-log line in a plain byte buffer.
//
// The log lines are ASCII: names, commas and numbers. Building them field by field
// in QString temporaries cost several times the decoding of the records, so the
// numbers are written straight into one buffer and the line is converted once.
//
// appendFixed writes exactly what QString::number(value, 'f', decimals) writes (no
// grouping, '.' whatever the user's locale, the nearest value with ties of the exact
// binary value rounded away from zero, a minus sign for every negative value even
// when it rounds to zero, none for -0.0). Values it cannot write exactly in
// integer arithmetic (not finite, or too large) are left to QString::number.

#include <QByteArray>
#include <QString>

#include <cstring>
#include <memory>

class LogLineWriter
{
public:
    LogLineWriter() = default;
    LogLineWriter(const LogLineWriter &) = delete;
    LogLineWriter &operator=(const LogLineWriter &) = delete;

    void append(char c) { *room(1) = c; ++m_size; }
    void append(const char *latin1) { appendBytes(latin1, int(std::strlen(latin1))); }
    // UTF-8 of text.
    void append(const QString &text);
    // Decimal, as QString::number(value).
    void appendNumber(qint64 value);
    void appendUnsigned(quint64 value)
    {
        char *p = room(maxUnsignedDigits);
        m_size += int(writeUnsigned(p, value) - p);
    }
    void append(const char *bytes, int count) { appendBytes(bytes, count); }
    // Writes value in decimal at out (room for maxUnsignedDigits) and returns the end.
    static char *writeUnsigned(char *out, quint64 value)
    {
        // Most fields are small counts, statuses, satellite numbers and azimuths.
        if (value < 10) {
            *out++ = char('0' + value);
        } else if (value < 100) {
            *out++ = char('0' + value / 10);
            *out++ = char('0' + value % 10);
        } else if (value < 1000) {
            *out++ = char('0' + value / 100);
            *out++ = char('0' + value / 10 % 10);
            *out++ = char('0' + value % 10);
        } else {
            out = writeLargerUnsigned(out, value);
        }
        return out;
    }
    static constexpr int maxUnsignedDigits = 20;
    // Fixed notation, as QString::number(value, 'f', decimals).
    void appendFixed(double value, int decimals);
    // An empty field when not valid.
    void appendFixed(double value, bool valid, int decimals)
    {
        if (valid)
            appendFixed(value, decimals);
    }
    // As QString::arg(value) writes a double: shortest form.
    void appendShortest(double value);

    QByteArray bytes() const { return QByteArray(m_data, m_size); }
    QString text() const { return QString::fromUtf8(m_data, m_size); }

    // The exact path of appendFixed: writes the digits to out (32 bytes, all of which
    // may be overwritten) and returns their count, or -1 when the value is outside it.
    static int writeFixed(char *out, double value, int decimals);

private:
    void appendBytes(const char *bytes, int count)
    {
        std::memcpy(room(count), bytes, size_t(count));
        m_size += count;
    }
    // Where the next count bytes go.
    char *room(int count)
    {
        if (m_capacity - m_size < count)
            grow(count);
        return m_data + m_size;
    }
    void grow(int count);
    static char *writeLargerUnsigned(char *out, quint64 value);

    // Every line of a record fits here; only numbers left to Qt (values near the
    // largest doubles) can outgrow it.
    static constexpr int inlineCapacity = 384;
    char m_inline[inlineCapacity];
    std::unique_ptr<char[]> m_heap;
    char *m_data = m_inline;
    int m_size = 0;
    int m_capacity = inlineCapacity;
};
