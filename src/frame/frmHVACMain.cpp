#include "frmHVACMain.h"

#include "ClientRecords.h"
#include "CurrentClimate.h"
#include "Database.h"
#include "EfficiencyTab.h"
#include "FixedLists.h"
#include "FlowHoodTab.h"
#include "HouseDataBoxes.h"
#include "HouseLeakageTab.h"
#include "HouseLeakageTest.h"
#include "MultimediaCode.h"
#include "PageBehaviour.h"
#include "PageContext.h"
#include "PageReportSource.h"
#include "Pages.h"
#include "ProgramState.h"
#include "ReportBuilder.h"
#include "SelectAllOnFocus.h"
#include "Settings.h"
#include "TabHub.h"
#include "Technicians.h"
#include "ui_ClientSurveyPage.h"
#include "ui_EfficiencyPage.h"
#include "ui_FlowHoodPage.h"
#include "ui_HomePage.h"
#include "ui_HouseLeakagePage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The Home page keeps no entries; entering it puts the focus where the next step begins.
class HomePageBehaviour final : public PageBehaviour
{
public:
    explicit HomePageBehaviour(frmHVACMain& form) : m_form(form) {}

    void prepare() override
    {
        m_form.session.mblnDataChanged = false;
        if (m_form.mblnFormReady)
            focusIfShown(m_form.home->cmdHomePlayMovie);
        if (m_form.home->cmdContinueFromHome->isEnabled())
            focusIfShown(m_form.home->cmdContinueFromHome);
    }

private:
    frmHVACMain& m_form;
};

// The media page is a window of its own: entering it shows the viewer until the user closes
// it, then the form goes back to the page left.
class MediaPageBehaviour final : public PageBehaviour
{
public:
    explicit MediaPageBehaviour(frmHVACMain& form) : m_form(form) {}

    void prepare() override { ShowMediaViewer(m_form.state, m_form.window()); }
    bool returnsWhenPrepared() const override { return true; }

private:
    frmHVACMain& m_form;
};

} // namespace

