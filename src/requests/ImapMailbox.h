#pragma once

#include "core/Result.h"
#include "mail/SmtpSender.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <memory>

/// The office's mailbox read over IMAP through libcurl (imaps://, or imap:// upgraded by STARTTLS, which must then
/// succeed). One object keeps one connection for a pass: the unseen messages listed, each fetched, its \Seen flag
/// cleared again at once (a fetch sets it) and set only when the caller has kept the message. Blocking: used on a
/// desk's worker thread.
class ImapMailbox final
{
public:
    struct Account
    {
        SmtpSender::Server server; // host, port, security, user, password, certificate: as for sending
        QString folder = QStringLiteral("INBOX");
    };

    /// Refused with the reason when the settings cannot name a mailbox (no host, a bad port, a folder name with
    /// characters IMAP cannot take here).
    static Status check(const Account& account);

    ImapMailbox(Account account, const std::atomic_bool* stop = nullptr);
    ~ImapMailbox();
    Q_DISABLE_COPY_MOVE(ImapMailbox)

    /// The UIDs of the messages not seen yet, lowest first.
    Result<QList<qint64>> unseen();
    /// A message's size in bytes.
    Result<qint64> size(qint64 uid);
    /// A message's bytes (headerOnly: its header); a File failure above maxBytes.
    Result<QByteArray> fetch(qint64 uid, qint64 maxBytes, bool headerOnly = false);
    /// Sets or clears the message's \Seen flag.
    Status setSeen(qint64 uid, bool seen);

private:
    Result<QByteArray> perform(const QByteArray& path, const QByteArray& command, qint64 maxBytes);

    Account m_account;
    const std::atomic_bool* m_stop;
    struct Handle;
    std::unique_ptr<Handle> m_handle;
};
