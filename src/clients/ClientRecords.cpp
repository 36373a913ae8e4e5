#include "ClientRecords.h"

#include "frmHVACMain.h"

ClientRecords::ClientRecords(frmHVACMain& form) : m_form(form) {}

void ClientRecords::RefreshClientCity() {}
void ClientRecords::RefreshClientSelect() {}
void ClientRecords::RefreshClientState() {}
void ClientRecords::DisableClientData() {}
bool ClientRecords::SaveThisClient() { return true; }
void ClientRecords::CancelClientChanges() {}
void ClientRecords::ClearClient() {}
void ClientRecords::cmdAddClient_Click() {}
