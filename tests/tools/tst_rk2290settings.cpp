// The RF chip register window over a real link. The scripted receiver plays both chips:
// a read answers the register's value, a write changes it, so a read-modify-write can
// be followed on the wire and in the window.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

#include "boxrecorder.h"
#include "connectguard.h"
#include "rk2290settingswidget.h"
#include "tooldialogs.h"
#include "toolstestkit.h"
#include "typednumbers.h"

namespace {

using Registers = QHash<quint8, quint32>;

QByteArray u32le(quint32 value)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}

QByteArray readFrame(int chip, quint8 address)
{
    return ScriptedReceiver::frame(11, quint8(chip), QByteArray(1, char(address)));
}

QByteArray writeFrame(int chip, quint8 address, quint32 value)
{
    return ScriptedReceiver::frame(11, quint8(0x80 + chip), QByteArray(1, char(address)) + u32le(value));
}

const QList<quint8> KnownRegisters = {12, 13, 14, 29, 36, 37, 38, 39, 55, 56, 57, 58, 60};

// Values a working chip might hold.
Registers benchRegisters()
{
    return {{12, 0x0C8A0B5D}, {13, 0x0E1F0D33}, {14, 0x00000F42}, {29, 0x80001234},
            {36, 0x2F684BDA}, {37, 0xE1F4A2B0}, {38, 0x1C71C71C}, {39, 0xF0000000},
            {55, 0x00030004}, {56, 0x87654321}, {57, 0x12100F0E}, {58, 0x0B0C0D0E}, {60, 0x00000A05}};
}

} // namespace

Q_DECLARE_METATYPE(Registers)

class tst_RK2290Settings : public QObject, public BoxRecorder<ToolDialogs>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAsBuilt();
    void readThroughAddressFillsAddressValueAndItsGroup();
    void registersDecodeIntoTheirFields_data();
    void registersDecodeIntoTheirFields();
    void statusWordColoursTheLabel_data();
    void statusWordColoursTheLabel();
    void readAllSendsThirteenReadsEachAfterTheLastAnswer();
    void readModifyWrites_data();
    void readModifyWrites();
    void agcAndTrimPendingTogetherBuildOnOneValue();
    void plainRequests_data();
    void plainRequests();
    void restartAsksFirst_data();
    void restartAsksFirst();
    void aSilentReadDoesNotShiftTheNextReply();
    void aReadEndingWithoutDataTakesItsActionAlong_data();
    void aReadEndingWithoutDataTakesItsActionAlong();
    void replyAfterAChipSwitchIsShownNowhereAndDropsItsAction();
    void aClosedWindowLeavesTheRepliesToTheNewOne();
    void aWindowShownAgainListensAgain();
    void changingTheChipClearsTheDisplays();
    void russianTexts();
    void screenshot();

private:
    template <class T> T *w(const char *name) { return childOf<T>(window.get(), name); }
    QLineEdit *edit(const char *name) { return w<QLineEdit>(name); }
    QPushButton *button(const char *name) { return w<QPushButton>(name); }
    void readAddress(const QString &address);
    QList<QByteArray> readAllFrames(int chip);
    QList<QByteArray> sentFrames();

    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<RK2290SettingsWidget> window;
    Registers chips[2];
};

void tst_RK2290Settings::initTestCase()
{
    installConnectGuard();
    recordBoxes();
}