frmHVACMain::frmHVACMain(ProgramState& state_, QWidget* parent)
    : QWidget(parent), home(std::make_unique<Ui::HomePage>()),
      survey(std::make_unique<Ui::ClientSurveyPage>()),
      hl(std::make_unique<Ui::HouseLeakagePage>()), fh(std::make_unique<Ui::FlowHoodPage>()),
      dl(std::make_unique<Ui::EfficiencyPage>()), state(state_), validation(this)
{
    setObjectName(QStringLiteral("frmHVACMain"));
    setWindowTitle(designedCaption());
    tabMain = new QTabWidget(this);
    tabMain->setObjectName(QStringLiteral("tabMain"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabMain);

    auto addPage = [this](QWidget*& page, const char* name, const QString& caption) {
        if (!page)
            page = new QWidget;
        page->setObjectName(QLatin1String(name));
        tabMain->addTab(page, caption);
    };
    pageHome = new QWidget;
    home->setupUi(pageHome);
    pageClientSurvey = new QWidget;
    survey->setupUi(pageClientSurvey);
    pageHouseLeakage = new QWidget;
    hl->setupUi(pageHouseLeakage);
    pageFlowHood = new QWidget;
    fh->setupUi(pageFlowHood);
    pageEfficiency = new QWidget;
    dl->setupUi(pageEfficiency);
    addPage(pageHome, "pageHome", pages::Home);
    addPage(pageClientSurvey, "pageClientSurvey", pages::ClientSurvey);
    addPage(pageHouseLeakage, "pageHouseLeakage", pages::HouseLeakage);
    addPage(pageFlowHood, "pageFlowHood", pages::FlowHood);
    addPage(pageEfficiency, "pageEfficiency", pages::Efficiency);
    addPage(pageMedia, "pageMedia", pages::Media);

    resize(1000, 730);
    platform::SelectAllOnFocus::install(this);

    // Each subsystem gets its own page and what it needs of the others; the tab hub comes
    // first, as every page moves between pages through it.
    hub = std::make_unique<TabHub>(*this);
    const PageContext context{state, session, validation, *hub, this};
    climate = std::make_unique<CurrentClimate>(
        state, session,
        CurrentClimate::Controls{survey->lblClimate, survey->cmdSelectClimate,
                                 home->lblSelectClimate, home->cmdSelectDefaultClimate},
        this);
    clients = std::make_unique<ClientRecords>(context, *home, *survey, pageClientSurvey, *climate);
    technicians = std::make_unique<Technicians>(context, *home);
    houseLeakage = std::make_unique<HouseLeakageTab>(
        context, *hl, pageHouseLeakage,
        HouseDataBoxes{survey->txtHLLivingArea, survey->cmbHLStories, survey->txtHLCeilingHeight,
                       survey->txtHLBedrooms},
        *technicians);
    flowHood = std::make_unique<FlowHoodTab>(
        session,
        DuctLeakBoxes{dl->txtDLSupplyLeaksSqIn, dl->txtDLReturnLeaksSqIn, dl->txtDLTotalLeaksSqIn});
    efficiency =
        std::make_unique<EfficiencyTab>(context, *dl, pageEfficiency, *technicians, *flowHood);
    homeBehaviour = std::make_unique<HomePageBehaviour>(*this);
    mediaBehaviour = std::make_unique<MediaPageBehaviour>(*this);
    hub->registerPage(pages::Home, *homeBehaviour);
    hub->registerPage(pages::ClientSurvey, *clients);
    hub->registerPage(pages::HouseLeakage, *houseLeakage);
    hub->registerPage(pages::FlowHood, *flowHood);
    hub->registerPage(pages::Efficiency, *efficiency);
    hub->registerPage(pages::Media, *mediaBehaviour);
    reportSource = std::make_unique<PageReportSource>(*this);
    reports = std::make_unique<ReportBuilder>(
        state, this,
        ReportBuilder::Buttons{hl->cmdHLViewClientReport, hl->cmdHLPrintClientReport,
                               hl->cmdHLViewTechReport, hl->cmdHLPrintTechReport,
                               hl->cmdContinueFromHLTab},
        *reportSource);
    wireSession();
}

void frmHVACMain::wireSession()
{
    // Tests shown belong to the client that was current; another client starts with none, so
    // that no page shows or saves a test under the wrong client.
    connect(&session, &Session::clientChanged, &session, &Session::clearCurrentTests);
    // Results computed for another climate or other house data must not reach a report.
    connect(&session, &Session::climateChanged, &session, &Session::clearResults);
    connect(&session, &Session::houseDataChanged, &session, &Session::clearResults);
    connect(&session, &Session::resultsCleared, houseLeakage.get(),
            &HouseLeakageTab::ClearHLResults);
    // A climate the user chose for the client is an edit of the client.
    connect(climate.get(), &CurrentClimate::clientClimateChosen, clients.get(),
            &ClientRecords::EnableClientSave);
}

frmHVACMain::~frmHVACMain() = default;

QString frmHVACMain::designedCaption()
{
    return QStringLiteral("Ostrel9 Home Performance Diagnostics");
}

void frmHVACMain::Form_Initialize()
{
    // 1-3: a fresh log for this run and the notice that error messages append.
    mblnFormReady = false;
    state.gLog.setQuiet(true);
    state.gLog.setFilename(state.path(QStringLiteral("Ostrel7.log")));
    state.gLog.DeleteLogFile();
    state.gstrErrorLoggedNote = QStringLiteral("\r\n\r\nThis error has been logged to ") +
                                state.gLog.Filename() +
                                QStringLiteral(".  This file will be overwritten the next time "
                                               "you run this program.");

    // 4: the version label is the first control touched, which loads the form.
    Form_Load();
    home->zlblAppRevision->setText(
        QStringLiteral("Version %1.%2.%3")
            .arg(QCoreApplication::applicationVersion().section('.', 0, 0),
                 QCoreApplication::applicationVersion().section('.', 1, 1),
                 QCoreApplication::applicationVersion().section('.', 2, 2)));

    // 5-7
    setWindowTitle(designedCaption() +
                   QStringLiteral(" *****DEBUGGING DISABLED FOR TESTING******"));
    session.setClientID(-1);
    session.clearCurrentTests();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }

    // 8: row positions of the house leakage data sets.
    houseLeakage->TakeRowPositions();
    state.gintBlowerCount = 1;

    // 9-10: databases, then the fixed lists.
    InitializeData(state);
    InitializeLists(*this);

    // 11: lists read from tables.
    clients->RefreshClientCity();
    clients->RefreshClientSelect();
    clients->RefreshClientState();
    houseLeakage->RefreshBlowerModel();
    houseLeakage->RefreshRange();
    technicians->RefreshTechnician();

    // 12: test grids.
    houseLeakage->SetUpHLTests();
    efficiency->SetUpDLGrid();

    // 13
    LoadHomePicture();

    // 14: the default climate; whether it was found does not matter here.
    climate->SetCurrentClimate(GetAppSetting(state.gcnnUser, QStringLiteral("DefaultZoneID")));
    climate->UpdateStandardClimateCaption(session.mstrClimateCity() + QStringLiteral(", ") +
                                          session.mstrClimateState());

    // 15
    InitializeSettings(*this);

    // 16-17
    if (home->cmdContinueFromHome->isEnabled())
        home->cmdContinueFromHome->setFocus();
    session.mblnDataChanged = false;
    mblnFormReady = true;
}

void frmHVACMain::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    clients->DisableClientData();
    LoadCompanyLogo();
    hub->CheckTabEnables();
    tabMain->setCurrentIndex(0);
}

void frmHVACMain::LoadCompanyLogo()
{
    const QString logo = state.path(QStringLiteral("CompanyLogo.gif"));
    if (QFileInfo::exists(logo))
        home->pbxCompanyLogo->setPixmap(QPixmap(logo));
}

void frmHVACMain::LoadHomePicture()
{
    // A missing or unreadable picture is logged; the program goes on without it.
    const QString file = state.path(QStringLiteral("homepage.jpg"));
    QPixmap picture;
    if (!picture.load(file)) {
        state.gLog.NewEntry(QStringLiteral("Home page picture not found: ") + file);
        home->picTab1->clear();
        return;
    }
    home->picTab1->setPixmap(picture);
}

void frmHVACMain::Form_QueryUnload()
{
    // Errors of closing a presentation are ignored; the unload is never cancelled.
    QCoreApplication::processEvents();
    CloseSlideShows(state);
}

void frmHVACMain::Form_Unload()
{
    houseLeakage->mobjHLTest.reset();
    if (state.gcnnUser.isOpen())
        state.gcnnUser.close();
}
