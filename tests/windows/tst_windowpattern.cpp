#include <QLineEdit>
#include <QtTest>

#include "connectguard.h"
#include "windowpattern.h"

namespace {

// Counts the style changes a widget goes through.
class StyleChanges : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::StyleChange ? 1 : 0;
        return false;
    }
};

} // namespace

class TestWindowPattern : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }
    void aValueStyleIsSetOnlyWhenItChanges();
    void aFieldShowsTheBeginningOfItsValue();
};

void TestWindowPattern::aValueStyleIsSetOnlyWhenItChanges()
{
    QLineEdit edit;
    edit.show();
    StyleChanges changes;
    edit.installEventFilter(&changes);

    setValueStyle(&edit, true);
    QCOMPARE(edit.styleSheet(), QStringLiteral("color: black"));
    const int afterFirst = changes.count;
    QVERIFY(afterFirst > 0);
    // Ten values a second, all valid: the widget is not polished again for each.
    for (int i = 0; i < 10; ++i)
        setValueStyle(&edit, true);
    QCOMPARE(changes.count, afterFirst);

    setValueStyle(&edit, false);
    QCOMPARE(edit.styleSheet(), QStringLiteral("color: gray"));
    QVERIFY(changes.count > afterFirst);
    QCOMPARE(edit.palette().color(QPalette::Text), QColor(QStringLiteral("gray")));
    setValueStyle(nullptr, true);
}

void TestWindowPattern::aFieldShowsTheBeginningOfItsValue()
{
    QLineEdit edit;
    edit.setReadOnly(true);
    edit.resize(40, 24);
    edit.show();
    int changes = 0;
    connect(&edit, &QLineEdit::textChanged, this, [&changes] { ++changes; });

    setFieldText(&edit, QStringLiteral("55\u00b0 45' 14.106000\" N"));
    QCOMPARE(edit.text(), QStringLiteral("55\u00b0 45' 14.106000\" N"));
    QCOMPARE(edit.cursorPosition(), 0);
    // The same value again changes nothing.
    setFieldText(&edit, QStringLiteral("55\u00b0 45' 14.106000\" N"));
    QCOMPARE(changes, 1);
    // Once the user has moved along the field, the same value brings its beginning back.
    edit.end(false);
    setFieldText(&edit, QStringLiteral("55\u00b0 45' 14.106000\" N"));
    QCOMPARE(edit.cursorPosition(), 0);
    setFieldText(&edit, QStringLiteral("0.7"));
    QCOMPARE(edit.text(), QStringLiteral("0.7"));
    QCOMPARE(changes, 2);
    setFieldText(nullptr, QStringLiteral("x"));
}

QTEST_MAIN(TestWindowPattern)
#include "tst_windowpattern.moc"
