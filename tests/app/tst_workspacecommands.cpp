// The workspace's commands as the receiver sees them: the exact frame of every menu
// entry, the default message set and the values it blanks, the protocol switch and its
// order, the "Wrong mode" question, and the wait and search after a hardware restart.
#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "binaryconfigurator.h"
#include "baseinfowidget.h"
#include "calibration.h"
#include "connectguard.h"
#include "controller.h"
#include "framebuilders.h"
#include "loaderwidget.h"
#include "looplag.h"
#include "model.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "settingscontainerwidget.h"
#include "shellfixture.h"

namespace {

QByteArray command(quint8 group, quint8 subId, const QByteArray &payload = QByteArray())
{
    return ScriptedReceiver::frame(group, subId, payload);
}

QByteArray oneByte(int value)
{
    return QByteArray(1, char(value));
}

} // namespace

// Writes down, in order, what the Model and the parser proxy announce.
class AnnouncementLog : public QObject
{
    Q_OBJECT

public:
    void follow(Model *model, ParserProxy *parser)
    {
        connect(model, SIGNAL(interfaceModeChanged(InterfaceMode)), this, SLOT(modelMode(InterfaceMode)));
        connect(parser, SIGNAL(protocolDefined(InterfaceMode)), this, SLOT(protocol(InterfaceMode)));
        const QMetaMethod blank = metaObject()->method(metaObject()->indexOfSlot("blanked()"));
        const QMetaObject *meta = parser->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal && method.name().startsWith("showLastData"))
                connect(parser, method, this, blank);
        }
    }

    QStringList events;

public slots:
    void modelMode(InterfaceMode mode) { events << QStringLiteral("model %1").arg(int(mode)); }
    void protocol(InterfaceMode mode) { events << QStringLiteral("protocol %1").arg(int(mode)); }
    void blanked()
    {
        events << QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name().mid(12));
    }
};

class tst_WorkspaceCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuEntryFrames_data();
    void menuEntryFrames();
    void byDefaultBlanksTheOtherFifteen();
    void protocolSwitchByShortcut_data();
    void protocolSwitchByShortcut();
    void binaryOnlyCommandsInNmeaMode_data();
    void binaryOnlyCommandsInNmeaMode();
    void settingsInBinaryModeOpenAtOnce();
    void autoConnectionBlanksWhatNoLongerArrives_data();
    void autoConnectionBlanksWhatNoLongerArrives();
    void hardwareRestartWaitsThenSearchesOnce();
    void hardwareAgainRestartsTheWait();
    void autoConnectionDuringTheWaitRunsOneSearch();
    void hardwareSearchHandshakeComesAfterTheWait();

private:
    void openSession(InterfaceMode mode);
    QAction *action(const char *name);
    // Sends a command that nobody else queues and waits for it: whatever was queued
    // before it has reached the receiver by then.
    void flushQueue();

    ShellFixture shell;
    std::unique_ptr<ReceiverSession> session;
    QPointer<DisplayContainerWidget> workspace;
};

