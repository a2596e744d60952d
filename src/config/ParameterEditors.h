#pragma once

#include "base/EntryFilters.h"
#include "config/EditorMembers.h"
#include "config/ParameterDescriptions.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

namespace zantrel {

class EditorScreen;
enum class ConfigField;
class LanguageStrings;
class ParameterTable;
class ParameterTransfer;
class Prompter;
enum class TabId;
struct ControllerIdentity;

// Where the focus goes after a key: nowhere, to the next or previous control as Tab and
// Shift+Tab would, or to a named control (on another tab when `tab` is set).
struct FocusMove {
    FieldMove step = FieldMove::None;
    const char* control = nullptr;
    std::optional<TabId> tab;
};

// The editors of the parameter tabs "Parametry [F4]" and "Zaawansowane[F5]": each event
// of a control runs what its member row says, on the ParameterTable, through the
// single-word writes of the transfer, showing its results on the screen. The table-to-
// screen refresh fills every control from the table.
class ParameterEditors {
public:
    ParameterEditors(ParameterTable& table, ParameterTransfer& transfer, EditorScreen& screen,
                     Prompter& prompter, const LanguageStrings& texts, Separators separators);

    // Focus-in: the control's description into its tab's memo.
    void Enter(QStringView control);
    // Leaving a control writes it when the user changed it.
    void Exit(QStringView control);
    // The control's writer as leaving it runs it, whether or not the user changed it:
    // for a button or a dialog that writes the control's word on the user's request.
    bool Write(QStringView control);
    // A user's pick in a list.
    void Choose(QStringView control);
    // Enter released in the control; where the focus goes afterwards.
    FocusMove KeyUpEnter(QStringView control);
    void Click(QStringView control);

    // The character a typed key becomes in an edit, or nothing when it is dropped.
    std::optional<QChar> FilterKey(QStringView control, QChar key) const;
    // Where a key pressed in the control moves the focus: Enter and the page keys in
    // the edits that step, Enter in the lists.
    FocusMove KeyDown(QStringView control, int qtKey) const;

    // The table-to-screen refresh. After a read it shows only the words the read
    // received, and sets the bits this edition needs in words 22 and 47 (vacuum
    // connected, load + RPM map) where those were received: it returns those words, which
    // the transfer then writes in that order. Nothing is sent from here.
    std::vector<int> Refresh(bool afterRead, const ControllerIdentity& identity);

    // The low-RPM filter's group and its tab TabSheet11, which is shown only with the
    // group: at start-up, and after a read for a controller that has the filter.
    void ShowLowRpmFilter(bool shown);

    // Whether a control of the tab has been entered since start-up.
    bool DescriptionShown(EditorTab tab) const;
    // After a language change: the prompt in a memo that shows no description yet, and the
    // reserve sensor list in the new texts, its selection kept.
    void RefreshTexts();

    // The injector settings dialog's OK: the writers of words 8, 2, 7, 6 and 13, in this
    // order, from what their edits hold.
    bool WriteInjectorSettings();

    // What follows a change of the ignition type once word 21 is written: the map's speed
    // points in the words of the new type. It returns whether their write started, and
    // runs `then` once they are written; the speed-valued words 14 and 44 follow them.
    using SpeedPointsRewrite = std::function<bool(std::function<void()> then)>;
    void OnIgnitionTypeWritten(SpeedPointsRewrite rewrite) { ignitionTypeWritten_ = std::move(rewrite); }
    // What follows a fuel chosen by the user or shown by the refresh: the fuel's
    // temperature points into the program's copy.
    void OnFuelShown(std::function<void(quint32 fuel)> then) { fuelShown_ = std::move(then); }

private:
    static constexpr const char* kLowRpmFilterGroup = "GroupBoxFiltrLowRpm";
    // The warning pressure stays this far above the return pressure.
    static constexpr double kPressureStepBar = 0.05;

    bool run(EditorAction action, const char* control);

    // Parses the control's text; on a text that is no number the user is told and the
    // result is empty.
    std::optional<double> entry(const char* control);
    // The edit's word by the index table: limit, convert, store, write.
    bool writeNumber(const char* control, int pauseMs);
    bool storeEntry(const char* control, int index, double value);
    bool writeItem(const char* control);
    bool writeIgnitionType(const char* control);
    bool writeField(const char* control, quint32 value);
    bool writeListField(const char* control);
    bool writeCheckField(const char* control);
    void setTextWithTwins(const char* control, const QString& text);
    // A speed typed into EditRPMprzelNaLPG, for word 53.
    std::optional<int> switchRpm();

    bool switchHeating(const char* control);
    bool writeHeatingStrength(const char* control, bool group);
    bool writePetrolInjection(const char* control);
    bool writeTemperatureCutoff(const char* control);
    bool writeTurbo(const char* control, bool chosen);
    bool writePressurePair(const char* control, const char* partner, double offsetBar);
    bool writeReturnDelay(const char* control);
    bool chooseSwitchMode(const char* control);
    bool writeFallingDelta(int deltaItem);
    bool writeReserveSensor(const char* control);
    void showReserveThresholds();
    bool chooseFuel(const char* control);
    bool chooseInjectorType(const char* control);

    // Whether the refresh shows a word: every word, or after a read only those received.
    bool shows(int word) const;
    void refreshEdits(std::initializer_list<int> words);
    void refreshField(ConfigField field);
    void refreshItem(int word);
    void refreshFallingDelta();

    ParameterTable& table_;
    ParameterTransfer& transfer_;
    EditorScreen& screen_;
    Prompter& prompter_;
    const LanguageStrings& texts_;
    Separators separators_;
    bool parametersEntered_ = false;
    bool advancedEntered_ = false;
    bool refreshingAfterRead_ = false;
    SpeedPointsRewrite ignitionTypeWritten_;
    std::function<void(quint32)> fuelShown_;
};

} // namespace zantrel
