#include "app/DataPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>

namespace zantrel {
namespace {

// Entries ending in '/' become folders, the others files.
void fill(const QString& folder, std::initializer_list<const char*> entries)
{
    for (const char* entry : entries) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(entry));
        if (path.endsWith(u'/')) {
            ASSERT_TRUE(QDir().mkpath(path)) << entry;
        } else {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << entry;
        }
    }
}

TEST(DataPaths, StartFolderInstalledFolderAndUserFolderAreChosenByWhatTheyHold)
{
    enum Where { Start, Installed, UserData };
    struct Case {
        const char* name;
        std::initializer_list<const char*> start;
        bool startChosen;
        std::initializer_list<const char*> installed; // empty: nothing installed
        bool userDataCreatable;
        Where shipped;
        Where user;
    };
    const Case cases[] = {
        {"a build tree or the demo folder", {"help.txt"}, false, {"help.txt", "lang/"}, true, Start, Start},
        {"languages in the start folder", {"lang/"}, false, {"help.txt"}, true, Start, Start},
        {"a fitter's folder with only the language choice", {"jezyk.txt"}, false, {"help.txt"}, true, Installed, Start},
        {"only the layout choice", {"rozdz.txt"}, false, {"help.txt"}, true, Installed, Start},
        {"only parameter files", {"parametry/"}, false, {"lang/"}, true, Installed, Start},
        {"the desktop menu in a bare home", {}, false, {"help.txt", "lang/"}, true, Installed, UserData},
        {"an installation with languages only", {"Desktop/"}, false, {"lang/"}, true, Installed, UserData},
        {"a bare folder given with --workdir", {}, true, {"help.txt"}, true, Installed, Start},
        {"no installation", {}, false, {}, true, Start, Start},
        {"an installed folder without the shipped files", {}, false, {"README"}, true, Start, Start},
        {"folders named like the files count for nothing", {"help.txt/", "jezyk.txt/"}, false, {"help.txt"}, true,
         Installed, UserData},
        {"a user's folder that cannot be created", {}, false, {"help.txt"}, false, Installed, Start},
    };
    for (const Case& c : cases) {
        QTemporaryDir root;
        const QString start = root.filePath("start");
        const QString installed = root.filePath("usr/share/zantrel");
        ASSERT_TRUE(QDir().mkpath(start));
        fill(start, c.start);
        if (c.installed.size() != 0) {
            ASSERT_TRUE(QDir().mkpath(installed));
            fill(installed, c.installed);
        }
        // A plain file where a parent folder should be stops the folder from being made.
        fill(root.path(), {"blocked"});
        const QString userData = c.userDataCreatable ? root.filePath("home/.local/share/zantrel")
                                                     : root.filePath("blocked/zantrel");

        const DataPaths paths = ChooseDataPaths({start, c.startChosen, installed, userData});

        const QString folders[] = {start, installed, userData};
        EXPECT_EQ(paths.shipped, folders[c.shipped]) << c.name;
        EXPECT_EQ(paths.user, folders[c.user]) << c.name;
        EXPECT_EQ(QFileInfo(userData).isDir(), c.user == UserData) << c.name;
    }
}

} // namespace
} // namespace zantrel
