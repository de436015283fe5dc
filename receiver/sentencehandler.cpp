#include "sentencehandler.h"

#include <QLatin1String>

#include <cmath>
#include <cstring>

namespace {

// The record types, in the order their sentenceIsReceived signals are joined.
const char *const recordSignals[] = {
    SIGNAL(sentenceIsReceived(GGA)),         SIGNAL(sentenceIsReceived(GSA)),
    SIGNAL(sentenceIsReceived(GST)),         SIGNAL(sentenceIsReceived(GSV)),
    SIGNAL(sentenceIsReceived(RMC)),         SIGNAL(sentenceIsReceived(VTG)),
    SIGNAL(sentenceIsReceived(ZDA)),         SIGNAL(sentenceIsReceived(HDG)),
    SIGNAL(sentenceIsReceived(RTIME_RDATE)), SIGNAL(sentenceIsReceived(RPOS_ECEF)),
    SIGNAL(sentenceIsReceived(RVEL_ECEF)),   SIGNAL(sentenceIsReceived(RPOS_LLA)),
    SIGNAL(sentenceIsReceived(RVEL_ENU)),    SIGNAL(sentenceIsReceived(RSOL_ATR)),
    SIGNAL(sentenceIsReceived(BPOS_ECEF)),   SIGNAL(sentenceIsReceived(GSV_FULL)),
    SIGNAL(sentenceIsReceived(RSOL_FULL)),   SIGNAL(sentenceIsReceived(RSOL_iFULL)),
    SIGNAL(sentenceIsReceived(YPR_DEG)),     SIGNAL(sentenceIsReceived(HVECT)),
};

const char *const recordSlots[] = {
    SLOT(handleSentence(GGA)),         SLOT(handleSentence(GSA)),
    SLOT(handleSentence(GST)),         SLOT(handleSentence(GSV)),
    SLOT(handleSentence(RMC)),         SLOT(handleSentence(VTG)),
    SLOT(handleSentence(ZDA)),         SLOT(handleSentence(HDG)),
    SLOT(handleSentence(RTIME_RDATE)), SLOT(handleSentence(RPOS_ECEF)),
    SLOT(handleSentence(RVEL_ECEF)),   SLOT(handleSentence(RPOS_LLA)),
    SLOT(handleSentence(RVEL_ENU)),    SLOT(handleSentence(RSOL_ATR)),
    SLOT(handleSentence(BPOS_ECEF)),   SLOT(handleSentence(GSV_FULL)),
    SLOT(handleSentence(RSOL_FULL)),   SLOT(handleSentence(RSOL_iFULL)),
    SLOT(handleSentence(YPR_DEG)),     SLOT(handleSentence(HVECT)),
};

// The blanking signals are joined in the order of the output message numbers.
const char *const blankingSignals[] = {
    SIGNAL(showLastDataGGA()),         SIGNAL(showLastDataGSA()),
    SIGNAL(showLastDataGSV()),         SIGNAL(showLastDataZDA()),
    SIGNAL(showLastDataVTG()),         SIGNAL(showLastDataRMC()),
    SIGNAL(showLastDataGST()),         SIGNAL(showLastDataHDG()),
    SIGNAL(showLastDataRTIME_RDATE()), SIGNAL(showLastDataRPOS_ECEF()),
    SIGNAL(showLastDataRVEL_ECEF()),   SIGNAL(showLastDataRPOS_LLA()),
    SIGNAL(showLastDataRVEL_ENU()),    SIGNAL(showLastDataRSOL_ATR()),
    SIGNAL(showLastDataBPOS_ECEF()),   SIGNAL(showLastDataGSV_FULL()),
    SIGNAL(showLastDataRSOL_FULL()),   SIGNAL(showLastDataRSOL_iFULL()),
    SIGNAL(showLastDataYPR_DEG()),     SIGNAL(showLastDataHVECT()),
};

const char *const blankingSlots[] = {
    SLOT(showLastDataGGA()),         SLOT(showLastDataGSA()),
    SLOT(showLastDataGSV()),         SLOT(showLastDataZDA()),
    SLOT(showLastDataVTG()),         SLOT(showLastDataRMC()),
    SLOT(showLastDataGST()),         SLOT(showLastDataHDG()),
    SLOT(showLastDataRTIME_RDATE()), SLOT(showLastDataRPOS_ECEF()),
    SLOT(showLastDataRVEL_ECEF()),   SLOT(showLastDataRPOS_LLA()),
    SLOT(showLastDataRVEL_ENU()),    SLOT(showLastDataRSOL_ATR()),
    SLOT(showLastDataBPOS_ECEF()),   SLOT(showLastDataGSV_FULL()),
    SLOT(showLastDataRSOL_FULL()),   SLOT(showLastDataRSOL_iFULL()),
    SLOT(showLastDataYPR_DEG()),     SLOT(showLastDataHVECT()),
};

static_assert(sizeof(recordSignals) == sizeof(recordSlots), "one slot per record signal");
static_assert(sizeof(blankingSignals) == sizeof(blankingSlots), "one slot per blanking signal");


} // namespace

