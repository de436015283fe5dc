#include "nmeafields.h"

#include <QLatin1String>

#include <charconv>
#include <cstring>
#include <limits>

const QString notValid = QStringLiteral("notValid");

namespace {

const char *findChar(const char *begin, const char *end, char c)
{
    if (begin >= end)
        return nullptr;
    return static_cast<const char *>(std::memchr(begin, c, static_cast<size_t>(end - begin)));
}

bool isDigit(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0' < base;
    if (base == 16)
        return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    return false;
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

} // namespace

NMEAFields::NMEAFields(const char *line, int size)
{
    split(line, size);
}

NMEAFields::NMEAFields(const QString &line)
{
    bool latin1 = true;
    for (const QChar c : line) {
        if (c.unicode() > 0xFF) {
            latin1 = false;
            break;
        }
    }
    if (latin1) {
        m_storage = line.toLatin1();
        split(m_storage.constData(), m_storage.size());
        return;
    }
    // Characters beyond Latin-1 have no byte of their own: keep the text fields.
    m_useStrings = true;
    m_strings = markEmptyFields(line);
    m_count = m_strings.size();
}

void NMEAFields::split(const char *line, int size)
{
    m_text = line;
    m_count = 1;
    if (size <= 1 || !line)
        return; // nothing after the '$': only an empty talker

    const char *end = line + size;
    const char *body = line + 1;
    const char *firstComma = findChar(body, end, ',');

    // The three characters before the first ',' are the sentence type; what stands
    // between the '$' and them is the talker. An address shorter than a type leaves
    // no talker.
    const char *talkerEnd = end;
    const char *rest = nullptr;
    if (firstComma) {
        talkerEnd = firstComma - 3 > body ? firstComma - 3 : body;
        rest = firstComma;
    }
    const char *restEnd = end;
    if (const char *star = findChar(body, talkerEnd, '*')) {
        talkerEnd = star;
        rest = nullptr;
    } else if (rest) {
        if (const char *starInRest = findChar(rest, end, '*'))
            restEnd = starInRest;
    }
    m_spans[0] = Span{int(body - line), int(talkerEnd - body)};

    if (!rest)
        return;
    const char *pos = rest + 1;
    for (;;) {
        const char *comma = findChar(pos, restEnd, ',');
        const char *fieldEnd = comma ? comma : restEnd;
        if (m_count < kMaxSpans)
            m_spans[m_count] = Span{int(pos - line), int(fieldEnd - pos)};
        ++m_count;
        if (!comma)
            break;
        pos = comma + 1;
    }
}

QStringList NMEAFields::markEmptyFields(const QString &line)
{
    // An empty field between two commas, or an empty last field before the '*',
    // is given the marker text, so that only field 0 can ever be empty.
    QString marked;
    marked.reserve(line.size() + 64);
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if ((c == QLatin1Char(',') || c == QLatin1Char('*')) && i > 0 && line.at(i - 1) == QLatin1Char(','))
            marked += notValid;
        marked += c;
    }
    if (marked.isEmpty())
        return QStringList{QString()};

    const QString body = marked.mid(1);
    const int firstComma = body.indexOf(QLatin1Char(','));
    QString talker;
    QString rest;
    if (firstComma < 0) {
        talker = body;
    } else {
        talker = body.left(qMax(0, firstComma - 3));
        rest = body.mid(firstComma);
    }
    const int talkerStar = talker.indexOf(QLatin1Char('*'));
    if (talkerStar >= 0) {
        talker.truncate(talkerStar);
        rest.clear();
    } else {
        const int restStar = rest.indexOf(QLatin1Char('*'));
        if (restStar >= 0)
            rest.truncate(restStar);
    }
    QStringList fields{talker};
    if (!rest.isEmpty())
        fields += rest.mid(1).split(QLatin1Char(','), Qt::KeepEmptyParts);
    return fields;
}

bool NMEAFields::spanPresent(const Span &span) const
{
    if (span.size == 0)
        return false;
    return !(span.size == 8 && std::memcmp(m_text + span.start, "notValid", 8) == 0);
}

