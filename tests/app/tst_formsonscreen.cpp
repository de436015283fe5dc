// Every top-level window, dialog and tool as the program opens it on the screen it runs
// on, in English and in Russian: its frame lies inside the screen's available area and
// every visible control can be brought into view, inside its window or by a scroll area
// that scrolls to it. CTest runs the program under Xvfb on screens of 1920x1200,
// 1366x768, 1280x800, 1024x600 and 1280x680 (a 1280x720 laptop less a 40-pixel panel;
// the offscreen platform has one screen of 800x600 only); the
// run on the large screen also leaves a layout, saved there under a window manager with
// the workspace maximized, that every run restores with and without one. Screenshots:
// screenshots/<window>_<width>x<height>_<language>.png, and of the layout
// screenshots/workspace_{saved,restored,unmaximized}_<width>x<height>[_openbox[_refusing]].png.

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <iterator>
#include <memory>

#include "boxrecorder.h"
#include "calibration.h"
#include "connectguard.h"
#include "dbgbyte.h"
#include "displaysettingswidget.h"
#include "languagecatalogues.h"
#include "mainwindow.h"
#include "pagesession.h"
#include "rk2290settingswidget.h"
#include "settlewindow.h"
#include "settingscontainerwidget.h"
#include "settingsdialogs.h"
#include "shellfixture.h"
#include "tooldialogs.h"
#include "trackwidget.h"
#include "windowdialogs.h"
#include "windowfit.h"
#include "windowreach.h"
#include "tst_formsonscreen_reach.h"
#include "../windows/webkitleaks.h"

