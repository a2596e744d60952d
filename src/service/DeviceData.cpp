#include "service/DeviceData.h"

#include "image/ControllerIdentity.h"
#include "link/WriteSequences.h"

namespace zantrel {

namespace {

// The hardware byte names a range of cylinders below this count, the count itself from it.
constexpr int kFirstCylinderCount = 8;

constexpr NamedCaption kDeviceLabels[] = {
    {"Label5", "Wersja Urzadzenia:"},
    {"Label6", "Wersja Oprogramowania:"},
    {"Label7", "Liczba Cylindrów:"},
    {"Label8", "Numer Seryjny:"},
};

} // namespace

DeviceTexts DeviceTextsOf(const ControllerIdentity& identity)
{
    const int n = identity.HardwareByte >> 4;
    return {
        QStringLiteral("d.%1").arg(identity.variant()),
        QStringLiteral("S.%1").arg(identity.SoftwareByte),
        n < kFirstCylinderCount ? QStringLiteral("%1-%2cyl.").arg(n - 1).arg(n) : QString::number(n),
    };
}

std::span<const NamedCaption> DeviceDataLabels()
{
    return kDeviceLabels;
}

std::optional<quint16> SerialNumberEntry(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return quint16(quint64(value) & 0xFFFF);
}

void WriteSerialNumber(LinkJob& job, quint16 serial)
{
    WriteExtendedWord(job, kSerialNumberWord, serial);
}

void ReadSerialNumber(LinkJob& job, std::shared_ptr<WordReadout> out)
{
    ReadExtendedWord(job, kSerialNumberWord, std::move(out));
}

} // namespace zantrel
