#include "maps/MapTransfer.h"

#include "link/LinkJob.h"
#include "link/WriteSequences.h"
#include "maps/MapBands.h"
#include "maps/MapBank.h"
#include "maps/MapDefaults.h"

namespace zantrel {

namespace {

constexpr int kCellPauseMs = 10;
constexpr int kPointTailPauseMs = 30;
constexpr int kReencodeLeadPauseMs = 10;
constexpr int kReencodeTailPauseMs = 20;

// An entry as the read received it; one that did not come keeps its value.
void storeRead(InjectionMaps& maps, const MapReadout& out, MapPart part, int index, PointCoding coding)
{
    switch (part) {
    case MapPart::Points:
        if (const std::optional<quint16> word = out.points[size_t(index)]) {
            maps.points.words[size_t(index)] = *word;
            maps.points.values[size_t(index)] = PointValueOfWord(index, *word, coding);
            maps.points.known.set(size_t(index));
        }
        break;
    case MapPart::Cells:
        if (const std::optional<quint8> byte = out.cells[size_t(index % kMapRows)][size_t(index / kMapRows)])
            maps.map.Set(index % kMapRows, index / kMapRows, *byte);
        break;
    case MapPart::Curve:
        if (const std::optional<quint8> byte = out.curve[size_t(index)]) {
            maps.curve.bytes[size_t(index)] = *byte;
            maps.curve.known.set(size_t(index));
        }
        break;
    }
}

// Each entry that got no valid reply, asked for once more with its retry.
void readMissing(LinkJob& job, InjectionMaps& maps, const std::shared_ptr<MapReadout>& out, PointCoding coding,
                 const MapReadHooks& hooks)
{
    const auto again = [&](MapPart part, int index, auto read) {
        read();
        job.Then([&maps, out, coding, part, index, judged = hooks.judged] {
            storeRead(maps, *out, part, index, coding);
            if (judged)
                judged(part, index);
        });
    };
    for (int i = 0; i < kMapPoints; ++i)
        if (!out->points[size_t(i)])
            again(MapPart::Points, i, [&] {
                ReadMapPoint(job, quint8(i), std::shared_ptr<WordReadout>(out, &out->points[size_t(i)]));
            });
    for (int c = 0; c < kMapColumns; ++c)
        for (int r = 0; r < kMapRows; ++r)
            if (!out->cells[size_t(r)][size_t(c)])
                again(MapPart::Cells, c * kMapRows + r, [&] {
                    ReadMapCell(job, quint8(r), quint8(c),
                                std::shared_ptr<ByteReadout>(out, &out->cells[size_t(r)][size_t(c)]));
                });
    for (int k = 0; k < kCurvePoints; ++k)
        if (!out->curve[size_t(k)])
            again(MapPart::Curve, k, [&] {
                ReadCurvePoint(job, quint8(k), std::shared_ptr<ByteReadout>(out, &out->curve[size_t(k)]));
            });
}

int missingIn(const MapReadout& out)
{
    int missing = 0;
    for (const auto& point : out.points)
        missing += point ? 0 : 1;
    for (const auto& row : out.cells)
        for (const auto& cell : row)
            missing += cell ? 0 : 1;
    for (const auto& point : out.curve)
        missing += point ? 0 : 1;
    return missing;
}

void storePair(LinkJob& job, const InjectionMaps& maps, int row, int column)
{
    WriteMapBankWord(job, quint8(MapBankWordOfCell(row, column)), MapBankPairWord(maps.map, row, column));
}

} // namespace

void AddMapRead(LinkJob& job, InjectionMaps& maps, PointCoding coding, MapReadHooks hooks,
                std::shared_ptr<MapTransferReport> report)
{
    // As a read of all words does, the read starts from knowing nothing.
    job.Then([&maps] {
        maps.points.known.reset();
        maps.map.known.reset();
        maps.curve.known.reset();
    });
    auto out = std::make_shared<MapReadout>();
    ReadMaps(job, out,
             {hooks.begin, [&maps, out, coding, judged = hooks.judged](MapPart part, int index) {
                  storeRead(maps, *out, part, index, coding);
                  if (judged)
                      judged(part, index);
              }});
    job.Then([&maps, out, coding, hooks](LinkJob& again, const Reply&) { readMissing(again, maps, out, coding, hooks); });
    job.Then([out, report] { report->unread = missingIn(*out); });
}

void AddCellWrite(LinkJob& job, InjectionMaps& maps, int row, int column, quint8 byte,
                  std::shared_ptr<MapTransferReport> report)
{
    job.Then([&maps, row, column, byte] { maps.map.Set(row, column, byte); });
    job.Send('F', row, column, byte).Pause(kCellPauseMs);
    job.Then([&maps, row, column, report](LinkJob& now, const Reply&) {
        const int other = PairNeighbourRow(row);
        if (!maps.map.Known(other, column)) {
            auto read = std::make_shared<ByteReadout>();
            ReadMapCell(now, quint8(other), quint8(column), read);
            now.Then([&maps, other, column, read] {
                if (*read)
                    maps.map.Set(other, column, **read);
            });
        }
        now.Then([&maps, row, column, other, report](LinkJob& then, const Reply&) {
            if (maps.map.Known(other, column))
                storePair(then, maps, row, column);
            else if (report)
                ++report->pairsNotStored;
        });
    });
}

void AddPointWrite(LinkJob& job, InjectionMaps& maps, int index, int value, PointCoding coding)
{
    const quint16 word = PointWord(index, value, coding);
    job.Then([&maps, index, value, word] {
        maps.points.values[size_t(index)] = value;
        maps.points.words[size_t(index)] = word;
        maps.points.known.set(size_t(index));
    });
    WriteMapPointSequence(job, quint8(index), word, kPointTailPauseMs);
}

void AddCurvePointWrite(LinkJob& job, InjectionMaps& maps, int point, quint8 byte)
{
    job.Then([&maps, point, byte] {
        maps.curve.bytes[size_t(point)] = byte;
        maps.curve.known.set(size_t(point));
    });
    WriteCurvePointSequence(job, quint8(point), byte);
}

void AddSpeedReencode(LinkJob& job, InjectionMaps& maps, PointCoding coding)
{
    for (int i = 0; i < kSpeedPoints; ++i) {
        const quint16 word = PointWord(i, maps.points.values[size_t(i)], coding);
        if (!maps.points.known[size_t(i)] || word == maps.points.words[size_t(i)])
            continue;
        job.Then([&maps, i, word] { maps.points.words[size_t(i)] = word; });
        job.Pause(kReencodeLeadPauseMs);
        WriteMapPointSequence(job, quint8(i), word, kReencodeTailPauseMs);
    }
}

void AddFactoryMapUpload(LinkJob& job, InjectionMaps& maps, const ParameterTable& table, MapProgress progress)
{
    const quint8 cell = FactoryCellByte(CurveMax(table));
    for (int row = 0; row < kMapRows; ++row)
        for (int column = 0; column < kMapColumns; ++column)
            maps.map.Set(row, column, cell);
    const MapPointPreset& standard = StandardMapPoints();
    const PointCoding coding = PointCodingOf(table);
    for (int i = 0; i < kMapPoints; ++i) {
        const int value = i < kSpeedPoints ? standard.speedsRpm[size_t(i)]
                                           : standard.loadTenths[size_t(i - kFirstLoadPoint)];
        maps.points.values[size_t(i)] = value;
        maps.points.words[size_t(i)] = PointWord(i, value, coding);
    }
    maps.points.known.set();
    maps.curve.bytes.fill(kFactoryCurveByte);
    maps.curve.known.set();

    const auto phase = [&job, &progress](int maximum) {
        if (progress.begin)
            job.Then([begin = progress.begin, maximum] { begin(maximum); });
    };
    const auto at = [&job, &progress](int position) {
        if (progress.at)
            job.Then([at = progress.at, position] { at(position); });
    };
    phase(kMapCells);
    int done = 0;
    for (int column = kMapColumns - 1; column >= 0; --column) {
        for (int row = kMapRows - 1; row >= 0; --row) {
            AddCellWrite(job, maps, row, column, cell);
            at(++done);
        }
    }
    phase(kMapPoints);
    for (int i = 0; i < kMapPoints; ++i) {
        WriteMapPointSequence(job, quint8(i), maps.points.words[size_t(i)], kPointTailPauseMs);
        at(i + 1);
    }
    phase(kCurvePoints);
    for (int k = 0; k < kCurvePoints; ++k) {
        WriteCurvePointSequence(job, quint8(k), kFactoryCurveByte);
        at(k + 1);
    }
}

} // namespace zantrel
