// The interface page against a receiver that keeps its settings in a table. The page
// restarts the program's link on every Save; on the socket link of most of these tests
// that restart is a new connection to the receiver. Only a serial link follows a new
// rate of the receiver's own UART: that is tried on a pseudo-terminal.
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "boxrecorder.h"
#include "connectguard.h"
#include "controller.h"
#include "hexbytes.h"
#include "interfacewidget.h"
#include "parserproxy.h"
#include "pagefixture.h"
#include "ptyframes.h"
#include "russiancatalogue.h"
#include "screenshot.h"
#include "readerproxy.h"
#include "settingsdialogs.h"

namespace {

const QList<QByteArray> getters = {
    hex("214e030200000512"), commandFrame(3, 0x03), commandFrame(3, 0x04),
    commandFrame(3, 0x05),   commandFrame(3, 0x06), commandFrame(3, 0x07),
    commandFrame(3, 0x0B),   commandFrame(3, 0x0C), hex("214e030d00001033")};

// Rates of UART1 to UART4, the three roles, the data format and the transport delay.
const QStringList benchValues = {"115200", "460800", "9600", "9600", "1", "2", "4", "RTCM3", "40000"};

// The receiver's settings table at the far end of a pseudo-terminal: the page on a
// serial link. Each frame heard is kept with the rate the program's port had then.
class PtyTable
{
public:
    explicit PtyTable(Controller *controller)
        : frames([this](const QByteArray &frame) { answer(frame); })
        , pty(frames.pty)
        , controller(controller)
    {
    }

    PtyFrames frames;
    PtyPair &pty;
    QHash<int, QByteArray> stored;
    QSet<int> refused;
    QList<QPair<QByteArray, int>> heard;

    int count(const QByteArray &frame) const
    {
        int n = 0;
        for (const QPair<QByteArray, int> &h : heard)
            n += h.first == frame ? 1 : 0;
        return n;
    }
    int rateOf(const QByteArray &frame, int occurrence) const
    {
        for (const QPair<QByteArray, int> &h : heard) {
            if (h.first == frame && occurrence-- == 0)
                return h.second;
        }
        return -1;
    }

private:
    void answer(const QByteArray &frame)
    {
        QString port;
        int rate = 0;
        controller->reader()->serialSettings(port, rate);
        heard.append({frame, rate});
        const int sub = quint8(frame.at(3));
        const int key = quint8(frame.at(2)) << 8 | sub;
        if (refused.contains(key)) {
            pty.write(ScriptedReceiver::frame(0, 0, {}));
        } else if (sub < 0x80 && stored.contains(key)) {
            pty.write(ScriptedReceiver::frame(0, 2, stored.value(key)));
        } else if (sub >= 0x80) {
            stored.insert(key - 0x80, frame.mid(6, frame.size() - 8));
            pty.write(ScriptedReceiver::frame(0, 1, {}));
        } else {
            pty.write(ScriptedReceiver::frame(0, 0, {}));
        }
    }

    Controller *controller;
};

} // namespace

class TestInterfaceWidget : public QObject, public PageFixture<InterfaceWidget>,
                                public BoxRecorder<SettingsDialogs>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openingAsksNineEachAfterTheAnswer();
    void unchangedSaveRestartsTheLinkAndReadsNineAgain();
    void otherUartRateSendsOneSetter();
    void ownUartRateMovesTheLinkAndWaits_data();
    void ownUartRateMovesTheLinkAndWaits();
    void navigationPortChangeTellsUartChanged();
    void settersGoOutOneAfterTheOther();
    void roleWithoutButtonSendsNoUart();
    void refusedNchnReopensOnlyAtARealRate_data();
    void refusedNchnReopensOnlyAtARealRate();
    void serialLinkFollowsItsOwnUart_data();
    void serialLinkFollowsItsOwnUart();
    void emptiedRateAndUnknownFormatSendNothing();
    void delayBeyondSixteenBitsIsNotSent();
    void typedNumberGoesOutAsTypedOrNotAtAll_data();
    void typedNumberGoesOutAsTypedOrNotAtAll();
    void russianTexts();

    void screenshot();
