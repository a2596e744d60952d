#include "config/EditorMembers.h"

namespace zantrel {

namespace {

using A = EditorAction;
using K = EntryKind;
constexpr KeyDownStep kStep = KeyDownStep::Yes;
constexpr KeyDownStep kStay = KeyDownStep::No;

// control, entry, KeyDown, Exit, choice, KeyUp Enter, Click
constexpr EditorMember kMembers[] = {
    {"ComboBoxRodzajWtrysku", K::None, kStay, A::None, A::InjectorType, A::None, A::None},
    {"ComboBoxCewka", K::None, kStay, A::IgnitionType, A::IgnitionType, A::None, A::None},
    {"EditCzasWtryskuPrzyObciazeniu", K::None, kStay, A::PetrolInjection, A::PetrolInjection, A::PetrolInjection, A::None},
    {"EditMinTempPrzel", K::Digits, kStep, A::Number, A::None, A::Number, A::None},
    {"ComboBoxDeltaObrotow", K::None, kStay, A::None, A::SwitchMode, A::None, A::None},
    {"EditRPMprzelNaLPG", K::Digits, kStep, A::Number, A::None, A::Number, A::None},
    {"EditWspolneCykle", K::Digits, kStep, A::Number, A::None, A::Number, A::None},
    {"EditWzbogacanieMieszanki", K::SignedInt, kStep, A::Number, A::None, A::Number, A::None},
    {"EditPrzesuniecie", K::SignedDecimal, kStep, A::Number, A::None, A::Number, A::None},
    {"ComboBoxMaxRpm", K::None, kStay, A::Field, A::Field, A::None, A::None},
    {"EditMaxRpm", K::Digits, kStep, A::Number, A::None, A::Number, A::None},
    {"ComboBoxTURBO", K::None, kStay, A::Turbo, A::TurboChosen, A::None, A::None},
    {"ComboBoxSzkielkoRezerwy", K::None, kStay, A::ReserveSensor, A::ReserveSensor, A::None, A::None},
    {"EditOdswiezanieOczka", K::Decimal, kStep, A::Number, A::None, A::Number, A::None},
    {"ComboBoxSondaLambda1", K::None, kStay, A::Item, A::Item, A::None, A::None},
    {"ComboBoxSondaLambda2", K::None, kStay, A::Item, A::Item, A::None, A::None},
    {"ComboBoxCNGLPG", K::None, kStay, A::None, A::Fuel, A::None, A::None},
    {"ComboBoxRodzajCzTemp", K::None, kStay, A::None, A::Field, A::None, A::None},
    {"ComboBoxPodcisnienieReduktora", K::None, kStay, A::Field, A::Field, A::None, A::None},
    {"EditCisnienieWylaczenia", K::Decimal, kStep, A::ReturnPressure, A::None, A::Number, A::None},
    {"EditCzasPowrotuNaBenz", K::Decimal, kStep, A::ReturnDelay, A::None, A::Number, A::None},
    {"EditCisnienieBeep", K::Decimal, kStep, A::WarningPressure, A::None, A::Number, A::None},
    {"ComboBoxRozgrzewanieWtryskiwacza", K::None, kStay, A::Field, A::HeatingSwitch, A::None, A::None},
    {"ComboBoxRozgrzewanieWtryskiwaczaTervo", K::None, kStay, A::Field, A::HeatingSwitch, A::None, A::None},
    {"ComboBoxSilaRozgrzewaniaWtrysku", K::None, kStay, A::HeatingStrength, A::HeatingStrength, A::None, A::None},
    {"ComboBoxSilaRozgrzewaniaWtryskuTervo", K::None, kStay, A::HeatingStrengthGroup, A::HeatingStrengthGroup, A::None, A::None},
    {"ComboBoxMrozGaz", K::None, kStay, A::TemperatureCutoff, A::TemperatureCutoff, A::None, A::None},
    {"ComboBoxMrozRed", K::None, kStay, A::TemperatureCutoff, A::TemperatureCutoff, A::None, A::None},
    {"EditParametryMaxInj", K::Decimal, kStep, A::Number, A::None, A::Number, A::None},
    {"EditMinimalnyCzasWtrysku", K::Decimal, kStep, A::Number, A::None, A::Number, A::None},
    {"EditOnTimeToInjTime", K::Decimal, kStay, A::Number, A::None, A::None, A::None},
    {"ComboBoxFiltrowanieCisnienia", K::None, kStay, A::Item, A::Item, A::None, A::None},
    {"ComboBoxBuzzer", K::None, kStay, A::Field, A::Field, A::None, A::None},
    {"ComboBoxMocnoZaawansowane", K::None, kStay, A::Item, A::Item, A::None, A::None},
    {"EditPelneOtwarcie", K::Decimal, kStay, A::Number, A::None, A::Number, A::None},
    {"EditProcentowePodtrzymanie", K::Digits, kStay, A::Number, A::None, A::Number, A::None},
    {"EditOpoznienieWtryskiwaczy", K::Decimal, kStay, A::Number, A::None, A::Number, A::None},
    {"ComboBoxAlgorytm", K::None, kStay, A::None, A::None, A::None, A::None},
    {"ComboBoxDeltaRpm", K::None, kStay, A::None, A::FallingDelta, A::None, A::None},
    {"EditMultiRpmPower", K::Digits, kStep, A::Number, A::None, A::None, A::None},
    {"EditSignalInj", K::Digits, kStep, A::Number, A::None, A::None, A::None},
    {"ComboBoxSygnalObrotow", K::None, kStay, A::None, A::Field, A::None, A::None},
    {"CheckBoxLpgStart", K::None, kStay, A::None, A::None, A::None, A::Check},
    {"ComboBoxSpuscPsys", K::None, kStay, A::None, A::Field, A::None, A::None},
    {"EditTempRozgrz", K::Digits, kStay, A::HeatingNumber, A::None, A::HeatingNumber, A::None},
    {"EditCzasRozgrz", K::Digits, kStay, A::HeatingNumber, A::None, A::HeatingNumber, A::None},
    {"EditInjRozgrz", K::Decimal, kStay, A::HeatingNumber, A::None, A::HeatingNumber, A::None},
};

constexpr TwinControl kTwins[] = {
    {"EditCisnienieWylaczeniaQuillon", "EditCisnienieWylaczenia", true},
    {"EditCzasPowrotuNaBenzQuillon", "EditCzasPowrotuNaBenz", true},
    {"ComboBoxMaxRpmQuillon", "ComboBoxMaxRpm", true},
    {"EditMaxRpmQuillon", "EditMaxRpm", true},
    {"ComboBoxTURBOQuillon", "ComboBoxTURBO", true},
    {"ComboBoxRozgrzewanieWtryskiwaczaTervo", "ComboBoxRozgrzewanieWtryskiwacza", false},
    {"ComboBoxSilaRozgrzewaniaWtryskuTervo", "ComboBoxSilaRozgrzewaniaWtrysku", false},
};

const TwinControl* twinOf(QStringView control)
{
    for (const TwinControl& t : kTwins)
        if (control == QLatin1String(t.twin))
            return &t;
    return nullptr;
}

} // namespace

std::span<const EditorMember> EditorMembers()
{
    return kMembers;
}

const EditorMember* MemberOf(QStringView control)
{
    const TwinControl* twin = twinOf(control);
    const QString name = twin && twin->sharesHandlers ? QString::fromLatin1(twin->main) : control.toString();
    for (const EditorMember& m : kMembers)
        if (name == QLatin1String(m.control))
            return &m;
    return nullptr;
}

QString MainControlOf(QStringView control)
{
    if (const TwinControl* twin = twinOf(control))
        return QString::fromLatin1(twin->main);
    return control.toString();
}

std::span<const TwinControl> TwinControls()
{
    return kTwins;
}

} // namespace zantrel
