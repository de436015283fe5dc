#pragma once

#include <QLineEdit>
#include <QString>
#include <QtTest>

// What a person meets when a typed number is refused, and how a person types one.

// The box of a Save that sent nothing for refused numbers: its first line, then why.
inline QString nothingSent(const QString &why)
{
    return QStringLiteral("Nothing was sent: correct the marked fields.\n") + why;
}

// Why a typed whole number that does not fit 32 signed bits was refused.
inline QString outsideInt(const QString &typed)
{
    return typed + QStringLiteral(" is outside -2147483648 to 2147483647");
}

// The text of the last box shown (any list of recorded boxes), or none.
template <typename Boxes>
QString lastText(const Boxes &boxes)
{
    return boxes.isEmpty() ? QString() : boxes.last().text;
}

// Types text key by key with the characters' own texts, as a keyboard of any layout
// gives them (QTest::keyClicks sends Latin-1 only: no Cyrillic letter).
inline void typeText(QWidget *widget, const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        // A surrogate pair is one key.
        const int units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString key = text.mid(i, units);
        i += units - 1;
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, key, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

// Types text over what the field holds: all of it selected and deleted first.
inline void typeOver(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Whether the program marked the field as holding a refused number.
inline bool markedRefused(const QWidget *field)
{
    return field->property("typedNumberRefusal").isValid();
}
