#include "core/OwnerOnly.h"

#include <QFile>

namespace OwnerOnly {

bool Restrict(const QString& path)
{
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace OwnerOnly
