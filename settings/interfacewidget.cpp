#include "interfacewidget.h"
#include "ui_interfacewidget.h"

#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QTimer>

#include <climits>

#include "baudrateservice.h"
#include "controller.h"
#include "readerproxy.h"
#include "settingsdialogs.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(uart1BaudRateChanged(int)), SLOT(uart1BaudRateChanged(int))},
    {SIGNAL(uart2BaudRateChanged(int)), SLOT(uart2BaudRateChanged(int))},
    {SIGNAL(uart3BaudRateChanged(int)), SLOT(uart3BaudRateChanged(int))},
    {SIGNAL(uart4BaudRateChanged(int)), SLOT(uart4BaudRateChanged(int))},
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(nchnChanged(int)), SLOT(nchnChanged(int))},
    {SIGNAL(rchnChanged(int)), SLOT(rchnChanged(int))},
    {SIGNAL(amendmentsBaseStationChanged(int)), SLOT(amendmentsBaseStationChanged(int))},
    {SIGNAL(transportDelayChanged(int)), SLOT(transportDelayChanged(int))},
    {SIGNAL(baseStationDataTypeChanged(BinaryConfigurator::BaseStationDataType)),
     SLOT(baseStationDataTypeChanged(BinaryConfigurator::BaseStationDataType))},
    {SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)), SLOT(requestCompleted(QPair<MsgType, unsigned char>))},
};

// Getter sub-ids of group 3; each setter is its getter + 0x80.
enum : unsigned char {
    uart1Getter = 0x02,
    uart4Getter = 0x05,
    nchnGetter = 0x06,
    rchnGetter = 0x07,
    amendmentsBaseStationGetter = 0x0B,
    baseStationDataTypeGetter = 0x0C,
    transportDelayGetter = 0x0D,
    setterOffset = 0x80
};

// The settling time of the receiver after it changed the rate of the program's UART.
const int ownPortSettleMs = 500;
const int uartCount = 4;

} // namespace

InterfaceWidget::InterfaceWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::InterfaceWidget)
    , baudRateService(new BaudRateService(nullptr))
{
    ui->setupUi(placeholder());
    rateBoxes = {ui->comBoxUart1, ui->comBoxUart2, ui->comBoxUart3, ui->comBoxUart4};
    nmeaBinaryButtons = {ui->radBtnNmeaBinaryUART1, ui->radBtnNmeaBinaryUART2, ui->radBtnNmeaBinaryUART3,
                         ui->radBtnNmeaBinaryUART4};
    rawDataButtons = {ui->radBtnRawDataUART1, ui->radBtnRawDataUART2, ui->radBtnRawDataUART3,
                      ui->radBtnRawDataUART4};
    baseDataButtons = {ui->radBtnBaseDataUART1, ui->radBtnBaseDataUART2, ui->radBtnBaseDataUART3,
                       ui->radBtnBaseDataUART4};

    QRegExpValidator *digits =
        new QRegExpValidator(QRegExp(QStringLiteral("[0-9]*"), Qt::CaseSensitive, QRegExp::RegExp), this);
    const QStringList rates = {"4800", "9600", "19200", "57600", "115200", "256000", "460800"};
    for (QComboBox *box : qAsConst(rateBoxes)) {
        box->setValidator(digits);
        box->clear();
        box->addItems(rates);
        clearComboBox(box);
    }
    ui->editTransportDelay->setValidator(digits);
    ui->comBoxBaseStation->addItem(InterfaceWidget::tr("OEMv4 Novatel"), int(BinaryConfigurator::BaseStationOEMv4));
    ui->comBoxBaseStation->addItem(InterfaceWidget::tr("RTCM3"), int(BinaryConfigurator::BaseStationRTCM3));
    clearComboBox(ui->comBoxBaseStation);
    clearPage();
}

InterfaceWidget::~InterfaceWidget()
{
    delete baudRateService;
    delete ui;
}

void InterfaceWidget::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
    if (controller)
        baudRateService->setController(controller);
}

void InterfaceWidget::readSettings()
{
    if (!controller)
        return;
    clearPage();
    BinaryConfigurator *engine = configurator();
    engine->requestUart1BaudRate();
    engine->requestUart2BaudRate();
    engine->requestUart3BaudRate();
    engine->requestUart4BaudRate();
    engine->requestNchn();
    engine->requestRchn();
    engine->requestAmendmentsBaseStation();
    engine->requestBaseStationDataType();
    engine->requestTransportDelay();
}