void tst_WorkspaceCommands::initTestCase()
{
    installConnectGuard();
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_WorkspaceCommands::init()
{
    QVERIFY(shell.enter());
    session = std::make_unique<ReceiverSession>();
    // A receiver that refuses the tag and accepts everything else.
    session->receiver.answerAlways(3, 0x44, ScriptedReceiver::refused());
    session->receiver.setFallback(ScriptedReceiver::done());
}

void tst_WorkspaceCommands::cleanup()
{
    for (DisplayContainerWidget *open : workspaces())
        delete open;
    processDeferredDeletes();
    session.reset();
    shell.leave();
}

void tst_WorkspaceCommands::openSession(InterfaceMode mode)
{
    QVERIFY(session->open(mode));
    workspace = openWorkspace(*session, false, mode);
    // The session's own tag request is answered first (in NMEA mode after its time-out).
    QTRY_VERIFY_WITH_TIMEOUT(workspace->windowTitle().endsWith(QLatin1String(" - UNDEFINED")), 5000);
    session->receiver.clearRecord();
    QApplication::setActiveWindow(workspace);
    QVERIFY(QTest::qWaitForWindowActive(workspace));
}

QAction *tst_WorkspaceCommands::action(const char *name)
{
    QAction *found = workspace->findChild<QAction *>(QLatin1String(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

void tst_WorkspaceCommands::flushQueue()
{
    // No command of the workspace reads the active settings set (group 3, 0x43).
    const int before = session->receiver.count(3, 0x43);
    session->controller->binaryConfigurator()->requestStgm();
    QTRY_COMPARE_WITH_TIMEOUT(session->receiver.count(3, 0x43), before + 1, 5000);
}

void tst_WorkspaceCommands::menuEntryFrames_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("clears");
    QTest::newRow("Hot") << "actionForceRestartHot" << hex("214e07800100018929") << false;
    QTest::newRow("Warm") << "actionForceRestartWarm" << command(7, 0x80, oneByte(2)) << false;
    QTest::newRow("Cold") << "actionForceRestartCold" << command(7, 0x80, oneByte(3)) << false;
    QTest::newRow("With default") << "actionForceRestartDefault" << hex("214e07800100048c2c") << true;
    QTest::newRow("Hardware") << "actionForceRestartHardware" << hex("214e0781000088a0") << true;
    QTest::newRow("Measurements Off") << "actionOff" << command(8, 0x80, oneByte(0)) << false;
    QTest::newRow("1 Hz") << "action1_Hz" << command(8, 0x80, oneByte(1)) << false;
    QTest::newRow("5 Hz") << "action5_Hz" << command(8, 0x80, oneByte(5)) << false;
    QTest::newRow("10 Hz") << "action10_Hz" << command(8, 0x80, oneByte(10)) << false;
    QTest::newRow("20 Hz") << "action20_Hz" << command(8, 0x80, oneByte(20)) << false;
    QTest::newRow("40 Hz") << "action40_Hz" << command(8, 0x80, oneByte(40)) << false;
    QTest::newRow("Save SET 1") << "actionFlashSaveSet_1" << hex("214e0342010001471c") << false;
    QTest::newRow("Save SET 2") << "actionFlashSaveSet_2" << command(3, 0x42, oneByte(2)) << false;
    QTest::newRow("Activate DEFAULT") << "actionFlashAcrivateDefault" << hex("214e03c3010000c721") << false;
    QTest::newRow("Activate SET 1") << "actionFlashActivateSet_1" << command(3, 0xC3, oneByte(1)) << false;
    QTest::newRow("Activate SET 2") << "actionFlashActivateSet_2" << command(3, 0xC3, oneByte(2)) << false;
    QTest::newRow("By default") << "actionBy_default" << hex("214e03890400fc0000008de6") << false;
    QTest::newRow("Clear windows") << "actionClearWindows" << QByteArray() << true;
    QTest::newRow("Set baud rate 9600 (hidden)") << "actionBaudRate9600" << QByteArray() << false;
}

void tst_WorkspaceCommands::menuEntryFrames()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, frame);
    QFETCH(bool, clears);
    openSession(InterfaceBinary);
    BinaryConfigurator *engine = session->controller->binaryConfigurator();
    QVERIFY(!engine->moduleReset);
    QSignalSpy cleared(workspace.data(), SIGNAL(clearWindow()));
    // The windows are cleared before the command is even queued: the engine's queue does
    // not hold it yet at the clear, and holds it once the entry has run.
    const auto queued = [&] {
        return frame.isEmpty() ? 0 : engine->queuedRequests(MsgType(quint8(frame.at(2))), quint8(frame.at(3)));
    };
    int queuedAtClear = -1;
    connect(workspace.data(), &DisplayContainerWidget::clearWindow, this, [&] { queuedAtClear = queued(); });

    action(entry.toLatin1().constData())->trigger();
    QCOMPARE(cleared.count(), clears ? 1 : 0);
    QCOMPARE(engine->moduleReset, clears);
    if (clears)
        QCOMPARE(queuedAtClear, 0);
    QCOMPARE(queued(), frame.isEmpty() ? 0 : 1);
    flushQueue();
    const QList<ScriptedReceiver::Command> commands = session->receiver.commands();
    if (frame.isEmpty()) {
        QCOMPARE(commands.size(), 1); // the flush only
    } else {
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands.first().frame, frame);
    }
}

