#include "vbconvert.h"

#include "vberror.h"
#include "vblocale.h"
#include "vbmath.h"
#include "vbtext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace vbrt {

namespace {

qsizetype digitRun(QStringView s, qsizetype pos)
{
    qsizetype end = pos;
    while (end < s.size() && isAsciiDigit(s[end]))
        ++end;
    return end - pos;
}

template <typename T> T checkedRange(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<T>::min() && r <= std::numeric_limits<T>::max()))
        raise(ErrOverflow);
    return static_cast<T>(r);
}

double parsedOrMismatch(const QString& text)
{
    const auto v = parseNumber(text);
    if (!v)
        raise(ErrTypeMismatch);
    return *v;
}

template <typename T> T checkedResult(long long r)
{
    if (r < std::numeric_limits<T>::min() || r > std::numeric_limits<T>::max())
        raise(ErrOverflow);
    return static_cast<T>(r);
}

} // namespace

std::optional<double> parseNumber(const QString& text)
{
    const Locale& loc = locale();
    QStringView s = trimBlanks(text);

    // Gathered as plain ASCII for from_chars, which ignores the C locale.
    std::string plain;
    qsizetype pos = 0;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) {
        if (s[pos] == u'-')
            plain += '-';
        ++pos;
    }

    qsizetype run = digitRun(s, pos);
    bool intDigits = run > 0;
    const bool grouped = run >= 1 && run <= 3 && pos + run < s.size() && s[pos + run] == loc.group;
    plain += s.mid(pos, run).toLatin1().toStdString();
    pos += run;
    if (grouped) {
        // Every group after the first has exactly three digits.
        while (pos < s.size() && s[pos] == loc.group) {
            if (digitRun(s, pos + 1) != 3)
                return std::nullopt;
            plain += s.mid(pos + 1, 3).toLatin1().toStdString();
            pos += 4;
        }
    }

    bool fracDigits = false;
    if (pos < s.size() && s[pos] == loc.decimal) {
        run = digitRun(s, pos + 1);
        fracDigits = run > 0;
        plain += '.';
        plain += s.mid(pos + 1, run).toLatin1().toStdString();
        pos += 1 + run;
    }
    if (pos != s.size() || !(intDigits || fracDigits))
        return std::nullopt;

    double value = 0;
    const char* first = plain.data();
    const auto res = std::from_chars(first, first + plain.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Tiny values read as zero; huge ones are no number a box can hold.
        if (plain.find_first_of("123456789") < plain.find('.'))
            return std::nullopt;
        return 0.0;
    }
    if (res.ec != std::errc() || res.ptr != first + plain.size())
        return std::nullopt;
    return value;
}

bool isNumeric(const QString& text)
{
    return parseNumber(text).has_value();
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    if (lower == value)
        return value;
    const double middle = lower + 0.5; // exact: a double with a fraction is below 2^52
    if (value > middle)
        return lower + 1;
    if (value < middle)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1;
}

int16_t cint(double value)
{
    return checkedRange<int16_t>(value);
}

int32_t clng(double value)
{
    return checkedRange<int32_t>(value);
}

float csng(double value)
{
    return single(value);
}

int16_t cint(const QString& text)
{
    return cint(parsedOrMismatch(text));
}

int32_t clng(const QString& text)
{
    return clng(parsedOrMismatch(text));
}

float csng(const QString& text)
{
    return csng(parsedOrMismatch(text));
}

int32_t intDiv(double a, double b)
{
    const long long x = clng(a);
    const long long y = clng(b);
    if (y == 0)
        raise(ErrDivisionByZero);
    return checkedResult<int32_t>(x / y);
}

int32_t mod(double a, double b)
{
    const long long x = clng(a);
    const long long y = clng(b);
    if (y == 0)
        raise(ErrDivisionByZero);
    return static_cast<int32_t>(x % y);
}

double vbInt(double value)
{
    return std::floor(value);
}

double fix(double value)
{
    return std::trunc(value);
}

int16_t addInt(int16_t a, int16_t b)
{
    return checkedResult<int16_t>(a + b);
}
int16_t subInt(int16_t a, int16_t b)
{
    return checkedResult<int16_t>(a - b);
}
int16_t mulInt(int16_t a, int16_t b)
{
    return checkedResult<int16_t>(a * b);
}
int32_t addLng(int32_t a, int32_t b)
{
    return checkedResult<int32_t>(1LL * a + b);
}
int32_t subLng(int32_t a, int32_t b)
{
    return checkedResult<int32_t>(1LL * a - b);
}
int32_t mulLng(int32_t a, int32_t b)
{
    return checkedResult<int32_t>(1LL * a * b);
}

} // namespace vbrt
