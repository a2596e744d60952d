#pragma once

#include <QChar>

#include <functional>
#include <optional>

class QLineEdit;

namespace zantrel {

// Passes every character typed into `edit` through `filter` (one of the key-press
// filters of EntryFilters): a character it turns into another is inserted as that one,
// one it swallows is dropped.
void FilterTypedKeys(QLineEdit& edit, std::function<std::optional<QChar>(QChar)> filter);

} // namespace zantrel
