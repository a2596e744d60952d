#pragma once

#include <QtGlobal>

namespace zantrel {

// The map bank (">" then "_") holds the axis points at words 0..16 and the load/speed
// cells in pairs from word 18: cells are numbered column by column, 12 to a column, and
// each word holds two neighbouring rows of one column, the upper row (even,
// counted from 0) in the high byte.
constexpr int kFirstCellPairWord = 18;

// Row and column counted from 0.
int MapBankWordOfCell(int row, int column);
quint16 MapBankPairWord(quint8 upperRowCell, quint8 lowerRowCell);

} // namespace zantrel
