#pragma once

#include "reports/ReportPieces.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace zantrel {

enum class ReportColour { Red, Blue, Green, Purple };

struct ReportLine {
    ReportColour colour;
    QString text;
    friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

// "Pokaz Konfiguracje": the device data, the car data and the main parameters as the
// screen shows them, one coloured line a row (46 rows, 45 while the reducer temperature
// sensor choice is hidden).
std::vector<ReportLine> BuildScreenReport(const ReportSources& sources);

// The report as it goes on paper: no colours, the car's make and model added, the map
// kind left out, and spaces where the screen aligns with tabs.
QStringList BuildPrintedReport(const ReportSources& sources);

// The screen report as plain text, a line feed after each line (the command line's
// output and the clipboard's plain form).
QString ReportPlainText(const std::vector<ReportLine>& lines);

// The date and time in the locale's short forms, "17.05.2006/10:30".
QString ReportStamp(const QDateTime& when, const QLocale& locale);

// Red (255, 0, 0), blue (0, 0, 255), green (0, 128, 0), purple (128, 0, 128) as 0xRRGGBB.
unsigned ReportRgb(ReportColour colour);

} // namespace zantrel
