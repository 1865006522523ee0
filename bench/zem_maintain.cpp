// Runs one maintenance operation without a person, as the File menu would (no progress window, messages on
// stderr), and checks a database file afterwards: what bench/drill.sh kills at random moments and
// bench/archive-fuzz.sh feeds hostile archives.
//   zem_maintain backup DATABASE ARCHIVE | restore ARCHIVE DATABASE | compact DATABASE | check DATABASE
//   zem_maintain pack FILE ARCHIVE       the codec alone, as a backup packs (FILE is not opened as a database)
#include "core/Database.h"
#include "core/SqlHelpers.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/BackupRestore.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

class NoProgress final : public IProgress
{
public:
    void startProgress() override {}
    void stopProgress() override {}
    bool progress(qint64, qint64) override { return false; }
};

/// The outcome as the File menu would show it, on stderr; 0 on success.
int report(const Status& outcome, const QString& success)
{
    if (outcome)
        std::fprintf(stderr, "Information: %s\n", qPrintable(success));
    else if (outcome.kind() != FailureKind::Cancelled)
        std::fprintf(stderr, "Error!: %s\n", qPrintable(outcome.error()));
    return outcome ? 0 : 1;
}

/// "ok" and what the file holds (counts and sums of the keys of its main tables), or why it is not sound.
int check(const QString& path)
{
    if (const Status sound = BackupRestore::isSoundDatabase(path); !sound) {
        std::printf("unsound %s\n", qPrintable(sound.error()));
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
    NoProgress progress;
    if (args.size() == 3 && args[0] == QStringLiteral("backup"))
        return report(BackupRestore::backUpDatabase(args[1], args[2], -1, QString(), progress),
                      QStringLiteral("Database backuped"));
    if (args.size() == 3 && args[0] == QStringLiteral("restore"))
        return report(BackupRestore::restoreDatabase(args[1], args[2], QString(), progress),
                      QStringLiteral("Database restored"));
    if (args.size() == 3 && args[0] == QStringLiteral("pack")) {
        const int packed = ttsgz::zcompress(args[1], args[2], QStringLiteral("0"), -1);
        if (packed != ttsgz::NoError)
            std::fprintf(stderr, "%s\n", qPrintable(ttsgz::errorText(packed)));
        return packed == ttsgz::NoError ? 0 : 1;
    }
    if (args.size() == 2 && args[0] == QStringLiteral("compact")) {
        const Status compacted = BackupRestore::compactDatabase(args[1], true);
        if (compacted)
            return 0;
        std::fprintf(stderr, "%s\n", qPrintable(compacted.error()));
        return 1;
    }
    if (args.size() == 2 && args[0] == QStringLiteral("check"))
        return check(args[1]);
    std::fprintf(stderr, "usage: zem_maintain backup DATABASE ARCHIVE | restore ARCHIVE DATABASE | "
                         "compact DATABASE | check DATABASE | pack FILE ARCHIVE\n");
    return 2;
}
