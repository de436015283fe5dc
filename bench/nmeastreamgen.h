#pragma once

// A generated NMEA 0183 output stream of a multi-constellation receiver, second by
// second: a GGA, RMC, VTG and ZDA per epoch (the talker rotating through GN, GP, GL,
// GA and GB), a GSA and a GSV series for each of GPS, GLONASS, Galileo and BeiDou,
// with plausible, slowly changing values (a receiver near 55.75 N 37.62 E, a clock
// that ticks, skies of 6 to 14 satellites per system, now and then an empty field or
// a fix that drops out). Every line carries a correct checksum and ends in CR LF.

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

#include <cmath>

#include "../tests/support/framebuilders.h"

namespace nmeastreamgen {

// "$" + body + "*" + two upper-case hex digits + CR LF.
inline QByteArray sentence(const QByteArray &body)
{
    return nmeaLine(body);
}

// The number of lines (sentences) in a stream.
inline int lineCount(const QByteArray &stream)
{
    return int(stream.count('\n'));
}

class Generator
{
public:
    explicit Generator(quint32 seed = 20260101)
        : m_rng(seed)
    {
        for (System &system : m_systems) {
            const int count = 6 + int(m_rng.bounded(9));
            for (int i = 0; i < count; ++i) {
                Satellite s;
                s.prn = system.firstPrn + i * 2 + int(m_rng.bounded(2));
                s.elevation = 5.0 + m_rng.generateDouble() * 80.0;
                s.azimuth = m_rng.generateDouble() * 360.0;
                s.snr = 25 + int(m_rng.bounded(25));
                system.satellites.append(s);
            }
        }
    }

    // One epoch (one second) of output.
    QByteArray epoch()
    {
        QByteArray out;
        out.reserve(2048);
        step();
        const char *talker = kTalkers[m_epoch % 5];
        const bool fix = m_rng.bounded(50) != 0; // a dropout now and then
        const QByteArray time = timeText();
        const QByteArray lat = latitudeText();
        const QByteArray lon = longitudeText();

        out += sentence(QByteArray(talker) + "GGA," + time + ',' + lat + ",N," + lon + ",E," + (fix ? "4" : "0") + ','
                        + QByteArray::number(m_used).rightJustified(2, '0') + ',' + number(m_hdop, 1) + ','
                        + number(m_height, 3) + ",M," + number(14.2, 1) + ",M," + (fix ? "1.0,0042" : ","));
        for (const System &system : m_systems)
            out += gsa(system);
        for (const System &system : m_systems)
            out += gsv(system);
        const QByteArray speedKnots = number(m_speed / 1.852, 3);
        const QByteArray course = number(m_course, 2);
        out += sentence(QByteArray(talker) + "RMC," + time + (fix ? ",A," : ",V,") + lat + ",N," + lon + ",E,"
                        + speedKnots + ',' + course + ',' + dateText() + ",,," + (fix ? "D" : "N"));
        out += sentence(QByteArray(talker) + "VTG," + course + ",T,," "M," + speedKnots + ",N,"
                        + number(m_speed, 3) + ",K," + (fix ? "D" : "N"));
        out += sentence(QByteArray(talker) + "ZDA," + time + ',' + dateFields() + ",00,00");
        ++m_epoch;
        return out;
    }

    // Whole epochs until the stream holds at least minBytes.
    QByteArray stream(int minBytes)
    {
        QByteArray out;
        out.reserve(minBytes + 4096);
        while (out.size() < minBytes)
            out += epoch();
        return out;
    }

private:
    struct Satellite
    {
        int prn = 0;
        double elevation = 0;
        double azimuth = 0;
        int snr = 0;
    };
    struct System
    {
        const char *talker;
        int firstPrn;
        int systemId; // the GSA system identifier of NMEA 4.1
        QVector<Satellite> satellites;
    };

    static constexpr const char *kTalkers[5] = {"GN", "GP", "GL", "GA", "GB"};

    static QByteArray number(double value, int decimals)
    {
        return QByteArray::number(value, 'f', decimals);
    }

