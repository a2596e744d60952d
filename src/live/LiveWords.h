#pragma once

#include "link/ReplyShapes.h"

#include <QtGlobal>

#include <array>
#include <span>

namespace zantrel {

// The 32 words of the live record by their index in the record. On the wire they come
// in reverse order: wire word k (reply bytes 1 + 2k high, 2 + 2k low) is index 31 - k.
constexpr int kLiveWords = 32;
using LiveWords = std::array<quint16, kLiveWords>;

namespace live {
constexpr int kPetrolAverage = 12;
constexpr int kSpeedPeriod = 13;
constexpr int kReducerTemperature = 14;
constexpr int kGasTemperature = 15;
constexpr int kFuelState = 16; // 1: on gas
constexpr int kLevel = 17;
constexpr int kPressure = 18;
constexpr int kLambda2 = 19;
constexpr int kLambda1 = 20;
constexpr int kErrors = 22;
constexpr int kStoredErrors = 27;
constexpr int kInjectorMask = 28;
constexpr int kFaultyInjectors = 31;

constexpr int kCylinders = 8;
// Cylinders 1..6 are contiguous; 7 and 8 were added behind the error word.
constexpr std::array<int, kCylinders> kPetrolTime{0, 1, 2, 3, 4, 5, 23, 24};
constexpr std::array<int, kCylinders> kGasTime{6, 7, 8, 9, 10, 11, 25, 26};
} // namespace live

// The words of a 67-byte live reply (shape and checksum are judged elsewhere).
LiveWords DecodeLiveWords(std::span<const quint8> reply);

// The one judgement of a live reply, for the live poll, the command-line tool and the
// adaptation: a record only from a complete reply of the right shape and checksum.
enum class LiveVerdict { Record, BadChecksum, Unusable };
struct LiveJudgement {
    LiveVerdict verdict = LiveVerdict::Unusable;
    LiveWords words{}; // the record's words when the verdict is Record
};
LiveJudgement JudgeLiveReply(const Reply& reply);
// The 67-byte reply that carries these words: "V", the words, the checksum, ";".
std::array<quint8, kLiveReplyLength> EncodeLiveReply(const LiveWords& words);

} // namespace zantrel