void tst_RK2290Settings::init()
{
    boxes.clear();
    answer = QMessageBox::Cancel;
    chips[0] = benchRegisters();
    chips[1].clear();
    session = std::make_unique<ReceiverSession>();
    QVERIFY(session->open(InterfaceBinary));
    for (int chip = 0; chip < 2; ++chip) {
        session->receiver.answerAlways(11, quint8(chip), [this, chip](const ScriptedReceiver::Command &command) {
            const quint8 address = command.payload.isEmpty() ? 0 : quint8(command.payload.at(0));
            return ScriptedReceiver::data(u32le(chips[chip].value(address)));
        });
        session->receiver.answerAlways(11, quint8(0x80 + chip), [this, chip](const ScriptedReceiver::Command &command) {
            if (command.payload.size() == 5) {
                quint32 value = 0;
                for (int i = 0; i < 4; ++i)
                    value |= quint32(quint8(command.payload.at(1 + i))) << (8 * i);
                chips[chip][quint8(command.payload.at(0))] = value;
            }
            return ScriptedReceiver::done();
        });
    }
    window = std::make_unique<RK2290SettingsWidget>(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    window->setController(session->controller);
}

void tst_RK2290Settings::cleanup()
{
    window.reset();
    if (session)
        QCOMPARE(session->receiver.badFrames(), 0);
    session.reset();
}

void tst_RK2290Settings::readAddress(const QString &address)
{
    edit("editAddress")->setText(address);
    button("btnReadRegister")->click();
}

// A reply may queue a write and a read of its own; the fence goes out once no register
// request is left in the engine's queue, so it follows those too.
QList<QByteArray> tst_RK2290Settings::sentFrames()
{
    BinaryConfigurator *engine = session->controller->binaryConfigurator();
    const bool settled = QTest::qWaitFor([engine]() {
        int queued = 0;
        for (int subId : {0x00, 0x01, 0x80, 0x81})
            queued += engine->queuedRequests(MsgRfChipRegisters, quint8(subId));
        return queued == 0;
    }, 8000);
    if (!settled)
        return {QByteArray("not settled")};
    return framesBeforeFence(*session);
}

QList<QByteArray> tst_RK2290Settings::readAllFrames(int chip)
{
    QList<QByteArray> frames;
    for (quint8 address : KnownRegisters)
        frames << readFrame(chip, address);
    return frames;
}

void tst_RK2290Settings::formAsBuilt()
{
    QCOMPARE(window->objectName(), QStringLiteral("RK2290SettingsWidget"));
    QCOMPARE(window->windowTitle(), QStringLiteral("RK2290 Settings"));
    // The form's size, or larger where its contents need more (a larger font).
    QCOMPARE(window->size(), QSize(685, 720).expandedTo(window->minimumSizeHint()));
    QCOMPARE(window->findChildren<QLineEdit *>().size(), 31);
    int readOnly = 0;
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        readOnly += field->isReadOnly() ? 1 : 0;
    QCOMPARE(readOnly, 28);
    QCOMPARE(window->findChildren<QLabel *>().size(), 30);
    QCOMPARE(window->findChildren<QPushButton *>().size(), 9);
    QCOMPARE(window->findChildren<QGroupBox *>().size(), 9);
    QCOMPARE(window->findChildren<QRadioButton *>().size(), 2);
    QCOMPARE(window->findChildren<QComboBox *>().size(), 1);

    QVERIFY(w<QRadioButton>("radBtnRK2290N0")->isChecked());
    QVERIFY(!w<QRadioButton>("radBtnRK2290N1")->isChecked());
    w<QRadioButton>("radBtnRK2290N1")->click();
    QVERIFY(!w<QRadioButton>("radBtnRK2290N0")->isChecked());

    QCOMPARE(edit("editAddress")->text(), QStringLiteral("0"));
    QCOMPARE(edit("editRfAgcValue")->text(), QStringLiteral("6"));
    QComboBox *modes = w<QComboBox>("cBoxAkHostMode");
    QCOMPARE(modes->count(), 4);
    QCOMPARE(modes->itemText(3), QStringLiteral("AK_host_mode 3"));
    QCOMPARE(modes->currentIndex(), 0);
    QVERIFY(button("btnRfAgcOn")->isHidden());
    QVERIFY(!button("btnRfAgcOff")->isHidden());
    // Nothing is read by itself.
    QCOMPARE(sentFrames(), QList<QByteArray>{});
}

void tst_RK2290Settings::readThroughAddressFillsAddressValueAndItsGroup()
{
    chips[0][12] = 0x12345678;
    readAddress(QStringLiteral("12"));
    QTRY_COMPARE(edit("editValue")->text(), QStringLiteral("12345678"));
    QCOMPARE(session->receiver.commands().first().frame, hex("214e0b000100 0c1846"));
    QCOMPARE(edit("editAddress")->text(), QStringLiteral("12"));
    QCOMPARE(edit("editTbiRefBand1")->text(), QStringLiteral("0x5678"));
    QCOMPARE(edit("editTbiRefBand2")->text(), QStringLiteral("0x1234"));
}

void tst_RK2290Settings::registersDecodeIntoTheirFields_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("13") << 13 << 0xABCD0102u << QStringList{"editTbiRefBand3=0x102", "editTbiRefBand4=0xabcd"};
    QTest::newRow("14 shows its low half") << 14 << 0x12345678u << QStringList{"editTbiRefCx=0x5678"};
    QTest::newRow("36 positive") << 36 << 0x40000000u << QStringList{"editFrqBand1=13.250000"};
    QTest::newRow("37 negative") << 37 << 0x80000000u << QStringList{"editFrqBand2=-26.500000"};
    QTest::newRow("38 zero") << 38 << 0u << QStringList{"editFrqBand3=0.000000"};
    QTest::newRow("39") << 39 << 0xC0000000u << QStringList{"editFrqBand4=-13.250000"};
    QTest::newRow("55") << 55 << 0x00230004u << QStringList{"editControl=0x23", "editStatus=0x4"};
    QTest::newRow("56") << 56 << 0x87654321u
                        << QStringList{"editAgc01=1", "editAgc02=2", "editAgc03=3", "editAgc04=4",
                                       "editAgc11=5", "editAgc12=6", "editAgc13=7", "editAgc14=8"};
    QTest::newRow("57 five bits each") << 57 << 0xFF3F1F05u
                                       << QStringList{"editIfa01=5", "editIfa02=31", "editIfa03=31", "editIfa04=31"};
    QTest::newRow("58") << 58 << 0x0B0C0D0Eu
                        << QStringList{"editIfa11=14", "editIfa12=13", "editIfa13=12", "editIfa14=11"};
    QTest::newRow("60") << 60 << 0x0A05u << QStringList{"editTrimADC=0x05 0x0a"};
    QTest::newRow("60 high bytes ignored") << 60 << 0xFFFFE0F1u << QStringList{"editTrimADC=0xf1 0xe0"};
}

