#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include "connectguard.h"
#include "delay.h"

class TestDelay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void zeroOrLessReturnsAtOnce_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("0") << 0;
        QTest::newRow("-5") << -5;
    }

    void zeroOrLessReturnsAtOnce()
    {
        QFETCH(int, milliseconds);
        bool ran = false;
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        delay(milliseconds);
        QVERIFY(!ran);
        QTRY_VERIFY(ran);
    }

    // Most rounds of the event loop take far less than a millisecond; they still add up.
    void runsEventsForTheWholeTime()
    {
        bool ran = false;
        QTimer::singleShot(5, this, [&ran] { ran = true; });
        QElapsedTimer clock;
        clock.start();
        delay(30);
        QVERIFY(clock.elapsed() >= 29);
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(ran);
    }
};

QTEST_GUILESS_MAIN(TestDelay)
#include "tst_delay.moc"
