#pragma once

#include "CurrentClimate.h"
#include "ProgramDriving.h"
#include "frmClimateEdit.h"
#include "frmClimateSelection.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace climatekit {

struct Climate
{
    QString uniqueId, city, state, lblZone;
    float winter = 0, grain = 0;
};

// The climates in the order of the list, most used first.
inline QList<Climate> climates(const QSqlDatabase& db)
{
    QList<Climate> all;
    QSqlQuery q = execSql(db, "SELECT UniqueID, ZoneCity, ZoneState, ZoneLBLClimateZone, "
                              "ZoneWinterOutdoorDesignTemp, ZoneSummerDesignGrainDifference "
                              "FROM [Climates by prevalence]");
    while (q.next())
        all.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                    q.value(3).toString(), q.value(4).toFloat(), q.value(5).toFloat()});
    return all;
}

inline Climate climateOf(const QSqlDatabase& db, const QString& uniqueId)
{
    for (const Climate& c : climates(db))
        if (c.uniqueId == uniqueId)
            return c;
    return {};
}

inline Climate current(const frmHVACMain& form)
{
    return {form.session.mstrClimateUniqueID(),
            form.session.mstrClimateCity(),
            form.session.mstrClimateState(),
            form.session.mstrClimateLBLZone(),
            form.session.msngClimateWinterDesignTemp(),
            form.session.msngClimateSummerGrainDiff()};
}

inline bool same(const Climate& a, const Climate& b)
{
    return a.uniqueId == b.uniqueId && a.city == b.city && a.state == b.state &&
           a.lblZone == b.lblZone && a.winter == b.winter && a.grain == b.grain;
}

inline int32_t addUserClimate(const QSqlDatabase& db, const QString& city, const QString& state,
                              int zone = 2, double winter = 10, double summer = 90,
                              double grain = 20)
{
    return testsupport::SeededProgram(db)
        .climate({city, state, zone, winter, summer, grain})
        .climateId();
}

template <typename W> W* child(QWidget& window, const char* name)
{
    W* w = window.findChild<W*>(QLatin1String(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

// The UniqueID of the row the selection dialog has chosen.
inline QString chosenId(frmClimateSelection& dialog)
{
    auto* grid = child<QTableWidget>(dialog, "fgdClimates");
    const int row = grid->currentRow();
    return row < 0 ? QString() : grid->item(row, frmClimateSelection::UniqueIdColumn)->text();
}

// Answers the selection dialog: types into its find box, then OK or Cancel.
inline void answerSelection(const QString& find, bool ok, QString* chosen = nullptr)
{
    driving::whenModal<frmClimateSelection>([=](frmClimateSelection& dialog) {
        if (!find.isEmpty())
            QTest::keyClicks(child<QLineEdit>(dialog, "txtFind"), find);
        if (chosen)
            *chosen = chosenId(dialog);
        child<QPushButton>(dialog, ok ? "cmdOK" : "cmdCancel")->click();
    });
}

} // namespace climatekit