namespace {

QString screenName()
{
    const QSize size = QGuiApplication::primaryScreen()->size();
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QList<QMdiSubWindow *> frames(QWidget *workspace)
{
    return workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"))->subWindowList(QMdiArea::CreationOrder);
}

QList<QAction *> windowEntries(QWidget *workspace)
{
    return workspace->findChild<QMenu *>(QStringLiteral("menuWindow"))->actions();
}

// The layout a user leaves on the large screen with the workspace maximized: Sky View and
// C/No in the right part, Coordinates below General Information, and the message log,
// first put at the lower right, maximized over them. Much of it lies outside the area of
// the workspace before it is maximized, and outside the areas of the smaller screens.
struct PlacedWindow {
    int index;
    QRect geometry;
};
const PlacedWindow wideLayout[] = {
    {0, QRect(0, 0, 1120, 509)},
    {1, QRect(1130, 0, 788, 560)},
    {4, QRect(1130, 572, 788, 585)},
    {10, QRect(0, 519, 1120, 638)},
    {6, QRect(1300, 650, 600, 420)},
};
const int maximizedWindow = 6;

QRect savedGeometry(int index)
{
    for (const PlacedWindow &window : wideLayout) {
        if (window.index == index)
            return window.geometry;
    }
    return QRect();
}

QString shortRect(const QRect &rect)
{
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// The window manager has given the window the whole of the screen's available area, and
// the window has taken it.
bool coversAvailableArea(QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle && window->geometry().marginsAdded(handle->frameMargins()).contains(window->screen()->availableGeometry());
}

template <class T>
T *openedTool(QWidget *workspace)
{
    T *tool = workspace->findChild<T *>();
    return tool && tool->isVisible() ? tool : nullptr;
}

} // namespace

class tst_FormsOnScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowFits_data();
    void windowFits();
    void writeWideLayout();
    void restoredLayoutFits_data();
    void restoredLayoutFits();
    void mainWindowTallerThanScreen();

private:
    // Starts openbox on the test's screen and waits until it manages the screen; one that
    // refuses to maximize any window when maximizing is false.
    bool startWindowManager(bool maximizing = true);
    void stopWindowManager();
    DisplayContainerWidget *openWorkspace();
    // Opens the window of the row the way a user does and returns it.
    QWidget *open(const QString &window);
    // The shown monitor windows that a click at their centre does not reach once each is
    // brought to the front.
    QStringList shownWindowsInReach(const QString &what);
    // Fails with every fault found once the window's layout has settled.
    void checkReachable(QWidget *window, const QString &what);

    ShellFixture shell;
    // The scripted receiver refuses what it does not know; the boxes that say so are
    // answered, not waited on.
    BoxRecorder<WindowDialogs> windowBoxes;
    BoxRecorder<SettingsDialogs> settingsBoxes;
    BoxRecorder<ToolDialogs> toolBoxes;
    std::unique_ptr<PageSession> session;
    std::unique_ptr<LanguageCatalogues> russian;
    std::unique_ptr<MainWindow> mainWindow;
    QPointer<DisplayContainerWidget> workspace;
    std::unique_ptr<QProcess> windowManager;
};

void tst_FormsOnScreen::initTestCase()
{
    installConnectGuard();
    QApplication::setQuitOnLastWindowClosed(false);
    windowBoxes.recordBoxes();
    settingsBoxes.recordBoxes();
    toolBoxes.recordBoxes();
}

void tst_FormsOnScreen::init()
{
    QVERIFY(shell.enter());
    session = std::make_unique<PageSession>();
    QVERIFY(session->open());
}

void tst_FormsOnScreen::cleanup()
{
    delete workspace;
    mainWindow.reset();
    processDeferredDeletes();
    stopWindowManager();
    session.reset();
    russian.reset();
    shell.leave();
}

DisplayContainerWidget *tst_FormsOnScreen::openWorkspace()
{
    workspace = ::openWorkspace(*session, false, InterfaceBinary, QStringLiteral("COM3"));
    return workspace;
}

bool tst_FormsOnScreen::startWindowManager(bool maximizing)
{
    // Openbox runs its startup command once it manages the screen.
    const QString ready = shell.path() + QStringLiteral("/window-manager-ready");
    QStringList arguments{QStringLiteral("--sm-disable"), QStringLiteral("--startup"), QStringLiteral("touch ") + ready};
    if (!maximizing) {
        const QString config = shell.path() + QStringLiteral("/openbox-rc.xml");
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
                   "  <applications>\n"
                   "    <application class=\"*\"><maximized>no</maximized></application>\n"
                   "  </applications>\n"
                   "</openbox_config>\n");
        file.close();
        arguments << QStringLiteral("--config-file") << config;
    }
    windowManager = std::make_unique<QProcess>();
    windowManager->setProcessChannelMode(QProcess::ForwardedChannels);
    windowManager->start(QStringLiteral("openbox"), arguments);
    if (!windowManager->waitForStarted(10000))
        return false;
    return QTest::qWaitFor([&] { return QFile::exists(ready); }, 10000);
}

void tst_FormsOnScreen::stopWindowManager()
{
    if (!windowManager)
        return;
    windowManager->terminate();
    if (!windowManager->waitForFinished(10000)) {
        windowManager->kill();
        windowManager->waitForFinished(10000);
    }
    windowManager.reset();
}

QWidget *tst_FormsOnScreen::open(const QString &window)
{
    if (window == QLatin1String("connection")) {
        mainWindow = std::make_unique<MainWindow>();
        if (russian)
            mainWindow->switchTranslator(QLocale(QLocale::Russian, QLocale::Russia));
        mainWindow->show();
        return mainWindow.get();
    }
    openWorkspace();
    // Its monitor windows are ticked once it is on screen (openEveryWindowInTurn).
    if (window == QLatin1String("workspace"))
        return workspace;
    if (window == QLatin1String("settings")) {
        workspace->findChild<QAction *>(QStringLiteral("actionSettings"))->trigger();
        return openedTool<SettingsContainerWidget>(workspace);
    }
    if (window == QLatin1String("displaysettings")) {
        windowEntries(workspace).at(2)->trigger();
        frames(workspace).at(2)->widget()->findChild<QPushButton *>(QStringLiteral("btnProperties"))->click();
        return openedTool<DisplaySettingsWidget>(workspace);
    }
    // The service tools: Shift+D, Shift+S, Shift+C.
    if (window == QLatin1String("dbgbyte")) {
        QTest::keyClick(workspace, Qt::Key_D, Qt::ShiftModifier);
        return openedTool<DBGByte>(workspace);
    }
    if (window == QLatin1String("rk2290settingswidget")) {
        QTest::keyClick(workspace, Qt::Key_S, Qt::ShiftModifier);
        return openedTool<RK2290SettingsWidget>(workspace);
    }
    QTest::keyClick(workspace, Qt::Key_C, Qt::ShiftModifier);
    return openedTool<Calibration>(workspace);
}

