// The atmospheric corrections page against a receiver that keeps its settings in a table.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cstring>
#include <memory>

#include "atmosphericcorrectionswidget.h"
#include "boxrecorder.h"
#include "connectguard.h"
#include "hexbytes.h"
#include "pagefixture.h"
#include "screenshot.h"
#include "settingsdialogs.h"

namespace {

QByteArray floats(const QVector<float> &values)
{
    QByteArray bytes;
    for (float value : values) {
        quint32 raw;
        std::memcpy(&raw, &value, sizeof raw);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((raw >> shift) & 0xFF));
    }
    return bytes;
}

const QList<QByteArray> getters = {commandFrame(3, 0x2E), commandFrame(3, 0x2D), commandFrame(3, 0x2F)};

// Mask order: position i is bit i + 1 of the mask word.
const QStringList maskNames = {
    "chBoxExludeMask_User",          "chBoxExludeMask_BDO",      "chBoxExludeMask_IRN",
    "chBoxExludeMask_GPS",           "chBoxExludeMask_GAL",      "chBoxExludeMask_Auto_Generic",
    "chBoxExludeMask_Auto_Regional", "chBoxExludeMask_IRN_Grid", "chBoxExludeMask_SBAS_Grid",
    "chBoxExludeMask_DUAL_FRQ"};

const QStringList modelNames = {"lineEdit_A0", "lineEdit_A1", "lineEdit_A2", "lineEdit_A3",
                                "lineEdit_B0", "lineEdit_B1", "lineEdit_B2", "lineEdit_B3"};

// A Klobuchar set as the receiver holds it (the a-terms in units of 1e-8), with values
// that do not survive six decimals.
const QVector<float> benchModel = {1.1175871f, 2.2351742f, -5.9604645f, -1.1920929f,
                                   90112.0f,   0.0f,       -196608.0f,  65536.0f};

} // namespace

class TestAtmosphericCorrectionsWidget : public QObject,
                                         public PageFixture<AtmosphericCorrectionsWidget>,
                                         public BoxRecorder<SettingsDialogs>
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

    void ionoReplyShowsModeThresholdAndBoxes();
    void unchangedSaveSendsOnlyTheIonoCorrection();
    void changedTropoModeGoesFirst();
    void typedCoefficientSendsTheWholeModel();
    void emptiedCoefficientIsRefilledAndNotSent();
    void modelNotReadIsNotSent();
    void unknownModeOrThresholdSendsNoCorrection_data();
    void unknownModeOrThresholdSendsNoCorrection();
    void receivedMaskSetsEveryBox();
    void refusedSettersAskOnceMore_data();
    void refusedSettersAskOnceMore();

    void typedCoefficientGoesOutAsTypedOrNotAtAll_data();
    void typedCoefficientGoesOutAsTypedOrNotAtAll();

    void screenshot();
private:
    QCheckBox *box(const QString &name) const { return page->findChild<QCheckBox *>(name); }
    QLineEdit *edit(const QString &name) const { return page->findChild<QLineEdit *>(name); }
    QComboBox *combo(const char *name) const { return page->findChild<QComboBox *>(name); }
    void click(const char *name) const { page->findChild<QPushButton *>(name)->click(); }
    QStringList checked() const
    {
        QStringList out;
        for (const QString &name : maskNames) {
            if (box(name)->isChecked())
                out.append(name);
        }
        return out;
    }
    QStringList model() const
    {
        QStringList out;
        for (const QString &name : modelNames)
            out.append(edit(name)->text());
        return out;
    }
    void openPage();

};

void TestAtmosphericCorrectionsWidget::init()
{
    boxes.clear();
    QVERIFY(openSession());
    session->table.store(3, 0x2E, hex("01"));
    session->table.store(3, 0x2D, floats(benchModel));
    // USER, every source excluded, 5 %.
    session->table.store(3, 0x2F, hex("01fe0705"));
    makePage();
}

void TestAtmosphericCorrectionsWidget::cleanup()
{
    closePage();
}

void TestAtmosphericCorrectionsWidget::openPage()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(combo("comBox_TropoCorr")->currentText(), QString("SBAS"));
    session->table.clearRecord();
}

