// Every monitor window, every page of the settings dialog at the dialog's opening size,
// the display settings dialog and every tool, in English and in Russian, filled with the
// longest values they show: each visible text is whole, no group is squeezed below its
// layout's minimum, no two visible parts overlap, and a monitor window opens at least as
// large as its contents need (its workspace frame takes the form's size as it is). A
// screenshot of each is saved as screenshots/<form>_<lang>.png; run the test under Xvfb
// with QT_QPA_PLATFORM=xcb for pictures with the real font.

#include <QDir>
#include <QLayout>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include "appdialogs.h"
#include "axeswidget.h"
#include "baseinfowidget.h"
#include "baselinewidget.h"
#include "boxrecorder.h"
#include "calibration.h"
#include "connectguard.h"
#include "coordinateswidget.h"
#include "dbgbyte.h"
#include "debuglogwidget.h"
#include "displaysettingswidget.h"
#include "languagecatalogues.h"
#include "mapwidget.h"
#include "nmealogwidget.h"
#include "pagesession.h"
#include "plotwidget.h"
#include "rk2290settingswidget.h"
#include "screenshot.h"
#include "settingscontainerwidget.h"
#include "settingsdialogs.h"
#include "skyviewwidget.h"
#include "snrwidget.h"
#include "tooldialogs.h"
#include "trackwidget.h"
#include "windowdialogs.h"
#include "tst_formsreadable_checks.h"
#include "tst_formsreadable_feed.h"
#include "../windows/webkitleaks.h"

