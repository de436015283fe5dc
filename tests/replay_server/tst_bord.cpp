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
    void followsItsOwnPosition();
    void oddKeyWidth();
    void keyHeightFollowsTheWidth();
    void capsIsAToggle();
    void editingKeysMirrorIntoBothTargets();
    void backspaceAtTheStartStillMirrors();
    void pasteMirrors();
    void doneWithOnlyATextEditHidesWithoutSignal();
    void doneWithALineEditSignals();
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
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("label");
    QTest::newRow("1") << 0 << QRect(3, 80, 28, 43) << QStringLiteral("1");
    QTest::newRow("0") << 9 << QRect(255, 80, 28, 43) << QStringLiteral("0");
    QTest::newRow("q") << 10 << QRect(17, 123, 28, 43) << QStringLiteral("q");
    QTest::newRow("a") << 22 << QRect(31, 166, 28, 43) << QStringLiteral("a");
    QTest::newRow("z") << 33 << QRect(45, 209, 28, 43) << QStringLiteral("z");
    QTest::newRow("copy") << int(Bord::CopyKey) << QRect(269, 252, 56, 43) << QStringLiteral("copy");
    QTest::newRow("caps") << int(Bord::CapsKey) << QRect(3, 209, 42, 43) << QStringLiteral("caps");
    QTest::newRow("enter") << int(Bord::EnterKey) << QRect(339, 166, 56, 43) << QStringLiteral("enter");
    QTest::newRow("space") << int(Bord::SpaceKey) << QRect(101, 252, 168, 43) << QString();
    QTest::newRow("Done") << int(Bord::DoneKey) << QRect(325, 209, 56, 43) << QStringLiteral("Done");
}

void TestBord::laysOutTheDefaultSize()
{
    QFETCH(int, index);
    QFETCH(QRect, rect);
    QFETCH(QString, label);
    Bord bord;
    bord.move(0, 0);
    bord.create_keys();
    QCOMPARE(bord.textField()->geometry(), QRect(3, 5, 394, 75));
    QCOMPARE(keyRect(bord, index), rect);
    QCOMPARE(bord.key(index)->text(), label);
    QCOMPARE(bord.key(index)->focusPolicy(), Qt::NoFocus);
}

void TestBord::followsItsOwnPosition()
{
    Bord bord;
    bord.move(100, 50);
    bord.create_keys();
    QCOMPARE(bord.textField()->geometry(), QRect(103, 55, 394, 75));
    QCOMPARE(keyRect(bord, 0), QRect(103, 130, 28, 43));
    QCOMPARE(keyRect(bord, Bord::DoneKey), QRect(425, 259, 56, 43));
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
}

void TestBord::keyHeightFollowsTheWidth()
{
    Bord bord;
    bord.move(0, 0);
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

void TestBord::doneWithOnlyATextEditHidesWithoutSignal()
{
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
}

void TestBord::doneWithALineEditSignals()
{
    QLineEdit line;
    Bord bord;
    bord.create_keys();
    bord.set_line_target(QString(), &line);
    QSignalSpy doneSpy(&bord, SIGNAL(DoneSignal()));
    bord.key(12)->click();
    bord.key(Bord::DoneKey)->click();
    QCOMPARE(doneSpy.count(), 1);
    QCOMPARE(bord.currentText(), QStringLiteral("e"));
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
