// The PPS page against a receiver that keeps its settings in a table.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "boxrecorder.h"
#include "connectguard.h"
#include "hexbytes.h"
#include "pagefixture.h"
#include "screenshot.h"
#include "ppswidget.h"
#include "russiancatalogue.h"
#include "settingsdialogs.h"

namespace {

const QList<QByteArray> getters = {commandFrame(3, 0x40), commandFrame(8, 0x04), commandFrame(8, 0x05),
                                   commandFrame(8, 0x06), commandFrame(8, 0x07)};

} // namespace

class TestPPSWidget : public QObject, public PageFixture<PPSWidget>, public BoxRecorder<SettingsDialogs>
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

    void replyFramesShowTheFiveSettings();
    void changedFieldSendsItsSetterAlone_data();
    void changedFieldSendsItsSetterAlone();
    void unchangedSaveReadsTheFiveAgain();
    void unknownTimeScaleSendsNoControl();
    void reportedMinusOneCalibrationIsAValue_data();
    void reportedMinusOneCalibrationIsAValue();
    void slopeNeverReadStaysEmpty();
    void refusedClockSourceLeavesTheBoxEmpty();
    void refusedSettersAskOnceMore_data();
    void refusedSettersAskOnceMore();
    void typedNumberGoesOutAsTypedOrNotAtAll_data();
    void typedNumberGoesOutAsTypedOrNotAtAll();

    void screenshot();
    void refusedFieldScreenshot_data();
    void refusedFieldScreenshot();
private:
    QLineEdit *edit(const char *name) const { return page->findChild<QLineEdit *>(name); }
    QComboBox *combo(const char *name) const { return page->findChild<QComboBox *>(name); }
    void click(const char *name) const { page->findChild<QPushButton *>(name)->click(); }
    void type(const char *name, const QString &text) const
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    QStringList shown() const
    {
        return {edit("editCalibration")->text(), combo("comBoxAdjustment")->currentText(),
                combo("comBoxClockSrc")->currentText(), edit("editClockTolerance")->text(),
                edit("editGloL1Slope")->text(), edit("editGloL2Slope")->text()};
    }
    void openPage();

};

const QStringList benchValues = {"100", "tscl_GPS", "Receiver", "20", "-50", "75"};

void TestPPSWidget::init()
{
    QVERIFY(openSession());
    session->table.store(3, 0x40, hex("6400000001"));
    session->table.store(8, 0x04, hex("01"));
    session->table.store(8, 0x05, hex("14000000"));
    session->table.store(8, 0x06, hex("ceffffff"));
    session->table.store(8, 0x07, hex("4b000000"));
    makePage();
}

void TestPPSWidget::cleanup()
{
    closePage();
}

void TestPPSWidget::openPage()
{
    readPage();
    QTRY_COMPARE(shown(), benchValues);
    QVERIFY(session->settle());
    session->table.clearRecord();
}

void TestPPSWidget::replyFramesShowTheFiveSettings()
{
    QCOMPARE(PPSWidget::slopeUnsetValue, 1000000000);
    session->table.store(8, 0x04, hex("00"));
    // The receiver's own reply frame: calibration 100 in the GPS time scale.
    session->receiver.answerNext({ScriptedReceiver::raw(hex("214e0002050064000000" "016c2a"))});
    page->setController(session->controller);
    QCOMPARE(shown(), QStringList({"", "", "", "", "", ""}));
    QCOMPARE(combo("comBoxAdjustment")->count(), 8);
    QCOMPARE(combo("comBoxAdjustment")->itemText(7), QString("tscl_NO"));
    page->readSettings();
    QTRY_COMPARE(shown(), QStringList({"100", "tscl_GPS", "System", "20", "-50", "75"}));
    QCOMPARE(session->table.frames(), getters);
}

void TestPPSWidget::changedFieldSendsItsSetterAlone_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("setter");
    QTest::newRow("time scale UTC") << "comBoxAdjustment" << "tscl_UTC" << hex("214e03c0050064000000" "063340");
    QTest::newRow("calibration") << "editCalibration" << "150" << commandFrame(3, 0xC0, hex("9600000001"));
    QTest::newRow("clock source System") << "comBoxClockSrc" << "System" << commandFrame(8, 0x84, hex("00"));
    QTest::newRow("tolerance") << "editClockTolerance" << "35" << commandFrame(8, 0x85, hex("23000000"));
    QTest::newRow("GLO L1 slope -250") << "editGloL1Slope" << "-250" << hex("214e0886040006ffffff" "981e");
    QTest::newRow("GLO L2 slope 0") << "editGloL2Slope" << "0" << commandFrame(8, 0x87, hex("00000000"));
}

