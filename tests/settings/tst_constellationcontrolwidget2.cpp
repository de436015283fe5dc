// The NavIC PRN code page against a receiver that keeps its settings in a table.
#include <QLineEdit>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "constellationcontrolwidget2.h"
#include "controller.h"
#include "hexbytes.h"
#include "boxrecorder.h"
#include "pagefixture.h"
#include "russiancatalogue.h"
#include "screenshot.h"
#include "settingspages.h"
#include "payload.h"
#include "settingsdialogs.h"

namespace {

QStringList editNames(char band)
{
    QStringList names;
    for (int n = 1; n <= 14; ++n)
        names.append(QString("lineEditSat_%1_%2").arg(n).arg(band));
    return names;
}

// The receiver answers with one byte per code.
QByteArray codeBytes(int first)
{
    QByteArray bytes;
    for (int i = 0; i < 14; ++i)
        bytes.append(char(first + i));
    return bytes;
}

// The setters carry 16 bits per code.
QByteArray codeWords(const QVector<quint16> &codes)
{
    Payload payload;
    for (quint16 code : codes)
        payload.u16(code);
    return payload;
}

QStringList repeated(const QString &text)
{
    QStringList out;
    for (int i = 0; i < 14; ++i)
        out.append(text);
    return out;
}

QVector<quint16> codesFrom(int first)
{
    QVector<quint16> codes;
    for (int i = 0; i < 14; ++i)
        codes.append(quint16(first + i));
    return codes;
}

} // namespace

class TestConstellationControlWidget2 : public QObject,
                                        public PageFixture<ConstellationControlWidget2>,
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

    void replyShowsFourHexDigits();
    void oneSBandCodeSendsTheWholeBandOnly();
    void unchangedCodesSendNothing();
    void emptiedFieldShowsItsCodeAgain();
    void typedCodeGoesOutAsTypedOrNotAtAll_data();
    void typedCodeGoesOutAsTypedOrNotAtAll();
    void failedGetterLeavesTheBandEmptyAndUnsent();
    void saveBeforeAnyReplySendsNothing();
    void refusedSetterAsksForItsBand();
    void russianTexts();
    void screenshot();

private:
    QLineEdit *edit(const QString &name) const { return page->findChild<QLineEdit *>(name); }
    void type(const QString &name, const QString &text) const
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    QStringList shown(char band) const
    {
        QStringList out;
        for (const QString &name : editNames(band))
            out.append(edit(name)->text());
        return out;
    }
    void openPage();
    void saveAndSettle()
    {
        page->findChild<QPushButton *>("btnSave")->click();
        QVERIFY(session->settle());
    }

};

void TestConstellationControlWidget2::init()
{
    QVERIFY(openSession());
    session->table.store(12, 0x03, codeBytes(0x30));
    session->table.store(12, 0x04, codeBytes(0x00));
    makePage();
}

void TestConstellationControlWidget2::cleanup()
{
    closePage();
}

void TestConstellationControlWidget2::theSelectorOpensThisPage()
{
    std::unique_ptr<QWidget> opened(createSettingsPage("radBtnConstellationControl_2", nullptr));
    QVERIFY(qobject_cast<ConstellationControlWidget2 *>(opened.get()));
}

void TestConstellationControlWidget2::openPage()
{
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(12, 0x03), commandFrame(12, 0x04)}));
    session->table.clearRecord();
}

void TestConstellationControlWidget2::replyShowsFourHexDigits()
{
    // The receiver's own reply frame, byte for byte: 0xA3 and thirteen zeros.
    session->receiver.answerAlways(12, 0x03,
                                   ScriptedReceiver::raw(hex("214e00020e00" "a300000000000000000000000000" "b3f5")));
    openPage();
    QStringList expected = repeated("0000");
    expected[0] = "00a3";
    QCOMPARE(shown('L'), expected);
    QCOMPARE(edit("lineEditSat_14_S")->text(), QString("000d"));
}

void TestConstellationControlWidget2::oneSBandCodeSendsTheWholeBandOnly()
{
    QByteArray reported = codeBytes(0);
    reported[13] = char(0x20);
    session->table.store(12, 0x04, reported);
    openPage();
    QCOMPARE(edit("lineEditSat_14_S")->text(), QString("0020"));
    type("lineEditSat_14_S", "d");
    saveAndSettle();
    // No read-back, nothing for L5.
    QCOMPARE(session->table.frames(),
             QList<QByteArray>({hex("214e0c841c00" "0000010002000300040005000600070008000900"
                                    "0a000b000c000d00" "086a")}));
    QCOMPARE(edit("lineEditSat_14_S")->text(), QString("d"));
}

