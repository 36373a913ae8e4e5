#include "vbdate.h"
#include "vberror.h"
#include "vbformat.h"
#include "vblocale.h"

namespace vbrt {

namespace {

qsizetype runLength(QStringView pattern, qsizetype from)
{
    const QChar c = pattern[from].toLower();
    qsizetype end = from;
    while (end < pattern.size() && pattern[end].toLower() == c)
        ++end;
    return end - from;
}

bool startsWithNoCase(QStringView pattern, qsizetype from, QStringView token)
{
    return pattern.mid(from).startsWith(token, Qt::CaseInsensitive);
}

bool hasAmPm(QStringView pattern)
{
    return pattern.contains(u"am/pm", Qt::CaseInsensitive) ||
           pattern.contains(u"a/p", Qt::CaseInsensitive);
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0'));
}

} // namespace

QString formatDate(const QDateTime& value, QStringView pattern)
{
    // The date and time as stored, whatever the time zone makes of them.
    const QDate date = value.date();
    const QTime time = value.time().isValid() ? value.time() : QTime(0, 0);
    if (!date.isValid())
        return QString();

    const Locale& loc = locale();
    const bool twelveHour = hasAmPm(pattern);
    QString out;
    bool afterHour = false; // m and mm right after h or hh (past a ':') are minutes
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i].toLower();
        const qsizetype run = runLength(pattern, i);
        if (startsWithNoCase(pattern, i, u"am/pm") || startsWithNoCase(pattern, i, u"a/p")) {
            const bool full = startsWithNoCase(pattern, i, u"am/pm");
            const bool pm = time.hour() >= 12;
            QString mark = full ? (pm ? QStringLiteral("pm") : QStringLiteral("am"))
                                : (pm ? QStringLiteral("p") : QStringLiteral("a"));
            if (pattern[i].isUpper())
                mark = mark.toUpper();
            out += mark;
            i += full ? 5 : 3;
            afterHour = false;
            continue;
        }
        if (c == u'h') {
            if (run > 2)
                raise(ErrInvalidCall);
            int h = time.hour();
            if (twelveHour) {
                h %= 12;
                if (h == 0)
                    h = 12;
            }
            out += run == 2 ? twoDigits(h) : QString::number(h);
            afterHour = true;
        } else if (c == u'm' || c == u'n') {
            if ((c == u'n' || afterHour) && run <= 2) {
                out += run == 2 ? twoDigits(time.minute()) : QString::number(time.minute());
            } else if (c == u'n') {
                raise(ErrInvalidCall);
            } else if (run >= 4) {
                out += loc.monthNames[date.month() - 1];
            } else if (run == 3) {
                out += loc.monthNames[date.month() - 1].left(3);
            } else {
                out += run == 2 ? twoDigits(date.month()) : QString::number(date.month());
            }
            afterHour = false;
        } else if (c == u'd') {
            if (run > 2)
                raise(ErrInvalidCall);
            out += run == 2 ? twoDigits(date.day()) : QString::number(date.day());
            afterHour = false;
        } else if (c == u'y') {
            if (run == 4)
                out += QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0'));
            else if (run == 2)
                out += twoDigits(date.year() % 100);
            else
                raise(ErrInvalidCall);
            afterHour = false;
        } else {
            out += pattern.mid(i, run);
            if (c != u':')
                afterHour = false;
        }
        i += run;
    }
    return out;
}

QString formatDate(const QString& text, QStringView pattern)
{
    if (text.isEmpty())
        return QString();
    const auto parsed = parseDate(text);
    return parsed ? formatDate(*parsed, pattern) : text;
}

} // namespace vbrt
