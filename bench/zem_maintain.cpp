// Runs one maintenance operation without a person, as the File menu would (no progress window, messages on
// stderr), and checks a database file afterwards: what bench/drill.sh kills at random moments.
//   zem_maintain backup DATABASE ARCHIVE | restore ARCHIVE DATABASE | compact DATABASE | check DATABASE
#include "core/Database.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "maintenance/BackupRestore.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

class ConsoleMessages final : public IMessageBox
{
public:
    MsgResult show(const QString& text, const QString& title, MsgIcon, MsgButtons) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return MsgResult::Ok;
    }
};

class NoProgress final : public IProgress
{
public:
    void startProgress() override {}
    void stopProgress() override {}
    bool progress(qint64, qint64) override { return false; }
};

/// "ok" and what the file holds (counts and sums of the keys of its main tables), or why it is not sound.
int check(const QString& path)
{
    QString error;
    if (!BackupRestore::isSoundDatabase(path, &error)) {
        std::printf("unsound %s\n", qPrintable(error));
        return 1;
    }
    QString content;
    if (const auto db = Database::open(path, QStringLiteral("check"), 0))
        for (const char* table : {"Customer", "Berth", "Booking", "BookingBerth"})
            content +=
                Sql::scalar(*db, QStringLiteral("SELECT COUNT(*) || '/' || TOTAL(rowid) FROM ") + QLatin1String(table))
                    .value_or(QVariant())
                    .toString() +
                u' ';
    Database::close(QStringLiteral("check"));
    std::printf("ok %s\n", qPrintable(content.trimmed()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    ConsoleMessages messages;
    NoProgress progress;
    if (args.size() == 3 && args[0] == QStringLiteral("backup"))
        return BackupRestore::backUpDatabase(args[1], args[2], -1, QString(), messages, progress) == 0 ? 0 : 1;
    if (args.size() == 3 && args[0] == QStringLiteral("restore"))
        return BackupRestore::restoreDatabase(args[1], args[2], QString(), messages, progress) == 0 ? 0 : 1;
    if (args.size() == 2 && args[0] == QStringLiteral("compact")) {
        QString error;
        if (BackupRestore::compactDatabase(args[1], true, &error))
            return 0;
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    if (args.size() == 2 && args[0] == QStringLiteral("check"))
        return check(args[1]);
    std::fprintf(stderr, "usage: zem_maintain backup DATABASE ARCHIVE | restore ARCHIVE DATABASE | "
                         "compact DATABASE | check DATABASE\n");
    return 2;
}