void TestConstellationControlWidget2::unchangedCodesSendNothing()
{
    openPage();
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());
    QCOMPARE(shown('L').first(), QString("0030"));
}

void TestConstellationControlWidget2::emptiedFieldShowsItsCodeAgain()
{
    openPage();
    edit("lineEditSat_3_L")->clear();
    saveAndSettle();
    QCOMPARE(edit("lineEditSat_3_L")->text(), QString("0032"));
    QCOMPARE(session->table.frames(), QList<QByteArray>());
}

void TestConstellationControlWidget2::typedCodeGoesOutAsTypedOrNotAtAll_data()
{
    addTypedNumberColumns(false);
    const QString refused = nothingSent("L5, SAT #1: ");
    const auto sent = [](quint16 code, const QString &shown) {
        QVector<quint16> codes = codesFrom(0x30);
        codes[0] = code;
        return sentOutcome({commandFrame(12, 0x83, codeWords(codes))}, shown);
    };
    QTest::newRow("1a2b") << "1a2b" << sent(0x1a2b, "1a2b") << QString();
    QTest::newRow("FFFE") << "FFFE" << sent(0xfffe, "FFFE") << QString();
    QTest::newRow("five digits") << "12345" << refusedOutcome("12345") << refused + "12345 is outside 0 to fffe";
    QTest::newRow("not hexadecimal") << "xyz" << refusedOutcome("xyz") << refused + "\"xyz\" is not a hexadecimal number";
    QTest::newRow("minus one") << "-1" << refusedOutcome("-1") << refused + "\"-1\" is not a hexadecimal number";
    QTest::newRow("ffff marks no code") << "ffff" << refusedOutcome("ffff") << refused + "ffff is outside 0 to fffe";
}

void TestConstellationControlWidget2::typedCodeGoesOutAsTypedOrNotAtAll()
{
    openPage();
    QCOMPARE(typeRowAndSave(boxes, "lineEditSat_1_L"), rowExpected());
}

void TestConstellationControlWidget2::failedGetterLeavesTheBandEmptyAndUnsent()
{
    session->table.refuse(12, 0x03);
    readPage();
    QVERIFY(session->settle());
    QCOMPARE(shown('L'), repeated(""));
    QCOMPARE(shown('S').first(), QString("0000"));
    session->table.clearRecord();

    saveAndSettle();
    QCOMPARE(shown('L'), repeated(""));
    QCOMPARE(session->table.frames(), QList<QByteArray>());

    // A band goes out whole: with thirteen codes still unknown it stays back ...
    type("lineEditSat_1_L", "a3");
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());

    // ... and goes out once all fourteen are typed.
    for (const QString &name : editNames('L'))
        type(name, "7");
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(12, 0x83, codeWords(QVector<quint16>(14, 7)))}));
}

void TestConstellationControlWidget2::saveBeforeAnyReplySendsNothing()
{
    page->setController(session->controller);
    type("lineEditSat_5_S", "12");
    saveAndSettle();
    QCOMPARE(session->table.frames(), QList<QByteArray>());
}

void TestConstellationControlWidget2::refusedSetterAsksForItsBand()
{
    openPage();
    session->table.refuse(12, 0x84);
    type("lineEditSat_1_S", "ff");
    saveAndSettle();
    QVector<quint16> codes = codesFrom(0);
    codes[0] = 0xff;
    QCOMPARE(session->table.frames(), QList<QByteArray>({commandFrame(12, 0x84, codeWords(codes)), commandFrame(12, 0x04)}));
    QCOMPARE(edit("lineEditSat_1_S")->text(), QString("0000"));
}

void TestConstellationControlWidget2::russianTexts()
{
    RussianCatalogue russian;
    QVERIFY(russian.loaded);
    ConstellationControlWidget2 translated(nullptr);
    russian.remove();
    QCOMPARE(translated.findChild<QGroupBox *>("grBoxNavIcCodesS")->title(), QString::fromUtf8("Диапазон S"));
    QCOMPARE(translated.findChild<QLabel *>("labelSat_14_L")->text(), QString::fromUtf8("КА №14"));
}

void TestConstellationControlWidget2::screenshot()
{
    openPage();
    // The size of its form, as the settings dialog gives it room.
    page->resize(479, 600);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    saveDrawnScreenshot(page.get(), "constellationcontrolwidget2.png");
    qInfo("screenshot: %s", qPrintable(screenshotPath("constellationcontrolwidget2.png")));
}

QTEST_MAIN(TestConstellationControlWidget2)
#include "tst_constellationcontrolwidget2.moc"
