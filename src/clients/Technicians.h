#pragma once

#include <QObject>

class frmHVACMain;

// The technician list of the Home page.
class Technicians : public QObject
{
public:
    explicit Technicians(frmHVACMain& form);

    void RefreshTechnician();

private:
    frmHVACMain& m_form;
};
