// The current client's saved tests: the grid, reloading a test into the page, deleting one.
#include "HouseLeakageTab.h"

#include "Database.h"
#include "DatabaseAction.h"
#include "DatabaseError.h"
#include "Dialogs.h"
#include "HouseDataBoxes.h"
#include "HouseLeakageTest.h"
#include "ListFunctions.h"
#include "ProgramState.h"
#include "Session.h"
#include "Settings.h"
#include "StoredValues.h"
#include "TechnicianChoice.h"
#include "Twips.h"
#include "ui_HouseLeakagePage.h"
#include "vbconvert.h"
#include "vberror.h"
#include "vbformat.h"

#include <QHash>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableWidget>

namespace {

enum Column
{
    ColTestId,
    ColHltTestId,
    ColDate,
    ColTestNum,
    ColLeakage,
    ColMultiPoint,
    ColAirChanges,
    ColumnCount
};

// What a listed row's results need beyond the row itself: the house on the window and the
// current climate, read once for the whole list.
struct ListContext
{
    std::optional<int16_t> zone;
    std::optional<int32_t> livingArea;
    int16_t stories = -1;
    std::optional<float> ceiling;
    std::optional<float> bedrooms;
    float winterDesignTemp = 0;
    float summerGrainDiff = 0;
};

template <typename T, typename F> std::optional<T> attempt(F f)
{
    try {
        return f();
    } catch (const vbrt::Error&) {
        return std::nullopt;
    }
}

// What a row's results need and could not be read: the row cannot be computed.
template <typename T> T required(const std::optional<T>& value)
{
    if (!value)
        vbrt::raise(vbrt::ErrInvalidNull);
    return *value;
}

struct RangeRow
{
    std::array<float, 8> constants{}; // K, K reversed, N, N reversed, K1-K4
};

// A stored whole-number field as the page keeps it (16 bits); anything else counts as empty.
std::optional<float> fieldValue(const QSqlQuery& q, int index)
{
    if (index < 0)
        return std::nullopt;
    const auto v = stored::whole16(q.value(index));
    return v ? std::optional<float>(*v) : std::nullopt;
}

QTableWidgetItem* cell(const QString& text,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

QSqlQuery HouseLeakageTab::clientTests() const
{
    return execSql(m_ctx.state.gcnnUser,
                   QStringLiteral("SELECT * FROM [House Leakage Test List] WHERE ClientId = ? "
                                  "ORDER BY HltUserID, HltTestDate"),
                   QVariantList{m_ctx.session.gintClientID()}, true);
}

void HouseLeakageTab::SetUpHLTests()
{
    const QSignalBlocker blocker(m_grid);
    m_grid->clear();
    m_grid->setColumnCount(ColumnCount);
    m_grid->setRowCount(1);
    const QStringList headers = {QStringLiteral("TestID"),
                                 QStringLiteral("HltTestID"),
                                 QStringLiteral("Date/Time"),
                                 QStringLiteral("Test #"),
                                 QStringLiteral("Actual Leakage Area In ²"),
                                 QStringLiteral("Multi-point?"),
                                 QStringLiteral("Est. Air Changes Daily")};
    const int widths[ColumnCount] = {0, 0, 1500, 900, 2200, 1500, 2100};
    for (int c = 0; c < ColumnCount; ++c) {
        auto* header = new QTableWidgetItem(headers[c]);
        if (c >= ColDate)
            header->setTextAlignment(Qt::AlignCenter);
        m_grid->setHorizontalHeaderItem(c, header);
        // The designed width, or the header's own when the font needs more.
        const int textWidth =
            m_grid->horizontalHeader()->fontMetrics().horizontalAdvance(headers[c]) + 16;
        m_grid->setColumnWidth(
            c, widths[c] == 0 ? 0 : std::max(platform::twipsToPixels(widths[c]), textWidth));
        m_grid->setColumnHidden(c, widths[c] == 0);
    }
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setCurrentCell(-1, -1);
}

void HouseLeakageTab::RefreshHLTests(QSqlQuery& rows)
{
    // Filling the grid selects nothing and loads nothing.
    const QSignalBlocker blocker(m_grid);
    m_grid->clearSelection();
    m_grid->clearContents();
    m_grid->setRowCount(1);

    const QSqlRecord record = rows.record();
    const int idCol = record.indexOf(QStringLiteral("HltID"));
    const int dateCol = record.indexOf(QStringLiteral("HltTestDate"));
    const int userCol = record.indexOf(QStringLiteral("HltUserID"));
    const int typeCol = record.indexOf(QStringLiteral("HltTestType"));
    const int dirCol = record.indexOf(QStringLiteral("HltDirection"));
    const int gaugeCol = record.indexOf(QStringLiteral("HltGaugeLocation"));
    const int windCol = record.indexOf(QStringLiteral("hltWindFactor"));
    const int rangeCol = record.indexOf(QStringLiteral("rangeid"));
    const int textCol = record.indexOf(QStringLiteral("RangeDropText"));
    const int insideCol = record.indexOf(QStringLiteral("HltInsideTemp"));
    const int outsideCol = record.indexOf(QStringLiteral("HltOutsideTemp"));
    std::array<int, hl::DatasetCount> houseCol{}, flowCol{}, flow2Col{}, cfmCol{};
    for (int i = 0; i < hl::DatasetCount; ++i) {
        const QString n = QString::number(i);
        houseCol[size_t(i)] = record.indexOf(QStringLiteral("HltHousePressure") + n);
        flowCol[size_t(i)] = record.indexOf(QStringLiteral("HltFlowPressure") + n);
        flow2Col[size_t(i)] = record.indexOf(QStringLiteral("HltFlowPressure2_") + n);
        cfmCol[size_t(i)] = record.indexOf(QStringLiteral("HltFlowCFM") + n);
    }

    ListContext context;
    const HouseDataBoxes& house = m_house;
    context.zone = attempt<int16_t>([&] { return vbrt::cint(m_ctx.session.mstrClimateLBLZone()); });
    context.livingArea = attempt<int32_t>([&] { return vbrt::clng(house.livingArea->text()); });
    context.stories = int16_t(ComboData(house.stories));
    context.ceiling = attempt<float>([&] { return vbrt::csng(house.ceilingHeight->text()); });
    context.bedrooms = attempt<float>([&] { return vbrt::csng(house.bedrooms->text()); });
    context.winterDesignTemp = m_ctx.session.msngClimateWinterDesignTemp();
    context.summerGrainDiff = m_ctx.session.msngClimateSummerGrainDiff();

    // Every range once, rather than one look-up per listed test.
    QHash<int, RangeRow> ranges;
    {
        QSqlQuery r = execSql(m_ctx.state.gcnnUser,
                              QStringLiteral("SELECT rangeid, RangeK, RangeKReversed, RangeN, "
                                             "RangeNReversed, RangeK1, RangeK2, RangeK3, RangeK4 "
                                             "FROM Ranges ORDER BY rangeid"));
        while (r.next()) {
            const auto id = stored::whole32(r.value(0));
            if (!id || ranges.contains(*id))
                continue;
            // A range whose constants cannot be read lists its tests without results.
            RangeRow row;
            bool readable = true;
            for (int c = 0; c < 8 && readable; ++c) {
                const auto k = stored::single(r.value(c + 1));
                readable = k.has_value();
                row.constants[size_t(c)] = k.value_or(0);
            }
            if (readable)
                ranges.insert(*id, row);
        }
    }

    int count = 0;
    while (rows.next()) {
        const auto storedId = stored::whole32(rows.value(idCol));
        if (!storedId)
            continue; // a row the program cannot address again
        const int32_t id = *storedId;
        const bool multiPoint = stored::whole16(rows.value(typeCol)) == int16_t(0);
        // A stored test whose results cannot be computed (readings missing, no house data or
        // climate) is still listed, so that it can be chosen or deleted.
        const auto results = attempt<std::pair<float, float>>([&]() -> std::pair<float, float> {
            HouseLeakageTest test;
            test.setLblClimateZone(required(context.zone));
            test.setWinterTimeDesignTemperature(context.winterDesignTemp);
            test.setGrainDifferenceSummer(context.summerGrainDiff);
            const auto type = fieldValue(rows, typeCol);
            const auto direction = fieldValue(rows, dirCol);
            const auto gauge = fieldValue(rows, gaugeCol);
            test.setTestType(int16_t(type.value_or(-1)));
            test.setTestDirection(int16_t(direction.value_or(-1)));
            test.setGaugeLocation(int16_t(gauge.value_or(-1)));
            const int rangeId = stored::whole32(rows.value(rangeCol)).value_or(-1);
            const int code = direction && gauge ? int(*direction + 2 * *gauge) : -1;
            if (const auto it = ranges.constFind(rangeId); it != ranges.cend()) {
                const bool reversed = GetFanDirection(code) != 0;
                const auto& k = it->constants;
                test.setRangeK(k[reversed ? 1 : 0]);
                test.setRangeN(k[reversed ? 3 : 2]);
                test.setRangeK1(k[4]);
                test.setRangeK2(k[5]);
                test.setRangeK3(k[6]);
                test.setRangeK4(k[7]);
            }
            hl::RangeKind kind = hl::rangeKindOfText(stored::text(rows.value(textCol)));
            if (rangeId == 13 || rangeId == 24)
                kind = hl::RangeKind::MeasuredDirectly;
            test.setFlowCalculated(kind != hl::RangeKind::MeasuredDirectly);
            test.setFanCount(kind == hl::RangeKind::TwoBlowers ? 2 : 1);
            if (const auto t = fieldValue(rows, insideCol))
                test.setInsideTempF(*t);
            if (const auto t = fieldValue(rows, outsideCol))
                test.setOutsideTempF(*t);
            test.setLivingAreaSqFt(required(context.livingArea));
            test.setStories(context.stories);
            test.setAverageCeilingHeightFt(required(context.ceiling));
            test.setBedrooms(required(context.bedrooms));
            // The air changes need the wind exposure the test was taken with.
            test.setWindExposure(int16_t(fieldValue(rows, windCol).value_or(-1)));

            std::array<hl::DatasetReadings, hl::DatasetCount> readings;
            for (size_t i = 0; i < hl::DatasetCount; ++i) {
                readings[i].house = fieldValue(rows, houseCol[i]);
                readings[i].flow = fieldValue(rows, flowCol[i]);
                readings[i].flow2 = fieldValue(rows, flow2Col[i]);
                readings[i].testFlow = fieldValue(rows, cfmCol[i]);
            }
            const hl::DatasetMap used =
                hl::feedDatasets(test, readings, test.TestType() == 1, kind);
            // As on the page: a multi-point line needs two points.
            if (test.TestType() != 1 && used.count < 2)
                vbrt::raise(vbrt::objectError(2229));
            return {test.MeasuredLeakageSqIn(), test.EstimatedAirChangesDaily()};
        });

        const int row = count++;
        if (row > 0)
            m_grid->insertRow(row);
        const QString idText = QString::number(id);
        m_grid->setItem(row, ColTestId, cell(idText));
        m_grid->setItem(row, ColHltTestId, cell(idText));
        m_grid->setItem(row, ColDate, cell(stored::dateText(rows.value(dateCol), "M/D/YY h:mm")));
        m_grid->setItem(row, ColTestNum, cell(stored::text(rows.value(userCol))));
        m_grid->setItem(row, ColLeakage,
                        cell(results ? vbrt::format(results->first, "#,##0.0") : QString(),
                             Qt::AlignRight | Qt::AlignVCenter));
        QTableWidgetItem* multi =
            cell(multiPoint ? QStringLiteral("x") : QString(), Qt::AlignCenter);
        QFont bold = multi->font();
        bold.setBold(true);
        multi->setFont(bold);
        m_grid->setItem(row, ColMultiPoint, multi);
        m_grid->setItem(row, ColAirChanges,
                        cell(results ? vbrt::format(results->second, "#,##0.00") : QString(),
                             Qt::AlignRight | Qt::AlignVCenter));
    }

    const bool any = count > 0;
    m_grid->setEnabled(any);
    m_ui->zlblHLTestSelect->setEnabled(any);
    if (any)
        m_grid->selectionModel()->setCurrentIndex(m_grid->model()->index(0, ColHltTestId),
                                                  QItemSelectionModel::NoUpdate);
}

int32_t HouseLeakageTab::currentRowId() const
{
    // The highlighted row; a row that is only current shows no test.
    const QList<QTableWidgetSelectionRange> selected = m_grid->selectedRanges();
    if (selected.isEmpty())
        return -1;
    const QTableWidgetItem* item = m_grid->item(selected.first().topRow(), ColTestId);
    if (!item || item->text().isEmpty())
        return -1;
    return vbrt::clng(item->text());
}

void HouseLeakageTab::SelectCurrentHLTestRow()
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    m_grid->setCurrentCell(row, ColTestId, QItemSelectionModel::NoUpdate);
    m_grid->setRangeSelected(QTableWidgetSelectionRange(row, 0, row, ColumnCount - 1), true);
}

void HouseLeakageTab::selectTestRow(int32_t hltId)
{
    const QString idText = QString::number(hltId);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QTableWidgetItem* item = m_grid->item(row, ColTestId);
        if (item && item->text() == idText) {
            const bool suppress = std::exchange(mblnSuppressHLTestLoad, true);
            m_grid->clearSelection();
            m_grid->setCurrentCell(row, ColTestId, QItemSelectionModel::NoUpdate);
            SelectCurrentHLTestRow();
            mblnSuppressHLTestLoad = suppress;
            return;
        }
    }
}

