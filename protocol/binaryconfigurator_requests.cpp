// The request catalogue: every getter and setter builds its payload and queues it.
#include "binaryconfigurator.h"


#include <cmath>
#include <cstring>

static_assert(sizeof(BinaryConfigurator::CalibrationData) == 336,
              "the calibration table crosses the link as 336 raw bytes");
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN,
              "records are copied as they lie in memory; the link is little-endian");

namespace {

// Little-endian payload builder: every number is written low byte first.
class Payload
{
public:
    Payload &u8(quint32 value)
    {
        bytes.append(char(value & 0xFF));
        return *this;
    }
    Payload &u16(quint32 value)
    {
        return u8(value).u8(value >> 8);
    }
    Payload &u32(quint32 value)
    {
        return u16(value & 0xFFFF).u16(value >> 16);
    }
    Payload &i32(qint32 value)
    {
        return u32(quint32(value));
    }
    Payload &f32(float value)
    {
        quint32 raw;
        std::memcpy(&raw, &value, sizeof raw);
        return u32(raw);
    }
    Payload &f64(double value)
    {
        quint64 raw;
        std::memcpy(&raw, &value, sizeof raw);
        return u32(quint32(raw & 0xFFFFFFFFu)).u32(quint32(raw >> 32));
    }
    Payload &raw(const QByteArray &data)
    {
        bytes.append(data);
        return *this;
    }
    operator QByteArray() const { return bytes; }

private:
    QByteArray bytes;
};

// The ionosphere threshold goes out as the low byte of the value truncated toward
// zero to a 16-bit integer. NaN and values outside the 16-bit range have no such
// integer: NaN sends 0, the others are held at the range's ends.
quint8 thresholdByte(float threshold)
{
    if (std::isnan(threshold))
        return 0;
    const float clamped = qBound(-32768.0f, threshold, 32767.0f);
    const qint16 truncated = qint16(std::trunc(clamped));
    return quint8(quint16(truncated) & 0xFF);
}

const int UserTagSize = BinaryConfigurator::userTagFieldSize;
const int IonoModelSize = 8;

} // namespace

// ---- Group 3: receiver parameters ----

void BinaryConfigurator::sendOpen()
{
    queue(MsgReceiverParameters, 0x00, QByteArrayLiteral("open"));
}

void BinaryConfigurator::sendProbe() { queue(MsgReceiverParameters, 0x01); }

void BinaryConfigurator::requestUart1BaudRate() { queue(MsgReceiverParameters, 0x02); }
void BinaryConfigurator::requestUart2BaudRate() { queue(MsgReceiverParameters, 0x03); }
void BinaryConfigurator::requestUart3BaudRate() { queue(MsgReceiverParameters, 0x04); }
void BinaryConfigurator::requestUart4BaudRate() { queue(MsgReceiverParameters, 0x05); }

void BinaryConfigurator::setUart1BaudRate(int baudRate) { queue(MsgReceiverParameters, 0x82, Payload().i32(baudRate)); }
void BinaryConfigurator::setUart2BaudRate(int baudRate) { queue(MsgReceiverParameters, 0x83, Payload().i32(baudRate)); }
void BinaryConfigurator::setUart3BaudRate(int baudRate) { queue(MsgReceiverParameters, 0x84, Payload().i32(baudRate)); }
void BinaryConfigurator::setUart4BaudRate(int baudRate) { queue(MsgReceiverParameters, 0x85, Payload().i32(baudRate)); }

void BinaryConfigurator::requestNchn() { queue(MsgReceiverParameters, 0x06); }
void BinaryConfigurator::setNchn(int value) { queue(MsgReceiverParameters, 0x86, Payload().u8(quint32(value))); }
void BinaryConfigurator::requestRchn() { queue(MsgReceiverParameters, 0x07); }
void BinaryConfigurator::setRchn(int value) { queue(MsgReceiverParameters, 0x87, Payload().u8(quint32(value))); }

void BinaryConfigurator::requestInterfaceMode() { queue(MsgReceiverParameters, 0x08); }
void BinaryConfigurator::setInterfaceMode(InterfaceMode mode)
{
    queue(MsgReceiverParameters, 0x88, Payload().u8(static_cast<quint8>(mode)));
}

void BinaryConfigurator::requestDataSet() { queue(MsgReceiverParameters, 0x09); }
void BinaryConfigurator::setDataSet(const QVector<bool> &dataSet)
{
    queue(MsgReceiverParameters, 0x89, Payload().u32(maskFromBits(dataSet, dataSetBits)));
}

