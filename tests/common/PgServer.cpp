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

namespace {
const QString kTemplate = QStringLiteral("zem_template");
const QString kAdminUser = QStringLiteral("postgres");

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
    return dir + QStringLiteral("/data");
}

QString tail(const QString& text, int lines = 15)
{
    QStringList all = text.trimmed().split(QLatin1Char('\n'));
    if (all.size() > lines)
        all = all.mid(all.size() - lines);
    return all.join(QLatin1Char('\n'));
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
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), kAdminUser, QStringLiteral("--"), program} + args);
    else
        process.start(program, args);
    const bool finished = process.waitForFinished(120000);
    *output = QString::fromLocal8Bit(process.readAll());
    if (!finished) {
        process.kill();
        process.waitForFinished();
        *output += QStringLiteral("\n(no answer within two minutes)");
        return false;
    }
    if (process.error() == QProcess::FailedToStart) {
        *output = QStringLiteral("%1 could not be started").arg(asRoot() ? QStringLiteral("runuser") : program);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The postmaster of a cluster, from the first line of its lock file; 0 when it is not running.
pid_t postmaster(const QString& dir)
{
    QFile lock(dataDir(dir) + QStringLiteral("/postmaster.pid"));
    if (!lock.open(QIODevice::ReadOnly))
        return 0;
    const pid_t pid = static_cast<pid_t>(lock.readLine().trimmed().toLongLong());
    if (pid <= 0)
        return 0;
    // A lock file left behind across a reboot may name a pid that something else has now.
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!cmdline.open(QIODevice::ReadOnly) || !cmdline.readAll().contains("postgres"))
        return 0;
    return pid;
}

