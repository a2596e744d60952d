#pragma once

#include "reports/WidgetScreenTexts.h"

#include <QObject>
#include <QString>

#include <functional>

class QPrinter;
class QPushButton;
class QTextEdit;

namespace zantrel {

class LanguageStrings;
class Prompter;
class ShellWindow;
struct ReportSources;

// The "Odczyt konfiguracji (F10)" tab with its report, clipboard and print buttons, and
// the "export do excela" menu item. Both read the screen as it stands.
class ReportsUi : public QObject {
    Q_OBJECT
public:
    // The dialogs hold controls the reports read: the car data, the map kind, the extra
    // idle correction.
    ReportsUi(ShellWindow& window, QWidget& carDialog, QWidget& mapKindDialog, QWidget& idleDialog,
              const LanguageStrings& texts, Prompter& prompter);

    QTextEdit* Konsola = nullptr;
    QPushButton* ButtonKonfiguracja = nullptr;
    QPushButton* ButtonKopiujDoSchowka = nullptr;
    QPushButton* ButtonDrukuj = nullptr;

    const ScreenTexts& Screen() const { return screen_; }
    // "Pokaz Konfiguracje".
    void ShowConfiguration();
    // "Kopiuj Tekst Do schowka": the report as rich and plain text.
    void CopyToClipboard();
    // "DRUKUJ" after the print dialog; false when the printer cannot be opened.
    bool PrintTo(QPrinter& printer);
    // "export do excela"; the file chooser returns an empty path on cancel.
    void Export();
    void SetExportFileChooser(std::function<QString()> choose) { chooseExportFile_ = std::move(choose); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(QWidget& page);
    void print();
    QString stamp() const;

    ShellWindow& window_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
    WidgetScreenTexts screen_;
    std::function<QString()> chooseExportFile_;
};

} // namespace zantrel
