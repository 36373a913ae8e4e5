#include "frmFullSizePhoto.h"

#include "Dialogs.h"
#include "ScreenFit.h"
#include "WindowFit.h"
#include "ui_frmFullSizePhoto.h"

#include <QPushButton>

frmFullSizePhoto::frmFullSizePhoto(platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmFullSizePhoto>()), m_dialogs(dialogs)
{
    ui->setupUi(this);
    platform::keepOnScreen(this);
    connect(ui->cmdDeletePhoto, &QPushButton::clicked, this,
            &frmFullSizePhoto::cmdDeletePhoto_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmFullSizePhoto::cmdClose_Click);
}

frmFullSizePhoto::~frmFullSizePhoto() = default;

void frmFullSizePhoto::setPhoto(const QString& fullPath, const QString& name)
{
    m_name = name;
    m_photo = QPixmap(fullPath);
    setWindowTitle(name);
    media::setFittedText(*ui->lblPhotoName, name);
    if (m_photo.isNull())
        ui->imgPhoto->setText(QStringLiteral("This picture cannot be shown."));
    fitPhoto();
}

void frmFullSizePhoto::cmdDeletePhoto_Click()
{
    // One click must not lose a client's photo.
    if (m_dialogs.msgBox(QStringLiteral("Are you sure you wish to delete the photo '") + m_name +
                             QStringLiteral("'?"),
                         platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                         QStringLiteral("Media Viewer")) != platform::MsgResult::Yes)
        return;
    m_deleteChosen = true;
    done(QDialog::Accepted);
}

void frmFullSizePhoto::cmdClose_Click()
{
    done(QDialog::Rejected);
}

void frmFullSizePhoto::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // The name takes what the buttons leave; a long one is shortened, never widening the window.
    media::setFittedText(*ui->lblPhotoName, m_name);
    fitPhoto();
}

void frmFullSizePhoto::fitPhoto()
{
    if (m_photo.isNull())
        return;
    const QSize area = ui->imgPhoto->size();
    // Small photos are shown at their own size, large ones fitted to the window.
    QPixmap shown = m_photo;
    if (m_photo.width() > area.width() || m_photo.height() > area.height())
        shown = m_photo.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    ui->imgPhoto->setPixmap(shown);
}
