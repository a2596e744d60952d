#include "base/NamedCaption.h"

namespace zantrel {

QString CaptionNamed(std::span<const NamedCaption> rows, QStringView name)
{
    for (const NamedCaption& row : rows)
        if (name == QLatin1String(row.name))
            return QString::fromUtf8(row.caption);
    return {};
}

} // namespace zantrel
