// The raw data page against a receiver that keeps its settings in a table.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>
#include <QtTest>

#include <memory>

#include "boxrecorder.h"
#include "connectguard.h"
#include "controller.h"
#include "hexbytes.h"
#include "pagefixture.h"
#include "russiancatalogue.h"
#include "screenshot.h"
#include "settingspages.h"
#include "payload.h"
#include "rawdatawidget.h"
#include "settingsdialogs.h"

namespace {

const QStringList messageBoxNames = {
    "chBoxRANGE",      "chBoxRANGECMP",      "chBoxGPSEPH",   "chBoxGLOEPH",   "chBoxGLOCLOCK",
    "chBoxBESTPOS",    "chBoxGSVDATA",       "chBoxBDSEPHEMERIS", "chBoxGALINAV_EPH", "chBoxIRNEPHEMERIS",
    "chBoxRtcm1004_1012", "chBoxRtcm1019",   "chBoxRtcm1020", "chBoxRtcm1006"};

const QStringList systemBoxNames = {"chBoxGps", "chBoxGlonass", "chBoxBeiDou", "chBoxGalileo", "chBoxIrnss"};

QByteArray bestPos(quint8 source, double latitude, double longitude, double altitude)
{
    return Payload().u8(source).f64(latitude).f64(longitude).f64(altitude);
}

// The six getters in the page's order.
QList<QByteArray> getters()
{
    QList<QByteArray> frames;
    for (quint8 subId : {0x00, 0x01, 0x02, 0x03, 0x08, 0x0A})
        frames.append(commandFrame(8, subId));
    return frames;
}

} // namespace

class TestRawDataWidget : public QObject, public PageFixture<RawDataWidget>, public BoxRecorder<SettingsDialogs>
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

    void theSelectorOpensThisPage();

    void openingReadsSixGettersInOrder();
    void messagesReplyChecksItsBoxesAndSaveSendsTheMask();
    void bestPositionIsShownWithItsDecimals();
    void userPositionIsSentWithItsSource();
    void typedCoordinateGoesOutAsTypedOrNotAtAll_data();
    void typedCoordinateGoesOutAsTypedOrNotAtAll();
    void positionSourceEnablesTheCoordinates();
    void sourceOutsideTheTwoDisablesTheCoordinates();
    void unchangedPageSendsOnlyGetters();
    void failedGettersSendNoUnsetValue();
    void emptiedMaskNumberKeepsTheMask();
    void maskTakesOneByteNumbers();
    void bitsWithoutABoxAreKept();
    void uncheckingEveryBoxSendsAnEmptyMask();
    void rateOffIsSentAsZero();
    void refusedMaskSetterAsksOnce();
    void refusedFormatGetterEmptiesOnlyItsBox();
    void withoutControllerTheButtonsDoNothing();
    void russianTexts();
    void screenshot();

private:
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(name); }
    QCheckBox *box(const QString &name) const { return child<QCheckBox>(name); }
    QComboBox *combo(const char *name) const { return child<QComboBox>(name); }
    void click(const char *name) const { child<QAbstractButton>(name)->click(); }
    void type(const char *name, const QString &text) const
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    QStringList checked(const QStringList &names) const
    {
        QStringList out;
        for (const QString &name : names) {
            if (box(name)->isChecked())
                out.append(name);
        }
        return out;
    }
    QStringList position() const
    {
        return {edit("editBestPosLat")->text(), edit("editBestPosLon")->text(), edit("editBestPosAlt")->text()};
    }
    bool coordinatesEnabled() const { return child<QWidget>("widgetBestPosSource")->isEnabled(); }
    void openPage();
    void saveAndSettle();
    QList<QByteArray> setters() const;

};

void TestRawDataWidget::init()
{
    QVERIFY(openSession());
    session->table.store(8, 0x00, hex("05"));
    session->table.store(8, 0x01, bestPos(0, 55.75, 37.625, 200.0));
    session->table.store(8, 0x02, hex("05002000"));
    session->table.store(8, 0x03, hex("1f1e0a01"));
    session->table.store(8, 0x08, hex("02"));
    session->table.store(8, 0x0A, hex("00"));
    makePage();
}

void TestRawDataWidget::cleanup()
{
    closePage();
}

