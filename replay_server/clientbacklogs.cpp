#include "clientbacklogs.h"

#include <algorithm>

namespace {

// 64 MiB rather than 67108864 where it is a whole number of them.
QString sizeText(qint64 bytes)
{
    const qint64 mebibyte = 1024 * 1024;
    return bytes % mebibyte == 0 ? QStringLiteral("%1 MiB").arg(bytes / mebibyte)
                                 : QStringLiteral("%1 bytes").arg(bytes);
}

} // namespace

void ClientBacklogs::add(Id id, qint64 nowMs)
{
    Progress client;
    client.lastTakenMs = nowMs;
    progress.insert(id, client);
}

void ClientBacklogs::remove(Id id)
{
    progress.remove(id);
}

void ClientBacklogs::clear()
{
    progress.clear();
}

bool ClientBacklogs::noteTaken(Id id, qint64 taken, qint64 nowMs)
{
    const auto entry = progress.find(id);
    if (entry == progress.end() || taken <= entry->taken)
        return false;
    entry->taken = taken;
    entry->lastTakenMs = nowMs;
    entry->stalledMs = 0;
    return true;
}

void ClientBacklogs::startLooking(qint64 nowMs)
{
    lastLookMs = nowMs;
}

qint64 ClientBacklogs::look(qint64 nowMs)
{
    const qint64 credit = qBound<qint64>(0, nowMs - lastLookMs, stallCheckMs);
    lastLookMs = nowMs;
    return credit;
}

QString ClientBacklogs::afterLook(Id id, bool took, qint64 unsent, qint64 creditMs)
{
    const auto entry = progress.find(id);
    if (entry == progress.end())
        return QString();
    // Time counts only from a look that found data waiting for it to the next.
    if (!took && entry->offered && unsent > 0)
        entry->stalledMs += creditMs;
    entry->offered = unsent > 0;
    if (entry->stalledMs >= stallTimeoutMs && unsent > pendingCap)
        return QStringLiteral("took nothing for %1 s").arg(stallTimeoutMs / 1000);
    return QString();
}

QString ClientBacklogs::farBehind(qint64 unsent) const
{
    if (unsent <= maxTotalBytes())
        return QString();
    return QStringLiteral("%1 behind").arg(sizeText(maxTotalBytes()));
}

QVector<ClientBacklogs::Drop> ClientBacklogs::overTotal(QVector<Standing> standings, qint64 held) const
{
    QVector<Drop> drops;
    if (held <= maxTotalBytes())
        return drops;
    // Furthest behind first; of clients at one place, the one holding more of its own,
    // then the one that took something longest ago.
    std::sort(standings.begin(), standings.end(), [this](const Standing &a, const Standing &b) {
        if (a.behind != b.behind)
            return a.behind > b.behind;
        if (a.own != b.own)
            return a.own > b.own;
        return progress.value(a.id).lastTakenMs < progress.value(b.id).lastTakenMs;
    });
    const QString why = QStringLiteral("furthest behind while all clients hold over %1").arg(sizeText(maxTotalBytes()));
    for (int i = 0; i < standings.size() && held > maxTotalBytes(); ++i) {
        const Standing &client = standings.at(i);
        if (client.behind + client.own <= 0)
            break;
        drops.append(Drop{client.id, why});
        const qint64 nextBehind = i + 1 < standings.size() ? standings.at(i + 1).behind : 0;
        held -= client.own + client.behind - nextBehind;
    }
    return drops;
}
