#include "zrbbinaryparser.h"

#include <cstring>

#include "nmeaparser.h"

namespace {

// The frame machine's states.
enum State {
    HuntSync1 = 0,
    HuntSync2 = 1,
    ReadKind = 2,
    ReadId = 3,
    ReadLengthLow = 4,
    ReadLengthHigh = 5,
    ReadPayload = 6,
    ReadChecksumLow = 7,
    ReadChecksumHigh = 8
};

// Kind, id and the two length bytes come before the payload in the stored frame.
constexpr int FrameBodyOffset = 4;

} // namespace

ZRBBinaryParser::ZRBBinaryParser(QObject *parent)
    : iParser(parent)
    , m_sentenceParser(new NMEAParser(nullptr))
{
    m_frame.reserve(FrameBodyOffset + BinaryFrame::MaxReceivedPayload);
}

ZRBBinaryParser::~ZRBBinaryParser()
{
    delete m_sentenceParser;
}

void ZRBBinaryParser::reset()
{
    m_state = HuntSync1;
    m_frame.clear();
    m_textBuffer.clear();
    ++m_resetCount;
}

void ZRBBinaryParser::parse(const QByteArray &data)
{
    // Our own reference keeps the chunk alive and unchanged whatever the slots
    // reached from handleFrame do with the caller's array.
    const QByteArray chunk = data;
    const char *bytes = chunk.constData();
    const int size = chunk.size();
    int i = 0;
    while (i < size) {
        switch (m_state) {
        case HuntSync1: {
            // resize keeps the reserved room (clear would free it): no frame then
            // reallocates as it grows.
            m_frame.resize(0);
            m_count = 0;
            // Everything up to the next '!' is noise between frames.
            const void *sync = std::memchr(bytes + i, BinaryFrame::Sync1, size_t(size - i));
            if (!sync) {
                i = size;
                break;
            }
            i = int(static_cast<const char *>(sync) - bytes) + 1;
            m_state = HuntSync2;
            break;
        }
        case HuntSync2:
            // The byte that breaks the pair is not tried again as a first sync byte:
            // "!!N" starts no frame.
            m_state = quint8(bytes[i++]) == BinaryFrame::Sync2 ? ReadKind : HuntSync1;
            break;
        case ReadKind: {
            // Most frames lie whole inside the chunk: those are checked and decoded
            // where they stand, without gathering them byte by byte into m_frame.
            const int available = size - i;
            if (available >= FrameBodyOffset) {
                const int length = quint8(bytes[i + 2]) | (quint8(bytes[i + 3]) << 8);
                if (length <= BinaryFrame::MaxReceivedPayload
                    && available >= FrameBodyOffset + length + 2) {
                    m_kind = quint8(bytes[i]);
                    m_id = quint8(bytes[i + 1]);
                    m_length = quint16(length);
                    const int end = i + FrameBodyOffset + length;
                    m_receivedChecksum = quint16(quint8(bytes[end]) | (quint8(bytes[end + 1]) << 8));
                    // chunk keeps these bytes alive until the slots have returned.
                    const QByteArray frame = QByteArray::fromRawData(bytes + i, FrameBodyOffset + length);
                    i = end + 2;
                    m_state = HuntSync1;
                    handleFrame(frame);
                    m_state = HuntSync1;
                    break;
                }
            }
            m_kind = quint8(bytes[i]);
            m_frame.append(bytes[i++]);
            m_state = ReadId;
            break;
        }
        case ReadId:
            m_id = quint8(bytes[i]);
            m_frame.append(bytes[i++]);
            m_state = ReadLengthLow;
            break;
        case ReadLengthLow:
            m_length = quint8(bytes[i]);
            m_frame.append(bytes[i++]);
            m_state = ReadLengthHigh;
            break;
        case ReadLengthHigh:
            m_length = quint16(m_length | (quint8(bytes[i]) << 8));
            m_frame.append(bytes[i++]);
            if (m_length == 0)
                m_state = ReadChecksumLow;
            else if (m_length <= BinaryFrame::MaxReceivedPayload)
                m_state = ReadPayload;
            else
                m_state = HuntSync1; // the announced payload is scanned like any other bytes
            break;
        case ReadPayload: {
            const int wanted = m_length - m_count;
            const int taken = qMin(wanted, size - i);
            m_frame.append(bytes + i, taken);
            i += taken;
            m_count = quint16(m_count + taken);
            if (m_count >= m_length)
                m_state = ReadChecksumLow;
            break;
        }
        case ReadChecksumLow:
            m_receivedChecksum = quint8(bytes[i++]);
            m_state = ReadChecksumHigh;
            break;
        case ReadChecksumHigh: {
            m_receivedChecksum = quint16(m_receivedChecksum | (quint8(bytes[i++]) << 8));
            m_state = HuntSync1;
            // A copy: a slot reached from here may reset this parser, which clears m_frame.
            const QByteArray frame = m_frame;
            handleFrame(frame);
            // Whatever happened in the slots, the rest of the chunk is scanned from a hunt.
            m_state = HuntSync1;
            break;
        }
        default:
            m_state = HuntSync1;
            break;
        }
    }
}

bool ZRBBinaryParser::checkFrame(const QByteArray &frame) const
{
    return calcChecksum(frame) == m_receivedChecksum;
}

void ZRBBinaryParser::handleFrame(const QByteArray &frame)
{
    if (frame.size() < FrameBodyOffset || !checkFrame(frame))
        return;
    const quint8 kind = quint8(frame.at(0));
    const quint8 id = quint8(frame.at(1));
    if (kind == BinaryFrame::KindStatus) {
        emit bmtStatusReceived(BmtStatus(id), frame.mid(FrameBodyOffset));
    } else if (kind == BinaryFrame::KindMessage) {
        // Records are decoded on the spot, so they read the payload in place: frame,
        // held by our caller, keeps the bytes alive until dispatch returns.
        dispatch(id, QByteArray::fromRawData(frame.constData() + FrameBodyOffset,
                                             frame.size() - FrameBodyOffset));
    }
}

