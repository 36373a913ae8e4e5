#pragma once

#include "PageBehaviour.h"
#include "PageContext.h"

#include <QList>
#include <QObject>
#include <QSqlRecord>
#include <QString>

#include <cstdint>
#include <memory>

class CurrentClimate;
class HouseData;
class ClientSurvey;
class QComboBox;
class QWidget;

namespace Ui {
class ClientSurveyPage;
class HomePage;
} // namespace Ui

// The client list, loading, saving, starting and deleting clients, the city and state lists.
// The contact and house boxes lie on the Client Survey page; the client choice on the Home page.
class ClientRecords : public QObject, public PageBehaviour
{
public:
    // The client choice lies on the Home page, the client's boxes on the Client Survey page.
    ClientRecords(const PageContext& context, Ui::HomePage& home, Ui::ClientSurveyPage& survey,
                  QWidget* surveyPage, CurrentClimate& climate);
    ~ClientRecords() override;

    // The Client Survey page as the tab hub leaves or enters it.
    bool holdsEntries() const override { return true; }
    bool save() override { return SaveThisClient(); }
    void discard() override;
    void prepare() override;

    void RefreshClientCity();
    void RefreshClientSelect();
    void RefreshClientState();

    void cmbClientSelect_Click();
    // False when a check refused and nothing was saved.
    bool SaveThisClient();
    void cmdSaveClient_Click();
    void cmdBypassInterview_Click();
    void cmdAddClient_Click();
    void ClearClient();
    void ClearClientInfo();
    void CancelClientChanges();
    void cmdDeleteClient_Click();
    // False when the database failed (told to the user) and nothing was deleted.
    bool DeleteClientRecord(int32_t clientId);

    void EnableClientData();
    void DisableClientData();
    void EnableClientSave();
    void DisableClientSave();

    // Pending edits of the client, kept by the session; the save button's caption follows.
    bool clientSavePending() const;
    bool isNewClient() const { return m_newClient; }

    // An edit of a client box: marks the client as changed once it has a name, so that an
    // unnamed blank form never asks to be saved. Edits made while the session is filling are
    // ignored by the handlers (the fill sets the save state itself).
    void clientEdited();

    HouseData& houseData() { return *m_houseData; }
    ClientSurvey& survey() { return *m_survey; }

    static const QString SaveCaption;     // "&Save && Continue"
    static const QString ContinueCaption; // "&Continue"
    static const QString NameRequired;
    // Time stamps of clients, as shown and typed.
    static const QString DateFormat;

private:
    void connectSignals();
    void showSaveCaption(bool pending);
    void cmbClientCity_Change();
    void cmbClientState_Change();
    void txtClientName_Change();
    void txtClientName_Validate(bool& cancel);
    void txtClientStreet_Validate(bool& cancel);
    void cmbClientCity_Validate(bool& cancel);

    void showClientRow(const QSqlRecord& row);
    void writeClientRow(const QVariant& dateAdded);
    // The date box as a value to store; false (with the message shown) when it is no date.
    bool enteredDate(QVariant& value);
    void setClientDataEnabled(bool enabled);
    void selectCurrentClient();
    QList<QWidget*> clientDataControls() const;
    void message(const QString& text);

    PageContext m_ctx;
    Ui::HomePage* m_home;
    Ui::ClientSurveyPage* m_surveyUi;
    CurrentClimate& m_climate;
    std::unique_ptr<HouseData> m_houseData;
    std::unique_ptr<ClientSurvey> m_survey;
    bool m_newClient = false;
    bool m_cityChanged = false;
    bool m_stateChanged = false;
};

// Shows a stored text in a list: the entry with that text, or, for a list the user may type
// into, the text itself; otherwise an entry of its own, kept only until the list shows another
// text. An empty text selects nothing.
void showListText(QComboBox* list, const QString& text);
