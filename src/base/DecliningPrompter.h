#pragma once

#include "base/Prompter.h"

namespace zantrel {

// Answers every question No and shows no notice: where nobody is there to ask.
class DecliningPrompter final : public Prompter {
public:
    bool AskYesNo(const QString&, const QString&) override { return false; }
    void Inform(const QString&, const QString&) override {}
};

} // namespace zantrel
