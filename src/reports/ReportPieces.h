#pragma once

#include "base/LanguageStrings.h"
#include "reports/ScreenTexts.h"

#include <QString>

#include <initializer_list>
#include <vector>

namespace zantrel {

// One piece of a report or export line: fixed text, a language string, a control's text,
// a list's chosen index in decimal, or the date and time stamp.
struct ReportPiece {
    enum class Kind { Literal, Language, Control, ItemIndex, Stamp };
    Kind kind;
    const char* text = "";
    zantrel::Text language = zantrel::Text::Count;
};

constexpr ReportPiece Lit(const char* text) { return {ReportPiece::Kind::Literal, text}; }
constexpr ReportPiece Lang(zantrel::Text text) { return {ReportPiece::Kind::Language, "", text}; }
constexpr ReportPiece Ctl(const char* name) { return {ReportPiece::Kind::Control, name}; }
constexpr ReportPiece Index(const char* name) { return {ReportPiece::Kind::ItemIndex, name}; }
constexpr ReportPiece Stamp() { return {ReportPiece::Kind::Stamp}; }

using ReportPieces = std::vector<ReportPiece>;

// What the pieces are put together from.
struct ReportSources {
    const ScreenTexts& screen;
    const LanguageStrings& texts;
    QString stamp;
};

QString JoinPieces(const ReportPieces& pieces, const ReportSources& sources);

} // namespace zantrel
