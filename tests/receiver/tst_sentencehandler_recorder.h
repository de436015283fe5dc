#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include "geocoordinate.h"
#include "iparser.h"
#include "navtypes.h"
#include "satellitetypes.h"

// Writes down every display signal of a SentenceHandler as one line of text each, in the order they arrive. Connected by text signature, exactly
// as the windows connect, so a signature that does not match fails the test.
class SignalRecorder : public QObject
{
    Q_OBJECT

public:
    explicit SignalRecorder(QObject *parent = nullptr);

    void listenTo(QObject *handler);

    QStringList events;

    // Only the lines whose signal name is in the filter (all when empty).
    QStringList filtered(const QStringList &names) const;

public slots:
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

private:
    void add(const char *name, const QString &text = QString());
};

// Text forms used in the expected event lines.
QString text(const GeoCoordinate &coordinate);
QString text(const Time &time);
QString text(const Date &date);
QString text(const Coordinates &coordinates);
QString text(const QVector<SatelliteInfo> &satellites);
QString text(const QSet<int> &numbers);
