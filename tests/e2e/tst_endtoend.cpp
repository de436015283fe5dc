#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextBlock>
#include <QtTest>

#include <memory>

#include "../app/shellfixture.h"
#include "aircraftfrontviewgritem.h"
#include "aircraftsideviewgritem.h"
#include "arrowgritem.h"
#include "axeswidget.h"
#include "baseinfowidget.h"
#include "connectguard.h"
#include "controller.h"
#include "coordinateswidget.h"
#include "geocoordinate.h"
#include "mainwindow.h"
#include "nmealogwidget.h"
#include "plotview.h"
#include "plotwidget.h"
#include "readerproxy.h"
#include "replaypeer.h"
#include "screenshot.h"
#include "skyview.h"
#include "skyviewwidget.h"
#include "snrview.h"
#include "snrwidget.h"
#include "trackview.h"
#include "trackwidget.h"
#include "workspacedriver.h"

using namespace workspacedriver;

namespace {

// What the log itself says, read here with a checksum test of its own.
struct LogFacts
{
    QList<QByteArray> lines;
    QList<QByteArray> lastGga;      // fields of the last sound GGA with a fix
    QList<QByteArray> lastHdg;      // fields of the last sound HDG with a status
    int fixes = 0;                  // sound GGA lines with a fix
    // The last complete first-band GSV series of each talker: number -> C/No (-1 none).
    QMap<QByteArray, QMap<int, int>> firstBand;
    // The same of the second band (numbers 64 to 127), by the satellite's own number.
    QMap<QByteArray, QMap<int, int>> secondBand;
};

bool soundLine(const QByteArray &line, QList<QByteArray> *fields)
{
    QByteArray text = line.trimmed();
    if (!text.startsWith('$') || text.count('$') != 1)
        return false;
    const int star = text.indexOf('*');
    if (star < 0 || star + 3 != text.size())
        return false;
    quint8 sum = 0;
    for (int i = 1; i < star; ++i)
        sum ^= quint8(text.at(i));
    bool ok = false;
    if (text.mid(star + 1).toUInt(&ok, 16) != sum || !ok)
        return false;
    *fields = text.mid(1, star - 1).split(',');
    return true;
}

LogFacts readFacts(const QList<QByteArray> &lines)
{
    LogFacts facts;
    facts.lines = lines;
    QMap<QByteArray, QMap<int, int>> series;
    for (const QByteArray &line : lines) {
        QList<QByteArray> f;
        if (!soundLine(line, &f))
            continue;
        const QByteArray type = f.at(0).mid(2);
        const QByteArray talker = f.at(0).left(2);
        if (type == "GGA" && f.value(6) != "0") {
            facts.lastGga = f;
            ++facts.fixes;
        } else if (type == "HDG" && f.value(7) != "0") {
            facts.lastHdg = f;
        } else if (type == "GSV") {
            const int total = f.value(1).toInt();
            const int number = f.value(2).toInt();
            // A series is of one band: its first number says which.
            const int band = f.value(4).toInt() / 64;
            const QByteArray key = talker + QByteArray::number(band);
            if (number == 1)
                series[key].clear();
            for (int i = 4; i + 3 < f.size(); i += 4)
                series[key][f.at(i).toInt() - 64 * band] = f.at(i + 3).isEmpty() ? -1 : f.at(i + 3).toInt();
            if (number == total && band == 0)
                facts.firstBand[talker] = series[key];
            if (number == total && band == 1)
                facts.secondBand[talker] = series[key];
        }
    }
    return facts;
}

double nmeaDegrees(const QByteArray &field)
{
    const double value = field.toDouble();
    const double degrees = std::floor(value / 100);
    return degrees + (value - degrees * 100) / 60;
}

// The first minute of the sample: every line before the epoch of 09:31:00.00.
QList<QByteArray> firstMinute(const QList<QByteArray> &all)
{
    QList<QByteArray> lines;
    for (const QByteArray &line : all) {
        if (line.startsWith("$GNGGA,093100.00,"))
            break;
        lines.append(line);
    }
    return lines;
}

QSet<int> numbersOf(const QVector<SatelliteInfo> &satellites)
{
    QSet<int> numbers;
    for (const SatelliteInfo &s : satellites)
        numbers.insert(s.number);
    return numbers;
}

QSet<int> keysOf(const QMap<int, int> &map)
{
    QSet<int> keys;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        keys.insert(it.key());
    return keys;
}

QSet<int> tableNumbers(QTableView *table)
{
    QSet<int> numbers;
    QAbstractItemModel *model = table->model();
    for (int row = 0; row < model->rowCount(); ++row)
        numbers.insert(model->index(row, 1).data().toInt());
    return numbers;
}

template <class T>
T *pictureIn(QGraphicsView *view)
{
    for (QGraphicsItem *item : view->scene()->items()) {
        if (auto *picture = dynamic_cast<T *>(item))
            return picture;
    }
    return nullptr;
}

// The picture has turned to the angle (give or take whole turns).
bool turnedTo(QGraphicsItem *picture, double angle)
{
    const double d = std::fmod(picture->rotation() - angle, 360.0);
    return qAbs(d) < 0.001 || qAbs(qAbs(d) - 360.0) < 0.001;
}

} // namespace

