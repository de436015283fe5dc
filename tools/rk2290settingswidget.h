#pragma once

#include <QPointer>
#include <QWidget>

#include "icontroller.h"

class Controller;
class Model;

// (First form: what the workspace relies on; its own change fills in the rest.)
class RK2290SettingsWidget : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit RK2290SettingsWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~RK2290SettingsWidget() override;

    void setController(Controller *controller) override;

private:
    QPointer<Controller> m_controller;
};
