// The satellite tables as the user reads them: row texts, the order rows keep, the
// colours of fresh and stale rows, the used/in-view counters and the clearing. Lists come
// through the sentence handler's own signals, and once from real GSV and GSA sentences.

#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "screenshot.h"
#include "controller.h"
#include "framebuilders.h"
#include "plotwindowstest.h"
#include "receiversession.h"
#include "satellitetableswidget.h"
#include "sentencehandler.h"

Q_DECLARE_METATYPE(SatelliteInfo)

namespace {

const QString black = QStringLiteral("color: black");
const QString gray = QStringLiteral("color: gray");

struct SystemWidgets
{
    SatNavSysEnum navSys;
    const char *table;
    const char *counter;
};

const SystemWidgets systems[] = {
    {NavSysGPS, "tableGPS", "labelFixedGPS"},
    {NavSysGLONASS, "tableGLONASS", "labelFixedGLONASS"},
    {NavSysGalileo, "tableGalileo", "labelFixedGalileo"},
    {NavSysBeiDou, "tableBeiDou", "labelFixedBeiDou"},
    {NavSysNavIC, "tableIRNSS", "labelFixedIRNSS"},
    {NavSysSBAS, "tableSBAS", "labelFixedSBAS"},
};

const QByteArray gga = plotwindowstest::epoch::gga();
const QByteArray gpsL1 = plotwindowstest::epoch::gpsL1();
const QByteArray gpsL2 = plotwindowstest::epoch::gpsL2();
const QByteArray glonass = plotwindowstest::epoch::glonass();

SatelliteInfo satellite(short number, short elevation = 30, int azimuth = 100, short snr1 = 40,
                        short snr2 = SatelliteInfo::Unknown)
{
    return SatelliteInfo(number, elevation, azimuth, snr1, snr2);
}

} // namespace

class TestSatelliteTablesWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formHasSixTablesWithHeaders();
    void rowTexts_data();
    void rowTexts();
    void rowsAreKeptInPlace();
    void anEmptyListGreysAndKeeps();
    void counterPrunesTheUsedSet_data();
    void counterPrunesTheUsedSet();
    void usedSetAloneChangesNothing();
    void mixedSystemIsIgnored();
    void tableHeightFollowsTheRows();
    void deleteInfoLeavesEmptyTablesAndGreyCounters();
    void sentencesFillTheTables();
    void stoppedBandOrSystemLeaves_data();
    void stoppedBandOrSystemLeaves();
    void seldomSatelliteSeriesKeepTheRows();

private:
    QTableView *table(const char *name) { return widget->findChild<QTableView *>(QLatin1String(name)); }
    QLabel *label(const char *name) { return widget->findChild<QLabel *>(QLatin1String(name)); }
    QStringList row(const char *tableName, int row)
    {
        QStringList texts;
        const QAbstractItemModel *model = table(tableName)->model();
        for (int column = 0; column < model->columnCount(); ++column)
            texts << model->index(row, column).data().toString();
        return texts;
    }
    QVariant foreground(const char *tableName, int row, int column)
    {
        return table(tableName)->model()->index(row, column).data(Qt::ForegroundRole);
    }
    QStringList column(const char *tableName, int column)
    {
        QStringList texts;
        const QAbstractItemModel *model = table(tableName)->model();
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, column).data().toString();
        return texts;
    }
    SentenceHandler *handler() { return session->controller->sentenceHandler(); }
    // Positions the handler has turned into signals: how far the sent bytes have come.
    int epochsHandled = 0;

    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<SatelliteTablesWidget> widget;
};

void TestSatelliteTablesWidget::initTestCase()
{
    installConnectGuard();
}

void TestSatelliteTablesWidget::init()
{
    session = std::make_unique<ReceiverSession>();
    widget = std::make_unique<SatelliteTablesWidget>(nullptr);
    widget->setModel(session->model);
    widget->setController(session->controller);
    epochsHandled = 0;
    connect(handler(), &SentenceHandler::setQuality, widget.get(), [this] { ++epochsHandled; });
}

void TestSatelliteTablesWidget::cleanup()
{
    widget.reset();
    session.reset();
}

