// The windows the media viewer opens: the PDF window and the movie window; and the viewer
// shown modally for the main form.
#include "GuiTestMain.h"
#include "MultimediaCode.h"
#include "QtDialogs.h"
#include "ViewerRun.h"
#include "frmFullSizePhoto.h"
#include "frmMoviePlayer.h"
#include "frmPDFViewer.h"
#include "ui_HomePage.h"
#include "ui_frmFullSizePhoto.h"
#include "ui_frmMoviePlayer.h"
#include "ui_frmPDFViewer.h"

#include <QFileDialog>
#include <QLabel>
#include <QMediaPlayer>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

using mediatest::choose;
using mediatest::ModalWatch;
using mediatest::writeFile;

namespace {

// A small document of two pages.
bool writePdf(const QString& path)
{
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Duct sealing guide"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.drawText(QPointF(200, 400), QStringLiteral("Page one"));
    writer.newPage();
    painter.drawText(QPointF(200, 400), QStringLiteral("Page two"));
    return painter.end();
}

} // namespace

class TestMediaWindows : public QObject
{
    Q_OBJECT
private slots:
    void pdfWindowShowsTheChosenDocument()
    {
        ViewerRun v;
        QVERIFY(writePdf(v.folder("PDFs/Duct Guide.pdf")));
        QVERIFY(v.start());
        v.open();
        QString path;
        QPdfDocument::Status status = QPdfDocument::Status::Null;
        int pages = 0;
        bool viewShown = false;
        QRect button;
        QRect view;
        {
            ModalWatch<frmPDFViewer> watch([&](frmPDFViewer& pdf) {
                path = pdf.fullPath();
                status = pdf.document()->status();
                pages = pdf.document()->pageCount();
                viewShown = pdf.ui->pdfViewer->isVisible() && !pdf.ui->lblPdfError->isVisible();
                pdf.resize(600, 500);
                button = pdf.ui->cmdClose->geometry();
                view = pdf.ui->pdfViewer->geometry();
                QTest::mouseClick(pdf.ui->cmdClose, Qt::LeftButton);
            });
            QVERIFY(choose(v.ui().cboPDFFiles, "Duct Guide.pdf"));
            QVERIFY(watch.seen());
        }
        QCOMPARE(path, v.folder("PDFs/Duct Guide.pdf"));
        QCOMPARE(status, QPdfDocument::Status::Ready);
        QCOMPARE(pages, 2);
        QVERIFY(viewShown);
        // The view fills the window above the button, which sits centred at the bottom.
        QCOMPARE(button.left(), 600 - button.left() - button.width());
        QVERIFY(button.bottom() < 500 && button.bottom() > 480);
        QCOMPARE(view.width(), 600);
        QVERIFY(view.bottom() < button.top());
        VERIFY_DIALOGS_DONE(v.dialogs());
    }

    void pdfThatCannotBeReadSaysSoInItsWindow()
    {
        ViewerRun v;
        QVERIFY(writeFile(v.folder("PDFs/broken.pdf"), "not a pdf"));
        QVERIFY(v.start());
        v.open();
        QString problem;
        {
            ModalWatch<frmPDFViewer> watch([&](frmPDFViewer& pdf) {
                if (pdf.ui->lblPdfError->isVisible())
                    problem = pdf.ui->lblPdfError->text();
            });
            QVERIFY(choose(v.ui().cboPDFFiles, "broken.pdf"));
            QVERIFY(watch.seen());
        }
        QVERIFY(problem.startsWith("The file is not a PDF document that can be shown."));
    }

