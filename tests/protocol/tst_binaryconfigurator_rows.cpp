// The tables of the request catalogue and of the reply decoding.
#include "tst_binaryconfigurator_rows.h"

#include <QStringList>
#include <QtTest>

#include <cstring>
#include <limits>

#include "scriptedreceiver.h"

QByteArray f64(double value)
{
    quint64 raw;
    std::memcpy(&raw, &value, sizeof raw);
    QByteArray out;
    for (int i = 0; i < 8; ++i)
        out.append(char((raw >> (8 * i)) & 0xFF));
    return out;
}

QByteArray pattern(int size, int seed)
{
    QByteArray out;
    for (int i = 0; i < size; ++i)
        out.append(char((i * 7 + seed) & 0xFF));
    return out;
}

// A calibration table written field by field, little-endian, as the receiver keeps it.
BinaryConfigurator::CalibrationData calibrationTable(QByteArray *wire)
{
    BinaryConfigurator::CalibrationData table;
    wire->clear();
    for (int i = 0; i < 28; ++i) {
        BinaryConfigurator::CalibrationEntry &entry = table.entries[i];
        entry.value = float(i) - 7.0f;
        entry.std = float(i) / 8.0f;
        entry.flag = quint8(i % 2);
        entry.reserved[0] = quint8(i);
        entry.reserved[1] = 0xAA;
        entry.reserved[2] = 0x55;
        for (float f : {entry.value, entry.std}) {
            quint32 raw;
            std::memcpy(&raw, &f, 4);
            for (int b = 0; b < 4; ++b)
                wire->append(char((raw >> (8 * b)) & 0xFF));
        }
        wire->append(char(entry.flag));
        wire->append(char(entry.reserved[0]));
        wire->append(char(entry.reserved[1]));
        wire->append(char(entry.reserved[2]));
    }
    return table;
}

QVector<bool> trues(int count)
{
    return QVector<bool>(count, true);
}

