#pragma once

#include "config/ParameterFiles.h"

#include <QObject>

#include <functional>

namespace zantrel {

class ParameterTransferView;
class ScreenTexts;
class ShellWindow;

// The window side of the parameter files: the three "Plik" menu items, the file dialogs
// that start in "parametry", and the question that lists what a file would change on the
// controller.
class ParameterFilesUi final : public QObject, public ParameterFilesView {
    Q_OBJECT
public:
    // `form`: the screen's texts, for the completeness check; `progress`: the transfer's
    // progress bar and note; `refresh`: the table-to-screen refresh of every word.
    ParameterFilesUi(ShellWindow& window, LinkGate& gate, ControllerImage& image, ParameterTransfer& transfer,
                     ParameterTransferView& progress, const ScreenTexts& form, Prompter& prompter,
                     const LanguageStrings& texts, const QString& workingDirectory, std::function<void()> refresh);

    ParameterFiles& Files() { return files_; }

    std::optional<QString> SavePath(const QString& folder) override;
    std::optional<QString> OpenPath(const QString& folder) override;
    bool FormComplete() const override;
    bool ConfirmLoad(const QStringList& differences) override;
    void RefreshScreen() override;
    void SetProgressMaximum(int maximum) override;
    void SetProgressPosition(int position) override;
    void ShowNote(const QString& text) override;

private:
    ShellWindow& window_;
    ParameterTransferView& progress_;
    const ScreenTexts& form_;
    const LanguageStrings& texts_;
    std::function<void()> refresh_;
    ParameterFiles files_;
};

} // namespace zantrel
