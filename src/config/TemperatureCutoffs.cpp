#include "config/TemperatureCutoffs.h"

#include <QString>

namespace zantrel {

namespace {

constexpr int kCutoffItems = 22;

constexpr TemperatureCutoff kCutoffs[] = {
    {"ComboBoxMrozRed", 48, ConfigField::ReducerFreezeCutoff, 10},
    {"ComboBoxMrozGaz", 49, ConfigField::ColdGasCutoff, 0},
};

} // namespace

const TemperatureCutoff* TemperatureCutoffOf(QStringView control)
{
    for (const TemperatureCutoff& c : kCutoffs)
        if (control == QLatin1String(c.control))
            return &c;
    return nullptr;
}

qint32 CutoffWord(const TemperatureCutoff& cutoff, int item)
{
    return item > 0 ? cutoff.firstItemWord + 1 - item : kNoCutoffWord;
}

std::optional<int> CutoffItem(const TemperatureCutoff& cutoff, qint32 word, bool active)
{
    if (!active)
        return 0;
    const int item = cutoff.firstItemWord + 1 - word;
    if (item < 0 || item >= kCutoffItems)
        return std::nullopt;
    return item;
}

} // namespace zantrel
