#include "wholespinbox.h"

#include "spinboxtext.h"

WholeSpinBox::WholeSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    SpinBoxText::unmarkOnEdit(this);
    // The value changes when the edit ends, not with every key: a refused text then
    // leaves the value from before the edit, not one made of its first digits.
    setKeyboardTracking(false);
}

TypedNumber WholeSpinBox::rule() const
{
    return TypedNumber::whole(minimum(), maximum());
}

QValidator::State WholeSpinBox::validate(QString &input, int &pos) const
{
    const QString number = SpinBoxText::numberOf(input, prefix(), suffix());
    // A comma or a point is a decimal mark, never a thousands separator: the rule judges
    // the number when the edit ends.
    if (number.contains(QLatin1Char(',')) || number.contains(QLatin1Char('.')))
        return SpinBoxText::isNumberSoFar(number) ? QValidator::Intermediate : QValidator::Invalid;
    const QValidator::State state = QSpinBox::validate(input, pos);
    qint64 value = 0;
    if (state == QValidator::Invalid && SpinBoxText::isNumberSoFar(number) && !rule().check(number, value).isEmpty())
        return QValidator::Intermediate;
    return state;
}

void WholeSpinBox::fixup(QString &input) const
{
    qint64 value = 0;
    const QString why = rule().check(SpinBoxText::numberOf(input, prefix(), suffix()), value);
    SpinBoxText::judge(const_cast<WholeSpinBox *>(this), why);
    if (why.isEmpty()) {
        // A whole number written with a fraction or an exponent: the box takes the number.
        input = prefix() + textFromValue(int(value)) + suffix();
    }
    // Refused, the text stays as it is: Qt's own fixup would drop its commas as
    // thousands separators and make it another number ("3,6" as 36).
}
