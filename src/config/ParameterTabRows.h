#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace zantrel {

// The rows the tabs "Parametry [F4]" and "Zaawansowane[F5]" are built from, in focus
// order: each parameter control with its label and unit, the groups around them and the
// buttons beside them. The window lays them out; the command line reads the captions.
enum class LayoutKind {
    Column,  // a new column of groups on the current page
    Group,   // a group box: objectName, title
    Edit,    // an edit with its label and unit
    List,    // a list with its label
    Check,   // a check box with its caption
    Button,  // a button on a row of its own
    Beside,  // a button beside the control of the row before
    Memo,    // the description memo, below the columns
    Partner, // the hidden panel of the partner edition's twins
};

// `text` is the label (nullptr: the label of the index table) or the caption.
struct LayoutRow {
    LayoutKind kind;
    const char* name;
    const char* text = nullptr;
    const char* unit = "";
};

// What this edition hides or disables at start-up; a hidden control takes its label and
// unit with it.
struct StartState {
    const char* control;
    bool shown;
    bool enabled;
};

std::span<const LayoutRow> ParametersTabRows();
std::span<const LayoutRow> AdvancedTabRows();
std::span<const StartState> StartStates();

// The objectName of a control's label: "Label" and the control's name without its kind,
// unless the control's label is named otherwise.
QString LabelNameOf(const char* control);
// The caption of an edit's or list's label.
QString LabelTextOf(const LayoutRow& row);
// The caption of the label named `labelName` on either tab; empty when none is.
QString LabelCaption(QStringView labelName);

} // namespace zantrel
