#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "geocoordinate.h"
#include "icontroller.h"
#include "imodel.h"
#include "interfacemode.h"
#include "navtypes.h"

class Controller;
class Model;

namespace Ui {
class BaseInfoWidget;
}

// "General Information": the receiver's time, date, position, speed, course, DOPs, fix,
// quality and mode as text, the link's protocol and baud rate, and the satellite tables.
// Every value comes from a signal and is written at once; a value that is not valid
// keeps the last text and turns it grey.
class BaseInfoWidget : public QWidget, public IController, public IModel
{
    Q_OBJECT

public:
    explicit BaseInfoWidget(QWidget *parent = nullptr);
    ~BaseInfoWidget() override;

    void setController(Controller *controller) override;
    void setModel(Model *model) override;

public slots:
    // Empties every field but the protocol, and the satellite tables; colours stay.
    void clearWindow();

private slots:
    void setCoordinate(GeoCoordinate coordinate);
    void setUTC(Time time);
    void setDate(NavDataValue<int> date);
    void setDate(Date date);
    void setHDOP(NavDataValue<double> hdop);
    void setPDOP(NavDataValue<double> pdop);
    void setVDOP(NavDataValue<double> vdop);
    void setSpeed(NavDataValue<double> speed);
    void setCourse(NavDataValue<double> course);
    void setFixMode(signed char cMode, short dMode);
    void setQuality(NavDataValue<short> qualityIndicator);
    void setPositioningSystemMode(NavDataValue<signed char> mode);
    void protocolDefined(InterfaceMode mode);
    void displayTestBaudRate(int baudRate);
    void displayBaudRateMaster(bool isFound);

private:
    void setLabelActive(QWidget *widget, bool active);
    // The link's baud rate, or "--" when the link is not a serial port.
    QString baudRateText() const;

    Ui::BaseInfoWidget *ui;
    QPointer<Controller> controller;
};
