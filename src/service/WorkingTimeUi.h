#pragma once

#include "service/WorkingTimeReport.h"

#include <QObject>

namespace zantrel {

class ControllerImage;
class LanguageStrings;
class LinkGate;
class Prompter;
class ShellWindow;

// Ctrl+T, "Odczytaj Czas Pracy Sterownika": reads the counters as a job through the
// gate and shows the report once the job has ended.
class WorkingTimeUi final : public QObject {
    Q_OBJECT
public:
    WorkingTimeUi(ShellWindow& window, LinkGate& gate, ControllerImage& image, const LanguageStrings& texts,
                  Prompter& prompter);

    // False when another job holds the link.
    bool ReadCounters();

private:
    void showReport(const CounterReadout& read);

    ShellWindow& window_;
    LinkGate& gate_;
    ControllerImage& image_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
};

} // namespace zantrel
