#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include "binaryframe.h"
#include "binarypayloads.h"
#include "framebuilders.h"
#include "binaryrecords.h"
#include "nmeasentences.h"
#include "interfacemode.h"

// Writes what a parser emits into one ordered list of short texts, so a test can
// compare the whole sequence at once:
//   "status <n> <payload hex>", "log<mode> <text>", "<record name>",
//   "<NMEA record name> <talker>", "GSV_FULL <talker> <number>/<total>"
template <typename Parser, typename Record>
void recordSentence(Parser *parser, QStringList *events, const QString &name)
{
    QObject::connect(parser, qOverload<const Record &>(&Parser::sentenceIsReceived), parser,
                     [events, name](const Record &) { *events << name; });
}

template <typename Parser, typename Record>
void recordNmeaSentence(Parser *parser, QStringList *events, const QString &name)
{
    QObject::connect(parser, qOverload<const Record &>(&Parser::sentenceIsReceived), parser,
                     [events, name](const Record &record) {
                         *events << name + QLatin1Char(' ') + QString::fromLatin1(record.talker);
                     });
}

template <typename Parser>
void recordNmeaRecords(Parser *parser, QStringList *events)
{
    recordNmeaSentence<Parser, GGA>(parser, events, QStringLiteral("GGA"));
    recordNmeaSentence<Parser, GSA>(parser, events, QStringLiteral("GSA"));
    recordNmeaSentence<Parser, GST>(parser, events, QStringLiteral("GST"));
    recordNmeaSentence<Parser, GSV>(parser, events, QStringLiteral("GSV"));
    recordNmeaSentence<Parser, RMC>(parser, events, QStringLiteral("RMC"));
    recordNmeaSentence<Parser, VTG>(parser, events, QStringLiteral("VTG"));
    recordNmeaSentence<Parser, ZDA>(parser, events, QStringLiteral("ZDA"));
    recordNmeaSentence<Parser, HDG>(parser, events, QStringLiteral("HDG"));
}

template <typename Parser>
void recordBinaryRecords(Parser *parser, QStringList *events)
{
    recordSentence<Parser, RTIME_RDATE>(parser, events, QStringLiteral("RTIME_RDATE"));
    recordSentence<Parser, RPOS_ECEF>(parser, events, QStringLiteral("RPOS_ECEF"));
    recordSentence<Parser, RVEL_ECEF>(parser, events, QStringLiteral("RVEL_ECEF"));
    recordSentence<Parser, RPOS_LLA>(parser, events, QStringLiteral("RPOS_LLA"));
    recordSentence<Parser, RVEL_ENU>(parser, events, QStringLiteral("RVEL_ENU"));
    recordSentence<Parser, RSOL_ATR>(parser, events, QStringLiteral("RSOL_ATR"));
    recordSentence<Parser, BPOS_ECEF>(parser, events, QStringLiteral("BPOS_ECEF"));
    recordSentence<Parser, RSOL_FULL>(parser, events, QStringLiteral("RSOL_FULL"));
    recordSentence<Parser, RSOL_iFULL>(parser, events, QStringLiteral("RSOL_iFULL"));
    recordSentence<Parser, YPR_DEG>(parser, events, QStringLiteral("YPR_DEG"));
    recordSentence<Parser, HVECT>(parser, events, QStringLiteral("HVECT"));
    QObject::connect(parser, qOverload<const GSV_FULL &>(&Parser::sentenceIsReceived), parser,
                     [events](const GSV_FULL &record) {
                         *events << QStringLiteral("GSV_FULL %1 %2/%3")
                                        .arg(record.talker)
                                        .arg(record.messageNumber)
                                        .arg(record.totalMessages);
                     });
}

template <typename Parser>
void recordParserEvents(Parser *parser, QStringList *events)
{
    recordNmeaRecords(parser, events);
    recordBinaryRecords(parser, events);
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

// The log event a binary record gives.
template <typename Record>
QString logOf(const QByteArray &payload)
{
    return QStringLiteral("log1 ") + Record(payload).toString().trimmed();
}
