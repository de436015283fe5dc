// The save settings page against a receiver that keeps its settings in a table.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextCodec>
#include <QtTest>

#include <memory>

#include "boxrecorder.h"
#include "connectguard.h"
#include "controller.h"
#include "eventdispatcher.h"
#include "hexbytes.h"
#include "pagefixture.h"
#include "savesettingswidget.h"
#include "screenshot.h"
#include "settingsdialogs.h"
#include "typednumbers.h"

namespace {

// The tag as the receiver keeps it: the text, then zero bytes to 32.
QByteArray tagField(const QByteArray &text)
{
    return text + QByteArray(32 - text.size(), '\0');
}

const QByteArray stgmGetter = commandFrame(3, 0x43);
const QByteArray tagGetter = commandFrame(3, 0x44);

} // namespace

class TestSaveSettingsWidget : public QObject, public PageFixture<SaveSettingsWidget>,
                                public BoxRecorder<SettingsDialogs>
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void frameSaveButtonIsHidden();
    void savingIntoASetSendsItEveryTime();
    void refusedSaveIsShown();
    void otherRefusalsShowNothing();
    void activeSetIsSentOnlyWhenChanged();
    void activeSetUnknownSendsNothing();
    void reportedTagIsShown_data();
    void reportedTagIsShown();
    void typedTagIsWrittenAndAnnounced();
    void emptiedTagFieldWritesTheReportedTagAgain();
    void tagIsAnnouncedOnlyWhenTaken_data();
    void tagIsAnnouncedOnlyWhenTaken();
    void tagGoesOutWholeOrNotAtAll_data();
    void tagGoesOutWholeOrNotAtAll();

private:
    void click(const char *name) const { child<QPushButton>(name)->click(); }
    void openPage();

};

void TestSaveSettingsWidget::initTestCase()
{
    installConnectGuard();
    // The tag goes out in UTF-8, the encoding its reply is read in, whatever the
    // machine's own: here that of a Russian Windows.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("Windows-1251"));
    recordBoxes();
}

void TestSaveSettingsWidget::init()
{
    boxes.clear();
    QVERIFY(openSession());
    session->table.store(3, 0x43, hex("01"));
    session->table.store(3, 0x44, tagField("#bench 7"));
    session->table.acknowledge(3, 0x42);
    makePage();
}

void TestSaveSettingsWidget::cleanup()
{
    closePage();
}

void TestSaveSettingsWidget::openPage()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(child<QLineEdit>("editUserTag")->text(), QString("bench 7"));
    QCOMPARE(child<QComboBox>("comBoxSTGM")->currentText(), QString("SET 1"));
    QCOMPARE(session->table.frames(), QList<QByteArray>({stgmGetter, tagGetter}));
    session->table.clearRecord();
}

void TestSaveSettingsWidget::frameSaveButtonIsHidden()
{
    QVERIFY(child<QPushButton>("btnSave")->isHidden());
    QVERIFY(!child<QPushButton>("btnRefresh")->isHidden());
    QCOMPARE(child<QLineEdit>("editUserTag")->maxLength(), 31);
}

void TestSaveSettingsWidget::savingIntoASetSendsItEveryTime()
{
    openPage();
    child<QComboBox>("comBoxSTG")->setCurrentIndex(1);
    QCOMPARE(child<QComboBox>("comBoxSTG")->currentText(), QString("SET 2"));
    click("btnSaveSTG");
    click("btnSaveSTG");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>({hex("214e0342010002481d"), hex("214e0342010002481d")}));
    QVERIFY(boxes.isEmpty());
}

void TestSaveSettingsWidget::refusedSaveIsShown()
{
    openPage();
    session->table.refuse(3, 0x42);
    click("btnSaveSTG");
    QVERIFY(session->settle());
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).icon, QMessageBox::Information);
    QCOMPARE(boxes.at(0).title, QString("Information"));
    QCOMPARE(boxes.at(0).text, QString("Settings failed to save."));
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(3, 0x42, hex("01"))}));
}

void TestSaveSettingsWidget::otherRefusalsShowNothing()
{
    session->table.refuse(3, 0x43);
    session->table.refuse(3, 0x44);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(child<QComboBox>("comBoxSTGM")->currentIndex(), -1);
    QVERIFY(boxes.isEmpty());
}

