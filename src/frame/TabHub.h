#pragma once

#include "PageNavigation.h"

#include <QHash>
#include <QObject>
#include <QString>

class frmHVACMain;
class PageBehaviour;
class QWidget;

// Moving between the main form's pages: the technician rule, the question about unsaved work
// on the page left, and preparing the page entered. Pages are told apart by their captions;
// what a page does on the way out or in is its registered behaviour.
class TabHub : public QObject, public PageNavigation
{
public:
    explicit TabHub(frmHVACMain& form);

    QString currentPage() const override;
    void showPage(const QString& caption) override;

    // Once per page, as the form is built; the behaviour must outlive the hub.
    void registerPage(const QString& caption, PageBehaviour& behaviour);

    // Runs after every page change; previousTab is the index of the page left.
    void tabMain_Click(int previousTab);
    void CheckTabEnables() override;
    void cmdContinueFromHome_Click();
    void cmdContinueFromHLTab_Click();
    void cmdContinueFromFlowHoodTab_Click();
    void cmdGoHome_Click();

protected:
    // A click or wheel turn on the page tabs runs the check of the box being left before the
    // page changes; a refusal keeps the page.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tabMain_CurrentChanged(int index);
    int pageIndex(const QString& caption) const;
    QString caption(int index) const;
    // Shows a page without running tabMain_Click.
    void showSilently(int index);
    // The page's registered behaviour; null for a page without one.
    PageBehaviour* behaviour(const QString& caption) const;

    frmHVACMain& m_form;
    QHash<QString, PageBehaviour*> m_pages;
    int m_shownTab = 0; // the tab control does not tell which page was left
};
