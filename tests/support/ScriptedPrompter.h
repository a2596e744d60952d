#pragma once

#include "base/Prompter.h"

#include <QString>

#include <deque>
#include <vector>

namespace zantrel::test {

// Answers questions from a script and keeps every box it was asked to show. A question
// with no scripted answer left fails the running test and is answered No.
class ScriptedPrompter final : public Prompter {
public:
    struct Box {
        QString caption;
        QString text;
    };

    std::deque<bool> answers;
    std::vector<Box> questions;
    std::vector<Box> notices;

    bool AskYesNo(const QString& caption, const QString& text) override;
    void Inform(const QString& caption, const QString& text) override;
};

} // namespace zantrel::test
