#pragma once

#include "config/ParameterFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace zantrel {

class ControllerImage;
class LanguageStrings;
class LinkGate;
class ParameterTransfer;
class Prompter;
enum class JobOutcome;

// What the file operations ask of the window: the file dialogs, the form's completeness,
// the question with the comparison, the refresh and the progress.
class ParameterFilesView {
public:
    virtual ~ParameterFilesView() = default;

    // The chosen path, or nothing when the dialog was cancelled. Both start in `folder`.
    virtual std::optional<QString> SavePath(const QString& folder) = 0;
    virtual std::optional<QString> OpenPath(const QString& folder) = 0;
    // Whether every edit the file's parameters come from holds a text.
    virtual bool FormComplete() const = 0;
    // Shows what the file would change and asks to write it ("Zapisz do sterownika"
    // or "Anuluj"); true to write.
    virtual bool ConfirmLoad(const QStringList& differences) = 0;
    // The table-to-screen refresh, of every word, and the map editors from the maps.
    virtual void RefreshScreen() = 0;
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual void ShowNote(const QString& text) = 0;
};

// The path with ".qevp" added when it has no extension.
[[nodiscard]] QString WithParameterExtension(const QString& path);

// A parameter file read whole: its data, or the message that says why not (missing,
// unreadable or a folder: the file message; fewer than 258 bytes: "Plik jest za krótki").
struct ParameterFileRead {
    std::optional<ParameterFileData> data;
    QString error;
};
[[nodiscard]] ParameterFileRead ReadParameterFile(const QString& path, const LanguageStrings& texts);
// Writes the file whole or not at all; false when it cannot be written.
[[nodiscard]] bool WriteParameterFile(const QString& path, const ParameterFileData& data);

// The menu's three file operations: "Zapisz Parametry", "Odczytaj Parametry" (the file
// into the program and the controller, after the comparison and the user's yes, as one
// job through the gate, then the read of all), and "Odczytaj parametry bez sterownika"
// (the file into the program only: nothing is sent).
class ParameterFiles {
public:
    ParameterFiles(LinkGate& gate, ControllerImage& image, ParameterTransfer& transfer, ParameterFilesView& view,
                   Prompter& prompter, const LanguageStrings& texts, QString folder, QChar decimalSeparator);

    // The folder "parametry" below the start folder, where the dialogs start.
    const QString& Folder() const { return folder_; }

    // False when nothing was saved (incomplete form, cancelled, the file not written).
    bool Save();
    // False when nothing was started (cancelled, a bad file, the link busy).
    bool LoadAndProgram();
    bool LoadWithoutController();

    // The same on a path already chosen.
    bool SaveTo(const QString& path);
    bool LoadAndProgramFrom(const QString& path);
    bool LoadWithoutControllerFrom(const QString& path);

private:
    std::optional<ParameterFileData> read(const QString& path);
    void loaded(JobOutcome outcome);

    LinkGate& gate_;
    ControllerImage& image_;
    ParameterTransfer& transfer_;
    ParameterFilesView& view_;
    Prompter& prompter_;
    const LanguageStrings& texts_;
    QString folder_;
    QChar decimal_;
    QObject lifetime_;
};

} // namespace zantrel
