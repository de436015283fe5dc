#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

#include "binaryconfigurator.h"
#include "iparser.h"
#include "ireader.h"

// The receiver link as the engine sees it: every frame handed to sendData is kept.
class CapturingReader : public iReader
{
    Q_OBJECT
public:
    explicit CapturingReader(QObject *parent = nullptr);
    bool isOpen() const override;
    void clear() override;
    void start() override;
    void stop() override;
    void sendData(const QByteArray &data) override;

    QList<QByteArray> written;
};

// Stands in for the parser switch: the tests emit status frames through it.
class StatusSource : public iParser
{
    Q_OBJECT
public:
    explicit StatusSource(QObject *parent = nullptr);
    void parse(const QByteArray &data) override;

    void deliver(int status, const QByteArray &payload = QByteArray());

signals:
    void bmtStatusReceived(BmtStatus status, QByteArray data);
};

// Listens to every signal of the engine by the text signature its users write, and
// keeps one line per emission, e.g. "uart1BaudRateChanged(115200)".
class EngineRecorder : public QObject
{
    Q_OBJECT
public:
    explicit EngineRecorder(BinaryConfigurator *engine, QObject *parent = nullptr);

    QStringList lines;
    // Run from inside the requestError / requestCompleted slots, after the line is kept.
    std::function<void(const QString &)> onOutcome;

    static QString flags(const QVector<bool> &values);
    static QString hex(const void *data, int size);

public slots:
    void requestError(QPair<MsgType, unsigned char> request);
    void requestCompleted(QPair<MsgType, unsigned char> request);
    void uart1BaudRateChanged(int value);
    void uart2BaudRateChanged(int value);
    void uart3BaudRateChanged(int value);
    void uart4BaudRateChanged(int value);
    void nchnChanged(int value);
    void rchnChanged(int value);
    void interfaceModeChanged(InterfaceMode mode);
    void dataSetChanged(QVector<bool> values);
    void gsvPeriodChanged(unsigned char value);
    void amendmentsBaseStationChanged(int value);
    void baseStationDataTypeChanged(BinaryConfigurator::BaseStationDataType value);
    void transportDelayChanged(int value);
    void activeGnssChanged(QVector<bool> values);
    void sbasMaskChanged(QVector<bool> values);
    void dinamicModeChanged(BinaryConfigurator::DinamicMode value);
    void solutionRateChanged(BinaryConfigurator::SolitionRate value);
    void solutionMaskChanged(unsigned char a, unsigned char b, unsigned char c);
    void rtkModeChanged(BinaryConfigurator::RtkMode value);
    void rtkQltChanged(BinaryConfigurator::RtkQlt value);
    void fixGnssMaskChanged(QVector<bool> values);
    void arfChanged(int value);
    void ageChanged(int value);
    void refBaseLineLengthChanged(int value);
    void solutionModeChanged(BinaryConfigurator::SolutionMode value);
    void ionoModelChanged(QVector<float> values);
    void tropoCorrModeChanged(BinaryConfigurator::TROPO_CORR_MODE value);
    void ionoCorrChanged(BinaryConfigurator::IONO_CORR_MODE mode, float value, QVector<bool> values);
    void sbasModeChanged(BinaryConfigurator::SBAS_MODE value);
    void ppsCtrlChanged(int value, BinaryConfigurator::AdjustmentPPS scale);
    void dateConstrntsChanged(unsigned char a, unsigned char b, unsigned char c);
    void stgmChanged(BinaryConfigurator::STGM value);
    void userTagChanged(QString tag);
    void llaChange(double a, double b, double c);
    void oldClbDataChange(BinaryConfigurator::CalibrationData data);
    void newClbDataChange(BinaryConfigurator::CalibrationData data);
    void fwrVersionsChanged(BinaryConfigurator::FwrVersionsData data, int length);
    void firmwarePageReceived(QByteArray page);
    void firmwareTypeReceived(BinaryConfigurator::FrmLoadFile type);
    void fwrVersionsNewChanged(BinaryConfigurator::FwrVersionsNewData data);
    void rawDataModeChanged(BinaryConfigurator::RawDataMode value);
    void bestPosChanged(BinaryConfigurator::BestPosSource source, double a, double b, double c);
    void messagesChanged(QVector<RawData> messages);
    void maskChanged(QVector<bool> values, int a, int b, bool c);
    void rawClockSrcChanged(bool value);
    void rawClockTlrChanged(int value);
    void rawGloL1tauChanged(int value);
    void rawGloL2tauChanged(int value);
    void rawShellModeChanged(BinaryConfigurator::RawShellMode value);
    void smoothingModeChanged(BinaryConfigurator::SmoothingMode value);
    void rk2290N0RegChanged(uint value);
    void rk2290N1RegChanged(uint value);
    void primFrqChanged(QVector<BinaryConfigurator::Frequency> values);
    void secondFrqChanged(QVector<BinaryConfigurator::Frequency> values);
    void sbasSatellitesChanged(QVector<uint8_t> values);
    void lCodesChanged(QVector<uint16_t> values);
    void sCodesChanged(QVector<uint16_t> values);

private:
    void add(const QString &line);
    void outcome(const char *name, QPair<MsgType, unsigned char> request);
};
