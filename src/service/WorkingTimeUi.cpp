#include "service/WorkingTimeUi.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "image/ControllerImage.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"

#include <QAction>
#include <QWidget>

#include <memory>

namespace zantrel {

WorkingTimeUi::WorkingTimeUi(ShellWindow& window, LinkGate& gate, ControllerImage& image,
                             const LanguageStrings& texts, Prompter& prompter)
    : QObject(&window.Widget())
    , window_(window)
    , gate_(gate)
    , image_(image)
    , texts_(texts)
    , prompter_(prompter)
{
    connect(window.MenuItem(QStringLiteral("OdczytajCzasPracy1")), &QAction::triggered, this,
            &WorkingTimeUi::ReadCounters);
}

bool WorkingTimeUi::ReadCounters()
{
    auto read = std::make_shared<CounterReadout>();
    LinkJob job;
    ReadCounterWords(job, read);
    // Shown from the loop once the job has ended: the box must not hold the link.
    return gate_.Start(std::move(job), this, [this, read](JobOutcome) {
        QMetaObject::invokeMethod(this, [this, read] { showReport(*read); }, Qt::QueuedConnection);
    });
}

void WorkingTimeUi::showReport(const CounterReadout& read)
{
    const CounterReading reading = StoreCounterRead(image_.Parameters(), read);
    emit image_.CountersChanged();
    prompter_.Inform(texts_[Text::ApplicationTitle],
                     WorkingTimeReport(reading, texts_, window_.EntrySeparators().decimal));
}

} // namespace zantrel
