// Moving between the main form's pages on the real window: the technician rule, which pages
// can be chosen, the question about unsaved work on the page left and what each answer does,
// the continue and go-home buttons.
#include "EfficiencyTab.h"
#include "GuiTestMain.h"
#include "Pages.h"
#include "ProgramState.h"
#include "SeededRun.h"
#include "TabHub.h"
#include "ui_ClientSurveyPage.h"
#include "ui_EfficiencyPage.h"
#include "ui_FlowHoodPage.h"
#include "ui_HouseLeakagePage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using seeded::shownPage;

namespace {

const QString NoTechnician = QStringLiteral(
    "Every client must be associated with a technician. Please create a technician.");
const QString SaveQuestion = QStringLiteral("Save changes before switching tabs?");

// Closes the media viewer as soon as it shows itself modally, as a user would.
class ViewerCloser
{
public:
    ViewerCloser()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

void fillValidAnalysis(Ui::EfficiencyPage* dl)
{
    dl->txtDLTestDateTime->setText(QStringLiteral("12/10/2026 3:05 pm"));
    dl->txtDLSystemDescription->setText(QStringLiteral("Attic unit"));
    dl->cmbDLPrimaryHeat->setCurrentIndex(0);
    dl->txtDLTotalBtuInput->setText(QStringLiteral("60,000"));
    dl->txtDLTotalCoolingTons->setText(QStringLiteral("3"));
    dl->txtDLSupplyLeaksSqIn->setText(QStringLiteral("10"));
    dl->txtDLReturnLeaksSqIn->setText(QStringLiteral("5"));
    dl->cmbDLReturnLeaks->setCurrentIndex(0);
}

int analyses(const seeded::Run& s)
{
    return seeded::count(s.db(), QStringLiteral("SELECT COUNT(*) FROM [Duct Leak Analysis]"));
}

} // namespace

class TestTabHub : public QObject
{
    Q_OBJECT
private slots:
    void withoutTechnicianOnlyHomeAndMedia()
    {
        seeded::Run s;
        QVERIFY(s.start({.technician = false, .client = false}));
        auto& form = s.form();
        QCOMPARE(form.home->cmbTechnician->currentText(), QString());
        QVERIFY(!form.home->cmdContinueFromHome->isEnabled());
        QVERIFY(form.home->zlblTechDelete->isHidden());
        for (int i = 1; i < form.tabMain->count(); ++i)
            QCOMPARE(form.tabMain->isTabEnabled(i), form.tabMain->tabText(i) == pages::Media);

        for (const QString& page :
             {pages::ClientSurvey, pages::HouseLeakage, pages::FlowHood, pages::Efficiency}) {
            s.dialogs().expect(MsgResult::OK, NoTechnician);
            s.show(page);
            VERIFY_DIALOGS_DONE(s.dialogs());
            QCOMPARE(shownPage(form), pages::Home);
            QCOMPARE(QApplication::focusWidget(), form.home->txtAddTechnician);
            QVERIFY(!form.mblnRevertingTab);
        }
        const auto box = s.dialogs().lastBox();
        QCOMPARE(box.text, NoTechnician);
        QCOMPARE(box.buttons, MsgButtons::OK);

        // The media page is open to everyone and gives the Home page back.
        ViewerCloser closer;
        s.show(pages::Media);
        QCOMPARE(shownPage(form), pages::Home);
        QVERIFY(!form.session.mblnDataChanged);
        VERIFY_DIALOGS_DONE(s.dialogs());
    }

    void pagesFollowTechnicianAndClient()
    {
        seeded::Run s;
        QVERIFY(s.start({.selectClient = false}));
        auto& form = s.form();
        QVERIFY(form.home->cmdContinueFromHome->isEnabled());
        QVERIFY(!form.home->zlblTechDelete->isHidden());
        for (int i = 1; i < form.tabMain->count(); ++i)
            QCOMPARE(form.tabMain->isTabEnabled(i),
                     i == 1 || form.tabMain->tabText(i) == pages::Media);
        // The next page only when it can be chosen.
        form.hub->cmdContinueFromHLTab_Click();
        QCOMPARE(shownPage(form), pages::Home);

        QComboBox* clients = form.home->cmbClientSelect;
        clients->setCurrentIndex(LocateComboItemData(clients, s.clientId));
        for (int i = 1; i < form.tabMain->count(); ++i)
            QVERIFY(form.tabMain->isTabEnabled(i));
        VERIFY_DIALOGS_DONE(s.dialogs());
    }