double nmeaToDegrees(double value)
{
    if (value == -1)
        return value;
    const double minutes = std::fmod(value, 100.0);
    return (value - minutes) / 100.0 + minutes / 60.0;
}

SentenceHandler::SentenceHandler(QObject *parent)
    : QObject(parent)
{
    m_talkerMap.insert(QStringLiteral("GP"), 1);
    m_talkerMap.insert(QStringLiteral("GL"), 4);
    m_talkerMap.insert(QStringLiteral("GB"), 9);
    m_talkerMap.insert(QStringLiteral("GN"), 11);
    m_talkerMap.insert(QStringLiteral("GA"), 6);
    m_talkerMap.insert(QStringLiteral("GI"), 12);
    m_talkerMap.insert(QStringLiteral("GS"), 14);
    initBandTables();
    for (auto it = m_talkerMap.constBegin(); it != m_talkerMap.constEnd(); ++it) {
        KnownTalker &known = m_known[talkerIndex(it.key())];
        known.navSys = it.value();
        known.hasBandTable = m_bandTables.contains(it.key());
        known.bands = bandTables(it.key());
    }
}

SentenceHandler::~SentenceHandler() = default;

int SentenceHandler::talkerIndex(const char *letters, int length)
{
    if (length != 2 || letters[0] != 'G')
        return -1;
    switch (letters[1]) {
    case 'P':
        return 0;
    case 'L':
        return 1;
    case 'B':
        return 2;
    case 'N':
        return 3;
    case 'A':
        return 4;
    case 'I':
        return 5;
    case 'S':
        return 6;
    default:
        return -1;
    }
}

int SentenceHandler::talkerIndex(const char (&talker)[3])
{
    // The talker array always holds a terminating NUL; its length is taken from at most
    // its three bytes all the same.
    return talkerIndex(talker, int(strnlen(talker, sizeof(talker))));
}

int SentenceHandler::talkerIndex(const QString &talker)
{
    if (talker.size() != 2)
        return -1;
    const char letters[2] = {talker.at(0).toLatin1(), talker.at(1).toLatin1()};
    return talkerIndex(letters, 2);
}

void SentenceHandler::setParser(iParser *parser)
{
    if (m_parser)
        disconnectParser();
    m_parser = parser;
    if (m_parser)
        connectParser();
}

void SentenceHandler::setModuleResetHook(ModuleResetHook hook)
{
    m_moduleResetHook = std::move(hook);
}

void SentenceHandler::connectParser()
{
    // Unique connections: however often the parser is handed over, every record reaches
    // its slot once.
    for (size_t i = 0; i < sizeof(recordSignals) / sizeof(recordSignals[0]); ++i)
        connect(m_parser, recordSignals[i], this, recordSlots[i], Qt::UniqueConnection);
    for (size_t i = 0; i < sizeof(blankingSignals) / sizeof(blankingSignals[0]); ++i)
        connect(m_parser, blankingSignals[i], this, blankingSlots[i], Qt::UniqueConnection);
}

void SentenceHandler::disconnectParser()
{
    for (size_t i = 0; i < sizeof(recordSignals) / sizeof(recordSignals[0]); ++i)
        disconnect(m_parser, recordSignals[i], this, recordSlots[i]);
    for (size_t i = 0; i < sizeof(blankingSignals) / sizeof(blankingSignals[0]); ++i)
        disconnect(m_parser, blankingSignals[i], this, blankingSlots[i]);
}

