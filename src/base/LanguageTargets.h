#pragma once

#include <span>

namespace zantrel {

// What of a control a language line replaces.
enum class TargetKind {
    Caption,   // a label's, button's, check box's, group's, menu's or menu item's text, a tab's
               // caption, a dialog's title
    Hint,      // the tool tip
    Item,      // item `item` of a list, replaced in place
    GaugeName, // the caption painted on a round gauge
    OnText,    // the caption a fuel toggle shows while on
};

// A control whose text a language file may replace. `target` is the control's objectName;
// a control of a dialog is written "TForm5.Label1", the dialog's own name first. `polish`
// is the text the control is designed with.
struct LanguageTarget {
    int id;
    const char* target;
    TargetKind kind;
    int item = -1;
    const char* polish = "";
};

// In the order of their ids; the message texts kept as language strings have their own
// table (LanguageStrings).
std::span<const LanguageTarget> LanguageTargets();

} // namespace zantrel
