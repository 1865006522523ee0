#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

/// The pictures of the main window and the small windows, compiled into the program (resources/shell.qrc).
namespace ShellResources {

/// A toolbar picture by its file name without extension ("calendar"); the @2x variant is picked up on
/// high-density screens.
QIcon icon(const QString& name);
/// The product logo of the splash and the about box.
QPixmap logo();

} // namespace ShellResources
