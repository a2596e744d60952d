#pragma once

#include "config/ParameterFile.h"
#include "maps/MapTransfer.h"

namespace zantrel {

class LinkJob;

// A parameter file into the program and the controller, as steps added to a job. The
// table and the maps take the file's values when the steps are built (the table's words
// and the maps' entries are no longer what the controller holds, so they count as not
// known); each map entry becomes known once its frames have gone, the words once the
// write of all words has. The controller then holds the file: the points, the curve,
// the cells (columns from the last down, rows from the last up, each with its pair
// word), the points once more, and the 64 words with the programmed marker in word 0.
// The working-time counters go out as the table holds them where it has read them.
// A job that ends early leaves the controller with what had gone out by then.
void AddParameterFileLoad(LinkJob& job, const ParameterFileData& file, ParameterTable& table, InjectionMaps& maps,
                          MapProgress progress = {});

} // namespace zantrel
