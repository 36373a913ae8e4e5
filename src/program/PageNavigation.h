#pragma once

#include <QString>

// Moving between the main form's pages, as the pages themselves need it. Pages are named by
// their captions (see Pages.h).
class PageNavigation
{
public:
    virtual ~PageNavigation() = default;

    // The caption of the page shown.
    virtual QString currentPage() const = 0;
    // Shows a page as a click on its tab would, with the checks of leaving one page and
    // entering the other.
    virtual void showPage(const QString& caption) = 0;
    // Enables the pages the current technician and client allow.
    virtual void CheckTabEnables() = 0;
};
