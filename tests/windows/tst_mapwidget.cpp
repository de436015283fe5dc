#include <QElapsedTimer>
#include <QFrame>
#include <QImage>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSettings>
#include <QWebView>
#include <QtTest>

#include <limits>
#include <memory>

#include "connectguard.h"
#include "controller.h"
#include "framebuilders.h"
#include "mapwidget.h"
#include "receiversession.h"
#include "sentencehandler.h"
#include "viewmeasure.h"
#include "webkitleaks.h"

Q_DECLARE_METATYPE(GeoCoordinate)

namespace {

const QString resizeTrigger = QStringLiteral("google.maps.event.trigger(map, 'resize');");

} // namespace

class TestMapWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAsDesigned();
    void positionsBecomeScripts_data();
    void positionsBecomeScripts();
    void everyResizeRunsTheTrigger();
    void clearingLeavesTheMap();
    void withoutAControllerNoScript();
    void thePageOffersItsTwoEntries();
    void theFirstPositionMakesTheMap();
    void aMapMadeWhileHiddenFillsTheShownWindow();
    void theMapFollowsThePosition();
    void thePageNeverThrows();
    void aGgaReachesThePage();
    void closePositionsGiveTheNewest();
    void theEngineCollectsAtItsPace();

private:
    QWebView *webView() const { return window->findChild<QWebView *>("webView"); }
    QVariant evaluate(const QString &script) const
    {
        return webView()->page()->mainFrame()->evaluateJavaScript(script);
    }
    bool pageLoaded() const
    {
        return QTest::qWaitFor([this]() {
            return evaluate(QStringLiteral("typeof setLocation")).toString() == QStringLiteral("function");
        }, 30000);
    }

    // Runs resize triggers until the window has run the given number of scripts in all.
    void runScriptsUpTo(int total)
    {
        while (scripts.size() < total)
            window->resize(window->width() == 300 ? 301 : 300, 300);
    }
    bool pinAtTheCentre() const
    {
        const QImage image = webView()->grab().toImage();
        const QPoint head(image.width() / 2, image.height() / 2 - 24 - 7);
        return coloursNear(QColor(image.pixel(head)), QColor(0xd9, 0x30, 0x25), 40);
    }

    Controller controller;
    std::unique_ptr<MapWidget> window;
    QStringList scripts;
    QList<qint64> collections;
};

void TestMapWidget::initTestCase()
{
    installConnectGuard();
}

void TestMapWidget::init()
{
    scripts.clear();
    collections.clear();
    MapWidget::setScriptHook([this](const MapWidget *, const QString &script) { scripts << script; });
    MapWidget::setCollectionHook([this](const MapWidget *, qint64 nanoseconds) { collections << nanoseconds; });
    window = std::make_unique<MapWidget>(nullptr);
    window->setModel(nullptr);
    window->setController(&controller);
}

void TestMapWidget::cleanup()
{
    window.reset();
    MapWidget::setScriptHook(nullptr);
    MapWidget::setCollectionHook(nullptr);
}

void TestMapWidget::formAsDesigned()
{
    QCOMPARE(window->size(), QSize(450, 450));
    QCOMPARE(window->minimumSize(), QSize(150, 150));
    QCOMPARE(window->windowTitle(), QStringLiteral("Map"));
    auto *frame = window->findChild<QFrame *>("frame");
    QVERIFY(frame);
    QCOMPARE(frame->frameShape(), QFrame::StyledPanel);
    QVERIFY(webView());
    QCOMPARE(webView()->parentWidget(), frame);
    QWebSettings *settings = webView()->settings();
    QVERIFY(settings->testAttribute(QWebSettings::JavascriptEnabled));
    QVERIFY(settings->testAttribute(QWebSettings::LocalContentCanAccessRemoteUrls));
    QVERIFY(pageLoaded());
    QCOMPARE(webView()->url(), QUrl(QStringLiteral("qrc:/map/index.html")));
    QVERIFY(scripts.isEmpty());
}