void tst_RK2290Settings::registersDecodeIntoTheirFields()
{
    QFETCH(int, address);
    QFETCH(quint32, value);
    QFETCH(QStringList, fields);

    chips[0][quint8(address)] = value;
    readAddress(QString::number(address));
    QTRY_COMPARE(edit("editValue")->text(), QString::number(value, 16));
    for (const QString &field : fields) {
        const QStringList parts = field.split(QLatin1Char('='));
        QCOMPARE(edit(parts.at(0).toLatin1().constData())->text(), parts.at(1));
    }
}

void tst_RK2290Settings::statusWordColoursTheLabel_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("agcOn");

    QTest::newRow("0x100 alone") << 0x100u << QColor(Qt::red) << false;
    QTest::newRow("0x800 alone, AGC on") << 0x20800u << QColor(Qt::red) << true;
    QTest::newRow("0x300 two bits") << 0x300u << QColor(Qt::black) << false;
    QTest::newRow("0x1000") << 0x1000u << QColor(Qt::black) << false;
    QTest::newRow("zero, AGC on") << 0x20000u << QColor(Qt::black) << true;
}

void tst_RK2290Settings::statusWordColoursTheLabel()
{
    QFETCH(quint32, value);
    QFETCH(QColor, colour);
    QFETCH(bool, agcOn);

    // From red back to the colour of this row, so that black is really set.
    chips[0][55] = 0x400;
    readAddress(QStringLiteral("55"));
    QTRY_COMPARE(edit("editStatus")->text(), QStringLiteral("0x400"));
    QCOMPARE(w<QLabel>("labelStatus")->palette().color(QPalette::WindowText), QColor(Qt::red));

    chips[0][55] = value;
    readAddress(QStringLiteral("55"));
    QTRY_COMPARE(edit("editValue")->text(), QString::number(value, 16));
    const QPalette palette = w<QLabel>("labelStatus")->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(palette.color(group, QPalette::WindowText), colour);
    QCOMPARE(button("btnRfAgcOn")->isHidden(), agcOn);
    QCOMPARE(button("btnRfAgcOff")->isHidden(), !agcOn);
}

