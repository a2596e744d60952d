#pragma once

#include <QChar>
#include <QObject>
#include <QString>

#include <optional>

namespace zantrel {

class EditorScreen;
class LanguageStrings;
class LinkGate;
class ParameterTable;
class Prompter;

// The items of ComboBoxFiltr ("Brak", "Jałowy", "Mazda 99-01") as the filter bits: bit 5
// of word 47 (filter active) and bit 3 of word 54 (second variant). The pair (clear,
// set) shows "Brak".
struct LowRpmFilterBits {
    quint32 active;
    quint32 variant;
};
[[nodiscard]] LowRpmFilterBits LowRpmFilterBitsOf(int item);
[[nodiscard]] int LowRpmFilterItem(LowRpmFilterBits bits);

// The slider of the dynamic correction moved to `percent`: the item of
// ComboBoxKorekcjaSkacz it selects (-60 % is item 0), or none for 0 %, which switches
// the correction off.
[[nodiscard]] std::optional<int> DynamicItemOfSlider(double percent);

// The tab TabSheet11: the low-RPM filter ("Mazda/Jalowy") and its "Zapisz", and the
// dynamic correction's three lists and slider. Each change goes out as one job; the
// refresh only shows.
class LowRpmTabEditor {
public:
    // The threshold the slider sets with every move: "4 ms".
    static constexpr int kSliderThresholdItem = 3;

    LowRpmTabEditor(ParameterTable& table, LinkGate& gate, EditorScreen& screen, Prompter& prompter,
                    const LanguageStrings& texts, QChar decimalSeparator);

    // Words 60, 61 and 59 from their edits (limited, converted), then the filter bits in
    // words 54 and 47. Nothing is sent when an edit holds no number: the user is told.
    bool SaveFilter();
    // A change of ComboBoxKorSkacz, ComboBoxSkaczKorInjT or ComboBoxKorekcjaSkacz.
    bool ChooseDynamic(const char* control);
    bool Slide(double percent);
    // Fills the controls from the words the table knows; returns the slider's percent.
    std::optional<double> Refresh();

private:
    bool start(class LinkJob& job);

    ParameterTable& table_;
    LinkGate& gate_;
    EditorScreen& screen_;
    Prompter& prompter_;
    const LanguageStrings& texts_;
    QChar decimalSeparator_;
    QObject lifetime_;
};

} // namespace zantrel
