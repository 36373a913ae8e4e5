#include "Session.h"

Session::Session(QObject* parent) : QObject(parent) {}

void Session::setClientID(int32_t clientId)
{
    if (clientId == m_clientId)
        return;
    m_clientId = clientId;
    emit clientChanged(clientId);
}

void Session::setClimate(const ClimateValues& climate)
{
    const bool another = climate.uniqueId != m_climate.uniqueId;
    m_climate = climate;
    if (another)
        emit climateChanged();
}

void Session::clearClimate()
{
    const bool another = !m_climate.uniqueId.isEmpty();
    m_climate.city.clear();
    m_climate.lblZone.clear();
    m_climate.uniqueId.clear();
    if (another)
        emit climateChanged();
}

void Session::houseDataEdited()
{
    emit houseDataChanged();
}

void Session::clearResults()
{
    emit resultsCleared();
}

void Session::clearCurrentTests()
{
    mintCurrentHltID = -1;
    mintCurrentDlaID = -1;
    mintCurrentFHTestID = -1;
}

void Session::setClientSavePending(bool pending)
{
    if (pending == m_clientSavePending)
        return;
    m_clientSavePending = pending;
    emit clientSavePendingChanged(pending);
}
