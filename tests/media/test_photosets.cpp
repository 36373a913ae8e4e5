// Photo sets and the photo browser of the media viewer, end to end on the real window.
#include "GuiTestMain.h"
#include "LibraryFiles.h"
#include "ViewerRun.h"
#include "frmFullSizePhoto.h"
#include "ui_frmFullSizePhoto.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

using mediatest::choose;
using mediatest::ModalWatch;
using mediatest::rows;
using mediatest::writeFile;
using mediatest::writeImage;
using platform::MsgResult;

namespace {

// A set folder with pictures named 01.jpg, 02.jpg, ...
bool makeSet(const QString& folder, int photos)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 1; i <= photos; ++i) {
        if (!writeImage(QDir(folder).filePath(QStringLiteral("%1.jpg").arg(i, 2, 10, QChar('0')))))
            return false;
    }
    return true;
}

QStringList shownNames(const frmMediaViewer& viewer)
{
    QStringList names;
    for (const QToolButton* slot : viewer.imgThumbnail) {
        if (slot->isEnabled())
            names << slot->toolTip();
    }
    return names;
}

} // namespace

class TestPhotoSets : public QObject
{
    Q_OBJECT
private slots:
    void createdSetIsListed()
    {
        ViewerRun v;
        QVERIFY(QDir(v.folder("Still Photos")).mkdir("Adams"));
        QVERIFY(v.start());
        v.open();
        v.dialogs().expectInput(QStringLiteral("Smith House"),
                                "Enter the name for the new Still Photos Folder");
        v.dialogs().expect(MsgResult::OK,
                           "New Still Photos sub-folder successfully created:\r\nSmith House");
        QTest::mouseClick(v.ui().cmdCreatePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(v.dialogs().boxes().at(0).title, QStringLiteral("Enter Folder Name"));
        QVERIFY(QFileInfo(v.folder("Still Photos/Smith House")).isDir());
        QCOMPARE(rows(v.ui().cboPhotoFolders), (QStringList{"Adams", "Smith House"}));
    }

    void unsafeOrEmptyNamesCreateNothing_data()
    {
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<QString>("message"); // empty: no message at all
        QTest::newRow("cancelled") << std::optional<QString>() << QString();
        QTest::newRow("empty") << std::optional<QString>(QString()) << QString();
        QTest::newRow("blank") << std::optional<QString>("   ") << "The folder name is blank.";
        QTest::newRow("climbs out") << std::optional<QString>("../Escaped")
                                    << "The folder name \"../Escaped\" cannot be used.";
        QTest::newRow("two levels") << std::optional<QString>("a/b") << "cannot be used";
        QTest::newRow("backslash") << std::optional<QString>("a\\b") << "cannot be used";
        QTest::newRow("dot dot") << std::optional<QString>("..") << "cannot be used";
        QTest::newRow("dot") << std::optional<QString>(".") << "cannot be used";
        QTest::newRow("control character") << std::optional<QString>("a\tb") << "cannot be used";
        // It would be hidden from the list at once.
        QTest::newRow("hidden") << std::optional<QString>(".trash") << "cannot be used";
    }
    void unsafeOrEmptyNamesCreateNothing()
    {
        QFETCH(std::optional<QString>, typed);
        QFETCH(QString, message);
        ViewerRun v;
        QVERIFY(v.start());
        v.open();
        const QStringList programFolderBefore = QDir(v.run.folder.path()).entryList();
        v.dialogs().expectInput(typed);
        if (!message.isEmpty())
            v.dialogs().expect(MsgResult::OK, message);
        QTest::mouseClick(v.ui().cmdCreatePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        if (!message.isEmpty())
            QVERIFY(v.dialogs().lastBox().text.contains(
                "A Still Photos folder name must not be blank, must not be \".\" or \"..\" or "
                "begin with \".\", and must not contain \"/\", \"\\\" or control characters."));
        QVERIFY(QDir(v.folder("Still Photos")).isEmpty());
        QCOMPARE(QDir(v.run.folder.path()).entryList(), programFolderBefore);
    }

    void creatingAnExistingSetIsAnError()
    {
        ViewerRun v;
        QVERIFY(QDir(v.folder("Still Photos")).mkdir("Adams"));
        QVERIFY(v.start());
        v.open();
        v.dialogs().expectInput(QStringLiteral("Adams"));
        v.dialogs().expect(MsgResult::OK,
                           "An error occured creating your new folder:\r\nFile already exists");
        QTest::mouseClick(v.ui().cmdCreatePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
    }

    void deletingASetDeletesThatFolderOnly()
    {
        ViewerRun v;
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 3));
        QVERIFY(makeSet(v.folder("Still Photos/Baker"), 1));
        QVERIFY(v.start());
        auto& viewer = v.open();
        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));
        QCOMPARE(shownNames(viewer).size(), 3);

