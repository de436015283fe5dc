#include "pagesession.h"

#include <QElapsedTimer>
#include <QPair>
#include <QTest>

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
    QElapsedTimer clock;
    clock.start();
    BinaryConfigurator *engine = controller->binaryConfigurator();
    int markersDone = 0;
    QObject context;
    connect(engine, &BinaryConfigurator::requestCompleted, &context,
            [&markersDone](QPair<MsgType, unsigned char> request) {
                if (request.first == SettingsTableReceiver::markerGroup
                    && request.second == SettingsTableReceiver::markerSubId)
                    ++markersDone;
            });
    for (;;) {
        const int before = table.total();
        const int expected = markersDone + 1;
        // The engine writes the marker only after every request queued before it is
        // done; its acknowledgement ends the round.
        engine->setDebugByte3(0);
        const bool through = QTest::qWaitFor([&]() { return markersDone >= expected; },
                                             int(qMax<qint64>(0, timeoutMs - clock.elapsed())));
        if (!through)
            return false;
        if (table.total() == before)
            return true;
    }
}
