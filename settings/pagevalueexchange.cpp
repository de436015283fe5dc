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
// a rule wider than the type never narrows a number.
template <typename Whole>
QString wholeFromText(const QString &text, const TypedNumber &rule, Whole &value)
{
    qint64 number = 0;
    QString why = rule.check(text, number);
    if (why.isEmpty())
        why = ruleOf(value).check(text, number);
    if (why.isEmpty())
        value = Whole(number);
    return why;
}

} // namespace

QString fromText(const QString &text, const TypedNumber &rule, int &value)
{
    return wholeFromText(text, rule, value);
}

QString fromText(const QString &text, const TypedNumber &rule, quint16 &value)
{
    return wholeFromText(text, rule, value);
}

QString fromText(const QString &text, const TypedNumber &rule, double &value)
{
    double number = 0;
    const QString why = rule.check(text, number);
    if (why.isEmpty())
        value = number;
    return why;
}

QString fromText(const QString &text, const TypedNumber &rule, float &value)
{
    double number = 0;
    QString why = rule.check(text, number);
    if (why.isEmpty())
        why = ruleOf(value).check(text, number);
    if (why.isEmpty())
        value = float(number);
    return why;
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