void HouseLeakageTab::fgdHLTestSelect_SelChange()
{
    // A test that cannot be loaded leaves the page as it is.
    try {
        const int32_t id = currentRowId();
        if (id < 0)
            return;
        m_ctx.session.mintCurrentHltID = id;
        if (!mblnSuppressHLTestLoad)
            ShowHltRecord(id);
        m_ctx.session.mblnDataChanged = false;
    } catch (...) {
    }
}

void HouseLeakageTab::fgdHLTestSelect_KeyUp(int keyCode)
{
    if (keyCode != 46)
        return;
    const int32_t id = currentRowId();
    if (id < 0)
        return;
    if (m_ctx.state.dialogs.msgBox(QStringLiteral("Delete selected House Leakage test?"),
                                   platform::MsgButtons::YesNo, platform::MsgIcon::None,
                                   QStringLiteral("Confirm Delete")) != platform::MsgResult::Yes)
        return;
    // A test that could not be deleted stays listed.
    if (!runDatabaseAction(
            m_ctx.state, DbAccess::Write,
            QStringLiteral("The house leakage test could not be deleted."), [&] {
                execSql(m_ctx.state.gcnnUser,
                        QStringLiteral(
                            "DELETE FROM [House Leakage Tests] WHERE HltID = ? AND ClientId = ?"),
                        {id, m_ctx.session.gintClientID()});
                QSqlQuery tests = clientTests();
                RefreshHLTests(tests);
            }))
        return;
    const QTableWidgetItem* first = m_grid->item(0, ColTestId);
    if (first && !first->text().isEmpty()) {
        m_ctx.session.mintCurrentHltID = vbrt::clng(first->text());
        const bool suppress = std::exchange(mblnSuppressHLTestLoad, true);
        m_grid->setCurrentCell(0, ColTestId, QItemSelectionModel::NoUpdate);
        SelectCurrentHLTestRow();
        mblnSuppressHLTestLoad = suppress;
    } else {
        m_ctx.session.mintCurrentHltID = -1;
    }
}

