#pragma once

#include <QPointer>
#include <QWidget>

#include "geocoordinate.h"
#include "icontroller.h"
#include "imodel.h"

class Controller;
class Model;

namespace Ui {
class PlotWidget;
}

// The "Plot" window: the east, north and up offsets of each position from the reference
// in three time plots, the quality of the last fix, and a slider for the time span shown.
class PlotWidget : public QWidget, public IModel, public IController
{
    Q_OBJECT

public:
    explicit PlotWidget(QWidget *parent = nullptr);
    ~PlotWidget() override;

    void setModel(Model *model) override;
    void setController(Controller *controller) override;

    // The horizontal scale factor of a slider position: 1 at 800.
    static double scaleOfSlider(int value);
    // Seconds of the day of a UTC time written as the number hhmmss.ss.
    static double secondsOfDay(double time);

public slots:
    // The workspace's clearWindow() signal reaches every window here.
    void clearWindow();

private slots:
    void receiverCoordinatesChanged(double time, GeoCoordinate coordinate, short quality);
    void receiverRefCoordinatesChanged(GeoCoordinate receiverRef);
    void on_sliderScale_valueChanged(int value);

private:
    void showQuality(short quality);
    // The position the offsets are taken from: the typed one in fixed mode, else the mean.
    GeoCoordinate currentReference() const;

    Ui::PlotWidget *ui;
    QPointer<Model> model;
    QPointer<Controller> controller;
    GeoCoordinate previousReference;
};