void addRequestRows()
{
    using BC = BinaryConfigurator;
    auto row = [](const char *name, Call call, int group, int subId, const QByteArray &payload) {
        QTest::newRow(name) << call << group << subId << payload;
    };

    // Group 3: receiver parameters.
    row("sendOpen", [](BC &e) { e.sendOpen(); }, 3, 0x00, hex("6f70656e"));
    row("sendProbe", [](BC &e) { e.sendProbe(); }, 3, 0x01, {});
    row("requestUart1BaudRate", [](BC &e) { e.requestUart1BaudRate(); }, 3, 0x02, {});
    row("requestUart2BaudRate", [](BC &e) { e.requestUart2BaudRate(); }, 3, 0x03, {});
    row("requestUart3BaudRate", [](BC &e) { e.requestUart3BaudRate(); }, 3, 0x04, {});
    row("requestUart4BaudRate", [](BC &e) { e.requestUart4BaudRate(); }, 3, 0x05, {});
    row("setUart1BaudRate", [](BC &e) { e.setUart1BaudRate(115200); }, 3, 0x82, hex("00c20100"));
    row("setUart4BaudRate", [](BC &e) { e.setUart4BaudRate(-1); }, 3, 0x85, hex("ffffffff"));
    row("requestNchn", [](BC &e) { e.requestNchn(); }, 3, 0x06, {});
    row("setNchn", [](BC &e) { e.setNchn(24); }, 3, 0x86, hex("18"));
    row("requestRchn", [](BC &e) { e.requestRchn(); }, 3, 0x07, {});
    row("setRchn", [](BC &e) { e.setRchn(12); }, 3, 0x87, hex("0c"));
    row("requestInterfaceMode", [](BC &e) { e.requestInterfaceMode(); }, 3, 0x08, {});
    row("setInterfaceMode binary", [](BC &e) { e.setInterfaceMode(InterfaceMode(1)); }, 3, 0x88, hex("01"));
    row("requestDataSet", [](BC &e) { e.requestDataSet(); }, 3, 0x09, {});
    row("setDataSet 0 and 19", [](BC &e) {
        QVector<bool> set(21, false);
        set[0] = set[19] = true;
        e.setDataSet(set);
    }, 3, 0x89, hex("02000010"));
    row("setDataSet longer than the bit list", [](BC &e) { e.setDataSet(trues(40)); }, 3, 0x89, hex("fe03ff33"));
    row("setDataSet short", [](BC &e) { e.setDataSet({false, true}); }, 3, 0x89, hex("04000000"));
    row("requestGsvPeriod", [](BC &e) { e.requestGsvPeriod(); }, 3, 0x0A, {});
    row("setGsvPeriod", [](BC &e) { e.setGsvPeriod(5); }, 3, 0x8A, hex("05"));
    row("requestAmendmentsBaseStation", [](BC &e) { e.requestAmendmentsBaseStation(); }, 3, 0x0B, {});
    row("setAmendmentsBaseStation", [](BC &e) { e.setAmendmentsBaseStation(200); }, 3, 0x8B, hex("c8"));
    row("requestBaseStationDataType", [](BC &e) { e.requestBaseStationDataType(); }, 3, 0x0C, {});
    row("setBaseStationDataType", [](BC &e) { e.setBaseStationDataType(BC::BaseStationRTCM3); }, 3, 0x8C, hex("02"));
    row("requestTransportDelay", [](BC &e) { e.requestTransportDelay(); }, 3, 0x0D, {});
    row("setTransportDelay", [](BC &e) { e.setTransportDelay(0x1234); }, 3, 0x8D, hex("3412"));
    row("setTransportDelay low 16 bits", [](BC &e) { e.setTransportDelay(0x11170); }, 3, 0x8D, hex("7011"));
    row("requestActiveGnss", [](BC &e) { e.requestActiveGnss(); }, 3, 0x20, {});
    row("setActiveGnss", [](BC &e) { e.setActiveGnss({true, false, true, false, true}); }, 3, 0xA0, hex("15"));
    row("setActiveGnss longer than a byte", [](BC &e) { e.setActiveGnss(trues(12)); }, 3, 0xA0, hex("ff"));
    row("requestSbasMask", [](BC &e) { e.requestSbasMask(); }, 3, 0x21, {});
    row("setSbasMask", [](BC &e) { e.setSbasMask({false, true, false, false, false, true}); }, 3, 0xA1, hex("22000000"));
    row("setSbasMask longer than 32", [](BC &e) { e.setSbasMask(trues(40)); }, 3, 0xA1, hex("ffffffff"));
    row("requestDinamicMode", [](BC &e) { e.requestDinamicMode(); }, 3, 0x22, {});
    row("setDinamicMode", [](BC &e) { e.setDinamicMode(BC::DinamicMax); }, 3, 0xA2, hex("03"));
    row("requestSolutionRate", [](BC &e) { e.requestSolutionRate(); }, 3, 0x23, {});
    row("setSolutionRate", [](BC &e) { e.setSolutionRate(BC::SolutionRate10Hz); }, 3, 0xA3, hex("0a"));
    row("requestSolutionMask", [](BC &e) { e.requestSolutionMask(); }, 3, 0x25, {});
    row("setSolutionMask", [](BC &e) { e.setSolutionMask(6, 10, 30); }, 3, 0xA5, hex("060a1e"));
    row("requestRtkMode", [](BC &e) { e.requestRtkMode(); }, 3, 0x26, {});
    row("setRtkMode", [](BC &e) { e.setRtkMode(BC::RtkMovingBase); }, 3, 0xA6, hex("03"));
    row("requestRtkQlt", [](BC &e) { e.requestRtkQlt(); }, 3, 0x27, {});
    row("setRtkQlt", [](BC &e) { e.setRtkQlt(BC::RtkQltFix); }, 3, 0xA7, hex("04"));
    row("requestFixGnssMask", [](BC &e) { e.requestFixGnssMask(); }, 3, 0x28, {});
    row("setFixGnssMask", [](BC &e) { e.setFixGnssMask({true, true, false, false, true}); }, 3, 0xA8, hex("13"));
    row("requestArf", [](BC &e) { e.requestArf(); }, 3, 0x29, {});
    row("setArf", [](BC &e) { e.setArf(-3); }, 3, 0xA9, hex("fd"));
    row("requestAge", [](BC &e) { e.requestAge(); }, 3, 0x2A, {});
    row("setAge", [](BC &e) { e.setAge(30); }, 3, 0xAA, hex("1e"));
    row("requestRefBaseLineLength", [](BC &e) { e.requestRefBaseLineLength(); }, 3, 0x2B, {});
    row("setRefBaseLineLength", [](BC &e) { e.setRefBaseLineLength(100000); }, 3, 0xAB, hex("a0860100"));
    row("requestSolutionMode", [](BC &e) { e.requestSolutionMode(); }, 3, 0x2C, {});
    row("setSolutionMode", [](BC &e) { e.setSolutionMode(BC::SolutionRtkAngle); }, 3, 0xAC, hex("04"));
    row("requestIonoModel", [](BC &e) { e.requestIonoModel(); }, 3, 0x2D, {});
    row("setIonoModel", [](BC &e) { e.setIonoModel({1, 2, 3, 4, 5, 6, 7, 8}); }, 3, 0xAD,
        hex("0000803f000000400000404000008040""0000a0400000c0400000e04000000041"));
    row("setIonoModel longer", [](BC &e) { e.setIonoModel({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}); }, 3, 0xAD,
        hex("0000803f000000400000404000008040""0000a0400000c0400000e04000000041"));
    row("setIonoModel short", [](BC &e) { e.setIonoModel({1, 2}); }, 3, 0xAD,
        hex("0000803f00000040") + QByteArray(24, '\0'));
    row("requestTropoCorrMode", [](BC &e) { e.requestTropoCorrMode(); }, 3, 0x2E, {});
    row("setTropoCorrMode", [](BC &e) { e.setTropoCorrMode(2); }, 3, 0xAE, hex("02"));
    row("requestIonoCorr", [](BC &e) { e.requestIonoCorr(); }, 3, 0x2F, {});
    row("setIonoCorr 2.9", [](BC &e) { e.setIonoCorr(1, 2.9f, trues(10)); }, 3, 0xAF, hex("01fe0702"));
    row("setIonoCorr -1.5", [](BC &e) { e.setIonoCorr(4, -1.5f, {}); }, 3, 0xAF, hex("040000ff"));
    row("setIonoCorr 300.7", [](BC &e) { e.setIonoCorr(0, 300.7f, {}); }, 3, 0xAF, hex("0000002c"));
    row("setIonoCorr NaN", [](BC &e) { e.setIonoCorr(0, std::numeric_limits<float>::quiet_NaN(), {}); }, 3, 0xAF, hex("00000000"));
    row("setIonoCorr huge", [](BC &e) { e.setIonoCorr(0, 1e9f, {}); }, 3, 0xAF, hex("000000ff"));
    row("setIonoCorr mask longer than bit list", [](BC &e) { e.setIonoCorr(11, 0, trues(15)); }, 3, 0xAF, hex("0bfe0700"));
    row("setIonoCorr mask short", [](BC &e) { e.setIonoCorr(1, 0, {true, false, true}); }, 3, 0xAF, hex("010a0000"));
    row("requestSbasMode", [](BC &e) { e.requestSbasMode(); }, 3, 0x30, {});
    row("setSbasMode", [](BC &e) { e.setSbasMode(BC::SBAS_PLUS); }, 3, 0xB0, hex("02"));
    row("requestPpsCtrl", [](BC &e) { e.requestPpsCtrl(); }, 3, 0x40, {});
    row("setPpsCtrl", [](BC &e) { e.setPpsCtrl(-100, BC::tscl_UTC); }, 3, 0xC0, hex("9cffffff06"));
    row("requestDateConstrnts", [](BC &e) { e.requestDateConstrnts(); }, 3, 0x41, {});
    row("setDateConstrnts", [](BC &e) { e.setDateConstrnts(1, 2, 3); }, 3, 0xC1, hex("010203"));
    row("saveSettings", [](BC &e) { e.saveSettings(2); }, 3, 0x42, hex("02"));
    row("requestStgm", [](BC &e) { e.requestStgm(); }, 3, 0x43, {});
    row("setStgm", [](BC &e) { e.setStgm(BC::STGM_SET1); }, 3, 0xC3, hex("01"));
    row("requestUserTag", [](BC &e) { e.requestUserTag(); }, 3, 0x44, {});
    row("setUserTag short", [](BC &e) { e.setUserTag(QStringLiteral("abc")); }, 3, 0xC4, hex("616263") + QByteArray(29, '\0'));
    row("setUserTag long", [](BC &e) { e.setUserTag(QString(40, QLatin1Char('z'))); }, 3, 0xC4, QByteArray(32, 'z'));

    // Group 5: calibration.
    row("requestLla", [](BC &e) { e.requestLla(); }, 5, 0x00, {});
    row("setLla sends the second argument first", [](BC &e) { e.setLla(1.0, 2.0, 3.0); }, 5, 0x80,
        hex("0000000000000040" "000000000000f03f" "0000000000000840"));
    row("requestOldCalibrationData", [](BC &e) { e.requestOldCalibrationData(); }, 5, 0x03, {});
    row("requestNewCalibrationData", [](BC &e) { e.requestNewCalibrationData(); }, 5, 0x04, {});
    row("sendCalibrationCommand81", [](BC &e) { e.sendCalibrationCommand81(); }, 5, 0x81, {});
    row("sendCalibrationCommand82", [](BC &e) { e.sendCalibrationCommand82(); }, 5, 0x82, {});
    {
        QByteArray wire;
        const BC::CalibrationData table = calibrationTable(&wire);
        row("writeCalibrationData", [table](BC &e) { e.writeCalibrationData(table); }, 5, 0x84, wire);
    }

    // Group 6: firmware.
    row("requestFwrVersions", [](BC &e) { e.requestFwrVersions(); }, 6, 0x00, {});
    row("readPage", [](BC &e) { e.readPage(0x0102); }, 6, 0x02, hex("0201"));
    row("readPageAlt", [](BC &e) { e.readPageAlt(511); }, 6, 0x05, hex("ff01"));
    row("requestFirmwareType", [](BC &e) { e.requestFirmwareType(); }, 6, 0x06, {});
    row("requestFwrVersionsNew", [](BC &e) { e.requestFwrVersionsNew(); }, 6, 0x07, {});
    row("eraseSector", [](BC &e) { e.eraseSector(7); }, 6, 0x81, hex("07"));
    row("writePage", [](BC &e) { e.writePage(3, pattern(1024)); }, 6, 0x82, hex("0300") + pattern(1024));
    row("sendFirmwareBoundary", [](BC &e) { e.sendFirmwareBoundary(1, 4, 5, 6); }, 6, 0x83, hex("01040506"));
    row("eraseAll", [](BC &e) { e.eraseAll(); }, 6, 0x84, {});
    row("writePageAlt", [](BC &e) { e.writePageAlt(2, pattern(10)); }, 6, 0x85, hex("0200") + pattern(10));
    row("commitFirmware", [](BC &e) { e.commitFirmware(1); }, 6, 0x86, hex("01"));
    row("sendFirmwareBoundaryNew", [](BC &e) { e.sendFirmwareBoundaryNew(0, 7, 8, 9); }, 6, 0x88, hex("00070809"));

    // Group 7: restart.
    row("forceRestart hot", [](BC &e) { e.forceRestart(1); }, 7, 0x80, hex("01"));
    row("forceHardwareRestart", [](BC &e) { e.forceHardwareRestart(); }, 7, 0x81, {});

    // Group 8: raw-data output.
    row("requestRawDataMode", [](BC &e) { e.requestRawDataMode(); }, 8, 0x00, {});
    row("setRawDataMode", [](BC &e) { e.setRawDataMode(BC::RawData20Hz); }, 8, 0x80, hex("14"));
    row("requestBestPos", [](BC &e) { e.requestBestPos(); }, 8, 0x01, {});
    row("setBestPos", [](BC &e) { e.setBestPos(BC::BestPosUser, 1.0, 2.0, 3.0); }, 8, 0x81,
        hex("01") + f64(1.0) + f64(2.0) + f64(3.0));
    row("requestMessages", [](BC &e) { e.requestMessages(); }, 8, 0x02, {});
    row("setMessages", [](BC &e) { e.setMessages({RawData(0), RawData(2), RawData(21)}); }, 8, 0x82, hex("05002000"));
    row("setMessages beyond 31", [](BC &e) { e.setMessages({RawData(33), RawData(255)}); }, 8, 0x82, hex("02000080"));
    row("requestMask", [](BC &e) { e.requestMask(); }, 8, 0x03, {});
    row("setMask", [](BC &e) { e.setMask({true, false, true, true, false}, 30, 10, true); }, 8, 0x83, hex("0d1e0a01"));
    row("requestRawClockSrc", [](BC &e) { e.requestRawClockSrc(); }, 8, 0x04, {});
    row("setRawClockSrc", [](BC &e) { e.setRawClockSrc(true); }, 8, 0x84, hex("01"));
    row("requestRawClockTlr", [](BC &e) { e.requestRawClockTlr(); }, 8, 0x05, {});
    row("setRawClockTlr", [](BC &e) { e.setRawClockTlr(1000); }, 8, 0x85, hex("e8030000"));
    row("requestRawGloL1tau", [](BC &e) { e.requestRawGloL1tau(); }, 8, 0x06, {});
    row("setRawGloL1tau", [](BC &e) { e.setRawGloL1tau(-2); }, 8, 0x86, hex("feffffff"));
    row("requestRawGloL2tau", [](BC &e) { e.requestRawGloL2tau(); }, 8, 0x07, {});
    row("setRawGloL2tau", [](BC &e) { e.setRawGloL2tau(5); }, 8, 0x87, hex("05000000"));
    row("requestRawShellMode", [](BC &e) { e.requestRawShellMode(); }, 8, 0x08, {});
    row("setRawShellMode", [](BC &e) { e.setRawShellMode(BC::ShellRtcm3Bin); }, 8, 0x88, hex("03"));
    row("requestSmoothingMode", [](BC &e) { e.requestSmoothingMode(); }, 8, 0x0A, {});
    row("setSmoothingMode", [](BC &e) { e.setSmoothingMode(BC::SmoothingOff); }, 8, 0x8A, hex("01"));

    // Group 11: RF chip registers.
    row("requestRk2290N0Reg", [](BC &e) { e.requestRk2290N0Reg(0x12); }, 11, 0x00, hex("12"));
    row("setRk2290N0Reg", [](BC &e) { e.setRk2290N0Reg(0x12, 0xDEADBEEF); }, 11, 0x80, hex("12efbeadde"));
    row("requestRk2290N1Reg", [](BC &e) { e.requestRk2290N1Reg(0x34); }, 11, 0x01, hex("34"));
    row("setRk2290N1Reg", [](BC &e) { e.setRk2290N1Reg(0x34, 1); }, 11, 0x81, hex("3401000000"));

    // Group 12: signal plan.
    using F = BC::Frequency;
    row("requestPrimFrq", [](BC &e) { e.requestPrimFrq(); }, 12, 0x00, {});
    row("setPrimFrq", [](BC &e) { e.setPrimFrq({F(1), F(2), F(1), F(0), F(1), F(2)}); }, 12, 0x80, hex("010201000102"));
    row("requestSecondFrq", [](BC &e) { e.requestSecondFrq(); }, 12, 0x01, {});
    row("setSecondFrq", [](BC &e) { e.setSecondFrq({F(2), F(0), F(2), F(0), F(0), F(0)}); }, 12, 0x81, hex("020002000000"));
    row("requestSbasSatellites", [](BC &e) { e.requestSbasSatellites(); }, 12, 0x02, {});
    row("setSbasSatellites", [](BC &e) { e.setSbasSatellites({120, 124, 126}); }, 12, 0x82, hex("787c7e"));
    row("requestLCodes", [](BC &e) { e.requestLCodes(); }, 12, 0x03, {});
    row("setLCodes", [](BC &e) { e.setLCodes({1, 0x1234, 0xFFFF}); }, 12, 0x83, hex("01003412ffff"));
    row("requestSCodes", [](BC &e) { e.requestSCodes(); }, 12, 0x04, {});
    row("setSCodes", [](BC &e) { e.setSCodes({5}); }, 12, 0x84, hex("0500"));

    // Group 200: debug bytes.
    row("setDebugByte0", [](BC &e) { e.setDebugByte0(0x41); }, 200, 0x80, hex("41"));
    row("setDebugByte1 low byte", [](BC &e) { e.setDebugByte1(256 + 7); }, 200, 0x81, hex("07"));
}

