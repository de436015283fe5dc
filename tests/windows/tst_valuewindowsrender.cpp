// Renders the value windows fed by the scripted receiver to PNG files in "screenshots/"
// of the build tree, so that a person can look at them, in English and in Russian. Each
// picture is also checked for having been drawn at all. Run it under Xvfb with
// QT_QPA_PLATFORM=xcb for the pictures of a real display; offscreen works as well.

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <memory>

#include "russiancatalogue.h"
#include "screenshot.h"
#include "baseinfowidget.h"
#include "binarypayloads.h"
#include "connectguard.h"
#include "controller.h"
#include "coordinateswidget.h"
#include "debuglogwidget.h"
#include "framebuilders.h"
#include "nmealogwidget.h"
#include "parserproxy.h"
#include "receiversession.h"
#include "sentencehandler.h"

namespace {

// One epoch of a multi-system receiver, as it would arrive at 1 Hz.
QByteArray nmeaEpoch()
{
    const char *const bodies[] = {
        "GPGGA,101530.00,5545.1234,N,03737.5678,E,1,14,0.8,152.3,M,14.2,M,,",
        "GPGSA,A,3,05,12,15,18,24,25,,,,,,,1.6,0.8,1.4",
        "GLGSA,A,3,01,03,09,10,,,,,,,,,1.6,0.8,1.4",
        "GAGSA,A,3,02,30,,,,,,,,,,,1.6,0.8,1.4",
        "GBGSA,A,3,19,22,,,,,,,,,,,1.6,0.8,1.4",
        "GPGSV,3,1,10,05,45,120,44,12,30,200,38,15,62,045,47,18,12,310,31",
        "GPGSV,3,2,10,24,25,270,40,25,70,160,49,29,05,020,25,69,45,120,36",
        "GPGSV,3,3,10,76,30,200,33,79,62,045,41",
        "GLGSV,2,1,06,01,35,080,42,03,55,150,45,09,20,240,36,10,65,330,46",
        "GLGSV,2,2,06,11,08,010,,17,15,290,30",
        "GAGSV,1,1,03,02,40,100,41,11,22,220,37,30,50,300,43",
        "GBGSV,1,1,02,19,33,130,39,22,48,210,42",
        "GIGSV,1,1,01,03,40,090,35",
        "GSGSV,1,1,02,125,28,140,38,136,30,190,36",
        "GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A",
        "GPRMC,101530.00,A,5545.1234,N,03737.5678,E,5.5,54.7,040724,,,A",
        "GPZDA,101530.00,04,07,2024,00,00",
    };
    QByteArray bytes;
    for (const char *body : bodies)
        bytes += nmeaLine(body);
    return bytes;
}

// Whether the layouts have caught up with the last change (a table that grew by rows
// moves the tables below it only after a few rounds of layout requests): every widget
// below root that holds a layout is as high as the layout needs, and none of its
// children overlap.
bool layoutsSettled(QWidget *root)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    return std::all_of(widgets.cbegin(), widgets.cend(), [](QWidget *widget) {
        if (!widget->isVisible() || !widget->layout())
            return true;
        if (widget->height() < widget->layout()->minimumSize().height())
            return false;
        QList<QRect> taken;
        for (QObject *object : widget->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (!child || !child->isVisible() || child->isWindow())
                continue;
            for (const QRect &other : qAsConst(taken)) {
                if (other.intersects(child->geometry()))
                    return false;
            }
            taken.append(child->geometry());
        }
        return true;
    });
}

// Saves the picture, once the layouts have settled, and checks that it is more than a
// blank page.
void save(QWidget *widget, const QString &name)
{
    QTRY_VERIFY(layoutsSettled(widget));
    const QImage image = widget->grab().toImage();
    QCOMPARE(image.size(), widget->size());
    QVERIFY(image.save(screenshotPath(name)));
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    QVERIFY2(dark > 200, qPrintable(name));
}

} // namespace

class TestValueWindowsRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void generalInformation();
    void messageLog();
    void coordinates();
    void debugLog();
    void inRussian();

private:
    template <class W> std::unique_ptr<W> showWindow(ReceiverSession &session)
    {
        auto window = std::make_unique<W>(nullptr);
        window->setModel(session.model);
        window->setController(session.controller);
        window->show();
        return window;
    }

    std::unique_ptr<RussianCatalogue> russian;
};

void TestValueWindowsRender::initTestCase()
{
    installConnectGuard();
}

void TestValueWindowsRender::cleanup()
{
    russian.reset();
}

void TestValueWindowsRender::generalInformation()
{
    ReceiverSession session;
    QVERIFY(session.open(InterfaceNmea));
    auto window = showWindow<BaseInfoWidget>(session);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    session.controller->parser()->defineProtocol(InterfaceNmea);
    session.send(nmeaEpoch());

    QTRY_COMPARE(window->findChild<QLineEdit *>(QStringLiteral("editUTC"))->text(), QStringLiteral("10:15:30"));
    QTRY_COMPARE(window->findChild<QTableView *>(QStringLiteral("tableSBAS"))->model()->rowCount(), 2);
    QTRY_COMPARE(window->findChild<QTableView *>(QStringLiteral("tableGPS"))->model()->rowCount(), 7);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("labelFixedGPS"))->text(), QStringLiteral("6/7"));
    // A stale system: the next epoch brings no NavIC satellites.
    emit session.controller->sentenceHandler()->setSatellites(NavSysNavIC, {});
    // The speed message switched off: the last speed stays, grey.
    emit session.controller->sentenceHandler()->setSpeed(NavDataValue<double>());
    save(window.get(), QStringLiteral("baseinfowidget.png"));
}

void TestValueWindowsRender::messageLog()
{
    ReceiverSession session;
    QVERIFY(session.open(InterfaceNmea));
    auto window = showWindow<NMEALogWidget>(session);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QByteArray epoch = nmeaEpoch();
    session.send(epoch);
    session.send("Debug:tracking 31 channels\r\n");
    session.send(epoch);
    const int total = 2 * epoch.size() + 28;
    QTRY_COMPARE(window->findChild<QLineEdit *>(QStringLiteral("editByteCounter"))->text(),
                 QString::number(total));
    // The views take what came a pass of the event loop later than the counter.
    QTRY_COMPARE(window->findChild<QPlainTextEdit *>(QStringLiteral("editMessages"))->toPlainText().count(QStringLiteral("GPGGA")), 2);
    window->findChild<QLineEdit *>(QStringLiteral("editFileName"))->setText(QStringLiteral("C:/logs/rover.nmea"));
    save(window.get(), QStringLiteral("nmealogwidget.png"));
}

void TestValueWindowsRender::coordinates()
{
    ReceiverSession session;
    QVERIFY(session.open(InterfaceBinary));
    auto window = showWindow<CoordinatesWidget>(session);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    FullFields full;
    full.climb = 0.12;
    session.send(binaryFrame(1, 17, ecefPayload(1, 2845123.45678, 2201234.5, 5248000.0, 4))
                 + binaryFrame(1, 22, ecefPayload(1, 2845100.125, 2201250.75, 5247990.5, 4))
                 + binaryFrame(1, 18, ecefPayload(1, 0.153, -0.212, 0.031, 1))
                 + binaryFrame(1, 20, rvelEnuPayload(1, 0.123, -0.456, 0.004, 0.472, 164.9, 1))
                 + binaryFrame(1, 21, rsolAtrPayload(AtrFields()))
                 + binaryFrame(1, 24, rsolFullPayload(full)));
    QTRY_COMPARE(window->findChild<QLineEdit *>(QStringLiteral("editReceiverSpeed_ENU_clmb"))->text(),
                 QStringLiteral("0.12"));
    QTRY_COMPARE(window->findChild<QLineEdit *>(QStringLiteral("editTotalSA"))->text(), QStringLiteral("17"));
    // The base station's record switched off: its last values stay, grey.
    session.controller->parser()->showLastData({22});
    save(window.get(), QStringLiteral("coordinateswidget.png"));
}

