#pragma once

#include "live/LiveWords.h"

#include <QByteArray>

namespace zantrel {

// A recording as a table for spreadsheets and plotting tools: a header row, then one row
// a record in engineering units, comma separated with a decimal point.

// How the words are read: the ignition type (parameter 21) for the engine speed and the
// clock bit (of parameter 22) for the injection times, which a recording does not hold.
struct CsvDecoding {
    int ignitionType = 2; // "4 Cyl."
    bool fastClock = false;
};

QByteArray RecordingCsvHeader();
// Record `index` (0-based): its number, its time on the player's 0.033 s base, then the
// values.
QByteArray RecordingCsvRow(int index, const LiveWords& words, const CsvDecoding& decoding);

} // namespace zantrel
