#include "zrbbinaryparser.h"

#include <cstring>

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
{
    m_frame.reserve(FrameBodyOffset + BinaryFrame::MaxReceivedPayload);
}

ZRBBinaryParser::~ZRBBinaryParser() = default;

void ZRBBinaryParser::reset()
{
    m_state = HuntSync1;
    m_frame.clear();
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
            m_frame.clear();
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
        case ReadKind:
            m_kind = quint8(bytes[i]);
            m_frame.append(bytes[i++]);
            m_state = ReadId;
            break;
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
    const QByteArray payload = frame.mid(FrameBodyOffset);
    if (kind == BinaryFrame::KindStatus)
        emit bmtStatusReceived(BmtStatus(id), payload);
    else if (kind == BinaryFrame::KindMessage)
        dispatch(id, payload);
}

void ZRBBinaryParser::dispatch(int number, const QByteArray &payload)
{
    Q_UNUSED(number);
    Q_UNUSED(payload);
}
