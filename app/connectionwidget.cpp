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

// Port 0 is no port to connect to, nor rate 0 a rate; a larger number is not one at all.
TypedNumber portRule()
{
    return TypedNumber::whole(1, 65535);
}

TypedNumber baudRateRule()
{
    return TypedNumber::whole(1, INT_MAX);
}

int taken(const TypedNumber &rule, QWidget *field, const QString &text, QStringList &refusals)
{
    qint64 number = 0;
    return rule.take(field, text, number, refusals) ? int(number) : 0;
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

bool ConnectionWidget::serialSettings(QString &portName, int &baudRate, QStringList &refusals)
{
    if (!ui->rBtnSerialPort->isChecked())
        return false;
    portName = ui->comBoxSerialPort->currentText();
    baudRate = taken(baudRateRule(), ui->comBoxBaudRate, ui->comBoxBaudRate->currentText(), refusals);
    return true;
}

bool ConnectionWidget::socketSettings(QString &host, int &port, QStringList &refusals)
{
    if (!ui->rBtnSocket->isChecked())
        return false;
    host = ui->editHostAddress->text();
    port = taken(portRule(), ui->editPort, ui->editPort->text(), refusals);
    return true;
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
    qint64 number = 0;
    return baudRateRule().check(ui->comBoxBaudRate->currentText(), number).isEmpty() ? int(number) : 0;
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
