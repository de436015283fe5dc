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
    // Each fills its outputs and returns true only when its kind of link is chosen. The
    // typed number (the baud rate, the TCP port) is read once, by the rule that judges
    // it: when the rule refuses it, the field is marked, "<field>: <why>" is appended to
    // refusals and the number is 0.
    bool serialSettings(QString &portName, int &baudRate, QStringList &refusals);
    bool socketSettings(QString &host, int &port, QStringList &refusals);
    // Auto-detection applies to serial ports only.
    bool isAutoDetect() const;
    QString protocolName() const;
    QString portName() const;
    // The typed baud rate by the same rule, 0 when it refuses it.
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
