#pragma once

#include "image/InjectionMaps.h"
#include "image/ParameterTable.h"

#include <QByteArray>

#include <array>
#include <optional>

namespace zantrel {

// The parameter file (".qevp"): 258 bytes, no header and no checksum. The 64 words high
// byte first, the 17 map points low byte first, the 84 map cells row by row (the cell of
// speed column c and load row r at 162 + c + 7r) and the 12 curve bytes.
constexpr int kParameterFileSize = 258;
constexpr int kFileWordsOffset = 0;
constexpr int kFilePointsOffset = 128;
constexpr int kFileCellsOffset = 162;
constexpr int kFileCurveOffset = 246;
inline constexpr char kParameterFileExtension[] = "qevp";
inline constexpr char kParameterFolder[] = "parametry";

struct ParameterFileData {
    std::array<quint16, ParameterTable::kWords> words{};
    std::array<quint16, kMapPoints> points{};
    // In the order of LoadRpmMap::Index (row by row), which is the file's order.
    std::array<quint8, kMapCells> cells{};
    std::array<quint8, kCurvePoints> curve{};

    friend bool operator==(const ParameterFileData&, const ParameterFileData&) = default;
};

// The working-time counters (words 35..38) are the controller's own count, not part of
// a configuration: a load keeps the controller's where the program has read them.
[[nodiscard]] bool IsCounterWord(int index);

// The words as the table holds them (the shadow slots are not stored) and the maps'
// bytes as they stand.
[[nodiscard]] ParameterFileData ParameterFileOf(const ParameterTable& table, const InjectionMaps& maps);
[[nodiscard]] QByteArray EncodeParameterFile(const ParameterFileData& data);
// Empty for fewer than 258 bytes: nothing of a short file is taken. Bytes beyond 258
// are ignored.
[[nodiscard]] std::optional<ParameterFileData> DecodeParameterFile(const QByteArray& bytes);

// The file's words into the table: the signed words sign-extended, the others 0..65535.
// The shadow slots are left alone.
void StoreFileWords(const ParameterFileData& data, ParameterTable& table);
// A table that holds the file's words and the shadows of words 22 and 47 copied from
// them, so that the units of the file (its clock, its ignition type) are read from it.
[[nodiscard]] ParameterTable FileTable(const ParameterFileData& data);
// The file's map entries into the maps, the points shown in the editor's values for
// the file's own ignition type and clock. `known` says whether they count as known.
void StoreFileMaps(const ParameterFileData& data, InjectionMaps& maps, bool known);

} // namespace zantrel
