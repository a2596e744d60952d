#pragma once

#include "config/ParameterEditors.h"
#include "config/WidgetEditorScreen.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;

namespace zantrel {

struct ControllerIdentity;
class LanguageStrings;
class ParameterTable;
class ParameterTransfer;
class Prompter;
class ShellWindow;

// The window side of the parameter editors: builds both tabs and hands every event of
// their controls to the editors: focus in and out, a pick in a list, a click, the
// typed keys through the control's filter, Enter and the page keys to move the focus.
class ParameterEditorTabs final : public QObject {
    Q_OBJECT
public:
    ParameterEditorTabs(ShellWindow& window, ParameterTable& table, ParameterTransfer& transfer, Prompter& prompter,
                        const LanguageStrings& texts, const ControllerIdentity& identity);

    ParameterEditors& Editors() { return editors_; }
    // The parameter controls by name, for writers outside the tabs.
    EditorScreen& Screen() { return screen_; }
    // The table-to-screen refresh that follows every read-all; the words it set bits in.
    std::vector<int> RefreshAfterRead();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget& control);
    bool keyPress(QWidget& control, QKeyEvent& key);
    void move(QWidget& from, const FocusMove& to);

    ShellWindow& window_;
    const ControllerIdentity& identity_;
    WidgetEditorScreen screen_;
    ParameterEditors editors_;
    // The edit that saw Enter go down: only there does its release write.
    QPointer<QWidget> enterPressedIn_;
};

} // namespace zantrel
