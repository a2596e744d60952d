#pragma once

#include <QString>

namespace zantrel {

class LanguageStrings;
class LiveRecord;

// The error report of a live record: the current errors of word 22 with the faulty
// injectors of word 31, then the remembered errors of word 27. Every line ends "\n".
QString ErrorReport(const LiveRecord& record, const LanguageStrings& texts);

} // namespace zantrel
