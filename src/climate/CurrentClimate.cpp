#include "CurrentClimate.h"

#include "Database.h"
#include "DatabaseAction.h"
#include "ProgramState.h"
#include "Session.h"
#include "Settings.h"
#include "StoredValues.h"
#include "frmClimateSelection.h"

#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>

#include <limits>

namespace {

const QString ClimateColumns = QStringLiteral(
    "SELECT ZoneCity, ZoneState, ZoneLBLClimateZone, UniqueID, ZoneWinterOutdoorDesignTemp, "
    "ZoneSummerDesignGrainDifference FROM [Climates by prevalence]");

} // namespace

CurrentClimate::CurrentClimate(ProgramState& state, Session& session, const Controls& controls,
                               QWidget* window)
    : m_state(state), m_session(session), m_controls(controls), m_window(window)
{
    connect(m_controls.cmdSelectClimate, &QPushButton::clicked, this,
            &CurrentClimate::cmdSelectClimate_Click);
    connect(m_controls.cmdSelectDefaultClimate, &QPushButton::clicked, this,
            &CurrentClimate::cmdSelectDefaultClimate_Click);
}

bool CurrentClimate::SetCurrentClimate(const QString& uniqueId)
{
    // Another climate clears the house leakage results through the session.
    return applyClimate(uniqueId);
}

bool CurrentClimate::applyClimate(const QString& uniqueId)
{
    const QSqlDatabase& db = m_state.gcnnUser;
    bool found = true;
    QSqlQuery q(db);
    // The id is looked up by the database rather than by walking every climate; when it
    // matches nothing the first climate of the list stands in.
    if (!uniqueId.isEmpty()) {
        q = execSql(db, ClimateColumns + QStringLiteral(" WHERE UniqueID = ? LIMIT 1"), {uniqueId});
        found = q.next();
    }
    if (uniqueId.isEmpty() || !found) {
        q = execSql(db, ClimateColumns + QStringLiteral(" LIMIT 1"));
        if (!q.next()) {
            m_session.clearClimate();
            UpdateClimateCaption();
            return false;
        }
    }
    ClimateValues climate;
    climate.city = stored::text(q.value(0));
    climate.state = stored::text(q.value(1));
    climate.lblZone = stored::text(q.value(2));
    climate.uniqueId = stored::text(q.value(3));
    // A design value that cannot be read is unknown (NaN), never 0 degrees: the figures that
    // need it refuse, the others are still computed.
    constexpr float unknown = std::numeric_limits<float>::quiet_NaN();
    climate.winterDesignTemp = stored::single(q.value(4)).value_or(unknown);
    climate.summerGrainDiff = stored::single(q.value(5)).value_or(unknown);
    m_session.setClimate(climate);
    // The caption follows the climate, so a loaded client never shows the one before.
    UpdateClimateCaption();
    return found;
}

void CurrentClimate::UpdateClimateCaption()
{
    m_controls.lblClimate->setText(m_session.mstrClimateCity().isEmpty()
                                       ? QString()
                                       : m_session.mstrClimateCity() + QStringLiteral(", ") +
                                             m_session.mstrClimateState());
}

void CurrentClimate::UpdateStandardClimateCaption(const QString& caption)
{
    m_controls.lblSelectClimate->setText(
        caption.isEmpty() ? QString() : QStringLiteral("Standard Climate is ") + caption);
}

void CurrentClimate::cmdSelectClimate_Click()
{
    frmClimateSelection dialog(m_state, m_window);
    dialog.setCurrentUniqueID(m_session.mstrClimateUniqueID());
    dialog.exec();
    if (dialog.UserHasSelected()) {
        if (!runDatabaseAction(m_state, DbAccess::Read,
                               QStringLiteral("The climate could not be chosen."),
                               [&] { SetCurrentClimate(dialog.ClimateUniqueID()); }))
            return;
        UpdateClimateCaption();
        emit clientClimateChosen();
        m_session.mblnDataChanged = true;
    }
}

void CurrentClimate::cmdSelectDefaultClimate_Click()
{
    frmClimateSelection dialog(m_state, m_window);
    QString standard;
    runDatabaseAction(
        m_state, DbAccess::Read, QStringLiteral("The standard climate could not be read."),
        [&] { standard = GetAppSetting(m_state.gcnnUser, QStringLiteral("DefaultZoneID")); });
    dialog.setCurrentUniqueID(standard);
    dialog.exec();
    if (dialog.UserHasSelected() &&
        runDatabaseAction(m_state, DbAccess::Write,
                          QStringLiteral("The standard climate could not be saved."), [&] {
                              SaveAppSetting(m_state.gcnnUser, QStringLiteral("DefaultZoneID"),
                                             dialog.ClimateUniqueID());
                          }))
        UpdateStandardClimateCaption(dialog.ClimateCityLocation());
    UpdateClimateCaption();
}
