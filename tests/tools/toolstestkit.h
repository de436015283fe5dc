#pragma once

// What the tool tests share: widgets found by object name, the fence that proves
// nothing more went out, the Russian catalogue and the screenshot folder.

#include <QDir>
#include <QWidget>
#include <QtTest>

#include "childof.h"
#include "hexbytes.h"
#include "russiancatalogue.h"
#include "screenshot.h"
#include "binaryconfigurator.h"
#include "controller.h"
#include "receiversession.h"

// Queues one last, answered request through the command engine and waits until the
// receiver has it. Everything queued before it, and everything written straight to the
// link before it, has arrived by then. Returns the frames that came between the fence
// before (if any) and this one, or a list holding only "no fence" when it did not arrive.
inline QList<QByteArray> framesBeforeFence(ReceiverSession &session)
{
    const auto isFence = [](const ScriptedReceiver::Command &command) {
        return command.group == 3 && command.subId == 0x06;
    };
    const int fencesBefore = session.receiver.count(3, 0x06);
    session.receiver.answerAlways(3, 0x06, ScriptedReceiver::data(hex("18")));
    session.controller->binaryConfigurator()->requestNchn();
    if (!QTest::qWaitFor([&]() { return session.receiver.count(3, 0x06) > fencesBefore; }, 8000))
        return {QByteArray("no fence")};
    // The frames after the previous fence, up to this one.
    QList<QByteArray> frames;
    int fences = 0;
    for (const ScriptedReceiver::Command &command : session.receiver.commands()) {
        if (isFence(command)) {
            if (++fences > fencesBefore)
                break;
            continue;
        }
        if (fences == fencesBefore)
            frames << command.frame;
    }
    return frames;
}
