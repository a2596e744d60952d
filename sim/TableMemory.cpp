#include "sim/TableMemory.h"

#include "link/WriteSequences.h"

namespace zantrel::sim {

namespace {

template <typename Array>
auto at(const Array& a, int i) -> typename Array::value_type
{
    return i >= 0 && i < int(a.size()) ? a[size_t(i)] : 0;
}

template <typename Array, typename Value>
void put(Array& a, int i, Value v)
{
    if (i >= 0 && i < int(a.size()))
        a[size_t(i)] = v;
}

bool isCell(int row, int column)
{
    return row >= 0 && row < kMapRows && column >= 0 && column < kMapColumns;
}

} // namespace

TableMemory::TableMemory()
{
    points_ = DefaultMapPoints();
    for (auto& row : cells_)
        row.fill(kDefaultCorrectionByte);
    curve_.fill(kDefaultCorrectionByte);
    emission_ = DefaultEmissionBlock();
    tempBreakpoints_ = kDefaultTempBreakpoints;
    tempCorrections_.fill(kDefaultTempCorrection);

    for (int i = 0; i < kMapPoints; ++i)
        mapBank_.set(i, points_[size_t(i)]);
    for (int c = 0; c < kMapColumns; ++c)
        for (int r = 0; r < kMapRows; r += 2)
            mapBank_.set(MapBankWordOfCell(r, c), MapBankPair(*this, r, c));
    for (int i = 0; i < kCurvePoints; ++i)
        secondBank_.set(kSecondBankCurveBase + i, curve_[size_t(i)]);
    for (int i = 0; i < kTempBreakpoints; ++i)
        secondBank_.set(kSecondBankTempBreakpointBase + i, tempBreakpoints_[size_t(i)]);
    for (int i = 0; i < kTempCorrections; ++i)
        secondBank_.set(kSecondBankTempCorrectionBase + i, tempCorrections_[size_t(i)]);
    for (int i = 0; i < kEmissionWords; ++i)
        secondBank_.set(kSecondBankEmissionBase + i, emission_[size_t(i)]);
}

quint16 TableMemory::point(int index) const { return at(points_, index); }
void TableMemory::setPoint(int index, quint16 value) { put(points_, index, value); }

quint8 TableMemory::cell(int row, int column) const
{
    return isCell(row, column) ? cells_[size_t(row)][size_t(column)] : 0;
}

void TableMemory::setCell(int row, int column, quint8 value)
{
    if (isCell(row, column))
        cells_[size_t(row)][size_t(column)] = value;
}

quint8 TableMemory::curvePoint(int index) const { return at(curve_, index); }
void TableMemory::setCurvePoint(int index, quint8 value) { put(curve_, index, value); }
quint16 TableMemory::emission(int index) const { return at(emission_, index); }
void TableMemory::setEmission(int index, quint16 value) { put(emission_, index, value); }
quint8 TableMemory::tempBreakpoint(int index) const { return at(tempBreakpoints_, index); }
void TableMemory::setTempBreakpoint(int index, quint8 value) { put(tempBreakpoints_, index, value); }
quint8 TableMemory::tempCorrection(int index) const { return at(tempCorrections_, index); }
void TableMemory::setTempCorrection(int index, quint8 value) { put(tempCorrections_, index, value); }

int MapBankWordOfCell(int row, int column)
{
    return TableMemory::kFirstCellPairWord + (column * kMapRows + row) / 2;
}

quint16 MapBankPair(const TableMemory& tables, int row, int column)
{
    const int upper = row - row % 2;
    return quint16((tables.cell(upper, column) << 8) | tables.cell(upper + 1, column));
}

} // namespace zantrel::sim
