// Every top-level window, dialog and tool as the program opens it on the screen it runs
// on, in English and in Russian: its frame lies inside the screen's available area and
// every visible control can be brought into view, inside its window or by a scroll area
// that scrolls to it. CTest runs the program under Xvfb on screens of 1920x1200,
// 1366x768 and 1280x800 (the offscreen platform has one screen of 800x600 only); the
// run on the large screen also leaves a layout, saved there with the workspace
// maximized, that every run restores. Screenshots:
// screenshots/<window>_<width>x<height>_<language>.png.

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include <functional>
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

// "General Information" as the user placed it before maximizing it in the workspace:
// partly outside the areas of the smaller screens.
const QRect beforeMaximized(1000, 600, 560, 400);

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
    void restoredLayoutFits();

private:
    DisplayContainerWidget *openWorkspace();
    // Opens the window of the row the way a user does and returns it.
    QWidget *open(const QString &window);
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
    session.reset();
    russian.reset();
    shell.leave();
}

DisplayContainerWidget *tst_FormsOnScreen::openWorkspace()
{
    workspace = ::openWorkspace(*session, false, InterfaceBinary, QStringLiteral("COM3"));
    return workspace;
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
    if (window == QLatin1String("workspace")) {
        // Every monitor window ticked in the Windows menu.
        for (QAction *entry : windowEntries(workspace))
            entry->trigger();
        return workspace;
    }
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
    QVERIFY(opened->grab().save(screenshotPath(QStringLiteral("%1_%2_%3.png").arg(window, screenName(), language))));
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
    // The user maximizes the workspace and spreads the windows over the large screen:
    // logs and course at the right, the message log at the bottom.
    openWorkspace();
    workspace->showMaximized();
    QVERIFY(settleWindow(workspace));
    const struct {
        int index;
        QRect geometry;
    } placed[] = {
        {0, QRect(0, 0, 480, 560)},     {1, QRect(490, 0, 430, 430)},   {2, QRect(0, 570, 480, 420)},
        {6, QRect(490, 800, 900, 280)}, {7, QRect(1060, 300, 500, 420)}, {8, QRect(1130, 0, 440, 300)},
        {9, QRect(930, 440, 620, 350)},
    };
    const QList<QAction *> entries = windowEntries(workspace);
    const QList<QMdiSubWindow *> list = frames(workspace);
    for (const auto &window : placed) {
        entries[window.index]->trigger();
        list[window.index]->setGeometry(window.geometry);
    }
    // Then moves "General Information" and maximizes it, as a double click on its title does.
    list[0]->setGeometry(beforeMaximized);
    list[0]->showMaximized();
    QVERIFY(settleWindow(workspace));
    QVERIFY(workspace->grab().save(screenshotPath(QStringLiteral("workspace_saved_%1.png").arg(screenName()))));
    // The workspace writes its layout when it goes.
    delete workspace;
    QFile::remove(layout);
    QVERIFY(QFile::copy(QStringLiteral("settings.ini"), layout));
}

void tst_FormsOnScreen::restoredLayoutFits()
{
    const QString layout = qEnvironmentVariable("POLVANE_WIDE_LAYOUT");
    if (layout.isEmpty())
        QSKIP("The layout written on the large screen is restored on each screen");
    QVERIFY2(QFile::copy(layout, QStringLiteral("settings.ini")), qPrintable(layout));
    openWorkspace();
    QVERIFY(settleWindow(workspace));
    QVERIFY(workspace->grab().save(screenshotPath(QStringLiteral("workspace_restored_%1.png").arg(screenName()))));

    // Every shown window lies inside the area that shows it: whole where it fits, its
    // top-left corner at least where it does not.
    QMdiArea *area = workspace->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    const QRect shown = area->viewport()->rect();
    int visible = 0;
    QStringList faults;
    for (QMdiSubWindow *frame : frames(workspace)) {
        if (!frame->isVisible())
            continue;
        ++visible;
        const QRect at = frame->geometry();
        const bool fits = at.width() <= shown.width() && at.height() <= shown.height();
        if (fits ? !shown.contains(at) : !shown.contains(at.topLeft()))
            faults << frame->windowTitle();
    }
    QVERIFY(workspace->isMaximized());
    const QRect available = workspace->screen()->availableGeometry();
    QVERIFY2(available.contains(workspace->frameGeometry()), "the workspace's frame leaves the screen");
    QCOMPARE(visible, 7);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", ")) + QStringLiteral(" out of sight")));

    // The maximized window comes back maximized, and Restore gives back the window it was
    // before: where it was on the same screen, moved inside the area on a smaller one.
    QMdiSubWindow *maximized = frames(workspace).at(0);
    QVERIFY(maximized->isMaximized());
    maximized->showNormal();
    QVERIFY(settleWindow(workspace));
    QVERIFY(workspace->grab().save(screenshotPath(QStringLiteral("workspace_unmaximized_%1.png").arg(screenName()))));
    QCOMPARE(maximized->size(), beforeMaximized.size());
    QVERIFY2(shown.contains(maximized->geometry()), "the restored window leaves the area");
    if (shown.contains(beforeMaximized))
        QCOMPARE(maximized->geometry(), beforeMaximized);
}

QTEST_MAIN(tst_FormsOnScreen)
#include "tst_formsonscreen.moc"
