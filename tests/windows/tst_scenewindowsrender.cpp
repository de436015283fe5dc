// Shows the course, base line and map windows with the data of a bench session near
// Moscow and saves each window, in each state worth seeing, as a PNG file in
// "screenshots/" of the build tree, so that a person can look at them. Each picture is
// also checked for having been drawn at all, and the Russian forms for their texts.

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QtTest>

#include <memory>

#include "russiancatalogue.h"
#include "screenshot.h"
#include "aircraftfrontviewgritem.h"
#include "aircraftsideviewgritem.h"
#include "arrowgritem.h"
#include "axeswidget.h"
#include "baselinewidget.h"
#include "binaryframe.h"
#include "binarypayloads.h"
#include "connectguard.h"
#include "controller.h"
#include "cornertextgritem.h"
#include "framebuilders.h"
#include "geocoordinate.h"
#include "geodesy.h"
#include "mapwidget.h"
#include "parserproxy.h"
#include "receiversession.h"
#include "sceneprobe.h"
#include "webkitleaks.h"

namespace {

void ecef(const GeoCoordinate &position, double out[3])
{
    const double llh[3] = {position.latitude(), position.longitude(), position.height()};
    geodeticToEcef(out, llh);
}

// The receiver on the roof, the base station 1.17 km to the south-west of it.
const GeoCoordinate receiverPosition(55.7512345, 0, 37.6184567, 3, 150.25);
const GeoCoordinate basePosition(55.7440, 0, 37.6050, 3, 145.5);

QByteArray ggaFrame()
{
    return binaryFrame(BinaryFrame::KindMessage, NavMsg_GGA,
                       nmeaLine("GPGGA,123519.00,5545.074070,N,03737.107402,E,4,18,0.6,150.25,"
                                "M,14.5,M,1.0,0001"));
}

QByteArray ggaWithoutFixFrame()
{
    return binaryFrame(BinaryFrame::KindMessage, NavMsg_GGA,
                       nmeaLine("GPGGA,123520.00,,,,,0,00,99.99,,,,,,"));
}

QByteArray baseFrame()
{
    double xyz[3];
    ecef(basePosition, xyz);
    return binaryFrame(BinaryFrame::KindMessage, NavMsg_BPOS_ECEF, ecefPayload(3, xyz[0], xyz[1], xyz[2], 4));
}

QByteArray attitudeFrames()
{
    // A heading pair 1.51 m apart on the roof.
    double slave[3];
    ecef(receiverPosition, slave);
    const double master[3] = {slave[0] - 0.8125, slave[1] + 1.1, slave[2] + 0.6375};
    return binaryFrame(BinaryFrame::KindMessage, NavMsg_YPR_DEG,
                       yprDegPayload(11, 4, 1, 0, 0, 3.5, -2.125, 47.25, 45319.0))
        + binaryFrame(BinaryFrame::KindMessage, NavMsg_HVECT,
                      hvectPayload(12, 4, 1, 0, 15, slave, master, 45319.0));
}

bool turnsEnded(const AxesWidget *window)
{
    return QTest::qWaitFor([window]() {
        return runningTurns(sceneItem<ArrowGrItem>(window->findChild<QGraphicsView *>("graphicsCourse"))) == 0
            && runningTurns(sceneItem<AircraftFrontViewGrItem>(window->findChild<QGraphicsView *>("graphicsRoll"))) == 0
            && runningTurns(sceneItem<AircraftSideViewGrItem>(window->findChild<QGraphicsView *>("graphicsPitch"))) == 0;
    });
}

bool pageLoaded(MapWidget *window)
{
    QWebView *view = window->findChild<QWebView *>("webView");
    return QTest::qWaitFor([view]() {
        return view->page()->mainFrame()->evaluateJavaScript(QStringLiteral("typeof setLocation")).toString()
            == QStringLiteral("function");
    });
}

} // namespace

class TestSceneWindowsRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void courseWindow();
    void baseLineWindow();
    void mapWindow();
    void russianForms();

private:
    template <typename Window>
    std::unique_ptr<Window> open(const QSize &size)
    {
        auto window = std::make_unique<Window>(nullptr);
        window->resize(size);
        window->setModel(session->model);
        window->setController(session->controller);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return nullptr;
        return window;
    }

    std::unique_ptr<ReceiverSession> session;
};

void TestSceneWindowsRender::initTestCase()
{
    installConnectGuard();
}

void TestSceneWindowsRender::init()
{
    session = std::make_unique<ReceiverSession>();
    QVERIFY(session->open(InterfaceBinary));
}

void TestSceneWindowsRender::cleanup()
{
    session.reset();
}