void BinaryConfigurator::requestGsvPeriod() { queue(MsgReceiverParameters, 0x0A); }
void BinaryConfigurator::setGsvPeriod(unsigned char period) { queue(MsgReceiverParameters, 0x8A, Payload().u8(period)); }

void BinaryConfigurator::requestAmendmentsBaseStation() { queue(MsgReceiverParameters, 0x0B); }
void BinaryConfigurator::setAmendmentsBaseStation(int value)
{
    queue(MsgReceiverParameters, 0x8B, Payload().u8(quint32(value)));
}

void BinaryConfigurator::requestBaseStationDataType() { queue(MsgReceiverParameters, 0x0C); }
void BinaryConfigurator::setBaseStationDataType(BaseStationDataType type)
{
    queue(MsgReceiverParameters, 0x8C, Payload().u8(type));
}

void BinaryConfigurator::requestTransportDelay() { queue(MsgReceiverParameters, 0x0D); }
void BinaryConfigurator::setTransportDelay(int delay)
{
    queue(MsgReceiverParameters, 0x8D, Payload().u16(quint32(delay) & 0xFFFF));
}

void BinaryConfigurator::requestActiveGnss() { queue(MsgReceiverParameters, 0x20); }
void BinaryConfigurator::setActiveGnss(const QVector<bool> &systems)
{
    queue(MsgReceiverParameters, 0xA0, Payload().u8(maskFromPositions(systems, 8)));
}

void BinaryConfigurator::requestSbasMask() { queue(MsgReceiverParameters, 0x21); }
void BinaryConfigurator::setSbasMask(const QVector<bool> &mask)
{
    queue(MsgReceiverParameters, 0xA1, Payload().u32(maskFromPositions(mask, 32)));
}

void BinaryConfigurator::requestDinamicMode() { queue(MsgReceiverParameters, 0x22); }
void BinaryConfigurator::setDinamicMode(DinamicMode mode) { queue(MsgReceiverParameters, 0xA2, Payload().u8(mode)); }

void BinaryConfigurator::requestSolutionRate() { queue(MsgReceiverParameters, 0x23); }
void BinaryConfigurator::setSolutionRate(SolitionRate rate) { queue(MsgReceiverParameters, 0xA3, Payload().u8(rate)); }

void BinaryConfigurator::requestSolutionMask() { queue(MsgReceiverParameters, 0x25); }
void BinaryConfigurator::setSolutionMask(int pdopLimit, unsigned char minElevation, unsigned char minSnr)
{
    queue(MsgReceiverParameters, 0xA5, Payload().u8(quint32(pdopLimit)).u8(minElevation).u8(minSnr));
}

void BinaryConfigurator::requestRtkMode() { queue(MsgReceiverParameters, 0x26); }
void BinaryConfigurator::setRtkMode(RtkMode mode) { queue(MsgReceiverParameters, 0xA6, Payload().u8(mode)); }

void BinaryConfigurator::requestRtkQlt() { queue(MsgReceiverParameters, 0x27); }
void BinaryConfigurator::setRtkQlt(RtkQlt quality) { queue(MsgReceiverParameters, 0xA7, Payload().u8(quality)); }

void BinaryConfigurator::requestFixGnssMask() { queue(MsgReceiverParameters, 0x28); }
void BinaryConfigurator::setFixGnssMask(const QVector<bool> &systems)
{
    queue(MsgReceiverParameters, 0xA8, Payload().u8(maskFromPositions(systems, 8)));
}

void BinaryConfigurator::requestArf() { queue(MsgReceiverParameters, 0x29); }
void BinaryConfigurator::setArf(int value) { queue(MsgReceiverParameters, 0xA9, Payload().u8(quint32(value))); }
void BinaryConfigurator::requestAge() { queue(MsgReceiverParameters, 0x2A); }
void BinaryConfigurator::setAge(int value) { queue(MsgReceiverParameters, 0xAA, Payload().u8(quint32(value))); }

void BinaryConfigurator::requestRefBaseLineLength() { queue(MsgReceiverParameters, 0x2B); }
void BinaryConfigurator::setRefBaseLineLength(int length)
{
    queue(MsgReceiverParameters, 0xAB, Payload().i32(length));
}

