#include "ReportOutput.h"

#include "Dialogs.h"
#include "ReportLayout.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace platform {

ReportPaintResult writeReportPdf(const ReportLayout& layout, const QSqlRecord& row,
                                 const QString& path)
{
    layout.checkColumns(row); // before the file is touched
    QPdfWriter writer(path);
    writer.setPageLayout(layout.pageLayout());
    writer.setResolution(1200);
    writer.setTitle(layout.caption());
    writer.setCreator(QCoreApplication::applicationName());
    QPainter painter;
    if (!painter.begin(&writer))
        throw vbrt::Error(ErrReportOutput,
                          QStringLiteral("The report cannot be written to \"%1\".").arg(path));
    const ReportPaintResult result =
        paintReport(layout, row, painter, QRectF(0, 0, writer.width(), writer.height()));
    painter.end();
    return result;
}

void printReport(const ReportLayout& layout, const QSqlRecord& row, QPrinter& printer)
{
    layout.checkColumns(row);
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        throw vbrt::Error(ErrReportOutput,
                          QStringLiteral("The report cannot be printed on \"%1\".").arg(where));
    }
    // With the full page on, the painter's origin is the paper's corner.
    const QRectF paper(QPointF(0, 0), printer.paperRect(QPrinter::DevicePixel).size());
    const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    for (int i = 0; i < copies; ++i) {
        if (i > 0)
            printer.newPage();
        paintReport(layout, row, painter, paper);
    }
    painter.end();
}

bool printReportWithDialog(const ReportLayout& layout, const QSqlRecord& row, Dialogs& dialogs)
{
    layout.checkColumns(row);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout.pageLayout());
    printer.setFullPage(true);
    printer.setDocName(layout.caption());
    printer.setCreator(QCoreApplication::applicationName());
    if (!dialogs.printDialog(printer))
        return false;
    printer.setFullPage(true); // the dialog may have turned it off
    printReport(layout, row, printer);
    return true;
}

} // namespace platform
