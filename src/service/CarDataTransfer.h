#pragma once

#include "image/CarDataBlock.h"
#include "service/CarDataCodec.h"

#include <QtGlobal>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace zantrel {

class EcuCommands;
class LinkJob;

// What a read of the car data brought: words 0..60 of the block, 62 and 63.
struct CarDataReadout {
    std::array<std::optional<quint16>, CarDataBlock::kReadWords> block;
    std::optional<quint16> engine;
    std::optional<quint16> capacity;
};

// "P" 0..60, then "P" 62 and "P" 63, each with its index echo checked; `step` (if set)
// is told after each of the first 61.
void ReadCarData(LinkJob& job, std::shared_ptr<CarDataReadout> out, std::function<void()> step = {});
CarDataReadout ReadCarData(EcuCommands& cmds);

// The read into the block: the answered words replace theirs and count as known; a word
// that did not answer keeps its bytes but is no longer known. Word 60 lies beyond the
// bytes. Words 62 and 63 keep their value when they did not answer.
void ApplyCarDataRead(CarDataBlock& block, const CarDataReadout& read);

// Words 62 and 63, each as the extended-word write (10 ms; "M"; 30 ms; "U"; 10 ms).
void WriteEngineData(LinkJob& job, const EngineData& data);
// The known words of the block, 0..59 in order, each 30 ms; "M" i; 30 ms; "U" i. A word
// that is not known (its spare bytes were never read) is left as the controller has it.
void WriteCarDataText(LinkJob& job, const CarDataBlock& block);

// The block as it stands once the writes above have gone out.
void TakeEngineData(CarDataBlock& block, const EngineData& data);

} // namespace zantrel
