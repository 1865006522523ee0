#include "core/Registry.h"

#include "core/InstallPaths.h"

#include <QDir>
#include <QFile>
#include <QUrl>
#include <QSettings>
#include <memory>
#include <optional>

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
    return std::make_unique<QSettings>(InstallPaths::Root() + QStringLiteral("/Zem Harbour.ini"), QSettings::IniFormat);
#endif
}

// A hand-edited INI value with a comma reads back as a list; the text on its line is what was meant.
std::optional<QString> RawIniText(const QString& file, const QString& valueName)
{
    QFile ini(file);
    if (!ini.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    bool topLevel = true;
    while (!ini.atEnd()) {
        const QString line = QString::fromUtf8(ini.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            topLevel = line.compare(QStringLiteral("[General]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!topLevel || equals <= 0)
            continue;
        const QString key = QUrl::fromPercentEncoding(line.left(equals).trimmed().toUtf8());
        if (key == valueName)
            return line.mid(equals + 1).trimmed();
    }
    return std::nullopt;
}
} // namespace

QString GetRegistryValue(const QString& valueName, const QString& defaultValue)
{
    const auto store = OpenStore();
    if (store->status() != QSettings::NoError)
        return defaultValue;
    const QVariant value = store->value(valueName);
    QString text;
    if (value.typeId() == QMetaType::QStringList && store->format() == QSettings::IniFormat) {
        text = RawIniText(store->fileName(), valueName).value_or(defaultValue);
    } else if (!value.isValid() || value.typeId() != QMetaType::QString) {
        // Only text values count; anything else (a number, a missing value) gives the default.
        return defaultValue;
    } else {
        text = value.toString();
    }
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

QString StoreLocation() { return OpenStore()->fileName(); }

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
    const QString value = Registry::GetRegistryValue(Data, LegacyDataDefault);
    if (value.isEmpty() || value == LegacyDataDefault)
        return InstallPaths::DefaultDatabasePath();
    return value;
}

QString TracesFolder()
{
    const QString value = Registry::GetRegistryValue(Traces, LegacyTracesDefault);
    // The old default (and the value the regional settings wrote) named the installation's own traces folder.
    if (value.isEmpty() || value == LegacyTracesDefault || value == QStringLiteral("C:\\Zemc\\Traces\\"))
        return InstallPaths::DefaultTracesFolder();
    QString folder = QDir::fromNativeSeparators(value);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace Settings
