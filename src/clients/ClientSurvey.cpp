#include "ClientSurvey.h"

#include "ClientRecords.h"
#include "Database.h"
#include "Session.h"
#include "frmClientComments.h"
#include "ui_ClientSurveyPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

template <std::size_t N, typename W>
void gather(std::array<W*, N>& array, QWidget* page, const QString& base)
{
    for (std::size_t i = 0; i < N; ++i) {
        array[i] = page->findChild<W*>(base + '_' + QString::number(i));
        Q_ASSERT_X(array[i], "ClientSurvey", qPrintable(base));
    }
}

QString field(const char* base, std::size_t index)
{
    return QLatin1String(base) + QString::number(index);
}

} // namespace

ClientSurvey::ClientSurvey(const PageContext& context, Ui::ClientSurveyPage& survey, QWidget* page,
                           ClientRecords& records)
    : m_ctx(context), m_surveyUi(&survey), m_page(page), m_records(records)
{
    gatherArrays();
    connectSignals();
}

void ClientSurvey::gatherArrays()
{
    QWidget* page = m_page;
    gather(cmbHowLongHowMany, page, QStringLiteral("cmbHowLongHowMany"));
    gather(cmbSurveyYesNo, page, QStringLiteral("cmbSurveyYesNo"));
    gather(cmbSurveyUtilities, page, QStringLiteral("cmbSurveyUtilities"));
    gather(cmbSurveyUtilitiesType, page, QStringLiteral("cmbSurveyUtilitiesType"));
    gather(cboSurveyRoomName, page, QStringLiteral("cboSurveyRoomName"));
    gather(txtSurveyRoomComment, page, QStringLiteral("txtSurveyRoomComment"));
    for (QComboBox* room : cboSurveyRoomName)
        room->setCompleter(nullptr); // a typed room name stays as typed
}

void ClientSurvey::connectSignals()
{
    const auto onClick = [this](auto& array, void (ClientSurvey::*handler)(int)) {
        for (std::size_t i = 0; i < array.size(); ++i)
            connect(array[i], &QComboBox::currentIndexChanged, this,
                    [this, handler, i] { (this->*handler)(static_cast<int>(i)); });
    };
    onClick(cmbHowLongHowMany, &ClientSurvey::cmbHowLongHowMany_Click);
    onClick(cmbSurveyYesNo, &ClientSurvey::cmbSurveyYesNo_Click);
    onClick(cmbSurveyUtilities, &ClientSurvey::cmbSurveyUtilities_Click);
    onClick(cmbSurveyUtilitiesType, &ClientSurvey::cmbSurveyUtilitiesType_Click);
    onClick(cboSurveyRoomName, &ClientSurvey::cboSurveyRoomName_Click);
    for (std::size_t i = 0; i < cboSurveyRoomName.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(cboSurveyRoomName[i], &QComboBox::editTextChanged, this,
                [this, index] { cboSurveyRoomName_Change(index); });
        connect(txtSurveyRoomComment[i], &QLineEdit::textChanged, this,
                [this, index] { txtSurveyRoomComment_Change(index); });
    }
    connect(m_surveyUi->cmdClientComments, &QPushButton::clicked, this,
            &ClientSurvey::cmdClientComments_Click);
}

void ClientSurvey::answered()
{
    if (m_ctx.session.isFilling())
        return;
    m_records.EnableClientSave();
    m_ctx.session.mblnDataChanged = true;
}

// Picking the empty answer is no answer, so it does not mark the client as changed.
void ClientSurvey::cmbHowLongHowMany_Click(int index)
{
    if (!cmbHowLongHowMany[index]->currentText().isEmpty())
        answered();
}

void ClientSurvey::cmbSurveyYesNo_Click(int index)
{
    if (!cmbSurveyYesNo[index]->currentText().isEmpty())
        answered();
}

void ClientSurvey::cmbSurveyUtilities_Click(int index)
{
    if (!cmbSurveyUtilities[index]->currentText().isEmpty())
        answered();
}

void ClientSurvey::cmbSurveyUtilitiesType_Click(int index)
{
    if (!cmbSurveyUtilitiesType[index]->currentText().isEmpty())
        answered();
}

