#include "app/RegistrySettings.h"

#include "base/LanguageStrings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace zantrel {

namespace {

const QString kLastPortKey = QStringLiteral("NrOstatniegoComa");
const QString kSpaceBGKey = QStringLiteral("SpaceBG");
const QString kLastPortDeviceKey = QStringLiteral("LastPortDevice");

} // namespace

QString RegistrySettings::DefaultIniPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("qev/qev.conf"));
}

RegistrySettings::RegistrySettings(const QString& iniPath)
{
#ifdef Q_OS_WIN
    if (iniPath.isEmpty()) {
        settings_ = std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\qev"),
                                                QSettings::NativeFormat);
        return;
    }
#endif
    settings_ = std::make_unique<QSettings>(iniPath.isEmpty() ? DefaultIniPath() : iniPath,
                                            QSettings::IniFormat);
}

RegistrySettings::~RegistrySettings() = default;

QString RegistrySettings::location() const
{
    return settings_->fileName();
}

RegistrySettings::Problem RegistrySettings::sync()
{
    settings_->sync();
    switch (settings_->status()) {
    case QSettings::NoError: return Problem::None;
    case QSettings::AccessError: return Problem::Unwritable;
    case QSettings::FormatError: return Problem::Damaged;
    }
    return Problem::None;
}

RegistrySettings::Loaded RegistrySettings::LoadRegistrySettings()
{
    Loaded out;
    if (settings_->status() == QSettings::FormatError) {
        out.problem = Problem::Damaged;
        return out;
    }

    bool ok = false;
    const int space = settings_->value(kSpaceBGKey).toInt(&ok);
    if (ok && (space == 0 || space == 1))
        out.spaceBG = space == 1;
    else
        settings_->setValue(kSpaceBGKey, int(kDefaultSpaceBG));

    // A stored number is the user's and stays as it is, also one beyond what the port
    // chooser can show; only a missing one gets the default.
    const QVariant port = settings_->value(kLastPortKey);
    if (!port.isValid()) {
        settings_->setValue(kLastPortKey, kDefaultLastPort);
    } else if (const int n = port.toInt(&ok); ok && n >= 1) {
        out.lastPortNumber = n;
    }

    out.lastPortDevice = settings_->value(kLastPortDeviceKey).toString();

    out.problem = sync();
    return out;
}

RegistrySettings::Problem RegistrySettings::SaveSpaceBG(bool on)
{
    settings_->setValue(kSpaceBGKey, int(on));
    return sync();
}

RegistrySettings::Problem RegistrySettings::SaveLastPort(int number)
{
    settings_->setValue(kLastPortKey, number);
    settings_->remove(kLastPortDeviceKey);
    return sync();
}

RegistrySettings::Problem RegistrySettings::SaveLastPortDevice(const QString& path)
{
    settings_->setValue(kLastPortDeviceKey, path);
    return sync();
}

QString SettingsProblemText(const LanguageStrings& texts, RegistrySettings::Problem problem,
                            const QString& location)
{
    switch (problem) {
    case RegistrySettings::Problem::None: return {};
    case RegistrySettings::Problem::Unwritable: return texts[Text::SettingsUnwritable].arg(location);
    case RegistrySettings::Problem::Damaged: return texts[Text::SettingsDamaged].arg(location);
    }
    return {};
}

QString LastPortSettings::RememberLastPort(int number)
{
    return SettingsProblemText(texts_, settings_.SaveLastPort(number), settings_.location());
}

QString LastPortSettings::RememberLastPortDevice(const QString& path)
{
    return SettingsProblemText(texts_, settings_.SaveLastPortDevice(path), settings_.location());
}

} // namespace zantrel