        // No keeps everything.
        v.dialogs().expect(MsgResult::No,
                           "Are you sure you wish to delete the Still Photos folder 'Adams'?\r\n"
                           "This folder and all images inside it will be deleted.\r\nContinue?");
        QTest::mouseClick(v.ui().cmdDeletePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QVERIFY(QFileInfo::exists(v.folder("Still Photos/Adams/01.jpg")));

        v.dialogs().expect(MsgResult::Yes, "Are you sure");
        v.dialogs().expect(MsgResult::OK, "Still Photos sub-folder 'Adams' successfully deleted.");
        QTest::mouseClick(v.ui().cmdDeletePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(v.dialogs().boxes().at(1).buttons, platform::MsgButtons::YesNo);
        QVERIFY(!QFileInfo::exists(v.folder("Still Photos/Adams")));
        QVERIFY(QFileInfo::exists(v.folder("Still Photos/Baker/01.jpg")));
        QCOMPARE(rows(v.ui().cboPhotoFolders), QStringList{"Baker"});
        QVERIFY(shownNames(viewer).isEmpty());
        // The browser goes as when no set was opened: nothing to import into is offered.
        QVERIFY(!v.ui().fraPhotoViewer->isVisible());
        QVERIFY(!v.ui().cmdImportImages->isVisible());
    }

    // Only the names that could leave the folder or break it are refused: dots inside a name
    // are an ordinary part of it.
    void namesWithDotsInsideWorkThroughout()
    {
        ViewerRun v;
        QTemporaryDir source;
        QVERIFY(writeImage(source.filePath("attic.jpg")));
        QVERIFY(v.start());
        auto& viewer = v.open();
        v.dialogs().expectInput(QStringLiteral("Smith..2024"));
        v.dialogs().expect(MsgResult::OK,
                           "New Still Photos sub-folder successfully created:\r\nSmith..2024");
        QTest::mouseClick(v.ui().cmdCreatePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(rows(v.ui().cboPhotoFolders), QStringList{"Smith..2024"});

        QVERIFY(choose(v.ui().cboPhotoFolders, "Smith..2024"));
        QVERIFY(v.ui().fraPhotoViewer->isVisible());
        QCOMPARE(v.ui().fraPhotoViewer->title(), QStringLiteral("Photos: Smith..2024"));
        v.dialogs().expectOpenFiles({source.filePath("attic.jpg")});
        v.dialogs().expect(
            MsgResult::OK,
            "1 copied successfully into the Caldrovane 'Still Photos\\Smith..2024' folder");
        QTest::mouseClick(v.ui().cmdImportImages, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(shownNames(viewer), QStringList{"attic.jpg"});

        v.dialogs().expect(MsgResult::Yes, "Are you sure");
        v.dialogs().expect(MsgResult::OK,
                           "Still Photos sub-folder 'Smith..2024' successfully deleted.");
        QTest::mouseClick(v.ui().cmdDeletePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QVERIFY(!QFileInfo::exists(v.folder("Still Photos/Smith..2024")));
    }

    // The file system's own reason reaches the user.
    void nameTooLongForTheFileSystemSaysSo()
    {
        ViewerRun v;
        QVERIFY(v.start());
        v.open();
        v.dialogs().expectInput(QString(300, QChar('x')));
        v.dialogs().expect(MsgResult::OK, "An error occured creating your new folder:\r\n"
                                          "The name is too long for the file system");
        QTest::mouseClick(v.ui().cmdCreatePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QVERIFY(QDir(v.folder("Still Photos")).isEmpty());
    }

    void deletingWithoutAChosenSetKeepsTheLibrary()
    {
        ViewerRun v;
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 1));
        QVERIFY(v.start());
        v.open();
        v.dialogs().expect(MsgResult::OK, "Please choose the Still Photos folder to delete.");
        QTest::mouseClick(v.ui().cmdDeletePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QVERIFY(QFileInfo::exists(v.folder("Still Photos/Adams/01.jpg")));
    }

    // A set that is a link is listed only when it leads to a set of the library; deleting a
    // link removes the link alone.
    void linkedSetsAndTheirTargets()
    {
        ViewerRun v;
        QTemporaryDir elsewhere;
        QVERIFY(writeImage(elsewhere.filePath("keep.jpg")));
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 2));
        QVERIFY(QFile::link(elsewhere.path(), v.folder("Still Photos/Outside")));
        QVERIFY(QFile::link(v.folder("Still Photos/Adams"), v.folder("Still Photos/Alias")));
        QVERIFY(QFile::link(elsewhere.filePath("keep.jpg"), v.folder("Still Photos/Adams/03.jpg")));
        QVERIFY(v.start());
        auto& viewer = v.open();
        QCOMPARE(rows(v.ui().cboPhotoFolders), (QStringList{"Adams", "Alias"}));
        // The photo that leads out of the library is not shown either.
        QVERIFY(choose(v.ui().cboPhotoFolders, "Alias"));
        QCOMPARE(shownNames(viewer), (QStringList{"01.jpg", "02.jpg"}));

        v.dialogs().expect(MsgResult::Yes, "Are you sure");
        v.dialogs().expect(MsgResult::OK, "Still Photos sub-folder 'Alias' successfully deleted.");
        QTest::mouseClick(v.ui().cmdDeletePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QVERIFY(!QFileInfo(v.folder("Still Photos/Alias")).isSymLink());
        QVERIFY(QFileInfo::exists(v.folder("Still Photos/Adams/02.jpg")));

        library::deleteFolder(v.folder("Still Photos"), "Outside");
        QVERIFY(!QFileInfo(v.folder("Still Photos/Outside")).isSymLink());
        QVERIFY(QFileInfo::exists(elsewhere.filePath("keep.jpg")));
    }

    // A set replaced by a link to a folder elsewhere while it is open: nothing is written into
    // that folder or deleted from it, and the set can no longer be opened.
    void setSwappedForALinkIsNeitherWrittenNorDeletedThrough()
    {
        ViewerRun v;
        QTemporaryDir elsewhere;
        QTemporaryDir source;
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 2));
        QVERIFY(makeSet(elsewhere.path(), 2));
        QVERIFY(writeImage(source.filePath("attic.jpg")));
        QVERIFY(v.start());
        auto& viewer = v.open();
        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));
        QVERIFY(QDir(v.folder("Still Photos/Adams")).removeRecursively());
        QVERIFY(QFile::link(elsewhere.path(), v.folder("Still Photos/Adams")));

