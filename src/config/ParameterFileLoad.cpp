#include "config/ParameterFileLoad.h"

#include "link/LinkJob.h"
#include "link/WriteSequences.h"
#include "maps/MapBank.h"

namespace zantrel {

namespace {

constexpr int kPointTailPauseMs = 30;

void beginPhase(LinkJob& job, const MapProgress& progress, int maximum)
{
    if (progress.begin)
        job.Then([begin = progress.begin, maximum] { begin(maximum); });
}

void advance(LinkJob& job, const MapProgress& progress, int position)
{
    if (progress.at)
        job.Then([at = progress.at, position] { at(position); });
}

void addPoints(LinkJob& job, const ParameterFileData& file, InjectionMaps& maps, const MapProgress* progress)
{
    for (int k = 0; k < kMapPoints; ++k) {
        WriteMapPointSequence(job, quint8(k), file.points[size_t(k)], kPointTailPauseMs);
        job.Then([&maps, k] { maps.points.known.set(size_t(k)); });
        if (progress)
            advance(job, *progress, k);
    }
}

void addCurve(LinkJob& job, const ParameterFileData& file, InjectionMaps& maps, const MapProgress& progress)
{
    beginPhase(job, progress, kCurvePoints - 1);
    for (int k = 0; k < kCurvePoints; ++k) {
        advance(job, progress, k);
        WriteCurvePointSequence(job, quint8(k), file.curve[size_t(k)]);
        job.Then([&maps, k] { maps.curve.known.set(size_t(k)); });
    }
}

// The pair word goes out as the file has both its cells.
void addCells(LinkJob& job, const ParameterFileData& file, InjectionMaps& maps, const MapProgress& progress)
{
    beginPhase(job, progress, kMapCells);
    int position = 0;
    for (int c = kMapColumns - 1; c >= 0; --c) {
        for (int r = kMapRows - 1; r >= 0; --r) {
            const int upper = r & ~1;
            const quint16 pair = MapBankPairWord(file.cells[size_t(LoadRpmMap::Index(upper, c))],
                                                 file.cells[size_t(LoadRpmMap::Index(upper + 1, c))]);
            WriteMapCellSequence(job, quint8(r), quint8(c), file.cells[size_t(LoadRpmMap::Index(r, c))],
                                 quint8(MapBankWordOfCell(r, c)), pair);
            job.Then([&maps, r, c] { maps.map.known.set(size_t(LoadRpmMap::Index(r, c))); });
            advance(job, progress, ++position);
        }
    }
}

} // namespace

void AddParameterFileLoad(LinkJob& job, const ParameterFileData& file, ParameterTable& table, InjectionMaps& maps,
                          MapProgress progress)
{
    ParameterFileData loaded = file;
    for (int i = 0; i < ParameterTable::kWords; ++i)
        if (IsCounterWord(i) && table.Known(i))
            loaded.words[size_t(i)] = table.word(i);
    StoreFileWords(loaded, table);
    table.ForgetKnown();
    StoreFileMaps(file, maps, false);

    addPoints(job, file, maps, nullptr);
    addCurve(job, file, maps, progress);
    addCells(job, file, maps, progress);
    beginPhase(job, progress, kMapPoints - 1);
    addPoints(job, file, maps, &progress);
    beginPhase(job, progress, ParameterTable::kWords - 1);
    auto written = std::make_shared<int>(0);
    WriteAllParameters(job, table.values(), [at = progress.at, written] {
        if (at)
            at(++*written);
    });
    job.Then([&table] {
        table[kMarkerWord] = kProgrammedMarker;
        table.MarkAllKnown();
    });
}

} // namespace zantrel
