#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

/// A real IMAP server for a test: Dovecot on a free loopback port with a config file, one passwd-file user and a
/// Maildir in a temporary folder of its own; stopped when it goes.
class ImapServer final
{
public:
    ImapServer() = default;
    ~ImapServer();
    Q_DISABLE_COPY_MOVE(ImapServer)

    /// Starts the server for user with password; false (the reason in error()) when it did not come up.
    bool start(const QString& user, const QString& password);
    void stop();
    int port() const { return m_port; }
    QString error() const { return m_error; }

    /// Delivers a message into the inbox, unseen, as a mail server would; its file name is name.
    bool deliver(const QString& name, const QByteArray& message);
    /// Whether the message delivered as name carries \Seen now.
    bool seen(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    QString m_error;
    uint m_mailUid = 0;
    uint m_mailGid = 0;
};