        v.dialogs().expect(MsgResult::OK, "The file 01.jpg could not be deleted.");
        QVERIFY(!viewer.DeleteMediaFile(0));
        v.dialogs().expectOpenFiles({source.filePath("attic.jpg")});
        v.dialogs().expect(MsgResult::OK, "An error occured copying the file(s)\r\n"
                                          "The folder lies outside the library");
        QTest::mouseClick(v.ui().cmdImportImages, Qt::LeftButton);
        // Re-read after the import: the photos elsewhere are not shown.
        QVERIFY(shownNames(viewer).isEmpty());
        v.dialogs().expect(MsgResult::OK, "Media sub-folder not found: \"Still Photos\\Adams\"");
        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"01.jpg", "02.jpg"}));
    }

    // A photo that cannot be read still shows a picture; hidden files are no photos.
    void unreadablePhotoShowsAPlaceholder()
    {
        ViewerRun v;
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 1));
        QVERIFY(writeFile(v.folder("Still Photos/Adams/broken.jpg"), "not a picture"));
        QVERIFY(writeImage(v.folder("Still Photos/Adams/._01.jpg")));
        QVERIFY(v.start());
        auto& viewer = v.open();
        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));
        QCOMPARE(shownNames(viewer), (QStringList{"01.jpg", "broken.jpg"}));
        const QImage placeholder = viewer.imgThumbnail[1]->icon().pixmap(QSize(128, 96)).toImage();
        QVERIFY(!placeholder.isNull());
        QVERIFY(placeholder != viewer.imgThumbnail[0]->icon().pixmap(QSize(128, 96)).toImage());
        QVERIFY(viewer.imgThumbnail[2]->icon().isNull());
    }

    // The frame title holds the set's name; a long one is shortened, never widening the
    // viewer, also after another set is chosen.
    void longSetNameNeverWidensTheViewer()
    {
        ViewerRun v;
        const QString longName = QString("Long set name ").repeated(15).left(200);
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 1));
        QVERIFY(makeSet(v.folder("Still Photos/" + longName), 1));
        QVERIFY(v.start());
        auto& viewer = v.open();
        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));
        QApplication::processEvents();
        const int width = viewer.width();
        const int minimum = viewer.minimumSizeHint().width();

        QVERIFY(choose(v.ui().cboPhotoFolders, longName));
        QApplication::processEvents();
        QCOMPARE(viewer.width(), width);
        QCOMPARE(viewer.minimumSizeHint().width(), minimum);
        const QString title = v.ui().fraPhotoViewer->title();
        QVERIFY(title.startsWith("Photos: Long set name"));
        QVERIFY(title.contains(QChar(0x2026)));
        QCOMPARE(v.ui().fraPhotoViewer->toolTip(), "Photos: " + longName);
        // Its row in the drop-down is shortened to the list's width as well.
        v.ui().cboPhotoFolders->showPopup();
        QVERIFY(v.ui().cboPhotoFolders->view()->window()->width() < viewer.width());
        v.ui().cboPhotoFolders->hidePopup();

        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));
        QApplication::processEvents();
        QCOMPARE(viewer.width(), width);
        QCOMPARE(v.ui().fraPhotoViewer->title(), QStringLiteral("Photos: Adams"));
        VERIFY_DIALOGS_DONE(v.dialogs());
    }

    void browserShowsTenSlotsAndPages()
    {
        ViewerRun v;
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 12));
        QVERIFY(writeFile(v.folder("Still Photos/Adams/notes.txt")));
        QVERIFY(v.start());
        auto& viewer = v.open();
        QVERIFY(!v.ui().fraPhotoViewer->isVisible());
        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));
        QVERIFY(v.ui().fraPhotoViewer->isVisible());
        QCOMPARE(shownNames(viewer).size(), 10);
        QCOMPARE(shownNames(viewer).first(), QStringLiteral("01.jpg"));
        QVERIFY(!viewer.imgThumbnail[0]->icon().isNull());
        QCOMPARE(v.ui().lblPhotoPage->text(), QStringLiteral("Photos 1 - 10 of 12"));
        QTest::mouseClick(v.ui().cmdNextImages, Qt::LeftButton);
        QCOMPARE(shownNames(viewer), (QStringList{"11.jpg", "12.jpg"}));
        QVERIFY(!v.ui().cmdNextImages->isEnabled());
        QTest::mouseClick(v.ui().cmdPreviousImages, Qt::LeftButton);
        QCOMPARE(shownNames(viewer).first(), QStringLiteral("01.jpg"));
        VERIFY_DIALOGS_DONE(v.dialogs());
    }

    void photoDeletedFromTheFullSizeWindow()
    {
        ViewerRun v;
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 3));
        QVERIFY(v.start());
        auto& viewer = v.open();
        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));

        // Closing the large photo deletes nothing.
        QString shownName;
        {
            ModalWatch<frmFullSizePhoto> watch([&](frmFullSizePhoto& photo) {
                shownName = photo.ui->lblPhotoName->text();
                QTest::mouseClick(photo.ui->cmdClose, Qt::LeftButton);
            });
            QTest::mouseClick(viewer.imgThumbnail[1], Qt::LeftButton);
            QVERIFY(watch.seen());
        }
        QCOMPARE(shownName, QStringLiteral("02.jpg"));
        QCOMPARE(viewer.mstrImageNames.size(), 3);

        v.dialogs().expect(MsgResult::Yes, "Are you sure you wish to delete the photo '02.jpg'?");
        v.dialogs().expect(MsgResult::OK, "The file 02.jpg has been deleted.");
        {
            ModalWatch<frmFullSizePhoto> watch([&](frmFullSizePhoto& photo) {
                QTest::mouseClick(photo.ui->cmdDeletePhoto, Qt::LeftButton);
            });
            QTest::mouseClick(viewer.imgThumbnail[1], Qt::LeftButton);
            QVERIFY(watch.seen());
        }
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(v.dialogs().lastBox().title, QStringLiteral("Media Viewer"));
        QVERIFY(!QFileInfo::exists(v.folder("Still Photos/Adams/02.jpg")));
        // Both lists keep their length; the end is empty.
        QCOMPARE(viewer.mstrImageNames, (QStringList{"01.jpg", "03.jpg", ""}));
        QCOMPARE(viewer.mstrImagePaths.last(), QString());
        QCOMPARE(shownNames(viewer), (QStringList{"01.jpg", "03.jpg"}));
    }

    void photoThatCannotBeDeletedIsReported()
    {
        ViewerRun v;
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 2));
        QVERIFY(v.start());
        auto& viewer = v.open();
        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));
        QVERIFY(QFile::remove(v.folder("Still Photos/Adams/01.jpg"))); // gone behind our back
        v.dialogs().expect(MsgResult::OK, "The file 01.jpg could not be deleted.");
        QVERIFY(!viewer.DeleteMediaFile(0));
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(viewer.mstrImageNames, (QStringList{"01.jpg", "02.jpg"}));
    }

    void removeArrayItem_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("first") << QStringList{"a", "b", "c"} << 0 << QStringList{"b", "c", ""};
        QTest::newRow("middle") << QStringList{"a", "b", "c"} << 1 << QStringList{"a", "c", ""};
        QTest::newRow("last") << QStringList{"a", "b", "c"} << 2 << QStringList{"a", "b", ""};
        QTest::newRow("only") << QStringList{"a"} << 0 << QStringList{""};
    }
    void removeArrayItem()
    {
        QFETCH(QStringList, list);
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        QVERIFY(frmMediaViewer::RemoveArrayItem(index, list));
        QCOMPARE(list, expected);
    }

    void importingImagesIntoTheViewedSet()
    {
        ViewerRun v;
        QVERIFY(makeSet(v.folder("Still Photos/Adams"), 1));
        QTemporaryDir source;
        QVERIFY(writeImage(source.filePath("attic.jpg")));
        QVERIFY(writeImage(source.filePath("porch.bmp")));
        QVERIFY(v.start());
        auto& viewer = v.open();

        // Nothing viewed yet: there is no set to import into.
        v.dialogs().expect(MsgResult::OK, "Please choose the Still Photos folder to import");
        QTest::mouseClick(v.ui().cmdImportImages, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());

        QVERIFY(choose(v.ui().cboPhotoFolders, "Adams"));
        v.dialogs().expectOpenFiles({source.filePath("attic.jpg"), source.filePath("porch.bmp")});
        v.dialogs().expect(
            MsgResult::OK,
            "2 copied successfully into the Caldrovane 'Still Photos\\Adams' folder");
        QTest::mouseClick(v.ui().cmdImportImages, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        const auto request = v.dialogs().boxes().at(1).request;
        QCOMPARE(request.title, QStringLiteral("Locate Image File(s) to Import"));
        QCOMPARE(request.filter,
                 platform::qtFileFilter("Image Files (*.jpg,*.gif,*.bmp)|*.jpg;*.gif;"
                                        "*.bmp|All Files|*.*"));
        QCOMPARE(shownNames(viewer), (QStringList{"01.jpg", "attic.jpg", "porch.bmp"}));
        QVERIFY(QFileInfo::exists(v.folder("Still Photos/Adams/porch.bmp")));
    }
};

OSTREL_GUI_TEST_MAIN(TestPhotoSets)
#include "test_photosets.moc"
