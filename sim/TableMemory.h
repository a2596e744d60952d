#pragma once

#include "sim/DefaultTables.h"
#include "sim/StagedBank.h"

#include <QtGlobal>

#include <array>

namespace zantrel::sim {

// The controller's correction tables as the direct read and write commands address
// them (axis points, map cells, load curve, emission block, temperature table), and the
// two word banks that every direct write is followed by: the map bank (points at 0..16,
// cell pairs at 18..59) and the second bank (curve 0..11, temperature points 16..20,
// temperature enrichments 21..26, emission block 27..38). Reads answer from the direct
// tables; the banks are kept for what they were sent. Entries outside a table read 0
// and writes to them are dropped.
class TableMemory {
public:
    static constexpr int kBankWords = 64;
    static constexpr int kFirstCellPairWord = 18;

    TableMemory(); // the factory tables, both banks in step with them

    quint16 point(int index) const;
    void setPoint(int index, quint16 value);
    quint8 cell(int row, int column) const;
    void setCell(int row, int column, quint8 value);
    quint8 curvePoint(int index) const;
    void setCurvePoint(int index, quint8 value);
    quint16 emission(int index) const;
    void setEmission(int index, quint16 value);
    quint8 tempBreakpoint(int index) const;
    void setTempBreakpoint(int index, quint8 value);
    quint8 tempCorrection(int index) const;
    void setTempCorrection(int index, quint8 value);

    StagedBank& mapBank() { return mapBank_; }
    const StagedBank& mapBank() const { return mapBank_; }
    StagedBank& secondBank() { return secondBank_; }
    const StagedBank& secondBank() const { return secondBank_; }

private:
    std::array<quint16, kMapPoints> points_{};
    std::array<std::array<quint8, kMapColumns>, kMapRows> cells_{};
    std::array<quint8, kCurvePoints> curve_{};
    std::array<quint16, kEmissionWords> emission_{};
    std::array<quint8, kTempBreakpoints> tempBreakpoints_{};
    std::array<quint8, kTempCorrections> tempCorrections_{};
    StagedBank mapBank_{kBankWords};
    StagedBank secondBank_{kBankWords};
};

// The map-bank word that holds cell (row, column), both counted from 0: cells are
// numbered column by column, 12 to a column, and each word holds two of them.
int MapBankWordOfCell(int row, int column);
// The content of that word: the cell of the upper row of the pair in the high byte, the
// one below it in the low byte.
quint16 MapBankPair(const TableMemory& tables, int row, int column);

} // namespace zantrel::sim
