#pragma once

#include "config/EditorScreen.h"

class QWidget;

namespace zantrel {

class ShellWindow;

// The editors' screen on the main window's widgets, found by objectName among the
// window's own controls (not those of its dialogs). A name with no control there, as
// for a feature not built yet, reads as empty and takes nothing. An edit's change is
// the user's typing since the program last set its text; a list's, another item than
// the one the program last selected.
class WidgetEditorScreen final : public EditorScreen {
public:
    explicit WidgetEditorScreen(ShellWindow& window) : window_(window) {}

    QWidget* Find(const char* control) const;

    QString Text(const char* control) const override;
    void SetText(const char* control, const QString& text) override;
    int Item(const char* control) const override;
    void SelectItem(const char* control, int item) override;
    void SetItems(const char* control, const QStringList& items) override;
    bool Changed(const char* control) const override;
    void ClearChanged(const char* control) override;
    bool Has(const char* control) const override;
    bool Checked(const char* control) const override;
    void SetChecked(const char* control, bool checked) override;
    void SetEnabled(const char* control, bool enabled) override;
    void SetShown(const char* control, bool shown) override;
    void SetTabShown(TabId tab, bool shown) override;
    void SetRange(const char* control, int minimum, int maximum) override;

private:
    ShellWindow& window_;
};

} // namespace zantrel
