#pragma once

#include <QObject>

class frmHVACMain;

// The technician list of the Home page: choosing, adding and deleting technicians.
class Technicians : public QObject
{
public:
    explicit Technicians(frmHVACMain& form);

    void RefreshTechnician();
    void cmbTechnician_Click();
    void cmbTechnician_KeyDown(int keyCode);
    void txtAddTechnician_KeyUp(int keyCode);
    void txtAddTechnician_Validate(bool& cancel);

    static constexpr int KeyDelete = 46;
    static constexpr int KeyReturn = 13;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Adds the typed name (or finds it) and chooses it.
    void addTechnician();

    frmHVACMain& m_form;
};
