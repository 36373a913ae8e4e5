#include "ReportTestSupport.h"
#include "ScriptedDialogs.h"

#include "report/ReportLayout.h"
#include "report/ReportOutput.h"
#include "report/ReportWindow.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace reportsamples;
using platform::MsgIcon;
using platform::MsgResult;
using platform::ReportLayout;
using testsupport::ScriptedDialogs;

class TestReportWindow : public QObject
{
    Q_OBJECT
private slots:
    void printsThroughTheDialog();
    void printerCopiesEachPage();
    void windowPrintButton();
    void windowReportsAPrinterThatFails();
    void windowZooms();

private:
    QSqlRecord m_record = selectRecord(technicalColumns(false));
    ReportLayout m_layout = ReportLayout::load(layoutPath("drpTightTechnical"), m_record);
};

void TestReportWindow::printsThroughTheDialog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("printed.pdf");
    ScriptedDialogs dialogs;

    dialogs.expectPrint(false);
    QVERIFY(!platform::printReportWithDialog(m_layout, m_record, dialogs));
    QVERIFY(QDir(dir.path()).isEmpty());

    dialogs.expectPrint(true, path);
    QVERIFY(platform::printReportWithDialog(m_layout, m_record, dialogs));
    VERIFY_DIALOGS_DONE(dialogs);

    int pages = 0;
    const QString text = pdfText(path, &pages);
    QCOMPARE(pages, 1);
    QVERIFY(text.contains("Tight House Leakage Test Report #12"));
    QVERIFY(text.contains("Maximum Acceptable Total Duct Leakage Per New Construction Codes"));
    QVERIFY(text.contains("Smith & Sons"));
    QPdfDocument doc;
    doc.load(path);
    const QSizeF size = doc.pagePointSize(0);
    QVERIFY2(qAbs(size.width() - 612) < 1 && qAbs(size.height() - 792) < 1,
             qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
}

void TestReportWindow::printerCopiesEachPage()
{
    // A printer that cannot make copies itself gets the page as often as asked.
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("copies.pdf"));
    printer.setPageLayout(m_layout.pageLayout());
    printer.setFullPage(true);
    printer.setCopyCount(2);
    platform::printReport(m_layout, m_record, printer);
    int pages = 0;
    pdfText(dir.filePath("copies.pdf"), &pages);
    QVERIFY(!printer.supportsMultipleCopies()); // as a PDF printer is
    QCOMPARE(pages, 2);
}

void TestReportWindow::windowPrintButton()
{
    ScriptedDialogs dialogs;
    platform::ReportWindow window(m_layout, m_record, dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* print = window.findChild<QToolButton*>("printButton");
    QVERIFY(print);

    dialogs.expectPrint(false);
    QTest::mouseClick(print, Qt::LeftButton);
    QVERIFY(dialogs.lastBox().printFile.isEmpty());

    dialogs.expectPrint(true);
    QTest::mouseClick(print, Qt::LeftButton);
    const QString file = dialogs.lastBox().printFile;
    VERIFY_DIALOGS_DONE(dialogs);
    QVERIFY(pdfText(file).contains("T I G H T") || pdfText(file).contains("T I GHT"));
    QVERIFY(pdfText(file).contains("CFM @ 50 Pa = 1,765"));
    QVERIFY(window.isVisible()); // the window stays open after printing
}

void TestReportWindow::windowReportsAPrinterThatFails()
{
    ScriptedDialogs dialogs;
    platform::ReportWindow window(m_layout, m_record, dialogs);
    dialogs.expectPrint(true, "/nonexistent-folder/printed.pdf");
    dialogs.expect(MsgResult::OK, "cannot be printed");
    QVERIFY(!window.print());
    VERIFY_DIALOGS_DONE(dialogs);
    QCOMPARE(dialogs.lastBox().icon, MsgIcon::Critical);
}

void TestReportWindow::windowZooms()
{
    ScriptedDialogs dialogs;
    const QSqlRecord record = selectRecord(houseColumns(true));
    platform::ReportWindow window(ReportLayout::load(layoutPath("drpLooseHouse"), record), record,
                                  dialogs);
    window.resize(700, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("House Leakage Test Report"));
    auto* view = window.findChild<platform::ReportPageView*>("pageView");
    auto* scroll = window.findChild<QScrollArea*>("pageScroll");
    QVERIFY(view && scroll);

    window.setZoom(100);
    const QSize at100 = view->size();
    // Real size: 8.5 inches across at the screen's resolution, plus the grey border.
    QVERIFY(qAbs(at100.width() - 8.5 * view->logicalDpiX()) <= 30);
    window.setZoom(200);
    QVERIFY(qAbs(view->width() - 2 * at100.width()) <= 30);
    window.setZoom(platform::ReportWindow::ZoomWholePage);
    QVERIFY(view->width() <= scroll->viewport()->width());
    QVERIFY(view->height() <= scroll->viewport()->height());
    window.setZoom(platform::ReportWindow::ZoomPageWidth);
    QVERIFY(view->width() <= scroll->viewport()->width());
    QVERIFY(view->width() >= scroll->viewport()->width() - 2);

    // What the window paints is the report: its red values show.
    const QImage shot = view->grab().toImage();
    int red = 0;
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2) {
            const QColor c = shot.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 90 && c.blue() < 90;
        }
    QVERIFY(red > 50);

    // Another record in the same window.
    const QSqlRecord tight = selectRecord(houseColumns(false));
    window.setReport(ReportLayout::load(layoutPath("drpTightHouse"), tight), tight);
    QCOMPARE(window.layout().name(), QString("drpTightHouse"));
    QCOMPARE(window.zoomChoice(), int(platform::ReportWindow::ZoomPageWidth));
    VERIFY_DIALOGS_DONE(dialogs);
}

QTEST_MAIN(TestReportWindow)
#include "test_report_window.moc"
