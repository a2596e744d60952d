#include "maps/MapBank.h"

namespace zantrel {

int MapBankWordOfCell(int row, int column)
{
    return kFirstCellPairWord + (column * kMapRows + row) / 2;
}

quint16 MapBankPairWord(quint8 upperRowCell, quint8 lowerRowCell)
{
    return quint16((upperRowCell << 8) | lowerRowCell);
}

quint16 MapBankPairWord(const LoadRpmMap& map, int row, int column)
{
    const int upper = row & ~1;
    return MapBankPairWord(map.Cell(upper, column), map.Cell(upper + 1, column));
}

} // namespace zantrel
