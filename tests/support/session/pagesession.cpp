#include "pagesession.h"

#include <QEventLoop>
#include <QPair>
#include <QTimer>

#include "binaryconfigurator.h"
#include "controller.h"

PageSession::PageSession(QObject *parent)
    : ReceiverSession(parent)
    , table(receiver)
{
}

bool PageSession::open(int timeoutMs)
{
    return ReceiverSession::open(InterfaceBinary, timeoutMs);
}

bool PageSession::settle(int timeoutMs)
{
    BinaryConfigurator *engine = controller->binaryConfigurator();
    int markersDone = 0;
    // Waits on the marker's acknowledgement itself rather than polling, so a round
    // costs the requests' round trips and nothing more.
    QEventLoop loop;
    connect(engine, &BinaryConfigurator::requestCompleted, &loop,
            [&markersDone, &loop](QPair<MsgType, unsigned char> request) {
                if (request.first == SettingsTableReceiver::markerGroup
                    && request.second == SettingsTableReceiver::markerSubId) {
                    ++markersDone;
                    loop.quit();
                }
            });
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    for (;;) {
        const int before = table.total();
        const int expected = markersDone + 1;
        // The engine writes the marker only after every request queued before it is
        // done; its acknowledgement ends the round.
        engine->setDebugByte3(0);
        while (markersDone < expected && deadline.isActive())
            loop.exec();
        if (markersDone < expected)
            return false;
        if (table.total() == before)
            return true;
    }
}
