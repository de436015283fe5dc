#pragma once

// The bytes a receiver puts on the line, built from their parts: NMEA sentences
// and binary frames. Header-only so the benchmark generators use the same builders.

#include <QByteArray>

#include "binaryframe.h"

// "$" + body + "*" + two upper-case hex digits + CR LF.
inline QByteArray nmeaLine(const QByteArray &body)
{
    quint8 sum = 0;
    for (const char c : body)
        sum ^= quint8(c);
    static const char hex[] = "0123456789ABCDEF";
    QByteArray line;
    line.reserve(body.size() + 6);
    line.append('$');
    line.append(body);
    line.append('*');
    line.append(hex[sum >> 4]);
    line.append(hex[sum & 0xF]);
    line.append("\r\n");
    return line;
}

// A whole binary frame: sync pair, kind, id, little-endian length, payload, and the
// little-endian checksum over kind to payload.
inline QByteArray binaryFrame(quint8 kind, quint8 id, const QByteArray &payload)
{
    QByteArray body;
    body.reserve(4 + payload.size());
    body.append(char(kind));
    body.append(char(id));
    body.append(char(payload.size() & 0xFF));
    body.append(char((payload.size() >> 8) & 0xFF));
    body.append(payload);
    const quint16 sum = calcChecksum(body);

    QByteArray bytes;
    bytes.reserve(body.size() + 4);
    bytes.append(char(BinaryFrame::Sync1));
    bytes.append(char(BinaryFrame::Sync2));
    bytes.append(body);
    bytes.append(char(sum & 0xFF));
    bytes.append(char(sum >> 8));
    return bytes;
}