template <typename Record>
void ZRBBinaryParser::emitRecord(const QByteArray &payload)
{
    const Record record(payload);
    emit dataParsed(record.logLine(), InterfaceBinary);
    emit sentenceIsReceived(record);
}

void ZRBBinaryParser::dispatch(int number, const QByteArray &payload)
{
    if (isTextNavMessage(number)) {
        // The text's own sentence name decides the record, not the message number.
        // Text is kept across frames, so it gets bytes of its own.
        parseText(QByteArray(payload.constData(), payload.size()));
        return;
    }
    switch (number) {
    case NavMsg_RTIME_RDATE:
        emitRecord<RTIME_RDATE>(payload);
        break;
    case NavMsg_RPOS_ECEF:
        emitRecord<RPOS_ECEF>(payload);
        break;
    case NavMsg_RVEL_ECEF:
        emitRecord<RVEL_ECEF>(payload);
        break;
    case NavMsg_RPOS_LLA:
        emitRecord<RPOS_LLA>(payload);
        break;
    case NavMsg_RVEL_ENU:
        emitRecord<RVEL_ENU>(payload);
        break;
    case NavMsg_RSOL_ATR:
        emitRecord<RSOL_ATR>(payload);
        break;
    case NavMsg_BPOS_ECEF:
        emitRecord<BPOS_ECEF>(payload);
        break;
    case NavMsg_GSV_FULL:
        dispatchGsvFull(payload);
        break;
    case NavMsg_RSOL_FULL:
        emitRecord<RSOL_FULL>(payload);
        break;
    case NavMsg_RSOL_iFULL:
        emitRecord<RSOL_iFULL>(payload);
        break;
    case NavMsg_YPR_DEG:
        emitRecord<YPR_DEG>(payload);
        break;
    case NavMsg_HVECT:
        emitRecord<HVECT>(payload);
        break;
    default:
        // 0, 10 to 15, 26, 27 and 30 and above name no message.
        break;
    }
}

void ZRBBinaryParser::dispatchGsvFull(const QByteArray &payload)
{
    const GsvFullMessage message(payload);
    const QVector<GSV_FULL> records = message.records();
    if (records.isEmpty())
        return;
    // All of the message's log lines go out before its first record.
    const QList<QByteArray> lines = message.logLines();
    for (const QByteArray &line : lines)
        emit dataParsed(line, InterfaceBinary);
    for (const GSV_FULL &record : records)
        emit sentenceIsReceived(record);
}

void ZRBBinaryParser::parseText(const QByteArray &text)
{
    // Newest bytes win: the kept text never exceeds the limit, whatever arrives.
    QByteArray buffer = m_textBuffer;
    const int room = m_textLimit - text.size();
    if (room <= 0)
        buffer.clear();
    else if (buffer.size() > room)
        buffer = buffer.right(room);
    buffer += text.right(m_textLimit);

    // Lines are cut from this local copy: a slot reached from parseSentence may reset
    // this parser (a protocol switch), which must not pull the text out from under us.
    m_textBuffer.clear();
    const quint32 resetsBefore = m_resetCount;
    int start = 0;
    for (;;) {
        const int end = buffer.indexOf('\n', start);
        if (end < 0)
            break;
        const char *line = buffer.constData() + start;
        int length = end + 1 - start;
        // A NUL ends the text as the receiver's C strings do.
        const void *nul = std::memchr(line, '\0', size_t(length));
        if (nul)
            length = int(static_cast<const char *>(nul) - line);
        start = end + 1;
        parseSentence(QString::fromUtf8(line, length));
    }

    // A reset meanwhile discarded the unfinished line. Text added by a nested call
    // came after ours.
    if (m_resetCount == resetsBefore) {
        m_textBuffer = buffer.mid(start) + m_textBuffer;
        if (m_textBuffer.size() > m_textLimit)
            m_textBuffer = m_textBuffer.right(m_textLimit);
    }
}

void ZRBBinaryParser::parseSentence(const QString &line)
{
    // Every line reaches the log, also one that fails its checksum.
    emit dataParsed(line.toUtf8(), InterfaceBinary);
    if (!m_sentenceParser->checkSum(line))
        return;
    const int comma = line.indexOf(QLatin1Char(','));
    if (comma < 3)
        return;
    const QStringRef type = line.midRef(comma - 3, 3);
    if (type == QLatin1String("GGA"))
        emit sentenceIsReceived(m_sentenceParser->parseGGA(line));
    else if (type == QLatin1String("GSA"))
        emit sentenceIsReceived(m_sentenceParser->parseGSA(line));
    else if (type == QLatin1String("GST"))
        emit sentenceIsReceived(m_sentenceParser->parseGST(line));
    else if (type == QLatin1String("GSV"))
        emit sentenceIsReceived(m_sentenceParser->parseGSV(line));
    else if (type == QLatin1String("RMC"))
        emit sentenceIsReceived(m_sentenceParser->parseRMC(line));
    else if (type == QLatin1String("VTG"))
        emit sentenceIsReceived(m_sentenceParser->parseVTG(line));
    else if (type == QLatin1String("ZDA"))
        emit sentenceIsReceived(m_sentenceParser->parseZDA(line));
    else if (type == QLatin1String("HDG"))
        emit sentenceIsReceived(m_sentenceParser->parseHDG(line));
}
