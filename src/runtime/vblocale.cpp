#include "vblocale.h"

namespace vbrt {

Locale Locale::enUS()
{
    Locale l;
    l.monthNames = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return l;
}

namespace {

Locale& current()
{
    static Locale instance = Locale::enUS();
    return instance;
}

} // namespace

const Locale& locale()
{
    return current();
}

void setLocale(const Locale& locale)
{
    current() = locale;
}

} // namespace vbrt
