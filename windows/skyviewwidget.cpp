#include "skyviewwidget.h"
#include "ui_skyviewwidget.h"

#include "controller.h"
#include "sentencehandler.h"
#include "windowpattern.h"

namespace {

// The used sets need nothing of the window and go to the view itself.
const ConnectionTable viewConnections = {
    {SIGNAL(setUsedSatellites(SatNavSysEnum, QSet<int>)),
     SLOT(setUsedSatellites(SatNavSysEnum, QSet<int>))},
    {SIGNAL(clearSatellites(SatNavSysEnum)), SLOT(clearSatellites(SatNavSysEnum))},
};

const ConnectionTable windowConnections = {
    {SIGNAL(setSatellites(SatNavSysEnum, QVector<SatelliteInfo>)),
     SLOT(setSatellites(SatNavSysEnum, QVector<SatelliteInfo>))},
};

} // namespace

SkyViewWidget::SkyViewWidget(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::SkyViewWidget)
{
    ui->setupUi(this);
}

SkyViewWidget::~SkyViewWidget()
{
    delete ui;
}

void SkyViewWidget::setController(Controller *in_controller)
{
    QObject *oldHandler = sentenceHandlerOf(controller);
    QObject *newHandler = sentenceHandlerOf(in_controller);
    moveConnections(oldHandler, newHandler, ui->skyView, viewConnections);
    moveConnections(oldHandler, newHandler, this, windowConnections);
    controller = in_controller;
}

void SkyViewWidget::setModel(Model *)
{
}

void SkyViewWidget::setSatellites(SatNavSysEnum system, QVector<SatelliteInfo> satellites)
{
    // A satellite without elevation or azimuth has no place on the plot.
    QVector<SatelliteInfo> placed;
    placed.reserve(satellites.size());
    for (const SatelliteInfo &satellite : qAsConst(satellites)) {
        if (!SatelliteInfo::isUnknown(satellite.elevation) && !SatelliteInfo::isUnknown(satellite.azimuth))
            placed.append(satellite);
    }
    ui->skyView->setSatellites(system, placed);
}

void SkyViewWidget::clearWindow()
{
    ui->skyView->clear();
}
