#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

class QMdiArea;
class QWidget;
class MyMdiSubWindow;

// The monitor windows as the settings file left them, brought inside the workspace's area
// once that area has the size the workspace keeps. A window manager maximizes a window
// after it has been mapped, on its own time: placed at the first show, a layout saved
// with the workspace maximized would be squeezed into the smaller area the workspace has
// before that, and saved squeezed at the next disconnect. Until the area settles the
// windows stay where they were saved, so a window the final area holds never moves, and
// one it cannot hold moves once.
class RestoredLayout : public QObject
{
    Q_OBJECT

public:
    // Watches workspace (shown later) and its area; frames hold their restored geometry.
    RestoredLayout(QWidget *workspace, QMdiArea *area, const QList<MyMdiSubWindow *> &frames);

    // How long a window manager that frames the workspace may leave a maximized one
    // unmaximized once it has mapped it: one that ignores the request would otherwise
    // keep the windows out of reach.
    static constexpr int unansweredMaximizeMs = 1000;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void noteShown();
    // True once the area's size is the one the workspace will keep.
    bool areaSettled() const;
    void placeIfSettled();
    void place();

    QPointer<QWidget> m_workspace;
    QMdiArea *m_area;
    QList<QPointer<MyMdiSubWindow>> m_frames;
    // Each frame's rectangle as the workspace was shown: a frame that no longer has it
    // was moved or resized by the user, and is left where the user put it.
    QHash<MyMdiSubWindow *, QRect> m_shownAt;
    QTimer m_unanswered;
    bool m_shown = false;
    bool m_placed = false;
};
