#pragma once

#include "app/CommandLineOptions.h"
#include "app/MainMenu.h"
#include "app/RegistrySettings.h"
#include "app/SettingsFiles.h"
#include "base/EntryFilters.h"
#include "base/ShellWindow.h"
#include "base/TabTable.h"
#include "link/CommandSet.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace zantrel {

class CarDataUi;
class ControllerImage;
class EcuLink;
class FactoryTab;
class LinkGate;
class InjectorButtons;
class LanguageApplier;
class LanguageStrings;
struct LanguageRow;
class LiveView;
class ParameterEditorTabs;
class ParameterTable;
class ParameterTransferUi;
class TemperatureMapTab;
class PortMenu;
class Prompter;
class RecorderControls;
class ReplayControls;
class ReportsUi;
class ScreenLayout;
class ReserveGaugeUi;
class IdleCorrectionUi;
class StatusPanel;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class WorkingTimeUi;

// The main window: the page control with a tab per function, the main menu, the timers
// and the secondary windows, which all live as long as it does. The link with its gate,
// the controller image, the texts and the prompter belong to main() and are lent to it.
class TForm1 : public QMainWindow, public ShellWindow {
    Q_OBJECT
public:
    TForm1(EcuLink& link, LinkGate& gate, ControllerImage& image, LanguageStrings& texts, Prompter& prompter,
           const CommandLineOptions& options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    QLineEdit* EditStatus = nullptr;
    QLabel* LabelNote = nullptr;
    QTabWidget* MainPage = nullptr;

    QTimer TimerVizualizacja{this};
    QTimer TimerAutoconnect{this};
    QTimer TimerVizualizacjaDEMO{this};
    QTimer TimerWolneRpmLPG{this};
    QTimer TimerWolneRpmBenz{this};
    QTimer TimerWdepniecieBenzyna{this};
    QTimer TimerWdepniecieLPG{this};
    QTimer TimerOpoznienie1{this};
    QTimer TimerOpoznienie2{this};
    QTimer TimerAutoTemp{this};
    QTimer TimerNaBenz1{this};
    QTimer TimerNaBenz2{this};
    QTimer TimerNaGaz1{this};
    QTimer TimerNaGaz2{this};

    TForm5* Form5 = nullptr;
    TForm6* Form6 = nullptr;
    TForm7* Form7 = nullptr;
    TForm8* Form8 = nullptr;
    TForm9* Form9 = nullptr;
    TForm10* Form10 = nullptr;
    TForm11* Form11 = nullptr;
    TForm12* Form12 = nullptr;
    TForm13* Form13 = nullptr;
    TForm14* Form14 = nullptr;
    TForm15* Form15 = nullptr;

    // A main-menu item by objectName; nullptr for a name the menu does not have.
    QAction* MenuItem(const QString& name) const override { return menu_.Item(name); }
    // Whether the menu shows the item. Show and hide items only here, never with
    // QAction::setVisible: a hidden item keeps its shortcut while it is enabled.
    bool MenuItemShown(const QString& name) const { return menu_.Shown(name); }
    void ShowMenuItem(const QString& name, bool shown) override { menu_.SetShown(name, shown); }
    QWidget* Tab(TabId id) const override { return tabs_[std::size_t(id)]; }
    TabId CurrentTab() const;
    // The menu items and function keys make a tab active directly: the steps that follow
    // a click on the tab bar do not run.
    void SelectTab(TabId id) override;
    void SetTabShown(TabId id, bool shown) override;
    QWidget& Widget() override { return *this; }
    QStatusBar& StatusBar() override;
    void SetCaption(const QString& caption) override { setWindowTitle(caption); }
    void ShowNote(const QString& text) override;

    // Set while an auto-adaptation runs; leaving its tab by a click is then confirmed.
    bool AdaptationRunning() const { return adaptationRunning_; }
    void SetAdaptationRunning(bool running) { adaptationRunning_ = running; }

    // Answers the shutdown question in advance, without a box.
    void AnswerShutdownQuestion(bool save) { shutdownAnswer_ = save; }

    const Separators& EntrySeparators() const override { return separators_; }
    bool ServiceView() const override { return service_; }
    const QString& WorkingDirectory() const { return workingDirectory_; }
    // Where help.txt and lang/ are found: the start directory unless main() chose the
    // installed data folder.
    const QString& ShippedDirectory() const { return shippedDirectory_; }
    void SetShippedDirectory(const QString& folder) { shippedDirectory_ = folder; }
    RegistrySettings& Settings() { return *settings_; }
    PortMenu& Ports() { return *portMenu_; }
    ParameterTransferUi& Transfer() { return *transferUi_; }
    ParameterEditorTabs& Editors() { return *parameterTabs_; }
    // The live record, its poll and the live view with the status panel above the tabs.
    LiveView& Live() { return *liveView_; }
    InjectorButtons& Injectors() { return *injectorButtons_; }
    RecorderControls& Recorder() { return *recorder_; }
    ReplayControls& Replay() { return *replay_; }
    WorkingTimeUi& WorkingTime() { return *workingTime_; }
    CarDataUi& CarData() { return *carData_; }
    FactoryTab& Factory() { return *factory_; }
    ReserveGaugeUi& ReserveGauge() { return *reserveGauge_; }
    IdleCorrectionUi& IdleCorrection() { return *idleCorrection_; }
    ReportsUi& Reports() { return *reports_; }
    ScreenLayout& Layout() { return *screenLayout_; }

    // The caption of the COM8 item follows the last port.
    void ShowLastPort();
    // The resolution items: size, centre, remember in rozdz.txt.
    void ChooseResolutionItem(Resolution resolution);
    // A language item: checks it alone, puts the texts of its file (lang/ among the
    // shipped files) on every window, re-sets the texts that depend on state, keeps the
    // lists' selections and remembers the choice in jezyk.txt.
    void ChooseLanguage(int code);
    void OnTextsChanged(std::function<void()> refresh) override;
    // Ctrl+H: the help text in a plain-text viewer.
    void OpenHelp();
    bool ActivatedOnce() const { return activatedOnce_; }

signals:
    // The shutdown steps have run; the message loop may end.
    void ShutdownComplete();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildTimers();
    void RunCreationSteps(const CommandLineOptions& options);
    void AssignShortcuts();
    void ConnectTabItems();
    void CreateSecondaryWindows(const CommandLineOptions& options);
    void FirstActivation();
    bool TabSelectable(int index) const;
    void UserSelectsTab(int index);
    void AfterTabClick(TabId tab);
    void StopAdaptation();
    void WidenByOnePixel();

    // Tick of the 25 ms live poll.
    void TimerVizualizacjaTimer();
    void LoadRegistrySettings();
    void ApplyStoredResolution(int screenWidth);
    void ConnectSettingsItems();
    void ReportSettingsProblem(RegistrySettings::Problem problem);
    // A click on the temperature-map tab reads the map, as its own read button does.
    void ReadTemperatureMap();
    void ReadLanguage(const LanguageRow& language, LanguageApplier& applier);

    EcuLink& link_;
    LinkGate& gate_;
    ControllerImage& image_;
    ParameterTable& parameters_;
    LanguageStrings& texts_;
    Prompter& prompter_;
    EcuCommands commands_;
    MainMenu menu_;
    std::array<QWidget*, std::size_t(TabId::Count)> tabs_{};

    Separators separators_;
    QString workingDirectory_;
    QString shippedDirectory_;
    std::vector<std::function<void()>> textRefreshers_;
    std::unique_ptr<RegistrySettings> settings_;
    std::unique_ptr<LastPortSettings> lastPortSettings_;
    PortMenu* portMenu_ = nullptr;
    ParameterTransferUi* transferUi_ = nullptr;
    TemperatureMapTab* temperatureMap_ = nullptr;
    ParameterEditorTabs* parameterTabs_ = nullptr;
    StatusPanel* statusPanel_ = nullptr;
    LiveView* liveView_ = nullptr;
    InjectorButtons* injectorButtons_ = nullptr;
    RecorderControls* recorder_ = nullptr;
    ReplayControls* replay_ = nullptr;
    WorkingTimeUi* workingTime_ = nullptr;
    CarDataUi* carData_ = nullptr;
    FactoryTab* factory_ = nullptr;
    ReserveGaugeUi* reserveGauge_ = nullptr;
    IdleCorrectionUi* idleCorrection_ = nullptr;
    ReportsUi* reports_ = nullptr;
    ScreenLayout* screenLayout_ = nullptr;
    std::optional<bool> autodetectAnswer_;
    std::optional<bool> shutdownAnswer_;
    bool activatedOnce_ = false;
    QTimer noteShown_;
    bool adaptationRunning_ = false;
    bool service_ = false;
};

} // namespace zantrel
