#include "service/ExtraIdleCorrection.h"

#include "config/ConfigBitFields.h"
#include "config/ParameterUnits.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"
#include "link/LinkJob.h"
#include "link/WriteSequences.h"

#include <optional>

namespace zantrel {

namespace {

constexpr int kCorrectionTimeWord = 52;
constexpr int kEditorPauseMs = 10;

constexpr ConfigField kInjectorFields[kExtraCorrectionInjectors] = {
    ConfigField::ExtraCorrection1, ConfigField::ExtraCorrection2, ConfigField::ExtraCorrection3,
    ConfigField::ExtraCorrection4, ConfigField::ExtraCorrection5, ConfigField::ExtraCorrection6,
    ConfigField::ExtraCorrection7, ConfigField::ExtraCorrection8,
};

} // namespace

bool StoreExtraCorrection(ParameterTable& table, double ms, const InjectorSelection& injectors)
{
    const std::optional<qint32> raw = RawFromUser(table, kCorrectionTimeWord, ms);
    if (!raw)
        return false;
    table[kCorrectionTimeWord] = *raw;
    for (int i = 0; i < kExtraCorrectionInjectors; ++i)
        SetShadowField(table, kInjectorFields[i], injectors[size_t(i)] ? 1u : 0u);
    table.CommitShadow(ParameterTable::kShadow51);
    return true;
}

InjectorSelection ExtraCorrectionInjectors(const ParameterTable& table)
{
    InjectorSelection injectors{};
    for (int i = 0; i < kExtraCorrectionInjectors; ++i)
        injectors[size_t(i)] = ShadowField(table, kInjectorFields[i]) != 0;
    return injectors;
}

void WriteExtraCorrection(LinkJob& job, const ParameterTable& table)
{
    WriteParameter(job, quint8(kCorrectionTimeWord), table.word(kCorrectionTimeWord), kEditorPauseMs);
    WriteParameter(job, quint8(kExtraCorrectionWord), table.word(kExtraCorrectionWord), kEditorPauseMs);
    job.Pause(kEditorPauseMs);
}

std::span<const NamedCaption> ExtraCorrectionLabels()
{
    static constexpr NamedCaption labels[] = {
        {"LabelPrzesuniecie2", "Dodatkowa korekta czasu wtrysku biegu jałowego"},
    };
    return labels;
}

} // namespace zantrel
