#include "config/PlainEditorScreen.h"

#include "config/ParameterItemLists.h"
#include "config/ParameterTabRows.h"

namespace zantrel {

PlainEditorScreen::PlainEditorScreen()
{
    for (const std::span<const LayoutRow> rows : {ParametersTabRows(), AdvancedTabRows()})
        for (const LayoutRow& row : rows)
            if (row.kind == LayoutKind::List)
                if (const ItemList* list = FindItemList(QString::fromLatin1(row.name)))
                    controls_[row.name].items = list->items;
    // A hidden control takes its label with it.
    for (const StartState& state : StartStates()) {
        controls_[state.control].shown = state.shown;
        controls_[LabelNameOf(state.control).toStdString()].shown = state.shown;
    }
}

const PlainEditorScreen::Control* PlainEditorScreen::find(const char* control) const
{
    const auto found = controls_.find(control);
    return found == controls_.end() ? nullptr : &found->second;
}

QString PlainEditorScreen::Text(const char* control) const
{
    const Control* c = find(control);
    if (!c)
        return {};
    if (!c->items.isEmpty())
        return c->items.value(c->item);
    return c->text;
}

int PlainEditorScreen::Item(const char* control) const
{
    const Control* c = find(control);
    return c ? c->item : -1;
}

void PlainEditorScreen::SelectItem(const char* control, int item)
{
    Control& c = controls_[control];
    c.item = item >= 0 && item < c.items.size() ? item : -1;
}

bool PlainEditorScreen::Checked(const char* control) const
{
    const Control* c = find(control);
    return c && c->checked;
}

bool PlainEditorScreen::Shown(const char* control) const
{
    const Control* c = find(control);
    return !c || c->shown;
}

} // namespace zantrel
