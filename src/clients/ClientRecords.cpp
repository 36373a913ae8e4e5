#include "ClientRecords.h"

#include "ClientSurvey.h"
#include "CurrentClimate.h"
#include "Database.h"
#include "DatabaseAction.h"
#include "DatabaseError.h"
#include "Dialogs.h"
#include "FieldValidation.h"
#include "HouseData.h"
#include "ListFunctions.h"
#include "PageNavigation.h"
#include "Pages.h"
#include "ProgramState.h"
#include "Session.h"
#include "Settings.h"
#include "StoredValues.h"
#include "WaitCursor.h"
#include "ui_ClientSurveyPage.h"
#include "ui_HomePage.h"
#include "vbdate.h"
#include "vberror.h"
#include "vbformat.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTabWidget>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

const QString ClientRecords::SaveCaption = QStringLiteral("&Save && Continue");
const QString ClientRecords::ContinueCaption = QStringLiteral("&Continue");

const QString ClientRecords::NameRequired =
    QStringLiteral("Every client must have a name. Please enter a name for this client.");
const QString ClientRecords::DateFormat = QStringLiteral("mm/dd/yyyy h:mm am/pm");

namespace {

// Long lists are read forward only, without the driver keeping every row.
QSqlQuery readRows(const QSqlDatabase& db, const QString& sql)
{
    return execSql(db, sql, QVariantList(), true);
}

// A statement whose values come with their column names.
QSqlQuery execSqlValues(const QSqlDatabase& db, const QString& sql, const ClientValues& values)
{
    QVariantList bound;
    for (const auto& [column, value] : values)
        bound << value;
    return execSql(db, sql, bound);
}

// Fills a list from the first column of a query, keeping the second as the item data when
// there is one. The items go into the model in one step: a list of thousands of clients
// would otherwise announce every row on its own.
void fillList(QComboBox* list, QSqlQuery& q, bool withData)
{
    const QSignalBlocker block(list);
    list->clear();
    QList<QStandardItem*> items;
    while (q.next()) {
        std::optional<int32_t> id;
        if (withData) {
            // A row whose id the program cannot hold could never be loaded or saved back.
            id = stored::whole32(q.value(1));
            if (!id)
                continue;
        }
        auto* item = new QStandardItem(stored::text(q.value(0)));
        if (id)
            item->setData(*id, Qt::UserRole);
        items.append(item);
    }
    if (auto* model = qobject_cast<QStandardItemModel*>(list->model()))
        model->invisibleRootItem()->appendRows(items);
    list->setCurrentIndex(-1);
    if (list->isEditable())
        list->clearEditText();
}

QString storedDate(const QVariant& value)
{
    // Text that is no date shows as it is: the save asks for a valid one.
    const auto when = stored::dateTime(value);
    return when ? vbrt::formatDate(*when, ClientRecords::DateFormat) : stored::text(value);
}

} // namespace

void showListText(QComboBox* list, const QString& text)
{
    // The previous client's answer from an older list is no answer for this one.
    constexpr int StoredOnlyRole = Qt::UserRole + 1;
    for (int i = list->count() - 1; i >= 0; --i)
        if (list->itemData(i, StoredOnlyRole).toBool())
            list->removeItem(i);
    const int index = text.isEmpty() ? -1 : LocateComboText(list, text);
    list->setCurrentIndex(index);
    // A city, state or room name the user typed is no entry of the list; it must still show,
    // or the next save would store it blank.
    if (index < 0 && list->isEditable())
        list->setEditText(text);
    // An answer stored from an older list keeps its entry while its client is shown, so a
    // save does not erase it.
    if (index < 0 && !list->isEditable() && !text.isEmpty()) {
        list->addItem(text, -1);
        list->setItemData(list->count() - 1, true, StoredOnlyRole);
        list->setCurrentIndex(list->count() - 1);
    }
}

ClientRecords::ClientRecords(const PageContext& context, Ui::HomePage& home,
                             Ui::ClientSurveyPage& survey, QWidget* surveyPage,
                             CurrentClimate& climate)
    : m_ctx(context), m_home(&home), m_surveyUi(&survey), m_climate(climate),
      m_houseData(std::make_unique<HouseData>(context, survey, *this)),
      m_survey(std::make_unique<ClientSurvey>(context, survey, surveyPage, *this))
{
    connectSignals();
}

ClientRecords::~ClientRecords() = default;

