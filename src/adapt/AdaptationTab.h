#pragma once

#include "adapt/AdaptationRun.h"
#include "adapt/AdaptationView.h"

#include <QObject>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zantrel {

class AdaptationSpeedMeter;
class MapEditor;
class ShellWindow;

// The shell's timers that a run drives: the step timers in step order, and the live-data
// and autodetection timers it holds for its length.
struct AdaptationTimers {
    std::array<QTimer*, kAdaptSteps> steps{};
    QTimer* live = nullptr;
    QTimer* autoconnect = nullptr;
};

// The tab "Adaptacja[F6]": the start button, the memo, the eight result fields, the
// bar ProgressAd beside the meter of the live view, and "Cofnij", which takes the last
// run's writes back through the map undo.
class AdaptationTab final : public QObject, public AdaptationView {
    Q_OBJECT
public:
    AdaptationTab(ShellWindow& window, AdaptationSpeedMeter& meter, const AdaptationParts& parts,
                  const AdaptationTimers& timers, QProgressBar& stepProgress, MapEditor& maps,
                  std::function<void(bool running)> setRunning);

    QPushButton* ButtonRozpocznijAuto = nullptr;
    QPushButton* ButtonCofnijAutoadaptacje = nullptr;
    QPlainTextEdit* MemoAutoadaptacja = nullptr;
    QGroupBox* GroupBoxWyniki = nullptr;
    std::array<QLineEdit*, kAdaptFields> Fields{};
    QProgressBar* ProgressAd = nullptr;

    AdaptationRun& Run() { return run_; }
    // The texts after a change of language.
    void RefreshTexts();

    void RunStepTimer(AdaptStep step) override;
    void HoldLiveTimers(bool held) override;
    void ShowMessage(const QString& text) override;
    void ShowField(AdaptField field, const QString& text) override;
    void ShowRunning(bool running, const QString& buttonText, bool buttonEnabled) override;
    void ShowStepProgress(int maximum, int position) override;
    void ShowOverallProgress(int value) override;
    void FinishWritten() override;

private:
    void build(QWidget* page, AdaptationSpeedMeter& meter);
    // After a change of page: when the shell has stopped the step timers (its leave-tab
    // question was answered Yes, and it started the live-data timer again), the run ends.
    void pageChanged();
    void undo();

    const LanguageStrings& texts_;
    Prompter& prompter_;
    EditorScreen& screen_;
    ControllerImage& image_;
    QChar decimal_;
    AdaptationTimers timers_;
    QProgressBar& stepProgress_;
    MapEditor& maps_;
    std::function<void(bool)> setRunning_;
    std::array<QLabel*, kAdaptFields> labels_{};
    AdaptationRun run_;
};

} // namespace zantrel
