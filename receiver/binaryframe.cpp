#include "binaryframe.h"

namespace {

inline quint16 fold(quint16 sum)
{
    return static_cast<quint16>((sum & 0xFF) + (sum >> 8));
}

} // namespace

quint16 calcChecksum(const char *data, int size)
{
    // Both sums start at 0xFF rather than 0 and are folded into (1..255) after every
    // block; 21 bytes is the largest block whose sums cannot overflow 16 bits.
    quint16 s1 = 0xFF;
    quint16 s2 = 0xFF;
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);
    int remaining = data ? size : 0;
    while (remaining > 0) {
        const int block = remaining > 21 ? 21 : remaining;
        remaining -= block;
        for (int i = 0; i < block; ++i) {
            s1 = static_cast<quint16>(s1 + *bytes++);
            s2 = static_cast<quint16>(s2 + s1);
        }
        s1 = fold(s1);
        s2 = fold(s2);
    }
    s1 = fold(s1);
    s2 = fold(s2);
    return static_cast<quint16>((s2 << 8) | (s1 & 0xFF));
}

quint16 calcChecksum(const QByteArray &data)
{
    return calcChecksum(data.constData(), data.size());
}

bool isNavMessageType(int number)
{
    return (number >= NavMsg_TXT && number <= NavMsg_HDG)
        || (number >= NavMsg_RTIME_RDATE && number <= NavMsg_RSOL_iFULL)
        || number == NavMsg_YPR_DEG || number == NavMsg_HVECT;
}

bool isTextNavMessage(int number)
{
    return number >= NavMsg_TXT && number <= NavMsg_HDG;
}