void TestMapWidget::positionsBecomeScripts_data()
{
    QTest::addColumn<GeoCoordinate>("position");
    QTest::addColumn<QStringList>("expected");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("Moscow") << GeoCoordinate(55.7512345, 0, 37.6184567, 3, 150)
                            << QStringList{"setLocation(55.7512345,37.6184567)"};
    QTest::newRow("Darwin") << GeoCoordinate(12.5, 1, 130.84, 3, 30)
                            << QStringList{"setLocation(-12.5,130.84)"};
    QTest::newRow("west") << GeoCoordinate(40.7128, 0, 74.006, 2, 10)
                          << QStringList{"setLocation(40.7128,-74.006)"};
    QTest::newRow("far east, to the centimetre") << GeoCoordinate(45.8776, 1, 170.500112, 3, 5)
                                                  << QStringList{"setLocation(-45.8776,170.500112)"};
    QTest::newRow("a hundred-thousandth north") << GeoCoordinate(0.00001, 0, 0, 3, 0)
                                                 << QStringList{"setLocation(1e-05,0)"};
    QTest::newRow("zero, valid") << GeoCoordinate(true) << QStringList{"setLocation(0,0)"};
    QTest::newRow("not valid") << GeoCoordinate(false) << QStringList();
    QTest::newRow("NaN") << GeoCoordinate(nan, 0.5, 10.0) << QStringList();
    QTest::newRow("infinite") << GeoCoordinate(0.5, inf, 10.0) << QStringList();
}

void TestMapWidget::positionsBecomeScripts()
{
    QFETCH(GeoCoordinate, position);
    QFETCH(QStringList, expected);

    QVERIFY(pageLoaded());
    emit controller.sentenceHandler()->setCoordinate(position);
    QCOMPARE(scripts, expected);
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);
}

void TestMapWidget::everyResizeRunsTheTrigger()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(pageLoaded());
    // Also before any position, while the page has no map.
    QVERIFY(!scripts.isEmpty());
    QCOMPARE(scripts.count(resizeTrigger), scripts.size());
    scripts.clear();

    window->resize(500, 420);
    window->resize(300, 300);
    window->resize(300, 300); // no change, no event
    QCOMPARE(scripts, QStringList({resizeTrigger, resizeTrigger}));
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);
    QVERIFY(evaluate(QStringLiteral("map === null")).toBool());
}

void TestMapWidget::clearingLeavesTheMap()
{
    QVERIFY(pageLoaded());
    emit controller.sentenceHandler()->setCoordinate(GeoCoordinate(10, 0, 20, 3, 0));
    scripts.clear();
    QMetaObject::invokeMethod(window.get(), "clearWindow");
    QVERIFY(scripts.isEmpty());
    QCOMPARE(evaluate(QStringLiteral("marker.getPosition().lat()")).toDouble(), 10.0);
}

void TestMapWidget::withoutAControllerNoScript()
{
    QVERIFY(pageLoaded());
    window->setController(nullptr);
    emit controller.sentenceHandler()->setCoordinate(GeoCoordinate(10, 0, 20, 3, 0));
    QVERIFY(scripts.isEmpty());

    Controller second;
    window->setController(&second);
    emit controller.sentenceHandler()->setCoordinate(GeoCoordinate(10, 0, 20, 3, 0));
    QVERIFY(scripts.isEmpty());
    emit second.sentenceHandler()->setCoordinate(GeoCoordinate(11, 0, 21, 3, 0));
    QCOMPARE(scripts, QStringList{"setLocation(11,21)"});
}

void TestMapWidget::thePageOffersItsTwoEntries()
{
    QVERIFY(pageLoaded());
    QCOMPARE(evaluate(QStringLiteral("typeof setLocation")).toString(), QStringLiteral("function"));
    QVERIFY(evaluate(QStringLiteral("'map' in window && map === null")).toBool());
    // The window's trigger before the first position raises nothing.
    evaluate(resizeTrigger);
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);
    QVERIFY(evaluate(QStringLiteral("map === null")).toBool());

    // A line the page does not know is noted: the error record works.
    evaluate(QStringLiteral("noSuchFunction(1)"));
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 1);
}

void TestMapWidget::theFirstPositionMakesTheMap()
{
    window->resize(400, 300);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(pageLoaded());

    evaluate(QStringLiteral("setLocation(10,20)"));
    QVERIFY(evaluate(QStringLiteral("map !== null")).toBool());
    QCOMPARE(evaluate(QStringLiteral("map.getZoom()")).toInt(), 13);
    QCOMPARE(evaluate(QStringLiteral("map.getCenter().lat()")).toDouble(), 10.0);
    QCOMPARE(evaluate(QStringLiteral("map.getCenter().lng()")).toDouble(), 20.0);
    QCOMPARE(evaluate(QStringLiteral("marker.getPosition().lng()")).toDouble(), 20.0);

    // The marker is drawn at the centre of the page: a red pin whose tip stands on the
    // position, its head 24 pixels above.
    const QImage image = webView()->grab().toImage();
    const QPoint head(image.width() / 2, image.height() / 2 - 24 - 7);
    QVERIFY2(coloursNear(QColor(image.pixel(head)), QColor(0xd9, 0x30, 0x25), 40),
             qPrintable(QColor(image.pixel(head)).name()));
    QVERIFY(!coloursNear(QColor(image.pixel(10, image.height() - 40)), QColor(0xd9, 0x30, 0x25), 40));
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);
}

