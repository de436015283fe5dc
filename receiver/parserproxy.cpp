#include "parserproxy.h"

#include "nmeaparser.h"
#include "zrbbinaryparser.h"

ParserProxy::ParserProxy(QObject *parent)
    : iParser(parent)
    , m_nmeaParser(new NMEAParser(this))
    , m_binaryParser(new ZRBBinaryParser(this))
{
    forwardNmeaSignals(m_nmeaParser);
    forwardNmeaSignals(m_binaryParser);
    forwardBinarySignals(m_binaryParser);
}

ParserProxy::~ParserProxy()
{
    m_currentParser = nullptr;
    delete m_nmeaParser;
    delete m_binaryParser;
}

// Both parsers give the NMEA records and the log text: the binary one for the NMEA
// sentences the receiver wraps in frames.
void ParserProxy::forwardNmeaSignals(const QObject *p)
{
    connect(p, SIGNAL(sentenceIsReceived(GGA)), this, SIGNAL(sentenceIsReceived(GGA)));
    connect(p, SIGNAL(sentenceIsReceived(GSA)), this, SIGNAL(sentenceIsReceived(GSA)));
    connect(p, SIGNAL(sentenceIsReceived(GST)), this, SIGNAL(sentenceIsReceived(GST)));
    connect(p, SIGNAL(sentenceIsReceived(GSV)), this, SIGNAL(sentenceIsReceived(GSV)));
    connect(p, SIGNAL(sentenceIsReceived(RMC)), this, SIGNAL(sentenceIsReceived(RMC)));
    connect(p, SIGNAL(sentenceIsReceived(VTG)), this, SIGNAL(sentenceIsReceived(VTG)));
    connect(p, SIGNAL(sentenceIsReceived(ZDA)), this, SIGNAL(sentenceIsReceived(ZDA)));
    connect(p, SIGNAL(sentenceIsReceived(HDG)), this, SIGNAL(sentenceIsReceived(HDG)));
    connect(p, SIGNAL(dataParsed(QByteArray, InterfaceMode)),
            this, SIGNAL(dataParsed(QByteArray, InterfaceMode)));
}

void ParserProxy::forwardBinarySignals(const QObject *p)
{
    connect(p, SIGNAL(bmtStatusReceived(BmtStatus, QByteArray)),
            this, SIGNAL(bmtStatusReceived(BmtStatus, QByteArray)));
    connect(p, SIGNAL(sentenceIsReceived(RTIME_RDATE)), this, SIGNAL(sentenceIsReceived(RTIME_RDATE)));
    connect(p, SIGNAL(sentenceIsReceived(RPOS_ECEF)), this, SIGNAL(sentenceIsReceived(RPOS_ECEF)));
    connect(p, SIGNAL(sentenceIsReceived(RVEL_ECEF)), this, SIGNAL(sentenceIsReceived(RVEL_ECEF)));
    connect(p, SIGNAL(sentenceIsReceived(RPOS_LLA)), this, SIGNAL(sentenceIsReceived(RPOS_LLA)));
    connect(p, SIGNAL(sentenceIsReceived(RVEL_ENU)), this, SIGNAL(sentenceIsReceived(RVEL_ENU)));
    connect(p, SIGNAL(sentenceIsReceived(RSOL_ATR)), this, SIGNAL(sentenceIsReceived(RSOL_ATR)));
    connect(p, SIGNAL(sentenceIsReceived(BPOS_ECEF)), this, SIGNAL(sentenceIsReceived(BPOS_ECEF)));
    connect(p, SIGNAL(sentenceIsReceived(GSV_FULL)), this, SIGNAL(sentenceIsReceived(GSV_FULL)));
    connect(p, SIGNAL(sentenceIsReceived(RSOL_FULL)), this, SIGNAL(sentenceIsReceived(RSOL_FULL)));
    connect(p, SIGNAL(sentenceIsReceived(RSOL_iFULL)), this, SIGNAL(sentenceIsReceived(RSOL_iFULL)));
    connect(p, SIGNAL(sentenceIsReceived(YPR_DEG)), this, SIGNAL(sentenceIsReceived(YPR_DEG)));
    connect(p, SIGNAL(sentenceIsReceived(HVECT)), this, SIGNAL(sentenceIsReceived(HVECT)));
}

