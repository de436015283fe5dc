#pragma once

// The receiver's side of a firmware installation for the installer tests: a flash kept
// in memory that the scripted receiver erases, writes and returns page by page, and a
// record of everything the installer tells the firmware page.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>

#include <cstring>
#include <functional>

#include "firmwareinstaller.h"
#include "hexbytes.h"
#include "scriptedreceiver.h"

const int PageSize = 1024;
const int SectorSize = 65536;
const int FlashSize = 4 * SectorSize;

inline quint32 word(quint8 b0, quint8 b1, quint8 b2, quint8 b3)
{
    const quint8 bytes[4] = {b0, b1, b2, b3};
    quint32 w;
    std::memcpy(&w, bytes, sizeof w);
    return w;
}

inline QByteArray imageOf(int size)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 7 + i / 251) & 0xFF);
    return image;
}

inline quint16 indexOf(const ScriptedReceiver::Command &command)
{
    if (command.payload.size() < 2)
        return 0xFFFF;
    return quint16(quint8(command.payload.at(0)) | (quint8(command.payload.at(1)) << 8));
}

// The receiver's flash and its answers to the firmware group.
class Flash
{
public:
    explicit Flash(ScriptedReceiver &receiver)
        : bytes(FlashSize, char(0x5A))
    {
        const auto ack = [this](quint8 subId) {
            return [this, subId](const ScriptedReceiver::Command &command) { return answer(subId, command); };
        };
        for (quint8 subId : {quint8(0x02), quint8(0x05), quint8(0x81), quint8(0x82), quint8(0x83),
                             quint8(0x84), quint8(0x85), quint8(0x86), quint8(0x88)})
            receiver.answerAlways(6, subId, ack(subId));
    }

    QByteArray bytes;
    // A test may take over one command: return true and fill the answer.
    std::function<bool(quint8, const ScriptedReceiver::Command &, ScriptedReceiver::Answer &)> override;

private:
    ScriptedReceiver::Answer answer(quint8 subId, const ScriptedReceiver::Command &command)
    {
        ScriptedReceiver::Answer special;
        if (override && override(subId, command, special))
            return special;
        switch (subId) {
        case 0x81: {
            const int sector = command.payload.isEmpty() ? 0 : quint8(command.payload.at(0));
            if ((sector + 1) * SectorSize > bytes.size())
                return ScriptedReceiver::refused();
            std::memset(bytes.data() + sector * SectorSize, 0xFF, SectorSize);
            return ScriptedReceiver::done();
        }
        case 0x84:
            bytes.fill(char(0xFF));
            return ScriptedReceiver::done();
        case 0x82:
        case 0x85: {
            const int at = indexOf(command) * PageSize;
            const QByteArray page = command.payload.mid(2);
            if (page.size() > PageSize || at + page.size() > bytes.size())
                return ScriptedReceiver::refused();
            std::memcpy(bytes.data() + at, page.constData(), size_t(page.size()));
            return ScriptedReceiver::done();
        }
        case 0x02:
        case 0x05:
            // Always a whole page, whatever the image's length.
            return ScriptedReceiver::data(bytes.mid(indexOf(command) * PageSize, PageSize));
        default:
            return ScriptedReceiver::done();
        }
    }
};

// Everything the installer tells the firmware page, in order.
class Outcomes : public QObject
{
public:
    explicit Outcomes(FirmwareInstaller *installer)
    {
        connect(installer, &FirmwareInstaller::stepPassed, this, [this](double f) { steps << f; });
        const auto note = [this](const QString &text) { return [this, text]() { events << text; }; };
        connect(installer, &FirmwareInstaller::installationFinished, this, note("installationFinished"));
        connect(installer, &FirmwareInstaller::installationFailed, this, note("installationFailed"));
        connect(installer, &FirmwareInstaller::errorValidateFirmware, this, note("errorValidateFirmware"));
        connect(installer, &FirmwareInstaller::fileError, this, note("fileError"));
        connect(installer, &FirmwareInstaller::finish, this, note("finish"));
        connect(installer, &FirmwareInstaller::errorWrite, this,
                [this](int n) { events << QStringLiteral("errorWrite(%1)").arg(n); });
        connect(installer, &FirmwareInstaller::errorErase, this,
                [this](int n) { events << QStringLiteral("errorErase(%1)").arg(n); });
    }

    QList<double> steps;
    QStringList events;
};
