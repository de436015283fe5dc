#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QWidget>

#include "binaryconfigurator.h"
#include "icontroller.h"

class Controller;
class QTimer;

// Finds the baud rate at which the receiver's serial port talks the binary protocol:
// the link is reopened at each candidate rate in turn and the receiver is asked the
// handshake word and then the probe. It has no form; it is a widget so that the
// workspace and the interface page can own it like their other parts.
class BaudRateService : public QWidget, public IController
{
    Q_OBJECT

public:
    explicit BaudRateService(QWidget *parent = nullptr);
    ~BaudRateService() override;

    void setController(Controller *controller) override;

    void startSearch();
    void stopSearch();
    // Reopens the receiver link's serial port at the rate; a socket link is only
    // stopped and started again.
    void setSerialBaudRate(int baudRate);

signals:
    void displayTestBaudRate(int baudRate);
    void finishFoundBaudRateMaster(bool isFound);
    // The link failed during the search (a reopen that did not open, a port that went
    // away): the search has stopped without a verdict; the link's own error says why.
    void linkLost();

public slots:
    void requestCompleted(QPair<MsgType, unsigned char> request);
    void requestError(QPair<MsgType, unsigned char> request);
    void timeoutSetSerrialPort();

private slots:
    void linkFailed();

private:
    void tryCurrentRate();
    void finishSearch(bool isFound);
    void noteSent();
    void forgetRetiredRequests();
    bool takeOutcome(QPair<MsgType, unsigned char> request);

    QPointer<Controller> controller;
    QList<int> baudRates;
    int index = -1;
    bool searching = false;
    // Whether the engine's outcomes drive the search: from startSearch to the verdict
    // or stopSearch. The engine stays connected all the while a Controller is set, so
    // that no outcome goes uncounted (see sentBySearch); one connection per signal.
    bool listening = false;

    // The one wait between reopening the port and the handshake. A new search stops
    // it, so a try of an earlier search never sends into the new one.
    QTimer *portTimer;
    // Each search has its own number. Every handshake and probe we queue is noted
    // with the number of the search that sent it; the engine answers in the order
    // of sending, so the outcome that arrives belongs to the oldest note. An outcome
    // of an earlier search (a restart while its request was in flight) is dropped.
    int searchNumber = 0;
    QList<int> sentBySearch;
};
