// The solution parameters page against a receiver that keeps its settings in a table,
// alone and in the settings dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

#include "boxrecorder.h"
#include "connectguard.h"
#include "hexbytes.h"
#include "pagefixture.h"
#include "russiancatalogue.h"
#include "screenshot.h"
#include "settingscontainerwidget.h"
#include "settingsdialogs.h"
#include "solutionparameterswidget.h"

namespace {

// The page's order of reading.
const QList<QByteArray> getters = {
    hex("214e03250000" "287b"), commandFrame(3, 0x23), commandFrame(3, 0x30), commandFrame(3, 0x22),
    commandFrame(3, 0x26),      commandFrame(3, 0x2C), commandFrame(3, 0x28), commandFrame(3, 0x29),
    commandFrame(3, 0x2A),      commandFrame(3, 0x27), hex("214e032b0000" "2e8d")};

const QStringList fixNames = {"chBoxGps", "chBoxGlonass", "chBoxBeiDou", "chBoxGalileo", "chBoxIrnss"};

// A bench receiver in RTK: PDOP limit 10, 5 degrees, 30 dB-Hz, 5 Hz, SBAS on, mid
// dynamics, kinematic, RTK, GPS + GLONASS + BeiDou may fix, ARF 3, AGE 30 s, FIX
// required, a 10 m base line.
void storeBenchReceiver(SettingsTableReceiver &table)
{
    table.store(3, 0x25, hex("0a051e"));
    table.store(3, 0x23, hex("05"));
    table.store(3, 0x30, hex("01"));
    table.store(3, 0x22, hex("02"));
    table.store(3, 0x26, hex("01"));
    table.store(3, 0x2C, hex("02"));
    table.store(3, 0x28, hex("07"));
    table.store(3, 0x29, hex("03"));
    table.store(3, 0x2A, hex("1e"));
    table.store(3, 0x27, hex("04"));
    table.store(3, 0x2B, hex("e8030000"));
}

const QStringList benchValues = {"RTK",           "10",  "5",      "30",  "5 Hz", "SBAS ON", "RTK KINEMATIC",
                                 "FIX",           "3",   "30",     "1000", "Mid. dinamic"};

} // namespace

class TestSolutionParametersWidget : public QObject,
                                     public PageFixture<SolutionParametersWidget>,
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

    void formStartsEmptyWithItsItems();
    void openingReadsElevenInOrder();
    void changedSettingSendsItsSetterAlone_data();
    void changedSettingSendsItsSetterAlone();
    void settersGoOutInTheirOrder();
    void unchangedSaveReadsTheElevenAgain();
    void rtkModeWithoutItemIsNotSent();
    void refusedSolutionTypeReadsNothing();
    void unknownMaskByteKeepsTheMaskBack();
    void fixMaskNotReadIsNotSent();
    void refusedSetterAsksOnceMore();
    void typedNumberGoesOutAsTypedOrNotAtAll_data();
    void typedNumberGoesOutAsTypedOrNotAtAll();
    void russianTexts();
    void screenshotOfTheDialog();

private:
    template <typename T>
    T *find(const QString &name) const
    {
        return page->findChild<T *>(name);
    }
    void click(const char *name) const { page->findChild<QPushButton *>(name)->click(); }
    void type(const QString &name, const QString &text) const
    {
        find<QLineEdit>(name)->clear();
        QTest::keyClicks(find<QLineEdit>(name), text);
    }
    QStringList shown() const;
    QStringList fixChecked() const
    {
        QStringList out;
        for (const QString &name : fixNames) {
            if (find<QCheckBox>(name)->isChecked())
                out.append(name);
        }
        return out;
    }
    void openPage();

};

QStringList TestSolutionParametersWidget::shown() const
{
    QStringList out;
    for (const char *name : {"comBoxSolutionMode", "editPDOPLimit", "editMinSatElevation", "editMinSatSNR",
                             "comBoxSolutionRate", "comBoxSbasMode", "comBoxModeRTK", "comBoxRtlQlt", "editARF",
                             "editAGE", "editRefBaseLineLength", "comBoxModeTracking"}) {
        if (QComboBox *box = find<QComboBox>(name))
            out.append(box->currentText());
        else
            out.append(find<QLineEdit>(name)->text());
    }
    return out;
}

