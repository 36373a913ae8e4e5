#pragma once

#include "ReportSamples.h"

#include <QPdfDocument>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QTest>

namespace reportsamples {

inline QString layoutPath(const QString& name)
{
    return QStringLiteral(OSTREL_SOURCE_DIR "/src/reports/layouts/%1.json").arg(name);
}

// The record as the builders make it: one row selected from bound literals.
inline QSqlRecord selectRecord(const Columns& columns)
{
    const QString connection = QStringLiteral("report-tests");
    if (!QSqlDatabase::contains(connection)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
    }
    QStringList parts;
    for (const auto& [name, value] : columns)
        parts << QStringLiteral("? AS ") + name;
    QSqlQuery query(QSqlDatabase::database(connection));
    if (!query.prepare(QStringLiteral("SELECT ") + parts.join(QStringLiteral(", "))))
        qFatal("%s", qPrintable(query.lastError().text()));
    for (const auto& column : columns)
        query.addBindValue(column.second);
    if (!query.exec() || !query.next())
        qFatal("%s", qPrintable(query.lastError().text()));
    return query.record();
}

inline Columns without(Columns columns, const QString& name)
{
    columns.removeIf([&](const auto& c) { return c.first == name; });
    return columns;
}

// Runs of blanks and line ends made one blank, as text read back from a PDF wraps anywhere.
inline QString squeezed(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s\\x{2028}\\x{00a0}]+"));
    return text.replace(blanks, QStringLiteral(" ")).trimmed();
}

// Every page's text of a PDF file, squeezed; empty when the file cannot be read.
inline QString pdfText(const QString& path, int* pages = nullptr)
{
    QPdfDocument doc;
    if (doc.load(path) != QPdfDocument::Error::None)
        return {};
    if (pages)
        *pages = doc.pageCount();
    QString text;
    for (int i = 0; i < doc.pageCount(); ++i)
        text += doc.getAllText(i).text() + QLatin1Char(' ');
    // A line may also wrap after a slash, as in "Pressurize/Depressurize".
    static const QRegularExpression slashWrap(QStringLiteral("/[\\r\\n]+"));
    text.replace(slashWrap, QStringLiteral("/"));
    return squeezed(text);
}

} // namespace reportsamples
