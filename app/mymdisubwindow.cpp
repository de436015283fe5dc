#include "mymdisubwindow.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QWindowStateChangeEvent>

#include "framepacer.h"

MyMdiSubWindow::MyMdiSubWindow(QWidget *widget)
    : QMdiSubWindow(nullptr, Qt::WindowFlags())
    , m_widget(widget)
{
    // The window paints its own background, in the colour the frame would give it: a
    // field that changes then repaints only the window under it, not the frame's panel
    // and the workspace's tiled background beneath that, which cost more than the field.
    m_widget->setAutoFillBackground(true);
    setWidget(m_widget);
    setSizeIncrement(m_widget->size());
    resize(m_widget->size());
    // The window writes its newest values once per frame, and none while it is closed.
    FramePacer::install(this);
}

void MyMdiSubWindow::setInZeroPosition(bool on)
{
    if (on)
        setGeometry(0, 0, width(), height());
}

QRect MyMdiSubWindow::normalFrameGeometry() const
{
    return isMaximized() || isMinimized() ? m_normalGeometry : geometry();
}

void MyMdiSubWindow::changeEvent(QEvent *event)
{
    // Qt keeps the rectangle that Restore gives back to itself, and saveGeometry writes
    // none for a window inside another, so the frame keeps its own copy. It is taken as
    // the frame is maximized or minimized: Qt resizes the frame only after this event,
    // and the state changes it sends itself meanwhile (overrides) come when the
    // rectangle has already gone.
    if (event->type() == QEvent::WindowStateChange) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        const Qt::WindowStates away = Qt::WindowMaximized | Qt::WindowMinimized;
        if (!change->isOverride() && !(change->oldState() & away) && (windowState() & away))
            m_normalGeometry = geometry();
    }
    QMdiSubWindow::changeEvent(event);
}

void MyMdiSubWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    setVisible(false);
    emit closeWindow(false);
}

void MyMdiSubWindow::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    // A window whose form has no room to spare would lose the title bar's and borders'
    // share of it; their size is known once the frame is in its area and styled.
    resize(size().expandedTo(minimumSizeHint()));
}
