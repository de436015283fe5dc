// The debug byte window over a real link: typed bytes become group-200 frames on the
// scripted receiver's side, one at a time through the command engine.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QGroupBox>
#include <QtTest>

#include <memory>

#include "boxrecorder.h"
#include "connectguard.h"
#include "dbgbyte.h"
#include "tooldialogs.h"
#include "toolstestkit.h"
#include "typednumbers.h"

class tst_DBGByte : public QObject, public BoxRecorder<ToolDialogs>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAsBuilt();
    void mode2SendsItsByte();
    void typedTextDecidesWhatGoesOut_data();
    void typedTextDecidesWhatGoesOut();
    void fourPressesGoOutInPressOrderEachAfterTheLastAnswer();
    void withoutControllerNothingGoesOut();
    void russianTexts();
    void screenshot();

private:
    QLineEdit *field(int k) { return childOf<QLineEdit>(window.get(), QByteArray("editData" + QByteArray::number(k)).constData()); }
    QPushButton *execute(int k) { return childOf<QPushButton>(window.get(), QByteArray("btnExecute" + QByteArray::number(k)).constData()); }

    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<DBGByte> window;
};

void tst_DBGByte::initTestCase()
{
    installConnectGuard();
    recordBoxes();
    qRegisterMetaType<QPair<MsgType, unsigned char>>("QPair<MsgType,unsigned char>");
}

void tst_DBGByte::init()
{
    boxes.clear();
    session = std::make_unique<ReceiverSession>();
    QVERIFY(session->open(InterfaceBinary));
    // The receiver takes every debug byte.
    session->receiver.setFallback(ScriptedReceiver::done());
    window = std::make_unique<DBGByte>(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    window->setController(session->controller);
}

void tst_DBGByte::cleanup()
{
    window.reset();
    if (session)
        QCOMPARE(session->receiver.badFrames(), 0);
    session.reset();
}

void tst_DBGByte::formAsBuilt()
{
    QCOMPARE(window->objectName(), QStringLiteral("DBGByte"));
    QCOMPARE(window->windowTitle(), QStringLiteral("DBGByte widget"));
    for (int k = 0; k < 4; ++k) {
        const QByteArray digit = QByteArray::number(k);
        QCOMPARE(childOf<QGroupBox>(window.get(), "groupBox" + digit)->title(), QStringLiteral("Mode ") + QString::number(k));
        QCOMPARE(childOf<QLabel>(window.get(), "labelData_" + digit)->text(), QStringLiteral("Data:"));
        QCOMPARE(execute(k)->text(), QStringLiteral("Execute"));
        QVERIFY(field(k)->text().isEmpty());
    }
}

void tst_DBGByte::mode2SendsItsByte()
{
    QTest::keyClicks(field(2), QStringLiteral("255"));
    execute(2)->click();
    QCOMPARE(framesBeforeFence(*session), QList<QByteArray>{hex("214ec8820100ff4cf8")});
}

void tst_DBGByte::typedTextDecidesWhatGoesOut_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QString>("box");

    const QString refused = QStringLiteral("Nothing was sent: correct the marked field.\nMode 0, Data: ");
    QTest::newRow("0") << "0" << "0" << QList<QByteArray>{ScriptedReceiver::frame(200, 0x80, hex("00"))} << QString();
    QTest::newRow("255") << "255" << "255" << QList<QByteArray>{ScriptedReceiver::frame(200, 0x80, hex("ff"))} << QString();
    QTest::newRow("17") << "17" << "17" << QList<QByteArray>{ScriptedReceiver::frame(200, 0x80, hex("11"))} << QString();
    // "256" stands as intermediate input; its low byte would go out as 00. Not sent, and
    // the box says why.
    QTest::newRow("256 stands but is not sent") << "256" << "256" << QList<QByteArray>{}
                                                << refused + "256 is outside 0 to 255";
    QTest::newRow("300 stands but is not sent") << "300" << "300" << QList<QByteArray>{}
                                                << refused + "300 is outside 0 to 255";
    QTest::newRow("999 stands but is not sent") << "999" << "999" << QList<QByteArray>{}
                                                << refused + "999 is outside 0 to 255";
    QTest::newRow("minus cannot be typed") << "-1" << "1" << QList<QByteArray>{ScriptedReceiver::frame(200, 0x80, hex("01"))}
                                           << QString();
    QTest::newRow("letters cannot be typed") << "ab" << "" << QList<QByteArray>{} << refused + "a number is needed";
    QTest::newRow("empty") << "" << "" << QList<QByteArray>{} << refused + "a number is needed";
}

