#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QVector>

#include <functional>

#include "binaryrecords.h"
#include "geocoordinate.h"
#include "iparser.h"
#include "navtypes.h"
#include "nmeasentences.h"
#include "satellitetypes.h"

// Decimal degrees from an NMEA ddmm.mmmm (or dddmm.mmmm) angle; -1 passes through unchanged.
double nmeaToDegrees(double value);

// Turns every decoded record into the display signals the monitor windows and the Model
// connect to. It also gathers the satellites in view across GSV series and signal bands
// (sentencehandlersatellites.cpp) and keeps nothing else between records.
class SentenceHandler : public QObject
{
    Q_OBJECT

public:
    // Reads and clears the "windows were cleared" flag of whoever owns the command engine.
    // Returns true when the flag was set.
    using ModuleResetHook = std::function<bool()>;

    explicit SentenceHandler(QObject *parent = nullptr);
    ~SentenceHandler() override;

    void setParser(iParser *parser);

    // The owner (the Controller) installs the hook; without one the lists are never reset.
    void setModuleResetHook(ModuleResetHook hook);

    static int directionCode(char letter);

    QList<BandRange> bandTables(const QString &talker) const;
    int bandOf(const QString &talker, int number) const;

    // At most this many entries wait in one gathered list; a receiver that never sends the
    // last sentence of a series must not make the list grow for ever.
    static constexpr int maxGatheredEntries = 1024;

    // A band whose series stop while another band of its system goes on, or a system whose
    // series stop while another system goes on, is no longer reported once the other has
    // finished this many series without it. Two would do for a receiver that reports
    // every band and system in each epoch; three also keeps one that reports a band or a
    // system every other epoch. Series are counted, not seconds: a receiver that sends
    // its satellites seldom keeps them as long as it goes on sending.
    static constexpr int missedSeriesLimit = 3;

signals:
    void setCoordinate(GeoCoordinate coordinate);
    void setCoordinate(double time, GeoCoordinate coordinate, short quality);
    void setUTC(Time time);
    void setDate(NavDataValue<int> date);
    void setDate(Date date);
    void setHDOP(NavDataValue<double> hdop);
    void setPDOP(NavDataValue<double> pdop);
    void setVDOP(NavDataValue<double> vdop);
    void setSpeed(NavDataValue<double> speed);
    void setCourse(NavDataValue<double> course);
    void setFixMode(signed char cMode, short dMode);
    void setPositioningSystemMode(NavDataValue<signed char> mode);
    void setQuality(NavDataValue<short> qualityIndicator);
    void setUsedSatellites(SatNavSysEnum navSys, QSet<int> usedSatelliteIds);
    void setSatellites(SatNavSysEnum navSys, QVector<SatelliteInfo> info);
    void setBandName(SatNavSysEnum navSys, QString upperBandName, QString lowerBandName);
    // The system's satellites are no longer reported: its lists are gone.
    void clearSatellites(SatNavSysEnum navSys);
    void setVelSts(NavDataValue<int> sts);
    void setPosSts(NavDataValue<int> sts);
    void setCoordReceiver(Coordinates coordReceiver);
    void setCoordBS(Coordinates coordBS, NavDataValue<int> sts);
    void setSpeedECEF(Coordinates speedECEF);
    void setSpeedENU(Coordinates speedENU, NavDataValue<double> ven, NavDataValue<double> cog);
    void setTotalSA(NavDataValue<int> num);
    void setARF(NavDataValue<float> arf);
    void setAge(NavDataValue<int> age);
    void setClmb(NavDataValue<double> clmb);
    void setRoll(NavDataValue<double> roll);
    void setPitch(NavDataValue<double> pitch);
    void setYaw(NavDataValue<double> yaw);
    void posStsChangedInAxes(NavDataValue<int> sts);
    void setCoordSA(Coordinates coordSA);
    void setCoordMA(Coordinates coordMA);

protected slots:
    void handleSentence(GGA sentence);
    void handleSentence(GSA sentence);
    void handleSentence(GST sentence);
    void handleSentence(GSV sentence);
    void handleSentence(RMC sentence);
    void handleSentence(VTG sentence);
    void handleSentence(ZDA sentence);
    void handleSentence(HDG sentence);
    void handleSentence(RTIME_RDATE sentence);
    void handleSentence(RPOS_ECEF sentence);
    void handleSentence(RVEL_ECEF sentence);
    void handleSentence(RPOS_LLA sentence);
    void handleSentence(RVEL_ENU sentence);
    void handleSentence(RSOL_ATR sentence);
    void handleSentence(BPOS_ECEF sentence);
    void handleSentence(GSV_FULL sentence);
    void handleSentence(RSOL_FULL sentence);
    void handleSentence(RSOL_iFULL sentence);
    void handleSentence(YPR_DEG sentence);
    void handleSentence(HVECT sentence);

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

private:
    using SatelliteLists = QMap<int, QVector<SatelliteInfo>>;

