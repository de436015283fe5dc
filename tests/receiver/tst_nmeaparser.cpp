#include <QtTest>

#include <QRandomGenerator>

#include <cmath>
#include <cstring>

#include "connectguard.h"
#include "nmeaparser.h"

namespace {

QByteArray sentence(const QByteArray &body, bool lowerCase = false)
{
    quint8 sum = 0;
    for (const char c : body)
        sum ^= quint8(c);
    QByteArray digits = QByteArray::number(sum, 16).rightJustified(2, '0');
    digits = lowerCase ? digits.toLower() : digits.toUpper();
    return '$' + body + '*' + digits + "\r\n";
}

const QByteArray kGga = sentence("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const QByteArray kGnGga = sentence("GNGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const QByteArray kRmc = sentence("GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A");

} // namespace

// Records what the parser emits, in order, through text-signature connections as
// the program's own listeners make them.
class Recorder : public QObject
{
    Q_OBJECT
public:
    explicit Recorder(NMEAParser *parser)
    {
        connect(parser, SIGNAL(dataParsed(QByteArray, InterfaceMode)), this, SLOT(parsed(QByteArray, InterfaceMode)));
        for (const char *type : {"GGA", "GSA", "GST", "GSV", "RMC", "VTG", "ZDA", "HDG"}) {
            connect(parser, QByteArray("2sentenceIsReceived(%1)").replace("%1", type).constData(),
                    this, QByteArray("1on%1(%1)").replace("%1", type).constData());
        }
    }

    QStringList events;
    QList<QByteArray> lines;
    QList<GGA> ggas;
    QList<RMC> rmcs;
    std::function<void()> onFirstLine;

public slots:
    void parsed(QByteArray line, InterfaceMode mode)
    {
        QVERIFY(mode == InterfaceNmea);
        QVERIFY(line.size() <= 10000);
        lines << line;
        events << QStringLiteral("line:") + QString::fromLatin1(line.toPercentEncoding("$,*.", "\r\n"));
        if (onFirstLine) {
            auto f = onFirstLine;
            onFirstLine = nullptr;
            f();
        }
    }
    void onGGA(GGA r) { record("GGA", r.talker); ggas << r; }
    void onGSA(GSA r) { record("GSA", r.talker); }
    void onGST(GST r) { record("GST", r.talker); }
    void onGSV(GSV r) { record("GSV", r.talker); }
    void onRMC(RMC r) { record("RMC", r.talker); rmcs << r; }
    void onVTG(VTG r) { record("VTG", r.talker); }
    void onZDA(ZDA r) { record("ZDA", r.talker); }
    void onHDG(HDG r) { record("HDG", r.talker); }

private:
    void record(const char *type, const char (&talker)[3])
    {
        QVERIFY2(talker[2] == '\0', "talker not terminated");
        events << QStringLiteral("%1:%2").arg(QLatin1String(type), QString::fromLatin1(talker));
    }
};

class TestNmeaParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void lineCutting_data();
    void lineCutting();

    void bufferDropsOldestBytesFirst_data();
    void bufferDropsOldestBytesFirst();
    void bufferBoundedWithoutLineEnds();
    void clearForgetsPartialLine();
    void partialLineOutlivesItsChunk();
    void clearFromSlotDuringParse();

    void checkSum_data();
    void checkSum();
    void markEmptyFields_data();
    void markEmptyFields();

    void recordsMatchTheHandlers();
    void parseSentenceTakesOneLine();
    void textBeyondAscii();

    void conversionsAgreeWithQt();
};