void TestSolutionParametersWidget::init()
{
    boxes.clear();
    QVERIFY(openSession());
    storeBenchReceiver(session->table);
    makePage();
}

void TestSolutionParametersWidget::cleanup()
{
    closePage();
}

void TestSolutionParametersWidget::openPage()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(shown(), benchValues);
    session->table.clearRecord();
}

void TestSolutionParametersWidget::formStartsEmptyWithItsItems()
{
    QCOMPARE(shown(), QVector<QString>(12).toList());
    QCOMPARE(fixChecked(), QStringList());
    QComboBox *quality = find<QComboBox>("comBoxRtlQlt");
    QCOMPARE(quality->currentIndex(), -1);
    // Listed as the receiver's documents list them, not by value.
    QStringList texts;
    QList<int> values;
    for (int i = 0; i < quality->count(); ++i) {
        texts.append(quality->itemText(i));
        values.append(quality->itemData(i).toInt());
    }
    QCOMPARE(texts, QStringList({"DIFF", "FLOAT", "FIX"}));
    QCOMPARE(values, QList<int>({2, 5, 4}));
    QCOMPARE(find<QComboBox>("comBoxModeRTK")->findData(2), -1);
    QCOMPARE(find<QComboBox>("comBoxSolutionMode")->itemText(3), QString("RTK + ANGLE "));
}

void TestSolutionParametersWidget::openingReadsElevenInOrder()
{
    // The fix mask comes as the receiver's own reply frame: GPS, GLONASS, BeiDou.
    session->table.store(3, 0x28, hex("00"));
    session->receiver.answerAlways(3, 0x28, ScriptedReceiver::raw(hex("214e0002010007" "0a12")));
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(shown(), benchValues);
    QCOMPARE(fixChecked(), QStringList({"chBoxGps", "chBoxGlonass", "chBoxBeiDou"}));
}

void TestSolutionParametersWidget::changedSettingSendsItsSetterAlone_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("setter");
    QTest::newRow("NavIC may fix") << "chBoxIrnss" << "" << hex("214e03a8010017" "c3cb");
    QTest::newRow("GLONASS may not") << "chBoxGlonass" << "" << commandFrame(3, 0xA8, hex("05"));
    QTest::newRow("PDOP limit") << "editPDOPLimit" << "12" << commandFrame(3, 0xA5, hex("0c051e"));
    QTest::newRow("min SNR") << "editMinSatSNR" << "255" << commandFrame(3, 0xA5, hex("0a05ff"));
    QTest::newRow("rate") << "comBoxSolutionRate" << "10 Hz" << commandFrame(3, 0xA3, hex("0a"));
    QTest::newRow("SBAS+") << "comBoxSbasMode" << "SBAS+ ON" << commandFrame(3, 0xB0, hex("02"));
    QTest::newRow("dynamics") << "comBoxModeTracking" << "Static & OCXO" << commandFrame(3, 0xA2, hex("00"));
    QTest::newRow("moving base") << "comBoxModeRTK" << "RTK MOVING BASE" << commandFrame(3, 0xA6, hex("03"));
    QTest::newRow("FLOAT is 5") << "comBoxRtlQlt" << "FLOAT" << commandFrame(3, 0xA7, hex("05"));
    QTest::newRow("DIFF is 2") << "comBoxRtlQlt" << "DIFF" << commandFrame(3, 0xA7, hex("02"));
    QTest::newRow("single") << "comBoxSolutionMode" << "SINGLE" << commandFrame(3, 0xAC, hex("01"));
    QTest::newRow("ARF") << "editARF" << "5" << commandFrame(3, 0xA9, hex("05"));
    QTest::newRow("AGE") << "editAGE" << "60" << commandFrame(3, 0xAA, hex("3c"));
    QTest::newRow("base line") << "editRefBaseLineLength" << "123456" << commandFrame(3, 0xAB, hex("40e20100"));
}

void TestSolutionParametersWidget::changedSettingSendsItsSetterAlone()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QByteArray, setter);
    openPage();
    if (QCheckBox *box = find<QCheckBox>(field))
        box->click();
    else if (QComboBox *combo = find<QComboBox>(field))
        combo->setCurrentText(value);
    else
        type(field, value);
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{setter} + getters);
}

