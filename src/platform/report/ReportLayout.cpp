#include "ReportLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlRecord>

namespace platform {

namespace {

const QStringList kStyleKeys = {"family", "size", "bold", "italic", "underline", "color"};

// Layout sizes are checked with a little slack so that a box drawn to the edge by hand passes.
constexpr qreal kSlack = 0.01;

QStringList plus(QStringList keys, const QStringList& more)
{
    keys += more;
    return keys;
}

} // namespace

ReportStyle ReportStyle::mergedWith(const ReportStyle& over) const
{
    ReportStyle out = *this;
    if (over.family)
        out.family = over.family;
    if (over.size)
        out.size = over.size;
    if (over.bold)
        out.bold = over.bold;
    if (over.italic)
        out.italic = over.italic;
    if (over.underline)
        out.underline = over.underline;
    if (over.color)
        out.color = over.color;
    return out;
}

// Turns the JSON of one layout file into a ReportLayout, refusing anything it does not know.
class ReportLayoutParser
{
public:
    explicit ReportLayoutParser(QString sourceName) : m_source(std::move(sourceName)) {}

    ReportLayout parse(const QByteArray& bytes);

private:
    [[noreturn]] void fail(const QString& what) const
    {
        const QString who = m_layoutName.isEmpty() ? m_source : m_layoutName;
        throw vbrt::Error(ErrReportLayoutInvalid,
                          QStringLiteral("The report layout \"%1\" is not valid: %2%3")
                              .arg(who, m_where.isEmpty() ? QString() : m_where + ": ", what));
    }

    void onlyKeys(const QJsonObject& o, const QStringList& allowed) const
    {
        for (auto it = o.begin(); it != o.end(); ++it)
            if (!allowed.contains(it.key()))
                fail(QStringLiteral("unknown key \"%1\"").arg(it.key()));
    }

    qreal number(const QJsonObject& o, const QString& key, std::optional<qreal> fallback = {}) const
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) {
            if (!fallback)
                fail(QStringLiteral("\"%1\" is missing").arg(key));
            return *fallback;
        }
        if (!v.isDouble())
            fail(QStringLiteral("\"%1\" must be a number").arg(key));
        return v.toDouble();
    }

    QString text(const QJsonObject& o, const QString& key,
                 std::optional<QString> fallback = {}) const
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined()) {
            if (!fallback)
                fail(QStringLiteral("\"%1\" is missing").arg(key));
            return *fallback;
        }
        if (!v.isString())
            fail(QStringLiteral("\"%1\" must be a text").arg(key));
        return v.toString();
    }

    bool flag(const QJsonObject& o, const QString& key, bool fallback) const
    {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            return fallback;
        if (!v.isBool())
            fail(QStringLiteral("\"%1\" must be true or false").arg(key));
        return v.toBool();
    }

    QJsonObject object(const QJsonValue& v, const QString& what) const
    {
        if (!v.isObject())
            fail(QStringLiteral("%1 must be an object").arg(what));
        return v.toObject();
    }

    QColor color(const QJsonObject& o, const QString& key) const
    {
        const QString name = text(o, key);
        const QColor c = QColor::fromString(name);
        if (!c.isValid())
            fail(QStringLiteral("\"%1\" is not a colour").arg(name));
        return c;
    }

    ReportStyle style(const QJsonObject& o) const;
    ReportStyle namedStyle(const QJsonObject& o) const;
    void parsePage(const QJsonObject& page, ReportLayout& layout);
    ReportItem parseItem(const QJsonObject& o) const;
    void parseText(const QJsonObject& o, ReportItem& item) const;
    void checkInside(const ReportItem& item, const ReportSection& section, qreal width) const;

    QString m_source;
    QString m_layoutName;
    mutable QString m_where; // the part being read, for error texts
    ReportStyle m_base;
    QHash<QString, ReportStyle> m_styles;
};

