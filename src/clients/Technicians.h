#pragma once

#include "PageContext.h"
#include "TechnicianChoice.h"

#include <QObject>
#include <QString>

namespace Ui {
class HomePage;
}

// The technician list of the Home page: choosing, adding and deleting technicians.
class Technicians : public QObject, public TechnicianChoice
{
public:
    Technicians(const PageContext& context, Ui::HomePage& home);

    void RefreshTechnician();
    void cmbTechnician_Click();
    void cmbTechnician_KeyDown(int keyCode);
    void txtAddTechnician_KeyUp(int keyCode);
    void txtAddTechnician_Validate(bool& cancel);

    // A reloaded test's technician: the list's entry of that name or, when the list no longer
    // holds it, an entry for that test only, stored nowhere and never remembered. A test
    // without a name leaves the choice as it is.
    void showTestTechnician(const QString& name) override;
    // Takes such an entry out again; when it was chosen, the remembered technician is.
    void dropTestTechnician() override;
    QString currentTechnician() const override;

    static constexpr int KeyDelete = 46;
    static constexpr int KeyReturn = 13;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Adds the typed name (or finds it) and chooses it.
    void addTechnician();
    int testTechnicianIndex() const;

    PageContext m_ctx;
    Ui::HomePage* m_home;
};
