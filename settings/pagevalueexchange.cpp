#include "pagevalueexchange.h"

#include <cfloat>
#include <climits>
#include <cmath>

#include "checkedconvert.h"

namespace PageValue {

int intFromText(const QString &text)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || std::isnan(number))
        return 0;
    int value = 0;
    if (checkedToInteger(number, value))
        return value;
    return number < 0 ? INT_MIN : INT_MAX;
}

quint16 codeFromText(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 16);
    return ok ? quint16(number & 0xFFFF) : quint16(0);
}

double doubleFromText(const QString &text)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok ? number : 0.0;
}

float floatFromText(const QString &text)
{
    const double number = doubleFromText(text);
    // Narrowing a finite double beyond the float range is undefined; infinities and
    // NaN carry over as they are.
    if (std::isfinite(number) && std::fabs(number) > double(FLT_MAX))
        return number < 0 ? -FLT_MAX : FLT_MAX;
    return float(number);
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
