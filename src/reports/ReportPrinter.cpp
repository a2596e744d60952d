#include "reports/ReportPrinter.h"

#include "reports/PageBreaks.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <vector>

namespace zantrel {

namespace {

constexpr double kMarginMm = 20;
constexpr double kPointSize = 10;
constexpr int kSpacesPerTab = 4;

// The rows a line takes at `width`: broken between words, a word wider than the page
// between characters.
QStringList wrapped(const QString& line, const QFontMetrics& metrics, int width)
{
    QStringList rows;
    QString row;
    const auto fits = [&](const QString& text) { return metrics.horizontalAdvance(text) <= width; };
    for (const QString& word : line.split(u' ')) {
        const QString candidate = row.isEmpty() ? word : row + u' ' + word;
        if (fits(candidate)) {
            row = candidate;
            continue;
        }
        if (!row.isEmpty())
            rows << row;
        row.clear();
        for (const QChar c : word) {
            if (!row.isEmpty() && !fits(row + c)) {
                rows << row;
                row.clear();
            }
            row += c;
        }
    }
    rows << row;
    return rows;
}

} // namespace

bool PrintReport(QPrinter& printer, const PrintedReport& report)
{
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font = painter.font();
    font.setPointSizeF(kPointSize);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution()).translated(
        -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    const int spacing = metrics.lineSpacing();
    const int footerTop = area.height() - spacing;
    const int rowsPerPage = (footerTop - spacing) / spacing;

    std::vector<QStringList> lines;
    std::vector<int> heights;
    for (const QString& line : report.lines) {
        lines.push_back(wrapped(QString(line).replace(u'\t', QString(kSpacesPerTab, u' ')), metrics, area.width()));
        heights.push_back(int(lines.back().size()));
    }
    const std::vector<PrintedPage> pages = LayOutPages(heights, rowsPerPage);
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        int y = metrics.ascent();
        for (const PageSlice& slice : pages[p])
            for (int r = slice.firstRow; r < slice.firstRow + slice.rowCount; ++r) {
                painter.drawText(0, y, lines[size_t(slice.line)][r]);
                y += spacing;
            }
        painter.drawLine(0, footerTop, area.width(), footerTop);
        const QRect foot(0, footerTop, area.width(), spacing);
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, report.stamp);
        painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom,
                         report.pageText.arg(p + 1).arg(pages.size()));
    }
    return painter.end();
}

} // namespace zantrel
