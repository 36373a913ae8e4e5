#pragma once

#include <QObject>
#include <QString>

class frmHVACMain;
class QWidget;

// Moving between the main form's pages: the technician rule, the question about unsaved work
// on the page left, and preparing the page entered. Pages are told apart by their captions.
class TabHub : public QObject
{
public:
    explicit TabHub(frmHVACMain& form);

    // Runs after every page change; previousTab is the index of the page left.
    void tabMain_Click(int previousTab);
    void CheckTabEnables();
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
    // The page left's own save, or its discard, for "Save changes before switching tabs?".
    bool savePage(const QString& page);
    void discardPage(const QString& page);
    void preparePage(const QString& page, int previousTab);
    // A control on a hidden page would take keystrokes unseen, so it gets the focus only
    // while it is on the page shown.
    static void focusIfShown(QWidget* control);

    frmHVACMain& m_form;
    int m_shownTab = 0; // the tab control does not tell which page was left
};
