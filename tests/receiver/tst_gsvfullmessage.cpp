#include <QRandomGenerator>
#include <QtTest>

#include "binarypayloads.h"
#include "binaryrecords.h"
#include "connectguard.h"

class tst_GsvFullMessage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void split_data();
    void split();
    void entryCount_data();
    void entryCount();
    void lines();
    void randomBytes();
};

void tst_GsvFullMessage::initTestCase()
{
    installConnectGuard();
}

namespace {

QByteArray entries(quint8 system, int count, quint8 firstNumber)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        const quint8 n = quint8(firstNumber + i);
        bytes += gsvEntry(system, n, quint16(10 * n), quint8(n), quint8(30 + i), quint8(i),
                          quint8(i % 2));
    }
    return bytes;
}

} // namespace

void tst_GsvFullMessage::split_data()
{
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("GP first") << entries(0, 9, 1) + entries(1, 2, 65);
    QTest::newRow("GL first") << entries(1, 2, 65) + entries(0, 9, 1);
    QTest::newRow("interleaved") << entries(0, 4, 1) + entries(1, 1, 65) + entries(0, 5, 5)
                                        + entries(1, 1, 66);
    QTest::newRow("trailing bytes and a foreign system")
        << entries(0, 9, 1) + entries(7, 3, 1) + entries(1, 2, 65) + QByteArray("\x01\x02\x03");
}

void tst_GsvFullMessage::split()
{
    QFETCH(QByteArray, payload);

    const QVector<GSV_FULL> records = GsvFullMessage(payload).records();
    QCOMPARE(records.size(), 4);

    for (int i = 0; i < 3; ++i) {
        const GSV_FULL &r = records.at(i);
        QCOMPARE(r.talker, QString("GP"));
        QCOMPARE(int(r.totalMessages), 3);
        QCOMPARE(int(r.messageNumber), i + 1);
        QCOMPARE(int(r.satellitesInView), 9);
    }
    // GP satellites 1 to 9 in payload order, four per record.
    QCOMPARE(int(records[0].number[0]), 1);
    QCOMPARE(int(records[0].number[3]), 4);
    QCOMPARE(int(records[1].number[0]), 5);
    QCOMPARE(int(records[2].number[0]), 9);
    QCOMPARE(int(records[2].azimuth[0]), 90);
    QCOMPARE(int(records[2].elevation[0]), 9);
    QCOMPARE(int(records[2].system[0]), 0);
    for (int j = 1; j < 4; ++j) {
        QCOMPARE(records[2].number[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].elevation[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].azimuth[j], GSV_FULL::gsvEmptyAzimuth);
        QCOMPARE(records[2].snr1[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].snr2[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].used[j], GSV_FULL::gsvEmptySlot);
        QCOMPARE(records[2].system[j], GSV_FULL::gsvEmptySlot);
    }

    const GSV_FULL &gl = records.at(3);
    QCOMPARE(gl.talker, QString("GL"));
    QCOMPARE(int(gl.totalMessages), 1);
    QCOMPARE(int(gl.messageNumber), 1);
    QCOMPARE(int(gl.satellitesInView), 2);
    QCOMPARE(int(gl.number[0]), 65);
    QCOMPARE(int(gl.number[1]), 66);
    QCOMPARE(int(gl.system[1]), 1);
    QCOMPARE(gl.number[2], GSV_FULL::gsvEmptySlot);
    QCOMPARE(gl.number[3], GSV_FULL::gsvEmptySlot);
}

void tst_GsvFullMessage::entryCount_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("talkers");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("seven bytes") << entries(0, 1, 1).left(7) << QStringList();
    QTest::newRow("fifteen bytes: one entry") << (entries(2, 2, 1).left(15)) << QStringList{"GB"};
    QTest::newRow("system 6 is dropped") << entries(6, 1, 1) << QStringList();
    QTest::newRow("system 255 is dropped") << entries(255, 3, 1) << QStringList();
    QTest::newRow("all six systems in order")
        << entries(5, 1, 1) + entries(4, 1, 1) + entries(3, 1, 1) + entries(2, 1, 1)
               + entries(1, 1, 1) + entries(0, 1, 1)
        << QStringList{"GP", "GL", "GB", "GA", "GI", "GS"};
    QTest::newRow("exactly four: one record") << entries(3, 4, 1) << QStringList{"GA"};
    QTest::newRow("five: two records") << entries(4, 5, 1) << QStringList{"GI", "GI"};
}

void tst_GsvFullMessage::entryCount()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, talkers);

    const GsvFullMessage message(payload);
    const QVector<GSV_FULL> records = message.records();
    QStringList got;
    for (const GSV_FULL &r : records)
        got << r.talker;
    QCOMPARE(got, talkers);
    QCOMPARE(message.toStringList().size(), records.size());
}
void tst_GsvFullMessage::lines()
{
    // Nine GP satellites: the third record holds satellite 12 alone.
    QByteArray payload = entries(0, 8, 1);
    payload += gsvEntry(0, 12, 270, 45, 40, 0, 1);
    payload += entries(1, 2, 65);

    const QStringList lines = GsvFullMessage(payload).toStringList();
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QString("$GPGSV_FULL,3,1,09,1,10,1,30,0,0,2,20,2,31,1,1,3,30,3,32,2,0,"
                                  "4,40,4,33,3,1\r\n"));
    QCOMPARE(lines.at(2), QString("$GPGSV_FULL,3,3,09,12,270,45,40,0,1,,,,,,,,,,,,,,,,,,\r\n"));
    QCOMPARE(lines.at(3), QString("$GLGSV_FULL,1,1,02,65,650,65,30,0,0,66,660,66,31,1,1,,,,,,,,"
                                  ",,,,\r\n"));

    // Forty satellites in view: two digits need no padding; ten records.
    const QStringList many = GsvFullMessage(entries(5, 40, 100)).toStringList();
    QCOMPARE(many.size(), 10);
    QVERIFY(many.at(9).startsWith("$GSGSV_FULL,10,10,40,136,"));
}
void tst_GsvFullMessage::randomBytes()
{
    QRandomGenerator random(20151231);
    for (int round = 0; round < 3000; ++round) {
        QByteArray payload(int(random.bounded(0, 400)), Qt::Uninitialized);
        for (char &c : payload)
            c = char(random.bounded(256));
        // Mostly known systems, so the records fill up.
        for (int i = 0; i < payload.size(); i += 8)
            payload[i] = char(random.bounded(8));

        const GsvFullMessage message(payload);
        const QVector<GSV_FULL> records = message.records();
        const QStringList lines = message.toStringList();
        QCOMPARE(lines.size(), records.size());
        QVERIFY(records.size() <= payload.size() / 8);
        for (int i = 0; i < records.size(); ++i) {
            const GSV_FULL &r = records.at(i);
            QVERIFY(r.messageNumber >= 1 && r.messageNumber <= r.totalMessages);
            QVERIFY(r.satellitesInView <= payload.size() / 8);
            QVERIFY(lines.at(i).startsWith("$" + r.talker + "GSV_FULL,"));
            QVERIFY(lines.at(i).endsWith("\r\n"));
            QCOMPARE(lines.at(i).count(','), 3 + 4 * 6);
        }
    }
}

QTEST_GUILESS_MAIN(tst_GsvFullMessage)
#include "tst_gsvfullmessage.moc"
