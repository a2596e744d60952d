#pragma once

#include <QString>
#include <QtGlobal>

namespace zantrel {

// The hardware and software bytes of the last valid identify reply.
struct ControllerIdentity {
    quint8 HardwareByte = 0;
    quint8 SoftwareByte = 0;

    // Bits 0..3: the device variant minus one.
    int variant() const { return (HardwareByte & 0x0F) + 1; }
    // Bits 4..7: with bit 7 set, the cylinder count itself (8..15); otherwise the
    // controller serves (n - 1) to n cylinders, shown as "3-4".
    QString cylinders() const;
};

} // namespace zantrel
