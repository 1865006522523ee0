#include "maintenance/ServerArchive.h"

#include "core/Database.h"
#include "core/Dialect.h"
#include "core/MessageLog.h"
#include "core/SqlHelpers.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/BackupRestore.h"
#include "maintenance/RestoreScript.h"
#include "maintenance/SafeFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QVersionNumber>
#include <functional>

#ifndef _WIN32
#include <csignal>
#endif

namespace {

const QString DumpSession = QStringLiteral("zemharbour-backup");
const QString RestoreSession = QStringLiteral("zemharbour-restore");
const QString CheckSession = QStringLiteral("zemharbour-restore-check");
// Where the check of an archive writes the harbour's own schema to compare it with; nothing else uses the name.
const QString ReferenceSchema = QStringLiteral("zem_restore_reference");

QString uniqueConnectionName()
{
    static int next = 0;
    return QStringLiteral("zem-server-maintenance-%1").arg(++next);
}

/// The last lines a program wrote, for the message log.
QString tail(const QString& text)
{
    QStringList lines = text.trimmed().split(u'\n');
    if (lines.size() > 8)
        lines = lines.mid(lines.size() - 8);
    return lines.join(QStringLiteral(" / "));
}

/// The table a verbose line of pg_dump ("dumping contents of table "s.t"") or pg_restore ("processing data for
/// table "s.t"") names; "" for any other line.
QString tableOfLine(const QString& line)
{
    if (!line.contains(QStringLiteral("contents of table \"")) && !line.contains(QStringLiteral("data for table \"")))
        return {};
    const qsizetype open = line.indexOf(u'"');
    const qsizetype close = line.indexOf(u'"', open + 1);
    const QString name = line.mid(open + 1, close - open - 1);
    return name.mid(name.lastIndexOf(u'.') + 1);
}

/// Runs a client program with the progress window live: the bar follows the tables the program reports (by their
/// weight), and inside the current one what withinTable says (when given; never more than that table's weight). It
/// is fed every 100 ms, which is also when a cancel is looked for. A confirmed cancel interrupts the program the
/// way Ctrl+C would, so it asks the server to cancel its statement before it exits.
int runWithProgress(const QString& program, const QStringList& args, const QHash<QString, qint64>& weights,
                    const std::function<qint64()>& withinTable, IProgress& progress, int phase, int phases,
                    QString* output)
{
    qint64 total = 0;
    for (const qint64 weight : weights)
        total += weight;
    total = std::max<qint64>(total, 1);
    constexpr qint64 Scale = 1000;
    const auto show = [&](qint64 done) {
        return progress.progress(Scale * phases, Scale * phase + Scale * std::min(done, total) / total);
    };

    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, args);
    if (!process.waitForStarted(30000)) {
        *output = QCoreApplication::translate("ServerArchive", "%1 could not be started: %2")
                      .arg(program, process.errorString());
        return ttsgz::ReadError;
    }
    qint64 done = 0;
    QString current;
    QString text;
    bool cancelled = false;
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(100);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    const auto poll = [&] {
        tick.stop(); // the cancel question is a window of its own: no second tick while it waits
        while (process.canReadLine()) {
            const QString line = QString::fromLocal8Bit(process.readLine());
            text += line;
            const QString table = tableOfLine(line);
            if (!table.isEmpty()) {
                done += weights.value(current);
                current = table;
            }
        }
        if (process.state() == QProcess::NotRunning) {
            loop.quit();
            return;
        }
        const qint64 within = withinTable && !current.isEmpty() ? std::min(withinTable(), weights.value(current)) : 0;
        if (show(done + within)) {
            cancelled = true;
            // The program may have ended while the question waited: a pid of 0 would signal our own process group.
            if (process.state() != QProcess::NotRunning && process.processId() > 0) {
#ifdef _WIN32
                process.kill();
#else
                ::kill(static_cast<pid_t>(process.processId()), SIGINT);
#endif
            }
            loop.quit();
            return;
        }
        tick.start();
    };
    QObject::connect(&tick, &QTimer::timeout, &loop, poll);
    process.setReadChannel(QProcess::StandardError);
    // A cancel asked for while the window appeared is taken before the program has done anything.
    poll();
    if (!cancelled && process.state() != QProcess::NotRunning)
        loop.exec();
    tick.stop();
    if (cancelled && !process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
    if (process.state() != QProcess::NotRunning)
        process.waitForFinished(-1);
    text += QString::fromLocal8Bit(process.readAllStandardError());
    *output = tail(text);
    if (cancelled)
        return ttsgz::UserAbort;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return ttsgz::ReadError;
    show(total);
    return ttsgz::NoError;
}

/// A short program run to its end (the archive's table of contents); false with its messages when it failed.
bool runToEnd(const QString& program, const QStringList& args, QString* output)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, args);
    const bool finished = process.waitForStarted(30000) && process.waitForFinished(120000);
    if (!finished)
        process.kill();
    process.waitForFinished();
    *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString messages = QString::fromLocal8Bit(process.readAllStandardError());
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    *output =
        finished
            ? tail(messages)
            : QCoreApplication::translate("ServerArchive", "%1 did not finish: %2").arg(program, process.errorString());
    return false;
}

