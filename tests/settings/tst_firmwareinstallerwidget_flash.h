#pragma once

#include <QByteArray>
#include <QMap>

#include "scriptedreceiver.h"

// The receiver's flash as the firmware procedure sees it, answering on a
// ScriptedReceiver: boundaries, erases, page writes and the commit are acknowledged,
// written pages are kept and returned by the page reads. Anything not of the
// procedure (versions, load mark) is left to the receiver's other answers.
//
// Faults, each for one page, sector or command: a refused page write, a refused erase,
// a read that returns a changed page, a refused boundary, and a page write answered
// late (to look at the page while it writes).
class FlashReceiver
{
public:
    static constexpr int pageSize = 1024;
    static constexpr int sectorSize = 65536;

    explicit FlashReceiver(ScriptedReceiver &receiver)
        : scripted(receiver)
    {
        for (quint8 boundary : {0x83, 0x88})
            scripted.answerAlways(6, boundary, [this](const ScriptedReceiver::Command &) {
                return refuseBoundary ? ScriptedReceiver::refused() : ScriptedReceiver::done();
            });
        scripted.answerAlways(6, 0x81, [this](const ScriptedReceiver::Command &command) {
            const int sector = byteAt(command.payload, 0);
            if (sector == refusedErase)
                return ScriptedReceiver::refused();
            for (int page = sector * (sectorSize / pageSize); page < (sector + 1) * (sectorSize / pageSize); ++page)
                pages.remove(page);
            return ScriptedReceiver::done();
        });
        scripted.answerAlways(6, 0x84, [this](const ScriptedReceiver::Command &) {
            if (refusedErase == 0)
                return ScriptedReceiver::refused();
            pages.clear();
            return ScriptedReceiver::done();
        });
        for (quint8 write : {0x82, 0x85})
            scripted.answerAlways(6, write, [this](const ScriptedReceiver::Command &command) {
                const int page = index(command.payload);
                if (page == refusedWrite)
                    return ScriptedReceiver::refused();
                pages.insert(page, command.payload.mid(2));
                if (page == lateWrite)
                    return ScriptedReceiver::late(ScriptedReceiver::done(), lateWriteMs);
                return ScriptedReceiver::done();
            });
        for (quint8 read : {0x02, 0x05})
            scripted.answerAlways(6, read, [this](const ScriptedReceiver::Command &command) {
                const int page = index(command.payload);
                QByteArray bytes = pages.value(page);
                if (page == changedRead && !bytes.isEmpty())
                    bytes[0] = char(bytes.at(0) ^ 0xFF);
                return ScriptedReceiver::data(bytes);
            });
    }

    // What the flash holds, page after page.
    QByteArray content() const
    {
        QByteArray bytes;
        for (const QByteArray &page : pages)
            bytes.append(page);
        return bytes;
    }

    int refusedWrite = -1;
    int refusedErase = -1;
    int changedRead = -1;
    bool refuseBoundary = false;
    int lateWrite = -1;
    int lateWriteMs = 0;

private:
    static int index(const QByteArray &payload)
    {
        return byteAt(payload, 0) | byteAt(payload, 1) << 8;
    }
    static int byteAt(const QByteArray &payload, int i)
    {
        return i < payload.size() ? quint8(payload.at(i)) : 0;
    }

    ScriptedReceiver &scripted;
    QMap<int, QByteArray> pages;
};
