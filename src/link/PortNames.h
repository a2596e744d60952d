#pragma once

#include <QString>

#include <optional>

namespace zantrel {

// Port slots 0..6 are "COM1".."COM7"; slot 7 is the user's last port.
constexpr int kPortSlots = 8;
constexpr int kLastPortSlot = 7;
constexpr int kMaxComNumber = 256;

QString PortSlotName(int slot, const QString& lastPortName);

// The number typed into the port chooser, when its track bar can show it (1..256).
std::optional<int> ChooserPortNumber(const QString& text);

// The last port as the port chooser and the stored number give it: "\\.\COM" + n.
QString LastPortNameForNumber(int comNumber);
// The COM number inside "COMn" or "\\.\COMn"; 0 when the name is a device path.
int ComNumberOf(const QString& portName);

// The caption of the last-port menu item: "COM" + n, or the device path itself.
QString PortItemCaption(const QString& lastPortName);

// The device that the serial API opens for a port name. On Windows names are used as
// they stand. Elsewhere "COMn" and "\\.\COMn" map to /dev/ttyS(n-1), and any other name
// is taken as a device path (a USB adapter, a pseudo-terminal).
QString DeviceForPortName(const QString& portName);

} // namespace zantrel
