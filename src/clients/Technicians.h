#pragma once

#include <QObject>
#include <QString>

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

    // A reloaded test's technician: the list's entry of that name or, when the list no longer
    // holds it, an entry for that test only, stored nowhere and never remembered. A test
    // without a name leaves the choice as it is.
    void showTestTechnician(const QString& name);
    // Takes such an entry out again; when it was chosen, the remembered technician is.
    void dropTestTechnician();

    static constexpr int KeyDelete = 46;
    static constexpr int KeyReturn = 13;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Adds the typed name (or finds it) and chooses it.
    void addTechnician();
    int testTechnicianIndex() const;

    frmHVACMain& m_form;
};
