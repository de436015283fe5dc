// The settings dialog as the workspace opens it, against a receiver that keeps its
// settings in a table.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

#include "calendarsettingswidget.h"
#include "commandbuilderwidget.h"
#include "connectguard.h"
#include "controller.h"
#include "datasetwidget.h"
#include "hexbytes.h"
#include "imodel.h"
#include "interfacewidget.h"
#include "pagesession.h"
#include "russiancatalogue.h"
#include "settingscontainerwidget.h"
#include "settingspages.h"
#include "settingswidget.h"

namespace {

// Selector, its row in the column, its text.
struct Selector {
    const char *name;
    int row;
    const char *text;
};

const Selector selectors[] = {
    {"radBtnInterface", 0, "Interface"},
    {"radBtnDataSet", 1, "DataSet"},
    {"radBtnNavigationSystems", 2, "Navigation systems"},
    {"radBtnSolutionParameters", 3, "Solution parameters"},
    {"radBtnAtmosphericCorr", 4, "Atmospheric Corrections"},
    {"radBtnPPS", 5, "PPS"},
    {"radBtnCalendarSettings", 6, "Calendar settings"},
    {"radBtnRawData", 7, "Raw data"},
    {"radBtnFirmwareContainer", 8, "Firmware"},
    {"radBtnCommandBuilder", 9, "Command builder"},
    {"radBtnConstellationControl_1", 11, "ConstellationControl #1"},
    {"radBtnConstellationControl_2", 12, "ConstellationControl #2"},
    {"radBtnSaveSettings", 13, "Save settings"},
};

// The visible texts and groups of the dialog that do not get the room they need.
QStringList cutWidgets(QWidget *dialog)
{
    QStringList cut;
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(dialog))
            continue;
        const QLabel *label = qobject_cast<QLabel *>(w);
        const QGroupBox *group = qobject_cast<QGroupBox *>(w);
        bool fits = true;
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) || (label && !label->wordWrap()))
            fits = w->width() >= w->sizeHint().width() && w->height() >= w->minimumSizeHint().height();
        else if (group && group->layout())
            fits = group->width() >= group->minimumSizeHint().width()
                   && group->height() >= group->minimumSizeHint().height();
        if (!fits)
            cut << w->objectName();
    }
    return cut;
}

QString screenshotDir()
{
    // The test runs in <build>/tests/settings.
    return QDir(QCoreApplication::applicationDirPath() + "/../../screenshots").absolutePath();
}

} // namespace

class TestSettingsContainerWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnInterfaceWithTheTabStyle();
    void selectorsStandInTheirRows();
    void calendarTwiceGivesTwoFreshPages();
    void pagesGetBothObjectsAndReadAtOnce();
    void commandBuilderGetsNoModelAndNoFrame();
    void commandBuilderWritesThroughTheController();
    void everySelectorOpensAFreshPage();
    void pagesOutliveTheirController();
    void closedDialogReopensWithItsGeometry();
    void withoutSettingsFileTheFormSizeHolds();
    void russianTexts();
    void everyPageFitsAtTheOpeningSize_data();
    void everyPageFitsAtTheOpeningSize();
    void screenshotOfTheDataSetPage();
    void screenshotsOfTheOtherPages_data();
    void screenshotsOfTheOtherPages();

private:
    SettingsContainerWidget *openDialog();
    // Opens the dialog and lets its first page's reading end, then forgets it.
    void openDialogQuietly();
    QWidget *shownPage() const;
    void pick(const char *selector) const { dialog->findChild<QRadioButton *>(selector)->click(); }

    std::unique_ptr<QTemporaryDir> workDir;
    QString oldDir;
    std::unique_ptr<PageSession> session;
    std::unique_ptr<QWidget> workspace;
    QPointer<SettingsContainerWidget> dialog;
};

void TestSettingsContainerWidget::initTestCase()
{
    installConnectGuard();
    oldDir = QDir::currentPath();
}

