#include "core/Registry.h"

#include "core/InstallPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>
#include <memory>
#include <optional>
#include <vector>

namespace Registry {
namespace {
// Where values are read, first to last. On Windows a standard user cannot write the machine-wide key, so what
// such a user saved is under the per-user key: it comes first, and the machine-wide key (where an installer
// wrote "data") is the fallback.
std::vector<std::unique_ptr<QSettings>> openStores()
{
    std::vector<std::unique_ptr<QSettings>> stores;
    const QString overridePath = qEnvironmentVariable("ZEMHARBOUR_SETTINGS");
    if (!overridePath.isEmpty()) {
        stores.push_back(std::make_unique<QSettings>(overridePath, QSettings::IniFormat));
        return stores;
    }
#ifdef Q_OS_WIN
    stores.push_back(std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromLatin1(KeyPath),
                                                 QSettings::NativeFormat));
    stores.push_back(std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\") + QString::fromLatin1(KeyPath),
                                                 QSettings::NativeFormat));
#else
    stores.push_back(std::make_unique<QSettings>(InstallPaths::settingsFile(), QSettings::IniFormat));
#endif
    return stores;
}

// The store written to: the machine-wide one where it can be written, else the per-user one.
std::unique_ptr<QSettings> openStore()
{
    auto stores = openStores();
    if (stores.size() > 1 && stores.back()->isWritable())
        return std::move(stores.back());
    return std::move(stores.front());
}

// A hand-edited INI value with a comma reads back as a list; the text on its line is what was meant.
std::optional<QString> rawIniText(const QString& file, const QString& valueName)
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

std::optional<QString> readText(const QSettings& store, const QString& valueName)
{
    if (store.status() != QSettings::NoError || !store.contains(valueName))
        return std::nullopt;
    const QVariant value = store.value(valueName);
    if (value.typeId() == QMetaType::QStringList && store.format() == QSettings::IniFormat)
        return rawIniText(store.fileName(), valueName);
    // Only text values count; anything else gives the default.
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}
} // namespace

QString readFirst(const std::vector<const QSettings*>& stores, const QString& valueName, const QString& defaultValue)
{
    for (const QSettings* store : stores) {
        if (auto text = readText(*store, valueName)) {
            const qsizetype nul = text->indexOf(QChar(u'\0'));
            if (nul >= 0)
                text->truncate(nul);
            return *text;
        }
    }
    return defaultValue;
}

QString getRegistryValue(const QString& valueName, const QString& defaultValue)
{
    const auto stores = openStores();
    std::vector<const QSettings*> order;
    for (const auto& store : stores)
        order.push_back(store.get());
    return readFirst(order, valueName, defaultValue);
}

void setRegistryValue(const QString& valueName, const QString& value)
{
    const auto store = openStore();
    store->setValue(valueName, value);
    store->sync();
}

QString getRegistryValue(const Setting& setting)
{
    return getRegistryValue(setting.name, setting.defaultValue);
}

int getRegistryNumber(const Setting& setting)
{
    bool ok = false;
    const int number = getRegistryValue(setting).trimmed().toInt(&ok);
    return ok ? number : setting.defaultValue.toInt();
}

bool isStored(const Setting& setting)
{
    // A text no reader would take counts as stored: the reader then gives the setting's default.
    const QString absent = QStringLiteral("\x01absent");
    return getRegistryValue(setting.name, absent) != absent;
}

QString storeLocation()
{
    return openStore()->fileName();
}

} // namespace Registry

namespace Settings {

namespace {
QString folderKey(const QString& purpose)
{
    return QStringLiteral("Last Folder: ") + purpose;
}
} // namespace

QString startFolder(const QString& purpose, const QString& proposed)
{
    const QString last = Registry::getRegistryValue(folderKey(purpose));
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : proposed;
}

void rememberFolder(const QString& purpose, const QString& chosenFile)
{
    if (!chosenFile.isEmpty())
        Registry::setRegistryValue(folderKey(purpose), QFileInfo(chosenFile).absolutePath());
}

Setting windowSize(const QString& objectName)
{
    return {QStringLiteral("Window Size: ") + objectName, {}};
}

QString databasePath()
{
    const QString value = Registry::getRegistryValue(Data);
    if (value.isEmpty() || value == LegacyDataDefault)
        return InstallPaths::defaultDatabasePath();
    return value;
}

QString tracesFolder()
{
    const QString value = Registry::getRegistryValue(Traces);
    // The old default (and the value the regional settings wrote) named the installation's own traces folder.
    if (value.isEmpty() || value == LegacyTracesDefault || value == QStringLiteral("C:\\Zemc\\Traces\\"))
        return InstallPaths::defaultTracesFolder();
    QString folder = QDir::fromNativeSeparators(value);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace Settings
