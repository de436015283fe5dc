#pragma once

#include <QString>
#include <QtGlobal>

// How a page turns the text of a field into a setting's value and a value back into
// the text of an emptied field. One rule per value type, shared by every page through
// the exchange templates of AbstractConfigurationWidget. No conversion fails loudly:
// text that is not a number gives 0.
namespace PageValue {

// Signed 32-bit settings: read as a double and truncated toward zero, so "12.9" is 12
// and "1e3" is 1000. A number beyond the int range is held at INT_MIN or INT_MAX, NaN
// gives 0: a double that does not fit is never cast.
int intFromText(const QString &text);
// 16-bit codes: hexadecimal, kept in the low 16 bits ("1a2b" is 0x1A2B).
quint16 codeFromText(const QString &text);
double doubleFromText(const QString &text);
// A number beyond the float range is held at the largest float of its sign.
float floatFromText(const QString &text);

QString textOf(int value);         // decimal
QString textOf(quint16 value);     // four lower-case hexadecimal digits ("00ff")
QString textOf(double value);      // at most six significant digits ('g', 6)
QString textOf(float value);       // as the double it widens to

template <typename T>
T fromText(const QString &text);
template <>
inline int fromText<int>(const QString &text) { return intFromText(text); }
template <>
inline quint16 fromText<quint16>(const QString &text) { return codeFromText(text); }
template <>
inline double fromText<double>(const QString &text) { return doubleFromText(text); }
template <>
inline float fromText<float>(const QString &text) { return floatFromText(text); }

// Keeps a parameter out of template argument deduction, so that a page can pass -1 as
// the unset value of a 16-bit field (it becomes 65535).
template <typename T>
struct Same {
    using type = T;
};
template <typename T>
using Same_t = typename Same<T>::type;

} // namespace PageValue
