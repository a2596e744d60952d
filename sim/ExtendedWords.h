#pragma once

#include <QtGlobal>

#include <array>

namespace zantrel::sim {

// The controller's 64 extended words: the car-data block in words 0..59 (120 bytes,
// byte 2i high in word i), the serial number in word 61, and the engine data in words
// 62 (layout, cylinder count, nozzle) and 63 (capacity, saved marker 0 or 0xFF).
constexpr int kExtendedWords = 64;
constexpr int kSerialNumberWord = 61;
constexpr int kEngineDataWord = 62;
constexpr int kCapacityWord = 63;
using ExtendedImage = std::array<quint16, kExtendedWords>;

// A controller with the car data of a finished installation.
ExtendedImage StoredCarDataImage();
// A controller whose car data were never saved: every word 0xFFFF but the serial number.
ExtendedImage ErasedCarDataImage();

} // namespace zantrel::sim
