#include "frmClimateSelection.h"

#include "Database.h"
#include "DatabaseAction.h"
#include "ProgramState.h"
#include "ScreenFit.h"
#include "StoredValues.h"
#include "frmClimateEdit.h"
#include "ui_frmClimateSelection.h"
#include "vbformat.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>

frmClimateSelection::frmClimateSelection(ProgramState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::frmClimateSelection>())
{
    m_ui->setupUi(this);
    setWindowTitle(ProgramState::title() + QStringLiteral(" - Select Climate"));
    platform::keepOnScreen(this);
    QTableWidget* grid = m_ui->fgdClimates;
    grid->setColumnCount(9);
    grid->setHorizontalHeaderLabels(
        {QStringLiteral("ID"), QStringLiteral("Location"), QStringLiteral("State"),
         QStringLiteral("Country"), QStringLiteral("LBL Zone"), QStringLiteral("Winter Design °F"),
         QStringLiteral("Summer Design °F"), QStringLiteral("Grain Difference"),
         QStringLiteral("Clients")});
    grid->setColumnHidden(UniqueIdColumn, true);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmClimateSelection::cmdOK_Click);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &frmClimateSelection::cmdCancel_Click);
    connect(m_ui->cmdEditClimates, &QPushButton::clicked, this,
            &frmClimateSelection::cmdEditClimates_Click);
    connect(m_ui->txtFind, &QLineEdit::textChanged, this, &frmClimateSelection::txtFind_Change);
    connect(grid, &QTableWidget::cellDoubleClicked, this, &frmClimateSelection::cmdOK_Click);
    runDatabaseAction(m_state, DbAccess::Read, QStringLiteral("The climates could not be read."),
                      [this] { RefreshClimates(); });
}

frmClimateSelection::~frmClimateSelection() = default;

void frmClimateSelection::RefreshClimates()
{
    QTableWidget* grid = m_ui->fgdClimates;
    const QString keep = selectedUniqueId();
    QSqlQuery q = execSql(m_state.gcnnUser,
                          QStringLiteral("SELECT UniqueID, ZoneCity, ZoneState, ZoneCountry, "
                                         "ZoneLBLClimateZone, ZoneWinterOutdoorDesignTemp, "
                                         "ZoneSummerOutdoorDesignTemp, "
                                         "ZoneSummerDesignGrainDifference, CountOfZoneID, Source "
                                         "FROM [Climates by prevalence]"));
    grid->setRowCount(0);
    const auto number = [](const QVariant& v) { return stored::numberText(v); };
    const auto text = [&q](int column) { return stored::text(q.value(column)); };
    while (q.next()) {
        const int row = grid->rowCount();
        grid->insertRow(row);
        QString location = text(1);
        if (text(9).startsWith('U'))
            location += QStringLiteral(" (user)");
        const QStringList cells{text(0),
                                location,
                                text(2),
                                text(3),
                                number(q.value(4)),
                                number(q.value(5)),
                                number(q.value(6)),
                                number(q.value(7)),
                                text(8)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c >= 4)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 1)
                item->setData(Qt::UserRole, text(1)); // the location alone
            grid->setItem(row, c, item);
        }
    }
    selectUniqueId(keep);
}

void frmClimateSelection::setCurrentUniqueID(const QString& uniqueId)
{
    selectUniqueId(uniqueId);
}

void frmClimateSelection::selectUniqueId(const QString& uniqueId)
{
    QTableWidget* grid = m_ui->fgdClimates;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (grid->item(row, UniqueIdColumn)->text().compare(uniqueId, Qt::CaseInsensitive) == 0) {
            grid->setCurrentCell(row, 1);
            grid->scrollToItem(grid->item(row, 1), QAbstractItemView::PositionAtCenter);
            return;
        }
    }
    if (grid->rowCount() > 0 && grid->currentRow() < 0)
        grid->setCurrentCell(0, 1);
}

QString frmClimateSelection::selectedUniqueId() const
{
    const QTableWidget* grid = m_ui->fgdClimates;
    const int row = grid->currentRow();
    return row < 0 ? QString() : grid->item(row, UniqueIdColumn)->text();
}

void frmClimateSelection::txtFind_Change()
{
    // Type-ahead: the first climate whose location begins with the typed letters.
    const QString typed = m_ui->txtFind->text().trimmed().toUpper();
    if (typed.isEmpty())
        return;
    QTableWidget* grid = m_ui->fgdClimates;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QString location = grid->item(row, 1)->data(Qt::UserRole).toString().toUpper();
        if (location.startsWith(typed)) {
            grid->setCurrentCell(row, 1);
            grid->scrollToItem(grid->item(row, 1));
            return;
        }
    }
}

void frmClimateSelection::cmdOK_Click()
{
    const int row = m_ui->fgdClimates->currentRow();
    if (row < 0)
        return;
    m_userHasSelected = true;
    m_uniqueId = m_ui->fgdClimates->item(row, UniqueIdColumn)->text();
    m_cityLocation = m_ui->fgdClimates->item(row, 1)->data(Qt::UserRole).toString();
    accept();
}

void frmClimateSelection::cmdCancel_Click()
{
    m_userHasSelected = false;
    reject();
}

void frmClimateSelection::cmdEditClimates_Click()
{
    frmClimateEdit editor(m_state, this);
    editor.exec();
    runDatabaseAction(m_state, DbAccess::Read, QStringLiteral("The climates could not be read."),
                      [this] { RefreshClimates(); });
}
