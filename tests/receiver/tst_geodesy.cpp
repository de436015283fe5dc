#include <QtTest>

#include <cmath>
#include <limits>

#include "connectguard.h"
#include "geocoordinate.h"
#include "geodesy.h"

Q_DECLARE_METATYPE(GeoCoordinate)

namespace {
constexpr double Pi = 3.14159265358979323846;
const QString deg = QString(QChar(0x00B0));
const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
} // namespace

class TestGeodesy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void safeAtan2Zero();
    void roundTrip_data();
    void roundTrip();
    void knownEcefAndEdges();
    void enuOfKnownOffsets_data();
    void enuOfKnownOffsets();
    void constructorsAndEquality();
    void angleTexts_data();
    void angleTexts();
    void heightAndWholeText();
    void differenceFromReference();
};

void TestGeodesy::safeAtan2Zero()
{
    QCOMPARE(safeAtan2(0.0, 0.0), 0.0);
    QCOMPARE(safeAtan2(0.0, -0.0), 0.0);
    QCOMPARE(safeAtan2(0.0, -1.0), Pi);
}

void TestGeodesy::roundTrip_data()
{
    QTest::addColumn<double>("latDeg");
    QTest::addColumn<double>("lonDeg");
    QTest::addColumn<double>("height");

    QTest::newRow("equator, sea level") << 0.0 << 0.0 << 0.0;
    QTest::newRow("Munich") << 48.1173 << 11.516667 << 545.4;
    QTest::newRow("south-west, deep") << -33.5 << -70.25 << -1000.0;
    QTest::newRow("near the pole, high") << 89.9 << 179.9 << 100000.0;
}

void TestGeodesy::roundTrip()
{
    QFETCH(double, latDeg);
    QFETCH(double, lonDeg);
    QFETCH(double, height);

    const double llh[3] = {latDeg * Pi / 180, lonDeg * Pi / 180, height};
    double xyz[3], back[3];
    geodeticToEcef(xyz, llh);
    ecefToGeodetic(back, xyz);
    QVERIFY2(std::fabs(back[0] - llh[0]) < 1e-9, qPrintable(QString::number(back[0] - llh[0])));
    QVERIFY(std::fabs(std::remainder(back[1] - llh[1], 2 * Pi)) < 1e-9);
    QVERIFY2(std::fabs(back[2] - llh[2]) < 1e-6, qPrintable(QString::number(back[2] - llh[2])));
}

void TestGeodesy::knownEcefAndEdges()
{
    // Equator at the prime meridian: x is the semi-major axis; the pole: z the semi-minor.
    const double equator[3] = {0.0, 0.0, 0.0};
    double xyz[3], llh[3];
    geodeticToEcef(xyz, equator);
    QCOMPARE(xyz[0], 6378137.0);
    const double pole[3] = {0.0, 0.0, 6356752.31424518 + 10.0};
    ecefToGeodetic(llh, pole);
    QVERIFY(std::fabs(llh[0] - Pi / 2) < 1e-12);
    QVERIFY(std::fabs(llh[2] - 10.0) < 1e-6);

    // The earth's centre gives finite numbers; garbage ends the refinement loop.
    ecefToGeodetic(llh, equator);
    QVERIFY(std::isfinite(llh[0]));
    const double bad[3] = {kNan, 1.0, 1.0};
    ecefToGeodetic(llh, bad);
    QVERIFY(std::isnan(llh[0]) || std::isnan(llh[2]));
    const double huge[3] = {kInf, kInf, kInf};
    ecefToGeodetic(llh, huge); // returns: that is the test
}

void TestGeodesy::enuOfKnownOffsets_data()
{
    QTest::addColumn<int>("axis"); // 0 east, 1 north, 2 up: the direction moved
    QTest::addColumn<double>("latDeg");
    QTest::addColumn<double>("lonDeg");

    QTest::newRow("east at 48N 11E") << 0 << 48.1 << 11.5;
    QTest::newRow("north at 33S 70W") << 1 << -33.5 << -70.0;
    QTest::newRow("up at 60N 100E") << 2 << 60.0 << 100.0;
}