void HouseLeakageTab::ShowHltRecord(int32_t hltId)
{
    // Only a test of the current client is shown.
    QSqlQuery q = execSql(m_ctx.state.gcnnUser,
                          QStringLiteral("SELECT * FROM [House Leakage Test List] WHERE HltID = ? "
                                         "AND ClientId = ?"),
                          {hltId, m_ctx.session.gintClientID()});
    if (!q.next())
        return;
    auto& ui = *m_ui;
    // A reading the page could not hold shows as an empty box.
    auto number = [&q](const QString& field) {
        const auto v = stored::whole32(q.value(field));
        return v ? QString::number(*v) : QString();
    };
    auto code = [&q](const QString& field) {
        const auto v = stored::whole32(q.value(field));
        return v ? std::optional<int>(*v) : std::nullopt;
    };
    auto select = [&code](QComboBox* list, const QString& field) {
        const auto v = code(field);
        list->setCurrentIndex(v ? LocateComboItemData(list, *v) : -1);
    };
    {
        Session::Filling filling(m_ctx.session);
        m_technicians.showTestTechnician(stored::text(q.value("TechName")));

        const auto model = code(QStringLiteral("BlowerModelID"));
        const int modelIndex = model ? LocateComboItemData(ui.cmbBlowerModel, *model) : -1;
        if (modelIndex >= 0 && modelIndex != ui.cmbBlowerModel->currentIndex()) {
            {
                const QSignalBlocker blocker(ui.cmbBlowerModel);
                ui.cmbBlowerModel->setCurrentIndex(modelIndex);
            }
            runDatabaseAction(
                m_ctx.state, DbAccess::Write,
                QStringLiteral("The chosen blower model could not be remembered."), [&] {
                    SaveAppSetting(m_ctx.state.gcnnUser, QStringLiteral("BlowerModelID"),
                                   QString::number(*model));
                });
            applyBlowerModel();
        }
        select(ui.cmbHLRange, QStringLiteral("rangeid"));
        select(ui.cmbHLFlowTubeConnection, QStringLiteral("HltFlowTube"));
        select(ui.cmbHLTestType, QStringLiteral("HltTestType"));
        select(ui.cmbHLWindFactor, QStringLiteral("hltWindFactor"));
        const auto direction = stored::whole16(q.value("HltDirection"));
        const auto gauge = stored::whole16(q.value("HltGaugeLocation"));
        ui.cmbHLTestDirection2->setCurrentIndex(
            direction && gauge
                ? LocateComboItemData(ui.cmbHLTestDirection2, *direction + 2 * *gauge)
                : -1);
        ui.txtHLTestNum->setText(stored::text(q.value("HltUserID")));
        ui.txtHLTestDateTime->setText(
            stored::dateText(q.value("HltTestDate"), "mm/dd/yyyy h:mm am/pm"));
        stored::showNumber(ui.txtHLInsideTemp, number(QStringLiteral("HltInsideTemp")));
        stored::showNumber(ui.txtHLOutsideTemp, number(QStringLiteral("HltOutsideTemp")));

        // The layout and open boxes of the stored range and test type first: opening them
        // empties what they do not use.
        applyRangeLayout();
        CheckHLDatasetEnables();
        const hl::RangeKind kind = hl::rangeKindOfText(stored::text(q.value("RangeDropText")));
        for (int i = 0; i < hl::DatasetCount; ++i) {
            const QString n = QString::number(i);
            stored::showNumber(housePressure[size_t(i)],
                               number(QStringLiteral("HltHousePressure") + n));
            if (kind == hl::RangeKind::MeasuredDirectly) {
                stored::showNumber(testFlow[size_t(i)], number(QStringLiteral("HltFlowCFM") + n));
            } else {
                stored::showNumber(flowPressure[size_t(i)],
                                   number(QStringLiteral("HltFlowPressure") + n));
                if (kind == hl::RangeKind::TwoBlowers)
                    stored::showNumber(flowPressure2[size_t(i)],
                                       number(QStringLiteral("HltFlowPressure2_") + n));
            }
        }
    }
    HLCalculate(false);
}

