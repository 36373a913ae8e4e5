#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class frmClientComments;
}

// The small modal window in which the client's free comments are edited. The caller sets
// CommentText, shows the window and reads CommentText back after it closes.
class frmClientComments : public QDialog
{
public:
    explicit frmClientComments(QWidget* parent = nullptr);
    ~frmClientComments() override;

    QString CommentText() const { return m_commentText; }
    void setCommentText(const QString& text);

    void cmdOK_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();

    std::unique_ptr<Ui::frmClientComments> m_ui;
    QString m_commentText;
};
