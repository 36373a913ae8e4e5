#include "frmClientComments.h"

#include "ProgramState.h"
#include "ScreenFit.h"
#include "ui_frmClientComments.h"

#include <QPushButton>

frmClientComments::frmClientComments(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmClientComments>())
{
    m_ui->setupUi(this);
    setWindowTitle(ProgramState::title() + QStringLiteral(" - Client Comments"));
    platform::keepOnScreen(this);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmClientComments::cmdOK_Click);
    // Cancel leaves CommentText as it was given.
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmClientComments::~frmClientComments() = default;

void frmClientComments::setCommentText(const QString& text)
{
    m_commentText = text;
}

void frmClientComments::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
}

void frmClientComments::Form_Load()
{
    m_ui->txtComments->setPlainText(m_commentText);
    m_ui->txtComments->setFocus();
}

void frmClientComments::cmdOK_Click()
{
    m_commentText = m_ui->txtComments->toPlainText();
    accept();
}
