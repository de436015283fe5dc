#pragma once

// What the shell's tests share: a temporary working directory (the program keeps
// "settings.ini" in the current one), the message boxes of the shell answered through
// its seam and recorded, and a few finders.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

#include "hexbytes.h"
#include "screenshot.h"
#include "appdialogs.h"
#include "boxrecorder.h"
#include "displaycontainerwidget.h"
#include "receiversession.h"
#include "settlewindow.h"

class ShellFixture : public BoxRecorder<AppDialogs>
{
public:
    // Enters a fresh temporary working directory and answers every box with answer.
    bool enter()
    {
        m_previous = QDir::currentPath();
        m_dir = std::make_unique<QTemporaryDir>();
        if (!m_dir->isValid() || !QDir::setCurrent(m_dir->path()))
            return false;
        boxes.clear();
        answer = QMessageBox::Ok;
        recordBoxes();
        return true;
    }

    void leave()
    {
        stopRecordingBoxes();
        QDir::setCurrent(m_previous);
        m_dir.reset();
    }

    QString path() const { return m_dir ? m_dir->path() : QString(); }

private:
    QString m_previous;
    std::unique_ptr<QTemporaryDir> m_dir;
};

inline QList<DisplayContainerWidget *> workspaces()
{
    QList<DisplayContainerWidget *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (DisplayContainerWidget *workspace = qobject_cast<DisplayContainerWidget *>(widget))
            found.append(workspace);
    }
    return found;
}

// Runs the deletions that deleteLater() queued, as the event loop would next.
inline void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// screenshots/ at the root of the build tree.
inline QString screenshotDir()
{
    return screenshotPath(QString());
}

// A workspace as the main window opens one, on a session to the scripted receiver.
// It is shown and laid out before the session starts: on a busy machine its first layout
// and paint hold the GUI thread for seconds, and the session's first request would time
// out meanwhile, unanswered.
inline DisplayContainerWidget *openWorkspace(ReceiverSession &session, bool autoDetect, InterfaceMode mode,
                                             const QString &portName = QStringLiteral("127.0.0.1"))
{
    DisplayContainerWidget *workspace = new DisplayContainerWidget();
    workspace->setAttribute(Qt::WA_DeleteOnClose);
    workspace->setModel(session.model);
    workspace->setController(session.controller);
    workspace->show();
    settleWindow(workspace);
    workspace->startSession(autoDetect, mode, portName);
    return workspace;
}