void ParserProxy::setInterfaceMode(InterfaceMode mode)
{
    switch (mode) {
    case InterfaceNmea:
        m_nmeaParser->clear();
        m_currentParser = m_nmeaParser;
        break;
    case InterfaceBinary:
        m_binaryParser->reset();
        m_currentParser = m_binaryParser;
        break;
    default:
        // Not known (or any other byte from the wire): no parser, neither is touched.
        m_currentParser = nullptr;
        break;
    }
}

void ParserProxy::parse(const QByteArray &data)
{
    // Our own reference: the slots run from the parser may switch the mode or
    // reset a parser, never the chunk itself.
    const QByteArray chunk = data;
    if (m_currentParser)
        m_currentParser->parse(chunk);
    emit displayData(chunk);
}

void ParserProxy::defineProtocol(InterfaceMode mode)
{
    emit protocolDefined(mode);
}

void ParserProxy::showLastData(const QVector<int> &messages)
{
    for (int number : messages) {
        switch (number) {
        case NavMsg_GGA: emit showLastDataGGA(); break;
        case NavMsg_GSA: emit showLastDataGSA(); break;
        case NavMsg_GSV: emit showLastDataGSV(); break;
        case NavMsg_ZDA: emit showLastDataZDA(); break;
        case NavMsg_VTG: emit showLastDataVTG(); break;
        case NavMsg_RMC: emit showLastDataRMC(); break;
        case NavMsg_GST: emit showLastDataGST(); break;
        case NavMsg_HDG: emit showLastDataHDG(); break;
        case NavMsg_RTIME_RDATE: emit showLastDataRTIME_RDATE(); break;
        case NavMsg_RPOS_ECEF: emit showLastDataRPOS_ECEF(); break;
        case NavMsg_RVEL_ECEF: emit showLastDataRVEL_ECEF(); break;
        case NavMsg_RPOS_LLA: emit showLastDataRPOS_LLA(); break;
        case NavMsg_RVEL_ENU: emit showLastDataRVEL_ENU(); break;
        case NavMsg_RSOL_ATR: emit showLastDataRSOL_ATR(); break;
        case NavMsg_BPOS_ECEF: emit showLastDataBPOS_ECEF(); break;
        case NavMsg_GSV_FULL: emit showLastDataGSV_FULL(); break;
        case NavMsg_RSOL_FULL: emit showLastDataRSOL_FULL(); break;
        case NavMsg_RSOL_iFULL: emit showLastDataRSOL_iFULL(); break;
        case NavMsg_YPR_DEG: emit showLastDataYPR_DEG(); break;
        case NavMsg_HVECT: emit showLastDataHVECT(); break;
        default:
            // The text message and the numbers that name no message blank nothing.
            break;
        }
    }
}

void ParserProxy::showAllLastData()
{
    showLastData({NavMsg_TXT, NavMsg_GGA, NavMsg_GSA, NavMsg_GSV, NavMsg_ZDA, NavMsg_VTG,
                  NavMsg_RMC, NavMsg_GST, NavMsg_HDG, NavMsg_RTIME_RDATE, NavMsg_RPOS_ECEF,
                  NavMsg_RVEL_ECEF, NavMsg_RPOS_LLA, NavMsg_RVEL_ENU, NavMsg_RSOL_ATR,
                  NavMsg_BPOS_ECEF, NavMsg_GSV_FULL, NavMsg_RSOL_FULL, NavMsg_RSOL_iFULL,
                  NavMsg_YPR_DEG, NavMsg_HVECT});
}
