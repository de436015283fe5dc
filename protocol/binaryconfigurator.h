#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QVector>

#include <cstdint>

#include "binaryframe.h"
#include "interfacemode.h"
#include "ireader.h"

class iParser;
class QTimer;

// The command group of a request: the first header byte of every command frame.
// It is one byte on the wire, so any value read back is kept as it came.
enum MsgType : quint8 {
    MsgReceiverParameters = 3,
    MsgCalibration = 5,
    MsgFirmware = 6,
    MsgRestart = 7,
    MsgRawDataOutput = 8,
    MsgRfChipRegisters = 11,
    MsgSignalPlan = 12,
    MsgDebugBytes = 200
};

// The number of one raw-data output message of the receiver (0 to 21). It is also
// the message's bit in the 32-bit message mask of group 8.
enum RawData : quint8 {};

// The one object through which the program talks to the receiver in the binary
// command protocol. Requests wait in a first-in-first-out queue and only the head
// is ever in flight: a status frame carries no copy of the group or sub-id it
// answers, so it can only be matched with the one request that was written.
class BinaryConfigurator : public QObject
{
    Q_OBJECT
public:
    // The settings that travel as one byte. The engine carries the byte unchanged;
    // the enumerators name the choices that the settings pages offer.
    enum BaseStationDataType : quint8 { BaseStationOEMv4 = 1, BaseStationRTCM3 = 2 };
    enum SolitionRate : quint8 { SolutionRate1Hz = 1, SolutionRate2Hz = 2, SolutionRate5Hz = 5, SolutionRate10Hz = 10 };
    enum SBAS_MODE : quint8 { SBAS_OFF = 0, SBAS_ON = 1, SBAS_PLUS = 2 };
    enum RtkMode : quint8 { RtkStatic = 0, RtkKinematic = 1, RtkMovingBase = 3 };
    enum RtkQlt : quint8 { RtkQltDiff = 2, RtkQltFix = 4, RtkQltFloat = 5 };
    enum TROPO_CORR_MODE : quint8 { TROPO_OFF = 0, TROPO_SBAS = 1, TROPO_SAAST = 2 };
    enum IONO_CORR_MODE : quint8 {
        IONO_OFF = 0,
        IONO_USER = 1,
        IONO_BDO = 2,
        IONO_IRN = 3,
        IONO_GPS = 4,
        IONO_GAL = 5,
        IONO_AUTO_GENERIC = 6,
        IONO_AUTO_REGIONAL = 7,
        IONO_IRN_GRID = 8,
        IONO_SBAS_GRID = 9,
        IONO_DUAL_FRQ = 10,
        IONO_AUTO = 11
    };
    enum SolutionMode : quint8 { SolutionSingle = 1, SolutionRtk = 2, SolutionSingleAngle = 3, SolutionRtkAngle = 4 };
    enum DinamicMode : quint8 { DinamicStaticOcxo = 0, DinamicStaticTcxo = 1, DinamicMid = 2, DinamicMax = 3 };
    enum STGM : quint8 { STGM_DEFAULT = 0, STGM_SET1 = 1, STGM_SET2 = 2 };
    enum RawDataMode : quint8 { RawDataOff = 0, RawData1Hz = 1, RawData5Hz = 5, RawData10Hz = 10, RawData20Hz = 20, RawData40Hz = 40 };
    enum RawShellMode : quint8 { ShellNovatel = 0, ShellNovatelBin = 1, ShellRtcm3 = 2, ShellRtcm3Bin = 3 };
    enum SmoothingMode : quint8 { SmoothingOn = 0, SmoothingOff = 1 };
    enum BestPosSource : quint8 { BestPosSingle = 0, BestPosUser = 1 };
    enum AdjustmentPPS : quint8 { tscl_AUTO = 0, tscl_GPS, tscl_GLO, tscl_BDO, tscl_GAL, tscl_IRN, tscl_UTC, tscl_NO };
    enum FrmLoadFile : quint8 { FrmNative = 0, FrmUser = 1 };
    enum Frequency : quint8 { FrequencyOff = 0, FrequencyBand1 = 1, FrequencyBand2 = 2 };

    // One row of the receiver's antenna calibration table, 12 bytes as it lies on the wire.
    struct CalibrationEntry {
        float value;
        float std;          // standard deviation of the value
        quint8 flag;        // 1: the entry holds a valid value
        quint8 reserved[3]; // not interpreted; sent back as they came
    };
    // The whole table: entries 0 to 13 band L1, 14 to 27 band L2, rows -7 to 6 each.
    // It crosses the link as 336 raw bytes.
    struct CalibrationData {
        CalibrationEntry entries[28];
    };
    // The first 8 bytes of the firmware-versions reply.
    struct FwrVersionsData {
        quint8 versionMajor;
        quint8 versionMinor;
        quint16 year;
        quint8 datePart1;
        quint8 datePart2;
        quint8 unused[2];
    };
    // The first 24 bytes of the new firmware-versions reply.
    struct FwrVersionsNewData {
        quint8 buildVersion[5];
        quint8 buildDate[3];
        quint32 deviceId[3];
        quint8 unused[4];
    };

