#include "core/InstallPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace InstallPaths {
namespace {
QString& overrideRoot()
{
    static QString root;
    return root;
}

// The standard folder names are fixed here rather than taken from the application's names, so every part of the
// program (and the command-line steps, which set no names) finds the same files.
QString userFolder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location) + QStringLiteral("/Zem Software");
}
} // namespace

QString root()
{
    if (!overrideRoot().isEmpty())
        return overrideRoot();
    QDir bin(QCoreApplication::applicationDirPath());
    bin.cdUp();
    return QDir::cleanPath(bin.absolutePath());
}

void setRoot(const QString& root)
{
    overrideRoot() = QDir::cleanPath(root);
}

QString appDir()
{
    return root() + QStringLiteral("/bin");
}

bool rootWritable()
{
    return QFileInfo(root()).isWritable();
}

QString dataHome()
{
    return rootWritable() ? root() : userFolder(QStandardPaths::GenericDataLocation) + QStringLiteral("/Zem Harbour");
}

QString defaultDatabasePath()
{
    return dataHome() + QStringLiteral("/data/DB.sqlite");
}

QString defaultTracesFolder()
{
    return dataHome() + QStringLiteral("/traces/");
}

QString messageLogPath()
{
    return (rootWritable() ? appDir() : dataHome()) + QStringLiteral("/message.log");
}

QString settingsFile()
{
    return rootWritable() ? root() + QStringLiteral("/Zem Harbour.ini")
                          : userFolder(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Zem Harbour.ini");
}

} // namespace InstallPaths
