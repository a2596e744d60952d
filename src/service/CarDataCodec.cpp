#include "service/CarDataCodec.h"

#include "base/CodePage.h"
#include "base/EnumTable.h"
#include "image/CarDataBlock.h"

namespace zantrel {

namespace {

using F = CarDataField;

constexpr CarDataFieldSpec kFields[] = {
    {F::Registration, 0, 12, "NrRejEdit", "Label1"},
    {F::Make, 12, 15, "MarkaEdit", "Label2"},
    {F::Model, 27, 15, "ModelEdit", "Label4"},
    {F::Installer, 42, 30, "OpisEdit", "Label5"},
    {F::Year, 72, 4, "DataRokEdit", "Label7"},
    {F::Month, 76, 2, "DataMiesEdit", "Label8"},
    {F::Day, 78, 2, "DataDzienEdit", "Label9"},
};

// The dialog's labels: the fields' first, then the date's heading and the lists'.
constexpr NamedCaption kLabels[] = {
    {"Label1", "Nr rejestracyjny:"},
    {"Label2", "Marka:"},
    {"Label4", "Model:"},
    {"Label5", "Montował:"},
    {"Label7", "Rok:"},
    {"Label8", "Miesiąc:"},
    {"Label9", "Dzień:"},
    {"Label3", "Data Montażu:"},
    {"Label10", "Układ Cylindrów:"},
    {"Label11", "Liczba Cylindrów:"},
    {"Label6", "Pojemność silnika:"},
    {"Label18", "Średnica Dysz Wtryskiwaczy:"},
};

static_assert(RowsFollowEnumOrder(kFields, &CarDataFieldSpec::field, F::Count), "one row per field, in order");

constexpr char kPadding = ' ';
// Words 0..39 hold bytes 0..79, which the fields fill completely.
constexpr int kWordsOfText = kCarDataTextEnd / 2;

struct DateDefault {
    CarDataField field;
    int length;
    const char* onSave;
    const char* onExit;
    Text message;
};

constexpr DateDefault kDateDefaults[] = {
    {F::Year, 4, "2006", "2005", Text::EnterYear},
    {F::Month, 2, "01", "01", Text::EnterMonth},
    {F::Day, 2, "01", "01", Text::EnterDay},
};

struct ItemStep {
    int firstHundredths;
    int count;
    const char* unit;
};

constexpr ItemStep kNozzle{100, 81, "mm"};
constexpr ItemStep kCapacity{35, 134, " L"};
constexpr int kHundredthsStep = 5;

QStringList stepItems(const ItemStep& step, QChar separator)
{
    QStringList items;
    for (int i = 0; i < step.count; ++i) {
        const int hundredths = step.firstHundredths + kHundredthsStep * i;
        items << QStringLiteral("%1%2%3%4")
                     .arg(hundredths / 100)
                     .arg(separator)
                     .arg(hundredths % 100, 2, 10, QLatin1Char('0'))
                     .arg(QLatin1String(step.unit));
    }
    return items;
}

// An index the list has not got is stored as the largest its bits hold.
int storedIndex(int item, int mask)
{
    return item < 0 ? mask : (item & mask);
}

} // namespace

std::span<const NamedCaption> CarDataLabels()
{
    return kLabels;
}

std::span<const CarDataFieldSpec> CarDataFields()
{
    return kFields;
}

const CarDataFieldSpec& CarDataFieldOf(CarDataField field)
{
    return kFields[size_t(field)];
}

CarDataTexts CarDataTextsOf(const CarDataBlock& block, const CodePage& page)
{
    CarDataTexts texts;
    if (NeverSaved(block))
        return texts;
    for (const CarDataFieldSpec& f : kFields) {
        QByteArray bytes(reinterpret_cast<const char*>(block.bytes.data()) + f.offset, f.width);
        const qsizetype end = bytes.indexOf('\0');
        if (end >= 0)
            bytes.truncate(end);
        while (bytes.endsWith(kPadding))
            bytes.chop(1);
        texts[size_t(f.field)] = page.Decode(bytes);
    }
    return texts;
}

QString RefusalText(const CarDataRefusal& refusal, const LanguageStrings& texts)
{
    const QString label = CaptionNamed(kLabels, QString::fromLatin1(CarDataFieldOf(refusal.field).label));
    if (refusal.character)
        return texts[Text::CarDataCharacter].arg(*refusal.character, label);
    return texts[Text::CarDataTooLong].arg(label).arg(refusal.width);
}

CarDataTexts WithSavedDateDefaults(CarDataTexts texts)
{
    for (const DateDefault& d : kDateDefaults) {
        QString& text = texts[size_t(d.field)];
        if (text.size() < d.length)
            text = QString::fromLatin1(d.onSave);
    }
    return texts;
}

std::optional<DateFieldFix> DateFieldOnExit(CarDataField field, const QString& text)
{
    for (const DateDefault& d : kDateDefaults)
        if (d.field == field && text.size() < d.length)
            return DateFieldFix{QString::fromLatin1(d.onExit), d.message};
    return std::nullopt;
}

std::optional<CarDataRefusal> PutCarDataTexts(CarDataBlock& block, const CarDataTexts& texts, const CodePage& page)
{
    std::array<QByteArray, size_t(F::Count)> encoded;
    for (const CarDataFieldSpec& f : kFields) {
        const QString& text = texts[size_t(f.field)];
        // A field is one line of text: a control character would break every place
        // that shows it.
        for (const QChar c : text)
            if (!c.isPrint() && !c.isSurrogate())
                return CarDataRefusal{f.field, f.width, QString(c)};
        CodePage::Encoded e = page.Encode(text);
        if (e.missing)
            return CarDataRefusal{f.field, f.width, e.missing};
        if (e.bytes.size() > f.width)
            return CarDataRefusal{f.field, f.width, std::nullopt};
        encoded[size_t(f.field)] = e.bytes.leftJustified(f.width, kPadding);
    }
    for (const CarDataFieldSpec& f : kFields)
        std::copy(encoded[size_t(f.field)].begin(), encoded[size_t(f.field)].end(),
                  block.bytes.begin() + f.offset);
    block.bytes[kCarDataTextEnd] = 0;
    for (int i = 0; i < kWordsOfText; ++i)
        block.known.set(size_t(i));
    return std::nullopt;
}

EngineData EngineDataOf(quint16 word62, quint16 word63)
{
    return {(word62 >> 12) & 0x0F, (word62 >> 8) & 0x0F, word62 & 0xFF, (word63 >> 8) & 0xFF};
}

quint16 EngineWord(const EngineData& data)
{
    return quint16((storedIndex(data.layout, 0x0F) << 12) | (storedIndex(data.count, 0x0F) << 8)
                   | storedIndex(data.nozzle, 0xFF));
}

quint16 CapacityWord(const EngineData& data)
{
    return quint16(storedIndex(data.capacity, 0xFF) << 8);
}

bool NeverSaved(const CarDataBlock& block)
{
    return block.capacity && (*block.capacity & 0xFF) == kNeverSavedMarker;
}

QStringList CylinderLayoutItems()
{
    return {QString::fromUtf8("R - Rzędowy"), QStringLiteral("V - Widlasty"), QStringLiteral("B - Boxer"),
            QStringLiteral("W")};
}

QStringList CylinderCountItems()
{
    QStringList items;
    for (int n = 1; n <= 8; ++n)
        items << QString::number(n);
    return items;
}

QStringList NozzleItems(QChar decimalSeparator)
{
    return stepItems(kNozzle, decimalSeparator);
}

QStringList CapacityItems(QChar decimalSeparator)
{
    return stepItems(kCapacity, decimalSeparator);
}

} // namespace zantrel
