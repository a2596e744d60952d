#include "service/CarDataTransfer.h"

#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "link/WriteSequences.h"

namespace zantrel {

namespace {

template <typename T>
std::shared_ptr<std::optional<T>> slotOf(const std::shared_ptr<CarDataReadout>& owner, std::optional<T>& element)
{
    return std::shared_ptr<std::optional<T>>(owner, &element);
}

} // namespace

void ReadCarData(LinkJob& job, std::shared_ptr<CarDataReadout> out, std::function<void()> step)
{
    for (int i = 0; i < CarDataBlock::kReadWords; ++i) {
        ReadExtendedWord(job, quint8(i), slotOf(out, out->block[size_t(i)]));
        if (step)
            job.Then(step);
    }
    ReadExtendedWord(job, CarDataBlock::kEngineWord, slotOf(out, out->engine));
    ReadExtendedWord(job, CarDataBlock::kCapacityWord, slotOf(out, out->capacity));
}

CarDataReadout ReadCarData(EcuCommands& cmds)
{
    auto out = std::make_shared<CarDataReadout>();
    LinkJob job;
    ReadCarData(job, out);
    RunJob(cmds.link(), std::move(job));
    return *out;
}

void ApplyCarDataRead(CarDataBlock& block, const CarDataReadout& read)
{
    block.known.reset();
    for (int i = 0; i < CarDataBlock::kWrittenWords; ++i) {
        if (const std::optional<quint16> word = read.block[size_t(i)]) {
            block.SetWord(i, *word);
            block.known.set(size_t(i));
        }
    }
    if (read.engine)
        block.engine = read.engine;
    if (read.capacity)
        block.capacity = read.capacity;
}

void WriteEngineData(LinkJob& job, const EngineData& data)
{
    WriteExtendedWord(job, CarDataBlock::kEngineWord, EngineWord(data));
    WriteExtendedWord(job, CarDataBlock::kCapacityWord, CapacityWord(data));
}

void WriteCarDataText(LinkJob& job, const CarDataBlock& block)
{
    for (int i = 0; i < CarDataBlock::kWrittenWords; ++i)
        if (block.known.test(size_t(i)))
            WriteCarDataWord(job, quint8(i), block.Word(i));
}

void TakeEngineData(CarDataBlock& block, const EngineData& data)
{
    block.engine = EngineWord(data);
    block.capacity = CapacityWord(data);
}

} // namespace zantrel
