#pragma once

#include <QString>

namespace zantrel {

// Where the program finds the files it ships (help.txt, lang/) and where it keeps the
// user's own (jezyk.txt, rozdz.txt, parametry/). `user` is the start directory that the
// rest of the program works in.
struct DataPaths {
    QString shipped;
    QString user;

    friend bool operator==(const DataPaths&, const DataPaths&) = default;
};

// The folders the choice is made among.
struct DataFolders {
    QString start;            // current when the program started, or the --workdir folder
    bool startChosen = false; // the start folder was given with --workdir
    QString installed;        // the installed data folder; need not exist
    QString userData;         // the user's data folder; created when it is chosen
};

// A start folder that holds the shipped files keeps everything as it always was, and so
// does any start folder when no installed data folder holds them (a build tree, a fitter's
// folder). Otherwise the shipped files come from the installed data folder, and the
// user's files stay in the start folder when it already holds some or was given with
// --workdir; else (a start from the desktop menu, in the home folder) they go to the
// user's data folder, which is created. A user's data folder that cannot be created
// leaves them in the start folder.
[[nodiscard]] DataPaths ChooseDataPaths(const DataFolders& folders);

// The installed data folder as seen from the folder of the program: <prefix>/share/zantrel
// beside <prefix>/bin, wherever the prefix was unpacked.
[[nodiscard]] QString InstalledDataFolder(const QString& programFolder);

// The choice for this process (its program folder and the user's application data
// location), logged under the category "zantrel.paths" at info level.
[[nodiscard]] DataPaths StartDataPaths(const QString& start, bool startChosen);

} // namespace zantrel
