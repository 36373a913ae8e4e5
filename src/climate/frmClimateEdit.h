#pragma once

#include <QDialog>
#include <QString>

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

    // The design values a climate can have, inclusive, and what a value outside is told.
    struct DesignRange
    {
        double low;
        double high;
        QString message;
    };
    static inline const DesignRange WinterDesignTemp{
        -60, 80, QStringLiteral("The winter design temperature must be from -60 to 80 °F.")};
    static inline const DesignRange SummerDesignTemp{
        40, 130, QStringLiteral("The summer design temperature must be from 40 to 130 °F.")};
    static inline const DesignRange SummerGrainDifference{
        -50, 150,
        QStringLiteral(
            "The summer design grain difference must be from -50 to 150 grains per pound.")};

private:
    void RefreshUserClimates(int32_t select);
    void showClimate(int32_t zoneId);
    bool refuse(QLineEdit* box, const QString& text);

    ProgramState& m_state;
    std::unique_ptr<Ui::frmClimateEdit> m_ui;
    int32_t m_zoneId = -1;
};
