#pragma once

#include "service/InjectorMask.h"

#include <QWidget>

#include <array>

class QPushButton;

namespace zantrel {

class EcuCommands;
class LiveRecord;
class Prompter;
class ShellWindow;

// The injector switches of the diagnostics tab: a button per gas injector, whose font
// colour carries its state (red on, black off), and the exit button.
class InjectorButtons final : public QWidget {
    Q_OBJECT
public:
    InjectorButtons(ShellWindow& window, EcuCommands& cmds, LiveRecord& record, const LanguageStrings& texts,
                    Prompter& prompter, QWidget* parent);

    std::array<QPushButton*, kGasInjectors> ButtonW{};
    QPushButton* ButtonExitDiag = nullptr;

    // Injector n (1..8): inverts its bit of the reported mask and sends the mask.
    void ButtonWClick(int injector);
private:
    // Whether the exit button may leave the tab: at once while every injector is on,
    // otherwise as the user answers the warning.
    bool ConfirmLeave();
    // "Włączony" or "Wyłączony" on each button, as its font colour says, in the current texts.
    void RefreshTexts();

    InjectorsOff offByColour() const;

    ShellWindow& window_;
    EcuCommands& cmds_;
    LiveRecord& record_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
};

} // namespace zantrel
