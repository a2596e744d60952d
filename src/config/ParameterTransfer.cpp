#include "config/ParameterTransfer.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "config/ConfigBitFields.h"
#include "config/EmissionDefaults.h"
#include "config/FactoryParameters.h"
#include "config/ParameterTable.h"
#include "config/ParameterUnits.h"
#include "config/ParameterWords.h"
#include "config/TemperatureMapDefaults.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/ReadSequences.h"
#include "link/WriteSequences.h"
#include "maps/MapBank.h"
#include "maps/MapDefaults.h"

namespace zantrel {

namespace {

// The factory reset writes its axis points with the point editor's closing pause.
constexpr int kPointTailPauseMs = 30;

// The flags the factory reset clears before it writes word 47 a second time: the
// temperature map and the five emission switches.
constexpr ConfigField kClearedAfterEmission[] = {
    ConfigField::TemperatureMap, ConfigField::InertialFilter, ConfigField::LambdaReaction,
    ConfigField::RpmLimitation,  ConfigField::LoadLimitation, ConfigField::SlowCorrection,
};

} // namespace

ParameterTransfer::ParameterTransfer(EcuCommands& cmds, ParameterTable& table,
                                     ParameterTransferView& view, Prompter& prompter,
                                     const LanguageStrings& texts)
    : cmds_(cmds)
    , table_(table)
    , view_(view)
    , prompter_(prompter)
    , texts_(texts)
{
}

template <typename Work>
bool ParameterTransfer::exclusive(Work work)
{
    if (busy_)
        return false;
    struct Running {
        bool& busy;
        explicit Running(bool& b) : busy(b) { busy = true; }
        ~Running() { busy = false; }
    } running(busy_);
    work();
    return true;
}

bool ParameterTransfer::ReadAll()
{
    if (!exclusive([this] { readWords(); }))
        return false;
    view_.RefreshAfterRead();
    return true;
}

bool ParameterTransfer::WriteWord(int index, int leadingPauseMs, int trailingPauseMs)
{
    if (index < 0 || index >= ParameterTable::kWords)
        return false;
    return exclusive([&] { writeWord(index, leadingPauseMs, trailingPauseMs); });
}

bool ParameterTransfer::WriteShadow(int slot, int leadingPauseMs)
{
    const std::optional<int> index = ParameterTable::WordOfShadow(slot);
    if (!index)
        return false;
    return exclusive([&] {
        table_.CommitShadow(slot);
        writeWord(*index, leadingPauseMs);
    });
}

bool ParameterTransfer::WriteAll()
{
    return exclusive([this] { writeAll(); });
}

bool ParameterTransfer::FactoryReset()
{
    return exclusive([this] { factoryReset(); });
}

bool ParameterTransfer::MenuReset()
{
    bool confirmed = false;
    const bool ran = exclusive([&] {
        confirmed = prompter_.AskYesNo(texts_[Text::ResetCaption], texts_[Text::ResetQuestion]);
        if (!confirmed)
            return;
        factoryReset();
        table_[kFallingDeltaWord] = 0;
        readWords();
    });
    if (!ran || !confirmed)
        return false;
    view_.RefreshAfterRead();
    return true;
}

void ParameterTransfer::readWords()
{
    view_.SetProgressMaximum(ParameterTable::kWords - 1);
    const ParameterReadout words =
        ReadParameterWords(cmds_, [this](int index) { view_.SetProgressPosition(index); });
    for (int i = 0; i < ParameterTable::kWords; ++i)
        if (const std::optional<quint16> word = words[size_t(i)])
            table_.StoreReceived(i, *word);
    if (table_.IsProgrammed()) {
        table_[ParameterTable::kShadow22] = table_[kFlagsAWord];
        table_[ParameterTable::kShadow47] = table_[kFlagsBWord];
    } else if (prompter_.AskYesNo(texts_[Text::NotProgrammedCaption], texts_[Text::NotProgrammed])) {
        factoryReset();
    }
}

void ParameterTransfer::writeWord(int index, int leadingPauseMs, int trailingPauseMs)
{
    WriteParameter(cmds_, quint8(index), table_.word(index), leadingPauseMs);
    if (trailingPauseMs > 0)
        cmds_.link().Sleep(trailingPauseMs);
}

void ParameterTransfer::writeAll()
{
    WriteAllParameters(cmds_, table_.values(), [this] { view_.StepProgress(); });
}

void ParameterTransfer::factoryReset()
{
    ApplyFactoryValues(table_);
    writeAll();
    resetMaps();
    resetEmission();
    for (const ConfigField field : kClearedAfterEmission)
        SetShadowField(table_, field, 0);
    table_.CommitShadow(ParameterTable::kShadow47);
    writeWord(kFlagsBWord, kEditorPauseMs);
    resetTemperatureMap();
}

// Cells from column 7 down to 1 and, within each, row 12 down to 1; then the axis
// points; then the load curve. The progress bar runs over each phase.
void ParameterTransfer::resetMaps()
{
    const quint16 pair = MapBankPairWord(kFactoryCellByte, kFactoryCellByte);
    view_.SetProgressMaximum(kMapRows * kMapColumns);
    int done = 0;
    for (int column = kMapColumns - 1; column >= 0; --column) {
        for (int row = kMapRows - 1; row >= 0; --row) {
            WriteMapCellSequence(cmds_, quint8(row), quint8(column), kFactoryCellByte,
                                 quint8(MapBankWordOfCell(row, column)), pair);
            view_.SetProgressPosition(++done);
        }
    }
    const std::array<quint16, kMapPoints> points =
        MapPointWords(kStandardMapPoints, IgnitionType(table_), FastClock(table_));
    view_.SetProgressMaximum(kMapPoints);
    for (int i = 0; i < kMapPoints; ++i) {
        WriteMapPointSequence(cmds_, quint8(i), points[size_t(i)], kPointTailPauseMs);
        view_.SetProgressPosition(i + 1);
    }
    view_.SetProgressMaximum(kCurvePoints);
    for (int k = 0; k < kCurvePoints; ++k) {
        WriteCurvePointSequence(cmds_, quint8(k), kFactoryCurveByte);
        view_.SetProgressPosition(k + 1);
    }
}

void ParameterTransfer::resetEmission()
{
    const std::array<quint16, kEmissionWords> block =
        EmissionDefaults(FastClock(table_), IgnitionType(table_));
    for (int i = 0; i < kEmissionWords; ++i)
        WriteEmissionSequence(cmds_, quint8(i), block[size_t(i)]);
}

// The corrections first, then the temperature points.
void ParameterTransfer::resetTemperatureMap()
{
    for (size_t k = 0; k < kDefaultTempCorrections.size(); ++k)
        WriteTempCorrectionSequence(cmds_, quint8(k), kDefaultTempCorrections[k]);
    for (size_t k = 0; k < kDefaultTempBreakpoints.size(); ++k)
        WriteTempBreakpointSequence(cmds_, quint8(k), kDefaultTempBreakpoints[k]);
}

} // namespace zantrel
