#pragma once

#include <QString>

namespace zantrel {

// Every question and notice the program shows goes through this, so features and tests
// can answer them without a display.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A yes/no box; true for Yes.
    virtual bool AskYesNo(const QString& caption, const QString& text) = 0;
    // A box with one OK button.
    virtual void Inform(const QString& caption, const QString& text) = 0;
};

} // namespace zantrel
