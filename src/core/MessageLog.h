#pragma once

#include <QString>
#include <QVariantList>
#include <optional>

/// The diagnostic message log: message.log in the application directory, one line per message.
namespace MessageLog {

inline constexpr qint64 RotateAboveBytes = 409600;

/// Fills %s %d (argument as text) and %x (eight upper-case hex digits) in format; "%%" gives "%", any other
/// letter after "%" is copied without it. Nothing when an argument is missing.
std::optional<QString> formatLogMessage(const QString& format, const QVariantList& args);

/// Appends "dd/MM/yyyy HH:mm:ss (ERR): message" (INF for 1, DBG for 2, ERR for 3). A file above 400 KB is first
/// moved to message.log.bak. Never reports an error.
void logMessage(int level, const QString& format, const QVariantList& args);

/// The file written: the application directory + "/message.log".
QString logPath();

} // namespace MessageLog
