#include "tst_binaryconfigurator_fakes.h"

#include <QMetaMethod>
#include <QTest>

CapturingReader::CapturingReader(QObject *parent)
    : iReader(parent)
{
}

bool CapturingReader::isOpen() const { return true; }
void CapturingReader::clear() {}
void CapturingReader::start() {}
void CapturingReader::stop() {}

void CapturingReader::sendData(const QByteArray &data)
{
    written.append(data);
}

StatusSource::StatusSource(QObject *parent)
    : iParser(parent)
{
}

void StatusSource::parse(const QByteArray &) {}

void StatusSource::deliver(int status, const QByteArray &payload)
{
    emit bmtStatusReceived(static_cast<BmtStatus>(status), payload);
}

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 17);
}

template<typename T>
QString list(const QVector<T> &values)
{
    QStringList parts;
    for (const T &value : values)
        parts << QString::number(qint64(value));
    return parts.join(QLatin1Char(','));
}

} // namespace

EngineRecorder::EngineRecorder(BinaryConfigurator *engine, QObject *parent)
    : QObject(parent)
{
    // Every slot here has the name and signature of one of the engine's signals, as the
    // windows, pages and tools write them: each is connected by that text.
    const QMetaObject *meta = metaObject();
    for (int m = meta->methodOffset(); m < meta->methodCount(); ++m) {
        const QByteArray signature = meta->method(m).methodSignature();
        if (!connect(engine, QByteArray("2" + signature).constData(), this, QByteArray("1" + signature).constData()))
            QTest::qFail(QByteArray("cannot connect ").append(signature).constData(), __FILE__, __LINE__);
    }
}

