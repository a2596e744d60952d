#pragma once

#include <QApplication>

namespace zantrel {

class ExceptionReporter;

// The application object: an exception that escapes an event handler is reported and
// the event loop goes on.
class ZantrelApplication final : public QApplication {
    Q_OBJECT
public:
    ZantrelApplication(int& argc, char** argv, ExceptionReporter& reporter);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    ExceptionReporter& reporter_;
};

} // namespace zantrel
