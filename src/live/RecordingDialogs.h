#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace zantrel {

// Asks for a file; empty when the user cancels. Tests put their own in place.
using FileChooser = std::function<QString()>;

// ZapiszDaneRamkiDialog: where a recording goes (".jovr" added, asks before replacing).
QString ChooseRecordingToSave(QWidget* parent);
// OpenDialogDEMO: which recording to play ("Pliki Demo").
QString ChooseRecordingToOpen(QWidget* parent);

} // namespace zantrel