ReportStyle ReportLayoutParser::style(const QJsonObject& o) const
{
    ReportStyle s;
    if (o.contains("family"))
        s.family = text(o, "family");
    if (o.contains("size")) {
        s.size = number(o, "size");
        if (*s.size < 1 || *s.size > 200)
            fail(QStringLiteral("font size %1 is out of range").arg(*s.size));
    }
    if (o.contains("bold"))
        s.bold = flag(o, "bold", false);
    if (o.contains("italic"))
        s.italic = flag(o, "italic", false);
    if (o.contains("underline"))
        s.underline = flag(o, "underline", false);
    if (o.contains("color"))
        s.color = color(o, "color");
    return s;
}

// The item's or run's "style" entry looked up, then its own keys on top.
ReportStyle ReportLayoutParser::namedStyle(const QJsonObject& o) const
{
    ReportStyle s;
    if (o.contains("style")) {
        const QString name = text(o, "style");
        if (!m_styles.contains(name))
            fail(QStringLiteral("no style named \"%1\"").arg(name));
        s = m_styles.value(name);
    }
    return s.mergedWith(style(o));
}

void ReportLayoutParser::parsePage(const QJsonObject& page, ReportLayout& layout)
{
    m_where = QStringLiteral("page");
    onlyKeys(page, {"size", "orientation", "margins"});
    const QString size = text(page, "size", QStringLiteral("Letter"));
    if (size == "Letter")
        layout.m_pageSizeId = QPageSize::Letter;
    else if (size == "Legal")
        layout.m_pageSizeId = QPageSize::Legal;
    else if (size == "A4")
        layout.m_pageSizeId = QPageSize::A4;
    else
        fail(QStringLiteral("unknown page size \"%1\"").arg(size));
    const QString orientation = text(page, "orientation", QStringLiteral("portrait"));
    if (orientation == "portrait")
        layout.m_orientation = QPageLayout::Portrait;
    else if (orientation == "landscape")
        layout.m_orientation = QPageLayout::Landscape;
    else
        fail(QStringLiteral("unknown orientation \"%1\"").arg(orientation));

    QSizeF paper = QPageSize(layout.m_pageSizeId).size(QPageSize::Point);
    if (layout.m_orientation == QPageLayout::Landscape)
        paper.transpose();
    layout.m_pageSize = paper;

    const QJsonObject margins =
        page.contains("margins") ? object(page.value("margins"), "\"margins\"") : QJsonObject();
    onlyKeys(margins, {"left", "top", "right", "bottom"});
    const qreal left = number(margins, "left", 36), top = number(margins, "top", 36);
    const qreal right = number(margins, "right", 36), bottom = number(margins, "bottom", 36);
    if (left < 0 || top < 0 || right < 0 || bottom < 0 || left + right >= paper.width() ||
        top + bottom >= paper.height())
        fail(QStringLiteral("the margins leave no room on the page"));
    layout.m_marginRect =
        QRectF(left, top, paper.width() - left - right, paper.height() - top - bottom);
}