    BinaryConfigurator(iReader *reader, iParser *parser, QObject *parent);
    ~BinaryConfigurator() override;

    // Set by the workspace when the user clears the monitor windows; read and
    // cleared by the sentence handler. The engine itself never looks at it.
    bool moduleReset = false;

    // Frame writing. A body is group, sub-id, 16-bit little-endian payload length
    // and the payload; a frame is 21 4E, the body and the body's checksum.
    // buildBody (and so buildFrame) returns an empty array for a payload longer
    // than 65535 bytes, which the length field cannot describe.
    static QByteArray buildBody(unsigned char group, unsigned char subId, const QByteArray &payload);
    static quint16 bodyChecksum(const QByteArray &body);
    static QByteArray wrapFrame(const QByteArray &body);
    static QByteArray buildFrame(const QByteArray &payload, MsgType group, unsigned char subId);

    // How long the receiver gets to answer a request, in milliseconds.
    static int timeoutFor(MsgType group, unsigned char subId);

    // How many requests of this group and sub-id are in the queue, the one in flight
    // included. A window that pairs replies with its own requests by order alone
    // learns from it which answers belong to requests queued before its own.
    int queuedRequests(MsgType group, unsigned char subId) const;

    // Group 3: receiver parameters.
    void sendOpen();
    void sendProbe();
    void requestUart1BaudRate();
    void requestUart2BaudRate();
    void requestUart3BaudRate();
    void requestUart4BaudRate();
    void setUart1BaudRate(int baudRate);
    void setUart2BaudRate(int baudRate);
    void setUart3BaudRate(int baudRate);
    void setUart4BaudRate(int baudRate);
    void requestNchn();
    void setNchn(int value);
    void requestRchn();
    void setRchn(int value);
    void requestInterfaceMode();
    void setInterfaceMode(InterfaceMode mode);
    void requestDataSet();
    void setDataSet(const QVector<bool> &dataSet);
    void requestGsvPeriod();
    void setGsvPeriod(unsigned char period);
    void requestAmendmentsBaseStation();
    void setAmendmentsBaseStation(int value);
    void requestBaseStationDataType();
    void setBaseStationDataType(BaseStationDataType type);
    void requestTransportDelay();
    void setTransportDelay(int delay);
    void requestActiveGnss();
    void setActiveGnss(const QVector<bool> &systems);
    void requestSbasMask();
    void setSbasMask(const QVector<bool> &mask);
    void requestDinamicMode();
    void setDinamicMode(DinamicMode mode);
    void requestSolutionRate();
    void setSolutionRate(SolitionRate rate);
    void requestSolutionMask();
    void setSolutionMask(int pdopLimit, unsigned char minElevation, unsigned char minSnr);
    void requestRtkMode();
    void setRtkMode(RtkMode mode);
    void requestRtkQlt();
    void setRtkQlt(RtkQlt quality);
    void requestFixGnssMask();
    void setFixGnssMask(const QVector<bool> &systems);
    void requestArf();
    void setArf(int value);
    void requestAge();
    void setAge(int value);
    void requestRefBaseLineLength();
    void setRefBaseLineLength(int length);
    void requestSolutionMode();
    void setSolutionMode(SolutionMode mode);
    void requestIonoModel();
    void setIonoModel(const QVector<float> &coefficients);
    void requestTropoCorrMode();
    void setTropoCorrMode(int mode);
    void requestIonoCorr();
    void setIonoCorr(int mode, float threshold, const QVector<bool> &exclude);
    void requestSbasMode();
    void setSbasMode(SBAS_MODE mode);
    void requestPpsCtrl();
    void setPpsCtrl(int value, AdjustmentPPS scale);
    void requestDateConstrnts();
    void setDateConstrnts(unsigned char first, unsigned char second, unsigned char third);
    void saveSettings(unsigned char settingsSet);
    void requestStgm();
    void setStgm(STGM stgm);
    void requestUserTag();
    void setUserTag(const QString &tag);
    // The bytes of a tag in the receiver's field: its UTF-8, which the reply is read
    // as too. A tag of more than userTagFieldSize bytes does not fit; setUserTag would
    // have to cut it.
    static QByteArray userTagBytes(const QString &tag);
    static constexpr int userTagFieldSize = 32;

