#pragma once

#include <QPointer>
#include <QWidget>

#include "icontroller.h"

class Controller;
class Model;

// (First form: what the workspace relies on; its own change fills in the rest.)
class Calibration : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit Calibration(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~Calibration() override;

    void setController(Controller *controller) override;
signals:
    // The receiver is to be restarted (hot) after a calibration table was written.
    void restart();

private:
    QPointer<Controller> m_controller;
};