void ClientRecords::connectSignals()
{
    auto* ui = m_surveyUi;
    auto* home = m_home;
    // The save button's caption shows whether the client waits to be saved.
    connect(&m_ctx.session, &Session::clientSavePendingChanged, this,
            &ClientRecords::showSaveCaption);
    showSaveCaption(m_ctx.session.clientSavePending());
    // Typed text must stay as typed: no completion from the list.
    ui->cmbClientCity->setCompleter(nullptr);
    ui->cmbClientState->setCompleter(nullptr);

    connect(home->cmbClientSelect, &QComboBox::currentIndexChanged, this, [this] {
        runDatabaseAction(m_ctx.state, DbAccess::Read,
                          QStringLiteral("The client could not be loaded."),
                          [this] { cmbClientSelect_Click(); });
    });
    connect(home->cmdAddClient, &QPushButton::clicked, this, [this] {
        runDatabaseAction(m_ctx.state, DbAccess::Read,
                          QStringLiteral("A new client could not be started."),
                          [this] { cmdAddClient_Click(); });
    });
    connect(home->cmdDeleteClient, &QPushButton::clicked, this,
            &ClientRecords::cmdDeleteClient_Click);
    connect(ui->cmdSaveClient, &QPushButton::clicked, this, &ClientRecords::cmdSaveClient_Click);
    connect(ui->cmdBypassInterview, &QPushButton::clicked, this,
            &ClientRecords::cmdBypassInterview_Click);

    connect(ui->txtClientName, &QLineEdit::textChanged, this, &ClientRecords::txtClientName_Change);
    const auto edited = [this] {
        if (!m_ctx.session.isFilling())
            clientEdited();
    };
    connect(ui->txtClientStreet, &QLineEdit::textChanged, this, edited);
    connect(ui->txtClientEnteredDate, &QLineEdit::textChanged, this, [this, edited] {
        if (!m_surveyUi->txtClientEnteredDate->text().isEmpty())
            edited();
    });
    connect(ui->cmbClientCity, &QComboBox::editTextChanged, this,
            &ClientRecords::cmbClientCity_Change);
    connect(ui->cmbClientCity, &QComboBox::currentIndexChanged, this, edited);
    connect(ui->cmbClientState, &QComboBox::editTextChanged, this,
            &ClientRecords::cmbClientState_Change);
    connect(ui->cmbClientState, &QComboBox::currentIndexChanged, this, edited);

    m_ctx.validation.addCheck(ui->txtClientName,
                              [this](bool& cancel) { txtClientName_Validate(cancel); });
    m_ctx.validation.addCheck(ui->txtClientStreet,
                              [this](bool& cancel) { txtClientStreet_Validate(cancel); });
    m_ctx.validation.addCheck(ui->cmbClientCity,
                              [this](bool& cancel) { cmbClientCity_Validate(cancel); });
}

// ---- lists ----

void ClientRecords::RefreshClientSelect()
{
    // Alphabetical, so that a client is found among many; equal names in the order added.
    QSqlQuery q =
        readRows(m_ctx.state.gcnnUser, QStringLiteral("SELECT ClientName, ClientID FROM Clients "
                                                      "ORDER BY ClientName, ClientID"));
    fillList(m_home->cmbClientSelect, q, true);
}

void ClientRecords::RefreshClientCity()
{
    QSqlQuery q = readRows(m_ctx.state.gcnnUser, QStringLiteral("SELECT city FROM Cities"));
    const Session::Filling filling(m_ctx.session);
    fillList(m_surveyUi->cmbClientCity, q, false);
}

void ClientRecords::RefreshClientState()
{
    QSqlQuery q = readRows(m_ctx.state.gcnnUser, QStringLiteral("SELECT State FROM States"));
    const Session::Filling filling(m_ctx.session);
    fillList(m_surveyUi->cmbClientState, q, false);
}

// ---- loading ----

void ClientRecords::cmbClientSelect_Click()
{
    QComboBox* list = m_home->cmbClientSelect;
    if (list->currentIndex() < 0)
        return;
    platform::WaitCursor wait;
    m_newClient = false;
    EnableClientData();
    const int32_t clientId = list->currentData().toInt();
    QSqlQuery q = execSql(m_ctx.state.gcnnUser,
                          QStringLiteral("SELECT * FROM Clients WHERE ClientID = ?"), {clientId});
    if (q.next()) {
        const QSqlRecord row = q.record();
        q.finish();
        showClientRow(row);
        m_home->cmdDeleteClient->setEnabled(true);
    } else {
        q.finish();
        message(QStringLiteral("Item not found."));
    }
    DisableClientSave();
    if (m_home->cmbTechnician->currentIndex() >= 0) {
        m_home->lblEnterNewClientInfo->hide();
        m_home->cmdAddClient->show();
        m_ctx.navigation.CheckTabEnables();
    }
    m_ctx.session.mblnDataChanged = false;
}

