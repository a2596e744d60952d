// Reads arbitrary bytes as a parameter file and checks what the codec promises: a file
// shorter than 258 bytes is refused, a longer one is its first 258 bytes, those encode
// back byte for byte, and every word shows as a text in its unit, the file's or a
// controller's, whatever its value.
#include "base/LanguageStrings.h"
#include "config/ParameterFile.h"
#include "config/ParameterFileComparison.h"

#include <cstdint>
#include <cstdlib>

using namespace zantrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const LanguageStrings texts;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<ParameterFileData> file = DecodeParameterFile(bytes);
    if (size < size_t(kParameterFileSize)) {
        if (file)
            std::abort();
        return 0;
    }
    if (!file || EncodeParameterFile(*file) != bytes.first(kParameterFileSize))
        std::abort();
    InjectionMaps maps;
    StoreFileMaps(*file, maps, true);
    const ParameterTable table = FileTable(*file);
    // Against a controller of which nothing has been read: everything differs.
    const ParameterFileComparison comparison =
        CompareParameterFile(ParameterTable{}, InjectionMaps{}, *file, texts, u',');
    if (comparison.words.size() != size_t(ParameterTable::kWords) || comparison.cells != kMapCells)
        std::abort();
    for (int i = 0; i < ParameterTable::kWords; ++i)
        if (WordValueText(table, i, u'.').isEmpty())
            std::abort();
    if (ComparisonLines(comparison, texts).size() != ParameterTable::kWords + 1)
        std::abort();
    return 0;
}
