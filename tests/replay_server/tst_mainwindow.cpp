#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>
#include <vector>

#include "appendlog.h"
#include "childof.h"
#include "connectguard.h"
#include "mainwindow.h"
#include "replaytestclient.h"
#include "typednumbers.h"

namespace {

QByteArray numberedLines(int count, int width = 0)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        QByteArray line = "$GPTXT,line " + QByteArray::number(i);
        if (line.size() < width)
            line.append(QByteArray(width - line.size(), '.'));
        bytes += line + '\n';
    }
    return bytes;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsListeningOnThePortOfItsForm();
    void timingRuleFollowsTheSpeed_data();
    void timingRuleFollowsTheSpeed();
    void oneTickPlaysItsLines_data();
    void oneTickPlaysItsLines();
    void aLateTimeoutPlaysTheTicksItMissed_data();
    void aLateTimeoutPlaysTheTicksItMissed();
    void portEditRestartsTheService();
    void onePortTypedRestartsTheServiceOnce_data();
    void onePortTypedRestartsTheServiceOnce();
    void aTextThatIsNoPortKeepsTheService_data();
    void aTextThatIsNoPortKeepsTheService();
    void typedSpeedIsTheSpeedOrRefused_data();
    void typedSpeedIsTheSpeedOrRefused();
    void cancelledDialogOnlyLogs();
    void loadingLogsItsProgressInOrder();
    void emptyFileLeavesNothingToPlay();
    void linesAreSentAsTheyWereRead_data();
    void linesAreSentAsTheyWereRead();
    void withoutLoopPlaybackStopsAfterTheLastLine();
    void jumpsMoveThePosition_data();
    void jumpsMoveThePosition();
    void pauseAndPlayGoOnFromTheNextRow();
    void aTickDuringAReloadStaysInsideTheLines_data();
    void aTickDuringAReloadStaysInsideTheLines();
    void logPaneIsClearedPastItsLimit();
    void aLongLineIsEditedWhole();
    void destroyingTheWindowWithClientsIsSafe();

private:
    template <class T> T *widget(const char *name) { return childOf<T>(window.get(), name); }
    QStringList log() { return widget<QTextEdit>("textEdit")->toPlainText().split(QLatin1Char('\n')); }
    QString writeFile(const QString &name, const QByteArray &bytes);
    void load(const QString &path);
    ReplayTestClient *connectClient(bool silent = false);
    int currentRow() { return widget<QListView>("listView")->currentIndex().row(); }
    void setSpeed(int speed);
    // Types text over the port field, as a person does, and presses Return.
    void typePort(const QString &text)
    {
        typeOver(widget<QLineEdit>("port"), text);
        QTest::keyClick(widget<QLineEdit>("port"), Qt::Key_Return);
    }
    // A port nothing listens on now.
    static quint16 freePort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> window;
    std::vector<std::unique_ptr<ReplayTestClient>> clients;
};

void TestMainWindow::initTestCase()
{
    installConnectGuard();
}

void TestMainWindow::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    window.reset(new MainWindow);
    // Tests listen on a port the system picks, so they never fight over 5001.
    typePort(QStringLiteral("0"));
    QVERIFY(window->replayServer().isListening());
}

void TestMainWindow::cleanup()
{
    clients.clear();
    window.reset();
    dir.reset();
}

QString TestMainWindow::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestMainWindow::load(const QString &path)
{
    window->setFileChooser([path] { return path; });
    widget<QPushButton>("pushButton")->click();
}

ReplayTestClient *TestMainWindow::connectClient(bool silent)
{
    Server &server = window->replayServer();
    const int before = server.clientCount();
    clients.emplace_back(new ReplayTestClient(server.serverPort()));
    ReplayTestClient *client = clients.back().get();
    if (silent)
        client->socket.setReadBufferSize(1);
    [&] { QTRY_COMPARE_WITH_TIMEOUT(server.clientCount(), before + 1, 5000); }();
    if (!silent) {
        [&] { QTRY_VERIFY_WITH_TIMEOUT(client->collect() >= 64, 5000); }();
        client->received.remove(0, 64);
    }
    return client;
}

void TestMainWindow::setSpeed(int speed)
{
    widget<QSpinBox>("speed")->setValue(speed);
    emit widget<QSpinBox>("speed")->editingFinished();
}

