#pragma once

#include "config/ParameterTransfer.h"

#include <QObject>

#include <functional>

class QProgressBar;
class QPushButton;

namespace zantrel {

class ShellWindow;

// The window side of the parameter transfer: the two invisible buttons that carry the
// bulk operations ("O" reads all, "Z" writes all), the progress bar, the menu items that
// start them, and the refresh that follows a read.
class ParameterTransferUi final : public QObject, public ParameterTransferView {
    Q_OBJECT
public:
    ParameterTransferUi(ShellWindow& window, LinkGate& gate, ControllerImage& image, Prompter& prompter,
                        const LanguageStrings& texts);

    QPushButton* ButtonOdczytajParam = nullptr;
    QPushButton* ButtonZapisWszystkiego = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

    ParameterTransfer& Transfer() { return transfer_; }
    // The table-to-screen refresh of the editors; runs after every read-all and returns
    // the words it set bits in.
    void SetRefresh(std::function<std::vector<int>()> refresh) { refresh_ = std::move(refresh); }

    void SetProgressMaximum(int maximum) override;
    void SetProgressPosition(int position) override;
    void StepProgress() override;
    std::vector<int> RefreshAfterRead() override;
    void ShowNote(const QString& text) override;

private:
    ShellWindow& window_;
    ParameterTransfer transfer_;
    std::function<std::vector<int>()> refresh_;
};

} // namespace zantrel