void BinaryConfigurator::requestSolutionMode() { queue(MsgReceiverParameters, 0x2C); }
void BinaryConfigurator::setSolutionMode(SolutionMode mode) { queue(MsgReceiverParameters, 0xAC, Payload().u8(mode)); }

void BinaryConfigurator::requestIonoModel() { queue(MsgReceiverParameters, 0x2D); }
void BinaryConfigurator::setIonoModel(const QVector<float> &coefficients)
{
    // Always eight coefficients; a shorter vector sends zeros for the missing ones.
    Payload payload;
    for (int i = 0; i < IonoModelSize; ++i)
        payload.f32(i < coefficients.size() ? coefficients.at(i) : 0.0f);
    queue(MsgReceiverParameters, 0xAD, payload);
}

void BinaryConfigurator::requestTropoCorrMode() { queue(MsgReceiverParameters, 0x2E); }
void BinaryConfigurator::setTropoCorrMode(int mode) { queue(MsgReceiverParameters, 0xAE, Payload().u8(quint32(mode))); }

void BinaryConfigurator::requestIonoCorr() { queue(MsgReceiverParameters, 0x2F); }
void BinaryConfigurator::setIonoCorr(int mode, float threshold, const QVector<bool> &exclude)
{
    queue(MsgReceiverParameters, 0xAF,
          Payload().u8(quint32(mode)).u16(maskFromBits(exclude, ionoBits) & 0xFFFF).u8(thresholdByte(threshold)));
}

void BinaryConfigurator::requestSbasMode() { queue(MsgReceiverParameters, 0x30); }
void BinaryConfigurator::setSbasMode(SBAS_MODE mode) { queue(MsgReceiverParameters, 0xB0, Payload().u8(mode)); }

void BinaryConfigurator::requestPpsCtrl() { queue(MsgReceiverParameters, 0x40); }
void BinaryConfigurator::setPpsCtrl(int value, AdjustmentPPS scale)
{
    queue(MsgReceiverParameters, 0xC0, Payload().i32(value).u8(scale));
}

void BinaryConfigurator::requestDateConstrnts() { queue(MsgReceiverParameters, 0x41); }
void BinaryConfigurator::setDateConstrnts(unsigned char first, unsigned char second, unsigned char third)
{
    queue(MsgReceiverParameters, 0xC1, Payload().u8(first).u8(second).u8(third));
}

void BinaryConfigurator::saveSettings(unsigned char settingsSet)
{
    queue(MsgReceiverParameters, 0x42, Payload().u8(settingsSet));
}

void BinaryConfigurator::requestStgm() { queue(MsgReceiverParameters, 0x43); }
void BinaryConfigurator::setStgm(STGM stgm) { queue(MsgReceiverParameters, 0xC3, Payload().u8(stgm)); }

void BinaryConfigurator::requestUserTag() { queue(MsgReceiverParameters, 0x44); }
QByteArray BinaryConfigurator::userTagBytes(const QString &tag)
{
    // UTF-8, not the machine's 8-bit encoding: the reply is read as UTF-8, so only these
    // bytes read back as the tag written, and they are the same on every machine (a
    // Russian Windows would write CP1251, a C locale "?" for every Cyrillic letter).
    return tag.toUtf8();
}

void BinaryConfigurator::setUserTag(const QString &tag)
{
    // A fixed 32-byte field: a shorter tag is followed by zero bytes (the first of them
    // ends the text). The pages never pass a longer one; the field stays 32 bytes anyway.
    QByteArray field = userTagBytes(tag).left(UserTagSize);
    field.append(QByteArray(UserTagSize - field.size(), '\0'));
    queue(MsgReceiverParameters, 0xC4, field);
}

// ---- Group 5: calibration ----

void BinaryConfigurator::requestLla() { queue(MsgCalibration, 0x00); }
void BinaryConfigurator::setLla(double latitude, double longitude, double altitude)
{
    // The receiver keeps the position as longitude, latitude, altitude.
    queue(MsgCalibration, 0x80, Payload().f64(longitude).f64(latitude).f64(altitude));
}

void BinaryConfigurator::requestOldCalibrationData() { queue(MsgCalibration, 0x03); }
void BinaryConfigurator::requestNewCalibrationData() { queue(MsgCalibration, 0x04); }
void BinaryConfigurator::sendCalibrationCommand81() { queue(MsgCalibration, 0x81); }
void BinaryConfigurator::sendCalibrationCommand82() { queue(MsgCalibration, 0x82); }