void ClientRecords::showClientRow(const QSqlRecord& row)
{
    const Session::Filling filling(m_ctx.session);
    auto* ui = m_surveyUi;
    const auto text = [&row](const char* name) {
        return stored::text(row.value(QLatin1String(name)));
    };
    ui->txtClientName->setText(text("ClientName"));
    ui->txtClientStreet->setText(text("ClientAddress"));
    showListText(ui->cmbClientCity, text("ClientCity"));
    showListText(ui->cmbClientState, text("ClientState"));
    ui->txtClientEnteredDate->setText(storedDate(row.value(QStringLiteral("ClientDateAdded"))));
    m_houseData->show(row);
    m_survey->show(row);

    const QVariant zone = row.value(QStringLiteral("ZoneID"));
    if (zone.isNull())
        m_climate.SetCurrentClimate(
            GetAppSetting(m_ctx.state.gcnnUser, QStringLiteral("DefaultZoneID")));
    else if (!stored::text(zone).isEmpty())
        m_climate.SetCurrentClimate(stored::text(zone));

    const int32_t clientId = stored::whole32(row.value(QStringLiteral("ClientID"))).value_or(-1);
    m_ctx.session.setClientID(clientId);
}

// ---- saving ----

bool ClientRecords::clientSavePending() const
{
    return m_ctx.session.clientSavePending();
}

bool ClientRecords::SaveThisClient()
{
    auto* ui = m_surveyUi;
    if (!clientSavePending())
        return true;
    if (ui->txtClientName->text().isEmpty()) {
        message(NameRequired);
        ui->txtClientName->setFocus();
        return false;
    }
    auto& checks = m_ctx.validation;
    if (!checks.runCheck(ui->txtHLLivingArea))
        return false;
    // The stories list's own check belongs to the House Leakage tab, when it has one.
    if (checks.hasCheck(ui->cmbHLStories) && !checks.runCheck(ui->cmbHLStories))
        return false;
    if (!checks.runCheck(ui->txtHLCeilingHeight) || !checks.runCheck(ui->txtHLBedrooms))
        return false;
    // The checks let anything pass while another page is shown (a save asked for on leaving
    // the page); text that is no number still cannot be stored as one.
    if (QLineEdit* box = m_houseData->unstorableBox()) {
        message(QStringLiteral("A number is required."));
        box->setFocus();
        return false;
    }
    QVariant dateAdded;
    if (!enteredDate(dateAdded))
        return false;

    platform::WaitCursor wait;
    // A database failure undoes the whole save; the entries stay, still waiting to be saved.
    const bool wasNew = m_newClient;
    const int32_t clientId = m_ctx.session.gintClientID();
    const bool saved = runDatabaseAction(m_ctx.state, DbAccess::Write,
                                         QStringLiteral("The client could not be saved."), [&] {
                                             DisableClientSave();
                                             {
                                                 const Session::Filling filling(m_ctx.session);
                                                 writeClientRow(dateAdded);
                                                 if (m_cityChanged) {
                                                     RefreshClientCity();
                                                     m_cityChanged = false;
                                                 }
                                                 if (m_stateChanged) {
                                                     RefreshClientState();
                                                     m_stateChanged = false;
                                                 }
                                             }
                                             RefreshClientSelect();
                                             selectCurrentClient();
                                         });
    if (!saved) {
        m_newClient = wasNew;
        m_ctx.session.setClientID(clientId);
        EnableClientSave();
        return false;
    }
    m_ctx.navigation.CheckTabEnables();
    m_ctx.session.mblnDataChanged = false;
    return true;
}

bool ClientRecords::enteredDate(QVariant& value)
{
    QLineEdit* box = m_surveyUi->txtClientEnteredDate;
    const QString text = box->text().trimmed();
    if (text.isEmpty()) {
        value = QVariant(QMetaType::fromType<QDateTime>());
        return true;
    }
    const auto when = vbrt::parseDate(text);
    if (!when) {
        // The date is stored as a date; a text that is none would be lost or end the program.
        message(QStringLiteral("The date entered is not a valid date.  Please enter it as "
                               "mm/dd/yyyy h:mm am/pm."));
        box->setFocus();
        return false;
    }
    value = *when;
    return true;
}