void TestNmeaParser::lineCutting_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QStringList>("expected");

    const QString ggaLine = QStringLiteral("line:") + QString::fromLatin1(kGga.toPercentEncoding("$,*.", "\r\n"));
    auto lineOf = [](const QByteArray &l) {
        return QStringLiteral("line:") + QString::fromLatin1(l.toPercentEncoding("$,*.", "\r\n"));
    };

    QTest::newRow("one gga, the next waits") << QList<QByteArray>{kGga + "$GPR"} << QStringList{ggaLine, "GGA:GP"};
    QTest::newRow("line joined across two calls")
        << QList<QByteArray>{kGga + "$GPR", kRmc.mid(4)} << QStringList{ggaLine, "GGA:GP", lineOf(kRmc), "RMC:GP"};
    QTest::newRow("byte by byte") << [] {
        QList<QByteArray> bytes;
        for (const char c : kRmc)
            bytes << QByteArray(1, c);
        return bytes;
    }() << QStringList{lineOf(kRmc), "RMC:GP"};
    const QByteArray lower = sentence("GPGGA,1,1,N,1,E,1,1,1,1,M,1,M,,", true);
    QTest::newRow("lower-case checksum") << QList<QByteArray>{lower} << QStringList{lineOf(lower), "GGA:GP"};
    QByteArray bad = kGga;
    bad[bad.size() - 3] = bad[bad.size() - 3] == '0' ? '1' : '0';
    QTest::newRow("bad checksum still logged") << QList<QByteArray>{bad} << QStringList{lineOf(bad)};
    const QByteArray txt = sentence("GPTXT,01,01,02,ANTENNA OK");
    QTest::newRow("unknown type only logged") << QList<QByteArray>{txt} << QStringList{lineOf(txt)};
    const QByteArray noStar = "$GPGGA,1,1,N,1,E,1,1,1,1,M,1,M,,\r\n";
    QTest::newRow("no star") << QList<QByteArray>{noStar} << QStringList{lineOf(noStar)};
    QTest::newRow("lone carriage return does not cut")
        << QList<QByteArray>{"$GPTXT*00\r", "\r\n"} << QStringList{lineOf("$GPTXT*00\r\r\n")};
    QTest::newRow("empty lines") << QList<QByteArray>{"\r\n\n"} << QStringList{lineOf("\r\n"), lineOf("\n")};
    QTest::newRow("line feed alone ends a line")
        << QList<QByteArray>{kGga.left(kGga.size() - 2) + "\n"} << QStringList{lineOf(kGga.left(kGga.size() - 2) + "\n"), "GGA:GP"};
    const QByteArray gsa = sentence("GNGSA,A,3,,,,,,,,,,,,,0.0,0.0,0.0");
    const QByteArray hdg = sentence("GPHDG,1,2,3,4,5,6,4");
    const QByteArray gsv = sentence("GLGSV,1,1,01,70,31,080,45");
    const QByteArray gst = sentence("GPGST,1,1,1,1,1,1,1,1");
    const QByteArray vtg = sentence("GAVTG,1,T,2,M,3,N,4,K,A");
    const QByteArray zda = sentence("GBZDA,201530.00,04,07,2002,00,00");
    QTest::newRow("all eight types") << QList<QByteArray>{gsa + hdg + gsv + gst + vtg + zda}
                                     << QStringList{lineOf(gsa), "GSA:GN", lineOf(hdg), "HDG:GP", lineOf(gsv), "GSV:GL",
                                                    lineOf(gst), "GST:GP", lineOf(vtg), "VTG:GA", lineOf(zda), "ZDA:GB"};
}

void TestNmeaParser::lineCutting()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QStringList, expected);
    NMEAParser parser(nullptr);
    Recorder recorder(&parser);
    for (const QByteArray &chunk : chunks)
        parser.parse(chunk);
    QCOMPARE(recorder.events, expected);
}

void TestNmeaParser::bufferDropsOldestBytesFirst_data()
{
    QTest::addColumn<int>("waiting");
    QTest::addColumn<int>("chunk");
    QTest::newRow("9000 waiting, 2000 new") << 9000 << 2000;
    QTest::newRow("one old byte survives") << 1 << 9999;
    QTest::newRow("a full chunk drops every old byte") << 1 << 10000;
    QTest::newRow("long chunk loses its start") << 100 << 12000;
}

void TestNmeaParser::bufferDropsOldestBytesFirst()
{
    // An unfinished line, then a chunk ending in a line feed: the line holds what
    // still fits of the old bytes followed by the newest bytes, never more than 10000.
    QFETCH(int, waiting);
    QFETCH(int, chunk);
    NMEAParser parser(nullptr);
    Recorder recorder(&parser);
    QByteArray first(waiting, 'a');
    for (int i = 0; i < first.size(); ++i)
        first[i] = char('a' + (i / 1000) % 26);
    QByteArray second(chunk, 'z');
    for (int i = 0; i < second.size(); ++i)
        second[i] = char('A' + (i / 1000) % 26);
    second[chunk - 1] = '\n';
    parser.parse(first);
    QVERIFY(recorder.lines.isEmpty());
    parser.parse(second);
    QCOMPARE(recorder.lines.size(), 1);
    const QByteArray expected = first.right(qMax(0, 10000 - chunk)) + second.right(10000);
    QCOMPARE(recorder.lines.first(), expected);
}

void TestNmeaParser::bufferBoundedWithoutLineEnds()
{
    // A port that never sends a line feed cannot make the buffer grow: the line that
    // finally ends holds at most the last 10000 bytes.
    NMEAParser parser(nullptr);
    Recorder recorder(&parser);
    QByteArray chunk(4096, 'x');
    for (int i = 0; i < 50; ++i) {
        chunk[0] = char('A' + i % 26);
        parser.parse(chunk);
    }
    parser.parse("\n");
    QCOMPARE(recorder.lines.size(), 1);
    QCOMPARE(recorder.lines.first().size(), 10000);
    QVERIFY(recorder.lines.first().endsWith("x\n"));
}