void InterfaceWidget::writeSettings()
{
    if (!controller)
        return;
    // A rate is a positive whole number, as on the connection screen: rate 0 would
    // stop the receiver's port.
    const TypedNumber rate = TypedNumber::whole(1, INT_MAX);
    exchangeComboBoxText(currentUart1BaudRate, ui->comBoxUart1, unsetValue, rate);
    exchangeComboBoxText(currentUart2BaudRate, ui->comBoxUart2, unsetValue, rate);
    exchangeComboBoxText(currentUart3BaudRate, ui->comBoxUart3, unsetValue, rate);
    exchangeComboBoxText(currentUart4BaudRate, ui->comBoxUart4, unsetValue, rate);
    currentNchn = checkedUart(nmeaBinaryButtons);
    currentRchn = checkedUart(rawDataButtons);
    currentAmendmentsBaseStation = checkedUart(baseDataButtons);
    exchangeComboBoxData(currentBaseStationDataType, ui->comBoxBaseStation, unsetValue);
    // The delay is 16 bits on the wire.
    exchangeLineEditValue(currentTransportDelay, ui->editTransportDelay, unsetValue, TypedNumber::whole(0, 0xFFFF));
    if (refuseTyped())
        return;

    // The link is restarted before anything is written: a serial port that lost its
    // peer's rate starts clean, and a socket reconnects.
    ReaderProxy *reader = controller->reader();
    reader->stop();
    QString portName;
    int portBaudRate = 0;
    reader->serialSettings(portName, portBaudRate);
    reader->start();

    selectedNchn = checkedUart(nmeaBinaryButtons);
    nchnNewBaudRate = reportedNchn >= 1 && reportedNchn <= uartCount ? writtenRate(reportedNchn) : 1;
    writeStep = 0;

    BinaryConfigurator *engine = configurator();
    // A group without a checked button (the receiver reported a UART outside 1 to 4)
    // has no UART to send: -1 would go out as 0xFF.
    if (currentAmendmentsBaseStation != receivedAmendmentsBaseStation && !isUnset(currentAmendmentsBaseStation)) {
        engine->setAmendmentsBaseStation(currentAmendmentsBaseStation);
        receivedAmendmentsBaseStation = currentAmendmentsBaseStation;
    }
    if (currentBaseStationDataType != receivedBaseStationDataType && !isUnset(currentBaseStationDataType)) {
        engine->setBaseStationDataType(BinaryConfigurator::BaseStationDataType(currentBaseStationDataType));
        receivedBaseStationDataType = currentBaseStationDataType;
    }
    // The delay is 16 bits on the wire; a larger number has no value to send.
    if (currentTransportDelay != receivedTransportDelay && currentTransportDelay >= 0
        && currentTransportDelay <= 0xFFFF) {
        engine->setTransportDelay(currentTransportDelay);
        receivedTransportDelay = currentTransportDelay;
    }
    writeNextSetting();
}

void InterfaceWidget::writeNextSetting()
{
    if (!controller)
        return;
    BinaryConfigurator *engine = configurator();
    ++writeStep;
    switch (writeStep) {
    case 1:
        if (currentUart1BaudRate == receivedUart1BaudRate)
            return writeNextSetting();
        engine->setUart1BaudRate(currentUart1BaudRate);
        receivedUart1BaudRate = currentUart1BaudRate;
        return;
    case 2:
        if (currentUart2BaudRate == receivedUart2BaudRate)
            return writeNextSetting();
        engine->setUart2BaudRate(currentUart2BaudRate);
        receivedUart2BaudRate = currentUart2BaudRate;
        return;
    case 3:
        if (currentUart3BaudRate == receivedUart3BaudRate)
            return writeNextSetting();
        engine->setUart3BaudRate(currentUart3BaudRate);
        receivedUart3BaudRate = currentUart3BaudRate;
        return;
    case 4:
        if (currentUart4BaudRate == receivedUart4BaudRate)
            return writeNextSetting();
        engine->setUart4BaudRate(currentUart4BaudRate);
        receivedUart4BaudRate = currentUart4BaudRate;
        return;
    case 5:
        if (currentRchn == receivedRchn || isUnset(currentRchn))
            return writeNextSetting();
        engine->setRchn(currentRchn);
        receivedRchn = currentRchn;
        return;
    case 6:
        // The last step: the read-back goes out behind it, whatever its answer.
        if (currentNchn != receivedNchn && !isUnset(currentNchn)) {
            engine->setNchn(currentNchn);
            receivedNchn = currentNchn;
        }
        readSettings();
        return;
    default:
        return;
    }
}

