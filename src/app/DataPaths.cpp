#include "app/DataPaths.h"

#include "app/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

namespace zantrel {

namespace {

Q_LOGGING_CATEGORY(pathsLog, "zantrel.paths", QtWarningMsg)

bool holdsFile(const QString& folder, const char* name)
{
    return QFileInfo(QDir(folder).filePath(QString::fromLatin1(name))).isFile();
}

bool holdsFolder(const QString& folder, const char* name)
{
    return QFileInfo(QDir(folder).filePath(QString::fromLatin1(name))).isDir();
}

bool holdsShippedFiles(const QString& folder)
{
    return !folder.isEmpty() && (holdsFile(folder, kHelpFile) || holdsFolder(folder, "lang"));
}

bool holdsUserFiles(const QString& folder)
{
    return holdsFile(folder, "jezyk.txt") || holdsFile(folder, "rozdz.txt") || holdsFolder(folder, "parametry");
}

} // namespace

DataPaths ChooseDataPaths(const DataFolders& folders)
{
    const QString& start = folders.start;
    if (holdsShippedFiles(start) || !holdsShippedFiles(folders.installed))
        return {start, start};
    if (folders.startChosen || holdsUserFiles(start) || folders.userData.isEmpty()
        || !QDir().mkpath(folders.userData))
        return {folders.installed, start};
    return {folders.installed, folders.userData};
}

QString InstalledDataFolder(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(ZANTREL_DATA_FROM_BIN)));
}

DataPaths StartDataPaths(const QString& start, bool startChosen)
{
    const DataPaths paths = ChooseDataPaths({
        start,
        startChosen,
        InstalledDataFolder(QCoreApplication::applicationDirPath()),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
    });
    qCInfo(pathsLog).noquote() << "help file:" << HelpFilePath(paths.shipped);
    qCInfo(pathsLog).noquote() << "user's files in:" << paths.user;
    return paths;
}

} // namespace zantrel