void TestSettingsContainerWidget::init()
{
    // "settings.ini" lives in the working directory.
    workDir = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir->isValid());
    QVERIFY(QDir::setCurrent(workDir->path()));
    session = std::make_unique<PageSession>();
    QVERIFY(session->open());
    session->table.store(3, 0x41, hex("021207"));
    session->table.store(3, 0x09, hex("fc000a00"));
    session->table.store(3, 0x0A, hex("01"));
    workspace = std::make_unique<QWidget>();
    workspace->resize(1000, 800);
}

void TestSettingsContainerWidget::cleanup()
{
    delete dialog;
    workspace.reset();
    session.reset();
    QDir::setCurrent(oldDir);
    workDir.reset();
}

SettingsContainerWidget *TestSettingsContainerWidget::openDialog()
{
    // As the workspace opens it.
    dialog = new SettingsContainerWidget(workspace.get(), Qt::Dialog | Qt::WindowCloseButtonHint);
    dialog->setModel(session->model);
    dialog->setController(session->controller);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    return dialog;
}

void TestSettingsContainerWidget::openDialogQuietly()
{
    openDialog();
    QVERIFY(session->settle());
    session->table.clearRecord();
}

QWidget *TestSettingsContainerWidget::shownPage() const
{
    QVBoxLayout *area = dialog->findChild<QVBoxLayout *>("settingsLayout");
    if (!area || area->count() == 0)
        return nullptr;
    return area->itemAt(0)->widget();
}

void TestSettingsContainerWidget::opensOnInterfaceWithTheTabStyle()
{
    openDialog();
    QFile styleFile(":/qss/pushButtonAsTab.qss");
    QVERIFY(styleFile.open(QIODevice::ReadOnly));
    const QString style = QString::fromLatin1(styleFile.readAll());
    QVERIFY(style.contains("QRadioButton:checked:!active"));
    int checked = 0;
    for (const Selector &s : selectors) {
        QRadioButton *button = dialog->findChild<QRadioButton *>(s.name);
        QVERIFY2(button, s.name);
        QCOMPARE(button->styleSheet(), style);
        checked += button->isChecked();
    }
    QCOMPARE(checked, 1);
    QVERIFY(dialog->findChild<QRadioButton *>("radBtnInterface")->isChecked());
    QCOMPARE(dialog->windowTitle(), QString("Settings"));
    QCOMPARE(dialog->minimumSize(), QSize(550, 450).expandedTo(dialog->layout()->totalMinimumSize()));
    QCOMPARE(dialog->size(), QSize(700, 500).expandedTo(dialog->minimumSize()));
    // The Interface page stands open and has asked for its nine settings, each request
    // after the answer to the one before.
    QVERIFY(qobject_cast<InterfaceWidget *>(shownPage()));
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({hex("214e030200000512"), commandFrame(3, 0x03), commandFrame(3, 0x04),
                                commandFrame(3, 0x05), commandFrame(3, 0x06), commandFrame(3, 0x07),
                                commandFrame(3, 0x0B), commandFrame(3, 0x0C), hex("214e030d00001033")}));
}

void TestSettingsContainerWidget::selectorsStandInTheirRows()
{
    openDialog();
    QGridLayout *column = dialog->findChild<QGridLayout *>("gridLayout_3");
    QVERIFY(column);
    for (const Selector &s : selectors) {
        QRadioButton *button = dialog->findChild<QRadioButton *>(s.name);
        int row = -1, col = -1, rowSpan = 0, colSpan = 0;
        column->getItemPosition(column->indexOf(button), &row, &col, &rowSpan, &colSpan);
        QCOMPARE(row, s.row);
        QCOMPARE(col, 0);
        QCOMPARE(button->text(), QString(s.text));
    }
}

