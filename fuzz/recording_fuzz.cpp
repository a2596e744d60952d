// Feeds arbitrary bytes to the recording reader as a whole file: the scan for the first
// and last record, then reads of records at the ends and spread between them. Sanitizers
// catch any read past the file.
#include "live/RecordingCsv.h"
#include "live/RecordingFile.h"

#include <cstdint>
#include <cstdlib>

using namespace zantrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A copy of exactly the input's size, so that any read past its end is caught.
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    const RecordingScan scan = ScanRecording(file);
    if (!scan.layout) {
        if (qint64(size) > kShortestRefusedRecording && scan.problem == RecordingProblem::TooShort)
            std::abort();
        return 0;
    }
    const RecordingLayout& layout = *scan.layout;
    // Every counted record starts inside the file, and the first within the search.
    if (layout.records < 1 || layout.firstRecord >= 1000
        || RecordLineOffset(layout.firstRecord, layout.records) >= qint64(size))
        std::abort();
    if (ReadRecord(file, layout, layout.records) || ReadRecord(file, layout, -1))
        std::abort();

    constexpr int kReads = 64;
    const int step = layout.records / kReads + 1;
    for (int i = 0; i < layout.records; i += step) {
        if (const std::optional<LiveWords> words = ReadRecord(file, layout, i))
            (void)RecordingCsvRow(i, *words, {});
    }
    (void)ReadRecord(file, layout, layout.records - 1);
    return 0;
}