    // Group 5: calibration.
    void requestLla();
    void setLla(double latitude, double longitude, double altitude);
    void requestOldCalibrationData();
    void requestNewCalibrationData();
    void sendCalibrationCommand81();
    void sendCalibrationCommand82();
    void writeCalibrationData(CalibrationData data);

    // Group 6: firmware.
    void requestFwrVersions();
    void readPage(quint16 pageIndex);
    void readPageAlt(quint16 pageIndex);
    void requestFirmwareType();
    void requestFwrVersionsNew();
    void eraseSector(quint8 sectorIndex);
    void writePage(quint16 pageIndex, const QByteArray &page);
    void sendFirmwareBoundary(quint8 flag, quint8 version1, quint8 version2, quint8 version3);
    void eraseAll();
    void writePageAlt(quint16 pageIndex, const QByteArray &page);
    void commitFirmware(qint8 mode);
    void sendFirmwareBoundaryNew(quint8 flag, quint8 version1, quint8 version2, quint8 version3);

    // Group 7: restart (1 hot, 2 warm, 3 cold, 4 default).
    void forceRestart(quint8 kind);
    void forceHardwareRestart();

    // Group 8: raw-data output.
    void requestRawDataMode();
    void setRawDataMode(RawDataMode mode);
    void requestBestPos();
    void setBestPos(BestPosSource source, double latitude, double longitude, double altitude);
    void requestMessages();
    void setMessages(const QVector<RawData> &messages);
    void requestMask();
    void setMask(const QVector<bool> &systems, int minCn0, int minElevation, bool raim);
    void requestRawClockSrc();
    void setRawClockSrc(bool source);
    void requestRawClockTlr();
    void setRawClockTlr(int tolerance);
    void requestRawGloL1tau();
    void setRawGloL1tau(int tau);
    void requestRawGloL2tau();
    void setRawGloL2tau(int tau);
    void requestRawShellMode();
    void setRawShellMode(RawShellMode mode);
    void requestSmoothingMode();
    void setSmoothingMode(SmoothingMode mode);

    // Group 11: RF chip registers, banks N0 and N1.
    void requestRk2290N0Reg(quint8 address);
    void setRk2290N0Reg(quint8 address, quint32 value);
    void requestRk2290N1Reg(quint8 address);
    void setRk2290N1Reg(quint8 address, quint32 value);

    // Group 12: signal plan.
    void requestPrimFrq();
    void setPrimFrq(const QVector<BinaryConfigurator::Frequency> &frequencies);
    void requestSecondFrq();
    void setSecondFrq(const QVector<BinaryConfigurator::Frequency> &frequencies);
    void requestSbasSatellites();
    void setSbasSatellites(const QVector<uint8_t> &satellites);
    void requestLCodes();
    void setLCodes(const QVector<uint16_t> &codes);
    void requestSCodes();
    void setSCodes(const QVector<uint16_t> &codes);

    // Group 200: debug bytes (the low 8 bits of the value are sent).
    void setDebugByte0(int value);
    void setDebugByte1(int value);
    void setDebugByte2(int value);
    void setDebugByte3(int value);

signals:
    void requestError(QPair<MsgType, unsigned char> request);
    void requestCompleted(QPair<MsgType, unsigned char> request);

    // Group 3 replies.
    void uart1BaudRateChanged(int baudRate);
    void uart2BaudRateChanged(int baudRate);
    void uart3BaudRateChanged(int baudRate);
    void uart4BaudRateChanged(int baudRate);
    void nchnChanged(int value);
    void rchnChanged(int value);
    void interfaceModeChanged(InterfaceMode mode);
    void dataSetChanged(QVector<bool> dataSet);
    void gsvPeriodChanged(unsigned char period);
    void amendmentsBaseStationChanged(int value);
    void baseStationDataTypeChanged(BinaryConfigurator::BaseStationDataType type);
    void transportDelayChanged(int delay);
    void activeGnssChanged(QVector<bool> systems);
    void sbasMaskChanged(QVector<bool> mask);
    void dinamicModeChanged(BinaryConfigurator::DinamicMode mode);
    void solutionRateChanged(BinaryConfigurator::SolitionRate rate);
    void solutionMaskChanged(unsigned char pdopLimit, unsigned char minElevation, unsigned char minSnr);
    void rtkModeChanged(BinaryConfigurator::RtkMode mode);
    void rtkQltChanged(BinaryConfigurator::RtkQlt quality);
    void fixGnssMaskChanged(QVector<bool> systems);
    void arfChanged(int value);
    void ageChanged(int value);
    void refBaseLineLengthChanged(int length);
    void solutionModeChanged(BinaryConfigurator::SolutionMode mode);
    void ionoModelChanged(QVector<float> coefficients);
    void tropoCorrModeChanged(BinaryConfigurator::TROPO_CORR_MODE mode);
    void ionoCorrChanged(BinaryConfigurator::IONO_CORR_MODE mode, float threshold, QVector<bool> exclude);
    void sbasModeChanged(BinaryConfigurator::SBAS_MODE mode);
    void ppsCtrlChanged(int value, BinaryConfigurator::AdjustmentPPS scale);
    void dateConstrntsChanged(unsigned char first, unsigned char second, unsigned char third);
    void stgmChanged(BinaryConfigurator::STGM stgm);
    void userTagChanged(QString tag);