void ReportLayoutParser::parseText(const QJsonObject& o, ReportItem& item) const
{
    const ReportStyle itemStyle = m_base.mergedWith(namedStyle(o));
    const QString type = o.value("type").toString();
    if (type == "label") {
        item.runs.append({text(o, "text"), {}, itemStyle});
    } else if (type == "field") {
        const QString column = text(o, "column");
        if (column.isEmpty())
            fail(QStringLiteral("\"column\" is empty"));
        item.runs.append({{}, column, itemStyle});
    } else {
        const QJsonValue runs = o.value("runs");
        if (!runs.isArray() || runs.toArray().isEmpty())
            fail(QStringLiteral("\"runs\" must be a list of runs"));
        for (const QJsonValue& r : runs.toArray()) {
            const QJsonObject run = object(r, QStringLiteral("a run"));
            onlyKeys(run, plus(kStyleKeys, {"text", "column", "style"}));
            if (run.contains("text") == run.contains("column"))
                fail(QStringLiteral("a run needs either \"text\" or \"column\""));
            ReportRun out;
            out.style = itemStyle.mergedWith(namedStyle(run));
            if (run.contains("text")) {
                out.text = text(run, "text");
            } else {
                out.column = text(run, "column");
                if (out.column.isEmpty())
                    fail(QStringLiteral("\"column\" is empty"));
            }
            item.runs.append(out);
        }
    }

    Qt::Alignment h = Qt::AlignLeft;
    const QString align = text(o, "align", QStringLiteral("left"));
    if (align == "center")
        h = Qt::AlignHCenter;
    else if (align == "right")
        h = Qt::AlignRight;
    else if (align == "justify")
        h = Qt::AlignJustify;
    else if (align != "left")
        fail(QStringLiteral("unknown alignment \"%1\"").arg(align));
    Qt::Alignment v = Qt::AlignTop;
    const QString valign = text(o, "valign", QStringLiteral("top"));
    if (valign == "middle")
        v = Qt::AlignVCenter;
    else if (valign == "bottom")
        v = Qt::AlignBottom;
    else if (valign != "top")
        fail(QStringLiteral("unknown vertical alignment \"%1\"").arg(valign));
    item.align = h | v;
    item.wrap = flag(o, "wrap", true);
    item.shrink = flag(o, "shrink", false);
    item.lineSpacing = number(o, "lineSpacing", 1.0);
    if (item.lineSpacing < 0.5 || item.lineSpacing > 4)
        fail(QStringLiteral("\"lineSpacing\" must lie between 0.5 and 4"));
    const qreal rotate = number(o, "rotate", 0);
    if (rotate != 0 && rotate != 90 && rotate != -90)
        fail(QStringLiteral("\"rotate\" must be 0, 90 or -90"));
    item.rotate = int(rotate);
}

ReportItem ReportLayoutParser::parseItem(const QJsonObject& o) const
{
    static const QStringList box = {"type", "name", "x", "y", "w", "h"};
    static const QStringList textKeys =
        plus(plus(box, kStyleKeys),
             {"style", "align", "valign", "wrap", "shrink", "lineSpacing", "rotate"});

    ReportItem item;
    item.name = text(o, "name", QString());
    const QString type = text(o, "type");
    if (type == "line") {
        onlyKeys(o, {"type", "name", "x1", "y1", "x2", "y2", "width", "color", "dash"});
        item.kind = ReportItem::Kind::Line;
        item.p1 = {number(o, "x1"), number(o, "y1")};
        item.p2 = {number(o, "x2"), number(o, "y2")};
        item.rect = QRectF(item.p1, item.p2).normalized();
    } else {
        if (type == "label")
            onlyKeys(o, plus(textKeys, {"text"}));
        else if (type == "field")
            onlyKeys(o, plus(textKeys, {"column"}));
        else if (type == "paragraph")
            onlyKeys(o, plus(textKeys, {"runs"}));
        else if (type == "rect")
            onlyKeys(o, plus(box, {"width", "color", "fill", "radius"}));
        else if (type == "image")
            onlyKeys(o, plus(box, {"source", "keepAspect"}));
        else
            fail(QStringLiteral("unknown item type \"%1\"").arg(type));
        item.rect = QRectF(number(o, "x"), number(o, "y"), number(o, "w"), number(o, "h"));
        if (item.rect.width() <= 0 || item.rect.height() <= 0)
            fail(QStringLiteral("the item has no size"));
    }

    if (type == "label" || type == "field" || type == "paragraph") {
        item.kind = ReportItem::Kind::Text;
        parseText(o, item);
    } else if (type == "rect") {
        item.kind = ReportItem::Kind::Rect;
        if (o.contains("fill"))
            item.fill = color(o, "fill");
        item.radius = number(o, "radius", 0);
    } else if (type == "image") {
        item.kind = ReportItem::Kind::Image;
        QString source = text(o, "source");
        if (!source.startsWith(':') && QFileInfo(source).isRelative() && !m_source.isEmpty())
            source = QFileInfo(m_source).absoluteDir().filePath(source);
        if (!item.image.load(source))
            fail(QStringLiteral("the picture \"%1\" cannot be read").arg(source));
        item.keepAspect = flag(o, "keepAspect", true);
    }
    if (item.kind == ReportItem::Kind::Line || item.kind == ReportItem::Kind::Rect) {
        item.penWidth = number(o, "width", 0.75);
        if (item.penWidth < 0)
            fail(QStringLiteral("\"width\" must not be negative"));
        if (o.contains("color"))
            item.penColor = color(o, "color");
        item.dash = flag(o, "dash", false);
    }
    return item;
}

