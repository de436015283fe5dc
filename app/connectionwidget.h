#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "ireader.h"

namespace Ui {
class ConnectionWidget;
}

// The link parameters of the connection screen: a serial port (port, baud rate,
// protocol, auto-detect) or a TCP host (address, port, protocol).
class ConnectionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ConnectionWidget(QWidget *parent = nullptr);
    ~ConnectionWidget() override;

    ConnectionMode connectionMode() const;
    // Each fills its outputs and returns true only when its kind of link is chosen. A
    // field that is not a number gives 0.
    bool serialSettings(QString &portName, int &baudRate) const;
    bool socketSettings(QString &host, int &port) const;
    // Auto-detection applies to serial ports only.
    // The chosen link's typed number (the TCP port, or the baud rate) when it is not a
    // number the link takes: the field is marked and "<field>: <why>" given; empty
    // when it is taken.
    QStringList typedRefusals();
    bool isAutoDetect() const;
    QString protocolName() const;
    QString portName() const;
    int baudRate() const;

signals:
    void connectionModeChanged(ConnectionMode mode);
    void requestSerialPortNames();

public slots:
    void setSerialPortNames(const QStringList &names);

private slots:
    void on_rBtnSerialPort_toggled(bool checked);
    void on_rBtnSocket_toggled(bool checked);
    void on_chBoxAutoDetect_clicked(bool checked);

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::ConnectionWidget *ui;
};
