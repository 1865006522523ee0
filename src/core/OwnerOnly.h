#pragma once

#include <QString>

/// Files that hold the whole business (database copies, backup archives) carry customers' details: nobody but
/// the user who made them may read them.
namespace OwnerOnly {

/// Sets path to read and write for its owner only; false when the file system refused.
bool Restrict(const QString& path);

} // namespace OwnerOnly
