#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

#include "bord.h"
#include "connectguard.h"

class TestBord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void laysOutTheDefaultSize_data();
    void laysOutTheDefaultSize();
    void oddKeyWidth();
    void capsIsAToggle();
    void editingKeysMirrorIntoBothTargets();
    void backspaceAtTheStartStillMirrors();
    void pasteMirrors();
    void doneSignalsOnlyForALineEdit();
    void rebuildingShowsLowerCase();
    void settersBeforeTheKeysOnlyStore();

private:
    static QRect keyRect(const Bord &bord, int index) { return bord.key(index)->geometry(); }
};

void TestBord::initTestCase()
{
    installConnectGuard();
}

void TestBord::laysOutTheDefaultSize_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("label");
    QTest::newRow("1") << QPoint() << 0 << QRect(3, 80, 28, 43) << QStringLiteral("1");
    QTest::newRow("q") << QPoint() << 10 << QRect(17, 123, 28, 43) << QStringLiteral("q");
    QTest::newRow("a") << QPoint() << 22 << QRect(31, 166, 28, 43) << QStringLiteral("a");
    QTest::newRow("z") << QPoint() << 33 << QRect(45, 209, 28, 43) << QStringLiteral("z");
    QTest::newRow("caps") << QPoint() << int(Bord::CapsKey) << QRect(3, 209, 42, 43) << QStringLiteral("caps");
    QTest::newRow("enter") << QPoint() << int(Bord::EnterKey) << QRect(339, 166, 56, 43) << QStringLiteral("enter");
    QTest::newRow("space") << QPoint() << int(Bord::SpaceKey) << QRect(101, 252, 168, 43) << QString();
    QTest::newRow("Done") << QPoint() << int(Bord::DoneKey) << QRect(325, 209, 56, 43) << QStringLiteral("Done");
    // The keys are placed from the form's own position, not from its parent's origin.
    QTest::newRow("1, moved") << QPoint(100, 50) << 0 << QRect(103, 130, 28, 43) << QStringLiteral("1");
    QTest::newRow("Done, moved") << QPoint(100, 50) << int(Bord::DoneKey) << QRect(425, 259, 56, 43)
                                 << QStringLiteral("Done");
}

void TestBord::laysOutTheDefaultSize()
{
    QFETCH(QPoint, at);
    QFETCH(int, index);
    QFETCH(QRect, rect);
    QFETCH(QString, label);
    Bord bord;
    bord.move(at);
    bord.create_keys();
    QCOMPARE(bord.textField()->geometry(), QRect(at + QPoint(3, 5), QSize(394, 75)));
    QCOMPARE(keyRect(bord, index), rect);
    QCOMPARE(bord.key(index)->text(), label);
    QCOMPARE(bord.key(index)->focusPolicy(), Qt::NoFocus);
}

void TestBord::oddKeyWidth()
{
    Bord bord;
    bord.move(0, 0);
    bord.resize(500, 300);
    bord.create_keys();
    QCOMPARE(keyRect(bord, 22).left(), 37);
    QCOMPARE(keyRect(bord, Bord::EnterKey).left(), 422);
    QCOMPARE(keyRect(bord, 42).left() + 35, 404);
    QCOMPARE(keyRect(bord, Bord::DoneKey).left(), 405);
    QCOMPARE(keyRect(bord, Bord::CapsKey), QRect(3, keyRect(bord, 33).top(), 52, 50));

    // The key height follows the width, even past the bottom of a low form.
    bord.resize(500, 200);
    bord.create_keys();
    QCOMPARE(keyRect(bord, 0).height(), 35 + 15);
    QVERIFY(keyRect(bord, Bord::SpaceKey).bottom() > bord.height());
}

void TestBord::capsIsAToggle()
{
    Bord bord;
    bord.create_keys();
    QPushButton *a = bord.key(22);
    QCOMPARE(a->text(), QStringLiteral("a"));
    a->click();
    bord.key(Bord::CapsKey)->click();
    QVERIFY(bord.upperShown());
    QCOMPARE(a->text(), QStringLiteral("A"));
    QCOMPARE(bord.key(32)->text(), QStringLiteral("\""));
    a->click();
    QCOMPARE(bord.textField()->toPlainText(), QStringLiteral("aA"));
    bord.key(Bord::CapsKey)->click();
    QCOMPARE(a->text(), QStringLiteral("a"));
    QVERIFY(!bord.upperShown());
}