void TestRawDataWidget::theSelectorOpensThisPage()
{
    std::unique_ptr<QWidget> opened(createSettingsPage("radBtnRawData", nullptr));
    QVERIFY(qobject_cast<RawDataWidget *>(opened.get()));
}

void TestRawDataWidget::openPage()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(combo("comBoxSmoothingMode")->currentText(), QString("ON"));
    session->table.clearRecord();
}

void TestRawDataWidget::saveAndSettle()
{
    click("btnSave");
    QVERIFY(session->settle());
}

QList<QByteArray> TestRawDataWidget::setters() const
{
    QList<QByteArray> out;
    for (const QByteArray &frame : session->table.frames()) {
        if (quint8(frame.at(3)) >= 0x80)
            out.append(frame);
    }
    return out;
}

void TestRawDataWidget::openingReadsSixGettersInOrder()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters());
    QCOMPARE(combo("comBoxRawDataMode")->currentText(), QString("5 Hz"));
    QCOMPARE(combo("comBoxRawShellMode")->currentText(), QString("RTCM3"));
    QCOMPARE(checked(systemBoxNames), systemBoxNames);
    QCOMPARE(edit("editMinSignalNoise")->text(), QString("30"));
    QCOMPARE(edit("editMinElevAngle")->text(), QString("10"));
    QVERIFY(box("chBoxRaim")->isChecked());
    QVERIFY(child<QRadioButton>("radBtnSingleSol")->isChecked());
    QVERIFY(!coordinatesEnabled());
}

void TestRawDataWidget::messagesReplyChecksItsBoxesAndSaveSendsTheMask()
{
    // The receiver's own reply frame, byte for byte: bits 0, 2 and 21.
    session->receiver.answerAlways(8, 0x02, ScriptedReceiver::raw(hex("214e0002040005002000" "2b7a")));
    openPage();
    QCOMPARE(checked(messageBoxNames), QStringList({"chBoxRANGE", "chBoxGPSEPH", "chBoxRtcm1006"}));
    box("chBoxRtcm1019")->click();
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>({hex("214e08820400" "05002400" "b746")}));
    // Save ends with the whole page read again.
    QCOMPARE(session->table.frames().mid(1), getters());
}

void TestRawDataWidget::bestPositionIsShownWithItsDecimals()
{
    session->table.store(8, 0x01, bestPos(1, 55.123456789, 37.5, 150.12345));
    openPage();
    QCOMPARE(position(), QStringList({"55.12345679", "37.50000000", "150.123"}));
    QVERIFY(child<QRadioButton>("radBtnUserData")->isChecked());
    QVERIFY(coordinatesEnabled());
    // The shown text is what Save reads back: rounded, so it goes out again rounded.
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>({commandFrame(8, 0x81, bestPos(1, 55.12345679, 37.5, 150.123))}));
}

void TestRawDataWidget::typedCoordinateGoesOutAsTypedOrNotAtAll_data()
{
    addTypedNumberColumns();
    const auto sent = [](double latitude, double longitude, const QString &shown) {
        return sentOutcome(QList<QByteArray>{commandFrame(8, 0x81, bestPos(1, latitude, longitude, 200.0))} + getters(), shown);
    };
    QTest::newRow("latitude 55.75") << "editBestPosLat" << "55.75" << sent(55.75, 37.625, "55.75000000") << QString();
    // A Russian user's decimal comma is the decimal point.
    QTest::newRow("latitude 55,75") << "editBestPosLat" << "55,75" << sent(55.75, 37.625, "55.75000000") << QString();
    QTest::newRow("longitude -37,5") << "editBestPosLon" << "-37,5" << sent(55.75, -37.5, "-37.50000000") << QString();
    QTest::newRow("latitude point only") << "editBestPosLat" << "." << refusedOutcome(".")
                                         << nothingSent("BESTPOS/1006, BestPos latitude, °: \".\" is not a number");
    QTest::newRow("latitude minus only") << "editBestPosLat" << "-" << refusedOutcome("-")
                                         << nothingSent("BESTPOS/1006, BestPos latitude, °: \"-\" is not a number");
    QTest::newRow("latitude 95") << "editBestPosLat" << "95" << refusedOutcome("95")
                                 << nothingSent("BESTPOS/1006, BestPos latitude, °: 95 is outside -90 to 90");
    QTest::newRow("longitude 180.5") << "editBestPosLon" << "180.5" << refusedOutcome("180.5")
                                     << nothingSent("BESTPOS/1006, BestPos longitude, °: 180.5 is outside -180 to 180");
}

