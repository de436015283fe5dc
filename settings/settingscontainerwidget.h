#pragma once

#include <QPointer>
#include <QWidget>

#include "imodel.h"
#include "icontroller.h"

class Controller;
class Model;

// (First form: what the workspace relies on; its own change fills in the rest.)
class SettingsContainerWidget : public QWidget, public IModel, public IController
{
    Q_OBJECT

public:
    explicit SettingsContainerWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~SettingsContainerWidget() override;

    void setModel(Model *model) override;
    void setController(Controller *controller) override;

private:
    QPointer<Model> m_model;
    QPointer<Controller> m_controller;
};