void TestSolutionParametersWidget::settersGoOutInTheirOrder()
{
    openPage();
    type("editRefBaseLineLength", "0");
    type("editARF", "2");
    find<QCheckBox>("chBoxGalileo")->click();
    find<QComboBox>("comBoxSolutionMode")->setCurrentText("RTK + ANGLE ");
    find<QComboBox>("comBoxSolutionRate")->setCurrentText("1 Hz");
    type("editMinSatElevation", "15");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({commandFrame(3, 0xA5, hex("0a0f1e")), commandFrame(3, 0xA3, hex("01")),
                                commandFrame(3, 0xAC, hex("04")), commandFrame(3, 0xA8, hex("0f")),
                                commandFrame(3, 0xA9, hex("02")), commandFrame(3, 0xAB, hex("00000000"))})
                 + getters);
    QCOMPARE(shown(), QStringList({"RTK + ANGLE ", "10", "15", "30", "1 Hz", "SBAS ON", "RTK KINEMATIC", "FIX",
                                   "2", "30", "0", "Mid. dinamic"}));
}

void TestSolutionParametersWidget::unchangedSaveReadsTheElevenAgain()
{
    openPage();
    // Emptied fields show their values again and send nothing.
    find<QLineEdit>("editPDOPLimit")->clear();
    find<QLineEdit>("editRefBaseLineLength")->clear();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(shown(), benchValues);
}

void TestSolutionParametersWidget::rtkModeWithoutItemIsNotSent()
{
    session->table.store(3, 0x26, hex("02"));
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(find<QComboBox>("comBoxModeRTK")->currentIndex(), -1);
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xA6), 0);
    QCOMPARE(session->table.total(), 2 * getters.size());
}

void TestSolutionParametersWidget::refusedSolutionTypeReadsNothing()
{
    openPage();
    session->table.refuse(3, 0xAC);
    find<QComboBox>("comBoxSolutionMode")->setCurrentText("SINGLE");
    click("btnSave");
    QVERIFY(session->settle());
    // Only the read-back asks for the solution type; the receiver's value shows.
    QCOMPARE(session->table.frames(), QList<QByteArray>{commandFrame(3, 0xAC, hex("01"))} + getters);
    QCOMPARE(find<QComboBox>("comBoxSolutionMode")->currentText(), QString("RTK"));

    session->table.clearRecord();
    find<QComboBox>("comBoxSolutionMode")->setCurrentText("SINGLE");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{commandFrame(3, 0xAC, hex("01"))} + getters);
    QCOMPARE(find<QComboBox>("comBoxSolutionMode")->currentText(), QString("SINGLE"));
}

void TestSolutionParametersWidget::fixMaskNotReadIsNotSent()
{
    session->table.refuse(3, 0x28);
    openPage();
    QCOMPARE(fixChecked(), QStringList());
    // GPS, GLONASS and BeiDou may fix; their unchecked boxes are not the receiver's.
    find<QCheckBox>("chBoxIrnss")->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().text, notSentText({"Fix GNSS mask"}));

    // Read this time: NavIC goes out with the three as received.
    QCOMPARE(fixChecked(), QStringList({"chBoxGps", "chBoxGlonass", "chBoxBeiDou"}));
    session->table.clearRecord();
    find<QCheckBox>("chBoxIrnss")->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{commandFrame(3, 0xA8, hex("17"))} + getters);
    QCOMPARE(boxes.size(), 1);
}

void TestSolutionParametersWidget::unknownMaskByteKeepsTheMaskBack()
{
    // The receiver never answers the solution mask.
    session->table.refuse(3, 0x25, SettingsTableReceiver::always);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(find<QLineEdit>("editPDOPLimit")->text(), QString());
    // A PDOP limit alone has no elevation and SNR bytes to go with it: no 0xFF (a 255
    // degree elevation limit) goes out in their place.
    type("editPDOPLimit", "12");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xA5), 0);
    // A number beyond a byte cannot be typed.
    type("editPDOPLimit", "300");
    QCOMPARE(find<QLineEdit>("editPDOPLimit")->text(), QString("30"));

    type("editMinSatElevation", "10");
    type("editMinSatSNR", "0");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(3, 0xA5), QList<QByteArray>{commandFrame(3, 0xA5, hex("1e0a00"))});
}