int SentenceHandler::directionCode(char letter)
{
    switch (letter) {
    case 'N':
        return 0;
    case 'S':
        return 1;
    case 'W':
        return 2;
    case 'E':
        return 3;
    default:
        return 0;
    }
}

void SentenceHandler::emitLatLonPosition(const NavDataValue<double> &latitude,
                                         const NavDataValue<signed char> &latHemisphere,
                                         const NavDataValue<double> &longitude,
                                         const NavDataValue<signed char> &lonHemisphere,
                                         const NavDataValue<double> &height)
{
    // The binary records carry degrees already; only the hemisphere letters need codes.
    if (latitude.isValid()) {
        emit setCoordinate(GeoCoordinate(latitude.value, directionCode(char(latHemisphere.value)),
                                         longitude.value, directionCode(char(lonHemisphere.value)),
                                         height.value));
    } else {
        emit setCoordinate(GeoCoordinate(false));
    }
}

// ---- NMEA records ----

void SentenceHandler::handleSentence(GGA sentence)
{
    if (talkerIndex(sentence.talker) < 0)
        return;
    emit setQuality(sentence.quality);
    emit setHDOP(sentence.hdop);
    // Without a fix the parser leaves all three invalid; a field that did not convert
    // leaves only itself invalid, and a position is then not known either.
    if (!sentence.latitude.isValid() || !sentence.longitude.isValid() || !sentence.altitude.isValid()) {
        emit setCoordinate(GeoCoordinate(false));
        return;
    }
    const GeoCoordinate position(nmeaToDegrees(sentence.latitude.value),
                                 directionCode(sentence.latHemisphere),
                                 nmeaToDegrees(sentence.longitude.value),
                                 directionCode(sentence.lonHemisphere), sentence.altitude.value);
    emit setCoordinate(position);
    if (sentence.time.isValid())
        emit setCoordinate(sentence.time.value, position, sentence.quality.value);
}

void SentenceHandler::handleSentence(GSA sentence)
{
    emit setFixMode(static_cast<signed char>(sentence.mode), sentence.fixType);
    emit setHDOP(sentence.hdop);
    emit setPDOP(sentence.pdop);
    emit setVDOP(sentence.vdop);
    const int index = talkerIndex(sentence.talker);
    if (index >= 0)
        emitUsedSatellitesOfGsa(sentence, index);
}

void SentenceHandler::handleSentence(GST sentence)
{
    // The error statistics have no display; the record is taken and dropped.
    Q_UNUSED(sentence)
}

void SentenceHandler::handleSentence(RMC sentence)
{
    emit setPositioningSystemMode(sentence.mode);
    emit setDate(sentence.date);
    // The parser has already turned the knots of the sentence into km/h.
    emit setSpeed(sentence.speedKmh);
}

void SentenceHandler::handleSentence(VTG sentence)
{
    emit setPositioningSystemMode(sentence.mode);
    emit setSpeed(sentence.speedKmh);
    emit setCourse(sentence.courseTrue);
}

void SentenceHandler::handleSentence(ZDA sentence)
{
    emit setUTC(sentence.time);
    emit setDate(sentence.date);
}

void SentenceHandler::handleSentence(HDG sentence)
{
    // A status the receiver sent travels as a valid value, 0 included: the attitude
    // window shows "NV" for status 0 rather than greying it. A status it did not send
    // (an empty or junk field) is not known.
    emit posStsChangedInAxes(sentence.positionStatus.isValid()
                                 ? NavDataValue<int>(int(sentence.positionStatus.value))
                                 : NavDataValue<int>());
    emit setRoll(sentence.roll);
    emit setPitch(sentence.pitch);
    emit setYaw(sentence.yaw);
}

// ---- Binary records ----

void SentenceHandler::handleSentence(RTIME_RDATE sentence)
{
    emit setUTC(sentence.time);
    emit setDate(sentence.date);
}

void SentenceHandler::handleSentence(RPOS_ECEF sentence)
{
    emit setPosSts(sentence.status);
    emit setCoordReceiver(sentence.position);
}