void TestGeodesy::enuOfKnownOffsets()
{
    QFETCH(int, axis);
    QFETCH(double, latDeg);
    QFETCH(double, lonDeg);

    // Move 10 m along the local axis (through the rotation rows), then measure it back.
    const double llh[3] = {latDeg * Pi / 180, lonDeg * Pi / 180, 100.0};
    double from[3], r[9], to[3], enu[3];
    geodeticToEcef(from, llh);
    ecefToEnuMatrix(r, from);
    for (int i = 0; i < 3; ++i)
        to[i] = from[i] + 10.0 * r[axis * 3 + i];
    enuDifference(enu, from, to);
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(std::fabs(enu[i] - (i == axis ? 10.0 : 0.0)) < 1e-6,
                 qPrintable(QString("component %1: %2").arg(i).arg(enu[i])));
        for (int j = 0; j < 3; ++j) // the rows are orthonormal
            QVERIFY(std::fabs(vec3Dot(r + 3 * i, r + 3 * j) - (i == j ? 1.0 : 0.0)) < 1e-12);
    }
}

void TestGeodesy::constructorsAndEquality()
{
    QVERIFY(!GeoCoordinate().isValid());
    QVERIFY(GeoCoordinate(true).isValid());

    // The hemisphere code is not tied to the axis: 1 and 2 negate, 0 and 3 keep signs.
    const GeoCoordinate south(33.5, 1, 70.0, 2, 12.0);
    QVERIFY(std::fabs(south.latitudeDegrees() + 33.5) < 1e-12);
    QVERIFY(std::fabs(south.longitudeDegrees() + 70.0) < 1e-12);
    const GeoCoordinate odd(10.0, 2, -20.0, 0, 0.0);
    QVERIFY(std::fabs(odd.latitudeDegrees() + 10.0) < 1e-12);
    QVERIFY(std::fabs(odd.longitudeDegrees() + 20.0) < 1e-12);

    // Arithmetic results are valid even from invalid operands.
    QVERIFY((GeoCoordinate(false) + GeoCoordinate()).isValid());
    QCOMPARE(GeoCoordinate(0.2, 0.4, 10.0) / 2.0, GeoCoordinate(0.1, 0.2, 5.0));

    QVERIFY(GeoCoordinate(true) != GeoCoordinate(false));
    const GeoCoordinate n(kNan, 0.0, 0.0);
    QVERIFY(!(n == n));
}

