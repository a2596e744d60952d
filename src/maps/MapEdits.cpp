#include "maps/MapEdits.h"

#include "maps/MapTexts.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace zantrel {

namespace {

int heldCell(int percent) { return std::clamp(percent, kMinCellPercent, kMaxCellPercent); }

// An entry's change, when its byte is another than the one it holds.
void change(ByteChanges& out, int index, quint8 now, int percent)
{
    const quint8 byte = ByteOfPercent(percent);
    if (byte != now)
        out.push_back({index, byte});
}

void changeCell(ByteChanges& out, const LoadRpmMap& map, int row, int column, int percent)
{
    change(out, LoadRpmMap::Index(row, column), map.Cell(row, column), percent);
}

bool inMap(int row, int column) { return row >= 0 && row < kMapRows && column >= 0 && column < kMapColumns; }

// Every cell of the range in the order of the step buttons.
template <typename Visit>
void backwards(CellRange range, Visit visit)
{
    for (int column = range.right; column >= range.left; --column)
        for (int row = range.bottom; row >= range.top; --row)
            visit(row, column);
}

std::optional<int> percentOf(QString entry)
{
    entry = entry.trimmed();
    if (entry.endsWith(QLatin1Char('%')))
        entry.chop(1);
    entry = entry.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    if (entry.isEmpty() || entry.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return std::nullopt;
    bool ok = false;
    const double value = entry.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return int(std::trunc(std::clamp(value, -1e6, 1e6)));
}

} // namespace

ByteChanges StepCells(const LoadRpmMap& map, CellRange range, int step)
{
    ByteChanges out;
    backwards(range, [&](int row, int column) {
        if (!map.Known(row, column))
            return;
        const int v = PercentOf(map.Cell(row, column)) + step;
        changeCell(out, map, row, column, step > 0 ? std::min(v, kMaxCellPercent) : std::max(v, kMinCellPercent));
    });
    return out;
}

ByteChanges SetCells(const LoadRpmMap& map, CellRange range, int percent)
{
    ByteChanges out;
    backwards(range, [&](int row, int column) {
        const quint8 byte = ByteOfPercent(heldCell(percent));
        if (!map.Known(row, column) || byte != map.Cell(row, column))
            out.push_back({LoadRpmMap::Index(row, column), byte});
    });
    return out;
}

ByteChanges GradientCells(const LoadRpmMap& map, CellRange range, int amount)
{
    ByteChanges out;
    const auto add = [&](int row, int column, int d) {
        if (inMap(row, column) && map.Known(row, column))
            changeCell(out, map, row, column, heldCell(PercentOf(map.Cell(row, column)) + d));
    };
    int d = heldCell(amount);
    for (int column = range.left; column <= range.right; ++column)
        for (int row = range.top; row <= range.bottom; ++row)
            add(row, column, d);
    d /= 2;
    for (int n = 1; d != 0; ++n, d /= 2) {
        for (int column = range.left - n; column <= range.right + n; ++column) {
            add(range.top - n, column, d);
            add(range.bottom + n, column, d);
        }
        for (int row = range.top - n + 1; row <= range.bottom + n - 1; ++row) {
            add(row, range.left - n, d);
            add(row, range.right + n, d);
        }
    }
    return out;
}

std::variant<PercentBlock, BlockError> ParsePercentBlock(const QString& text)
{
    QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return BlockError{BlockError::Kind::Empty, 0, 0, {}};
    PercentBlock block;
    for (int r = 0; r < lines.size(); ++r) {
        const QStringList entries = lines[r].split(QLatin1Char('\t'));
        std::vector<int> row;
        for (int c = 0; c < entries.size(); ++c) {
            const std::optional<int> percent = percentOf(entries[c]);
            if (!percent)
                return BlockError{BlockError::Kind::NotANumber, r + 1, c + 1, entries[c]};
            row.push_back(*percent);
        }
        if (!block.rows.empty() && row.size() != block.rows.front().size())
            return BlockError{BlockError::Kind::Ragged, r + 1, 0, {}};
        block.rows.push_back(std::move(row));
    }
    return block;
}

std::variant<ByteChanges, BlockError> PasteCells(const LoadRpmMap& map, int row, int column,
                                                 const PercentBlock& block)
{
    const int rows = int(block.rows.size());
    const int columns = rows ? int(block.rows.front().size()) : 0;
    if (rows == 0 || columns == 0)
        return BlockError{BlockError::Kind::Empty, 0, 0, {}};
    if (!inMap(row, column) || row + rows > kMapRows || column + columns > kMapColumns)
        return BlockError{BlockError::Kind::TooLarge, rows, columns, {}};
    ByteChanges out;
    backwards({row, column, row + rows - 1, column + columns - 1}, [&](int r, int c) {
        const quint8 byte = ByteOfPercent(heldCell(block.rows[size_t(r - row)][size_t(c - column)]));
        if (!map.Known(r, c) || byte != map.Cell(r, c))
            out.push_back({LoadRpmMap::Index(r, c), byte});
    });
    return out;
}

QString CopyCells(const LoadRpmMap& map, CellRange range)
{
    QString text;
    for (int row = range.top; row <= range.bottom; ++row) {
        QStringList entries;
        for (int column = range.left; column <= range.right; ++column)
            entries << CellText(map.Cell(row, column));
        text += entries.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

ByteChanges StepCurvePoints(const LoadCurve& curve, int first, int last, int step, int curveMax)
{
    ByteChanges out;
    for (int k = first; k <= last; ++k) {
        if (curve.known[size_t(k)])
            change(out, k, curve.bytes[size_t(k)],
                   std::clamp(PercentOf(curve.bytes[size_t(k)]) + step, kMinCurvePercent, curveMax));
    }
    return out;
}

ByteChanges SetCurvePoints(const LoadCurve& curve, int first, int last, int percent, int curveMax)
{
    ByteChanges out;
    const quint8 byte = ByteOfPercent(std::clamp(percent, kMinCurvePercent, curveMax));
    for (int k = first; k <= last; ++k)
        if (!curve.known[size_t(k)] || byte != curve.bytes[size_t(k)])
            out.push_back({k, byte});
    return out;
}

} // namespace zantrel