namespace {

enum class Kind { MonitorWindow, SettingsPage, Dialog };

struct FormRow
{
    const char *name;
    Kind kind;
    // The form as the program opens it, given the session; a settings page names its
    // selector in the dialog instead.
    std::function<QWidget *(PageSession &)> open;
    const char *selector = nullptr;
};

template <class W>
QWidget *monitorWindow(PageSession &session)
{
    auto *window = new W(nullptr);
    window->setModel(session.model);
    window->setController(session.controller);
    return window;
}

template <class W>
QWidget *tool(PageSession &session)
{
    auto *widget = new W(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    widget->setController(session.controller);
    return widget;
}

QWidget *displaySettings(PageSession &session)
{
    auto *dialog = new DisplaySettingsWidget(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    dialog->setModel(session.model);
    dialog->setController(session.controller);
    return dialog;
}

QWidget *settingsDialog(PageSession &session)
{
    auto *dialog = new SettingsContainerWidget(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    dialog->setModel(session.model);
    dialog->setController(session.controller);
    return dialog;
}

const std::vector<FormRow> &forms()
{
    static const std::vector<FormRow> rows = {
        {"baseinfowidget", Kind::MonitorWindow, monitorWindow<BaseInfoWidget>},
        {"skyviewwidget", Kind::MonitorWindow, monitorWindow<SkyViewWidget>},
        {"trackwidget", Kind::MonitorWindow, monitorWindow<TrackWidget>},
        {"plotwidget", Kind::MonitorWindow, monitorWindow<PlotWidget>},
        {"snrwidget", Kind::MonitorWindow, monitorWindow<SnrWidget>},
        {"baselinewidget", Kind::MonitorWindow, monitorWindow<BaseLineWidget>},
        {"nmealogwidget", Kind::MonitorWindow, monitorWindow<NMEALogWidget>},
        {"mapwidget", Kind::MonitorWindow, monitorWindow<MapWidget>},
        {"axeswidget", Kind::MonitorWindow, monitorWindow<AxesWidget>},
        {"debuglogwidget", Kind::MonitorWindow, monitorWindow<DebugLogWidget>},
        {"coordinateswidget", Kind::MonitorWindow, monitorWindow<CoordinatesWidget>},
        {"settings_interface", Kind::SettingsPage, settingsDialog, "radBtnInterface"},
        {"settings_dataset", Kind::SettingsPage, settingsDialog, "radBtnDataSet"},
        {"settings_navigationsystems", Kind::SettingsPage, settingsDialog, "radBtnNavigationSystems"},
        {"settings_solutionparameters", Kind::SettingsPage, settingsDialog, "radBtnSolutionParameters"},
        {"settings_atmosphericcorr", Kind::SettingsPage, settingsDialog, "radBtnAtmosphericCorr"},
        {"settings_pps", Kind::SettingsPage, settingsDialog, "radBtnPPS"},
        {"settings_calendarsettings", Kind::SettingsPage, settingsDialog, "radBtnCalendarSettings"},
        {"settings_rawdata", Kind::SettingsPage, settingsDialog, "radBtnRawData"},
        {"settings_firmware", Kind::SettingsPage, settingsDialog, "radBtnFirmwareContainer"},
        {"settings_commandbuilder", Kind::SettingsPage, settingsDialog, "radBtnCommandBuilder"},
        {"settings_constellationcontrol1", Kind::SettingsPage, settingsDialog, "radBtnConstellationControl_1"},
        {"settings_constellationcontrol2", Kind::SettingsPage, settingsDialog, "radBtnConstellationControl_2"},
        {"settings_savesettings", Kind::SettingsPage, settingsDialog, "radBtnSaveSettings"},
        {"displaysettingswidget", Kind::Dialog, displaySettings},
        {"dbgbyte", Kind::Dialog, tool<DBGByte>},
        {"rk2290settingswidget", Kind::Dialog, tool<RK2290SettingsWidget>},
        {"calibration", Kind::Dialog, tool<Calibration>},
    };
    return rows;
}

const FormRow *formNamed(const QString &name)
{
    for (const FormRow &row : forms()) {
        if (name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

} // namespace

class TestFormsReadable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void everyTextIsWhole_data();
    void everyTextIsWhole();

private:
    // A refused request's message box is answered, not waited on: the receiver of the
    // check knows no settings.
    BoxRecorder<AppDialogs> appBoxes;
    BoxRecorder<WindowDialogs> windowBoxes;
    BoxRecorder<SettingsDialogs> settingsBoxes;
    BoxRecorder<ToolDialogs> toolBoxes;
    QString previousDir;
    std::unique_ptr<QTemporaryDir> workDir;
    // The program's catalogue and Qt's, as the program switches them.
    std::unique_ptr<LanguageCatalogues> russian;
};

void TestFormsReadable::initTestCase()
{
    installConnectGuard();
    appBoxes.recordBoxes();
    windowBoxes.recordBoxes();
    settingsBoxes.recordBoxes();
    toolBoxes.recordBoxes();
    // The settings dialog keeps its geometry in settings.ini of the working directory.
    previousDir = QDir::currentPath();
    workDir = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir->isValid());
    QVERIFY(QDir::setCurrent(workDir->path()));
}

void TestFormsReadable::cleanup()
{
    russian.reset();
    QFile::remove(QStringLiteral("settings.ini"));
}

void TestFormsReadable::everyTextIsWhole_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "ru"}) {
        for (const FormRow &row : forms()) {
            QTest::addRow("%s_%s", row.name, language)
                << QString::fromLatin1(row.name) << QString::fromLatin1(language);
        }
    }
}

void TestFormsReadable::everyTextIsWhole()
{
    QFETCH(QString, form);
    QFETCH(QString, language);
    const FormRow *row = formNamed(form);
    QVERIFY(row);
    if (language == QLatin1String("ru")) {
        russian = std::make_unique<LanguageCatalogues>();
        russian->switchTo(QLocale(QLocale::Russian, QLocale::Russia));
        QVERIFY(russian->ownFound());
        QVERIFY(russian->qtFound());
    }

    PageSession session;
    QVERIFY(session.open());
    std::unique_ptr<QWidget> widget(row->open(session));
    const QSize openingSize = widget->size();
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    if (row->selector) {
        auto *selector = widget->findChild<QRadioButton *>(QLatin1String(row->selector));
        QVERIFY(selector);
        selector->click();
        QVERIFY(selector->isChecked());
        // The dialog's layout shows the new page from the event loop; until then there
        // is nothing to read.
        auto *pageArea = widget->findChild<QLayout *>(QStringLiteral("settingsLayout"));
        QVERIFY(pageArea);
        QTRY_VERIFY(pageArea->count() > 0 && pageArea->itemAt(0)->widget()->isVisible());
    }
    if (row->kind == Kind::MonitorWindow)
        feedLongestValues(session.controller, session.model);
    fillLongestValues(widget.get());

    QStringList faults;
    // The layouts take a few rounds of events to follow the new texts; a form that
    // stays unreadable once they have is reported with every fault found.
    auto readable = [&] {
        // Sizes are only worth judging once the layouts have followed the last change.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        faults = unreadableParts(widget.get());
        if (row->kind == Kind::MonitorWindow) {
            // The workspace frame takes the form's own size; Qt does not grow it.
            const QSize needed = widget->minimumSizeHint();
            if (needed.width() > openingSize.width() || needed.height() > openingSize.height()) {
                faults << QStringLiteral("opens at %1x%2, its contents need %3x%4")
                              .arg(openingSize.width())
                              .arg(openingSize.height())
                              .arg(needed.width())
                              .arg(needed.height());
            }
        }
        return faults.isEmpty();
    };
    const bool whole = QTest::qWaitFor(readable, 15000);
    qInfo("%s opens at %dx%d", qPrintable(form), widget->width(), widget->height());
    QVERIFY(saveScreenshot(widget.get(), QStringLiteral("%1_%2.png").arg(form, language)));
    // Every fault on a line of its own: a failure message is cut after a few hundred
    // characters.
    for (const QString &fault : qAsConst(faults))
        qWarning("%s: %s", qPrintable(form), qPrintable(fault));
    QVERIFY2(whole, qPrintable(QStringLiteral("%1 parts cannot be read whole (listed above)").arg(faults.size())));
}

QTEST_MAIN(TestFormsReadable)
#include "tst_formsreadable.moc"
