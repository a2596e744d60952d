#pragma once

#include "maps/EditHistory.h"

#include <QChar>

#include <functional>

namespace zantrel {

class EditorScreen;
class LinkJob;
class ParameterTable;
struct InjectionMaps;

// What the finish computes its writes from.
struct FinishInputs {
    float steadyDifferenceMs = 0.0f;
    float pressureMaxBar = 0.0f;
    float pressureMinBar = 0.0f;
    int correction = 100;
};

struct FinishTargets {
    ParameterTable& table;
    InjectionMaps& maps;
    EditorScreen& screen;
    QChar decimal;
};

// The words the run writes, in the order the finish writes them after the two the
// steps write (1 and 3), so that one undo step can take them all back.
inline constexpr int kAdaptWords[] = {1, 3, 22, 18, 24, 45};

// The finish's writes added to `job`: the idle correction (word 3) from the steady
// difference, the vacuum line (word 22), the cut-off and beep pressures (18, 24) and the
// petrol injection type (45) as their fields then show them, each held to its writer's
// limits with the field showing what is stored; then the 84 cells (columns from the last,
// rows from the last) and the 12 curve points. The fields are set at once; the table
// takes the words at once, the maps take each entry as it is sent. `entryWritten` runs
// after each cell (true) and curve point (false). Returns the undo step of the cells and
// curve points as they were.
EditStep AddFinishWrites(LinkJob& job, const FinishInputs& in, FinishTargets targets,
                         std::function<void(bool cell)> entryWritten);

// The run's words as the table holds them now, as the `before` of an undo step.
EditStep SnapshotAdaptWords(const ParameterTable& table);
// The words' `after` from the table, joined to the finish's entries: the one undo step.
EditStep CompleteUndoStep(EditStep words, const ParameterTable& table, const EditStep& entries);

// The fields of the run's words as the table holds them (after an undo), only for words
// the controller's values are known of.
void ShowAdaptWords(const ParameterTable& table, EditorScreen& screen, QChar decimal);

} // namespace zantrel