/// A connection that needs only the server, not our tables in the database (a restore may fill an empty one).
class CheckConnection final
{
public:
    CheckConnection(const QString& uri, QString* error) : m_name(uniqueConnectionName())
    {
        const auto address = parseServerAddress(uri);
        if (!address) {
            if (error)
                *error = address.error();
            return;
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        db.setHostName(address->host);
        if (address->port > 0)
            db.setPort(address->port);
        db.setUserName(address->user);
        db.setDatabaseName(address->database);
        db.setConnectOptions(QStringLiteral("connect_timeout=10") +
                             (address->options.isEmpty() ? QString() : u';' + address->options));
        m_open = db.open();
        if (!m_open && error)
            *error = db.lastError().text().trimmed();
    }
    ~CheckConnection() { QSqlDatabase::removeDatabase(m_name); }
    Q_DISABLE_COPY_MOVE(CheckConnection)

    std::optional<QSqlDatabase> db() const
    {
        if (!m_open)
            return std::nullopt;
        return QSqlDatabase::database(m_name, false);
    }

private:
    QString m_name;
    bool m_open = false;
};

std::optional<int> count(const QString& uri, const QString& sql, const QVariantList& binds, QString* error)
{
    std::optional<int> count;
    {
        const CheckConnection check(uri, error);
        if (const auto db = check.db())
            if (const auto value = Sql::scalar(*db, sql, binds, error))
                count = value->toInt();
        if (const auto db = check.db())
            QSqlDatabase(*db).close();
    }
    return count;
}

/// After a cancelled or failed restore: waits (up to ten seconds) until the server has rolled back and ended the
/// restore's session, so the program's own connection does not queue behind its locks.
void waitForRestoreSessionToEnd(const QString& uri)
{
    QElapsedTimer waited;
    waited.start();
    QString ignored;
    while (waited.elapsed() < 10000) {
        const auto left =
            count(uri,
                  QStringLiteral("SELECT COUNT(*) FROM pg_stat_activity WHERE datname = current_database() "
                                 "AND application_name = ?"),
                  {RestoreSession}, &ignored);
        if (!left || *left == 0)
            return;
        QThread::msleep(100);
    }
}

} // namespace

