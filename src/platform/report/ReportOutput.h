#pragma once

#include "ReportRenderer.h"

#include <QString>

class QPrinter;
class QSqlRecord;

namespace platform {

class Dialogs;
class ReportLayout;

// Writes the report as a one-page PDF file. Throws ErrReportOutput when the file cannot be
// written.
ReportPaintResult writeReportPdf(const ReportLayout& layout, const QSqlRecord& row,
                                 const QString& path);

// Prints the report on a printer that is set up already (as its dialog left it): the page is
// fitted to the printer's paper, and printed as many times as asked when the printer cannot
// make copies itself. Throws ErrReportOutput when the printer cannot be opened.
void printReport(const ReportLayout& layout, const QSqlRecord& row, QPrinter& printer);

// Offers the print dialog, preset to the layout's page, and prints there. False when the user
// cancelled; nothing is printed then.
bool printReportWithDialog(const ReportLayout& layout, const QSqlRecord& row, Dialogs& dialogs);

} // namespace platform
