// The signal allocation page against a receiver that keeps its settings in a table.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "constellationcontrolwidget1.h"
#include "controller.h"
#include "hexbytes.h"
#include "boxrecorder.h"
#include "pagefixture.h"
#include "settingsdialogs.h"
#include "russiancatalogue.h"
#include "screenshot.h"
#include "settingspages.h"

namespace {

const QStringList primaryBoxes = {"comBoxGpsPrimFrq",  "comBoxGloPrimFrq",   "comBoxBdoPrimFrq",
                                  "comBoxGalPrimFrq",  "comBoxNavicPrimFrq", "comBoxSbasPrimFrq"};
const QStringList secondaryBoxes = {"comBoxGpsSecondFrq", "comBoxGloSecondFrq",   "comBoxBdoSecondFrq",
                                    "comBoxGalSecondFrq", "comBoxNavicSecondFrq", "comBoxSbasSecondFrq"};
const QStringList sbasEdits = {"lineEditSbas_1", "lineEditSbas_2", "lineEditSbas_3",
                               "lineEditSbas_4", "lineEditSbas_5", "lineEditSbas_6"};

const QList<QByteArray> getters = {commandFrame(12, 0x00), commandFrame(12, 0x01), commandFrame(12, 0x02)};

} // namespace

class TestConstellationControlWidget1 : public QObject,
                                        public PageFixture<ConstellationControlWidget1>,
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

    void theSelectorOpensThisPage();

    void boxesOfferTheirBands_data();
    void boxesOfferTheirBands();
    void sbasSecondaryL5CannotBeChosen();
    void openingShowsTheThreeLists();
    void oneSecondaryBandSendsOnlyThatList();
    void sbasSatellitesAreSentAsTyped();
    void sbasNumberOutsideTheRangeIsRefused_data();
    void sbasNumberOutsideTheRangeIsRefused();
    void bandWithoutAnItemStaysAsReceived();
    void failedFrequencyGetterSendsNothingUntilAllAreChosen();
    void failedSbasGetterSendsNoUnknownSlot();
    void saveBeforeAnyReplySendsNothing();
    void refreshKeepsTheShownValues();
    void refusedSetterAsksForItsList();
    void russianTexts();
    void screenshot();

private:
    QComboBox *combo(const QString &name) const { return page->findChild<QComboBox *>(name); }
    QLineEdit *edit(const QString &name) const { return page->findChild<QLineEdit *>(name); }
    void save() const { page->findChild<QPushButton *>("btnSave")->click(); }
    void type(const QString &name, const QString &text) const
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    QStringList texts(const QStringList &boxes) const
    {
        QStringList out;
        for (const QString &name : boxes)
            out.append(combo(name)->currentText());
        return out;
    }
    QStringList satellites() const
    {
        QStringList out;
        for (const QString &name : sbasEdits)
            out.append(edit(name)->text());
        return out;
    }
    void openPage();
    void saveAndSettle();

};

void TestConstellationControlWidget1::init()
{
    QVERIFY(openSession());
    session->table.store(12, 0x00, hex("010101010101"));
    session->table.store(12, 0x01, hex("010101010100"));
    session->table.store(12, 0x02, hex("7a7c7e850000"));
    makePage();
}

void TestConstellationControlWidget1::cleanup()
{
    closePage();
}

void TestConstellationControlWidget1::theSelectorOpensThisPage()
{
    std::unique_ptr<QWidget> opened(createSettingsPage("radBtnConstellationControl_1", nullptr));
    QVERIFY(qobject_cast<ConstellationControlWidget1 *>(opened.get()));
}

void TestConstellationControlWidget1::openPage()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(satellites(), QStringList({"122", "124", "126", "133", "0", "0"}));
    session->table.clearRecord();
}

void TestConstellationControlWidget1::saveAndSettle()
{
    save();
    QVERIFY(session->settle());
}

void TestConstellationControlWidget1::boxesOfferTheirBands_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("GPS primary") << "comBoxGpsPrimFrq" << QStringList({"OFF", "L1"});
    QTest::newRow("GLONASS primary") << "comBoxGloPrimFrq" << QStringList({"OFF", "L1"});
    QTest::newRow("BeiDou primary") << "comBoxBdoPrimFrq" << QStringList({"OFF", "B1"});
    QTest::newRow("Galileo primary") << "comBoxGalPrimFrq" << QStringList({"OFF", "E1"});
    QTest::newRow("NavIC primary") << "comBoxNavicPrimFrq" << QStringList({"OFF", "L5"});
    QTest::newRow("SBAS primary") << "comBoxSbasPrimFrq" << QStringList({"OFF", "L1"});
    QTest::newRow("GPS secondary") << "comBoxGpsSecondFrq" << QStringList({"OFF", "L2", "L5"});
    QTest::newRow("GLONASS secondary") << "comBoxGloSecondFrq" << QStringList({"OFF", "L2"});
    QTest::newRow("BeiDou secondary") << "comBoxBdoSecondFrq" << QStringList({"OFF", "B2"});
    QTest::newRow("Galileo secondary") << "comBoxGalSecondFrq" << QStringList({"OFF", "E5b", "E5a"});
    QTest::newRow("NavIC secondary") << "comBoxNavicSecondFrq" << QStringList({"OFF", "S"});
    QTest::newRow("SBAS secondary") << "comBoxSbasSecondFrq" << QStringList({"OFF", "L5"});
}

