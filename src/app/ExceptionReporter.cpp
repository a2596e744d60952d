#include "app/ExceptionReporter.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"

#include <QString>

namespace zantrel {

ExceptionReporter::ExceptionReporter(Prompter& prompter, const LanguageStrings& texts)
    : prompter_(prompter)
    , texts_(texts)
{
}

void ExceptionReporter::Report(std::exception_ptr error)
{
    if (showing_)
        return;
    QString message = texts_[Text::UnknownException];
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    struct Showing {
        bool& flag;
        explicit Showing(bool& f) : flag(f) { flag = true; }
        ~Showing() { flag = false; }
    } showing(showing_);
    prompter_.Inform(texts_[Text::ApplicationTitle], message);
}

} // namespace zantrel
