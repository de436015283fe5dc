#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

#include "arrowgritem.h"
#include "baselinewidget.h"
#include "binaryframe.h"
#include "binarypayloads.h"
#include "connectguard.h"
#include "controller.h"
#include "cornertextgritem.h"
#include "framebuilders.h"
#include "geodesy.h"
#include "model.h"
#include "receiversession.h"
#include "sceneprobe.h"
#include "sentencehandler.h"
#include "trackwidget.h"

namespace {

QByteArray baseFrame(double x, double y, double z, quint8 status = 4)
{
    return binaryFrame(BinaryFrame::KindMessage, NavMsg_BPOS_ECEF, ecefPayload(3, x, y, z, status));
}

QByteArray baseFrame(const GeoCoordinate &position)
{
    const double llh[3] = {position.latitude(), position.longitude(), position.height()};
    double xyz[3];
    geodeticToEcef(xyz, llh);
    return baseFrame(xyz[0], xyz[1], xyz[2]);
}

// ddmm.mmmmmmm / dddmm.mmmmmmm with the hemisphere letter, as a GGA field pair.
QByteArray nmeaAngle(double degrees, int width, char positive, char negative)
{
    const double magnitude = std::fabs(degrees);
    const int whole = int(magnitude);
    const double minutes = (magnitude - whole) * 60;
    QByteArray text = QByteArray::number(whole).rightJustified(width, '0');
    text += QByteArray::number(minutes, 'f', 7).rightJustified(10, '0');
    return text + ',' + (degrees < 0 ? negative : positive);
}

// A GGA line inside a binary message frame, as the receiver sends NMEA text in its
// binary protocol.
QByteArray ggaFrame(double latitude, double longitude, double height)
{
    const QByteArray line = nmeaLine("GPGGA,123519.00," + nmeaAngle(latitude, 2, 'N', 'S') + ','
                                     + nmeaAngle(longitude, 3, 'E', 'W') + ",4,12,0.8,"
                                     + QByteArray::number(height, 'f', 2) + ",M,14.5,M,1.0,0000");
    return binaryFrame(BinaryFrame::KindMessage, NavMsg_GGA, line);
}

QByteArray ggaWithoutFixFrame()
{
    return binaryFrame(BinaryFrame::KindMessage, NavMsg_GGA,
                       nmeaLine("GPGGA,123520.00,,,,,0,00,99.99,,,,,,"));
}

} // namespace

class TestBaseLineWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAsDesigned();
    void distanceAndAzimuth_data();
    void distanceAndAzimuth();
    void fromTheBaseStationToTheReceiver();
    void noLineBeforeAReceiverPosition();
    void aPositionWithoutAFixFadesTheLine();
    void anInvalidBaseFadesTheLine();
    void aBaseInTheSouthWestKeepsItsSigns();
    void theReceiversMeanIsTheReference();
    void aNewModelRecomputesAtOnce();
    void theTracksResetLeavesTheLineFaded();
    void aDamagedBaseDrawsNoLine_data();
    void aDamagedBaseDrawsNoLine();

private:
    QLineEdit *distance() const { return window->findChild<QLineEdit *>("editDistance"); }
    QGraphicsView *view() const { return window->findChild<QGraphicsView *>("graphicsBaseLine"); }
    ArrowGrItem *arrow() const { return sceneItem<ArrowGrItem>(view()); }
    CornerTextGrItem *azimuthItem() const { return sceneItem<CornerTextGrItem>(view()); }
    QString azimuthText() const { return paintedText(azimuthItem(), view()); }
    // A fixed reference, so that the receiver's positions do not move it.
    void fixReference(const GeoCoordinate &reference)
    {
        session->model->setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        session->model->setReceiverRefCoordinates(reference);
    }

    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<BaseLineWidget> window;
    std::unique_ptr<QSignalSpy> baseReports;
};

void TestBaseLineWidget::initTestCase()
{
    installConnectGuard();
    qRegisterMetaType<Coordinates>("Coordinates");
    qRegisterMetaType<NavDataValue<int>>("NavDataValue<int>");
}

void TestBaseLineWidget::init()
{
    session = std::make_unique<ReceiverSession>();
    QVERIFY(session->open(InterfaceBinary));
    window = std::make_unique<BaseLineWidget>(nullptr);
    window->setModel(session->model);
    window->setController(session->controller);
    baseReports = std::make_unique<QSignalSpy>(session->controller->sentenceHandler(),
                                               SIGNAL(setCoordBS(Coordinates, NavDataValue<int>)));
}