void TestNmeaParser::clearForgetsPartialLine()
{
    NMEAParser parser(nullptr);
    Recorder recorder(&parser);
    parser.parse(kGga.left(20));
    parser.clear();
    parser.parse(kGga.mid(20));
    QCOMPARE(recorder.lines, QList<QByteArray>{kGga.mid(20)});
    QVERIFY(recorder.ggas.isEmpty());
    parser.parse(kGga);
    QCOMPARE(recorder.ggas.size(), 1);
}

void TestNmeaParser::partialLineOutlivesItsChunk()
{
    // A sender may hand over bytes it does not own; the waiting partial line must
    // be the parser's own copy.
    NMEAParser parser(nullptr);
    Recorder recorder(&parser);
    QByteArray storage = kGga.left(30);
    parser.parse(QByteArray::fromRawData(storage.constData(), storage.size()));
    storage.fill('#');
    parser.parse(kGga.mid(30));
    QCOMPARE(recorder.lines, QList<QByteArray>{kGga});
    QCOMPARE(recorder.ggas.size(), 1);
}

void TestNmeaParser::clearFromSlotDuringParse()
{
    // A listener that switches the protocol clears the parser from inside parse().
    // The lines already in hand are still handled from the parser's own copy, and
    // the partial line is forgotten, as clear() promises.
    NMEAParser parser(nullptr);
    Recorder recorder(&parser);
    recorder.onFirstLine = [&parser] {
        parser.clear();
        parser.clear();
    };
    parser.parse(kGga + kRmc + kGnGga.left(30));
    QCOMPARE(recorder.lines, (QList<QByteArray>{kGga, kRmc}));
    QCOMPARE(recorder.ggas.size(), 1);
    QCOMPARE(recorder.rmcs.size(), 1);
    parser.parse(kGnGga.mid(30) + kGga);
    QCOMPARE(recorder.lines.size(), 4);
    QCOMPARE(recorder.lines.at(2), kGnGga.mid(30));
    QCOMPARE(recorder.ggas.size(), 2);
}

void TestNmeaParser::checkSum_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::newRow("upper case") << QString::fromLatin1(kGga) << true;
    QTest::newRow("lower case") << QString::fromLatin1(sentence("GPRMC,1,A", true)) << true;
    QTest::newRow("wrong digits") << QStringLiteral("$GPTXT*00\r\n") << false;
    QTest::newRow("not hex") << QStringLiteral("$GPTXT*ZZ\r\n") << false;
    QTest::newRow("no star") << QStringLiteral("$GPTXT,1\r\n") << false;
    QTest::newRow("no dollar") << QStringLiteral("GPTXT*00\r\n") << false;
    QTest::newRow("only the first star counts") << QStringLiteral("$A*41*00") << true;
}

void TestNmeaParser::checkSum()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    NMEAParser parser(nullptr);
    QCOMPARE(parser.checkSum(line), ok);
}

void TestNmeaParser::markEmptyFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("gga") << QStringLiteral("$GPGGA,123519,4807.038,N,,E*47\r\n")
                         << QStringList{"GP", "123519", "4807.038", "N", "notValid", "E"};
    QTest::newRow("empty last field") << QStringLiteral("$GNGSA,A,1,,*00\r\n")
                                      << QStringList{"GN", "A", "1", "notValid", "notValid"};
    QTest::newRow("all gsa satellites empty") << QStringLiteral("$GPGSA,A,3,,,,,,,,,,,,,1.0,1.0,1.0*00")
                                              << (QStringList{"GP", "A", "3"} << QVector<QString>(12, "notValid").toList()
                                                                             << QStringList{"1.0", "1.0", "1.0"});
    QTest::newRow("long talker kept whole") << QStringLiteral("$ABCDGGA,1*00") << QStringList{"ABCD", "1"};
    QTest::newRow("empty line") << QString() << QStringList{""};
}

void TestNmeaParser::markEmptyFields()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    NMEAParser parser(nullptr);
    QCOMPARE(parser.markEmptyFields(line), fields);
}

void TestNmeaParser::recordsMatchTheHandlers()
{
    // What parse() emits is the handler's decoded record, not a default one.
    NMEAParser parser(nullptr);
    Recorder recorder(&parser);
    parser.parse(kGga + kRmc);
    QCOMPARE(recorder.ggas.value(0).latitude.value, 4807.038);
    QCOMPARE(recorder.rmcs.value(0).date.value, 230394);
}

