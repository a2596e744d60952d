// Reads arbitrary bytes as a language file in each code page and checks what the reader
// promises: ids of five digits, texts within their limit, no more lines than the input
// has, and a stop only where a line was read.
#include "base/CodePage.h"
#include "base/LanguageFile.h"

#include <cstdint>
#include <cstdlib>

using namespace zantrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype lineCount = bytes.count('\n') + 1;
    for (int p = 0; p < int(CodePageId::Count); ++p) {
        const LanguageFileContents contents = ReadLanguageFile(bytes, CodePage::Of(CodePageId(p)));
        if (qsizetype(contents.lines.size()) > lineCount)
            std::abort();
        for (const LanguageLine& line : contents.lines)
            if (line.id < 0 || line.id > 99999 || line.text.size() > kLanguageTextMax)
                std::abort();
        if (contents.stoppedAt && (*contents.stoppedAt < 1 || *contents.stoppedAt > lineCount))
            std::abort();
    }
    return 0;
}
