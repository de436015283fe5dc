// The calibration window against the scripted receiver: the frames it writes, the
// tables it shows, the choices between the current and the new table, and the write
// that ends in a restart and a read-back.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <limits>

#include "calibration.h"
#include "connectguard.h"
#include "looplag.h"
#include "toolstestkit.h"
#include "tst_calibration_rig.h"
#include "tst_calibration_suite.h"
#include "typednumbers.h"

namespace {

float floatAt(const QByteArray &bytes, int offset)
{
    float value = 0;
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

} // namespace

void tst_Calibration::initTestCase()
{
    installConnectGuard();
}

// ---- Position and current table ----

void tst_Calibration::openingReadsPositionThenTable()
{
    CalibrationRig rig;
    QVERIFY(rig.session.open(InterfaceBinary));
    QElapsedTimer clock;
    QList<qint64> arrivals;
    QObject::connect(&rig.receiver(), &ScriptedReceiver::commandReceived, &rig.workspace,
                     [&](int) { arrivals.append(clock.elapsed()); });
    rig.receiver().answerAlways(5, 0x00, ScriptedReceiver::late(ScriptedReceiver::data(llaPayload(55.75, 37.6, 150.0)), 300));
    clock.start();
    rig.show();

    QTRY_COMPARE(rig.receiver().commands().size(), 2);
    QCOMPARE(rig.receiver().commands().at(0).frame, hex("21 4E 05 00 00 00 05 14"));
    QCOMPARE(rig.receiver().commands().at(1).frame, hex("21 4E 05 03 00 00 08 1D"));
    // The table is asked for only once the position has been answered.
    QVERIFY2(arrivals.at(1) - arrivals.at(0) >= 250, qPrintable(QString::number(arrivals.at(1) - arrivals.at(0))));
    QCOMPARE(rig.edit("editLat")->text(), QStringLiteral("55.75000000"));
    QCOMPARE(rig.edit("editLon")->text(), QStringLiteral("37.60000000"));
    QCOMPARE(rig.edit("editAlt")->text(), QStringLiteral("150.000"));
}

void tst_Calibration::setWritesPosition()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes()));
    rig.receiver().answerAlways(5, 0x80, ScriptedReceiver::done());
    QVERIFY(rig.showAndRead());
    rig.receiver().clearRecord();

    rig.button("btnSet")->click();
    QCOMPARE(framesBeforeFence(rig.session),
             QList<QByteArray>{hex("21 4E 05 80 18 00 CD CC CC CC CC CC 42 40 00 00 00 00 00 E0 4B 40 00 00 00 00 00 C0 62 "
                                   "40 BD E8")});

    // A text that is not a number sends nothing at all.
    rig.edit("editAlt")->setText(QStringLiteral("high"));
    rig.button("btnSet")->click();
    QCOMPARE(framesBeforeFence(rig.session), QList<QByteArray>());
    QCOMPARE(rig.receiver().count(5, 0x80), 1);
    QCOMPARE(rig.messages.size(), 1);
}

void tst_Calibration::currentTableShownInCurrentAndCombined()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0),
                     TableBytes().entry(0, 1.5f, 0.25f, 1).entry(1, 9.0f, 0.5f, 0).entry(14, -0.125f, 0.0615f, 1)
                         .entry(27, 3.0f, 1.0f, 2)));
    QVERIFY(rig.showAndRead());

    for (const char *set : {"Curr", "Comb"}) {
        QCOMPARE(rig.valueEdit(set, 0)->text(), QStringLiteral("1.500"));
        QCOMPARE(rig.stdEdit(set, 0)->text(), QStringLiteral("0.250"));
        QCOMPARE(rig.valueEdit(set, 1)->text(), QString());
        QCOMPARE(rig.stdEdit(set, 1)->text(), QString());
        QCOMPARE(rig.valueEdit(set, 14)->text(), QStringLiteral("-0.125"));
        QCOMPARE(rig.stdEdit(set, 14)->text(), QStringLiteral("0.062"));
        // Only a flag of 1 marks a valid entry.
        QCOMPARE(rig.valueEdit(set, 27)->text(), QString());
    }
    QVERIFY(rig.flagBox("Comb", 0)->isChecked());
    QVERIFY(!rig.flagBox("Comb", 1)->isChecked());
    QVERIFY(rig.flagBox("Comb", 14)->isChecked());
    QVERIFY(!rig.flagBox("Comb", 27)->isChecked());
    // The new view waits for a calibration.
    QCOMPARE(rig.valueEdit("New", 0)->text(), QString());
}