void TestConstellationControlWidget1::boxesOfferTheirBands()
{
    QFETCH(QString, box);
    QFETCH(QStringList, items);
    QComboBox *frequencies = combo(box);
    QCOMPARE(frequencies->currentIndex(), -1);
    QStringList shown;
    for (int i = 0; i < frequencies->count(); ++i) {
        shown.append(frequencies->itemText(i));
        QCOMPARE(frequencies->itemData(i, Qt::UserRole).toInt(), i);
    }
    QCOMPARE(shown, items);
}

void TestConstellationControlWidget1::sbasSecondaryL5CannotBeChosen()
{
    QComboBox *box = combo("comBoxSbasSecondFrq");
    auto *model = qobject_cast<QStandardItemModel *>(box->model());
    QVERIFY(model);
    QVERIFY(model->item(0)->isEnabled());
    QVERIFY(!model->item(1)->isEnabled());
    // The keyboard steps over it.
    box->setCurrentIndex(0);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentIndex(), 0);
}

void TestConstellationControlWidget1::openingShowsTheThreeLists()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(texts(primaryBoxes), QStringList({"L1", "L1", "B1", "E1", "L5", "L1"}));
    QCOMPARE(texts(secondaryBoxes), QStringList({"L2", "L2", "B2", "E5b", "S", "OFF"}));
    QCOMPARE(satellites(), QStringList({"122", "124", "126", "133", "0", "0"}));
}

void TestConstellationControlWidget1::oneSecondaryBandSendsOnlyThatList()
{
    openPage();
    combo("comBoxGalSecondFrq")->setCurrentIndex(2); // E5a
    saveAndSettle();
    // No read-back: the receiver takes the plan after a save to flash and a restart.
    QCOMPARE(session->table.frames(), QList<QByteArray>({hex("214e0c810600" "010101020100" "994d")}));
    QCOMPARE(combo("comBoxGalSecondFrq")->currentText(), QString("E5a"));
}

void TestConstellationControlWidget1::sbasSatellitesAreSentAsTyped()
{
    openPage();
    const QStringList typed = {"120", "124", "126", "0", "0", "156"};
    for (int i = 0; i < typed.size(); ++i)
        type(sbasEdits.at(i), typed.at(i));
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>({hex("214e0c820600" "787c7e00009c" "a417")}));
    // Saved again unchanged: nothing more.
    session->table.clearRecord();
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());
}

void TestConstellationControlWidget1::sbasNumberOutsideTheRangeIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("box");
    // Refused: the number stays as typed, marked, and the box says why.
    const QString refused = nothingSent("SBAS CONSTL, SBAS #1: ");
    const QString notSbas = QStringLiteral(" is not an SBAS satellite (0, or 120 to 156)");
    QTest::newRow("119") << "119" << "119" << QByteArray() << refused + "119" + notSbas;
    QTest::newRow("157") << "157" << "157" << QByteArray() << refused + "157" + notSbas;
    QTest::newRow("255") << "255" << "255" << QByteArray() << refused + "255" + notSbas;
    QTest::newRow("120") << "120" << "120" << hex("787c7e850000") << QString();
    QTest::newRow("156") << "156" << "156" << hex("9c7c7e850000") << QString();
    QTest::newRow("0") << "0" << "0" << hex("007c7e850000") << QString();
    QTest::newRow("emptied") << "" << "" << hex("007c7e850000") << QString();
}

void TestConstellationControlWidget1::sbasNumberOutsideTheRangeIsRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, sent);
    QFETCH(QString, box);
    openPage();
    boxes.clear();
    type("lineEditSbas_1", typed);
    saveAndSettle();
    QCOMPARE(edit("lineEditSbas_1")->text(), shown);
    QCOMPARE(lastText(boxes), box);
    QCOMPARE(looksRefused(edit("lineEditSbas_1")), !box.isEmpty());
    QList<QByteArray> frames;
    if (!sent.isEmpty())
        frames.append(commandFrame(12, 0x82, sent));
    QCOMPARE(session->table.frames(), frames);
}