private:
    QComboBox *combo(const QString &name) const { return page->findChild<QComboBox *>(name); }
    QRadioButton *radio(const QString &name) const { return page->findChild<QRadioButton *>(name); }
    void click(const char *name) const { page->findChild<QPushButton *>(name)->click(); }
    void typeRate(int uart, const QString &rate) const
    {
        QComboBox *box = combo(QString("comBoxUart%1").arg(uart));
        box->clearEditText();
        QTest::keyClicks(box, rate);
    }
    static QString checkedOf(const QList<QRadioButton *> &buttons)
    {
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons.at(i)->isChecked())
                return QString::number(i + 1);
        }
        return QString();
    }
    QList<QRadioButton *> group(const char *prefix) const
    {
        QList<QRadioButton *> out;
        for (int i = 1; i <= 4; ++i)
            out.append(radio(QString("%1UART%2").arg(prefix).arg(i)));
        return out;
    }
    QStringList shown() const
    {
        return {combo("comBoxUart1")->currentText(), combo("comBoxUart2")->currentText(),
                combo("comBoxUart3")->currentText(), combo("comBoxUart4")->currentText(),
                checkedOf(group("radBtnNmeaBinary")), checkedOf(group("radBtnRawData")),
                checkedOf(group("radBtnBaseData")), combo("comBoxBaseStation")->currentText(),
                page->findChild<QLineEdit *>("editTransportDelay")->text()};
    }
    // When command i reached the receiver, in ms since init.
    qint64 stamp(int index) const { return stamps.value(index, -1); }
    int indexOf(const QByteArray &frame, int from = 0) const
    {
        const QList<ScriptedReceiver::Command> commands = session->receiver.commands();
        for (int i = from; i < commands.size(); ++i) {
            if (commands.at(i).frame == frame)
                return i;
        }
        return -1;
    }
    void openPage();

    std::unique_ptr<QSignalSpy> connections;
    std::unique_ptr<QSignalSpy> baudRateMaster;
    QElapsedTimer clock;
    QHash<int, qint64> stamps;
};

void TestInterfaceWidget::initTestCase()
{
    installConnectGuard();
    recordBoxes();
}

void TestInterfaceWidget::init()
{
    boxes.clear();
    stamps.clear();
    clock.start();
    QVERIFY(openSession());
    connect(&session->receiver, &ScriptedReceiver::commandReceived, this,
            [this](int index) { stamps.insert(index, clock.elapsed()); });
    SettingsTableReceiver &table = session->table;
    table.store(3, 0x02, hex("00c20100"));
    table.store(3, 0x03, hex("00080700"));
    table.store(3, 0x04, hex("80250000"));
    table.store(3, 0x05, hex("80250000"));
    table.store(3, 0x06, hex("01"));
    table.store(3, 0x07, hex("02"));
    table.store(3, 0x0B, hex("04"));
    table.store(3, 0x0C, hex("02"));
    table.store(3, 0x0D, hex("409c"));
    connections = std::make_unique<QSignalSpy>(&session->receiver, SIGNAL(clientConnected()));
    baudRateMaster = std::make_unique<QSignalSpy>(session->controller->reader(), SIGNAL(displayBaudRateMaster(bool)));
    makePage();
}

void TestInterfaceWidget::cleanup()
{
    page.reset();
    baudRateMaster.reset();
    connections.reset();
    session.reset();
}

void TestInterfaceWidget::openPage()
{
    readPage();
    QVERIFY(session->settle());
    session->table.clearRecord();
    stamps.clear();
}

