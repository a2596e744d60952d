#pragma once

#include <QStringList>
#include <QStringView>

#include <span>

namespace zantrel {

// The item texts of the combo boxes that edit parameter words and bit fields, in item
// order (item index = stored value unless the word's row says otherwise).
struct ItemList {
    const char* control;
    const char* twin; // another control that shows the same items; nullptr when none
    QStringList items;
};

std::span<const ItemList> ItemLists();
// The list of a control (or of its twin); nullptr when the control has none here.
const ItemList* FindItemList(QStringView control);

} // namespace zantrel
