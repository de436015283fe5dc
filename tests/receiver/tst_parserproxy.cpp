#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "connectguard.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "tst_binaryparser_events.h"

// Listens to a parser proxy the way the program's listeners do, by text signature,
// and writes every signal into one ordered list.
class ProxyListener : public QObject
{
    Q_OBJECT
public:
    explicit ProxyListener(ParserProxy *proxy)
    {
        connect(proxy, SIGNAL(bmtStatusReceived(BmtStatus, QByteArray)),
                this, SLOT(status(BmtStatus, QByteArray)));
        connect(proxy, SIGNAL(dataParsed(QByteArray, InterfaceMode)),
                this, SLOT(parsed(QByteArray, InterfaceMode)));
        connect(proxy, SIGNAL(displayData(QByteArray)), this, SLOT(display(QByteArray)));
        connect(proxy, SIGNAL(protocolDefined(InterfaceMode)), this, SLOT(protocol(InterfaceMode)));
        // Every record and blanking signal, by its text signature, to one slot.
        const QMetaObject *meta = proxy->metaObject();
        for (int m = 0; m < meta->methodCount(); ++m) {
            const QMetaMethod method = meta->method(m);
            const QByteArray signature = method.methodSignature();
            if (method.methodType() == QMetaMethod::Signal
                && (signature.startsWith("sentenceIsReceived") || signature.startsWith("showLastData")))
                connect(proxy, QByteArray("2" + signature).constData(), this, SLOT(other()));
        }
    }

    QStringList events;

public slots:
    void status(BmtStatus status, const QByteArray &data)
    {
        events << QStringLiteral("status %1 %2").arg(int(status)).arg(QString::fromLatin1(data.toHex()));
    }
    void parsed(const QByteArray &text, InterfaceMode mode)
    {
        events << QStringLiteral("log%1 %2").arg(int(mode)).arg(QString::fromUtf8(text).trimmed());
    }
    void display(const QByteArray &chunk)
    {
        events << QStringLiteral("display %1").arg(chunk.size());
    }
    void protocol(InterfaceMode mode) { events << QStringLiteral("protocol %1").arg(int(mode)); }
    void other()
    {
        // "sentenceIsReceived(RMC)" gives "RMC", "showLastDataHVECT()" gives "blank HVECT".
        const QByteArray sig = sender()->metaObject()->method(senderSignalIndex()).methodSignature();
        if (sig.startsWith("showLastData"))
            events << QStringLiteral("blank ") + QString::fromLatin1(sig.mid(12, sig.size() - 14));
        else
            events << QString::fromLatin1(sig.mid(19, sig.size() - 20));
    }
};

class TestParserProxy : public QObject
{
    Q_OBJECT

private:
    const QByteArray gga = nmeaLine("GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    const QByteArray gsa = nmeaLine("GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
    const QByteArray done = QByteArray::fromHex("214e000100000103");

    QString log(const QByteArray &line, int mode) const
    {
        return QStringLiteral("log%1 %2").arg(mode).arg(QString::fromLatin1(line).trimmed());
    }
    static QString display(const QByteArray &chunk)
    {
        return QStringLiteral("display %1").arg(chunk.size());
    }

private slots:
    void initTestCase()
    {
        installConnectGuard();
    }

    void withoutModeOnlyTheRawChunk()
    {
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);
        proxy.parse(gga);
        proxy.parse(done);
        QCOMPARE(listener.events, (QStringList{display(gga), display(done)}));

        // A byte from the wire that names no mode selects no parser either.
        proxy.setInterfaceMode(InterfaceMode(7));
        listener.events.clear();
        proxy.parse(gga + done);
        QCOMPARE(listener.events, QStringList{display(gga + done)});
    }

