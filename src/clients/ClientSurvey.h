#pragma once

#include "HouseData.h"
#include "PageContext.h"

#include <QObject>
#include <QSqlRecord>

#include <array>

class ClientRecords;
class QComboBox;
class QLineEdit;
class QWidget;

namespace Ui {
class ClientSurveyPage;
}

// The interview answers of the Client Survey page and the client's comments.
class ClientSurvey : public QObject
{
public:
    ClientSurvey(const PageContext& context, Ui::ClientSurveyPage& survey, QWidget* page,
                 ClientRecords& records);

    std::array<QComboBox*, 3> cmbHowLongHowMany{};
    std::array<QComboBox*, 8> cmbSurveyYesNo{};
    std::array<QComboBox*, 4> cmbSurveyUtilities{};
    std::array<QComboBox*, 4> cmbSurveyUtilitiesType{};
    std::array<QComboBox*, 2> cboSurveyRoomName{};
    std::array<QLineEdit*, 2> txtSurveyRoomComment{};

    void cmbHowLongHowMany_Click(int index);
    void cmbSurveyYesNo_Click(int index);
    void cmbSurveyUtilities_Click(int index);
    void cmbSurveyUtilitiesType_Click(int index);
    void cboSurveyRoomName_Change(int index);
    void cboSurveyRoomName_Click(int index);
    void txtSurveyRoomComment_Change(int index);
    void cmdClientComments_Click();

    // Room names are stored with at most this many characters.
    static constexpr int RoomNameLength = 25;

    QList<QWidget*> controls() const;
    void clear();
    void show(const QSqlRecord& row);
    void appendValues(ClientValues& values) const;

private:
    void gatherArrays();
    void connectSignals();
    // A survey answer marks the client as changed, named or not.
    void answered();

    PageContext m_ctx;
    Ui::ClientSurveyPage* m_surveyUi;
    QWidget* m_page;
    ClientRecords& m_records;
};
