// Reply decoding: a data reply is read by the group and sub-id of the request it
// answers and becomes one typed signal.
#include "binaryconfigurator.h"

#include <cstring>

namespace {

// Reads little-endian fields by their offset. A byte past the end of the payload
// reads as 0, so a short reply gives zeros where its data is missing.
class PayloadReader
{
public:
    explicit PayloadReader(const QByteArray &payload)
        : bytes(payload)
    {
    }
    quint8 u8(int offset) const
    {
        return offset >= 0 && offset < bytes.size() ? quint8(bytes.at(offset)) : 0;
    }
    int i8(int offset) const { return qint8(u8(offset)); }
    quint16 u16(int offset) const { return quint16(u8(offset) | (u8(offset + 1) << 8)); }
    quint32 u32(int offset) const { return quint32(u16(offset)) | (quint32(u16(offset + 2)) << 16); }
    qint32 i32(int offset) const { return qint32(u32(offset)); }
    float f32(int offset) const
    {
        const quint32 raw = u32(offset);
        float value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    double f64(int offset) const
    {
        const quint64 raw = quint64(u32(offset)) | (quint64(u32(offset + 4)) << 32);
        double value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    // Copies the first size bytes of the payload into a record, zero-filling what
    // the payload does not hold.
    void copyTo(void *record, int size) const
    {
        std::memset(record, 0, size_t(size));
        std::memcpy(record, bytes.constData(), size_t(qMin(size, bytes.size())));
    }
    int size() const { return bytes.size(); }

private:
    const QByteArray &bytes;
};

template<typename Enum>
Enum byteAs(quint8 value)
{
    return static_cast<Enum>(value);
}

const int IonoModelSize = 8;
const int SbasMaskCount = 6;
const int RawMessageCount = 22; // messages 0 to 21
const int FrequencyCount = 6;   // GPS, GLONASS, BeiDou, Galileo, NavIC, SBAS
const int SbasSatelliteCount = 6;
const int CodeCount = 14;

} // namespace

void BinaryConfigurator::decodeReply(MsgType group, unsigned char subId, const QByteArray &payload)
{
    switch (group) {
    case MsgReceiverParameters:
        decodeParameterReply(subId, payload);
        break;
    case MsgCalibration:
        decodeCalibrationReply(subId, payload);
        break;
    case MsgFirmware:
        decodeFirmwareReply(subId, payload);
        break;
    case MsgRawDataOutput:
        decodeRawDataReply(subId, payload);
        break;
    case MsgRfChipRegisters:
        decodeRfChipReply(subId, payload);
        break;
    case MsgSignalPlan:
        decodeSignalPlanReply(subId, payload);
        break;
    default:
        // Restarts and debug bytes carry no data back.
        break;
    }
}

void BinaryConfigurator::decodeParameterReply(unsigned char subId, const QByteArray &payload)
{
    const PayloadReader in(payload);
    switch (subId) {
    case 0x02: emit uart1BaudRateChanged(in.i32(0)); break;
    case 0x03: emit uart2BaudRateChanged(in.i32(0)); break;
    case 0x04: emit uart3BaudRateChanged(in.i32(0)); break;
    case 0x05: emit uart4BaudRateChanged(in.i32(0)); break;
    case 0x06: emit nchnChanged(in.i8(0)); break;
    case 0x07: emit rchnChanged(in.i8(0)); break;
    case 0x08: emit interfaceModeChanged(byteAs<InterfaceMode>(in.u8(0))); break;
    case 0x09: emit dataSetChanged(flagsFromBits(in.u32(0), dataSetBits)); break;
    case 0x0A: emit gsvPeriodChanged(in.u8(0)); break;
    case 0x0B: emit amendmentsBaseStationChanged(in.u8(0)); break;
    case 0x0C: emit baseStationDataTypeChanged(byteAs<BaseStationDataType>(in.u8(0))); break;
    case 0x0D: emit transportDelayChanged(in.u16(0)); break;
    case 0x20: emit activeGnssChanged(flagsFromPositions(in.u8(0), gnssCount)); break;
    case 0x21: emit sbasMaskChanged(flagsFromPositions(in.u32(0), SbasMaskCount)); break;
    case 0x22: emit dinamicModeChanged(byteAs<DinamicMode>(in.u8(0))); break;
    case 0x23: emit solutionRateChanged(byteAs<SolitionRate>(in.u8(0))); break;
    case 0x25: emit solutionMaskChanged(in.u8(0), in.u8(1), in.u8(2)); break;
    case 0x26: emit rtkModeChanged(byteAs<RtkMode>(in.u8(0))); break;
    case 0x27: emit rtkQltChanged(byteAs<RtkQlt>(in.u8(0))); break;
    case 0x28: emit fixGnssMaskChanged(flagsFromPositions(in.u8(0), fixGnssCount)); break;
    case 0x29: emit arfChanged(in.i8(0)); break;
    case 0x2A: emit ageChanged(in.i8(0)); break;
    case 0x2B: emit refBaseLineLengthChanged(in.i32(0)); break;
    case 0x2C: emit solutionModeChanged(byteAs<SolutionMode>(in.u8(0))); break;
    case 0x2D: {
        QVector<float> coefficients;
        coefficients.reserve(IonoModelSize);
        for (int i = 0; i < IonoModelSize; ++i)
            coefficients.append(in.f32(4 * i));
        emit ionoModelChanged(coefficients);
        break;
    }
    case 0x2E: emit tropoCorrModeChanged(byteAs<TROPO_CORR_MODE>(in.u8(0))); break;
    case 0x2F:
        emit ionoCorrChanged(byteAs<IONO_CORR_MODE>(in.u8(0)), float(in.u8(3)), flagsFromBits(in.u16(1), ionoBits));
        break;
    case 0x30: emit sbasModeChanged(byteAs<SBAS_MODE>(in.u8(0))); break;
    case 0x40: emit ppsCtrlChanged(in.i32(0), byteAs<AdjustmentPPS>(in.u8(4))); break;
    case 0x41: emit dateConstrntsChanged(in.u8(0), in.u8(1), in.u8(2)); break;
    case 0x43: emit stgmChanged(byteAs<STGM>(in.u8(0))); break;
    case 0x44: {
        // The tag ends at its first zero byte or with the payload.
        const int end = payload.indexOf('\0');
        emit userTagChanged(QString::fromUtf8(payload.left(end < 0 ? payload.size() : end)));
        break;
    }
    default:
        // The handshake and the probe are answered by status, never by data.
        break;
    }
}

void BinaryConfigurator::decodeCalibrationReply(unsigned char subId, const QByteArray &payload)
{
    const PayloadReader in(payload);
    switch (subId) {
    case 0x00:
        // Stored as longitude, latitude, altitude: the first two change places.
        emit llaChange(in.f64(8), in.f64(0), in.f64(16));
        break;
    case 0x03:
    case 0x04: {
        CalibrationData data;
        in.copyTo(&data, int(sizeof data));
        if (subId == 0x03)
            emit oldClbDataChange(data);
        else
            emit newClbDataChange(data);
        break;
    }
    default:
        break;
    }
}

void BinaryConfigurator::decodeFirmwareReply(unsigned char subId, const QByteArray &payload)
{
    const PayloadReader in(payload);
    switch (subId) {
    case 0x00: {
        // The reply's length tells old firmware (8 bytes) from newer (9 or more).
        FwrVersionsData versions;
        in.copyTo(&versions, int(sizeof versions));
        emit fwrVersionsChanged(versions, payload.size());
        break;
    }
    case 0x02:
    case 0x05:
        emit firmwarePageReceived(payload);
        break;
    case 0x06:
        emit firmwareTypeReceived(in.u8(0) != 0 ? FrmUser : FrmNative);
        break;
    case 0x07: {
        FwrVersionsNewData versions;
        in.copyTo(&versions, int(sizeof versions));
        emit fwrVersionsNewChanged(versions);
        break;
    }
    default:
        break;
    }
}

void BinaryConfigurator::decodeRawDataReply(unsigned char subId, const QByteArray &payload)
{
    const PayloadReader in(payload);
    switch (subId) {
    case 0x00: emit rawDataModeChanged(byteAs<RawDataMode>(in.u8(0))); break;
    case 0x01:
        emit bestPosChanged(byteAs<BestPosSource>(in.u8(0)), in.f64(1), in.f64(9), in.f64(17));
        break;
    case 0x02: {
        // Message r is bit r mod 8 of byte r div 8.
        QVector<RawData> messages;
        for (int r = 0; r < RawMessageCount; ++r) {
            if ((in.u8(r / 8) >> (r % 8)) & 1)
                messages.append(RawData(r));
        }
        emit messagesChanged(messages);
        break;
    }
    case 0x03:
        emit maskChanged(flagsFromPositions(in.u8(0), rawMaskCount), in.u8(1), in.u8(2), in.u8(3) != 0);
        break;
    case 0x04: emit rawClockSrcChanged(in.u8(0) != 0); break;
    case 0x05: emit rawClockTlrChanged(in.i32(0)); break;
    case 0x06: emit rawGloL1tauChanged(in.i32(0)); break;
    case 0x07: emit rawGloL2tauChanged(in.i32(0)); break;
    case 0x08: emit rawShellModeChanged(byteAs<RawShellMode>(in.u8(0))); break;
    case 0x0A: emit smoothingModeChanged(byteAs<SmoothingMode>(in.u8(0))); break;
    default:
        break;
    }
}

void BinaryConfigurator::decodeRfChipReply(unsigned char subId, const QByteArray &payload)
{
    const PayloadReader in(payload);
    switch (subId) {
    case 0x00: emit rk2290N0RegChanged(in.u32(0)); break;
    case 0x01: emit rk2290N1RegChanged(in.u32(0)); break;
    default:
        break;
    }
}

void BinaryConfigurator::decodeSignalPlanReply(unsigned char subId, const QByteArray &payload)
{
    const PayloadReader in(payload);
    switch (subId) {
    case 0x00:
    case 0x01: {
        QVector<BinaryConfigurator::Frequency> frequencies;
        frequencies.reserve(FrequencyCount);
        for (int i = 0; i < FrequencyCount; ++i)
            frequencies.append(byteAs<Frequency>(in.u8(i)));
        if (subId == 0x00)
            emit primFrqChanged(frequencies);
        else
            emit secondFrqChanged(frequencies);
        break;
    }
    case 0x02: {
        QVector<uint8_t> satellites;
        satellites.reserve(SbasSatelliteCount);
        for (int i = 0; i < SbasSatelliteCount; ++i)
            satellites.append(in.u8(i));
        emit sbasSatellitesChanged(satellites);
        break;
    }
    case 0x03:
    case 0x04: {
        // One byte per code on the way back, widened to the 16 bits the setters send.
        QVector<uint16_t> codes;
        codes.reserve(CodeCount);
        for (int i = 0; i < CodeCount; ++i)
            codes.append(in.u8(i));
        if (subId == 0x03)
            emit lCodesChanged(codes);
        else
            emit sCodesChanged(codes);
        break;
    }
    default:
        break;
    }
}
