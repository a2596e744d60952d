#pragma once

#include "config/ConfigBitFields.h"

#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace zantrel {

// The low-temperature cut-offs: ComboBoxMrozRed (word 48, "Brak", "+10 °C" .. "-10 °C")
// and ComboBoxMrozGaz (word 49, "Brak", "0 °C" .. "-20 °C"). Item k > 0 stores
// `firstItemWord` - k + 1 degrees and sets the on bit in word 47; "Brak" stores -20
// with the bit clear.
struct TemperatureCutoff {
    const char* control;
    int word;
    ConfigField active;
    qint32 firstItemWord;
};

const TemperatureCutoff* TemperatureCutoffOf(QStringView control);

constexpr qint32 kNoCutoffWord = -20;

// The word for an item (item 0 is "Brak").
qint32 CutoffWord(const TemperatureCutoff& cutoff, int item);
// The item that shows a word, with the on bit as it stands; empty beyond the list.
std::optional<int> CutoffItem(const TemperatureCutoff& cutoff, qint32 word, bool active);

} // namespace zantrel