void ReportLayoutParser::checkInside(const ReportItem& item, const ReportSection& section,
                                     qreal width) const
{
    const QRectF& r = item.rect;
    if (r.left() < -kSlack || r.top() < -kSlack || r.right() > width + kSlack ||
        r.bottom() > section.height + kSlack)
        fail(QStringLiteral("the item lies outside its section (%1 x %2 points)")
                 .arg(width)
                 .arg(section.height));
}

ReportLayout ReportLayoutParser::parse(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const int line = bytes.left(error.offset).count('\n') + 1;
        fail(QStringLiteral("%1 on line %2").arg(error.errorString()).arg(line));
    }
    if (!doc.isObject())
        fail(QStringLiteral("the file must hold one object"));
    const QJsonObject root = doc.object();
    onlyKeys(root, {"name", "caption", "page", "font", "styles", "sections"});

    ReportLayout layout;
    layout.m_name = text(root, "name");
    m_layoutName = layout.m_name;
    layout.m_caption = text(root, "caption", layout.m_name);
    parsePage(root.contains("page") ? object(root.value("page"), "\"page\"") : QJsonObject(),
              layout);

    m_where = QStringLiteral("font");
    const QJsonObject font =
        root.contains("font") ? object(root.value("font"), "\"font\"") : QJsonObject();
    onlyKeys(font, kStyleKeys);
    m_base = ReportStyle{QStringLiteral("DejaVu Sans"), 9.0, false, false, false, QColor(Qt::black)}
                 .mergedWith(style(font));

    const QJsonObject styles =
        root.contains("styles") ? object(root.value("styles"), "\"styles\"") : QJsonObject();
    for (auto it = styles.begin(); it != styles.end(); ++it) {
        m_where = QStringLiteral("style \"%1\"").arg(it.key());
        const QJsonObject s = object(it.value(), QStringLiteral("a style"));
        onlyKeys(s, kStyleKeys);
        m_styles.insert(it.key(), style(s));
    }

    m_where.clear();
    const QJsonValue sections = root.value("sections");
    if (!sections.isArray())
        fail(QStringLiteral("\"sections\" must be a list"));
    QSet<ReportSection::Kind> seen;
    for (const QJsonValue& v : sections.toArray()) {
        const QJsonObject s = object(v, QStringLiteral("a section"));
        ReportSection section;
        const QString kind = text(s, "kind");
        m_where = QStringLiteral("section \"%1\"").arg(kind);
        onlyKeys(s, {"kind", "height", "items"});
        if (kind == "pageHeader")
            section.kind = ReportSection::Kind::PageHeader;
        else if (kind == "detail")
            section.kind = ReportSection::Kind::Detail;
        else if (kind == "pageFooter")
            section.kind = ReportSection::Kind::PageFooter;
        else
            fail(QStringLiteral("unknown section kind"));
        if (seen.contains(section.kind))
            fail(QStringLiteral("the section appears twice"));
        seen.insert(section.kind);
        section.height = number(s, "height");
        if (section.height <= 0)
            fail(QStringLiteral("the section has no height"));
        const QJsonValue items = s.value("items");
        if (!items.isUndefined() && !items.isArray())
            fail(QStringLiteral("\"items\" must be a list"));
        const QString sectionWhere = m_where;
        int index = 0;
        for (const QJsonValue& i : items.toArray()) {
            const QJsonObject io = object(i, QStringLiteral("an item"));
            ++index;
            m_where = QStringLiteral("%1, item %2").arg(sectionWhere).arg(index);
            if (io.value("name").isString())
                m_where += QStringLiteral(" (\"%1\")").arg(io.value("name").toString());
            ReportItem item = parseItem(io);
            checkInside(item, section, layout.m_marginRect.width());
            section.items.append(std::move(item));
        }
        m_where = sectionWhere;
        layout.m_sections.append(std::move(section));
    }
    m_where.clear();
    if (!seen.contains(ReportSection::Kind::Detail))
        fail(QStringLiteral("there is no detail section"));

    // Header at the top margin, detail below it, footer ending at the bottom margin.
    std::stable_sort(
        layout.m_sections.begin(), layout.m_sections.end(),
        [](const ReportSection& a, const ReportSection& b) { return a.kind < b.kind; });
    qreal total = 0;
    qreal y = layout.m_marginRect.top();
    for (ReportSection& s : layout.m_sections) {
        total += s.height;
        if (s.kind == ReportSection::Kind::PageFooter) {
            s.top = layout.m_marginRect.bottom() - s.height;
        } else {
            s.top = y;
            y += s.height;
        }
    }
    if (total > layout.m_marginRect.height() + kSlack)
        fail(QStringLiteral("the sections are %1 points high, the page has room for %2")
                 .arg(total)
                 .arg(layout.m_marginRect.height()));
    return layout;
}

