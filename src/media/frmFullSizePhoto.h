#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <memory>

namespace platform {
class Dialogs;
}

namespace Ui {
class frmFullSizePhoto;
}

// One photo of a set, as large as the window allows. The caller sets the photo, shows the
// window modally and then reads whether the user asked to delete it.
class frmFullSizePhoto : public QDialog
{
public:
    explicit frmFullSizePhoto(platform::Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmFullSizePhoto() override;

    void setPhoto(const QString& fullPath, const QString& name);
    // True after the user confirmed deleting the photo.
    bool deleteChosen() const { return m_deleteChosen; }

    void cmdDeletePhoto_Click();
    void cmdClose_Click();
    // Opens within the screen's available area.

    std::unique_ptr<Ui::frmFullSizePhoto> ui;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitPhoto();

    platform::Dialogs& m_dialogs;
    QString m_name;
    QPixmap m_photo;
    bool m_deleteChosen = false;
};