void TestMainWindow::startsListeningOnThePortOfItsForm()
{
    window.reset();
    QTextEdit *noPane = logPane.data();
    QVERIFY(!noPane);
    window.reset(new MainWindow);
    QCOMPARE(widget<QLineEdit>("port")->text(), QStringLiteral("5001"));
    // Whether 5001 was free or not, the start is the first thing in the log.
    QCOMPARE(log().value(0), QStringLiteral("InitFromPort: 5001"));
}

void TestMainWindow::timingRuleFollowsTheSpeed_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("lines");
    QTest::newRow("1") << 1 << 1000 << 1;
    QTest::newRow("49") << 49 << 20 << 1;
    QTest::newRow("50") << 50 << 20 << 2;
    QTest::newRow("100") << 100 << 10 << 3;
    QTest::newRow("501") << 501 << 1 << 11;
    QTest::newRow("1000") << 1000 << 1 << 21;
}

void TestMainWindow::timingRuleFollowsTheSpeed()
{
    QFETCH(int, speed);
    QFETCH(int, interval);
    QFETCH(int, lines);
    setSpeed(speed);
    QCOMPARE(window->playbackInterval(), interval);
    QCOMPARE(window->playbackLinesPerTick(), lines);

    // Starting playback applies the same rule.
    setSpeed(1);
    widget<QSpinBox>("speed")->setValue(speed);
    load(writeFile(QStringLiteral("one.log"), "x\n"));
    widget<QPushButton>("btnPlay")->click();
    QCOMPARE(window->playbackInterval(), interval);
    QCOMPARE(window->playbackLinesPerTick(), lines);
    widget<QPushButton>("btnStop")->click();
}

void TestMainWindow::oneTickPlaysItsLines_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<QList<int>>("sentRows");
    QTest::addColumn<int>("rowAfter");  // -1: no current row
    QTest::addColumn<bool>("stopped");

    const auto rows = [](int from, int to) {
        QList<int> list;
        for (int i = from; i <= to; ++i)
            list << i;
        return list;
    };
    QTest::newRow("speed 1: one line") << 1 << 10 << 4 << false << QList<int>{4} << 5 << false;
    QTest::newRow("speed 50: two lines") << 50 << 10 << 4 << false << QList<int>{4, 5} << 6 << false;
    QTest::newRow("speed 1000: 21 lines") << 1000 << 100 << 10 << false << rows(10, 30) << 31 << false;
    QTest::newRow("speed 1: the last line leaves no current row")
        << 1 << 10 << 9 << false << QList<int>{9} << -1 << false;
    QTest::newRow("speed 50: past the last line without loop stops")
        << 50 << 10 << 9 << false << QList<int>{9} << 0 << true;
    QTest::newRow("speed 50: with loop the first line follows the last")
        << 50 << 10 << 9 << true << QList<int>{9, 0} << 1 << false;
    QTest::newRow("speed 1000: the end without loop")
        << 1000 << 30 << 20 << false << rows(20, 29) << 0 << true;
    QTest::newRow("speed 1000: wraps within the tick with loop")
        << 1000 << 30 << 20 << true << rows(20, 29) + rows(0, 10) << 11 << false;
    QTest::newRow("speed 100: from the second-to-last row with loop")
        << 100 << 5 << 3 << true << QList<int>{3, 4, 0} << 1 << false;
}

void TestMainWindow::oneTickPlaysItsLines()
{
    QFETCH(int, speed);
    QFETCH(int, count);
    QFETCH(int, startRow);
    QFETCH(bool, loop);
    QFETCH(QList<int>, sentRows);
    QFETCH(int, rowAfter);
    QFETCH(bool, stopped);

    const QByteArray file = numberedLines(count);
    const QList<QByteArray> lines = file.split('\n');
    load(writeFile(QStringLiteral("tick.log"), file));
    ReplayTestClient *client = connectClient();
    setSpeed(speed);
    widget<QCheckBox>("loop")->setChecked(loop);
    QListView *list = widget<QListView>("listView");
    list->setCurrentIndex(list->model()->index(startRow, 0));
    QPushButton *play = widget<QPushButton>("btnPlay");
    play->click();

    // One tick, before the timer has had a chance to fire.
    window->playerSlot();
    QCOMPARE(play->text(), stopped ? QStringLiteral("Play") : QStringLiteral("Pause"));
    window->stopPlaybackTimer();

    QByteArray expected;
    for (int row : sentRows)
        expected += lines.at(row) + '\n';
    QTRY_COMPARE_WITH_TIMEOUT(client->collect(), expected.size(), 5000);
    QCOMPARE(client->received, expected);
    // The current row is the next line to play (after a stop, the first).
    QCOMPARE(currentRow(), rowAfter);
    QVERIFY(list->isVisibleTo(window.get()));
}