void TestBaseLineWidget::cleanup()
{
    baseReports.reset();
    window.reset();
    session.reset();
}

void TestBaseLineWidget::formAsDesigned()
{
    QCOMPARE(window->size(), QSize(300, 300));
    // The form's size, or larger where its contents need more (a larger font).
    QCOMPARE(window->minimumSize(), QSize(200, 200).expandedTo(window->minimumSizeHint()));
    QCOMPARE(window->windowTitle(), QStringLiteral("Base line"));
    QCOMPARE(window->findChild<QLabel *>("labelDistance")->text(), QStringLiteral("Base line, m"));
    QVERIFY(distance()->isReadOnly());
    QVERIFY(!view()->isEnabled());
    QCOMPARE(view()->sceneRect(), QRectF(-500000, -500000, 1000000, 1000000));
    QCOMPARE(view()->scene()->items().size(), 3);
    QCOMPARE(azimuthText(), QStringLiteral(" Azimuth: "));
    // No base and no receiver position yet.
    QCOMPARE(arrow()->opacity(), 0.5);
    QCOMPARE(azimuthItem()->opacity(), 0.5);
    QCOMPARE(distance()->text(), QString());
}

void TestBaseLineWidget::distanceAndAzimuth_data()
{
    QTest::addColumn<double>("dE");
    QTest::addColumn<double>("dN");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("azimuth");

    QTest::newRow("3 E, 4 N") << 3.0 << 4.0 << "5.000000" << "36.8699";
    QTest::newRow("1 E, 2 S") << 1.0 << -2.0 << "2.236068" << "153.435";
    QTest::newRow("1 W, 2 N") << -1.0 << 2.0 << "2.236068" << "333.435";
    QTest::newRow("1 E, 1 S") << 1.0 << -1.0 << "1.414214" << "135";
    QTest::newRow("3 W, 4 S") << -3.0 << -4.0 << "5.000000" << "216.87";
    QTest::newRow("due north") << 0.0 << 7.0 << "7.000000" << "0";
    QTest::newRow("due east") << 7.0 << 0.0 << "7.000000" << "90";
    QTest::newRow("due south") << 0.0 << -7.0 << "7.000000" << "180";
    QTest::newRow("due west") << -7.0 << 0.0 << "7.000000" << "270";
    QTest::newRow("at the base") << 0.0 << 0.0 << "0.000000" << "0";
}

void TestBaseLineWidget::distanceAndAzimuth()
{
    QFETCH(double, dE);
    QFETCH(double, dN);
    QFETCH(QString, length);
    QFETCH(QString, azimuth);

    // The receiver's offsets as seen from a base that is itself off the reference; the
    // heights differ and do not count.
    const EnuOffset b{-12.5, 40.25, 3};
    const EnuOffset r{b.east + dE, b.north + dN, -20};
    QCOMPARE(QString::number(BaseLineWidget::baseLineLength(r, b), 'f', 6), length);
    QCOMPARE(QString::number(BaseLineWidget::azimuth(r, b), 'g', 6), azimuth);
    const double az = BaseLineWidget::azimuth(r, b);
    QVERIFY(az >= 0 && az < 360);
}

void TestBaseLineWidget::fromTheBaseStationToTheReceiver()
{
    fixReference(GeoCoordinate(10, 0, 0, 3, 0));
    // The base at 10 deg N, 0 deg E, as the receiver sends it: ECEF metres.
    session->send(baseFrame(6281872.8296, 0, 1100248.5477));
    session->send(ggaFrame(10.0001, 0, 50));

    QTRY_COMPARE(distance()->text(), QStringLiteral("11.060898"));
    // Read from the first digit when the field is narrower than the number.
    QCOMPARE(distance()->cursorPosition(), 0);
    QCOMPARE(azimuthText(), QStringLiteral(" Azimuth: 0"));
    QCOMPARE(arrow()->rotation(), 0.0);
    QCOMPARE(arrow()->opacity(), 1.0);
    QCOMPARE(azimuthItem()->opacity(), 1.0);
    // The window shows validity only by the opacity.
    QCOMPARE(distance()->styleSheet(), QString());

    QMetaObject::invokeMethod(window.get(), "clearWindow");
    QCOMPARE(arrow()->opacity(), 0.5);
    QCOMPARE(azimuthItem()->opacity(), 0.5);
    QCOMPARE(distance()->text(), QStringLiteral("11.060898"));
    QCOMPARE(azimuthText(), QStringLiteral(" Azimuth: 0"));

    // The receiver's next position needs the base again.
    session->send(ggaFrame(10.0002, 0, 50));
    QTRY_COMPARE(session->model->receiverCoordinates().latitudeDegrees() > 10.00015, true);
    QCOMPARE(distance()->text(), QStringLiteral("11.060898"));
    QCOMPARE(arrow()->opacity(), 0.5);
}

