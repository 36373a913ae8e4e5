#include "vbformat.h"

#include "vbdecimal.h"
#include "vberror.h"
#include "vblocale.h"

#include <cmath>
#include <optional>

namespace vbrt {

namespace {

using detail::Decimal;

struct NumberPattern
{
    int minIntDigits = 0; // digits forced by '0' left of the point
    bool grouped = false;
    bool point = false;
    int minDecimals = 0; // '0' right of the point
    int maxDecimals = 0; // '0' and '#' right of the point
};

std::optional<NumberPattern> parsePattern(QStringView pattern)
{
    NumberPattern p;
    qsizetype i = 0;
    const qsizetype n = pattern.size();
    bool placeholderSeen = false;
    bool zeroSeen = false;
    for (; i < n && pattern[i] != u'.'; ++i) {
        const QChar c = pattern[i];
        if (c == u'#' || c == u'0') {
            zeroSeen = zeroSeen || c == u'0';
            if (zeroSeen)
                ++p.minIntDigits;
            placeholderSeen = true;
        } else if (c == u',') {
            // Only a comma between two placeholders groups; elsewhere it would scale by 1000.
            if (!placeholderSeen || i + 1 >= n ||
                (pattern[i + 1] != u'#' && pattern[i + 1] != u'0'))
                return std::nullopt;
            p.grouped = true;
        } else {
            return std::nullopt;
        }
    }
    if (i < n) {
        p.point = true;
        bool hashSeen = false;
        for (++i; i < n; ++i) {
            const QChar c = pattern[i];
            if (c == u'0' && !hashSeen)
                ++p.minDecimals;
            else if (c == u'#')
                hashSeen = true;
            else
                return std::nullopt;
            ++p.maxDecimals;
        }
    }
    if (!placeholderSeen && p.maxDecimals == 0)
        return std::nullopt;
    return p;
}

QString groupDigits(const std::string& digits, QChar group)
{
    QString out;
    out.reserve(static_cast<qsizetype>(digits.size() + digits.size() / 3));
    const size_t n = digits.size();
    for (size_t k = 0; k < n; ++k) {
        if (k > 0 && (n - k) % 3 == 0)
            out += group;
        out += QChar(digits[k]);
    }
    return out;
}

QString render(bool negative, const Decimal& d, const NumberPattern& p)
{
    const Locale& loc = locale();
    const std::string scaled = detail::scaledInteger(d, p.maxDecimals);
    const size_t fracLen = static_cast<size_t>(p.maxDecimals);

    std::string intDigits =
        scaled.size() > fracLen ? scaled.substr(0, scaled.size() - fracLen) : std::string();
    std::string frac = scaled.size() > fracLen ? scaled.substr(scaled.size() - fracLen)
                                               : std::string(fracLen - scaled.size(), '0') + scaled;
    intDigits.erase(0, intDigits.find_first_not_of('0'));
    if (intDigits.size() < static_cast<size_t>(p.minIntDigits))
        intDigits.insert(0, static_cast<size_t>(p.minIntDigits) - intDigits.size(), '0');
    while (frac.size() > static_cast<size_t>(p.minDecimals) && frac.back() == '0')
        frac.pop_back();

    QString out;
    if (negative && scaled.find_first_not_of('0') != std::string::npos)
        out += u'-';
    out += p.grouped ? groupDigits(intDigits, loc.group) : QString::fromLatin1(intDigits);
    if (p.point)
        out += loc.decimal;
    out += QString::fromLatin1(frac);
    return out;
}

QString formatDigits(double value, int significant, QStringView pattern)
{
    const auto p = parsePattern(pattern);
    if (!p)
        raise(ErrInvalidCall);
    if (!std::isfinite(value))
        raise(ErrOverflow);
    return render(value < 0, detail::significantDigits(value, significant), *p);
}

QString plainText(double value, int significant)
{
    if (!std::isfinite(value))
        raise(ErrOverflow);
    const Decimal d = detail::significantDigits(value, significant);
    if (d.isZero())
        return QStringLiteral("0");
    const QChar decimal = locale().decimal;
    QString out;
    if (value < 0)
        out += u'-';
    const std::string& s = d.digits;
    const int e = d.exponent;
    if (e < -4 || e >= significant) {
        out += QChar(s[0]);
        if (s.size() > 1) {
            out += decimal;
            out += QString::fromLatin1(s.substr(1));
        }
        out += e < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        out += QStringLiteral("%1").arg(std::abs(e), 2, 10, QChar(u'0'));
    } else if (e < 0) {
        out += u'0';
        out += decimal;
        out += QString(-e - 1, u'0');
        out += QString::fromLatin1(s);
    } else {
        const size_t intLen = static_cast<size_t>(e) + 1;
        if (s.size() <= intLen) {
            out += QString::fromLatin1(s);
            out += QString(static_cast<qsizetype>(intLen - s.size()), u'0');
        } else {
            out += QString::fromLatin1(s.substr(0, intLen));
            out += decimal;
            out += QString::fromLatin1(s.substr(intLen));
        }
    }
    return out;
}

} // namespace

QString format(double value, QStringView pattern)
{
    return formatDigits(value, 15, pattern);
}

QString format(float value, QStringView pattern)
{
    return formatDigits(value, 7, pattern);
}

QString formatNumber(double value, int decimals)
{
    if (decimals < 0)
        raise(ErrInvalidCall);
    if (!std::isfinite(value))
        raise(ErrOverflow);
    NumberPattern p;
    p.minIntDigits = 1;
    p.grouped = true;
    p.point = decimals > 0;
    p.minDecimals = p.maxDecimals = decimals;
    return render(value < 0, detail::significantDigits(value, 15), p);
}

QString cstr(double value)
{
    return plainText(value, 15);
}

QString cstr(float value)
{
    return plainText(value, 7);
}

QString cstr(qint64 value)
{
    return QString::number(value);
}

} // namespace vbrt
