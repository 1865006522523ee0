#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

/// A real SMTP server for a test (tests/mail/smtp_server.py on Python's aiosmtpd) on a free loopback port, saving
/// what it accepts in a folder of its own; stopped when it goes.
class SmtpServer final
{
public:
    struct Options
    {
        bool startTls = false; // a self-signed certificate made with openssl, STARTTLS required
        QString user;          // with a password: AUTH required
        QString password;
        QStringList reject; // recipients answered with 550
        int port = 0;       // 0: a free one
    };
    SmtpServer() = default;
    ~SmtpServer();
    Q_DISABLE_COPY_MOVE(SmtpServer)

    /// Starts the server; false (and the reason in error()) when it did not come up.
    bool start(const Options& options);
    void stop();
    int port() const { return m_port; }
    QString error() const { return m_error; }
    /// The certificate a STARTTLS server shows.
    QString certificate() const { return m_dir.filePath(QStringLiteral("cert.pem")); }

    /// The messages received so far, in order (N.eml files).
    QStringList received() const;
    /// Waits until count messages have arrived (up to ms); how many did.
    int waitFor(int count, int ms = 20000) const;
    /// A message as Python's email package reads it (from, to, to_name, subject, body, attachments[name, path,
    /// size, type], defects); each attachment written beside it.
    QJsonObject read(const QString& emlPath) const;
    /// The text of a PDF (pdftotext).
    static QString pdfText(const QString& path);

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    QString m_error;
};