namespace ServerArchive {

QString findTool(const QString& name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return onPath;
    // Debian keeps each server version's programs side by side; the newest reads every older server's data.
    const QDir root(QStringLiteral("/usr/lib/postgresql"));
    QVersionNumber best;
    QString found;
    for (const QString& version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString program = root.filePath(version + QStringLiteral("/bin/") + name);
        const QVersionNumber number = QVersionNumber::fromString(version);
        if (QFileInfo(program).isExecutable() && (found.isEmpty() || number > best)) {
            best = number;
            found = program;
        }
    }
    return found;
}

Result<QString> connectionString(const QString& uri, const QString& applicationName)
{
    const auto address = parseServerAddress(uri);
    if (!address)
        return address.failure();
    QStringList parts;
    const auto add = [&](const QString& key, QString value) {
        if (value.isEmpty())
            return;
        value.replace(u'\\', QStringLiteral("\\\\"));
        value.replace(u'\'', QStringLiteral("\\'"));
        parts << key + QStringLiteral("='") + value + u'\'';
    };
    add(QStringLiteral("dbname"), address->database);
    add(QStringLiteral("host"), address->host);
    add(QStringLiteral("port"), address->port > 0 ? QString::number(address->port) : QString());
    add(QStringLiteral("user"), address->user);
    add(QStringLiteral("application_name"), applicationName);
    add(QStringLiteral("connect_timeout"), QStringLiteral("10"));
    // A restore must not wait for ever behind a desk that connected after the check; it fails and changes nothing.
    if (applicationName == RestoreSession)
        add(QStringLiteral("options"), QStringLiteral("-c lock_timeout=10s"));
    for (const QString& option : address->options.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = option.indexOf(u'=');
        add(option.left(equals), option.mid(equals + 1));
    }
    return parts.join(u' ');
}

namespace {

/// A codec code from a pg_dump or pg_restore run as the result the callers take: the server could not be read
/// (Database), the archive could not be written (File), a confirmed cancel.
Status asStatus(int result, const QString& error)
{
    switch (result) {
    case ttsgz::NoError:
        return Done{};
    case ttsgz::UserAbort:
        return cancelled();
    case ttsgz::WriteError:
        return fileFailure(error);
    default:
        return databaseFailure(error);
    }
}

QString notInstalled(const QString& program)
{
    return QCoreApplication::translate("ServerArchive", "%1 is not installed (Debian: postgresql-client).")
        .arg(program);
}

/// What a restore takes from an archive, the same for the restore and for its check: the objects of one schema,
/// dropped first, without their owners, grants and comments, which are the server's business and not the harbour's.
QStringList restoreSelection(const QString& schema)
{
    return {QStringLiteral("--clean"),         QStringLiteral("--if-exists"),   QStringLiteral("--no-owner"),
            QStringLiteral("--no-privileges"), QStringLiteral("--no-comments"), QStringLiteral("--schema=") + schema};
}

/// The statements a restore of archive would send, read as pg_restore writes them; the rows stream past unread.
Result<RestoreScript::Script> readScript(const QString& archive, const QString& schema, const QStringList& schemas)
{
    const QString program = findTool(QStringLiteral("pg_restore"));
    if (program.isEmpty())
        return fileFailure(notInstalled(QStringLiteral("pg_restore")));
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, restoreSelection(schema) + QStringList{QStringLiteral("--file=-"), archive});
    if (!process.waitForStarted(30000))
        return fileFailure(QCoreApplication::translate("ServerArchive", "%1 could not be started: %2")
                               .arg(program, process.errorString()));
    RestoreScript::Reader reader(schemas);
    while (process.state() != QProcess::NotRunning || process.canReadLine()) {
        while (process.canReadLine())
            reader.addLine(process.readLine());
        if (process.state() != QProcess::NotRunning && !process.waitForReadyRead(120000) &&
            process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return fileFailure(QCoreApplication::translate("ServerArchive", "%1 did not finish: %2")
                                   .arg(program, process.errorString()));
        }
    }
    reader.addLine(process.readAll());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return fileFailure(tail(QString::fromLocal8Bit(process.readAllStandardError())));
    return reader.script();
}

/// The script of the harbour's own schema, as a restore of a backup of it into schema would run it: the schema is
/// written into a scratch schema of the database (pg_dump reads only what is committed), dumped and dropped again.
Result<RestoreScript::Script> referenceScript(const QString& uri, const QString& schema)
{
    const QString dumper = findTool(QStringLiteral("pg_dump"));
    if (dumper.isEmpty())
        return fileFailure(notInstalled(QStringLiteral("pg_dump")));
    const auto connection = connectionString(uri, CheckSession);
    if (!connection)
        return connection.failure();
    QString error;
    const CheckConnection check(uri, &error);
    const auto db = check.db();
    if (!db)
        return databaseFailure(error);
    // The server's list of everything the drop takes with it is of no use to anyone.
    const QString drop =
        QStringLiteral("SET client_min_messages = warning; DROP SCHEMA IF EXISTS %1 CASCADE").arg(ReferenceSchema);
    // Statements the server cannot prepare go as script lines.
    bool written = Sql::execScript(*db, drop, &error);
    if (written) {
        Sql::Transaction tx(*db);
        // The extensions our schema uses stay where the database keeps them, on the path behind the scratch schema.
        written =
            tx.started() && Sql::execScript(*db, QStringLiteral("CREATE SCHEMA %1").arg(ReferenceSchema), &error) &&
            Sql::exec(*db,
                      QStringLiteral("SELECT set_config('search_path', ? || ', ' || "
                                     "current_setting('search_path'), true)"),
                      {ReferenceSchema}, &error) &&
            Sql::execScript(*db, Dialect::forEngine(Engine::PostgreSQL).schemaScript(), &error) && tx.commit(&error);
        if (!tx.started())
            error = tx.error();
    }
    const QTemporaryDir folder;
    const QString dump = folder.filePath(QStringLiteral("reference"));
    if (written)
        written = runToEnd(dumper,
                           {QStringLiteral("--format=custom"), QStringLiteral("--no-password"),
                            QStringLiteral("--schema=") + ReferenceSchema, QStringLiteral("--file=") + dump,
                            QStringLiteral("--dbname=") + *connection},
                           &error);
    QString dropError;
    if (!Sql::execScript(*db, drop, &dropError) && written) {
        written = false;
        error = dropError;
    }
    if (!written)
        return databaseFailure(error);
    return readScript(dump, ReferenceSchema, {ReferenceSchema, schema});
}

int dumpWithCode(const QString& uri, const QString& archive, IProgress& progress, QString* error, int phase, int phases)
{
    const QString program = findTool(QStringLiteral("pg_dump"));
    if (program.isEmpty()) {
        *error = QCoreApplication::translate("ServerArchive", "pg_dump is not installed (Debian: postgresql-client).");
        return ttsgz::ReadError;
    }
    const auto connection = connectionString(uri, DumpSession);
    if (!connection) {
        *error = connection.error();
        return ttsgz::ReadError;
    }
    // The bar moves by the tables' sizes on the server: pg_dump names each table as it starts on it, and inside a
    // table the server's own count of the bytes its COPY has sent so far (PostgreSQL 14 and later) moves it on.
    const CheckConnection check(uri, error);
    const auto db = check.db();
    if (!db)
        return ttsgz::ReadError;
    QHash<QString, qint64> weights;
    {
        QSqlQuery q(*db);
        if (!q.exec(QStringLiteral("SELECT c.relname, pg_relation_size(c.oid) FROM pg_class c JOIN pg_namespace n ON "
                                   "n.oid = c.relnamespace WHERE c.relkind = 'r' AND n.nspname = current_schema()"))) {
            *error = q.lastError().text();
            return ttsgz::ReadError;
        }
        while (q.next())
            weights.insert(q.value(0).toString(), q.value(1).toLongLong() + 8192);
    }
    const auto copied = [&]() -> qint64 {
        const auto bytes =
            Sql::scalar(*db,
                        QStringLiteral("SELECT p.bytes_processed FROM pg_stat_progress_copy p JOIN "
                                       "pg_stat_activity a ON a.pid = p.pid WHERE a.application_name = ?"),
                        {DumpSession});
        return bytes ? bytes->toLongLong() : 0;
    };
    const QString part = SafeFiles::partName(archive);
    QFile::remove(part);
    const int result = runWithProgress(program,
                                       {QStringLiteral("--format=custom"), QStringLiteral("--verbose"),
                                        QStringLiteral("--no-password"), QStringLiteral("--file=") + part,
                                        QStringLiteral("--dbname=") + *connection},
                                       weights, copied, progress, phase, phases, error);
    if (result != ttsgz::NoError) {
        QFile::remove(part);
        return result;
    }
    QFile file(part);
    const bool synced = file.open(QIODevice::ReadWrite) && SafeFiles::sync(file);
    file.close();
    const Status replaced =
        synced ? SafeFiles::replace(part, archive)
               : fileFailure(QCoreApplication::translate("ServerArchive", "Cannot write %1.").arg(part));
    if (!replaced) {
        *error = replaced.error();
        QFile::remove(part);
        return ttsgz::WriteError;
    }
    return ttsgz::NoError;
}

} // namespace

