#pragma once

#include <QObject>
#include <QString>

class frmHVACMain;

// The main form's current climate and its caption.
class CurrentClimate : public QObject
{
public:
    explicit CurrentClimate(frmHVACMain& form);

    bool SetCurrentClimate(const QString& uniqueId);
    void UpdateStandardClimateCaption(const QString& caption);

private:
    frmHVACMain& m_form;
};