void tst_FormsOnScreen::checkReachable(QWidget *window, const QString &what)
{
    QStringList faults;
    const bool reachable = QTest::qWaitFor(
        [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            faults = unreachableControls(window);
            return faults.isEmpty();
        },
        3000);
    for (const QString &fault : qAsConst(faults))
        qWarning("%s: %s", qPrintable(what), qPrintable(fault));
    QVERIFY2(reachable, qPrintable(QStringLiteral("%1: %2 faults (listed above)").arg(what).arg(faults.size())));
}

QStringList tst_FormsOnScreen::shownWindowsInReach(const QString &what)
{
    // Each shown window brought to the front, as a click on it does.
    QMdiArea *area = workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    QStringList faults;
    int shown = 0;
    for (QMdiSubWindow *frame : frames(workspace)) {
        if (!frame->isVisible())
            continue;
        ++shown;
        area->setActiveSubWindow(frame);
        const QString fault = reachedOrWhy(frame);
        if (!fault.isEmpty())
            faults << frame->windowTitle() + QStringLiteral(": ") + fault;
    }
    qInfo("%s: %lld of %d shown windows reached at their centre", qPrintable(what), qint64(shown - faults.size()),
          shown);
    return faults;
}

void tst_FormsOnScreen::windowFits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "ru"}) {
        for (const char *window : {"connection", "workspace", "settings", "displaysettings", "dbgbyte",
                                   "rk2290settingswidget", "calibration"})
            QTest::addRow("%s_%s", window, language) << QString::fromLatin1(window) << QString::fromLatin1(language);
    }
}

void tst_FormsOnScreen::windowFits()
{
    QFETCH(QString, window);
    QFETCH(QString, language);
    if (language == QLatin1String("ru")) {
        russian = std::make_unique<LanguageCatalogues>();
        russian->switchTo(QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(russian->ownFound());
    }
    QWidget *opened = open(window);
    QVERIFY(opened);
    QVERIFY(settleWindow(opened));
    const QString what = QStringLiteral("%1_%2").arg(window, language);
    qInfo("%s opens at %dx%d", qPrintable(what), opened->width(), opened->height());
    QStringList unreached;
    if (window == QLatin1String("workspace")) {
        unreached = openEveryWindowInTurn(opened);
        QVERIFY(settleWindow(opened));
    }
    QVERIFY(opened->grab().save(screenshotPath(QStringLiteral("%1_%2_%3.png").arg(window, screenName(), language))));
    QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join(QStringLiteral("; "))));
    if (window != QLatin1String("settings")) {
        checkReachable(opened, what);
        return;
    }
    // Every page of the settings dialog in turn.
    QWidget *selectors = opened->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents"));
    QVERIFY(selectors);
    for (QRadioButton *selector : selectors->findChildren<QRadioButton *>()) {
        selector->click();
        QTRY_VERIFY(selector->isChecked());
        QVERIFY(settleWindow(opened));
        checkReachable(opened, QStringLiteral("%1 %2").arg(what, selector->objectName()));
    }
}