    void choosingThePageShownDoesNothing()
    {
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::Efficiency);
        form.dl->txtDLSystemDescription->setText(QStringLiteral("pending"));
        QVERIFY(form.session.mblnDataChanged);
        form.hub->tabMain_Click(form.tabMain->currentIndex());
        s.show(pages::Efficiency);
        QVERIFY(form.session.mblnDataChanged);
        QCOMPARE(form.dl->txtDLSystemDescription->text(), QStringLiteral("pending"));
        QVERIFY(s.dialogs().boxes().isEmpty());
    }

    void continueButtonsMoveOn()
    {
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        QTest::mouseClick(form.home->cmdContinueFromHome, Qt::LeftButton);
        QCOMPARE(shownPage(form), pages::ClientSurvey);
        s.show(pages::HouseLeakage);
        // Its button is enabled once a test is calculated.
        form.hub->cmdContinueFromHLTab_Click();
        QCOMPARE(shownPage(form), pages::FlowHood);
        QVERIFY(form.fh->zlblFHNotAvailable->text().contains(QStringLiteral("not available")));
        QTest::mouseClick(form.fh->cmdContinueFromFlowHoodTab, Qt::LeftButton);
        QCOMPARE(shownPage(form), pages::Efficiency);
        VERIFY_DIALOGS_DONE(s.dialogs());
    }

