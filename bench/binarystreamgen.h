#pragma once

// A generated binary output stream of the receiver: the twelve binary navigation
// messages, epoch after epoch, with plausible values (a slowly moving receiver near
// 55.75 N 37.62 E, a clock that ticks, mostly fixed solutions, a sky of 20 to 40
// satellites, of which the solution uses a set that stays put for many epochs and gains or
// loses one satellite now and then, as a real receiver's does). Gives the payloads alone, for the record decoders, or complete frames,
// for whatever reads the byte stream.

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

#include <cmath>

#include "binaryframe.h"

// The tests build their frames and payloads with the same code.
#include "../tests/support/framebuilders.h"
#include "../tests/support/payload.h"

namespace binarystreamgen {

struct Message
{
    quint8 id = 0;
    QByteArray payload;
};

inline QByteArray messageFrame(const Message &message)
{
    return binaryFrame(BinaryFrame::KindMessage, message.id, message.payload);
}

class Generator
{
public:
    enum class UsedSets {
        Steady,        // one satellite joins or leaves the solution about every 50 epochs
        NewEveryEpoch, // a fresh random set every epoch: the worst case for whoever decodes them
    };

    explicit Generator(quint32 seed = 20151231, UsedSets usedSets = UsedSets::Steady)
        : m_random(seed)
        , m_usedSetRandom(seed ^ 0x5A5A5A5Au)
        , m_usedSets(usedSets)
    {
        for (quint64 &mask : m_usedMasks)
            mask = m_usedSetRandom.generate64();
    }

    // The twelve messages of one epoch, in the order a receiver sends them.
    QVector<Message> epoch()
    {
        m_secondsOfDay += 1.0;
        if (m_secondsOfDay >= 86400.0)
            m_secondsOfDay -= 86400.0;
        m_lat += 1e-6 * noise();
        m_lon += 1e-6 * noise();
        ++m_tag;

        return {
            {NavMsg_RTIME_RDATE, rtimeRdate()}, {NavMsg_RPOS_ECEF, ecef(2850000, 2200000, 5250000)},
            {NavMsg_RVEL_ECEF, ecef(0, 0, 0)},  {NavMsg_RPOS_LLA, rposLla()},
            {NavMsg_RVEL_ENU, rvelEnu()},       {NavMsg_RSOL_ATR, rsolAtr()},
            {NavMsg_BPOS_ECEF, ecef(2850100, 2200100, 5250100)},
            {NavMsg_GSV_FULL, gsvFull()},       {NavMsg_RSOL_FULL, rsolFull()},
            {NavMsg_RSOL_iFULL, rsolIFull()},   {NavMsg_YPR_DEG, yprDeg()},
            {NavMsg_HVECT, hvect()},
        };
    }

    // Whole epochs until at least minBytes of payload have been produced.
    QVector<Message> messages(qint64 minPayloadBytes)
    {
        QVector<Message> all;
        qint64 bytes = 0;
        while (bytes < minPayloadBytes) {
            for (const Message &m : epoch()) {
                bytes += m.payload.size();
                all.append(m);
            }
        }
        return all;
    }

    // Whole epochs as one stream of frames, at least minBytes long.
    QByteArray frameStream(qint64 minBytes)
    {
        QByteArray stream;
        while (stream.size() < minBytes) {
            for (const Message &m : epoch())
                stream.append(messageFrame(m));
        }
        return stream;
    }

private:
    double noise() { return m_random.generateDouble() * 2.0 - 1.0; }

    // Mostly a fixed solution, sometimes float, single or none.
    quint8 status()
    {
        const int r = int(m_random.bounded(100));
        return r < 80 ? 4 : r < 90 ? 5 : r < 97 ? 1 : 0;
    }

    QByteArray rtimeRdate()
    {
        return Payload().u32(m_tag).u16(2024).u8(5).u8(17).f64(m_secondsOfDay + 0.25).u8(3).bytes();
    }

    QByteArray ecef(double x, double y, double z)
    {
        return Payload()
            .u32(m_tag)
            .f64(x + noise())
            .f64(y + noise())
            .f64(z + noise())
            .u8(status())
            .bytes();
    }

    QByteArray rposLla()
    {
        return Payload().u32(m_tag).f64(m_lat).f64(m_lon).f64(150 + noise()).u8(status()).bytes();
    }

