#include "common/SmtpServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QThread>

namespace {
QString script(const char* name)
{
    return QStringLiteral(ZEM_TESTS_SOURCE_DIR "/mail/") + QLatin1String(name);
}
// The system's Python, where Debian's python3-aiosmtpd is installed, before any other on the path.
QString python()
{
    return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                 : QStringLiteral("python3");
}
} // namespace

SmtpServer::~SmtpServer()
{
    stop();
}

bool SmtpServer::start(const Options& options)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("mail"));
    QStringList args{script("smtp_server.py"), QStringLiteral("--folder"), m_dir.filePath(QStringLiteral("mail"))};
    if (options.startTls) {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                       QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost"),
                       QStringLiteral("-keyout"), m_dir.filePath(QStringLiteral("key.pem")), QStringLiteral("-out"),
                       certificate()});
        if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
            m_error = QStringLiteral("openssl: ") + QString::fromUtf8(openssl.readAllStandardError());
            return false;
        }
        args << QStringLiteral("--cert") << certificate() << QStringLiteral("--key")
             << m_dir.filePath(QStringLiteral("key.pem"));
    }
    if (!options.user.isEmpty())
        args << QStringLiteral("--user") << options.user << QStringLiteral("--password") << options.password;
    for (const QString& address : options.reject)
        args << QStringLiteral("--reject") << address;
    if (options.port > 0)
        args << QStringLiteral("--port") << QString::number(options.port);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(python(), args);
    if (!m_process.waitForStarted(10000) || !m_process.waitForReadyRead(20000)) {
        m_error =
            QStringLiteral("the SMTP server did not start: ") + QString::fromUtf8(m_process.readAllStandardError());
        return false;
    }
    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
    if (!line.startsWith(QLatin1String("ready "))) {
        m_error = line + QString::fromUtf8(m_process.readAllStandardError());
        return false;
    }
    m_port = line.mid(6).toInt();
    return true;
}

void SmtpServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QStringList SmtpServer::received() const
{
    QDir folder(m_dir.filePath(QStringLiteral("mail")));
    QStringList names = folder.entryList({QStringLiteral("*.eml")}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.section(u'.', 0, 0).toInt() < b.section(u'.', 0, 0).toInt();
    });
    QStringList paths;
    for (const QString& name : names)
        paths << folder.filePath(name);
    return paths;
}

int SmtpServer::waitFor(int count, int ms) const
{
    QElapsedTimer timer;
    timer.start();
    while (received().size() < count && timer.elapsed() < ms)
        QThread::msleep(50);
    return static_cast<int>(received().size());
}

QJsonObject SmtpServer::read(const QString& emlPath) const
{
    QProcess reader;
    reader.start(python(), {script("read_mail.py"), emlPath, QFileInfo(emlPath).absolutePath()});
    reader.waitForFinished(30000);
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

QString SmtpServer::pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