void ClientRecords::writeClientRow(const QVariant& dateAdded)
{
    const QSqlDatabase& db = m_ctx.state.gcnnUser;
    auto* ui = m_surveyUi;
    const auto listText = [&db](const QComboBox* list, const char* field) {
        return fitText(list->currentText(),
                       fieldSize(db, QStringLiteral("Clients"), QLatin1String(field)));
    };
    ClientValues values;
    values.append({QStringLiteral("ClientDateAdded"), dateAdded});
    values.append(
        {QStringLiteral("ClientName"), SaveableText(db, QStringLiteral("Clients"),
                                                    QStringLiteral("ClientName"), ui->txtClientName)
                                           ->text()});
    values.append({QStringLiteral("ClientAddress"),
                   SaveableText(db, QStringLiteral("Clients"), QStringLiteral("ClientAddress"),
                                ui->txtClientStreet)
                       ->text()});
    values.append({QStringLiteral("ClientCity"), listText(ui->cmbClientCity, "ClientCity")});
    values.append({QStringLiteral("ClientState"), listText(ui->cmbClientState, "ClientState")});
    m_houseData->appendValues(values);
    m_survey->appendValues(values);
    values.append({QStringLiteral("ZoneID"), m_ctx.session.mstrClimateUniqueID()});

    QStringList columns;
    for (auto& [column, value] : values) {
        columns << column;
        // Blank text is stored as empty text, never as no value: an empty ZoneID means "no
        // climate", a missing one "the standard climate".
        if (value.metaType() == QMetaType::fromType<QString>() && value.toString().isNull())
            value = QStringLiteral("");
    }
    const auto insertRow = [&] {
        const QString sql =
            QStringLiteral("INSERT INTO Clients (%1) VALUES (%2)")
                .arg(columns.join(QStringLiteral(", ")),
                     QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
        const QSqlQuery q = execSqlValues(db, sql, values);
        m_ctx.session.setClientID(q.lastInsertId().toInt());
    };
    if (m_newClient) {
        m_newClient = false;
        insertRow();
        return;
    }
    const QString sql = QStringLiteral("UPDATE Clients SET %1 = ? WHERE ClientID = ?")
                            .arg(columns.join(QStringLiteral(" = ?, ")));
    ClientValues withId = values;
    withId.append({QStringLiteral("ClientID"), m_ctx.session.gintClientID()});
    // A row removed behind the program's back is written anew rather than lost.
    if (execSqlValues(db, sql, withId).numRowsAffected() == 0)
        insertRow();
}

void ClientRecords::selectCurrentClient()
{
    QComboBox* list = m_home->cmbClientSelect;
    const int index = LocateComboItemData(list, m_ctx.session.gintClientID());
    if (index >= 0)
        list->setCurrentIndex(index);
}

void ClientRecords::cmdSaveClient_Click()
{
    if (SaveThisClient())
        m_ctx.navigation.showPage(pages::HouseLeakage);
}

void ClientRecords::cmdBypassInterview_Click()
{
    cmdSaveClient_Click();
}

// ---- deleting ----

void ClientRecords::cmdDeleteClient_Click()
{
    // Nothing to delete while a new client is being entered.
    if (m_ctx.session.gintClientID() < 0)
        return;
    if (m_ctx.state.dialogs.msgBox(
            QStringLiteral("This will delete the client record and all associated test "
                           "records.  Do you want to delete this client?"),
            MsgButtons::YesNo, MsgIcon::Question, ProgramState::title()) != MsgResult::Yes)
        return;
    // A client that could not be deleted stays on screen.
    if (!DeleteClientRecord(m_ctx.session.gintClientID()))
        return;
    runDatabaseAction(m_ctx.state, DbAccess::Read,
                      QStringLiteral("The client list could not be read."), [this] {
                          RefreshClientSelect();
                          cmdAddClient_Click();
                      });
}

bool ClientRecords::DeleteClientRecord(int32_t clientId)
{
    // The client and all its tests go together or not at all.
    const bool deleted = runDatabaseAction(
        m_ctx.state, DbAccess::Write, QStringLiteral("The client could not be deleted."), [&] {
            for (const char* table :
                 {"Clients", "[Duct Leak Analysis]", "[Flow Hood Tests]", "[House Leakage Tests]"})
                execSql(
                    m_ctx.state.gcnnUser,
                    QStringLiteral("DELETE FROM %1 WHERE ClientID = ?").arg(QLatin1String(table)),
                    {clientId});
        });
    if (deleted)
        message(QStringLiteral("Client and all test data deleted."));
    return deleted;
}
