// The general information window as the user sees it: the text and colour of each field
// after real sentences travel the socket, reader, parser and sentence handler, the
// protocol field through the link's announcements, and the clearing.

#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

#include <memory>

#include "baseinfowidget.h"
#include "connectguard.h"
#include "controller.h"
#include "framebuilders.h"
#include "parserproxy.h"
#include "ptypair.h"
#include "readerproxy.h"
#include "receiversession.h"
#include "satellitetableswidget.h"
#include "sentencehandler.h"

namespace {

const QString black = QStringLiteral("color: black");
const QString gray = QStringLiteral("color: gray");
const QString red = QStringLiteral("QLineEdit { color: red;}");

const char *const valueFields[] = {
    "editUTC", "editDate", "editLatitude", "editLongitude", "editAltitude", "editSpeed",
    "editCourse", "editPDOP", "editHDOP", "editVDOP", "editFixMode", "editQuality",
    "editPositioningSystemMode",
};

} // namespace

class TestBaseInfoWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formHasItsFieldsAndSize();
    void ggaShowsPositionQualityAndHdop();
    void positionTexts_data();
    void positionTexts();
    void aSessionOfSentencesFillsTheWindow();
    void timeOfDay_data();
    void timeOfDay();
    void dates();
    void numberFormats();
    void fixMode_data();
    void fixMode();
    void invalidValueKeepsTheTextInGrey();
    void emptyFieldKeepsTheTextInGrey_data();
    void emptyFieldKeepsTheTextInGrey();
    void protocolOnATcpLink();
    void protocolOnASerialLink();
    void clearingSparesTheProtocolAndTheColours();
    void nullControllerDisconnectsEverything();
    void aDeletedControllerIsNeverTouched();

private:
    QLineEdit *edit(const char *name) { return window->findChild<QLineEdit *>(QLatin1String(name)); }
    SentenceHandler *handler() { return session->controller->sentenceHandler(); }

    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<BaseInfoWidget> window;
};

void TestBaseInfoWidget::initTestCase()
{
    installConnectGuard();
}

void TestBaseInfoWidget::init()
{
    session = std::make_unique<ReceiverSession>();
    window = std::make_unique<BaseInfoWidget>(nullptr);
    window->setModel(session->model);
    window->setController(session->controller);
}

void TestBaseInfoWidget::cleanup()
{
    window.reset();
    session.reset();
}

void TestBaseInfoWidget::formHasItsFieldsAndSize()
{
    // The form's size, or larger where its contents need more (a larger font).
    QCOMPARE(window->size(), QSize(450, 614).expandedTo(window->minimumSizeHint()));
    QCOMPARE(window->minimumSize(), QSize(350, 300).expandedTo(window->minimumSizeHint()));
    QCOMPARE(window->windowTitle(), QStringLiteral("General Information"));
    for (const char *name : valueFields) {
        QVERIFY2(edit(name), name);
        QVERIFY(edit(name)->isReadOnly());
        QVERIFY(edit(name)->text().isEmpty());
    }
    QVERIFY(edit("editProtocol")->isReadOnly());
    QCOMPARE(window->findChildren<QLineEdit *>().size(), 14);
    QVERIFY(window->findChild<SatelliteTablesWidget *>(QStringLiteral("satelliteTables")));
}

