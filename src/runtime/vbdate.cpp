#include "vbdate.h"

#include "vberror.h"
#include "vblocale.h"
#include "vbtext.h"

namespace vbrt {

namespace {

// Reads a run of minDigits..maxDigits ASCII digits at pos.
std::optional<int> readNumber(QStringView s, qsizetype& pos, int minDigits, int maxDigits)
{
    int value = 0;
    int count = 0;
    while (pos < s.size() && count < maxDigits && isAsciiDigit(s[pos])) {
        value = value * 10 + (s[pos].unicode() - u'0');
        ++pos;
        ++count;
    }
    if (count < minDigits || (pos < s.size() && isAsciiDigit(s[pos])))
        return std::nullopt;
    return value;
}

bool readChar(QStringView s, qsizetype& pos, QChar c)
{
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

std::optional<QDate> readDate(QStringView s, qsizetype& pos, const Locale& loc)
{
    std::optional<int> parts[3];
    int yearDigits = 0;
    for (int k = 0; k < 3; ++k) {
        if (k > 0 && !readChar(s, pos, loc.dateSeparator))
            return std::nullopt;
        const bool isYear = (loc.dateOrder == Locale::DateOrder::YMD) ? k == 0 : k == 2;
        const qsizetype start = pos;
        parts[k] = isYear ? readNumber(s, pos, 2, 4) : readNumber(s, pos, 1, 2);
        if (!parts[k])
            return std::nullopt;
        if (isYear) {
            yearDigits = static_cast<int>(pos - start);
            if (yearDigits == 3)
                return std::nullopt;
        }
    }
    int year = 0, month = 0, day = 0;
    switch (loc.dateOrder) {
    case Locale::DateOrder::MDY:
        month = *parts[0], day = *parts[1], year = *parts[2];
        break;
    case Locale::DateOrder::DMY:
        day = *parts[0], month = *parts[1], year = *parts[2];
        break;
    case Locale::DateOrder::YMD:
        year = *parts[0], month = *parts[1], day = *parts[2];
        break;
    }
    if (yearDigits == 2) {
        year += loc.twoDigitYearPivot / 100 * 100;
        if (year > loc.twoDigitYearPivot)
            year -= 100;
    } else if (year < 100) {
        return std::nullopt; // outside the years a date can hold
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> readTime(QStringView s, qsizetype& pos, const Locale& loc)
{
    const auto hour = readNumber(s, pos, 1, 2);
    if (!hour || !readChar(s, pos, loc.timeSeparator))
        return std::nullopt;
    const auto minute = readNumber(s, pos, 2, 2);
    if (!minute || *minute > 59)
        return std::nullopt;
    int second = 0;
    if (readChar(s, pos, loc.timeSeparator)) {
        const auto sec = readNumber(s, pos, 2, 2);
        if (!sec || *sec > 59)
            return std::nullopt;
        second = *sec;
    }

    // Optional am/pm mark, after at most one blank.
    qsizetype markPos = pos;
    if (markPos < s.size() && isBlank(s[markPos]))
        ++markPos;
    const QStringView rest = s.mid(markPos);
    int markLen = 0;
    bool pm = false;
    for (const auto& [mark, isPm] : {std::pair{u"am", false}, std::pair{u"pm", true},
                                     std::pair{u"a", false}, std::pair{u"p", true}}) {
        const QStringView m(mark);
        if (rest.startsWith(m, Qt::CaseInsensitive) &&
            (rest.size() == m.size() || isBlank(rest[m.size()]))) {
            markLen = static_cast<int>(m.size());
            pm = isPm;
            break;
        }
    }
    int h = *hour;
    if (markLen > 0) {
        if (h < 1 || h > 12)
            return std::nullopt;
        h = (h % 12) + (pm ? 12 : 0);
        pos = markPos + markLen;
    } else if (h > 23) {
        return std::nullopt;
    }
    return QTime(h, *minute, second);
}

} // namespace

std::optional<QDateTime> parseDate(const QString& text)
{
    const Locale& loc = locale();
    QStringView s = trimBlanks(text);

    qsizetype pos = 0;
    const auto date = readDate(s, pos, loc);
    if (!date)
        return std::nullopt;
    QTime time(0, 0);
    if (pos < s.size()) {
        if (!isBlank(s[pos]))
            return std::nullopt;
        while (pos < s.size() && isBlank(s[pos]))
            ++pos;
        const auto t = readTime(s, pos, loc);
        if (!t || pos != s.size())
            return std::nullopt;
        time = *t;
    }
    QDateTime result(*date, time);
    if (!result.isValid()) {
        // A local time the clock skips (start of daylight saving time): keep the typed fields,
        // at the offset that held before the change, rather than lose the date.
        const int offset = QDateTime(date->addDays(-1), time).offsetFromUtc();
        result = QDateTime(*date, time, Qt::OffsetFromUTC, offset);
    }
    return result;
}

bool isDate(const QString& text)
{
    return parseDate(text).has_value();
}

QDateTime cdate(const QString& text)
{
    const auto parsed = parseDate(text);
    if (!parsed)
        raise(ErrTypeMismatch);
    return *parsed;
}

} // namespace vbrt