    // The used satellites of the GSV_FULL series each system is gathering, and the set
    // last handed out for that system. The used satellites seldom change from one epoch
    // to the next, and handing out a copy of a built set shares it. Numbers below 256
    // (all a binary entry can hold) are kept as bits, any others in a list.
    struct FullUsed
    {
        static constexpr int maskWords = 4;
        quint64 gathering[maskWords] = {};
        QVector<int> gatheringOthers;
        quint64 lastMask[maskWords] = {};
        bool lastFromMaskOnly = true;
        QSet<int> last;
    };

    // The numbers of the last few series a band finished, newest first; the series of all
    // bands are numbered in one count as they finish. A system's series that listed no
    // satellite are counted under its negated system value.
    struct SeriesTurns
    {
        quint64 recent[missedSeriesLimit] = {};
        void add(quint64 series);
        quint64 last() const { return recent[0]; }
        // Whether this one has finished missedSeriesLimit series since that series.
        bool missedBy(quint64 series) const { return recent[missedSeriesLimit - 1] > series; }
    };

    // Every record of the receiver names its talker, so the known talkers are looked up
    // from their letters without building a text each time.
    struct KnownTalker
    {
        int navSys = 0;
        bool hasBandTable = false;
        QList<BandRange> bands;
    };
    static constexpr int knownTalkerCount = 7;
    static int talkerIndex(const char *letters, int length);
    static int talkerIndex(const char (&talker)[3]);
    static int talkerIndex(const QString &talker);
    int bandOfKnown(int index, int number) const;

    void connectParser();
    void disconnectParser();
    void emitLatLonPosition(const NavDataValue<double> &latitude,
                            const NavDataValue<signed char> &latHemisphere,
                            const NavDataValue<double> &longitude,
                            const NavDataValue<signed char> &lonHemisphere,
                            const NavDataValue<double> &height);

    // Satellite accumulation.
    void initBandTables();
    SatelliteInfo makeSatelliteInfo(const GSV &sentence, int code, int slot) const;
    static SatelliteInfo makeFullSatelliteInfo(const GSV_FULL &sentence, int slot,
                                               FullUsed &used);
    static QSet<int> takeFullUsedSet(FullUsed &used);
    void gather(int key, const SatelliteInfo &info);
    void finishGroup(int first, int second, int third);
    void dropOtherSecondBand(int second, bool finishingSecond, int third, bool finishingThird);
    QVector<SatelliteInfo> mergedGroupList(int first, int second, int third) const;
    void finishAndEmitGroupOf(int code);
    void emitSystemSeries(int navSys, const QVector<SatelliteInfo> &info);
    void forgetSystemsNotReported(int navSys);
    void noteTurn(int key);
    quint64 lastTurnOf(int navSys) const;
    void emitUsedSatellitesOfGsa(const GSA &sentence, int index);
    void usedSetFromMask(int navSys, quint64 mask, int from, int to);
    void clearAfterModuleReset();

    QPointer<iParser> m_parser;

    SatelliteLists m_gathered;
    SatelliteLists m_finished;
    quint64 m_seriesCount = 0;
    QHash<int, SeriesTurns> m_turns;
    // Systems whose satellites the windows list: the last series with any had some.
    QSet<int> m_listedSystems;
    QMap<int, FullUsed> m_fullUsed;

    QMap<QString, int> m_talkerMap;

    QMap<QString, QList<BandRange>> m_bandTables;
    int slotsPerGsv = 4;
    KnownTalker m_known[knownTalkerCount];

    ModuleResetHook m_moduleResetHook;

    // The set last built from each system's mask. A mask seldom changes from one
    // solution to the next, and handing out a copy of a built set shares it.
    struct MaskedSet
    {
        int navSys = -1;
        quint64 mask = 0;
        QSet<int> used;
    };
    static constexpr int maskedSystemCount = 5;
    MaskedSet m_maskedSets[maskedSystemCount];
};
