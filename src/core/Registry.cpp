#include "core/Registry.h"

#include "core/InstallPaths.h"

#include <QDir>
#include <QSettings>
#include <memory>

namespace Registry {
namespace {
std::unique_ptr<QSettings> OpenStore()
{
    const QString overridePath = qEnvironmentVariable("ZEMHARBOUR_SETTINGS");
    if (!overridePath.isEmpty())
        return std::make_unique<QSettings>(overridePath, QSettings::IniFormat);
#ifdef Q_OS_WIN
    const QString key = QStringLiteral("HKEY_LOCAL_MACHINE\\") + QString::fromLatin1(KeyPath);
    auto machine = std::make_unique<QSettings>(key, QSettings::NativeFormat);
    if (machine->isWritable())
        return machine;
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromLatin1(KeyPath),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(InstallPaths::SettingsFile(), QSettings::IniFormat);
#endif
}
} // namespace

QString GetRegistryValue(const QString& valueName, const QString& defaultValue)
{
    const auto store = OpenStore();
    if (store->status() != QSettings::NoError)
        return defaultValue;
    const QVariant value = store->value(valueName);
    // Only text values count; anything else (a list, a missing value) gives the default.
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return defaultValue;
    QString text = value.toString();
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

void SetRegistryValue(const QString& valueName, const QString& value)
{
    const auto store = OpenStore();
    store->setValue(valueName, value);
    store->sync();
}

QString GetRegistryValue(const Setting& setting)
{
    return GetRegistryValue(setting.name, setting.defaultValue);
}

int GetRegistryNumber(const Setting& setting, int fallback)
{
    return GetRegistryNumber(setting.name, setting.defaultValue, fallback);
}

QString StoreLocation()
{
    return OpenStore()->fileName();
}

int GetRegistryNumber(const QString& valueName, const QString& defaultValue, int fallback)
{
    bool ok = false;
    const int number = GetRegistryValue(valueName, defaultValue).trimmed().toInt(&ok);
    return ok ? number : fallback;
}

} // namespace Registry

namespace Settings {

QString DatabasePath()
{
    const QString value = Registry::GetRegistryValue(Data);
    if (value.isEmpty() || value == LegacyDataDefault)
        return InstallPaths::DefaultDatabasePath();
    return value;
}

QString TracesFolder()
{
    const QString value = Registry::GetRegistryValue(Traces);
    // The old default (and the value the regional settings wrote) named the installation's own traces folder.
    if (value.isEmpty() || value == LegacyTracesDefault || value == QStringLiteral("C:\\Zemc\\Traces\\"))
        return InstallPaths::DefaultTracesFolder();
    QString folder = QDir::fromNativeSeparators(value);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace Settings
