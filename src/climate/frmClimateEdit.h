#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

struct ProgramState;
class QLineEdit;

namespace Ui {
class frmClimateEdit;
}

// The user's own climates: add, change and delete them. The only writer of UserClimates.
class frmClimateEdit : public QDialog
{
public:
    explicit frmClimateEdit(ProgramState& state, QWidget* parent = nullptr);
    ~frmClimateEdit() override;

    void lstUserClimates_Click();
    void cmdNew_Click();
    // False when a check refused and nothing was stored.
    bool cmdSave_Click();
    void cmdDelete_Click();

    // The ZoneID shown, -1 for a climate not stored yet.
    int32_t currentZoneId() const { return m_zoneId; }

private:
    void RefreshUserClimates(int32_t select);
    void showClimate(int32_t zoneId);
    bool refuse(QLineEdit* box, const QString& text);

    ProgramState& m_state;
    std::unique_ptr<Ui::frmClimateEdit> m_ui;
    int32_t m_zoneId = -1;
};