void TestBord::editingKeysMirrorIntoBothTargets()
{
    QWidget owner;
    QTextEdit edit(&owner);
    QLineEdit line(&owner);
    Bord bord(&owner);
    bord.create_keys();
    bord.set_text_target(QStringLiteral("ab"), &edit);
    bord.set_line_target(QStringLiteral("ab"), &line);
    bord.key(0)->click();
    bord.key(Bord::SpaceKey)->click();
    bord.key(Bord::EnterKey)->click();
    bord.key(10)->click();
    QCOMPARE(edit.toPlainText(), QStringLiteral("ab1 \nq"));
    QCOMPARE(line.text(), QStringLiteral("ab1 \nq"));
    bord.key(Bord::BackspaceKey)->click();
    QCOMPARE(edit.toPlainText(), QStringLiteral("ab1 \n"));
    QCOMPARE(bord.currentText(), QStringLiteral("ab1 \n"));
}

void TestBord::backspaceAtTheStartStillMirrors()
{
    QLineEdit line;
    Bord bord;
    bord.create_keys();
    bord.set_line_target(QStringLiteral("xy"), &line);
    QTextCursor cursor = bord.textField()->textCursor();
    cursor.movePosition(QTextCursor::Start);
    bord.textField()->setTextCursor(cursor);
    line.setText(QStringLiteral("stale"));
    bord.key(Bord::BackspaceKey)->click();
    QCOMPARE(bord.textField()->toPlainText(), QStringLiteral("xy"));
    QCOMPARE(line.text(), QStringLiteral("xy"));
}

void TestBord::pasteMirrors()
{
    QLineEdit line;
    Bord bord;
    bord.create_keys();
    bord.set_line_target(QStringLiteral("x"), &line);
    QApplication::clipboard()->clear();
    line.setText(QStringLiteral("stale"));
    bord.key(Bord::PasteKey)->click();
    QCOMPARE(bord.textField()->toPlainText(), QStringLiteral("x"));
    QCOMPARE(line.text(), QStringLiteral("x"));

    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    bord.key(Bord::PasteKey)->click();
    QCOMPARE(line.text(), QStringLiteral("xpasted"));
}

void TestBord::doneSignalsOnlyForALineEdit()
{
    // With only a text edit, Done hides the form without a signal and puts the cursor at the end.
    QTextEdit edit;
    Bord bord;
    bord.create_keys();
    bord.show();
    bord.set_text_target(QStringLiteral("hello"), &edit);
    edit.setPlainText(QStringLiteral("hello"));
    QSignalSpy doneSpy(&bord, SIGNAL(DoneSignal()));
    bord.press_done();
    QVERIFY(bord.isHidden());
    QCOMPARE(doneSpy.count(), 0);
    QCOMPARE(bord.doneState(), 2);
    QCOMPARE(edit.textCursor().position(), 5);

    QLineEdit line;
    bord.set_line_target(QString(), &line);
    bord.key(12)->click();
    bord.key(Bord::DoneKey)->click();
    QCOMPARE(doneSpy.count(), 1);
    QCOMPARE(line.text(), QStringLiteral("e"));
}

void TestBord::rebuildingShowsLowerCase()
{
    Bord bord;
    bord.create_keys();
    bord.key(Bord::CapsKey)->click();
    QCOMPARE(bord.key(10)->text(), QStringLiteral("Q"));
    bord.textField()->setPlainText(QStringLiteral("old"));
    bord.create_keys();
    QCOMPARE(bord.textField()->toPlainText(), QString());
    QCOMPARE(bord.key(10)->text(), QStringLiteral("q"));
    // The caps state survives the rebuild: the next press shows lower case again.
    bord.key(Bord::CapsKey)->click();
    QCOMPARE(bord.key(10)->text(), QStringLiteral("q"));
    QCOMPARE(bord.findChildren<QPushButton *>().size(), Bord::keyCount);
    QCOMPARE(bord.findChildren<QTextEdit *>().size(), 1);
}

void TestBord::settersBeforeTheKeysOnlyStore()
{
    QLineEdit line;
    Bord bord;
    bord.press_done(); // no Done key yet: nothing happens
    bord.set_line_target(QStringLiteral("kept"), &line);
    QCOMPARE(bord.currentText(), QStringLiteral("kept"));
    bord.my_click();
    bord.back_space();
    bord.enter();
    bord.space();
    bord.paste();
    bord.copy();
    bord.shift_space();
    QCOMPARE(line.text(), QString());
    bord.done();
    QCOMPARE(bord.doneState(), 2);
}

QTEST_MAIN(TestBord)
#include "tst_bord.moc"
