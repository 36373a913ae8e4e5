#pragma once

#include <QString>

// The technician chosen on the Home page, as the pages that save or print under a technician's
// name see it.
class TechnicianChoice
{
public:
    virtual ~TechnicianChoice() = default;

    // The name shown as chosen; empty when none is.
    virtual QString currentTechnician() const = 0;
    // A reloaded test's technician: chosen for that test, listed for it alone when the list no
    // longer holds the name. A test without a name leaves the choice as it is.
    virtual void showTestTechnician(const QString& name) = 0;
    // Takes such an entry out again.
    virtual void dropTestTechnician() = 0;
};