void TestRawDataWidget::typedCoordinateGoesOutAsTypedOrNotAtAll()
{
    openPage();
    click("radBtnUserData");
    QCOMPARE(typeRowAndSave(boxes), rowExpected());
}

void TestRawDataWidget::userPositionIsSentWithItsSource()
{
    openPage();
    click("radBtnUserData");
    QVERIFY(coordinatesEnabled());
    type("editBestPosLat", "55.5");
    type("editBestPosLon", "37.25");
    type("editBestPosAlt", "150");
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>({hex("214e088119000100000000" "00c04b40" "0000000000a04240"
                                                "0000000000c06240" "76b6")}));
    QCOMPARE(position(), QStringList({"55.50000000", "37.25000000", "150.000"}));
}

void TestRawDataWidget::positionSourceEnablesTheCoordinates()
{
    openPage();
    QVERIFY(!coordinatesEnabled());
    click("radBtnUserData");
    QVERIFY(coordinatesEnabled());
    click("radBtnSingleSol");
    QVERIFY(!coordinatesEnabled());
}

void TestRawDataWidget::sourceOutsideTheTwoDisablesTheCoordinates()
{
    session->table.store(8, 0x01, bestPos(7, 1.5, 2.5, 3.5));
    openPage();
    QVERIFY(!child<QRadioButton>("radBtnSingleSol")->isChecked());
    QVERIFY(!child<QRadioButton>("radBtnUserData")->isChecked());
    QVERIFY(!coordinatesEnabled());
    QCOMPARE(position(), QStringList({"1.50000000", "2.50000000", "3.500"}));
    // With neither source chosen there is no source to send.
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>());
}

void TestRawDataWidget::unchangedPageSendsOnlyGetters()
{
    openPage();
    saveAndSettle();
    QCOMPARE(session->table.frames(), getters());
}

void TestRawDataWidget::failedGettersSendNoUnsetValue()
{
    // Every getter refused: the page stays empty, and a Save with nothing known sends
    // no setter, not the unset position, mask or smoothing as bytes.
    for (quint8 subId : {0x00, 0x01, 0x02, 0x03, 0x08, 0x0A})
        session->table.refuse(8, subId, SettingsTableReceiver::always);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(position(), QStringList({"", "", ""}));
    QVERIFY(!child<QRadioButton>("radBtnSingleSol")->isChecked());
    QVERIFY(!child<QRadioButton>("radBtnUserData")->isChecked());
    QCOMPARE(combo("comBoxSmoothingMode")->currentIndex(), -1);
    session->table.clearRecord();

    // A system box checked while the two mask numbers are unknown sends no mask.
    box("chBoxGps")->click();
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>());

    // A source chosen while the coordinates are unknown sends no position either.
    click("radBtnSingleSol");
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>());

    // A position with its source and all three coordinates goes out.
    click("radBtnUserData");
    type("editBestPosLat", "10.");
    type("editBestPosLon", "20.");
    type("editBestPosAlt", "30.");
    box("chBoxGps")->click();
    type("editMinSignalNoise", "25");
    type("editMinElevAngle", "5");
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>({commandFrame(8, 0x81, bestPos(1, 10, 20, 30)),
                                           commandFrame(8, 0x83, hex("01190500"))}));
}

void TestRawDataWidget::emptiedMaskNumberKeepsTheMask()
{
    openPage();
    edit("editMinSignalNoise")->clear();
    edit("editBestPosLat")->clear();
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>());
    QCOMPARE(edit("editMinSignalNoise")->text(), QString("30"));
}

void TestRawDataWidget::maskTakesOneByteNumbers()
{
    openPage();
    type("editMinSignalNoise", "300");
    QCOMPARE(edit("editMinSignalNoise")->text(), QString("30"));
    type("editMinElevAngle", "255");
    box("chBoxRaim")->click();
    box("chBoxIrnss")->click();
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>({commandFrame(8, 0x83, hex("0f1eff00"))}));
}

