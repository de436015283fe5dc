#pragma once

#include <QPointer>
#include <QWidget>

#include "icontroller.h"

class Controller;
class Model;

// (First form: what the workspace relies on; its own change fills in the rest.)
class DBGByte : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit DBGByte(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~DBGByte() override;

    void setController(Controller *controller) override;

private:
    QPointer<Controller> m_controller;
};