void TestMainWindow::aLateTimeoutPlaysTheTicksItMissed_data()
{
    QTest::addColumn<int>("busyMs");
    QTest::newRow("50 ms late") << 50;
    // More than the 100 ms of ticks that one timeout plays at most: the event loop gets
    // its turn again.
    QTest::newRow("300 ms late") << 300;
}

void TestMainWindow::aLateTimeoutPlaysTheTicksItMissed()
{
    QFETCH(int, busyMs);

    load(writeFile(QStringLiteral("long.log"), numberedLines(5000)));
    ReplayTestClient *client = connectClient();
    setSpeed(1000);
    QElapsedTimer clock;
    clock.start();
    widget<QPushButton>("btnPlay")->click();
    // The GUI thread is busy elsewhere (a load, a repaint on a slow machine) while
    // ticks fall due; then the timer gets one turn.
    QTest::qSleep(busyMs);
    QCoreApplication::processEvents();
    const qint64 late = clock.elapsed();
    window->stopPlaybackTimer();

    // At speed 1000 a tick of 21 lines is due every millisecond.
    const int row = currentRow();
    const int fewest = 21 * qMin(busyMs, 100);
    const int most = 21 * int(qMin<qint64>(late + 1, 100));
    QVERIFY2(row >= fewest && row <= most, qPrintable(QStringLiteral("%1 rows after %2 ms").arg(row).arg(late)));
    const QByteArray expected = numberedLines(row);
    QTRY_COMPARE_WITH_TIMEOUT(client->collect(), expected.size(), 5000);
    QCOMPARE(client->received, expected);
}

void TestMainWindow::portEditRestartsTheService()
{
    ReplayTestClient *old = connectClient();
    widget<QTextEdit>("textEdit")->clear();
    const quint16 port = freePort();
    typePort(QString::number(port));
    QCOMPARE(log(), (QStringList{QStringLiteral("CloseServer"), QStringLiteral("slotDisconnect"),
                                 QStringLiteral("InitFromPort: %1").arg(port)}));
    QVERIFY(window->replayServer().isListening());
    QCOMPARE(window->replayServer().serverPort(), port);
    QTRY_VERIFY_WITH_TIMEOUT((old->collect(), !old->connected()), 5000);
    QCOMPARE(window->replayServer().clientCount(), 0);
}

void TestMainWindow::onePortTypedRestartsTheServiceOnce_data()
{
    QTest::addColumn<QString>("after");
    // The field reports the end of editing on Return and again when it loses focus.
    QTest::newRow("Return, then a click elsewhere") << QStringLiteral("click elsewhere");
    QTest::newRow("the same port typed again") << QStringLiteral("same port");
    QTest::newRow("a click in and out of the field") << QStringLiteral("click in and out");
}

