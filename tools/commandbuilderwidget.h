#pragma once

#include <QPointer>
#include <QWidget>

#include "icontroller.h"

class Controller;
class Model;

// (First form: what the workspace relies on; its own change fills in the rest.)
class CommandBuilderWidget : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit CommandBuilderWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~CommandBuilderWidget() override;

    void setController(Controller *controller) override;

private:
    QPointer<Controller> m_controller;
};
