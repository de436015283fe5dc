#pragma once

#include <QPointer>
#include <QWidget>

#include "icontroller.h"

class Controller;

// Finds the baud rate at which the receiver's serial port talks the binary protocol.
// (First form: the search itself is filled in by its own change.)
class BaudRateService : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit BaudRateService(QWidget *parent = nullptr);

    void setController(Controller *controller) override;

    void startSearch();
    void stopSearch();
    void setSerialBaudRate(int baudRate);

signals:
    void displayTestBaudRate(int baudRate);
    void finishFoundBaudRateMaster(bool isFound);

private:
    QPointer<Controller> m_controller;
};