void TestPPSWidget::changedFieldSendsItsSetterAlone()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QByteArray, setter);
    openPage();
    if (QComboBox *box = combo(qPrintable(field)))
        box->setCurrentText(value);
    else
        type(qPrintable(field), value);
    click("btnSave");
    QCOMPARE(shown(), QStringList({"", "", "", "", "", ""}));
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{setter} + getters);
}

void TestPPSWidget::unchangedSaveReadsTheFiveAgain()
{
    openPage();
    // An emptied field shows its value again and sends nothing.
    edit("editGloL1Slope")->clear();
    edit("editCalibration")->clear();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(shown(), benchValues);
}

void TestPPSWidget::unknownTimeScaleSendsNoControl()
{
    // The receiver does not report its PPS control: neither a value nor a time scale.
    session->table.refuse(3, 0x40, SettingsTableReceiver::always);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(shown().mid(0, 2), QStringList({"", ""}));
    // A value without a time scale has no scale byte to go with it (no 0xFF), and a
    // scale without a value no value (no 0xFFFFFFFF).
    type("editCalibration", "100");
    click("btnSave");
    QVERIFY(session->settle());
    combo("comBoxAdjustment")->setCurrentText("tscl_GLO");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xC0), 0);

    type("editCalibration", "100");
    combo("comBoxAdjustment")->setCurrentText("tscl_GLO");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(3, 0xC0), QList<QByteArray>{commandFrame(3, 0xC0, hex("6400000002"))});
}

void TestPPSWidget::reportedMinusOneCalibrationIsAValue_data()
{
    QTest::addColumn<bool>("emptied");
    QTest::newRow("field as shown") << false;
    QTest::newRow("field emptied") << true;
}

void TestPPSWidget::reportedMinusOneCalibrationIsAValue()
{
    QFETCH(bool, emptied);
    // Calibration FF FF FF FF in the GPS time scale.
    session->table.store(3, 0x40, hex("ffffffff01"));
    readPage();
    QTRY_COMPARE(shown().mid(0, 2), QStringList({"-1", "tscl_GPS"}));
    QVERIFY(session->settle());
    session->table.clearRecord();
    if (emptied)
        edit("editCalibration")->clear();
    combo("comBoxAdjustment")->setCurrentText("tscl_UTC");
    click("btnSave");
    QCOMPARE(edit("editCalibration")->text(), QString());
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{commandFrame(3, 0xC0, hex("ffffffff06"))} + getters);
    QCOMPARE(shown().mid(0, 2), QStringList({"-1", "tscl_UTC"}));
}

void TestPPSWidget::slopeNeverReadStaysEmpty()
{
    session->table.forget(8, 0x07);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(edit("editGloL2Slope")->text(), QString());
    QCOMPARE(edit("editGloL1Slope")->text(), QString("-50"));
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(edit("editGloL2Slope")->text(), QString());
    QCOMPARE(session->table.count(8, 0x87), 0);
    // A typed minus sign and digits only.
    type("editGloL2Slope", "-1-2a3");
    QCOMPARE(edit("editGloL2Slope")->text(), QString("-123"));
    type("editClockTolerance", "-5");
    QCOMPARE(edit("editClockTolerance")->text(), QString("5"));
}

void TestPPSWidget::refusedClockSourceLeavesTheBoxEmpty()
{
    openPage();
    session->table.refuse(8, 0x04);
    click("btnRefresh");
    QVERIFY(session->settle());
    QCOMPARE(combo("comBoxClockSrc")->currentIndex(), -1);
    QCOMPARE(edit("editClockTolerance")->text(), QString("20"));
    // Unknown counts as "System": Save sends nothing for it, "Receiver" goes out.
    session->table.refuse(8, 0x04);
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(8, 0x84), 0);
    combo("comBoxClockSrc")->setCurrentText("Receiver");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(8, 0x84), QList<QByteArray>{commandFrame(8, 0x84, hex("01"))});
}

