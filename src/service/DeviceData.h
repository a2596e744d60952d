#pragma once

#include "base/NamedCaption.h"
#include "link/ReadSequences.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <optional>

namespace zantrel {

struct ControllerIdentity;
class LinkJob;

// The read-only fields of "Dane Sterownika" on the factory tab.
struct DeviceTexts {
    QString device;    // "d." and the variant, (hardware byte & 0x0F) + 1
    QString software;  // "S." and the software byte
    QString cylinders; // "3-4cyl." for a range, the count alone from 8 on
    bool operator==(const DeviceTexts&) const = default;
};
DeviceTexts DeviceTextsOf(const ControllerIdentity& identity);
// The labels of the device, software, cylinder and serial fields, in that order.
std::span<const NamedCaption> DeviceDataLabels();

// The controller's serial number: extended word 61.
constexpr quint8 kSerialNumberWord = 61;

// The number typed into the serial field: a whole decimal number, of which the low 16
// bits travel (70000 is written as 4464). Empty for any other text.
std::optional<quint16> SerialNumberEntry(const QString& text);

// The serial number write (10 ms; "M" 61; 30 ms; "U" 61 hi lo; 10 ms) and its read
// ("P" 61, index echo checked).
void WriteSerialNumber(LinkJob& job, quint16 serial);
void ReadSerialNumber(LinkJob& job, std::shared_ptr<WordReadout> out);

} // namespace zantrel
