#include "service/InjectorMask.h"

namespace zantrel {

bool ToggleInjector(quint16& mask, int injector)
{
    Q_ASSERT(injector >= 1 && injector <= kGasInjectors);
    const quint16 bit = quint16(1u << (injector - 1));
    mask ^= bit;
    return mask & bit;
}

Text InjectorCaption(bool off)
{
    return off ? Text::InjectorOff : Text::InjectorOn;
}

QString InjectorsOffQuestion(const InjectorsOff& off, const LanguageStrings& texts)
{
    const QChar space = QLatin1Char(' ');
    QString numbers;
    for (int n = 1; n <= kGasInjectors; ++n) {
        if (off[std::size_t(n - 1)])
            numbers += QString::number(n) + space;
    }
    if (numbers.isEmpty())
        return {};
    return texts[Text::InjectorsOffWarning] + space + numbers + space + texts[Text::InjectorsOffQuestion];
}

} // namespace zantrel
