#pragma once

#include "config/LowRpmTabEditor.h"
#include "config/WidgetEditorScreen.h"

#include <QObject>

class QLabel;
class QSlider;
class QWidget;

namespace zantrel {

class ControllerImage;
class LanguageStrings;
class LinkGate;
class Prompter;
class ShellWindow;

// The controls of TabSheet11: the low-RPM filter group and the dynamic-correction group,
// built hidden. The tab itself is shown by the parameter refresh for a controller that
// has the filter. Every read of the parameters fills the controls; filling them writes
// nothing.
class LowRpmTab final : public QObject {
    Q_OBJECT
public:
    LowRpmTab(ShellWindow& window, ControllerImage& image, LinkGate& gate, Prompter& prompter,
              const LanguageStrings& texts);

    LowRpmTabEditor& Editor() { return editor_; }
    // The slider's value in percent, as shown.
    double SliderPercent() const;
    void Refresh();

private:
    void build(QWidget& page);
    void showSlider(double percent);

    ShellWindow& window_;
    WidgetEditorScreen screen_;
    LowRpmTabEditor editor_;
    QSlider* slider_ = nullptr;
    QLabel* sliderValue_ = nullptr;
};

} // namespace zantrel
