// The photo sets of the media viewer and its photo browser.
#include "frmMediaViewer.h"

#include "Dialogs.h"
#include "LibraryFiles.h"
#include "ProgramState.h"
#include "frmFullSizePhoto.h"
#include "ui_frmMediaViewer.h"
#include "vberror.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

const QString MediaViewerTitle = QStringLiteral("Media Viewer");

// A picture made small enough for a thumbnail slot without reading it at full size.
QPixmap thumbnail(const QString& file, const QSize& box)
{
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height()))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    return QPixmap::fromImage(reader.read());
}

// What a thumbnail slot shows for a photo that cannot be read: a framed grey box that says so.
QPixmap unreadablePhoto(const QSize& box, const QFont& font)
{
    QPixmap picture(box);
    picture.fill(QColor(0xe4, 0xe4, 0xe4));
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.drawLine(box.width() / 3, box.height() / 4, 2 * box.width() / 3, box.height() / 2);
    painter.drawLine(2 * box.width() / 3, box.height() / 4, box.width() / 3, box.height() / 2);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.setFont(font);
    painter.drawText(QRect(0, box.height() / 2, box.width(), box.height() / 2),
                     Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Cannot be shown"));
    return picture;
}

} // namespace

int frmMediaViewer::imageCount() const
{
    const auto end = std::find(mstrImagePaths.begin(), mstrImagePaths.end(), QString());
    return static_cast<int>(end - mstrImagePaths.begin());
}

void frmMediaViewer::cmdCreatePhotoFolder_Click()
{
    const std::optional<QString> answer =
        m_state.dialogs.inputBox(QStringLiteral("Enter the name for the new Still Photos Folder"),
                                 QStringLiteral("Enter Folder Name"));
    const QString name = answer.value_or(QString());
    if (name.isEmpty())
        return;
    // The name becomes a folder: nothing typed may reach outside "Still Photos".
    if (const QString problem = library::folderNameProblem(name); !problem.isEmpty()) {
        m_state.dialogs.msgBox(problem, MsgButtons::OK, MsgIcon::Exclamation,
                               ProgramState::title());
        return;
    }
    try {
        library::createFolder(stillPhotos(), name);
    } catch (const vbrt::Error& error) {
        m_state.dialogs.msgBox(QStringLiteral("An error occured creating your new folder:\r\n") +
                                   error.description(),
                               MsgButtons::OK, MsgIcon::None, ProgramState::title());
        return;
    }
    m_state.dialogs.msgBox(QStringLiteral("New Still Photos sub-folder successfully created:\r\n") +
                               name,
                           MsgButtons::OK, MsgIcon::None, ProgramState::title());
    // The new set can be chosen at once.
    RefreshPhotosCombo();
}

void frmMediaViewer::cmdDeletePhotoFolder_Click()
{
    const QString name = ui->cboPhotoFolders->currentText();
    // Without a chosen set the folder would be "Still Photos" itself.
    if (name.isEmpty()) {
        m_state.dialogs.msgBox(QStringLiteral("Please choose the Still Photos folder to delete."),
                               MsgButtons::OK, MsgIcon::Exclamation, ProgramState::title());
        return;
    }
    if (const QString problem = library::folderNameProblem(name); !problem.isEmpty()) {
        m_state.dialogs.msgBox(problem, MsgButtons::OK, MsgIcon::Exclamation,
                               ProgramState::title());
        return;
    }
    if (m_state.dialogs.msgBox(
            QStringLiteral("Are you sure you wish to delete the Still Photos folder '") + name +
                QStringLiteral("'?\r\nThis folder and all images inside it will be "
                               "deleted.\r\nContinue?"),
            MsgButtons::YesNo, MsgIcon::None, ProgramState::title()) != MsgResult::Yes)
        return;
    try {
        library::deleteFolder(stillPhotos(), name);
    } catch (const vbrt::Error& error) {
        m_state.dialogs.msgBox(QStringLiteral("An error occured creating your new folder:\r\n") +
                                   error.description(),
                               MsgButtons::OK, MsgIcon::None, ProgramState::title());
        return;
    }
    m_state.dialogs.msgBox(QStringLiteral("Still Photos sub-folder '") + name +
                               QStringLiteral("' successfully deleted."),
                           MsgButtons::OK, MsgIcon::None, ProgramState::title());
    ClearImages();
    mstrPhotoFolder.clear();
    mstrImagePaths.clear();
    mstrImageNames.clear();
    // No set is chosen any more: the browser goes as when none was opened.
    setPhotoViewerTitle(QString());
    ui->fraPhotoViewer->hide();
    RefreshPhotosCombo();
}

void frmMediaViewer::cmdImportImages_Click()
{
    // Without a set in the browser the photos would land loose in "Still Photos".
    if (mstrPhotoFolder.isEmpty()) {
        m_state.dialogs.msgBox(QStringLiteral("Please choose the Still Photos folder to import "
                                              "images into."),
                               MsgButtons::OK, MsgIcon::Exclamation, ProgramState::title());
        return;
    }
    ImportKind kind{QStringLiteral("Image Files (*.jpg,*.gif,*.bmp)|*.jpg;*.gif;*.bmp"),
                    QStringLiteral("Locate Image File(s) to Import"),
                    QStringLiteral("Still Photos/") + mstrPhotoFolder,
                    QStringLiteral(" copied successfully into the Caldrovane 'Still Photos\\") +
                        mstrPhotoFolder + QStringLiteral("' folder")};
    importInto(kind);
    GetImageNames();
    LoadImages();
}

