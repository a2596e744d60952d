#include "base/BuiltInLanguage.h"

#include "base/LanguageStrings.h"
#include "base/LanguageTargets.h"

#include <QStringList>

#include <algorithm>
#include <map>

namespace zantrel {

std::vector<LanguageLine> BuiltInLanguageLines(std::span<const LanguageLine> more)
{
    std::map<int, QString> byId;
    const LanguageStrings texts;
    for (const LanguageStringId& s : LanguageStringIds())
        byId.try_emplace(s.id, texts[s.key]);
    for (const LanguageTarget& t : LanguageTargets())
        byId.try_emplace(t.id, QString::fromUtf8(t.polish));
    for (const LanguageLine& line : more)
        byId.try_emplace(line.id, line.text);
    std::vector<LanguageLine> lines;
    lines.reserve(byId.size());
    for (const auto& [id, text] : byId)
        lines.push_back({id, text});
    return lines;
}

WrittenLanguageFile WriteLanguageFile(const QString& header, const std::vector<LanguageLine>& lines,
                                      const CodePage& page)
{
    QString text;
    for (const QString& comment : header.split(u'\n'))
        text += QStringLiteral("# ") + comment + u'\n';
    for (const LanguageLine& line : lines)
        text += QStringLiteral("%1 ").arg(line.id, 5, 10, QChar(u'0')) + QString(line.text).replace(QStringLiteral("\n"), QStringLiteral("\\n")) +
                u'\n';
    CodePage::Encoded encoded = page.Encode(text);
    return {std::move(encoded.bytes), std::move(encoded.missing)};
}

} // namespace zantrel