    void leavingEfficiency_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes saves") << true;
        QTest::newRow("no discards") << false;
    }
    void leavingEfficiency()
    {
        QFETCH(bool, yes);
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::Efficiency);
        fillValidAnalysis(form.dl.get());
        QVERIFY(form.session.mblnDataChanged);
        s.dialogs().expect(yes ? MsgResult::Yes : MsgResult::No, SaveQuestion);
        s.show(pages::Home);
        VERIFY_DIALOGS_DONE(s.dialogs());
        const auto box = s.dialogs().lastBox();
        QCOMPARE(box.text, SaveQuestion);
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(box.icon, MsgIcon::Question);
        QCOMPARE(box.title, ProgramState::title());
        QCOMPARE(shownPage(form), pages::Home);
        QVERIFY(!form.session.mblnDataChanged);
        QCOMPARE(analyses(s), yes ? 1 : 0);
        QCOMPARE(form.dl->txtDLSystemDescription->text(),
                 yes ? QStringLiteral("Attic unit") : QString());
    }

    void refusedSaveKeepsThePageAndItsEntries()
    {
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::Efficiency);
        fillValidAnalysis(form.dl.get());
        form.dl->txtDLTotalCoolingTons->clear();
        s.dialogs()
            .expect(MsgResult::Yes, SaveQuestion)
            .expect(MsgResult::OK, QStringLiteral("A Total Cooling Tons value must be entered."));
        s.show(pages::FlowHood);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::Efficiency);
        QCOMPARE(analyses(s), 0);
        QVERIFY(form.session.mblnDataChanged);
        QCOMPARE(form.dl->txtDLSystemDescription->text(), QStringLiteral("Attic unit"));
        QCOMPARE(QApplication::focusWidget(), form.dl->txtDLTotalCoolingTons);

        // Go-home does not clear what it could not save either.
        s.dialogs()
            .expect(MsgResult::Yes, SaveQuestion)
            .expect(MsgResult::OK, QStringLiteral("A Total Cooling Tons value must be entered."));
        form.dl->cmdGoHome->click();
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::Efficiency);
        QCOMPARE(form.home->cmbClientSelect->currentIndex() >= 0, true);
        QCOMPARE(form.dl->txtDLSystemDescription->text(), QStringLiteral("Attic unit"));

        // Corrected, the same move saves and goes on.
        form.dl->txtDLTotalCoolingTons->setText(QStringLiteral("3"));
        s.dialogs().expect(MsgResult::Yes, SaveQuestion);
        s.show(pages::FlowHood);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::FlowHood);
        QCOMPARE(analyses(s), 1);
        QVERIFY(!form.session.mblnDataChanged);
    }

    void flowHoodYesLeavesTheNextPageUnprepared()
    {
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::FlowHood);
        form.session.mblnDataChanged = true;
        s.dialogs().expect(MsgResult::Yes, SaveQuestion);
        s.show(pages::Efficiency);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::Efficiency);
        // PrepDLATab did not run: it would have stamped the date.
        QCOMPARE(form.dl->txtDLTestDateTime->text(), QString());
        QVERIFY(!form.mblnRevertingTab);
        QVERIFY(!form.session.mblnDataChanged);
    }

    void goHomeClearsClientAndTests()
    {
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::Efficiency);
        form.dl->txtDLSystemDescription->setText(QStringLiteral("left over"));
        form.session.mblnDataChanged = false;
        QTest::mouseClick(form.dl->cmdGoHome, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::Home);
        QCOMPARE(form.home->cmbClientSelect->currentIndex(), -1);
        QCOMPARE(form.dl->txtDLSystemDescription->text(), QString());
        QVERIFY(!form.session.mblnDataChanged);
        // No client chosen any more: only the survey and media pages can be chosen.
        for (int i = 2; i < form.tabMain->count(); ++i)
            QCOMPARE(form.tabMain->isTabEnabled(i), form.tabMain->tabText(i) == pages::Media);

        // The flow hood page has the same way home.
        s.show(pages::ClientSurvey);
        QVERIFY(!form.fh->cmdGoHome->text().isEmpty());
    }

    void mediaReturnsToThePageLeft()
    {
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::Efficiency);
        ViewerCloser closer;
        s.show(pages::Media);
        QCOMPARE(shownPage(form), pages::Efficiency);
        // Prepared again on the way back.
        QVERIFY(!form.dl->txtDLTestDateTime->text().isEmpty());
        VERIFY_DIALOGS_DONE(s.dialogs());
    }

    void leavingClientSurvey_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes saves") << true;
        QTest::newRow("no reloads the saved client") << false;
    }
    void leavingClientSurvey()
    {
        QFETCH(bool, yes);
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::ClientSurvey);
        QCOMPARE(form.survey->txtClientStreet->text(), QStringLiteral("12 Elm Street"));
        form.survey->txtClientStreet->setText(QStringLiteral("99 Oak Lane"));
        QVERIFY(form.session.mblnDataChanged);
        s.dialogs().expect(yes ? MsgResult::Yes : MsgResult::No, SaveQuestion);
        s.show(pages::Home);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::Home);
        const QString stored =
            yes ? QStringLiteral("99 Oak Lane") : QStringLiteral("12 Elm Street");
        QCOMPARE(form.survey->txtClientStreet->text(), stored);
        QCOMPARE(seeded::count(s.db(),
                               QStringLiteral("SELECT COUNT(*) FROM Clients WHERE ClientID = ? AND "
                                              "ClientAddress = ?"),
                               {s.clientId, stored}),
                 1);
        QVERIFY(!form.session.mblnDataChanged);
    }

    void refusedClientCheckKeepsTheSurveyPage()
    {
        // The house data checks run only while the survey page is shown, so the save must
        // run there too, or a bad value would be stored.
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::ClientSurvey);
        form.survey->txtHLLivingArea->setText(QStringLiteral("0"));
        QVERIFY(form.session.mblnDataChanged);
        s.dialogs()
            .expect(MsgResult::Yes, SaveQuestion)
            .expect(MsgResult::OK, QStringLiteral("A house living area is required."));
        s.show(pages::HouseLeakage);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::ClientSurvey);
        QCOMPARE(form.survey->txtHLLivingArea->text(), QStringLiteral("0"));
        QCOMPARE(seeded::count(s.db(),
                               QStringLiteral("SELECT HltLivingArea FROM Clients WHERE "
                                              "ClientID = ?"),
                               {s.clientId}),
                 1500);
    }

    void leavingHouseLeakageWithYesStoresTheTest()
    {
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::HouseLeakage);
        form.hl->txtHLInsideTemp->setText(QStringLiteral("70"));
        form.hl->txtHLOutsideTemp->setText(QStringLiteral("40"));
        QVERIFY(form.session.mblnDataChanged);
        s.dialogs().expect(MsgResult::Yes, SaveQuestion);
        s.show(pages::Home);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::Home);
        QCOMPARE(seeded::count(s.db(),
                               QStringLiteral("SELECT COUNT(*) FROM [House Leakage Tests] WHERE "
                                              "ClientId = ? AND HltInsideTemp = 70"),
                               {s.clientId}),
                 1);
        QVERIFY(!form.session.mblnDataChanged);
    }
    // Pages are found by their captions: a page put in front of the others moves their
    // positions without changing what each does, and a page with no behaviour of its own is
    // simply shown and left, whatever the answer about unsaved work.
    void pagesAreFoundByCaption_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void pagesAreFoundByCaption()
    {
        QFETCH(bool, yes);
        const MsgResult answer = yes ? MsgResult::Yes : MsgResult::No;
        const QString notes = QStringLiteral("&Notes");
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        QCOMPARE(shownPage(form), pages::Home);
        form.tabMain->insertTab(1, new QWidget, notes);

        s.show(pages::Efficiency);
        fillValidAnalysis(form.dl.get());
        s.dialogs().expect(answer, SaveQuestion);
        s.show(notes);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), notes);
        QCOMPARE(analyses(s), yes ? 1 : 0);
        QVERIFY(!form.session.mblnDataChanged);

        form.session.mblnDataChanged = true;
        QVERIFY(form.hl->txtHLTestNum->text().isEmpty());
        s.dialogs().expect(answer, SaveQuestion);
        s.show(pages::HouseLeakage);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::HouseLeakage);
        // Prepared as the first test of a client without tests.
        QCOMPARE(form.hl->txtHLTestNum->text(), QStringLiteral("1"));
        QVERIFY(!form.session.mblnDataChanged);
    }

    // The tab control moves no focus before it turns the page, so it runs the check of the
    // box being left itself, before the page changes and before the question about unsaved
    // changes: a refusal keeps the page and the focus, an acceptance lets the page change.
    void tabControlChecksTheBoxLeftFirst_data()
    {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("tab clicked") << true;
        QTest::newRow("tab's mnemonic") << false;
    }
    void tabControlChecksTheBoxLeftFirst()
    {
        QFETCH(bool, byMouse);
        seeded::Run s;
        QVERIFY(s.start());
        auto& form = s.form();
        s.show(pages::ClientSurvey);
        QTabBar* bar = form.tabMain->tabBar();
        const auto leave = [&](QWidget* box, const QString& page) {
            if (byMouse)
                QTest::mouseClick(bar, Qt::LeftButton, {},
                                  bar->tabRect(seeded::pageIndex(form, page)).center());
            else
                QTest::keyClick(box, Qt::Key_H, Qt::AltModifier);
        };
        const QString next = byMouse ? pages::Home : pages::HouseLeakage;

        QLineEdit* height = form.survey->txtHLCeilingHeight;
        height->setFocus();
        height->setText(QStringLiteral("86"));
        s.dialogs().expect(MsgResult::No, QStringLiteral("This is unusual."));
        leave(height, next);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), pages::ClientSurvey);
        QCOMPARE(QApplication::focusWidget(), height);

        height->setText(QStringLiteral("8"));
        QLineEdit* name = form.survey->txtClientName;
        name->setFocus();
        name->setText(QStringLiteral("Ann \"X\" Lee"));
        s.dialogs().expect(MsgResult::Yes, SaveQuestion);
        leave(name, next);
        VERIFY_DIALOGS_DONE(s.dialogs());
        QCOMPARE(shownPage(form), next);
        QCOMPARE(seeded::count(s.db(),
                               QStringLiteral("SELECT COUNT(*) FROM Clients WHERE ClientID = ? AND "
                                              "ClientName = 'Ann ''X'' Lee'"),
                               {s.clientId}),
                 1);
    }
};

OSTREL_GUI_TEST_MAIN(TestTabHub)
#include "test_tabhub.moc"
