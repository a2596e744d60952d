#pragma once

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace zantrel {

// Parameter words that the program, the command-line tool and the simulator name.
constexpr int kMarkerWord = 0;
constexpr int kBoostWord = 12;
constexpr int kIgnitionTypeWord = 21;
constexpr int kFlagsAWord = 22;
constexpr int kDynamicCorrectionWord = 23;
constexpr int kHeatingTimeWord = 42;
constexpr int kHeatingPulseWord = 43;
constexpr int kPetrolInjectionWord = 45;
constexpr int kFlagsBWord = 47;
constexpr int kExtraCorrectionWord = 51;
constexpr int kFallingDeltaWord = 53;
constexpr int kFlagsCWord = 54;
constexpr int kHeatingStrengthWord = 57;

// Word 0 of a programmed controller.
constexpr quint16 kProgrammedMarker = 0xAAAA;

// The words that travel as two's-complement numbers; every other word is 0..65535.
constexpr std::array<int, 5> kSignedWords{3, 5, 48, 49, 52};
constexpr bool IsSignedWord(int index)
{
    return std::find(kSignedWords.begin(), kSignedWords.end(), index) != kSignedWords.end();
}

} // namespace zantrel