void tst_DBGByte::typedTextDecidesWhatGoesOut()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QString, box);

    QTest::keyClicks(field(0), typed);
    QCOMPARE(field(0)->text(), shown);
    execute(0)->click();
    QCOMPARE(framesBeforeFence(*session), frames);
    QCOMPARE(lastText(boxes), box);
    QCOMPARE(markedRefused(field(0)), !box.isEmpty());
}

void tst_DBGByte::fourPressesGoOutInPressOrderEachAfterTheLastAnswer()
{
    // Each debug byte is answered a little late; had the window or the engine written
    // ahead, a command would arrive before the answer to the one before it.
    for (int subId = 0x80; subId <= 0x83; ++subId)
        session->receiver.answerAlways(200, quint8(subId), ScriptedReceiver::late(ScriptedReceiver::done(), 80));
    QSignalSpy completed(session->controller->binaryConfigurator(),
                         SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)));
    QList<int> answeredWhenArrived;
    connect(&session->receiver, &ScriptedReceiver::commandReceived, this,
            [&](int) { answeredWhenArrived << completed.count(); });

    const QStringList values = {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("40")};
    for (int k = 0; k < 4; ++k)
        QTest::keyClicks(field(k), values.at(k));
    for (int k : {2, 0, 3, 1})
        execute(k)->click();

    QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 4, 5000);
    QCOMPARE(answeredWhenArrived, (QList<int>{0, 1, 2, 3}));
    const QList<ScriptedReceiver::Command> commands = session->receiver.commands();
    QCOMPARE(commands.size(), 4);
    const QList<int> order = {2, 0, 3, 1};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(int(commands.at(i).group), 200);
        QCOMPARE(int(commands.at(i).subId), 0x80 + order.at(i));
        QCOMPARE(commands.at(i).payload, QByteArray(1, char(values.at(order.at(i)).toInt())));
    }
}

void tst_DBGByte::withoutControllerNothingGoesOut()
{
    DBGByte loose(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    QTest::keyClicks(childOf<QLineEdit>(&loose, "editData1"), QStringLiteral("5"));
    childOf<QPushButton>(&loose, "btnExecute1")->click();
    loose.setController(nullptr);
    childOf<QPushButton>(&loose, "btnExecute1")->click();
    QCOMPARE(framesBeforeFence(*session), QList<QByteArray>{});
}

void tst_DBGByte::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    DBGByte translated(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    QCOMPARE(childOf<QGroupBox>(&translated, "groupBox3")->title(), QStringLiteral("Режим 3"));
    QCOMPARE(childOf<QLabel>(&translated, "labelData_0")->text(), QStringLiteral("Данные:"));
    QCOMPARE(childOf<QPushButton>(&translated, "btnExecute0")->text(), QStringLiteral("Выполнить"));
}

void tst_DBGByte::screenshot()
{
    QTest::keyClicks(field(0), QStringLiteral("1"));
    QTest::keyClicks(field(1), QStringLiteral("128"));
    QTest::keyClicks(field(2), QStringLiteral("255"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(saveScreenshot(window.get(), QStringLiteral("dbgbyte.png")));
}

QTEST_MAIN(tst_DBGByte)
#include "tst_dbgbyte.moc"