// Immediate shutdown (SIGQUIT) needs no other process, so it also works while the process is exiting.
void stopCluster(const QString& dir)
{
    if (const pid_t pid = postmaster(dir); pid > 0 && ::kill(pid, SIGQUIT) == 0) {
        for (int i = 0; i < 200 && QFile::exists(dataDir(dir) + QStringLiteral("/postmaster.pid")); ++i) {
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
    const QDir tmp(QStringLiteral("/tmp"));
    for (const QString& name : tmp.entryList({QStringLiteral("zem-pg-*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString dir = tmp.filePath(name);
        QFile owner(dir + QStringLiteral("/owner"));
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
    const QString name = QStringLiteral("zem_pg_admin");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(state().dir);
        db.setPort(state().port);
        db.setUserName(kAdminUser);
        db.setDatabaseName(database);
        if (!db.open()) {
            *error = QStringLiteral("cannot connect to the test server (database %1): %2")
                         .arg(database, db.lastError().text());
            ok = false;
        }
        for (const QString& sql : statements) {
            if (!ok)
                break;
            QSqlQuery query(db);
            if (!query.exec(sql)) {
                *error = QStringLiteral("%1: %2").arg(sql, query.lastError().text());
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
    const QDir root(QStringLiteral("/usr/lib/postgresql"));
    QVersionNumber best;
    QString found;
    for (const QString& version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString bin = root.filePath(version + QStringLiteral("/bin"));
        const QVersionNumber number = QVersionNumber::fromString(version);
        if (QFile::exists(bin + QStringLiteral("/initdb")) && (found.isEmpty() || number > best)) {
            best = number;
            found = bin;
        }
    }
    if (!found.isEmpty())
        return found;
    QProcess config;
    config.start(QStringLiteral("pg_config"), {QStringLiteral("--bindir")});
    if (config.waitForFinished(10000) && config.exitCode() == 0) {
        const QString bin = QString::fromLocal8Bit(config.readAllStandardOutput()).trimmed();
        if (QFile::exists(bin + QStringLiteral("/initdb")))
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
    const QString bin = binDir();
    if (bin.isEmpty()) {
        *error = QStringLiteral("no PostgreSQL server found (initdb in /usr/lib/postgresql/*/bin or pg_config "
                                "--bindir); tools/build.sh installs the postgresql package");
        return false;
    }
    uid_t uid = ::getuid();
    gid_t gid = ::getgid();
    if (asRoot()) {
        const passwd* user = ::getpwnam("postgres");
        if (user == nullptr) {
            *error = QStringLiteral("the tests run as root, and there is no postgres system user to run the server");
            return false;
        }
        uid = user->pw_uid;
        gid = user->pw_gid;
    }
    // Under /tmp rather than TMPDIR: the socket path must stay short, and the postgres user must reach it.
    QByteArray pattern("/tmp/zem-pg-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) {
        *error = QStringLiteral("cannot make a temporary folder for the test server: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const QString dir = QString::fromLocal8Bit(pattern);
    {
        QFile owner(dir + QStringLiteral("/owner"));
        if (!owner.open(QIODevice::WriteOnly) || owner.write(QByteArray::number(::getpid())) < 0) {
            *error = QStringLiteral("cannot write %1").arg(owner.fileName());
            QDir(dir).removeRecursively();
            return false;
        }
    }
    if (asRoot() && ::chown(pattern.constData(), uid, gid) != 0) {
        *error = QStringLiteral("cannot hand %1 to the postgres user: %2")
                     .arg(dir, QString::fromLocal8Bit(std::strerror(errno)));
        QDir(dir).removeRecursively();
        return false;
    }
    server.bin = bin;
    server.dir = dir;
    server.owner = ::getpid();
    // The socket lives in a folder of its own, so any port is free; the pid keeps names apart in logs.
    server.port = 20000 + static_cast<int>(::getpid() % 40000);
    std::atexit(stopAtExit);

    QString output;
    if (!run(bin + QStringLiteral("/initdb"),
             {QStringLiteral("-D"), dataDir(dir), QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-U"),
              kAdminUser, QStringLiteral("--no-sync"), QStringLiteral("-E"), QStringLiteral("UTF8"),
              QStringLiteral("--locale=C.UTF-8")},
             dir, &output)) {
        *error = QStringLiteral("initdb failed:\n%1").arg(tail(output));
        stop();
        return false;
    }
    // No TCP at all: only the socket in the folder. Durability is not wanted from a throw-away cluster.
    const QString options = QStringLiteral("-k %1 -h '' -p %2 -c fsync=off -c full_page_writes=off "
                                           "-c synchronous_commit=off -c max_connections=60")
                                .arg(dir)
                                .arg(server.port);
    const QString log = dir + QStringLiteral("/log");
    if (!run(bin + QStringLiteral("/pg_ctl"),
             {QStringLiteral("-D"), dataDir(dir), QStringLiteral("-o"), options, QStringLiteral("-w"),
              QStringLiteral("-l"), log, QStringLiteral("start")},
             dir, &output)) {
        *error = QStringLiteral("the test server did not start:\n%1\n%2").arg(tail(output), fileTail(log));
        stop();
        return false;
    }
    QVariant version;
    if (!admin(QStringLiteral("postgres"), {QStringLiteral("CREATE DATABASE %1").arg(kTemplate)}, error) ||
        !admin(kTemplate, {QStringLiteral("CREATE EXTENSION btree_gist")}, error) ||
        !admin(kTemplate, {QStringLiteral("SHOW server_version_num")}, error, &version)) {
        *error += QStringLiteral("\n") + fileTail(log);
        stop();
        return false;
    }
    server.fileCopy = version.toInt() >= 150000;
    return true;
}

QString PgServer::newDatabase(QString* error)
{
    Server& server = state();
    if (server.dir.isEmpty()) {
        *error = QStringLiteral("the test server is not running");
        return {};
    }
    const QString name = QStringLiteral("zem_case_%1").arg(++server.cases);
    // A file copy of the small template is quicker than writing it block by block through the WAL.
    const QString strategy = server.fileCopy ? QStringLiteral(" STRATEGY FILE_COPY") : QString();
    if (!admin(QStringLiteral("postgres"),
               {QStringLiteral("CREATE DATABASE %1 TEMPLATE %2%3").arg(name, kTemplate, strategy)}, error))
        return {};
    // An empty host part and host= naming the socket folder: libpq's form for a Unix socket.
    // (Joined rather than filled in with arg(): the encoded folder holds "%2F".)
    return QStringLiteral("postgresql://") + kAdminUser + QStringLiteral("@/") + name + QStringLiteral("?host=") +
           QString::fromLatin1(QUrl::toPercentEncoding(server.dir)) + QStringLiteral("&port=") +
           QString::number(server.port);
}

void PgServer::dropDatabase(const QString& uri)
{
    const QString name = QUrl(uri).path().mid(1);
    // Only names newDatabase makes: nothing else is ever pasted into the statement.
    static const QRegularExpression ours(QStringLiteral("^zem_case_[0-9]+$"));
    if (state().dir.isEmpty() || !ours.match(name).hasMatch())
        return;
    QString ignored;
    admin(QStringLiteral("postgres"), {QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name)}, &ignored);
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
