#include "core/MessageLog.h"

#include "core/InstallPaths.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace MessageLog {

QString logPath()
{
    return InstallPaths::messageLogPath();
}

void logMessage(Level level, const QString& message)
{
    const QString path = logPath();
    const QFileInfo info(path);
    if (info.exists() && info.size() > RotateAboveBytes) {
        const QString backup = path + QStringLiteral(".bak");
        // The previous backup makes way, so the log keeps being written after its second rotation.
        QFile::remove(backup);
        if (!QFile::rename(path, backup))
            return;
    }
    QString tag;
    switch (level) {
    case Level::Info:
        tag = QStringLiteral(" (INF): ");
        break;
    case Level::Debug:
        tag = QStringLiteral(" (DBG): ");
        break;
    case Level::Error:
        tag = QStringLiteral(" (ERR): ");
        break;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) + tag + message +
                         QStringLiteral("\r\n");
    file.write(line.toUtf8());
}

} // namespace MessageLog
