// The windows the media viewer opens: the PDF window and the movie window; and the viewer
// shown modally for the main form.
#include "MultimediaCode.h"
#include "ViewerRun.h"
#include "frmMoviePlayer.h"
#include "frmPDFViewer.h"
#include "ui_HomePage.h"
#include "ui_frmMoviePlayer.h"
#include "ui_frmPDFViewer.h"

#include <QLabel>
#include <QMediaPlayer>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QPdfWriter>
#include <QPushButton>

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
        QVERIFY(!movie.player());
        QVERIFY(movie.ui->lblMovieStatus->text().startsWith("The movie could not be found: "));
        QVERIFY(!movie.ui->cmdPlay->isEnabled());
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
            ShowMediaViewer(v.run.form());
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

QTEST_MAIN(TestMediaWindows)
#include "test_mediawindows.moc"
