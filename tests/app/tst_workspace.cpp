// The workspace of a connected session, with a real Model and Controller on a socket to
// the scripted receiver: its frames and Windows menu, the layout kept in "settings.ini",
// the title with the user tag, the busy indicator of the baud-rate search, pause and
// continue, and the hidden keys of the service tools.
#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "baudrateservice.h"
#include "calibration.h"
#include "connectguard.h"
#include "controller.h"
#include "dbgbyte.h"
#include "eventdispatcher.h"
#include "framebuilders.h"
#include "loaderwidget.h"
#include "model.h"
#include "mymdisubwindow.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "rk2290settingswidget.h"
#include "russiancatalogue.h"
#include "shellfixture.h"
#include "windowfit.h"

namespace {

const char *const frameTitles[] = {"General Information", "SkyView", "Track", "Plot", "C/No", "Base line",
                                   "Message Log", "Map", "Course", "Debug log", "Coordinates"};
const char *const frameClasses[] = {"BaseInfoWidget", "SkyViewWidget", "TrackWidget", "PlotWidget", "SnrWidget",
                                    "BaseLineWidget", "NMEALogWidget", "MapWidget", "AxesWidget",
                                    "DebugLogWidget", "CoordinatesWidget"};

const QByteArray userTagRequest = QByteArray::fromHex("214e0344000047d8");
const QByteArray handshake = QByteArray::fromHex("214e030004006f70656eba78");

} // namespace

class tst_Workspace : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartShowsNoWindow();
    void tickingShowsAtTheCornerAndCloseOnlyHides();
    void everyWindowHasRoomInItsFrame();
    void layoutSurvivesARestartOfTheWorkspace();
    void userTagInTheTitle_data();
    void userTagInTheTitle();
    void savedTagReachesTheTitle();
    void autoDetectShowsTheBusyWindowAndAbortIsQuiet_data();
    void autoDetectShowsTheBusyWindowAndAbortIsQuiet();
    void secondStartWhileSearchingDoesNothing();
    void searchVerdictReachesTheWindows_data();
    void searchVerdictReachesTheWindows();
    void searchOverTheSocketFindsTheReceiver();
    void pauseAndContinueWithCtrlP();
    void hiddenKeysOpenTheTools_data();
    void hiddenKeysOpenTheTools();
    void calibrationRestartIsAHotRestart();
    void backgroundIsTiled();
    void russianTexts();

private:
    DisplayContainerWidget *open(bool autoDetect, InterfaceMode mode);
    QList<MyMdiSubWindow *> frames(DisplayContainerWidget *workspace);
    QList<QAction *> windowEntries(DisplayContainerWidget *workspace);
    QAction *action(const char *name);
    BaudRateService *service();
    void waitForTitle();
    bool activate();

    ShellFixture shell;
    std::unique_ptr<ReceiverSession> session;
    QPointer<DisplayContainerWidget> workspace;
};

