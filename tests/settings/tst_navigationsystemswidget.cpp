// The navigation systems page against a receiver that keeps its settings in a table.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "boxrecorder.h"
#include "connectguard.h"
#include "hexbytes.h"
#include "navigationsystemswidget.h"
#include "pagefixture.h"
#include "screenshot.h"
#include "settingsdialogs.h"

namespace {

// In the order of the mask bits.
const QStringList gnssNames = {"chBoxGps", "chBoxGlonass", "chBoxBeiDou", "chBoxGalileo", "chBoxIrnss"};
const QStringList sbasNames = {"chBoxSbas_1", "chBoxSbas_2", "chBoxSbas_3",
                               "chBoxSbas_4", "chBoxSbas_5", "chBoxSbas_6"};

const QList<QByteArray> getters = {commandFrame(3, 0x20), commandFrame(3, 0x21), commandFrame(12, 0x02)};

} // namespace

class TestNavigationSystemsWidget : public QObject,
                                    public PageFixture<NavigationSystemsWidget>,
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

    void replyFramesShowMasksAndNumbers();
    void checkedBoxesGoOutAsTheirBits_data();
    void checkedBoxesGoOutAsTheirBits();
    void unchangedSaveReadsTheThreeAgain();
    void refreshUnchecksAtOnceButKeepsTheNumbers();
    void refusedSetterAsksOnceMore();
    void failedGettersLeaveTheirSettingEmpty();
    void maskNotReadIsNotSent_data();
    void maskNotReadIsNotSent();

    void screenshot();
private:
    QCheckBox *box(const QString &name) const { return page->findChild<QCheckBox *>(name); }
    void click(const char *name) const { page->findChild<QPushButton *>(name)->click(); }
    QStringList checked(const QStringList &names) const
    {
        QStringList out;
        for (const QString &name : names) {
            if (box(name)->isChecked())
                out.append(name);
        }
        return out;
    }
    QStringList numbers() const
    {
        QStringList out;
        for (int k = 1; k <= 6; ++k)
            out.append(page->findChild<QLineEdit *>(QString("lineEditSbasNumber_%1").arg(k))->text());
        return out;
    }
    void openPage();

};

void TestNavigationSystemsWidget::init()
{
    boxes.clear();
    QVERIFY(openSession());
    session->table.store(3, 0x20, hex("01"));
    session->table.store(3, 0x21, hex("01000000"));
    session->table.store(12, 0x02, hex("787c7e000000"));
    makePage();
}

void TestNavigationSystemsWidget::cleanup()
{
    closePage();
}

void TestNavigationSystemsWidget::openPage()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(numbers(), QStringList({"120", "124", "126", "0", "0", "0"}));
    session->table.clearRecord();
}

void TestNavigationSystemsWidget::replyFramesShowMasksAndNumbers()
{
    // The receiver's own reply frames, byte for byte: GPS and BeiDou; SBAS channels 2
    // and 5; the satellite numbers of the six channels.
    session->receiver.answerNext({ScriptedReceiver::raw(hex("214e0002010005" "0810")),
                                  ScriptedReceiver::raw(ScriptedReceiver::frame(0, 2, hex("12000000"))),
                                  ScriptedReceiver::raw(hex("214e000206" "00787c7e0000007b7d"))});
    page->setController(session->controller);
    QCOMPARE(numbers(), QStringList({"", "", "", "", "", ""}));
    page->readSettings();
    QTRY_COMPARE(numbers(), QStringList({"120", "124", "126", "0", "0", "0"}));
    QCOMPARE(checked(gnssNames), QStringList({"chBoxGps", "chBoxBeiDou"}));
    QCOMPARE(checked(sbasNames), QStringList({"chBoxSbas_2", "chBoxSbas_5"}));
    QVERIFY(page->findChild<QLineEdit *>("lineEditSbasNumber_1")->isReadOnly());
    QCOMPARE(session->table.frames(), getters);
}

void TestNavigationSystemsWidget::checkedBoxesGoOutAsTheirBits_data()
{
    QTest::addColumn<QStringList>("toggled");
    QTest::addColumn<QList<QByteArray>>("setters");
    QTest::newRow("galileo") << QStringList{"chBoxGalileo"}
                             << QList<QByteArray>{hex("214e03a0010009ad9d")};
    QTest::newRow("navic, gps off") << QStringList{"chBoxIrnss", "chBoxGps"}
                                    << QList<QByteArray>{commandFrame(3, 0xA0, hex("10"))};
    QTest::newRow("sbas 6") << QStringList{"chBoxSbas_6"}
                            << QList<QByteArray>{hex("214e03a104002100" "0000c920")};
    QTest::newRow("both masks") << QStringList{"chBoxGlonass", "chBoxSbas_1", "chBoxSbas_3"}
                                << QList<QByteArray>{commandFrame(3, 0xA0, hex("03")),
                                                     commandFrame(3, 0xA1, hex("04000000"))};
}

