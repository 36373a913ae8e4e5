#pragma once

#include <QWidget>

// What one page of the main form does as the tab hub leaves or enters it. The form registers
// one behaviour per page under the page's caption; the hub finds it by the caption of the page
// left or entered and knows nothing else of the page. A page without one is simply shown.
class PageBehaviour
{
public:
    virtual ~PageBehaviour() = default;

    // Whether the page holds entries of its own that may be left unsaved. Only such a page has
    // its work marked as no longer pending once it is saved.
    virtual bool holdsEntries() const { return false; }
    // Stores the page's pending entries, answering "Save changes before switching tabs?" with
    // Yes; runs while the page is shown. False when a check refused and nothing was saved: the
    // page is kept with its entries.
    virtual bool save() { return true; }
    // Drops the page's pending entries, answering the same question with No.
    virtual void discard() {}
    // Makes the page ready as it is entered.
    virtual void prepare() {}

    // Whether, after this page was saved on the way out, the page entered is still prepared.
    virtual bool preparesNextAfterSave() const { return true; }
    // A page that is only visited: once prepared, the form goes back to the page left.
    virtual bool returnsWhenPrepared() const { return false; }

protected:
    // A control on a hidden page would take keystrokes unseen, so it gets the focus only while
    // it is on the page shown.
    static void focusIfShown(QWidget* control)
    {
        if (control->isVisible())
            control->setFocus();
    }
};
