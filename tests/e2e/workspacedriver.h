#pragma once

// Drives polvane as a user does, for the end-to-end test and the benchmark: the
// connection screen filled in for a TCP link and Connect pressed, then, in the workspace
// that opens, every entry of the Windows menu ticked and the windows tiled.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "displaycontainerwidget.h"

namespace workspacedriver {

// Runs the event loop until done() holds or timeoutMs have passed (the benchmark has no
// QtTest to wait with).
inline bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || elapsed.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start();
    loop.exec();
    return done();
}

template <class T>
T *child(QObject *root, const char *name)
{
    return root ? root->findChild<T *>(QLatin1String(name)) : nullptr;
}

// A visible workspace that is not one of those given.
inline DisplayContainerWidget *workspace(const QList<QWidget *> &others = {})
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *found = qobject_cast<DisplayContainerWidget *>(widget);
        if (found && found->isVisible() && !others.contains(found))
            return found;
    }
    return nullptr;
}

// Fills in the connection screen of the main window for a TCP link in NMEA and presses
// Connect; returns the workspace once it is open (null after timeoutMs).
inline DisplayContainerWidget *connectOverTcp(QWidget *mainWindow, const QString &host, quint16 port,
                                              int timeoutMs = 10000)
{
    auto *socket = child<QRadioButton>(mainWindow, "rBtnSocket");
    auto *address = child<QLineEdit>(mainWindow, "editHostAddress");
    auto *portEdit = child<QLineEdit>(mainWindow, "editPort");
    auto *protocol = child<QComboBox>(mainWindow, "comBoxProtocolTCPIP");
    auto *connectButton = child<QPushButton>(mainWindow, "btnConnect");
    if (!socket || !address || !portEdit || !protocol || !connectButton)
        return nullptr;
    socket->click();
    address->setText(host);
    portEdit->setText(QString::number(port));
    protocol->setCurrentIndex(protocol->findText(QStringLiteral("NMEA")));
    const QList<QWidget *> before = QApplication::topLevelWidgets();
    connectButton->click();
    waitFor([&before] { return workspace(before) != nullptr; }, timeoutMs);
    return workspace(before);
}

inline QMdiArea *area(DisplayContainerWidget *workspace)
{
    return child<QMdiArea>(workspace, "mdiArea");
}

// Ticks every unticked entry of the Windows menu and tiles the area.
inline void showEveryWindow(DisplayContainerWidget *workspace)
{
    auto *menu = child<QMenu>(workspace, "menuWindow");
    if (!menu)
        return;
    for (QAction *action : menu->actions()) {
        if (action->isCheckable() && !action->isChecked())
            action->trigger();
    }
    if (QMdiArea *mdi = area(workspace))
        mdi->tileSubWindows();
}

inline int visibleWindowCount(DisplayContainerWidget *workspace)
{
    int count = 0;
    if (QMdiArea *mdi = area(workspace)) {
        for (QMdiSubWindow *frame : mdi->subWindowList())
            count += frame->isVisible() ? 1 : 0;
    }
    return count;
}

// The monitor widget inside the frame of the given class.
template <class T>
T *monitor(DisplayContainerWidget *workspace)
{
    return workspace ? workspace->findChild<T *>() : nullptr;
}

} // namespace workspacedriver