void tst_RK2290Settings::readAllSendsThirteenReadsEachAfterTheLastAnswer()
{
    QSignalSpy replies(session->controller->binaryConfigurator(), SIGNAL(rk2290N0RegChanged(uint)));
    QList<int> answeredWhenArrived;
    connect(&session->receiver, &ScriptedReceiver::commandReceived, this,
            [&](int) { answeredWhenArrived << replies.count(); });

    button("btnRead")->click();
    QTRY_COMPARE(replies.count(), 13);
    QCOMPARE(answeredWhenArrived, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    QCOMPARE(sentFrames(), readAllFrames(0));

    QCOMPARE(edit("editTbiRefBand1")->text(), QStringLiteral("0xb5d"));
    QCOMPARE(edit("editTbiRefBand2")->text(), QStringLiteral("0xc8a"));
    QCOMPARE(edit("editTbiRefCx")->text(), QStringLiteral("0xf42"));
    QCOMPARE(w<QComboBox>("cBoxAkHostMode")->currentIndex(), 2);
    QCOMPARE(edit("editFrqBand4")->text(), QStringLiteral("-3.312500"));
    QCOMPARE(edit("editControl")->text(), QStringLiteral("0x3"));
    QCOMPARE(edit("editAgc14")->text(), QStringLiteral("8"));
    QCOMPARE(edit("editIfa04")->text(), QStringLiteral("18"));
    QCOMPARE(edit("editTrimADC")->text(), QStringLiteral("0x05 0x0a"));
    // Reads from the bottom button leave "Address" and "Value" alone.
    QCOMPARE(edit("editAddress")->text(), QStringLiteral("0"));
    QVERIFY(edit("editValue")->text().isEmpty());
}

void tst_RK2290Settings::readModifyWrites_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<int>("address");
    QTest::addColumn<quint32>("before");
    QTest::addColumn<int>("hostMode");
    QTest::addColumn<QList<QByteArray>>("frames");

    const QByteArray read55 = readFrame(0, 55);
    QTest::newRow("RF AGC On at 0") << "btnRfAgcOn" << 55 << 0u << 0
                                    << QList<QByteArray>{read55, hex("214e0b80050037000002 00c9a2"), read55};
    QTest::newRow("RF AGC Off at 0x20000") << "btnRfAgcOff" << 55 << 0x20000u << 0
                                           << QList<QByteArray>{read55, writeFrame(0, 55, 0), read55};
    QTest::newRow("RF AGC Off keeps the other bits") << "btnRfAgcOff" << 55 << 0x3A0123u << 0
                                                     << QList<QByteArray>{read55, writeFrame(0, 55, 0x380123), read55};
    QTest::newRow("Trim ADC already started") << "btnTrimAdc" << 55 << 0x100000u << 0 << QList<QByteArray>{read55};
    QTest::newRow("Trim ADC at 0") << "btnTrimAdc" << 55 << 0u << 0
                                   << QList<QByteArray>{read55, writeFrame(0, 55, 0x100000)};
    QTest::newRow("AK host mode 2 on all ones") << "btnAkHostModeWrite" << 29 << 0xFFFFFFFFu << 2
                                                << QList<QByteArray>{readFrame(0, 29), hex("214e0b8005001dffffffbf6ddb")};
    QTest::newRow("AK host mode 1 on 0x8000abcd") << "btnAkHostModeWrite" << 29 << 0x8000ABCDu << 1
                                                  << QList<QByteArray>{readFrame(0, 29), writeFrame(0, 29, 0x4000ABCD)};
}

void tst_RK2290Settings::readModifyWrites()
{
    QFETCH(QString, buttonName);
    QFETCH(int, address);
    QFETCH(quint32, before);
    QFETCH(int, hostMode);
    QFETCH(QList<QByteArray>, frames);

    chips[0][quint8(address)] = before;
    w<QComboBox>("cBoxAkHostMode")->setCurrentIndex(hostMode);
    button(buttonName.toLatin1().constData())->click();
    QCOMPARE(sentFrames(), frames);
    // The combo box keeps the mode the user picked; the write did not come from it.
    QCOMPARE(w<QComboBox>("cBoxAkHostMode")->currentIndex(), hostMode);
}

void tst_RK2290Settings::agcAndTrimPendingTogetherBuildOnOneValue()
{
    chips[0][55] = 0;
    button("btnRfAgcOn")->click();
    button("btnTrimAdc")->click();
    const QByteArray read55 = readFrame(0, 55);
    // The trim start carries the AGC bit, so the second write does not switch it off again.
    QCOMPARE(sentFrames(),
             (QList<QByteArray>{read55, read55, writeFrame(0, 55, 0x20000), writeFrame(0, 55, 0x120000), read55}));
    QCOMPARE(chips[0][55], 0x120000u);
    QTRY_COMPARE(edit("editControl")->text(), QStringLiteral("0x12"));
    QVERIFY(button("btnRfAgcOn")->isHidden());
}

