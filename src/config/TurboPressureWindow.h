#pragma once

#include <QDialog>
#include <QObject>

class QScrollBar;

namespace zantrel {

class ParameterTable;
class ParameterTransfer;
class ShellWindow;

// The turbo boost pressure dialog: "Zapisz zmiany" accepts, "ANULUJ" rejects.
class TForm15 : public QDialog {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);

    static constexpr int kPositionAtCreation = 35;
    QScrollBar* ScrollBarTurbo = nullptr;
};

// "USTAW" beside the turbo list (and its hidden twin): the dialog shows the boost of
// word 12 as read, and "Zapisz zmiany" writes word 12 = position + 100.
class TurboBoostUi final : public QObject {
    Q_OBJECT
public:
    TurboBoostUi(ShellWindow& window, TForm15& dialog, ParameterTable& table, ParameterTransfer& transfer);

    // False when the dialog was cancelled or the write refused.
    bool SetBoost();

private:
    TForm15& dialog_;
    ParameterTable& table_;
    ParameterTransfer& transfer_;
};

} // namespace zantrel
