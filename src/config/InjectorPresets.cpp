#include "config/InjectorPresets.h"

#include "base/LanguageStrings.h"

#include <QStringList>

namespace zantrel {

namespace {

constexpr InjectorPreset kPresets[] = {
    {0, "2,8", "4,00", "40,0", "2,00"}, // Keihin
    {2, "3,2", "4,00", "40,0", "2,00"}, // Matrix - Fast
    {3, "2,3", "4,2", "38,0", "1,5"},   // Valtek zólty
    {4, "2,8", "4,0", "36,0", "2,0"},   // Valtek czerwony
    {5, "2,0", "4,0", "35,0", "1,2"},   // Slavgas 2
    {6, "2,2", "4,0", "38,0", "1,0"},   // Slavgas
};

// Power per cylinder in kM, nozzle diameter in mm; spaces as they stand.
constexpr const char* kNozzleLines[] = {
    ":",
    "Valtek:",
    "10-20 kM/cyl 1.5  - 2.0  ",
    "20-30 kM/cyl 2.0  - 2.5",
    "30-40 kM/cyl 2.5 - 3.0",
    "40-60 kM/cyl 3.0  - 3.5",
    "",
    "Martix:",
    "10-20 kM/cyl 1.7  - 2.0",
    "20-30 kM/cyl 2.0  - 2.7",
    "30-40 kM/cyl 2.7 ->",
};

} // namespace

std::optional<InjectorPreset> InjectorPresetOf(int item)
{
    for (const InjectorPreset& p : kPresets)
        if (p.item == item)
            return p;
    return std::nullopt;
}

QString PresetText(const char* text, QChar decimalSeparator)
{
    return QString::fromLatin1(text).replace(QLatin1Char(','), decimalSeparator);
}

QString RecommendedNozzlesText(const LanguageStrings& texts)
{
    QStringList lines;
    for (const char* line : kNozzleLines)
        lines << QString::fromLatin1(line);
    return texts[Text::RecommendedNozzles] + lines.join(u'\n');
}

} // namespace zantrel
