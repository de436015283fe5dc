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

// Text forms used in the expected event lines.
QString text(const GeoCoordinate &coordinate);
QString text(const Time &time);
QString text(const Date &date);
QString text(const Coordinates &coordinates);
QString text(const QVector<SatelliteInfo> &satellites);
QString text(const QSet<int> &numbers);

// A value as text, "-" when it is not valid.
inline QString valueText(const NavDataValue<double> &v) { return v.isValid() ? QString::number(v.value, 'g', 10) : "-"; }
inline QString valueText(const NavDataValue<float> &v) { return v.isValid() ? QString::number(double(v.value), 'g', 7) : "-"; }
inline QString valueText(const NavDataValue<signed char> &v) { return v.isValid() ? QString(QChar::fromLatin1(char(v.value))) : "-"; }
template<typename T>
inline QString valueText(const NavDataValue<T> &v) { return v.isValid() ? QString::number(v.value) : "-"; }

// Writes down every display signal of a SentenceHandler as one line of text each, in the
// order they arrive. Connected by text signature, exactly as the windows connect, so a
// signature that does not match fails the test.
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
    void setCoordinate(GeoCoordinate coordinate) { add("setCoordinate", text(coordinate)); }
    void setCoordinate(double time, GeoCoordinate coordinate, short quality) { add("setCoordinate3", QStringLiteral("%1 %2 %3").arg(time, 0, 'g', 10).arg(text(coordinate)).arg(quality)); }
    void setUTC(Time time) { add("setUTC", text(time)); }
    void setDate(NavDataValue<int> date) { add("setDateNumber", valueText(date)); }
    void setDate(Date date) { add("setDate", text(date)); }
    void setHDOP(NavDataValue<double> hdop) { add("setHDOP", valueText(hdop)); }
    void setPDOP(NavDataValue<double> pdop) { add("setPDOP", valueText(pdop)); }
    void setVDOP(NavDataValue<double> vdop) { add("setVDOP", valueText(vdop)); }
    void setSpeed(NavDataValue<double> speed) { add("setSpeed", valueText(speed)); }
    void setCourse(NavDataValue<double> course) { add("setCourse", valueText(course)); }
    void setFixMode(signed char cMode, short dMode) { add("setFixMode", QStringLiteral("%1 %2").arg(int(cMode)).arg(dMode)); }
    void setPositioningSystemMode(NavDataValue<signed char> mode) { add("setPositioningSystemMode", valueText(mode)); }
    void setQuality(NavDataValue<short> qualityIndicator) { add("setQuality", valueText(qualityIndicator)); }
    void setUsedSatellites(SatNavSysEnum navSys, QSet<int> usedSatelliteIds) { add("setUsedSatellites", QStringLiteral("%1 %2").arg(int(navSys)).arg(text(usedSatelliteIds))); }
    void setSatellites(SatNavSysEnum navSys, QVector<SatelliteInfo> info) { add("setSatellites", QStringLiteral("%1 %2").arg(int(navSys)).arg(text(info))); }
    void setBandName(SatNavSysEnum navSys, QString upperBandName, QString lowerBandName) { add("setBandName", QStringLiteral("%1 %2 %3").arg(int(navSys)).arg(upperBandName, lowerBandName)); }
    void clearSatellites(SatNavSysEnum navSys) { add("clearSatellites", QString::number(int(navSys))); }
    void setVelSts(NavDataValue<int> sts) { add("setVelSts", valueText(sts)); }
    void setPosSts(NavDataValue<int> sts) { add("setPosSts", valueText(sts)); }
    void setCoordReceiver(Coordinates coordReceiver) { add("setCoordReceiver", text(coordReceiver)); }
    void setCoordBS(Coordinates coordBS, NavDataValue<int> sts) { add("setCoordBS", text(coordBS) + QLatin1Char(' ') + valueText(sts)); }
    void setSpeedECEF(Coordinates speedECEF) { add("setSpeedECEF", text(speedECEF)); }
    void setSpeedENU(Coordinates speedENU, NavDataValue<double> ven, NavDataValue<double> cog) { add("setSpeedENU", QStringLiteral("%1 %2 %3").arg(text(speedENU), valueText(ven), valueText(cog))); }
    void setTotalSA(NavDataValue<int> num) { add("setTotalSA", valueText(num)); }
    void setARF(NavDataValue<float> arf) { add("setARF", valueText(arf)); }
    void setAge(NavDataValue<int> age) { add("setAge", valueText(age)); }
    void setClmb(NavDataValue<double> clmb) { add("setClmb", valueText(clmb)); }
    void setRoll(NavDataValue<double> roll) { add("setRoll", valueText(roll)); }
    void setPitch(NavDataValue<double> pitch) { add("setPitch", valueText(pitch)); }
    void setYaw(NavDataValue<double> yaw) { add("setYaw", valueText(yaw)); }
    void posStsChangedInAxes(NavDataValue<int> sts) { add("posStsChangedInAxes", valueText(sts)); }
    void setCoordSA(Coordinates coordSA) { add("setCoordSA", text(coordSA)); }
    void setCoordMA(Coordinates coordMA) { add("setCoordMA", text(coordMA)); }

private:
    void add(const char *name, const QString &text = QString());
};