// polvane as a user meets it without a receiver: the sample log played the way
// replay_server plays it, the connection screen filled in for TCP 127.0.0.1 and NMEA,
// every window of the workspace shown, and each showing what the log says.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void aRecordedMinuteShowsInEveryWindow();
    void disconnectReturnsToTheConnectionScreen();

private:
    // Connects a fresh main window to the peer and shows every window of the workspace.
    DisplayContainerWidget *openSession();
    // Plays the peer's lines at replay_server's top speed and waits until polvane has
    // taken every byte.
    void playToTheEnd();

    ShellFixture shell;
    std::unique_ptr<ReplayPeer> peer;
    std::unique_ptr<MainWindow> window;
    qint64 delivered = 0;
};

void TestEndToEnd::initTestCase()
{
    installConnectGuard();
}

void TestEndToEnd::init()
{
    QVERIFY(shell.enter());
    peer = std::make_unique<ReplayPeer>();
    ReplayPeer sample;
    QVERIFY(sample.loadFile(QStringLiteral(POLVANE_SAMPLE_LOG)));
    peer->setLines(firstMinute(sample.lines()));
    QVERIFY(peer->lines().size() > 7000);
    QVERIFY(peer->listen());
    delivered = 0;
}

void TestEndToEnd::cleanup()
{
    // A workspace has no parent: the program ends when it closes, a test deletes it.
    qDeleteAll(workspaces());
    window.reset();
    processDeferredDeletes();
    peer.reset();
    shell.leave();
}

DisplayContainerWidget *TestEndToEnd::openSession()
{
    window = std::make_unique<MainWindow>();
    window->show();
    // The connection screen as the README shows it, before Connect.
    child<QRadioButton>(window.get(), "rBtnSocket")->click();
    child<QLineEdit>(window.get(), "editHostAddress")->setText(QStringLiteral("127.0.0.1"));
    child<QLineEdit>(window.get(), "editPort")->setText(QStringLiteral("5001"));
    saveScreenshot(window.get(), QStringLiteral("endtoend_connection.png"));

    DisplayContainerWidget *workspace = connectOverTcp(window.get(), QStringLiteral("127.0.0.1"), peer->port());
    if (!workspace)
        return nullptr;
    Controller *controller = window->findChild<Controller *>();
    connect(controller->reader(), &iReader::dataRead, this,
            [this](const QByteArray &data) { delivered += data.size(); });
    showEveryWindow(workspace);
    return workspace;
}

void TestEndToEnd::playToTheEnd()
{
    qint64 bytes = 0;
    for (const QByteArray &line : peer->lines())
        bytes += line.size();
    QSignalSpy finished(peer.get(), &ReplayPeer::playbackFinished);
    peer->setSpeed(1000);
    peer->play();
    QVERIFY(finished.wait(120000));
    // The greeting frame of the replay service comes first.
    QTRY_VERIFY_WITH_TIMEOUT(delivered >= bytes + 64, 60000);
    QCOMPARE(peer->droppedClients(), 0);
}

