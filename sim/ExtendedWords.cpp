#include "sim/ExtendedWords.h"

#include "base/CodePage.h"

#include <QByteArray>
#include <QString>

namespace zantrel::sim {

namespace {

constexpr quint16 kSerialNumber = 12345;

// The text fields of the car-data block, each padded with spaces to its width, in the
// code page of Polish as the program writes them.
struct CarDataField {
    int width;
    const char* text;
};

constexpr CarDataField kCarData[] = {
    {12, "ZT 1039A"},         // registration
    {15, "Zefira"},           // make
    {15, "Tarsa 1.6"},        // model
    {30, "Warsztat Demo, Łódź"}, // installer
    {4, "2024"},              // year
    {2, "05"},                // month
    {2, "17"},                // day
};

// Layout "R" (0), four cylinders (item 3), nozzle 1,80 mm (item 16); capacity 1,60 L
// (item 25) with the saved marker 0.
constexpr quint16 kEngineData = (0 << 12) | (3 << 8) | 16;
constexpr quint16 kCapacity = (25 << 8) | 0;

} // namespace

ExtendedImage StoredCarDataImage()
{
    const CodePage& polish = CodePage::Of(CodePageId::Windows1250);
    QByteArray block;
    for (const CarDataField& f : kCarData)
        block += polish.Encode(QString::fromUtf8(f.text)).bytes.leftJustified(f.width, ' ', true);
    block.append(char(0)); // end of the text at byte 80
    block = block.leftJustified(2 * kSerialNumberWord, char(0), true);

    ExtendedImage image{};
    for (int i = 0; i < kSerialNumberWord; ++i)
        image[size_t(i)] = quint16((quint8(block[2 * i]) << 8) | quint8(block[2 * i + 1]));
    image[kSerialNumberWord] = kSerialNumber;
    image[kEngineDataWord] = kEngineData;
    image[kCapacityWord] = kCapacity;
    return image;
}

ExtendedImage ErasedCarDataImage()
{
    ExtendedImage image;
    image.fill(0xFFFF);
    image[kSerialNumberWord] = kSerialNumber;
    return image;
}

} // namespace zantrel::sim