void InterfaceWidget::requestCompleted(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request))
        return;
    const int sub = request.second;
    if (sub >= uart1Getter + setterOffset && sub <= uart4Getter + setterOffset) {
        const int uart = sub - (uart1Getter + setterOffset) + 1;
        if (reportedNchn != uart) {
            writeNextSetting();
            return;
        }
        // The program talks through this UART: follow its new rate, and give the
        // receiver time to switch before the next frame.
        reopenOwnPort(nchnNewBaudRate);
        controller->reader()->emitDisplayBaudRateMaster(true);
        QTimer *wait = new QTimer(this);
        wait->setSingleShot(true);
        // A coarse timer may fire up to 5 % early; the receiver gets its full time.
        wait->setTimerType(Qt::PreciseTimer);
        connect(wait, SIGNAL(timeout()), this, SLOT(commandExecutionTimeout()));
        wait->start(ownPortSettleMs);
        return;
    }
    if (sub == nchnGetter + setterOffset) {
        if (selectedNchn != reportedNchn)
            SettingsDialogs::message(this, QMessageBox::Information, tr("Information"), tr("UART changed"),
                                     QMessageBox::Ok, QMessageBox::Ok);
        writeNextSetting();
        return;
    }
    if (sub == rchnGetter + setterOffset)
        writeNextSetting();
}

void InterfaceWidget::commandExecutionTimeout()
{
    if (QObject *timer = sender())
        timer->deleteLater();
    writeNextSetting();
}

void InterfaceWidget::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request) || request.second > transportDelayGetter + setterOffset)
        return;
    BinaryConfigurator *engine = configurator();
    const int sub = request.second;
    switch (sub) {
    case uart1Getter:
    case uart1Getter + 1:
    case uart1Getter + 2:
    case uart4Getter:
        clearUart(sub - uart1Getter + 1);
        break;
    case nchnGetter:
        clearRadioGroup(nmeaBinaryButtons, receivedNchn, currentNchn);
        break;
    case rchnGetter:
        clearRadioGroup(rawDataButtons, receivedRchn, currentRchn);
        break;
    case amendmentsBaseStationGetter:
        clearRadioGroup(baseDataButtons, receivedAmendmentsBaseStation, currentAmendmentsBaseStation);
        break;
    case baseStationDataTypeGetter:
        clearBaseStationDataType();
        break;
    case transportDelayGetter:
        clearTransportDelay();
        break;
    case uart1Getter + setterOffset: engine->requestUart1BaudRate(); writeNextSetting(); break;
    case uart1Getter + 1 + setterOffset: engine->requestUart2BaudRate(); writeNextSetting(); break;
    case uart1Getter + 2 + setterOffset: engine->requestUart3BaudRate(); writeNextSetting(); break;
    case uart4Getter + setterOffset: engine->requestUart4BaudRate(); writeNextSetting(); break;
    case nchnGetter + setterOffset:
        // The answer re-opens the own port at the rate typed for the chosen UART.
        engine->requestNchn();
        nchnRetryPending = true;
        break;
    case rchnGetter + setterOffset:
        engine->requestRchn();
        writeNextSetting();
        break;
    case amendmentsBaseStationGetter + setterOffset: engine->requestAmendmentsBaseStation(); break;
    case baseStationDataTypeGetter + setterOffset: engine->requestBaseStationDataType(); break;
    case transportDelayGetter + setterOffset: engine->requestTransportDelay(); break;
    default:
        break;
    }
}

void InterfaceWidget::uart1BaudRateChanged(int baudRate) { showBaudRate(1, baudRate); }
void InterfaceWidget::uart2BaudRateChanged(int baudRate) { showBaudRate(2, baudRate); }
void InterfaceWidget::uart3BaudRateChanged(int baudRate) { showBaudRate(3, baudRate); }
void InterfaceWidget::uart4BaudRateChanged(int baudRate) { showBaudRate(4, baudRate); }

void InterfaceWidget::showBaudRate(int uart, int baudRate)
{
    setRateFields(uart, baudRate);
    // The box is editable: a rate outside its list shows as typed text.
    rateBoxes.at(uart - 1)->setCurrentText(QString::number(baudRate, 10));
}

