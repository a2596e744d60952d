#pragma once

#include "link/LastPortStore.h"

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace zantrel {

// The two remembered values of the settings store: the number of the last port and
// whether the space bar switches fuel. On Windows they live under
// HKEY_LOCAL_MACHINE\SOFTWARE\qev; elsewhere in an ini file the user can write.
class RegistrySettings {
public:
    static constexpr int kDefaultLastPort = 8;
    static constexpr bool kDefaultSpaceBG = true;

    enum class Problem { None, Unwritable, Damaged };

    struct Loaded {
        bool spaceBG = kDefaultSpaceBG;
        std::optional<int> lastPortNumber; // absent: the start values stay
        // A device path chosen for the last port where ports have paths; it wins over
        // the number.
        QString lastPortDevice;
        Problem problem = Problem::None;
    };

    // An empty path selects the platform's store.
    explicit RegistrySettings(const QString& iniPath = {});
    ~RegistrySettings();

    // Reads both values and writes the defaults of those that are missing. A stored port
    // number is never rewritten: one from 1 up is the last port (also beyond the chooser's
    // 256); one below 1 or not a number leaves the start value in use.
    Loaded LoadRegistrySettings();
    Problem SaveSpaceBG(bool on);
    // Saving a number forgets a stored device path.
    Problem SaveLastPort(int number);
    Problem SaveLastPortDevice(const QString& path);

    QString location() const;
    static QString DefaultIniPath();

private:
    Problem sync();

    std::unique_ptr<QSettings> settings_;
};

class LanguageStrings;

// The settings store as the port menu remembers the last port in it.
class LastPortSettings final : public LastPortStore {
public:
    LastPortSettings(RegistrySettings& settings, const LanguageStrings& texts) : settings_(settings), texts_(texts) {}
    QString RememberLastPort(int number) override;
    QString RememberLastPortDevice(const QString& path) override;

private:
    RegistrySettings& settings_;
    const LanguageStrings& texts_;
};

// The message for a settings problem; empty for none.
QString SettingsProblemText(const LanguageStrings& texts, RegistrySettings::Problem problem,
                            const QString& location);

} // namespace zantrel
