#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

class QComboBox;
class QToolButton;
struct ProgramState;

namespace Ui {
class frmMediaViewer;
}

// The multimedia library: the lists of movies, slide shows, PDF documents and photo sets of
// the program folder, imports into them, photo sets, and the photo browser.
//
// ShowMediaViewer shows it modally. Tests may make one, call Form_Load, show it and drive it
// like any window; the windows it opens itself (movie, PDF, full-size photo) are modal.
class frmMediaViewer : public QDialog
{
public:
    explicit frmMediaViewer(ProgramState& state, QWidget* parent = nullptr);
    ~frmMediaViewer() override;

    void Form_Load();
    // Opens within the screen's available area.

    // Fills a list with the files of a library folder whose suffix is listed, then the
    // separator and the import entry.
    void LoadFilesCombo(QComboBox* combo, const QString& subFolder, const QString& suffixList,
                        const QString& importEntry);
    void RefreshMovieCombo();
    void RefreshSlideShowCombo();
    void RefreshPDFCombo();
    void RefreshPhotosCombo();
    // Copies the files the user chooses into the library folder; the number copied.
    int16_t ImportMediaFiles(const QString& filter, const QString& dialogTitle,
                             const QString& subFolder);

    // The lists' choices and the open buttons.
    void cboMovieFiles_Click();
    void cboSlideShowFiles_Click();
    void cboPDFFiles_Click();
    void cboPhotoFolders_Click();
    void cmdMovieFilesGo_Click();
    void cmdSlideShowFilesGo_Click();
    void cmdPDFFilesGo_Click();
    void cmdPhotoFoldersGo_Click();
    void cmdClose_Click();
    bool LoadMovie();
    bool LoadSlideShow();
    bool LoadPDF();

    // Photo sets and the photo browser.
    void cmdCreatePhotoFolder_Click();
    void cmdDeletePhotoFolder_Click();
    void cmdImportImages_Click();
    void LoadPhotosFolder();
    void GetImageNames();
    void LoadImages();
    void ClearImages();
    void cmdPreviousImages_Click();
    void cmdNextImages_Click();
    // A click on a thumbnail: the photo large, where it can be deleted.
    void imgThumbnail_Click(int slot);
    // Deletes the photo at the index of the image lists; true when it was deleted.
    bool DeleteMediaFile(int index);
    static bool RemoveArrayItem(int index, QStringList& list);

    void cmdHelp_Click();

    // The photo browser's frame title, "Photos: " and the set's name, shortened so that it
    // never widens the window.
    void setPhotoViewerTitle(const QString& name);

    // The list texts that are no media item.
    static const QString Separator;
    static const QString ImportMovieEntry;
    static const QString ImportSlideShowEntry;
    static const QString ImportPDFEntry;

    // The photo set shown in the browser ("" for none), and its photos: full paths and bare
    // names, index for index. Deleting keeps the lists' length, so their ends may hold "".
    QString mstrPhotoFolder;
    QStringList mstrImagePaths;
    QStringList mstrImageNames;
    // Index of the photo shown in the first thumbnail slot.
    int mintFirstImage = 0;
    static constexpr int ThumbnailSlots = 10;

    std::unique_ptr<Ui::frmMediaViewer> ui;
    std::array<QToolButton*, ThumbnailSlots> imgThumbnail{};

    // What an import asks for, where it copies to and the confirmation after the count.
    struct ImportKind
    {
        QString filter;
        QString title;
        QString subFolder;
        QString confirmation;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void importInto(const ImportKind& kind);
    bool isMediaItem(const QString& text) const;
    void showMessage(const QString& text, const QString& title = {});
    QString folder(const QString& subFolder) const;
    QString stillPhotos() const;
    int imageCount() const;

    ProgramState& m_state;
};
