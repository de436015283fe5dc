#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "geocoordinate.h"
#include "icontroller.h"
#include "imodel.h"
#include "model.h"

class Controller;

namespace Ui {
class DisplaySettingsWidget;
}

// The "Display mode" dialog of the track window: the reference the track, plot and base
// line windows measure from (a fixed position typed in, or the running average of the
// receiver's positions) and the number of positions averaged. It works on the Model
// only and sends nothing to the receiver.
class DisplaySettingsWidget : public QWidget, public IModel, public IController
{
    Q_OBJECT

public:
    explicit DisplaySettingsWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~DisplaySettingsWidget() override;

    void setModel(Model *model) override;
    void setController(Controller *controller) override;

signals:
    void setMaxNumberPoints(int count);

private slots:
    void receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode mode);
    void receiverRefCoordinatesChanged(GeoCoordinate coordinate);
    void receiverRefCoordForTrackChanged(GeoCoordinate coordinate);
    void on_btnSaveConfiguration_clicked();
    void on_radBtnGiven_toggled(bool checked);

private:
    void showCoordinate(const GeoCoordinate &coordinate);
    // The boxes Save reads whose typed text was refused: "<field>: <why>" each.
    QStringList typedRefusals();
    GeoCoordinate fixedCoordinate() const;

    Ui::DisplaySettingsWidget *ui;
    QPointer<Controller> controller;
    QPointer<Model> model;
    int maxNumberPoints = 3600;
};