void TestMapWidget::aMapMadeWhileHiddenFillsTheShownWindow()
{
    // Positions come while the window is closed; the user opens it later.
    QVERIFY(pageLoaded());
    emit controller.sentenceHandler()->setCoordinate(GeoCoordinate(10, 0, 20, 3, 0));
    QVERIFY(evaluate(QStringLiteral("map !== null")).toBool());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    // The pin stands at the centre of the whole view, not of the hidden view's size.
    QTRY_VERIFY([this] {
        const QImage image = webView()->grab().toImage();
        const QPoint head(image.width() / 2, image.height() / 2 - 24 - 7);
        return coloursNear(QColor(image.pixel(head)), QColor(0xd9, 0x30, 0x25), 40);
    }());
    QCOMPARE(evaluate(QStringLiteral("map.canvas.width")).toInt(), webView()->width());
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);
}

void TestMapWidget::theMapFollowsThePosition()
{
    QVERIFY(pageLoaded());
    evaluate(QStringLiteral("setLocation(10,20)"));
    evaluate(QStringLiteral("setLocation(-33.45,-70.66)"));
    QCOMPARE(evaluate(QStringLiteral("map.getCenter().lat()")).toDouble(), -33.45);
    QCOMPARE(evaluate(QStringLiteral("marker.getPosition().lng()")).toDouble(), -70.66);

    // Moved away, the map comes back to the point on "resize" and on "zoom_changed".
    evaluate(QStringLiteral("map.setCenter(new google.maps.LatLng(0, 0))"));
    evaluate(resizeTrigger);
    QCOMPARE(evaluate(QStringLiteral("map.getCenter().lat()")).toDouble(), -33.45);
    evaluate(QStringLiteral("map.setCenter(new google.maps.LatLng(0, 0)); map.setZoom(11)"));
    QCOMPARE(evaluate(QStringLiteral("map.getCenter().lng()")).toDouble(), -70.66);
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);
}

void TestMapWidget::thePageNeverThrows()
{
    QVERIFY(pageLoaded());
    const QString probe = QStringLiteral(
        "(function () {"
        "  try {"
        "    google.maps.event.trigger(map, 'resize');"
        "    google.maps.event.trigger(undefined, 'zoom_changed');"
        "    setLocation('north', {});"
        "    setLocation();"
        "    setLocation(Infinity, NaN);"
        "    setLocation(1e308, -1e308);"
        "    setLocation(91, 540);"
        "    google.maps.event.trigger(map, 'resize');"
        "    google.maps.event.trigger(map, 'no such event', 1, 2);"
        "    map.setZoom('far');"
        "    setLocation(89.9999, -179.9999);"
        "    return 'ok';"
        "  } catch (e) { return 'threw ' + e; }"
        "})()");
    QCOMPARE(evaluate(probe).toString(), QStringLiteral("ok"));
    QCOMPARE(evaluate(QStringLiteral("marker.getPosition().lat()")).toDouble(), 89.9999);
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);
}

