#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace zantrel {

// The single-byte code pages of the language files, the car data and the export. Bytes
// 0x00..0x7F are ASCII in every one of them; the upper 128 come from the page's table,
// so every platform decodes the same bytes the same way.
enum class CodePageId {
    Windows1250,
    Windows1251,
    Windows1252,
    Windows1254,
    Windows1257,
    Count
};

class CodePage {
public:
    static const CodePage& Of(CodePageId id);

    int Number() const { return number_; }

    // Every byte has a character: an upper byte the page leaves unassigned stands for
    // the control character of its own value, as the platforms' decoders give it (in
    // 1257, 0xA1 and 0xA5 decode to U+FFFD there, and so here).
    QString Decode(QByteArrayView bytes) const;

    struct Encoded {
        QByteArray bytes;
        // The first character the page cannot hold; the bytes are then incomplete.
        std::optional<QString> missing;
    };
    [[nodiscard]] Encoded Encode(QStringView text) const;

    CodePage(int number, const std::array<char16_t, 128>& upper) : number_(number), upper_(upper) {}

private:
    int number_;
    const std::array<char16_t, 128>& upper_;
};

// The code page of a user-interface language (the code kept in jezyk.txt). A language
// without a page of its own uses that of Polish, the language the texts are designed in.
CodePageId CodePageOfLanguage(int languageCode);

} // namespace zantrel
