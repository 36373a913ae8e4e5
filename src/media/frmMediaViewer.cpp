#include "frmMediaViewer.h"

#include "Dialogs.h"
#include "LibraryFiles.h"
#include "MultimediaCode.h"
#include "ProgramState.h"
#include "SlideShow.h"
#include "ScreenFit.h"
#include "WindowFit.h"
#include "ui_frmMediaViewer.h"
#include "vberror.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

using platform::MsgButtons;
using platform::MsgIcon;

const QString frmMediaViewer::Separator = QStringLiteral("-------");
const QString frmMediaViewer::ImportMovieEntry = QStringLiteral("Import New Movie");
const QString frmMediaViewer::ImportSlideShowEntry = QStringLiteral("Import New Slideshow");
const QString frmMediaViewer::ImportPDFEntry = QStringLiteral("Import New PDF document");

namespace {

const QString MovieSuffixes = QStringLiteral(".mpg.mov.wmv.asf.avi");
const QString SlideShowSuffixes = QStringLiteral(".ppt");
const QString PDFSuffixes = QStringLiteral(".pdf");

} // namespace

namespace {

const frmMediaViewer::ImportKind* movieImport()
{
    static const frmMediaViewer::ImportKind kind{
        QStringLiteral("Movie Files (*.mpg,*.mpeg,*.mov,*.wmv,*.asf,*.avi)|"
                       "*.mpg;*.mpeg;*.wmv;*.mov;*.asf;*.avi"),
        QStringLiteral("Locate Movie File(s) to Import"), QStringLiteral("Movies"),
        QStringLiteral(" copied successfully into the Caldrovane 'Movies' folder")};
    return &kind;
}

const frmMediaViewer::ImportKind* slideShowImport()
{
    static const frmMediaViewer::ImportKind kind{
        QStringLiteral("PowerPoint files (*.ppt)|*.ppt"),
        QStringLiteral("Locate PowerPoint File(s) to Import"), QStringLiteral("PowerPoints"),
        QStringLiteral(" slideshow copied successfully into the Caldrovane 'PowerPoints' folder")};
    return &kind;
}

const frmMediaViewer::ImportKind* pdfImport()
{
    static const frmMediaViewer::ImportKind kind{
        QStringLiteral("PDF Files (*.pdf)|*.pdf"), QStringLiteral("Locate PDF File(s) to Import"),
        QStringLiteral("PDFs"),
        QStringLiteral(" PDF document copied successfully into the Caldrovane 'PDFs' folder")};
    return &kind;
}

} // namespace

frmMediaViewer::frmMediaViewer(ProgramState& state, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmMediaViewer>()), m_state(state)
{
    ui->setupUi(this);
    platform::keepOnScreen(this);
    imgThumbnail = {ui->imgThumbnail_0, ui->imgThumbnail_1, ui->imgThumbnail_2, ui->imgThumbnail_3,
                    ui->imgThumbnail_4, ui->imgThumbnail_5, ui->imgThumbnail_6, ui->imgThumbnail_7,
                    ui->imgThumbnail_8, ui->imgThumbnail_9};

    // A list's Click is the user's choice of a row, also of the row already chosen.
    connect(ui->cboMovieFiles, &QComboBox::activated, this, &frmMediaViewer::cboMovieFiles_Click);
    connect(ui->cboSlideShowFiles, &QComboBox::activated, this,
            &frmMediaViewer::cboSlideShowFiles_Click);
    connect(ui->cboPDFFiles, &QComboBox::activated, this, &frmMediaViewer::cboPDFFiles_Click);
    connect(ui->cboPhotoFolders, &QComboBox::activated, this,
            &frmMediaViewer::cboPhotoFolders_Click);
    connect(ui->cmdMovieFilesGo, &QPushButton::clicked, this,
            &frmMediaViewer::cmdMovieFilesGo_Click);
    connect(ui->cmdSlideShowFilesGo, &QPushButton::clicked, this,
            &frmMediaViewer::cmdSlideShowFilesGo_Click);
    connect(ui->cmdPDFFilesGo, &QPushButton::clicked, this, &frmMediaViewer::cmdPDFFilesGo_Click);
    connect(ui->cmdPhotoFoldersGo, &QPushButton::clicked, this,
            &frmMediaViewer::cmdPhotoFoldersGo_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmMediaViewer::cmdClose_Click);
    connect(ui->cmdCreatePhotoFolder, &QPushButton::clicked, this,
            &frmMediaViewer::cmdCreatePhotoFolder_Click);
    connect(ui->cmdDeletePhotoFolder, &QPushButton::clicked, this,
            &frmMediaViewer::cmdDeletePhotoFolder_Click);
    connect(ui->cmdImportImages, &QPushButton::clicked, this,
            &frmMediaViewer::cmdImportImages_Click);
    connect(ui->cmdPreviousImages, &QPushButton::clicked, this,
            &frmMediaViewer::cmdPreviousImages_Click);
    connect(ui->cmdNextImages, &QPushButton::clicked, this, &frmMediaViewer::cmdNextImages_Click);
    for (int slot = 0; slot < ThumbnailSlots; ++slot)
        connect(imgThumbnail[slot], &QToolButton::clicked, this,
                [this, slot] { imgThumbnail_Click(slot); });

    // A long file name is shortened in the lists' drop-downs too, which keep to their list's
    // width (see eventFilter).
    for (QComboBox* list :
         {ui->cboMovieFiles, ui->cboSlideShowFiles, ui->cboPDFFiles, ui->cboPhotoFolders}) {
        list->view()->setTextElideMode(Qt::ElideMiddle);
        list->installEventFilter(this);
    }
}

