#include <QtTest>

#include "connectguard.h"
#include "tst_binaryparser_events.h"
#include "zrbbinaryparser.h"

// The binary frame reader: finding, checking and routing the receiver's frames.
class TestBinaryParser : public QObject
{
    Q_OBJECT

private:
    static QStringList feed(const QList<QByteArray> &chunks)
    {
        ZRBBinaryParser parser(nullptr);
        QStringList events;
        recordParserEvents(&parser, &events);
        for (const QByteArray &chunk : chunks)
            parser.parse(chunk);
        return events;
    }

    static QList<QByteArray> bytewise(const QByteArray &data)
    {
        QList<QByteArray> chunks;
        for (char c : data)
            chunks << QByteArray(1, c);
        return chunks;
    }

private slots:
    void initTestCase()
    {
        installConnectGuard();
    }

    void frames_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QStringList>("expected");

        const QByteArray done = QByteArray::fromHex("214e000100000103");
        const QByteArray data4 = binaryFrame(0, 2, QByteArray::fromHex("01020304"));

        QTest::newRow("status done") << done << QStringList{"status 1 "};
        QTest::newRow("refused with zero checksum dropped")
            << QByteArray::fromHex("214e000000000000") << QStringList{};
        QTest::newRow("data reply carries its payload") << data4 << QStringList{"status 2 01020304"};
        QTest::newRow("noise around frames")
            << QByteArray("garbage!x") + done + QByteArray("\x21\x21", 2) + data4 + QByteArray("N!")
            << QStringList{"status 1 ", "status 2 01020304"};
        // The '!' that breaks a sync pair is tried again as a first sync byte: a stray
        // '!' right before a frame costs nothing.
        QTest::newRow("!!N starts a frame at the second !")
            << QByteArray::fromHex("21214e000100000103") << QStringList{"status 1 "};
        QTest::newRow("!N after !!N as well")
            << QByteArray::fromHex("21214e000100000103") + done << QStringList{"status 1 ", "status 1 "};
        QTest::newRow("odd run of ! before a frame")
            << QByteArray("\x21\x21\x21", 3) + done << QStringList{"status 1 "};
        QTest::newRow("bad checksum dropped, next frame handled")
            << QByteArray::fromHex("214e000100000102") + done << QStringList{"status 1 "};
        QTest::newRow("kind 2 ignored")
            << binaryFrame(2, 0, QByteArray("abc")) + done << QStringList{"status 1 "};
        QTest::newRow("message number without a message ignored")
            << binaryFrame(1, 26, QByteArray("xx")) + binaryFrame(1, 0, QByteArray()) + binaryFrame(1, 200, QByteArray())
            << QStringList{};

        // A length of 1025 is abandoned at the length field; the frame hidden in its
        // "payload" is found.
        QByteArray abandoned = QByteArray::fromHex("214e00020104");
        abandoned += data4;
        abandoned += QByteArray(1025 - data4.size(), 'z');
        QTest::newRow("length 1025 abandoned, inner frame found")
            << abandoned << QStringList{"status 2 01020304"};