void TestBaseInfoWidget::ggaShowsPositionQualityAndHdop()
{
    QVERIFY(session->open(InterfaceNmea));
    session->send(nmeaLine("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));

    QTRY_COMPARE(edit("editLatitude")->text(), QStringLiteral("48° 7' 2.280000\" N"));
    QCOMPARE(edit("editLongitude")->text(), QStringLiteral("11° 31' 0.000000\" E"));
    QCOMPARE(edit("editAltitude")->text(), QStringLiteral("545.4000 m."));
    QCOMPARE(edit("editQuality")->text(), QStringLiteral("1"));
    QCOMPARE(edit("editHDOP")->text(), QStringLiteral("0.9"));
    for (const char *name : {"editLatitude", "editLongitude", "editAltitude", "editQuality", "editHDOP"})
        QCOMPARE(edit(name)->styleSheet(), black);

    // The user switches GGA off: the last values stay, greyed.
    session->controller->parser()->showLastData({2});
    for (const char *name : {"editLatitude", "editLongitude", "editAltitude", "editQuality", "editHDOP"})
        QCOMPARE(edit(name)->styleSheet(), gray);
    QCOMPARE(edit("editLatitude")->text(), QStringLiteral("48° 7' 2.280000\" N"));
    QCOMPARE(edit("editHDOP")->text(), QStringLiteral("0.9"));
}

void TestBaseInfoWidget::positionTexts_data()
{
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::newRow("Munich") << QByteArray("4807.038,N,01131.000,E") << QStringLiteral("48° 7' 2.280000\" N")
                            << QStringLiteral("11° 31' 0.000000\" E");
    // A whole minute of arc is a hair under itself once it has been through radians: it
    // reads as one minute, not as 60 seconds of the minute before.
    QTest::newRow("a whole minute east") << QByteArray("5545.23521,N,03801.00000,E")
                                         << QStringLiteral("55° 45' 14.112600\" N")
                                         << QStringLiteral("38° 1' 0.000000\" E");
    QTest::newRow("a whole minute north") << QByteArray("5601.00000,N,03737.01163,E")
                                          << QStringLiteral("56° 1' 0.000000\" N")
                                          << QStringLiteral("37° 37' 0.697800\" E");
    QTest::newRow("a whole minute south-west") << QByteArray("3330.00000,S,07015.00000,W")
                                               << QStringLiteral("33° 30' 0.000000\" S")
                                               << QStringLiteral("70° 15' 0.000000\" W");
}

void TestBaseInfoWidget::positionTexts()
{
    QFETCH(QByteArray, fields);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QVERIFY(session->open(InterfaceNmea));
    session->send(nmeaLine("GNGGA,093104.60," + fields + ",1,33,0.62,167.702,M,14.6,M,,"));
    QTRY_COMPARE(edit("editLatitude")->text(), latitude);
    QCOMPARE(edit("editLongitude")->text(), longitude);
    QCOMPARE(edit("editLatitude")->styleSheet(), black);
}

void TestBaseInfoWidget::aSessionOfSentencesFillsTheWindow()
{
    QVERIFY(session->open(InterfaceNmea));
    session->send(nmeaLine("GPGGA,201530.00,5545.1234,N,03737.5678,E,4,12,0.7,152.3,M,14.2,M,1.0,0001")
                  + nmeaLine("GPGSA,A,3,05,12,,,,,,,,,,,1.6,0.8,1.4")
                  + nmeaLine("GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,D")
                  + nmeaLine("GPGSV,1,1,03,05,45,120,40,12,30,200,35,25,12,045,28")
                  + nmeaLine("GPZDA,201530.00,04,07,2024,00,00"));

    QTRY_COMPARE(edit("editUTC")->text(), QStringLiteral("20:15:30"));
    QCOMPARE(edit("editDate")->text(), QStringLiteral("04.07.24"));
    QCOMPARE(edit("editLatitude")->text(), QStringLiteral("55° 45' 7.404000\" N"));
    QCOMPARE(edit("editAltitude")->text(), QStringLiteral("152.3000 m."));
    QCOMPARE(edit("editQuality")->text(), QStringLiteral("4"));
    QCOMPARE(edit("editFixMode")->text(), QStringLiteral("A 3D"));
    QCOMPARE(edit("editPDOP")->text(), QStringLiteral("1.6"));
    QCOMPARE(edit("editHDOP")->text(), QStringLiteral("0.8"));
    QCOMPARE(edit("editVDOP")->text(), QStringLiteral("1.4"));
    QCOMPARE(edit("editSpeed")->text(), QStringLiteral("10.200 km/h"));
    QCOMPARE(edit("editCourse")->text(), QStringLiteral("54.700°"));
    QCOMPARE(edit("editPositioningSystemMode")->text(), QStringLiteral("D"));
    for (const char *name : valueFields)
        QCOMPARE(edit(name)->styleSheet(), black);

    auto *gps = window->findChild<QTableView *>(QStringLiteral("tableGPS"));
    QTRY_COMPARE(gps->model()->rowCount(), 3);
    QCOMPARE(gps->model()->index(0, 1).data().toString(), QStringLiteral("5"));
    QCOMPARE(gps->model()->index(0, 0).data().toString(), QString(QChar(0x2713)));
    QCOMPARE(gps->model()->index(2, 0).data().toString(), QString());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("labelFixedGPS"))->text(), QStringLiteral("2/3"));
}

