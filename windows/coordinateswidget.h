#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "icontroller.h"
#include "imodel.h"
#include "navtypes.h"

class Controller;
class Model;
class QLineEdit;

namespace Ui {
class CoordinatesWidget;
}

// "Coordinates": the binary position, velocity and solution records as text: receiver and
// base-station ECEF positions with their status, ECEF and east-north-up velocity, speed,
// course, climb, velocity status, satellites, ARF and base data age. A value that is not
// valid keeps the last text and turns it grey.
class CoordinatesWidget : public QWidget, public IController, public IModel
{
    Q_OBJECT

public:
    explicit CoordinatesWidget(QWidget *parent = nullptr);
    ~CoordinatesWidget() override;

    void setController(Controller *controller) override;
    void setModel(Model *model) override;

public slots:
    // Empties all fields; colours stay.
    void clearWindow();

private slots:
    void velStsChanged(NavDataValue<int> sts);
    void setPosSts(NavDataValue<int> sts);
    void setCoordReceiver(Coordinates coordReceiver);
    void setCoordBS(Coordinates coordBS, NavDataValue<int> sts);
    void setSpeedECEF(Coordinates speedECEF);
    void setSpeedENU(Coordinates speedENU, NavDataValue<double> ven, NavDataValue<double> cog);
    void setTotalSA(NavDataValue<int> num);
    void setARF(NavDataValue<float> arf);
    void setAge(NavDataValue<int> age);
    void setClmb(NavDataValue<double> clmb);

private:
    void setLabelActive(QWidget *widget, bool active);
    // The three components into three fields under their one valid flag.
    void showTriple(const Coordinates &value, int decimals, QLineEdit *x, QLineEdit *y, QLineEdit *z);
    void showStatus(QLineEdit *edit, const NavDataValue<int> &sts);
    QString fixed(double value, int decimals) const;

    Ui::CoordinatesWidget *ui;
    QPointer<Controller> controller;
};