void tst_Calibration::missingTableShowsError()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), QByteArray()));
    rig.receiver().answerAlways(5, 0x03, ScriptedReceiver::refused());
    rig.show();
    QTRY_COMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.messages.at(0).text, QStringLiteral("The data did not come"));
    QCOMPARE(rig.messages.at(0).icon, QMessageBox::Critical);
    QCOMPARE(rig.messages.at(0).title, QString());
    QCOMPARE(rig.messages.at(0).parent, nullptr);
}

// ---- Calibrating ----

void tst_Calibration::pollingFollowsAcknowledgement()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), currentTable()));
    QVERIFY(rig.showAndRead());
    rig.receiver().clearRecord();
    rig.receiver().answerAlways(5, 0x81, ScriptedReceiver::done());
    rig.receiver().answerAlways(5, 0x04, ScriptedReceiver::data(newTable()));
    LoopLag lag;
    QList<qint64> polls;
    QObject::connect(&rig.receiver(), &ScriptedReceiver::commandReceived, &rig.workspace, [&](int index) {
        if (rig.receiver().commands().at(index).subId == 0x04)
            polls.append(lag.nowMs());
    });

    const qint64 clickAt = lag.nowMs();
    rig.button("btnStart")->click();
    QTRY_COMPARE(rig.receiver().commands().size(), 1);
    QCOMPARE(rig.receiver().commands().at(0).frame, hex("21 4E 05 81 00 00 86 98"));
    QCOMPARE(rig.controls(), CalibratingControls);
    QVERIFY(!rig.flagBox("New", 3)->isEnabled());

    QTRY_COMPARE_WITH_TIMEOUT(polls.size(), 2, 20000);
    QCOMPARE(rig.receiver().commands().at(1).frame, hex("21 4E 05 04 00 00 09 20"));
    // Never early; late only by what the event loop lost meanwhile.
    const qint64 first = polls.at(0) - clickAt;
    QVERIFY2(first >= 1400 && first < 2200 + lag.lostMs(clickAt, polls.at(0)), qPrintable(QString::number(first)));
    const qint64 interval = polls.at(1) - polls.at(0);
    QVERIFY2(interval >= 1300 && interval < 2000 + lag.lostMs(polls.at(0), polls.at(1)),
             qPrintable(QString::number(interval)));
    // New tables while calibrating change the new view only.
    QCOMPARE(rig.valueEdit("New", 0)->text(), QStringLiteral("-2.513"));
    QCOMPARE(rig.valueEdit("Comb", 0)->text(), QStringLiteral("-2.566"));

    const int written = rig.receiver().commands().size();
    rig.button("btnStop")->click();
    QCOMPARE(rig.controls(), NotCalibratingControls);
    QSignalSpy more(&rig.receiver(), &ScriptedReceiver::commandReceived);
    QVERIFY(!more.wait(2000));
    QCOMPARE(rig.receiver().commands().size(), written);
}

void tst_Calibration::failedStartLeavesTheWindowAsBefore_data()
{
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<bool>("reviewing");
    QTest::newRow("refused, from idle") << Reply::Refused << false;
    QTest::newRow("unanswered, from idle") << Reply::Silent << false;
    QTest::newRow("refused, from reviewing") << Reply::Refused << true;
    QTest::newRow("unanswered, from reviewing") << Reply::Silent << true;
}

