#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace zantrel {

// The two tabs of parameter editors, each with its description memo.
enum class EditorTab { Parameters, Advanced };

// The memo of a tab: "MemoOpisParametru" or "MemoOpisZaawansowanych".
const char* DescriptionMemo(EditorTab tab);
// What both memos hold until a control is entered.
QString DescriptionMemoPrompt();

// The description of a parameter control, shown in its tab's memo when the control is
// entered. Twins take the text of their main control.
struct ParameterDescription {
    const char* control;
    EditorTab tab;
    const char* text;
};

std::span<const ParameterDescription> ParameterDescriptions();
// The description of a control or its twin; empty for a control without one.
std::optional<ParameterDescription> DescriptionOf(QStringView control);

} // namespace zantrel
