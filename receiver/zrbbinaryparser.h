#pragma once

#include "iparser.h"

#include <QByteArray>
#include <QString>

#include "binaryframe.h"
#include "binaryrecords.h"
#include "nmeasentences.h"

class NMEAParser;

// Cuts the receiver's binary frames out of the byte stream, checks them and routes
// them: status frames to the command engine, message frames to their decoders.
class ZRBBinaryParser : public iParser
{
    Q_OBJECT
public:
    explicit ZRBBinaryParser(QObject *parent);
    ~ZRBBinaryParser() override;

    // Forgets a half-received frame and any unfinished text line.
    void reset();

signals:
    void bmtStatusReceived(BmtStatus status, QByteArray data);
    void sentenceIsReceived(const GGA &sentence);
    void sentenceIsReceived(const GSA &sentence);
    void sentenceIsReceived(const GST &sentence);
    void sentenceIsReceived(const GSV &sentence);
    void sentenceIsReceived(const RMC &sentence);
    void sentenceIsReceived(const VTG &sentence);
    void sentenceIsReceived(const ZDA &sentence);
    void sentenceIsReceived(const HDG &sentence);
    void sentenceIsReceived(const RTIME_RDATE &sentence);
    void sentenceIsReceived(const RPOS_ECEF &sentence);
    void sentenceIsReceived(const RVEL_ECEF &sentence);
    void sentenceIsReceived(const RPOS_LLA &sentence);
    void sentenceIsReceived(const RVEL_ENU &sentence);
    void sentenceIsReceived(const RSOL_ATR &sentence);
    void sentenceIsReceived(const BPOS_ECEF &sentence);
    void sentenceIsReceived(const GSV_FULL &sentence);
    void sentenceIsReceived(const RSOL_FULL &sentence);
    void sentenceIsReceived(const RSOL_iFULL &sentence);
    void sentenceIsReceived(const YPR_DEG &sentence);
    void sentenceIsReceived(const HVECT &sentence);

public slots:
    void parse(const QByteArray &data) override;

private:
    void handleFrame(const QByteArray &frame);
    bool checkFrame(const QByteArray &frame) const;
    void dispatch(int number, const QByteArray &payload);
    void dispatchGsvFull(const QByteArray &payload);
    void parseText(const QByteArray &text);
    // Decodes one binary record, logs its line, then hands the record on.
    template <typename Record>
    void emitRecord(const QByteArray &payload);

    int m_state = 0;
    QByteArray m_frame; // kind, id, length and payload of the frame being received
    int m_kind = 0;
    quint8 m_id = 0;
    quint16 m_length = 0;
    quint16 m_count = 0;
    quint16 m_receivedChecksum = 0;
    // Cuts, checks and decodes the NMEA text inside message frames (and keeps its
    // unfinished line, at most 10000 bytes); its signals are relayed as ours.
    NMEAParser *m_sentenceParser;
};
