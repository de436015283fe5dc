#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// For the truncation tests: every record member whose validity the decoder decides,
// with the number of payload bytes the member needs (its own last byte, or the last
// byte of the status that governs it, whichever lies further).
struct MemberCheck
{
    QString name;
    int bytesNeeded;
    bool valid;
};

struct RecordUnderTest
{
    QString name;
    QByteArray fullPayload; // every member valid at this length
    // Decodes a payload and reports each member's validity.
    QVector<MemberCheck> (*members)(const QByteArray &payload);
    // The record's log line, so random input also walks the text code.
    QString (*line)(const QByteArray &payload);
};

// The eleven single-record messages, each with a payload whose statuses make every
// member valid.
QVector<RecordUnderTest> recordsUnderTest();