void tst_FormsOnScreen::writeWideLayout()
{
    const QString layout = qEnvironmentVariable("POLVANE_WIDE_LAYOUT");
    const QSize screen = QGuiApplication::primaryScreen()->size();
    if (layout.isEmpty() || screen.width() < 1920 || screen.height() < 1200)
        QSKIP("The layout is written on a screen of 1920x1200");
    // On a desktop, as users keep it: the window manager maximizes the workspace when it
    // is asked to, after the program has gone on.
    QVERIFY2(startWindowManager(), "openbox did not start");
    openWorkspace();
    workspace->showMaximized();
    QTRY_VERIFY_WITH_TIMEOUT(coversAvailableArea(workspace), 10000);
    QVERIFY(settleWindow(workspace));
    // The user spreads the windows over the large screen, then maximizes the message log,
    // as a double click on its title does.
    const QList<QAction *> entries = windowEntries(workspace);
    const QList<QMdiSubWindow *> list = frames(workspace);
    for (const PlacedWindow &window : wideLayout) {
        entries[window.index]->trigger();
        list[window.index]->setGeometry(window.geometry);
    }
    list[maximizedWindow]->showMaximized();
    QVERIFY(settleWindow(workspace));
    QVERIFY(workspace->grab().save(screenshotPath(QStringLiteral("workspace_saved_%1.png").arg(screenName()))));
    // Every window was placed inside the maximized area.
    const QRect area = workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"))->viewport()->rect();
    for (const PlacedWindow &window : wideLayout)
        QVERIFY2(area.contains(window.geometry), qPrintable(shortRect(area)));
    // The workspace writes its layout when it goes.
    delete workspace;
    QFile::remove(layout);
    QVERIFY(QFile::copy(QStringLiteral("settings.ini"), layout));
}

void tst_FormsOnScreen::restoredLayoutFits_data()
{
    QTest::addColumn<bool>("underWindowManager");
    QTest::addColumn<bool>("maximizing");
    QTest::newRow("no window manager") << false << true;
    QTest::newRow("openbox") << true << true;
    QTest::newRow("openbox that never maximizes") << true << false;
}

