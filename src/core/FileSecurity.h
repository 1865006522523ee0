#pragma once

#include "core/Result.h"

#include <QString>

/// Files that hold customers' personal and payment details (the database, its safety copy, backup archives) are
/// readable by their owner only.
namespace FileSecurity {

/// Takes every permission but the owner's read and write from path; a File failure when that fails. On Windows
/// only the read-only flag is set this way; access there follows the folder's access list.
Status restrictToOwner(const QString& path);

} // namespace FileSecurity