bool NMEAFields::isPresent(int n) const
{
    if (n < 0 || n >= m_count)
        return false;
    if (m_useStrings)
        return !m_strings.at(n).isEmpty() && m_strings.at(n) != notValid;
    if (n >= kMaxSpans)
        return false;
    return spanPresent(m_spans[n]);
}

double NMEAFields::number(int n, bool *ok) const
{
    if (ok)
        *ok = true;
    if (!isPresent(n))
        return 0.0;
    bool converted = false;
    const double value = m_useStrings ? m_strings.at(n).toDouble(&converted)
                                      : toNumber(m_text + m_spans[n].start, m_spans[n].size, &converted);
    if (ok)
        *ok = converted;
    return converted ? value : 0.0;
}

short NMEAFields::toShort(int n, bool *ok) const
{
    if (ok)
        *ok = true;
    if (!isPresent(n))
        return 0;
    bool converted = false;
    int value = 0;
    if (m_useStrings)
        value = m_strings.at(n).toInt(&converted);
    else
        value = toInteger(m_text + m_spans[n].start, m_spans[n].size, 10, &converted);
    if (!converted || value < std::numeric_limits<short>::min() || value > std::numeric_limits<short>::max()) {
        if (ok)
            *ok = false;
        return 0;
    }
    return short(value);
}

int NMEAFields::toInt(int n, bool *ok) const
{
    if (ok)
        *ok = true;
    if (!isPresent(n))
        return 0;
    bool converted = false;
    const int value = m_useStrings ? m_strings.at(n).toInt(&converted)
                                   : toInteger(m_text + m_spans[n].start, m_spans[n].size, 10, &converted);
    if (ok)
        *ok = converted;
    return converted ? value : 0;
}

char NMEAFields::letter(int n) const
{
    if (!isPresent(n))
        return 'n';
    if (m_useStrings)
        return m_strings.at(n).at(0).toLatin1();
    return m_text[m_spans[n].start];
}

void NMEAFields::copyTalker(char (&talker)[3]) const
{
    talker[0] = talker[1] = talker[2] = '\0';
    if (m_useStrings) {
        const QString &text = m_strings.at(0);
        for (int i = 0; i < 2 && i < text.size(); ++i)
            talker[i] = text.at(i).toLatin1();
        return;
    }
    const Span &span = m_spans[0];
    for (int i = 0; i < 2 && i < span.size; ++i)
        talker[i] = m_text[span.start + i];
}

double NMEAFields::toNumber(const char *text, int size, bool *ok)
{
    // The receiver writes plain decimals ("4807.038", "-12.5"); those are converted
    // here. Anything else (exponents, blanks, "nan", junk) goes to Qt so the result is
    // exactly what QString::toDouble gives.
    if (size > 0 && size <= 40) {
        int i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
        int digits = 0;
        int dots = 0;
        for (; i < size; ++i) {
            const char c = text[i];
            if (c >= '0' && c <= '9')
                ++digits;
            else if (c == '.' && dots == 0)
                ++dots;
            else
                break;
        }
        if (i == size && digits > 0) {
            const char *begin = text[0] == '+' ? text + 1 : text;
            double value = 0.0;
            const auto result = std::from_chars(begin, text + size, value, std::chars_format::fixed);
            if (result.ec == std::errc() && result.ptr == text + size) {
                if (ok)
                    *ok = true;
                return value;
            }
        }
    }
    return QString::fromLatin1(text, size).toDouble(ok);
}

int NMEAFields::toInteger(const char *text, int size, int base, bool *ok)
{
    // Short runs of plain digits are converted here; everything else goes to Qt.
    const int maxDigits = base == 16 ? 7 : 9;
    if (size > 0) {
        int i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
        const int first = i;
        int value = 0;
        for (; i < size && i - first < maxDigits && isDigit(text[i], base); ++i)
            value = value * base + digitValue(text[i]);
        if (i == size && i > first) {
            if (ok)
                *ok = true;
            return text[0] == '-' ? -value : value;
        }
    }
    return QString::fromLatin1(text, size).toInt(ok, base);
}