void tst_Calibration::failedStartLeavesTheWindowAsBefore()
{
    QFETCH(Reply, reply);
    QFETCH(bool, reviewing);
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), currentTable()));
    QVERIFY(rig.showAndRead());
    if (reviewing)
        QVERIFY(rig.calibrate(newTable()));
    rig.receiver().answerAlways(5, 0x81, answerOf(reply));
    rig.receiver().clearRecord();
    const int boxes = rig.messages.size();

    rig.button("btnStart")->click();
    // Calibrating while the receiver has still to answer.
    QCOMPARE(rig.controls(), CalibratingControls);
    QTRY_COMPARE_WITH_TIMEOUT(rig.messages.size(), boxes + 1, 10000);
    QCOMPARE(rig.messages.last().text, StartNotTakenText);
    QCOMPARE(rig.messages.last().icon, QMessageBox::Critical);
    // Back where "Start" found it.
    QCOMPARE(rig.controls(), NotCalibratingControls);
    // A new entry can be picked only when reviewing, and only one that was measured.
    QCOMPARE(rig.flagBox("New", 3)->isEnabled(), reviewing);
    QVERIFY(!rig.flagBox("New", 4)->isEnabled());
    // The start went out once and no poll follows it.
    QSignalSpy more(&rig.receiver(), &ScriptedReceiver::commandReceived);
    QVERIFY(!more.wait(2000));
    QCOMPARE(rig.frames(), QList<QByteArray>{hex("21 4E 05 81 00 00 86 98")});
}

void tst_Calibration::startAcknowledgedAfterStopGivesNoPoll()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), currentTable()));
    QVERIFY(rig.showAndRead());
    rig.receiver().answerAlways(5, 0x81, ScriptedReceiver::late(ScriptedReceiver::done(), 500));

    rig.button("btnStart")->click();
    QTRY_COMPARE(rig.receiver().count(5, 0x81), 1);
    rig.button("btnStop")->click();
    QSignalSpy more(&rig.receiver(), &ScriptedReceiver::commandReceived);
    QVERIFY(!more.wait(2500));
    QCOMPARE(rig.receiver().count(5, 0x04), 0);
}

void tst_Calibration::choiceOfEntries()
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char *name;
        quint8 currentFlag;
        float currentStd;
        quint8 newFlag;
        float newStd;
        bool takesNew;
    };
    const Case cases[] = {
        {"current clear, new set", 0, 0.1f, 1, 0.2f, true},
        {"both clear", 0, 0.1f, 0, 0.2f, false},
        {"current set, new clear", 1, 0.2f, 0, 0.1f, false},
        {"new deviation smaller", 1, 0.2f, 1, 0.1f, true},
        {"new deviation larger", 1, 0.1f, 1, 0.2f, false},
        {"equal deviations", 1, 0.125f, 1, 0.125f, true},
        {"current deviation NaN", 1, nan, 1, 0.1f, false},
        {"new deviation NaN", 1, 0.1f, 1, nan, false},
    };
    const int count = int(sizeof cases / sizeof cases[0]);
    // Entry i of the L1 band holds case i, the same case sits at entry 14 + i of L2.
    TableBytes current;
    TableBytes fresh;
    for (int i = 0; i < count; ++i) {
        for (int entry : {i, 14 + i}) {
            current.entry(entry, 1.0f + i, cases[i].currentStd, cases[i].currentFlag);
            fresh.entry(entry, 2.0f + i, cases[i].newStd, cases[i].newFlag);
        }
    }

    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), current));
    QVERIFY(rig.showAndRead());
    QVERIFY(rig.calibrate(fresh));

    for (int i = 0; i < count; ++i) {
        for (int entry : {i, 14 + i}) {
            const Case &c = cases[i];
            const QByteArray name = QByteArray(c.name) + " at entry " + QByteArray::number(entry);
            QVERIFY2(rig.flagBox("New", entry)->isChecked() == c.takesNew, name);
            // A new entry that is not valid cannot be picked.
            QVERIFY2(rig.flagBox("New", entry)->isEnabled() == (c.newFlag == 1), name);
            const quint8 flag = c.takesNew ? c.newFlag : c.currentFlag;
            const QString value = flag == 1 ? QString::number(double(c.takesNew ? 2 + i : 1 + i), 'f', 3) : QString();
            QVERIFY2(rig.valueEdit("Comb", entry)->text() == value, name + ": " + rig.valueEdit("Comb", entry)->text().toUtf8());
            QVERIFY2(rig.flagBox("Comb", entry)->isChecked() == (flag == 1), name);
        }
    }
}

