#pragma once

#include <QString>

/// Where the installation lives. The root is the parent of the program's folder (root/bin/), so the build tree
/// runs like an installed copy; tests point it at a temporary folder.
///
/// A system-wide installation (from the .deb) has a root a normal user cannot write: then the database, the
/// traces and message.log default to the user's data folder and the settings to the user's configuration folder,
/// so the program still starts with a working database of its own.
namespace InstallPaths {

/// The installation root, without a trailing separator.
QString root();
/// Replaces the root for the rest of the run (tests give every case a fresh installation).
void setRoot(const QString& root);
/// root/bin: the application directory of the documented paths (tips, help).
QString appDir();
/// Whether this user may write the installation root.
bool rootWritable();
/// The folder that holds the data, traces and message.log by default: the root, or the user's data folder
/// ("Zem Software/Zem Harbour" under the standard data location) when the root is not writable.
QString dataHome();
/// data/DB.sqlite under dataHome(): the database used when the settings name none.
QString defaultDatabasePath();
/// traces/ under dataHome(): the folder that holds the event log's day folders when the settings name none.
QString defaultTracesFolder();
/// message.log: in root/bin, or in dataHome() when the root is not writable.
QString messageLogPath();
/// The settings file outside Windows: root/Zem Harbour.ini, or "Zem Software/Zem Harbour.ini" in the user's
/// configuration folder when the root is not writable.
QString settingsFile();

} // namespace InstallPaths