    // Group 5 replies.
    void llaChange(double latitude, double longitude, double altitude);
    void oldClbDataChange(BinaryConfigurator::CalibrationData data);
    void newClbDataChange(BinaryConfigurator::CalibrationData data);

    // Group 6 replies.
    void fwrVersionsChanged(BinaryConfigurator::FwrVersionsData versions, int replyLength);
    void firmwarePageReceived(QByteArray page);
    void firmwareTypeReceived(BinaryConfigurator::FrmLoadFile type);
    void fwrVersionsNewChanged(BinaryConfigurator::FwrVersionsNewData versions);

    // Group 8 replies.
    void rawDataModeChanged(BinaryConfigurator::RawDataMode mode);
    void bestPosChanged(BinaryConfigurator::BestPosSource source, double latitude, double longitude, double altitude);
    void messagesChanged(QVector<RawData> messages);
    void maskChanged(QVector<bool> systems, int minCn0, int minElevation, bool raim);
    void rawClockSrcChanged(bool source);
    void rawClockTlrChanged(int tolerance);
    void rawGloL1tauChanged(int tau);
    void rawGloL2tauChanged(int tau);
    void rawShellModeChanged(BinaryConfigurator::RawShellMode mode);
    void smoothingModeChanged(BinaryConfigurator::SmoothingMode mode);

    // Group 11 replies.
    void rk2290N0RegChanged(uint value);
    void rk2290N1RegChanged(uint value);

    // Group 12 replies.
    void primFrqChanged(QVector<BinaryConfigurator::Frequency> frequencies);
    void secondFrqChanged(QVector<BinaryConfigurator::Frequency> frequencies);
    void sbasSatellitesChanged(QVector<uint8_t> satellites);
    void lCodesChanged(QVector<uint16_t> codes);
    void sCodesChanged(QVector<uint16_t> codes);

protected slots:
    void bmtStatusReceived(BmtStatus status, QByteArray data);
    void timeoutCommandExecution();

private:
    using RequestKey = QPair<MsgType, unsigned char>;

    // Queue.
    void enqueueRequest(const QByteArray &payload, MsgType group, unsigned char subId);
    void startIfIdle();
    bool sendCurrentRequest();
    void armTimeout(int ms);
    void dequeueRequest();
    void sendNextIfPending();
    void queue(MsgType group, unsigned char subId, const QByteArray &payload = QByteArray());

    // Masks.
    static quint32 maskFromBits(const QVector<bool> &flags, const QList<int> &bits);
    static quint32 maskFromPositions(const QVector<bool> &flags, int width);
    static QVector<bool> flagsFromBits(quint32 mask, const QList<int> &bits);
    static QVector<bool> flagsFromPositions(quint32 mask, int count);

    // Replies.
    void decodeReply(MsgType group, unsigned char subId, const QByteArray &payload);
    void decodeParameterReply(unsigned char subId, const QByteArray &payload);
    void decodeCalibrationReply(unsigned char subId, const QByteArray &payload);
    void decodeFirmwareReply(unsigned char subId, const QByteArray &payload);
    void decodeRawDataReply(unsigned char subId, const QByteArray &payload);
    void decodeRfChipReply(unsigned char subId, const QByteArray &payload);
    void decodeSignalPlanReply(unsigned char subId, const QByteArray &payload);

    // The receiver link; it belongs to the Controller, which may delete it first.
    QPointer<iReader> reader;
    QTimer *timer;

    QList<QByteArray> payloads;
    QList<MsgType> groups;
    QList<unsigned char> subIds;
    // Whether the head of the queue has been written. A request is written once:
    // not again when a slot of an outcome signal queues behind it, and a status
    // frame that comes while the head is still unwritten answers nothing of ours.
    bool headSent = false;
    // Which write the time-out belongs to, so that a late start of it finds the
    // request already answered and does nothing.
    quint64 sendSerial = 0;
    QElapsedTimer timeoutClock;
    int timeoutArmedMs = 0;
    // How much of a stalled event loop the head may still be given back.
    int stallCreditMs = 0;

    QList<int> dataSetBits;
    int gnssCount;
    int fixGnssCount;
    int rawMaskCount;
    QList<int> ionoBits;
};