void TestPPSWidget::refusedSettersAskOnceMore_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("getter");
    QTest::addColumn<QString>("field");
    QTest::newRow("PPS control") << 3 << 0x40 << "editCalibration";
    QTest::newRow("tolerance") << 8 << 0x05 << "editClockTolerance";
    QTest::newRow("GLO L2 slope") << 8 << 0x07 << "editGloL2Slope";
}

void TestPPSWidget::refusedSettersAskOnceMore()
{
    QFETCH(int, group);
    QFETCH(int, getter);
    QFETCH(QString, field);
    openPage();
    session->table.refuse(quint8(group), quint8(getter + 0x80));
    type(qPrintable(field), "7");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(quint8(group), quint8(getter + 0x80)), 1);
    QCOMPARE(session->table.count(quint8(group), quint8(getter)), 2);
    QCOMPARE(session->table.total(), 7);
    QCOMPARE(shown(), benchValues);
}

void TestPPSWidget::typedNumberGoesOutAsTypedOrNotAtAll_data()
{
    addTypedNumberColumns();
    const QString big = QStringLiteral("99999999999");
    QTest::newRow("GLO L1 slope minus only") << "editGloL1Slope" << "-" << refusedOutcome("-")
                                             << nothingSent("Calibration, GLO L1 slope, ns: \"-\" is not a number");
    QTest::newRow("GLO L1 slope eleven digits") << "editGloL1Slope" << big << refusedOutcome(big)
                                                << nothingSent("Calibration, GLO L1 slope, ns: " + outsideInt(big));
    QTest::newRow("clock tolerance eleven digits") << "editClockTolerance" << big << refusedOutcome(big)
                                                   << nothingSent("Calibration, Clock tolerance, ms: " + outsideInt(big));
    QTest::newRow("calibration eleven digits") << "editCalibration" << big << refusedOutcome(big)
                                               << nothingSent("PPS, PPS calibration value: " + outsideInt(big));
    QTest::newRow("GLO L1 slope the largest")
        << "editGloL1Slope" << "2147483647"
        << sentOutcome(QList<QByteArray>{commandFrame(8, 0x86, hex("ffffff7f"))} + getters, "2147483647") << QString();
}

void TestPPSWidget::typedNumberGoesOutAsTypedOrNotAtAll()
{
    openPage();
    QCOMPARE(typeRowAndSave(boxes), rowExpected());
}

void TestPPSWidget::screenshot()
{
    openPage();
    QCOMPARE(shown(), benchValues);
    page->resize(page->size().expandedTo(page->sizeHint()));
    QVERIFY(saveScreenshot(page.get(), "ppswidget.png"));
}

void TestPPSWidget::refusedFieldScreenshot_data()
{
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("box");
    QTest::newRow("English") << false << "ppswidget_refused_en.png"
                             << nothingSent("Calibration, GLO L1 slope, ns: " + outsideInt("99999999999"));
    QTest::newRow("Russian") << true << "ppswidget_refused_ru.png"
                             << QString::fromUtf8("Ничего не отправлено: исправьте отмеченные поля.\n"
                                                  "%1: 99999999999 вне пределов от -2147483648 до 2147483647");
}

void TestPPSWidget::refusedFieldScreenshot()
{
    QFETCH(bool, russian);
    QFETCH(QString, file);
    QFETCH(QString, box);
    RussianCatalogue catalogue;
    QVERIFY(catalogue.loaded);
    if (!russian)
        catalogue.remove();
    makePage();
    readPage();
    QVERIFY(session->settle());
    // The program's own box, as a person would see it, grabbed beside the page.
    QStringList seen;
    const QString shown = grabBoxesDuring(screenshotPath(QString(file).replace(".png", "_box.png")),
                                          [&] { seen = typeAndSave("editGloL1Slope", "99999999999"); });
    QCOMPARE(seen, refusedOutcome("99999999999"));
    // The field is named by the form's own labels, in the person's language.
    const QString name = TypedNumber::fieldName(edit("editGloL1Slope"));
    QCOMPARE(shown, russian ? box.arg(name) : box);
    page->resize(page->size().expandedTo(page->sizeHint()));
    QVERIFY(saveScreenshot(page.get(), file));
}

QTEST_MAIN(TestPPSWidget)
#include "tst_ppswidget.moc"
