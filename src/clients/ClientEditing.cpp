// Starting, clearing and cancelling a client, the enabling of its boxes and their edit handlers.
#include "ClientRecords.h"

#include "ClientSurvey.h"
#include "CurrentClimate.h"
#include "DatabaseAction.h"
#include "Dialogs.h"
#include "HouseData.h"
#include "ListFunctions.h"
#include "PageNavigation.h"
#include "Pages.h"
#include "ProgramState.h"
#include "Session.h"
#include "Settings.h"
#include "ui_ClientSurveyPage.h"
#include "ui_HomePage.h"
#include "vbformat.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

void blankList(QComboBox* list)
{
    list->setCurrentIndex(-1);
    if (list->isEditable())
        list->clearEditText();
}

} // namespace

// ---- new client, clearing, cancelling ----

void ClientRecords::cmdAddClient_Click()
{
    m_ctx.navigation.CheckTabEnables();
    ClearClient();
    m_climate.SetCurrentClimate(
        GetAppSetting(m_ctx.state.gcnnUser, QStringLiteral("DefaultZoneID")));
    // The name box takes the focus only where it can be seen; typing into a box hidden on
    // another page would go unseen.
    if (m_surveyUi->txtClientName->isVisible())
        m_surveyUi->txtClientName->setFocus();
}

void ClientRecords::ClearClient()
{
    ClearClientInfo();
    {
        const Session::Filling filling(m_ctx.session);
        m_home->cmbClientSelect->setCurrentIndex(-1);
        EnableClientSave();
        m_surveyUi->txtClientEnteredDate->setText(
            vbrt::formatDate(QDateTime::currentDateTime(), DateFormat));
    }
    m_home->lblEnterNewClientInfo->show();
    m_newClient = true;
    // A new client has no row yet: nothing of the client shown before may be deleted or
    // have tests saved under it.
    m_ctx.session.setClientID(-1);
    m_home->cmdDeleteClient->setEnabled(false);
}

void ClientRecords::ClearClientInfo()
{
    const Session::Filling filling(m_ctx.session);
    auto* ui = m_surveyUi;
    ui->txtClientName->clear();
    ui->txtClientStreet->clear();
    blankList(ui->cmbClientCity);
    blankList(ui->cmbClientState);
    ui->txtClientEnteredDate->clear();
    m_houseData->clear();
    m_survey->clear();
    m_cityChanged = false;
    m_stateChanged = false;
    m_climate.SetCurrentClimate(
        GetAppSetting(m_ctx.state.gcnnUser, QStringLiteral("DefaultZoneID")));
}

void ClientRecords::CancelClientChanges()
{
    ClearClientInfo();
    if (m_home->cmbClientSelect->currentIndex() >= 0)
        cmbClientSelect_Click();
    DisableClientSave();
}

// ---- the Client Survey page for the tab hub ----

void ClientRecords::discard()
{
    runDatabaseAction(m_ctx.state, DbAccess::Read,
                      QStringLiteral("The client could not be loaded."),
                      [this] { CancelClientChanges(); });
}

void ClientRecords::prepare()
{
    const auto newClient = [this] {
        runDatabaseAction(m_ctx.state, DbAccess::Read,
                          QStringLiteral("A new client could not be started."),
                          [this] { cmdAddClient_Click(); });
    };
    auto* home = m_home;
    if (home->cmbTechnician->currentIndex() >= 0) {
        if (home->cmbClientSelect->currentIndex() < 0)
            newClient();
        else
            focusIfShown(home->cmbClientSelect);
    } else {
        newClient();
        focusIfShown(home->cmbTechnician);
    }
}

// ---- enabling ----

QList<QWidget*> ClientRecords::clientDataControls() const
{
    auto* ui = m_surveyUi;
    QList<QWidget*> all{ui->txtClientName, ui->txtClientStreet, ui->cmbClientCity,
                        ui->cmbClientState, ui->txtClientEnteredDate};
    all << m_houseData->controls() << m_survey->controls();
    all << ui->cmdClientComments << m_home->cmdDeleteClient;
    return all;
}

void ClientRecords::EnableClientData()
{
    for (QWidget* w : clientDataControls())
        w->setEnabled(true);
    // A client not stored yet has nothing to delete.
    m_home->cmdDeleteClient->setEnabled(m_ctx.session.gintClientID() >= 0);
}

void ClientRecords::DisableClientData()
{
    for (QWidget* w : clientDataControls())
        w->setEnabled(false);
    DisableClientSave();
}

void ClientRecords::EnableClientSave()
{
    m_ctx.session.setClientSavePending(true);
    EnableClientData();
}

void ClientRecords::DisableClientSave()
{
    m_ctx.session.setClientSavePending(false);
}

void ClientRecords::showSaveCaption(bool pending)
{
    m_surveyUi->cmdSaveClient->setText(pending ? SaveCaption : ContinueCaption);
}

// ---- edit handlers ----

void ClientRecords::clientEdited()
{
    if (m_surveyUi->txtClientName->text().isEmpty())
        return;
    EnableClientSave();
    m_ctx.session.mblnDataChanged = true;
}

void ClientRecords::txtClientName_Change()
{
    if (m_ctx.session.isFilling())
        return;
    if (m_surveyUi->txtClientName->text().isEmpty()) {
        message(NameRequired);
        return;
    }
    EnableClientSave();
    m_ctx.session.mblnDataChanged = true;
}

void ClientRecords::cmbClientCity_Change()
{
    if (m_ctx.session.isFilling())
        return;
    QComboBox* city = m_surveyUi->cmbClientCity;
    if (LocateComboText(city, city->currentText()) < 0)
        m_cityChanged = true;
    clientEdited();
}

void ClientRecords::cmbClientState_Change()
{
    if (m_ctx.session.isFilling())
        return;
    QComboBox* state = m_surveyUi->cmbClientState;
    if (LocateComboText(state, state->currentText()) < 0)
        m_stateChanged = true;
    // A typed state is an edit like a picked one; without this it could go unsaved.
    clientEdited();
}

namespace {

void replaceQuotes(QLineEdit* box)
{
    if (box->text().contains('"'))
        box->setText(box->text().replace('"', '\''));
}

} // namespace

void ClientRecords::txtClientName_Validate(bool&)
{
    QLineEdit* box = m_surveyUi->txtClientName;
    // Focus can sit in the name box while the Home page hides it (a new client started
    // there); leaving it shows the page. A page change itself is not turned back.
    if (m_ctx.navigation.currentPage() == pages::Home && !box->isVisible())
        m_ctx.navigation.showPage(pages::ClientSurvey);
    replaceQuotes(box);
}

void ClientRecords::txtClientStreet_Validate(bool&)
{
    replaceQuotes(m_surveyUi->txtClientStreet);
}

void ClientRecords::cmbClientCity_Validate(bool&)
{
    QComboBox* city = m_surveyUi->cmbClientCity;
    if (city->currentText().contains('"'))
        city->setEditText(city->currentText().replace('"', '\''));
}

void ClientRecords::message(const QString& text)
{
    m_ctx.state.dialogs.msgBox(text, MsgButtons::OK, MsgIcon::None, ProgramState::title());
}