void TestInterfaceWidget::openingAsksNineEachAfterTheAnswer()
{
    QVERIFY(combo("comBoxUart1")->isEditable());
    QCOMPARE(combo("comBoxUart1")->count(), 7);
    QCOMPARE(combo("comBoxUart4")->itemText(6), QString("460800"));
    QCOMPARE(shown(), QVector<QString>(9).toList());
    QVERIFY(!radio("radBtnNmeaBinaryUART4")->isEnabled());
    QVERIFY(!radio("radBtnBaseDataUART3")->isEnabled());
    QVERIFY(radio("radBtnBaseDataUART4")->isEnabled());
    // Every answer comes 60 ms late; UART4's as the receiver's own reply frame.
    for (quint8 getter : {0x02, 0x03, 0x04, 0x06, 0x07, 0x0B, 0x0C, 0x0D})
        session->table.answerLate(3, getter, 60);
    session->table.forget(3, 0x05);
    session->receiver.answerAlways(3, 0x05,
                                   ScriptedReceiver::late(ScriptedReceiver::raw(hex("214e0002040080250000" "ab97")), 60));
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    for (int i = 1; i < getters.size(); ++i)
        QVERIFY2(stamp(i) - stamp(i - 1) >= 55, qPrintable(QString("request %1").arg(i)));
    // The transport delay is unsigned: 0x9C40 is 40000 ms.
    QCOMPARE(shown(), benchValues);
}

void TestInterfaceWidget::unchangedSaveRestartsTheLinkAndReadsNineAgain()
{
    openPage();
    QCOMPARE(shown(), benchValues);
    QCOMPARE(connections->count(), 0);
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(connections->count(), 1);
    QCOMPARE(baudRateMaster->count(), 0);
    QCOMPARE(shown(), benchValues);
}

void TestInterfaceWidget::otherUartRateSendsOneSetter()
{
    openPage();
    typeRate(4, "115200");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{hex("214e0385040000c20100" "5021")} + getters);
    QCOMPARE(baudRateMaster->count(), 0);
    QCOMPARE(connections->count(), 1);
    QCOMPARE(combo("comBoxUart4")->currentText(), QString("115200"));
}

void TestInterfaceWidget::ownUartRateMovesTheLinkAndWaits_data()
{
    QTest::addColumn<QByteArray>("nchnReply");
    QTest::addColumn<int>("uart");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QByteArray>("setter");
    QTest::addColumn<bool>("own");
    QTest::newRow("nchn 2, UART2") << hex("214e0002010002" "050d") << 2 << "460800"
                                   << hex("214e038304000008070099ee") << true;
    QTest::newRow("nchn 2, UART1") << hex("214e0002010002" "050d") << 1 << "460800"
                                   << commandFrame(3, 0x82, hex("00080700")) << false;
    QTest::newRow("nchn 1, UART1") << ScriptedReceiver::frame(0, 2, hex("01")) << 1 << "460800"
                                   << commandFrame(3, 0x82, hex("00080700")) << true;
}

void TestInterfaceWidget::ownUartRateMovesTheLinkAndWaits()
{
    QFETCH(QByteArray, nchnReply);
    QFETCH(int, uart);
    QFETCH(QString, rate);
    QFETCH(QByteArray, setter);
    QFETCH(bool, own);
    session->table.forget(3, 0x06);
    session->receiver.answerAlways(3, 0x06, ScriptedReceiver::raw(nchnReply));
    // Every UART starts at 115200 here.
    for (quint8 getter = 0x02; getter <= 0x05; ++getter)
        session->table.store(3, getter, hex("00c20100"));
    openPage();
    typeRate(uart, rate);
    click("btnSave");
    // The wait runs outside the engine's queue: settle only once the read-back is out.
    QTRY_COMPARE_WITH_TIMEOUT(session->table.frames().size(), getters.size() + 1, 3000);
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{setter} + getters);
    const int setterAt = indexOf(setter);
    const int firstGetter = indexOf(getters.first(), setterAt);
    // A socket link is not restarted for the new rate: the one new connection is the
    // Save's.
    QCOMPARE(connections->count(), 1);
    if (own) {
        // The general information window is told, and the receiver gets 500 ms to switch.
        QCOMPARE(baudRateMaster->count(), 1);
        QCOMPARE(baudRateMaster->at(0).at(0).toBool(), true);
        QVERIFY2(stamp(firstGetter) - stamp(setterAt) >= 500,
                 qPrintable(QString("%1 ms").arg(stamp(firstGetter) - stamp(setterAt))));
    } else {
        QCOMPARE(baudRateMaster->count(), 0);
    }
}

