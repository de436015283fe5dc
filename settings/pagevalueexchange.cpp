#include "pagevalueexchange.h"

#include <cfloat>
#include <climits>

namespace PageValue {

TypedNumber ruleOf(int)
{
    return TypedNumber::whole(INT_MIN, INT_MAX);
}

TypedNumber ruleOf(quint16)
{
    return TypedNumber::hexadecimal(0xFFFF);
}

TypedNumber ruleOf(double)
{
    return TypedNumber::real(-DBL_MAX, DBL_MAX);
}

TypedNumber ruleOf(float)
{
    return TypedNumber::real(-FLT_MAX, FLT_MAX);
}

namespace {

// The field's rule first, so that its range is the one named; then the type's, so that
// a rule wider than the type never narrows a number. Checked is what the rule reads the
// text as: whole numbers exactly, reals as doubles.
template <typename Checked, typename Value>
QString checkedFromText(const QString &text, const TypedNumber &rule, Value &value)
{
    Checked number = 0;
    QString why = rule.check(text, number);
    if (why.isEmpty())
        why = ruleOf(value).check(text, number);
    if (why.isEmpty())
        value = Value(number);
    return why;
}

} // namespace

QString fromText(const QString &text, const TypedNumber &rule, int &value)
{
    return checkedFromText<qint64>(text, rule, value);
}

QString fromText(const QString &text, const TypedNumber &rule, quint16 &value)
{
    return checkedFromText<qint64>(text, rule, value);
}

QString fromText(const QString &text, const TypedNumber &rule, double &value)
{
    return checkedFromText<double>(text, rule, value);
}

QString fromText(const QString &text, const TypedNumber &rule, float &value)
{
    return checkedFromText<double>(text, rule, value);
}

QString textOf(int value)
{
    return QString::number(value, 10);
}

QString textOf(quint16 value)
{
    return QString::number(value, 16).rightJustified(4, QLatin1Char('0'));
}

QString textOf(double value)
{
    return QString::number(value, 'g', 6);
}

QString textOf(float value)
{
    return textOf(double(value));
}

} // namespace PageValue