    QByteArray rvelEnu()
    {
        const double e = noise(), n = noise();
        const double course = std::fmod(std::atan2(e, n) * 180.0 / M_PI + 360.0, 360.0);
        return Payload()
            .u32(m_tag)
            .f64(e)
            .f64(n)
            .f64(0.1 * noise())
            .f64(std::hypot(e, n))
            .f64(course)
            .u8(status())
            .bytes();
    }

    QByteArray rsolAtr()
    {
        Payload w;
        w.u32(m_tag).f32(1.2f).f32(0.8f).f32(1.4f);
        // The five masks are drawn either way, so that every other field of the stream is
        // the same in both kinds.
        quint64 fresh[5];
        for (quint64 &mask : fresh)
            mask = m_random.generate64();
        if (m_usedSets == UsedSets::NewEveryEpoch) {
            for (int i = 0; i < 5; ++i)
                m_usedMasks[i] = fresh[i];
        } else if (m_usedSetRandom.bounded(50) == 0) {
            m_usedMasks[m_usedSetRandom.bounded(5)] ^= quint64(1) << m_usedSetRandom.bounded(64);
        }
        for (quint64 mask : m_usedMasks)
            w.u64(mask);
        return w.u32(34).f32(3.5f).u32(1).u8(0).u8(status()).u8(status()).bytes();
    }

    QByteArray rsolFull()
    {
        return Payload()
            .u32(m_tag)
            .u8(status())
            .u8(status())
            .u8(3)
            .u8(0)
            .f64(m_lat)
            .f64(m_lon)
            .f64(150 + noise())
            .f64(std::fabs(noise()))
            .f64(180 + 180 * noise())
            .f64(0.1 * noise())
            .f64(m_secondsOfDay)
            .f32(0.8f)
            .u16(2024)
            .u8(5)
            .u8(17)
            .bytes();
    }

    QByteArray rsolIFull()
    {
        return Payload()
            .u32(m_tag)
            .u8(status())
            .u8(status())
            .u8(3)
            .u8(0)
            .i32(285000000 + qint32(m_random.bounded(100)))
            .i32(220000000 + qint32(m_random.bounded(100)))
            .i32(525000000 + qint32(m_random.bounded(100)))
            .i32(qint32(m_random.bounded(-50, 50)))
            .i32(qint32(m_random.bounded(-50, 50)))
            .i32(qint32(m_random.bounded(-5, 5)))
            .i32(qint32(m_secondsOfDay * 1000) + 1)
            .u16(8)
            .u16(2024)
            .u8(5)
            .u8(17)
            .bytes();
    }

    QByteArray yprDeg()
    {
        return Payload()
            .u32(m_tag)
            .u8(status())
            .u8(3)
            .u8(0)
            .u8(0)
            .f64(2 * noise())
            .f64(2 * noise())
            .f64(180 + 180 * noise())
            .f64(m_secondsOfDay)
            .bytes();
    }

    QByteArray hvect()
    {
        return Payload()
            .u32(m_tag)
            .u8(status())
            .u8(3)
            .u8(0)
            .u8(quint8(m_random.bounded(256)))
            .f64(2850000 + noise())
            .f64(2200000 + noise())
            .f64(5250000 + noise())
            .f64(2850001 + noise())
            .f64(2200001 + noise())
            .f64(5250001 + noise())
            .f64(m_secondsOfDay)
            .bytes();
    }

    // A sky of 20 to 40 satellites over the six systems.
    QByteArray gsvFull()
    {
        static const int perSystem[6] = {10, 8, 9, 7, 3, 2};
        Payload w;
        for (quint8 system = 0; system < 6; ++system) {
            const int count = perSystem[system] - int(m_random.bounded(3));
            for (int i = 0; i < count; ++i) {
                w.u8(system)
                    .u8(quint8(1 + i * 3))
                    .u16(quint16(m_random.bounded(360)))
                    .u8(quint8(m_random.bounded(90)))
                    .u8(quint8(25 + m_random.bounded(25)))
                    .u8(quint8(m_random.bounded(50)))
                    .u8(quint8(m_random.bounded(2)));
            }
        }
        return w.bytes();
    }

    QRandomGenerator m_random;
    QRandomGenerator m_usedSetRandom; // its own draws, so the other fields do not depend on the kind
    UsedSets m_usedSets;
    quint64 m_usedMasks[5] = {};
    quint32 m_tag = 0;
    double m_secondsOfDay = 43200.0;
    double m_lat = 55.75;
    double m_lon = 37.62;
};

} // namespace binarystreamgen