void TestSatelliteTablesWidget::formHasSixTablesWithHeaders()
{
    QCOMPARE(widget->size(), QSize(432, 318));
    const QStringList headers = {QStringLiteral("FX"), QStringLiteral("PRN"), QStringLiteral("C/No"),
                                 QStringLiteral("El, °"), QStringLiteral("Az, °")};
    for (const SystemWidgets &system : systems) {
        QTableView *view = table(system.table);
        QVERIFY2(view, system.table);
        QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(view->verticalHeader()->isHidden());
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QStringList shown;
        for (int column = 0; column < view->model()->columnCount(); ++column)
            shown << view->model()->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(shown, headers);
        QCOMPARE(label(system.counter)->text(), QStringLiteral("0/0"));
    }
    QCOMPARE(label("labelGalileo")->text(), QStringLiteral("Galileo "));
    QCOMPARE(label("labelIRNSS")->text(), QStringLiteral("NavIC"));
}

void TestSatelliteTablesWidget::rowTexts_data()
{
    QTest::addColumn<SatelliteInfo>("info");
    QTest::addColumn<bool>("used");
    QTest::addColumn<QStringList>("texts");
    const QString mark(QChar(0x2713));
    QTest::newRow("used, one band") << satellite(12, 45, 270, 43) << true
                                    << QStringList{mark, "12", "43/-", "45", "270"};
    QTest::newRow("two bands, not used") << satellite(7, 10, 5, 38, 31) << false
                                         << QStringList{"", "7", "38/31", "10", "5"};
    QTest::newRow("no elevation and azimuth") << satellite(3, -1, -1, 20) << false
                                              << QStringList{"", "3", "20/-", "-", "-"};
    QTest::newRow("second band only") << satellite(9, 60, 180, -1, 35) << false
                                      << QStringList{"", "9", "-/35", "60", "180"};
}

void TestSatelliteTablesWidget::rowTexts()
{
    QFETCH(SatelliteInfo, info);
    QFETCH(bool, used);
    QFETCH(QStringList, texts);
    if (used)
        emit handler()->setUsedSatellites(NavSysGPS, {info.number});
    emit handler()->setSatellites(NavSysGPS, {info});
    QCOMPARE(row("tableGPS", 0), texts);
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(table("tableGPS")->model()->index(0, column).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignCenter));
    }
}

void TestSatelliteTablesWidget::rowsAreKeptInPlace()
{
    emit handler()->setSatellites(NavSysGLONASS, {satellite(5), satellite(12, 20)});
    emit handler()->setSatellites(NavSysGLONASS, {satellite(12, 25), satellite(7)});

    QCOMPARE(table("tableGLONASS")->model()->rowCount(), 2);
    QCOMPARE(row("tableGLONASS", 0).at(1), QStringLiteral("12"));
    QCOMPARE(row("tableGLONASS", 0).at(3), QStringLiteral("25"));
    QCOMPARE(row("tableGLONASS", 1).at(1), QStringLiteral("7"));
    // The rewritten row is black; the appended one keeps the view's own colour.
    QCOMPARE(foreground("tableGLONASS", 0, 1).value<QBrush>().color(), QColor(Qt::black));
    QVERIFY(!foreground("tableGLONASS", 1, 1).isValid());
    QCOMPARE(label("labelFixedGLONASS")->text(), QStringLiteral("0/2"));
    QCOMPARE(label("labelFixedGLONASS")->styleSheet(), black);
}

void TestSatelliteTablesWidget::anEmptyListGreysAndKeeps()
{
    emit handler()->setUsedSatellites(NavSysBeiDou, {5});
    emit handler()->setSatellites(NavSysBeiDou, {satellite(5), satellite(12)});
    emit handler()->setSatellites(NavSysBeiDou, {});

    QCOMPARE(table("tableBeiDou")->model()->rowCount(), 2);
    for (int r = 0; r < 2; ++r) {
        for (int column = 0; column < 5; ++column)
            QCOMPARE(foreground("tableBeiDou", r, column).value<QBrush>().color(), QColor(Qt::darkGray));
    }
    QCOMPARE(label("labelFixedBeiDou")->text(), QStringLiteral("1/2"));
    QCOMPARE(label("labelFixedBeiDou")->styleSheet(), gray);

    emit handler()->setSatellites(NavSysBeiDou, {satellite(12)});
    QCOMPARE(table("tableBeiDou")->model()->rowCount(), 1);
    for (int column = 0; column < 5; ++column)
        QCOMPARE(foreground("tableBeiDou", 0, column).value<QBrush>().color(), QColor(Qt::black));
    QCOMPARE(label("labelFixedBeiDou")->styleSheet(), black);
}

