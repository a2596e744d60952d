#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace zantrel {

class FactoryTab;
class LanguageStrings;
class LiveRecord;
class ParameterEditors;
class ParameterTable;
class Prompter;
class ShellWindow;
class TForm12;

// The reserve gauge dialog TForm12 behind "USTAW" of the own sensor definition: it shows
// the level of the last record on its lamps and the sensor voltage of every record, and
// saves the thresholds through the factory tab's fields.
class ReserveGaugeUi final : public QObject {
    Q_OBJECT
public:
    ReserveGaugeUi(ShellWindow& window, TForm12& dialog, FactoryTab& factory, ParameterEditors& editors,
                   const LiveRecord& record, const ParameterTable& table, const LanguageStrings& texts,
                   Prompter& prompter);

    // "USTAW": the lamps and the fields, then the dialog, modally. True when saved.
    bool Open();
    // The sensor voltage the live view shows after every record.
    void ShowGasLevel(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLevel();
    void limitThreshold(size_t field);
    void writeRefreshTime();
    void save();

    ShellWindow& window_;
    TForm12& dialog_;
    FactoryTab& factory_;
    ParameterEditors& editors_;
    const LiveRecord& record_;
    const ParameterTable& table_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
};

} // namespace zantrel