void TestMainWindow::onePortTypedRestartsTheServiceOnce()
{
    QFETCH(QString, after);
    const QByteArray file = numberedLines(1);
    load(writeFile(QStringLiteral("one.log"), file));
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QLineEdit *field = widget<QLineEdit>("port");
    QSpinBox *elsewhere = widget<QSpinBox>("speed");
    const quint16 port = freePort();
    widget<QTextEdit>("textEdit")->clear();
    QTest::mouseClick(field, Qt::LeftButton);
    QTRY_VERIFY(field->hasFocus());
    typeOver(field, QString::number(port));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(log(), (QStringList{QStringLiteral("CloseServer"), QStringLiteral("InitFromPort: %1").arg(port)}));

    // A client connects between the two ends of the edit.
    ReplayTestClient *client = connectClient();
    if (after == QLatin1String("same port")) {
        typeOver(field, QString::number(port));
        QTest::keyClick(field, Qt::Key_Return);
    } else if (after == QLatin1String("click in and out")) {
        QTest::mouseClick(elsewhere, Qt::LeftButton);
        QTRY_VERIFY(!field->hasFocus());
        QTest::mouseClick(field, Qt::LeftButton);
        QTRY_VERIFY(field->hasFocus());
    }
    QTest::mouseClick(elsewhere, Qt::LeftButton);
    QTRY_VERIFY(elsewhere->hasFocus());

    // The service was started once and keeps its client, which still gets what plays.
    QCOMPARE(log().filter(QStringLiteral("InitFromPort")).size(), 1);
    QCOMPARE(log().filter(QStringLiteral("CloseServer")).size(), 1);
    QCOMPARE(window->replayServer().serverPort(), port);
    QCOMPARE(window->replayServer().clientCount(), 1);
    widget<QPushButton>("btnPlay")->click();
    window->playerSlot();
    window->stopPlaybackTimer();
    QTRY_COMPARE_WITH_TIMEOUT(client->collect(), file.size(), 5000);
    QCOMPARE(client->received, file);
    QVERIFY(client->connected());
    QCOMPARE(field->text(), QString::number(port));
}

void TestMainWindow::aTextThatIsNoPortKeepsTheService_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("not a number") << QStringLiteral("five");
    QTest::newRow("past 16 bits, would be 5001") << QStringLiteral("70537");
    QTest::newRow("past 16 bits, would be 34463") << QStringLiteral("99999");
    QTest::newRow("negative, would be 65535") << QStringLiteral("-1");
    QTest::newRow("empty") << QString();
}

void TestMainWindow::aTextThatIsNoPortKeepsTheService()
{
    QFETCH(QString, typed);
    const quint16 port = window->replayServer().serverPort();
    ReplayTestClient *client = connectClient();
    widget<QTextEdit>("textEdit")->clear();
    typePort(typed);
    QCOMPARE(log(), QStringList{QStringLiteral("Port \"%1\" refused: not a number from 0 to 65535; "
                                               "still listening on %2").arg(typed).arg(port)});
    QVERIFY(window->replayServer().isListening());
    QCOMPARE(window->replayServer().serverPort(), port);
    QCOMPARE(window->replayServer().clientCount(), 1);
    QVERIFY(client->connected());
    QVERIFY(widget<QLineEdit>("port")->styleSheet().contains(QStringLiteral("#ffc0c0")));

    // A port typed again is taken, and the mark goes; the one in service keeps it.
    typePort(QStringLiteral("0"));
    QCOMPARE(log().last(), QStringLiteral("Port 0 kept: already listening on %1").arg(port));
    QCOMPARE(window->replayServer().clientCount(), 1);
    QVERIFY(window->replayServer().isListening());
    QVERIFY(widget<QLineEdit>("port")->styleSheet().isEmpty());
}

void TestMainWindow::typedSpeedIsTheSpeedOrRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QStringList>("logged");
    QTest::newRow("25") << "25" << 25 << QStringList{QString()};
    // Qt's own box took "1,5" as 15 and "1.5" as 15.
    const QString refused = QStringLiteral("Speed \"%1\" refused: not a whole number from 1 to 1000; still 10");
    QTest::newRow("1,5") << "1,5" << 10 << QStringList{refused.arg("1,5")};
    QTest::newRow("1.5") << "1.5" << 10 << QStringList{refused.arg("1.5")};
    QTest::newRow("1,000") << "1,000" << 10 << QStringList{refused.arg("1,000")};
}

void TestMainWindow::typedSpeedIsTheSpeedOrRefused()
{
    QFETCH(QString, typed);
    QFETCH(int, speed);
    QFETCH(QStringList, logged);
    setSpeed(10);
    QSpinBox *box = widget<QSpinBox>("speed");
    QLineEdit *edit = box->findChild<QLineEdit *>();
    widget<QTextEdit>("textEdit")->clear();
    edit->selectAll();
    QTest::keyClicks(box, typed);
    QCOMPARE(edit->text(), typed);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->value(), speed);
    QCOMPARE(log(), logged);
    QCOMPARE(box->styleSheet().contains(QStringLiteral("#ffc0c0")), speed != typed.toInt());
    // Typing again takes the mark away.
    QTest::keyClick(box, Qt::Key_Backspace);
    QVERIFY(box->styleSheet().isEmpty());
}