void tst_Calibration::userPicksNewEntry()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(0, 1.0f, 0.1f, 1).entry(1, 1.5f, 0.1f, 1)));
    QVERIFY(rig.showAndRead());
    QVERIFY(rig.calibrate(TableBytes().entry(0, 2.0f, 0.4f, 1).entry(1, 2.5f, 0.05f, 1)));
    QVERIFY(!rig.flagBox("New", 0)->isChecked());
    QCOMPARE(rig.valueEdit("Comb", 0)->text(), QStringLiteral("1.000"));
    QVERIFY(rig.flagBox("New", 1)->isChecked());
    QCOMPARE(rig.valueEdit("Comb", 1)->text(), QStringLiteral("2.500"));

    // The user's choice wins over the deviations, both ways.
    rig.flagBox("New", 0)->click();
    rig.flagBox("New", 1)->click();
    QCOMPARE(rig.valueEdit("Comb", 0)->text(), QStringLiteral("2.000"));
    QCOMPARE(rig.stdEdit("Comb", 0)->text(), QStringLiteral("0.400"));
    QCOMPARE(rig.valueEdit("Comb", 1)->text(), QStringLiteral("1.500"));
}

void tst_Calibration::combinedBoxHidesAndShowsNumbers()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes().entry(0, 1.5f, 0.25f, 1).entry(1, 0.75f, 0.5f, 1)));
    QVERIFY(rig.showAndRead());

    QCheckBox *box = rig.flagBox("Comb", 0);
    box->click();
    QVERIFY(!box->isChecked());
    QCOMPARE(rig.valueEdit("Comb", 0)->text(), QString());
    QCOMPARE(rig.stdEdit("Comb", 0)->text(), QString());
    box->click();
    QCOMPARE(rig.valueEdit("Comb", 0)->text(), QStringLiteral("1.500"));
    QCOMPARE(rig.stdEdit("Comb", 0)->text(), QStringLiteral("0.250"));

    // An emptied text keeps its number.
    QLineEdit *value = rig.valueEdit("Comb", 1);
    value->selectAll();
    QTest::keyClick(value, Qt::Key_Backspace);
    rig.flagBox("Comb", 1)->click();
    rig.flagBox("Comb", 1)->click();
    QCOMPARE(value->text(), QStringLiteral("0.750"));
    QVERIFY(rig.messages.isEmpty());
    // A text that is not a number stores nothing: it stays as typed, and the box says why.
    QLineEdit *std = rig.stdEdit("Comb", 1);
    std->selectAll();
    QTest::keyClicks(std, QStringLiteral("abc"));
    rig.flagBox("Comb", 1)->click();
    QCOMPARE(std->text(), QStringLiteral("abc"));
    QCOMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.messages.last().text,
             QStringLiteral("Correct the marked fields.\nCombined, L1, STD, -6: \"abc\" is not a number"));
}

// ---- Writing the table ----

