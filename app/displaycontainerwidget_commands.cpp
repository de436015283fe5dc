// The workspace's menu commands: each changes local state and/or queues one request
// with the command engine, which sends it and reports the outcome.
#include "displaycontainerwidget.h"
#include "ui_displaycontainerwidget.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "appdialogs.h"
#include "controller.h"
#include "model.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "settingscontainerwidget.h"

namespace {

// The output message numbers in the order of the data-set vector.
const int dataSetMessages[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 28, 29};

// The output messages each protocol's parser gives.
const QVector<int> nmeaMessages{1, 2, 3, 4, 5, 6, 7, 8, 9};
const QVector<int> binaryMessages{16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 28, 29};

// The default set: the six standard NMEA sentences GGA, GSA, GSV, ZDA, VTG and RMC.
bool inDefaultSet(int message)
{
    return message >= 2 && message <= 7;
}

} // namespace

void DisplayContainerWidget::setSettingsActionsEnabled(bool enabled)
{
    // A disabled menu keeps its actions' shortcuts live, and while paused every reply is
    // discarded: each action is switched off with the menu, submenus included.
    QList<QMenu *> menus{ui->menuSettings};
    while (!menus.isEmpty()) {
        QMenu *menu = menus.takeFirst();
        menu->setEnabled(enabled);
        for (QAction *action : menu->actions()) {
            action->setEnabled(enabled);
            if (action->menu())
                menus.append(action->menu());
        }
    }
    // The baud-rate search talks to the receiver too, and needs its replies.
    ui->actionAutoDetect->setEnabled(enabled);
}

void DisplayContainerWidget::on_actionPause_triggered()
{
    if (!m_controller)
        return;
    setSettingsActionsEnabled(false);
    // The link stays open; what arrives meanwhile is dropped.
    m_controller->reader()->pause(true);
    ui->actionContinue->setVisible(true);
    ui->actionPause->setVisible(false);
}

void DisplayContainerWidget::on_actionContinue_triggered()
{
    if (!m_controller)
        return;
    setSettingsActionsEnabled(true);
    m_controller->reader()->pause(false);
    ui->actionContinue->setVisible(false);
    ui->actionPause->setVisible(true);
}

void DisplayContainerWidget::switchMode(InterfaceMode mode)
{
    if (!m_model || !m_controller)
        return;
    // The Model switches the parser through its signal; the receiver is told next, then
    // the parser is switched (and so reset) once more and the windows learn the protocol.
    m_model->setInterfaceMode(mode);
    m_controller->binaryConfigurator()->setInterfaceMode(mode);
    m_controller->parser()->setInterfaceMode(mode);
    m_controller->parser()->defineProtocol(mode);
    connectConfigurator(true);
    m_controller->binaryConfigurator()->requestUserTag();
}

void DisplayContainerWidget::showLastData(const QVector<int> &messages)
{
    if (m_controller)
        m_controller->parser()->showLastData(messages);
}

void DisplayContainerWidget::switchProtocol(InterfaceMode mode)
{
    switchMode(mode);
    // The other protocol's messages are no longer sent: their values are shown as not
    // valid until new data come.
    showLastData(mode == InterfaceBinary ? nmeaMessages : binaryMessages);
}

void DisplayContainerWidget::leaveNmeaForTheSearch()
{
    if (!m_model)
        return;
    // The search talks the binary protocol. What the NMEA parser gave no longer arrives;
    // a session already in binary mode leaves nothing behind.
    const bool fromNmea = m_model->interfaceMode() != InterfaceBinary;
    m_model->setInterfaceMode(InterfaceBinary);
    if (fromNmea)
        showLastData(nmeaMessages);
}

void DisplayContainerWidget::on_actionZRBBinary_triggered()
{
    switchProtocol(InterfaceBinary);
}

void DisplayContainerWidget::on_actionNMEA_4_0_triggered()
{
    switchProtocol(InterfaceNmea);
}