void tst_WorkspaceCommands::byDefaultBlanksTheOtherFifteen()
{
    openSession(InterfaceBinary);
    AnnouncementLog log;
    log.follow(session->model, session->controller->parser());
    action("actionBy_default")->trigger();
    // 1 has no values to blank; the other fourteen do, in message order.
    QCOMPARE(log.events, QStringList({"GST", "HDG", "RTIME_RDATE", "RPOS_ECEF", "RVEL_ECEF", "RPOS_LLA",
                                      "RVEL_ENU", "RSOL_ATR", "BPOS_ECEF", "GSV_FULL", "RSOL_FULL",
                                      "RSOL_iFULL", "YPR_DEG", "HVECT"}));
    QTRY_COMPARE_WITH_TIMEOUT(session->receiver.commands().size(), 1, 5000);
    QCOMPARE(session->receiver.commands().first().frame, hex("214e03890400fc0000008de6"));
}

void tst_WorkspaceCommands::protocolSwitchByShortcut_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("Ctrl+F1 from NMEA") << 2 << int(Qt::Key_F1) << 1
                                       << QStringList({"model 1", "protocol 1", "GGA", "GSA", "GSV", "ZDA", "VTG",
                                                       "RMC", "GST", "HDG"});
    QTest::newRow("Ctrl+F2 from binary") << 1 << int(Qt::Key_F2) << 2
                                         << QStringList({"model 2", "protocol 2", "RTIME_RDATE", "RPOS_ECEF",
                                                         "RVEL_ECEF", "RPOS_LLA", "RVEL_ENU", "RSOL_ATR",
                                                         "BPOS_ECEF", "GSV_FULL", "RSOL_FULL", "RSOL_iFULL",
                                                         "YPR_DEG", "HVECT"});
}

void tst_WorkspaceCommands::protocolSwitchByShortcut()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QFETCH(QStringList, events);
    openSession(InterfaceMode(from));
    session->receiver.answerAlways(3, 0x44, ScriptedReceiver::data(QByteArray("#BASE1\0\0", 8)));
    AnnouncementLog log;
    log.follow(session->model, session->controller->parser());

    QTest::keyClick(workspace, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(log.events, events);
    QCOMPARE(int(session->model->interfaceMode()), to);

    // The receiver is told first; the tag is asked for again in the new mode.
    QTRY_COMPARE_WITH_TIMEOUT(session->receiver.commands().size(), 2, 5000);
    QCOMPARE(session->receiver.commands().at(0).frame, command(3, 0x88, oneByte(to)));
    QCOMPARE(session->receiver.commands().at(1).frame, hex("214e0344000047d8"));
    if (to == 1) {
        // The binary parser reads the tag reply.
        QTRY_COMPARE_WITH_TIMEOUT(workspace->windowTitle(), QStringLiteral("Polvane 5.4.2 - 127.0.0.1 - #BASE1"), 5000);
    }
}

void tst_WorkspaceCommands::binaryOnlyCommandsInNmeaMode_data()
{
    QTest::addColumn<bool>("calibration");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("events");
    // Yes switches as the menu's "ZRB Binary" does: the NMEA messages no longer arrive,
    // so their values are shown as not valid until new data come.
    const QStringList switched{"model 1", "protocol 1", "GGA", "GSA", "GSV", "ZDA", "VTG", "RMC", "GST", "HDG"};
    QTest::newRow("Show settings, Yes") << false << true << switched;
    QTest::newRow("Show settings, Cancel") << false << false << QStringList();
    QTest::newRow("Shift+C, Yes") << true << true << switched;
    QTest::newRow("Shift+C, Cancel") << true << false << QStringList();
}

