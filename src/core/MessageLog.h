#pragma once

#include <QString>

/// The diagnostic message log: message.log in the application directory, one line per message.
namespace MessageLog {

inline constexpr qint64 RotateAboveBytes = 409600;

enum class Level
{
    Info = 1,
    Debug = 2,
    Error = 3
};

/// Appends "dd/MM/yyyy HH:mm:ss (ERR): message" (INF for Info, DBG for Debug). A file above 400 KB is first moved
/// to message.log.bak. Never reports an error.
void logMessage(Level level, const QString& message);
inline void logError(const QString& message)
{
    logMessage(Level::Error, message);
}

/// The file written: the application directory + "/message.log".
QString logPath();

} // namespace MessageLog
