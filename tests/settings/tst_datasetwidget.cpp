// The data set page against a receiver that keeps its settings in a table, with the
// parser proxy's blanking signals recorded as the windows would see them.
#include <QCheckBox>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "binaryconfigurator.h"
#include "boxrecorder.h"
#include "connectguard.h"
#include "controller.h"
#include "datasetwidget.h"
#include "hexbytes.h"
#include "pagefixture.h"
#include "parserproxy.h"
#include "settingsdialogs.h"

namespace {

// In the order of the output message numbers.
const QStringList boxNames = {
    "chBoxTXT",       "chBoxGGA",         "chBoxGSA",       "chBoxGSV",       "chBoxZDA",
    "chBoxVTG",       "chBoxRMC",         "chBoxGST",       "chBoxHDG_DATA",  "chBoxRTIME_RDATE",
    "chBoxRPOS_ECEF", "chBoxRVEL_ECEF",   "chBoxRPOS_LLA",  "chBoxRVEL_ENU",  "chBoxRSOL_ATR",
    "chBoxBPOS_ECEF", "chBoxGSV_FULL",    "chBoxRSOL_FULL", "chBoxRSOL_iFULL", "chBoxYPR_DEG",
    "chBoxHVECT_DATA"};

const QByteArray dataSetGetter = commandFrame(3, 0x09);
const QByteArray gsvGetter = commandFrame(3, 0x0A);

} // namespace

// Writes down, in order, the blanking signals of the parser proxy and the engine's
// acknowledgements.
class EventRecorder : public QObject
{
    Q_OBJECT
public:
    QStringList events;

public slots:
    void blanked() { events.append(QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name())); }
    void requestCompleted(QPair<MsgType, unsigned char> request)
    {
        if (request.first == SettingsTableReceiver::markerGroup)
            return;
        events.append(QString("done %1/%2").arg(int(request.first)).arg(int(request.second), 2, 16, QChar('0')));
    }
};

class TestDataSetWidget : public QObject, public PageFixture<DataSetWidget>, public BoxRecorder<SettingsDialogs>
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installConnectGuard();
        recordBoxes();
    }
    void init();
    void cleanup();

    void replyChecksEveryBoxOfItsMask();
    void switchingOffBlanksTheMessagesBeforeTheAnswer();
    void switchingOnReportsNothing();
    void unchangedSetSendsNoSetter();
    void typedPeriodIsSentAlone();
    void refusedDataSetLeavesTheBoxesEmpty();
    void dataSetNotReadIsNotSent();
    void refusedPeriodSetterAsksAgain();
    void periodTakesOneByteOnly();

private:
    QCheckBox *box(const QString &name) const { return page->findChild<QCheckBox *>(name); }
    QLineEdit *period() const { return page->findChild<QLineEdit *>("editGSVPeriod"); }
    void save() const { page->findChild<QPushButton *>("btnSave")->click(); }
    QStringList checked() const
    {
        QStringList out;
        for (const QString &name : boxNames) {
            if (box(name)->isChecked())
                out.append(name);
        }
        return out;
    }
    void openPage();

    std::unique_ptr<EventRecorder> recorder;
};

void TestDataSetWidget::init()
{
    boxes.clear();
    QVERIFY(openSession());
    session->table.store(3, 0x09, hex("fe03ff33"));
    session->table.store(3, 0x0A, hex("0a"));
    makePage();
    recorder = std::make_unique<EventRecorder>();
    ParserProxy *parser = session->controller->parser();
    for (int i = 0; i < parser->metaObject()->methodCount(); ++i) {
        const QMetaMethod method = parser->metaObject()->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name().startsWith("showLastData"))
            QVERIFY(connect(parser, method, recorder.get(),
                            recorder->metaObject()->method(recorder->metaObject()->indexOfSlot("blanked()"))));
    }
    QVERIFY(connect(session->controller->binaryConfigurator(), SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)),
                    recorder.get(), SLOT(requestCompleted(QPair<MsgType, unsigned char>))));
}

void TestDataSetWidget::cleanup()
{
    page.reset();
    recorder.reset();
    session.reset();
}

void TestDataSetWidget::openPage()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(period()->text(), QString("10"));
    recorder->events.clear();
    session->table.clearRecord();
}

void TestDataSetWidget::replyChecksEveryBoxOfItsMask()
{
    // The receiver's own reply frame: bits 1 to 9, 16 to 25, 28 and 29.
    session->receiver.answerNext({ScriptedReceiver::raw(hex("214e00020400fe03ff333b5e"))});
    readPage();
    QTRY_COMPARE(checked(), boxNames);
    QTRY_COMPARE(period()->text(), QString("10"));
    QCOMPARE(session->table.frames(), QList<QByteArray>({dataSetGetter, gsvGetter}));

    // A mask with bits outside the messages (0, 10 to 15, 26, 27, 30, 31) checks only
    // the boxes of its message bits.
    session->table.store(3, 0x09, hex("05fe00cc"));
    page->findChild<QPushButton *>("btnRefresh")->click();
    QVERIFY(session->settle());
    QCOMPARE(checked(), QStringList({"chBoxGGA", "chBoxHDG_DATA"}));
}

