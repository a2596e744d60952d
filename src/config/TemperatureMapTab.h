#pragma once

#include "config/TemperatureMapEditor.h"
#include "config/WidgetEditorScreen.h"

#include <QObject>

class QWidget;

namespace zantrel {

class ControllerImage;
class LanguageStrings;
class LinkGate;
class Prompter;
class ShellWindow;

// The controls of the tab "Mapa temperaturowa" and their events; the work is the
// editor's.
class TemperatureMapTab final : public QObject {
    Q_OBJECT
public:
    TemperatureMapTab(ShellWindow& window, ControllerImage& image, LinkGate& gate, Prompter& prompter,
                      const LanguageStrings& texts);

    TemperatureMapEditor& Editor() { return editor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(QWidget& page);

    ShellWindow& window_;
    const LanguageStrings& texts_;
    WidgetEditorScreen screen_;
    TemperatureMapEditor editor_;
};

} // namespace zantrel
