#include "core/InstallPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace InstallPaths {
namespace {
QString& OverrideRoot()
{
    static QString root;
    return root;
}

// The standard folder names are fixed here rather than taken from the application's names, so every part of the
// program (and the command-line steps, which set no names) finds the same files.
QString UserFolder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location) + QStringLiteral("/Zem Software");
}
} // namespace

QString Root()
{
    if (!OverrideRoot().isEmpty())
        return OverrideRoot();
    QDir bin(QCoreApplication::applicationDirPath());
    bin.cdUp();
    return QDir::cleanPath(bin.absolutePath());
}

void SetRoot(const QString& root)
{
    OverrideRoot() = QDir::cleanPath(root);
}

QString AppDir()
{
    return Root() + QStringLiteral("/bin");
}

bool RootWritable()
{
    return QFileInfo(Root()).isWritable();
}

QString DataHome()
{
    return RootWritable() ? Root() : UserFolder(QStandardPaths::GenericDataLocation) + QStringLiteral("/Zem Harbour");
}

QString DefaultDatabasePath()
{
    return DataHome() + QStringLiteral("/data/DB.sqlite");
}

QString DefaultTracesFolder()
{
    return DataHome() + QStringLiteral("/traces/");
}

QString MessageLogPath()
{
    return (RootWritable() ? AppDir() : DataHome()) + QStringLiteral("/message.log");
}

QString SettingsFile()
{
    return RootWritable() ? Root() + QStringLiteral("/Zem Harbour.ini")
                          : UserFolder(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Zem Harbour.ini");
}

} // namespace InstallPaths
