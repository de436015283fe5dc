#pragma once

#include <QPair>
#include <QVector>

#include "abstractconfigurationwidget.h"

class BaudRateService;
class QRadioButton;

namespace Ui {
class InterfaceWidget;
}

// "Interface": the receiver's four UARTs: the rate of each, which one carries the
// navigation output ("NMEA / Binary", nchn), raw data ("RAW DATA", rchn) and the base
// station's corrections ("BASE DATA"), the corrections' format and the transport delay.
//
// The rates and the two output roles are written one request at a time, each after the
// receiver answered the one before (writeNextSetting). When the rate of the UART the
// program itself is connected through changes, the program's own port follows it and
// the page waits 500 ms before it goes on, so the receiver has switched before the next
// frame arrives at the new rate.
class InterfaceWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit InterfaceWidget(QWidget *parent = nullptr);
    ~InterfaceWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

private slots:
    void uart1BaudRateChanged(int baudRate);
    void uart2BaudRateChanged(int baudRate);
    void uart3BaudRateChanged(int baudRate);
    void uart4BaudRateChanged(int baudRate);
    void amendmentsBaseStationChanged(int value);
    void baseStationDataTypeChanged(BinaryConfigurator::BaseStationDataType type);
    void transportDelayChanged(int delay);
    void nchnChanged(int value);
    void rchnChanged(int value);
    void requestError(QPair<MsgType, unsigned char> request);
    void requestCompleted(QPair<MsgType, unsigned char> request);
    void commandExecutionTimeout();

private:
    using RadioGroup = QVector<QRadioButton *>;

    void writeNextSetting();
    void clearPage();
    void clearUart(int uart);
    void clearRadioGroup(const RadioGroup &group, int &received, int &current);
    void clearTransportDelay();
    void clearBaseStationDataType();
    void showBaudRate(int uart, int baudRate);
    // Both fields of UART 1 to 4's rate.
    void setRateFields(int uart, int value);
    static void checkUart(const RadioGroup &group, int value);
    // The number (1 to 4) of the checked button, -1 when none is.
    static int checkedUart(const RadioGroup &group);
    // The rate of a UART as the last write took it from its box (-1 when unknown), 0
    // for no UART.
    int writtenRate(int uart) const;
    // Re-opens the program's own link at the rate; a rate of 0 or less is no rate.
    void reopenOwnPort(int baudRate);

    Ui::InterfaceWidget *ui;
    BaudRateService *baudRateService;
    int nchnNewBaudRate = 0;
    int selectedNchn = 0;
    int reportedNchn = 0;
    bool nchnRetryPending = false;
    int writeStep = 0;

    QVector<QComboBox *> rateBoxes;
    RadioGroup nmeaBinaryButtons;
    RadioGroup rawDataButtons;
    RadioGroup baseDataButtons;

    int receivedUart1BaudRate = -1;
    int currentUart1BaudRate = -1;
    int receivedUart2BaudRate = -1;
    int currentUart2BaudRate = -1;
    int receivedUart3BaudRate = -1;
    int currentUart3BaudRate = -1;
    int receivedUart4BaudRate = -1;
    int currentUart4BaudRate = -1;
    int receivedNchn = -1;
    int currentNchn = -1;
    int receivedRchn = -1;
    int currentRchn = -1;
    int receivedAmendmentsBaseStation = -1;
    int currentAmendmentsBaseStation = -1;
    int receivedBaseStationDataType = -1;
    int currentBaseStationDataType = -1;
    int receivedTransportDelay = -1;
    int currentTransportDelay = -1;
};
