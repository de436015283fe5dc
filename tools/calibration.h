#pragma once

#include <QPair>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "binaryconfigurator.h"
#include "calibrationseries.h"
#include "icontroller.h"

class Controller;
class QCloseEvent;
class QLineEdit;
class QTimer;
namespace Ui {
class Calibration;
}

// The engineering window that calibrates the receiver. It shows the receiver's
// current table, the new table the receiver measures while a calibration runs, and
// the combined table it writes back ("Save && Restart"); it also reads and sets the
// position the receiver holds, and keeps the combined table in text files.
//
// States: idle (after construction and after a write), calibrating ("Start"; the new
// table is polled once the receiver has acknowledged the start, and a start it refuses
// or leaves unanswered goes back to the state before), reviewing ("Stop": the user
// picks entries of the new table or edits the combined one).
class Calibration : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit Calibration(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~Calibration() override;

    void setController(Controller *controller) override;

signals:
    // The receiver has acknowledged a new calibration table: it is to be restarted
    // (hot) so that it takes the table into use.
    void restart();

public slots:
    void llaChange(double lat, double lon, double alt);
    void oldClbDataChange(BinaryConfigurator::CalibrationData clb);
    void newClbDataChange(BinaryConfigurator::CalibrationData clb);
    void requestError(QPair<MsgType, unsigned char> request);
    void requestCompleted(QPair<MsgType, unsigned char> request);
    void on_btnSet_clicked();
    void on_btnStart_clicked();
    void on_btnStop_clicked();
    void on_btnSaveRestart_clicked();
    void on_btnReadeFile_clicked();
    void on_btnSaveFile_clicked();
    void clbNewDataTimeout();
    void updateDataTimeout();
    void changeNewChBox();
    void changeCombFlag();
    void closeEvent(QCloseEvent *event) override;
    void on_btnSaveFileTemper_clicked();

private:
    using CalibrationEntry = BinaryConfigurator::CalibrationEntry;
    using CalibrationData = BinaryConfigurator::CalibrationData;

    enum class State { Idle, Calibrating, Reviewing };

    void readFromReceiver();
    void chooseNewEntries();
    static bool isNewBetter(const CalibrationEntry &current, const CalibrationEntry &fresh);
    void combineData();
    void showCurrentData();
    void showNewData();
    void showCombinedData();
    static void showEntry(const CalibrationEntryWidgets &widgets, const CalibrationEntry &entry);
    static void showNewEntry(const CalibrationEntry &entry, const CalibrationEntryWidgets &widgets, bool take);
    // Takes the combined view's typed numbers into the combined table; gives the
    // refusals of the texts that are no number of their field (an empty field of a
    // valid entry, too, when emptyRefused), whose entries keep their numbers.
    QStringList readCombinedView(bool emptyRefused);
    static void readEntry(const CalibrationEntryWidgets &widgets, CalibrationEntry &entry, bool emptyRefused,
                          QStringList &refusals);
    static QString notSentText(const QStringList &refusals);
    void clearNewView();
    void setEditing(bool on);
    void setNewFlagsEnabled(bool on);
    void setButtons(State state);
    void startPolling();
    // The receiver's answer to a start command: polling, or back to the state before.
    void startEnded(bool taken);
    QList<QLineEdit *> positionFields() const;
    void scheduleUpdate();
    static void showError(const QString &text);
    void markCombinedChosen();

    Ui::Calibration *ui;
    QPointer<Controller> controller;
    // Zeroed until the receiver answers, so that nothing undefined is ever shown or sent.
    CalibrationData currentData{};
    CalibrationData newData{};
    CalibrationData combinedData{};
    CalibrationSeries currentView;
    CalibrationSeries newView;
    CalibrationSeries combinedView;
    bool takeNew[28] = {};
    QTimer *pollTimer;
    int channelCount;
    double temperature = 0;

    State state = State::Idle;
    State stateBeforeStart = State::Idle;
    // Start commands sent and not yet answered.
    int startsPending = 0;
    // A "Set" failed and the position is being read again.
    bool positionCheckPending = false;
    // Whether the combined table is one somebody chose: the receiver's current table
    // arrived, a file was read, or the user edited the combined view. Until then
    // "Save && Restart" would overwrite the receiver's calibration with zeros.
    bool combinedChosen = false;
};
