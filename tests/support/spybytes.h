#pragma once

#include <QByteArray>
#include <QList>
#include <QSignalSpy>
#include <QVariant>

// All the byte chunks a spied signal carried as its first argument, in order.
inline QByteArray joinedBytes(const QSignalSpy &spy)
{
    QByteArray all;
    for (const QList<QVariant> &args : spy)
        all += args.at(0).toByteArray();
    return all;
}
