#pragma once

#include <QString>
#include <QStringList>

namespace zantrel {

enum class TabId;

// The controls of the parameter tabs as the editors see them: by objectName, with the
// few things an editor reads or sets. The window implements it over its widgets; a
// name that has no control there reads as empty and takes nothing.
class EditorScreen {
public:
    virtual ~EditorScreen() = default;

    // The text of an edit box, label or memo, or the current item of a list.
    virtual QString Text(const char* control) const = 0;
    virtual void SetText(const char* control, const QString& text) = 0;
    // The selected item of a list; -1 when none is.
    virtual int Item(const char* control) const = 0;
    // Selects item `item`; -1, or an item the list does not have, clears the selection.
    virtual void SelectItem(const char* control, int item) = 0;
    virtual void SetItems(const char* control, const QStringList& items) = 0;
    // Whether the user changed the control (an edit's text, a list's item) since the
    // program last set it or cleared the change: what the program put there is what the
    // controller holds, so only a change is written when the control is left.
    virtual bool Changed(const char* control) const = 0;
    // The control's content counts as the program's from now on (it has been written).
    virtual void ClearChanged(const char* control) = 0;
    // Whether the screen has the control at all (a feature not built yet has none).
    virtual bool Has(const char* control) const = 0;
    virtual bool Checked(const char* control) const = 0;
    virtual void SetChecked(const char* control, bool checked) = 0;
    virtual void SetEnabled(const char* control, bool enabled) = 0;
    virtual void SetShown(const char* control, bool shown) = 0;
    virtual void SetTabShown(TabId tab, bool shown) = 0;
    // The scale of a progress bar.
    virtual void SetRange(const char* control, int minimum, int maximum) = 0;
};

} // namespace zantrel
