#include "common/ImapServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString userName(uid_t uid)
{
    const passwd* entry = getpwuid(uid);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}
QString groupName(gid_t gid)
{
    const group* entry = getgrgid(gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString();
}
sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}
// A port nobody listens on now.
int freePort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        close(fd);
    return port;
}
// Whether the server greets on port.
bool greets(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(port);
    bool ok = false;
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        timeval wait{2, 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        char greeting[4] = {};
        ok = recv(fd, greeting, sizeof greeting, MSG_WAITALL) == 4 && QByteArray(greeting, 4) == "* OK";
    }
    if (fd >= 0)
        close(fd);
    return ok;
}
bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

ImapServer::~ImapServer()
{
    stop();
}

bool ImapServer::start(const QString& user, const QString& password)
{
    m_port = freePort();
    if (m_port == 0) {
        m_error = QStringLiteral("no free port");
        return false;
    }
    const QString root = m_dir.path();
    QDir(root).mkpath(QStringLiteral("run"));
    for (const char* sub : {"cur", "new", "tmp"})
        QDir(root).mkpath(QStringLiteral("home/Maildir/") + QLatin1String(sub));
    // Run as root, Dovecot will not log in or deliver as root: its own users take those parts.
    QString loginUser = userName(getuid()), internalUser = loginUser, internalGroup = groupName(getgid());
    m_mailUid = getuid();
    m_mailGid = getgid();
    if (getuid() == 0) {
        const passwd* dovecot = getpwnam("dovecot");
        if (!dovecot || !getpwnam("dovenull")) {
            m_error = QStringLiteral("the dovecot and dovenull users are missing (dovecot-imapd)");
            return false;
        }
        loginUser = QStringLiteral("dovenull");
        internalUser = QStringLiteral("dovecot");
        internalGroup = groupName(dovecot->pw_gid);
        m_mailUid = dovecot->pw_uid;
        m_mailGid = dovecot->pw_gid;
        chmod(root.toLocal8Bit().constData(), 0755);
        for (const char* path : {"home", "home/Maildir", "home/Maildir/cur", "home/Maildir/new", "home/Maildir/tmp"})
            if (chown((root + u'/' + QLatin1String(path)).toLocal8Bit().constData(), m_mailUid, m_mailGid) != 0) {
                m_error = QStringLiteral("cannot give the mailbox to dovecot");
                return false;
            }
    }
    const QString passwd =
        QStringLiteral("%1:{PLAIN}%2:%3:%4::%5/home::\n").arg(user, password).arg(m_mailUid).arg(m_mailGid).arg(root);
    const QString config =
        QStringLiteral("protocols = imap\nlisten = 127.0.0.1\nbase_dir = %1/run\nstate_dir = %1/run\n"
                       "log_path = %1/dovecot.log\nssl = no\ndisable_plaintext_auth = no\n"
                       "auth_mechanisms = plain login\nauth_failure_delay = 0\n"
                       "default_internal_user = %2\ndefault_internal_group = %3\n"
                       "default_login_user = %4\nfirst_valid_uid = 0\n"
                       "mail_location = maildir:%1/home/Maildir\n"
                       "service imap-login {\n  chroot =\n  inet_listener imap {\n    address = 127.0.0.1\n"
                       "    port = %5\n  }\n  inet_listener imaps {\n    port = 0\n  }\n}\n"
                       "service anvil {\n  chroot =\n}\n"
                       "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN %1/passwd\n}\n"
                       "userdb {\n  driver = passwd-file\n  args = %1/passwd\n}\n")
            .arg(root, internalUser, internalGroup, loginUser)
            .arg(m_port);
    if (!write(root + QStringLiteral("/passwd"), passwd.toUtf8()) ||
        !write(root + QStringLiteral("/dovecot.conf"), config.toUtf8())) {
        m_error = QStringLiteral("cannot write the configuration");
        return false;
    }
    chmod((root + QStringLiteral("/passwd")).toLocal8Bit().constData(), 0644);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral("/usr/sbin/dovecot"),
                    {QStringLiteral("-F"), QStringLiteral("-c"), root + QStringLiteral("/dovecot.conf")});
    if (!m_process.waitForStarted(10000)) {
        m_error = QStringLiteral("dovecot did not start: ") + m_process.errorString();
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000) {
        if (greets(m_port))
            return true;
        if (m_process.state() == QProcess::NotRunning)
            break;
        QThread::msleep(100);
    }
    QFile log(root + QStringLiteral("/dovecot.log"));
    m_error = QStringLiteral("dovecot did not answer: ") + QString::fromUtf8(m_process.readAll()) +
              (log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString());
    return false;
}

void ImapServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool ImapServer::deliver(const QString& name, const QByteArray& message)
{
    const QString maildir = m_dir.path() + QStringLiteral("/home/Maildir/");
    const QString temporary = maildir + QStringLiteral("tmp/") + name;
    if (!write(temporary, message))
        return false;
    if (getuid() == 0 && chown(temporary.toLocal8Bit().constData(), m_mailUid, m_mailGid) != 0)
        return false;
    return QFile::rename(temporary, maildir + QStringLiteral("new/") + name);
}

bool ImapServer::seen(const QString& name) const
{
    const QDir cur(m_dir.path() + QStringLiteral("/home/Maildir/cur"));
    for (const QString& file : cur.entryList(QDir::Files))
        if (file.startsWith(name + u':'))
            return file.section(QStringLiteral(":2,"), 1).contains(u'S');
    return false;
}