void TestMainWindow::cancelledDialogOnlyLogs()
{
    load(writeFile(QStringLiteral("a.log"), "a\nb\n"));
    widget<QTextEdit>("textEdit")->clear();
    window->setFileChooser([] { return QString(); });
    widget<QPushButton>("pushButton")->click();
    QCOMPARE(log(), (QStringList{QStringLiteral("OpenFile:")}));
    QCOMPARE(widget<QListView>("listView")->model()->rowCount(), 2);

    // A file that cannot be opened: the same.
    widget<QTextEdit>("textEdit")->clear();
    load(dir->filePath(QStringLiteral("missing.log")));
    QCOMPARE(log(), (QStringList{QStringLiteral("OpenFile:") + dir->filePath(QStringLiteral("missing.log"))}));
    QCOMPARE(widget<QListView>("listView")->model()->rowCount(), 2);
}

void TestMainWindow::loadingLogsItsProgressInOrder()
{
    const QString path = writeFile(QStringLiteral("2500.log"), numberedLines(2500));
    widget<QTextEdit>("textEdit")->clear();
    load(path);
    const QStringList lines = log();
    QCOMPARE(lines.mid(0, 5), (QStringList{"OpenFile:" + path, "load 1000 lines", "load 2000 lines",
                                           "all 2500 lines", "load data to QList view"}));
    QVERIFY(QRegularExpression(QStringLiteral("^elapsed time:\\d+$")).match(lines.value(5)).hasMatch());
    QCOMPARE(lines.size(), 6);
    QCOMPARE(currentRow(), 0);
    QCOMPARE(widget<QListView>("listView")->model()->index(2499, 0).data().toString(),
             QStringLiteral("$GPTXT,line 2499\n"));
}

void TestMainWindow::emptyFileLeavesNothingToPlay()
{
    widget<QTextEdit>("textEdit")->clear();
    load(writeFile(QStringLiteral("empty.log"), QByteArray()));
    QVERIFY(log().contains(QStringLiteral("all 0 lines")));
    QCOMPARE(widget<QListView>("listView")->model()->rowCount(), 0);
    QCOMPARE(currentRow(), -1);
    widget<QPushButton>("btnPlay")->click();
    QCOMPARE(widget<QPushButton>("btnPlay")->text(), QStringLiteral("Play"));
    for (const char *jump : {"btnLeft", "pushButton_2", "btnRight"})
        widget<QPushButton>(jump)->click();
    QCOMPARE(currentRow(), -1);
}

void TestMainWindow::linesAreSentAsTheyWereRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("LF") << QByteArray("$GPGGA,1\n$GPGGA,2\n") << QByteArray("$GPGGA,1\n$GPGGA,2\n");
    QTest::newRow("CR LF arrives as LF") << QByteArray("$GPGGA,1\r\n$GPGGA,2\r\n")
                                         << QByteArray("$GPGGA,1\n$GPGGA,2\n");
    QTest::newRow("last line without a line end") << QByteArray("first\r\nlast")
                                                  << QByteArray("first\nlast");
    QTest::newRow("invalid UTF-8") << QByteArray("a\xff" "b\n") << QByteArray("a\xef\xbf\xbd" "b\n");
    QTest::newRow("NUL ends the text") << QByteArray("ab\0cd\nnext\n", 11) << QByteArray("abnext\n");
    const QByteArray longText(10000, 'L');
    QTest::newRow("long line with CR LF") << longText + "\r\nx\r\n" << longText + "\nx\n";
    for (int length = 4094; length <= 4096; ++length) {
        const QByteArray text(length, 'c');
        QTest::addRow("CR LF after %d characters", length) << text + "\r\n" + text + "\r\n"
                                                          << text + "\n" + text + "\n";
    }
    QTest::newRow("long last line without a line end") << "a\n" + longText << "a\n" + longText;
}

