#include "settingscontainerwidget.h"
#include "ui_settingscontainerwidget.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QLayout>
#include <QSettings>

#include <memory>

#include "controller.h"
#include "model.h"
#include "settingspages.h"
#include "settingswidget.h"
#include "windowfit.h"

namespace {

const QString settingsFile = QStringLiteral("settings.ini");
const QString geometryKey = QStringLiteral("Settings/geometry");

} // namespace

SettingsContainerWidget::SettingsContainerWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , ui(new Ui::SettingsContainerWidget)
{
    ui->setupUi(this);
    makeRoomForEveryPage();
    restoreGeometrySettings();
    fitIntoScreen(this);
    QFile styleFile(QStringLiteral(":/qss/pushButtonAsTab.qss"));
    if (styleFile.open(QIODevice::ReadOnly)) {
        const QString style = QString::fromLatin1(styleFile.readAll());
        for (QRadioButton *selector : selectors())
            selector->setStyleSheet(style);
    }
    ui->radBtnInterface->setChecked(true);
}

SettingsContainerWidget::~SettingsContainerWidget()
{
    if (currentPage)
        currentPage->deleteLater();
    saveGeometrySettings();
    delete ui;
}

void SettingsContainerWidget::setModel(Model *newModel)
{
    model = newModel;
}

void SettingsContainerWidget::setController(Controller *newController)
{
    controller = newController;
    openPage(ui->radBtnInterface);
}

void SettingsContainerWidget::closeEvent(QCloseEvent *event)
{
    event->accept();
    deleteLater();
}

bool SettingsContainerWidget::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // The layout has just settled (a page came in, the texts changed language); the
    // form's own least size is only a floor, never a reason to cut a text.
    if (event->type() == QEvent::LayoutRequest)
        fitMinimumToContents();
    return handled;
}

void SettingsContainerWidget::makeRoomForEveryPage()
{
    // The window opens as large as its largest page needs (in the language and font of
    // the day), so no page cuts a text and picking one never makes the window jump.
    // Settings pages scroll up and down and ask for little height; the few selectors
    // are always all in view.
    QSize largest;
    for (QRadioButton *selector : selectors()) {
        const std::unique_ptr<QWidget> page(createSettingsPage(selector->objectName(), nullptr));
        if (page)
            largest = largest.expandedTo(page->minimumSizeHint());
    }
    ui->widget->setMinimumSize(largest);
    ui->scrollArea->setMinimumHeight(ui->scrollAreaWidgetContents->minimumSizeHint().height()
                                     + 2 * ui->scrollArea->frameWidth());
    fitMinimumToContents();
}

void SettingsContainerWidget::fitMinimumToContents()
{
    const QSize needed = minimumSize().expandedTo(layout()->totalMinimumSize());
    if (needed != minimumSize())
        setMinimumSize(needed);
}

void SettingsContainerWidget::openPage(QRadioButton *selector)
{
    setPage(createSettingsPage(selector->objectName(), this));
}

void SettingsContainerWidget::setPage(QWidget *page)
{
    if (currentPage) {
        // The old page lives on until the event loop deletes it and may still take
        // replies meanwhile; it leaves the page area at once so only one page shows.
        ui->settingsLayout->removeWidget(currentPage);
        currentPage->hide();
        currentPage->deleteLater();
    }
    currentPage = page;
    if (!page)
        return;
    if (IModel *modelUser = dynamic_cast<IModel *>(page))
        modelUser->setModel(model);
    if (IController *controllerUser = dynamic_cast<IController *>(page))
        controllerUser->setController(controller);
    ui->settingsLayout->addWidget(page);
    if (SettingsWidget *settingsPage = qobject_cast<SettingsWidget *>(page))
        settingsPage->readSettings();
}

void SettingsContainerWidget::restoreGeometrySettings()
{
    QSettings defaults(QStringLiteral(":/settings/settings.ini"), QSettings::IniFormat);
    QSettings values(settingsFile, QSettings::IniFormat);
    const QVariant geometry = values.value(geometryKey, defaults.value(geometryKey));
    restoreGeometry(geometry.toByteArray());
}

void SettingsContainerWidget::saveGeometrySettings()
{
    QSettings values(settingsFile, QSettings::IniFormat);
    values.setValue(geometryKey, saveGeometry());
}

QList<QRadioButton *> SettingsContainerWidget::selectors() const
{
    return {ui->radBtnInterface,          ui->radBtnDataSet,
            ui->radBtnNavigationSystems,  ui->radBtnSolutionParameters,
            ui->radBtnAtmosphericCorr,    ui->radBtnPPS,
            ui->radBtnCalendarSettings,   ui->radBtnRawData,
            ui->radBtnFirmwareContainer,  ui->radBtnCommandBuilder,
            ui->radBtnConstellationControl_1, ui->radBtnConstellationControl_2,
            ui->radBtnSaveSettings};
}

void SettingsContainerWidget::on_radBtnInterface_clicked() { openPage(ui->radBtnInterface); }
void SettingsContainerWidget::on_radBtnDataSet_clicked() { openPage(ui->radBtnDataSet); }
void SettingsContainerWidget::on_radBtnNavigationSystems_clicked() { openPage(ui->radBtnNavigationSystems); }
void SettingsContainerWidget::on_radBtnSolutionParameters_clicked() { openPage(ui->radBtnSolutionParameters); }
void SettingsContainerWidget::on_radBtnAtmosphericCorr_clicked() { openPage(ui->radBtnAtmosphericCorr); }
void SettingsContainerWidget::on_radBtnPPS_clicked() { openPage(ui->radBtnPPS); }
void SettingsContainerWidget::on_radBtnCalendarSettings_clicked() { openPage(ui->radBtnCalendarSettings); }
void SettingsContainerWidget::on_radBtnRawData_clicked() { openPage(ui->radBtnRawData); }
void SettingsContainerWidget::on_radBtnFirmwareContainer_clicked() { openPage(ui->radBtnFirmwareContainer); }
void SettingsContainerWidget::on_radBtnCommandBuilder_clicked() { openPage(ui->radBtnCommandBuilder); }
void SettingsContainerWidget::on_radBtnConstellationControl_1_clicked() { openPage(ui->radBtnConstellationControl_1); }
void SettingsContainerWidget::on_radBtnConstellationControl_2_clicked() { openPage(ui->radBtnConstellationControl_2); }
void SettingsContainerWidget::on_radBtnSaveSettings_clicked() { openPage(ui->radBtnSaveSettings); }
