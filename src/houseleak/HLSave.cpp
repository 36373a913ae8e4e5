// Saving the test on the page as a new row of [House Leakage Tests].
#include "HouseLeakageTab.h"

#include "Database.h"
#include "DatabaseAction.h"
#include "DatabaseError.h"
#include "HouseDataBoxes.h"
#include "ListFunctions.h"
#include "ProgramState.h"
#include "Session.h"
#include "TechnicianChoice.h"
#include "WaitCursor.h"
#include "ui_HouseLeakagePage.h"
#include "vbconvert.h"
#include "vbdate.h"
#include "vberror.h"
#include "vbformat.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>

namespace {

// The box as a whole number (halves to even), or null when it is empty.
QVariant whole(const QLineEdit* box)
{
    if (box->text().trimmed().isEmpty())
        return {};
    return int(vbrt::cint(box->text()));
}

QVariant code(const QComboBox* list)
{
    return list->currentIndex() < 0 ? QVariant() : QVariant(ComboData(list));
}

} // namespace

bool HouseLeakageTab::HLSave()
{
    platform::WaitCursor wait;
    auto& ui = *m_ui;
    const QSqlDatabase& db = m_ctx.state.gcnnUser;
    const bool messages = m_ctx.session.mblnShowValidationMessages;
    if (m_ctx.session.gintClientID() < 1)
        return refuse(nullptr,
                      QStringLiteral("Please choose a client before saving a house leakage test."),
                      messages);
    // Everything is checked before anything is written: a reading that cannot be stored
    // leaves no row behind.
    if (!checkAllReadings(messages))
        return false;
    // A typed date is the test's date: text that is none is refused rather than replaced.
    const auto typed = vbrt::parseDate(ui.txtHLTestDateTime->text());
    if (!typed && !ui.txtHLTestDateTime->text().trimmed().isEmpty())
        return refuse(ui.txtHLTestDateTime,
                      QStringLiteral("The date entered is not a valid date.  Please enter it as "
                                     "mm/dd/yyyy h:mm am/pm."),
                      messages);

    Session::Filling filling(m_ctx.session);
    QVariant testDate;
    if (typed) {
        testDate = *typed;
    } else {
        // The time shown is the time stored, to the minute the box shows.
        QDateTime now = QDateTime::currentDateTime();
        now.setTime(QTime(now.time().hour(), now.time().minute()));
        ui.txtHLTestDateTime->setText(vbrt::formatDate(now, "mm/dd/yyyy h:mm am/pm"));
        testDate = now;
    }
    const QString techName = m_technicians.currentTechnician();
    const QString userId = SaveableText(db, QStringLiteral("House Leakage Tests"),
                                        QStringLiteral("HltUserID"), ui.txtHLTestNum)
                               ->text();
    QVariant direction, gauge;
    if (ui.cmbHLTestDirection2->currentIndex() >= 0) {
        direction = vbrt::mod(ComboData(ui.cmbHLTestDirection2), 2);
        gauge = vbrt::intDiv(ComboData(ui.cmbHLTestDirection2), 2);
    }
    const QVariant blowerModel = ui.cmbBlowerModel->currentIndex() < 0
                                     ? QVariant(2)
                                     : QVariant(ComboData(ui.cmbBlowerModel));

    QStringList columns = {"ClientId",      "HltTestDate",  "TechName",         "HltUserID",
                           "HltTestType",   "HltDirection", "HltGaugeLocation", "hltWindFactor",
                           "BlowerModelID", "rangeid",      "HltFlowTube",      "HltInsideTemp",
                           "HltOutsideTemp"};
    QVariantList values = {m_ctx.session.gintClientID(),
                           testDate,
                           techName,
                           userId,
                           code(ui.cmbHLTestType),
                           direction,
                           gauge,
                           code(ui.cmbHLWindFactor),
                           blowerModel,
                           code(ui.cmbHLRange),
                           code(ui.cmbHLFlowTubeConnection),
                           whole(ui.txtHLInsideTemp),
                           whole(ui.txtHLOutsideTemp)};
    auto add = [&](const QString& prefix, const std::array<QLineEdit*, 6>& boxes) {
        for (int i = 0; i < hl::DatasetCount; ++i) {
            columns << prefix + QString::number(i);
            values << whole(boxes[size_t(i)]);
        }
    };
    add(QStringLiteral("HltHousePressure"), housePressure);
    const hl::RangeKind kind = rangeKind();
    if (kind == hl::RangeKind::MeasuredDirectly) {
        add(QStringLiteral("HltFlowCFM"), testFlow);
    } else {
        add(QStringLiteral("HltFlowPressure"), flowPressure);
        if (kind == hl::RangeKind::TwoBlowers)
            add(QStringLiteral("HltFlowPressure2_"), flowPressure2);
    }

    // A database failure stores nothing and keeps the page as it is, still unsaved.
    const int32_t shownId = m_ctx.session.mintCurrentHltID;
    const bool changed = m_ctx.session.mblnDataChanged;
    const bool saved = runDatabaseAction(
        m_ctx.state, DbAccess::Write, QStringLiteral("The house leakage test could not be saved."),
        [&] {
            const QString sql = QStringLiteral("INSERT INTO [House Leakage Tests] (%1) VALUES (%2)")
                                    .arg(columns.join(QStringLiteral(", ")),
                                         QStringList(columns.size(), QStringLiteral("?"))
                                             .join(QStringLiteral(", ")));
            const QSqlQuery insert = execSql(db, sql, values);
            const int32_t hltId = insert.lastInsertId().toInt();
            m_ctx.session.mintCurrentHltID = hltId;
            m_ctx.session.mblnDataChanged = false;

            // The new test is the row to find in the list: it is highlighted, not loaded again.
            QSqlQuery tests = clientTests();
            RefreshHLTests(tests);
            selectTestRow(hltId);
        });
    if (!saved) {
        m_ctx.session.mintCurrentHltID = shownId;
        m_ctx.session.mblnDataChanged = changed;
    }
    return saved;
}
