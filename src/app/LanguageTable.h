#pragma once

#include <QString>

#include <span>

namespace zantrel {

// The thirteen user-interface languages: the code kept in jezyk.txt, the menu item and
// the language file under lang/.
struct LanguageRow {
    int code;
    const char* menuItem;
    const char* file;
    int characterSet; // the font character set number the recording buttons' hints show
    const char* qtLanguage; // the toolkit's own translations of its standard buttons
};

std::span<const LanguageRow> Languages();
// nullptr for a code no language has (13, 0, 200, ...).
const LanguageRow* LanguageForCode(int code);

} // namespace zantrel
