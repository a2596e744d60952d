#include "config/ParameterFile.h"

#include "image/ParameterWordIndex.h"
#include "image/WorkingTime.h"
#include "maps/MapTexts.h"

namespace zantrel {

namespace {

quint8 byteAt(const QByteArray& bytes, int offset)
{
    return quint8(bytes[offset]);
}

} // namespace

bool IsCounterWord(int index)
{
    return index >= kPetrolTimeHighWord && index <= kGasTimeLowWord;
}

ParameterFileData ParameterFileOf(const ParameterTable& table, const InjectionMaps& maps)
{
    ParameterFileData data;
    for (int i = 0; i < ParameterTable::kWords; ++i)
        data.words[size_t(i)] = table.word(i);
    data.points = maps.points.words;
    data.cells = maps.map.bytes;
    data.curve = maps.curve.bytes;
    return data;
}

QByteArray EncodeParameterFile(const ParameterFileData& data)
{
    QByteArray bytes(kParameterFileSize, '\0');
    for (int i = 0; i < ParameterTable::kWords; ++i) {
        bytes[kFileWordsOffset + 2 * i] = char(data.words[size_t(i)] >> 8);
        bytes[kFileWordsOffset + 2 * i + 1] = char(data.words[size_t(i)] & 0xFF);
    }
    for (int k = 0; k < kMapPoints; ++k) {
        bytes[kFilePointsOffset + 2 * k] = char(data.points[size_t(k)] & 0xFF);
        bytes[kFilePointsOffset + 2 * k + 1] = char(data.points[size_t(k)] >> 8);
    }
    for (int i = 0; i < kMapCells; ++i)
        bytes[kFileCellsOffset + i] = char(data.cells[size_t(i)]);
    for (int k = 0; k < kCurvePoints; ++k)
        bytes[kFileCurveOffset + k] = char(data.curve[size_t(k)]);
    return bytes;
}

std::optional<ParameterFileData> DecodeParameterFile(const QByteArray& bytes)
{
    if (bytes.size() < kParameterFileSize)
        return std::nullopt;
    ParameterFileData data;
    for (int i = 0; i < ParameterTable::kWords; ++i)
        data.words[size_t(i)] =
            quint16(byteAt(bytes, kFileWordsOffset + 2 * i) << 8 | byteAt(bytes, kFileWordsOffset + 2 * i + 1));
    for (int k = 0; k < kMapPoints; ++k)
        data.points[size_t(k)] =
            quint16(byteAt(bytes, kFilePointsOffset + 2 * k + 1) << 8 | byteAt(bytes, kFilePointsOffset + 2 * k));
    for (int i = 0; i < kMapCells; ++i)
        data.cells[size_t(i)] = byteAt(bytes, kFileCellsOffset + i);
    for (int k = 0; k < kCurvePoints; ++k)
        data.curve[size_t(k)] = byteAt(bytes, kFileCurveOffset + k);
    return data;
}

void StoreFileWords(const ParameterFileData& data, ParameterTable& table)
{
    for (int i = 0; i < ParameterTable::kWords; ++i)
        table[i] = ParameterTable::SlotValueOf(i, data.words[size_t(i)]);
}

ParameterTable FileTable(const ParameterFileData& data)
{
    ParameterTable table;
    StoreFileWords(data, table);
    table[ParameterTable::kShadow22] = table[kFlagsAWord];
    table[ParameterTable::kShadow47] = table[kFlagsBWord];
    return table;
}

void StoreFileMaps(const ParameterFileData& data, InjectionMaps& maps, bool known)
{
    const PointCoding coding = PointCodingOf(FileTable(data));
    maps.points.words = data.points;
    for (int k = 0; k < kMapPoints; ++k)
        maps.points.values[size_t(k)] = PointValueOfWord(k, data.points[size_t(k)], coding);
    maps.map.bytes = data.cells;
    maps.curve.bytes = data.curve;
    if (known) {
        maps.points.known.set();
        maps.map.known.set();
        maps.curve.known.set();
    } else {
        maps.points.known.reset();
        maps.map.known.reset();
        maps.curve.known.reset();
    }
}

} // namespace zantrel
