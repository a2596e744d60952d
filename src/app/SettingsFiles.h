#pragma once

#include "layout/ScreenLayouts.h"

#include <QString>

#include <optional>

namespace zantrel {

// The two one-byte files in the start directory: "jezyk.txt" holds the language code and
// "rozdz.txt" the screen layout, each as a raw byte value (not a digit).

constexpr int kPolishLanguageCode = 1;

// The first byte of jezyk.txt. A file that cannot be opened for reading and writing
// gives Polish; an empty file gives nothing (no language is chosen).
std::optional<int> LoadLanguageCode(const QString& directory);
bool SaveLanguageCode(const QString& directory, int code);

// The first byte of rozdz.txt; a missing or unusable file counts as 0, an empty one
// gives nothing.
std::optional<int> LoadResolutionByte(const QString& directory);
// The layout the stored byte chooses, given which items the screen allows; nothing for a
// value outside 0..2 (the design-time layout stays).
std::optional<Resolution> ChooseResolution(std::optional<int> stored, bool allow1024, bool allow1280);
bool SaveResolution(const QString& directory, Resolution r);

// Which resolution items a screen of this width allows.
constexpr bool Allows1024(int screenWidth) { return screenWidth >= 1024; }
constexpr bool Allows1280(int screenWidth) { return screenWidth >= 1280; }

} // namespace zantrel
