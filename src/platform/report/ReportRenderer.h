#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;
class QSqlRecord;

namespace platform {

class ReportLayout;

struct ReportPaintResult
{
    // Text items whose text did not fit their box: the name (or section and position) and
    // the room it needed.
    QStringList overflowing;
    // Text items that fitted only when set smaller ("shrink"), by name or position.
    QStringList shrunk;
};

// Paints one page of the layout with the values of `row` into `page`, a rectangle in the
// painter's coordinates that receives the whole sheet (its aspect ratio is kept, the sheet is
// centred). Works on any paint device: a widget, a QPrinter, a QPdfWriter, a QImage.
// Throws ErrReportColumnMissing when the row lacks a column the layout binds.
ReportPaintResult paintReport(const ReportLayout& layout, const QSqlRecord& row, QPainter& painter,
                              const QRectF& page);

// A text as a report shows it: a line break starts a new line; everything else as it is.
QString reportDisplayText(const QString& text);

} // namespace platform
