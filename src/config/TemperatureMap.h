#pragma once

#include "image/TemperatureTable.h"
#include "link/ReadSequences.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace zantrel {

class LinkJob;

// The edits of the temperature enrichment table: EditT1..EditT5 hold the points in
// degrees C, EditT1K..EditT6K the enrichments in percent.
extern const std::array<const char*, kTempBreakpoints> kTempPointEdits;
extern const std::array<const char*, kTempCorrections> kTempCorrectionEdits;

// The texts of those edits, in the same order.
struct TemperatureTexts {
    std::array<QString, kTempBreakpoints> points;
    std::array<QString, kTempCorrections> corrections;

    friend bool operator==(const TemperatureTexts&, const TemperatureTexts&) = default;
};

[[nodiscard]] TemperatureTexts TextsOf(const TemperatureTable& table);

// Leaving a point edit: 0 or less becomes "1", above 90 "90"; any other text stays.
[[nodiscard]] QString PointTextOnExit(const QString& text);
// Leaving an enrichment edit: a sign at the second or third character is refused (the
// text becomes "0"); below -25 becomes "-25", above 50 "+50"; any other text stays.
struct CorrectionExit {
    QString text;
    bool refused = false;
};
[[nodiscard]] CorrectionExit CorrectionTextOnExit(const QString& text);

// "Zapisz Zmiany" checks every edit before anything is sent: the enrichments held to
// -50..100 %, the points to 0..100 C. With a text that is no whole number the table is
// empty and `badEdit` names the first such edit.
struct TemperatureEntry {
    std::optional<TemperatureTable> table;
    TemperatureTexts shown; // what the edits show afterwards, limits applied
    const char* badEdit = nullptr;
};
[[nodiscard]] TemperatureEntry CheckTemperatureTexts(const TemperatureTexts& texts);

// What choosing a fuel loads into the program's copy (nothing is written): its points,
// every enrichment at 0 %.
[[nodiscard]] TemperatureTable FuelTemperaturePreset(quint32 fuel);
// What "RESET" puts into the edits for a fuel before it saves them.
[[nodiscard]] TemperatureTexts TemperatureResetTexts(quint32 fuel);

// The reads '.' 0..4 and '|' 0..5; an entry without a valid reply stays empty.
struct TemperatureReadout {
    std::array<ByteReadout, kTempBreakpoints> points;
    std::array<ByteReadout, kTempCorrections> corrections;
};
void AddTemperatureRead(LinkJob& job, std::shared_ptr<TemperatureReadout> out);
// Stores what was received, keeping the rest; true when every entry was received.
[[nodiscard]] bool StoreTemperatureRead(TemperatureTable& table, const TemperatureReadout& read);

// The enrichments 0..5 ('^' with its second-bank store), then the points 0..4 ('%').
void AddTemperatureWrite(LinkJob& job, const TemperatureTable& table);

} // namespace zantrel
