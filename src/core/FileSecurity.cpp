#include "core/FileSecurity.h"

#include <QFile>

namespace FileSecurity {

bool restrictToOwner(const QString& path, QString* error)
{
    QFile file(path);
    if (file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return true;
    if (error)
        *error = QStringLiteral("Cannot restrict %1 to its owner: %2").arg(path, file.errorString());
    return false;
}

} // namespace FileSecurity
