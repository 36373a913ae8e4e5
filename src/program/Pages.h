#pragma once

#include <QString>

// The main form's pages are told apart by their captions, never by their positions.
namespace pages {
inline const QString Home = QStringLiteral("Home Page");
inline const QString ClientSurvey = QStringLiteral("&Client Survey");
inline const QString HouseLeakage = QStringLiteral("&House Leakage Test");
inline const QString FlowHood = QStringLiteral("&Flow Hood Leak Test");
inline const QString Efficiency = QStringLiteral("&Efficiency Analysis");
inline const QString Media = QStringLiteral("&M/Media");
} // namespace pages
