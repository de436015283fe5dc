#pragma once

#include "receiversession.h"
#include "settingstablereceiver.h"

// A ReceiverSession in the binary protocol whose receiver answers from a settings
// table: the peer of a settings page or of the settings dialog under test.
class PageSession : public ReceiverSession
{
    Q_OBJECT

public:
    explicit PageSession(QObject *parent = nullptr);

    bool open(int timeoutMs = 20000);

    // Returns once every request queued so far, and every request queued in answer to
    // their outcomes, has been sent and answered (or has timed out): a marker request
    // goes through the engine's queue behind them, again and again until a round
    // brings no other command. So a test can check that nothing more was sent without
    // sleeping. False when the marker did not come through within timeoutMs. The
    // markers take entries of ScriptedReceiver::answerNext() like any command: settle
    // once those are used up.
    bool settle(int timeoutMs = 30000);

    SettingsTableReceiver table;
};

// A command frame as the program writes it, built with the scripted receiver's own
// checksum.
inline QByteArray commandFrame(quint8 group, quint8 subId, const QByteArray &payload = QByteArray())
{
    return ScriptedReceiver::frame(group, subId, payload);
}