void tst_WorkspaceCommands::binaryOnlyCommandsInNmeaMode()
{
    QFETCH(bool, calibration);
    QFETCH(bool, yes);
    QFETCH(QStringList, events);
    openSession(InterfaceNmea);
    // General Information open, showing the time and position the receiver sent.
    for (QAction *entry : workspace->findChildren<QAction *>()) {
        if (entry->text() == QLatin1String("General Information"))
            entry->trigger();
    }
    auto *info = workspace->findChild<BaseInfoWidget *>();
    QVERIFY(info && info->isVisible());
    session->send(nmeaLine("GPGGA,093148.90,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")
                  + nmeaLine("GPZDA,093148.90,04,07,2024,00,00"));
    const char *const fields[] = {"editUTC", "editLatitude", "editLongitude", "editAltitude", "editHDOP"};
    const auto field = [info](const char *name) { return info->findChild<QLineEdit *>(QLatin1String(name)); };
    QTRY_COMPARE_WITH_TIMEOUT(field("editUTC")->text(), QStringLiteral("09:31:48.9"), 5000);
    for (const char *name : fields)
        QTRY_COMPARE(field(name)->styleSheet(), QStringLiteral("color: black"));
    AnnouncementLog log;
    log.follow(session->model, session->controller->parser());

    shell.answer = yes ? QMessageBox::Yes : QMessageBox::Cancel;
    if (calibration)
        QTest::keyClick(workspace, Qt::Key_C, Qt::ShiftModifier);
    else
        action("actionSettings")->trigger();
    QCOMPARE(log.events, events);
    // The last values stay readable, grey after Yes; Cancel leaves them as they were.
    for (const char *name : fields)
        QTRY_COMPARE(field(name)->styleSheet(), yes ? QStringLiteral("color: gray") : QStringLiteral("color: black"));
    QCOMPARE(field("editUTC")->text(), QStringLiteral("09:31:48.9"));

    QCOMPARE(shell.boxes.size(), 1);
    const AnsweredBox box = shell.boxes.first();
    QCOMPARE(box.parent, nullptr);
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.title, QStringLiteral("Wrong mode"));
    QCOMPARE(box.text, QStringLiteral("This option is available in binary mode only. Do you want to switch to binary mode?"));
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::Cancel);

    QWidget *window = calibration ? static_cast<QWidget *>(workspace->findChild<Calibration *>())
                                  : static_cast<QWidget *>(workspace->findChild<SettingsContainerWidget *>());
    if (!yes) {
        QVERIFY(!window);
        QCOMPARE(int(session->model->interfaceMode()), 2);
        flushQueue();
        QCOMPARE(session->receiver.commands().size(), 1); // the flush only
        return;
    }
    // The window is open at once, before the receiver has answered the switch.
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowModality(), Qt::WindowModal);
    QCOMPARE(window->parentWidget(), static_cast<QWidget *>(workspace));
    QVERIFY(window->windowFlags() & Qt::Dialog);
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(int(session->model->interfaceMode()), 1);
    QTRY_VERIFY_WITH_TIMEOUT(session->receiver.commands().size() >= 2, 5000);
    QCOMPARE(session->receiver.commands().at(0).frame, hex("214e03880100018d35"));
    QCOMPARE(session->receiver.commands().at(1).frame, hex("214e0344000047d8"));
}

void tst_WorkspaceCommands::settingsInBinaryModeOpenAtOnce()
{
    openSession(InterfaceBinary);
    action("actionSettings")->trigger();
    SettingsContainerWidget *settings = workspace->findChild<SettingsContainerWidget *>();
    QVERIFY(settings);
    QVERIFY(settings->isVisible());
    QVERIFY(shell.boxes.isEmpty());
    // Each command makes a new window.
    action("actionSettings")->trigger();
    QCOMPARE(workspace->findChildren<SettingsContainerWidget *>().size(), 2);
    flushQueue();
    // Each opens on the Interface page, which reads its nine settings.
    QCOMPARE(session->receiver.count(3, 0x02), 2);
    QCOMPARE(session->receiver.commands().size(), 2 * 9 + 1);
}

void tst_WorkspaceCommands::autoConnectionBlanksWhatNoLongerArrives_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QStringList>("events");
    // The search talks the binary protocol: from NMEA the parser leaves the NMEA messages
    // behind, as the menu's switch to binary does; in binary mode nothing is left behind.
    QTest::newRow("from NMEA") << 2
                               << QStringList({"model 1", "GGA", "GSA", "GSV", "ZDA", "VTG", "RMC", "GST", "HDG"});
    QTest::newRow("from binary") << 1 << QStringList({"model 1"});
}

void tst_WorkspaceCommands::autoConnectionBlanksWhatNoLongerArrives()
{
    QFETCH(int, from);
    QFETCH(QStringList, events);
    openSession(InterfaceMode(from));
    AnnouncementLog log;
    log.follow(session->model, session->controller->parser());
    action("actionAutoDetect")->trigger();
    QCOMPARE(log.events, events);
    QCOMPARE(int(session->model->interfaceMode()), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!workspace->findChild<LoaderWidget *>(), 10000);
}

