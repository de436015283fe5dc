#pragma once

#include <QPointer>
#include <QWidget>

#include "geocoordinate.h"
#include "icontroller.h"
#include "imodel.h"
#include "model.h"

class Controller;

namespace Ui {
class TrackWidget;
}

// The "Track" window: the recent positions east and north of the reference, coloured by
// the fix quality, with the reference and the last position below in a chosen degree
// format and the root mean square of the offsets since the last reset. "Properties"
// opens a display settings dialog that sets the reference and the number of points.
class TrackWidget : public QWidget, public IModel, public IController
{
    Q_OBJECT

public:
    explicit TrackWidget(QWidget *parent = nullptr);
    ~TrackWidget() override;

    void setModel(Model *model) override;
    void setController(Controller *controller) override;

public slots:
    void receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode mode);
    void receiverRefCoordinatesChanged(GeoCoordinate reference);
    void receiverCoordinatesChanged(double time, GeoCoordinate position, short quality);
    // The workspace's clearWindow() signal reaches every window here.
    void clearWindow();

private slots:
    void on_btnReset_clicked();
    void on_btnProperties_clicked();
    void on_cBoxTypeDergees_currentIndexChanged(int);
    void setMaxNumberPoints(int count);

private:
    void fillDegreeFormats();
    void updateDeviation(const EnuOffset &offset);
    void restartDeviation();
    void showDeviation();
    void showReferenceCoordinates(const GeoCoordinate &reference);
    void showReceiverCoordinates(const GeoCoordinate &position);
    int degreeFormat() const;
    void showQuality(short quality);
    void clearReferenceTexts();
    void setLabelActive(QWidget *widget, bool active);

    Ui::TrackWidget *ui;
    QPointer<Model> model;
    QPointer<Controller> controller;
    GeoCoordinate refCoordinates;
    ReceiverRefCoordinatesMode refMode = RefCoordinatesAverage;
    quint64 sampleCount = 0;
    double deviation[3] = {0, 0, 0}; // east, north, up
    GeoCoordinate lastReceiverCoordinates;
};
