#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QVector>

#include <functional>

class QTimer;
class QWidget;

// Paces what the monitor windows write for new data. A window's frame in the workspace
// holds one: each kind of value a window shows is written with its newest value at most
// once per frame (frameMs, the workspace's own paint pace; gatherMs after the first
// record of a burst), and not at all while the window is hidden (closed); what is held
// then is written as the window shows again, before it is painted. A window outside a frame with a pacer (on its own) writes at once.
//
// A write is held under a key (the window that shows it and a kind of its own). The
// write of a valid value replaces what the key holds; the write of a value that is not
// valid (which greys the field and keeps its text) is held after the last valid one, so
// the field ends as writing every value in turn would leave it.
class FramePacer : public QObject
{
    Q_OBJECT

public:
    static constexpr int frameMs = 40;
    // After a quiet spell the first write waits this long: a receiver's records for one
    // moment come in a burst over a few passes of the event loop, and they are written
    // together rather than the first of them now and the rest a frame later.
    static constexpr int gatherMs = 5;

    // Gives frame a pacer (once).
    static void install(QWidget *frame);
    // The pacer of the frame widget lies in; null for none.
    static FramePacer *of(const QWidget *widget);

    ~FramePacer() override;

    void post(const QObject *owner, int kind, bool valid, std::function<void()> write);
    // Drops what owner's writes hold: a cleared window shows nothing older than the clear.
    void drop(const QObject *owner);
    // Writes what is held now, if the frame is shown.
    void flush();
    int heldCount() const { return m_held.size(); }
    // True while the writes held over a hidden spell are made, as the frame shows: what
    // would move towards its new value (a turning dial) is shown at it at once.
    bool isCatchingUp() const { return m_catchingUp; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FramePacer(QWidget *frame);
    void schedule();

    struct Held
    {
        const QObject *owner;
        int kind;
        bool valid;
        std::function<void()> write;
    };

    QWidget *m_frame;
    QTimer *m_timer;
    QElapsedTimer m_lastFlush;
    QVector<Held> m_held;
    bool m_catchingUp = false;
};

// What a window's slot calls for a value it shows: write runs now when window has no
// pacer, else when its pacer writes (see FramePacer).
void paced(QWidget *window, int kind, bool valid, std::function<void()> write);
// Drops the writes window has held (its clearWindow).
void dropPaced(QWidget *window);
// Whether window's writes are held and paced rather than made at once.
bool isPaced(const QWidget *window);
// Whether window's pacer is writing what was held while it was hidden.
bool isCatchingUp(const QWidget *window);