void tst_Workspace::initTestCase()
{
    installConnectGuard();
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_Workspace::init()
{
    QVERIFY(shell.enter());
    session = std::make_unique<ReceiverSession>();
}

void tst_Workspace::cleanup()
{
    for (DisplayContainerWidget *open : workspaces())
        delete open;
    processDeferredDeletes();
    session.reset();
    shell.leave();
}

DisplayContainerWidget *tst_Workspace::open(bool autoDetect, InterfaceMode mode)
{
    if (!session->receiver.hasClient() && !session->open(mode))
        qFatal("no session");
    workspace = openWorkspace(*session, autoDetect, mode);
    return workspace;
}

QList<MyMdiSubWindow *> tst_Workspace::frames(DisplayContainerWidget *of)
{
    QList<MyMdiSubWindow *> list;
    for (QMdiSubWindow *window : of->findChild<QMdiArea *>(QStringLiteral("mdiArea"))->subWindowList(QMdiArea::CreationOrder))
        list.append(qobject_cast<MyMdiSubWindow *>(window));
    return list;
}

QList<QAction *> tst_Workspace::windowEntries(DisplayContainerWidget *of)
{
    return of->findChild<QMenu *>(QStringLiteral("menuWindow"))->actions();
}

QAction *tst_Workspace::action(const char *name)
{
    QAction *found = workspace->findChild<QAction *>(QLatin1String(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

BaudRateService *tst_Workspace::service()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (BaudRateService *found = qobject_cast<BaudRateService *>(widget))
            return found;
    }
    return nullptr;
}

void tst_Workspace::waitForTitle()
{
    // The session starts by asking for the user tag; the title changes with its answer.
    QTRY_VERIFY_WITH_TIMEOUT(workspace->windowTitle() != QStringLiteral("Polvane 5.4.2"), 5000);
}

bool tst_Workspace::activate()
{
    QApplication::setActiveWindow(workspace);
    return QTest::qWaitForWindowActive(workspace);
}

void tst_Workspace::firstStartShowsNoWindow()
{
    QVERIFY(!QFile::exists(QStringLiteral("settings.ini")));
    DisplayContainerWidget fresh;
    QCOMPARE(fresh.objectName(), QStringLiteral("DisplayContainerWidget"));
    // The form's size, or as much of it as the screen has room for.
    QCOMPARE(fresh.size(), QSize(1580, 1100).boundedTo(roomOnScreen(&fresh).size()));
    QCOMPARE(fresh.windowTitle(), QStringLiteral("Polvane 5.4.2"));

    QStringList menus;
    for (QAction *menu : fresh.findChild<QMenuBar *>(QStringLiteral("menubar"))->actions())
        menus << menu->text();
    QCOMPARE(menus, QStringList({"Connection", "Settings", "Windows"}));
    QVERIFY(!fresh.findChild<QMenu *>(QStringLiteral("menuSetBaudRate"))->menuAction()->isVisible());
    QVERIFY(!fresh.findChild<QAction *>(QStringLiteral("actionContinue"))->isVisible());
    QVERIFY(fresh.findChild<QAction *>(QStringLiteral("actionPause"))->isVisible());

    const QList<MyMdiSubWindow *> list = frames(&fresh);
    const QList<QAction *> entries = windowEntries(&fresh);
    QCOMPARE(list.size(), 11);
    QCOMPARE(entries.size(), 11);
    QMdiArea *area = fresh.findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(list[i]->windowTitle(), QLatin1String(frameTitles[i]));
        QCOMPARE(list[i]->widget()->metaObject()->className(), frameClasses[i]);
        QVERIFY(!list[i]->isVisibleTo(area));
        QCOMPARE(entries[i]->text(), QLatin1String(frameTitles[i]));
        QVERIFY(entries[i]->isCheckable());
        QVERIFY(!entries[i]->isChecked());
    }
}

// A frame takes its window's size, and more where the window's contents need more than
// the room left inside the frame's title bar and borders.
void tst_Workspace::everyWindowHasRoomInItsFrame()
{
    open(false, InterfaceNmea);
    for (MyMdiSubWindow *frame : frames(workspace)) {
        QWidget *window = frame->widget();
        frame->show();
        const QString name = QString::fromLatin1(window->metaObject()->className());
        QTRY_VERIFY2(frame->contentsRect().contains(window->geometry()), qPrintable(name));
        const QSize needed = window->minimumSizeHint();
        QVERIFY2(window->width() >= needed.width() && window->height() >= needed.height(), qPrintable(name));
    }
}

void tst_Workspace::tickingShowsAtTheCornerAndCloseOnlyHides()
{
    open(false, InterfaceNmea);
    QMdiArea *area = workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    MyMdiSubWindow *track = frames(workspace)[2];
    QAction *entry = windowEntries(workspace)[2];
    QCOMPARE(entry->text(), QStringLiteral("Track"));
    QPointer<QWidget> trackWidget = track->widget();

    entry->trigger();
    QVERIFY(entry->isChecked());
    QVERIFY(track->isVisible());
    QCOMPARE(track->pos(), QPoint(0, 0));

    track->move(200, 150);
    QVERIFY(!track->close());
    QVERIFY(!track->isVisible());
    QVERIFY(!entry->isChecked());
    processDeferredDeletes();
    QVERIFY(trackWidget);
    QCOMPARE(track->widget(), trackWidget.data());
    QVERIFY(area->subWindowList().contains(track));

    // Ticking a hidden window brings it back to the corner; unticking leaves it in place.
    entry->trigger();
    QVERIFY(track->isVisible());
    QCOMPARE(track->pos(), QPoint(0, 0));
    track->move(60, 40);
    entry->trigger();
    QVERIFY(!track->isVisible());
    QCOMPARE(track->pos(), QPoint(60, 40));
}

void tst_Workspace::layoutSurvivesARestartOfTheWorkspace()
{
    open(false, InterfaceNmea);
    // Within what the offscreen platform's screen of 800 x 600 has room for: a layout is
    // brought back as it was where it fits.
    workspace->resize(780, 540);
    windowEntries(workspace)[2]->trigger(); // Track
    windowEntries(workspace)[3]->trigger(); // Plot
    windowEntries(workspace)[6]->trigger(); // Message Log
    // No smaller than the window's contents need: a frame grows to that when shown.
    frames(workspace)[2]->setGeometry(QRect(QPoint(0, 20), QSize(420, 310).expandedTo(frames(workspace)[2]->minimumSizeHint())));
    frames(workspace)[3]->setGeometry(QRect(QPoint(300, 240), QSize(460, 260).expandedTo(frames(workspace)[3]->minimumSizeHint())));
    frames(workspace)[6]->close();
    const QRect trackGeometry = frames(workspace)[2]->geometry();
    const QRect plotGeometry = frames(workspace)[3]->geometry();
    delete workspace;

    {
        const QSettings settings(QStringLiteral("settings.ini"), QSettings::IniFormat);
        QVERIFY(settings.contains(QStringLiteral("Window/geometry")));
        for (int i = 0; i < 11; ++i) {
            QVERIFY(settings.contains(QStringLiteral("SubWindow/geometry_%1").arg(i)));
            QCOMPARE(settings.value(QStringLiteral("SubWindow/visibility_%1").arg(i)).toBool(), i == 2 || i == 3);
        }
    }

    open(false, InterfaceNmea);
    QCOMPARE(workspace->size(), QSize(780, 540));
    const QList<MyMdiSubWindow *> list = frames(workspace);
    const QList<QAction *> entries = windowEntries(workspace);
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(list[i]->isVisible(), i == 2 || i == 3);
        QCOMPARE(entries[i]->isChecked(), i == 2 || i == 3);
    }
    QCOMPARE(list[2]->geometry(), trackGeometry);
    QCOMPARE(list[3]->geometry(), plotGeometry);
}

