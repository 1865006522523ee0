#include "core/InstallPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace InstallPaths {
namespace {
QString& OverrideRoot()
{
    static QString root;
    return root;
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

void SetRoot(const QString& root) { OverrideRoot() = QDir::cleanPath(root); }

QString AppDir() { return Root() + QStringLiteral("/bin"); }

QString DefaultDatabasePath() { return Root() + QStringLiteral("/data/DB.sqlite"); }

QString DefaultTracesFolder() { return Root() + QStringLiteral("/traces/"); }

} // namespace InstallPaths
