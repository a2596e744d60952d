#pragma once

#include "base/LanguageStrings.h"
#include "base/NamedCaption.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <optional>
#include <span>

namespace zantrel {

class CodePage;
struct CarDataBlock;

// The text fields of the car-data block, in the order of their bytes.
enum class CarDataField { Registration, Make, Model, Installer, Year, Month, Day, Count };

struct CarDataFieldSpec {
    CarDataField field;
    int offset;
    int width; // bytes, one a character
    const char* control;
    const char* label; // the objectName of its label
};

std::span<const CarDataFieldSpec> CarDataFields();
// The captions of the car-data dialog's labels by their objectNames.
std::span<const NamedCaption> CarDataLabels();
const CarDataFieldSpec& CarDataFieldOf(CarDataField field);

// Byte 80 ends the text; bytes 81..119 are the controller's and go back as read.
constexpr int kCarDataTextEnd = 80;

using CarDataTexts = std::array<QString, size_t(CarDataField::Count)>;

// The fields as the dialog shows them: a field's text ends at its padding (or at a 0
// byte). A block that was never saved (marker 0xFF) holds erased memory, not text, and
// shows empty fields.
CarDataTexts CarDataTextsOf(const CarDataBlock& block, const CodePage& page);

// Why a field cannot be stored: it holds more bytes than its width, or a character the
// code page (or a line of text) cannot hold.
struct CarDataRefusal {
    CarDataField field;
    int width = 0;
    std::optional<QString> character; // set for a character, empty for a text too long
};

// The message that names the field and why it was refused.
QString RefusalText(const CarDataRefusal& refusal, const LanguageStrings& texts);

// The date as it is saved: a year shorter than 4 characters becomes "2006", a month or
// a day shorter than 2 becomes "01".
CarDataTexts WithSavedDateDefaults(CarDataTexts texts);

// Leaving a date field that is too short puts the default in it and says what to enter
// (year "2005", month and day "01"). Empty for a field that is long enough or no date.
struct DateFieldFix {
    QString text;
    Text message;
};
std::optional<DateFieldFix> DateFieldOnExit(CarDataField field, const QString& text);

// Rebuilds bytes 0..80 from the fields, each padded with spaces to its width, byte 80 =
// 0; bytes 81..119 stay. Every field is checked first: on a refusal nothing is changed.
// Words 0..39 then hold what the program wrote and count as known.
[[nodiscard]] std::optional<CarDataRefusal> PutCarDataTexts(CarDataBlock& block, const CarDataTexts& texts,
                                                            const CodePage& page);

// The engine data of extended words 62 and 63 as the lists' item indexes. A stored index
// beyond a list's last item shows as "Brak Danej"; an empty list selection (-1) is
// stored as the largest value its bits hold, which reads back as "Brak Danej".
struct EngineData {
    int layout = 0;   // bits 12..15 of word 62
    int count = 3;    // bits 8..11: item i is i + 1 cylinders
    int nozzle = 0;   // bits 0..7
    int capacity = 25; // bits 8..15 of word 63
    bool operator==(const EngineData&) const = default;
};
// The dialog's lists before any data: "R - Rzędowy", "4", "1,60 L", "1,00mm".
inline constexpr EngineData kEngineDataDefaults{};

EngineData EngineDataOf(quint16 word62, quint16 word63);
// Word 62; word 63 with the saved marker 0.
quint16 EngineWord(const EngineData& data);
quint16 CapacityWord(const EngineData& data);

// Word 63 low byte 0xFF: the car data were never saved.
constexpr quint8 kNeverSavedMarker = 0xFF;
bool NeverSaved(const CarDataBlock& block);

// The items of the four lists. Layout and count are fixed texts; nozzle "1,00mm" ..
// "5,00mm" (81 items) and capacity "0,35 L" .. "7,00 L" (134 items) in steps of 0.05.
QStringList CylinderLayoutItems();
QStringList CylinderCountItems();
QStringList NozzleItems(QChar decimalSeparator);
QStringList CapacityItems(QChar decimalSeparator);

} // namespace zantrel
