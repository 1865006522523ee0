#include "maintenance/SafeFiles.h"

#include "core/FileSecurity.h"

#include <QFile>
#include <QFileInfo>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace SafeFiles {

QString partName(const QString& path)
{
    return path + QStringLiteral(".part");
}

bool sync(QFile& file)
{
    if (!file.flush())
        return false;
#ifdef _WIN32
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

void syncFolder(const QString& folder)
{
#ifndef _WIN32
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

bool replace(const QString& from, const QString& to, QString* error)
{
#ifdef _WIN32
    const bool ok =
        MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()), reinterpret_cast<const wchar_t*>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    const bool ok = std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
    if (!ok) {
        if (error)
            *error = QStringLiteral("Cannot rename %1 to %2.").arg(from, to);
        return false;
    }
    syncFolder(QFileInfo(to).absolutePath());
    return true;
}

bool copy(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(from, source.errorString());
        return false;
    }
    const QString part = partName(to);
    QFile target(part);
    bool ok = target.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (ok)
        // A file system without owners (a memory stick) cannot restrict it; the copy is still wanted there.
        static_cast<void>(FileSecurity::restrictToOwner(part));
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (ok) {
        const qint64 got = source.read(buffer.data(), buffer.size());
        if (got < 0) {
            ok = false;
            if (error)
                *error = QStringLiteral("Cannot read %1: %2").arg(from, source.errorString());
            break;
        }
        if (got == 0)
            break;
        ok = target.write(buffer.constData(), got) == got;
    }
    ok = ok && sync(target);
    if (!ok && error && error->isEmpty())
        *error = QStringLiteral("Cannot write %1: %2").arg(part, target.errorString());
    target.close();
    ok = ok && replace(part, to, error);
    if (!ok)
        QFile::remove(part);
    return ok;
}

bool remove(const QString& path)
{
    QFile::remove(partName(path));
    QFile::remove(path);
    return !QFileInfo::exists(path) && !QFileInfo::exists(partName(path));
}

} // namespace SafeFiles