        const QByteArray full(1024, '\x5a');
        const QByteArray zeros(29, '\0');
        QTest::newRow("frames keep stream order")
            << binaryFrame(1, 17, zeros) + done + binaryFrame(1, 22, zeros)
            << QStringList{logOf<RPOS_ECEF>(zeros), "RPOS_ECEF", "status 1 ", logOf<BPOS_ECEF>(zeros), "BPOS_ECEF"};
        QTest::newRow("length 1024 accepted")
            << binaryFrame(0, 2, full)
            << QStringList{QStringLiteral("status 2 ") + QString::fromLatin1(full.toHex())};
    }

    void frames()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QStringList, expected);
        QCOMPARE(feed({stream}), expected);
        // One byte per call gives exactly the same.
        QCOMPARE(feed(bytewise(stream)), expected);
        // So does any split in two.
        for (int cut = 1; cut < stream.size(); cut += qMax(1, stream.size() / 17))
            QCOMPARE(feed({stream.left(cut), stream.mid(cut)}), expected);
    }

    void binaryRecords_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QStringList>("expected");

        QByteArray ecef(29, '\0');
        ecef[0] = '\x07';
        ecef[28] = '\x01';
        const QByteArray zeros(80, '\0');
        QTest::newRow("16 RTIME_RDATE") << 16 << zeros.left(17)
                                        << QStringList{logOf<RTIME_RDATE>(zeros.left(17)), "RTIME_RDATE"};
        QTest::newRow("17 RPOS_ECEF") << 17 << ecef << QStringList{logOf<RPOS_ECEF>(ecef), "RPOS_ECEF"};
        QTest::newRow("18 RVEL_ECEF") << 18 << ecef << QStringList{logOf<RVEL_ECEF>(ecef), "RVEL_ECEF"};
        QTest::newRow("19 RPOS_LLA") << 19 << zeros << QStringList{logOf<RPOS_LLA>(zeros), "RPOS_LLA"};
        QTest::newRow("20 RVEL_ENU") << 20 << zeros << QStringList{logOf<RVEL_ENU>(zeros), "RVEL_ENU"};
        QTest::newRow("21 RSOL_ATR") << 21 << zeros << QStringList{logOf<RSOL_ATR>(zeros), "RSOL_ATR"};
        QTest::newRow("22 BPOS_ECEF") << 22 << ecef << QStringList{logOf<BPOS_ECEF>(ecef), "BPOS_ECEF"};
        QTest::newRow("24 RSOL_FULL") << 24 << zeros << QStringList{logOf<RSOL_FULL>(zeros), "RSOL_FULL"};
        QTest::newRow("25 RSOL_iFULL") << 25 << zeros << QStringList{logOf<RSOL_iFULL>(zeros), "RSOL_iFULL"};
        QTest::newRow("28 YPR_DEG") << 28 << zeros << QStringList{logOf<YPR_DEG>(zeros), "YPR_DEG"};
        QTest::newRow("29 HVECT") << 29 << zeros << QStringList{logOf<HVECT>(zeros), "HVECT"};
        // A short payload still gives a record (its missing fields read as zero).
        QTest::newRow("short RPOS_ECEF") << 17 << QByteArray("\x01", 1)
                                         << QStringList{logOf<RPOS_ECEF>(QByteArray("\x01", 1)), "RPOS_ECEF"};
        QTest::newRow("23 without satellites") << 23 << QByteArray("1234567") << QStringList{};
        QTest::newRow("30 nothing") << 30 << zeros << QStringList{};
    }

    void binaryRecords()
    {
        QFETCH(int, number);
        QFETCH(QByteArray, payload);
        QFETCH(QStringList, expected);
        const QByteArray frame = binaryFrame(1, quint8(number), payload);
        QCOMPARE(feed({frame}), expected);
        QCOMPARE(feed(bytewise(frame)), expected);
    }

    void gsvFullLinesComeBeforeItsRecords()
    {
        QByteArray payload;
        for (quint8 n = 1; n <= 9; ++n)
            payload += gsvEntry(0, n, 100 + n, 30, 40, 35, n % 2);
        payload += gsvEntry(1, 70, 10, 20, 30, 0, 1);
        payload += gsvEntry(1, 71, 11, 21, 31, 0, 0);
        payload += "xyz"; // trailing bytes short of an entry are ignored

        const GsvFullMessage message(payload);
        QStringList expected;
        for (const QString &line : message.toStringList())
            expected << QStringLiteral("log1 ") + line.trimmed();
        QCOMPARE(expected.size(), 4);
        expected << "GSV_FULL GP 1/3" << "GSV_FULL GP 2/3" << "GSV_FULL GP 3/3" << "GSV_FULL GL 1/1";

        const QByteArray frame = binaryFrame(1, 23, payload);
        QCOMPARE(feed({frame}), expected);
        QCOMPARE(feed(bytewise(frame)), expected);
    }

    void textMessages_data()
    {
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<QStringList>("expected");

        const QByteArray gga = nmeaLine("GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
        const QByteArray gsa = nmeaLine("GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
        const QByteArray txt = nmeaLine("GPTXT,01,01,02,ANTENNA OK");
        QByteArray badGga = gga;
        badGga[badGga.size() - 3] = badGga.at(badGga.size() - 3) == '0' ? '1' : '0';
        const QString ggaLog = QStringLiteral("log1 ") + QString::fromLatin1(gga).trimmed();

        QTest::newRow("GGA in frame 2") << QList<QByteArray>{binaryFrame(1, 2, gga)}
                                        << QStringList{ggaLog, "GGA GP"};
        QTest::newRow("bad NMEA checksum: log only")
            << QList<QByteArray>{binaryFrame(1, 2, badGga)}
            << QStringList{"log1 " + QString::fromLatin1(badGga).trimmed()};
        QTest::newRow("text message: log only")
            << QList<QByteArray>{binaryFrame(1, 1, txt)}
            << QStringList{"log1 " + QString::fromLatin1(txt).trimmed()};
        QTest::newRow("GGA split over frames 2 and 7")
            << QList<QByteArray>{binaryFrame(1, 2, gga.left(20)), binaryFrame(1, 7, gga.mid(20))}
            << QStringList{ggaLog, "GGA GP"};
        QTest::newRow("split line across a status frame")
            << QList<QByteArray>{binaryFrame(1, 3, gga.left(30)), QByteArray::fromHex("214e000100000103"),
                                 binaryFrame(1, 9, gga.mid(30))}
            << QStringList{"status 1 ", ggaLog, "GGA GP"};
        QTest::newRow("two lines in one frame")
            << QList<QByteArray>{binaryFrame(1, 4, gsa + gga)}
            << QStringList{"log1 " + QString::fromLatin1(gsa).trimmed(), "GSA GN", ggaLog, "GGA GP"};
        QTest::newRow("unfinished line waits")
            << QList<QByteArray>{binaryFrame(1, 2, gga.left(gga.size() - 1))} << QStringList{};
        QTest::newRow("text in a binary record number is not text")
            << QList<QByteArray>{binaryFrame(1, 26, gga)} << QStringList{};
    }

    void textMessages()
    {
        QFETCH(QList<QByteArray>, frames);
        QFETCH(QStringList, expected);
        QCOMPARE(feed(frames), expected);
        QByteArray stream;
        for (const QByteArray &frame : frames)
            stream += frame;
        QCOMPARE(feed(bytewise(stream)), expected);
    }

    void textBufferStaysBounded()
    {
        // Text that never ends a line is capped, and a sentence after it still decodes.
        ZRBBinaryParser parser(nullptr);
        QStringList events;
        recordParserEvents(&parser, &events);
        const QByteArray junk(1000, 'x');
        for (int i = 0; i < 200; ++i)
            parser.parse(binaryFrame(1, 1, junk));
        QCOMPARE(events, QStringList{});
        const QByteArray gga = nmeaLine("GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
        parser.parse(binaryFrame(1, 2, "\n" + gga));
        QCOMPARE(events.size(), 3);
        QVERIFY(events.at(0).size() <= 10000 + 5);
        QCOMPARE(events.at(2), QStringLiteral("GGA GP"));
    }

    void resetDropsHalfFramesAndLines()
    {
        const QByteArray frame = binaryFrame(0, 2, QByteArray::fromHex("aabb"));
        const QByteArray gga = nmeaLine("GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
        ZRBBinaryParser parser(nullptr);
        QStringList events;
        recordParserEvents(&parser, &events);
        parser.parse(binaryFrame(1, 2, gga.left(25)));
        parser.reset();
        parser.parse(binaryFrame(1, 2, gga.mid(25)));
        QCOMPARE(events.size(), 1); // the tail alone, logged and failing its checksum
        QVERIFY(events.at(0).startsWith(QLatin1String("log1 ")));
        parser.parse(frame.left(5));
        parser.reset();
        parser.parse(frame.mid(5));
        QCOMPARE(events.size(), 1);
        parser.parse(frame);
        QCOMPARE(events.last(), QStringLiteral("status 2 aabb"));
    }

    void slotResettingDuringTextCannotCorrupt()
    {
        // A listener resetting the parser on a record (a protocol switch) while the
        // frame's text is being cut: the frame's remaining lines are still handled,
        // the unfinished tail is dropped with the reset, nothing is mangled.
        const QByteArray gga = nmeaLine("GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
        const QByteArray gsa = nmeaLine("GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
        ZRBBinaryParser parser(nullptr);
        QStringList events;
        recordParserEvents(&parser, &events);
        connect(&parser, qOverload<const GGA &>(&ZRBBinaryParser::sentenceIsReceived), &parser,
                [&parser](const GGA &) { parser.reset(); });
        parser.parse(binaryFrame(1, 2, gga + gsa + gga.left(10)));
        parser.parse(binaryFrame(1, 2, gsa));
        QCOMPARE(events, (QStringList{"log1 " + QString::fromLatin1(gga).trimmed(), "GGA GP",
                                      "log1 " + QString::fromLatin1(gsa).trimmed(), "GSA GN",
                                      "log1 " + QString::fromLatin1(gsa).trimmed(), "GSA GN"}));
    }

    void slotResettingDuringParseCannotCorrupt()
    {
        // A listener that resets the parser from inside a signal (as a protocol
        // switch does) must not disturb the frame being handled; the rest of the
        // chunk is scanned from a fresh hunt.
        const QByteArray first = binaryFrame(0, 2, QByteArray::fromHex("0102"));
        const QByteArray second = binaryFrame(0, 1, QByteArray());
        ZRBBinaryParser parser(nullptr);
        QStringList events;
        recordParserEvents(&parser, &events);
        connect(&parser, &ZRBBinaryParser::bmtStatusReceived, &parser,
                [&parser](BmtStatus, const QByteArray &) { parser.reset(); });
        parser.parse(first + second.left(4));
        parser.parse(second.mid(4));
        QCOMPARE(events, (QStringList{"status 2 0102", "status 1 "}));
    }

    void randomBytesNeverCrash()
    {
        ZRBBinaryParser parser(nullptr);
        QStringList events;
        recordParserEvents(&parser, &events);
        QRandomGenerator random(12345);
        QByteArray noise(1 << 20, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char(random.bounded(256));
        // Many sync pairs, so lengths and checksums are really tried.
        for (int i = 0; i + 1 < noise.size(); i += 97) {
            noise[i] = '\x21';
            noise[i + 1] = '\x4E';
        }
        for (int at = 0; at < noise.size(); at += 4093)
            parser.parse(noise.mid(at, 4093));
        events.clear();
        // A valid frame after the noise is found again (after at most one abandoned frame
        // swallowing it, which a second copy then survives).
        const QByteArray done = QByteArray::fromHex("214e000100000103");
        parser.parse(QByteArray(1100, '\0') + done);
        QCOMPARE(events, QStringList{"status 1 "});
    }
};

QTEST_GUILESS_MAIN(TestBinaryParser)
#include "tst_binaryparser.moc"
