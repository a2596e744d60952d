#pragma once

#include "base/EntryFilters.h"
#include "config/ParameterEntry.h"

#include <QString>

#include <optional>

class QLineEdit;

namespace zantrel {

class LanguageStrings;
class Prompter;

// The typed keys of an edit pass the filter of its entry kind, as on the parameter tabs.
void InstallEntryFilter(QLineEdit& edit, EntryKind kind, const Separators& separators);

// The number a field holds; a text that is none is reported to the user (and nothing is
// to be sent).
std::optional<double> NumberOrMessage(const QString& text, EntryKind kind, QChar decimalSeparator, Prompter& prompter,
                                      const LanguageStrings& texts);

} // namespace zantrel
