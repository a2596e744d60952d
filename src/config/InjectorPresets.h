#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace zantrel {

class LanguageStrings;

// The gas injector types of ComboBoxRodzajWtrysku (item index = bits 4..7 of word 22)
// and the electrical timing each loads into the four edits of words 2, 7, 6 and 13, as
// the edits show it. Types without a row load nothing; "Matrix" (item 1) has its timing
// entered by hand in the injector settings dialog.
struct InjectorPreset {
    int item;
    const char* minimalOpening; // EditMinimalnyCzasWtrysku, word 2, ms
    const char* fullOpening;    // EditPelneOtwarcie, word 7, ms
    const char* holding;        // EditProcentowePodtrzymanie, word 6, %
    const char* delay;          // EditOpoznienieWtryskiwaczy, word 13, ms
};

constexpr int kOwnTimingInjector = 1;

[[nodiscard]] std::optional<InjectorPreset> InjectorPresetOf(int item);
// A preset text with the locale's decimal separator in place of ','.
[[nodiscard]] QString PresetText(const char* text, QChar decimalSeparator);

// "Zalecane dysze wtryskiwaczy " and the table of nozzle sizes by power per cylinder.
[[nodiscard]] QString RecommendedNozzlesText(const LanguageStrings& texts);

} // namespace zantrel
