#pragma once

#include <QtGlobal>

#include <array>
#include <bitset>
#include <optional>

namespace zantrel {

// The correction maps of the controller. Rows are the load bands (petrol injection
// time), columns the speed bands; both are counted from 0 here.
constexpr int kMapPoints = 17;
constexpr int kSpeedPoints = 6; // points 0..5: engine speeds
constexpr int kLoadPoints = 11; // points 6..16: petrol injection times
constexpr int kFirstLoadPoint = kSpeedPoints;
constexpr int kMapRows = 12;
constexpr int kMapColumns = 7;
constexpr int kMapCells = kMapRows * kMapColumns;
constexpr int kCurvePoints = 12;
// A correction travels as one byte: percent + 100.
constexpr int kPercentOffset = 100;

// The characteristic points. `words` are what the controller holds (speed periods for
// the ignition type, injection ticks for the clock); `values` what the editor shows and
// encodes the words from: whole rpm for the speed points, tenths of a millisecond for
// the load points. `known`: received by the last read, or written since.
struct MapPoints {
    std::array<quint16, kMapPoints> words{};
    std::array<int, kMapPoints> values{};
    std::bitset<kMapPoints> known;
};

// 12 load bands x 7 speed bands, one correction byte per cell, stored row by row.
struct LoadRpmMap {
    std::array<quint8, kMapCells> bytes{};
    std::bitset<kMapCells> known;

    static constexpr int Index(int row, int column) { return row * kMapColumns + column; }
    quint8 Cell(int row, int column) const { return bytes[size_t(Index(row, column))]; }
    bool Known(int row, int column) const { return known[size_t(Index(row, column))]; }
    void Set(int row, int column, quint8 byte)
    {
        bytes[size_t(Index(row, column))] = byte;
        known.set(size_t(Index(row, column)));
    }
};

// One correction byte per load band.
struct LoadCurve {
    std::array<quint8, kCurvePoints> bytes{};
    std::bitset<kCurvePoints> known;
};

// The cell the engine runs in, and the curve band of the current load.
struct LiveMapCell {
    int row = 0;
    int column = 0;
    friend bool operator==(const LiveMapCell&, const LiveMapCell&) = default;
};
struct LiveCurveSegment {
    int segment = 0;
    friend bool operator==(const LiveCurveSegment&, const LiveCurveSegment&) = default;
};

struct InjectionMaps {
    MapPoints points;
    LoadRpmMap map;
    LoadCurve curve;
    // None until a live record has been placed.
    std::optional<LiveMapCell> liveCell;
    std::optional<LiveCurveSegment> liveSegment;
};

} // namespace zantrel