void addReplyRows()
{
    using BC = BinaryConfigurator;
    auto row = [](const char *name, Call call, const QByteArray &payload, const QStringList &expected) {
        QTest::newRow(name) << call << payload << expected;
    };
    auto floats = [](std::initializer_list<float> values) {
        QByteArray out;
        for (float v : values) {
            quint32 raw;
            std::memcpy(&raw, &v, 4);
            for (int b = 0; b < 4; ++b)
                out.append(char((raw >> (8 * b)) & 0xFF));
        }
        return out;
    };

    // Group 3.
    row("uart1", [](BC &e) { e.requestUart1BaudRate(); }, hex("00c20100"), {"uart1BaudRateChanged(115200)"});
    row("uart2", [](BC &e) { e.requestUart2BaudRate(); }, hex("80250000"), {"uart2BaudRateChanged(9600)"});
    row("uart3", [](BC &e) { e.requestUart3BaudRate(); }, hex("00080700"), {"uart3BaudRateChanged(460800)"});
    row("uart4", [](BC &e) { e.requestUart4BaudRate(); }, hex("00960000"), {"uart4BaudRateChanged(38400)"});
    row("nchn negative", [](BC &e) { e.requestNchn(); }, hex("e8"), {"nchnChanged(-24)"});
    row("nchn empty", [](BC &e) { e.requestNchn(); }, {}, {"nchnChanged(0)"});
    row("rchn", [](BC &e) { e.requestRchn(); }, hex("0c"), {"rchnChanged(12)"});
    row("interfaceMode", [](BC &e) { e.requestInterfaceMode(); }, hex("01"), {"interfaceModeChanged(1)"});
    row("interfaceMode unknown byte", [](BC &e) { e.requestInterfaceMode(); }, hex("f7"), {"interfaceModeChanged(247)"});
    row("dataSet", [](BC &e) { e.requestDataSet(); }, hex("02000030"), {"dataSetChanged(100000000000000000011)"});
    row("dataSet short", [](BC &e) { e.requestDataSet(); }, hex("06"), {"dataSetChanged(110000000000000000000)"});
    row("gsvPeriod", [](BC &e) { e.requestGsvPeriod(); }, hex("ff"), {"gsvPeriodChanged(255)"});
    row("amendmentsBaseStation", [](BC &e) { e.requestAmendmentsBaseStation(); }, hex("c8"), {"amendmentsBaseStationChanged(200)"});
    row("baseStationDataType", [](BC &e) { e.requestBaseStationDataType(); }, hex("02"), {"baseStationDataTypeChanged(2)"});
    row("transportDelay unsigned", [](BC &e) { e.requestTransportDelay(); }, hex("feff"), {"transportDelayChanged(65534)"});
    row("activeGnss", [](BC &e) { e.requestActiveGnss(); }, hex("f5"), {"activeGnssChanged(10101)"});
    row("sbasMask", [](BC &e) { e.requestSbasMask(); }, hex("22000000"), {"sbasMaskChanged(010001)"});
    row("dinamicMode", [](BC &e) { e.requestDinamicMode(); }, hex("03"), {"dinamicModeChanged(3)"});
    row("solutionRate", [](BC &e) { e.requestSolutionRate(); }, hex("0a"), {"solutionRateChanged(10)"});
    row("solutionMask", [](BC &e) { e.requestSolutionMask(); }, hex("060a1e"), {"solutionMaskChanged(6,10,30)"});
    row("solutionMask short", [](BC &e) { e.requestSolutionMask(); }, hex("06"), {"solutionMaskChanged(6,0,0)"});
    row("rtkMode", [](BC &e) { e.requestRtkMode(); }, hex("03"), {"rtkModeChanged(3)"});
    row("rtkQlt", [](BC &e) { e.requestRtkQlt(); }, hex("05"), {"rtkQltChanged(5)"});
    row("fixGnssMask", [](BC &e) { e.requestFixGnssMask(); }, hex("13"), {"fixGnssMaskChanged(11001)"});
    row("arf", [](BC &e) { e.requestArf(); }, hex("fd"), {"arfChanged(-3)"});
    row("age", [](BC &e) { e.requestAge(); }, hex("1e"), {"ageChanged(30)"});
    row("refBaseLineLength", [](BC &e) { e.requestRefBaseLineLength(); }, hex("a0860100"), {"refBaseLineLengthChanged(100000)"});
    row("solutionMode", [](BC &e) { e.requestSolutionMode(); }, hex("04"), {"solutionModeChanged(4)"});
    row("ionoModel", [](BC &e) { e.requestIonoModel(); }, floats({1, 2, 3, 4, 5, 6, 7, 8.5f}),
        {"ionoModelChanged(1,2,3,4,5,6,7,8.5)"});
    row("ionoModel short", [](BC &e) { e.requestIonoModel(); }, floats({1, 2}) + hex("00"),
        {"ionoModelChanged(1,2,0,0,0,0,0,0)"});
    row("tropoCorrMode", [](BC &e) { e.requestTropoCorrMode(); }, hex("02"), {"tropoCorrModeChanged(2)"});
    row("ionoCorr", [](BC &e) { e.requestIonoCorr(); }, hex("01fe0705"), {"ionoCorrChanged(1,5,1111111111)"});
    row("ionoCorr bit 0 and 11 are not flags", [](BC &e) { e.requestIonoCorr(); }, hex("0b0108ff"),
        {"ionoCorrChanged(11,255,0000000000)"});
    row("sbasMode", [](BC &e) { e.requestSbasMode(); }, hex("02"), {"sbasModeChanged(2)"});
    row("ppsCtrl", [](BC &e) { e.requestPpsCtrl(); }, hex("9cffffff06"), {"ppsCtrlChanged(-100,6)"});
    row("dateConstrnts", [](BC &e) { e.requestDateConstrnts(); }, hex("010203"), {"dateConstrntsChanged(1,2,3)"});
    row("stgm", [](BC &e) { e.requestStgm(); }, hex("01"), {"stgmChanged(1)"});
    row("userTag", [](BC &e) { e.requestUserTag(); }, hex("61626300000000"), {"userTagChanged(abc)"});
    row("userTag unterminated", [](BC &e) { e.requestUserTag(); }, hex("616263"), {"userTagChanged(abc)"});
    row("userTag utf-8", [](BC &e) { e.requestUserTag(); }, hex("d0b0d0b100"), {QString::fromUtf8("userTagChanged(\xd0\xb0\xd0\xb1)")});
    row("handshake data is not decoded", [](BC &e) { e.sendOpen(); }, hex("01"), {});

    // Group 5.
    row("lla", [](BC &e) { e.requestLla(); }, f64(2.0) + f64(1.0) + f64(3.5), {"llaChange(1,2,3.5)"});
    row("lla short", [](BC &e) { e.requestLla(); }, f64(2.0), {"llaChange(0,2,0)"});
    {
        QByteArray wire;
        calibrationTable(&wire);
        row("oldClbData", [](BC &e) { e.requestOldCalibrationData(); }, wire + "extra",
            {"oldClbDataChange(" + QString::fromLatin1(wire.toHex()) + ")"});
        row("newClbData", [](BC &e) { e.requestNewCalibrationData(); }, wire,
            {"newClbDataChange(" + QString::fromLatin1(wire.toHex()) + ")"});
        row("oldClbData short", [](BC &e) { e.requestOldCalibrationData(); }, wire.left(10),
            {"oldClbDataChange(" + QString::fromLatin1((wire.left(10) + QByteArray(326, '\0')).toHex()) + ")"});
    }

    // Group 6.
    row("fwrVersions old", [](BC &e) { e.requestFwrVersions(); }, hex("0642e90703040000"),
        {"fwrVersionsChanged(0642e90703040000,8)"});
    row("fwrVersions short", [](BC &e) { e.requestFwrVersions(); }, hex("063c"),
        {"fwrVersionsChanged(063c000000000000,2)"});
    row("readPage", [](BC &e) { e.readPage(0); }, pattern(1024), {"firmwarePageReceived(" + QString::fromLatin1(pattern(1024).toHex()) + ")"});
    row("readPageAlt", [](BC &e) { e.readPageAlt(1); }, hex("0102"), {"firmwarePageReceived(0102)"});
    row("firmwareType user", [](BC &e) { e.requestFirmwareType(); }, hex("05"), {"firmwareTypeReceived(1)"});
    row("firmwareType empty", [](BC &e) { e.requestFirmwareType(); }, {}, {"firmwareTypeReceived(0)"});
    row("fwrVersionsNew", [](BC &e) { e.requestFwrVersionsNew(); }, pattern(24),
        {"fwrVersionsNewChanged(" + QString::fromLatin1(pattern(24).toHex()) + ")"});
    row("fwrVersionsNew short", [](BC &e) { e.requestFwrVersionsNew(); }, pattern(5),
        {"fwrVersionsNewChanged(" + QString::fromLatin1((pattern(5) + QByteArray(19, '\0')).toHex()) + ")"});
    row("page write data is not decoded", [](BC &e) { e.writePage(0, hex("00")); }, hex("01"), {});

    // Group 8.
    row("rawDataMode", [](BC &e) { e.requestRawDataMode(); }, hex("14"), {"rawDataModeChanged(20)"});
    row("bestPos", [](BC &e) { e.requestBestPos(); }, hex("01") + f64(55.5) + f64(37.25) + f64(150.0),
        {"bestPosChanged(1,55.5,37.25,150)"});
    row("messages", [](BC &e) { e.requestMessages(); }, hex("050020"), {"messagesChanged(0,2,21)"});
    row("messages short", [](BC &e) { e.requestMessages(); }, hex("81"), {"messagesChanged(0,7)"});
    row("mask", [](BC &e) { e.requestMask(); }, hex("0d1e0a01"), {"maskChanged(10110,30,10,1)"});
    row("mask high bits", [](BC &e) { e.requestMask(); }, hex("ffc8b400"), {"maskChanged(11111,200,180,0)"});
    row("rawClockSrc", [](BC &e) { e.requestRawClockSrc(); }, hex("02"), {"rawClockSrcChanged(1)"});
    row("rawClockTlr", [](BC &e) { e.requestRawClockTlr(); }, hex("e8030000"), {"rawClockTlrChanged(1000)"});
    row("rawGloL1tau", [](BC &e) { e.requestRawGloL1tau(); }, hex("feffffff"), {"rawGloL1tauChanged(-2)"});
    row("rawGloL2tau", [](BC &e) { e.requestRawGloL2tau(); }, hex("05000000"), {"rawGloL2tauChanged(5)"});
    row("rawShellMode", [](BC &e) { e.requestRawShellMode(); }, hex("03"), {"rawShellModeChanged(3)"});
    row("smoothingMode only", [](BC &e) { e.requestSmoothingMode(); }, hex("01"), {"smoothingModeChanged(1)"});

    // Group 11.
    row("rk2290N0Reg", [](BC &e) { e.requestRk2290N0Reg(1); }, hex("efbeadde"), {"rk2290N0RegChanged(3735928559)"});
    row("rk2290N1Reg short", [](BC &e) { e.requestRk2290N1Reg(1); }, hex("01"), {"rk2290N1RegChanged(1)"});

    // Group 12.
    row("primFrq", [](BC &e) { e.requestPrimFrq(); }, hex("010201000102"), {"primFrqChanged(1,2,1,0,1,2)"});
    row("secondFrq", [](BC &e) { e.requestSecondFrq(); }, hex("0200020000"), {"secondFrqChanged(2,0,2,0,0,0)"});
    row("sbasSatellites", [](BC &e) { e.requestSbasSatellites(); }, hex("787c7e"), {"sbasSatellitesChanged(120,124,126,0,0,0)"});
    row("lCodes", [](BC &e) { e.requestLCodes(); }, hex("0102030405060708090a0b0c0dff"),
        {"lCodesChanged(1,2,3,4,5,6,7,8,9,10,11,12,13,255)"});
    row("sCodes short", [](BC &e) { e.requestSCodes(); }, hex("07"), {"sCodesChanged(7,0,0,0,0,0,0,0,0,0,0,0,0,0)"});
}