    void movieWindowPlaysTheChosenMovie()
    {
        ViewerRun v;
        QVERIFY(writeFile(v.folder("Movies/Intro.avi"), "not really a movie"));
        QVERIFY(v.start());
        auto& viewer = v.open();
        QUrl source;
        QString caption;
        {
            ModalWatch<frmMoviePlayer> watch([&](frmMoviePlayer& movie) {
                source = movie.player() ? movie.player()->source() : QUrl();
                caption = movie.windowTitle();
                QTest::mouseClick(movie.ui->cmdPause, Qt::LeftButton);
                QTest::mouseClick(movie.ui->cmdPlay, Qt::LeftButton);
                QTest::mouseClick(movie.ui->cmdClose, Qt::LeftButton);
            });
            QVERIFY(choose(v.ui().cboMovieFiles, "Intro.avi"));
            QVERIFY(watch.seen());
        }
        QCOMPARE(source, QUrl::fromLocalFile(v.folder("Movies/Intro.avi")));
        QCOMPARE(caption, QStringLiteral("Intro.avi"));
        QVERIFY(!viewer.ui->fraPhotoViewer->isVisible());
    }

    void movieThatIsGoneSaysSo()
    {
        ViewerRun v;
        QVERIFY(v.start());
        frmMoviePlayer movie(*v.run.state);
        movie.setFilename("gone.avi");
        movie.Form_Load();
        movie.show();
        QVERIFY(!movie.player());
        QCOMPARE(movie.ui->lblMovieStatus->text(),
                 "The movie could not be found: " + v.folder("Movies/gone.avi"));
        QVERIFY(!movie.ui->cmdPlay->isEnabled());
    }

    // Each window opens within the screen's available area, the PDF window's Close button
    // with it, though the PDF window is designed taller than the screen.
    void everyMediaWindowOpensWithinTheScreen()
    {
        ViewerRun v;
        QVERIFY(writePdf(v.folder("PDFs/Duct Guide.pdf")));
        QVERIFY(writeFile(v.folder("Movies/Intro.avi"), "x"));
        QVERIFY(QDir(v.folder("Still Photos")).mkdir("Adams"));
        QVERIFY(mediatest::writeImage(v.folder("Still Photos/Adams/01.jpg")));
        QVERIFY(v.start());
        QMap<QString, QRect> frames;
        QRect closeButton;
        QRect area;
        {
            ModalWatch<frmMediaViewer> watch([&](frmMediaViewer& viewer) {
                area = viewer.screen()->availableGeometry();
                frames["viewer"] = viewer.frameGeometry();
                QVERIFY(choose(viewer.ui->cboPhotoFolders, "Adams"));
                frames["viewer with photos"] = viewer.frameGeometry();
                {
                    ModalWatch<frmPDFViewer> pdf([&](frmPDFViewer& window) {
                        frames["pdf"] = window.frameGeometry();
                        closeButton = QRect(window.ui->cmdClose->mapToGlobal(QPoint()),
                                            window.ui->cmdClose->size());
                    });
                    QVERIFY(choose(viewer.ui->cboPDFFiles, "Duct Guide.pdf"));
                }
                {
                    ModalWatch<frmMoviePlayer> movie(
                        [&](frmMoviePlayer& window) { frames["movie"] = window.frameGeometry(); });
                    QVERIFY(choose(viewer.ui->cboMovieFiles, "Intro.avi"));
                }
                {
                    ModalWatch<frmFullSizePhoto> photo([&](frmFullSizePhoto& window) {
                        frames["photo"] = window.frameGeometry();
                    });
                    QVERIFY(choose(viewer.ui->cboPhotoFolders, "Adams"));
                    QTest::mouseClick(viewer.imgThumbnail[0], Qt::LeftButton);
                }
                QTest::mouseClick(viewer.ui->cmdClose, Qt::LeftButton);
            });
            ShowMediaViewer(v.run.form().state, v.run.form().window());
        }
        QCOMPARE(frames.size(), 5);
        for (auto frame = frames.cbegin(); frame != frames.cend(); ++frame)
            QVERIFY2(area.contains(frame.value()), qPrintable(frame.key()));
        QVERIFY(area.contains(closeButton));
        QVERIFY(frames["pdf"].height() < 900);
    }

