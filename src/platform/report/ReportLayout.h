#pragma once

// Report layout files
// ===================
//
// A report is a fixed one-page layout whose bound boxes show the columns of a one-row record.
// Each layout is one JSON file. Every length is in points (1/72 inch); an item's position is
// measured from the top-left corner of its section, x to the right and y downwards.
//
//   {
//     "name": "drpTightHouse",                  // named in every error about the file
//     "caption": "House Leakage Test Report",   // window title and printed document name
//     "page": { "size": "Letter", "orientation": "portrait",
//               "margins": { "left": 36, "top": 36, "right": 36, "bottom": 36 } },
//     "font": { "family": "DejaVu Sans", "size": 9, "color": "#000000" },
//     "styles": { "heading": { "size": 11, "bold": true, "color": "#1f4e9a" }, ... },
//     "sections": [ { "kind": "pageHeader", "height": 90, "items": [ ... ] },
//                   { "kind": "detail", "height": 560, "items": [ ... ] },
//                   { "kind": "pageFooter", "height": 70, "items": [ ... ] } ]
//   }
//
// Page: "size" is "Letter", "Legal" or "A4"; "orientation" "portrait" or "landscape".
//
// Sections: "pageHeader" starts at the top margin, "detail" follows it, "pageFooter" ends at the
// bottom margin; each kind at most once, "detail" required, and together they must fit between
// the margins. Items are painted in file order, sections header first.
//
// Text style keys, allowed in "font", in a named style, on a text item and on a run:
// "family", "size" (points), "bold", "italic", "underline", "color" ("#rrggbb" or an SVG
// colour name). A text item's "style" names one entry of "styles"; so does a run's. Later
// levels override earlier ones: "font", the item's style, the item's own keys, the run's
// style, the run's own keys.
//
// Items ("type" is required, "name" is optional and names the item in errors):
//   label      x, y, w, h, "text": fixed text
//   field      x, y, w, h, "column": a bound box showing that column of the record
//   paragraph  x, y, w, h, "runs": [ { "text": "..." } | { "column": "..." }, ... ]: fixed
//              texts and bound values flowing as one wrapped paragraph; a run may carry
//              "style" and style keys
//   line       x1, y1, x2, y2, "width" (default 0.75), "color" (default black), "dash" (bool)
//   rect       x, y, w, h, "width" (border, 0 for none, default 0.75), "color", "fill", "radius"
//   image      x, y, w, h, "source": ":/resource" or a path relative to the layout file,
//              "keepAspect" (default true)
// Text items also take "align" ("left", "center", "right", "justify"), "valign" ("top",
// "middle", "bottom"), "wrap" (default true), "shrink" (default false: a text too long for its
// box, after wrapping when it wraps, is set smaller, down to 8 points, instead of running over),
// "lineSpacing" (a factor, default 1) and "rotate" (0, 90 or -90 degrees; a rotated item's text
// runs along its box's height).
//
// Texts are shown as they are; a line break ("\n" in the file, CR LF in a value) starts a new
// line.
//
// Unknown keys, wrong types, items outside their section and a bound column that the record
// lacks are refused with a vbrt::Error naming the layout and the item: a missing column is an
// error, never a blank box.

#include "vberror.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;
class QSqlRecord;

namespace platform {

// ADO's number for a field that a record does not have.
inline constexpr int32_t ErrReportColumnMissing = 3265;
// A layout file that is not valid.
inline constexpr int32_t ErrReportLayoutInvalid = vbrt::objectError(7101);
// A report that cannot be written to its printer or file.
inline constexpr int32_t ErrReportOutput = 75;

// A text style with every key optional, so that levels can be merged.
struct ReportStyle
{
    std::optional<QString> family;
    std::optional<qreal> size;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<QColor> color;

    // This style with the keys that `over` sets replaced by its values.
    ReportStyle mergedWith(const ReportStyle& over) const;
};

// One piece of a text item: fixed text, or the value of a column.
struct ReportRun
{
    QString text;
    QString column; // not empty: a bound value
    ReportStyle style;

    bool isBound() const { return !column.isEmpty(); }
};

struct ReportItem
{
    enum class Kind
    {
        Text,
        Line,
        Rect,
        Image
    };

    Kind kind = Kind::Text;
    QString name;
    QRectF rect; // points, relative to the section; for a line the box spanned by its ends

    // Text
    QList<ReportRun> runs; // each run's style is already merged with the item's
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool wrap = true;
    bool shrink = false;
    qreal lineSpacing = 1.0;
    int rotate = 0;

    // Line, rect
    QPointF p1, p2;
    qreal penWidth = 0.75;
    QColor penColor = Qt::black;
    bool dash = false;
    QColor fill; // invalid: none
    qreal radius = 0;

    // Image
    QImage image; // read by the loader
    bool keepAspect = true;
};

struct ReportSection
{
    enum class Kind
    {
        PageHeader,
        Detail,
        PageFooter
    };

    Kind kind = Kind::Detail;
    qreal top = 0; // points from the top of the page, set by the loader
    qreal height = 0;
    QList<ReportItem> items;
};

class ReportLayout
{
public:
    // Reads a layout file and checks it against the columns of the record it will show.
    static ReportLayout load(const QString& path, const QSqlRecord& columns);
    // `sourceName` names the layout in errors until its own "name" is read, and resolves
    // relative image paths (its folder).
    static ReportLayout load(QIODevice& device, const QSqlRecord& columns,
                             const QString& sourceName = {});

    const QString& name() const { return m_name; }
    const QString& caption() const { return m_caption; }
    // Page size and orientation, with no margins: the layout places everything itself.
    QPageLayout pageLayout() const;
    QSizeF pageSize() const { return m_pageSize; }     // points
    QRectF marginRect() const { return m_marginRect; } // points
    const QList<ReportSection>& sections() const { return m_sections; }

    // The columns the bound boxes name, in the order they appear, each once.
    QStringList boundColumns() const;
    // The fixed text of each text item as written in the file (its fixed runs joined, the bound
    // ones left out), in file order.
    QStringList fixedTexts() const;

    // Throws ErrReportColumnMissing when a bound box names a column the record lacks.
    void checkColumns(const QSqlRecord& columns) const;

private:
    QString m_name;
    QString m_caption;
    QPageSize::PageSizeId m_pageSizeId = QPageSize::Letter;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QSizeF m_pageSize;
    QRectF m_marginRect;
    QList<ReportSection> m_sections;

    friend class ReportLayoutParser;
};

} // namespace platform
