#include "core/FileSecurity.h"

#include <QCoreApplication>
#include <QFile>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace FileSecurity {

void ownerOnlyFromNowOn()
{
#if defined(Q_OS_UNIX)
    ::umask(S_IRWXG | S_IRWXO);
#endif
}

Status restrictToOwner(const QString& path)
{
    QFile file(path);
    if (file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return Done{};
    return fileFailure(QCoreApplication::translate("FileSecurity", "Cannot restrict %1 to its owner: %2")
                           .arg(path, file.errorString()));
}

} // namespace FileSecurity
