// "Auto connection" as the user starts it from the workspace: never while the data are
// paused, never held up by the requests of an earlier search, and a link that is lost
// during the search gives one message.
#include <QAction>
#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "connectionwidget.h"
#include "binaryconfigurator.h"
#include "controller.h"
#include "loaderwidget.h"
#include "mainwindow.h"
#include "model.h"
#include "ptypair.h"
#include "readerproxy.h"
#include "shellfixture.h"

Q_DECLARE_METATYPE(InterfaceMode)

class tst_WorkspaceSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pausedDataLetNoSearchRun();
    void searchStalledByAnUnknownStatusLeavesNothingToTheNext();
    void hangUpDuringTheSearchGivesOneBox_data();
    void hangUpDuringTheSearchGivesOneBox();

private:
    DisplayContainerWidget *open(bool autoDetect);
    QAction *action(const char *name) { return workspace->findChild<QAction *>(QLatin1String(name)); }
    LoaderWidget *loader() { return workspace->findChild<LoaderWidget *>(); }

    ShellFixture shell;
    std::unique_ptr<ReceiverSession> session;
    QPointer<DisplayContainerWidget> workspace;
};

void tst_WorkspaceSearch::initTestCase()
{
    installConnectGuard();
    qRegisterMetaType<InterfaceMode>("InterfaceMode");
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_WorkspaceSearch::init()
{
    QVERIFY(shell.enter());
    session = std::make_unique<ReceiverSession>();
    session->receiver.answerAlways(3, 0x44, ScriptedReceiver::data(QByteArray("#BASE1\0\0", 8)));
}

void tst_WorkspaceSearch::cleanup()
{
    for (DisplayContainerWidget *open : workspaces())
        delete open;
    processDeferredDeletes();
    session.reset();
    shell.leave();
}

DisplayContainerWidget *tst_WorkspaceSearch::open(bool autoDetect)
{
    if (!session->open(InterfaceBinary))
        qFatal("no session");
    workspace = openWorkspace(*session, autoDetect, InterfaceBinary);
    return workspace;
}

void tst_WorkspaceSearch::pausedDataLetNoSearchRun()
{
    // A receiver that acknowledges every handshake and probe.
    session->receiver.answerAlways(3, 0x00, ScriptedReceiver::done());
    session->receiver.answerAlways(3, 0x01, ScriptedReceiver::done());
    open(false);
    QTRY_COMPARE_WITH_TIMEOUT(workspace->windowTitle(), QStringLiteral("Polvane 5.4.2 - 127.0.0.1 - #BASE1"), 5000);
    QVERIFY(action("actionAutoDetect")->isEnabled());

    action("actionPause")->trigger();
    QVERIFY(action("actionContinue")->isVisible());
    QVERIFY(!action("actionAutoDetect")->isEnabled());
    action("actionContinue")->trigger();
    QVERIFY(action("actionAutoDetect")->isEnabled());

    // The search after a hardware restart may begin while paused: it lets the data
    // through first, and the receiver's answers find it.
    action("actionPause")->trigger();
    QSignalSpy verdict(session->controller->reader(), SIGNAL(displayBaudRateMaster(bool)));
    QVERIFY(QMetaObject::invokeMethod(workspace, "setAutoDetecting"));
    QVERIFY(loader());
    QVERIFY(!action("actionContinue")->isVisible());
    QVERIFY(action("actionPause")->isVisible());
    QVERIFY(action("actionAutoDetect")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(verdict.count(), 1, 10000);
    QCOMPARE(verdict.first().at(0).toBool(), true);
    QCOMPARE(session->receiver.count(3, 0x01), 1);
    QVERIFY(shell.boxes.isEmpty());
}

void tst_WorkspaceSearch::searchStalledByAnUnknownStatusLeavesNothingToTheNext()
{
    // The first handshake is answered with status 3, which the engine retires without
    // a word: that search waits until Cancel.
    int handshakes = 0;
    session->receiver.answerAlways(3, 0x00, [&handshakes](const ScriptedReceiver::Command &) {
        return ++handshakes == 1 ? ScriptedReceiver::status(3) : ScriptedReceiver::done();
    });
    session->receiver.answerAlways(3, 0x01, ScriptedReceiver::done());
    open(true);
    QSignalSpy shown(session->controller->reader(), SIGNAL(displayBaudRateMaster(bool)));
    QTRY_COMPARE_WITH_TIMEOUT(session->receiver.count(3, 0x00), 1, 5000);
    // Once the engine has retired the handshake the search waits for nothing (on a
    // loaded machine the answer may come after the handshake's time-out instead).
    const BinaryConfigurator *engine = session->controller->binaryConfigurator();
    QTRY_COMPARE_WITH_TIMEOUT(engine->queuedRequests(MsgReceiverParameters, 0x00), 0, 5000);
    QVERIFY(loader());
    loader()->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    processDeferredDeletes();
    QVERIFY(!loader());
    QCOMPARE(shown.count(), 1);

    // A new search finds the receiver at once.
    action("actionAutoDetect")->trigger();
    QVERIFY(loader());
    QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 2, 5000);
    QCOMPARE(shown.at(1).at(0).toBool(), true);
    QTRY_VERIFY_WITH_TIMEOUT(!loader(), 5000);
    QCOMPARE(session->receiver.count(3, 0x01), 1);
    QVERIFY(shell.boxes.isEmpty());
}

void tst_WorkspaceSearch::hangUpDuringTheSearchGivesOneBox_data()
{
    QTest::addColumn<int>("readingMs");
    QTest::newRow("box answered at once") << 0;
    // A modal box runs its own event loop while the user reads it.
    QTest::newRow("box read for 2 s") << 2000;
}

void tst_WorkspaceSearch::hangUpDuringTheSearchGivesOneBox()
{
    QFETCH(int, readingMs);
    AppDialogs::setMessageHook([this, readingMs](QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                                 const QString &text, QMessageBox::StandardButtons buttons) {
        shell.boxes.append({parent, icon, title, text, buttons});
        if (readingMs > 0)
            QTest::qWait(readingMs);
        return QMessageBox::Ok;
    });
    MainWindow window;
    PtyPair pty;
    QVERIFY(pty.isValid());
    window.findChild<ConnectionWidget *>(QStringLiteral("connectionWidget"))->setSerialPortNames({pty.devicePath()});
    window.findChild<QCheckBox *>(QStringLiteral("chBoxAutoDetect"))->click();
    window.show();
    window.findChild<QPushButton *>(QStringLiteral("btnConnect"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(workspaces().size(), 1, 5000);
    workspace = workspaces().first();
    QVERIFY(loader());
    // The receiver never answers; its line goes away while the first rates are tried.
    QByteArray heard;
    QTRY_VERIFY_WITH_TIMEOUT((heard += pty.readAll()).size() > 0, 5000);
    pty.hangUp();

    QTRY_COMPARE_WITH_TIMEOUT(shell.boxes.size(), 1, 5000);
    QCOMPARE(shell.boxes.first().title, QStringLiteral("Connection error."));
    QTRY_VERIFY_WITH_TIMEOUT(!loader(), 5000);
    // Left to itself the search would be over within 3.5 s: no other box comes.
    QVERIFY(!QTest::qWaitFor([this] { return shell.boxes.size() > 1; }, 4000));
    QCOMPARE(shell.boxes.size(), 1);
    for (DisplayContainerWidget *open : workspaces())
        delete open;
    processDeferredDeletes();
}

QTEST_MAIN(tst_WorkspaceSearch)
#include "tst_workspacesearch.moc"