void tst_RK2290Settings::plainRequests_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QString>("box");

    const QString refused = nothingSent(QString());
    QTest::newRow("write 12") << "btnWriteRegister" << "12" << "abc" << "6" << QList<QByteArray>{writeFrame(0, 12, 0xABC)}
                              << QString();
    QTest::newRow("write 255 all ones") << "btnWriteRegister" << "255" << "FFFFFFFF" << "6"
                                        << QList<QByteArray>{writeFrame(0, 255, 0xFFFFFFFF)} << QString();
    QTest::newRow("write to 268 goes nowhere") << "btnWriteRegister" << "268" << "1" << "6" << QList<QByteArray>{}
                                               << refused + "Register settings, Address: 268 is outside 0 to 255";
    QTest::newRow("write to 300 goes nowhere") << "btnWriteRegister" << "300" << "1" << "6" << QList<QByteArray>{}
                                               << refused + "Register settings, Address: 300 is outside 0 to 255";
    QTest::newRow("write to a word goes nowhere") << "btnWriteRegister" << "reg" << "1" << "6" << QList<QByteArray>{}
                                                  << refused + "Register settings, Address: \"reg\" is not a number";
    QTest::newRow("write of a word writes nothing") << "btnWriteRegister" << "12" << "zz" << "6" << QList<QByteArray>{}
                                                    << refused + "Register settings, Value: \"zz\" is not a hexadecimal number";
    QTest::newRow("write of nothing writes nothing") << "btnWriteRegister" << "12" << "" << "6" << QList<QByteArray>{}
                                                     << refused + "Register settings, Value: a number is needed";
    QTest::newRow("write beyond 32 bits writes nothing") << "btnWriteRegister" << "12" << "100000000" << "6"
                                                         << QList<QByteArray>{}
                                                         << refused + "Register settings, Value: 100000000 is outside 0 to ffffffff";
    QTest::newRow("read 255") << "btnReadRegister" << "255" << "" << "6" << QList<QByteArray>{readFrame(0, 255)} << QString();
    QTest::newRow("read 268 reads nothing") << "btnReadRegister" << "268" << "" << "6" << QList<QByteArray>{}
                                            << refused + "Register settings, Address: 268 is outside 0 to 255";
    QTest::newRow("read of a word reads nothing") << "btnReadRegister" << "x" << "" << "6" << QList<QByteArray>{}
                                                  << refused + "Register settings, Address: \"x\" is not a number";
    QTest::newRow("RF AGC gain 6") << "btnWriteRfAgc" << "0" << "" << "6" << QList<QByteArray>{writeFrame(0, 56, 6)}
                                   << QString();
    QTest::newRow("RF AGC gain -1") << "btnWriteRfAgc" << "0" << "" << "-1"
                                    << QList<QByteArray>{writeFrame(0, 56, 0xFFFFFFFF)} << QString();
    QTest::newRow("RF AGC gain word") << "btnWriteRfAgc" << "0" << "" << "six" << QList<QByteArray>{}
                                      << refused + "RF AGC, IFA AGC Gain: \"six\" is not a number";
}

void tst_RK2290Settings::plainRequests()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, address);
    QFETCH(QString, value);
    QFETCH(QString, gain);
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QString, box);

    edit("editAddress")->setText(address);
    edit("editValue")->setText(value);
    edit("editRfAgcValue")->setText(gain);
    button(buttonName.toLatin1().constData())->click();
    QCOMPARE(sentFrames(), frames);
    QCOMPARE(lastText(boxes), box);
}

void tst_RK2290Settings::restartAsksFirst_data()
{
    QTest::addColumn<int>("reply");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QList<QByteArray>{hex("214e0b8005003700002000e7de")};
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QList<QByteArray>{};
    QTest::newRow("closed") << int(QMessageBox::NoButton) << QList<QByteArray>{};
}

void tst_RK2290Settings::restartAsksFirst()
{
    QFETCH(int, reply);
    QFETCH(QList<QByteArray>, frames);

    answer = QMessageBox::StandardButton(reply);
    button("btnRestart")->click();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().parent, static_cast<QWidget *>(nullptr));
    QCOMPARE(boxes.first().icon, QMessageBox::Question);
    QCOMPARE(boxes.first().title, QStringLiteral("Restart confirmation"));
    QCOMPARE(boxes.first().text, QStringLiteral("Are you sure you want to restart?"));
    QCOMPARE(boxes.first().buttons, QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(sentFrames(), frames);
}

