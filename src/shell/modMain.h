#pragma once

#include <memory>

struct Services;
class MDIMain;

/// Start-up: splash, database, event log, main window.
namespace modMain {

/// Runs the start-up in its order. Returns the main window, or nothing when the database could not be opened
/// (the user has been told "DB Connection Error" and the program ends). splashMs is one second in production.
std::unique_ptr<MDIMain> Main(Services& services, int splashMs = 1000);

} // namespace modMain