void TestSceneWindowsRender::courseWindow()
{
    auto window = open<AxesWidget>(QSize(546, 454));
    QVERIFY(window);
    session->send(attitudeFrames());
    QLineEdit *length = window->findChild<QLineEdit *>("editLenghtBL");
    QTRY_COMPARE(length->text(), QStringLiteral("1.5088"));
    QVERIFY(turnsEnded(window.get()));
    saveDrawnScreenshot(window.get(), QStringLiteral("axeswidget.png"));

    // The heading solution lost: the last values stay, faded and grey.
    session->controller->parser()->showLastData({NavMsg_YPR_DEG, NavMsg_HVECT});
    QTRY_COMPARE(length->styleSheet(), QStringLiteral("color: gray"));
    saveDrawnScreenshot(window.get(), QStringLiteral("axeswidget_lost.png"));
}

void TestSceneWindowsRender::baseLineWindow()
{
    auto window = open<BaseLineWidget>(QSize(300, 300));
    QVERIFY(window);
    session->send(baseFrame());
    session->send(ggaFrame());
    QLineEdit *distance = window->findChild<QLineEdit *>("editDistance");
    QTRY_VERIFY(!distance->text().isEmpty());
    // The receiver 1.17 km north-east of the base.
    QVERIFY2(qAbs(distance->text().toDouble() - 1167.5) < 1, qPrintable(distance->text()));
    saveDrawnScreenshot(window.get(), QStringLiteral("baselinewidget.png"));

    session->send(ggaWithoutFixFrame());
    auto *arrow = sceneItem<ArrowGrItem>(window->findChild<QGraphicsView *>("graphicsBaseLine"));
    QTRY_COMPARE(arrow->opacity(), 0.5);
    saveDrawnScreenshot(window.get(), QStringLiteral("baselinewidget_nofix.png"));
}

void TestSceneWindowsRender::mapWindow()
{
    auto window = open<MapWidget>(QSize(450, 450));
    QVERIFY(window);
    QVERIFY(pageLoaded(window.get()));
    session->send(ggaFrame());
    QWebFrame *frame = window->findChild<QWebView *>("webView")->page()->mainFrame();
    QTRY_COMPARE(frame->evaluateJavaScript(QStringLiteral("map !== null")).toBool(), true);
    QCOMPARE(frame->evaluateJavaScript(QStringLiteral("mapErrors.length")).toInt(), 0);
    saveDrawnScreenshot(window.get(), QStringLiteral("mapwidget.png"));
}

void TestSceneWindowsRender::russianForms()
{
    RussianCatalogue translator;
    QVERIFY(translator.loaded);

    auto course = open<AxesWidget>(QSize(546, 454));
    QVERIFY(course);
    QCOMPARE(course->windowTitle(), QStringLiteral("Оси / базовая линия"));
    QCOMPARE(course->findChild<QLabel *>("labelLengthBL")->text(), QStringLiteral("Длина БЛ, м"));
    QCOMPARE(course->findChild<QGroupBox *>("grBoxCoordMA")->title(), QStringLiteral("Ведущая антенна  (ECEF)"));
    session->send(attitudeFrames());
    QGraphicsView *courseView = course->findChild<QGraphicsView *>("graphicsCourse");
    QTRY_COMPARE(paintedText(sceneItem<CornerTextGrItem>(courseView), courseView),
                 QStringLiteral(" Курс: 47.250"));
    QVERIFY(turnsEnded(course.get()));
    saveDrawnScreenshot(course.get(), QStringLiteral("axeswidget_ru.png"));

    auto baseLine = open<BaseLineWidget>(QSize(300, 300));
    QVERIFY(baseLine);
    QCOMPARE(baseLine->windowTitle(), QStringLiteral("Базовая линия"));
    QCOMPARE(baseLine->findChild<QLabel *>("labelDistance")->text(), QStringLiteral("Базовая линия, м"));
    session->send(baseFrame());
    session->send(ggaFrame());
    QTRY_VERIFY(!baseLine->findChild<QLineEdit *>("editDistance")->text().isEmpty());
    QGraphicsView *baseView = baseLine->findChild<QGraphicsView *>("graphicsBaseLine");
    QVERIFY(paintedText(sceneItem<CornerTextGrItem>(baseView), baseView).startsWith(QStringLiteral(" Азимут: ")));
    saveDrawnScreenshot(baseLine.get(), QStringLiteral("baselinewidget_ru.png"));

    MapWidget map(nullptr);
    QCOMPARE(map.windowTitle(), QStringLiteral("Карта"));

    translator.remove();
}

QTEST_MAIN(TestSceneWindowsRender)
#include "tst_scenewindowsrender.moc"