void TestNavigationSystemsWidget::checkedBoxesGoOutAsTheirBits()
{
    QFETCH(QStringList, toggled);
    QFETCH(QList<QByteArray>, setters);
    openPage();
    for (const QString &name : toggled)
        box(name)->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), setters + getters);
}

void TestNavigationSystemsWidget::unchangedSaveReadsTheThreeAgain()
{
    openPage();
    // Toggled and back: the same set.
    box("chBoxGlonass")->click();
    box("chBoxGlonass")->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(checked(gnssNames), QStringList({"chBoxGps"}));
    QCOMPARE(checked(sbasNames), QStringList({"chBoxSbas_1"}));
}

void TestNavigationSystemsWidget::refreshUnchecksAtOnceButKeepsTheNumbers()
{
    openPage();
    session->table.store(12, 0x02, hex("7a7b7c7d7e7f"));
    session->table.answerLate(12, 0x02, 300);
    click("btnRefresh");
    QCOMPARE(checked(gnssNames), QStringList());
    QCOMPARE(checked(sbasNames), QStringList());
    QCOMPARE(numbers(), QStringList({"120", "124", "126", "0", "0", "0"}));
    QTRY_COMPARE(checked(gnssNames), QStringList({"chBoxGps"}));
    QCOMPARE(numbers(), QStringList({"120", "124", "126", "0", "0", "0"}));
    QTRY_COMPARE(numbers(), QStringList({"122", "123", "124", "125", "126", "127"}));
}

void TestNavigationSystemsWidget::refusedSetterAsksOnceMore()
{
    openPage();
    session->table.refuse(3, 0xA0);
    box("chBoxGalileo")->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xA0), 1);
    QCOMPARE(session->table.count(3, 0x20), 2);
    QCOMPARE(session->table.count(3, 0x21), 1);
    QCOMPARE(checked(gnssNames), QStringList({"chBoxGps"}));
}

void TestNavigationSystemsWidget::failedGettersLeaveTheirSettingEmpty()
{
    openPage();
    session->table.refuse(3, 0x21);
    session->table.silence(12, 0x02);
    click("btnRefresh");
    QVERIFY(session->settle());
    QCOMPARE(checked(gnssNames), QStringList({"chBoxGps"}));
    QCOMPARE(checked(sbasNames), QStringList());
    // The numbers are only shown: a failed read leaves the last ones.
    QCOMPARE(numbers(), QStringList({"120", "124", "126", "0", "0", "0"}));
    // With the SBAS mask unknown, an unchanged Save sends no SBAS mask.
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xA1), 0);
    QCOMPARE(checked(sbasNames), QStringList({"chBoxSbas_1"}));
}

void TestNavigationSystemsWidget::screenshot()
{
    openPage();
    QCOMPARE(checked(gnssNames), QStringList({"chBoxGps"}));
    page->resize(page->size().expandedTo(page->sizeHint()));
    QVERIFY(saveScreenshot(page.get(), "navigationsystemswidget.png"));
}

void TestNavigationSystemsWidget::maskNotReadIsNotSent_data()
{
    QTest::addColumn<int>("getter");
    QTest::addColumn<QString>("toggled");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QByteArray>("setter");
    // GPS on as read; SBAS channel 1 on as read.
    QTest::newRow("GNSS") << 0x20 << "chBoxGalileo" << "GNSS_mask" << commandFrame(3, 0xA0, hex("09"));
    QTest::newRow("SBAS") << 0x21 << "chBoxSbas_6" << "SBAS_mask" << commandFrame(3, 0xA1, hex("21000000"));
}

void TestNavigationSystemsWidget::maskNotReadIsNotSent()
{
    QFETCH(int, getter);
    QFETCH(QString, toggled);
    QFETCH(QString, group);
    QFETCH(QByteArray, setter);
    session->table.refuse(3, quint8(getter));
    openPage();
    QCOMPARE(checked(gnssNames + sbasNames).size(), 1);
    // The other boxes of the mask are not the receiver's: the mask would switch off
    // every system or channel but the one checked.
    box(toggled)->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), getters);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().text, notSentText({group}));

    // Read this time: the change goes out with the other entries as received.
    QCOMPARE(checked(gnssNames + sbasNames), QStringList({"chBoxGps", "chBoxSbas_1"}));
    session->table.clearRecord();
    box(toggled)->click();
    click("btnSave");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>{setter} + getters);
    QCOMPARE(boxes.size(), 1);
}

QTEST_MAIN(TestNavigationSystemsWidget)
#include "tst_navigationsystemswidget.moc"