bool frmMediaViewer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (auto* list = qobject_cast<QComboBox*>(watched))
            list->view()->window()->setMaximumWidth(std::max(list->width(), 200));
    }
    return QDialog::eventFilter(watched, event);
}

frmMediaViewer::~frmMediaViewer() = default;

void frmMediaViewer::Form_Load()
{
    ui->picHidden->setScaledContents(false);
    ui->picHidden->hide();
    RefreshPhotosCombo();
    RefreshMovieCombo();
    RefreshSlideShowCombo();
    RefreshPDFCombo();
    ui->fraPhotoViewer->hide();
}

QString frmMediaViewer::folder(const QString& subFolder) const
{
    return m_state.path(subFolder);
}

QString frmMediaViewer::stillPhotos() const
{
    return folder(QStringLiteral("Still Photos"));
}

void frmMediaViewer::showMessage(const QString& text, const QString& title)
{
    m_state.dialogs.msgBox(text, MsgButtons::OK, MsgIcon::None,
                           title.isEmpty() ? ProgramState::title() : title);
}

void frmMediaViewer::LoadFilesCombo(QComboBox* combo, const QString& subFolder,
                                    const QString& suffixList, const QString& importEntry)
{
    const QString path = folder(subFolder);
    if (!QFileInfo(path).isDir()) {
        showMessage(QStringLiteral("Multi-media form error: \r\nMedia sub-folder not found: \"") +
                    subFolder + QStringLiteral("\""));
        return;
    }
    const QStringList names = library::listedFiles(path, suffixList);
    // Filling a list chooses nothing: no row is chosen until the user picks one.
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(names);
    combo->addItem(Separator);
    combo->addItem(importEntry);
    combo->setCurrentIndex(-1);
}

void frmMediaViewer::RefreshMovieCombo()
{
    LoadFilesCombo(ui->cboMovieFiles, QStringLiteral("Movies"), MovieSuffixes, ImportMovieEntry);
}

void frmMediaViewer::RefreshSlideShowCombo()
{
    LoadFilesCombo(ui->cboSlideShowFiles, QStringLiteral("PowerPoints"), SlideShowSuffixes,
                   ImportSlideShowEntry);
}

void frmMediaViewer::RefreshPDFCombo()
{
    LoadFilesCombo(ui->cboPDFFiles, QStringLiteral("PDFs"), PDFSuffixes, ImportPDFEntry);
}

void frmMediaViewer::RefreshPhotosCombo()
{
    if (!QFileInfo(stillPhotos()).isDir()) {
        showMessage(QStringLiteral(
            "Multi-media form error: \r\nMedia sub-folder not found: \"Still Photos\""));
        return;
    }
    const QSignalBlocker quiet(ui->cboPhotoFolders);
    ui->cboPhotoFolders->clear();
    ui->cboPhotoFolders->addItems(library::subFolders(stillPhotos()));
    ui->cboPhotoFolders->setCurrentIndex(-1);
}

