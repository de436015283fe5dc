// The calendar settings page against a receiver that keeps its settings in a table.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "binaryconfigurator.h"
#include "boxrecorder.h"
#include "calendarsettingswidget.h"
#include "controller.h"
#include "connectguard.h"
#include "hexbytes.h"
#include "pagefixture.h"
#include "settingsdialogs.h"

namespace {

const QByteArray getter = hex("214e03410000" "44cf");

} // namespace

class TestCalendarSettingsWidget : public QObject,
                                   public PageFixture<CalendarSettingsWidget>,
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

    void openingReadsTheThreeValues();
    void changedValueSendsAllThreeAndReadsBack();
    void refusedSetterAsksOnceMore();
    void emptiedFieldIsFilledAgainAndNotSent();
    void failedGetterLeavesTheFieldsEmpty();
    void unknownValueKeepsTheTripleBack();
    void fieldsTakeOneByteOnly_data();
    void fieldsTakeOneByteOnly();
    void numberBeyondAByteIsNotSent();
    void withoutControllerTheButtonsDoNothing();

private:
    QLineEdit *edit(const char *name) const { return page->findChild<QLineEdit *>(name); }
    void click(const char *name) const { page->findChild<QPushButton *>(name)->click(); }
    void type(const char *name, const QString &text) const
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    QStringList shown() const
    {
        return {edit("editGPSCycle")->text(), edit("editGpsUtcShift")->text(), edit("editGlnN4")->text()};
    }
    void openPage();

};

void TestCalendarSettingsWidget::init()
{
    QVERIFY(openSession());
    session->table.store(3, 0x41, hex("021207"));
    makePage();
}

void TestCalendarSettingsWidget::cleanup()
{
    closePage();
}

void TestCalendarSettingsWidget::openPage()
{
    readPage();
    QTRY_COMPARE(shown(), QStringList({"2", "18", "7"}));
}

void TestCalendarSettingsWidget::openingReadsTheThreeValues()
{
    // The receiver's own reply frame, byte for byte.
    session->receiver.answerNext({ScriptedReceiver::raw(hex("214e0002030002120720" "4c"))});
    page->setController(session->controller);
    QCOMPARE(shown(), QStringList({"", "", ""}));
    page->readSettings();
    QTRY_COMPARE(shown(), QStringList({"2", "18", "7"}));
    QCOMPARE(session->table.frames(), QList<QByteArray>({getter}));
}

void TestCalendarSettingsWidget::changedValueSendsAllThreeAndReadsBack()
{
    openPage();
    type("editGpsUtcShift", "19");
    click("btnSave");
    // The page empties at once and shows the receiver's values again after the re-read.
    QCOMPARE(shown(), QStringList({"", "", ""}));
    QTRY_COMPARE(shown(), QStringList({"2", "19", "7"}));
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({getter, hex("214e03c103000213" "07e3e1"), getter}));
}

void TestCalendarSettingsWidget::refusedSetterAsksOnceMore()
{
    openPage();
    session->table.refuse(3, 0xC1);
    type("editGpsUtcShift", "19");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(shown(), QStringList({"2", "18", "7"}));
    QCOMPARE(session->table.count(3, 0x41), 3);
    QCOMPARE(session->table.count(3, 0xC1), 1);
}

void TestCalendarSettingsWidget::emptiedFieldIsFilledAgainAndNotSent()
{
    openPage();
    edit("editGlnN4")->clear();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(shown(), QStringList({"2", "18", "7"}));
    QCOMPARE(session->table.frames(), QList<QByteArray>({getter, getter}));
}

void TestCalendarSettingsWidget::failedGetterLeavesTheFieldsEmpty()
{
    session->table.refuse(3, 0x41);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(shown(), QStringList({"", "", ""}));
    // Save with all three empty sends no setter; its read-back is answered.
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(shown(), QStringList({"2", "18", "7"}));
    QCOMPARE(session->table.frames(), QList<QByteArray>({getter, getter}));
}

void TestCalendarSettingsWidget::unknownValueKeepsTheTripleBack()
{
    // With the values unknown, a triple with one field typed has no byte for the other
    // two: nothing goes out (no 0xFF in their place). All three typed go out.
    session->table.refuse(3, 0x41);
    readPage();
    session->table.refuse(3, 0x41, SettingsTableReceiver::always);
    QVERIFY(session->settle());
    type("editGpsUtcShift", "19");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xC1), 0);

    type("editGPSCycle", "3");
    type("editGpsUtcShift", "18");
    type("editGlnN4", "0");
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0x41), 3);
    QCOMPARE(session->table.frames(3, 0xC1), QList<QByteArray>({commandFrame(3, 0xC1, hex("031200"))}));
}

void TestCalendarSettingsWidget::fieldsTakeOneByteOnly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("255") << "255" << "255";
    QTest::newRow("256") << "256" << "25";
    QTest::newRow("300") << "300" << "30";
    QTest::newRow("1000") << "1000" << "100";
    QTest::newRow("minus") << "-1" << "1";
    QTest::newRow("letters") << "1a2" << "12";
    QTest::newRow("0") << "0" << "0";
}

void TestCalendarSettingsWidget::fieldsTakeOneByteOnly()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    for (const char *name : {"editGPSCycle", "editGpsUtcShift", "editGlnN4"}) {
        type(name, typed);
        QCOMPARE(edit(name)->text(), shown);
    }
}

void TestCalendarSettingsWidget::numberBeyondAByteIsNotSent()
{
    // Text set around the validator (a paste of an old build's value, say) still does
    // not go out as its low 8 bits.
    openPage();
    boxes.clear();
    edit("editGpsUtcShift")->setText("300");
    click("btnSave");
    QVERIFY(session->settle());
    // Refused: nothing goes out, the number stays as typed and the box says why.
    QCOMPARE(shown(), QStringList({"2", "300", "7"}));
    QCOMPARE(session->table.count(3, 0xC1), 0);
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.last().text.endsWith(": 300 is outside 0 to 255"));
}

void TestCalendarSettingsWidget::withoutControllerTheButtonsDoNothing()
{
    openPage();
    page->setController(nullptr);
    type("editGpsUtcShift", "19");
    click("btnSave");
    click("btnRefresh");
    // The engine's replies no longer reach the page.
    session->table.store(3, 0x41, hex("090909"));
    session->controller->binaryConfigurator()->requestDateConstrnts();
    QVERIFY(session->settle());
    QCOMPARE(shown(), QStringList({"2", "19", "7"}));
    QCOMPARE(session->table.frames(), QList<QByteArray>({getter, getter}));
}

QTEST_MAIN(TestCalendarSettingsWidget)
#include "tst_calendarsettingswidget.moc"
