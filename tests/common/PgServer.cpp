#include "common/PgServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <QVersionNumber>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QString kTemplate = u"zem_template"_s;
const QString kAdminUser = u"postgres"_s;

struct Server
{
    QString bin;
    QString dir;     // the temporary folder: data/, log, owner and the socket
    pid_t owner = 0; // the process that started it
    int port = 0;
    int cases = 0;
    bool fileCopy = false; // CREATE DATABASE ... STRATEGY FILE_COPY (15 and later)
};
Server& state()
{
    static Server server;
    return server;
}

QString dataDir(const QString& dir)
{
    return dir + u"/data"_s;
}

QString tail(const QString& text, int lines = 15)
{
    QStringList all = text.trimmed().split(u'\n');
    if (all.size() > lines)
        all = all.mid(all.size() - lines);
    return all.join(u'\n');
}

QString fileTail(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? tail(QString::fromUtf8(file.readAll())) : QString();
}

// initdb and postgres refuse to run as root: then they run as the postgres system user.
bool asRoot()
{
    return ::getuid() == 0;
}

bool run(const QString& program, const QStringList& args, const QString& workDir, QString* output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // The postgres user may not be able to enter the test's own folder.
    process.setWorkingDirectory(workDir);
    if (asRoot())
        process.start(u"runuser"_s, QStringList{u"-u"_s, kAdminUser, u"--"_s, program} + args);
    else
        process.start(program, args);
    const bool finished = process.waitForFinished(120000);
    *output = QString::fromLocal8Bit(process.readAll());
    if (!finished) {
        process.kill();
        process.waitForFinished();
        *output += u"\n(no answer within two minutes)"_s;
        return false;
    }
    if (process.error() == QProcess::FailedToStart) {
        *output = u"%1 could not be started"_s.arg(asRoot() ? u"runuser"_s : program);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The postmaster of a cluster, from the first line of its lock file; 0 when it is not running.
pid_t postmaster(const QString& dir)
{
    QFile lock(dataDir(dir) + u"/postmaster.pid"_s);
    if (!lock.open(QIODevice::ReadOnly))
        return 0;
    const pid_t pid = static_cast<pid_t>(lock.readLine().trimmed().toLongLong());
    if (pid <= 0)
        return 0;
    // A lock file left behind across a reboot may name a pid that something else has now.
    QFile cmdline(u"/proc/%1/cmdline"_s.arg(pid));
    if (!cmdline.open(QIODevice::ReadOnly) || !cmdline.readAll().contains("postgres"))
        return 0;
    return pid;
}

// Immediate shutdown (SIGQUIT) needs no other process, so it also works while the process is exiting.
void stopCluster(const QString& dir)
{
    if (const pid_t pid = postmaster(dir); pid > 0 && ::kill(pid, SIGQUIT) == 0) {
        for (int i = 0; i < 200 && QFile::exists(dataDir(dir) + u"/postmaster.pid"_s); ++i) {
            if (::kill(pid, 0) != 0 && errno == ESRCH)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    QDir(dir).removeRecursively();
}

// A run that was killed could not stop its server: stop the ones whose test process is gone.
void sweepAbandoned()
{
    const QDir tmp(u"/tmp"_s);
    for (const QString& name : tmp.entryList({u"zem-pg-*"_s}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString dir = tmp.filePath(name);
        QFile owner(dir + u"/owner"_s);
        if (!owner.open(QIODevice::ReadOnly))
            continue; // still being set up, or not ours
        const pid_t pid = static_cast<pid_t>(owner.readAll().trimmed().toLongLong());
        owner.close();
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            stopCluster(dir);
    }
}

void stopAtExit()
{
    PgServer::stop();
}

// Runs statements on the server through a short-lived connection of its own; result, when given, receives the
// first value the last statement returned.
bool admin(const QString& database, const QStringList& statements, QString* error, QVariant* result = nullptr)
{
    const QString name = u"zem_pg_admin"_s;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
        db.setHostName(state().dir);
        db.setPort(state().port);
        db.setUserName(kAdminUser);
        db.setDatabaseName(database);
        if (!db.open()) {
            *error = u"cannot connect to the test server (database %1): %2"_s.arg(database, db.lastError().text());
            ok = false;
        }
        for (const QString& sql : statements) {
            if (!ok)
                break;
            QSqlQuery query(db);
            if (!query.exec(sql)) {
                *error = u"%1: %2"_s.arg(sql, query.lastError().text());
                ok = false;
            } else if (result != nullptr && query.next()) {
                *result = query.value(0);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}
} // namespace

QString PgServer::binDir()
{
    // The newest server Debian has installed side by side; pg_config where the layout is another.
    const QDir root(u"/usr/lib/postgresql"_s);
    QVersionNumber best;
    QString found;
    for (const QString& version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString bin = root.filePath(version + u"/bin"_s);
        const QVersionNumber number = QVersionNumber::fromString(version);
        if (QFile::exists(bin + u"/initdb"_s) && (found.isEmpty() || number > best)) {
            best = number;
            found = bin;
        }
    }
    if (!found.isEmpty())
        return found;
    QProcess config;
    config.start(u"pg_config"_s, {u"--bindir"_s});
    if (config.waitForFinished(10000) && config.exitCode() == 0) {
        const QString bin = QString::fromLocal8Bit(config.readAllStandardOutput()).trimmed();
        if (QFile::exists(bin + u"/initdb"_s))
            return bin;
    }
    return {};
}

QString PgServer::socketDir()
{
    return state().dir;
}

int PgServer::port()
{
    return state().port;
}

bool PgServer::start(QString* error)
{
    Server& server = state();
    if (!server.dir.isEmpty())
        return true;
    sweepAbandoned();
    // Each failure gives its reason, and takes away whatever was made before it.
    QString dir;
    const auto fail = [&](const QString& reason) {
        *error = reason;
        if (!server.dir.isEmpty())
            stop();
        else if (!dir.isEmpty())
            QDir(dir).removeRecursively();
        return false;
    };
    const auto systemError = [] { return QString::fromLocal8Bit(std::strerror(errno)); };
    const QString bin = binDir();
    if (bin.isEmpty())
        return fail(u"no PostgreSQL server found (initdb in /usr/lib/postgresql/*/bin or pg_config --bindir); "
                    u"tools/build.sh installs the postgresql package"_s);
    const passwd* user = asRoot() ? ::getpwnam("postgres") : nullptr;
    if (asRoot() && user == nullptr)
        return fail(u"the tests run as root, and there is no postgres system user to run the server"_s);
    // Under /tmp rather than TMPDIR: the socket path must stay short, and the postgres user must reach it.
    QByteArray pattern("/tmp/zem-pg-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr)
        return fail(u"cannot make a temporary folder for the test server: %1"_s.arg(systemError()));
    dir = QString::fromLocal8Bit(pattern);
    if (QFile owner(dir + u"/owner"_s);
        !owner.open(QIODevice::WriteOnly) || owner.write(QByteArray::number(::getpid())) < 0)
        return fail(u"cannot write %1"_s.arg(owner.fileName()));
    if (asRoot() && ::chown(pattern.constData(), user->pw_uid, user->pw_gid) != 0)
        return fail(u"cannot hand %1 to the postgres user: %2"_s.arg(dir, systemError()));
    server.bin = bin;
    server.dir = dir;
    server.owner = ::getpid();
    // The socket lives in a folder of its own, so any port is free; the pid keeps names apart in logs.
    server.port = 20000 + static_cast<int>(::getpid() % 40000);
    std::atexit(stopAtExit);

    QString output;
    if (!run(bin + u"/initdb"_s,
             {u"-D"_s, dataDir(dir), u"-A"_s, u"trust"_s, u"-U"_s, kAdminUser, u"--no-sync"_s, u"-E"_s, u"UTF8"_s,
              u"--locale=C.UTF-8"_s},
             dir, &output))
        return fail(u"initdb failed:\n%1"_s.arg(tail(output)));
    // The administrator needs no password; every other login proves its own by SCRAM, as on an office's server.
    if (QFile hba(dataDir(dir) + u"/pg_hba.conf"_s);
        !hba.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        hba.write("local all postgres trust\nlocal all all scram-sha-256\n") < 0)
        return fail(u"cannot write %1"_s.arg(hba.fileName()));
    // No TCP at all: only the socket in the folder. Durability is not wanted from a throw-away cluster.
    const QString options =
        u"-k %1 -h '' -p %2 -c fsync=off -c full_page_writes=off -c synchronous_commit=off -c max_connections=60"_s
            .arg(dir)
            .arg(server.port);
    const QString log = dir + u"/log"_s;
    if (!run(bin + u"/pg_ctl"_s, {u"-D"_s, dataDir(dir), u"-o"_s, options, u"-w"_s, u"-l"_s, log, u"start"_s}, dir,
             &output))
        return fail(u"the test server did not start:\n%1\n%2"_s.arg(tail(output), fileTail(log)));
    QVariant version;
    if (!admin(u"postgres"_s, {u"CREATE DATABASE %1"_s.arg(kTemplate)}, error) ||
        !admin(kTemplate, {u"CREATE EXTENSION btree_gist"_s}, error) ||
        !admin(kTemplate, {u"SHOW server_version_num"_s}, error, &version))
        return fail(*error + u"\n"_s + fileTail(log));
    server.fileCopy = version.toInt() >= 150000;
    return true;
}

QString PgServer::newDatabase(QString* error)
{
    Server& server = state();
    if (server.dir.isEmpty()) {
        *error = u"the test server is not running"_s;
        return {};
    }
    const QString name = u"zem_case_%1"_s.arg(++server.cases);
    // A file copy of the small template is quicker than writing it block by block through the WAL.
    const QString strategy = server.fileCopy ? u" STRATEGY FILE_COPY"_s : QString();
    if (!admin(u"postgres"_s, {u"CREATE DATABASE %1 TEMPLATE %2%3"_s.arg(name, kTemplate, strategy)}, error))
        return {};
    // An empty host part and host= naming the socket folder: libpq's form for a Unix socket.
    // (Joined rather than filled in with arg(): the encoded folder holds "%2F".)
    return u"postgresql://"_s + kAdminUser + u"@/"_s + name + u"?host="_s +
           QString::fromLatin1(QUrl::toPercentEncoding(server.dir)) + u"&port="_s + QString::number(server.port);
}

void PgServer::dropDatabase(const QString& uri)
{
    const QString name = QUrl(uri).path().mid(1);
    // Only names newDatabase makes: nothing else is ever pasted into the statement.
    static const QRegularExpression ours(u"^zem_case_[0-9]+$"_s);
    if (state().dir.isEmpty() || !ours.match(name).hasMatch())
        return;
    QString ignored;
    admin(u"postgres"_s, {u"DROP DATABASE IF EXISTS %1 WITH (FORCE)"_s.arg(name)}, &ignored);
    // Logins belong to the whole server: the users a case made go with its database, so the next case may make them.
    admin(u"postgres"_s,
          {u"DO $$ DECLARE r TEXT; BEGIN FOR r IN SELECT DISTINCT u.rolname FROM pg_auth_members m JOIN pg_roles g ON "
           u"g.oid = m.roleid JOIN pg_roles u ON u.oid = m.member WHERE u.rolname NOT LIKE 'zem%' AND g.rolname IN "
           u"('zem_clerk', "
           u"'zem_manager', 'zem_administrator') LOOP EXECUTE format('DROP ROLE %I', r); END LOOP; END $$"_s},
          &ignored);
}

void PgServer::stop()
{
    Server& server = state();
    // A forked child that exits (a desk in a drill) must not stop its parent's server.
    if (server.dir.isEmpty() || server.owner != ::getpid())
        return;
    stopCluster(server.dir);
    server = Server{};
}