void tst_RK2290Settings::aSilentReadDoesNotShiftTheNextReply()
{
    chips[0][12] = 0x00C80190;
    session->receiver.answerNext({ScriptedReceiver::silence()});
    readAddress(QStringLiteral("55"));
    readAddress(QStringLiteral("12"));
    // The engine gives the silent read its 1500 ms, then asks for register 12.
    QTRY_COMPARE_WITH_TIMEOUT(edit("editTbiRefBand1")->text(), QStringLiteral("0x190"), 5000);
    QCOMPARE(edit("editTbiRefBand2")->text(), QStringLiteral("0xc8"));
    QCOMPARE(edit("editAddress")->text(), QStringLiteral("12"));
    QCOMPARE(edit("editValue")->text(), QStringLiteral("c80190"));
    QVERIFY(edit("editControl")->text().isEmpty());
}

void tst_RK2290Settings::aReadEndingWithoutDataTakesItsActionAlong_data()
{
    QTest::addColumn<QByteArray>("ending");
    QTest::newRow("refused") << ScriptedReceiver::refused().bytes;
    QTest::newRow("done without data") << ScriptedReceiver::done().bytes;
    // The engine retires a status it does not know without a signal.
    QTest::newRow("unknown status") << ScriptedReceiver::status(3).bytes;
}

void tst_RK2290Settings::aReadEndingWithoutDataTakesItsActionAlong()
{
    QFETCH(QByteArray, ending);

    chips[0][55] = 0;
    session->receiver.answerNext({ScriptedReceiver::raw(ending)});
    button("btnRfAgcOn")->click();
    button("btnRead")->click();
    // No write, neither after the failed read nor at the next reply of register 55.
    QCOMPARE(sentFrames(), QList<QByteArray>{readFrame(0, 55)} + readAllFrames(0));
    QCOMPARE(chips[0][55], 0u);
    // And every reply of "Read" landed where it belongs.
    QCOMPARE(edit("editTbiRefBand1")->text(), QStringLiteral("0xb5d"));
    QCOMPARE(edit("editTrimADC")->text(), QStringLiteral("0x05 0x0a"));
    QCOMPARE(edit("editStatus")->text(), QStringLiteral("0x0"));
}

void tst_RK2290Settings::replyAfterAChipSwitchIsShownNowhereAndDropsItsAction()
{
    chips[0][55] = 0;
    chips[1][13] = 0x00010002;
    QSignalSpy chip0(session->controller->binaryConfigurator(), SIGNAL(rk2290N0RegChanged(uint)));
    session->receiver.answerNext({ScriptedReceiver::late(ScriptedReceiver::data(u32le(0)), 300)});
    button("btnRfAgcOn")->click();
    w<QRadioButton>("radBtnRK2290N1")->click();
    readAddress(QStringLiteral("13"));
    QTRY_COMPARE(edit("editValue")->text(), QStringLiteral("10002"));
    QCOMPARE(chip0.count(), 1);
    // Chip #1's reply was matched with chip #1's read only; chip #0's showed nowhere.
    QCOMPARE(edit("editTbiRefBand3")->text(), QStringLiteral("0x2"));
    QVERIFY(edit("editControl")->text().isEmpty());

    // Back on chip #0 the dropped action stays dropped, also at the next "Read".
    w<QRadioButton>("radBtnRK2290N0")->click();
    button("btnRead")->click();
    QCOMPARE(sentFrames(), (QList<QByteArray>{readFrame(0, 55), readFrame(1, 13)} + readAllFrames(0)));
    QCOMPARE(chips[0][55], 0u);
    QCOMPARE(edit("editStatus")->text(), QStringLiteral("0x0"));
}