void TestBaseInfoWidget::timeOfDay_data()
{
    QTest::addColumn<QByteArray>("zdaTime");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole seconds are filled") << QByteArray("090507.00") << QStringLiteral("09:05:07");
    QTest::newRow("a fraction is shown, whole seconds filled") << QByteArray("090507.50")
                                                               << QStringLiteral("09:05:07.5");
    QTest::newRow("four seconds and a tenth of six") << QByteArray("093104.60") << QStringLiteral("09:31:04.6");
    QTest::newRow("forty-four seconds and a tenth") << QByteArray("093144.10") << QStringLiteral("09:31:44.1");
    QTest::newRow("nine whole seconds") << QByteArray("093109.00") << QStringLiteral("09:31:09");
    QTest::newRow("half a second past midnight") << QByteArray("000000.50") << QStringLiteral("00:00:00.5");
    QTest::newRow("nine seconds and nine tenths") << QByteArray("120709.90") << QStringLiteral("12:07:09.9");
    QTest::newRow("last tenth of a minute") << QByteArray("093059.90") << QStringLiteral("09:30:59.9");
    QTest::newRow("last hundredth of the day") << QByteArray("235959.99") << QStringLiteral("23:59:59.99");
    QTest::newRow("never rounded into the next second") << QByteArray("093059.9999")
                                                        << QStringLiteral("09:30:59.999");
    QTest::newRow("a fraction of a second past ten") << QByteArray("120012.25") << QStringLiteral("12:00:12.25");
    QTest::newRow("midnight") << QByteArray("000000.00") << QStringLiteral("00:00:00");
}

void TestBaseInfoWidget::timeOfDay()
{
    QFETCH(QByteArray, zdaTime);
    QFETCH(QString, text);
    QVERIFY(session->open(InterfaceNmea));
    session->send(nmeaLine("GPZDA," + zdaTime + ",04,07,2024,00,00"));
    QTRY_COMPARE(edit("editUTC")->text(), text);
    QCOMPARE(edit("editUTC")->styleSheet(), black);
}

void TestBaseInfoWidget::dates()
{
    emit handler()->setDate(NavDataValue<int>(80524));
    QCOMPARE(edit("editDate")->text(), QStringLiteral("08.05.24"));
    emit handler()->setDate(Date(1, 2, 2024));
    QCOMPARE(edit("editDate")->text(), QStringLiteral("01.02.24"));
    QCOMPARE(edit("editDate")->styleSheet(), black);
    emit handler()->setDate(Date());
    QCOMPARE(edit("editDate")->text(), QStringLiteral("01.02.24"));
    QCOMPARE(edit("editDate")->styleSheet(), gray);
}

void TestBaseInfoWidget::numberFormats()
{
    emit handler()->setSpeed(NavDataValue<double>(12.3456));
    emit handler()->setCourse(NavDataValue<double>(5.5));
    emit handler()->setHDOP(NavDataValue<double>(1.26));
    emit handler()->setPositioningSystemMode(NavDataValue<signed char>('A'));
    QCOMPARE(edit("editSpeed")->text(), QStringLiteral("12.346 km/h"));
    QCOMPARE(edit("editCourse")->text(), QStringLiteral("5.500°"));
    QCOMPARE(edit("editHDOP")->text(), QStringLiteral("1.3"));
    QCOMPARE(edit("editPositioningSystemMode")->text(), QStringLiteral("A"));
}

void TestBaseInfoWidget::fixMode_data()
{
    QTest::addColumn<char>("mode");
    QTest::addColumn<short>("fixType");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    QTest::newRow("automatic 3D") << 'A' << short(3) << QStringLiteral("A 3D") << black;
    QTest::newRow("automatic 2D") << 'A' << short(2) << QStringLiteral("A 2D") << black;
    QTest::newRow("manual, no fix") << 'M' << short(1) << QStringLiteral("M not available") << black;
    QTest::newRow("fix type 0 keeps the text") << 'M' << short(0) << QStringLiteral("A 2D") << gray;
    QTest::newRow("fix type 4 keeps the text") << 'A' << short(4) << QStringLiteral("A 2D") << gray;
}

void TestBaseInfoWidget::fixMode()
{
    QFETCH(char, mode);
    QFETCH(short, fixType);
    QFETCH(QString, text);
    QFETCH(QString, style);
    emit handler()->setFixMode('A', 2);
    emit handler()->setFixMode(static_cast<signed char>(mode), fixType);
    QCOMPARE(edit("editFixMode")->text(), text);
    QCOMPARE(edit("editFixMode")->styleSheet(), style);
}

