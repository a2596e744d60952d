#pragma once

#include <QString>

namespace zantrel {

// Where the chosen last port is remembered: the settings store. Each returns the message
// to show when the store could not be written, empty when it was.
class LastPortStore {
public:
    virtual ~LastPortStore() = default;
    virtual QString RememberLastPort(int number) = 0;
    virtual QString RememberLastPortDevice(const QString& path) = 0;
};

} // namespace zantrel