void TestNmeaParser::parseSentenceTakesOneLine()
{
    // One line handed over as text: logged first, then checked and decoded, with
    // nothing left waiting in the buffer.
    NMEAParser parser(nullptr);
    Recorder recorder(&parser);
    parser.parseSentence(QString::fromLatin1(kRmc));
    parser.parseSentence(QStringLiteral("$GPRMC,1,A*00\r\n"));
    QCOMPARE(recorder.events, (QStringList{"line:" + QString::fromLatin1(kRmc.toPercentEncoding("$,*.", "\r\n")),
                                           "RMC:GP", "line:$GPRMC,1,A*00%0D%0A"}));
    parser.parse("\n");
    QCOMPARE(recorder.lines.last(), QByteArray("\n"));
}

void TestNmeaParser::textBeyondAscii()
{
    NMEAParser parser(nullptr);
    Recorder recorder(&parser);

    // A NUL ends the line as text; what follows it is gone from the log too.
    parser.parse(QByteArray("$GPTXT,01*00", 12) + QByteArray(1, '\0') + "junk\r\n");
    QCOMPARE(recorder.lines.last(), QByteArray("$GPTXT,01*00"));

    // Broken UTF-8 reaches the log as replacement characters.
    parser.parse("$GPTXT,\xff*00\r\n");
    QCOMPARE(recorder.lines.last(), QByteArray("$GPTXT,\xef\xbf\xbd*00\r\n"));

    // The checksum is taken over the bytes as they came: a checksum that leaves out the
    // bytes of a character beyond Latin-1 no longer passes, one over all of them does,
    // and the number after the blanks still converts.
    const QByteArray body = "GPGGA,123519,4807.038,N,01131.000,E,1,08,\xe2\x80\x83\xe2\x80\x82" "0.9,545.4,M,46.9,M,,";
    auto withSum = [](const QByteArray &text, const QByteArray &summed) {
        quint8 sum = 0;
        for (const char c : summed)
            sum ^= quint8(c);
        return '$' + text + '*' + QByteArray::number(sum, 16).rightJustified(2, '0') + "\r\n";
    };
    QByteArray narrow = body;
    narrow.replace("\xe2\x80\x83", "");
    narrow.replace("\xe2\x80\x82", "");
    parser.parse(withSum(body, narrow));
    QCOMPARE(recorder.ggas.size(), 0);
    parser.parse(withSum(body, body));
    QCOMPARE(recorder.ggas.size(), 1);
    QCOMPARE(recorder.ggas.first().hdop.value, 0.9);

    // Latin-1 text handed straight to a handler.
    const GGA latin = parser.parseGGA(QStringLiteral("$\u00e9\u00e8GGA,1,2,N,3,E,1,4,\u00a00.5,6,M,7,M,,*00"));
    QCOMPARE(latin.talker[0], char(0xe9));
    QCOMPARE(latin.hdop.value, 0.5);
    // And text beyond it: the talker's characters become NUL, never more.
    const GGA wide = parser.parseGGA(QStringLiteral("$\u20acXYZGGA,1,2,N,3,E,1,4,0.5,6,M,7,M,,*00"));
    QCOMPARE(wide.talker[1], 'X');
    QCOMPARE(wide.talker[2], '\0');
    QCOMPARE(wide.altitude.value, 6.0);
}

void TestNmeaParser::conversionsAgreeWithQt()
{
    // The byte conversions must give what QString's C-locale conversions give, for
    // plain numbers and for every odd spelling a noisy line can hold.
    const char alphabet[] = "0123456789.+-eEinfaxX \r\t,";
    QRandomGenerator rng(12345);
    const QList<QByteArray> fixed{"1.5", "-0", "-.5", "5.", ".", "+", "-", "", "00012.50", "1e5", "nan", "inf",
                                  "-inf", "1e999", "+-1", "0x1F", "1F", " 7", "7\r", "99999999999", "-32768",
                                  "32768", "2147483647", "2147483648", "123456789", "1234567890"};
    QList<QByteArray> samples = fixed;
    for (int i = 0; i < 20000; ++i) {
        QByteArray s;
        const int len = int(rng.bounded(12));
        for (int j = 0; j < len; ++j)
            s += alphabet[rng.bounded(int(sizeof alphabet - 1))];
        samples << s;
    }
    for (const QByteArray &s : samples) {
        const QString text = QString::fromLatin1(s);
        bool qtOk = false;
        bool ours = false;
        const double qtValue = text.toDouble(&qtOk);
        const double value = NMEAFields::toNumber(s.constData(), s.size(), &ours);
        QVERIFY2(qtOk == ours, s.constData());
        QVERIFY2((std::isnan(qtValue) && std::isnan(value)) || std::memcmp(&qtValue, &value, sizeof value) == 0,
                 s.constData());
        for (const int base : {10, 16}) {
            const int qtInt = text.toInt(&qtOk, base);
            const int ourInt = NMEAFields::toInteger(s.constData(), s.size(), base, &ours);
            QVERIFY2(qtOk == ours && qtInt == ourInt, s.constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestNmeaParser)

#include "tst_nmeaparser.moc"
