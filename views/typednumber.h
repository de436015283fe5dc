#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class QColor;
class QWidget;

// What a person types into a number field goes to the receiver, the link or a file
// exactly as typed, or not at all. A TypedNumber is the rule of one field: the kind of
// number it takes and the range its value has on the wire or in the world (a port, a
// latitude, a byte). check() either takes the text or says why not, in the person's
// language; the caller then sends nothing and shows the reason beside the field's name.
// Nothing is ever clipped, truncated or cut to its low bits.
class TypedNumber
{
    Q_DECLARE_TR_FUNCTIONS(TypedNumber)

public:
    // Decimal digits, an optional sign; an exponent or a fraction is taken only when the
    // number it writes is whole ("1e3" and "1000,0" are 1000, "12.9" is refused).
    static TypedNumber whole(qint64 min, qint64 max);
    // Hexadecimal digits, no sign.
    static TypedNumber hexadecimal(quint32 max);
    // A finite decimal number; a decimal comma is read as the decimal point ("55,75").
    static TypedNumber real(double min, double max);

    // text with every decimal comma and decimal point written as point: whichever of the
    // two a person's habit or keyboard gives, it is the decimal point, whatever the
    // system's locale says; a comma is never a thousands separator.
    static QString withDecimalPoint(const QString &text, QChar point);

    // The reason the text is refused, or an empty string when it is taken; value is set
    // only when it is taken.
    QString check(const QString &text, qint64 &value) const;
    QString check(const QString &text, double &value) const;

    // check() for the text of field: taken, the field's mark is cleared; refused, the
    // field is marked and refusal(field, why) appended to refusals.
    bool take(QWidget *field, const QString &text, qint64 &value, QStringList &refusals) const;
    bool take(QWidget *field, const QString &text, double &value, QStringList &refusals) const;

    // Marks a refused field (a red background and the reason as its tool tip) or clears
    // the mark. A field keeps a style sheet of its own under the mark.
    static void mark(QWidget *field, const QString &why);
    static void unmark(QWidget *field);
    static bool isMarked(const QWidget *field);
    // Why a marked field was refused; empty when it is not marked.
    static QString markedWhy(const QWidget *field);
    // The colour of a refused field's background.
    static QColor markColour();

    // "<field>: <why>", the field named as its form labels it: its group, the column
    // headers above it and the label of its row.
    static QString refusal(const QWidget *field, const QString &why);
    static QString fieldName(const QWidget *field);

private:
    enum class Kind { Whole, Hexadecimal, Real };
    TypedNumber(Kind kind, double min, double max);

    QString textOf(double value) const;
    QString outOfRange(const QString &typed) const;

    Kind kind;
    double min;
    double max;
};
