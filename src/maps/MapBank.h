#pragma once

#include "image/InjectionMaps.h"

#include <QtGlobal>

namespace zantrel {

// The map bank (">" then "_") holds the axis points at words 0..16 and the load/speed
// cells in pairs from word 18: cells are numbered column by column, 12 to a column, and
// each word holds two neighbouring rows of one column, the upper row (even, counted
// from 0) in the high byte. Word 17 is never written.
constexpr int kFirstCellPairWord = 18;

// Row and column counted from 0.
int MapBankWordOfCell(int row, int column);
quint16 MapBankPairWord(quint8 upperRowCell, quint8 lowerRowCell);
// The other row of the cell's pair.
constexpr int PairNeighbourRow(int row) { return row ^ 1; }
// The word of the cell's pair as the map holds it now.
quint16 MapBankPairWord(const LoadRpmMap& map, int row, int column);

} // namespace zantrel
