#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include <cmath>

#include "connectguard.h"
#include "displaysettingswidget.h"
#include "model.h"
#include "plotview.h"
#include "plotwidget.h"
#include "plotwindowstest.h"
#include "trackview.h"
#include "trackwidget.h"

using namespace plotwindowstest;

namespace {

const GeoCoordinate origin(55.75, 0, 37.61, 3, 150.0);

} // namespace

class TestPlotWidget : public QObject, public NmeaWindowFixture<PlotWidget>
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void init()
    {
        QVERIFY(openWindow());
        ew = window->findChild<PlotView *>(QStringLiteral("plotEWWidget"));
        ns = window->findChild<PlotView *>(QStringLiteral("plotNSWidget"));
        ud = window->findChild<PlotView *>(QStringLiteral("plotUDWidget"));
        quality = window->findChild<QLabel *>(QStringLiteral("labelQuality"));
        QVERIFY(ew && ns && ud && quality);
        seconds = 43200;
    }

    void cleanup() { closeWindow(); }

    void formAsDesigned()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Plot"));
        QCOMPARE(window->size(), QSize(311, 341));
        QCOMPARE(window->minimumSize(), QSize(200, 150));
        QCOMPARE(ew->caption(), QStringLiteral("E-W (m)"));
        QCOMPARE(ns->caption(), QStringLiteral("N-S (m)"));
        QCOMPARE(ud->caption(), QStringLiteral("U-D (m)"));
        QCOMPARE(qobject_cast<QFrame *>(ns->parentWidget())->frameShadow(), QFrame::Raised);
        auto *slider = window->findChild<QSlider *>(QStringLiteral("sliderScale"));
        QCOMPARE(slider->value(), 800);
        QCOMPARE(slider->maximum(), 1000);
        QVERIFY(quality->text().isEmpty());
        // Building the form does not rescale the plots: they start at 150 s.
        QCOMPARE(ns->bottomRight().x() - ns->topLeft().x(), 150.0);
    }

    void utcTimeBecomesSecondsOfTheDay_data()
    {
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<double>("seconds");
        QTest::newRow("123456.78") << QByteArray("123456.78") << 45296.78;
        QTest::newRow("0.5") << QByteArray("000000.50") << 0.5;
        QTest::newRow("235959.99") << QByteArray("235959.99") << 86399.99;
    }
    void utcTimeBecomesSecondsOfTheDay()
    {
        QFETCH(QByteArray, time);
        QFETCH(double, seconds);
        connectWindow();
        session->send(ggaLine(time, origin, 4));
        QTRY_COMPARE(ud->pointCount(), 1);
        for (PlotView *plot : {ew, ns, ud})
            QVERIFY2(std::fabs(plot->pointAt(0).x() - seconds) < 1e-6, qPrintable(QString::number(plot->pointAt(0).x(), 'f', 6)));
    }

    void qualityLabel_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("4") << 4 << "Fix";
        QTest::newRow("5") << 5 << "Float";
        QTest::newRow("2") << 2 << "Diff";
        QTest::newRow("6") << 6 << "Extrapolated";
        QTest::newRow("1") << 1 << "Single";
        QTest::newRow("3") << 3 << "3";
        QTest::newRow("7") << 7 << "7";
        // A GGA of quality 0 carries no position and never reaches the window; the slot
        // is called as the sentence handler would.
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("-1") << -1 << "-1";
    }
    void qualityLabel()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        connectWindow();
        if (code > 0) {
            session->send(ggaLine("120000.00", origin, code));
        } else {
            QVERIFY(QMetaObject::invokeMethod(window.data(), "receiverCoordinatesChanged", Qt::DirectConnection,
                                              Q_ARG(double, 120000.0), Q_ARG(GeoCoordinate, origin),
                                              Q_ARG(short, short(code))));
        }
        QTRY_COMPARE(quality->text(), text);
        QCOMPARE(int(ns->qualityAt(0)), code);
        QCOMPARE(quality->styleSheet(), QString());
    }

    void sliderSetsTheTimeScale_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("factor");
        QTest::newRow("900") << 900 << 1.5501;
        QTest::newRow("0") << 0 << 0.0300;
        QTest::newRow("1000") << 1000 << 2.4029;
        QTest::newRow("800 after 0") << 800 << 1.0;
    }
    void sliderSetsTheTimeScale()
    {
        QFETCH(int, position);
        QFETCH(double, factor);
        auto *slider = window->findChild<QSlider *>(QStringLiteral("sliderScale"));
        if (position == 800)
            slider->setValue(0);
        QSignalSpy ewSpy(ew, SIGNAL(hScaleChanged(double)));
        QSignalSpy nsSpy(ns, SIGNAL(hScaleChanged(double)));
        QSignalSpy udSpy(ud, SIGNAL(hScaleChanged(double)));
        slider->setValue(position);
        for (QSignalSpy *spy : {&ewSpy, &nsSpy, &udSpy}) {
            QCOMPARE(spy->count(), 1);
            QVERIFY2(std::fabs(spy->first().first().toDouble() - factor) < 1e-4,
                     qPrintable(QString::number(spy->first().first().toDouble(), 'f', 6)));
        }
    }

    void positionAtTheReferencePlotsZero()
    {
        connectWindow();
        sendPosition(origin);
        QTRY_COMPARE(ns->pointCount(), 1);
        for (PlotView *plot : {ew, ns, ud})
            QVERIFY(std::fabs(plot->pointAt(0).y()) < 1e-6);
    }

    // The first reference only becomes the one to shift from; each later one moves the
    // history so that every point stays the offset of its position from the current mean.
    void historyFollowsTheMean()
    {
        connectWindow();
        const QVector<QPointF> offsets{{0, 0}, {0.6, -0.2}, {-0.4, 0.9}, {1.2, 0.3}, {0.1, -1.1}};
        QVector<GeoCoordinate> positions;
        for (const QPointF &o : offsets) {
            positions.append(offsetFrom(origin, o.x(), o.y(), 0.05 * o.x()));
            sendPosition(positions.last());
        }
        QTRY_COMPARE(ns->pointCount(), offsets.size());
        const GeoCoordinate mean = session->model->receiverRefCoordinates();
        for (int i = 0; i < positions.size(); ++i) {
            const EnuOffset expected = GeoCoordinate::difference(positions.at(i), mean);
            QVERIFY(std::fabs(ew->pointAt(i).y() - expected.east) < 1e-3);
            QVERIFY(std::fabs(ns->pointAt(i).y() - expected.north) < 1e-3);
            QVERIFY(std::fabs(ud->pointAt(i).y() - expected.up) < 1e-3);
        }
    }

    void newReferenceOneMetreNorthShiftsNorthByMinusOne()
    {
        connectWindow();
        for (const QPointF &o : {QPointF(0, 0), QPointF(0.2, 0.1), QPointF(-0.1, 0.05)})
            sendPosition(offsetFrom(origin, o.x(), o.y(), 0));
        QTRY_COMPARE(ns->pointCount(), 3);
        const QVector<QPointF> before = valuesOf();
        const QVector<double> upBefore = udBefore;
        const GeoCoordinate mean = session->model->receiverRefCoordinates();
        session->model->setReceiverRefCoordinates(offsetFrom(mean, 0, 1, 0));
        const QVector<QPointF> after = valuesOf();
        for (int i = 0; i < 3; ++i) {
            QVERIFY(std::fabs(after.at(i).x() - before.at(i).x()) < 0.01);
            QVERIFY(std::fabs(after.at(i).y() - before.at(i).y() + 1.0) < 0.01);
            QVERIFY(std::fabs(udBefore.at(i) - upBefore.at(i)) < 0.01);
        }
    }

    void receiverStandingStillPlotsNearZero()
    {
        connectWindow();
        // A few centimetres of noise around one spot.
        for (int i = 0; i < 40; ++i)
            sendPosition(offsetFrom(origin, 0.03 * std::sin(i * 1.7), 0.03 * std::cos(i * 2.3), 0.04 * std::sin(i * 0.9)));
        QTRY_COMPARE(ns->pointCount(), 40);
        for (int i = 0; i < 40; ++i) {
            QVERIFY(std::fabs(ew->pointAt(i).y()) < 0.07);
            QVERIFY(std::fabs(ns->pointAt(i).y()) < 0.07);
            QVERIFY(std::fabs(ud->pointAt(i).y()) < 0.09);
        }
    }

    // A fixed reference 10 m north of where the receiver stands: plot and track both put
    // the receiver 10 m south, before and after the reference was chosen.
    void fixedReferenceIsWhatPlotAndTrackMeasureFrom()
    {
        TrackWidget track(nullptr);
        track.setModel(session->model);
        track.setController(session->controller);
        connectWindow();
        auto *trackView = track.findChild<TrackView *>(QStringLiteral("trackView"));
        for (int i = 0; i < 3; ++i)
            sendPosition(origin);
        QTRY_COMPARE(ns->pointCount(), 3);

        DisplaySettingsWidget dialog(nullptr);
        dialog.setModel(session->model);
        const GeoCoordinate fixed = offsetFrom(origin, 0, 10, 0);
        dialog.findChild<QRadioButton *>(QStringLiteral("radBtnGiven"))->setChecked(true);
        dialog.findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLatitude"))->setValue(fixed.latitudeDegrees());
        dialog.findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefLongitude"))->setValue(fixed.longitudeDegrees());
        dialog.findChild<QDoubleSpinBox *>(QStringLiteral("spBoxReceiverRefAltitude"))->setValue(fixed.height());
        dialog.findChild<QPushButton *>(QStringLiteral("btnSaveConfiguration"))->click();
        QCOMPARE(session->model->receiverRefCoordinatesMode(), RefCoordinatesFixed);

        for (int i = 0; i < 3; ++i)
            sendPosition(origin);
        QTRY_COMPARE(ns->pointCount(), 6);
        QTRY_COMPARE(trackView->pointCount(), 6);
        for (int i = 0; i < 6; ++i) {
            QVERIFY2(std::fabs(ns->pointAt(i).y() + 10) < 0.01, qPrintable(QString::number(ns->pointAt(i).y())));
            QVERIFY(std::fabs(ew->pointAt(i).y()) < 0.01);
            QVERIFY2(std::fabs(trackView->pointAt(i).y() + 10) < 0.01, qPrintable(QString::number(trackView->pointAt(i).y())));
        }
    }

    void clearWindowEmptiesThePlotsAndTheLabel()
    {
        connectWindow();
        auto *slider = window->findChild<QSlider *>(QStringLiteral("sliderScale"));
        slider->setValue(900);
        sendPosition(origin);
        sendPosition(offsetFrom(origin, 1, 0, 0));
        QTRY_COMPARE(ns->pointCount(), 2);
        QVERIFY(QMetaObject::invokeMethod(window.data(), "clearWindow"));
        for (PlotView *plot : {ew, ns, ud})
            QCOMPARE(plot->pointCount(), 0);
        QVERIFY(quality->text().isEmpty());
        QCOMPARE(slider->value(), 900);
        // The next position is plotted at once, from the Model's reference.
        const GeoCoordinate next = offsetFrom(origin, 2, 0, 0);
        sendPosition(next);
        QTRY_COMPARE(ew->pointCount(), 1);
        const EnuOffset expected = GeoCoordinate::difference(next, session->model->receiverRefCoordinates());
        QVERIFY(std::fabs(ew->pointAt(0).y() - expected.east) < 1e-3);
        QCOMPARE(quality->text(), QStringLiteral("Fix"));
    }

    void nullModelAndControllerDisconnect()
    {
        connectWindow();
        sendPosition(origin);
        sendPosition(offsetFrom(origin, 1, 1, 0));
        QTRY_COMPARE(ns->pointCount(), 2);
        const QVector<QPointF> before = valuesOf();
        window->setModel(nullptr);
        session->model->setReceiverRefCoordinates(offsetFrom(origin, 50, 50, 0));
        QCOMPARE(valuesOf(), before);

        window->setModel(session->model);
        window->setController(nullptr);
        PlotWidget other(nullptr);
        other.setModel(session->model);
        other.setController(session->controller);
        sendPosition(origin);
        QTRY_COMPARE(other.findChild<PlotView *>(QStringLiteral("plotNSWidget"))->pointCount(), 1);
        QCOMPARE(ns->pointCount(), 2);
    }

    void positionWithoutModelPlotsNothing()
    {
        window->setController(session->controller);
        PlotWidget other(nullptr);
        other.setModel(session->model);
        other.setController(session->controller);
        sendPosition(origin);
        QTRY_COMPARE(other.findChild<PlotView *>(QStringLiteral("plotNSWidget"))->pointCount(), 1);
        QCOMPARE(ns->pointCount(), 0);
    }

private:
    // (east, north) of every stored point; the up values go to udBefore.
    QVector<QPointF> valuesOf()
    {
        QVector<QPointF> values;
        udBefore.clear();
        for (int i = 0; i < ns->pointCount(); ++i) {
            values.append(QPointF(ew->pointAt(i).y(), ns->pointAt(i).y()));
            udBefore.append(ud->pointAt(i).y());
        }
        return values;
    }

    PlotView *ew = nullptr;
    PlotView *ns = nullptr;
    PlotView *ud = nullptr;
    QLabel *quality = nullptr;
    QVector<double> udBefore;
};

QTEST_MAIN(TestPlotWidget)
#include "tst_plotwidget.moc"
