#include "maintenance/SafeFiles.h"

#include "core/FileSecurity.h"

#include <QCoreApplication>
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

Status replace(const QString& from, const QString& to)
{
#ifdef _WIN32
    const bool ok =
        MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()), reinterpret_cast<const wchar_t*>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    const bool ok = std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
    if (!ok)
        return fileFailure(QCoreApplication::translate("SafeFiles", "Cannot rename %1 to %2.").arg(from, to));
    syncFolder(QFileInfo(to).absolutePath());
    return Done{};
}

Status copy(const QString& from, const QString& to, const CopyProgress& progress)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return fileFailure(
            QCoreApplication::translate("SafeFiles", "Cannot read %1: %2").arg(from, source.errorString()));
    const QString part = partName(to);
    QFile target(part);
    bool ok = target.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (ok)
        // A file system without owners (a memory stick) cannot restrict it; the copy is still wanted there.
        static_cast<void>(FileSecurity::restrictToOwner(part));
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    QString error;
    const qint64 total = source.size();
    qint64 done = 0;
    bool stopped = false;
    while (ok) {
        const qint64 got = source.read(buffer.data(), buffer.size());
        if (got < 0) {
            error = QCoreApplication::translate("SafeFiles", "Cannot read %1: %2").arg(from, source.errorString());
            ok = false;
            break;
        }
        if (got == 0)
            break;
        ok = target.write(buffer.constData(), got) == got;
        done += got;
        if (ok && progress && progress(total, done)) {
            stopped = true;
            ok = false;
        }
    }
    if (stopped) {
        target.close();
        QFile::remove(part);
        return cancelled();
    }
    ok = ok && sync(target);
    if (!ok && error.isEmpty())
        error = QCoreApplication::translate("SafeFiles", "Cannot write %1: %2").arg(part, target.errorString());
    target.close();
    if (ok) {
        Status replaced = replace(part, to);
        if (replaced)
            return replaced;
        error = replaced.error();
    }
    QFile::remove(part);
    return fileFailure(error);
}

Status linkPart(const QString& from, const QString& to)
{
    const QString part = partName(to);
    QFile::remove(part);
#ifdef _WIN32
    const bool ok = CreateHardLinkW(reinterpret_cast<const wchar_t*>(part.utf16()),
                                    reinterpret_cast<const wchar_t*>(from.utf16()), nullptr) != 0;
#else
    const bool ok = ::link(QFile::encodeName(from).constData(), QFile::encodeName(part).constData()) == 0;
#endif
    if (!ok)
        return fileFailure(QCoreApplication::translate("SafeFiles", "Cannot link %1 to %2.").arg(from, part));
    return Done{};
}

bool remove(const QString& path)
{
    QFile::remove(partName(path));
    QFile::remove(path);
    return !QFileInfo::exists(path) && !QFileInfo::exists(partName(path));
}

} // namespace SafeFiles
