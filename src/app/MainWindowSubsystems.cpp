// The main window builds its secondary windows and wires each subsystem in.
#include "app/MainWindow.h"

#include "adapt/AdaptationTab.h"

#include "config/InjectorNoiseWindow.h"
#include "config/InjectorSettingsUi.h"
#include "config/InjectorSettingsWindow.h"
#include "config/LowRpmTab.h"
#include "config/ParameterEditorTabs.h"
#include "config/ParameterFilesUi.h"
#include "config/ParameterTransferUi.h"
#include "config/EmissionTab.h"
#include "config/TemperatureMapTab.h"
#include "config/TurboPressureWindow.h"
#include "image/ControllerImage.h"
#include "link/ConnectingWindow.h"
#include "link/LinkBusyUi.h"
#include "link/PortChooserWindow.h"
#include "link/PortMenu.h"
#include "live/DiagnosticTimes.h"
#include "live/LiveView.h"
#include "live/ReadingsTab.h"
#include "live/RecorderControls.h"
#include "live/ReplayControls.h"
#include "live/StatusPanel.h"
#include "maps/MapKindChooserWindow.h"
#include "maps/MapPointPresetsWindow.h"
#include "maps/MapValueModifierWindow.h"
#include "maps/MapsUi.h"
#include "reports/ReportsUi.h"
#include "service/CarDataUi.h"
#include "service/CarDataWindow.h"
#include "service/ErrorCodesUi.h"
#include "service/FactoryTab.h"
#include "service/FuelSwitchUi.h"
#include "service/IdleCorrectionUi.h"
#include "service/IdleCorrectionWindow.h"
#include "service/InjectorButtons.h"
#include "service/ReserveGaugeUi.h"
#include "service/ReserveGaugeWindow.h"
#include "service/WorkingTimeUi.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

void TForm1::CreateSecondaryWindows(const CommandLineOptions& options)
{
    Form5 = new TForm5(this);
    Form6 = new TForm6(this);
    Form7 = new TForm7(this);
    Form8 = new TForm8(separators_.decimal, this);
    Form9 = new TForm9(this);
    Form10 = new TForm10(this);
    Form11 = new TForm11(this);
    Form12 = new TForm12(this);
    Form13 = new TForm13(this);
    Form14 = new TForm14(this);
    Form15 = new TForm15(this);
    new LinkBusyUi(gate_, this);
    OnTextsChanged([this] { statusPanel_->RefreshTexts(texts_); });
    transferUi_ = new ParameterTransferUi(*this, gate_, image_, prompter_, texts_);
    portMenu_ = new PortMenu(*this, *Form13, *Form14, TimerAutoconnect, link_, commands_, image_, texts_, prompter_,
                             *lastPortSettings_, [this] { transferUi_->ButtonOdczytajParam->click(); });
    parameterTabs_ = new ParameterEditorTabs(*this, parameters_, transferUi_->Transfer(), prompter_, texts_,
                                             image_.Identity());
    transferUi_->SetRefresh([this] { return parameterTabs_->RefreshAfterRead(); });
    new InjectorSettingsUi(*this, *Form10, parameterTabs_->Editors(), prompter_, texts_);
    new TurboBoostUi(*this, *Form15, parameters_, transferUi_->Transfer());
    LiveView& live = *liveView_;
    auto* maps = new MapsUi(*this, gate_, image_, transferUi_->Transfer(), prompter_, texts_,
                            {*Form7, *Form8, *Form9, *transferUi_->ProgressBar1, *EditStatus, live.Poll(), live.Record()});
    connect(liveView_, &LiveView::MapBandStep, maps, &MapsUi::ShowLiveBand);
    parameterTabs_->Editors().OnIgnitionTypeWritten(
        [maps](std::function<void()> then) { return maps->Editor().ReencodeSpeedPoints(std::move(then)); });
    temperatureMap_ = new TemperatureMapTab(*this, image_, gate_, prompter_, texts_);
    parameterTabs_->Editors().OnFuelShown([this](quint32 fuel) {
        temperatureMap_->Editor().LoadFuelPreset(fuel);
        liveView_->Readings().ShowFuelPressureSectors(fuel);
    });
    new EmissionTab(*this, image_, gate_, prompter_, texts_);
    new LowRpmTab(*this, image_, gate_, prompter_, texts_);
    new FuelSwitchUi(*this, commands_, live.Record(), live.State(), live.Panel(), *live.Readings().ImageClips);
    new ErrorCodesUi(*this, commands_, live.Record(), texts_, prompter_, *live.Panel().AbLEDError);
    new AdaptationTab(
        *this, live.AdaptationMeter(),
        {link_, commands_, live.Poll(), live.Record(), gate_, image_, parameterTabs_->Editors(),
         parameterTabs_->Screen(), maps->Editor().History(), prompter_, texts_, separators_.decimal},
        {{&TimerAutoTemp, &TimerNaBenz1, &TimerWdepniecieBenzyna, &TimerNaGaz1, &TimerWdepniecieLPG, &TimerNaBenz2,
          &TimerOpoznienie1, &TimerWolneRpmBenz, &TimerNaGaz2, &TimerOpoznienie2, &TimerWolneRpmLPG},
         &TimerVizualizacja, &TimerAutoconnect},
        *transferUi_->ProgressBar1, maps->Editor(), [this](bool running) { SetAdaptationRunning(running); });
    injectorButtons_ = new InjectorButtons(*this, commands_, live.Record(), texts_, prompter_, Tab(TabId::TabSheet10));
    // Below the injection times, above the column's closing stretch.
    QVBoxLayout* diagnostics = live.Diagnostics().Column;
    diagnostics->insertWidget(diagnostics->count() - 1, injectorButtons_);
    // The device data follow the read-all before the car data, whose question comes last.
    factory_ = new FactoryTab(*this, gate_, image_, transferUi_->Transfer(), parameterTabs_->Editors(), texts_,
                              prompter_);
    carData_ = new CarDataUi(*this, *Form5, gate_, image_, transferUi_->Transfer(), *transferUi_, texts_, prompter_,
                             [this] { close(); });
    workingTime_ = new WorkingTimeUi(*this, gate_, image_, texts_, prompter_);
    reserveGauge_ = new ReserveGaugeUi(*this, *Form12, *factory_, parameterTabs_->Editors(), live.Record(),
                                       parameters_, texts_, prompter_);
    connect(&live, &LiveView::GasLevelShown, reserveGauge_, &ReserveGaugeUi::ShowGasLevel);
    idleCorrection_ = new IdleCorrectionUi(*this, *Form11, *factory_);
    reports_ = new ReportsUi(*this, *Form5, *Form9, *Form11, texts_, prompter_);
    new ParameterFilesUi(*this, gate_, image_, transferUi_->Transfer(), *transferUi_, reports_->Screen(), prompter_,
                         texts_, WorkingDirectory(),
                         [this] { parameterTabs_->Editors().Refresh(false, image_.Identity()); });
    recorder_ = new RecorderControls(*this, live.Poll(), live.Record(), portMenu_->Manager(), texts_, prompter_);
    replay_ = new ReplayControls(*this, TimerVizualizacjaDEMO, live, portMenu_->Manager(), texts_, prompter_);
    // From the loop, so that a message about the file shows over the window.
    if (options.replay)
        QMetaObject::invokeMethod(
            this, [this, path = *options.replay] { replay_->OpenReplay(path); }, Qt::QueuedConnection);
}

// "Czytaj" of the temperature map, on every visit of its tab.
void TForm1::ReadTemperatureMap()
{
    temperatureMap_->Editor().Read();
}

} // namespace zantrel
