// The debug log as the user reads it: diagnostic lines turned into the table pane or
// appended to the log pane, everything else ignored.

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "controller.h"
#include "debuglogwidget.h"
#include "framebuilders.h"
#include "parserproxy.h"
#include "receiversession.h"

class TestDebugLogWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formHasItsPanes();
    void table_data();
    void table();
    void notJsonGoesToTheLog_data();
    void notJsonGoesToTheLog();
    void otherLinesChangeNothing();
    void aNewTableReplacesTheOldOne();
    void clearingEmptiesBothPanes();
    void linesFromTheReceiver();

private:
    QPlainTextEdit *log() { return window->findChild<QPlainTextEdit *>(QStringLiteral("editLog")); }
    QPlainTextEdit *tablePane() { return window->findChild<QPlainTextEdit *>(QStringLiteral("editTable")); }
    QStringList tableLines()
    {
        QStringList lines;
        for (QTextBlock block = tablePane()->document()->firstBlock(); block.isValid(); block = block.next())
            lines << block.text();
        return lines;
    }
    void feed(const QByteArray &line)
    {
        emit session->controller->parser()->dataParsed(line, InterfaceNmea);
    }

    std::unique_ptr<ReceiverSession> session;
    std::unique_ptr<DebugLogWidget> window;
};

void TestDebugLogWidget::initTestCase()
{
    installConnectGuard();
}

void TestDebugLogWidget::init()
{
    session = std::make_unique<ReceiverSession>();
    window = std::make_unique<DebugLogWidget>(nullptr);
    window->setModel(session->model);
    window->setController(session->controller);
}

void TestDebugLogWidget::cleanup()
{
    window.reset();
    session.reset();
}

void TestDebugLogWidget::formHasItsPanes()
{
    QCOMPARE(window->size(), QSize(316, 407));
    QCOMPARE(window->minimumSize(), QSize(150, 100));
    QCOMPARE(window->windowTitle(), QStringLiteral("Debug log"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (QPlainTextEdit *pane : {log(), tablePane()}) {
        QVERIFY(pane->isReadOnly());
        QVERIFY(pane->acceptDrops());
        QCOMPARE(pane->maximumBlockCount(), 2000);
        QCOMPARE(pane->font().family(), fixed.family());
    }
}

void TestDebugLogWidget::table_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("numbers, strings and a blank cell")
        << QByteArray("Debug:{\"DebugTable\":[{\"a\":[1,2.5]},{\"bb\":[\"x\",\"@\"]}]}\r\n")
        << QStringList{"  a | bb | ", "-----------", "  1 |  x | ", "2.5 | -- | "};
    QTest::newRow("a shorter column is padded")
        << QByteArray("Debug:{\"DebugTable\":[{\"n\":[1,2,3]},{\"m\":[7]}]}")
        << QStringList{"n | m | ", "--------", "1 | 7 | ", "2 |   | ", "3 |   | "};
    QTest::newRow("eight significant digits")
        << QByteArray("Debug:{\"DebugTable\":[{\"v\":[123456789,0.000012345678]}]}")
        << QStringList{"            v | ", "----------------", "1.2345679e+08 | ", "1.2345678e-05 | "};
    QTest::newRow("other values by their text")
        << QByteArray("Debug:{\"DebugTable\":[{\"f\":[true,false,null,[1],{}]}]}")
        << QStringList{"    f | ", "--------", " true | ", "false | ", "      | ", "      | ", "      | "};
    QTest::newRow("an array document has no table") << QByteArray("Debug:[1,2]")
                                                    << QStringList{"", ""};
    QTest::newRow("an object without the table") << QByteArray("Debug:{}") << QStringList{"", ""};
    QTest::newRow("the table is not an array") << QByteArray("Debug:{\"DebugTable\":5}")
                                               << QStringList{"", ""};
    QTest::newRow("elements that are no objects are skipped")
        << QByteArray("Debug:{\"DebugTable\":[5,\"s\",{\"a\":[1]}]}")
        << QStringList{"a | ", "----", "1 | "};
    QTest::newRow("an empty object is a nameless column")
        << QByteArray("Debug:{\"DebugTable\":[{}]}") << QStringList{" | ", "---"};
    QTest::newRow("only the smallest key is read")
        << QByteArray("Debug:{\"DebugTable\":[{\"b\":[9],\"a\":[1]}]}")
        << QStringList{"a | ", "----", "1 | "};
    QTest::newRow("a member that is no array gives no values")
        << QByteArray("Debug:{\"DebugTable\":[{\"abc\":7}]}") << QStringList{"abc | ", "------"};
    QTest::newRow("the last column of a name sets the width")
        << QByteArray("Debug:{\"DebugTable\":[{\"a\":[\"long\"]},{\"a\":[1]}]}")
        << QStringList{"a | a | ", "--------", "long | 1 | "};
    QTest::newRow("the prefix in capitals")
        << QByteArray("DEBUG:{\"DebugTable\":[{\"a\":[1]}]}") << QStringList{"a | ", "----", "1 | "};
}

void TestDebugLogWidget::table()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, lines);
    feed(line);
    QCOMPARE(tableLines(), lines);
    QVERIFY(log()->toPlainText().isEmpty());
}