void InterfaceWidget::amendmentsBaseStationChanged(int value)
{
    receivedAmendmentsBaseStation = currentAmendmentsBaseStation = value;
    checkUart(baseDataButtons, value);
}

void InterfaceWidget::baseStationDataTypeChanged(BinaryConfigurator::BaseStationDataType type)
{
    receivedBaseStationDataType = currentBaseStationDataType = int(type);
    ui->comBoxBaseStation->setCurrentIndex(ui->comBoxBaseStation->findData(int(type)));
}

void InterfaceWidget::transportDelayChanged(int delay)
{
    receivedTransportDelay = currentTransportDelay = delay;
    ui->editTransportDelay->setText(QString::number(delay, 10));
}

void InterfaceWidget::nchnChanged(int value)
{
    receivedNchn = currentNchn = value;
    checkUart(nmeaBinaryButtons, value);
    reportedNchn = value;
    if (nchnRetryPending) {
        nchnRetryPending = false;
        // Only a real UART with a real rate: never a port re-opened at 0 or 1 baud.
        if (selectedNchn >= 1 && selectedNchn <= uartCount)
            reopenOwnPort(writtenRate(selectedNchn));
    }
}

void InterfaceWidget::rchnChanged(int value)
{
    receivedRchn = currentRchn = value;
    checkUart(rawDataButtons, value);
}

void InterfaceWidget::clearPage()
{
    for (int uart = 1; uart <= uartCount; ++uart)
        clearUart(uart);
    clearRadioGroup(nmeaBinaryButtons, receivedNchn, currentNchn);
    clearRadioGroup(rawDataButtons, receivedRchn, currentRchn);
    clearRadioGroup(baseDataButtons, receivedAmendmentsBaseStation, currentAmendmentsBaseStation);
    clearTransportDelay();
    clearBaseStationDataType();
}

void InterfaceWidget::clearUart(int uart)
{
    clearComboBox(rateBoxes.at(uart - 1));
    setRateFields(uart, unsetValue);
}

void InterfaceWidget::clearRadioGroup(const RadioGroup &group, int &received, int &current)
{
    // The buttons are auto-exclusive: a checked one stays checked until another is.
    for (QRadioButton *button : group)
        uncheckButton(button);
    received = current = unsetValue;
}

void InterfaceWidget::clearTransportDelay()
{
    clearLineEdit(ui->editTransportDelay);
    receivedTransportDelay = currentTransportDelay = unsetValue;
}

void InterfaceWidget::clearBaseStationDataType()
{
    clearComboBox(ui->comBoxBaseStation);
    receivedBaseStationDataType = currentBaseStationDataType = unsetValue;
}

void InterfaceWidget::setRateFields(int uart, int value)
{
    int *const fields[][2] = {{&receivedUart1BaudRate, &currentUart1BaudRate},
                              {&receivedUart2BaudRate, &currentUart2BaudRate},
                              {&receivedUart3BaudRate, &currentUart3BaudRate},
                              {&receivedUart4BaudRate, &currentUart4BaudRate}};
    *fields[uart - 1][0] = *fields[uart - 1][1] = value;
}

void InterfaceWidget::checkUart(const RadioGroup &group, int value)
{
    if (value >= 1 && value <= group.size())
        group.at(value - 1)->setChecked(true);
}

int InterfaceWidget::checkedUart(const RadioGroup &group)
{
    for (int i = 0; i < group.size(); ++i) {
        if (group.at(i)->isChecked())
            return i + 1;
    }
    return -1;
}

int InterfaceWidget::writtenRate(int uart) const
{
    // The rate the last write took from the box, not its text read again: the text may
    // be one the rule refused or another number than the one it took ("9600.0").
    switch (uart) {
    case 1:
        return currentUart1BaudRate;
    case 2:
        return currentUart2BaudRate;
    case 3:
        return currentUart3BaudRate;
    case 4:
        return currentUart4BaudRate;
    default:
        return 0;
    }
}

void InterfaceWidget::reopenOwnPort(int baudRate)
{
    if (!controller || baudRate <= 0)
        return;
    // Only a serial port runs at the UART's rate. A TCP link is not touched: its
    // connection does not depend on the rate, and a restart would only break it.
    if (controller->reader()->readerType() != ConnectionMode::SerialPort)
        return;
    baudRateService->setController(controller);
    baudRateService->setSerialBaudRate(baudRate);
}