void TestSettingsContainerWidget::calendarTwiceGivesTwoFreshPages()
{
    openDialogQuietly();
    pick("radBtnCalendarSettings");
    QPointer<QWidget> first = shownPage();
    QVERIFY(qobject_cast<CalendarSettingsWidget *>(first));
    QLineEdit *cycle = first->findChild<QLineEdit *>("editGPSCycle");
    QTRY_COMPARE(cycle->text(), QString("2"));
    cycle->setText("9");

    pick("radBtnCalendarSettings");
    QPointer<QWidget> second = shownPage();
    QVERIFY(qobject_cast<CalendarSettingsWidget *>(second));
    QVERIFY(second != first);
    QCOMPARE(second->findChild<QLineEdit *>("editGPSCycle")->text(), QString());
    QTRY_VERIFY(first.isNull());
    QTRY_COMPARE(second->findChild<QLineEdit *>("editGPSCycle")->text(), QString("2"));
    QVERIFY(session->settle());
    const QByteArray getter = hex("214e0341000044cf");
    QCOMPARE(session->table.frames(), QList<QByteArray>({getter, getter}));
    QVERIFY(dialog->findChild<QRadioButton *>("radBtnCalendarSettings")->isChecked());
}

void TestSettingsContainerWidget::pagesGetBothObjectsAndReadAtOnce()
{
    openDialogQuietly();
    const struct {
        const char *selector;
        const char *page;
        QList<QByteArray> getters;
    } rows[] = {
        {"radBtnInterface", "InterfaceWidget",
         {commandFrame(3, 0x02), commandFrame(3, 0x03), commandFrame(3, 0x04), commandFrame(3, 0x05),
          commandFrame(3, 0x06), commandFrame(3, 0x07), commandFrame(3, 0x0B), commandFrame(3, 0x0C),
          commandFrame(3, 0x0D)}},
        {"radBtnDataSet", "DataSetWidget", {commandFrame(3, 0x09), commandFrame(3, 0x0A)}},
        {"radBtnNavigationSystems", "NavigationSystemsWidget",
         {commandFrame(3, 0x20), commandFrame(3, 0x21), commandFrame(12, 0x02)}},
        {"radBtnSolutionParameters", "SolutionParametersWidget",
         {commandFrame(3, 0x25), commandFrame(3, 0x23), commandFrame(3, 0x30), commandFrame(3, 0x22),
          commandFrame(3, 0x26), commandFrame(3, 0x2C), commandFrame(3, 0x28), commandFrame(3, 0x29),
          commandFrame(3, 0x2A), commandFrame(3, 0x27), commandFrame(3, 0x2B)}},
        {"radBtnAtmosphericCorr", "AtmosphericCorrectionsWidget",
         {commandFrame(3, 0x2E), commandFrame(3, 0x2D), commandFrame(3, 0x2F)}},
        {"radBtnPPS", "PPSWidget",
         {commandFrame(3, 0x40), commandFrame(8, 0x04), commandFrame(8, 0x05), commandFrame(8, 0x06),
          commandFrame(8, 0x07)}},
        {"radBtnCalendarSettings", "CalendarSettingsWidget", {commandFrame(3, 0x41)}},
        {"radBtnSaveSettings", "SaveSettingsWidget", {commandFrame(3, 0x43), commandFrame(3, 0x44)}},
    };
    for (const auto &row : rows) {
        session->table.clearRecord();
        pick(row.selector);
        QWidget *page = shownPage();
        QVERIFY(page);
        QCOMPARE(page->metaObject()->className(), row.page);
        QCOMPARE(page->parentWidget(), static_cast<QWidget *>(dialog->findChild<QWidget *>("widget")));
        QVERIFY(session->settle());
        QCOMPARE(session->table.frames(), row.getters);
    }
}

void TestSettingsContainerWidget::commandBuilderGetsNoModelAndNoFrame()
{
    openDialog();
    pick("radBtnDataSet");
    QVERIFY(session->settle());
    session->table.clearRecord();
    pick("radBtnCommandBuilder");
    QWidget *page = shownPage();
    QVERIFY(qobject_cast<CommandBuilderWidget *>(page));
    QVERIFY(!qobject_cast<SettingsWidget *>(page));
    QVERIFY(!dynamic_cast<IModel *>(page));
    QVERIFY(!page->findChild<QPushButton *>("btnRefresh"));
    QVERIFY(session->settle());
    QCOMPARE(session->table.total(), 0);
}

