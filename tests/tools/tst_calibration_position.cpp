// The position the calibration window sends: only numbers the user typed and sees, and
// after a position read that failed, never one nobody gave.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "calibration.h"
#include "toolstestkit.h"
#include "tst_calibration_rig.h"
#include "tst_calibration_suite.h"
#include "typednumber.h"
#include "typednumbers.h"

void tst_Calibration::refusedPositionLeavesTheFieldsAsTheyWere_data()
{
    QTest::addColumn<bool>("receivedBefore");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<QByteArray>>("setSends");
    QTest::addColumn<int>("boxes");
    // Never received: the fields stay empty, and "Set" has nothing to send.
    QTest::newRow("never received") << false << QStringList({"", "", ""}) << QList<QByteArray>() << 1;
    // Received once, refused on the read after a refused "Set": the position stays, and
    // the one box says that the receiver has not taken it.
    QTest::newRow("received before") << true << QStringList({"55.75000000", "37.60000000", "150.000"})
                                     << QList<QByteArray>{hex("21 4E 05 80 18 00 CD CC CC CC CC CC 42 40 00 00 00 00 00 E0 4B "
                                                              "40 00 00 00 00 00 C0 62 40 BD E8")}
                                     << 1;
}

void tst_Calibration::refusedPositionLeavesTheFieldsAsTheyWere()
{
    QFETCH(bool, receivedBefore);
    QFETCH(QStringList, shown);
    QFETCH(QList<QByteArray>, setSends);
    QFETCH(int, boxes);
    CalibrationRig rig;
    QVERIFY(rig.open(receivedBefore ? llaPayload(55.75, 37.6, 150.0) : QByteArray(), TableBytes()));
    const auto fields = [&rig]() {
        return QStringList({rig.edit("editLat")->text(), rig.edit("editLon")->text(), rig.edit("editAlt")->text()});
    };
    if (receivedBefore) {
        QVERIFY(rig.showAndRead());
        rig.receiver().answerAlways(5, 0x80, ScriptedReceiver::refused());
        rig.receiver().answerAlways(5, 0x00, ScriptedReceiver::refused());
        rig.button("btnSet")->click();
        QTRY_COMPARE(rig.receiver().count(5, 0x00), 2);
        rig.receiver().answerAlways(5, 0x80, ScriptedReceiver::done());
    } else {
        rig.receiver().answerAlways(5, 0x00, ScriptedReceiver::refused());
        rig.show();
        QTRY_COMPARE(rig.receiver().count(5, 0x03), 1);
    }
    framesBeforeFence(rig.session);
    QCOMPARE(fields(), shown);
    rig.receiver().clearRecord();
    rig.button("btnSet")->click();
    QCOMPARE(framesBeforeFence(rig.session), setSends);
    QCOMPARE(rig.messages.size(), boxes);
}

void tst_Calibration::typedPositionGoesOutAsTypedOrNotAtAll_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<QByteArray>>("sent");
    QTest::addColumn<QString>("box");

    const auto position = [](double lat, double lon, double alt) {
        return QList<QByteArray>{ScriptedReceiver::frame(5, 0x80, llaPayload(lat, lon, alt))};
    };
    QTest::newRow("latitude -12.5") << "editLat" << "-12.5" << position(-12.5, 37.6, 150.0) << QString();
    // A Russian user's decimal comma is the decimal point.
    QTest::newRow("latitude 55,75") << "editLat" << "55,75" << position(55.75, 37.6, 150.0) << QString();
    QTest::newRow("latitude empty") << "editLat" << "" << QList<QByteArray>()
                                    << nothingSent("LLA, Latitude: a number is needed");
    QTest::newRow("latitude letters") << "editLat" << "abc" << QList<QByteArray>()
                                      << nothingSent("LLA, Latitude: \"abc\" is not a number");
    QTest::newRow("latitude 95") << "editLat" << "95" << QList<QByteArray>()
                                 << nothingSent("LLA, Latitude: 95 is outside -90 to 90");
    QTest::newRow("longitude -180.5") << "editLon" << "-180.5" << QList<QByteArray>()
                                      << nothingSent("LLA, Longitude: -180.5 is outside -180 to 180");
    QTest::newRow("altitude letters") << "editAlt" << "high" << QList<QByteArray>()
                                      << nothingSent("LLA, Altitude: \"high\" is not a number");
}

