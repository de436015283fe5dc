#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>

#include "scriptedreceiver.h"

// A receiver that keeps its settings in a table, for the tests of the settings pages.
// It answers a ScriptedReceiver's commands (as its fallback, so answerNext() and
// answerAlways() still come first):
//   - a getter (sub-id below 0x80) whose payload is stored gets it as a data reply;
//   - a setter (getter + 0x80) is acknowledged and its payload stored for the getter,
//     so the page's read-back shows what was written;
//   - a command marked with acknowledge() is acknowledged and stores nothing;
//   - anything else is refused, as the receiver refuses what it does not know.
// Per request, the next answers can be replaced by a refusal, silence (the engine's
// time-out then ends the request) or the usual answer sent late.
//
//   PageSession session;                  // ReceiverSession in binary mode + table
//   QVERIFY(session.open());
//   session.table.store(3, 0x41, QByteArray::fromHex("021207"));
//   session.table.refuse(3, 0xC1);        // the next setter of the date constraints
//   page.setController(session.controller);
//   page.readSettings();
//   QTRY_COMPARE(session.table.frames(), expectedFrames);
class SettingsTableReceiver
{
public:
    explicit SettingsTableReceiver(ScriptedReceiver &receiver);
    ~SettingsTableReceiver();
    SettingsTableReceiver(const SettingsTableReceiver &) = delete;
    SettingsTableReceiver &operator=(const SettingsTableReceiver &) = delete;

    // Every one of the next `times` requests (group, sub-id); -1 for all from now on.
    static constexpr int always = -1;

    void store(quint8 group, quint8 getter, const QByteArray &payload);
    QByteArray stored(quint8 group, quint8 getter) const;
    bool isStored(quint8 group, quint8 getter) const;
    void forget(quint8 group, quint8 getter);
    void acknowledge(quint8 group, quint8 subId);

    void refuse(quint8 group, quint8 subId, int times = 1);
    void silence(quint8 group, quint8 subId, int times = 1);
    void answerLate(quint8 group, quint8 subId, int delayMs, int times = 1);
    // Back to the table's own answers for that request.
    void answerNormally(quint8 group, quint8 subId);

    // The request PageSession::settle() sends to see the engine's queue run empty: a
    // debug byte, a group no settings page uses. It is acknowledged and left out of the
    // record below.
    static constexpr quint8 markerGroup = 200;
    static constexpr quint8 markerSubId = 0x83;

    // The command frames that arrived, whole, in arrival order; all, or one request's.
    QList<QByteArray> frames() const;
    QList<QByteArray> frames(quint8 group, quint8 subId) const;
    int count(quint8 group, quint8 subId) const;
    // Every command but the markers.
    int total() const;
    void clearRecord();

    ScriptedReceiver &receiver() const { return scripted; }

private:
    enum class Twist { Refuse, Silence, Late };
    struct Plan {
        Twist twist = Twist::Refuse;
        int delayMs = 0;
        int times = 0;
    };

    ScriptedReceiver::Answer answer(const ScriptedReceiver::Command &command);
    ScriptedReceiver::Answer tableAnswer(const ScriptedReceiver::Command &command);
    void plan(quint8 group, quint8 subId, const Plan &plan);
    static quint32 key(quint8 group, quint8 subId) { return quint32(group) << 8 | subId; }

    ScriptedReceiver &scripted;
    QHash<quint32, QByteArray> values;
    QHash<quint32, bool> acknowledged;
    QHash<quint32, Plan> plans;
};
