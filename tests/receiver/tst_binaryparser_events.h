#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include "binaryframe.h"
#include "interfacemode.h"

// Writes what a parser emits into one ordered list of short texts, so a test can
// compare the whole sequence at once:
//   "status <n> <payload hex>", "log<mode> <text>"
template <typename Parser>
void recordParserEvents(Parser *parser, QStringList *events)
{
    QObject::connect(parser, &Parser::bmtStatusReceived, parser,
                     [events](BmtStatus status, const QByteArray &data) {
                         *events << QStringLiteral("status %1 %2")
                                        .arg(int(status))
                                        .arg(QString::fromLatin1(data.toHex()));
                     });
    QObject::connect(parser, &Parser::dataParsed, parser,
                     [events](const QByteArray &text, InterfaceMode mode) {
                         *events << QStringLiteral("log%1 %2")
                                        .arg(int(mode))
                                        .arg(QString::fromUtf8(text).trimmed());
                     });
}

// A whole frame as the receiver sends it: sync, kind, id, length, payload, checksum.
inline QByteArray makeFrame(quint8 kind, quint8 id, const QByteArray &payload)
{
    QByteArray body;
    body.append(char(kind));
    body.append(char(id));
    body.append(char(payload.size() & 0xFF));
    body.append(char((payload.size() >> 8) & 0xFF));
    body.append(payload);
    const quint16 sum = calcChecksum(body);
    QByteArray frame("\x21\x4E", 2);
    frame.append(body);
    frame.append(char(sum & 0xFF));
    frame.append(char(sum >> 8));
    return frame;
}