void tst_Workspace::userTagInTheTitle_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("title");
    QTest::newRow("#BASE1") << hex("214e0002080023424153453100007a20")
                            << "Polvane 5.4.2 - 127.0.0.1 - #BASE1";
    QTest::newRow("#A") << ScriptedReceiver::data(QByteArray("#A\0\0\0\0\0\0", 8)).bytes
                        << "Polvane 5.4.2 - 127.0.0.1 - #A";
    QTest::newRow("A") << ScriptedReceiver::data(QByteArray("A\0\0\0\0\0\0\0", 8)).bytes
                       << "Polvane 5.4.2 - 127.0.0.1 - UNDEFINED";
    QTest::newRow("empty") << ScriptedReceiver::data(QByteArray(8, '\0')).bytes
                           << "Polvane 5.4.2 - 127.0.0.1 - UNDEFINED";
    QTest::newRow("refused") << ScriptedReceiver::refused().bytes << "Polvane 5.4.2 - 127.0.0.1 - UNDEFINED";
}

void tst_Workspace::userTagInTheTitle()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, title);
    session->receiver.answerAlways(3, 0x44, ScriptedReceiver::raw(answer));
    open(false, InterfaceBinary);
    QTRY_COMPARE_WITH_TIMEOUT(session->receiver.commands().size(), 1, 5000);
    QCOMPARE(session->receiver.commands().first().frame, userTagRequest);
    QTRY_COMPARE_WITH_TIMEOUT(workspace->windowTitle(), title, 5000);
}