bool DisplayContainerWidget::askSwitchToBinary()
{
    const QMessageBox::StandardButton answer = AppDialogs::message(
        nullptr, QMessageBox::Question, QStringLiteral("Wrong mode"),
        tr("This option is available in binary mode only. Do you want to switch to binary mode?"),
        QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

void DisplayContainerWidget::openSettings()
{
    SettingsContainerWidget *settings = new SettingsContainerWidget(this, Qt::Dialog | Qt::WindowCloseButtonHint);
    settings->setModel(m_model);
    settings->setController(m_controller);
    settings->setWindowModality(Qt::WindowModal);
    settings->show();
}

bool DisplayContainerWidget::ensureBinaryMode()
{
    if (!m_model)
        return false;
    if (m_model->interfaceMode() == InterfaceBinary)
        return true;
    if (!askSwitchToBinary() || !m_controller)
        return false;
    switchProtocol(InterfaceBinary);
    return true;
}

void DisplayContainerWidget::on_actionSettings_triggered()
{
    if (!ensureBinaryMode())
        return;
    // The window opens at once; its own requests queue behind the switch.
    openSettings();
}

void DisplayContainerWidget::setBaudRate(int baudRate)
{
    // The receiver's port rate is set from the settings window; these entries are hidden.
    Q_UNUSED(baudRate);
}

void DisplayContainerWidget::on_actionBaudRate4800_triggered() { setBaudRate(4800); }
void DisplayContainerWidget::on_actionBaudRate9600_triggered() { setBaudRate(9600); }
void DisplayContainerWidget::on_actionBaudRate19200_triggered() { setBaudRate(19200); }
void DisplayContainerWidget::on_actionBaudRate57600_triggered() { setBaudRate(57600); }
void DisplayContainerWidget::on_actionBaudRate115200_triggered() { setBaudRate(115200); }
void DisplayContainerWidget::on_actionBaudRate256000_triggered() { setBaudRate(256000); }
void DisplayContainerWidget::on_actionBaudRate460800_triggered() { setBaudRate(460800); }

void DisplayContainerWidget::forceRestart(quint8 kind)
{
    if (m_controller)
        m_controller->binaryConfigurator()->forceRestart(kind);
}

void DisplayContainerWidget::on_actionForceRestartHot_triggered() { forceRestart(1); }
void DisplayContainerWidget::on_actionForceRestartWarm_triggered() { forceRestart(2); }
void DisplayContainerWidget::on_actionForceRestartCold_triggered() { forceRestart(3); }

void DisplayContainerWidget::on_actionForceRestartDefault_triggered()
{
    // The receiver forgets everything: so do the windows, before the command goes out.
    on_actionClearWindows_triggered();
    forceRestart(4);
}

void DisplayContainerWidget::on_actionForceRestartHardware_triggered()
{
    if (!m_controller)
        return;
    on_actionClearWindows_triggered();
    m_controller->binaryConfigurator()->forceHardwareRestart();
    // The receiver comes back at its stored rate, which may not be ours: search again.
    m_restartTimer->start();
}

void DisplayContainerWidget::on_actionClearWindows_triggered()
{
    emit clearWindow();
    // The sentence handler drops its gathered satellite lists at the next series.
    if (m_controller)
        m_controller->binaryConfigurator()->moduleReset = true;
}

void DisplayContainerWidget::setRawDataMode(BinaryConfigurator::RawDataMode mode)
{
    if (m_controller)
        m_controller->binaryConfigurator()->setRawDataMode(mode);
}

void DisplayContainerWidget::on_actionOff_triggered() { setRawDataMode(BinaryConfigurator::RawDataOff); }
void DisplayContainerWidget::on_action1_Hz_triggered() { setRawDataMode(BinaryConfigurator::RawData1Hz); }
void DisplayContainerWidget::on_action5_Hz_triggered() { setRawDataMode(BinaryConfigurator::RawData5Hz); }
void DisplayContainerWidget::on_action10_Hz_triggered() { setRawDataMode(BinaryConfigurator::RawData10Hz); }
void DisplayContainerWidget::on_action20_Hz_triggered() { setRawDataMode(BinaryConfigurator::RawData20Hz); }
void DisplayContainerWidget::on_action40_Hz_triggered() { setRawDataMode(BinaryConfigurator::RawData40Hz); }

void DisplayContainerWidget::on_actionBy_default_triggered()
{
    if (!m_controller)
        return;
    QVector<bool> dataSet;
    QVector<int> switchedOff;
    for (int message : dataSetMessages) {
        dataSet.append(inDefaultSet(message));
        if (!inDefaultSet(message))
            switchedOff.append(message);
    }
    m_controller->binaryConfigurator()->setDataSet(dataSet);
    showLastData(switchedOff);
}

void DisplayContainerWidget::on_actionFlashSaveSet_1_triggered()
{
    if (m_controller)
        m_controller->binaryConfigurator()->saveSettings(1);
}

void DisplayContainerWidget::on_actionFlashSaveSet_2_triggered()
{
    if (m_controller)
        m_controller->binaryConfigurator()->saveSettings(2);
}

void DisplayContainerWidget::on_actionFlashActivateSetDefault_triggered()
{
    if (m_controller)
        m_controller->binaryConfigurator()->setStgm(BinaryConfigurator::STGM_DEFAULT);
}

void DisplayContainerWidget::on_actionFlashActivateSet_1_triggered()
{
    if (m_controller)
        m_controller->binaryConfigurator()->setStgm(BinaryConfigurator::STGM_SET1);
}

void DisplayContainerWidget::on_actionFlashActivateSet_2_triggered()
{
    if (m_controller)
        m_controller->binaryConfigurator()->setStgm(BinaryConfigurator::STGM_SET2);
}