void TestRawDataWidget::bitsWithoutABoxAreKept()
{
    // Bits 10, 17 and 20 have no box: the user cannot see them, so Save keeps them on.
    session->table.store(8, 0x02, Payload().u32(1u << 0 | 1u << 10 | 1u << 17 | 1u << 20));
    openPage();
    QCOMPARE(checked(messageBoxNames), QStringList({"chBoxRANGE"}));
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>());

    session->table.clearRecord();
    box("chBoxRANGE")->click();
    box("chBoxRtcm1020")->click();
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>({commandFrame(8, 0x82, Payload().u32(1u << 10 | 1u << 17 | 1u << 19 | 1u << 20))}));
}

void TestRawDataWidget::uncheckingEveryBoxSendsAnEmptyMask()
{
    openPage();
    for (const QString &name : checked(messageBoxNames))
        box(name)->click();
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>({commandFrame(8, 0x82, hex("00000000"))}));
    QCOMPARE(checked(messageBoxNames), QStringList());
}

void TestRawDataWidget::rateOffIsSentAsZero()
{
    openPage();
    combo("comBoxRawDataMode")->setCurrentIndex(0);
    combo("comBoxSmoothingMode")->setCurrentIndex(1);
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>({commandFrame(8, 0x80, hex("00")), commandFrame(8, 0x8A, hex("01"))}));
    QCOMPARE(combo("comBoxRawDataMode")->currentText(), QString("Off"));
    QCOMPARE(combo("comBoxSmoothingMode")->currentText(), QString("OFF"));
}

void TestRawDataWidget::refusedMaskSetterAsksOnce()
{
    openPage();
    session->table.refuse(8, 0x83);
    type("editMinElevAngle", "15");
    saveAndSettle();
    QCOMPARE(session->table.count(8, 0x83), 1);
    QCOMPARE(session->table.count(8, 0x03), 2);
    QCOMPARE(edit("editMinElevAngle")->text(), QString("10"));
}

void TestRawDataWidget::refusedFormatGetterEmptiesOnlyItsBox()
{
    session->table.refuse(8, 0x08);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(combo("comBoxRawShellMode")->currentIndex(), -1);
    QCOMPARE(combo("comBoxRawDataMode")->currentText(), QString("5 Hz"));
    QCOMPARE(combo("comBoxSmoothingMode")->currentText(), QString("ON"));
    QCOMPARE(edit("editMinSignalNoise")->text(), QString("30"));
    // A format box with no selection is never sent.
    session->table.clearRecord();
    saveAndSettle();
    QCOMPARE(setters(), QList<QByteArray>());
}

void TestRawDataWidget::withoutControllerTheButtonsDoNothing()
{
    openPage();
    page->setController(nullptr);
    combo("comBoxRawDataMode")->setCurrentIndex(0);
    click("btnSave");
    click("btnRefresh");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QCOMPARE(combo("comBoxRawDataMode")->currentText(), QString("Off"));
}

void TestRawDataWidget::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    RawDataWidget translated(nullptr);
    russian.remove();
    QCOMPARE(translated.findChild<QGroupBox *>("groupBox")->title(), QString::fromUtf8("Сырые данные"));
    QCOMPARE(translated.findChild<QRadioButton *>("radBtnUserData")->text(), QString::fromUtf8("Данные пользователя"));
    QCOMPARE(translated.findChild<QComboBox *>("comBoxRawDataMode")->itemText(0), QString::fromUtf8("Выкл."));
    QCOMPARE(translated.findChild<QComboBox *>("comBoxSmoothingMode")->itemText(0), QString::fromUtf8("ВКЛ"));
}

void TestRawDataWidget::screenshot()
{
    session->table.store(8, 0x01, bestPos(1, 55.751244, 37.618423, 156.25));
    openPage();
    // The size of its form, as the settings dialog gives it room.
    page->resize(548, 650);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    saveDrawnScreenshot(page.get(), "rawdatawidget.png");
    qInfo("screenshot: %s", qPrintable(screenshotPath("rawdatawidget.png")));
}

QTEST_MAIN(TestRawDataWidget)
#include "tst_rawdatawidget.moc"