void SentenceHandler::handleSentence(RVEL_ECEF sentence)
{
    emit setVelSts(sentence.status);
    emit setSpeedECEF(sentence.velocity);
}

void SentenceHandler::handleSentence(RPOS_LLA sentence)
{
    emitLatLonPosition(sentence.latitude, sentence.latHemisphere, sentence.longitude,
                       sentence.lonHemisphere, sentence.height);
    emit setPosSts(sentence.status);
}

void SentenceHandler::handleSentence(RVEL_ENU sentence)
{
    emit setVelSts(sentence.status);
    emit setCourse(sentence.course);
    emit setSpeedENU(sentence.velocity, sentence.horizontalSpeed, sentence.course);
}

void SentenceHandler::handleSentence(RSOL_ATR sentence)
{
    emit setVelSts(sentence.velStatus);
    emit setPosSts(sentence.posStatus);
    emit setHDOP(sentence.hdop);
    emit setPDOP(sentence.pdop);
    emit setVDOP(sentence.vdop);
    // Bit n of a mask is satellite n; the ranges are the numbers each system uses.
    if (sentence.usedGP.isValid())
        usedSetFromMask(1, quint64(sentence.usedGP.value), 1, 32);
    if (sentence.usedGL.isValid())
        usedSetFromMask(4, quint64(sentence.usedGL.value), 1, 24);
    if (sentence.usedGB.isValid())
        usedSetFromMask(9, quint64(sentence.usedGB.value), 5, 36);
    if (sentence.usedGA.isValid())
        usedSetFromMask(6, quint64(sentence.usedGA.value), 1, 36);
    if (sentence.usedGI.isValid())
        usedSetFromMask(12, quint64(sentence.usedGI.value), 1, 7);
    emit setTotalSA(sentence.totalSA);
    emit setARF(sentence.arf);
    emit setAge(sentence.age);
}

void SentenceHandler::handleSentence(BPOS_ECEF sentence)
{
    emit setCoordBS(sentence.position, sentence.status);
}

void SentenceHandler::handleSentence(RSOL_FULL sentence)
{
    emit setVelSts(sentence.velStatus);
    emit setPosSts(sentence.posStatus);
    emitLatLonPosition(sentence.latitude, sentence.latHemisphere, sentence.longitude,
                       sentence.lonHemisphere, sentence.height);
    emit setHDOP(sentence.hdop);
    emit setSpeed(sentence.speed);
    emit setUTC(sentence.time);
    emit setDate(sentence.date);
    emit setClmb(sentence.climb);
    emit setCourse(sentence.course);
}

void SentenceHandler::handleSentence(RSOL_iFULL sentence)
{
    emit setVelSts(sentence.velStatus);
    emit setPosSts(sentence.posStatus);
    emit setUTC(sentence.time);
    emit setDate(sentence.date);
    emit setHDOP(sentence.hdop);
    emit setCoordReceiver(sentence.position);
    emit setSpeedECEF(sentence.velocity);
}

void SentenceHandler::handleSentence(YPR_DEG sentence)
{
    emit posStsChangedInAxes(sentence.posStatus);
    emit setRoll(sentence.angle1);
    emit setPitch(sentence.angle2);
    emit setYaw(sentence.angle3);
}

void SentenceHandler::handleSentence(HVECT sentence)
{
    emit posStsChangedInAxes(sentence.posStatus);
    emit setCoordSA(sentence.slaveAntenna);
    emit setCoordMA(sentence.masterAntenna);
}

// ---- Blanking of switched-off messages ----
// Each slot sends the message's signals with empty values so the windows grey them out.
// Nothing held here changes: the satellite lists survive and are merged again later.

void SentenceHandler::showLastDataGGA()
{
    emit setQuality(NavDataValue<short>());
    emit setCoordinate(GeoCoordinate(false));
    emit setHDOP(NavDataValue<double>());
}

void SentenceHandler::showLastDataGSA()
{
    emit setFixMode(-1, -1);
    emit setHDOP(NavDataValue<double>());
    emit setPDOP(NavDataValue<double>());
    emit setVDOP(NavDataValue<double>());
}

