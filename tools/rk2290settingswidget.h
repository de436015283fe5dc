#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "binaryconfigurator.h"
#include "icontroller.h"

class Controller;
class QRadioButton;
class Ui_RK2290SettingsWidget;

// Reads, decodes and writes the registers of the receiver's two RF front-end chips
// (group 11). A reply carries no register number: it is paired with the read it
// answers by the order of the engine's queue, which has one request in flight at a
// time and answers them in the order they were queued.
class RK2290SettingsWidget : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit RK2290SettingsWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~RK2290SettingsWidget() override;

    void setController(Controller *controller) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void rk2290N0RegChanged(unsigned int value);
    void rk2290N1RegChanged(unsigned int value);
    void initView();
    void on_btnReadRegister_clicked();
    void on_btnRead_clicked();
    void on_btnRfAgcOn_clicked();
    void on_btnRfAgcOff_clicked();
    void on_btnTrimAdc_clicked();
    void on_btnAkHostModeWrite_clicked();
    void on_btnWriteRegister_clicked();
    void on_btnWriteRfAgc_clicked();
    void on_btnRestart_clicked();
    // A read that ended without data (refused, timed out, or done without a value).
    void requestEnded(QPair<MsgType, unsigned char> request);

private:
    enum Chip { ChipN0 = 0, ChipN1 = 1 };

    // The read-modify-writes that wait for a reply of their register. They travel with
    // the read the button sent, so a read that fails, or a reply shown nowhere after a
    // change of chip, takes them along and nothing is written from a value never seen.
    struct PendingActions {
        bool rfAgcChangePending = false;
        bool rfAgcSwitchOn = false;
        bool trimAdcPending = false;
        bool akHostModePending = false;
        int akHostMode = 0;
    };
    // One read sent to a chip and not yet answered.
    struct PendingRead {
        quint32 address = 0;
        bool show = false; // sent from "Address": the reply also goes to "Address" and "Value"
        PendingActions actions;
    };
    using PendingReads = QList<PendingRead>;

    void connectEngine(bool connected);
    void readRegister(quint32 address, bool show);
    void readRegister(quint32 address, bool show, const PendingActions &actions);
    void writeRegister(quint32 address, quint32 value);
    void registerReply(Chip chip, quint32 value);
    bool takeAnswered(Chip chip, PendingRead *answered);
    PendingActions collectActions(Chip chip, const PendingRead &answered);
    void decodeRegister(quint32 address, quint32 value, const PendingActions &actions);
    void decodeControlRegister(quint32 value, const PendingActions &actions);
    QString frqBandText(qint32 value) const;
    bool confirmRestart();
    // A number the person typed is refused: the box says which fields and why.
    void showRefusals(const QStringList &refusals);
    QRadioButton *chipButton(Chip chip) const;
    PendingReads &pendingReads(Chip chip);

    Ui_RK2290SettingsWidget *ui;
    QPointer<Controller> controller;
    // The engine the window listens to; it goes with the Controller.
    QPointer<BinaryConfigurator> engine;
    bool closed = false;
    PendingReads pendingReadsN0;
    PendingReads pendingReadsN1;
};