void tst_Calibration::typedPositionGoesOutAsTypedOrNotAtAll()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QList<QByteArray>, sent);
    QFETCH(QString, box);
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes()));
    rig.receiver().answerAlways(5, 0x80, ScriptedReceiver::done());
    QVERIFY(rig.showAndRead());
    rig.receiver().clearRecord();
    QLineEdit *edit = rig.edit(field);
    typeOver(edit, typed);
    rig.button("btnSet")->click();
    QCOMPARE(framesBeforeFence(rig.session), sent);
    QCOMPARE(lastText(rig.messages), box);
    QCOMPARE(edit->text(), typed);
    QCOMPARE(markedRefused(edit), !box.isEmpty());
}

void tst_Calibration::unconfirmedSetIsTold_data()
{
    QTest::addColumn<Reply>("setReply");
    QTest::addColumn<Reply>("readReply");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<QString>("box");

    const QStringList typed({"12.5", "37.60000000", "150.000"});
    const QStringList held({"55.75000000", "37.60000000", "150.000"});
    QTest::newRow("taken") << Reply::Done << Reply::Done << typed << false << QString();
    // The position read again replaces the one the receiver did not take.
    QTest::newRow("refused, read again") << Reply::Refused << Reply::Done << held << false << PositionReadBackText;
    QTest::newRow("unanswered, read again") << Reply::Silent << Reply::Done << held << false << PositionReadBackText;
    // Nothing to replace it: the typed position stays, marked as not taken.
    QTest::newRow("refused, read refused") << Reply::Refused << Reply::Refused << typed << true << PositionNotTakenText;
    QTest::newRow("unanswered, read unanswered") << Reply::Silent << Reply::Silent << typed << true
                                                 << PositionNotTakenText;
}

void tst_Calibration::unconfirmedSetIsTold()
{
    QFETCH(Reply, setReply);
    QFETCH(Reply, readReply);
    QFETCH(QStringList, shown);
    QFETCH(bool, marked);
    QFETCH(QString, box);
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75, 37.6, 150.0), TableBytes()));
    QVERIFY(rig.showAndRead());
    rig.receiver().answerAlways(5, 0x80, answerOf(setReply));
    if (readReply != Reply::Done)
        rig.receiver().answerAlways(5, 0x00, answerOf(readReply));
    rig.receiver().clearRecord();
    const auto fields = [&rig]() {
        return QList<QLineEdit *>({rig.edit("editLat"), rig.edit("editLon"), rig.edit("editAlt")});
    };
    const auto texts = [&]() {
        QStringList out;
        for (QLineEdit *field : fields())
            out << field->text();
        return out;
    };
    const QColor plain = backgroundOf(rig.edit("editLat"));

    typeOver(rig.edit("editLat"), QStringLiteral("12.5"));
    rig.button("btnSet")->click();
    const QByteArray set = ScriptedReceiver::frame(5, 0x80, llaPayload(12.5, 37.6, 150.0));
    if (setReply == Reply::Done) {
        QCOMPARE(framesBeforeFence(rig.session), QList<QByteArray>{set});
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(rig.messages.size(), 1, 10000);
        QCOMPARE(rig.frames(), QList<QByteArray>({set, hex("21 4E 05 00 00 00 05 14")}));
    }
    QCOMPARE(lastText(rig.messages), box);
    QCOMPARE(texts(), shown);
    for (QLineEdit *field : fields()) {
        QCOMPARE(backgroundOf(field), marked ? TypedNumber::markColour() : plain);
        QCOMPARE(field->toolTip(), marked ? QStringLiteral("not taken by the receiver") : QString());
    }

    // Once the receiver takes a position, nothing is marked as not taken.
    rig.receiver().answerAlways(5, 0x80, ScriptedReceiver::done());
    rig.button("btnSet")->click();
    framesBeforeFence(rig.session);
    for (QLineEdit *field : fields())
        QCOMPARE(backgroundOf(field), plain);
    QCOMPARE(texts(), shown);
}
