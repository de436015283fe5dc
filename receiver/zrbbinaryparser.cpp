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
    m_sentenceParser->setReportedMode(InterfaceBinary);
    connect(m_sentenceParser, SIGNAL(dataParsed(QByteArray, InterfaceMode)),
            this, SIGNAL(dataParsed(QByteArray, InterfaceMode)));
    static const char *const records[] = {
        SIGNAL(sentenceIsReceived(GGA)), SIGNAL(sentenceIsReceived(GSA)),
        SIGNAL(sentenceIsReceived(GST)), SIGNAL(sentenceIsReceived(GSV)),
        SIGNAL(sentenceIsReceived(RMC)), SIGNAL(sentenceIsReceived(VTG)),
        SIGNAL(sentenceIsReceived(ZDA)), SIGNAL(sentenceIsReceived(HDG)),
    };
    for (const char *record : records)
        connect(m_sentenceParser, record, this, record);
}

ZRBBinaryParser::~ZRBBinaryParser()
{
    delete m_sentenceParser;
}

void ZRBBinaryParser::reset()
{
    m_state = HuntSync1;
    m_frame.clear();
    m_sentenceParser->clear();
}

void ZRBBinaryParser::parse(const QByteArray &data)
{
    // Our own reference keeps the chunk alive and unchanged whatever the slots
    // reached from handleFrame do with the caller's array.
    QByteArray chunk = data;
    const char *bytes = chunk.constData();
    int size = chunk.size();
    int i = 0;

    // A rejected frame (bad checksum, or a length no frame can have) may have swallowed
    // good frames in the bytes it claimed, for example when its length byte was hit by
    // noise. Its bytes after the sync pair are scanned again, ahead of the rest of the
    // chunk, so every frame inside them is still found.
    auto rescan = [&](const QByteArray &rejected) {
        chunk = rejected + QByteArray::fromRawData(bytes + i, size - i);
        bytes = chunk.constData();
        size = chunk.size();
        i = 0;
        m_state = HuntSync1;
    };

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
        case HuntSync2: {
            // A '!' that breaks the pair may itself be the first sync byte of a frame:
            // "!!N" starts a frame at the second '!'.
            const quint8 byte = quint8(bytes[i++]);
            if (byte == BinaryFrame::Sync2)
                m_state = ReadKind;
            else if (byte != BinaryFrame::Sync1)
                m_state = HuntSync1;
            break;
        }
        case ReadKind: {
            // Most frames lie whole inside the chunk: those are checked and decoded
            // where they stand, without gathering them byte by byte into m_frame.
            const int available = size - i;
            if (available >= FrameBodyOffset) {
                const int length = quint8(bytes[i + 2]) | (quint8(bytes[i + 3]) << 8);
                if (length <= BinaryFrame::MaxReceivedPayload
                    && available >= FrameBodyOffset + length + 2) {
                    const int end = i + FrameBodyOffset + length;
                    // chunk keeps these bytes alive until the slots have returned.
                    const QByteArray frame = QByteArray::fromRawData(bytes + i, FrameBodyOffset + length);
                    const quint16 received = quint16(quint8(bytes[end]) | (quint8(bytes[end + 1]) << 8));
                    m_state = HuntSync1;
                    if (calcChecksum(frame) != received)
                        break; // the hunt goes on right after the sync pair
                    m_kind = quint8(bytes[i]);
                    m_id = quint8(bytes[i + 1]);
                    m_length = quint16(length);
                    m_receivedChecksum = received;
                    i = end + 2;
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
                rescan(QByteArray(m_frame.constData(), m_frame.size()));
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
            if (!checkFrame(m_frame)) {
                QByteArray rejected(m_frame.constData(), m_frame.size());
                rejected.append(char(m_receivedChecksum & 0xFF));
                rejected.append(char(m_receivedChecksum >> 8));
                rescan(rejected);
                break;
            }
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
    // The frame's checksum has been tested by the caller.
    if (frame.size() < FrameBodyOffset)
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
    // The text inside frames is cut, checked and decoded exactly as the receiver's NMEA
    // output is: the sentence parser keeps the unfinished line across frames and
    // reports through our signals.
    m_sentenceParser->parse(text);
}
