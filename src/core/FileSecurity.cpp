#include "core/FileSecurity.h"

#include <QCoreApplication>
#include <QFile>

namespace FileSecurity {

Status restrictToOwner(const QString& path)
{
    QFile file(path);
    if (file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return Done{};
    return fileFailure(QCoreApplication::translate("FileSecurity", "Cannot restrict %1 to its owner: %2")
                           .arg(path, file.errorString()));
}

} // namespace FileSecurity
