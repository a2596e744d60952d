#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

namespace zantrel {

struct PrintedReport {
    QStringList lines;
    QString stamp;
    QString pageText; // "%1" the page, "%2" the page count
};

// Prints the report as a document to keep: margins of 20 mm, lines that do not fit the
// width wrapped, page breaks between lines only, and at the foot of every page the date
// and time stamp and the page number. False when the printer cannot be opened.
bool PrintReport(QPrinter& printer, const PrintedReport& report);

} // namespace zantrel
