#pragma once

#include <QString>
#include <QtGlobal>

#include "typednumber.h"

// How a page turns the text of a field into a setting's value and a value back into
// the text of an emptied field. One rule per value type, shared by every page through
// the exchange templates of AbstractConfigurationWidget. A text is taken only when it is
// a number of the field's rule (and of the value's type); otherwise the value stays as
// it was and the reason is given back, so that nothing the person did not type is sent.
namespace PageValue {

// The rule of a field for which the page names none: the whole range of its type.
// Signed 32-bit settings are decimal and whole ("1e3" is 1000, "12.9" is refused);
// 16-bit codes are hexadecimal ("1a2b" is 0x1A2B); doubles and floats are finite and
// within their type.
TypedNumber ruleOf(int);
TypedNumber ruleOf(quint16);
TypedNumber ruleOf(double);
TypedNumber ruleOf(float);

// The value of text under the field's rule: an empty string and value set, or the
// reason the text is refused and value untouched.
QString fromText(const QString &text, const TypedNumber &rule, int &value);
QString fromText(const QString &text, const TypedNumber &rule, quint16 &value);
QString fromText(const QString &text, const TypedNumber &rule, double &value);
QString fromText(const QString &text, const TypedNumber &rule, float &value);

QString textOf(int value);         // decimal
QString textOf(quint16 value);     // four lower-case hexadecimal digits ("00ff")
QString textOf(double value);      // at most six significant digits ('g', 6)
QString textOf(float value);       // as the double it widens to

// Keeps a parameter out of template argument deduction, so that a page can pass -1 as
// the unset value of a 16-bit field (it becomes 65535).
template <typename T>
struct Same {
    using type = T;
};
template <typename T>
using Same_t = typename Same<T>::type;

} // namespace PageValue