void BinaryConfigurator::writeCalibrationData(CalibrationData data)
{
    QByteArray table(int(sizeof data), '\0');
    std::memcpy(table.data(), &data, sizeof data);
    queue(MsgCalibration, 0x84, table);
}

// ---- Group 6: firmware ----

void BinaryConfigurator::requestFwrVersions() { queue(MsgFirmware, 0x00); }
void BinaryConfigurator::readPage(quint16 pageIndex) { queue(MsgFirmware, 0x02, Payload().u16(pageIndex)); }
void BinaryConfigurator::readPageAlt(quint16 pageIndex) { queue(MsgFirmware, 0x05, Payload().u16(pageIndex)); }
void BinaryConfigurator::requestFirmwareType() { queue(MsgFirmware, 0x06); }
void BinaryConfigurator::requestFwrVersionsNew() { queue(MsgFirmware, 0x07); }
void BinaryConfigurator::eraseSector(quint8 sectorIndex) { queue(MsgFirmware, 0x81, Payload().u8(sectorIndex)); }

void BinaryConfigurator::writePage(quint16 pageIndex, const QByteArray &page)
{
    queue(MsgFirmware, 0x82, Payload().u16(pageIndex).raw(page));
}

void BinaryConfigurator::sendFirmwareBoundary(quint8 flag, quint8 version1, quint8 version2, quint8 version3)
{
    queue(MsgFirmware, 0x83, Payload().u8(flag).u8(version1).u8(version2).u8(version3));
}

void BinaryConfigurator::eraseAll() { queue(MsgFirmware, 0x84); }

void BinaryConfigurator::writePageAlt(quint16 pageIndex, const QByteArray &page)
{
    queue(MsgFirmware, 0x85, Payload().u16(pageIndex).raw(page));
}

void BinaryConfigurator::commitFirmware(qint8 mode) { queue(MsgFirmware, 0x86, Payload().u8(quint8(mode))); }

void BinaryConfigurator::sendFirmwareBoundaryNew(quint8 flag, quint8 version1, quint8 version2, quint8 version3)
{
    queue(MsgFirmware, 0x88, Payload().u8(flag).u8(version1).u8(version2).u8(version3));
}

// ---- Group 7: restart ----

void BinaryConfigurator::forceRestart(quint8 kind) { queue(MsgRestart, 0x80, Payload().u8(kind)); }
void BinaryConfigurator::forceHardwareRestart() { queue(MsgRestart, 0x81); }

// ---- Group 8: raw-data output ----

void BinaryConfigurator::requestRawDataMode() { queue(MsgRawDataOutput, 0x00); }
void BinaryConfigurator::setRawDataMode(RawDataMode mode) { queue(MsgRawDataOutput, 0x80, Payload().u8(mode)); }

void BinaryConfigurator::requestBestPos() { queue(MsgRawDataOutput, 0x01); }
void BinaryConfigurator::setBestPos(BestPosSource source, double latitude, double longitude, double altitude)
{
    queue(MsgRawDataOutput, 0x81, Payload().u8(source).f64(latitude).f64(longitude).f64(altitude));
}

void BinaryConfigurator::requestMessages() { queue(MsgRawDataOutput, 0x02); }
void BinaryConfigurator::setMessages(const QVector<RawData> &messages)
{
    // Each message number is its own bit; the number is taken modulo the mask's 32 bits.
    quint32 mask = 0;
    for (RawData message : messages)
        mask |= quint32(1) << (quint32(message) % 32);
    queue(MsgRawDataOutput, 0x82, Payload().u32(mask));
}

void BinaryConfigurator::requestMask() { queue(MsgRawDataOutput, 0x03); }
void BinaryConfigurator::setMask(const QVector<bool> &systems, int minCn0, int minElevation, bool raim)
{
    queue(MsgRawDataOutput, 0x83,
          Payload().u8(maskFromPositions(systems, 8)).u8(quint32(minCn0)).u8(quint32(minElevation)).u8(raim ? 1 : 0));
}

