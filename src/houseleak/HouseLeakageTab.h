#pragma once

#include "HLDatasets.h"
#include "HouseDataBoxes.h"
#include "HouseLeakageTest.h"
#include "PageBehaviour.h"
#include "PageContext.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class HLResultsSnapshot;
class TechnicianChoice;
class QLabel;
class QLineEdit;
class QSqlQuery;
class QTableWidget;
class QWidget;

namespace Ui {
class HouseLeakagePage;
}

// The House Leakage Test page: blower models and ranges, data sets, calculation, saving, list.
//
// The page's result boxes (txtActualLeakage ... txtOptimumAirChanges, atxtHLTestFlow_i,
// atxtHLTestError_i) and results() hold the last calculation while resultsCalculated() is
// true; any change of an input clears them. mobjHLTest is the object the last calculation was
// made with.
class HouseLeakageTab : public QObject, public PageBehaviour
{
public:
    // The house data lie on the Client Survey page; a reloaded test shows its technician.
    HouseLeakageTab(const PageContext& context, Ui::HouseLeakagePage& page, QWidget* pageWidget,
                    const HouseDataBoxes& house, TechnicianChoice& technicians);
    ~HouseLeakageTab() override;

    // The page as the tab hub leaves or enters it.
    bool holdsEntries() const override { return true; }
    bool save() override { return HLSave(); }
    void discard() override { ClearHLTab(); }
    void prepare() override;

    // Start-up: the data-set rows' positions, the lists and the test grid.
    void TakeRowPositions();
    void RefreshBlowerModel();
    void RefreshRange();
    void SetUpHLTests();

    void PrepHLTestTab(int32_t hltId);
    // False when a check refused or the database failed, and nothing was saved.
    bool HLSave();
    void ClearHLTab();

    // --- Blower models, ranges and data-set enables -----------------------------------------
    void cmbBlowerModel_Click();
    void cmbHLFlowTubeConnection_Validate(bool& cancel);
    void cmbHLRange_Validate(bool& cancel);
    static int16_t GetFanDirection(int directionCode);
    void GetRangeConstantsFromID(int32_t rangeId, int directionCode, HouseLeakageTest& test);
    void GetRangeConstantsFromDropText(const QString& rangeText, int directionCode,
                                       HouseLeakageTest& test);
    void CheckHLDatasetEnables();

    // --- Calculation ---------------------------------------------------------------------------
    void cmdHLCalculate_Click();
    bool HLCalculate(bool showMessages);
    bool ValidateHLInputs(bool showMessages);
    // True while the result boxes and results() hold a calculation of the inputs shown.
    bool resultsCalculated() const { return m_resultsCalculated; }
    // The last calculation's inputs and figures; null before a calculation and once the
    // results are cleared.
    std::shared_ptr<const HLResultsSnapshot> results() const { return m_results; }

    // --- Field checks ----------------------------------------------------------------------------
    void cmbHLTestType_Validate(bool& cancel);
    void cmbHLStories_Validate(bool& cancel);
    // Empties the results, drops their snapshot and disables the buttons that need them.
    void ClearHLResults();

    // --- Test list -------------------------------------------------------------------------------
    // Fills the grid from rows of [House Leakage Test List]; each row's results are computed
    // afresh.
    void RefreshHLTests(QSqlQuery& rows);
    void SelectCurrentHLTestRow();
    void ShowHltRecord(int32_t hltId);
    void fgdHLTestSelect_SelChange();
    void fgdHLTestSelect_KeyUp(int keyCode);

    // The saved tests of the current client, in list order.
    QSqlQuery clientTests() const;

    bool mblnSuppressHLTestLoad = false;
    std::unique_ptr<HouseLeakageTest> mobjHLTest;

    // The reading boxes, data sets 0 to 5.
    std::array<QLineEdit*, 6> housePressure{};
    std::array<QLineEdit*, 6> flowPressure{};
    std::array<QLineEdit*, 6> flowPressure2{};
    std::array<QLineEdit*, 6> testFlow{};
    std::array<QLineEdit*, 6> testError{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectSignals();
    void inputChanged();
    void recordChanged();

    // Ranges and layout.
    hl::RangeKind rangeKind() const;
    void applyBlowerModel();
    void OneFanLayout();
    void TwoFanLayout();
    void applyRangeLayout();
    void loadRangeConstants(QSqlQuery& row, int directionCode, HouseLeakageTest& test);

    // Field checks.
    void addReadingChecks();
    void checkReadingBox(QLineEdit* box, hl::Reading kind, int dataset, bool& cancel);
    // Runs the check of every open box without questions; false (focus on the box) when one
    // refuses.
    bool checkAllReadings(bool showMessages);
    bool refuse(QWidget* box, const QString& message, bool showMessages);

    // Calculation.
    bool prepareCalculation(bool showMessages, std::shared_ptr<const HLResultsSnapshot>& results);
    bool readResults(bool showMessages, const HLResultsSnapshot& results);
    void markPointError(int dataset, bool marked);
    void warn(const QString& text);

    // List.
    void selectTestRow(int32_t hltId);
    int32_t currentRowId() const;

    PageContext m_ctx;
    Ui::HouseLeakagePage* m_ui;
    QWidget* m_page;
    HouseDataBoxes m_house;
    TechnicianChoice& m_technicians;
    QTableWidget* m_grid = nullptr;
    bool m_resultsCalculated = false;
    std::shared_ptr<const HLResultsSnapshot> m_results;
};