void TestDebugLogWidget::notJsonGoesToTheLog_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("logged");
    QTest::newRow("nothing after the prefix") << QByteArray("Debug:\r\n") << QStringLiteral("Debug:");
    QTest::newRow("plain words, trimmed") << QByteArray("  Debug: PLL locked \r\n") << QString();
    QTest::newRow("words") << QByteArray("Debug: PLL locked\r\n") << QStringLiteral("Debug: PLL locked");
    QTest::newRow("small letters") << QByteArray("debug:x") << QStringLiteral("debug:x");
    QTest::newRow("broken json") << QByteArray("Debug:{\"DebugTable\":[") << QStringLiteral("Debug:{\"DebugTable\":[");
    QTest::newRow("a NUL ends the text") << QByteArray("Debug:abc\0def", 13) << QStringLiteral("Debug:abc");
}

void TestDebugLogWidget::notJsonGoesToTheLog()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, logged);
    feed(line);
    // A line that only begins with blanks is no diagnostic line.
    QCOMPARE(log()->toPlainText(), logged);
    QVERIFY(tablePane()->toPlainText().isEmpty());
}

void TestDebugLogWidget::otherLinesChangeNothing()
{
    feed(nmeaLine("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
    feed("$RPOS_ECEF,1,2,3\r\n");
    feed("Debu:{}");
    QVERIFY(log()->toPlainText().isEmpty());
    QVERIFY(tablePane()->toPlainText().isEmpty());
    QCOMPARE(tablePane()->document()->blockCount(), 1);
}

void TestDebugLogWidget::aNewTableReplacesTheOldOne()
{
    feed("Debug:one");
    feed("Debug:{\"DebugTable\":[{\"a\":[1,2,3]}]}");
    feed("Debug:two");
    feed("Debug:{\"DebugTable\":[{\"b\":[4]}]}");
    QCOMPARE(tableLines(), (QStringList{"b | ", "----", "4 | "}));
    QCOMPARE(log()->toPlainText(), QStringLiteral("Debug:one\nDebug:two"));
}

void TestDebugLogWidget::clearingEmptiesBothPanes()
{
    feed("Debug:one");
    feed("Debug:{\"DebugTable\":[{\"a\":[1]}]}");
    window->clearWindow();
    QVERIFY(log()->toPlainText().isEmpty());
    QVERIFY(tablePane()->toPlainText().isEmpty());
    feed("Debug:again");
    QCOMPARE(log()->toPlainText(), QStringLiteral("Debug:again"));
}

void TestDebugLogWidget::linesFromTheReceiver()
{
    QVERIFY(session->open(InterfaceNmea));
    session->send(nmeaLine("GPGSA,A,3,05,12,,,,,,,,,,,1.6,0.8,1.4")
                  + "Debug:{\"DebugTable\":[{\"ch\":[1,2]},{\"cn0\":[45.5,\"@\"]}]}\r\n"
                  + "Debug:tracking 2 channels\r\n");
    QTRY_COMPARE(log()->toPlainText(), QStringLiteral("Debug:tracking 2 channels"));
    QCOMPARE(tableLines(), (QStringList{"ch |  cn0 | ", "------------", " 1 | 45.5 | ", " 2 | ---- | "}));

    window->setController(nullptr);
    feed("Debug:after");
    QCOMPARE(log()->toPlainText(), QStringLiteral("Debug:tracking 2 channels"));
}

QTEST_MAIN(TestDebugLogWidget)
#include "tst_debuglogwidget.moc"