void TestValueWindowsRender::debugLog()
{
    ReceiverSession session;
    QVERIFY(session.open(InterfaceNmea));
    auto window = showWindow<DebugLogWidget>(session);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    session.send("Debug: boot 5.4.2\r\nDebug: PLL locked\r\nDebug: tracking 31 channels\r\n"
                 "Debug:{\"DebugTable\":[{\"ch\":[1,2,3,4]},{\"sys\":[\"GPS\",\"GPS\",\"GLO\",\"GAL\"]},"
                 "{\"prn\":[5,12,3,30]},{\"cn0\":[44.25,38.5,45,\"@\"]},{\"state\":[\"lock\",\"lock\",\"pull\",\"@\"]}]}\r\n");
    QTRY_COMPARE(window->findChild<QPlainTextEdit *>(QStringLiteral("editTable"))->document()->blockCount(), 6);
    QTRY_COMPARE(window->findChild<QPlainTextEdit *>(QStringLiteral("editLog"))->document()->blockCount(), 3);
    save(window.get(), QStringLiteral("debuglogwidget.png"));
}

void TestValueWindowsRender::inRussian()
{
    russian = std::make_unique<RussianCatalogue>();
    QVERIFY(russian->loaded);

    ReceiverSession session;
    QVERIFY(session.open(InterfaceNmea));
    auto info = showWindow<BaseInfoWidget>(session);
    auto log = showWindow<NMEALogWidget>(session);
    auto coordinates = showWindow<CoordinatesWidget>(session);
    auto debug = showWindow<DebugLogWidget>(session);
    QVERIFY(QTest::qWaitForWindowExposed(info.get()));

    QCOMPARE(info->windowTitle(), QStringLiteral("Общая информация"));
    QCOMPARE(info->findChild<QLabel *>(QStringLiteral("labelLatitude"))->text(), QStringLiteral("Широта"));
    QCOMPARE(info->findChild<QLabel *>(QStringLiteral("labelProtocol"))->text(), QStringLiteral("Формат, скорость"));
    QCOMPARE(info->findChild<QTableView *>(QStringLiteral("tableGPS"))->model()->headerData(4, Qt::Horizontal).toString(),
             QStringLiteral("Аз, °"));
    QCOMPARE(log->findChild<QPushButton *>(QStringLiteral("btnStartWriting"))->text(), QStringLiteral("Начать запись"));
    QCOMPARE(log->windowTitle(), QStringLiteral("Журнал сообщений"));
    QCOMPARE(coordinates->findChild<QWidget *>(QStringLiteral("grBoxReceiverSpeed"))->property("title").toString(),
             QStringLiteral("Скорость приёмника"));
    QCOMPARE(debug->findChild<QLabel *>(QStringLiteral("labelTable"))->text(), QStringLiteral("Таблица:"));

    session.controller->parser()->defineProtocol(InterfaceNmea);
    session.send(nmeaEpoch());
    QTRY_COMPARE(info->findChild<QLineEdit *>(QStringLiteral("editSpeed"))->text(), QStringLiteral("10.186 км/ч"));
    QTRY_COMPARE(info->findChild<QTableView *>(QStringLiteral("tableSBAS"))->model()->rowCount(), 2);
    QTRY_VERIFY(!log->findChild<QPlainTextEdit *>(QStringLiteral("editMessages"))->toPlainText().isEmpty());
    save(info.get(), QStringLiteral("baseinfowidget_ru.png"));
    save(log.get(), QStringLiteral("nmealogwidget_ru.png"));
}

QTEST_MAIN(TestValueWindowsRender)
#include "tst_valuewindowsrender.moc"
