// The media viewer's lists and imports, end to end on the real window.
#include "GuiTestMain.h"
#include "ViewerRun.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <sys/stat.h>

using mediatest::choose;
using mediatest::readFile;
using mediatest::rows;
using mediatest::writeFile;
using platform::MsgResult;

namespace {

QComboBox* listOf(Ui::frmMediaViewer& ui, const QString& folder)
{
    if (folder == "Movies")
        return ui.cboMovieFiles;
    if (folder == "PowerPoints")
        return ui.cboSlideShowFiles;
    return ui.cboPDFFiles;
}

} // namespace

class TestMediaLists : public QObject
{
    Q_OBJECT
private slots:
    void listsShowListedFilesSorted_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty movies")
            << "Movies" << QStringList{} << QStringList{"-------", "Import New Movie"};
        QTest::newRow("movies by character code")
            << "Movies" << QStringList{"b.avi", "Barn.avi", "a.mpg", "intro.mpeg", "Loud.AVI",
                                       "x.wmv", "c.mov",    "d.asf", "notes.txt",  "a"}
            << QStringList{"Barn.avi", "a.mpg", "b.avi",   "c.mov",
                           "d.asf",    "x.wmv", "-------", "Import New Movie"};
        QTest::newRow("slide shows")
            << "PowerPoints" << QStringList{"Zone.ppt", "attic.ppt", "new.pptx", "pt", "t"}
            << QStringList{"Zone.ppt", "attic.ppt", "-------", "Import New Slideshow"};
        QTest::newRow("pdfs") << "PDFs" << QStringList{"guide.pdf", "Scan.PDF", "df"}
                              << QStringList{"guide.pdf", "-------", "Import New PDF document"};
    }
    void listsShowListedFilesSorted()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(QStringList, expected);
        ViewerRun v;
        for (const QString& name : files)
            QVERIFY(writeFile(v.folder(folder + "/" + name)));
        QDir(v.folder(folder)).mkdir("folder.avi"); // a folder is no media file
        QVERIFY(v.start());
        v.open();
        QComboBox* list = listOf(v.ui(), folder);
        QCOMPARE(rows(list), expected);
        QCOMPARE(list->currentIndex(), -1); // filling the list chooses nothing
        VERIFY_DIALOGS_DONE(v.dialogs());
    }

    void missingFolderIsReportedAndListLeftAlone()
    {
        ViewerRun v;
        QVERIFY(QDir(v.folder("Movies")).removeRecursively());
        QVERIFY(QDir(v.folder("Still Photos")).removeRecursively());
        QVERIFY(v.start());
        v.dialogs().expect(MsgResult::OK,
                           "Multi-media form error: \r\nMedia sub-folder not found: \"Still "
                           "Photos\"");
        v.dialogs().expect(MsgResult::OK,
                           "Multi-media form error: \r\nMedia sub-folder not found: \"Movies\"");
        v.open();
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(v.ui().cboMovieFiles->count(), 0);
        QCOMPARE(v.ui().cboPhotoFolders->count(), 0);
        QCOMPARE(rows(v.ui().cboPDFFiles), (QStringList{"-------", "Import New PDF document"}));
        QVERIFY(!QFileInfo::exists(v.folder("Movies"))); // never created by the program
        QVERIFY(v.dialogs().boxes().at(0).title == ProgramState::title());
    }

    void importingThreeMoviesInOneSelection()
    {
        ViewerRun v;
        QTemporaryDir source;
        for (const char* name : {"Attic.avi", "basement.mpeg", "crawl.wmv"})
            QVERIFY(writeFile(source.filePath(name), QByteArray("new ") + name));
        QVERIFY(writeFile(v.folder("Movies/Attic.avi"), "old"));
        QVERIFY(v.start());
        auto& viewer = v.open();

        v.dialogs().expectOpenFiles({source.filePath("Attic.avi"), source.filePath("basement.mpeg"),
                                     source.filePath("crawl.wmv")});
        v.dialogs().expect(MsgResult::OK,
                           "3 copied successfully into the Caldrovane 'Movies' folder");
        QVERIFY(choose(v.ui().cboMovieFiles, "Import New Movie"));
        VERIFY_DIALOGS_DONE(v.dialogs());

        const auto request = v.dialogs().boxes().at(0).request;
        QCOMPARE(request.title, QStringLiteral("Locate Movie File(s) to Import"));
        QCOMPARE(request.filter,
                 platform::qtFileFilter("Movie Files (*.mpg,*.mpeg,*.mov,*.wmv,*.asf,*.avi)|"
                                        "*.mpg;*.mpeg;*.wmv;*.mov;*.asf;*.avi|All Files|*.*"));
        QVERIFY(request.multiSelect);
        QCOMPARE(v.dialogs().boxes().at(1).text,
                 QStringLiteral("3 copied successfully into the Caldrovane 'Movies' folder"));
        // Each file under its own name, the same-named one replaced; .mpeg copied, not listed.
        QCOMPARE(readFile(v.folder("Movies/Attic.avi")), QByteArray("new Attic.avi"));
        QCOMPARE(readFile(v.folder("Movies/basement.mpeg")), QByteArray("new basement.mpeg"));
        QCOMPARE(readFile(v.folder("Movies/crawl.wmv")), QByteArray("new crawl.wmv"));
        QCOMPARE(rows(v.ui().cboMovieFiles),
                 (QStringList{"Attic.avi", "crawl.wmv", "-------", "Import New Movie"}));
        QCOMPARE(viewer.ui->cboMovieFiles->currentIndex(), -1);
    }

    void importOfEachKind_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("confirmation");
        QTest::newRow("slide show")
            << "PowerPoints"
            << "Import New Slideshow"
            << "Locate PowerPoint File(s) to Import"
            << "PowerPoint files (*.ppt)|*.ppt"
            << "Heat Loss.ppt"
            << "1 slideshow copied successfully into the Caldrovane 'PowerPoints' folder";
        QTest::newRow("pdf") << "PDFs"
                             << "Import New PDF document"
                             << "Locate PDF File(s) to Import"
                             << "PDF Files (*.pdf)|*.pdf"
                             << "Guide.pdf"
                             << "1 PDF document copied successfully into the Caldrovane 'PDFs' "
                                "folder";
    }
    void importOfEachKind()
    {
        QFETCH(QString, folder);
        QFETCH(QString, entry);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(QString, file);
        QFETCH(QString, confirmation);
        ViewerRun v;
        QTemporaryDir source;
        QVERIFY(writeFile(source.filePath(file)));
        QVERIFY(v.start());
        v.open();
        QComboBox* list = listOf(v.ui(), folder);
        v.dialogs().expectOpenFiles({source.filePath(file)});
        v.dialogs().expect(MsgResult::OK, confirmation);
        QVERIFY(choose(list, entry));
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(v.dialogs().boxes().at(0).request.title, title);
        QCOMPARE(v.dialogs().boxes().at(0).request.filter,
                 platform::qtFileFilter(filter + "|All Files|*.*"));
        QCOMPARE(v.dialogs().boxes().at(1).text, confirmation);
        QCOMPARE(rows(list), (QStringList{file, "-------", entry}));
    }

    void cancelledImportCopiesNothing()
    {
        ViewerRun v;
        QVERIFY(v.start());
        v.open();
        v.dialogs().expectOpenFiles({});
        QVERIFY(choose(v.ui().cboPDFFiles, "Import New PDF document"));
        VERIFY_DIALOGS_DONE(v.dialogs());
        QVERIFY(QDir(v.folder("PDFs")).isEmpty());
    }

    void failedCopyStopsAtTheFirstFailingFile()
    {
        ViewerRun v;
        QTemporaryDir source;
        QVERIFY(writeFile(source.filePath("a.avi")));
        QVERIFY(writeFile(source.filePath("c.avi")));
        QVERIFY(v.start());
        v.open();
        v.dialogs().expectOpenFiles(
            {source.filePath("a.avi"), source.filePath("gone.avi"), source.filePath("c.avi")});
        v.dialogs().expect(MsgResult::OK, "An error occured copying the file(s)\r\nFile not found");
        QVERIFY(choose(v.ui().cboMovieFiles, "Import New Movie"));
        VERIFY_DIALOGS_DONE(v.dialogs());
        // The earlier copy stays and is listed; nothing after the failure was copied.
        QCOMPARE(rows(v.ui().cboMovieFiles), (QStringList{"a.avi", "-------", "Import New Movie"}));
    }

    void importNeverWritesOutsideItsFolder()
    {
        ViewerRun v;
        QTemporaryDir outside;
        QTemporaryDir source;
        QVERIFY(writeFile(outside.filePath("precious.avi"), "precious"));
        QVERIFY(QFile::link(outside.filePath("precious.avi"), v.folder("Movies/linked.avi")));
        QVERIFY(writeFile(source.filePath("linked.avi"), "imported"));
        QVERIFY(writeFile(v.folder("Movies/kept.avi"), "kept"));
        QVERIFY(v.start());
        v.open();
        // A name the dialog hands back with a detour still lands in the folder by its own name;
        // a library file chosen again is neither lost nor changed.
        v.dialogs().expectOpenFiles(
            {source.filePath("linked.avi"), v.folder("Movies/../Movies/kept.avi")});
        v.dialogs().expect(MsgResult::OK, "2 copied successfully");
        QVERIFY(choose(v.ui().cboMovieFiles, "Import New Movie"));
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(readFile(outside.filePath("precious.avi")), QByteArray("precious"));
        QVERIFY(!QFileInfo(v.folder("Movies/linked.avi")).isSymLink());
        QCOMPARE(readFile(v.folder("Movies/linked.avi")), QByteArray("imported"));
        QCOMPARE(readFile(v.folder("Movies/kept.avi")), QByteArray("kept"));
        QCOMPARE(QDir(v.folder("Movies")).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // Only what really lies in a library folder is listed: no hidden files, nothing that leads
    // elsewhere, no pipe; a link to a file of the folder itself is a library file.
    void listsLeaveOutHiddenLinkedAwayAndSpecialEntries()
    {
        ViewerRun v;
        QTemporaryDir outside;
        QVERIFY(writeFile(outside.filePath("elsewhere.avi")));
        QVERIFY(QDir().mkdir(outside.filePath("Elsewhere")));
        QVERIFY(writeFile(v.folder("Movies/inside.avi")));
        QVERIFY(writeFile(v.folder("Movies/._house tour.avi")));
        QVERIFY(QFile::link(v.folder("Movies/inside.avi"), v.folder("Movies/alias.avi")));
        QVERIFY(QFile::link(outside.filePath("elsewhere.avi"), v.folder("Movies/outside.avi")));
        QVERIFY(QFile::link(outside.filePath("gone.avi"), v.folder("Movies/dangling.avi")));
        QVERIFY(::mkfifo(QFile::encodeName(v.folder("Movies/pipe.avi")).constData(), 0600) == 0);
        QVERIFY(writeFile(v.folder("PDFs/.~lock.guide.pdf")));
        QVERIFY(QDir(v.folder("Still Photos")).mkdir("Adams"));
        QVERIFY(QDir(v.folder("Still Photos")).mkdir(".Trashes"));
        QVERIFY(QFile::link(outside.filePath("Elsewhere"), v.folder("Still Photos/Outside")));
        QVERIFY(v.start());
        v.open();
        QCOMPARE(rows(v.ui().cboMovieFiles),
                 (QStringList{"alias.avi", "inside.avi", "-------", "Import New Movie"}));
        QCOMPARE(rows(v.ui().cboPDFFiles), (QStringList{"-------", "Import New PDF document"}));
        QCOMPARE(rows(v.ui().cboPhotoFolders), QStringList{"Adams"});
        VERIFY_DIALOGS_DONE(v.dialogs());
    }

    // Anything but a regular file is refused without being opened: a pipe would hang the
    // import for ever, a device fill the disk.
    void importRefusesAnythingButAFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("named pipe")
            << "pipe"
            << "Only ordinary files can be imported: \"pipe.avi\" is a named pipe.";
        QTest::newRow("device") << "device"
                                << "Only ordinary files can be imported: \"zero\" is a device.";
        QTest::newRow("folder")
            << "folder"
            << "Only ordinary files can be imported: \"folder.avi\" is a folder.";
    }
    void importRefusesAnythingButAFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        ViewerRun v;
        QTemporaryDir source;
        QVERIFY(writeFile(source.filePath("first.avi"), "first"));
        QString chosen = "/dev/zero";
        if (kind == "pipe") {
            chosen = source.filePath("pipe.avi");
            QVERIFY(::mkfifo(QFile::encodeName(chosen).constData(), 0600) == 0);
        } else if (kind == "folder") {
            chosen = source.filePath("folder.avi");
            QVERIFY(QDir().mkdir(chosen));
        }
        QVERIFY(v.start());
        v.open();
        v.dialogs().expectOpenFiles({source.filePath("first.avi"), chosen});
        v.dialogs().expect(MsgResult::OK, "An error occured copying the file(s)\r\n" + message);
        QVERIFY(choose(v.ui().cboMovieFiles, "Import New Movie"));
        VERIFY_DIALOGS_DONE(v.dialogs());
        // The file before it stays, as with any failed copy; nothing else was written.
        QCOMPARE(
            QDir(v.folder("Movies"))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList{"first.avi"});
    }

    void separatorAndEmptyChoicesDoNothing_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("movies") << "Movies";
        QTest::newRow("slide shows") << "PowerPoints";
        QTest::newRow("pdfs") << "PDFs";
    }
    void separatorAndEmptyChoicesDoNothing()
    {
        QFETCH(QString, folder);
        ViewerRun v;
        QVERIFY(v.start());
        auto& viewer = v.open();
        QComboBox* list = listOf(v.ui(), folder);
        QPushButton* go = folder == "Movies"        ? v.ui().cmdMovieFilesGo
                          : folder == "PowerPoints" ? v.ui().cmdSlideShowFilesGo
                                                    : v.ui().cmdPDFFilesGo;
        mediatest::ModalWatch<QDialog> anyWindow([](QDialog&) {});
        QTest::mouseClick(go, Qt::LeftButton); // nothing chosen yet
        QVERIFY(choose(list, "-------"));
        QCOMPARE(list->currentText(), QStringLiteral("-------"));
        QTest::mouseClick(go, Qt::LeftButton);
        QVERIFY(!anyWindow.seen());
        QCOMPARE(v.dialogs().boxes().size(), 0);
        QVERIFY(viewer.isVisible());
    }

    void helpAndClose()
    {
        ViewerRun v;
        QVERIFY(v.start());
        auto& viewer = v.open();
        v.dialogs().expect(MsgResult::OK, "A help screen would appear at this point");
        viewer.cmdHelp_Click();
        VERIFY_DIALOGS_DONE(v.dialogs());
        QCOMPARE(v.dialogs().boxes().at(0).title, QStringLiteral("Media Viewer"));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("HVAC Media Viewer"));
        QTest::mouseClick(v.ui().cmdClose, Qt::LeftButton);
        QVERIFY(!viewer.isVisible());
    }
};

OSTREL_GUI_TEST_MAIN(TestMediaLists)
#include "test_medialists.moc"