void TestSaveSettingsWidget::activeSetIsSentOnlyWhenChanged()
{
    openPage();
    QComboBox *active = child<QComboBox>("comBoxSTGM");
    click("btnSaveSTGM");
    QVERIFY(session->settle());
    QCOMPARE(session->table.total(), 0);

    active->setCurrentIndex(active->findText("SET 2"));
    click("btnSaveSTGM");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(3, 0xC3, hex("02"))}));

    // A refused change reads the active set back.
    session->table.clearRecord();
    session->table.refuse(3, 0xC3);
    active->setCurrentIndex(active->findText("SET DEFAULT"));
    click("btnSaveSTGM");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(3, 0xC3, hex("00")), stgmGetter}));
    QCOMPARE(active->currentText(), QString("SET 2"));
}

void TestSaveSettingsWidget::activeSetUnknownSendsNothing()
{
    session->table.refuse(3, 0x43);
    readPage();
    QVERIFY(session->settle());
    session->table.clearRecord();
    click("btnSaveSTGM");
    QVERIFY(session->settle());
    QCOMPARE(session->table.total(), 0);
}

void TestSaveSettingsWidget::reportedTagIsShown_data()
{
    QTest::addColumn<QByteArray>("reported");
    QTest::addColumn<QString>("shown");
    QTest::newRow("with hash") << tagField("#abc") << "abc";
    QTest::newRow("none") << tagField("none") << "UNDEFINED";
    QTest::newRow("empty") << QByteArray(32, '\0') << "UNDEFINED";
    QTest::newRow("only hash") << tagField("#") << "";
    QTest::newRow("cyrillic") << tagField(QString::fromUtf8("#стенд").toUtf8()) << QString::fromUtf8("стенд");
}

void TestSaveSettingsWidget::reportedTagIsShown()
{
    QFETCH(QByteArray, reported);
    QFETCH(QString, shown);
    session->table.store(3, 0x44, reported);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(child<QLineEdit>("editUserTag")->text(), shown);
}

void TestSaveSettingsWidget::typedTagIsWrittenAndAnnounced()
{
    openPage();
    QSignalSpy announced(session->controller->eventDispatcher(), SIGNAL(settingTagChanged(QString)));
    QLineEdit *tag = child<QLineEdit>("editUserTag");
    tag->clear();
    QTest::keyClicks(tag, "abc");
    click("btnSaveUserTeg");
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>({hex("214e03c42000236162") + hex("63") + QByteArray(28, '\0') + hex("3290")}));
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.at(0).at(0).toString(), QString("#abc"));

    // The same tag again is not written twice.
    click("btnSaveUserTeg");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xC4), 1);
    QCOMPARE(announced.count(), 1);
}

void TestSaveSettingsWidget::emptiedTagFieldWritesTheReportedTagAgain()
{
    // After a read the page has written nothing, so the tag reported goes out again.
    openPage();
    QSignalSpy announced(session->controller->eventDispatcher(), SIGNAL(settingTagChanged(QString)));
    child<QLineEdit>("editUserTag")->clear();
    click("btnSaveUserTeg");
    QVERIFY(session->settle());
    QCOMPARE(child<QLineEdit>("editUserTag")->text(), QString("bench 7"));
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(3, 0xC4, tagField("#bench 7"))}));
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.at(0).at(0).toString(), QString("#bench 7"));
}

void TestSaveSettingsWidget::tagIsAnnouncedOnlyWhenTaken_data()
{
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QStringList>("announcements");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("writesAfterSecondSave");
    const QByteArray write = commandFrame(3, 0xC4, tagField("#abc"));
    QTest::newRow("acknowledged") << false << QStringList{"#abc"} << QList<QByteArray>{write} << "abc" << 1;
    // A tag the receiver did not take is read again, and the next Save sends it again.
    QTest::newRow("refused") << true << QStringList{} << QList<QByteArray>{write, tagGetter} << "bench 7" << 2;
}

void TestSaveSettingsWidget::tagIsAnnouncedOnlyWhenTaken()
{
    // The workspace's title follows the announcements: it shows the receiver's tag.
    QFETCH(bool, refused);
    QFETCH(QStringList, announcements);
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QString, shown);
    QFETCH(int, writesAfterSecondSave);
    openPage();
    if (refused)
        session->table.refuse(3, 0xC4);
    QSignalSpy announced(session->controller->eventDispatcher(), SIGNAL(settingTagChanged(QString)));
    child<QLineEdit>("editUserTag")->setText("abc");
    click("btnSaveUserTeg");
    QCOMPARE(announced.count(), 0);
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xC4), 1);
    QStringList told;
    for (const QList<QVariant> &announcement : announced)
        told << announcement.at(0).toString();
    QCOMPARE(told, announcements);
    QCOMPARE(session->table.frames(), frames);
    QCOMPARE(child<QLineEdit>("editUserTag")->text(), shown);

    child<QLineEdit>("editUserTag")->setText("abc");
    click("btnSaveUserTeg");
    QVERIFY(session->settle());
    QCOMPARE(session->table.count(3, 0xC4), writesAfterSecondSave);
}

