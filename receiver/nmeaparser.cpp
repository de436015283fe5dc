#include "nmeaparser.h"

#include <cstring>

namespace {

// The XOR of the bytes between '$' and '*', each sign-extended to 16 bits. For 7-bit
// text this is the NMEA 0183 checksum; a line with bytes above 0x7F can only match by
// accident of the extension.
inline quint16 xorStep(quint16 sum, char c)
{
    return sum ^ quint16(qint16(static_cast<signed char>(c)));
}

} // namespace

NMEAParser::NMEAParser(QObject *parent)
    : iParser(parent)
{
}

NMEAParser::~NMEAParser() = default;

void NMEAParser::clear()
{
    buffer.clear();
    ++m_clears;
}

void NMEAParser::parse(const QByteArray &data)
{
    // The newest bytes win: of the earlier input only what still fits beside the new
    // chunk is kept, and a chunk of maxBuffer bytes or more keeps only its end. This
    // bounds memory and work when the port delivers something that is not NMEA.
    const int fromData = qMin(data.size(), maxBuffer);
    const int fromOld = qMin(buffer.size(), maxBuffer - fromData);
    QByteArray work;
    if (fromOld == 0 && fromData == data.size()) {
        work = data;
    } else {
        work.reserve(fromOld + fromData);
        work.append(buffer.constData() + buffer.size() - fromOld, fromOld);
        work.append(data.constData() + data.size() - fromData, fromData);
    }
    buffer.clear();

    // Lines are cut from this local copy: the record signals run the handler's slots
    // before we continue, and one of them may clear this parser (a protocol switch)
    // while we are still reading.
    const quint64 clearsBefore = m_clears;
    const char *begin = work.constData();
    const char *end = begin + work.size();
    const char *pos = begin;
    while (pos < end) {
        const char *lineEnd = static_cast<const char *>(std::memchr(pos, '\n', size_t(end - pos)));
        // A '$' inside a line starts the next sentence: the line before it lost its
        // line feed on the way (noise, a wrong baud for a moment). The piece goes on as
        // a line of its own and the sentence after it is kept.
        const char *scanEnd = lineEnd ? lineEnd : end;
        const char *dollar = pos + 1 < scanEnd
            ? static_cast<const char *>(std::memchr(pos + 1, '$', size_t(scanEnd - pos - 1)))
            : nullptr;
        if (dollar) {
            parseLine(pos, int(dollar - pos));
            pos = dollar;
            continue;
        }
        if (!lineEnd)
            break;
        parseLine(pos, int(lineEnd - pos) + 1);
        pos = lineEnd + 1;
    }

    // A clear() during the loop discards the partial line, as it promises.
    // Always a copy of its own: the chunk may be raw data that its sender frees.
    if (m_clears == clearsBefore && pos < end)
        buffer = QByteArray(pos, int(end - pos));
}

void NMEAParser::parseLine(const char *line, int size)
{
    // Plain 7-bit text is what the receiver sends: it is its own UTF-8 and Latin-1
    // form, so it is handled as bytes. Anything else takes the text road, where a NUL
    // ends the line and invalid UTF-8 is replaced as QString does it; its checksum is
    // still taken over the bytes as they came, so no received byte is invisible to it.
    for (int i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c == 0 || c >= 0x80) {
            const char *nul = static_cast<const char *>(std::memchr(line, 0, size_t(size)));
            const int length = nul ? int(nul - line) : size;
            const QString text = QString::fromUtf8(line, length);
            emit dataParsed(text.toUtf8(), m_reportedMode);
            if (checkSumBytes(line, length))
                parseCheckedSentence(text);
            return;
        }
    }

    emit dataParsed(QByteArray(line, size), m_reportedMode);
    if (!checkSumBytes(line, size))
        return;
    const SentenceType type = sentenceType(line, size);
    if (type == SentenceType::Unknown)
        return;
    const NMEAFields fields(line, size);
    emitRecord(type, fields);
}

void NMEAParser::parseSentence(const QString &line)
{
    emit dataParsed(line.toUtf8(), m_reportedMode);
    if (checkSum(line))
        parseCheckedSentence(line);
}

void NMEAParser::parseCheckedSentence(const QString &line)
{
    const int comma = line.indexOf(QLatin1Char(','));
    if (comma < 3)
        return;
    char type[3];
    for (int i = 0; i < 3; ++i)
        type[i] = line.at(comma - 3 + i).toLatin1();
    const SentenceType kind = typeNamed(type);
    if (kind == SentenceType::Unknown)
        return;
    const NMEAFields fields(line);
    emitRecord(kind, fields);
}

