#include <QSignalSpy>
#include <QtTest>

#include "connectguard.h"
#include "ptypair.h"
#include "readerproxy.h"
#include "serialportreader.h"
#include "spybytes.h"

// The serial byte source against a pseudo-terminal playing the receiver.
class TestSerialPortReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installConnectGuard();
    }

    void opensByPathReceivesAndSends()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        SerialPortReader reader(nullptr);
        reader.setPortName(pty.devicePath());
        reader.setBaudRate(115200);
        QCOMPARE(reader.portName(), pty.devicePath());
        QCOMPARE(reader.baudRate(), 115200);

        QSignalSpy connectedSpy(&reader, SIGNAL(connected()));
        QSignalSpy errorSpy(&reader, SIGNAL(error()));
        QSignalSpy dataSpy(&reader, SIGNAL(dataRead(QByteArray)));
        reader.start();
        // Told before start() returns.
        QCOMPARE(connectedSpy.count(), 1);
        QCOMPARE(errorSpy.count(), 0);
        QVERIFY(reader.isOpen());

        QVERIFY(pty.write("$GPGGA,1*00\r\n"));
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("$GPGGA,1*00\r\n"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(dataSpy.last().at(0).toByteArray().isEmpty(), 5000);

        const QByteArray command = QByteArray::fromHex("0203000100a5");
        reader.sendData(command);
        QByteArray got;
        QTRY_COMPARE_WITH_TIMEOUT((got += pty.readAll()), command, 5000);

        reader.stop();
        QVERIFY(!reader.isOpen());
        // Writing to the closed port has no effect and no complaint.
        reader.sendData("late");
    }

    void secondOpenOfABusyPortFails()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        SerialPortReader first(nullptr);
        first.setPortName(pty.devicePath());
        first.setBaudRate(9600);
        first.start();
        QVERIFY(first.isOpen());

        SerialPortReader second(nullptr);
        second.setPortName(pty.devicePath());
        second.setBaudRate(9600);
        QSignalSpy connectedSpy(&second, SIGNAL(connected()));
        QSignalSpy errorSpy(&second, SIGNAL(error()));
        second.start();
        QCOMPARE(errorSpy.count(), 1);
        QCOMPARE(connectedSpy.count(), 0);
        QVERIFY(!second.isOpen());
        QVERIFY(first.isOpen());
    }

    void missingPortReportsError()
    {
        ReaderProxy proxy(nullptr);
        proxy.openSerialPort(QStringLiteral("/dev/polvane-no-such-port"), 115200);
        QSignalSpy errorSpy(&proxy, SIGNAL(error()));
        proxy.start();
        QCOMPARE(errorSpy.count(), 1);
        QVERIFY(!proxy.isOpen());
        QCOMPARE(proxy.readerType(), ConnectionMode::SerialPort);
    }

    void startTwiceDeliversEachChunkOnce()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        SerialPortReader reader(nullptr);
        reader.setPortName(pty.devicePath());
        reader.setBaudRate(115200);
        QSignalSpy dataSpy(&reader, SIGNAL(dataRead(QByteArray)));
        reader.start();
        QVERIFY(reader.isOpen());
        // The second start finds the port open and fails, but must not add a second
        // read connection to the one already there.
        reader.start();
        QVERIFY(pty.write("ABCDEFGH"));
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("ABCDEFGH"), 5000);
        QVERIFY(pty.write("IJ"));
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("ABCDEFGHIJ"), 5000);
        int empties = 0;
        for (const QList<QVariant> &args : dataSpy)
            empties += args.at(0).toByteArray().isEmpty() ? 1 : 0;
        int chunks = dataSpy.count() - empties;
        QCOMPARE(empties, chunks);
    }

    void baudRateChangeOnAnOpenPortReopens()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        SerialPortReader reader(nullptr);
        reader.setPortName(pty.devicePath());
        reader.setBaudRate(9600);
        QSignalSpy connectedSpy(&reader, SIGNAL(connected()));
        QSignalSpy dataSpy(&reader, SIGNAL(dataRead(QByteArray)));
        reader.start();
        QCOMPARE(connectedSpy.count(), 1);

        reader.setBaudRate(115200);
        QCOMPARE(connectedSpy.count(), 2);
        QVERIFY(reader.isOpen());
        QCOMPARE(reader.baudRate(), 115200);

        QVERIFY(pty.write("after"));
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("after"), 5000);

        // A closed port only stores the setting.
        reader.stop();
        reader.setBaudRate(57600);
        QCOMPARE(connectedSpy.count(), 2);
        QVERIFY(!reader.isOpen());
    }

    void portFailingAfterOpenStopsAndReportsError()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        ReaderProxy proxy(nullptr);
        proxy.openSerialPort(pty.devicePath(), 115200);
        QSignalSpy errorSpy(&proxy, SIGNAL(error()));
        QSignalSpy dataSpy(&proxy, SIGNAL(dataRead(QByteArray)));
        proxy.start();
        QVERIFY(proxy.isOpen());
        QVERIFY(pty.write("first"));
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(dataSpy), QByteArray("first"), 5000);

        // The adapter goes away.
        pty.hangUp();
        QTRY_COMPARE_WITH_TIMEOUT(errorSpy.count(), 1, 5000);
        QVERIFY(!proxy.isOpen());
        // And it stays quiet afterwards: one report, not a stream of them.
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(errorSpy.count(), 1);
    }

    void proxyPauseOnSerial()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        ReaderProxy proxy(nullptr);
        proxy.openSerialPort(pty.devicePath(), 115200);
        QSignalSpy dataSpy(&proxy, SIGNAL(dataRead(QByteArray)));
        proxy.start();
        auto *reader = proxy.findChild<SerialPortReader *>();
        QVERIFY(reader);
        QSignalSpy readerSpy(reader, SIGNAL(dataRead(QByteArray)));

        proxy.pause(true);
        QVERIFY(pty.write("held"));
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(readerSpy), QByteArray("held"), 5000);
        QCOMPARE(dataSpy.count(), 0);
        proxy.pause(false);
        proxy.pause(false);
        QVERIFY(pty.write("go"));
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(readerSpy), QByteArray("heldgo"), 5000);
        QCOMPARE(joinedBytes(dataSpy), QByteArray("go"));
    }

    void availablePortsLeavesOutNothingItCannotOpen()
    {
        // Whatever the machine has, every listed name is a plain device name.
        const QStringList names = ReaderProxy::serialPortNames();
        for (const QString &name : names)
            QVERIFY(!name.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSerialPortReader)
#include "tst_serialportreader.moc"
