#include "frmClimateEdit.h"

#include "Database.h"
#include "DatabaseAction.h"
#include "Dialogs.h"
#include "ProgramState.h"
#include "ScreenFit.h"
#include "StoredValues.h"
#include "ui_frmClimateEdit.h"
#include "vbconvert.h"
#include "vbformat.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlQuery>

#include <cmath>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

frmClimateEdit::frmClimateEdit(ProgramState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::frmClimateEdit>())
{
    m_ui->setupUi(this);
    setWindowTitle(ProgramState::title() + QStringLiteral(" - User Climates"));
    platform::keepOnScreen(this);
    connect(m_ui->lstUserClimates, &QListWidget::currentRowChanged, this, [this] {
        runDatabaseAction(m_state, DbAccess::Read, QStringLiteral("The climate could not be read."),
                          [this] { lstUserClimates_Click(); });
    });
    connect(m_ui->cmdNew, &QPushButton::clicked, this, &frmClimateEdit::cmdNew_Click);
    connect(m_ui->cmdSave, &QPushButton::clicked, this, &frmClimateEdit::cmdSave_Click);
    connect(m_ui->cmdDelete, &QPushButton::clicked, this, &frmClimateEdit::cmdDelete_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    const bool listed = runDatabaseAction(m_state, DbAccess::Read,
                                          QStringLiteral("The user climates could not be read."),
                                          [this] { RefreshUserClimates(-1); });
    if (listed && m_ui->lstUserClimates->count() > 0)
        m_ui->lstUserClimates->setCurrentRow(0);
    else
        cmdNew_Click();
}

frmClimateEdit::~frmClimateEdit() = default;

void frmClimateEdit::RefreshUserClimates(int32_t select)
{
    QListWidget* list = m_ui->lstUserClimates;
    const QSignalBlocker block(list);
    list->clear();
    QSqlQuery q = execSql(m_state.gcnnUser,
                          QStringLiteral("SELECT ZoneID, ZoneCity, ZoneState FROM UserClimates "
                                         "ORDER BY ZoneState, ZoneCity, ZoneID"));
    while (q.next()) {
        const auto zoneId = stored::whole32(q.value(0));
        if (!zoneId)
            continue; // an id the program cannot hold could not be saved back
        const QString state = stored::text(q.value(2));
        auto* item =
            new QListWidgetItem(stored::text(q.value(1)) +
                                (state.isEmpty() ? QString() : QStringLiteral(", ") + state));
        item->setData(Qt::UserRole, *zoneId);
        list->addItem(item);
        if (*zoneId == select)
            list->setCurrentItem(item);
    }
}

void frmClimateEdit::lstUserClimates_Click()
{
    const QListWidgetItem* item = m_ui->lstUserClimates->currentItem();
    if (item)
        showClimate(item->data(Qt::UserRole).toInt());
}

void frmClimateEdit::showClimate(int32_t zoneId)
{
    QSqlQuery q = execSql(m_state.gcnnUser,
                          QStringLiteral("SELECT ZoneCity, ZoneState, ZoneCountry, "
                                         "ZoneLBLClimateZone, ZoneWinterOutdoorDesignTemp, "
                                         "ZoneSummerOutdoorDesignTemp, "
                                         "ZoneSummerDesignGrainDifference "
                                         "FROM UserClimates WHERE ZoneID = ?"),
                          {zoneId});
    if (!q.next())
        return cmdNew_Click();
    m_zoneId = zoneId;
    m_ui->txtZoneCity->setText(stored::text(q.value(0)));
    m_ui->txtZoneState->setText(stored::text(q.value(1)));
    m_ui->txtZoneCountry->setText(stored::text(q.value(2)));
    stored::showNumber(m_ui->txtZoneLBLClimateZone, q.value(3));
    stored::showNumber(m_ui->txtZoneWinterOutdoorDesignTemp, q.value(4));
    stored::showNumber(m_ui->txtZoneSummerOutdoorDesignTemp, q.value(5));
    stored::showNumber(m_ui->txtZoneSummerDesignGrainDifference, q.value(6));
    m_ui->cmdDelete->setEnabled(true);
}

void frmClimateEdit::cmdNew_Click()
{
    {
        const QSignalBlocker block(m_ui->lstUserClimates);
        m_ui->lstUserClimates->setCurrentRow(-1);
    }
    m_zoneId = -1;
    for (QLineEdit* box :
         {m_ui->txtZoneCity, m_ui->txtZoneState, m_ui->txtZoneCountry, m_ui->txtZoneLBLClimateZone,
          m_ui->txtZoneWinterOutdoorDesignTemp, m_ui->txtZoneSummerOutdoorDesignTemp,
          m_ui->txtZoneSummerDesignGrainDifference})
        box->clear();
    m_ui->cmdDelete->setEnabled(false);
    m_ui->txtZoneCity->setFocus();
}

bool frmClimateEdit::refuse(QLineEdit* box, const QString& text)
{
    m_state.dialogs.msgBox(text, MsgButtons::OK, MsgIcon::None, ProgramState::title());
    box->setFocus();
    box->selectAll();
    return false;
}

bool frmClimateEdit::cmdSave_Click()
{
    const QSqlDatabase& db = m_state.gcnnUser;
    const auto text = [&db](QLineEdit* box, const char* field) {
        return fitText(box->text().trimmed(),
                       fieldSize(db, QStringLiteral("UserClimates"), QLatin1String(field)));
    };
    const QString city = text(m_ui->txtZoneCity, "ZoneCity");
    if (city.isEmpty())
        return refuse(m_ui->txtZoneCity, QStringLiteral("A location must be entered."));
    const auto zone = vbrt::parseNumber(m_ui->txtZoneLBLClimateZone->text());
    if (!zone || *zone != std::floor(*zone) || *zone < 1 || *zone > 4)
        return refuse(m_ui->txtZoneLBLClimateZone,
                      QStringLiteral("The LBL climate zone must be 1, 2, 3 or 4."));
    // Design values a climate can have: beyond them the calculations and reports that use
    // the climate could not be computed.
    const struct
    {
        QLineEdit* box;
        DesignRange range;
    } designValues[] = {{m_ui->txtZoneWinterOutdoorDesignTemp, WinterDesignTemp},
                        {m_ui->txtZoneSummerOutdoorDesignTemp, SummerDesignTemp},
                        {m_ui->txtZoneSummerDesignGrainDifference, SummerGrainDifference}};
    QList<double> numbers;
    for (const auto& [box, range] : designValues) {
        const auto value = vbrt::parseNumber(box->text());
        if (!value)
            return refuse(box, QStringLiteral("A number is required."));
        if (*value < range.low || *value > range.high)
            return refuse(box, range.message);
        numbers << *value;
    }
    const QVariant state = text(m_ui->txtZoneState, "ZoneState");
    const QVariant country = text(m_ui->txtZoneCountry, "ZoneCountry");
    const int lblZone = static_cast<int>(*zone);
    // A database failure stores nothing; the entries stay to be saved again.
    const int32_t zoneId = m_zoneId;
    const bool saved = runDatabaseAction(
        m_state, DbAccess::Write, QStringLiteral("The climate could not be saved."), [&] {
            if (m_zoneId < 0) {
                const QSqlQuery q = execSql(
                    db,
                    QStringLiteral("INSERT INTO UserClimates (ZoneState, ZoneCity, ZoneCountry, "
                                   "ZoneLBLClimateZone, ZoneWinterOutdoorDesignTemp, "
                                   "ZoneSummerOutdoorDesignTemp, ZoneSummerDesignGrainDifference) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                    {state, city, country, lblZone, numbers[0], numbers[1], numbers[2]});
                m_zoneId = q.lastInsertId().toInt();
            } else {
                execSql(
                    db,
                    QStringLiteral(
                        "UPDATE UserClimates SET ZoneState = ?, ZoneCity = ?, "
                        "ZoneCountry = ?, ZoneLBLClimateZone = ?, "
                        "ZoneWinterOutdoorDesignTemp = ?, ZoneSummerOutdoorDesignTemp = ?, "
                        "ZoneSummerDesignGrainDifference = ? WHERE ZoneID = ?"),
                    {state, city, country, lblZone, numbers[0], numbers[1], numbers[2], m_zoneId});
            }
            RefreshUserClimates(m_zoneId);
            showClimate(m_zoneId);
        });
    if (!saved)
        m_zoneId = zoneId;
    return saved;
}

void frmClimateEdit::cmdDelete_Click()
{
    if (m_zoneId < 0)
        return;
    if (m_state.dialogs.msgBox(QStringLiteral("Delete this climate?  Clients that use it will "
                                              "be given the most used climate."),
                               MsgButtons::YesNo, MsgIcon::Question,
                               QStringLiteral("Confirm Delete")) != MsgResult::Yes)
        return;
    if (!runDatabaseAction(
            m_state, DbAccess::Write, QStringLiteral("The climate could not be deleted."), [this] {
                execSql(m_state.gcnnUser,
                        QStringLiteral("DELETE FROM UserClimates WHERE ZoneID = ?"), {m_zoneId});
                RefreshUserClimates(-1);
            }))
        return;
    cmdNew_Click();
}
