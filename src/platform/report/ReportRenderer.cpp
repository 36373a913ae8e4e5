#include "ReportRenderer.h"

#include "ReportLayout.h"

#include <QFont>
#include <QPainter>
#include <QSqlRecord>
#include <QTextLayout>

#include <memory>

namespace platform {

namespace {

// Drawing units per point. Text is laid out with fonts sized in these units, so that glyph
// metrics are those of a large font on every device and the screen shows what the printer prints.
constexpr qreal kUnit = 20;
// How far a text may run past its box, in points, before it counts as not fitting.
constexpr qreal kFitSlack = 0.5;
// The smallest size, in points, that a text that may shrink is set in: smaller is unreadable
// on paper.
constexpr qreal kMinShrinkPoints = 8;

QFont fontFor(const ReportStyle& s)
{
    QFont f(s.family.value_or(QStringLiteral("DejaVu Sans")));
    f.setPixelSize(qMax(1, qRound(s.size.value_or(9) * kUnit)));
    f.setBold(s.bold.value_or(false));
    f.setItalic(s.italic.value_or(false));
    f.setUnderline(s.underline.value_or(false));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

QRectF scaled(const QRectF& r)
{
    return {r.x() * kUnit, r.y() * kUnit, r.width() * kUnit, r.height() * kUnit};
}

QString itemLabel(const ReportSection& section, const ReportItem& item, int index)
{
    if (!item.name.isEmpty())
        return item.name;
    static const char* const kinds[] = {"pageHeader", "detail", "pageFooter"};
    return QStringLiteral("%1 item %2").arg(QLatin1String(kinds[int(section.kind)])).arg(index + 1);
}

// One text item laid out in a box of the given width.
struct TextBlock
{
    std::unique_ptr<QTextLayout> layout;
    qreal bottom = 0;
    QString misfit; // why the text did not fit, or nothing
};

// `scale` shrinks every font of the item, for items that may shrink to fit their box.
TextBlock layOut(const ReportItem& item, const QSqlRecord& row, const QSizeF& box, qreal scale)
{
    auto fontAt = [scale](ReportStyle style) {
        style.size = style.size.value_or(9) * scale;
        return fontFor(style);
    };
    QString text;
    QList<QTextLayout::FormatRange> formats;
    for (const ReportRun& run : item.runs) {
        const QString part =
            reportDisplayText(run.isBound() ? row.value(run.column).toString() : run.text);
        QTextCharFormat format;
        format.setFont(fontAt(run.style), QTextCharFormat::FontPropertiesAll);
        format.setForeground(run.style.color.value_or(QColor(Qt::black)));
        formats.append({int(text.size()), int(part.size()), format});
        text += part;
    }

    TextBlock block;
    block.layout = std::make_unique<QTextLayout>(text, fontAt(item.runs.first().style));
    QTextOption option(item.align & Qt::AlignHorizontal_Mask);
    option.setWrapMode(item.wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    block.layout->setTextOption(option);
    block.layout->setFormats(formats);

    qreal y = 0;
    block.layout->beginLayout();
    for (QTextLine line = block.layout->createLine(); line.isValid();
         line = block.layout->createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, y));
        block.bottom = y + line.height();
        y += line.height() * item.lineSpacing;
        if (line.naturalTextWidth() > box.width() + kFitSlack * kUnit)
            block.misfit = QStringLiteral("needs %1 points of width, has %2")
                               .arg(line.naturalTextWidth() / kUnit, 0, 'f', 1)
                               .arg(box.width() / kUnit, 0, 'f', 1);
    }
    block.layout->endLayout();
    if (block.bottom > box.height() + kFitSlack * kUnit)
        block.misfit = QStringLiteral("needs %1 points of height, has %2")
                           .arg(block.bottom / kUnit, 0, 'f', 1)
                           .arg(box.height() / kUnit, 0, 'f', 1);
    return block;
}

// The smallest factor an item's fonts may be scaled by: its smallest run reaches the smallest
// readable size, and a text already that small is not shrunk at all.
qreal smallestScale(const ReportItem& item)
{
    qreal smallest = 0;
    for (const ReportRun& run : item.runs) {
        const qreal size = run.style.size.value_or(9);
        if (smallest == 0 || size < smallest)
            smallest = size;
    }
    return smallest > kMinShrinkPoints ? kMinShrinkPoints / smallest : 1.0;
}

// Lays out and paints one text item in its box (drawing units). Returns why the text did not
// fit, or nothing; `shrunk` tells whether it was set smaller.
QString paintText(QPainter& painter, const ReportItem& item, const QSqlRecord& row, QRectF box,
                  bool& shrunk)
{
    painter.save();
    if (item.rotate != 0) {
        // Lay the text out along the box's height, then turn it into place.
        painter.translate(box.center());
        painter.rotate(item.rotate);
        box = QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width());
    }

