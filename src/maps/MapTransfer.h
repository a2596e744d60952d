#pragma once

#include "image/InjectionMaps.h"
#include "link/ReadSequences.h"
#include "maps/MapTexts.h"

#include <functional>
#include <memory>

namespace zantrel {

class LinkJob;
class ParameterTable;

// The map transfers as steps added to a job, on an InjectionMaps that outlives the job
// (the controller image, or the command-line tool's own). Entries are stored in the
// maps as their frames go, so a job that ends early leaves the maps as far as it got.

// What a transfer could not do: entries a read did not receive (they keep their value
// and stay unknown), and pair words of the map bank not stored because the other cell of
// the pair was not known and did not answer either.
struct MapTransferReport {
    int unread = 0;
    int pairsNotStored = 0;
};

// How far a writing phase has come: its size when it begins, then each position.
struct MapProgress {
    std::function<void(int maximum)> begin;
    std::function<void(int position)> at;
};

// The read of every entry: points, cells, curve, each asked once more when rejected,
// and at the end each entry still missing asked for again (a reply can miss its
// collection on a loaded PC without any fault of the controller's). A received point is
// shown as its word decodes with `coding`. `hooks` hear of each part and of each entry
// after it has been stored.
void AddMapRead(LinkJob& job, InjectionMaps& maps, PointCoding coding, MapReadHooks hooks,
                std::shared_ptr<MapTransferReport> report);

// One cell: "F" r c byte, 10 ms, then the map-bank word of its pair as the map holds it
// when that step runs (the other cell sent again unchanged). When the other cell is not
// known it is read first ("L", once more if rejected); if it still is not, the pair word
// is not stored, so no unknown byte is written.
void AddCellWrite(LinkJob& job, InjectionMaps& maps, int row, int column, quint8 byte,
                  std::shared_ptr<MapTransferReport> report = {});

// One point as the point editor writes it: "]", 10 ms, ">", 20 ms, "_", 30 ms; the
// point keeps `value` and its word for `coding`.
void AddPointWrite(LinkJob& job, InjectionMaps& maps, int index, int value, PointCoding coding);

// One curve point: "!", 10 ms, "4", 30 ms, "7", 10 ms.
void AddCurvePointWrite(LinkJob& job, InjectionMaps& maps, int point, quint8 byte);

// After a change of the ignition type: the speed points keep their rpm and get the
// words of the new type; each known point whose word changes is written with 10 ms
// before it and 20 ms after its last frame. Adds nothing when no word changes.
void AddSpeedReencode(LinkJob& job, InjectionMaps& maps, PointCoding coding);

// The factory reset of the maps: every cell at the factory byte (columns from the last
// down to the first, rows from the last up), the "Standard" points, every curve point
// at +15 %; the maps take these values at once and all of them count as known.
void AddFactoryMapUpload(LinkJob& job, InjectionMaps& maps, const ParameterTable& table, MapProgress progress);

} // namespace zantrel
