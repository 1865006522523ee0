#pragma once

#include "core/Result.h"

#include <QString>
#include <functional>

class QFile;

/// The file steps every maintenance operation is built from, each safe against a power cut or a killed
/// process: a file is written beside its final name under a ".part" name, forced to the disk, and only then
/// renamed over the old one, so the old or the new file is there, never half of one.
namespace SafeFiles {

/// The name a file is written under before it takes its final name.
QString partName(const QString& path);
/// Forces what was written to file onto the disk.
bool sync(QFile& file);
/// Forces a folder's entries (a rename just made) onto the disk; a no-op where the system has no such call.
void syncFolder(const QString& folder);
/// Renames from over to in one step, replacing to when it exists; a File failure leaves both as they were.
Status replace(const QString& from, const QString& to);
/// Told the bytes copied of the total after each block; true stops the copy.
using CopyProgress = std::function<bool(qint64 total, qint64 done)>;

/// Copies from to to through partName(to), readable by the owner only; to is replaced only by a complete copy.
/// Cancelled, to left as it was, when progress asked to stop.
Status copy(const QString& from, const QString& to, const CopyProgress& progress = {});
/// Gives the file at from a second name, to, without copying a byte: a hard link under partName(to), renamed over
/// to by replace(). A File failure where the file system has no such links (a FAT stick), to left as it was.
Status linkPart(const QString& from, const QString& to);
/// Removes a file and a leftover ".part" of it; true when neither is there afterwards.
bool remove(const QString& path);

} // namespace SafeFiles