void ClientSurvey::cboSurveyRoomName_Change(int)
{
    answered();
}
void ClientSurvey::cboSurveyRoomName_Click(int)
{
    answered();
}
void ClientSurvey::txtSurveyRoomComment_Change(int)
{
    answered();
}

void ClientSurvey::cmdClientComments_Click()
{
    frmClientComments window(m_ctx.window);
    window.setCommentText(m_surveyUi->txtHiddenComments->toPlainText());
    // Cancel or closing the window changes nothing. An empty result is not copied back
    // either: the window cannot clear the comments.
    if (window.exec() == QDialog::Accepted && !window.CommentText().isEmpty()) {
        m_surveyUi->txtHiddenComments->setPlainText(window.CommentText());
        m_records.EnableClientSave();
        m_ctx.session.mblnDataChanged = true;
    }
}

QList<QWidget*> ClientSurvey::controls() const
{
    QList<QWidget*> all;
    for (QComboBox* c : cmbHowLongHowMany)
        all << c;
    for (QComboBox* c : cmbSurveyYesNo)
        all << c;
    for (QComboBox* c : cmbSurveyUtilities)
        all << c;
    for (QComboBox* c : cmbSurveyUtilitiesType)
        all << c;
    for (QComboBox* c : cboSurveyRoomName)
        all << c;
    for (QLineEdit* t : txtSurveyRoomComment)
        all << t;
    return all;
}

void ClientSurvey::clear()
{
    for (QWidget* w : controls()) {
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            showListText(list, QString());
            if (list->isEditable())
                list->clearEditText();
        } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
            box->clear();
        }
    }
    m_surveyUi->txtHiddenComments->clear();
}

void ClientSurvey::show(const QSqlRecord& row)
{
    const auto text = [&row](const QString& name) { return row.value(name).toString(); };
    for (std::size_t i = 0; i < cmbHowLongHowMany.size(); ++i)
        showListText(cmbHowLongHowMany[i], text(field("SurveyHowLong", i)));
    for (std::size_t i = 0; i < cboSurveyRoomName.size(); ++i) {
        showListText(cboSurveyRoomName[i], text(field("SurveyRoomName", i)));
        txtSurveyRoomComment[i]->setText(text(field("SurveyRoomComment", i)));
    }
    for (std::size_t i = 0; i < cmbSurveyYesNo.size(); ++i)
        showListText(cmbSurveyYesNo[i], text(field("SurveyYesNo", i)));
    for (std::size_t i = 0; i < cmbSurveyUtilities.size(); ++i) {
        showListText(cmbSurveyUtilities[i], text(field("SurveyUtilities", i)));
        showListText(cmbSurveyUtilitiesType[i], text(field("SurveyUtilitiesType", i)));
    }
    m_surveyUi->txtHiddenComments->setPlainText(text(QStringLiteral("ClientComments")));
}

void ClientSurvey::appendValues(ClientValues& values) const
{
    for (std::size_t i = 0; i < cmbHowLongHowMany.size(); ++i)
        values.append({field("SurveyHowLong", i), cmbHowLongHowMany[i]->currentText()});
    for (std::size_t i = 0; i < cboSurveyRoomName.size(); ++i)
        values.append({field("SurveyRoomName", i),
                       fitText(cboSurveyRoomName[i]->currentText(), RoomNameLength)});
    for (std::size_t i = 0; i < txtSurveyRoomComment.size(); ++i)
        values.append({field("SurveyRoomComment", i), txtSurveyRoomComment[i]->text()});
    for (std::size_t i = 0; i < cmbSurveyYesNo.size(); ++i)
        values.append({field("SurveyYesNo", i), cmbSurveyYesNo[i]->currentText()});
    for (std::size_t i = 0; i < cmbSurveyUtilities.size(); ++i)
        values.append({field("SurveyUtilities", i), cmbSurveyUtilities[i]->currentText()});
    for (std::size_t i = 0; i < cmbSurveyUtilitiesType.size(); ++i)
        values.append({field("SurveyUtilitiesType", i), cmbSurveyUtilitiesType[i]->currentText()});
    values.append({QStringLiteral("ClientComments"), m_surveyUi->txtHiddenComments->toPlainText()});
}
