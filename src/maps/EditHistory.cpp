#include "maps/EditHistory.h"

#include <utility>

namespace zantrel {

namespace {

std::optional<EditStep> move(std::deque<EditStep>& from, std::deque<EditStep>& to)
{
    if (from.empty())
        return std::nullopt;
    EditStep step = std::move(from.back());
    from.pop_back();
    to.push_back(step);
    return step;
}

} // namespace

void EditHistory::Record(EditStep step)
{
    if (step.empty())
        return;
    redo_.clear();
    undo_.push_back(std::move(step));
    if (undo_.size() > kDepth)
        undo_.pop_front();
}

std::optional<EditStep> EditHistory::TakeUndo()
{
    return move(undo_, redo_);
}

std::optional<EditStep> EditHistory::TakeRedo()
{
    return move(redo_, undo_);
}

void EditHistory::Clear()
{
    undo_.clear();
    redo_.clear();
}

} // namespace zantrel
