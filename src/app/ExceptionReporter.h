#pragma once

#include <exception>

namespace zantrel {

class LanguageStrings;
class Prompter;

// Shows an exception that escaped an event handler and lets the program go on. While one
// report is open, further exceptions (a timer that fails on every tick) are not stacked
// on top of it.
class ExceptionReporter {
public:
    ExceptionReporter(Prompter& prompter, const LanguageStrings& texts);

    void Report(std::exception_ptr error);

private:
    Prompter& prompter_;
    const LanguageStrings& texts_;
    bool showing_ = false;
};

} // namespace zantrel
