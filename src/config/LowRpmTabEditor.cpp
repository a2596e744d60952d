#include "config/LowRpmTabEditor.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "config/ConfigBitFields.h"
#include "config/DynamicCorrection.h"
#include "config/EditorScreen.h"
#include "config/ParameterEntry.h"
#include "config/ParameterTransfer.h"
#include "config/ParameterUnits.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/WriteSequences.h"

#include <cmath>

namespace zantrel {

namespace {

struct FilterEdit {
    const char* edit;
    int word;
    EntryKind kind;
};
// In the order "Zapisz" writes them.
constexpr FilterEdit kFilterEdits[] = {
    {"EditFiltrRPM", 60, EntryKind::Digits},
    {"EditFiltrInjTime", 61, EntryKind::Decimal},
    {"EditFiltrDt", 59, EntryKind::Decimal},
};

constexpr const char* kFilterList = "ComboBoxFiltr";
constexpr const char* kDynamicSwitch = "ComboBoxKorSkacz";
constexpr const char* kThresholdList = "ComboBoxSkaczKorInjT";
constexpr const char* kPercentList = "ComboBoxKorekcjaSkacz";
constexpr int kPauseMs = ParameterTransfer::kEditorPauseMs;
constexpr int kBetweenFlagWordsMs = 20;

constexpr LowRpmFilterBits kFilterItems[] = {{0, 0}, {1, 0}, {1, 1}};

quint32 bitOf(const ParameterTable& table, ConfigField field)
{
    const BitField& f = FieldOf(field);
    return FieldValue(table[f.word], f);
}

void addWord(LinkJob& job, const ParameterTable& table, int word, int pauseMs = kPauseMs)
{
    WriteParameter(job, quint8(word), table.word(word), pauseMs);
}

} // namespace

LowRpmFilterBits LowRpmFilterBitsOf(int item)
{
    return item >= 0 && item < int(std::size(kFilterItems)) ? kFilterItems[item] : kFilterItems[0];
}

int LowRpmFilterItem(LowRpmFilterBits bits)
{
    for (int i = 0; i < int(std::size(kFilterItems)); ++i)
        if (kFilterItems[i].active == bits.active && kFilterItems[i].variant == bits.variant)
            return i;
    return 0;
}

std::optional<int> DynamicItemOfSlider(double percent)
{
    if (std::trunc(percent) == 0)
        return std::nullopt;
    return int(std::trunc(percent - kDynamicPercentOfFirstItem));
}

LowRpmTabEditor::LowRpmTabEditor(ParameterTable& table, LinkGate& gate, EditorScreen& screen, Prompter& prompter,
                                 const LanguageStrings& texts, QChar decimalSeparator)
    : table_(table)
    , gate_(gate)
    , screen_(screen)
    , prompter_(prompter)
    , texts_(texts)
    , decimalSeparator_(decimalSeparator)
{
}

bool LowRpmTabEditor::start(LinkJob& job)
{
    return gate_.Start(std::move(job), &lifetime_);
}

bool LowRpmTabEditor::SaveFilter()
{
    if (gate_.Busy())
        return false;
    qint32 raws[std::size(kFilterEdits)];
    for (size_t i = 0; i < std::size(kFilterEdits); ++i) {
        const FilterEdit& e = kFilterEdits[i];
        const QString text = screen_.Text(e.edit);
        const std::optional<double> value = ParseEntry(text, e.kind, decimalSeparator_);
        if (!value) {
            prompter_.Inform(texts_[Text::ApplicationTitle], texts_[Text::LowRpmFilterNotANumber].arg(text));
            return false;
        }
        raws[i] = *RawFromUser(table_, e.word, *value);
    }
    LinkJob job;
    for (size_t i = 0; i < std::size(kFilterEdits); ++i) {
        table_[kFilterEdits[i].word] = raws[i];
        addWord(job, table_, kFilterEdits[i].word);
    }
    // The filter bits share their words with other switches: each goes out as it was read.
    const LowRpmFilterBits bits = LowRpmFilterBitsOf(screen_.Item(kFilterList));
    int pause = 0;
    if (table_.Known(kFlagsCWord)) {
        (void)SetShadowField(table_, ConfigField::LowRpmFilterVariant, bits.variant);
        table_.CommitShadow(ParameterTable::kShadow54);
        addWord(job, table_, kFlagsCWord, pause);
        pause = kBetweenFlagWordsMs;
    }
    if (table_.Known(kFlagsBWord)) {
        (void)SetShadowField(table_, ConfigField::LowRpmFilter, bits.active);
        table_.CommitShadow(ParameterTable::kShadow47);
        addWord(job, table_, kFlagsBWord, pause);
    }
    if (!start(job))
        return false;
    for (const FilterEdit& e : kFilterEdits)
        screen_.SetText(e.edit, ParameterText(table_, e.word, decimalSeparator_).value_or(QString()));
    screen_.SelectItem(kFilterList, LowRpmFilterItem({bitOf(table_, ConfigField::LowRpmFilter),
                                                      bitOf(table_, ConfigField::LowRpmFilterVariant)}));
    return true;
}

bool LowRpmTabEditor::ChooseDynamic(const char* control)
{
    const int item = screen_.Item(control);
    if (item < 0 || gate_.Busy())
        return false;
    const QLatin1String name(control);
    LinkJob job;
    if (name == QLatin1String(kDynamicSwitch)) {
        if (!table_.Known(kFlagsCWord) || !SetShadowField(table_, ConfigField::DynamicCorrection, quint32(item)))
            return false;
        table_.CommitShadow(ParameterTable::kShadow54);
        addWord(job, table_, kFlagsCWord);
    } else if (name == QLatin1String(kThresholdList)) {
        table_[kDynamicCorrectionWord] = WithDynamicThreshold(table_[kDynamicCorrectionWord], item);
        addWord(job, table_, kDynamicCorrectionWord);
    } else if (name == QLatin1String(kPercentList)) {
        table_[kDynamicCorrectionWord] =
            WithDynamicPercent(table_[kDynamicCorrectionWord], item + kDynamicPercentOfFirstItem);
        addWord(job, table_, kDynamicCorrectionWord);
    } else {
        return false;
    }
    return start(job);
}

// Three single-word writes: the switch in word 54, then word 23 with the threshold, then
// with the percent, each as the list it came from would write it.
bool LowRpmTabEditor::Slide(double percent)
{
    if (gate_.Busy())
        return false;
    const std::optional<int> item = DynamicItemOfSlider(percent);
    screen_.SelectItem(kDynamicSwitch, item ? 1 : 0);
    if (item)
        screen_.SelectItem(kPercentList, *item);
    screen_.SelectItem(kThresholdList, kSliderThresholdItem);
    LinkJob job;
    if (table_.Known(kFlagsCWord)) {
        (void)SetShadowField(table_, ConfigField::DynamicCorrection, item ? 1u : 0u);
        table_.CommitShadow(ParameterTable::kShadow54);
        addWord(job, table_, kFlagsCWord);
    }
    table_[kDynamicCorrectionWord] = WithDynamicThreshold(table_[kDynamicCorrectionWord], kSliderThresholdItem);
    addWord(job, table_, kDynamicCorrectionWord);
    const int percentItem = screen_.Item(kPercentList);
    if (percentItem >= 0)
        table_[kDynamicCorrectionWord] =
            WithDynamicPercent(table_[kDynamicCorrectionWord], percentItem + kDynamicPercentOfFirstItem);
    addWord(job, table_, kDynamicCorrectionWord);
    return start(job);
}

std::optional<double> LowRpmTabEditor::Refresh()
{
    for (const FilterEdit& e : kFilterEdits)
        if (table_.Known(e.word))
            screen_.SetText(e.edit, ParameterText(table_, e.word, decimalSeparator_).value_or(QString()));
    if (table_.Known(kFlagsBWord) && table_.Known(kFlagsCWord))
        screen_.SelectItem(kFilterList, LowRpmFilterItem({bitOf(table_, ConfigField::LowRpmFilter),
                                                          bitOf(table_, ConfigField::LowRpmFilterVariant)}));
    std::optional<bool> active;
    if (table_.Known(kFlagsCWord)) {
        active = bitOf(table_, ConfigField::DynamicCorrection) != 0;
        screen_.SelectItem(kDynamicSwitch, *active ? 1 : 0);
    }
    if (!table_.Known(kDynamicCorrectionWord))
        return std::nullopt;
    const qint32 word = table_[kDynamicCorrectionWord];
    screen_.SelectItem(kThresholdList, DynamicThresholdItem(word));
    screen_.SelectItem(kPercentList, DynamicPercentItem(word).value_or(-1));
    if (!active)
        return std::nullopt;
    return *active ? double(DynamicPercent(word)) : 0.0;
}

} // namespace zantrel