void TestMainWindow::linesAreSentAsTheyWereRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, sent);
    load(writeFile(QStringLiteral("lines.log"), file));
    ReplayTestClient *client = connectClient();
    widget<QSpinBox>("speed")->setValue(1000);
    widget<QPushButton>("btnPlay")->click();
    QCOMPARE(widget<QPushButton>("btnPlay")->text(), QStringLiteral("Pause"));
    QTRY_COMPARE_WITH_TIMEOUT(widget<QPushButton>("btnPlay")->text(), QStringLiteral("Play"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(client->collect(), sent.size(), 5000);
    QCOMPARE(client->received, sent);
    QCOMPARE(currentRow(), 0);
}

void TestMainWindow::withoutLoopPlaybackStopsAfterTheLastLine()
{
    load(writeFile(QStringLiteral("three.log"), "one\ntwo\nthree\n"));
    ReplayTestClient *client = connectClient();
    setSpeed(1);
    widget<QPushButton>("btnRight")->click();
    QCOMPARE(currentRow(), 2);
    widget<QPushButton>("btnPlay")->click();
    QCOMPARE(widget<QPushButton>("btnPlay")->text(), QStringLiteral("Pause"));

    // The tick that sends the last line leaves no current row ...
    window->playerSlot();
    QCOMPARE(currentRow(), -1);
    QCOMPARE(widget<QPushButton>("btnPlay")->text(), QStringLiteral("Pause"));
    // ... and the next one stops, back on the first row.
    window->playerSlot();
    QCOMPARE(currentRow(), 0);
    QCOMPARE(widget<QPushButton>("btnPlay")->text(), QStringLiteral("Play"));
    QTRY_COMPARE_WITH_TIMEOUT(client->collect(), 6, 5000);
    QCOMPARE(client->received, QByteArray("three\n"));
}

void TestMainWindow::jumpsMoveThePosition_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("row");
    QTest::newRow("| of 5") << 5 << QByteArray("pushButton_2") << 2;
    QTest::newRow("| of 4") << 4 << QByteArray("pushButton_2") << 2;
    QTest::newRow("| of 1") << 1 << QByteArray("pushButton_2") << 0;
    QTest::newRow("< of 5") << 5 << QByteArray("btnLeft") << 0;
    QTest::newRow("> of 5") << 5 << QByteArray("btnRight") << 4;
}

void TestMainWindow::jumpsMoveThePosition()
{
    QFETCH(int, count);
    QFETCH(QByteArray, button);
    QFETCH(int, row);
    load(writeFile(QStringLiteral("jump.log"), numberedLines(count)));
    widget<QListView>("listView")->setCurrentIndex(QModelIndex());
    widget<QPushButton>(button.constData())->click();
    QCOMPARE(currentRow(), row);

    // Playback goes on from the new row.
    ReplayTestClient *client = connectClient();
    setSpeed(1);
    window->playerSlot();
    const QByteArray expected = numberedLines(row + 1).mid(numberedLines(row).size());
    QTRY_COMPARE_WITH_TIMEOUT(client->collect(), expected.size(), 5000);
    QCOMPARE(client->received, expected);
}

void TestMainWindow::pauseAndPlayGoOnFromTheNextRow()
{
    const int count = 40;
    load(writeFile(QStringLiteral("pause.log"), numberedLines(count)));
    ReplayTestClient *client = connectClient();
    widget<QSpinBox>("speed")->setValue(100);
    QPushButton *play = widget<QPushButton>("btnPlay");
    play->click();
    QTRY_VERIFY_WITH_TIMEOUT(currentRow() >= 6, 5000);
    play->click();
    QCOMPARE(play->text(), QStringLiteral("Play"));
    const int pausedAt = currentRow();
    QVERIFY(pausedAt > 0 && pausedAt < count);
    const QByteArray sentSoFar = numberedLines(pausedAt);
    QTRY_COMPARE_WITH_TIMEOUT(client->collect(), sentSoFar.size(), 5000);
    QCOMPARE(currentRow(), pausedAt);

    play->click();
    QCOMPARE(play->text(), QStringLiteral("Pause"));
    QTRY_COMPARE_WITH_TIMEOUT(play->text(), QStringLiteral("Play"), 10000);
    const QByteArray all = numberedLines(count);
    QTRY_COMPARE_WITH_TIMEOUT(client->collect(), all.size(), 5000);
    QCOMPARE(client->received, all);
}

