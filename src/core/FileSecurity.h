#pragma once

#include "core/Result.h"

#include <QString>

/// Files that hold customers' personal and payment details (the database, its safety copy, backup archives) are
/// readable by their owner only.
namespace FileSecurity {

/// From now on every file and folder this process creates is its owner's alone (0600 and 0700) from the first byte:
/// the database, its temporary and safety copies, the traces, exports, documents and unpacked archives. The
/// program sets it before anything else; a chmod afterwards would leave a moment, or a killed run, open to others.
void ownerOnlyFromNowOn();

/// Takes every permission but the owner's read and write from path; a File failure when that fails. On Windows
/// only the read-only flag is set this way; access there follows the folder's access list.
Status restrictToOwner(const QString& path);

} // namespace FileSecurity
