#include "tst_formsreadable_feed.h"

#include <QSet>
#include <QVector>

#include <cmath>

#include "controller.h"
#include "geocoordinate.h"
#include "model.h"
#include "navtypes.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "satellitetypes.h"
#include "sentencehandler.h"

namespace {

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

// 55° 45' 14.00940" S, 137° 37' 10.12345" W: every digit and both letters.
GeoCoordinate farPosition(double shift = 0.0)
{
    return GeoCoordinate(radians(-(55.0 + 45.0 / 60 + 14.0094 / 3600) + shift),
                         radians(-(137.0 + 37.0 / 60 + 10.12345 / 3600) - shift), -1234.567);
}

struct SystemList
{
    SatNavSysEnum navSys;
    short firstNumber;
    int count;
    const char *upperBand;
    const char *lowerBand;
};

const SystemList systems[] = {
    {NavSysGPS, 10, 14, "L1", "L2"},     {NavSysGLONASS, 10, 14, "F1", "F2"},
    {NavSysGalileo, 20, 14, "E1", "E5"}, {NavSysBeiDou, 50, 14, "B1", "B2"},
    {NavSysNavIC, 1, 14, "L5", "S"},     {NavSysSBAS, 120, 6, "L1", "L5"},
};

} // namespace

void feedLongestValues(Controller *controller, Model *model)
{
    SentenceHandler *handler = controller->sentenceHandler();
    model->setReceiverRefCoordinatesMode(RefCoordinatesFixed);
    model->setReceiverRefCoordinates(farPosition(0.0001));
    model->setReceiverRefCoordForTrack(farPosition(0.0001));

    for (const SystemList &system : systems) {
        QVector<SatelliteInfo> list;
        QSet<int> used;
        for (int i = 0; i < system.count; ++i) {
            const short number = short(system.firstNumber + i);
            list.append(SatelliteInfo(number, short(89 - i * 6), 359 - i * 25, short(48 - i), short(42 - i)));
            if (i % 3 != 2)
                used.insert(number);
        }
        emit handler->setBandName(system.navSys, QString::fromLatin1(system.upperBand),
                                  QString::fromLatin1(system.lowerBand));
        emit handler->setUsedSatellites(system.navSys, used);
        emit handler->setSatellites(system.navSys, list);
    }

    emit controller->parser()->protocolDefined(InterfaceBinary);
    emit controller->reader()->displayTestBaudRate(460800);
    emit handler->setUTC(Time(235959.99, HhMmSs));
    emit handler->setDate(Date(28, 12, 2024));
    emit handler->setHDOP(NavDataValue<double>(99.99));
    emit handler->setPDOP(NavDataValue<double>(99.99));
    emit handler->setVDOP(NavDataValue<double>(99.99));
    emit handler->setSpeed(NavDataValue<double>(1234.567));
    emit handler->setCourse(NavDataValue<double>(359.99));
    emit handler->setFixMode(3, 3);
    emit handler->setFixMode('A', 1);
    emit handler->setPositioningSystemMode(NavDataValue<signed char>('D'));
    emit handler->setQuality(NavDataValue<short>(5));
    for (int epoch = 0; epoch < 20; ++epoch) {
        const GeoCoordinate position = farPosition(epoch * 0.00001);
        emit handler->setCoordinate(position);
        emit handler->setCoordinate(86399.0 - 20 + epoch, position, 4);
    }

    emit handler->setVelSts(NavDataValue<int>(0));
    emit handler->setPosSts(NavDataValue<int>(50));
    emit handler->setCoordReceiver(Coordinates(-2845123.4567, -2201234.5678, -5248000.1234));
    emit handler->setCoordBS(Coordinates(-2845100.1256, -2201250.7543, -5247990.5432), NavDataValue<int>(50));
    emit handler->setSpeedECEF(Coordinates(-123.456, -234.567, -345.678));
    emit handler->setSpeedENU(Coordinates(-123.456, -234.567, -345.678), NavDataValue<double>(1234.567),
                              NavDataValue<double>(359.99));
    emit handler->setTotalSA(NavDataValue<int>(99));
    emit handler->setARF(NavDataValue<float>(999.9f));
    emit handler->setAge(NavDataValue<int>(9999));
    emit handler->setClmb(NavDataValue<double>(-123.45));
    emit handler->setRoll(NavDataValue<double>(-179.99));
    emit handler->setPitch(NavDataValue<double>(-89.99));
    emit handler->setYaw(NavDataValue<double>(-179.99));
    emit handler->posStsChangedInAxes(NavDataValue<int>(50));
    emit handler->setCoordSA(Coordinates(-2845123.4567, -2201234.5678, -5248000.1234));
    emit handler->setCoordMA(Coordinates(-2845121.2345, -2201232.3456, -5247998.9012));

    const QByteArray debugLines =
        "Debug: tracking 31 channels\r\n"
        "Debug:{\"DebugTable\":[{\"ch\":[1,2,3,4]},{\"sys\":[\"GPS\",\"GPS\",\"GLO\",\"GAL\"]},"
        "{\"prn\":[5,12,3,30]},{\"cn0\":[44.25,38.5,45,\"@\"]},{\"state\":[\"lock\",\"lock\",\"pull\",\"@\"]}]}\r\n";
    emit controller->parser()->dataParsed(debugLines, InterfaceNmea);
    emit controller->parser()->displayData(debugLines);
}