QString EngineRecorder::flags(const QVector<bool> &values)
{
    QString text;
    for (bool value : values)
        text += value ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

QString EngineRecorder::hex(const void *data, int size)
{
    return QString::fromLatin1(QByteArray(static_cast<const char *>(data), size).toHex());
}

void EngineRecorder::add(const QString &line) { lines << line; }

void EngineRecorder::outcome(const char *name, QPair<MsgType, unsigned char> request)
{
    const QString line = QStringLiteral("%1(%2,0x%3)").arg(QLatin1String(name)).arg(int(request.first))
                             .arg(int(request.second), 2, 16, QLatin1Char('0'));
    add(line);
    if (onOutcome)
        onOutcome(line);
}

void EngineRecorder::requestError(QPair<MsgType, unsigned char> request) { outcome("requestError", request); }
void EngineRecorder::requestCompleted(QPair<MsgType, unsigned char> request) { outcome("requestCompleted", request); }

#define RECORD_ONE(name, type) \
    void EngineRecorder::name(type value) { add(QStringLiteral(#name "(%1)").arg(int(value))); }

RECORD_ONE(uart1BaudRateChanged, int)
RECORD_ONE(uart2BaudRateChanged, int)
RECORD_ONE(uart3BaudRateChanged, int)
RECORD_ONE(uart4BaudRateChanged, int)
RECORD_ONE(nchnChanged, int)
RECORD_ONE(rchnChanged, int)
RECORD_ONE(interfaceModeChanged, InterfaceMode)
RECORD_ONE(gsvPeriodChanged, unsigned char)
RECORD_ONE(amendmentsBaseStationChanged, int)
RECORD_ONE(baseStationDataTypeChanged, BinaryConfigurator::BaseStationDataType)
RECORD_ONE(transportDelayChanged, int)
RECORD_ONE(dinamicModeChanged, BinaryConfigurator::DinamicMode)
RECORD_ONE(solutionRateChanged, BinaryConfigurator::SolitionRate)
RECORD_ONE(rtkModeChanged, BinaryConfigurator::RtkMode)
RECORD_ONE(rtkQltChanged, BinaryConfigurator::RtkQlt)
RECORD_ONE(arfChanged, int)
RECORD_ONE(ageChanged, int)
RECORD_ONE(refBaseLineLengthChanged, int)
RECORD_ONE(solutionModeChanged, BinaryConfigurator::SolutionMode)
RECORD_ONE(tropoCorrModeChanged, BinaryConfigurator::TROPO_CORR_MODE)
RECORD_ONE(sbasModeChanged, BinaryConfigurator::SBAS_MODE)
RECORD_ONE(stgmChanged, BinaryConfigurator::STGM)
RECORD_ONE(firmwareTypeReceived, BinaryConfigurator::FrmLoadFile)
RECORD_ONE(rawDataModeChanged, BinaryConfigurator::RawDataMode)
RECORD_ONE(rawClockSrcChanged, bool)
RECORD_ONE(rawClockTlrChanged, int)
RECORD_ONE(rawGloL1tauChanged, int)
RECORD_ONE(rawGloL2tauChanged, int)
RECORD_ONE(rawShellModeChanged, BinaryConfigurator::RawShellMode)
RECORD_ONE(smoothingModeChanged, BinaryConfigurator::SmoothingMode)

#undef RECORD_ONE

void EngineRecorder::rk2290N0RegChanged(uint value) { add(QStringLiteral("rk2290N0RegChanged(%1)").arg(value)); }
void EngineRecorder::rk2290N1RegChanged(uint value) { add(QStringLiteral("rk2290N1RegChanged(%1)").arg(value)); }
void EngineRecorder::dataSetChanged(QVector<bool> values) { add("dataSetChanged(" + flags(values) + ")"); }
void EngineRecorder::activeGnssChanged(QVector<bool> values) { add("activeGnssChanged(" + flags(values) + ")"); }
void EngineRecorder::sbasMaskChanged(QVector<bool> values) { add("sbasMaskChanged(" + flags(values) + ")"); }
void EngineRecorder::fixGnssMaskChanged(QVector<bool> values) { add("fixGnssMaskChanged(" + flags(values) + ")"); }

void EngineRecorder::solutionMaskChanged(unsigned char a, unsigned char b, unsigned char c)
{
    add(QStringLiteral("solutionMaskChanged(%1,%2,%3)").arg(a).arg(b).arg(c));
}

void EngineRecorder::dateConstrntsChanged(unsigned char a, unsigned char b, unsigned char c)
{
    add(QStringLiteral("dateConstrntsChanged(%1,%2,%3)").arg(a).arg(b).arg(c));
}

void EngineRecorder::ionoModelChanged(QVector<float> values)
{
    QStringList parts;
    for (float value : values)
        parts << number(double(value));
    add("ionoModelChanged(" + parts.join(QLatin1Char(',')) + ")");
}


void EngineRecorder::ionoCorrChanged(BinaryConfigurator::IONO_CORR_MODE mode, float value, QVector<bool> values)
{
    add(QStringLiteral("ionoCorrChanged(%1,%2,%3)").arg(int(mode)).arg(number(double(value)), flags(values)));
}

void EngineRecorder::ppsCtrlChanged(int value, BinaryConfigurator::AdjustmentPPS scale)
{
    add(QStringLiteral("ppsCtrlChanged(%1,%2)").arg(value).arg(int(scale)));
}

void EngineRecorder::userTagChanged(QString tag) { add("userTagChanged(" + tag + ")"); }

void EngineRecorder::llaChange(double a, double b, double c)
{
    add(QStringLiteral("llaChange(%1,%2,%3)").arg(number(a), number(b), number(c)));
}

void EngineRecorder::oldClbDataChange(BinaryConfigurator::CalibrationData data)
{
    add("oldClbDataChange(" + hex(&data, int(sizeof data)) + ")");
}

void EngineRecorder::newClbDataChange(BinaryConfigurator::CalibrationData data)
{
    add("newClbDataChange(" + hex(&data, int(sizeof data)) + ")");
}

void EngineRecorder::fwrVersionsChanged(BinaryConfigurator::FwrVersionsData data, int length)
{
    add(QStringLiteral("fwrVersionsChanged(%1,%2)").arg(hex(&data, int(sizeof data))).arg(length));
}

void EngineRecorder::firmwarePageReceived(QByteArray page) { add("firmwarePageReceived(" + QString::fromLatin1(page.toHex()) + ")"); }

void EngineRecorder::fwrVersionsNewChanged(BinaryConfigurator::FwrVersionsNewData data)
{
    add("fwrVersionsNewChanged(" + hex(&data, int(sizeof data)) + ")");
}

void EngineRecorder::bestPosChanged(BinaryConfigurator::BestPosSource source, double a, double b, double c)
{
    add(QStringLiteral("bestPosChanged(%1,%2,%3,%4)").arg(int(source)).arg(number(a), number(b), number(c)));
}

void EngineRecorder::messagesChanged(QVector<RawData> messages) { add("messagesChanged(" + list(messages) + ")"); }

void EngineRecorder::maskChanged(QVector<bool> values, int a, int b, bool c)
{
    add(QStringLiteral("maskChanged(%1,%2,%3,%4)").arg(flags(values)).arg(a).arg(b).arg(int(c)));
}

void EngineRecorder::primFrqChanged(QVector<BinaryConfigurator::Frequency> values) { add("primFrqChanged(" + list(values) + ")"); }
void EngineRecorder::secondFrqChanged(QVector<BinaryConfigurator::Frequency> values) { add("secondFrqChanged(" + list(values) + ")"); }
void EngineRecorder::sbasSatellitesChanged(QVector<uint8_t> values) { add("sbasSatellitesChanged(" + list(values) + ")"); }
void EngineRecorder::lCodesChanged(QVector<uint16_t> values) { add("lCodesChanged(" + list(values) + ")"); }
void EngineRecorder::sCodesChanged(QVector<uint16_t> values) { add("sCodesChanged(" + list(values) + ")"); }
