#pragma once

#include "base/LanguageStrings.h"
#include "config/EmissionEditor.h"
#include "config/WidgetEditorScreen.h"

#include <QObject>

class QWidget;

namespace zantrel {

class ControllerImage;
class LanguageStrings;
class LinkGate;
class Prompter;
class ShellWindow;

// The controls of the tab "Emisja" and their events; the work is the editor's. The tab
// is shown only in the service view.
class EmissionTab final : public QObject {
    Q_OBJECT
public:
    EmissionTab(ShellWindow& window, ControllerImage& image, LinkGate& gate, Prompter& prompter,
                const LanguageStrings& texts);

    EmissionEditor& Editor() { return editor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(QWidget& page);

    ShellWindow& window_;
    const LanguageStrings& texts_;
    WidgetEditorScreen screen_;
    EmissionEditor editor_;
    // What the memo says: the prompt, or the help of the control entered last; a language
    // change says it again in the new texts.
    Text memoText_ = Text::DescriptionPrompt;
};

} // namespace zantrel
