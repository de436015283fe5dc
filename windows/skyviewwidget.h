#pragma once

#include <QPointer>
#include <QWidget>

#include "icontroller.h"
#include "imodel.h"

class Controller;
class Model;

// A monitor window of the workspace. (First form: what the workspace relies on; the
// window's own change fills in its form and connections.)
class SkyViewWidget : public QWidget, public IModel, public IController
{
    Q_OBJECT

public:
    explicit SkyViewWidget(QWidget *parent = nullptr);
    ~SkyViewWidget() override;

    void setModel(Model *model) override;
    void setController(Controller *controller) override;

public slots:
    void clearWindow();

private:
    QPointer<Model> m_model;
    QPointer<Controller> m_controller;
};
