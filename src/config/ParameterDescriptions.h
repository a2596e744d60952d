#pragma once

#include <QString>
#include <QStringView>

#include "base/LanguageFile.h"

#include <optional>
#include <span>
#include <vector>

namespace zantrel {

class LanguageStrings;

// The two tabs of parameter editors, each with its description memo.
enum class EditorTab { Parameters, Advanced };

// The memo of a tab: "MemoOpisParametru" or "MemoOpisZaawansowanych".
const char* DescriptionMemo(EditorTab tab);

// The description of a parameter control, shown in its tab's memo when the control is
// entered. Twins take the text of their main control.
struct ParameterDescription {
    int id; // its language-file id
    const char* control;
    EditorTab tab;
    const char* text;
};

std::span<const ParameterDescription> ParameterDescriptions();
// The text shown: a language file's replacement, or the designed Polish one.
QString DescriptionText(const ParameterDescription& description, const LanguageStrings& texts);
// The designed texts under their ids, for the language-file template.
std::vector<LanguageLine> ParameterHelpLines();
// The description of a control or its twin; empty for a control without one.
std::optional<ParameterDescription> DescriptionOf(QStringView control);

} // namespace zantrel
