#pragma once

#include "PageBehaviour.h"
#include "PageContext.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

class FlowHoodTab;
class QLineEdit;
class QWidget;
class TechnicianChoice;

namespace Ui {
class EfficiencyPage;
}

// The Efficiency Analysis page: entry, checks, saving and the list of saved analyses.
// The efficiency calculation is not part of this program, so results stay empty and the
// report buttons stay disabled.
class EfficiencyTab : public QObject, public PageBehaviour
{
public:
    // An analysis is saved under the technician chosen; the flow hood page keeps its total
    // leakage.
    EfficiencyTab(const PageContext& context, Ui::EfficiencyPage& page, QWidget* pageWidget,
                  TechnicianChoice& technicians, FlowHoodTab& flowHood);

    // The page as the tab hub leaves or enters it.
    bool holdsEntries() const override { return true; }
    bool save() override { return DLSave(); }
    void discard() override { ClearDLATab(); }
    void prepare() override;

    void SetUpDLGrid();
    void PrepDLATab();
    // False when a check refused and nothing was saved.
    bool DLSave();
    void ClearDLATab();
    void ClearDLResults();

    // True once results are shown; a clearing change blanks them.
    bool mblnDLResultsShown = false;

    // Change and click handlers.
    void cmbDLReturnLeaks_Change();
    void cmbDLAtticRoofCoolingFactor_Click();
    void txtDLInput_Change(); // the six input boxes whose change clears results
    void txtDLDesignValue_Change();
    void cmbDLPrimaryHeat_Change(const QString& typed);
    void cmbDLPrimaryHeat_Click();
    void DLDateNow_Click();
    void cmdDLSave_Click();

    // Leave-a-field checks; also run in this order by DLSave.
    void txtDLTestDateTime_Validate(bool& cancel);
    void txtDLSystemDescription_Validate(bool& cancel);
    void cmbDLPrimaryHeat_Validate(bool& cancel);
    void txtDLTotalBtuInput_Validate(bool& cancel);
    void txtDLTotalCoolingTons_Validate(bool& cancel);
    void txtDLSupplyLeaksSqIn_Validate(bool& cancel);
    void txtDLReturnLeaksSqIn_Validate(bool& cancel);
    void cmbDLReturnLeaks_Validate(bool& cancel);

    // The saved analyses of the current client.
    void RefreshDLTests();
    void ShowDlaRecord(int32_t dlaId);
    void fgdDLTestSelect_SelChange();

    // The result boxes, elements 0 to 8.
    std::array<QLineEdit*, 9> atxtDLACSeer{};
    std::array<QLineEdit*, 9> atxtDLACEfficiency{};
    std::array<QLineEdit*, 9> atxtDLHeatSourceRating{};
    std::array<QLineEdit*, 9> atxtDLHeatingEfficiency{};

private:
    void connectSignals();
    void HeatRelabel(int listPosition);
    void refuse(bool& cancel, const QString& message, bool appTitle);
    // Design values are free to overwrite, but a save must not silently drop one that is no
    // number: false (with the message and the focus on the box) when one is not.
    bool designValuesAreNumbers();
    // Highlights the listed analysis without loading it; false when it is not listed.
    bool selectListedRow(int32_t dlaId);
    void fillDesignValuesFromClimate();

    PageContext m_ctx;
    Ui::EfficiencyPage* m_ui;
    QWidget* m_page;
    TechnicianChoice& m_technicians;
    FlowHoodTab& m_flowHood;
    bool m_typeAhead = false;        // the type-ahead is changing the box itself
    bool m_suppressTestLoad = false; // a list row is selected without loading it
};
