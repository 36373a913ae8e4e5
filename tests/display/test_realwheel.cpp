// The mouse wheel over closed lists on the real window under a display: a list changes only by
// the user's choice, so a wheel turn over it changes nothing, in the main form and the media
// viewer alike.
#include "ClientRecords.h"
#include "DisplayRun.h"
#include "GuiTestMain.h"
#include "Pages.h"
#include "frmMediaViewer.h"
#include "ui_HomePage.h"
#include "ui_HouseLeakagePage.h"

#include <QFile>

using display::BoxAnswers;
using display::Run;

class TestRealWheel : public QObject
{
    Q_OBJECT
private slots:
    void wheelOverClosedMainFormListsChangesNothing()
    {
        Run run;
        QVERIFY(run.start());
        QComboBox* clients = run.form().home->cmbClientSelect;
        // A second client, so that the wheel has somewhere to go either way.
        testsupport::SeededProgram(run.state->gcnnUser).client(QStringLiteral("Bea Client"));
        run.form().clients->RefreshClientSelect();
        clients->setCurrentIndex(LocateComboItemData(clients, run.clientId));
        QVERIFY(run.settle());
        const int client = clients->currentIndex();
        BoxAnswers answers;

        for (int notches : {-1, 1}) {
            Run::wheel(clients, notches);
            QCOMPARE(clients->currentIndex(), client);
            QCOMPARE(run.form().session.gintClientID(), run.clientId);
        }

        run.clickTab(pages::HouseLeakage);
        QVERIFY(run.settle());
        QCOMPARE(run.shownPage(), pages::HouseLeakage);
        QComboBox* ranges = run.form().hl->cmbHLRange;
        QVERIFY(ranges->isVisible() && ranges->count() > 2);
        const int range = ranges->currentIndex();
        const QString text = ranges->currentText();
        for (int notches : {-1, 1}) {
            Run::wheel(ranges, notches);
            QCOMPARE(ranges->currentIndex(), range);
            QCOMPARE(ranges->currentText(), text);
        }
        QVERIFY2(answers.texts.isEmpty(), qPrintable(answers.texts.join('|')));
    }

    // One notch over the closed PDF list would otherwise open the first PDF.
    void wheelOverClosedMediaListChangesNothing()
    {
        Run run;
        QVERIFY(run.start());
        QFile pdf(run.folder.file(QStringLiteral("PDFs/Guide.pdf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n");
        pdf.close();

        // A window that the list would open is noted and closed, so that the test goes on.
        QStringList opened;
        QTimer closer;
        closer.setInterval(20);
        QObject::connect(&closer, &QTimer::timeout, [&opened] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && !dynamic_cast<frmMediaViewer*>(modal) &&
                !qobject_cast<QMessageBox*>(modal)) {
                opened << modal->metaObject()->className();
                modal->close();
            }
        });
        closer.start();
        int index = -2;
        bool viewerStillOnTop = false;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QVERIFY(QTest::qWaitFor(
                [] { return dynamic_cast<frmMediaViewer*>(QApplication::activeModalWidget()); }));
            auto* viewer = dynamic_cast<frmMediaViewer*>(QApplication::activeModalWidget());
            seen = true;
            QComboBox* list = viewer->findChild<QComboBox*>(QStringLiteral("cboPDFFiles"));
            Run::wheel(list, -1);
            QTest::qWait(100);
            index = list->currentIndex();
            viewerStillOnTop = QApplication::activeModalWidget() == viewer;
            viewer->close();
        });
        BoxAnswers answers;
        Run::click(run.form().home->cmdHomePlayMovie);
        QVERIFY(run.settle());

        QVERIFY(seen);
        QCOMPARE(opened, QStringList());
        QCOMPARE(index, -1);
        QVERIFY(viewerStillOnTop);
        QVERIFY2(answers.texts.isEmpty(), qPrintable(answers.texts.join('|')));
    }
};

OSTREL_GUI_TEST_MAIN(TestRealWheel)
#include "test_realwheel.moc"
