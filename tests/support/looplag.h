#pragma once

// How late this thread's event loop ran. A program's timer fires no sooner than the loop
// gets round to it: on a machine with more work than cores a 1.5 s wait can end a second
// late while the program does nothing wrong. A check's upper bound adds what the loop lost
// over the same span, so it judges the program rather than the machine; a timer that was
// never armed, or armed far too long, still fails. Lower bounds need none of this: a busy
// loop only ever makes the program later.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVector>

class LoopLag : public QObject
{
public:
    LoopLag()
    {
        clock.start();
        tick.setTimerType(Qt::PreciseTimer);
        connect(&tick, &QTimer::timeout, this, [this] {
            const qint64 now = clock.elapsed();
            const qint64 late = now - lastTick - tickMs;
            if (late > 0)
                stalls.append({now, late});
            lastTick = now;
        });
        tick.start(tickMs);
    }

    // The clock the spans are given in, started with the probe.
    qint64 nowMs() const { return clock.elapsed(); }

    // What the loop lost to stalls that overlap [fromMs, toMs], plus one tick for the
    // stall that may still run at toMs.
    qint64 lostMs(qint64 fromMs, qint64 toMs) const
    {
        qint64 lost = tickMs;
        for (const Stall &stall : stalls) {
            if (stall.endMs >= fromMs && stall.endMs - stall.lateMs - tickMs <= toMs)
                lost += stall.lateMs;
        }
        return lost;
    }
    qint64 lostSince(qint64 fromMs) const { return lostMs(fromMs, nowMs()); }

private:
    static constexpr int tickMs = 10;
    struct Stall {
        qint64 endMs;
        qint64 lateMs;
    };
    QElapsedTimer clock;
    QTimer tick;
    qint64 lastTick = 0;
    QVector<Stall> stalls;
};