void TestInterfaceWidget::navigationPortChangeTellsUartChanged()
{
    openPage();
    radio("radBtnNmeaBinaryUART3")->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{hex("214e03860100038d2f")} + getters);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Information);
    QCOMPARE(boxes.at(0).title, QString("Information"));
    QCOMPARE(boxes.at(0).text, QString("UART changed"));
    QCOMPARE(shown().at(4), QString("3"));
    // The same port again: acknowledged without a word.
    radio("radBtnNmeaBinaryUART3")->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(boxes.size(), 1);
}

void TestInterfaceWidget::settersGoOutOneAfterTheOther()
{
    openPage();
    // A refused UART1 rate is read again before the sequence goes on to UART3: the
    // page sends the next rate only once the receiver answered the one before.
    session->table.refuse(3, 0x82);
    typeRate(1, "57600");
    typeRate(3, "19200");
    radio("radBtnRawDataUART3")->click();
    radio("radBtnNmeaBinaryUART2")->click();
    combo("comBoxBaseStation")->setCurrentIndex(0);
    page->findChild<QLineEdit *>("editTransportDelay")->setText("50");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({commandFrame(3, 0x8C, hex("01")), commandFrame(3, 0x8D, hex("3200")),
                                commandFrame(3, 0x82, hex("00e10000")), commandFrame(3, 0x02),
                                commandFrame(3, 0x84, hex("004b0000")), commandFrame(3, 0x87, hex("03")),
                                commandFrame(3, 0x86, hex("02"))})
                 + getters);
    QCOMPARE(shown(), QStringList({"115200", "460800", "19200", "9600", "2", "3", "4", "OEMv4 Novatel", "50"}));
    QCOMPARE(boxes.size(), 1);
}

void TestInterfaceWidget::roleWithoutButtonSendsNoUart()
{
    // UARTs the page has no button for: no button is checked, and no role goes out as
    // -1 (0xFF).
    session->table.store(3, 0x06, hex("07"));
    session->table.store(3, 0x07, hex("05"));
    session->table.store(3, 0x0B, hex("00"));
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(shown().mid(4, 3), QStringList({"", "", ""}));
    session->table.clearRecord();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(boxes.size(), 0);
}

void TestInterfaceWidget::refusedNchnReopensOnlyAtARealRate_data()
{
    QTest::addColumn<bool>("rateKnown");
    QTest::newRow("UART3 at 9600") << true;
    QTest::newRow("UART3 rate unknown") << false;
}

void TestInterfaceWidget::refusedNchnReopensOnlyAtARealRate()
{
    QFETCH(bool, rateKnown);
    if (!rateKnown)
        session->table.refuse(3, 0x04, SettingsTableReceiver::always);
    openPage();
    session->table.refuse(3, 0x86);
    radio("radBtnNmeaBinaryUART3")->click();
    click("btnSave");
    QVERIFY(session->settle());
    // nchn is asked again; its answer would re-open a serial port at the rate typed for
    // the chosen UART (see serialLinkFollowsItsOwnUart); the socket link stays as it is.
    QCOMPARE(session->table.frames(3, 0x86), QList<QByteArray>{commandFrame(3, 0x86, hex("03"))});
    QCOMPARE(session->table.count(3, 0x06), 2);
    QCOMPARE(connections->count(), 1);
    QCOMPARE(baudRateMaster->count(), 0);
    QCOMPARE(boxes.size(), 0);
    QCOMPARE(shown().at(4), QString("1"));
}

