#include "maps/MapBank.h"

#include "link/ReadSequences.h"

namespace zantrel {

int MapBankWordOfCell(int row, int column)
{
    return kFirstCellPairWord + (column * kMapRows + row) / 2;
}

quint16 MapBankPairWord(quint8 upperRowCell, quint8 lowerRowCell)
{
    return quint16((upperRowCell << 8) | lowerRowCell);
}

} // namespace zantrel
