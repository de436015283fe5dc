#include "decimalspinbox.h"

#include "spinboxtext.h"

DecimalSpinBox::DecimalSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    SpinBoxText::unmarkOnEdit(this);
    // The value changes when the edit ends, not with every key: a refused text then
    // leaves the value from before the edit, not one made of its first digits.
    setKeyboardTracking(false);
}

TypedNumber DecimalSpinBox::rule() const
{
    return TypedNumber::real(minimum(), maximum());
}

QString DecimalSpinBox::inLocale(const QString &text) const
{
    int from = 0, length = 0;
    SpinBoxText::numberSpan(text, prefix(), suffix(), from, length);
    QString written = text;
    written.replace(from, length, TypedNumber::withDecimalPoint(text.mid(from, length), locale().decimalPoint()));
    return written;
}

QValidator::State DecimalSpinBox::validate(QString &input, int &pos) const
{
    // The field shows the mark the locale writes, whichever was typed.
    input = inLocale(input);
    const QValidator::State state = QDoubleSpinBox::validate(input, pos);
    if (state != QValidator::Invalid)
        return state;
    const QString number = SpinBoxText::numberOf(input, prefix(), suffix());
    double value = 0;
    if (SpinBoxText::isNumberSoFar(number) && !rule().check(number, value).isEmpty())
        return QValidator::Intermediate;
    return state;
}

double DecimalSpinBox::valueFromText(const QString &text) const
{
    return QDoubleSpinBox::valueFromText(inLocale(text));
}

void DecimalSpinBox::fixup(QString &input) const
{
    double value = 0;
    const QString why = rule().check(SpinBoxText::numberOf(input, prefix(), suffix()), value);
    // The mark is the box's look, not its value: judging the text changes nothing else.
    SpinBoxText::judge(const_cast<DecimalSpinBox *>(this), why);
    // The text stays as it is: Qt's own fixup would drop the locale's thousands
    // separators and might make it another number.
    Q_UNUSED(input);
}
