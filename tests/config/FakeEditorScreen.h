#pragma once

#include "base/TabTable.h"
#include "config/EditorScreen.h"

#include <map>
#include <set>
#include <string>

namespace zantrel::test {

// The editors' screen as plain values: every control named is there (unless a test
// names it absent), with no items unless a test gives it some, shown and enabled until
// told otherwise. A test that sets `text` or `item` directly stands for the user; what
// the editors set is the program's, and a control is changed while it differs from that
// or while `typed` says the user typed into it (the same text again, say).
class FakeEditorScreen final : public EditorScreen {
public:
    struct Control {
        QString text;
        int item = -1;
        QString programText;
        int programItem = -1;
        bool typed = false;
        QStringList items;
        bool checked = false;
        bool enabled = true;
        bool shown = true;
        int maximum = 0;
    };

    Control& operator[](const char* name) { return controls[name]; }

    QString Text(const char* c) const override
    {
        const auto found = controls.find(c);
        if (found == controls.end())
            return {};
        const Control& control = found->second;
        if (!control.items.isEmpty())
            return control.item >= 0 ? control.items.value(control.item) : QString();
        return control.text;
    }
    void SetText(const char* c, const QString& text) override
    {
        Control& control = controls[c];
        control.text = text;
        control.programText = text;
        control.typed = false;
    }
    int Item(const char* c) const override
    {
        const auto found = controls.find(c);
        return found == controls.end() ? -1 : found->second.item;
    }
    void SelectItem(const char* c, int item) override
    {
        Control& control = controls[c];
        control.item = item >= 0 && item < control.items.size() ? item : -1;
        control.programItem = control.item;
    }
    void SetItems(const char* c, const QStringList& items) override { controls[c].items = items; }
    bool Changed(const char* c) const override
    {
        const auto found = controls.find(c);
        if (found == controls.end())
            return false;
        const Control& control = found->second;
        return control.typed || control.text != control.programText || control.item != control.programItem;
    }
    void ClearChanged(const char* c) override
    {
        Control& control = controls[c];
        control.programText = control.text;
        control.programItem = control.item;
        control.typed = false;
    }
    bool Has(const char* c) const override { return !absent.count(c); }
    bool Checked(const char* c) const override
    {
        const auto found = controls.find(c);
        return found != controls.end() && found->second.checked;
    }
    void SetChecked(const char* c, bool checked) override { controls[c].checked = checked; }
    void SetEnabled(const char* c, bool enabled) override { controls[c].enabled = enabled; }
    void SetShown(const char* c, bool shown) override { controls[c].shown = shown; }
    void SetTabShown(TabId tab, bool shown) override
    {
        if (shown)
            hiddenTabs.erase(tab);
        else
            hiddenTabs.insert(tab);
    }
    void SetRange(const char* c, int, int maximum) override { controls[c].maximum = maximum; }

    std::map<std::string, Control> controls;
    std::set<std::string> absent;
    std::set<TabId> hiddenTabs;
};

} // namespace zantrel::test
