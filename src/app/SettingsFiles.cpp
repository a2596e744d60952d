#include "app/SettingsFiles.h"

#include <QDir>
#include <QFile>

namespace zantrel {

namespace {

const QString kLanguageFile = QStringLiteral("jezyk.txt");
const QString kResolutionFile = QStringLiteral("rozdz.txt");

// Opened for reading and writing, as a read-only file counts as missing.
// nullopt: cannot be opened; -1: empty.
std::optional<int> firstByte(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return std::nullopt;
    char c = 0;
    if (f.read(&c, 1) != 1)
        return -1;
    return int(quint8(c));
}

bool writeByte(const QString& path, int value)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const char c = char(quint8(value));
    return f.write(&c, 1) == 1;
}

} // namespace

std::optional<int> LoadLanguageCode(const QString& directory)
{
    const std::optional<int> b = firstByte(QDir(directory).filePath(kLanguageFile));
    if (!b)
        return kPolishLanguageCode;
    if (*b < 0)
        return std::nullopt;
    return b;
}

bool SaveLanguageCode(const QString& directory, int code)
{
    return writeByte(QDir(directory).filePath(kLanguageFile), code);
}

std::optional<int> LoadResolutionByte(const QString& directory)
{
    const std::optional<int> b = firstByte(QDir(directory).filePath(kResolutionFile));
    if (!b)
        return 0;
    if (*b < 0)
        return std::nullopt;
    return b;
}

std::optional<Resolution> ChooseResolution(std::optional<int> stored, bool allow1024, bool allow1280)
{
    if (!stored)
        return std::nullopt;
    switch (*stored) {
    case 0: return Resolution::R800x600;
    case 1: return allow1024 ? Resolution::R1024x768 : Resolution::R800x600;
    case 2:
        if (allow1280)
            return Resolution::R1280x1024;
        return allow1024 ? Resolution::R1024x768 : Resolution::R800x600;
    default: return std::nullopt;
    }
}

bool SaveResolution(const QString& directory, Resolution r)
{
    return writeByte(QDir(directory).filePath(kResolutionFile), int(r));
}

} // namespace zantrel
