#include "service/ErrorReport.h"

#include "base/LanguageStrings.h"
#include "live/LiveRecord.h"
#include "service/ErrorBits.h"

namespace zantrel {

namespace {

constexpr QChar kLineFeed = QLatin1Char('\n');

bool isSet(quint16 word, int bit)
{
    return (word >> bit) & 1;
}

void appendInjectors(QString& text, quint16 faultyInjectors, int byteShift)
{
    for (int k = 0; k < 8; ++k) {
        if (isSet(faultyInjectors, byteShift + k))
            text += QString::number(k + 1) + kLineFeed;
    }
}

} // namespace

QString ErrorReport(const LiveRecord& record, const LanguageStrings& texts)
{
    const quint16 current = record[live::kErrors];
    const quint16 remembered = record[live::kStoredErrors];
    QString text = texts[Text::Status] + kLineFeed;
    if (current == 0 && remembered == 0)
        return text + texts[Text::NoErrors] + kLineFeed;

    // The first current error follows the heading on its line.
    text += texts[Text::ErrorsPresent];
    for (const ErrorBit& e : ErrorBitsInReportOrder()) {
        if (!e.current || !isSet(current, e.bit))
            continue;
        text += texts[*e.current] + kLineFeed;
        if (e.injectorByteShift >= 0)
            appendInjectors(text, record[live::kFaultyInjectors], e.injectorByteShift);
    }

    text += QStringLiteral("\n\n\n") + texts[Text::StoredErrors] + QLatin1Char(':') + kLineFeed;
    for (const ErrorBit& e : ErrorBitsInReportOrder()) {
        // Whether the controller remembers injector faults is not certain: they are
        // listed while they are current or remembered, so none is ever left out.
        const bool injectorFault = e.injectorByteShift >= 0;
        if (isSet(remembered, e.bit) || (injectorFault && isSet(current, e.bit)))
            text += texts[e.remembered] + kLineFeed;
    }
    return text;
}

} // namespace zantrel
