#pragma once

#include <string>

// Decimal digit strings behind the number texts. Internal to the runtime layer.
namespace vbrt::detail {

// A non-negative number as significant digits: 0.d1d2...dn x 10^(exponent + 1), that is d1 is
// the digit of 10^exponent. No leading or trailing zeros; empty digits mean zero.
struct Decimal
{
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
};

// |value| rounded to `significant` decimal digits, ties away from zero on the exact binary value.
Decimal significantDigits(double value, int significant);

// round(d x 10^decimals), ties away from zero, as digits without leading zeros ("0" for zero).
std::string scaledInteger(const Decimal& d, int decimals);

} // namespace vbrt::detail