void TestAtmosphericCorrectionsWidget::ionoReplyShowsModeThresholdAndBoxes()
{
    QCOMPARE(combo("comBoxIonoCorrMode")->currentIndex(), -1);
    QCOMPARE(combo("comBoxIonoCorrMode")->count(), 12);
    QCOMPARE(checked(), QStringList());
    session->table.store(3, 0x2F, hex("00"));
    session->receiver.answerAlways(3, 0x2F, ScriptedReceiver::raw(hex("214e0002040001fe0705" "123a")));
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(combo("comBoxIonoCorrMode")->currentText(), QString("USER"));
    QCOMPARE(edit("lineEditIonoCorrTrashold")->text(), QString("5"));
    QCOMPARE(checked(), maskNames);
    QCOMPARE(model(), QStringList({"1.117587", "2.235174", "-5.960464", "-1.192093", "90112.000000",
                                   "0.000000", "-196608.000000", "65536.000000"}));
}

void TestAtmosphericCorrectionsWidget::unchangedSaveSendsOnlyTheIonoCorrection()
{
    openPage();
    click("btnSave");
    QVERIFY(session->settle());
    // The model shown rounded to six decimals is not taken for a change.
    QCOMPARE(session->table.frames(), QList<QByteArray>{hex("214e03af040001fe0705" "c212")} + getters);
    QCOMPARE(session->table.stored(3, 0x2D), floats(benchModel));
}

void TestAtmosphericCorrectionsWidget::changedTropoModeGoesFirst()
{
    openPage();
    combo("comBox_TropoCorr")->setCurrentText("SAAST");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({hex("214e03ae010002" "b4ce"), commandFrame(3, 0xAF, hex("01fe0705"))}) + getters);
    QCOMPARE(combo("comBox_TropoCorr")->currentText(), QString("SAAST"));
}

void TestAtmosphericCorrectionsWidget::typedCoefficientSendsTheWholeModel()
{
    openPage();
    edit("lineEdit_B1")->setText("-32768.5");
    click("btnSave");
    QVERIFY(session->settle());
    QVector<float> expected = benchModel;
    expected[5] = -32768.5f;
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({commandFrame(3, 0xAD, floats(expected)), commandFrame(3, 0xAF, hex("01fe0705"))})
                 + getters);
    QCOMPARE(edit("lineEdit_B1")->text(), QString("-32768.500000"));
}

void TestAtmosphericCorrectionsWidget::typedCoefficientGoesOutAsTypedOrNotAtAll_data()
{
    addTypedNumberColumns(false);
    const QString refused = nothingSent("User IONO Model, a0: ");
    QVector<float> model = benchModel;
    model[0] = 2.5f;
    const QStringList sent = sentOutcome(
        QList<QByteArray>({commandFrame(3, 0xAD, floats(model)), commandFrame(3, 0xAF, hex("01fe0705"))}) + getters,
        "2.500000");
    QTest::newRow("2.5") << "2.5" << sent << QString();
    // A Russian user's decimal comma is the decimal point.
    QTest::newRow("2,5") << "2,5" << sent << QString();
    QTest::newRow("letters") << "abc" << refusedOutcome("abc") << refused + "\"abc\" is not a number";
    QTest::newRow("beyond a float") << "1e60" << refusedOutcome("1e60")
                                    << refused + "1e60 is outside -3.40282e+38 to 3.40282e+38";
}

void TestAtmosphericCorrectionsWidget::typedCoefficientGoesOutAsTypedOrNotAtAll()
{
    openPage();
    QCOMPARE(typeRowAndSave(boxes, "lineEdit_A0"), rowExpected());
}

void TestAtmosphericCorrectionsWidget::emptiedCoefficientIsRefilledAndNotSent()
{
    session->table.answerLate(3, 0x2D, 300, 2);
    openPage();
    edit("lineEdit_A2")->clear();
    click("btnSave");
    // The field shows its value again ('g' format) until the read-back empties it.
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xAD), 0);
    QCOMPARE(edit("lineEdit_A2")->text(), QString("-5.960464"));

    // A coefficient never read stays empty.
    session->table.refuse(3, 0x2D);
    click("btnRefresh");
    QVERIFY(session->settle());
    QCOMPARE(model(), QStringList(QVector<QString>(8).toList()));
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xAD), 0);
}

void TestAtmosphericCorrectionsWidget::modelNotReadIsNotSent()
{
    session->table.refuse(3, 0x2D);
    openPage();
    QCOMPARE(model(), QStringList(QVector<QString>(8).toList()));
    // The seven empty coefficients are not the receiver's: they would go out as -1.0.
    edit("lineEdit_B1")->setText("-32768.5");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{commandFrame(3, 0xAF, hex("01fe0705"))} + getters);
    QCOMPARE(session->table.stored(3, 0x2D), floats(benchModel));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().text, notSentText({"User IONO Model"}));

    // Read this time: the coefficient goes out with the seven as received.
    QCOMPARE(model().at(0), QString("1.117587"));
    session->table.clearRecord();
    edit("lineEdit_B1")->setText("-32768.5");
    click("btnSave");
    QVERIFY(session->settle());
    QVector<float> expected = benchModel;
    expected[5] = -32768.5f;
    QCOMPARE(session->table.frames(3, 0xAD), QList<QByteArray>{commandFrame(3, 0xAD, floats(expected))});
    QCOMPARE(boxes.size(), 1);

    // Every coefficient typed is a model known whole.
    session->table.refuse(3, 0x2D);
    click("btnRefresh");
    QVERIFY(session->settle());
    session->table.clearRecord();
    for (const QString &name : modelNames)
        edit(name)->setText("2");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(3, 0xAD),
             QList<QByteArray>{commandFrame(3, 0xAD, floats(QVector<float>(8, 2.0f)))});
    QCOMPARE(boxes.size(), 1);
}

