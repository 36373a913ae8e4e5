#pragma once

#include <QObject>
#include <QString>

class frmHVACMain;

// The main form's current climate (the client's) and the standard climate's caption.
class CurrentClimate : public QObject
{
public:
    explicit CurrentClimate(frmHVACMain& form);

    // Loads the climate with that UniqueID; an empty id, or one that matches nothing, loads
    // the first (most used) climate. False when the id was not found or there is no climate.
    bool SetCurrentClimate(const QString& uniqueId);
    void UpdateClimateCaption();
    void UpdateStandardClimateCaption(const QString& caption);

    void cmdSelectClimate_Click();
    void cmdSelectDefaultClimate_Click();

private:
    bool applyClimate(const QString& uniqueId);
    frmHVACMain& m_form;
};
