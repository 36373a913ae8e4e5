#pragma once

#include "PageContext.h"

#include <QList>
#include <QObject>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <optional>
#include <utility>

class ClientRecords;
class QLineEdit;
class QWidget;

namespace Ui {
class ClientSurveyPage;
}

// Column name and value of a client row, in the order they are written.
using ClientValues = QList<std::pair<QString, QVariant>>;

// The house data boxes of the Client Survey page: living area, stories, ceiling height and
// bedrooms, stored with the client and read by the house leakage calculation.
class HouseData : public QObject
{
public:
    HouseData(const PageContext& context, Ui::ClientSurveyPage& survey, ClientRecords& records);

    // The leave-a-box checks; they refuse only while the Client Survey page is shown.
    void txtHLLivingArea_Validate(bool& cancel);
    void txtHLCeilingHeight_Validate(bool& cancel);
    void txtHLBedrooms_Validate(bool& cancel);

    QList<QWidget*> controls() const;
    void clear();
    void show(const QSqlRecord& row);
    void appendValues(ClientValues& values) const;
    // A box whose text cannot be stored as its number (the checks let anything pass while
    // another page is shown); nullptr when every box can be stored.
    QLineEdit* unstorableBox() const;

    // The whole number of a living area text; nothing when it is no number or too large.
    static std::optional<int> livingArea(const QString& text);

private:
    void connectSignals();
    bool onSurveyPage() const;
    // A refusal; its message shows only while messages are on.
    void refuse(bool& cancel, const QString& text);
    // The unusual-value question: true when the user keeps the value.
    bool keep(const QString& question);

    PageContext m_ctx;
    Ui::ClientSurveyPage* m_surveyUi;
    ClientRecords& m_records;
};
