#include "connectionwidget.h"
#include "ui_connectionwidget.h"

#include <QEvent>
#include <QRegExp>
#include <QRegExpValidator>

#include <climits>

#include "typednumber.h"

namespace {

const int baudRates[] = {9600, 19200, 38400, 115200, 460800};
const int defaultBaudRate = 115200;

// The two lists run in opposite orders: a serial receiver is expected to talk binary,
// one behind a socket NMEA.
const char *const serialProtocols[] = {"ZRB_Binary", "NMEA"};
const char *const socketProtocols[] = {"NMEA", "ZRB_Binary"};

int decimal(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

ConnectionWidget::ConnectionWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ConnectionWidget)
{
    ui->setupUi(this);

    for (int rate : baudRates)
        ui->comBoxBaudRate->addItem(QString::number(rate), rate);
    ui->comBoxBaudRate->setCurrentIndex(ui->comBoxBaudRate->findData(defaultBaudRate));
    for (const char *name : serialProtocols)
        ui->comBoxProtocol->addItem(QLatin1String(name));
    for (const char *name : socketProtocols)
        ui->comBoxProtocolTCPIP->addItem(QLatin1String(name));
    ui->comBoxProtocol->setCurrentIndex(0);
    ui->comBoxProtocolTCPIP->setCurrentIndex(0);

    // Any rate made of digits may be typed, not only the listed ones.
    ui->comBoxBaudRate->setValidator(
        new QRegExpValidator(QRegExp(QStringLiteral("[0-9]*"), Qt::CaseSensitive), ui->comBoxBaudRate));
    ui->chBoxAutoDetect->setChecked(false);

    connect(ui->btnRefresh, SIGNAL(clicked(bool)), this, SIGNAL(requestSerialPortNames()));
}

ConnectionWidget::~ConnectionWidget()
{
    delete ui;
}

ConnectionMode ConnectionWidget::connectionMode() const
{
    if (ui->rBtnSocket->isChecked())
        return ConnectionMode::TcpSocket;
    if (ui->rBtnSerialPort->isChecked())
        return ConnectionMode::SerialPort;
    return ConnectionMode::NoLink;
}

bool ConnectionWidget::serialSettings(QString &portName, int &baudRate) const
{
    if (!ui->rBtnSerialPort->isChecked())
        return false;
    portName = ui->comBoxSerialPort->currentText();
    baudRate = decimal(ui->comBoxBaudRate->currentText());
    return true;
}

bool ConnectionWidget::socketSettings(QString &host, int &port) const
{
    if (!ui->rBtnSocket->isChecked())
        return false;
    host = ui->editHostAddress->text();
    port = decimal(ui->editPort->text());
    return true;
}

QStringList ConnectionWidget::typedRefusals()
{
    QStringList refusals;
    qint64 number = 0;
    if (ui->rBtnSocket->isChecked()) {
        // Port 0 is no port to connect to; a larger number is not one at all.
        TypedNumber::whole(1, 65535).take(ui->editPort, ui->editPort->text(), number, refusals);
    } else if (ui->rBtnSerialPort->isChecked()) {
        TypedNumber::whole(1, INT_MAX)
            .take(ui->comBoxBaudRate, ui->comBoxBaudRate->currentText(), number, refusals);
    }
    return refusals;
}

bool ConnectionWidget::isAutoDetect() const
{
    return ui->chBoxAutoDetect->isChecked() && !ui->rBtnSocket->isChecked();
}

QString ConnectionWidget::protocolName() const
{
    return ui->rBtnSocket->isChecked() ? ui->comBoxProtocolTCPIP->currentText()
                                       : ui->comBoxProtocol->currentText();
}

QString ConnectionWidget::portName() const
{
    return ui->rBtnSocket->isChecked() ? ui->editHostAddress->text() : ui->comBoxSerialPort->currentText();
}

int ConnectionWidget::baudRate() const
{
    return decimal(ui->comBoxBaudRate->currentText());
}

void ConnectionWidget::setSerialPortNames(const QStringList &names)
{
    ui->comBoxSerialPort->clear();
    ui->comBoxSerialPort->addItems(names);
}

void ConnectionWidget::on_rBtnSerialPort_toggled(bool checked)
{
    if (!checked)
        return;
    emit requestSerialPortNames();
    ui->widgetSerialPort->setEnabled(true);
    ui->widgetSocket->setEnabled(false);
    emit connectionModeChanged(ConnectionMode::SerialPort);
}

void ConnectionWidget::on_rBtnSocket_toggled(bool checked)
{
    if (!checked)
        return;
    ui->widgetSerialPort->setEnabled(false);
    ui->widgetSocket->setEnabled(true);
    emit connectionModeChanged(ConnectionMode::TcpSocket);
}

void ConnectionWidget::on_chBoxAutoDetect_clicked(bool checked)
{
    // The search finds both the rate and the protocol.
    ui->comBoxBaudRate->setEnabled(!checked);
    ui->comBoxProtocol->setEnabled(!checked);
}

void ConnectionWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