void tst_RK2290Settings::aClosedWindowLeavesTheRepliesToTheNewOne()
{
    chips[0][55] = 0;
    window->show();
    button("btnRead")->click();
    button("btnRfAgcOn")->click();
    window->close();

    RK2290SettingsWidget next(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    next.setController(session->controller);
    childOf<QLineEdit>(&next, "editAddress")->setText(QStringLiteral("13"));
    childOf<QPushButton>(&next, "btnReadRegister")->click();

    // The old reads are answered first; the new window takes only the answer to its own.
    QTRY_COMPARE_WITH_TIMEOUT(childOf<QLineEdit>(&next, "editValue")->text(), QStringLiteral("e1f0d33"), 5000);
    QCOMPARE(childOf<QLineEdit>(&next, "editTbiRefBand3")->text(), QStringLiteral("0xd33"));
    QVERIFY(childOf<QLineEdit>(&next, "editTbiRefBand1")->text().isEmpty());
    QVERIFY(childOf<QLineEdit>(&next, "editControl")->text().isEmpty());
    // The closed window showed nothing and wrote nothing.
    QVERIFY(edit("editTbiRefBand1")->text().isEmpty());
    QCOMPARE(sentFrames(), (readAllFrames(0) + QList<QByteArray>{readFrame(0, 55), readFrame(0, 13)}));
    QCOMPARE(chips[0][55], 0u);
}

void tst_RK2290Settings::aWindowShownAgainListensAgain()
{
    window->show();
    window->close();
    window->show();
    readAddress(QStringLiteral("14"));
    QTRY_COMPARE(edit("editTbiRefCx")->text(), QStringLiteral("0xf42"));
}

void tst_RK2290Settings::changingTheChipClearsTheDisplays()
{
    button("btnRead")->click();
    QTRY_COMPARE(edit("editTrimADC")->text(), QStringLiteral("0x05 0x0a"));
    edit("editRfAgcValue")->setText(QStringLiteral("9"));
    w<QRadioButton>("radBtnRK2290N1")->click();
    for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
        if (field->objectName() == QLatin1String("editAddress"))
            QCOMPARE(field->text(), QStringLiteral("0"));
        else if (field->objectName() == QLatin1String("editRfAgcValue"))
            QCOMPARE(field->text(), QStringLiteral("6"));
        else
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    }
    QCOMPARE(w<QComboBox>("cBoxAkHostMode")->currentIndex(), 0);
    QCOMPARE(sentFrames(), readAllFrames(0));
}

void tst_RK2290Settings::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    RK2290SettingsWidget translated(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    QCOMPARE(translated.windowTitle(), QStringLiteral("Настройки RK2290"));
    QCOMPARE(childOf<QGroupBox>(&translated, "gBoxDeviceSelection")->title(), QStringLiteral("Выбор устройства"));
    QCOMPARE(childOf<QPushButton>(&translated, "btnRead")->text(), QStringLiteral("Прочитать"));
    QCOMPARE(childOf<QPushButton>(&translated, "btnRfAgcOn")->text(), QStringLiteral("Вкл. АРУ РЧ"));

    translated.setController(session->controller);
    childOf<QPushButton>(&translated, "btnRestart")->click();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QStringLiteral("Restart confirmation"));
    QCOMPARE(boxes.first().text, QStringLiteral("Вы уверены, что хотите перезапустить микросхему?"));

    // The box as shown: its buttons speak the window's language, not Qt's English.
    stopRecordingBoxes();
    QStringList buttonTexts;
    ToolDialogs::setBoxHook([&buttonTexts](QMessageBox &box) {
        for (QMessageBox::StandardButton which : {QMessageBox::Yes, QMessageBox::Cancel})
            buttonTexts << (box.button(which) ? box.button(which)->text() : QString());
        return QMessageBox::Cancel;
    });
    childOf<QPushButton>(&translated, "btnRestart")->click();
    ToolDialogs::setBoxHook(nullptr);
    recordBoxes();
    QCOMPARE(buttonTexts, (QStringList{QStringLiteral("Да"), QStringLiteral("Отмена")}));
}

void tst_RK2290Settings::screenshot()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    readAddress(QStringLiteral("60"));
    QTRY_COMPARE(edit("editValue")->text(), QStringLiteral("a05"));
    button("btnRead")->click();
    QTRY_COMPARE(edit("editTrimADC")->text(), QStringLiteral("0x05 0x0a"));
    QTRY_COMPARE(edit("editIfa14")->text(), QStringLiteral("11"));
    QVERIFY(saveScreenshot(window.get(), QStringLiteral("rk2290settings.png")));
}

QTEST_MAIN(tst_RK2290Settings)
#include "tst_rk2290settings.moc"