void TestSaveSettingsWidget::tagGoesOutWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("typed");
    // The bytes of "#" and the tag in UTF-8, or none when the tag is refused.
    QTest::addColumn<int>("bytes");
    const QString ascii31(31, QLatin1Char('z'));
    QTest::newRow("31 latin letters: 32 bytes") << ascii31 << 32;
    QTest::newRow("29 cyrillic characters: 55 bytes") << QString::fromUtf8("База-Москва-Север-крыша-пятый") << 0;
    // Two bytes each: "#" and 15 letters are 31 bytes, a 16th would make 33.
    const QString cyrillic = QString::fromUtf8("ж");
    QTest::newRow("15 cyrillic letters: 31 bytes") << cyrillic.repeated(15) << 31;
    QTest::newRow("16 cyrillic letters: 33 bytes") << cyrillic.repeated(16) << 0;
    // "#" and 30 letters, then a two-byte letter: 33 bytes.
    QTest::newRow("two-byte letter at the end: 33 bytes") << QString(30, QLatin1Char('a')) + QString::fromUtf8("é")
                                                          << 0;
    // Four bytes and two UTF-16 units each: "#" and 7 of them are 29 bytes, 8 are 33.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x9B\xB0");
    QTest::newRow("7 surrogate pairs: 29 bytes") << emoji.repeated(7) << 29;
    QTest::newRow("8 surrogate pairs: 33 bytes") << emoji.repeated(8) << 0;
}

void TestSaveSettingsWidget::tagGoesOutWholeOrNotAtAll()
{
    QFETCH(QString, typed);
    QFETCH(int, bytes);
    openPage();
    QSignalSpy announced(session->controller->eventDispatcher(), SIGNAL(settingTagChanged(QString)));
    QLineEdit *tag = child<QLineEdit>("editUserTag");
    tag->clear();
    typeText(tag, typed);
    QCOMPARE(tag->text(), typed);
    click("btnSaveUserTeg");
    QVERIFY(session->settle());
    const QString written = "#" + typed;
    if (bytes > 0) {
        // What goes out is the tag shown, every byte of it.
        QCOMPARE(written.toUtf8().size(), bytes);
        QCOMPARE(session->table.frames(),
                 QList<QByteArray>({commandFrame(3, 0xC4, written.toUtf8() + QByteArray(32 - bytes, '\0'))}));
        QCOMPARE(announced.count(), 1);
        QCOMPARE(announced.at(0).at(0).toString(), written);
        QCOMPARE(tag->text(), typed);
        QVERIFY(!markedRefused(tag));
        QVERIFY(boxes.isEmpty());
        return;
    }
    // Refused whole: nothing goes out, the field keeps the tag as typed, marked, and the
    // box says why.
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QCOMPARE(announced.count(), 0);
    QCOMPARE(tag->text(), typed);
    QVERIFY(markedRefused(tag));
    QCOMPARE(lastText(boxes),
             nothingSent(QString("Save settings, Tag for current settings: with its \"#\" the tag takes %1 bytes "
                                 "in UTF-8; the receiver keeps 32 (a Cyrillic letter takes 2 bytes, a Latin "
                                 "letter or a digit 1)")
                             .arg(written.toUtf8().size())));
    if (typed.startsWith(QString::fromUtf8("База"))) {
        page->resize(page->sizeHint());
        saveScreenshot(page.get(), QStringLiteral("savesettings_tag_refused.png"));
        // Shortened by the person, it goes out as shown.
        tag->selectAll();
        typeText(tag, QString::fromUtf8("База-Москва"));
        click("btnSaveUserTeg");
        QVERIFY(session->settle());
        QVERIFY(!markedRefused(tag));
        const QByteArray shortened = QString::fromUtf8("#База-Москва").toUtf8();
        QCOMPARE(session->table.frames(),
                 QList<QByteArray>({commandFrame(3, 0xC4, shortened + QByteArray(32 - shortened.size(), '\0'))}));
        QCOMPARE(tag->text(), QString::fromUtf8("База-Москва"));
    }
}

QTEST_MAIN(TestSaveSettingsWidget)
#include "tst_savesettingswidget.moc"
