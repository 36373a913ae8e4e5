#pragma once

#include "FieldValidation.h"
#include "Session.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>

class QTabWidget;
struct ProgramState;
class ClientRecords;
class Technicians;
class CurrentClimate;
class HouseLeakageTab;
class EfficiencyTab;
class FlowHoodTab;
class PageBehaviour;
class TabHub;
class ReportBuilder;
class ReportSource;

namespace Ui {
class HomePage;
class ClientSurveyPage;
class HouseLeakagePage;
class FlowHoodPage;
class EfficiencyPage;
} // namespace Ui

// The tabbed main form. It owns the pages' widgets and the session, the state the pages share;
// each subsystem's behaviour lives in its own class, given its own page and, through the
// session and narrow interfaces, what it needs of the others.
class frmHVACMain : public QWidget
{
public:
    frmHVACMain(ProgramState& state, QWidget* parent = nullptr);
    ~frmHVACMain() override;

    // Start-up and shut-down.
    void Form_Initialize();
    void Form_Load();
    void Form_QueryUnload();
    void Form_Unload();

    QTabWidget* tabMain = nullptr;
    QWidget* pageHome = nullptr;
    QWidget* pageClientSurvey = nullptr;
    QWidget* pageHouseLeakage = nullptr;
    QWidget* pageFlowHood = nullptr;
    QWidget* pageEfficiency = nullptr;
    QWidget* pageMedia = nullptr;
    std::unique_ptr<Ui::HomePage> home;
    std::unique_ptr<Ui::ClientSurveyPage> survey;
    std::unique_ptr<Ui::HouseLeakagePage> hl;
    std::unique_ptr<Ui::FlowHoodPage> fh;
    std::unique_ptr<Ui::EfficiencyPage> dl;

    ProgramState& state;
    platform::FieldValidation validation;
    // The state the pages share and the changes they react to (see wireSession).
    Session session;

    // Each subsystem's behaviour on the form.
    std::unique_ptr<ClientRecords> clients;
    std::unique_ptr<Technicians> technicians;
    std::unique_ptr<CurrentClimate> climate;
    std::unique_ptr<HouseLeakageTab> houseLeakage;
    std::unique_ptr<EfficiencyTab> efficiency;
    std::unique_ptr<FlowHoodTab> flowHood;
    // What the Home and media pages do as they are entered; the other pages' subsystems
    // carry their own.
    std::unique_ptr<PageBehaviour> homeBehaviour;
    std::unique_ptr<PageBehaviour> mediaBehaviour;
    std::unique_ptr<TabHub> hub;
    std::unique_ptr<ReportSource> reportSource;
    std::unique_ptr<ReportBuilder> reports;

    // The form's own state; what the pages share lives in session.
    bool mblnFormReady = false;
    bool mblnRevertingTab = false;

    // The caption the window was designed with; start-up appends a suffix to it.
    static QString designedCaption();

private:
    // The reactions of one page to another's changes, connected once.
    void wireSession();
    void LoadCompanyLogo();
    void LoadHomePicture();
    bool m_loaded = false;
};
