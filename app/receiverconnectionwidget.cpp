#include "receiverconnectionwidget.h"
#include "ui_receiverconnectionwidget.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include "appdialogs.h"
#include "controller.h"
#include "readerproxy.h"

ReceiverConnectionWidget::ReceiverConnectionWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ReceiverConnectionWidget)
{
    ui->setupUi(this);
    connectionModeChanged(ConnectionMode::SerialPort);
    setSerialPortNames();
    connect(ui->connectionWidget, SIGNAL(connectionModeChanged(ConnectionMode)),
            this, SLOT(connectionModeChanged(ConnectionMode)));
    connect(ui->connectionWidget, SIGNAL(requestSerialPortNames()), this, SLOT(setSerialPortNames()));
}

ReceiverConnectionWidget::~ReceiverConnectionWidget()
{
    delete ui;
}

void ReceiverConnectionWidget::setController(Controller *controller)
{
    // Only the current link's errors raise the box: the old Controller may live on a
    // little until its deferred deletion.
    if (m_controller)
        disconnect(m_controller->reader(), SIGNAL(error()), this, SLOT(receiverError()));
    m_controller = controller;
    if (m_controller)
        connect(m_controller->reader(), SIGNAL(error()), this, SLOT(receiverError()));
}

void ReceiverConnectionWidget::on_btnConnect_clicked()
{
    if (!m_controller)
        return;
    // The typed port or rate is read once, by the rule that judged it: a text the rule
    // refuses opens nothing (not the low bits of it, not 0), and the one it takes is the
    // number the link gets ("5001.0" is 5001).
    const ConnectionMode mode = ui->connectionWidget->connectionMode();
    QStringList refusals;
    QString name;
    int number = 0;
    const bool chosen = mode == ConnectionMode::TcpSocket
        ? ui->connectionWidget->socketSettings(name, number, refusals)
        : ui->connectionWidget->serialSettings(name, number, refusals);
    if (!refusals.isEmpty()) {
        AppDialogs::message(this, QMessageBox::Critical, tr("Connection error."),
                            tr("Not connected: correct the marked field.\n%1").arg(refusals.join(QLatin1Char('\n'))),
                            QMessageBox::Ok);
        return;
    }
    if (!chosen)
        return;
    ReaderProxy *reader = m_controller->reader();
    connect(reader, SIGNAL(connected()), this, SLOT(readerConnected()));
    if (mode == ConnectionMode::TcpSocket) {
        reader->openSocket(name, number);
    } else {
        // The combo's rate is used even with auto-detect; the search replaces it.
        reader->openSerialPort(name, number);
    }
    reader->start();
}

void ReceiverConnectionWidget::setSerialPortNames()
{
    ui->connectionWidget->setSerialPortNames(ReaderProxy::serialPortNames());
}

void ReceiverConnectionWidget::connectionModeChanged(ConnectionMode mode)
{
    ui->btnConnect->setEnabled(mode != ConnectionMode::NoLink);
}

void ReceiverConnectionWidget::receiverError()
{
    // The box waits for the event loop: whoever else follows the link's errors (the
    // baud-rate search) must learn of the loss before a modal box runs its own loop.
    // Errors that come while it is due or up are the same loss.
    if (m_errorBoxDue)
        return;
    m_errorBoxDue = true;
    QTimer::singleShot(0, this, SLOT(showReceiverError()));
}

void ReceiverConnectionWidget::showReceiverError()
{
    AppDialogs::message(this, QMessageBox::Critical, tr("Connection error."),
                        tr("Connection to receiver error has occurred."), QMessageBox::Ok);
    m_errorBoxDue = false;
}

void ReceiverConnectionWidget::on_btnLocaleEn_clicked()
{
    emit localeChanged(QLocale(QLocale::English));
}

void ReceiverConnectionWidget::on_btnLocaleRu_clicked()
{
    emit localeChanged(QLocale(QLocale::Russian));
}

void ReceiverConnectionWidget::readerConnected()
{
    // Every Connect press added one connection; the first success removes them all, so
    // one connection opens one workspace.
    if (m_controller)
        disconnect(m_controller->reader(), SIGNAL(connected()), this, SLOT(readerConnected()));

    const bool autoDetect = ui->connectionWidget->isAutoDetect();
    const QString protocol = ui->connectionWidget->protocolName();
    const QString portName = ui->connectionWidget->portName();
    const InterfaceMode mode = protocol == QLatin1String("NMEA") ? InterfaceNmea : InterfaceBinary;
    emit receiverConnected(autoDetect, mode, portName);
}

void ReceiverConnectionWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

void ReceiverConnectionWidget::paintEvent(QPaintEvent *event)
{
    // QPixmap keeps the decoded picture in the pixmap cache, so this is cheap after the
    // first paint.
    const QPixmap picture(QStringLiteral(":/background/Pic_for_polvane_1.png"));
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::FastTransformation));
    painter.end();
    QWidget::paintEvent(event);
}