int16_t frmMediaViewer::ImportMediaFiles(const QString& filter, const QString& dialogTitle,
                                         const QString& subFolder)
{
    platform::FileOpenRequest request;
    request.title = dialogTitle;
    request.filter = platform::qtFileFilter(filter + QStringLiteral("|All Files|*.*"));
    request.multiSelect = true;
    QStringList files;
    try {
        files = m_state.dialogs.openFiles(request);
    } catch (...) {
    }
    files.removeAll(QString());
    if (files.isEmpty())
        return 0;
    try {
        // Each file keeps its own name, directly inside the target folder, which must lie
        // inside its library folder ("Still Photos" for a photo set).
        const QString libraryFolder = folder(subFolder.section(QLatin1Char('/'), 0, 0));
        for (const QString& file : files)
            library::copyInto(file, folder(subFolder), libraryFolder);
        return static_cast<int16_t>(std::min<qsizetype>(files.size(), INT16_MAX));
    } catch (const vbrt::Error& error) {
        showMessage(QStringLiteral("An error occured copying the file(s)\r\n") +
                    error.description());
        return 0;
    }
}

void frmMediaViewer::importInto(const ImportKind& kind)
{
    const int16_t count = ImportMediaFiles(kind.filter, kind.title, kind.subFolder);
    if (count > 0)
        showMessage(QString::number(count) + kind.confirmation);
}

bool frmMediaViewer::isMediaItem(const QString& text) const
{
    return !text.isEmpty() && text != Separator && text != ImportMovieEntry &&
           text != ImportSlideShowEntry && text != ImportPDFEntry;
}

void frmMediaViewer::cboMovieFiles_Click()
{
    const QString text = ui->cboMovieFiles->currentText();
    if (text == ImportMovieEntry) {
        importInto(*movieImport());
        RefreshMovieCombo();
    } else if (text != Separator) {
        LoadMovie();
    }
}

void frmMediaViewer::cboSlideShowFiles_Click()
{
    const QString text = ui->cboSlideShowFiles->currentText();
    if (text == ImportSlideShowEntry) {
        importInto(*slideShowImport());
        RefreshSlideShowCombo();
    } else if (text != Separator) {
        LoadSlideShow();
    }
}

void frmMediaViewer::cboPDFFiles_Click()
{
    const QString text = ui->cboPDFFiles->currentText();
    if (text == ImportPDFEntry) {
        importInto(*pdfImport());
        RefreshPDFCombo();
    } else if (text != Separator) {
        LoadPDF();
    }
}

void frmMediaViewer::cboPhotoFolders_Click()
{
    LoadPhotosFolder();
}

// The open buttons skip the import test, but the separator and the import entry are no file
// to open.
void frmMediaViewer::cmdMovieFilesGo_Click()
{
    if (isMediaItem(ui->cboMovieFiles->currentText()))
        LoadMovie();
}

void frmMediaViewer::cmdSlideShowFilesGo_Click()
{
    if (isMediaItem(ui->cboSlideShowFiles->currentText()))
        LoadSlideShow();
}

void frmMediaViewer::cmdPDFFilesGo_Click()
{
    if (isMediaItem(ui->cboPDFFiles->currentText()))
        LoadPDF();
}

void frmMediaViewer::cmdPhotoFoldersGo_Click()
{
    LoadPhotosFolder();
}

void frmMediaViewer::cmdClose_Click()
{
    done(QDialog::Accepted);
}

bool frmMediaViewer::LoadMovie()
{
    const QString name = ui->cboMovieFiles->currentText();
    if (name.isEmpty())
        return false;
    ui->fraPhotoViewer->hide();
    LoadMovieWMP(m_state, name, this);
    return true;
}

bool frmMediaViewer::LoadSlideShow()
{
    const QString name = ui->cboSlideShowFiles->currentText();
    if (name.isEmpty())
        return false;
    ui->fraPhotoViewer->hide();
    ShowSlideShow(m_state, name);
    return true;
}

bool frmMediaViewer::LoadPDF()
{
    const QString name = ui->cboPDFFiles->currentText();
    if (name.isEmpty())
        return false;
    ui->fraPhotoViewer->hide();
    ShowPDF(m_state, name, this);
    return true;
}

void frmMediaViewer::cmdHelp_Click()
{
    showMessage(QStringLiteral("A help screen would appear at this point"),
                QStringLiteral("Media Viewer"));
}

bool frmMediaViewer::RemoveArrayItem(int index, QStringList& list)
{
    if (index < 0 || index >= list.size())
        return false;
    for (int i = index; i + 1 < list.size(); ++i)
        list[i] = list[i + 1];
    list.last().clear();
    return true;
}
