#pragma once

#include "core/Result.h"

#include <QString>
#include <memory>

struct Services;
class MainWindow;

/// Start-up: splash, database, event log, main window, tip of the day.
namespace Startup {

/// How the tip of the day is shown at start-up: waiting for it (the program), or opened without waiting so that
/// a caller can go on (tests).
enum class TipMode
{
    Modal,
    Open
};

/// Opens the shared connection on the database the settings name; on the first start from an installation root
/// this user cannot write, it makes an empty database in the user's data folder first. A File or Database failure
/// with the reason (for the log; the user is told "DB Connection Error").
Status openDatabase();

/// Puts the stored interface language in place (Languages::installInterface), before any window is made; what
/// could not be loaded goes to message.log and the program speaks English. Returns the language in use.
QString installLanguage();

/// Runs the start-up in its order. Returns the main window, or nothing when the database could not be opened
/// (the user has been told "DB Connection Error" and the program ends). splashMs is one second in production.
std::unique_ptr<MainWindow> main(Services& services, int splashMs = 1000, TipMode tipMode = TipMode::Modal);

} // namespace Startup