    // Names from files are shortened to the window, never widening it.
    void fileNamesNeverWidenTheirWindows()
    {
        ViewerRun v;
        const QString longName = QString(200, QChar('m'));
        QVERIFY(mediatest::writeImage(v.folder("Still Photos/" + longName + ".jpg")));
        QVERIFY(v.start());

        frmMoviePlayer movie(*v.run.state);
        movie.setFilename(longName + ".avi");
        movie.Form_Load();
        movie.show();
        QApplication::processEvents();
        QCOMPARE(movie.width(), 720);
        QVERIFY(movie.ui->lblMovieStatus->text().startsWith("The movie could not be found: "));
        QVERIFY(movie.ui->lblMovieStatus->toolTip().endsWith(longName + ".avi"));

        frmFullSizePhoto photo(v.dialogs());
        photo.setPhoto(v.folder("Still Photos/" + longName + ".jpg"), longName + ".jpg");
        photo.show();
        QApplication::processEvents();
        QCOMPARE(photo.width(), 860);
        QVERIFY(photo.ui->lblPhotoName->text().contains(QChar(0x2026)));
        QCOMPARE(photo.ui->lblPhotoName->toolTip(), longName + ".jpg");
        QVERIFY(photo.ui->cmdClose->geometry().right() < photo.width());
    }

    // The file-type line of the real import dialog shows each filter's text once, while the
    // dialog still filters by the patterns.
    void importDialogShowsEachFilterOnce()
    {
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("intro.avi")));
        QVERIFY(writeFile(folder.filePath("notes.txt")));
        platform::QtDialogs dialogs;
        platform::FileOpenRequest request;
        request.title = QStringLiteral("Locate Movie File(s) to Import");
        request.filter = platform::qtFileFilter(
            "Movie Files (*.mpg,*.mpeg,*.mov,*.wmv,*.asf,*.avi)|*.mpg;*.mpeg;*.wmv;*.mov;*.asf;"
            "*.avi|All Files|*.*");
        request.initialDir = folder.path();
        request.multiSelect = true;
        QStringList shown;
        QStringList chosen;
        {
            ModalWatch<QFileDialog> watch([&](QFileDialog& dialog) {
                auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
                if (types)
                    shown = mediatest::rows(types);
                dialog.selectFile(folder.filePath("intro.avi"));
                QMetaObject::invokeMethod(&dialog, "accept");
            });
            chosen = dialogs.openFiles(request);
            QVERIFY(watch.seen());
        }
        QCOMPARE(shown,
                 (QStringList{"Movie Files (*.mpg,*.mpeg,*.mov,*.wmv,*.asf,*.avi)", "All Files"}));
        QCOMPARE(chosen, QStringList{folder.filePath("intro.avi")});
    }

    void mainFormShowsTheViewerModally()
    {
        ViewerRun v;
        QVERIFY(v.start());
        QString caption;
        {
            ModalWatch<frmMediaViewer> watch([&](frmMediaViewer& viewer) {
                caption = viewer.windowTitle();
                QTest::mouseClick(viewer.ui->cmdClose, Qt::LeftButton);
            });
            ShowMediaViewer(v.run.form().state, v.run.form().window());
            QVERIFY(watch.seen());
        }
        QCOMPARE(caption, QStringLiteral("HVAC Media Viewer"));
        VERIFY_DIALOGS_DONE(v.dialogs());
    }

    void homePageButtonShowsTheViewer()
    {
        ViewerRun v;
        QVERIFY(v.start());
        bool seen = false;
        {
            ModalWatch<frmMediaViewer> watch([&](frmMediaViewer& viewer) {
                QTest::mouseClick(viewer.ui->cmdClose, Qt::LeftButton);
            });
            v.run.form().home->cmdHomePlayMovie->click();
            seen = watch.seen();
        }
        QVERIFY(seen);
        QCOMPARE(v.run.form().tabMain->currentIndex(), 0);
        VERIFY_DIALOGS_DONE(v.dialogs());
    }
};

// The windows are tried on a laptop screen of 1366 by 768 pixels.
int main(int argc, char** argv)
{
    QTemporaryDir config;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QFile screens(config.filePath("screens.json"));
        if (!screens.open(QIODevice::WriteOnly) ||
            screens.write(R"({"screens": [{"name": "Laptop", "x": 0, "y": 0, "width": 1366,
                "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
            return 1;
        screens.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    }
    Application app(argc, argv);
    testsupport::installProgramErrorSink(app);
    TestMediaWindows test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_mediawindows.moc"
