// Photo sets and the photo browser of the media viewer, end to end on the real window.
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
                "must not be blank and must not contain \"/\", \"\\\" or \"..\""));
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

    void deletingALinkedSetLeavesItsTargetAlone()
    {
        ViewerRun v;
        QTemporaryDir elsewhere;
        QVERIFY(writeImage(elsewhere.filePath("keep.jpg")));
        QVERIFY(QFile::link(elsewhere.path(), v.folder("Still Photos/Linked")));
        QVERIFY(v.start());
        v.open();
        QVERIFY(choose(v.ui().cboPhotoFolders, "Linked"));
        v.dialogs().expect(MsgResult::Yes, "Are you sure");
        v.dialogs().expect(MsgResult::OK, "successfully deleted");
        QTest::mouseClick(v.ui().cmdDeletePhotoFolder, Qt::LeftButton);
        VERIFY_DIALOGS_DONE(v.dialogs());
        QVERIFY(!QFileInfo(v.folder("Still Photos/Linked")).isSymLink());
        QVERIFY(QFileInfo::exists(elsewhere.filePath("keep.jpg")));
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

QTEST_MAIN(TestPhotoSets)
#include "test_photosets.moc"
