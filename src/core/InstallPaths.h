#pragma once

#include <QString>

/// Where the installation lives. The root is the parent of the program's folder (root/bin/), so the build tree
/// runs like an installed copy; tests point it at a temporary folder.
namespace InstallPaths {

/// The installation root, without a trailing separator.
QString Root();
/// Replaces the root for the rest of the run (tests give every case a fresh installation).
void SetRoot(const QString& root);
/// root/bin: the application directory of the documented paths (message.log, tips, help).
QString AppDir();
/// root/data/DB.sqlite: the database used when the settings name none.
QString DefaultDatabasePath();
/// root/traces/: the folder that holds the event log's day folders when the settings name none.
QString DefaultTracesFolder();

} // namespace InstallPaths