void SentenceHandler::showLastDataGSV()
{
    for (auto it = m_talkerMap.constBegin(); it != m_talkerMap.constEnd(); ++it)
        emit setSatellites(static_cast<SatNavSysEnum>(it.value()), QVector<SatelliteInfo>());
}

void SentenceHandler::showLastDataZDA()
{
    emit setUTC(Time());
    emit setDate(Date());
}

void SentenceHandler::showLastDataVTG()
{
    emit setPositioningSystemMode(NavDataValue<signed char>());
    emit setCourse(NavDataValue<double>());
    emit setSpeed(NavDataValue<double>());
}

void SentenceHandler::showLastDataRMC()
{
    emit setPositioningSystemMode(NavDataValue<signed char>());
    emit setSpeed(NavDataValue<double>());
    emit setDate(NavDataValue<int>());
    emit setUTC(Time());
}

void SentenceHandler::showLastDataGST()
{
}

void SentenceHandler::showLastDataHDG()
{
    emit posStsChangedInAxes(NavDataValue<int>());
    emit setRoll(NavDataValue<double>());
    emit setPitch(NavDataValue<double>());
    emit setYaw(NavDataValue<double>());
}

void SentenceHandler::showLastDataRTIME_RDATE()
{
    emit setUTC(Time());
    emit setDate(Date());
}

void SentenceHandler::showLastDataRPOS_ECEF()
{
    emit setPosSts(NavDataValue<int>());
    emit setCoordReceiver(Coordinates());
}

void SentenceHandler::showLastDataRVEL_ECEF()
{
    emit setVelSts(NavDataValue<int>());
    emit setSpeedECEF(Coordinates());
}

void SentenceHandler::showLastDataRPOS_LLA()
{
    emit setCoordinate(GeoCoordinate(false));
    emit setPosSts(NavDataValue<int>());
}

void SentenceHandler::showLastDataRVEL_ENU()
{
    emit setCourse(NavDataValue<double>());
    emit setVelSts(NavDataValue<int>());
    emit setSpeedENU(Coordinates(), NavDataValue<double>(), NavDataValue<double>());
}

void SentenceHandler::showLastDataRSOL_ATR()
{
    emit setHDOP(NavDataValue<double>());
    emit setPDOP(NavDataValue<double>());
    emit setVDOP(NavDataValue<double>());
    emit setVelSts(NavDataValue<int>());
    emit setPosSts(NavDataValue<int>());
    emit setTotalSA(NavDataValue<int>());
    emit setARF(NavDataValue<float>());
    emit setAge(NavDataValue<int>());
}

void SentenceHandler::showLastDataBPOS_ECEF()
{
    emit setCoordBS(Coordinates(), NavDataValue<int>());
}

void SentenceHandler::showLastDataGSV_FULL()
{
    showLastDataGSV();
}

void SentenceHandler::showLastDataRSOL_FULL()
{
    emit setVelSts(NavDataValue<int>());
    emit setPosSts(NavDataValue<int>());
    emit setCoordinate(GeoCoordinate(false));
    emit setSpeed(NavDataValue<double>());
    emit setCourse(NavDataValue<double>());
    emit setUTC(Time());
    emit setHDOP(NavDataValue<double>());
    emit setDate(Date());
    emit setClmb(NavDataValue<double>());
}

void SentenceHandler::showLastDataRSOL_iFULL()
{
    emit setVelSts(NavDataValue<int>());
    emit setPosSts(NavDataValue<int>());
    emit setCoordReceiver(Coordinates());
    emit setSpeedECEF(Coordinates());
    emit setUTC(Time());
    emit setHDOP(NavDataValue<double>());
    emit setDate(Date());
}

void SentenceHandler::showLastDataYPR_DEG()
{
    emit posStsChangedInAxes(NavDataValue<int>());
    emit setRoll(NavDataValue<double>());
    emit setPitch(NavDataValue<double>());
    emit setYaw(NavDataValue<double>());
}

void SentenceHandler::showLastDataHVECT()
{
    emit posStsChangedInAxes(NavDataValue<int>());
    emit setCoordSA(Coordinates());
    emit setCoordMA(Coordinates());
}
