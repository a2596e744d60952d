#pragma once

#include "image/ControllerIdentity.h"
#include "image/ParameterTable.h"

#include <QObject>

namespace zantrel {

// The program's one image of the controller: what it has read from it, what the editors
// have changed and written, and who it is. Owned by main and lent to the windows, so a
// test builds a fresh one. Each part has a signal that its writers emit once a change of
// theirs is complete (a read-all, a reset, a file load), so that the readers of the whole
// image (reports, export, files, replay) see it whole.
class ControllerImage final : public QObject {
    Q_OBJECT
public:
    explicit ControllerImage(QObject* parent = nullptr) : QObject(parent) {}

    ParameterTable& Parameters() { return parameters_; }
    const ParameterTable& Parameters() const { return parameters_; }

    const ControllerIdentity& Identity() const { return identity_; }
    void SetIdentity(const ControllerIdentity& identity)
    {
        identity_ = identity;
        emit IdentityChanged();
    }

signals:
    void ParametersChanged();
    void IdentityChanged();

private:
    ParameterTable parameters_;
    ControllerIdentity identity_;
};

} // namespace zantrel
