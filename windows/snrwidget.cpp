#include "snrwidget.h"
#include "ui_snrwidget.h"

#include "controller.h"
#include "sentencehandler.h"
#include "snrview.h"
#include "windowpattern.h"

namespace {

const ConnectionTable connections = {
    {SIGNAL(setSatellites(SatNavSysEnum, QVector<SatelliteInfo>)),
     SLOT(setSatellites(SatNavSysEnum, QVector<SatelliteInfo>))},
    {SIGNAL(clearSatellites(SatNavSysEnum)), SLOT(clearSatellites(SatNavSysEnum))},
};

} // namespace

SnrWidget::SnrWidget(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::SnrWidget)
{
    ui->setupUi(this);
    ui->snrViewGPS->setText(tr("GPS"));
    ui->snrViewGLONASS->setText(tr("GLONASS"));
    ui->snrViewBeiDou->setText(tr("BeiDou"));
    ui->snrViewGalileo->setText(tr("Galileo"));
    ui->snrViewIRNSS->setText(tr("NavIC"));
    ui->snrViewSBAS->setText(tr("SBAS"));
}

SnrWidget::~SnrWidget()
{
    delete ui;
}

void SnrWidget::setController(Controller *in_controller)
{
    moveConnections(sentenceHandlerOf(controller), sentenceHandlerOf(in_controller), this, connections);
    controller = in_controller;
    if (controller)
        initLegends();
}

void SnrWidget::setModel(Model *)
{
}

void SnrWidget::initLegends()
{
    // Band names are the receiver's signal names: not translated. SBAS has one band.
    ui->snrViewGPS->setNamesLegend({QStringLiteral("L1"), QStringLiteral("L2")});
    ui->snrViewGLONASS->setNamesLegend({QStringLiteral("F1"), QStringLiteral("F2")});
    ui->snrViewGalileo->setNamesLegend({QStringLiteral("E1"), QStringLiteral("E5")});
    ui->snrViewBeiDou->setNamesLegend({QStringLiteral("B1"), QStringLiteral("B2")});
    ui->snrViewIRNSS->setNamesLegend({QStringLiteral("L5"), QStringLiteral("S")});
    ui->snrViewSBAS->setNamesLegend({QStringLiteral("L1"), QString()});
}

SnrView *SnrWidget::viewOf(SatNavSysEnum system) const
{
    switch (system) {
    case NavSysGPS: return ui->snrViewGPS;
    case NavSysGLONASS: return ui->snrViewGLONASS;
    case NavSysGalileo: return ui->snrViewGalileo;
    case NavSysBeiDou: return ui->snrViewBeiDou;
    case NavSysNavIC: return ui->snrViewIRNSS;
    case NavSysSBAS: return ui->snrViewSBAS;
    default: return nullptr;
    }
}

void SnrWidget::setSatellites(SatNavSysEnum system, QVector<SatelliteInfo> satellites)
{
    if (SnrView *view = viewOf(system))
        view->setData(satellites);
}

void SnrWidget::clearSatellites(SatNavSysEnum system)
{
    // A system no longer reported: its bars go, as a cleared window's do.
    if (SnrView *view = viewOf(system))
        view->clear();
}

void SnrWidget::clearWindow()
{
    for (SnrView *view : {ui->snrViewGPS, ui->snrViewGLONASS, ui->snrViewGalileo, ui->snrViewBeiDou,
                          ui->snrViewIRNSS, ui->snrViewSBAS})
        view->clear();
}