void TestEndToEnd::aRecordedMinuteShowsInEveryWindow()
{
    const LogFacts log = readFacts(peer->lines());
    QVERIFY(!log.lastGga.isEmpty() && !log.lastHdg.isEmpty());
    QCOMPARE(log.firstBand.keys(), (QList<QByteArray>{"GA", "GB", "GL", "GP"}));

    DisplayContainerWidget *workspace = openSession();
    QVERIFY(workspace);
    QCOMPARE(visibleWindowCount(workspace), 11);
    playToTheEnd();

    // Message log: the lines as they came, the last one last.
    auto *messages = child<QPlainTextEdit>(monitor<NMEALogWidget>(workspace), "editMessages");
    const QByteArray lastLine = log.lines.last().trimmed();
    QTRY_COMPARE(messages->document()->lastBlock().previous().text(), QString::fromLatin1(lastLine));

    // General information: the last GGA's position, quality and dilution.
    auto *info = monitor<BaseInfoWidget>(workspace);
    const QList<QByteArray> &gga = log.lastGga;
    const GeoCoordinate position(nmeaDegrees(gga.at(2)), 0, nmeaDegrees(gga.at(4)), 3, gga.at(9).toDouble());
    // The window writes its newest values once per frame: all of them in the same one.
    QTRY_COMPARE(child<QLineEdit>(info, "editLatitude")->text(), position.latitudeText());
    QCOMPARE(child<QLineEdit>(info, "editLongitude")->text(), position.longitudeText());
    QCOMPARE(child<QLineEdit>(info, "editAltitude")->text(), position.heightText());
    QCOMPARE(child<QLineEdit>(info, "editQuality")->text(), QString::fromLatin1(gga.at(6)));
    QCOMPARE(child<QLineEdit>(info, "editHDOP")->text(), QString::number(gga.at(8).toDouble(), 'f', 1));
    QCOMPARE(child<QLineEdit>(info, "editDate")->text(), QStringLiteral("14.03.26"));
    QVERIFY(child<QLineEdit>(info, "editUTC")->text().startsWith(QStringLiteral("09:30:")));
    QCOMPARE(child<QLineEdit>(info, "editLatitude")->styleSheet(), QStringLiteral("color: black"));

    // Satellite tables, sky view and C/No bars: the satellites of each system's last
    // first-band series, with their densities in both bands: the second is the band the
    // receiver's signal plan tracks (GPS L2, GLONASS F2, Galileo E5b, BeiDou B2).
    const struct {
        const char *talker;
        SatNavSysEnum system;
        const char *table;
        const char *bars;
    } systems[] = {{"GP", NavSysGPS, "tableGPS", "snrViewGPS"},
                   {"GL", NavSysGLONASS, "tableGLONASS", "snrViewGLONASS"},
                   {"GA", NavSysGalileo, "tableGalileo", "snrViewGalileo"},
                   {"GB", NavSysBeiDou, "tableBeiDou", "snrViewBeiDou"}};
    auto *sky = child<SkyView>(monitor<SkyViewWidget>(workspace), "skyView");
    auto *snr = monitor<SnrWidget>(workspace);
    for (const auto &s : systems) {
        auto *bars = child<SnrView>(snr, s.bars);
        const QMap<int, int> &expected = log.firstBand.value(s.talker);
        QCOMPARE(tableNumbers(child<QTableView>(info, s.table)), keysOf(expected));
        QCOMPARE(numbersOf(sky->satellitesOf(s.system)), keysOf(expected));
        QCOMPARE(numbersOf(bars->satelliteData()), keysOf(expected));
        const QMap<int, int> &second = log.secondBand.value(s.talker);
        QVERIFY(!second.isEmpty());
        for (const SatelliteInfo &bar : bars->satelliteData()) {
            QCOMPARE(int(bar.snr1), expected.value(bar.number));
            QCOMPARE(int(bar.snr2), second.value(bar.number, -1));
        }
        const auto text = [](int density) { return density < 0 ? QStringLiteral("-") : QString::number(density); };
        QAbstractItemModel *table = child<QTableView>(info, s.table)->model();
        for (int row = 0; row < table->rowCount(); ++row) {
            const int number = table->index(row, 1).data().toInt();
            QCOMPARE(table->index(row, 2).data().toString(),
                     text(expected.value(number)) + QLatin1Char('/') + text(second.value(number, -1)));
        }
    }
    saveDrawnScreenshot(snr, QStringLiteral("snrwidget_sample.png"));
    saveDrawnScreenshot(child<QTableView>(info, "tableGPS"), QStringLiteral("baseinfowidget_gpstable_sample.png"));

    // Plot and track: one point for every sound fix of the log, the newest at its time.
    auto *plot = child<PlotView>(monitor<PlotWidget>(workspace), "plotUDWidget");
    QCOMPARE(plot->pointCount(), log.fixes);
    const double t = gga.at(1).toDouble();
    const double secondsOfDay = std::floor(t / 10000) * 3600 + std::floor(std::fmod(t, 10000) / 100) * 60
                                + std::fmod(t, 100);
    QVERIFY(qAbs(plot->pointAt(plot->pointCount() - 1).x() - secondsOfDay) < 0.001);
    auto *track = child<TrackView>(monitor<TrackWidget>(workspace), "trackView");
    QCOMPARE(track->pointCount(), log.fixes);
    // A standing receiver: the track stays within a few metres of its mean.
    const QPointF last = track->pointAt(track->pointCount() - 1);
    QVERIFY2(qAbs(last.x()) < 10 && qAbs(last.y()) < 10, qPrintable(QStringLiteral("%1 %2").arg(last.x()).arg(last.y())));

    // Course: the pictures turn to the last attitude of HDG (yaw, pitch drawn nose up,
    // roll), and its solution status.
    auto *course = monitor<AxesWidget>(workspace);
    auto *arrow = pictureIn<ArrowGrItem>(child<QGraphicsView>(course, "graphicsCourse"));
    auto *side = pictureIn<AircraftSideViewGrItem>(child<QGraphicsView>(course, "graphicsPitch"));
    auto *front = pictureIn<AircraftFrontViewGrItem>(child<QGraphicsView>(course, "graphicsRoll"));
    QVERIFY(arrow && side && front);
    QTRY_VERIFY(turnedTo(arrow, log.lastHdg.at(2).toDouble()));
    QTRY_VERIFY(turnedTo(side, -log.lastHdg.at(3).toDouble()));
    QTRY_VERIFY(turnedTo(front, log.lastHdg.at(4).toDouble()));
    QCOMPARE(child<QLineEdit>(course, "editStsPOS")->text(), QStringLiteral("FIX"));

    // Coordinates: the binary solution records are not in an NMEA log, so it shows nothing.
    for (QLineEdit *edit : monitor<CoordinatesWidget>(workspace)->findChildren<QLineEdit *>())
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));

    saveDrawnScreenshot(workspace, QStringLiteral("endtoend_workspace.png"));
}

void TestEndToEnd::disconnectReturnsToTheConnectionScreen()
{
    QPointer<DisplayContainerWidget> workspace = openSession();
    QVERIFY(workspace);
    peer->setSpeed(1000);
    peer->play();
    QTRY_VERIFY(delivered > 100000);

    // In the middle of the stream.
    child<QAction>(workspace, "actionDisconnect")->trigger();
    QTRY_VERIFY(workspace.isNull());
    QTRY_VERIFY(window->isVisible());
    QTRY_COMPARE(peer->clientCount(), 0);
    QVERIFY(shell.boxes.isEmpty());
    // The screen is as the user left it, ready to connect again.
    QVERIFY(child<QRadioButton>(window.get(), "rBtnSocket")->isChecked());
    QCOMPARE(child<QLineEdit>(window.get(), "editHostAddress")->text(), QStringLiteral("127.0.0.1"));
    QVERIFY(child<QPushButton>(window.get(), "btnConnect")->isEnabled());
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