void BinaryConfigurator::requestRawClockSrc() { queue(MsgRawDataOutput, 0x04); }
void BinaryConfigurator::setRawClockSrc(bool source) { queue(MsgRawDataOutput, 0x84, Payload().u8(source ? 1 : 0)); }
void BinaryConfigurator::requestRawClockTlr() { queue(MsgRawDataOutput, 0x05); }
void BinaryConfigurator::setRawClockTlr(int tolerance) { queue(MsgRawDataOutput, 0x85, Payload().i32(tolerance)); }
void BinaryConfigurator::requestRawGloL1tau() { queue(MsgRawDataOutput, 0x06); }
void BinaryConfigurator::setRawGloL1tau(int tau) { queue(MsgRawDataOutput, 0x86, Payload().i32(tau)); }
void BinaryConfigurator::requestRawGloL2tau() { queue(MsgRawDataOutput, 0x07); }
void BinaryConfigurator::setRawGloL2tau(int tau) { queue(MsgRawDataOutput, 0x87, Payload().i32(tau)); }
void BinaryConfigurator::requestRawShellMode() { queue(MsgRawDataOutput, 0x08); }
void BinaryConfigurator::setRawShellMode(RawShellMode mode) { queue(MsgRawDataOutput, 0x88, Payload().u8(mode)); }
void BinaryConfigurator::requestSmoothingMode() { queue(MsgRawDataOutput, 0x0A); }
void BinaryConfigurator::setSmoothingMode(SmoothingMode mode) { queue(MsgRawDataOutput, 0x8A, Payload().u8(mode)); }

// ---- Group 11: RF chip registers ----

void BinaryConfigurator::requestRk2290N0Reg(quint8 address) { queue(MsgRfChipRegisters, 0x00, Payload().u8(address)); }
void BinaryConfigurator::setRk2290N0Reg(quint8 address, quint32 value)
{
    queue(MsgRfChipRegisters, 0x80, Payload().u8(address).u32(value));
}
void BinaryConfigurator::requestRk2290N1Reg(quint8 address) { queue(MsgRfChipRegisters, 0x01, Payload().u8(address)); }
void BinaryConfigurator::setRk2290N1Reg(quint8 address, quint32 value)
{
    queue(MsgRfChipRegisters, 0x81, Payload().u8(address).u32(value));
}

// ---- Group 12: signal plan ----

void BinaryConfigurator::requestPrimFrq() { queue(MsgSignalPlan, 0x00); }
void BinaryConfigurator::setPrimFrq(const QVector<BinaryConfigurator::Frequency> &frequencies)
{
    Payload payload;
    for (Frequency frequency : frequencies)
        payload.u8(frequency);
    queue(MsgSignalPlan, 0x80, payload);
}

void BinaryConfigurator::requestSecondFrq() { queue(MsgSignalPlan, 0x01); }
void BinaryConfigurator::setSecondFrq(const QVector<BinaryConfigurator::Frequency> &frequencies)
{
    Payload payload;
    for (Frequency frequency : frequencies)
        payload.u8(frequency);
    queue(MsgSignalPlan, 0x81, payload);
}

void BinaryConfigurator::requestSbasSatellites() { queue(MsgSignalPlan, 0x02); }
void BinaryConfigurator::setSbasSatellites(const QVector<uint8_t> &satellites)
{
    Payload payload;
    for (uint8_t satellite : satellites)
        payload.u8(satellite);
    queue(MsgSignalPlan, 0x82, payload);
}

void BinaryConfigurator::requestLCodes() { queue(MsgSignalPlan, 0x03); }
void BinaryConfigurator::setLCodes(const QVector<uint16_t> &codes)
{
    // Two bytes per code on the way out, although the reply carries one.
    Payload payload;
    for (uint16_t code : codes)
        payload.u16(code);
    queue(MsgSignalPlan, 0x83, payload);
}

void BinaryConfigurator::requestSCodes() { queue(MsgSignalPlan, 0x04); }
void BinaryConfigurator::setSCodes(const QVector<uint16_t> &codes)
{
    Payload payload;
    for (uint16_t code : codes)
        payload.u16(code);
    queue(MsgSignalPlan, 0x84, payload);
}

// ---- Group 200: debug bytes ----

void BinaryConfigurator::setDebugByte0(int value) { queue(MsgDebugBytes, 0x80, Payload().u8(quint32(value))); }
void BinaryConfigurator::setDebugByte1(int value) { queue(MsgDebugBytes, 0x81, Payload().u8(quint32(value))); }
void BinaryConfigurator::setDebugByte2(int value) { queue(MsgDebugBytes, 0x82, Payload().u8(quint32(value))); }
void BinaryConfigurator::setDebugByte3(int value) { queue(MsgDebugBytes, 0x83, Payload().u8(quint32(value))); }
