#pragma once

#include "config/EditorScreen.h"

#include <QString>
#include <QStringList>

#include <map>
#include <string>

namespace zantrel {

// The parameter tabs' controls as plain values, without widgets: the lists hold their
// items and the controls their start-up visibility, as the window builds them. What the
// editors' refresh puts there is what the window would show; nothing here is ever
// changed by a user, so no control counts as changed.
class PlainEditorScreen final : public EditorScreen {
public:
    PlainEditorScreen();

    QString Text(const char* control) const override;
    void SetText(const char* control, const QString& text) override { controls_[control].text = text; }
    int Item(const char* control) const override;
    void SelectItem(const char* control, int item) override;
    void SetItems(const char* control, const QStringList& items) override { controls_[control].items = items; }
    bool Changed(const char*) const override { return false; }
    void ClearChanged(const char*) override {}
    bool Has(const char*) const override { return true; }
    bool Checked(const char* control) const override;
    void SetChecked(const char* control, bool checked) override { controls_[control].checked = checked; }
    void SetEnabled(const char*, bool) override {}
    void SetShown(const char* control, bool shown) override { controls_[control].shown = shown; }
    void SetTabShown(TabId, bool) override {}
    void SetRange(const char*, int, int) override {}

    // Whether the control (or label) is shown on its page.
    bool Shown(const char* control) const;

private:
    struct Control {
        QString text;
        QStringList items;
        int item = -1;
        bool checked = false;
        bool shown = true;
    };
    const Control* find(const char* control) const;

    std::map<std::string, Control> controls_;
};

} // namespace zantrel