void tst_Workspace::savedTagReachesTheTitle()
{
    session->receiver.answerAlways(3, 0x44, ScriptedReceiver::refused());
    open(false, InterfaceBinary);
    waitForTitle();
    session->controller->eventDispatcher()->setSettingTag(QStringLiteral("#ROVER2"));
    QCOMPARE(workspace->windowTitle(), QStringLiteral("Polvane 5.4.2 - 127.0.0.1 - #ROVER2"));
}

void tst_Workspace::autoDetectShowsTheBusyWindowAndAbortIsQuiet_data()
{
    QTest::addColumn<bool>("byCloseButton");
    QTest::newRow("Cancel") << false;
    QTest::newRow("title-bar close") << true;
}

void tst_Workspace::autoDetectShowsTheBusyWindowAndAbortIsQuiet()
{
    QFETCH(bool, byCloseButton);
    session->receiver.setFallback(ScriptedReceiver::done());
    open(true, InterfaceNmea);
    QPointer<LoaderWidget> loader = workspace->findChild<LoaderWidget *>();
    QVERIFY(loader);
    QVERIFY(loader->isVisible());
    QCOMPARE(loader->parentWidget(), static_cast<QWidget *>(workspace));
    QCOMPARE(loader->windowModality(), Qt::WindowModal);
    QCOMPARE(loader->windowFlags() & (Qt::Dialog | Qt::WindowCloseButtonHint), Qt::Dialog | Qt::WindowCloseButtonHint);
    QCOMPARE(int(session->model->interfaceMode()), 1);

    QSignalSpy verdict(session->controller->reader(), SIGNAL(displayBaudRateMaster(bool)));
    if (byCloseButton)
        loader->close();
    else
        loader->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    QVERIFY(!loader->isVisible());
    processDeferredDeletes();
    QVERIFY(!loader);
    QCOMPARE(verdict.count(), 1);
    QCOMPARE(verdict.first().at(0).toBool(), false);
    QVERIFY(shell.boxes.isEmpty());
    QCOMPARE(int(session->model->interfaceMode()), 1);

    // No user-tag request: a command queued now is the first to reach the receiver
    // after whatever the stopped search had already sent.
    action("actionFlashSaveSet_1")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(session->receiver.count(3, 0x42), 1, 5000);
    QCOMPARE(session->receiver.count(3, 0x44), 0);

    // "Auto connection" starts a new search.
    action("actionAutoDetect")->trigger();
    QVERIFY(workspace->findChild<LoaderWidget *>());
    QVERIFY(workspace->findChild<LoaderWidget *>()->isVisible());
}

void tst_Workspace::secondStartWhileSearchingDoesNothing()
{
    open(true, InterfaceBinary);
    QPointer<LoaderWidget> first = workspace->findChild<LoaderWidget *>();
    QVERIFY(first);
    action("actionAutoDetect")->trigger();
    action("actionAutoDetect")->trigger();
    QCOMPARE(workspace->findChildren<LoaderWidget *>().size(), 1);
    QCOMPARE(workspace->findChild<LoaderWidget *>(), first.data());

    // Cancel on the one busy window ends the search.
    first->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    processDeferredDeletes();
    QVERIFY(!first);
    QVERIFY(workspace->findChildren<LoaderWidget *>().isEmpty());
}

void tst_Workspace::searchVerdictReachesTheWindows_data()
{
    QTest::addColumn<bool>("found");
    QTest::newRow("found") << true;
    QTest::newRow("not found") << false;
}

