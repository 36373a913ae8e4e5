#include "vblocale.h"

namespace vbrt {

std::array<QString, 12> Locale::englishMonthNames()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
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