void TestSatelliteTablesWidget::counterPrunesTheUsedSet_data()
{
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("markOf12");
    QTest::newRow("not larger than the rows: kept") << QList<int>{5, 12} << QStringLiteral("2/2")
                                                    << QString(QChar(0x2713));
    QTest::newRow("larger than the rows: pruned") << QList<int>{3, 5, 12} << QStringLiteral("1/2")
                                                  << QString(QChar(0x2713));
    QTest::newRow("none used") << QList<int>{} << QStringLiteral("0/2") << QString();
}

void TestSatelliteTablesWidget::counterPrunesTheUsedSet()
{
    QFETCH(QList<int>, used);
    QFETCH(QString, counter);
    QFETCH(QString, markOf12);
    emit handler()->setSatellites(NavSysSBAS, {satellite(12), satellite(7)});
    emit handler()->setUsedSatellites(NavSysSBAS, QSet<int>(used.cbegin(), used.cend()));
    emit handler()->setSatellites(NavSysSBAS, {satellite(12), satellite(7)});
    QCOMPARE(label("labelFixedSBAS")->text(), counter);
    QCOMPARE(row("tableSBAS", 0).at(0), markOf12);
    QCOMPARE(row("tableSBAS", 1).at(0), QString());
}

void TestSatelliteTablesWidget::usedSetAloneChangesNothing()
{
    emit handler()->setSatellites(NavSysGalileo, {satellite(4)});
    emit handler()->setUsedSatellites(NavSysGalileo, {4});
    QCOMPARE(row("tableGalileo", 0).at(0), QString());
    QCOMPARE(label("labelFixedGalileo")->text(), QStringLiteral("0/1"));
}

void TestSatelliteTablesWidget::mixedSystemIsIgnored()
{
    emit handler()->setSatellites(NavSysMixed, {satellite(4)});
    emit handler()->setSatellites(NavSysNone, {satellite(4)});
    for (const SystemWidgets &system : systems) {
        QCOMPARE(table(system.table)->model()->rowCount(), 0);
        QCOMPARE(label(system.counter)->text(), QStringLiteral("0/0"));
    }
}

void TestSatelliteTablesWidget::tableHeightFollowsTheRows()
{
    QTableView *view = table("tableIRNSS");
    const int empty = view->minimumHeight();
    emit handler()->setSatellites(NavSysNavIC, {satellite(1), satellite(2), satellite(3)});
    QCOMPARE(view->minimumHeight(), empty + view->rowHeight(0) + view->rowHeight(1) + view->rowHeight(2));
    emit handler()->setSatellites(NavSysNavIC, {satellite(2)});
    QCOMPARE(view->minimumHeight(), empty + view->rowHeight(0));
}

void TestSatelliteTablesWidget::deleteInfoLeavesEmptyTablesAndGreyCounters()
{
    for (const SystemWidgets &system : systems)
        emit handler()->setSatellites(system.navSys, {satellite(1), satellite(2)});
    widget->clearWindow();
    for (const SystemWidgets &system : systems) {
        QCOMPARE(table(system.table)->model()->rowCount(), 0);
        QCOMPARE(table(system.table)->model()->columnCount(), 5);
        QCOMPARE(table(system.table)->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("C/No"));
        QCOMPARE(label(system.counter)->text(), QStringLiteral("0/0"));
        QCOMPARE(label(system.counter)->styleSheet(), gray);
    }
}

void TestSatelliteTablesWidget::sentencesFillTheTables()
{
    QVERIFY(session->open(InterfaceNmea));
    session->send(nmeaLine("GLGSA,A,3,01,03,,,,,,,,,,,1.6,0.8,1.4")
                  + nmeaLine("GLGSV,2,1,05,01,10,100,20,02,11,101,21,03,12,102,22,04,13,103,23")
                  + nmeaLine("GLGSV,2,2,05,05,14,104,24"));
    QTRY_COMPARE(table("tableGLONASS")->model()->rowCount(), 5);
    QCOMPARE(row("tableGLONASS", 2), (QStringList{QString(QChar(0x2713)), "3", "22/-", "12", "102"}));
    QCOMPARE(label("labelFixedGLONASS")->text(), QStringLiteral("2/5"));

    widget->setController(nullptr);
    emit handler()->setSatellites(NavSysGLONASS, {satellite(9)});
    QCOMPARE(table("tableGLONASS")->model()->rowCount(), 5);
}

