#pragma once

#include "base/Prompter.h"

class QWidget;

namespace zantrel {

// The prompter on screen: modal message boxes. Texts are shown as plain text and in
// full; a long text makes the box grow, one too tall for the screen scrolls inside it,
// and the text can be selected and copied.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    bool AskYesNo(const QString& caption, const QString& text) override;
    void Inform(const QString& caption, const QString& text) override;

private:
    QWidget* parent_;
};

} // namespace zantrel
