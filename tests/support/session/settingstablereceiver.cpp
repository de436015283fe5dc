#include "settingstablereceiver.h"

SettingsTableReceiver::SettingsTableReceiver(ScriptedReceiver &receiver)
    : scripted(receiver)
{
    scripted.setFallback([this](const ScriptedReceiver::Command &command) { return answer(command); });
}

SettingsTableReceiver::~SettingsTableReceiver()
{
    scripted.setFallback(ScriptedReceiver::Responder());
}

void SettingsTableReceiver::store(quint8 group, quint8 getter, const QByteArray &payload)
{
    values.insert(key(group, getter), payload);
}

QByteArray SettingsTableReceiver::stored(quint8 group, quint8 getter) const
{
    return values.value(key(group, getter));
}

bool SettingsTableReceiver::isStored(quint8 group, quint8 getter) const
{
    return values.contains(key(group, getter));
}

void SettingsTableReceiver::forget(quint8 group, quint8 getter)
{
    values.remove(key(group, getter));
}

void SettingsTableReceiver::acknowledge(quint8 group, quint8 subId)
{
    acknowledged.insert(key(group, subId), true);
}

void SettingsTableReceiver::refuse(quint8 group, quint8 subId, int times)
{
    plan(group, subId, {Twist::Refuse, 0, times});
}

void SettingsTableReceiver::silence(quint8 group, quint8 subId, int times)
{
    plan(group, subId, {Twist::Silence, 0, times});
}

void SettingsTableReceiver::answerLate(quint8 group, quint8 subId, int delayMs, int times)
{
    plan(group, subId, {Twist::Late, delayMs, times});
}

void SettingsTableReceiver::answerNormally(quint8 group, quint8 subId)
{
    plans.remove(key(group, subId));
}

void SettingsTableReceiver::plan(quint8 group, quint8 subId, const Plan &plan)
{
    if (plan.times == 0)
        plans.remove(key(group, subId));
    else
        plans.insert(key(group, subId), plan);
}

QList<QByteArray> SettingsTableReceiver::frames() const
{
    QList<QByteArray> out;
    for (const ScriptedReceiver::Command &command : scripted.commands()) {
        if (command.group != markerGroup || command.subId != markerSubId)
            out.append(command.frame);
    }
    return out;
}

int SettingsTableReceiver::total() const
{
    return frames().size();
}

QList<QByteArray> SettingsTableReceiver::frames(quint8 group, quint8 subId) const
{
    QList<QByteArray> out;
    for (const ScriptedReceiver::Command &command : scripted.commands()) {
        if (command.group == group && command.subId == subId)
            out.append(command.frame);
    }
    return out;
}

int SettingsTableReceiver::count(quint8 group, quint8 subId) const
{
    return scripted.count(group, subId);
}

void SettingsTableReceiver::clearRecord()
{
    scripted.clearRecord();
}

ScriptedReceiver::Answer SettingsTableReceiver::answer(const ScriptedReceiver::Command &command)
{
    const quint32 k = key(command.group, command.subId);
    auto it = plans.find(k);
    if (it == plans.end())
        return tableAnswer(command);
    const Plan plan = *it;
    if (plan.times > 0 && --it->times == 0)
        plans.erase(it);
    switch (plan.twist) {
    case Twist::Refuse:
        return ScriptedReceiver::refused();
    case Twist::Silence:
        return ScriptedReceiver::silence();
    case Twist::Late:
        return ScriptedReceiver::late(tableAnswer(command), plan.delayMs);
    }
    return ScriptedReceiver::silence();
}

ScriptedReceiver::Answer SettingsTableReceiver::tableAnswer(const ScriptedReceiver::Command &command)
{
    const quint32 k = key(command.group, command.subId);
    if (acknowledged.contains(k))
        return ScriptedReceiver::done();
    if (command.subId >= 0x80) {
        store(command.group, quint8(command.subId - 0x80), command.payload);
        return ScriptedReceiver::done();
    }
    if (values.contains(k))
        return ScriptedReceiver::data(values.value(k));
    return ScriptedReceiver::refused();
}
