#pragma once

#include "iparser.h"

#include <QByteArray>
#include <QVector>

#include "binaryframe.h"
#include "binaryrecords.h"
#include "nmeasentences.h"

class NMEAParser;
class ZRBBinaryParser;

// The one parser the rest of the program holds. It hands every received chunk to the
// parser of the current protocol and relays the signals of both parsers as its own,
// so its listeners never change when the protocol is switched.
class ParserProxy : public iParser
{
    Q_OBJECT
public:
    explicit ParserProxy(QObject *parent);
    ~ParserProxy() override;

    // Announces the protocol to the windows that show it; the parser is not changed.
    void defineProtocol(InterfaceMode mode);
    // Emits, in the given order, the blanking signal of each message number that has
    // one (a message the user has just switched off).
    void showLastData(const QVector<int> &messages);
    // Blanks every message, in the order of the message numbers.
    void showAllLastData();

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
    void protocolDefined(InterfaceMode mode);
    // Every received chunk as it came, for the data log.
    void displayData(QByteArray data);
    void showLastDataGGA();
    void showLastDataGSA();
    void showLastDataGSV();
    void showLastDataZDA();
    void showLastDataVTG();
    void showLastDataRMC();
    void showLastDataGST();
    void showLastDataHDG();
    void showLastDataRTIME_RDATE();
    void showLastDataRPOS_ECEF();
    void showLastDataRVEL_ECEF();
    void showLastDataRPOS_LLA();
    void showLastDataRVEL_ENU();
    void showLastDataRSOL_ATR();
    void showLastDataBPOS_ECEF();
    void showLastDataGSV_FULL();
    void showLastDataRSOL_FULL();
    void showLastDataRSOL_iFULL();
    void showLastDataYPR_DEG();
    void showLastDataHVECT();

public slots:
    // Selecting a protocol (again) drops that parser's unfinished line or frame.
    void setInterfaceMode(InterfaceMode mode);
    // The current parser's signals first, then displayData with the unchanged chunk.
    void parse(const QByteArray &data) override;

private:
    void forwardNmeaSignals(const QObject *parser);
    void forwardBinarySignals(const QObject *parser);

    iParser *m_currentParser = nullptr;
    NMEAParser *m_nmeaParser;
    ZRBBinaryParser *m_binaryParser;
};
