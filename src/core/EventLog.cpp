#include "core/EventLog.h"

#include "core/DateTimes.h"
#include "core/Registry.h"
#include "core/Seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <iterator>

namespace EventLog {

namespace {
QString& currentLogPath()
{
    static QString path;
    return path;
}

const QString DayPattern = QStringLiteral("ddMMyyyy");
} // namespace

QString eventText(int code)
{
    static const char* const texts[] = {
        "Application started",
        "Application closed",
        "Berth added",
        "Berth modified",
        "Berth deleted",
        "Customer added",
        "Customer modified",
        "Customer deleted",
        "Owner added",
        "Owner modified",
        "Owner deleted",
        "Booking added",
        "Booking modified",
        "Booking cancelled",
        "Settings modified",
        "Web booking generated",
        "Customers exported",
        "Reservations exported",
        "Today's reservations exported",
        "Database compacted",
        "Database backup performed",
        "Database restore performed",
        "Report generated",
        "Report printed",
        "Mailing list generated",
        "Configuration modified",
        "Regional settings modified",
        "Boat booked into a berth too small",
        "Payment recorded",
        "Refund recorded",
        "Invoice issued",
        "Berth blocked",
        "Berth block modified",
        "Berth block removed",
        "Guest arrived",
        "Guest departed",
        "Guest did not arrive",
        "Guest's stay put back",
        "Credit note issued",
        "User signed in",
        "Sign-in refused",
        "User locked after wrong tries",
        "User added",
        "User modified",
        "Action approved by a manager",
        "Month closed",
        "Month reopened",
    };
    if (code == DataImported)
        return QStringLiteral("Data imported");
    if (code == ImportUndone)
        return QStringLiteral("Import undone");
    // Contracts keep the codes from 60 of their own.
    static const char* const contractTexts[] = {"Contract made",
                                                "Contract cancelled",
                                                "Contract instalment invoiced",
                                                "Contract payment recorded",
                                                "Contract changed",
                                                "Contract renewed",
                                                "Contract lapsed"};
    if (code >= ContractMade && code < ContractMade + int(std::size(contractTexts)))
        return QString::fromLatin1(contractTexts[code - ContractMade]);
    static const char* const awayTexts[] = {"Holder's absence reported", "Holder's absence removed",
                                            "Holders' share modified"};
    if (code >= AwayReported && code <= HolderShareModified)
        return QString::fromLatin1(awayTexts[code - AwayReported]);
    static const char* const meterTexts[] = {"Meter modified", "Meter reading added", "Meter tariffs modified",
                                             "Meter charge posted", "Meter readings imported"};
    if (code >= MeterModified && code < MeterModified + int(std::size(meterTexts)))
        return QString::fromLatin1(meterTexts[code - MeterModified]);
    static const char* const feedTexts[] = {"Calendar feed added", "Calendar feed removed", "Calendar feed read",
                                            "Calendar feed could not be read"};
    if (code >= CalendarFeedAdded && code <= CalendarFeedUnreadable)
        return QString::fromLatin1(feedTexts[code - CalendarFeedAdded]);
    if (code == RequestReceived)
        return QStringLiteral("Booking request received");
    if (code == RequestDecided)
        return QStringLiteral("Booking request answered");
    if (code == RequestHoldExpired)
        return QStringLiteral("Booking request's hold expired");
    static const char* const mailTexts[] = {"E-mail queued", "Reminders queued", "Mail server settings modified"};
    if (code >= MailQueued && code <= MailSettingsModified)
        return QString::fromLatin1(mailTexts[code - MailQueued]);
    constexpr int count = sizeof(texts) / sizeof(texts[0]);
    if (code < 0 || code >= count)
        return {};
    return QString::fromLatin1(texts[code]);
}

QString dayFolderName(const QDate& day)
{
    return day.toString(DayPattern);
}

void initEventLog(const QDate& today)
{
    currentLogPath().clear();
    const QString dayFolder = Settings::tracesFolder() + dayFolderName(today);
    if (!QDir().mkpath(dayFolder))
        return; // no event log for this run
    currentLogPath() = dayFolder + QStringLiteral("/events.Log");
}

QString logPath()
{
    return currentLogPath();
}

void logEvent(const QDateTime& when, int code, const QString& description)
{
    if (currentLogPath().isEmpty())
        return;
    QFile file(currentLogPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    QString entry = u'[' + DateTimes::generalDateText(when) + QStringLiteral("]\r\n");
    if (const QString text = eventText(code); !text.isEmpty())
        entry += u'[' + text + QStringLiteral("]\r\n");
    if (!description.isEmpty())
        entry += description + QStringLiteral("\r\n");
    entry += QStringLiteral("\r\n");
    file.write(entry.toUtf8());
}

QStringList oldTraceFolders(const QString& tracesFolder, const QDateTime& now)
{
    const QDateTime cutoff = DateTimes::dateOnly(now.addDays(-7));
    QStringList old;
    const QStringList names = QDir(tracesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : names) {
        if (name.size() != DayPattern.size())
            continue;
        const auto day = DateTimes::parseDateByFormat(name, DayPattern);
        if (day && *day < cutoff)
            old << name;
    }
    return old;
}

QString deleteOldTracesQuestion()
{
    return QCoreApplication::translate("EventLog", "Do you want to delete traces older than 7 days?");
}

QString endOfWorkdayTitle()
{
    return QCoreApplication::translate("EventLog", "End of workday");
}

Result<int> deleteOldTraces(const QDateTime& now)
{
    const QString traces = Settings::tracesFolder();
    int deleted = 0;
    QStringList kept;
    for (const QString& name : oldTraceFolders(traces, now)) {
        QDir folder(traces + name);
        // Read-only files go too: make everything writable first.
        const QStringList files = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& file : files)
            QFile::setPermissions(folder.filePath(file), QFile::ReadOwner | QFile::WriteOwner);
        if (folder.removeRecursively())
            ++deleted;
        else
            kept << QDir::toNativeSeparators(folder.path());
    }
    if (!kept.isEmpty())
        return fileFailure(QCoreApplication::translate("EventLog", "These trace folders could not be deleted:\n%1")
                               .arg(kept.join(u'\n')));
    return deleted;
}

} // namespace EventLog

namespace EventLog {

Result<TraceText> readTraceFile(const QString& path, qint64 maxBytes)
{
    TraceText result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileFailure(QCoreApplication::translate("EventLog", "Cannot read %1: %2").arg(path, file.errorString()));
    QByteArray bytes = file.read(maxBytes);
    result.truncated = !file.atEnd();
    // Binary content shows as replacement characters rather than cutting the text at the first NUL.
    bytes.replace('\0', "\xEF\xBF\xBD");
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString& line : lines)
        result.text += line + QStringLiteral("\r\n");
    return result;
}

} // namespace EventLog