void TestSettingsContainerWidget::commandBuilderWritesThroughTheController()
{
    openDialogQuietly();
    pick("radBtnCommandBuilder");
    QWidget *page = shownPage();
    QPushButton *send = page->findChild<QPushButton *>("btnSend");
    QVERIFY(send);
    page->findChild<QLineEdit *>("editType")->setText("03");
    page->findChild<QLineEdit *>("editId")->setText("00");
    send->click();
    // Only the Controller the dialog handed it leads to the receiver.
    QTRY_COMPARE(session->table.frames(), QList<QByteArray>({hex("214e03000000030c")}));
}

void TestSettingsContainerWidget::everySelectorOpensAFreshPage()
{
    // Each selector opens its own page, and the page it replaces goes at once.
    openDialog();
    QPointer<QWidget> previous;
    for (const Selector &s : selectors) {
        pick(s.name);
        QPointer<QWidget> page = shownPage();
        QVERIFY2(page, s.name);
        if (previous) {
            QVERIFY(previous != page);
            QVERIFY(previous->isHidden());
        }
        previous = page;
    }
}

void TestSettingsContainerWidget::pagesOutliveTheirController()
{
    // On disconnect the Controller goes before the workspace and its dialog.
    openDialog();
    pick("radBtnDataSet");
    QWidget *page = shownPage();
    QTRY_COMPARE(page->findChild<QLineEdit *>("editGSVPeriod")->text(), QString("1"));
    delete session->controller;
    session->controller = nullptr;
    page->findChild<QCheckBox *>("chBoxGGA")->click();
    page->findChild<QPushButton *>("btnSave")->click();
    page->findChild<QPushButton *>("btnRefresh")->click();
    QCOMPARE(page->findChild<QLineEdit *>("editGSVPeriod")->text(), QString("1"));
    pick("radBtnCalendarSettings");
    pick("radBtnSaveSettings");
    shownPage()->findChild<QPushButton *>("btnSaveSTG")->click();
    shownPage()->findChild<QPushButton *>("btnSaveUserTeg")->click();
    dialog->close();
    QTRY_VERIFY(dialog.isNull());
}

void TestSettingsContainerWidget::closedDialogReopensWithItsGeometry()
{
    openDialog();
    const QSize larger = dialog->minimumSize() + QSize(100, 100);
    dialog->resize(larger);
    QTRY_COMPARE(dialog->size(), larger);
    dialog->close();
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(QSettings("settings.ini", QSettings::IniFormat).contains("Settings/geometry"));

    openDialog();
    QCOMPARE(dialog->size(), larger);
}

void TestSettingsContainerWidget::withoutSettingsFileTheFormSizeHolds()
{
    QVERIFY(!QFile::exists("settings.ini"));
    openDialog();
    const QSize formSize = QSize(700, 500).expandedTo(dialog->minimumSize());
    QCOMPARE(dialog->size(), formSize);

    // A file with a broken value is no better than none.
    dialog->close();
    QTRY_VERIFY(dialog.isNull());
    QSettings("settings.ini", QSettings::IniFormat).setValue("Settings/geometry", QByteArray("garbage"));
    openDialog();
    QCOMPARE(dialog->size(), formSize);
}

