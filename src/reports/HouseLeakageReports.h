#pragma once

// The client's house report and the technician's report of a house leakage test, made from the
// calculation's results snapshot and the texts the report prints around it. Nothing here reads
// a window: the main form gathers the header and hands both in.

#include "ReportColumns.h"

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>

#include <array>

class HLResultsSnapshot;

// A report ready to show: which layout, and the one-row record its boxes are bound to.
struct BuiltReport
{
    QString layout; // "drpTightHouse", "drpLooseHouse", "drpTightTechnical", "drpLooseTechnical"
    QSqlRecord row;
};

namespace reporting {

// What a report prints besides the calculated figures, as it stands when the report is made.
struct ReportHeader
{
    QString testNumber; // the number after "Report #"
    QString clientInfo; // the column ClientInfo
    QString techInfo;   // the column TechInfo
    QString testDate;   // the test's date and time as typed

    // The technical report's texts of the test: as shown on the pages.
    QString livingArea;
    QString stories;
    QString bedrooms;
    QString ceilingHeight;
    QString windExposure;
    int windExposureCode = -1; // the wind exposure list's item value
    QString climateCity;
    QString climateLblZone;
    QString insideTemp;
    QString outsideTemp;
    QString testDirection;
    QString range;
    std::array<QString, 6> housePressure;
    std::array<QString, 6> flowPressure;
    std::array<QString, 6> testFlow;
    std::array<QString, 6> testError;
};

// A report's layout and its columns in order.
struct ReportContent
{
    QString layout;
    ReportColumns columns;
};

// Each raises the error of the first figure the report needs that could not be computed.
ReportContent houseReport(const HLResultsSnapshot& results, const ReportHeader& header);
ReportContent technicalReport(const HLResultsSnapshot& results, const ReportHeader& header);

// The content opened as its one-row record on the connection.
BuiltReport buildReport(const QSqlDatabase& db, const ReportContent& content);

// Title, ClientInfo, TechInfo and TestDate: the first four columns of every report here.
ReportColumns headerColumns(const ReportHeader& header, const QString& kind);

} // namespace reporting
