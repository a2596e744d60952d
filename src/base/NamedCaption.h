#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace zantrel {

// A control's designed caption by its objectName: the rows a window builds its labels
// from, which the command line's report reads as well.
struct NamedCaption {
    const char* name;
    const char* caption;
};

// The caption of `name` in `rows`; empty when no row has it.
QString CaptionNamed(std::span<const NamedCaption> rows, QStringView name);

} // namespace zantrel