void frmMediaViewer::LoadPhotosFolder()
{
    const QString name = ui->cboPhotoFolders->currentText();
    if (name.isEmpty())
        return;
    // Only a set the list would show: not hidden, and really inside "Still Photos".
    if (!library::subFolders(stillPhotos()).contains(name)) {
        m_state.dialogs.msgBox(
            QStringLiteral("Multi-media form error: \r\nMedia sub-folder not found: \"Still "
                           "Photos\\") +
                name + QStringLiteral("\""),
            MsgButtons::OK, MsgIcon::None, ProgramState::title());
        return;
    }
    mstrPhotoFolder = name;
    setPhotoViewerTitle(name);
    ui->fraPhotoViewer->show();
    GetImageNames();
    mintFirstImage = 0;
    LoadImages();
}

void frmMediaViewer::setPhotoViewerTitle(const QString& name)
{
    QGroupBox* frame = ui->fraPhotoViewer;
    if (name.isEmpty()) {
        frame->setTitle(QStringLiteral("Photos"));
        frame->setToolTip(QString());
        return;
    }
    const QString title = QStringLiteral("Photos: ") + name;
    // The thumbnails set the frame's width; the title stays inside it with room to spare for
    // the frame's own margins.
    const QFontMetrics metrics = frame->fontMetrics();
    const int room = ui->photoViewerLayout->minimumSize().width() -
                     4 * metrics.horizontalAdvance(QLatin1Char(' ')) - 24;
    const QString shown = metrics.elidedText(title, Qt::ElideMiddle, room);
    frame->setTitle(shown);
    frame->setToolTip(shown == title ? QString() : title);
}

void frmMediaViewer::GetImageNames()
{
    mstrImagePaths.clear();
    mstrImageNames.clear();
    if (mstrPhotoFolder.isEmpty())
        return;
    const QDir set(QDir(stillPhotos()).filePath(mstrPhotoFolder));
    for (const QString& name : library::imageFiles(set.path(), stillPhotos())) {
        mstrImageNames << name;
        mstrImagePaths << set.filePath(name);
    }
}

void frmMediaViewer::LoadImages()
{
    ClearImages();
    const int count = imageCount();
    if (mintFirstImage >= count)
        mintFirstImage = std::max(0, (count - 1) / ThumbnailSlots * ThumbnailSlots);
    for (int slot = 0; slot < ThumbnailSlots; ++slot) {
        const int index = mintFirstImage + slot;
        if (index >= count)
            break;
        QToolButton* button = imgThumbnail[slot];
        QPixmap picture = thumbnail(mstrImagePaths[index], button->iconSize());
        if (picture.isNull())
            picture = unreadablePhoto(button->iconSize(), button->font());
        button->setIcon(QIcon(picture));
        button->setText(button->fontMetrics().elidedText(mstrImageNames[index], Qt::ElideMiddle,
                                                         button->width() - 8));
        button->setToolTip(mstrImageNames[index]);
        button->setEnabled(true);
    }
    const int last = std::min(count, mintFirstImage + ThumbnailSlots);
    ui->lblPhotoPage->setText(
        count == 0
            ? QStringLiteral("No photos in this folder")
            : QStringLiteral("Photos %1 - %2 of %3").arg(mintFirstImage + 1).arg(last).arg(count));
    ui->cmdPreviousImages->setEnabled(mintFirstImage > 0);
    ui->cmdNextImages->setEnabled(last < count);
}

void frmMediaViewer::ClearImages()
{
    for (QToolButton* button : imgThumbnail) {
        button->setIcon(QIcon());
        button->setText(QString());
        button->setToolTip(QString());
        button->setEnabled(false);
    }
    ui->lblPhotoPage->clear();
    ui->cmdPreviousImages->setEnabled(false);
    ui->cmdNextImages->setEnabled(false);
}

void frmMediaViewer::cmdPreviousImages_Click()
{
    mintFirstImage = std::max(0, mintFirstImage - ThumbnailSlots);
    LoadImages();
}

void frmMediaViewer::cmdNextImages_Click()
{
    if (mintFirstImage + ThumbnailSlots < imageCount())
        mintFirstImage += ThumbnailSlots;
    LoadImages();
}

void frmMediaViewer::imgThumbnail_Click(int slot)
{
    const int index = mintFirstImage + slot;
    if (slot < 0 || slot >= ThumbnailSlots || index >= imageCount())
        return;
    frmFullSizePhoto photo(m_state.dialogs, this);
    photo.setPhoto(mstrImagePaths[index], mstrImageNames[index]);
    photo.exec();
    if (photo.deleteChosen())
        DeleteMediaFile(index);
}

bool frmMediaViewer::DeleteMediaFile(int index)
{
    if (index < 0 || index >= imageCount())
        return false;
    const QString name = mstrImageNames[index];
    // A photo whose real place is outside the library is not deleted through the set.
    if (!library::deleteFile(mstrImagePaths[index], stillPhotos())) {
        m_state.dialogs.msgBox(QStringLiteral("The file ") + name +
                                   QStringLiteral(" could not be deleted."),
                               MsgButtons::OK, MsgIcon::None, MediaViewerTitle);
        return false;
    }
    RemoveArrayItem(index, mstrImagePaths);
    RemoveArrayItem(index, mstrImageNames);
    m_state.dialogs.msgBox(QStringLiteral("The file ") + name +
                               QStringLiteral(" has been deleted."),
                           MsgButtons::OK, MsgIcon::None, MediaViewerTitle);
    LoadImages();
    return true;
}
