#pragma once

#include <QLocale>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "icontroller.h"
#include "interfacemode.h"
#include "ireader.h"

class Controller;

namespace Ui {
class ReceiverConnectionWidget;
}

// The connection screen: the link parameters, Connect and the language buttons over
// the background picture. Connect opens the current Controller's receiver link; once
// the link reports it is connected, receiverConnected hands over to the workspace.
class ReceiverConnectionWidget : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit ReceiverConnectionWidget(QWidget *parent = nullptr);
    ~ReceiverConnectionWidget() override;

    void setController(Controller *controller) override;

signals:
    void receiverConnected(bool autoDetect, InterfaceMode mode, QString portName);
    void localeChanged(QLocale locale);

private slots:
    void on_btnConnect_clicked();
    void setSerialPortNames();
    void connectionModeChanged(ConnectionMode mode);
    void receiverError();
    void showReceiverError();
    void on_btnLocaleEn_clicked();
    void on_btnLocaleRu_clicked();
    void readerConnected();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::ReceiverConnectionWidget *ui;
    QPointer<Controller> m_controller;
    // A connection error box is due or up: one lost link gives one box.
    bool m_errorBoxDue = false;
};
