#pragma once

#include "base/NamedCaption.h"

#include <array>
#include <span>

namespace zantrel {

class LinkJob;
class ParameterTable;

// The extra idle correction of the selected injectors: the time of word 52 (signed,
// held to -4..4 ms) and the injectors of word 51 (bit i = injector i + 1).
constexpr int kExtraCorrectionInjectors = 8;
using InjectorSelection = std::array<bool, kExtraCorrectionInjectors>;

// Stores both into the table, word 51 through its shadow; false (nothing stored) for a
// value that is no number.
bool StoreExtraCorrection(ParameterTable& table, double ms, const InjectorSelection& injectors);
InjectorSelection ExtraCorrectionInjectors(const ParameterTable& table);

// The label of the correction's time in the dialog "Korekta na wtryskiwacz".
std::span<const NamedCaption> ExtraCorrectionLabels();

// Word 52, then word 51, each as an editor's write with its 10 ms before it; then 10 ms.
void WriteExtraCorrection(LinkJob& job, const ParameterTable& table);

} // namespace zantrel