void TestMapWidget::aGgaReachesThePage()
{
    ReceiverSession session;
    QVERIFY(session.open(InterfaceNmea));
    window->setController(session.controller);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(pageLoaded());
    scripts.clear();

    session.send(nmeaLine("GPGGA,123519.00,5545.074070,N,03737.107402,E,1,12,0.8,150.0,M,14.5,M,,"));
    QTRY_COMPARE(scripts, QStringList{"setLocation(55.7512345,37.6184567)"});
    QCOMPARE(evaluate(QStringLiteral("map.getCenter().lat()")).toDouble(), 55.7512345);
    QCOMPARE(evaluate(QStringLiteral("marker.getPosition().lng()")).toDouble(), 37.6184567);
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);

    // A GGA without a fix leaves the map where it was.
    session.send(nmeaLine("GPGGA,123520.00,,,,,0,00,99.99,,,,,,"));
    session.send(nmeaLine("GPGGA,123521.00,5545.075270,N,03737.107402,E,1,12,0.8,150.0,M,14.5,M,,"));
    QTRY_COMPARE(scripts.size(), 2);
    QCOMPARE(scripts.last(), QStringLiteral("setLocation(55.7512545,37.6184567)"));
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);

    // Far from the prime meridian six significant digits were tens of metres.
    session.send(nmeaLine("GPGGA,123522.00,4552.656000,S,17030.006720,E,1,12,0.8,5.0,M,14.5,M,,"));
    QTRY_COMPARE(scripts.size(), 3);
    QCOMPARE(scripts.last(), QStringLiteral("setLocation(-45.8776,170.500112)"));
    QCOMPARE(evaluate(QStringLiteral("marker.getPosition().lng()")).toDouble(), 170.500112);
    window->setController(nullptr);
}

void TestMapWidget::closePositionsGiveTheNewest()
{
    QVERIFY(pageLoaded());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        emit controller.sentenceHandler()->setCoordinate(GeoCoordinate(10 + i, 0, 20, 3, 0));
    // The first at once, the newest when the interval ends, none of those between.
    QCOMPARE(scripts, QStringList{"setLocation(10,20)"});
    QTRY_COMPARE(scripts.size(), 2);
    QVERIFY(clock.elapsed() >= MapWidget::scriptIntervalMs - 20);
    QCOMPARE(scripts.last(), QStringLiteral("setLocation(29,20)"));
    QCOMPARE(evaluate(QStringLiteral("marker.getPosition().lat()")).toDouble(), 29.0);

    // After a quiet spell a position goes at once again.
    QTest::qWait(MapWidget::scriptIntervalMs + 50);
    QCOMPARE(scripts.size(), 2);
    emit controller.sentenceHandler()->setCoordinate(GeoCoordinate(30, 0, 20, 3, 0));
    QCOMPARE(scripts.last(), QStringLiteral("setLocation(30,20)"));
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);
}

void TestMapWidget::theEngineCollectsAtItsPace()
{
    // Left alone, the engine keeps the garbage of every script and redraw for as long as
    // the window is open: after every scriptsPerCollection scripts the window collects it.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(pageLoaded());
    const int pace = MapWidget::scriptsPerCollection;
    QVERIFY(scripts.size() < pace / 2);

    // Positions count as much as resize triggers.
    runScriptsUpTo(pace / 2);
    emit controller.sentenceHandler()->setCoordinate(GeoCoordinate(55.75, 0, 37.61, 3, 150));
    QCOMPARE(scripts.last(), QStringLiteral("setLocation(55.75,37.61)"));
    runScriptsUpTo(pace - 1);
    QCoreApplication::processEvents();
    QVERIFY(collections.isEmpty());

    // The one that completes the count collects once its event is done.
    runScriptsUpTo(pace);
    QVERIFY(collections.isEmpty());
    QTRY_COMPARE(collections.size(), 1);
    QVERIFY(collections.first() > 0);
    runScriptsUpTo(2 * pace - 1);
    QCoreApplication::processEvents();
    QCOMPARE(collections.size(), 1);
    runScriptsUpTo(2 * pace);
    QTRY_COMPARE(collections.size(), 2);

    // Collected, the page keeps the newest position and takes the next one.
    QCOMPARE(evaluate(QStringLiteral("marker.getPosition().lat()")).toDouble(), 55.75);
    QVERIFY(pinAtTheCentre());
    const int before = scripts.size();
    emit controller.sentenceHandler()->setCoordinate(GeoCoordinate(12.5, 1, 130.84, 3, 30));
    QTRY_COMPARE(scripts.size(), before + 1);
    QCOMPARE(scripts.last(), QStringLiteral("setLocation(-12.5,130.84)"));
    QCOMPARE(evaluate(QStringLiteral("marker.getPosition().lat()")).toDouble(), -12.5);
    QCOMPARE(evaluate(QStringLiteral("map.getCenter().lng()")).toDouble(), 130.84);
    QVERIFY(pinAtTheCentre());
    QCOMPARE(evaluate(QStringLiteral("mapErrors.length")).toInt(), 0);
}

QTEST_MAIN(TestMapWidget)
#include "tst_mapwidget.moc"
