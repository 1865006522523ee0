#pragma once

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

/// The calendar tests' outside world: a real HTTP server (feed_server.py on Python's http.server) serving a folder of
/// calendars written by Python's icalendar (make_feed.py), and the same library reading ours back (read_feed.py).
class FeedServer final
{
public:
    static QString python()
    {
        return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                     : QStringLiteral("python3");
    }
    static QString script(const char* name)
    {
        return QStringLiteral(ZEM_TESTS_SOURCE_DIR "/calendars/") + QLatin1String(name);
    }

    ~FeedServer()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    /// Starts the server; false with the reason in error when it did not come up.
    bool start(double slowSeconds = 3)
    {
        m_process.start(python(), {script("feed_server.py"), QStringLiteral("--folder"), m_dir.path(),
                                   QStringLiteral("--slow"), QString::number(slowSeconds)});
        // The line may come in pieces.
        bool started = m_process.waitForStarted(10000);
        while (started && !m_process.canReadLine())
            started = m_process.waitForReadyRead(20000);
        if (!started) {
            error = QString::fromUtf8(m_process.readAllStandardError());
            return false;
        }
        const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
        if (!line.startsWith(QLatin1String("ready "))) {
            error = line + QString::fromUtf8(m_process.readAllStandardError());
            return false;
        }
        m_port = line.mid(6).toInt();
        return true;
    }

    QString url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(path); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    /// Writes a calendar of kind (see make_feed.py) as name; uids for the kinds that take them.
    bool make(const QString& kind, const QDate& today, const QString& name, const QStringList& uids = {})
    {
        QProcess p;
        p.start(python(), QStringList{script("make_feed.py"), kind, today.toString(Qt::ISODate), path(name)} + uids);
        const bool done = p.waitForFinished(60000) && p.exitCode() == 0;
        if (!done)
            error = QString::fromUtf8(p.readAllStandardError());
        return done;
    }

    /// A calendar file as Python's icalendar reads it (name, version, events[uid, start, end, summary]).
    static QJsonObject read(const QString& file, QString* problem = nullptr)
    {
        QProcess p;
        p.start(python(), {script("read_feed.py"), file});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            if (problem)
                *problem = QString::fromUtf8(p.readAllStandardError());
            return {};
        }
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }

    QString error;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};