Status dump(const QString& uri, const QString& archive, IProgress& progress, int phase, int phases)
{
    QString error;
    const int result = dumpWithCode(uri, archive, progress, &error, phase, phases);
    return asStatus(result, error);
}

Result<ArchiveContents> readArchive(const QString& archive)
{
    const QString program = findTool(QStringLiteral("pg_restore"));
    if (program.isEmpty()) {
        return fileFailure(
            QCoreApplication::translate("ServerArchive", "pg_restore is not installed (Debian: postgresql-client)."));
    }
    QString list;
    if (!runToEnd(program, {QStringLiteral("--list"), archive}, &list)) {
        MessageLog::logError(QStringLiteral("%1.RestoreExecute: %2").arg(QStringLiteral("modSpas"), list));
        QFile file(archive);
        const bool fileDesks = file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("\x28\xb5\x2f\xfd", 4);
        return refused(
            fileDesks ? QCoreApplication::translate("ServerArchive",
                                                    "it is the backup of a database file, and this desk works on a "
                                                    "server; it restores at a desk that works on a file.")
                      : QCoreApplication::translate("ServerArchive", "it is not a backup archive of Zem Harbour."));
    }
    // Lines such as "3709; 0 17040 TABLE DATA public customer postgres".
    ArchiveContents contents;
    for (const QString& line : list.split(u'\n')) {
        if (line.startsWith(u';'))
            continue;
        const QStringList words = line.simplified().split(u' ');
        const qsizetype data = words.indexOf(QStringLiteral("DATA"));
        if (data < 1 || words[data - 1] != QStringLiteral("TABLE") || words.size() < data + 3)
            continue;
        contents.schema = words[data + 1];
        contents.tables << words[data + 2];
    }
    for (const QString& table : {QStringLiteral("customer"), QStringLiteral("owner"), QStringLiteral("berth"),
                                 QStringLiteral("booking"), QStringLiteral("bookingberth"), QStringLiteral("settings"),
                                 QStringLiteral("company"), QStringLiteral("schemaversion")}) {
        if (!contents.tables.contains(table)) {
            return refused(QCoreApplication::translate(
                               "ServerArchive", "it holds no table %1: it is not a backup of a harbour database.")
                               .arg(table));
        }
    }
    // An older schema is brought up to date when the database opens again; a newer one this program cannot use.
    QString data;
    if (!runToEnd(program,
                  {QStringLiteral("--data-only"), QStringLiteral("--table=schemaversion"), QStringLiteral("--file=-"),
                   archive},
                  &data)) {
        MessageLog::logError(QStringLiteral("%1.RestoreExecute: %2").arg(QStringLiteral("modSpas"), data));
        return refused(QCoreApplication::translate("ServerArchive", "it is not a backup archive of Zem Harbour."));
    }
    const qsizetype copy = data.indexOf(QStringLiteral("FROM stdin;\n"));
    const int version = copy < 0 ? 0 : data.mid(copy + 12).section(u'\n', 0, 0).trimmed().toInt();
    if (version < 1 || version > Database::CurrentSchemaVersion) {
        return refused(QCoreApplication::translate("ServerArchive",
                                                   "it holds schema version %1; this program understands 1 to %2.")
                           .arg(version)
                           .arg(Database::CurrentSchemaVersion));
    }
    contents.version = version;
    return contents;
}

