#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "icontroller.h"
#include "imodel.h"
#include "interfacemode.h"

class Controller;
class Model;

namespace Ui {
class DisplayContainerWidget;
}

// The workspace of a connected session. It shares the main window's Model and
// Controller and never owns them.
class DisplayContainerWidget : public QMainWindow, public IModel, public IController
{
    Q_OBJECT

public:
    explicit DisplayContainerWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~DisplayContainerWidget() override;

    void setModel(Model *model) override;
    void setController(Controller *controller) override;
    void startSession(bool autoDetect, InterfaceMode mode, const QString &portName);

signals:
    void disconnectAction();

private:
    Ui::DisplayContainerWidget *ui;
    QPointer<Model> m_model;
    QPointer<Controller> m_controller;
    QString m_title;
    QString m_portName;
};