void tst_Calibration::saveRestartWritesTableAndRestarts()
{
    TableBytes current = currentTable();
    current.entry(0, 1.5f, 0.25f, 1, hex("AA BB CC"));
    current.entry(20, 0.5f, 0.125f, 0, hex("01 02 03"));
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), current));
    QVERIFY(rig.showAndRead());
    // The new table carries reserved bytes of its own; only the current table's are sent.
    TableBytes fresh = newTable();
    fresh.entry(0, 1.25f, 0.125f, 1, hex("11 22 33"));
    QVERIFY(rig.calibrate(fresh));
    rig.receiver().answerAlways(5, 0x04, ScriptedReceiver::silence());
    rig.receiver().answerAlways(5, 0x84, ScriptedReceiver::done());
    rig.receiver().clearRecord();

    LoopLag lag;
    qint64 restartedAt = -1;
    int commandsAtRestart = -1;
    QObject::connect(rig.window, &Calibration::restart, &rig.workspace, [&]() {
        restartedAt = lag.nowMs();
        commandsAtRestart = rig.receiver().commands().size();
    });
    QList<qint64> readBack;
    QObject::connect(&rig.receiver(), &ScriptedReceiver::commandReceived, &rig.workspace, [&](int index) {
        if (rig.receiver().commands().at(index).subId != 0x84)
            readBack.append(lag.nowMs());
    });
    rig.button("btnSaveRestart")->click();

    QTRY_COMPARE(rig.receiver().commands().size(), 1);
    const ScriptedReceiver::Command write = rig.receiver().commands().at(0);
    QCOMPARE(write.frame.size(), 344);
    QCOMPARE(write.frame.left(6), hex("21 4E 05 84 50 01"));
    QVERIFY(write.checksumOk);
    QCOMPARE(write.payload.mid(0, 12), QByteArray(Payload().f32(1.25f).f32(0.125f).u8(1)) + hex("AA BB CC"));
    QCOMPARE(write.payload.mid(20 * 12 + 9, 3), hex("01 02 03"));
    for (int i = 1; i < 28; ++i) {
        if (i != 20)
            QCOMPARE(write.payload.mid(i * 12 + 9, 3), current.bytes.mid(i * 12 + 9, 3));
    }
    // The new view is emptied and back to idle.
    QCOMPARE(rig.valueEdit("New", 0)->text(), QString());
    QVERIFY(!rig.flagBox("New", 0)->isChecked());
    QVERIFY(!rig.flagBox("New", 0)->isEnabled());
    QVERIFY(rig.button("btnStart")->isEnabled());

    // restart() comes with the acknowledgement; the read-back about a second later.
    QTRY_VERIFY(restartedAt >= 0);
    QCOMPARE(commandsAtRestart, 1);
    QTRY_COMPARE_WITH_TIMEOUT(readBack.size(), 2, 20000);
    QCOMPARE(rig.receiver().commands().at(1).frame, hex("21 4E 05 00 00 00 05 14"));
    QCOMPARE(rig.receiver().commands().at(2).frame, hex("21 4E 05 03 00 00 08 1D"));
    const qint64 delay = readBack.at(0) - restartedAt;
    QVERIFY2(delay >= 900 && delay < 1600 + lag.lostMs(restartedAt, readBack.at(0)), qPrintable(QString::number(delay)));
    QSignalSpy more(&rig.receiver(), &ScriptedReceiver::commandReceived);
    QVERIFY(!more.wait(1500));
    QCOMPARE(rig.receiver().commands().size(), 3);
}

void tst_Calibration::untouchedEntriesKeepTheirPrecision()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0),
                     TableBytes().entry(0, 1.23456f, 0.0123456f, 1).entry(1, 0.98765f, 0.04321f, 1)));
    QVERIFY(rig.showAndRead());
    rig.receiver().answerAlways(5, 0x84, ScriptedReceiver::silence());
    QCOMPARE(rig.valueEdit("Comb", 0)->text(), QStringLiteral("1.235"));

    QLineEdit *edited = rig.valueEdit("Comb", 1);
    edited->selectAll();
    QTest::keyClicks(edited, QStringLiteral("2.5"));
    rig.button("btnSaveRestart")->click();
    QTRY_COMPARE(rig.payloads(0x84).size(), 1);
    const QByteArray table = rig.payloads(0x84).at(0);
    QCOMPARE(floatAt(table, 0), 1.23456f);
    QCOMPARE(floatAt(table, 4), 0.0123456f);
    QCOMPARE(floatAt(table, 12), 2.5f);
    QCOMPARE(floatAt(table, 16), 0.04321f);
}

void tst_Calibration::typedCombinedEntryGoesOutAsTypedOrNotAtAll_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("written");
    QTest::addColumn<QString>("box");
    const QString refused = nothingSent("Combined, L1, ");
    // The receiver here never answers a write: a table that goes out is told as not taken.
    QTest::newRow("value 2.5") << "value" << "2.5" << 2.5f << TableNotTakenText;
    // A Russian user's decimal comma is the decimal point.
    QTest::newRow("value 2,5") << "value" << "2,5" << 2.5f << TableNotTakenText;
    QTest::newRow("value letters") << "value" << "abc" << 0.0f << refused + "Value, -6: \"abc\" is not a number";
    QTest::newRow("value beyond a float") << "value" << "1e60" << 0.0f
                                          << refused + "Value, -6: 1e60 is outside -3.40282e+38 to 3.40282e+38";
    QTest::newRow("value emptied") << "value" << "" << 0.0f << refused + "Value, -6: a number is needed";
    QTest::newRow("std negative") << "std" << "-0.5" << 0.0f << refused + "STD, -6: -0.5 is outside 0 to 3.40282e+38";
}

