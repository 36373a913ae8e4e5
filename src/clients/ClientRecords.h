#pragma once

#include <QObject>

class frmHVACMain;

// The client list, loading, saving, starting and deleting clients, the city and state lists.
class ClientRecords : public QObject
{
public:
    explicit ClientRecords(frmHVACMain& form);

    void RefreshClientCity();
    void RefreshClientSelect();
    void RefreshClientState();
    void DisableClientData();
    // False when a check refused and nothing was saved.
    bool SaveThisClient();
    void CancelClientChanges();
    void ClearClient();
    void cmdAddClient_Click();

private:
    frmHVACMain& m_form;
};
