// Appending to a log view with a paragraph limit: the view ends with exactly the
// paragraphs that the document's own limit leaves after an ordinary insertion.

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QtTest>

#include "connectguard.h"
#include "plaintextappend.h"

namespace {

QString numberedLines(int first, int count)
{
    QString text;
    for (int i = first; i < first + count; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    return text;
}

// The ordinary way: insert at the end and let the document drop what is over its limit.
void appendAsQtDoes(QPlainTextEdit *edit, const QString &text, bool newParagraph)
{
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (newParagraph && !edit->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
}

} // namespace

class TestPlainTextAppend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void keepsWhatTheLimitKeeps_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("newParagraph");

        QTest::newRow("empty view") << 5 << QString() << numberedLines(0, 2) << false;
        QTest::newRow("below the limit") << 10 << numberedLines(0, 3) << numberedLines(3, 3) << false;
        QTest::newRow("up to the limit") << 7 << numberedLines(0, 3) << numberedLines(3, 3) << false;
        QTest::newRow("one over") << 6 << numberedLines(0, 3) << numberedLines(3, 3) << false;
        QTest::newRow("pushes out all but one") << 5 << numberedLines(0, 4) << numberedLines(4, 4) << false;
        QTest::newRow("pushes out everything") << 5 << numberedLines(0, 4) << numberedLines(4, 4) + "tail" << false;
        QTest::newRow("no limit") << 0 << numberedLines(0, 50) << numberedLines(50, 50) << false;
        QTest::newRow("paragraph into an empty view") << 3 << QString() << QStringLiteral("ab\ncd") << true;
        QTest::newRow("paragraphs below the limit") << 10 << QStringLiteral("00\n11") << QStringLiteral("ab\ncd") << true;
        QTest::newRow("paragraphs over the limit") << 4 << QStringLiteral("00\n11\n22") << QStringLiteral("ab\ncd") << true;
        QTest::newRow("paragraphs replace all") << 3 << QStringLiteral("00\n11\n22") << QStringLiteral("ab\ncd\nef") << true;
        QTest::newRow("one long paragraph") << 2 << QStringLiteral("00\n11") << QString(5000, QLatin1Char('f')) << true;
    }

    void keepsWhatTheLimitKeeps()
    {
        QFETCH(int, limit);
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(bool, newParagraph);

        QPlainTextEdit ours;
        QPlainTextEdit reference;
        for (QPlainTextEdit *edit : {&ours, &reference}) {
            edit->setMaximumBlockCount(limit);
            edit->setPlainText(before);
        }
        appendWithinLimit(&ours, text, newParagraph);
        appendAsQtDoes(&reference, text, newParagraph);

        QCOMPARE(ours.toPlainText(), reference.toPlainText());
        QCOMPARE(ours.document()->blockCount(), reference.document()->blockCount());
        if (limit > 0)
            QVERIFY(ours.document()->blockCount() <= limit);
    }

    void aSecondAppendGoesOnFromTheFirst()
    {
        QPlainTextEdit edit;
        edit.setMaximumBlockCount(4);
        appendWithinLimit(&edit, numberedLines(0, 2), false);
        appendWithinLimit(&edit, numberedLines(2, 2), false);
        QCOMPARE(edit.toPlainText(), QStringLiteral("line 1\nline 2\nline 3\n"));
    }
};

QTEST_MAIN(TestPlainTextAppend)
#include "tst_plaintextappend.moc"