void TestDataSetWidget::switchingOffBlanksTheMessagesBeforeTheAnswer()
{
    openPage();
    session->table.answerLate(3, 0x89, 300);
    box("chBoxGGA")->click();
    box("chBoxRMC")->click();
    save();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({hex("214e038904007a03ff334119"), dataSetGetter, gsvGetter}));
    QCOMPARE(recorder->events, QStringList({"showLastDataGGA", "showLastDataRMC", "done 3/89"}));
    // The read-back shows what the receiver now sends.
    QStringList expected = boxNames;
    expected.removeAll("chBoxGGA");
    expected.removeAll("chBoxRMC");
    QCOMPARE(checked(), expected);
}

void TestDataSetWidget::switchingOnReportsNothing()
{
    session->table.store(3, 0x09, hex("7a03ff33"));
    openPage();
    box("chBoxGGA")->click();
    box("chBoxRMC")->click();
    save();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(3, 0x89), QList<QByteArray>({commandFrame(3, 0x89, hex("fe03ff33"))}));
    QCOMPARE(recorder->events, QStringList({"done 3/89"}));
}

void TestDataSetWidget::unchangedSetSendsNoSetter()
{
    openPage();
    box("chBoxGGA")->click();
    box("chBoxGGA")->click();
    save();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>({dataSetGetter, gsvGetter}));
    QVERIFY(recorder->events.isEmpty());
    QCOMPARE(checked(), boxNames);
}

void TestDataSetWidget::typedPeriodIsSentAlone()
{
    openPage();
    period()->clear();
    QTest::keyClicks(period(), "5");
    save();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>({hex("214e038a0100059341"), dataSetGetter, gsvGetter}));
    QCOMPARE(period()->text(), QString("5"));

    // An emptied field is filled again and sends nothing.
    session->table.clearRecord();
    period()->clear();
    save();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>({dataSetGetter, gsvGetter}));
    QCOMPARE(period()->text(), QString("5"));
}

void TestDataSetWidget::refusedDataSetLeavesTheBoxesEmpty()
{
    session->table.refuse(3, 0x09);
    session->table.store(3, 0x0A, hex("01"));
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(checked(), QStringList());
    QCOMPARE(period()->text(), QString("1"));
}

void TestDataSetWidget::dataSetNotReadIsNotSent()
{
    // Everything on but GGA, and the first read refused.
    session->table.store(3, 0x09, hex("fa03ff33"));
    session->table.refuse(3, 0x09);
    openPage();
    QCOMPARE(checked(), QStringList());
    // The unchecked boxes are not the receiver's: the mask would switch them all off.
    box("chBoxGGA")->click();
    save();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>({dataSetGetter, gsvGetter}));
    QVERIFY(recorder->events.isEmpty());
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString("Error"));
    QCOMPARE(boxes.first().text, notSentText({"Data Set"}));

    // Read this time: the change goes out with every other message as received.
    QStringList expected = boxNames;
    expected.removeAll("chBoxGGA");
    QCOMPARE(checked(), expected);
    session->table.clearRecord();
    box("chBoxGGA")->click();
    save();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(3, 0x89), QList<QByteArray>({commandFrame(3, 0x89, hex("fe03ff33"))}));
    QCOMPARE(checked(), boxNames);
    QCOMPARE(boxes.size(), 1);
}

void TestDataSetWidget::refusedPeriodSetterAsksAgain()
{
    openPage();
    session->table.refuse(3, 0x8A);
    period()->clear();
    QTest::keyClicks(period(), "20");
    save();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({commandFrame(3, 0x8A, hex("14")), dataSetGetter, gsvGetter, gsvGetter}));
    QCOMPARE(period()->text(), QString("10"));
}

void TestDataSetWidget::periodTakesOneByteOnly()
{
    openPage();
    period()->clear();
    QTest::keyClicks(period(), "300");
    QCOMPARE(period()->text(), QString("30"));
    // Text put around the validator does not go out as its low 8 bits.
    boxes.clear();
    period()->setText("300");
    save();
    QVERIFY(session->settle());
    // Refused: nothing goes out, the number stays as typed and the box says why.
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QCOMPARE(period()->text(), QString("300"));
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.last().text.endsWith(": 300 is outside 0 to 255"));
}

QTEST_MAIN(TestDataSetWidget)
#include "tst_datasetwidget.moc"
