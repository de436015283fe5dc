#include "restoredlayout.h"

#include <QEvent>
#include <QLayout>
#include <QMargins>
#include <QMdiArea>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "mymdisubwindow.h"
#include "windowfit.h"

RestoredLayout::RestoredLayout(QWidget *workspace, QMdiArea *area, const QList<MyMdiSubWindow *> &frames)
    : QObject(workspace)
    , m_workspace(workspace)
    , m_area(area)
{
    for (MyMdiSubWindow *frame : frames)
        m_frames.append(frame);
    m_unanswered.setSingleShot(true);
    m_unanswered.setInterval(unansweredMaximizeMs);
    connect(&m_unanswered, &QTimer::timeout, this, &RestoredLayout::place);
    workspace->installEventFilter(this);
    area->viewport()->installEventFilter(this);
}

bool RestoredLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (m_placed || !m_workspace)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        // The frames have had their own show (and grown to their contents) by now.
        if (watched == m_workspace && !m_shown)
            noteShown();
        break;
    case QEvent::Expose:
        // Seen before the window paints: what is placed now is never seen elsewhere.
        if (m_shown && watched == m_workspace->windowHandle() && m_workspace->windowHandle()->isExposed()) {
            if (!areaSettled() && !m_unanswered.isActive())
                m_unanswered.start();
            placeIfSettled();
        }
        break;
    // A window manager tells the new size and the new place in separate events.
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (m_shown)
            placeIfSettled();
        break;
    default:
        break;
    }
    return false;
}

void RestoredLayout::noteShown()
{
    m_shown = true;
    for (const QPointer<MyMdiSubWindow> &frame : qAsConst(m_frames)) {
        if (frame)
            m_shownAt.insert(frame, frame->normalFrameGeometry());
    }
    if (QWindow *handle = m_workspace->windowHandle())
        handle->installEventFilter(this);
    // The area takes its size from the window's layout, which has not run yet.
    if (QLayout *layout = m_workspace->layout())
        layout->activate();
    placeIfSettled();
}

bool RestoredLayout::areaSettled() const
{
    const QWindow *handle = m_workspace->windowHandle();
    if (!handle)
        return false;
    // A window that is not to be maximized keeps the size it was shown with.
    if (!m_workspace->isMaximized())
        return true;
    // Maximized, its frame covers the screen's available area. The widget's own
    // rectangle is taken, not the platform's: that one runs ahead of the events that
    // resize the area.
    const QMargins frame = handle->frameMargins();
    const QScreen *screen = handle->screen();
    if (screen && m_workspace->geometry().marginsAdded(frame).contains(screen->availableGeometry()))
        return true;
    // A window that nothing has framed by the time it is on screen has no window manager
    // to maximize it: it keeps the size it has.
    return handle->isExposed() && frame.isNull();
}

void RestoredLayout::placeIfSettled()
{
    if (areaSettled())
        place();
}

void RestoredLayout::place()
{
    if (m_placed || !m_workspace)
        return;
    m_placed = true;
    m_unanswered.stop();
    m_workspace->removeEventFilter(this);
    m_area->viewport()->removeEventFilter(this);
    if (QWindow *handle = m_workspace->windowHandle())
        handle->removeEventFilter(this);
    if (QLayout *layout = m_workspace->layout())
        layout->activate();
    // Moved in where they would lie outside the area, shrunk only where they cannot fit.
    // A maximized window is placed where its Restore will put it; Qt keeps that
    // rectangle to itself, so the window goes back to it for the move.
    const QRect area = m_area->viewport()->rect();
    for (const QPointer<MyMdiSubWindow> &frame : qAsConst(m_frames)) {
        if (!frame || !frame->isVisibleTo(m_area) || frame->isMinimized())
            continue;
        if (frame->normalFrameGeometry() != m_shownAt.value(frame))
            continue;
        const bool maximized = frame->isMaximized();
        if (maximized)
            frame->showNormal();
        frame->setGeometry(placedInside(frame->geometry(), area, leastSize(frame)));
        if (maximized)
            frame->showMaximized();
    }
}
