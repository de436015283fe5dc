#pragma once

#include <QPointer>
#include <QSet>
#include <QVector>
#include <QWidget>

#include "icontroller.h"
#include "imodel.h"
#include "satellitetypes.h"

class Controller;
class Model;

namespace Ui {
class SkyViewWidget;
}

// The "SkyView" window: the polar plot of the satellites in view. The used sets go
// straight to the view; the satellite lists pass through the window, which leaves out
// the satellites that cannot be placed on the plot.
class SkyViewWidget : public QWidget, public IController, public IModel
{
    Q_OBJECT

public:
    explicit SkyViewWidget(QWidget *parent = nullptr);
    ~SkyViewWidget() override;

    void setController(Controller *controller) override;
    void setModel(Model *model) override;

public slots:
    // The workspace's clearWindow() signal reaches every window here.
    void clearWindow();

private slots:
    void setSatellites(SatNavSysEnum system, QVector<SatelliteInfo> satellites);

private:
    Ui::SkyViewWidget *ui;
    QPointer<Controller> controller;
};