    // A text that wraps has taken its lines at full size first; only what still does not fit
    // is set smaller, and no run below the smallest readable size.
    TextBlock block = layOut(item, row, box.size(), 1.0);
    shrunk = item.shrink && !block.misfit.isEmpty();
    const qreal floor = smallestScale(item);
    for (qreal scale = 1.0; shrunk && !block.misfit.isEmpty() && scale > floor;) {
        scale = qMax(floor, scale - 0.05);
        block = layOut(item, row, box.size(), scale);
    }

    qreal offset = 0;
    if (item.align & Qt::AlignVCenter)
        offset = (box.height() - block.bottom) / 2;
    else if (item.align & Qt::AlignBottom)
        offset = box.height() - block.bottom;
    block.layout->draw(&painter, QPointF(box.left(), box.top() + qMax<qreal>(0, offset)));
    painter.restore();
    return block.misfit;
}

void paintShape(QPainter& painter, const ReportItem& item, const QRectF& box)
{
    QPen pen(item.penColor, item.penWidth * kUnit, item.dash ? Qt::DashLine : Qt::SolidLine,
             Qt::FlatCap, Qt::MiterJoin);
    if (item.kind == ReportItem::Kind::Line) {
        painter.setPen(pen);
        painter.drawLine(item.p1 * kUnit + box.topLeft() - item.rect.topLeft() * kUnit,
                         item.p2 * kUnit + box.topLeft() - item.rect.topLeft() * kUnit);
        return;
    }
    painter.setPen(item.penWidth > 0 ? pen : QPen(Qt::NoPen));
    painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
    if (item.radius > 0)
        painter.drawRoundedRect(box, item.radius * kUnit, item.radius * kUnit);
    else
        painter.drawRect(box);
}

void paintImage(QPainter& painter, const ReportItem& item, const QRectF& box)
{
    QRectF target = box;
    if (item.keepAspect && !item.image.isNull()) {
        QSizeF size = QSizeF(item.image.size()).scaled(box.size(), Qt::KeepAspectRatio);
        target = QRectF(QPointF(), size);
        target.moveCenter(box.center());
    }
    painter.drawImage(target, item.image);
}

} // namespace

QString reportDisplayText(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    out.replace(QLatin1Char('\n'), QChar::LineSeparator);
    out.replace(QLatin1Char('\r'), QChar::LineSeparator);
    return out;
}

ReportPaintResult paintReport(const ReportLayout& layout, const QSqlRecord& row, QPainter& painter,
                              const QRectF& page)
{
    layout.checkColumns(row);

    const QSizeF paper = layout.pageSize();
    const qreal scale = qMin(page.width() / paper.width(), page.height() / paper.height());
    painter.save();
    painter.translate(page.center() - QPointF(paper.width(), paper.height()) * scale / 2);
    painter.scale(scale / kUnit, scale / kUnit);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);

    ReportPaintResult result;
    const qreal left = layout.marginRect().left();
    for (const ReportSection& section : layout.sections()) {
        for (int i = 0; i < section.items.size(); ++i) {
            const ReportItem& item = section.items[i];
            const QRectF box = scaled(item.rect.translated(left, section.top));
            switch (item.kind) {
            case ReportItem::Kind::Text: {
                bool shrunk = false;
                const QString misfit = paintText(painter, item, row, box, shrunk);
                if (!misfit.isEmpty())
                    result.overflowing.append(itemLabel(section, item, i) + " (" + misfit + ")");
                else if (shrunk)
                    result.shrunk.append(itemLabel(section, item, i));
                break;
            }
            case ReportItem::Kind::Line:
            case ReportItem::Kind::Rect:
                paintShape(painter, item, box);
                break;
            case ReportItem::Kind::Image:
                paintImage(painter, item, box);
                break;
            }
        }
    }
    painter.restore();
    return result;
}

} // namespace platform
