// Rendering a technical house leakage report to a PDF file: the layout is read and checked
// against the record, then painted on a QPdfWriter.
#include "BenchSupport.h"
#include "report/ReportLayout.h"
#include "report/ReportOutput.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlField>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString layoutPath()
{
    return QFileInfo(QStringLiteral(__FILE__))
        .absoluteDir()
        .filePath(QStringLiteral("../src/reports/layouts/drpTightTechnical.json"));
}

void collectColumns(const QJsonValue& v, QStringList& out)
{
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        if (o.value("column").isString() && !out.contains(o.value("column").toString()))
            out << o.value("column").toString();
        for (const QJsonValue& child : o)
            collectColumns(child, out);
    } else if (v.isArray()) {
        for (const QJsonValue& child : v.toArray())
            collectColumns(child, out);
    }
}

// A record with every column the layout binds, each holding a value of typical length.
QSqlRecord sampleRecord()
{
    QFile file(layoutPath());
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(layoutPath()));
    QStringList columns;
    collectColumns(QJsonDocument::fromJson(file.readAll()).object(), columns);
    QSqlRecord record;
    for (const QString& c : columns) {
        record.append(QSqlField(c, QMetaType(QMetaType::QString)));
        record.setValue(c, QStringLiteral("1,765 cfm = 0.33 per hour, 123.6 square inches"));
    }
    return record;
}

void BM_LoadTechnicalLayout(benchmark::State& state)
{
    const QSqlRecord record = sampleRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::ReportLayout::load(layoutPath(), record));
}
BENCHMARK(BM_LoadTechnicalLayout)->Unit(benchmark::kMillisecond);

void BM_TechnicalReportToPdf(benchmark::State& state)
{
    const QSqlRecord record = sampleRecord();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const auto layout = platform::ReportLayout::load(layoutPath(), record);
        benchmark::DoNotOptimize(platform::writeReportPdf(layout, record, path));
    }
    state.counters["bytes"] = QFileInfo(path).size();
}
BENCHMARK(BM_TechnicalReportToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return benchsupport::runBenchmarks(argc, argv);
}
