#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QVector>

#include "binaryconfigurator.h"
#include "icontroller.h"
#include "imodel.h"
#include "interfacemode.h"

class BaudRateService;
class Controller;
class LoaderWidget;
class Model;
class MyMdiSubWindow;
class QTimer;

namespace Ui {
class DisplayContainerWidget;
}

// The workspace of a connected session: the eleven monitor windows in their frames, the
// receiver menus, the baud-rate search behind the busy indicator, the title with the
// receiver's user tag and the hidden keys of the service tools. It shares the main
// window's Model and Controller and never owns them.
class DisplayContainerWidget : public QMainWindow, public IModel, public IController
{
    Q_OBJECT

public:
    explicit DisplayContainerWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    static constexpr int minPaintIntervalMs = 40;
    ~DisplayContainerWidget() override;

    void setModel(Model *model) override;
    void setController(Controller *controller) override;
    void startSession(bool autoDetect, InterfaceMode mode, const QString &portName);

signals:
    void disconnectAction();
    void clearWindow();

private slots:
    void on_actionPause_triggered();
    void on_actionContinue_triggered();
    void on_actionSettings_triggered();
    void on_actionNMEA_4_0_triggered();
    void on_actionZRBBinary_triggered();
    void on_actionBaudRate4800_triggered();
    void on_actionBaudRate9600_triggered();
    void on_actionBaudRate19200_triggered();
    void on_actionBaudRate57600_triggered();
    void on_actionBaudRate115200_triggered();
    void on_actionBaudRate256000_triggered();
    void on_actionBaudRate460800_triggered();
    void on_actionForceRestartHot_triggered();
    void on_actionForceRestartWarm_triggered();
    void on_actionForceRestartCold_triggered();
    void on_actionForceRestartDefault_triggered();
    void on_actionForceRestartHardware_triggered();
    void on_actionClearWindows_triggered();
    void on_actionOff_triggered();
    void on_action1_Hz_triggered();
    void on_action5_Hz_triggered();
    void on_action10_Hz_triggered();
    void on_action20_Hz_triggered();
    void on_action40_Hz_triggered();
    void on_actionBy_default_triggered();
    void setAutoDetecting();
    void displayTestBaudRate(int baudRate);
    void finishFoundBaudRateMaster(bool isFound);
    void abortLoading();
    void userTagChanged(const QString &tag);
    void requestError(QPair<MsgType, unsigned char> key);
    void resetModuleTimeOut();
    void linkEnded();
    void on_actionFlashSaveSet_1_triggered();
    void on_actionFlashSaveSet_2_triggered();
    void on_actionFlashActivateSetDefault_triggered();
    void on_actionFlashActivateSet_1_triggered();
    void on_actionFlashActivateSet_2_triggered();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Workspace.
    void createSubWindows();
    void addWindowAction(MyMdiSubWindow *frame);
    void restoreWindowState();
    void saveWindowState();
    QList<MyMdiSubWindow *> frames() const;
    void startWithMode(InterfaceMode mode);
    void connectConfigurator(bool on);
    void showLoader();
    void closeLoader();
    void openDebugBytes();
    void openRk2290Settings();
    void openCalibration();

    // Commands.
    void switchMode(InterfaceMode mode);
    // A running session's switches of the parser go through one of these two, which
    // show the values of the protocol the parser leaves as not valid. The menu's switch
    // (and the "Wrong mode" question's Yes) tells the receiver as well.
    void switchProtocol(InterfaceMode mode);
    // The baud-rate search's switch to binary.
    void leaveNmeaForTheSearch();
    bool askSwitchToBinary();
    // True when the session is in binary mode, switching to it if the user agrees.
    bool ensureBinaryMode();
    void openSettings();
    void setSettingsActionsEnabled(bool enabled);
    void setBaudRate(int baudRate);
    void setRawDataMode(BinaryConfigurator::RawDataMode mode);
    void forceRestart(quint8 kind);
    void showLastData(const QVector<int> &messages);

    Ui::DisplayContainerWidget *ui;
    QPointer<Model> m_model;
    QPointer<Controller> m_controller;
    BaudRateService *m_baudRateService;
    QPointer<LoaderWidget> m_loader;
    QString m_title;
    QString m_portName;
    // The wait after a hardware restart; every Hardware command starts it again, so
    // commands in quick succession lead to one search.
    QTimer *m_restartTimer;
    // The screen is brought up to date at most every minPaintIntervalMs (see event()).
    QElapsedTimer m_lastPaint;
    QTimer *m_paintTimer;
};