void tst_Workspace::searchVerdictReachesTheWindows()
{
    QFETCH(bool, found);
    session->receiver.answerAlways(3, 0x44, ScriptedReceiver::data(QByteArray("#BASE1\0\0", 8)));
    open(true, InterfaceNmea);
    QPointer<LoaderWidget> loader = workspace->findChild<LoaderWidget *>();
    QVERIFY(loader);
    // What follows is played by the test in the search's place.
    BaudRateService *search = service();
    QVERIFY(search);
    search->stopSearch();

    QSignalSpy tried(session->controller->reader(), SIGNAL(displayTestBaudRate(int)));
    QSignalSpy verdict(session->controller->reader(), SIGNAL(displayBaudRateMaster(bool)));
    QVERIFY(QMetaObject::invokeMethod(search, "displayTestBaudRate", Q_ARG(int, -1)));
    QVERIFY(QMetaObject::invokeMethod(search, "displayTestBaudRate", Q_ARG(int, 115200)));
    QCOMPARE(tried.count(), 2);
    QCOMPARE(tried.at(0).at(0).toInt(), -1);
    QCOMPARE(tried.at(1).at(0).toInt(), 115200);

    session->receiver.clearRecord();
    QVERIFY(QMetaObject::invokeMethod(search, "finishFoundBaudRateMaster", Q_ARG(bool, found)));
    QVERIFY(!loader || !loader->isVisible());
    processDeferredDeletes();
    QVERIFY(!loader);
    QCOMPARE(verdict.count(), 1);
    QCOMPARE(verdict.first().at(0).toBool(), found);
    QVERIFY(workspace->findChild<QMenuBar *>(QStringLiteral("menubar"))->isEnabled());
    if (found) {
        QVERIFY(shell.boxes.isEmpty());
    } else {
        QCOMPARE(shell.boxes.size(), 1);
        QCOMPARE(shell.boxes.first().icon, QMessageBox::Information);
        QCOMPARE(shell.boxes.first().title, QStringLiteral("Information"));
        QCOMPARE(shell.boxes.first().text, QStringLiteral("Check connection settings."));
        QCOMPARE(shell.boxes.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    // Either way the tag is asked for and the model stays binary.
    QTRY_COMPARE_WITH_TIMEOUT(workspace->windowTitle(), QStringLiteral("Polvane 5.4.2 - 127.0.0.1 - #BASE1"), 5000);
    QVERIFY(session->receiver.count(3, 0x44) >= 1);
    QCOMPARE(int(session->model->interfaceMode()), 1);
}

void tst_Workspace::searchOverTheSocketFindsTheReceiver()
{
    session->receiver.answerAlways(3, 0x00, ScriptedReceiver::done());
    session->receiver.answerAlways(3, 0x01, ScriptedReceiver::done());
    session->receiver.answerAlways(3, 0x44, ScriptedReceiver::data(QByteArray("#BASE1\0\0", 8)));
    QVERIFY(session->open(InterfaceNmea));
    QSignalSpy tried(session->controller->reader(), SIGNAL(displayTestBaudRate(int)));
    QSignalSpy verdict(session->controller->reader(), SIGNAL(displayBaudRateMaster(bool)));
    open(true, InterfaceNmea);

    // On a socket the search only stops and restarts the link, then asks.
    QVERIFY(QTest::qWaitFor([this] { return session->receiver.count(3, 0x00) > 0; }, 10000));
    QCOMPARE(session->receiver.commands().first().frame, handshake);
    QTRY_VERIFY_WITH_TIMEOUT(!workspace->findChild<LoaderWidget *>(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(workspace->windowTitle(), QStringLiteral("Polvane 5.4.2 - 127.0.0.1 - #BASE1"), 5000);
    QCOMPARE(verdict.count(), 1);
    QCOMPARE(verdict.first().at(0).toBool(), true);
    QVERIFY(tried.count() >= 2);
    QCOMPARE(tried.first().at(0).toInt(), -1);
    QCOMPARE(tried.at(1).at(0).toInt(), 115200);
    QVERIFY(shell.boxes.isEmpty());
}

void tst_Workspace::pauseAndContinueWithCtrlP()
{
    session->receiver.setFallback(ScriptedReceiver::done());
    open(false, InterfaceNmea);
    waitForTitle();
    QVERIFY(activate());
    QMenu *settings = workspace->findChild<QMenu *>(QStringLiteral("menuSettings"));
    iReader *link = session->controller->reader()->findChild<iReader *>();
    QVERIFY(link);
    QSignalSpy arrived(link, SIGNAL(dataRead(QByteArray)));
    QSignalSpy shown(session->controller->parser(), SIGNAL(displayData(QByteArray)));

    QTest::keyClick(workspace, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(action("actionContinue")->isVisible());
    QVERIFY(!action("actionPause")->isVisible());
    QVERIFY(!settings->isEnabled());
    for (QAction *entry : settings->findChildren<QAction *>())
        QVERIFY2(!entry->isEnabled() || entry->isSeparator(), qPrintable(entry->objectName()));
    QVERIFY(!action("actionForceRestartHot")->isEnabled());

    // Paused: the link reads, nothing reaches the windows, and no settings key acts.
    const QByteArray line = nmeaLine("GPGGA,120000.00,5546.95,N,03737.10,E,1,08,0.9,150.0,M,14.0,M,,");
    session->send(line);
    QTRY_VERIFY_WITH_TIMEOUT(!arrived.isEmpty(), 5000);
    QVERIFY(shown.isEmpty());
    QTest::keyClick(workspace, Qt::Key_H, Qt::AltModifier);

    QTest::keyClick(workspace, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(!action("actionContinue")->isVisible());
    QVERIFY(action("actionPause")->isVisible());
    QVERIFY(settings->isEnabled());
    QVERIFY(action("actionForceRestartHot")->isEnabled());
    session->send(line);
    QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 5000);

    // Running again, Alt+H restarts; the one hot restart on the wire is this one (the
    // queue is in order, so anything the paused key had queued would be there already).
    QTest::keyClick(workspace, Qt::Key_H, Qt::AltModifier);
    action("actionFlashSaveSet_1")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(session->receiver.count(3, 0x42), 1, 5000);
    QCOMPARE(session->receiver.count(7, 0x80), 1);
    const QList<ScriptedReceiver::Command> commands = session->receiver.commands();
    QCOMPARE(commands.at(commands.size() - 2).frame, hex("214e07800100018929"));
}

void tst_Workspace::hiddenKeysOpenTheTools_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("flags");
    const int closeOnly = int(Qt::Dialog | Qt::WindowCloseButtonHint);
    QTest::newRow("Shift+D") << int(Qt::Key_D) << "DBGByte" << closeOnly;
    QTest::newRow("Shift+S") << int(Qt::Key_S) << "RK2290SettingsWidget" << closeOnly;
    QTest::newRow("Shift+C") << int(Qt::Key_C) << "Calibration"
                             << int(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                    | Qt::WindowCloseButtonHint);
}

void tst_Workspace::hiddenKeysOpenTheTools()
{
    QFETCH(int, key);
    QFETCH(QString, tool);
    QFETCH(int, flags);
    session->receiver.setFallback(ScriptedReceiver::done());
    open(false, InterfaceBinary);
    auto tools = [this, &tool] {
        QList<QWidget *> found;
        for (QWidget *child : workspace->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (QLatin1String(child->metaObject()->className()) == tool)
                found.append(child);
        }
        return found;
    };
    QVERIFY(tools().isEmpty());
    QTest::keyClick(workspace, Qt::Key(key), Qt::ShiftModifier);
    QCOMPARE(tools().size(), 1);
    QWidget *window = tools().first();
    QVERIFY(window->isWindow());
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowModality(), Qt::WindowModal);
    QCOMPARE(int(window->windowFlags() & (Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                          | Qt::WindowCloseButtonHint)),
             flags);
    QVERIFY(shell.boxes.isEmpty());

    // Every press makes a new window; a closed one stays the workspace's child.
    window->close();
    QTest::keyClick(workspace, Qt::Key(key), Qt::ShiftModifier);
    QCOMPARE(tools().size(), 2);
    // Other keys with Shift do nothing.
    const int children = workspace->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size();
    QTest::keyClick(workspace, Qt::Key_X, Qt::ShiftModifier);
    QCOMPARE(workspace->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(), children);
}

void tst_Workspace::calibrationRestartIsAHotRestart()
{
    // The receiver has a current calibration table, so "Save && Restart" has a table to
    // write; the write is acknowledged and the workspace answers with a hot restart.
    QByteArray table(336, '\0');
    table[0] = char(0x00);
    table[3] = char(0x3f); // entry 0: value 0.5
    table[8] = 1;          // entry 0: valid
    session->receiver.answerAlways(3, 0x44, ScriptedReceiver::refused());
    session->receiver.answerAlways(5, 0x03, ScriptedReceiver::data(table));
    session->receiver.setFallback(ScriptedReceiver::done());
    open(false, InterfaceBinary);
    waitForTitle();
    QTest::keyClick(workspace, Qt::Key_C, Qt::ShiftModifier);
    Calibration *calibration = workspace->findChild<Calibration *>();
    QVERIFY(calibration);
    QCOMPARE(calibration->windowTitle(), QStringLiteral("Calibration"));
    // The table has reached the window once it shows it.
    QTRY_COMPARE_WITH_TIMEOUT(calibration->findChild<QLineEdit *>(QStringLiteral("editCombL1Value_0"))->text(),
                              QStringLiteral("0.500"), 5000);
    session->receiver.clearRecord();
    QPushButton *save = calibration->findChild<QPushButton *>(QStringLiteral("btnSaveRestart"));
    QVERIFY(save);
    save->click();
    QTRY_COMPARE_WITH_TIMEOUT(session->receiver.count(7, 0x80), 1, 5000);
    const QList<ScriptedReceiver::Command> commands = session->receiver.commands();
    QCOMPARE(commands.first().group, quint8(5));
    QCOMPARE(commands.first().subId, quint8(0x84));
    QCOMPARE(commands.at(1).frame, hex("214e07800100018929"));
}

void tst_Workspace::backgroundIsTiled()
{
    open(false, InterfaceNmea);
    QVERIFY(QTest::qWaitForWindowExposed(workspace));
    workspace->resize(1000, 700);
    QMdiArea *area = workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    QTRY_COMPARE_WITH_TIMEOUT(area->background().texture().size(), QSize(203, 204), 5000);
    const QImage tile(QStringLiteral(":/background/logo_Zorbel_bg.png"));
    QCOMPARE(area->background().texture().toImage().convertToFormat(QImage::Format_RGB32),
             tile.convertToFormat(QImage::Format_RGB32));
}

void tst_Workspace::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    {
        DisplayContainerWidget fresh;
        QStringList menus;
        for (QAction *menu : fresh.findChild<QMenuBar *>(QStringLiteral("menubar"))->actions())
            menus << menu->text();
        QCOMPARE(menus, QStringList({QString::fromUtf8("Подключение"), QString::fromUtf8("Настройки"),
                                     QString::fromUtf8("Окна")}));
        QCOMPARE(frames(&fresh).first()->windowTitle(), QString::fromUtf8("Общая информация"));
        QCOMPARE(windowEntries(&fresh).at(4)->text(), QString::fromUtf8("С/Ш"));
        QCOMPARE(fresh.findChild<QAction *>(QStringLiteral("actionForceRestartHardware"))->text(),
                 QString::fromUtf8("Аппаратный"));
    }
    // The buttons of the shell's boxes follow the program's language too.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8("&Да"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Отмена"));
    russian.remove();
}

QTEST_MAIN(tst_Workspace)
#include "tst_workspace.moc"
