#pragma once

#include "config/ParameterTransfer.h"

namespace zantrel {

// A transfer's view that shows nothing and refreshes nothing: for a transfer that exists
// without a window (the command line, a benchmark).
class QuietTransferView final : public ParameterTransferView {
public:
    void SetProgressMaximum(int) override {}
    void SetProgressPosition(int) override {}
    void StepProgress() override {}
    std::vector<int> RefreshAfterRead() override { return {}; }
    void ShowNote(const QString&) override {}
};

} // namespace zantrel