void TestSolutionParametersWidget::refusedSetterAsksOnceMore()
{
    openPage();
    session->table.refuse(3, 0xA8);
    find<QCheckBox>("chBoxIrnss")->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xA8), 1);
    QCOMPARE(session->table.count(3, 0x28), 2);
    QCOMPARE(session->table.total(), 1 + getters.size() + 1);
    QCOMPARE(fixChecked(), QStringList({"chBoxGps", "chBoxGlonass", "chBoxBeiDou"}));
}

void TestSolutionParametersWidget::typedNumberGoesOutAsTypedOrNotAtAll_data()
{
    addTypedNumberColumns();
    QTest::newRow("base line 2000") << "editRefBaseLineLength" << "2000"
                                    << sentOutcome(QList<QByteArray>{commandFrame(3, 0xAB, hex("d0070000"))} + getters, "2000")
                                    << QString();
    QTest::newRow("base line eleven digits")
        << "editRefBaseLineLength" << "99999999999" << refusedOutcome("99999999999")
        << nothingSent("RTK settings, Base line, cm: " + outsideInt("99999999999"));
}

void TestSolutionParametersWidget::typedNumberGoesOutAsTypedOrNotAtAll()
{
    openPage();
    QCOMPARE(typeRowAndSave(boxes), rowExpected());
}

void TestSolutionParametersWidget::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    SolutionParametersWidget translated(nullptr);
    russian.remove();
    QCOMPARE(translated.findChild<QGroupBox *>("groupBox_2")->title(), QString::fromUtf8("Настройки RTK"));
    QCOMPARE(translated.findChild<QComboBox *>("comBoxSolutionRate")->itemText(3), QString::fromUtf8("10 Гц"));
    QCOMPARE(translated.findChild<QComboBox *>("comBoxModeTracking")->itemText(2),
             QString::fromUtf8("Средняя динамика"));
    QCOMPARE(translated.findChild<QCheckBox *>("chBoxGlonass")->text(), QString::fromUtf8("ГЛОНАСС"));
}

void TestSolutionParametersWidget::screenshotOfTheDialog()
{
    // The dialog keeps its geometry in "settings.ini" in the working directory.
    QTemporaryDir workDir;
    QVERIFY(workDir.isValid());
    const QString oldDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    {
        QWidget workspace;
        workspace.resize(1000, 800);
        workspace.show();
        session->table.refuse(3, 0x02, SettingsTableReceiver::always);
        auto *dialog = new SettingsContainerWidget(&workspace, Qt::Dialog | Qt::WindowCloseButtonHint);
        dialog->setController(session->controller);
        dialog->setWindowModality(Qt::WindowModal);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QRadioButton *selector = dialog->findChild<QRadioButton *>("radBtnSolutionParameters");
        selector->click();
        QVERIFY(selector->isChecked());
        QVBoxLayout *area = dialog->findChild<QVBoxLayout *>("settingsLayout");
        QWidget *shownPage = area->itemAt(0)->widget();
        QVERIFY(qobject_cast<SolutionParametersWidget *>(shownPage));
        QTRY_COMPARE(shownPage->findChild<QLineEdit *>("editRefBaseLineLength")->text(), QString("1000"));
        QVERIFY(session->settle());
        QVERIFY(shownPage->findChild<QCheckBox *>("chBoxBeiDou")->isChecked());
        // At its form size the dialog squeezes the page's longer texts; the user widens
        // it to the page's own size.
        dialog->resize(dialog->size().expandedTo(dialog->sizeHint()));
        QTRY_VERIFY(shownPage->findChild<QComboBox *>("comBoxModeRTK")->width()
                    >= shownPage->findChild<QComboBox *>("comBoxModeRTK")->sizeHint().width());
        saveDrawnScreenshot(dialog, "settingscontainerwidget_solutionparameters.png");
        dialog->close();
    }
    QDir::setCurrent(oldDir);
}

QTEST_MAIN(TestSolutionParametersWidget)
#include "tst_solutionparameterswidget.moc"
