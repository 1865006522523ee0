#pragma once

#include "core/Registry.h"
#include "core/Result.h"
#include "mail/SmtpSender.h"

/// The office's mail server and sender, kept in the settings, and the server's password, kept in the desktop's
/// secret store where one answers, else in an owner-only file beside the settings; never in the database or a log.
namespace MailSettings {

inline const Setting Host{QStringLiteral("Mail Server"), {}};
inline const Setting Port{QStringLiteral("Mail Server Port"), QStringLiteral("587")};
/// "0" plain, "1" STARTTLS, "2" TLS (SmtpSender::Security).
inline const Setting Security{QStringLiteral("Mail Server Security"), QStringLiteral("1")};
inline const Setting User{QStringLiteral("Mail Server User"), {}};
inline const Setting CaFile{QStringLiteral("Mail Server CA File"), {}};
/// "1": the server's own certificate is taken without a check (an office's server with a self-made certificate).
inline const Setting AcceptAnyCertificate{QStringLiteral("Mail Server Accept Certificate"), QStringLiteral("0")};
inline const Setting SenderName{QStringLiteral("Mail Sender Name"), {}};
inline const Setting SenderAddress{QStringLiteral("Mail Sender Address"), {}};
/// "keychain": the desktop's secret store first; "file": the owner-only file only.
inline const Setting PasswordStore{QStringLiteral("Mail Password Store"), QStringLiteral("keychain")};

/// Reminder rules: a deposit reminder this many days before it falls due, a balance reminder this many days before
/// it falls due, and a reminder of what is overdue this many days after; 0 turns a rule off.
inline const Setting DepositReminderDays{QStringLiteral("Reminder Deposit Days"), QStringLiteral("3")};
inline const Setting BalanceReminderDays{QStringLiteral("Reminder Balance Days"), QStringLiteral("7")};
inline const Setting OverdueReminderDays{QStringLiteral("Reminder Overdue Days"), QStringLiteral("7")};
inline constexpr int MaxReminderDays = 365;

struct Account
{
    SmtpSender::Server server; // without its password
    QString senderName;
    QString senderAddress;
};

/// The settings as stored (a port that is not a number reads as 587).
Account load();
/// Refused with the reason when the account cannot send (no server, a bad port, no sender address).
Status check(const Account& account);
/// Writes checked settings.
Status save(const Account& account);
/// Whether a server is set up at all (otherwise "Email" opens the desktop's mail program as before).
bool isSetUp();
/// Why an action that sends mail is disabled when no server is set up.
QString notSetUpText();

/// The password for user on host; empty when none is kept.
QString password();
/// Keeps the password (an empty one removes it); a File failure when neither store could keep it.
Status setPassword(const QString& password);
/// The owner-only file the password is kept in when no secret store answers.
QString passwordFile();

/// Another secret kept as the password is (the mailbox's): the secret store under service and key, else the
/// owner-only file at path; empty when none is kept.
QString readSecret(const QString& service, const QString& key, const QString& path);
/// Keeps it (an empty one removes it); a File failure when neither store could keep it.
Status keepSecret(const QString& service, const QString& key, const QString& path, const QString& secret);

} // namespace MailSettings