void TestInterfaceWidget::serialLinkFollowsItsOwnUart_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("uart3Known");
    QTest::addColumn<int>("newRate");
    QTest::addColumn<int>("told");
    // The receiver talks through UART1 at 115200 (nchn 1).
    QTest::newRow("UART1 rate changed") << "uart1" << true << 460800 << 1;
    QTest::newRow("refused move to UART3 at 9600") << "nchn" << true << 9600 << 0;
    QTest::newRow("refused move to UART3, rate unknown") << "nchn" << false << 115200 << 0;
}

void TestInterfaceWidget::serialLinkFollowsItsOwnUart()
{
    QFETCH(QString, change);
    QFETCH(bool, uart3Known);
    QFETCH(int, newRate);
    QFETCH(int, told);
    // The page goes before the Controller it queues requests on.
    page.reset();
    Controller controller;
    controller.parser()->setInterfaceMode(InterfaceBinary);
    PtyTable receiver(&controller);
    QVERIFY(receiver.pty.isValid());
    const QList<QPair<int, QByteArray>> table = {
        {0x302, hex("00c20100")}, {0x303, hex("00080700")}, {0x304, hex("80250000")},
        {0x305, hex("80250000")}, {0x306, hex("01")},       {0x307, hex("02")},
        {0x30B, hex("04")},       {0x30C, hex("02")},       {0x30D, hex("409c")}};
    for (const auto &entry : table)
        receiver.stored.insert(entry.first, entry.second);
    if (!uart3Known)
        receiver.refused.insert(0x304);
    controller.reader()->openSerialPort(receiver.pty.devicePath(), 115200);
    controller.reader()->start();
    QVERIFY(controller.reader()->isOpen());
    QSignalSpy master(controller.reader(), SIGNAL(displayBaudRateMaster(bool)));
    makePage();
    page->setController(&controller);
    page->readSettings();
    QTRY_COMPARE_WITH_TIMEOUT(receiver.count(getters.last()), 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(radio("radBtnNmeaBinaryUART1")->isChecked(), true, 5000);

    QByteArray setter;
    if (change == "uart1") {
        typeRate(1, "460800");
        setter = commandFrame(3, 0x82, hex("00080700"));
    } else {
        receiver.refused.insert(0x386);
        radio("radBtnNmeaBinaryUART3")->click();
        setter = commandFrame(3, 0x86, hex("03"));
    }
    click("btnSave");
    if (change == "uart1") {
        // The read-back goes out on the port at its new rate.
        QTRY_COMPARE_WITH_TIMEOUT(receiver.count(getters.last()), 2, 5000);
        QCOMPARE(receiver.rateOf(getters.first(), 1), newRate);
    } else {
        // nchn is asked again; its answer re-opens the port at the rate of UART3's box.
        QTRY_COMPARE_WITH_TIMEOUT(receiver.count(commandFrame(3, 0x06)), 3, 5000);
    }
    // What the last answer set off has happened once a later request is heard.
    const int rchnAsked = receiver.count(commandFrame(3, 0x07));
    controller.binaryConfigurator()->requestRchn();
    QTRY_COMPARE_WITH_TIMEOUT(receiver.count(commandFrame(3, 0x07)), rchnAsked + 1, 5000);
    QCOMPARE(receiver.count(setter), 1);
    QCOMPARE(receiver.rateOf(setter, 0), 115200);
    QString port;
    int rate = 0;
    QVERIFY(controller.reader()->serialSettings(port, rate));
    QCOMPARE(port, receiver.pty.devicePath());
    QCOMPARE(rate, newRate);
    QVERIFY(controller.reader()->isOpen());
    QCOMPARE(master.count(), told);
    page.reset();
    controller.reader()->stop();
}

void TestInterfaceWidget::emptiedRateAndUnknownFormatSendNothing()
{
    session->table.store(3, 0x0C, hex("03"));
    openPage();
    QCOMPARE(combo("comBoxBaseStation")->currentIndex(), -1);
    combo("comBoxUart2")->clearEditText();
    click("btnSave");
    // The emptied box shows its rate again.
    QCOMPARE(combo("comBoxUart2")->currentText(), QString());
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(combo("comBoxUart2")->currentText(), QString("460800"));
}

void TestInterfaceWidget::typedNumberGoesOutAsTypedOrNotAtAll_data()
{
    addTypedNumberColumns();
    QTest::addColumn<int>("linkRestarts");
    QTest::newRow("UART2 57600") << "comBoxUart2" << "57600"
                                 << sentOutcome(QList<QByteArray>{commandFrame(3, 0x83, hex("00e10000"))} + getters, "57600")
                                 << QString() << 1;
    QTest::newRow("UART1 eleven digits") << "comBoxUart1" << "99999999999" << refusedOutcome("99999999999")
                                         << nothingSent("Baud Rate, UART1: 99999999999 is outside 1 to 2147483647") << 0;
    // Rate 0 would stop the receiver's port: a rate is a positive whole number.
    QTest::newRow("UART3 0") << "comBoxUart3" << "0" << refusedOutcome("0")
                             << nothingSent("Baud Rate, UART3: 0 is outside 1 to 2147483647") << 0;

    QTest::newRow("delay 70000") << "editTransportDelay" << "70000" << refusedOutcome("70000")
                                 << nothingSent("Base station, Transport delay, ms: 70000 is outside 0 to 65535") << 0;
}

void TestInterfaceWidget::typedNumberGoesOutAsTypedOrNotAtAll()
{
    QFETCH(int, linkRestarts);
    openPage();
    QCOMPARE(typeRowAndSave(boxes), rowExpected());
    QCOMPARE(connections->count(), linkRestarts);
}

void TestInterfaceWidget::delayBeyondSixteenBitsIsNotSent()
{
    openPage();
    QLineEdit *delay = page->findChild<QLineEdit *>("editTransportDelay");
    delay->clear();
    QTest::keyClicks(delay, "-7x0000");
    QCOMPARE(delay->text(), QString("70000"));
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0x8D), 0);
    // Refused: the field keeps the typed number and the box says why.
    QCOMPARE(delay->text(), QString("70000"));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.last().text, nothingSent("Base station, Transport delay, ms: 70000 is outside 0 to 65535"));
    delay->setText("65535");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(3, 0x8D), QList<QByteArray>{commandFrame(3, 0x8D, hex("ffff"))});
    QCOMPARE(delay->text(), QString("65535"));
}

void TestInterfaceWidget::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    InterfaceWidget translated(nullptr);
    QCOMPARE(translated.findChild<QGroupBox *>("grBoxBaudRate")->title(), QString::fromUtf8("Скорость обмена"));
    QCOMPARE(translated.findChild<QComboBox *>("comBoxBaseStation")->itemText(1), QString("RTCM3"));
    translated.setController(session->controller);
    translated.readSettings();
    QVERIFY(session->settle());
    translated.findChild<QRadioButton *>("radBtnNmeaBinaryUART2")->click();
    translated.findChild<QPushButton *>("btnSave")->click();
    QVERIFY(session->settle());
    russian.remove();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).title, QString::fromUtf8("Информация"));
    QCOMPARE(boxes.at(0).text, QString::fromUtf8("UART изменён"));
}

void TestInterfaceWidget::screenshot()
{
    openPage();
    QCOMPARE(shown(), benchValues);
    page->resize(page->size().expandedTo(page->sizeHint()));
    QVERIFY(saveScreenshot(page.get(), "interfacewidget.png"));
}

QTEST_MAIN(TestInterfaceWidget)
#include "tst_interfacewidget.moc"