void TestSatelliteTablesWidget::stoppedBandOrSystemLeaves_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("gpsSnr");
    QTest::addColumn<QStringList>("glonassNumbers");
    QTest::addColumn<QString>("glonassCounter");
    QTest::addColumn<QString>("screenshot");
    // The receiver's signal page set GPS's secondary frequency to OFF and it restarted.
    QTest::newRow("GPS L2 stops") << gga + gpsL1 + gpsL2 + glonass << gga + gpsL1 + glonass
                                  << QStringList{"41/-", "43/-", "46/-", "46/-"}
                                  << QStringList{"1", "2", "3"} << "0/3" << "tables-gps-l2-stopped.png";
    // The navigation systems page switched GLONASS off.
    QTest::newRow("GLONASS stops") << gga + gpsL1 + gpsL2 + glonass << gga + gpsL1 + gpsL2
                                   << QStringList{"41/31", "43/33", "46/36", "46/37"}
                                   << QStringList{} << "0/0" << "tables-glonass-stopped.png";
}

void TestSatelliteTablesWidget::stoppedBandOrSystemLeaves()
{
    // A band or a system the receiver stopped, while it goes on with the others, is no
    // longer shown as received within a few of its epochs; what goes on stays as it was.
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, gpsSnr);
    QFETCH(QStringList, glonassNumbers);
    QFETCH(QString, glonassCounter);
    QFETCH(QString, screenshot);
    widget->resize(widget->sizeHint());
    widget->show();
    QVERIFY(session->open(InterfaceNmea));
    for (int epoch = 0; epoch < 3; ++epoch)
        session->send(before);
    QTRY_COMPARE(epochsHandled, 3);
    QTRY_COMPARE(table("tableGLONASS")->model()->rowCount(), 3);
    QTRY_COMPARE(row("tableGPS", 3).at(2), QStringLiteral("46/37"));
    saveScreenshot(widget.get(), QStringLiteral("before-") + screenshot);

    const int sent = 5;
    for (int epoch = 0; epoch < sent; ++epoch)
        session->send(after);
    QTRY_COMPARE(epochsHandled, 3 + sent);
    QTRY_COMPARE(column("tableGPS", 2), gpsSnr);
    QCOMPARE(column("tableGLONASS", 1), glonassNumbers);
    QCOMPARE(label("labelFixedGLONASS")->text(), glonassCounter);
    for (int r = 0; r < table("tableGPS")->model()->rowCount(); ++r)
        QCOMPARE(foreground("tableGPS", r, 2).value<QBrush>().color(), QColor(Qt::black));
    saveScreenshot(widget.get(), QStringLiteral("after-") + screenshot);
}

void TestSatelliteTablesWidget::seldomSatelliteSeriesKeepTheRows()
{
    // A receiver that sends its satellites every 5 s and its position at 10 Hz: the
    // tables hold every row between two satellite reports, in black.
    QVERIFY(session->open(InterfaceNmea));
    int sent = 0;
    for (int report = 0; report < 3; ++report) {
        session->send(gpsL1 + gpsL2 + glonass);
        for (int position = 0; position < 50; ++position, ++sent)
            session->send(gga);
        QTRY_COMPARE(epochsHandled, sent);
        QCOMPARE(table("tableGPS")->model()->rowCount(), 4);
        QCOMPARE(row("tableGPS", 0).at(2), QStringLiteral("41/31"));
        QCOMPARE(table("tableGLONASS")->model()->rowCount(), 3);
        QCOMPARE(foreground("tableGLONASS", 2, 1).value<QBrush>().color(), QColor(Qt::black));
        QCOMPARE(label("labelFixedGPS")->text(), QStringLiteral("0/4"));
    }
}

QTEST_MAIN(TestSatelliteTablesWidget)
#include "tst_satellitetableswidget.moc"