    void step()
    {
        m_seconds += 1.0;
        m_course = std::fmod(m_course + m_rng.generateDouble() * 2.0 - 1.0 + 360.0, 360.0);
        m_speed = qBound(0.0, m_speed + m_rng.generateDouble() - 0.5, 60.0);
        const double metres = m_speed / 3.6;
        const double radians = m_course * M_PI / 180.0;
        m_lat += metres * std::cos(radians) / 111320.0;
        m_lon += metres * std::sin(radians) / (111320.0 * std::cos(m_lat * M_PI / 180.0));
        m_height += m_rng.generateDouble() * 0.2 - 0.1;
        m_hdop = 0.6 + m_rng.generateDouble() * 0.6;
        m_used = 0;
        for (System &system : m_systems) {
            for (Satellite &s : system.satellites) {
                s.azimuth = std::fmod(s.azimuth + 0.01, 360.0);
                s.elevation = qBound(0.0, s.elevation + m_rng.generateDouble() * 0.02 - 0.01, 90.0);
                s.snr = qBound(15, s.snr + int(m_rng.bounded(3)) - 1, 55);
                if (s.snr > 30)
                    ++m_used;
            }
        }
    }

    QByteArray timeText() const
    {
        const int t = int(std::fmod(m_seconds, 86400.0));
        const int h = t / 3600;
        const int m = (t / 60) % 60;
        const int s = t % 60;
        return QByteArray::number(h * 10000 + m * 100 + s).rightJustified(6, '0') + ".00";
    }

    QByteArray dateText() const
    {
        const int day = 1 + int(m_seconds / 86400.0) % 28;
        return QByteArray::number(day).rightJustified(2, '0') + "0726";
    }

    QByteArray dateFields() const
    {
        const int day = 1 + int(m_seconds / 86400.0) % 28;
        return QByteArray::number(day).rightJustified(2, '0') + ",07,2026";
    }

    QByteArray latitudeText() const
    {
        const double degrees = std::floor(m_lat);
        return number(degrees * 100.0 + (m_lat - degrees) * 60.0, 5).rightJustified(10, '0');
    }

    QByteArray longitudeText() const
    {
        const double degrees = std::floor(m_lon);
        return number(degrees * 100.0 + (m_lon - degrees) * 60.0, 5).rightJustified(11, '0');
    }

    QByteArray gsa(const System &system) const
    {
        QByteArray body = QByteArray(system.talker) + "GSA,A,3";
        int listed = 0;
        for (const Satellite &s : system.satellites) {
            if (listed == 12)
                break;
            if (s.snr > 30) {
                body += ',' + QByteArray::number(s.prn).rightJustified(2, '0');
                ++listed;
            }
        }
        for (; listed < 12; ++listed)
            body += ',';
        body += ',' + number(m_hdop * 1.8, 1) + ',' + number(m_hdop, 1) + ',' + number(m_hdop * 1.4, 1) + ','
                + QByteArray::number(system.systemId);
        return sentence(body);
    }

    QByteArray gsv(const System &system) const
    {
        QByteArray out;
        const int count = system.satellites.size();
        const int messages = (count + 3) / 4;
        for (int m = 0; m < messages; ++m) {
            QByteArray body = QByteArray(system.talker) + "GSV," + QByteArray::number(messages) + ','
                              + QByteArray::number(m + 1) + ',' + QByteArray::number(count).rightJustified(2, '0');
            for (int i = m * 4; i < count && i < m * 4 + 4; ++i) {
                const Satellite &s = system.satellites.at(i);
                body += ',' + QByteArray::number(s.prn).rightJustified(2, '0') + ','
                        + QByteArray::number(qRound(s.elevation)).rightJustified(2, '0') + ','
                        + QByteArray::number(qRound(s.azimuth) % 360).rightJustified(3, '0') + ','
                        + (s.snr > 20 ? QByteArray::number(s.snr) : QByteArray());
            }
            out += sentence(body);
        }
        return out;
    }

    QRandomGenerator m_rng;
    System m_systems[4] = {{"GP", 1, 1, {}}, {"GL", 65, 2, {}}, {"GA", 1, 3, {}}, {"GB", 1, 4, {}}};
    int m_epoch = 0;
    double m_seconds = 10 * 3600.0;
    double m_lat = 55.75;
    double m_lon = 37.62;
    double m_height = 152.0;
    double m_speed = 20.0; // km/h
    double m_course = 45.0;
    double m_hdop = 0.9;
    int m_used = 0;
};

} // namespace nmeastreamgen
