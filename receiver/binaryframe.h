#pragma once

#include <QByteArray>
#include <QtGlobal>

// The receiver's binary frame ("ZRB_Binary"), the same in both directions:
//
//   0x21 0x4E | kind | id | length (u16 LE) | payload (length bytes) | checksum (u16 LE)
//
// The checksum covers kind, id, both length bytes and the payload, not the sync bytes.
// There is no end marker and no escaping of sync bytes inside the payload.
namespace BinaryFrame {

constexpr quint8 Sync1 = 0x21; // '!'
constexpr quint8 Sync2 = 0x4E; // 'N'

constexpr int KindOffset = 2;
constexpr int IdOffset = 3;
constexpr int LengthOffset = 4;
constexpr int PayloadOffset = 6;
constexpr int HeaderSize = 6;   // sync, sync, kind, id, length
constexpr int ChecksumSize = 2;
constexpr int Overhead = HeaderSize + ChecksumSize; // a frame is Overhead + length bytes

// The receiver never sends longer payloads; the reader abandons a frame announcing more.
constexpr int MaxReceivedPayload = 1024;

// Kinds of the frames the receiver sends; frames of other kinds are checked and ignored.
constexpr quint8 KindStatus = 0;  // id is the BmtStatus of the pending command
constexpr quint8 KindMessage = 1; // id is the NavMessageType

} // namespace BinaryFrame

// The status of a reply frame. Carried as one byte and passed on unchanged, so any byte
// the receiver sends is a defined value; values beyond BmtData retire the pending
// command without a report.
enum BmtStatus : quint8 {
    BmtRefused = 0, // the receiver refused the command
    BmtDone = 1,    // the receiver executed the command
    BmtData = 2     // the payload answers a read command
};

// The receiver's output message numbers: the id of a message frame, and also the bit of
// the message in the receiver's output message set. Numbers 1 to 9 carry NMEA text, whose
// own sentence name decides the record; 16 and up carry binary records.
enum NavMessageType : quint8 {
    NavMsg_TXT = 1,
    NavMsg_GGA = 2,
    NavMsg_GSA = 3,
    NavMsg_GSV = 4,
    NavMsg_ZDA = 5,
    NavMsg_VTG = 6,
    NavMsg_RMC = 7,
    NavMsg_GST = 8,
    NavMsg_HDG = 9,
    NavMsg_RTIME_RDATE = 16,
    NavMsg_RPOS_ECEF = 17,
    NavMsg_RVEL_ECEF = 18,
    NavMsg_RPOS_LLA = 19,
    NavMsg_RVEL_ENU = 20,
    NavMsg_RSOL_ATR = 21,
    NavMsg_BPOS_ECEF = 22,
    NavMsg_GSV_FULL = 23,
    NavMsg_RSOL_FULL = 24,
    NavMsg_RSOL_iFULL = 25,
    NavMsg_YPR_DEG = 28,
    NavMsg_HVECT = 29
};

// True for the numbers that name a message (1 to 9, 16 to 25, 28, 29).
bool isNavMessageType(int number);
// True for the numbers whose payload is NMEA text (1 to 9).
bool isTextNavMessage(int number);

// The frame checksum: Fletcher-16 over the bytes, except that a sum of 0 modulo 255
// stays 0xFF, so neither checksum byte is ever 0x00 and an empty input gives 0xFFFF.
// Sent low byte first (the first sum, then the second).
quint16 calcChecksum(const char *data, int size);
quint16 calcChecksum(const QByteArray &data);