void TestSettingsContainerWidget::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    openDialog();
    QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Настройки"));
    QCOMPARE(dialog->findChild<QRadioButton *>("radBtnCalendarSettings")->text(),
             QString::fromUtf8("Настройки календаря"));
    QCOMPARE(dialog->findChild<QRadioButton *>("radBtnSaveSettings")->text(),
             QString::fromUtf8("Сохранение настроек"));
    pick("radBtnDataSet");
    QWidget *page = shownPage();
    QCOMPARE(page->findChild<QGroupBox *>("groupBox")->title(), QString::fromUtf8("Набор данных"));
    QCOMPARE(page->findChild<QPushButton *>("btnRefresh")->text(), QString::fromUtf8("Обновить"));
    QCOMPARE(page->findChild<QPushButton *>("btnSave")->text(), QString::fromUtf8("Сохранить"));
    pick("radBtnSaveSettings");
    page = shownPage();
    QCOMPARE(page->findChild<QPushButton *>("btnSaveSTGM")->text(), QString::fromUtf8("Установить"));
    russian.remove();
}

void TestSettingsContainerWidget::everyPageFitsAtTheOpeningSize_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<bool>("russian");
    for (const Selector &s : selectors) {
        QTest::newRow(qPrintable(QString("%1 en").arg(s.name))) << s.name << false;
        QTest::newRow(qPrintable(QString("%1 ru").arg(s.name))) << s.name << true;
    }
}

void TestSettingsContainerWidget::everyPageFitsAtTheOpeningSize()
{
    QFETCH(QString, selector);
    QFETCH(bool, russian);
    RussianCatalogue catalogue;
    if (!russian)
        catalogue.remove();
    openDialog();
    const QSize opened = dialog->size();
    pick(qPrintable(selector));
    // The layout shows the new page from the event loop.
    QTRY_VERIFY(shownPage()->isVisible());
    // Let every layout of the new page settle (each pass may post the next request).
    for (int pass = 0; pass < 5; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(cutWidgets(dialog), QStringList());
    // The window was already large enough for this page.
    QCOMPARE(dialog->size(), opened);
    QVERIFY(session->settle());
}

void TestSettingsContainerWidget::screenshotOfTheDataSetPage()
{
    // The NMEA messages of a bench receiver and two binary ones, GSV every second.
    session->table.store(3, 0x09, hex("fc000a00"));
    session->table.store(3, 0x0A, hex("01"));
    workspace->show();
    openDialog();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    pick("radBtnDataSet");
    QWidget *page = shownPage();
    QTRY_COMPARE(page->findChild<QLineEdit *>("editGSVPeriod")->text(), QString("1"));
    QVERIFY(page->findChild<QCheckBox *>("chBoxGGA")->isChecked());
    QVERIFY(page->findChild<QCheckBox *>("chBoxRPOS_LLA")->isChecked());
    QVERIFY(!page->findChild<QCheckBox *>("chBoxTXT")->isChecked());
    QVERIFY(QDir().mkpath(screenshotDir()));
    const QString file = screenshotDir() + "/settingscontainerwidget_dataset.png";
    QVERIFY(dialog->grab().save(file));
    qInfo("screenshot: %s", qPrintable(file));
}

void TestSettingsContainerWidget::screenshotsOfTheOtherPages_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("file");
    QTest::newRow("calendar") << "radBtnCalendarSettings" << "editGpsUtcShift" << "18"
                              << "settingscontainerwidget_calendar.png";
    QTest::newRow("save settings") << "radBtnSaveSettings" << "editUserTag" << "bench 7"
                                   << "settingscontainerwidget_savesettings.png";
}

void TestSettingsContainerWidget::screenshotsOfTheOtherPages()
{
    QFETCH(QString, selector);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, file);
    session->table.store(3, 0x43, hex("02"));
    session->table.store(3, 0x44, QByteArray("#bench 7") + QByteArray(24, '\0'));
    workspace->show();
    openDialog();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    pick(qPrintable(selector));
    QTRY_COMPARE(shownPage()->findChild<QLineEdit *>(field)->text(), value);
    QVERIFY(session->settle());
    QVERIFY(QDir().mkpath(screenshotDir()));
    QVERIFY(dialog->grab().save(screenshotDir() + "/" + file));
}

QTEST_MAIN(TestSettingsContainerWidget)
#include "tst_settingscontainerwidget.moc"
