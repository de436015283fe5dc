#pragma once

#include <cmath>
#include <limits>
#include <type_traits>

// Every double that arrives from the receiver (a field of a sentence, a float of a
// binary record) may be NaN, infinite or far outside any sensible range. Casting such
// a value to an integer type is undefined behaviour, so every double-to-integer
// conversion of received data goes through here.

// Truncates value toward zero into out. Returns false, and sets out to 0, when value
// is NaN, infinite, or its truncation does not fit into Int.
template <typename Int>
bool checkedToInteger(double value, Int &out) noexcept
{
    static_assert(std::is_integral<Int>::value, "checkedToInteger converts to integers only");
    using Limits = std::numeric_limits<Int>;
    // 2^digits is the first value above Int's maximum; it and Int's minimum (0 or a
    // negative power of two) are exact doubles, and so is the truncated value, so the
    // comparisons are exact.
    const double above = std::ldexp(1.0, Limits::digits);
    const double lowest = static_cast<double>(Limits::min());
    const double whole = std::trunc(value);
    if (!std::isfinite(value) || !(whole < above) || !(whole >= lowest)) {
        out = 0;
        return false;
    }
    out = static_cast<Int>(whole);
    return true;
}

// The same, giving fallback when the value cannot be converted.
template <typename Int>
Int checkedToIntegerOr(double value, Int fallback) noexcept
{
    Int result = 0;
    return checkedToInteger(value, result) ? result : fallback;
}
