#pragma once

#include "base/CodePage.h"
#include "reports/ReportPieces.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zantrel {

// "export do excela": the device data, the car data and the main parameters as
// tab-separated text, caption and value a line, empty lines between the sections, a line
// feed after every line (52 lines, 51 while the reducer temperature sensor choice is
// hidden).
QString BuildExportText(const ReportSources& sources);

// Whether every parameter field the export (and a parameter file) relies on holds text.
bool ExportFieldsFilled(const ScreenTexts& screen);

// The export's code page: that of the interface language.
CodePageId ExportCodePage(const LanguageStrings& texts);

// The text in the code page's bytes; `missing` names the first character it cannot hold.
CodePage::Encoded EncodeExport(const QString& text, CodePageId page);

} // namespace zantrel
