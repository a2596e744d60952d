#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <map>
#include <vector>

namespace zantrel {

// The message and status texts the program shows. Each holds its Polish wording from
// process start; a language file replaces it under its five-digit id.
enum class Text {
    ProgramName,
    VersionText,
    ApplicationTitle,
    UnknownException,
    PortAlreadyOpen,
    NoController,
    PortBusy,
    FileOperationFailed,
    ResetQuestion,
    ResetCaption,
    AutodetectQuestion,
    FillAllFields,
    NoConnection,
    FileTooShort,
    Error,
    Working,
    ComError,
    EcuError,
    ErrorsPresent,
    StoredErrors,
    NoErrors,
    Status,
    ErrorLowPressure,
    ErrorHighPressure,
    ErrorPressureSensorShorted,
    ErrorPressureSensorOpen,
    ErrorReducerSensorShorted,
    ErrorReducerSensorOpen,
    ErrorGasSensorShorted,
    ErrorGasSensorOpen,
    ErrorGasTooCold,
    ErrorReducerTooCold,
    ErrorGasInjector,
    ErrorPetrolSignal,
    ErrorPetrolInjector,
    None,
    NoData,
    Lpg,
    Petrol,
    FuelPetrol,
    FuelGas,
    InjectorOn,
    InjectorOff,
    InjectorsOffWarning,
    InjectorsOffQuestion,
    SaveParametersQuestion,
    SaveParametersCaption,
    NotProgrammed,
    NotProgrammedCaption,
    AutodetectCaption,
    RecommendedNozzles,
    LeaveAdaptationQuestion,
    SetPort,
    RecordHint,
    PauseHint,
    StopHint,
    RecordingLabel,
    RecordingPausedLabel,
    SettingsUnwritable,
    SettingsDamaged,
    HelpMissing,
    ParametersShown,
    NotANumber,
    ParametersPartlyRead,
    PortLostRetrying,
    Reconnected,
    PetrolTimeHeading,
    Days,
    Hours,
    Minutes,
    Seconds,
    GasShare,
    PetrolShare,
    GasTimeHeading,
    CounterNotRead,
    CarDataQuestion,
    CarDataQuestionCaption,
    EnterYear,
    EnterMonth,
    EnterDay,
    CarDataTooLong,
    CarDataCharacter,
    MapPointsPhase,
    MapCellsPhase,
    MapCurvePhase,
    MapsPartlyRead,
    MapValueNotANumber,
    MapPointNotANumber,
    MapBlockEmpty,
    MapBlockNotANumber,
    MapBlockRagged,
    MapBlockTooLarge,
    MapPairsNotStored,
    MapShortcuts,
    // Reports: the configuration report and the spreadsheet export
    ReportHardware,
    ReportProgramVersion,
    ReportCarData,
    ReportDescription,
    ReportUnitRpm,
    ReportUnitCycles,
    ReportUnitSeconds,
    ReportGas,
    ReportReducer,
    ReportPage,
    ReportCharacterMissing,
    // Auto-adaptation
    AdaptIdleInstruction,
    AdaptStart,
    AdaptAbort,
    AdaptWaitReducer,
    AdaptReducerReached,
    AdaptSwitchToPetrol,
    AdaptStabPedal,
    AdaptRaiseSpeed,
    AdaptSwitchToGas,
    AdaptHoldSpeed,
    AdaptFinished,
    AdaptNoPetrolLoad,
    AdaptLinkLost,
    AdaptUndo,
    AdaptPetrolLoadLabel,
    AdaptGasLoadLabel,
    AdaptPressureMaxLabel,
    AdaptPetrolSteadyLabel,
    AdaptGasSteadyLabel,
    AdaptPressureMinLabel,
    AdaptSteadyDifferenceLabel,
    AdaptCorrectionLabel,
    AdaptWritesIncomplete,
    AdaptNothingToUndo,
    // Parameter files and injector presets
    ParameterWordLabel,
    FileCompareCaption,
    FileSameAsController,
    FileWordDifference,
    FileMapDifferences,
    WriteToController,
    CancelButton,
    FileLoadStopped,
    InjectorSettingsCaption,
    // Temperature enrichment map and emission settings
    TemperatureTableNotRead,
    TemperatureNotANumber,
    TemperatureFixValue,
    TemperatureSwitchNotWritten,
    TemperatureRangeHelp,
    TemperatureSwitchHelp,
    EmissionBlockNotRead,
    EmissionNotANumber,
    EmissionSwitchesNotWritten,
    EmissionHelpLambdaUpper,
    EmissionHelpLambdaLower,
    EmissionHelpRiseUp,
    EmissionHelpRiseDown,
    EmissionHelpTimeUp,
    EmissionHelpTimeDown,
    EmissionHelpMaxCorrection,
    EmissionHelpMinCorrection,
    EmissionHelpLoadMax,
    EmissionHelpLoadMin,
    EmissionHelpRpmMax,
    EmissionHelpRpmMin,
    EmissionHelpInertialFilter,
    EmissionHelpLambdaOk,
    EmissionHelpSlowCorrection,
    EmissionHelpRpmLimitation,
    EmissionHelpLoadLimitation,
    DescriptionPrompt,
    ReserveLpg1,
    ReserveLpg2,
    ReserveLpg3,
    ReserveOwnDefinition,
    LanguageLineBroken,
    LowRpmFilterNotANumber,
    Count
};

inline constexpr int kFirstLanguageId = 10000;
// The code of the language the texts are designed in, as jezyk.txt keeps it.
inline constexpr int kPolishLanguage = 1;
inline constexpr int kLastLanguageId = 16006;
// The parameter descriptions' ids: their texts are kept with the descriptions.
inline constexpr int kFirstDescriptionId = 11000;
inline constexpr int kLastDescriptionId = 11042;

class LanguageStrings {
public:
    LanguageStrings();

    const QString& operator[](Text text) const { return texts_[std::size_t(text)]; }

    // Replaces every string kept under `id`; false when no string has that id. A text
    // of the parameter descriptions' ids is kept for Replacement().
    bool SetById(int id, const QString& text);
    // A language file's text for an id that another table keeps (a parameter
    // description); nullptr while no file gave one.
    const QString* Replacement(int id) const;

    // The language the texts are in; its code page is that of the car data.
    int Language() const { return language_; }
    void SetLanguage(int code) { language_ = code; }

private:
    std::array<QString, std::size_t(Text::Count)> texts_;
    std::map<int, QString> replacements_;
    int language_ = kPolishLanguage;
};

struct LanguageStringId {
    int id;
    Text key;
};

// Every id a language file may give a string under, with the string it sets.
std::vector<LanguageStringId> LanguageStringIds();

// "Zantrel - V 1.39 ": the window caption until a controller is identified.
QString BaseCaption(const LanguageStrings& texts);

} // namespace zantrel