void tst_FormsOnScreen::restoredLayoutFits()
{
    QFETCH(bool, underWindowManager);
    QFETCH(bool, maximizing);
    const QString layout = qEnvironmentVariable("POLVANE_WIDE_LAYOUT");
    if (layout.isEmpty())
        QSKIP("The layout written on the large screen is restored on each screen");
    QVERIFY2(QFile::copy(layout, QStringLiteral("settings.ini")), qPrintable(layout));
    if (underWindowManager)
        QVERIFY2(startWindowManager(maximizing), "openbox did not start");
    openWorkspace();
    // A window manager maximizes the workspace, or says it will not, once it has been
    // mapped; without one the state is the program's alone.
    if (underWindowManager && maximizing)
        QTRY_VERIFY_WITH_TIMEOUT(coversAvailableArea(workspace), 10000);
    else if (underWindowManager)
        QTRY_VERIFY_WITH_TIMEOUT(!workspace->isMaximized(), 10000);
    QVERIFY(settleWindow(workspace));
    const QString suffix = !underWindowManager ? QString()
                           : maximizing        ? QStringLiteral("_openbox")
                                               : QStringLiteral("_openbox_refusing");
    QVERIFY(workspace->grab().save(
        screenshotPath(QStringLiteral("workspace_restored_%1%2.png").arg(screenName(), suffix))));
    // What the screen shows there is the maximized window.
    QStringList unreached;
    QMdiSubWindow *maximizedFrame = frames(workspace).at(maximizedWindow);
    const QString overMaximized = notReachedAtCentre(maximizedFrame);
    if (!overMaximized.isEmpty())
        unreached << maximizedFrame->windowTitle() + QStringLiteral(" (maximized): ") + overMaximized;

    // Every shown window lies inside the area that shows it: whole where it fits, its
    // top-left corner at least where it does not; one that the area holds where it was
    // saved is where it was saved, and one moved in is moved no further than to the
    // area's edge, or to its top or left where the window is the longer.
    QMdiArea *area = workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    const QRect shown = area->viewport()->rect();
    // The area is all there on the screen: none of it lies past the workspace's edge or
    // under a scroll area's.
    QCOMPARE(shownPart(area->viewport()), shown);
    const QList<QMdiSubWindow *> list = frames(workspace);
    int visible = 0;
    QStringList faults;
    for (int i = 0; i < list.size(); ++i) {
        QMdiSubWindow *frame = list[i];
        if (!frame->isVisible() || i == maximizedWindow)
            continue;
        ++visible;
        const QRect at = frame->geometry();
        const QRect saved = savedGeometry(i);
        qInfo("%s: saved %s, restored %s, area %dx%d", qPrintable(frame->windowTitle()), qPrintable(shortRect(saved)),
              qPrintable(shortRect(at)), shown.width(), shown.height());
        const bool fits = at.width() <= shown.width() && at.height() <= shown.height();
        if (fits ? !shown.contains(at) : !shown.contains(at.topLeft()))
            faults << frame->windowTitle() + QStringLiteral(" out of sight");
        else if (shown.contains(saved) && at != saved)
            faults << frame->windowTitle() + QStringLiteral(" moved from where it was saved");
        // One longer than the area along a side goes to the area's start on that side.
        else if ((at.x() < saved.x() && at.right() != shown.right() && !(at.width() > shown.width() && at.x() == 0))
                 || (at.y() < saved.y() && at.bottom() != shown.bottom()
                     && !(at.height() > shown.height() && at.y() == 0)))
            faults << frame->windowTitle() + QStringLiteral(" moved further in than the area needs");
    }
    QCOMPARE(workspace->isMaximized(), maximizing);
    const QRect available = workspace->screen()->availableGeometry();
    QVERIFY2(available.contains(workspace->frameGeometry()), "the workspace's frame leaves the screen");
    QCOMPARE(visible, int(std::size(wideLayout)) - 1);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));

    // The maximized window comes back maximized, and Restore gives back the window it was
    // before: where it was when the area holds it, moved inside the area where not.
    QMdiSubWindow *maximized = list.at(maximizedWindow);
    QVERIFY(maximized->isMaximized());
    maximized->showNormal();
    QVERIFY(settleWindow(workspace));
    const QRect before = savedGeometry(maximizedWindow);
    qInfo("%s (maximized): saved %s, restored %s, area %dx%d", qPrintable(maximized->windowTitle()),
          qPrintable(shortRect(before)), qPrintable(shortRect(maximized->geometry())), shown.width(), shown.height());
    QVERIFY(workspace->grab().save(
        screenshotPath(QStringLiteral("workspace_unmaximized_%1%2.png").arg(screenName(), suffix))));
    QCOMPARE(maximized->size(), before.size());
    QVERIFY2(shown.contains(maximized->geometry()), "the restored window leaves the area");
    if (shown.contains(before))
        QCOMPARE(maximized->geometry(), before);
    unreached += shownWindowsInReach(QStringLiteral("restored layout") + suffix);
    QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join(QStringLiteral("; "))));
}

// A main window whose form is taller than any screen it opens on, fitted as the program's
// windows are: its menus stay where the screen shows them, and its form scrolls to every
// control beneath them.
void tst_FormsOnScreen::mainWindowTallerThanScreen()
{
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Connection"));
    auto *form = new QWidget;
    auto *rows = new QVBoxLayout(form);
    const int height = QGuiApplication::primaryScreen()->availableGeometry().height() + 200;
    for (int y = 0; y < height; y += 40) {
        auto *button = new QPushButton(QStringLiteral("Row %1").arg(y / 40));
        button->setMinimumHeight(32);
        rows->addWidget(button);
    }
    window.setCentralWidget(form);
    fitIntoScreen(&window);
    window.show();
    QVERIFY(settleWindow(&window));
    QVERIFY(window.grab().save(screenshotPath(QStringLiteral("tall_main_window_%1.png").arg(screenName()))));
    QMenuBar *menus = window.menuBar();
    const QPoint menusCentre = menus->mapToGlobal(menus->rect().center());
    QCOMPARE(QApplication::widgetAt(menusCentre), menus);
    QVERIFY(form->isVisible());
    checkReachable(&window, QStringLiteral("tall main window"));
}

QTEST_MAIN(tst_FormsOnScreen)
#include "tst_formsonscreen.moc"
