#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

namespace zantrel {

// What an edit changed, entry by entry, so that undoing it writes the entries back as
// they were and redoing it writes them as the edit left them. The values are those the
// entry's writer takes: a byte for cells and curve points, the shown value (rpm, 0.1 ms)
// for a point, which is encoded again when written back.
// A parameter word joins a step when a run writes words together with the maps; its
// value is the 16-bit word.
enum class EditTarget { MapCell, MapPoint, CurvePoint, ParameterWord };

struct EditChange {
    EditTarget target = EditTarget::MapCell;
    int index = 0;
    int before = 0;
    int after = 0;
    // An entry that was not known before the edit is not written back by an undo: its
    // old value was never the controller's.
    bool knownBefore = true;
};
using EditStep = std::vector<EditChange>;

// The steps of undo and redo, newest last. A new step drops what could be redone.
class EditHistory {
public:
    static constexpr std::size_t kDepth = 100;

    void Record(EditStep step);
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The step to undo (or redo), moved to the other side.
    std::optional<EditStep> TakeUndo();
    std::optional<EditStep> TakeRedo();
    void Clear();

private:
    std::deque<EditStep> undo_;
    std::deque<EditStep> redo_;
};

} // namespace zantrel