void NMEAParser::setReportedMode(InterfaceMode mode)
{
    m_reportedMode = mode;
}

NMEAParser::SentenceType NMEAParser::sentenceType(const char *line, int size)
{
    // The type is the three characters before the first ','; whatever stands
    // between the '$' and them is the talker.
    const char *comma = static_cast<const char *>(std::memchr(line, ',', size_t(size)));
    if (!comma || comma - line < 3)
        return SentenceType::Unknown;
    return typeNamed(comma - 3);
}

NMEAParser::SentenceType NMEAParser::typeNamed(const char *type)
{
    static const struct
    {
        char name[4];
        SentenceType type;
    } known[] = {
        {"GGA", SentenceType::GGA}, {"GSA", SentenceType::GSA}, {"GST", SentenceType::GST},
        {"GSV", SentenceType::GSV}, {"RMC", SentenceType::RMC}, {"VTG", SentenceType::VTG},
        {"ZDA", SentenceType::ZDA}, {"HDG", SentenceType::HDG},
    };
    for (const auto &entry : known) {
        if (std::memcmp(type, entry.name, 3) == 0)
            return entry.type;
    }
    return SentenceType::Unknown;
}

void NMEAParser::emitRecord(SentenceType type, const NMEAFields &fields)
{
    switch (type) {
    case SentenceType::GGA:
        emit sentenceIsReceived(ggaFrom(fields));
        break;
    case SentenceType::GSA:
        emit sentenceIsReceived(gsaFrom(fields));
        break;
    case SentenceType::GST:
        emit sentenceIsReceived(gstFrom(fields));
        break;
    case SentenceType::GSV:
        emit sentenceIsReceived(gsvFrom(fields));
        break;
    case SentenceType::RMC:
        emit sentenceIsReceived(rmcFrom(fields));
        break;
    case SentenceType::VTG:
        emit sentenceIsReceived(vtgFrom(fields));
        break;
    case SentenceType::ZDA:
        emit sentenceIsReceived(zdaFrom(fields));
        break;
    case SentenceType::HDG:
        emit sentenceIsReceived(hdgFrom(fields));
        break;
    case SentenceType::Unknown:
        break;
    }
}

bool NMEAParser::checkSumBytes(const char *line, int size)
{
    if (size < 1 || line[0] != '$')
        return false;
    const char *end = line + size;
    const char *star = static_cast<const char *>(std::memchr(line, '*', size_t(size)));
    if (!star)
        return false; // the "digits" would be "$" and the next character: never hex
    bool ok = false;
    const int expected = NMEAFields::toInteger(star + 1, int(qMin<ptrdiff_t>(2, end - star - 1)), 16, &ok);
    if (!ok)
        return false;
    quint16 sum = 0;
    for (const char *p = line + 1; p < star; ++p)
        sum = xorStep(sum, *p);
    return sum == quint16(expected);
}

bool NMEAParser::checkSum(const QString &line) const
{
    // A character beyond Latin-1 counts as 0, as it always has for text given to us.
    QByteArray bytes(line.size(), Qt::Uninitialized);
    for (int i = 0; i < line.size(); ++i)
        bytes[i] = line.at(i).toLatin1();
    return checkSumBytes(bytes.constData(), bytes.size());
}

QStringList NMEAParser::markEmptyFields(const QString &line) const
{
    return NMEAFields::markEmptyFields(line);
}

bool NMEAParser::isValidField(const QString &field) const
{
    return field != notValid;
}

GGA NMEAParser::parseGGA(const QString &line) const
{
    return ggaFrom(NMEAFields(line));
}

GSA NMEAParser::parseGSA(const QString &line) const
{
    return gsaFrom(NMEAFields(line));
}

GST NMEAParser::parseGST(const QString &line) const
{
    return gstFrom(NMEAFields(line));
}

GSV NMEAParser::parseGSV(const QString &line) const
{
    return gsvFrom(NMEAFields(line));
}

RMC NMEAParser::parseRMC(const QString &line) const
{
    return rmcFrom(NMEAFields(line));
}

VTG NMEAParser::parseVTG(const QString &line) const
{
    return vtgFrom(NMEAFields(line));
}

ZDA NMEAParser::parseZDA(const QString &line) const
{
    return zdaFrom(NMEAFields(line));
}

HDG NMEAParser::parseHDG(const QString &line) const
{
    return hdgFrom(NMEAFields(line));
}
