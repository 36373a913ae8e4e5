#pragma once

#include <QList>
#include <QPair>
#include <QString>

class frmHVACMain;

using FixedList = QList<QPair<QString, int>>; // text, item code

// The lists whose entries never change, by the name of the control (or control array) they fill.
const FixedList& fixedList(const QString& controlName);

// Fills every fixed list on the form and switches the field checks' messages on.
void InitializeLists(frmHVACMain& form);
// Selects the technician last used.
void InitializeSettings(frmHVACMain& form);
