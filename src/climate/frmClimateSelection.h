#pragma once

#include <QDialog>
#include <QString>

#include <memory>

struct ProgramState;

namespace Ui {
class frmClimateSelection;
}

// The modal list of climates, most used first, from which the user picks one. The caller
// shows it, then reads UserHasSelected and, when true, the chosen climate.
class frmClimateSelection : public QDialog
{
public:
    explicit frmClimateSelection(ProgramState& state, QWidget* parent = nullptr);
    ~frmClimateSelection() override;

    bool UserHasSelected() const { return m_userHasSelected; }
    QString ClimateUniqueID() const { return m_uniqueId; }
    // The chosen climate's location (city) alone, without its state.
    QString ClimateCityLocation() const { return m_cityLocation; }

    // The climate to show selected when the list opens.
    void setCurrentUniqueID(const QString& uniqueId);

    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdEditClimates_Click();
    void txtFind_Change();

    // Column of the grid that holds each row's UniqueID.
    static constexpr int UniqueIdColumn = 0;

private:
    void RefreshClimates();
    void selectUniqueId(const QString& uniqueId);
    QString selectedUniqueId() const;

    ProgramState& m_state;
    std::unique_ptr<Ui::frmClimateSelection> m_ui;
    bool m_userHasSelected = false;
    QString m_uniqueId;
    QString m_cityLocation;
};