void TestBaseLineWidget::noLineBeforeAReceiverPosition()
{
    fixReference(GeoCoordinate(10, 0, 0, 3, 0));
    session->send(baseFrame(6281872.8296, 0, 1100248.5477));
    QTRY_COMPARE(baseReports->count(), 1);
    // A base is known, the receiver has not reported: not thousands of kilometres to
    // the zero position, but no line yet.
    QCOMPARE(distance()->text(), QString());
    QCOMPARE(arrow()->opacity(), 0.5);
    QCOMPARE(azimuthText(), QStringLiteral(" Azimuth: "));

    session->send(ggaFrame(10.0001, 0, 50));
    QTRY_COMPARE(distance()->text(), QStringLiteral("11.060898"));
    QCOMPARE(arrow()->opacity(), 1.0);
}

void TestBaseLineWidget::aPositionWithoutAFixFadesTheLine()
{
    fixReference(GeoCoordinate(55.75, 0, 37.62, 3, 150));
    const GeoCoordinate base(55.75, 0, 37.62, 3, 151);
    session->send(baseFrame(base));
    session->send(ggaFrame(55.7501, 37.6202, 150));
    QTRY_VERIFY(!distance()->text().isEmpty());
    QCOMPARE(arrow()->opacity(), 1.0);
    const QString shown = distance()->text();
    const QString azimuth = azimuthText();
    const double rotation = arrow()->rotation();
    QVERIFY(rotation > 0 && rotation < 90);

    session->send(ggaWithoutFixFrame());
    QTRY_COMPARE(arrow()->opacity(), 0.5);
    QCOMPARE(azimuthItem()->opacity(), 0.5);
    QCOMPARE(distance()->text(), shown);
    QCOMPARE(azimuthText(), azimuth);
    QCOMPARE(arrow()->rotation(), rotation);

    // The fix comes back.
    session->send(ggaFrame(55.7501, 37.6202, 150));
    QTRY_COMPARE(arrow()->opacity(), 1.0);
    QCOMPARE(azimuthItem()->opacity(), 1.0);
}

void TestBaseLineWidget::anInvalidBaseFadesTheLine()
{
    fixReference(GeoCoordinate(10, 0, 0, 3, 0));
    session->send(baseFrame(6281872.8296, 0, 1100248.5477));
    session->send(ggaFrame(10.0001, 0, 50));
    QTRY_COMPARE(distance()->text(), QStringLiteral("11.060898"));

    // A single-point base position is no base to measure from.
    session->send(baseFrame(6281872.8296, 0, 1100248.5477, 1));
    QTRY_COMPARE(arrow()->opacity(), 0.5);
    QCOMPARE(azimuthItem()->opacity(), 0.5);
    QCOMPARE(distance()->text(), QStringLiteral("11.060898"));
    QCOMPARE(azimuthText(), QStringLiteral(" Azimuth: 0"));
}

void TestBaseLineWidget::aBaseInTheSouthWestKeepsItsSigns()
{
    // Santiago: 33.45 deg S, 70.66 deg W. The receiver 30 m north and 40 m east of it.
    const GeoCoordinate base(33.45, 1, 70.66, 2, 570);
    fixReference(base);
    const double metresPerDegreeNorth = 110900;
    const double metresPerDegreeEast = 111320 * std::cos(33.45 * 3.141592653589793 / 180);
    session->send(baseFrame(base));
    session->send(ggaFrame(-33.45 + 30 / metresPerDegreeNorth, -70.66 + 40 / metresPerDegreeEast, 570));

    QTRY_VERIFY(!distance()->text().isEmpty());
    QVERIFY2(std::fabs(distance()->text().toDouble() - 50) < 0.5, qPrintable(distance()->text()));
    QVERIFY2(std::fabs(arrow()->rotation() - 53.13) < 0.5, qPrintable(azimuthText()));
}

