#pragma once

// Whether a person sees a monitor window where the workspace has put it: what the screen
// shows at the centre of the part of the window that its area shows must be that window
// (its frame or a widget inside it). A window that is built, but lies out of sight or
// under something else, is not reached. The lookup asks the window system (the X server
// under Xvfb), not the widget tree.

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtTest>

// The part of the widget (in its own coordinates) that its window shows on the screen:
// what lies past the edge of a widget it is in, of the window, or of the screen's
// available area is cut off.
inline QRect shownPart(QWidget *widget)
{
    QRect part = widget->rect();
    for (QWidget *w = widget->parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget())
        part = part.intersected(QRect(widget->mapFrom(w, QPoint(0, 0)), w->size()));
    if (const QScreen *screen = widget->screen()) {
        const QRect available = screen->availableGeometry();
        part = part.intersected(available.translated(-widget->mapToGlobal(QPoint())));
    }
    return part;
}

// Empty when a click at the centre of the window's shown part reaches it; else what is
// there instead.
inline QString notReachedAtCentre(QMdiSubWindow *frame)
{
    QMdiArea *area = frame->mdiArea();
    if (!area || !frame->isVisible())
        return QStringLiteral("not shown");
    const QRect part = shownPart(frame);
    const QRect seen(frame->mapToGlobal(part.topLeft()), part.size());
    if (seen.isEmpty())
        return QStringLiteral("lies outside what the workspace shows");
    const QPoint centre = seen.center();
    QWidget *at = QApplication::widgetAt(centre);
    if (at && (at == frame || frame->isAncestorOf(at)))
        return QString();
    QString what = QStringLiteral("nothing of the program");
    if (at) {
        // The widget, and the nearest named one it lies in.
        what = QString::fromLatin1(at->metaObject()->className());
        const QWidget *named = at;
        while (named && named->objectName().isEmpty())
            named = named->parentWidget();
        if (named)
            what += QStringLiteral(" in ") + named->objectName();
    }
    return QStringLiteral("the screen shows %1 at %2,%3").arg(what).arg(centre.x()).arg(centre.y());
}

// Waits, within a bound, until a click at the window's centre reaches it; what is there
// instead when it does not.
inline QString reachedOrWhy(QMdiSubWindow *frame)
{
    QString fault;
    const bool reached = QTest::qWaitFor(
        [&] {
            QCoreApplication::sendPostedEvents();
            fault = notReachedAtCentre(frame);
            return fault.isEmpty();
        },
        2000);
    return reached ? QString() : fault;
}

// Ticks each monitor window of the workspace in its Windows menu in turn, as a person
// opens them (each shows at the top-left corner of what the area shows, over those opened
// before it), and checks it is reached then; one line for each that is not.
inline QStringList openEveryWindowInTurn(QWidget *workspace)
{
    const QList<QAction *> entries = workspace->findChild<QMenu *>(QStringLiteral("menuWindow"))->actions();
    const QList<QMdiSubWindow *> frames =
        workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"))->subWindowList(QMdiArea::CreationOrder);
    QStringList faults;
    // The area is all there on the screen, not partly past the workspace's edge or under
    // a scroll area's: what it places at its corner and scrolls to is what is seen.
    QWidget *viewport = workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"))->viewport();
    QCoreApplication::sendPostedEvents();
    if (shownPart(viewport) != viewport->rect())
        faults << QStringLiteral("the area reaches past what the workspace shows");
    for (int i = 0; i < entries.size() && i < frames.size(); ++i) {
        entries[i]->trigger();
        const QString fault = reachedOrWhy(frames[i]);
        if (!fault.isEmpty())
            faults << frames[i]->windowTitle() + QStringLiteral(": ") + fault;
    }
    int reached = 0;
    for (int i = 0; i < frames.size(); ++i)
        reached += faults.filter(frames[i]->windowTitle() + QStringLiteral(": ")).isEmpty() ? 1 : 0;
    qInfo("%d of %lld windows reached at their centre", reached, qint64(frames.size()));
    return faults;
}