void HouseLeakageTab::PrepHLTestTab(int32_t hltId)
{
    ClearHLTab();
    QSqlQuery tests = clientTests();
    RefreshHLTests(tests);
    const QTableWidgetItem* first = m_grid->item(0, ColTestId);
    const bool hasTests = first && !first->text().isEmpty();
    if (hltId < 1) {
        if (!hasTests) {
            Session::Filling filling(m_ctx.session);
            auto& ui = *m_ui;
            ui.cmbHLRange->setCurrentIndex(-1);
            ui.cmbHLFlowTubeConnection->setCurrentIndex(
                LocateComboItemData(ui.cmbHLFlowTubeConnection, 1));
            ui.txtHLTestNum->setText(QStringLiteral("1"));
            ui.txtHLInsideTemp->setFocus(Qt::OtherFocusReason);
        }
    } else {
        m_ctx.session.mintCurrentHltID = hltId;
        selectTestRow(hltId);
        if (currentRowId() != hltId)
            m_ctx.session.mintCurrentHltID = -1; // no such test of this client
        else
            ShowHltRecord(hltId);
    }
    m_ctx.session.mblnDataChanged = false;
}

void HouseLeakageTab::prepare()
{
    runDatabaseAction(m_ctx.state, DbAccess::Read,
                      QStringLiteral("The house leakage tests could not be read."),
                      [this] { PrepHLTestTab(m_ctx.session.mintCurrentHltID); });
}