void TestBaseInfoWidget::invalidValueKeepsTheTextInGrey()
{
    emit handler()->setSpeed(NavDataValue<double>(3.0));
    QCOMPARE(edit("editSpeed")->styleSheet(), black);
    emit handler()->setSpeed(NavDataValue<double>());
    QCOMPARE(edit("editSpeed")->text(), QStringLiteral("3.000 km/h"));
    QCOMPARE(edit("editSpeed")->styleSheet(), gray);
    // A valid value blackens it again.
    emit handler()->setSpeed(NavDataValue<double>(4.0));
    QCOMPARE(edit("editSpeed")->text(), QStringLiteral("4.000 km/h"));
    QCOMPARE(edit("editSpeed")->styleSheet(), black);
    // A field that never had a value only turns grey.
    emit handler()->setVDOP(NavDataValue<double>());
    QCOMPARE(edit("editVDOP")->text(), QString());
    QCOMPARE(edit("editVDOP")->styleSheet(), gray);
}

void TestBaseInfoWidget::emptyFieldKeepsTheTextInGrey_data()
{
    QTest::addColumn<QByteArray>("filled");
    QTest::addColumn<QByteArray>("empty");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    const QByteArray vtg("GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A");
    const QByteArray gga("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    const QByteArray rmc("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,311225,003.1,W,A");
    QTest::newRow("vtg standing still, no course") << vtg << QByteArray("GPVTG,,T,,M,0.0,N,0.0,K,A")
                                                   << "editCourse" << QStringLiteral("54.700°");
    QTest::newRow("vtg without speed") << vtg << QByteArray("GPVTG,054.7,T,034.4,M,,N,,K,A")
                                       << "editSpeed" << QStringLiteral("10.200 km/h");
    QTest::newRow("gga 2d without altitude") << gga << QByteArray("GPGGA,123520,4807.038,N,01131.000,E,1,03,10.5,,,,,,")
                                             << "editAltitude" << QStringLiteral("545.4000 m.");
    QTest::newRow("gga without quality") << gga << QByteArray("GPGGA,123520,4807.038,N,01131.000,E,,08,0.9,545.4,M,46.9,M,,")
                                         << "editQuality" << QStringLiteral("1");
    QTest::newRow("rmc without mode") << rmc << QByteArray("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,311225,,")
                                      << "editPositioningSystemMode" << QStringLiteral("A");
    QTest::newRow("rmc without date") << rmc << QByteArray("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,,,,A")
                                      << "editDate" << QStringLiteral("31.12.25");
}

void TestBaseInfoWidget::emptyFieldKeepsTheTextInGrey()
{
    QFETCH(QByteArray, filled);
    QFETCH(QByteArray, empty);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QLineEdit *shown = window->findChild<QLineEdit *>(field);
    QVERIFY(shown);
    QVERIFY(session->open(InterfaceNmea));

    session->send(nmeaLine(filled));
    QTRY_COMPARE(shown->text(), text);
    QCOMPARE(shown->styleSheet(), black);
    // The receiver left the field empty: it sent no value, not a valid 0.
    session->send(nmeaLine(empty));
    QTRY_COMPARE(shown->styleSheet(), gray);
    QCOMPARE(shown->text(), text);
    session->send(nmeaLine(filled));
    QTRY_COMPARE(shown->styleSheet(), black);
    QCOMPARE(shown->text(), text);
}

void TestBaseInfoWidget::protocolOnATcpLink()
{
    QVERIFY(session->open(InterfaceNmea));
    QLineEdit *protocol = edit("editProtocol");
    ParserProxy *parser = session->controller->parser();
    ReaderProxy *reader = session->controller->reader();

    parser->defineProtocol(InterfaceNmea);
    QCOMPARE(protocol->text(), QStringLiteral("NMEA, --"));
    QCOMPARE(protocol->styleSheet(), black);

    reader->emitDisplayTestBaudRate(-1);
    QCOMPARE(protocol->text(), QStringLiteral("--, --"));
    QCOMPARE(protocol->styleSheet(), red);
    reader->emitDisplayTestBaudRate(38400);
    QCOMPARE(protocol->text(), QStringLiteral("--, 38400"));
    QCOMPARE(protocol->styleSheet(), red);

    parser->defineProtocol(InterfaceBinary);
    QCOMPARE(protocol->text(), QStringLiteral("ZRB_Binary, --"));
    QCOMPARE(protocol->styleSheet(), black);

    reader->emitDisplayTestBaudRate(38400);
    reader->emitDisplayBaudRateMaster(false);
    QCOMPARE(protocol->text(), QStringLiteral("--, --"));
    QCOMPARE(protocol->styleSheet(), black);
    reader->emitDisplayBaudRateMaster(true);
    QCOMPARE(protocol->text(), QStringLiteral("ZRB_Binary, --"));

    parser->defineProtocol(InterfaceUnknown);
    QCOMPARE(protocol->text(), QStringLiteral("--, --"));
    QCOMPARE(protocol->styleSheet(), black);
}

void TestBaseInfoWidget::protocolOnASerialLink()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    ReaderProxy *reader = session->controller->reader();
    reader->openSerialPort(pty.devicePath(), 115200);
    session->controller->parser()->defineProtocol(InterfaceNmea);
    QCOMPARE(edit("editProtocol")->text(), QStringLiteral("NMEA, 115200"));
    reader->emitDisplayBaudRateMaster(true);
    QCOMPARE(edit("editProtocol")->text(), QStringLiteral("ZRB_Binary, 115200"));
}