void TestMainWindow::aTickDuringAReloadStaysInsideTheLines_data()
{
    QTest::addColumn<bool>("loop");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("loop on wraps to the new first line") << true << QByteArray("$GPTXT,line 0\n");
    QTest::newRow("loop off stops") << false << QByteArray();
}

void TestMainWindow::aTickDuringAReloadStaysInsideTheLines()
{
    QFETCH(bool, loop);
    QFETCH(QByteArray, sent);
    load(writeFile(QStringLiteral("old.log"), QByteArray("old line\n").repeated(5000)));
    widget<QPushButton>("btnRight")->click();
    QCOMPARE(currentRow(), 4999);
    widget<QCheckBox>("loop")->setChecked(loop);
    ReplayTestClient *client = connectClient();
    setSpeed(1);

    // A tick that comes while the loader lets events run: only 1000 new lines are stored,
    // while the list still shows the 5000 old ones.
    bool ticked = false;
    QTextEdit *pane = widget<QTextEdit>("textEdit");
    QMetaObject::Connection hook = connect(pane, &QTextEdit::textChanged, this, [&] {
        if (!ticked && pane->toPlainText().endsWith(QLatin1String("load 1000 lines"))) {
            ticked = true;
            window->playerSlot();
        }
    });
    load(writeFile(QStringLiteral("new.log"), numberedLines(3000)));
    disconnect(hook);
    QVERIFY(ticked);
    QCOMPARE(widget<QListView>("listView")->model()->rowCount(), 3000);

    // Whatever it sent came from the new lines, and nothing more.
    // The reply to a frame follows everything played before it on the same connection.
    client->socket.write(makeReplayFrame(QStringLiteral("sync")));
    const int replySize = 2 + 8 + 2 * QStringLiteral("Server Response: Received \"sync\"").size();
    QTRY_COMPARE_WITH_TIMEOUT(client->collect(), sent.size() + replySize, 5000);
    QCOMPARE(client->received.left(sent.size()), sent);
    client->received.remove(0, sent.size());
    QTRY_COMPARE_WITH_TIMEOUT(client->pollFrames(), 1, 5000);
    QCOMPARE(client->frames.at(0).text, QStringLiteral("Server Response: Received \"sync\""));
}

void TestMainWindow::logPaneIsClearedPastItsLimit()
{
    QTextEdit *pane = widget<QTextEdit>("textEdit");
    pane->setPlainText(QString(24000, QLatin1Char('x')));
    appendLog(QStringLiteral("kept"));
    QCOMPARE(pane->toPlainText(), QString(24000, QLatin1Char('x')) + QStringLiteral("\nkept"));

    pane->setPlainText(QString(24001, QLatin1Char('x')));
    appendLog(QStringLiteral("fresh"));
    QCOMPARE(pane->toPlainText(), QStringLiteral("fresh"));
}

void TestMainWindow::aLongLineIsEditedWhole()
{
    // A row draws only the start of a long line; its editor still holds all of it.
    const QByteArray line = "$RAW," + QByteArray(20000, 'x');
    load(writeFile(QStringLiteral("raw.log"), line + "\nshort\n"));
    QListView *list = widget<QListView>("listView");
    window->show();
    list->setFocus();
    list->edit(list->model()->index(0, 0));
    QLineEdit *editor = list->findChild<QLineEdit *>();
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString::fromLatin1(line + '\n'));
    window->hide();
}

void TestMainWindow::destroyingTheWindowWithClientsIsSafe()
{
    load(writeFile(QStringLiteral("d.log"), numberedLines(1000)));
    ReplayTestClient *a = connectClient();
    ReplayTestClient *b = connectClient();
    setSpeed(1000);
    widget<QPushButton>("btnPlay")->click();
    QTRY_VERIFY_WITH_TIMEOUT(a->collect() > 0, 5000);
    window.reset();
    QVERIFY(logPane.isNull());
    appendLog(QStringLiteral("nowhere"));
    QTRY_VERIFY_WITH_TIMEOUT((a->collect(), b->collect(), !a->connected() && !b->connected()), 5000);
    // What did arrive is whole lines from the start, in order.
    const QByteArray all = numberedLines(1000);
    QVERIFY(all.startsWith(a->received));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
