#include "vbdecimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vbrt::detail {

namespace {

// Adds one to a string of decimal digits; returns false when it carried out of the front.
bool increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return true;
        }
        *it = '0';
    }
    return false;
}

// Mantissa digits and exponent of a to_chars scientific text such as "1.2345e-05".
void splitScientific(const char* first, const char* last, std::string& digits, int& exponent)
{
    const char* e = std::find(first, last, 'e');
    digits.assign(1, *first);
    if (e - first > 2)
        digits.append(first + 2, e);
    exponent = std::atoi(std::string(e + 1, last).c_str());
}

} // namespace

Decimal significantDigits(double value, int significant)
{
    value = std::fabs(value);
    Decimal d;
    if (value == 0.0 || !std::isfinite(value))
        return d;

    // A few guard digits decide the rounding, except when they read exactly "5000..": then only
    // the exact expansion (at most 767 significant digits for a double) tells a tie from a near
    // one.
    constexpr int guard = 6;
    std::array<char, 64> shortBuf;
    auto res = std::to_chars(shortBuf.data(), shortBuf.data() + shortBuf.size(), value,
                             std::chars_format::scientific, significant + guard - 1);
    std::string digits;
    splitScientific(shortBuf.data(), res.ptr, digits, d.exponent);
    if (digits.compare(significant, std::string::npos, "500000") == 0) {
        std::array<char, 1200> exactBuf;
        res = std::to_chars(exactBuf.data(), exactBuf.data() + exactBuf.size(), value,
                            std::chars_format::scientific, 1100);
        splitScientific(exactBuf.data(), res.ptr, digits, d.exponent);
    }

    const bool up = digits[significant] >= '5';
    digits.resize(significant);
    if (up && !increment(digits)) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++d.exponent;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    d.digits = std::move(digits);
    return d;
}

std::string scaledInteger(const Decimal& d, int decimals)
{
    if (d.isZero())
        return "0";
    // Number of the digits that land left of the point after scaling.
    const long long keep = static_cast<long long>(d.exponent) + 1 + decimals;
    const auto len = static_cast<long long>(d.digits.size());
    if (keep <= 0)
        return keep == 0 && d.digits[0] >= '5' ? "1" : "0";
    std::string r = d.digits.substr(0, static_cast<size_t>(std::min(keep, len)));
    if (keep > len) {
        r.append(static_cast<size_t>(keep - len), '0');
    } else if (keep < len && d.digits[static_cast<size_t>(keep)] >= '5') {
        if (!increment(r))
            r.insert(r.begin(), '1');
    }
    return r;
}

} // namespace vbrt::detail
