#include "core/MessageLog.h"

#include "core/InstallPaths.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace MessageLog {

std::optional<QString> formatLogMessage(const QString& format, const QVariantList& args)
{
    QString result;
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != u'%') {
            result += c;
            continue;
        }
        if (++i >= format.size())
            break;
        const QChar k = format.at(i).toLower();
        if (k == u's' || k == u'd' || k == u'x') {
            if (next >= args.size())
                return std::nullopt;
            const QVariant arg = args.at(next++);
            if (k == u'x') {
                bool ok = false;
                const qlonglong value = arg.toLongLong(&ok);
                if (!ok)
                    return std::nullopt;
                result += QStringLiteral("%1").arg(static_cast<quint32>(value), 8, 16, QChar(u'0')).toUpper();
            } else {
                result += arg.toString();
            }
        } else {
            result += format.at(i);
        }
    }
    return result;
}

QString logPath()
{
    return InstallPaths::messageLogPath();
}

void logMessage(int level, const QString& format, const QVariantList& args)
{
    const auto message = formatLogMessage(format, args);
    if (!message)
        return;
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
    case 1:
        tag = QStringLiteral(" (INF): ");
        break;
    case 2:
        tag = QStringLiteral(" (DBG): ");
        break;
    case 3:
        tag = QStringLiteral(" (ERR): ");
        break;
    default:
        break;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) + tag + *message +
                         QStringLiteral("\r\n");
    file.write(line.toUtf8());
}

} // namespace MessageLog