void TestBaseLineWidget::theReceiversMeanIsTheReference()
{
    // The Model's running mean is the reference: both ends are compared in the frame at
    // the receiver's own mean position.
    const GeoCoordinate base(10, 0, 0, 3, 0);
    session->send(baseFrame(base));
    session->send(ggaFrame(10.0001, 0, 50));
    QTRY_VERIFY(!distance()->text().isEmpty());
    QVERIFY2(std::fabs(distance()->text().toDouble() - 11.06) < 0.01, qPrintable(distance()->text()));
    QCOMPARE(azimuthText(), QStringLiteral(" Azimuth: 0"));
}

void TestBaseLineWidget::aNewModelRecomputesAtOnce()
{
    fixReference(GeoCoordinate(10, 0, 0, 3, 0));
    session->send(baseFrame(6281872.8296, 0, 1100248.5477));
    session->send(ggaFrame(10.0001, 0, 50));
    QTRY_COMPARE(distance()->text(), QStringLiteral("11.060898"));

    // A new model that holds no position has no reference yet: the last line stays,
    // faded, rather than one measured in the frame at 0 deg N 0 deg E.
    Model other;
    other.setReceiverRefCoordinatesMode(RefCoordinatesFixed);
    window->setModel(&other);
    QCOMPARE(distance()->text(), QStringLiteral("11.060898"));
    QCOMPARE(arrow()->opacity(), 0.5);

    // The old model is no longer followed, the new one is, at once: the frame turns.
    session->model->setReceiverRefCoordinates(GeoCoordinate(10, 0, 0, 3, 0));
    QCOMPARE(arrow()->opacity(), 0.5);
    other.setReceiverRefCoordinates(GeoCoordinate(50, 0, 0, 3, 0));
    QCOMPARE(arrow()->opacity(), 1.0);
    QVERIFY(distance()->text() != QStringLiteral("11.060898"));
    other.setReceiverRefCoordinates(GeoCoordinate(10, 0, 0, 3, 0));
    QCOMPARE(distance()->text(), QStringLiteral("11.060898"));
}

void TestBaseLineWidget::theTracksResetLeavesTheLineFaded()
{
    // A 20 m base line at 55.75 deg N, measured in the frame at the receiver's mean.
    TrackWidget track(nullptr);
    track.setModel(session->model);
    const GeoCoordinate base(55.75, 0, 37.62, 3, 150);
    session->send(baseFrame(base));
    session->send(ggaFrame(55.75 + 20 / 111330.0, 37.62, 150));
    QTRY_VERIFY(!distance()->text().isEmpty());
    QCOMPARE(arrow()->opacity(), 1.0);
    const QString shown = distance()->text();
    QVERIFY2(std::fabs(shown.toDouble() - 20) < 0.1, qPrintable(shown));
    const QString azimuth = azimuthText();

    // The reset empties the Model's mean: no reference until the next position.
    QPushButton *reset = track.findChild<QPushButton *>(QStringLiteral("btnReset"));
    QVERIFY(reset);
    reset->click();
    QCOMPARE(session->model->pointCount(), 0);
    QCOMPARE(distance()->text(), shown);
    QCOMPARE(azimuthText(), azimuth);
    QCOMPARE(arrow()->opacity(), 0.5);
    QCOMPARE(azimuthItem()->opacity(), 0.5);

    session->send(ggaFrame(55.75 + 20 / 111330.0, 37.62, 150));
    QTRY_COMPARE(arrow()->opacity(), 1.0);
    QVERIFY2(std::fabs(distance()->text().toDouble() - 20) < 0.1, qPrintable(distance()->text()));
}

void TestBaseLineWidget::aDamagedBaseDrawsNoLine_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinite") << inf << inf << 0.0;
    QTest::newRow("NaN") << nan << 0.0 << 0.0;
    QTest::newRow("minus infinity") << -inf << 1.0 << -inf;
}

void TestBaseLineWidget::aDamagedBaseDrawsNoLine()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);

    fixReference(GeoCoordinate(10, 0, 0, 3, 0));
    session->send(baseFrame(6281872.8296, 0, 1100248.5477));
    session->send(ggaFrame(10.0001, 0, 50));
    QTRY_COMPARE(distance()->text(), QStringLiteral("11.060898"));

    session->send(baseFrame(x, y, z));
    QTRY_COMPARE(arrow()->opacity(), 0.5);
    QCOMPARE(distance()->text(), QStringLiteral("11.060898"));
    QCOMPARE(arrow()->rotation(), 0.0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

QTEST_MAIN(TestBaseLineWidget)
#include "tst_baselinewidget.moc"