ReportLayout ReportLayout::load(const QString& path, const QSqlRecord& columns)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw vbrt::Error(vbrt::ErrFileNotFound,
                          QStringLiteral("The report layout file \"%1\" cannot be read: %2")
                              .arg(path, file.errorString()));
    return load(file, columns, path);
}

ReportLayout ReportLayout::load(QIODevice& device, const QSqlRecord& columns,
                                const QString& sourceName)
{
    ReportLayout layout = ReportLayoutParser(sourceName).parse(device.readAll());
    layout.checkColumns(columns);
    return layout;
}

QPageLayout ReportLayout::pageLayout() const
{
    return QPageLayout(QPageSize(m_pageSizeId), m_orientation, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Point);
}

QStringList ReportLayout::boundColumns() const
{
    QStringList out;
    for (const ReportSection& s : m_sections)
        for (const ReportItem& i : s.items)
            for (const ReportRun& r : i.runs)
                if (r.isBound() && !out.contains(r.column))
                    out.append(r.column);
    return out;
}

QStringList ReportLayout::fixedTexts() const
{
    QStringList out;
    for (const ReportSection& s : m_sections)
        for (const ReportItem& i : s.items) {
            QString text;
            for (const ReportRun& r : i.runs)
                if (!r.isBound())
                    text += r.text;
            if (!text.isEmpty())
                out.append(text);
        }
    return out;
}

void ReportLayout::checkColumns(const QSqlRecord& columns) const
{
    for (const ReportSection& s : m_sections)
        for (const ReportItem& i : s.items)
            for (const ReportRun& r : i.runs) {
                if (!r.isBound())
                    continue;
                // QSqlRecord looks names up without regard to case; the layout's names are
                // the builders' contract and must match exactly.
                bool found = false;
                for (int c = 0; c < columns.count() && !found; ++c)
                    found = columns.fieldName(c) == r.column;
                if (!found)
                    throw vbrt::Error(
                        ErrReportColumnMissing,
                        QStringLiteral("The report layout \"%1\" binds the box \"%2\" to the "
                                       "column \"%3\", which the report's record set does not "
                                       "have.")
                            .arg(m_name, i.name.isEmpty() ? QStringLiteral("(unnamed)") : i.name,
                                 r.column));
            }
}

} // namespace platform