void TestAtmosphericCorrectionsWidget::unknownModeOrThresholdSendsNoCorrection_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("refused");
    QTest::newRow("never read") << QByteArray() << true;
    QTest::newRow("mode without item") << hex("0c020005") << false;
}

void TestAtmosphericCorrectionsWidget::unknownModeOrThresholdSendsNoCorrection()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, refused);
    if (refused)
        session->table.refuse(3, 0x2F, SettingsTableReceiver::always);
    else
        session->table.store(3, 0x2F, reply);
    openPage();
    QCOMPARE(combo("comBoxIonoCorrMode")->currentIndex(), -1);
    // The frame has no byte for an unknown mode or threshold: nothing goes out.
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xAF), 0);
    combo("comBoxIonoCorrMode")->setCurrentText("GAL");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xAF), refused ? 0 : 1);

    combo("comBoxIonoCorrMode")->setCurrentText("GAL");
    edit("lineEditIonoCorrTrashold")->clear();
    QTest::keyClicks(edit("lineEditIonoCorrTrashold"), "300");
    QCOMPARE(edit("lineEditIonoCorrTrashold")->text(), QString("30"));
    edit("lineEditIonoCorrTrashold")->setText("50");
    session->table.clearRecord();
    click("btnSave");
    QVERIFY(session->settle());
    if (refused) {
        // Nor without the receiver's exclude mask: its boxes were never read.
        QCOMPARE(session->table.count(3, 0xAF), 0);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, notSentText({"Exclude mask"}));
        return;
    }
    QCOMPARE(session->table.frames(3, 0xAF), QList<QByteArray>{commandFrame(3, 0xAF, hex("05020032"))});
    QCOMPARE(edit("lineEditIonoCorrTrashold")->text(), QString("50"));
    QVERIFY(boxes.isEmpty());
}

void TestAtmosphericCorrectionsWidget::receivedMaskSetsEveryBox()
{
    openPage();
    QCOMPARE(checked(), maskNames);
    // Only bit 10 now: "DUAL_FRQ " stays checked, the others follow their cleared bits.
    session->table.store(3, 0x2F, hex("04000405"));
    click("btnRefresh");
    // Until the reply comes the boxes keep their state.
    QCOMPARE(checked(), maskNames);
    QVERIFY(session->settle());
    QCOMPARE(checked(), QStringList({"chBoxExludeMask_DUAL_FRQ"}));
    box("chBoxExludeMask_BDO")->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(3, 0xAF), QList<QByteArray>{commandFrame(3, 0xAF, hex("04040405"))});
    QCOMPARE(checked(), QStringList({"chBoxExludeMask_BDO", "chBoxExludeMask_DUAL_FRQ"}));
}

void TestAtmosphericCorrectionsWidget::refusedSettersAskOnceMore_data()
{
    QTest::addColumn<int>("getter");
    QTest::newRow("tropo") << 0x2E;
    QTest::newRow("model") << 0x2D;
    QTest::newRow("iono correction") << 0x2F;
}

void TestAtmosphericCorrectionsWidget::refusedSettersAskOnceMore()
{
    QFETCH(int, getter);
    openPage();
    session->table.refuse(3, quint8(getter + 0x80));
    combo("comBox_TropoCorr")->setCurrentText("OFF");
    edit("lineEdit_A0")->setText("1.5");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, quint8(getter)), 2);
    QCOMPARE(session->table.total(), 3 + 3 + 1);
}

void TestAtmosphericCorrectionsWidget::screenshot()
{
    openPage();
    QCOMPARE(checked(), maskNames);
    page->resize(page->size().expandedTo(page->sizeHint()));
    QVERIFY(saveScreenshot(page.get(), "atmosphericcorrectionswidget.png"));
}

QTEST_MAIN(TestAtmosphericCorrectionsWidget)
#include "tst_atmosphericcorrectionswidget.moc"
