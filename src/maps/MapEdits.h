#pragma once

#include "image/InjectionMaps.h"

#include <QString>
#include <QtGlobal>

#include <variant>
#include <vector>

namespace zantrel {

// A rectangle of the grid's cells, rows and columns counted from 0, both ends included.
struct CellRange {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};

// An entry's new byte: a cell by its place in the map (row * 7 + column) or a curve
// point by its index. Edits list only the entries whose byte changes, in the order they
// are written.
struct ByteChange {
    int index = 0;
    quint8 byte = 0;
    friend bool operator==(const ByteChange&, const ByteChange&) = default;
};
using ByteChanges = std::vector<ByteChange>;

// The step buttons: every selected cell that is known, s added, columns from right to
// left and rows from bottom to top; a rising step stops at +150 %, a falling one at -50 %.
ByteChanges StepCells(const LoadRpmMap& map, CellRange range, int step);
// One value for every selected cell, held to -50..+150 %, in the order of the steps. A
// value set by hand is known from then on, whether its cell was or not.
ByteChanges SetCells(const LoadRpmMap& map, CellRange range, int percent);
// The gradient: the selection gets `amount` (held to -50..+150), the ring around it half
// of it (toward zero), the next ring half of that, and so on while it is not 0; only
// cells inside the map that are known, each held to -50..+150 %. The selection column by
// column from the left, top to bottom; then each ring: its top and bottom rows from the
// left, then its left and right columns from the top.
ByteChanges GradientCells(const LoadRpmMap& map, CellRange range, int amount);

// A block of percentages as a spreadsheet copies it: rows of tab-separated numbers.
struct PercentBlock {
    std::vector<std::vector<int>> rows;
};
// Why a block was refused: the first entry that is no number (its row and column from
// 1, and its text), a row of another length than the first (its row), nothing at all,
// or a block that does not fit the map at the corner it was pasted at (its rows and
// columns).
struct BlockError {
    enum class Kind { Empty, NotANumber, Ragged, TooLarge } kind;
    int row = 0;
    int column = 0;
    QString text;
};

// Lines end with "\n" or "\r\n"; a last empty line is no row. An entry is a number with
// an optional sign, a decimal part with "." or "," (cut toward zero) and a "%" after it.
std::variant<PercentBlock, BlockError> ParsePercentBlock(const QString& text);
// The block at (row, column), each value held to -50..+150 %; refused when it would
// reach beyond the map.
std::variant<ByteChanges, BlockError> PasteCells(const LoadRpmMap& map, int row, int column,
                                                 const PercentBlock& block);
// The selection as such a block, with the cell texts ("+15"), each row ending in "\n".
QString CopyCells(const LoadRpmMap& map, CellRange range);

// The curve strip: every selected point (first..last) stepped or set, held to
// -25..curveMax; stepping skips points that are not known.
ByteChanges StepCurvePoints(const LoadCurve& curve, int first, int last, int step, int curveMax);
ByteChanges SetCurvePoints(const LoadCurve& curve, int first, int last, int percent, int curveMax);

} // namespace zantrel