void tst_Calibration::typedCombinedEntryGoesOutAsTypedOrNotAtAll()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(float, written);
    QFETCH(QString, box);
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0),
                     TableBytes().entry(0, 1.23456f, 0.0123456f, 1).entry(1, 0.98765f, 0.04321f, 1)));
    QVERIFY(rig.showAndRead());
    rig.receiver().answerAlways(5, 0x84, ScriptedReceiver::silence());
    rig.receiver().clearRecord();
    QLineEdit *edited = field == "value" ? rig.valueEdit("Comb", 1) : rig.stdEdit("Comb", 1);
    typeOver(edited, typed);
    rig.button("btnSaveRestart")->click();
    const QList<QByteArray> frames = framesBeforeFence(rig.session);
    QCOMPARE(lastText(rig.messages), box);
    QCOMPARE(edited->text(), typed);
    if (box != TableNotTakenText) {
        QCOMPARE(frames, QList<QByteArray>());
        return;
    }
    QCOMPARE(frames.size(), 1);
    const QByteArray table = frames.at(0).mid(6, 336);
    QCOMPARE(floatAt(table, 0), 1.23456f);
    QCOMPARE(floatAt(table, 12), written);
    QCOMPARE(floatAt(table, 16), 0.04321f);
}

void tst_Calibration::saveRestartBeforeAnyTableWritesNothing()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), QByteArray()));
    rig.receiver().answerAlways(5, 0x03, ScriptedReceiver::refused());
    rig.show();
    QTRY_COMPARE(rig.messages.size(), 1);

    rig.button("btnSaveRestart")->click();
    QSignalSpy more(&rig.receiver(), &ScriptedReceiver::commandReceived);
    QVERIFY(!more.wait(1000));
    QCOMPARE(rig.receiver().count(5, 0x84), 0);

    // A value the user types makes the table theirs.
    rig.flagBox("Comb", 2)->click();
    QCOMPARE(rig.valueEdit("Comb", 2)->text(), QStringLiteral("0.000"));
    rig.valueEdit("Comb", 2)->selectAll();
    QTest::keyClicks(rig.valueEdit("Comb", 2), QStringLiteral("0.5"));
    rig.button("btnSaveRestart")->click();
    QTRY_COMPARE(rig.payloads(0x84).size(), 1);
    QCOMPARE(rig.payloads(0x84).at(0), QByteArray(TableBytes().entry(2, 0.5f, 0.0f, 1)));
}

void tst_Calibration::failedWriteReadsBackAndTells_data()
{
    QTest::addColumn<Reply>("reply");
    QTest::newRow("refused") << Reply::Refused;
    QTest::newRow("unanswered") << Reply::Silent;
}

void tst_Calibration::failedWriteReadsBackAndTells()
{
    QFETCH(Reply, reply);
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), currentTable()));
    QVERIFY(rig.showAndRead());
    rig.receiver().answerAlways(5, 0x84, answerOf(reply));
    QSignalSpy restarts(rig.window.data(), SIGNAL(restart()));
    rig.receiver().clearRecord();

    rig.button("btnSaveRestart")->click();
    QTRY_COMPARE_WITH_TIMEOUT(rig.receiver().commands().size(), 3, 10000);
    QCOMPARE(rig.receiver().commands().at(1).subId, quint8(0x00));
    QCOMPARE(rig.receiver().commands().at(2).subId, quint8(0x03));
    QCOMPARE(restarts.count(), 0);
    QCOMPARE(lastText(rig.messages), TableNotTakenText);
}

void tst_Calibration::windowClosedAfterWriteSendsNothingMore()
{
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), currentTable()));
    QVERIFY(rig.showAndRead());
    rig.receiver().answerAlways(5, 0x84, ScriptedReceiver::done());
    QSignalSpy restarts(rig.window.data(), SIGNAL(restart()));
    rig.receiver().clearRecord();

    rig.button("btnSaveRestart")->click();
    QVERIFY(restarts.wait(20000));
    QTimer::singleShot(200, rig.window.data(), &QWidget::close);
    QTRY_VERIFY(rig.window.isNull());
    QSignalSpy more(&rig.receiver(), &ScriptedReceiver::commandReceived);
    QVERIFY(!more.wait(1800));
    QCOMPARE(rig.receiver().commands().size(), 1);
}

QTEST_MAIN(tst_Calibration)
