#pragma once

// What the tests of the sky view, signal-to-noise, plot and track windows share: NMEA
// lines built from positions and satellites, positions a given number of metres east,
// north and up of another, and the window under test on a connected NMEA session.

#include <QByteArray>
#include <QScopedPointer>
#include <QTest>
#include <QString>
#include <QVector>

#include <cmath>

#include "framebuilders.h"
#include "geocoordinate.h"
#include "geodesy.h"
#include "model.h"
#include "controller.h"
#include "receiversession.h"
#include "satellitetypes.h"
#include "sentencehandler.h"

namespace plotwindowstest {

// The position at the given east, north and up offset in metres from reference.
inline GeoCoordinate offsetFrom(const GeoCoordinate &reference, double east, double north, double up)
{
    const double llh[3] = {reference.latitude(), reference.longitude(), reference.height()};
    double origin[3];
    geodeticToEcef(origin, llh);
    double r[9];
    ecefToEnuMatrix(r, origin);
    // The rotation is orthogonal: its transpose takes east-north-up back to ECEF.
    const double enu[3] = {east, north, up};
    double xyz[3];
    for (int i = 0; i < 3; ++i)
        xyz[i] = origin[i] + r[0 * 3 + i] * enu[0] + r[1 * 3 + i] * enu[1] + r[2 * 3 + i] * enu[2];
    double out[3];
    ecefToGeodetic(out, xyz);
    return GeoCoordinate(out[0], out[1], out[2]);
}

// "ddmm.mmmmmmmm" (or "dddmm..." for a longitude) of an angle's magnitude in degrees.
inline QByteArray nmeaAngle(double degrees, int degreeDigits)
{
    const double magnitude = std::fabs(degrees);
    const int whole = int(magnitude);
    const double minutes = (magnitude - whole) * 60;
    return QString::asprintf("%0*d%011.8f", degreeDigits, whole, minutes).toLatin1();
}

// A GGA sentence with its UTC time given as hhmmss.ss.
inline QByteArray ggaLine(const QByteArray &time, const GeoCoordinate &position, int quality)
{
    const double lat = position.latitudeDegrees();
    const double lon = position.longitudeDegrees();
    const QByteArray body = "GPGGA," + time + ',' + nmeaAngle(lat, 2) + (lat < 0 ? ",S," : ",N,")
        + nmeaAngle(lon, 3) + (lon < 0 ? ",W," : ",E,") + QByteArray::number(quality) + ",08,0.9,"
        + QByteArray::number(position.height(), 'f', 4) + ",M,0.0,M,,";
    return nmeaLine(body);
}

// Seconds of the day as hhmmss.ss.
inline QByteArray nmeaTime(double seconds)
{
    const int s = int(seconds);
    const int h = (s / 3600) % 24;
    const int m = (s / 60) % 60;
    const double sec = std::fmod(seconds, 60);
    return QString::asprintf("%02d%02d%05.2f", h, m, sec).toLatin1();
}

// One satellite field group of a GSV sentence; -1 leaves a field empty.
inline QByteArray gsvField(int value, int width)
{
    return value < 0 ? QByteArray() : QString::asprintf("%0*d", width, value).toLatin1();
}

// The GSV sentences of one talker for the given satellites (number, elevation, azimuth,
// first C/N0), four to a sentence.
inline QByteArray gsvLines(const QByteArray &talker, const QVector<SatelliteInfo> &satellites)
{
    const int total = std::max(1, int((satellites.size() + 3) / 4));
    QByteArray bytes;
    for (int m = 0; m < total; ++m) {
        QByteArray body = talker + "GSV," + QByteArray::number(total) + ',' + QByteArray::number(m + 1) + ','
            + gsvField(satellites.size(), 2);
        for (int i = 4 * m; i < 4 * m + 4 && i < satellites.size(); ++i) {
            const SatelliteInfo &s = satellites.at(i);
            body += ',' + gsvField(s.number, 2) + ',' + gsvField(s.elevation, 2) + ','
                + gsvField(s.azimuth, 3) + ',' + gsvField(s.snr1, 2);
        }
        bytes += nmeaLine(body);
    }
    return bytes;
}

// A GSA sentence naming the used satellites.
inline QByteArray gsaLine(const QByteArray &talker, const QVector<int> &used)
{
    QByteArray body = talker + "GSA,A,3";
    for (int i = 0; i < 12; ++i)
        body += ',' + (i < used.size() ? gsvField(used.at(i), 2) : QByteArray());
    body += ",1.8,0.9,1.5";
    return nmeaLine(body);
}

// One epoch of a receiver as it sends it: the position, then each system's satellites in
// view band by band (GPS on L1 and L2, GLONASS on F1).
namespace epoch {
inline QByteArray gga() { return nmeaLine("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"); }
inline QByteArray gpsL1() { return nmeaLine("GPGSV,1,1,04,03,45,120,41,07,30,200,43,16,60,310,46,26,15,050,46"); }
inline QByteArray gpsL2() { return nmeaLine("GPGSV,1,1,04,67,45,120,31,71,30,200,33,80,60,310,36,90,15,050,37"); }
inline QByteArray glonass() { return nmeaLine("GLGSV,1,1,03,01,20,100,40,02,35,150,39,03,50,250,38"); }
} // namespace epoch

// A fresh NMEA session and a fresh Window for every test function, mixed into the test
// class next to QObject. Positions go out as GGA sentences one second apart, from
// `seconds` on.
template <typename Window>
class NmeaWindowFixture
{
public:
    virtual ~NmeaWindowFixture() = default;

protected:
    // The window is made once the link is up, and not yet connected to the session.
    bool openWindow()
    {
        session.reset(new ReceiverSession);
        if (!session->open(InterfaceNmea))
            return false;
        window.reset(new Window(nullptr));
        return true;
    }
    void closeWindow()
    {
        window.reset();
        session.reset();
    }
    void connectWindow()
    {
        window->setModel(session->model);
        window->setController(session->controller);
    }
    // Sends count epochs of one position each and waits until the program has taken them.
    bool sendEpochs(const QByteArray &bytes, int count)
    {
        int handled = 0;
        const QMetaObject::Connection counting = QObject::connect(
            session->controller->sentenceHandler(), &SentenceHandler::setQuality, [&handled] { ++handled; });
        for (int i = 0; i < count; ++i)
            session->send(bytes);
        const bool taken = QTest::qWaitFor([&handled, count] { return handled >= count; }, 5000);
        QObject::disconnect(counting);
        return taken;
    }
    void sendPosition(const GeoCoordinate &position, int code = 4)
    {
        session->send(ggaLine(nmeaTime(seconds), position, code));
        seconds += 1;
    }

    QScopedPointer<ReceiverSession> session;
    QScopedPointer<Window> window;
    double seconds = 0;
};

} // namespace plotwindowstest
