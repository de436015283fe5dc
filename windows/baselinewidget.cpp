#include "baselinewidget.h"
#include "ui_baselinewidget.h"

#include <QGraphicsScene>

#include <cmath>

#include "controller.h"
#include "geodesy.h"
#include "gritemgeometry.h"
#include "model.h"
#include "sentencehandler.h"
#include "fieldwidth.h"
#include "windowpattern.h"

namespace {

const ConnectionTable modelConnections = {
    {SIGNAL(receiverRefCoordinatesChanged(GeoCoordinate)),
     SLOT(receiverRefCoordinatesChanged(GeoCoordinate))},
};

const ConnectionTable sentenceHandlerConnections = {
    {SIGNAL(setCoordinate(GeoCoordinate)), SLOT(receiverCoordinatesChanged(GeoCoordinate))},
    {SIGNAL(setCoordBS(Coordinates, NavDataValue<int>)),
     SLOT(setCoordBS(Coordinates, NavDataValue<int>))},
};

constexpr double pi = 3.141592653589793;

double degrees(double radians)
{
    return radians * 180 / pi;
}

} // namespace

BaseLineWidget::BaseLineWidget(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::BaseLineWidget)
{
    ui->setupUi(this);
    azimuthTextItem.setText2(tr("Azimuth:") + QLatin1Char(' '));

    // Later items are drawn on top; every item stands at the scene's origin, which the
    // view keeps in its centre.
    auto *scene = new QGraphicsScene(this);
    scene->addItem(&azimuthTextItem);
    scene->addItem(&backgroundItem);
    scene->addItem(&arrowItem);
    ui->graphicsBaseLine->setScene(scene);
    fillOnlyWithViewBrush(ui->graphicsBaseLine);

    // The distance field holds a base line of up to a hundred kilometres whole.
    reserveWidthFor(ui->editDistance, {QString::number(99999.999999, 'f', 6)});
    growToContents(this);
}

// The member items leave the scene as they are destroyed, before the scene (a child of
// the window) goes.
BaseLineWidget::~BaseLineWidget()
{
    delete ui;
}

void BaseLineWidget::setModel(Model *newModel)
{
    Model *old = model;
    model = newModel;
    moveConnections(old, model, this, modelConnections);
    if (model)
        receiverRefCoordinatesChanged(model->receiverRefCoordinates());
}

void BaseLineWidget::setController(Controller *newController)
{
    QObject *oldHandler = sentenceHandlerOf(controller);
    controller = newController;
    moveConnections(oldHandler, sentenceHandlerOf(controller), this,
                    sentenceHandlerConnections);
}

void BaseLineWidget::receiverRefCoordinatesChanged(GeoCoordinate coordinate)
{
    // A Model that holds no position yet (just reset, or never fed) announces its empty
    // mean, the zero position, as the reference. A base line measured in the frame at
    // 0° N 0° E is wrong by metres anywhere else: it is no reference at all.
    const bool emptyMean = model && model->pointCount() == 0 && coordinate == GeoCoordinate(true);
    referencePosition = emptyMean ? GeoCoordinate(false) : coordinate;
    updateBaseLine();
}

void BaseLineWidget::receiverCoordinatesChanged(GeoCoordinate coordinate)
{
    receiverPosition = coordinate;
    updateBaseLine();
}

void BaseLineWidget::setCoordBS(Coordinates coordBS, NavDataValue<int>)
{
    if (!coordBS.isValid()) {
        setBasePosition(GeoCoordinate(false));
        return;
    }
    const double xyz[3] = {coordBS.x, coordBS.y, coordBS.z};
    double llh[3];
    ecefToGeodetic(llh, xyz);
    setBasePosition(GeoCoordinate(llh[0], llh[1], llh[2]));
}

void BaseLineWidget::setBasePosition(const GeoCoordinate &position)
{
    basePosition = position;
    updateBaseLine();
}

void BaseLineWidget::updateBaseLine()
{
    // Without both ends, or without a reference to measure them in, there is no base
    // line: the last one stays readable, faded.
    if (!basePosition.isValid() || !receiverPosition.isValid() || !referencePosition.isValid()) {
        setItemEnabled(&arrowItem, false);
        setItemEnabled(&azimuthTextItem, false);
        return;
    }
    const EnuOffset r = GeoCoordinate::difference(receiverPosition, referencePosition);
    const EnuOffset b = GeoCoordinate::difference(basePosition, referencePosition);
    const double length = baseLineLength(r, b);
    const double az = azimuth(r, b);
    // A damaged record (an infinite or NaN coordinate) gives no line to draw.
    if (!std::isfinite(length) || !std::isfinite(az)) {
        setItemEnabled(&arrowItem, false);
        setItemEnabled(&azimuthTextItem, false);
        return;
    }

    setFieldText(ui->editDistance, QString::number(length, 'f', 6));
    azimuthTextItem.setText1(QString::number(az, 'g', 6));
    // The item does not schedule its own repaint.
    azimuthTextItem.update();
    arrowItem.setRotation(az);
    setItemEnabled(&arrowItem, true);
    setItemEnabled(&azimuthTextItem, true);
}

double BaseLineWidget::baseLineLength(const EnuOffset &r, const EnuOffset &b)
{
    const double dE = r.east - b.east;
    const double dN = r.north - b.north;
    return std::sqrt(dE * dE + dN * dN);
}

double BaseLineWidget::azimuth(const EnuOffset &r, const EnuOffset &b)
{
    const double dE = r.east - b.east;
    const double dN = r.north - b.north;
    // The quadrant's offset plus the angle of the component across the quadrant's first
    // axis over the one along it; on an axis the offset alone.
    if (dE >= 0 && dN > 0)
        return 0 + degrees(std::atan(std::fabs(dE) / std::fabs(dN)));
    if (dE > 0 && dN <= 0)
        return 90 + degrees(std::atan(std::fabs(dN) / std::fabs(dE)));
    if (dE <= 0 && dN < 0)
        return 180 + degrees(std::atan(std::fabs(dE) / std::fabs(dN)));
    if (dE < 0 && dN >= 0)
        return 270 + degrees(std::atan(std::fabs(dN) / std::fabs(dE)));
    return 0;
}

void BaseLineWidget::setItemEnabled(QGraphicsItem *item, bool enabled)
{
    item->setOpacity(enabled ? 1.0 : 0.5);
}

void BaseLineWidget::clearWindow()
{
    setBasePosition(GeoCoordinate(false));
}
