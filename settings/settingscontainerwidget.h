#pragma once

#include <QPointer>
#include <QWidget>

#include "icontroller.h"
#include "imodel.h"

class Controller;
class Model;
class QCloseEvent;
class QEvent;
class QRadioButton;

namespace Ui {
class SettingsContainerWidget;
}

// The settings dialog: a column of selectors styled as tabs on the left and one page
// at a time on the right. Picking a selector creates its page afresh, hands it the
// Model and the Controller and lets it read the receiver. The dialog deletes itself
// when closed and keeps its geometry in "settings.ini".
class SettingsContainerWidget : public QWidget, public IModel, public IController
{
    Q_OBJECT

public:
    explicit SettingsContainerWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~SettingsContainerWidget() override;

    void setModel(Model *model) override;
    // Also opens the first page, "Interface".
    void setController(Controller *controller) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private slots:
    void on_radBtnInterface_clicked();
    void on_radBtnDataSet_clicked();
    void on_radBtnNavigationSystems_clicked();
    void on_radBtnSolutionParameters_clicked();
    void on_radBtnAtmosphericCorr_clicked();
    void on_radBtnPPS_clicked();
    void on_radBtnCalendarSettings_clicked();
    void on_radBtnRawData_clicked();
    void on_radBtnFirmwareContainer_clicked();
    void on_radBtnCommandBuilder_clicked();
    void on_radBtnConstellationControl_1_clicked();
    void on_radBtnConstellationControl_2_clicked();
    void on_radBtnSaveSettings_clicked();

private:
    // Creates the page behind the selector and shows it; a selector without a page
    // leaves the page area empty.
    void openPage(QRadioButton *selector);
    void setPage(QWidget *page);
    void makeRoomForEveryPage();
    // Grows the dialog's least size to what its selectors and page need.
    void fitMinimumToContents();
    void restoreGeometrySettings();
    void saveGeometrySettings();
    QList<QRadioButton *> selectors() const;

    Ui::SettingsContainerWidget *ui;
    QPointer<Model> model;
    QPointer<Controller> controller;
    QPointer<QWidget> currentPage;
};
