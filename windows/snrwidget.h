#pragma once

#include <QPointer>
#include <QVector>
#include <QWidget>

#include "icontroller.h"
#include "imodel.h"
#include "satellitetypes.h"

class Controller;
class Model;
class SnrView;

namespace Ui {
class SnrWidget;
}

// The "Signal/Noise Ratio" window: one bar chart of carrier-to-noise densities per
// satellite system, GPS at the top and SBAS at the bottom.
class SnrWidget : public QWidget, public IController, public IModel
{
    Q_OBJECT

public:
    explicit SnrWidget(QWidget *parent = nullptr);
    ~SnrWidget() override;

    void setController(Controller *controller) override;
    void setModel(Model *model) override;

public slots:
    // The workspace's clearWindow() signal reaches every window here.
    void clearWindow();

private slots:
    void setSatellites(SatNavSysEnum system, QVector<SatelliteInfo> satellites);
    void clearSatellites(SatNavSysEnum system);

private:
    void initLegends();
    // The chart of a system; null for a system that has none (the mixed list among them).
    SnrView *viewOf(SatNavSysEnum system) const;

    Ui::SnrWidget *ui;
    QPointer<Controller> controller;
};