Status checkOnlyData(const QString& uri, const QString& archive, const ArchiveContents& contents)
{
    const auto ours = referenceScript(uri, contents.schema);
    if (!ours)
        return ours.failure();
    const auto theirs = readScript(archive, contents.schema, {contents.schema});
    if (!theirs)
        return theirs.failure();
    // An older archive's functions that its upgrade writes again never run as the archive has them.
    QSet<QString> rewritten;
    static const QRegularExpression replaced(QStringLiteral(R"(CREATE\s+OR\s+REPLACE\s+FUNCTION\s+(\w+))"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (auto it = replaced.globalMatch(Database::upgradeScript(Engine::PostgreSQL, contents.version)); it.hasNext();)
        rewritten.insert(it.next().captured(1).toLower());
    const QString reason = RestoreScript::refusal(
        RestoreScript::compare(*theirs, *ours, contents.version == Database::CurrentSchemaVersion, rewritten));
    if (!reason.isEmpty())
        return refused(reason);
    return Done{};
}

Result<int> otherSessions(const QString& uri)
{
    QString error;
    const auto others =
        count(uri,
              QStringLiteral("SELECT COUNT(*) FROM pg_stat_activity WHERE datname = current_database() AND pid <> "
                             "pg_backend_pid() AND backend_type = 'client backend'"),
              {}, &error);
    if (!others)
        return databaseFailure(error);
    return *others;
}

Status restore(const QString& uri, const QString& archive, const ArchiveContents& contents, IProgress& progress,
               int phase, int phases)
{
    const QString program = findTool(QStringLiteral("pg_restore"));
    if (program.isEmpty())
        return fileFailure(
            QCoreApplication::translate("ServerArchive", "pg_restore is not installed (Debian: postgresql-client)."));
    const auto connection = connectionString(uri, RestoreSession);
    if (!connection)
        return connection.failure();
    QHash<QString, qint64> weights;
    for (const QString& table : contents.tables)
        weights.insert(table, 1);
    QString error;
    // Only the schema of our tables: the btree_gist extension the exclusion constraint rests on stays as it is, and
    // may belong to another role than the harbour's.
    const int result = runWithProgress(program,
                                       restoreSelection(contents.schema) +
                                           QStringList{QStringLiteral("--single-transaction"),
                                                       QStringLiteral("--verbose"), QStringLiteral("--no-password"),
                                                       QStringLiteral("--dbname=") + *connection, archive},
                                       weights, {}, progress, phase, phases, &error);
    if (result != ttsgz::NoError)
        waitForRestoreSessionToEnd(uri);
    return asStatus(result, error);
}

} // namespace ServerArchive
