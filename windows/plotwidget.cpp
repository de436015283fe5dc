#include "plotwidget.h"
#include "ui_plotwidget.h"

#include <cmath>

#include "controller.h"
#include "framepacer.h"
#include "model.h"
#include "sentencehandler.h"
#include "windowpattern.h"

namespace {

const ConnectionTable modelConnections = {
    {SIGNAL(receiverRefCoordinatesChanged(GeoCoordinate)),
     SLOT(receiverRefCoordinatesChanged(GeoCoordinate))},
};

const ConnectionTable handlerConnections = {
    {SIGNAL(setCoordinate(double, GeoCoordinate, short)),
     SLOT(receiverCoordinatesChanged(double, GeoCoordinate, short))},
};

} // namespace

PlotWidget::PlotWidget(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::PlotWidget)
{
    // The slider takes its position inside setupUi, before the slot is connected by name:
    // the plots keep their own scale of 1, which is position 800.
    ui->setupUi(this);
    ui->plotEWWidget->setText(tr("E-W (m)"));
    ui->plotNSWidget->setText(tr("N-S (m)"));
    ui->plotUDWidget->setText(tr("U-D (m)"));
}

PlotWidget::~PlotWidget()
{
    delete ui;
}

void PlotWidget::setModel(Model *in_model)
{
    moveConnections(model, in_model, this, modelConnections);
    model = in_model;
}

void PlotWidget::setController(Controller *in_controller)
{
    moveConnections(sentenceHandlerOf(controller), sentenceHandlerOf(in_controller), this, handlerConnections);
    controller = in_controller;
}

double PlotWidget::scaleOfSlider(int value)
{
    return std::pow(1.004393, value - 800);
}

double PlotWidget::secondsOfDay(double time)
{
    const double s = std::fmod(time, 100);
    const double m = (std::fmod(time, 10000) - s) / 100;
    const double h = (time - 100 * m - s) / 10000;
    return 3600 * h + 60 * m + s;
}

GeoCoordinate PlotWidget::currentReference() const
{
    // In fixed mode the Model goes on announcing its mean through another signal; the
    // plot, like the track, measures from the position the user typed in.
    if (model->receiverRefCoordinatesMode() == RefCoordinatesFixed)
        return model->receiverRefCoordForTrack();
    return model->receiverRefCoordinates();
}

void PlotWidget::receiverCoordinatesChanged(double time, GeoCoordinate coordinate, short quality)
{
    // Without a Model there is nothing to measure from.
    if (!model)
        return;
    const double t = secondsOfDay(time);
    const EnuOffset offset = GeoCoordinate::difference(coordinate, currentReference());
    ui->plotEWWidget->addValue(t, offset.east, quality);
    ui->plotNSWidget->addValue(t, offset.north, quality);
    ui->plotUDWidget->addValue(t, offset.up, quality);
    paced(this, 0, true, [this, quality] { showQuality(quality); });
}

void PlotWidget::receiverRefCoordinatesChanged(GeoCoordinate receiverRef)
{
    if (previousReference.isValid() && model) {
        // The history follows the reference: each point moves by the change of the
        // current position's offset.
        const GeoCoordinate position = model->receiverCoordinates();
        const EnuOffset d1 = GeoCoordinate::difference(position, receiverRef);
        const EnuOffset d2 = GeoCoordinate::difference(position, previousReference);
        ui->plotEWWidget->shiftValues(d1.east - d2.east);
        ui->plotNSWidget->shiftValues(d1.north - d2.north);
        ui->plotUDWidget->shiftValues(d1.up - d2.up);
    }
    previousReference = receiverRef;
}

void PlotWidget::on_sliderScale_valueChanged(int value)
{
    const double factor = scaleOfSlider(value);
    ui->plotEWWidget->setHScale(factor);
    ui->plotNSWidget->setHScale(factor);
    ui->plotUDWidget->setHScale(factor);
}

void PlotWidget::clearWindow()
{
    dropPaced(this);
    ui->plotEWWidget->clear();
    ui->plotNSWidget->clear();
    ui->plotUDWidget->clear();
    ui->labelQuality->clear();
}

void PlotWidget::showQuality(short quality)
{
    QString text;
    switch (quality) {
    case 1: text = tr("Single"); break;
    case 2: text = tr("Diff"); break;
    case 4: text = tr("Fix"); break;
    case 5: text = tr("Float"); break;
    case 6: text = tr("Extrapolated"); break;
    default: text = QString::number(quality); break;
    }
    ui->labelQuality->setText(text);
}