void TestConstellationControlWidget1::bandWithoutAnItemStaysAsReceived()
{
    // GLONASS has no second primary band: its box shows nothing, and Save keeps the
    // receiver's 2 rather than sending an unknown 0xFF in its place.
    session->table.store(12, 0x00, hex("010201010101"));
    openPage();
    QCOMPARE(combo("comBoxGloPrimFrq")->currentIndex(), -1);
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());

    combo("comBoxGpsPrimFrq")->setCurrentIndex(0);
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(12, 0x80, hex("000201010101"))}));
}

void TestConstellationControlWidget1::failedFrequencyGetterSendsNothingUntilAllAreChosen()
{
    session->table.refuse(12, 0x00);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(texts(primaryBoxes), QStringList({"", "", "", "", "", ""}));
    QCOMPARE(texts(secondaryBoxes), QStringList({"L2", "L2", "B2", "E5b", "S", "OFF"}));
    session->table.clearRecord();

    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());

    // One system chosen: the others are still unknown, so the list stays back.
    combo("comBoxGpsPrimFrq")->setCurrentIndex(1);
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());

    for (const QString &name : primaryBoxes.mid(1))
        combo(name)->setCurrentIndex(0);
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(12, 0x80, hex("010000000000"))}));
}

void TestConstellationControlWidget1::failedSbasGetterSendsNoUnknownSlot()
{
    boxes.clear();
    session->table.refuse(12, 0x02);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(satellites(), QStringList({"", "", "", "", "", ""}));
    session->table.clearRecord();

    // Empty slots that were never known are not zeros the user typed.
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QCOMPARE(satellites(), QStringList({"", "", "", "", "", ""}));

    type("lineEditSbas_1", "119");
    type("lineEditSbas_2", "124");
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    // 119 is no SBAS satellite: refused, and said so.
    QCOMPARE(satellites(), QStringList({"119", "124", "", "", "", ""}));
    QCOMPARE(boxes.size(), 1);

    for (const QString &name : sbasEdits)
        type(name, "0");
    type("lineEditSbas_6", "140");
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(12, 0x82, hex("00000000008c"))}));
}

void TestConstellationControlWidget1::saveBeforeAnyReplySendsNothing()
{
    page->setController(session->controller);
    combo("comBoxNavicSecondFrq")->setCurrentIndex(1);
    type("lineEditSbas_3", "130");
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());
}

void TestConstellationControlWidget1::refreshKeepsTheShownValues()
{
    openPage();
    for (quint8 subId : {0x00, 0x01, 0x02})
        session->table.silence(12, subId);
    page->findChild<QPushButton *>("btnRefresh")->click();
    QTRY_COMPARE(session->table.frames(), getters.mid(0, 1));
    // Nothing is cleared while the getters are out.
    QCOMPARE(satellites(), QStringList({"122", "124", "126", "133", "0", "0"}));
    QCOMPARE(texts(primaryBoxes), QStringList({"L1", "L1", "B1", "E1", "L5", "L1"}));
}

void TestConstellationControlWidget1::refusedSetterAsksForItsList()
{
    openPage();
    session->table.refuse(12, 0x81);
    combo("comBoxGpsSecondFrq")->setCurrentIndex(2);
    saveAndSettle();
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({commandFrame(12, 0x81, hex("020101010100")), commandFrame(12, 0x01)}));
    QCOMPARE(combo("comBoxGpsSecondFrq")->currentText(), QString("L2"));
}

void TestConstellationControlWidget1::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    ConstellationControlWidget1 translated(nullptr);
    russian.remove();
    QCOMPARE(translated.findChild<QGroupBox *>("grBoxSignalsAllocation")->title(),
             QString::fromUtf8("Распределение сигналов"));
    QCOMPARE(translated.findChild<QLabel *>("labelGloFrq")->text(), QString::fromUtf8("ГЛН"));
    QCOMPARE(translated.findChild<QComboBox *>("comBoxGpsPrimFrq")->itemText(0), QString::fromUtf8("ВЫКЛ"));
}

void TestConstellationControlWidget1::screenshot()
{
    session->table.store(12, 0x01, hex("010101020100"));
    openPage();
    // The size of its form, as the settings dialog gives it room.
    page->resize(696, 400);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    saveDrawnScreenshot(page.get(), "constellationcontrolwidget1.png");
    qInfo("screenshot: %s", qPrintable(screenshotPath("constellationcontrolwidget1.png")));
}

QTEST_MAIN(TestConstellationControlWidget1)
#include "tst_constellationcontrolwidget1.moc"