void TestBaseInfoWidget::clearingSparesTheProtocolAndTheColours()
{
    QVERIFY(session->open(InterfaceNmea));
    session->controller->parser()->defineProtocol(InterfaceNmea);
    session->send(nmeaLine("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,")
                  + nmeaLine("GPGSV,1,1,02,05,45,120,40,12,30,200,35"));
    QTRY_COMPARE(window->findChild<QTableView *>(QStringLiteral("tableGPS"))->model()->rowCount(), 2);
    emit handler()->setSpeed(NavDataValue<double>());

    window->clearWindow();

    for (const char *name : valueFields)
        QVERIFY2(edit(name)->text().isEmpty(), name);
    QCOMPARE(edit("editProtocol")->text(), QStringLiteral("NMEA, --"));
    QCOMPARE(edit("editLatitude")->styleSheet(), black);
    QCOMPARE(edit("editSpeed")->styleSheet(), gray);
    QCOMPARE(window->findChild<QTableView *>(QStringLiteral("tableGPS"))->model()->rowCount(), 0);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("labelFixedGPS"))->text(), QStringLiteral("0/0"));
}

void TestBaseInfoWidget::nullControllerDisconnectsEverything()
{
    window->setController(nullptr);
    emit handler()->setHDOP(NavDataValue<double>(1.0));
    session->controller->parser()->defineProtocol(InterfaceNmea);
    session->controller->reader()->emitDisplayTestBaudRate(9600);
    emit handler()->setSatellites(NavSysGPS, {SatelliteInfo(5, 45, 120, 40, -1)});
    QCOMPARE(edit("editHDOP")->text(), QString());
    QCOMPARE(edit("editProtocol")->text(), QString());
    QCOMPARE(window->findChild<QTableView *>(QStringLiteral("tableGPS"))->model()->rowCount(), 0);

    // Handed the controller again, the window shows its values again.
    window->setController(session->controller);
    emit handler()->setHDOP(NavDataValue<double>(1.0));
    QCOMPARE(edit("editHDOP")->text(), QStringLiteral("1.0"));
    emit handler()->setSatellites(NavSysGPS, {SatelliteInfo(5, 45, 120, 40, -1)});
    QCOMPARE(window->findChild<QTableView *>(QStringLiteral("tableGPS"))->model()->rowCount(), 1);
}

void TestBaseInfoWidget::aDeletedControllerIsNeverTouched()
{
    // On disconnect the main window deletes the Controller before the workspace.
    delete session->controller;
    session->controller = nullptr;
    window->setController(nullptr);
    window->clearWindow();
    auto fresh = std::make_unique<Controller>();
    window->setController(fresh.get());
    fresh->parser()->defineProtocol(InterfaceBinary);
    QCOMPARE(edit("editProtocol")->text(), QStringLiteral("ZRB_Binary, --"));
}

QTEST_MAIN(TestBaseInfoWidget)
#include "tst_baseinfowidget.moc"