    void nmeaMode()
    {
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);
        proxy.setInterfaceMode(InterfaceNmea);
        const QByteArray chunk = gga + gsa.left(4);
        proxy.parse(chunk);
        QCOMPARE(listener.events, (QStringList{log(gga, 2), "GGA", display(chunk)}));
        listener.events.clear();
        proxy.parse(gsa.mid(4));
        QCOMPARE(listener.events, (QStringList{log(gsa, 2), "GSA", display(gsa.mid(4))}));
        // Binary frames mean nothing here.
        listener.events.clear();
        proxy.parse(done);
        QCOMPARE(listener.events, QStringList{display(done)});
    }

    void binaryMode()
    {
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);
        proxy.setInterfaceMode(InterfaceBinary);
        proxy.parse(gga);
        QCOMPARE(listener.events, QStringList{display(gga)});
        listener.events.clear();
        proxy.parse(done);
        QCOMPARE(listener.events, (QStringList{"status 1 ", display(done)}));

        listener.events.clear();
        const QByteArray zeros(29, '\0');
        const QByteArray chunk = binaryFrame(1, 2, gga.left(30)) + binaryFrame(0, 2, "\x01\x02")
            + binaryFrame(1, 8, gga.mid(30)) + binaryFrame(1, 17, zeros);
        proxy.parse(chunk);
        QCOMPARE(listener.events, (QStringList{"status 2 0102", log(gga, 1), "GGA",
                                               logOf<RPOS_ECEF>(zeros), "RPOS_ECEF", display(chunk)}));
    }

    void switchingModesResetsTheParsers()
    {
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);

        // Half a frame, to NMEA and back: the second half is not a frame.
        proxy.setInterfaceMode(InterfaceBinary);
        const QByteArray frame = binaryFrame(0, 2, "\xAA\xBB");
        proxy.parse(frame.left(5));
        proxy.setInterfaceMode(InterfaceNmea);
        proxy.setInterfaceMode(InterfaceBinary);
        proxy.parse(frame.mid(5));
        QCOMPARE(listener.events, (QStringList{display(frame.left(5)), display(frame.mid(5))}));

        // Half a line, to binary and back: the tail alone fails its checksum.
        listener.events.clear();
        proxy.setInterfaceMode(InterfaceNmea);
        proxy.parse(gga.left(20));
        proxy.setInterfaceMode(InterfaceBinary);
        proxy.setInterfaceMode(InterfaceNmea);
        proxy.parse(gga.mid(20));
        QCOMPARE(listener.events, (QStringList{display(gga.left(20)), log(gga.mid(20), 2),
                                               display(gga.mid(20))}));

        // A switch out of a mode leaves the other parser's half line until it is selected again.
        listener.events.clear();
        proxy.parse(gga.left(20));
        proxy.setInterfaceMode(InterfaceUnknown);
        proxy.parse(gga.mid(20));
        QCOMPARE(listener.events, (QStringList{display(gga.left(20)), display(gga.mid(20))}));
    }

    void switchFromInsideASlot()
    {
        // The workspace may switch the protocol from a slot run by a parsed status. The
        // rest of that chunk is still read by the binary parser from a fresh hunt; the
        // next chunk goes to the NMEA parser.
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);
        proxy.setInterfaceMode(InterfaceBinary);
        bool switched = false;
        connect(&proxy, &ParserProxy::bmtStatusReceived, this,
                [&](BmtStatus, const QByteArray &) {
                    if (!switched) {
                        switched = true;
                        proxy.setInterfaceMode(InterfaceNmea);
                    }
                });
        const QByteArray chunk = done + binaryFrame(0, 2, "\x05") + gga;
        proxy.parse(chunk);
        QCOMPARE(listener.events, (QStringList{"status 1 ", "status 2 05", display(chunk)}));
        listener.events.clear();
        proxy.parse(gga);
        QCOMPARE(listener.events, (QStringList{log(gga, 2), "GGA", display(gga)}));
    }

    void resetFromInsideANmeaSlot()
    {
        // A slot that switches to NMEA (clearing its buffer) while the NMEA parser is
        // cutting lines must not corrupt them.
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);
        proxy.setInterfaceMode(InterfaceNmea);
        connect(&proxy, qOverload<const GGA &>(&ParserProxy::sentenceIsReceived), this,
                [&](const GGA &) { proxy.setInterfaceMode(InterfaceNmea); });
        const QByteArray chunk = gga + gsa + gga + gsa.left(10);
        proxy.parse(chunk);
        proxy.parse(gsa.mid(10));
        proxy.parse(gsa);
        const QStringList records = listener.events.filter(QRegularExpression("^(GGA|GSA)$"));
        // Whatever became of the lines behind the reset is the NMEA parser's affair;
        // what comes out is never mangled, and a whole line afterwards is decoded.
        QVERIFY(!records.isEmpty());
        QCOMPARE(records.first(), QStringLiteral("GGA"));
        for (const QString &record : records)
            QVERIFY2(record == QLatin1String("GGA") || record == QLatin1String("GSA"), qPrintable(record));
        QCOMPARE(records.last(), QStringLiteral("GSA"));
        QCOMPARE(listener.events.last(), display(gsa));
    }

    void showLastData_data()
    {
        QTest::addColumn<QVector<int>>("numbers");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no signal for 1, 10, 26") << QVector<int>{1, 10, 26} << QStringList{};
        QTest::newRow("29 then 2") << QVector<int>{29, 2} << QStringList{"blank HVECT", "blank GGA"};
        QTest::newRow("outside the range") << QVector<int>{-1, 0, 30, 255, 1000} << QStringList{};
        QTest::newRow("binary ones") << QVector<int>{16, 23, 25, 28}
                                     << QStringList{"blank RTIME_RDATE", "blank GSV_FULL",
                                                    "blank RSOL_iFULL", "blank YPR_DEG"};
    }

    void showLastData()
    {
        QFETCH(QVector<int>, numbers);
        QFETCH(QStringList, expected);
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);
        proxy.showLastData(numbers);
        QCOMPARE(listener.events, expected);
    }

    void showAllLastData()
    {
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);
        proxy.showAllLastData();
        const QStringList expected{
            "blank GGA", "blank GSA", "blank GSV", "blank ZDA", "blank VTG", "blank RMC",
            "blank GST", "blank HDG", "blank RTIME_RDATE", "blank RPOS_ECEF", "blank RVEL_ECEF",
            "blank RPOS_LLA", "blank RVEL_ENU", "blank RSOL_ATR", "blank BPOS_ECEF",
            "blank GSV_FULL", "blank RSOL_FULL", "blank RSOL_iFULL", "blank YPR_DEG", "blank HVECT"};
        QCOMPARE(listener.events, expected);
    }

    void defineProtocolChangesNoParser()
    {
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);
        proxy.setInterfaceMode(InterfaceNmea);
        proxy.defineProtocol(InterfaceBinary);
        proxy.defineProtocol(InterfaceUnknown);
        proxy.parse(gga);
        QCOMPARE(listener.events, (QStringList{"protocol 1", "protocol 3", log(gga, 2), "GGA",
                                               display(gga)}));
    }

    void fromASocketThroughTheProxies()
    {
        // The receive road as the controller joins it: the reader proxy's dataRead to
        // the parser proxy's parse, by text, over a real TCP link. The receiver's frames
        // arrive cut anywhere; every read loop's closing empty chunk is harmless.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        ReaderProxy reader(nullptr);
        ParserProxy parser(nullptr);
        QVERIFY(connect(&reader, SIGNAL(dataRead(QByteArray)), &parser, SLOT(parse(QByteArray))));
        ProxyListener listener(&parser);
        parser.setInterfaceMode(InterfaceBinary);
        reader.openSocket(QStringLiteral("127.0.0.1"), server.serverPort());
        reader.start();
        QVERIFY(server.waitForNewConnection(5000));
        QTcpSocket *receiver = server.nextPendingConnection();
        QVERIFY(receiver);

        const QByteArray zeros(29, '\0');
        const QByteArray stream = binaryFrame(1, 17, zeros) + binaryFrame(1, 2, gga) + done;
        for (int at = 0; at < stream.size(); at += 7) {
            receiver->write(stream.mid(at, 7));
            receiver->flush();
        }
        const QStringList expected{logOf<RPOS_ECEF>(zeros), "RPOS_ECEF", log(gga, 1), "GGA",
                                   "status 1 "};
        QTRY_COMPARE_WITH_TIMEOUT(listener.events.filter(QRegularExpression("^(?!display)")),
                                  expected, 5000);
        int bytes = 0;
        for (const QString &event : listener.events.filter(QRegularExpression("^display")))
            bytes += event.mid(8).toInt();
        QCOMPARE(bytes, stream.size());
    }

    void randomBytesInBothModes()
    {
        ParserProxy proxy(nullptr);
        ProxyListener listener(&proxy);
        QRandomGenerator random(4711);
        QByteArray noise(1 << 20, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char(random.bounded(256));
        for (int i = 0; i + 1 < noise.size(); i += 211) {
            noise[i] = '\x21';
            noise[i + 1] = '\x4E';
        }
        for (InterfaceMode mode : {InterfaceNmea, InterfaceBinary}) {
            proxy.setInterfaceMode(mode);
            for (int at = 0; at < noise.size(); at += 1500)
                proxy.parse(noise.mid(at, 1500));
            listener.events.clear();
            // Valid input after the garbage is decoded again (a line end first, so a
            // half line or an abandoned frame cannot swallow it).
            if (mode == InterfaceNmea) {
                proxy.parse("\r\n" + gga);
                QVERIFY(listener.events.contains(QStringLiteral("GGA")));
            } else {
                proxy.parse(QByteArray(1100, '\0') + done);
                QVERIFY(listener.events.contains(QStringLiteral("status 1 ")));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestParserProxy)
#include "tst_parserproxy.moc"
