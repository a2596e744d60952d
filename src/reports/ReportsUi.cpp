#include "reports/ReportsUi.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "reports/ConfigurationReport.h"
#include "reports/ReportPrinter.h"
#include "reports/SpreadsheetExport.h"

#include <QAction>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTextEdit>
#include <QVBoxLayout>

namespace zantrel {

namespace {

constexpr int kReportPixelSize = 13;
constexpr int kTabStop = 48;

QString chooseExportFile(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SaveExcel"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("*.xls"));
    dialog.setDefaultSuffix(QStringLiteral("xls"));
    dialog.selectFile(QStringLiteral("excel"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

ReportsUi::ReportsUi(ShellWindow& window, QWidget& carDialog, QWidget& mapKindDialog, QWidget& idleDialog,
                     const LanguageStrings& texts, Prompter& prompter)
    : QObject(&window.Widget())
    , window_(window)
    , texts_(texts)
    , prompter_(prompter)
    , screen_(window, carDialog,
              {window.Tab(TabId::TabSheet8), window.Tab(TabId::TabSheet3), window.Tab(TabId::TabSheet4),
               window.Tab(TabId::TabSheet6), &idleDialog, &mapKindDialog})
    , chooseExportFile_([this] { return chooseExportFile(&window_.Widget()); })
{
    QWidget& page = *window.Tab(TabId::TabSheet9);
    build(page);
    page.installEventFilter(this);
    connect(ButtonKonfiguracja, &QPushButton::clicked, this, &ReportsUi::ShowConfiguration);
    connect(ButtonKopiujDoSchowka, &QPushButton::clicked, this, &ReportsUi::CopyToClipboard);
    connect(ButtonDrukuj, &QPushButton::clicked, this, &ReportsUi::print);
    connect(window.MenuItem(QStringLiteral("ExportDoExcela")), &QAction::triggered, this, &ReportsUi::Export);
}

void ReportsUi::build(QWidget& page)
{
    Konsola = new QTextEdit(&page);
    Konsola->setObjectName(QStringLiteral("Konsola"));
    Konsola->setReadOnly(true);
    Konsola->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kReportPixelSize);
    Konsola->setFont(font);
    Konsola->setTabStopDistance(kTabStop);
    const auto button = [&page](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), &page);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    ButtonKonfiguracja = button("ButtonKonfiguracja", "Pokaz Konfiguracje");
    ButtonKopiujDoSchowka = button("ButtonKopiujDoSchowka", "Kopiuj Tekst Do schowka");
    ButtonDrukuj = button("ButtonDrukuj", "DRUKUJ");

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ButtonKonfiguracja, ButtonKopiujDoSchowka, ButtonDrukuj})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout(&page);
    row->addWidget(Konsola, 1);
    row->addLayout(buttons);
}

bool ReportsUi::eventFilter(QObject* watched, QEvent* event)
{
    // F10 and the tab show the report as it stands.
    if (event->type() == QEvent::Show && watched == window_.Tab(TabId::TabSheet9))
        ShowConfiguration();
    return QObject::eventFilter(watched, event);
}

QString ReportsUi::stamp() const
{
    return ReportStamp(QDateTime::currentDateTime(), QLocale());
}

void ReportsUi::ShowConfiguration()
{
    Konsola->clear();
    QTextCursor cursor(Konsola->document());
    bool first = true;
    for (const ReportLine& line : BuildScreenReport({screen_, texts_, stamp()})) {
        if (!first)
            cursor.insertBlock();
        first = false;
        QTextCharFormat format;
        format.setForeground(QColor::fromRgb(ReportRgb(line.colour)));
        cursor.insertText(line.text, format);
    }
}

void ReportsUi::CopyToClipboard()
{
    Konsola->selectAll();
    Konsola->copy();
    Konsola->setFocus();
}

bool ReportsUi::PrintTo(QPrinter& printer)
{
    const QString now = stamp();
    return PrintReport(printer, {BuildPrintedReport({screen_, texts_, now}), now, texts_[Text::ReportPage]});
}

void ReportsUi::print()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, &window_.Widget());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintTo(printer))
        prompter_.Inform(texts_[Text::Error], texts_[Text::FileOperationFailed]);
}

void ReportsUi::Export()
{
    if (!ExportFieldsFilled(screen_))
        return;
    const QString path = chooseExportFile_();
    if (path.isEmpty())
        return;
    const CodePage::Encoded encoded = EncodeExport(BuildExportText({screen_, texts_, {}}), ExportCodePage(texts_));
    if (encoded.missing) {
        prompter_.Inform(texts_[Text::Error], texts_[Text::ReportCharacterMissing].arg(*encoded.missing));
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded.bytes) != encoded.bytes.size() || !file.commit())
        prompter_.Inform(texts_[Text::Error], texts_[Text::FileOperationFailed]);
}

} // namespace zantrel