void tst_WorkspaceCommands::hardwareRestartWaitsThenSearchesOnce()
{
    openSession(InterfaceBinary);
    QSignalSpy cleared(workspace.data(), SIGNAL(clearWindow()));
    LoopLag lag;
    action("actionForceRestartHardware")->trigger();
    QCOMPARE(cleared.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(session->receiver.count(7, 0x81), 1, 10000);
    QCOMPARE(session->receiver.commands().first().frame, hex("214e0781000088a0"));
    QVERIFY(lag.nowMs() < 1000 + lag.lostSince(0));
    QVERIFY(!workspace->findChild<LoaderWidget *>());

    QTRY_VERIFY_WITH_TIMEOUT(workspace->findChild<LoaderWidget *>(), 20000);
    const qint64 searchAt = lag.nowMs();
    QVERIFY2(searchAt >= 2000 && searchAt < 2700 + lag.lostSince(0), qPrintable(QString::number(searchAt)));
    QCOMPARE(int(session->model->interfaceMode()), 1);
    QCOMPARE(workspace->findChildren<LoaderWidget *>().size(), 1);
}

void tst_WorkspaceCommands::hardwareAgainRestartsTheWait()
{
    openSession(InterfaceBinary);
    LoopLag lag;
    action("actionForceRestartHardware")->trigger();
    // A second Hardware a second later: the wait starts again, and one search follows.
    qint64 againAt = -1;
    QTimer::singleShot(1000, workspace.data(), [&] {
        againAt = lag.nowMs();
        action("actionForceRestartHardware")->trigger();
    });
    QTRY_VERIFY_WITH_TIMEOUT(workspace->findChild<LoaderWidget *>(), 20000);
    const qint64 searchAfter = lag.nowMs() - againAt;
    QVERIFY(againAt >= 0);
    QVERIFY2(searchAfter >= 2000 && searchAfter < 2700 + lag.lostSince(againAt),
             qPrintable(QString::number(searchAfter)));
    QCOMPARE(session->receiver.count(7, 0x81), 2);
    QCOMPARE(workspace->findChildren<LoaderWidget *>().size(), 1);
}

void tst_WorkspaceCommands::autoConnectionDuringTheWaitRunsOneSearch()
{
    // A receiver that never takes the handshake keeps the search going past the wait.
    session->receiver.answerAlways(3, 0x00, ScriptedReceiver::silence());
    openSession(InterfaceBinary);
    action("actionForceRestartHardware")->trigger();
    action("actionAutoDetect")->trigger();
    QPointer<LoaderWidget> loader = workspace->findChild<LoaderWidget *>();
    QVERIFY(loader);
    QElapsedTimer clock;
    clock.start();
    // The end of the wait finds the busy window up and starts nothing. The pass after
    // 2.3 s runs the wait's timer, however late this loop has been.
    QTRY_VERIFY_WITH_TIMEOUT(clock.elapsed() > 2300, 5000);
    QCoreApplication::processEvents();
    QVERIFY(loader);
    QCOMPARE(workspace->findChildren<LoaderWidget *>().size(), 1);
    // So Cancel still ends it all.
    loader->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    processDeferredDeletes();
    QVERIFY(workspace->findChildren<LoaderWidget *>().isEmpty());
}

void tst_WorkspaceCommands::hardwareSearchHandshakeComesAfterTheWait()
{
    openSession(InterfaceBinary);
    QSignalSpy tried(session->controller->reader(), SIGNAL(displayTestBaudRate(int)));
    LoopLag lag;
    action("actionForceRestartHardware")->trigger();
    QVERIFY(QTest::qWaitFor([this] { return session->receiver.count(3, 0x00) > 0; }, 20000));
    const qint64 handshakeAt = lag.nowMs();
    QVERIFY2(handshakeAt >= 2150 && handshakeAt < 3000 + lag.lostSince(0), qPrintable(QString::number(handshakeAt)));
    QList<ScriptedReceiver::Command> commands = session->receiver.commands();
    QCOMPARE(commands.last().frame, hex("214e030004006f70656eba78"));
    // Found at once (the receiver answers everything): the busy window goes, one search ran.
    QTRY_VERIFY_WITH_TIMEOUT(!workspace->findChild<LoaderWidget *>(), 5000);
    int starts = 0;
    for (const QList<QVariant> &rate : tried)
        starts += rate.at(0).toInt() == -1 ? 1 : 0;
    QCOMPARE(starts, 1);
    QCOMPARE(session->receiver.count(3, 0x00), 1);
    QVERIFY(shell.boxes.isEmpty());
}

QTEST_MAIN(tst_WorkspaceCommands)
#include "tst_workspacecommands.moc"
