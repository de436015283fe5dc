#pragma once

#include <QPointer>
#include <QWidget>

#include "arrowgritem.h"
#include "baselinebackgroundgritem.h"
#include "cornertextgritem.h"
#include "geocoordinate.h"
#include "icontroller.h"
#include "imodel.h"
#include "navtypes.h"

class Controller;
class Model;
class QGraphicsItem;

namespace Ui {
class BaseLineWidget;
}

// The "Base line" window: the horizontal distance from the base station to the
// receiver and the receiver's azimuth seen from the base, as a number and as an arrow
// over a compass rose. Both positions are compared in the east-north-up frame at the
// Model's reference position.
class BaseLineWidget : public QWidget, public IModel, public IController
{
    Q_OBJECT

public:
    explicit BaseLineWidget(QWidget *parent = nullptr);
    ~BaseLineWidget() override;

    void setModel(Model *model) override;
    void setController(Controller *controller) override;

    // The horizontal distance and the azimuth (degrees clockwise from north, 0 up to
    // 360) from the base station at b to the receiver at r, both east-north-up offsets
    // from the reference. They depend on nothing but their arguments.
    static double baseLineLength(const EnuOffset &r, const EnuOffset &b);
    static double azimuth(const EnuOffset &r, const EnuOffset &b);

public slots:
    void clearWindow();

private slots:
    void receiverRefCoordinatesChanged(GeoCoordinate coordinate);
    void receiverCoordinatesChanged(GeoCoordinate coordinate);
    void setCoordBS(Coordinates coordBS, NavDataValue<int> sts);

private:
    void updateBaseLine();
    void setBasePosition(const GeoCoordinate &position);
    static void setItemEnabled(QGraphicsItem *item, bool enabled);

    Ui::BaseLineWidget *ui;
    QPointer<Model> model;
    QPointer<Controller> controller;

    GeoCoordinate referencePosition{true};
    GeoCoordinate basePosition{false};
    // Not valid until the receiver reports a position: a base line to the zero position
    // would be thousands of kilometres long.
    GeoCoordinate receiverPosition{false};

    ArrowGrItem arrowItem;
    CornerTextGrItem azimuthTextItem;
    BaseLineBackgroundGrItem backgroundItem;
};
