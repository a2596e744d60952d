#include "reports/ConfigurationReport.h"
#include "reports/ReportPrinter.h"

#include "ScreenFixture.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The printed report through QPrinter to a PDF: on a small page it runs over several
// pages, each with its number and the stamp, and every line stands whole on one page.
TEST(ReportPrint, PdfPagesHoldWholeLinesWithStampAndPageNumbers)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils missing (scripts/bootstrap installs it)";
    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("KEEP_PDF"));
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const LanguageStrings texts;
    const FixedScreen screen = InstallationScreen();
    const QString stamp = QStringLiteral("17.05.2006/10:30");
    const QStringList lines = BuildPrintedReport({screen, texts, stamp});

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A6));
    ASSERT_TRUE(PrintReport(printer, {lines, stamp, texts[Text::ReportPage]}));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
    ASSERT_GE(at, 0) << info.toStdString();
    const int pages = info.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
    ASSERT_GT(pages, 1);

    QStringList pageTexts;
    for (int p = 1; p <= pages; ++p) {
        const QString text = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(p),
                                  QStringLiteral("-l"), QString::number(p), pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.contains(QStringLiteral("Strona %1 z %2").arg(p).arg(pages))) << text.toStdString();
        EXPECT_TRUE(text.contains(stamp)) << "page " << p;
        // The PDF keeps the font's fi and fl ligatures as single characters.
        pageTexts << QString(text).replace(QChar(0xFB01), QStringLiteral("fi")).replace(QChar(0xFB02), QStringLiteral("fl")).simplified();
    }
    for (const QString& line : lines) {
        const QString words = line.simplified();
        int holding = 0;
        for (const QString& page : pageTexts)
            holding += page.contains(words) ? 1 : 0;
        EXPECT_GE(holding, 1) << "cut or missing: " << line.toStdString();
    }
}

} // namespace
} // namespace zantrel::test
