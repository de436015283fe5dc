#include "framepacer.h"

#include <QEvent>
#include <QHash>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {

// The frames that hold a pacer. Every record's write asks for its window's pacer, so it
// is found by a few lookups up the window's parents, not by searching their children.
QHash<const QWidget *, FramePacer *> &pacers()
{
    static QHash<const QWidget *, FramePacer *> frames;
    return frames;
}

} // namespace

FramePacer::FramePacer(QWidget *frame)
    : QObject(frame)
    , m_frame(frame)
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("framePacer"));
    pacers().insert(frame, this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &FramePacer::flush);
    frame->installEventFilter(this);
}

FramePacer::~FramePacer()
{
    pacers().remove(m_frame);
}

void FramePacer::install(QWidget *frame)
{
    if (frame && !pacers().contains(frame))
        new FramePacer(frame);
}

FramePacer *FramePacer::of(const QWidget *widget)
{
    // The frame is the nearest widget above (or the widget itself) that holds a pacer.
    const QHash<const QWidget *, FramePacer *> &frames = pacers();
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (FramePacer *pacer = frames.value(w))
            return pacer;
    }
    return nullptr;
}

void FramePacer::post(const QObject *owner, int kind, bool valid, std::function<void()> write)
{
    for (int i = m_held.size() - 1; i >= 0; --i) {
        const Held &held = m_held.at(i);
        if (held.owner != owner || held.kind != kind)
            continue;
        // A value that is not valid after another that is not: both only grey the field.
        // A valid value replaces everything held before it.
        if (valid || !held.valid)
            m_held.remove(i);
    }
    m_held.append({owner, kind, valid, std::move(write)});
    schedule();
}

void FramePacer::drop(const QObject *owner)
{
    for (int i = m_held.size() - 1; i >= 0; --i) {
        if (m_held.at(i).owner == owner)
            m_held.remove(i);
    }
}

void FramePacer::schedule()
{
    // Hidden: held until the frame shows. Otherwise once the burst has come (the rest
    // of its records join this one), and never sooner than a frame after the last write.
    if (m_timer->isActive() || !m_frame->isVisible())
        return;
    const qint64 since = m_lastFlush.isValid() ? m_lastFlush.elapsed() : frameMs;
    m_timer->start(int(qMax<qint64>(gatherMs, frameMs - since)));
}

void FramePacer::flush()
{
    m_timer->stop();
    if (!m_frame->isVisible() || m_held.isEmpty())
        return;
    m_lastFlush.start();
    // A write may post again (it never should, but then it waits for the next frame).
    const QVector<Held> held = std::exchange(m_held, {});
    for (const Held &write : held)
        write.write();
}

bool FramePacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frame && event->type() == QEvent::Show) {
        m_catchingUp = true;
        flush();
        m_catchingUp = false;
    }
    return QObject::eventFilter(watched, event);
}

void paced(QWidget *window, int kind, bool valid, std::function<void()> write)
{
    if (FramePacer *pacer = FramePacer::of(window))
        pacer->post(window, kind, valid, std::move(write));
    else
        write();
}

void dropPaced(QWidget *window)
{
    if (FramePacer *pacer = FramePacer::of(window))
        pacer->drop(window);
}

bool isPaced(const QWidget *window)
{
    return FramePacer::of(window) != nullptr;
}

bool isCatchingUp(const QWidget *window)
{
    const FramePacer *pacer = FramePacer::of(window);
    return pacer && pacer->isCatchingUp();
}