void TestGeodesy::angleTexts_data()
{
    QTest::addColumn<GeoCoordinate>("coordinate");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");

    // A text with the degree sign in place of %1.
    const auto degrees = [](const char *text) { return QString(text).arg(deg); };
    const GeoCoordinate munich(48.1173, 0, 11.516667, 3, 0.0);
    QTest::newRow("Munich, format 2") << munich << 2
        << degrees("48%1 7' 2.280000\" N") << degrees("11%1 31' 0.001200\" E");
    QTest::newRow("Munich, format 1") << munich << 1
        << degrees("48%1 7.038000000' N") << degrees("11%1 31.000020000' E");
    QTest::newRow("Munich, format 0") << munich << 0
        << degrees("48.117300000%1 N") << degrees("11.516667000%1 E");
    // 33.5 degrees is a hair below itself after radians: the seconds that print as 60
    // are carried into the minutes, so the text reads as the angle received.
    const GeoCoordinate south(33.5, 1, 70.25, 2, 0.0);
    QTest::newRow("33.5 S, carried into the minutes") << south << 2
        << degrees("33%1 30' 0.000000\" S") << degrees("70%1 15' 0.000000\" W");
    const GeoCoordinate wholeMinutes(56.0 + 1.0 / 60.0, 0, 38.0 + 1.0 / 60.0, 3, 0.0);
    QTest::newRow("a whole minute, format 2") << wholeMinutes << 2
        << degrees("56%1 1' 0.000000\" N") << degrees("38%1 1' 0.000000\" E");
    QTest::newRow("a whole minute, format 1") << wholeMinutes << 1
        << degrees("56%1 1.000000000' N") << degrees("38%1 1.000000000' E");
    // A hair under a whole degree: seconds carry into minutes and minutes into degrees.
    const GeoCoordinate underDegrees(37.999999999999, 1, 11.9999999999995, 2, 0.0);
    QTest::newRow("a hair under a degree, format 2") << underDegrees << 2
        << degrees("38%1 0' 0.000000\" S") << degrees("12%1 0' 0.000000\" W");
    QTest::newRow("a hair under a degree, format 1") << underDegrees << 1
        << degrees("38%1 0.000000000' S") << degrees("12%1 0.000000000' W");
    // Just under the carry the text stays as it is.
    const GeoCoordinate belowCarry(10.0 + 59.0 / 60.0 + 59.9999994 / 3600.0, 0,
                                   10.0 + 59.0 / 60.0 + 59.9999984 / 3600.0, 3, 0.0);
    QTest::newRow("just under a carry, format 2") << belowCarry << 2
        << degrees("10%1 59' 59.999999\" N") << degrees("10%1 59' 59.999998\" E");
    QTest::newRow("just under a carry, format 1") << belowCarry << 1
        << degrees("10%1 59.999999990' N") << degrees("10%1 59.999999973' E");
    QTest::newRow("unknown format") << munich << 3 << QString(" N") << QString(" E");
    QTest::newRow("negative format") << south << -1 << QString(" S") << QString(" W");
}

void TestGeodesy::angleTexts()
{
    QFETCH(GeoCoordinate, coordinate);
    QFETCH(int, format);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QCOMPARE(coordinate.latitudeToString(format), latitude);
    QCOMPARE(coordinate.longitudeToString(format), longitude);
    if (format == 2) {
        QCOMPARE(coordinate.latitudeText(), latitude);
        QCOMPARE(coordinate.longitudeText(), longitude);
    }
}

void TestGeodesy::heightAndWholeText()
{
    const GeoCoordinate p(48.1173, 0, 11.516667, 3, 1234.5);
    QCOMPARE(p.toString(), QString("48%1 7' 2.280000\" N, 11%1 31' 0.001200\" E, 1234.5000 m.")
                               .arg(deg));

    // Garbage from the wire prints; it does not crash or overflow.
    QVERIFY(!GeoCoordinate(kNan, kInf, kNan).toString().isEmpty());
    const GeoCoordinate huge(1e300, -1e300, 1e300);
    QVERIFY(huge.latitudeText().endsWith(" N"));
    QVERIFY(huge.longitudeText().endsWith(" W"));
}

void TestGeodesy::differenceFromReference()
{
    const GeoCoordinate here(48.1173, 0, 11.516667, 3, 545.0);
    QCOMPARE(here.difference(here).up, 0.0);

    // One arc-second north is about 30.9 m here, one east 30.92 * cos(latitude) m.
    const GeoCoordinate north(48.1173 + 1.0 / 3600, 0, 11.516667, 3, 555.0);
    const EnuOffset d = north.difference(here);
    QVERIFY2(std::fabs(d.east) < 1e-3, qPrintable(QString::number(d.east)));
    QVERIFY2(std::fabs(d.north - 30.89) < 0.02, qPrintable(QString::number(d.north)));
    QVERIFY2(std::fabs(d.up - 10.0) < 1e-3, qPrintable(QString::number(d.up)));
    QVERIFY(std::fabs(GeoCoordinate::difference(here, north).north + d.north) < 0.01);
    const GeoCoordinate east(48.1173, 0, 11.516667 + 1.0 / 3600, 3, 545.0);
    QVERIFY2(std::fabs(east.difference(here).east - 20.69) < 0.02,
             qPrintable(QString::number(east.difference(here).east)));
}

QTEST_GUILESS_MAIN(TestGeodesy)
#include "tst_geodesy.moc"
