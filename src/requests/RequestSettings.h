#pragma once

#include "core/Registry.h"
#include "core/Result.h"
#include "requests/ImapMailbox.h"

/// Where booking requests arrive (the mailbox the web page's form mails to) and how long a hold lasts, kept in the
/// settings; the mailbox's password as the mail server's is kept (the secret store, else an owner-only file).
/// Only the gateway desk (Configure › Calendars...) reads the mailbox.
namespace RequestSettings {

inline const Setting Host{QStringLiteral("Request Mailbox Server"), {}};
inline const Setting Port{QStringLiteral("Request Mailbox Port"), QStringLiteral("993")};
/// "0" plain, "1" STARTTLS, "2" TLS from the first byte (SmtpSender::Security).
inline const Setting Security{QStringLiteral("Request Mailbox Security"), QStringLiteral("2")};
inline const Setting User{QStringLiteral("Request Mailbox User"), {}};
inline const Setting Folder{QStringLiteral("Request Mailbox Folder"), QStringLiteral("INBOX")};
inline const Setting AcceptAnyCertificate{QStringLiteral("Request Mailbox Accept Certificate"), QStringLiteral("0")};
inline const Setting ReadMinutes{QStringLiteral("Request Mailbox Minutes"), QStringLiteral("5")};
inline const Setting HoldHours{QStringLiteral("Request Hold Hours"), QStringLiteral("48")};
inline constexpr int MaxHoldHours = 24 * 60;
inline constexpr int MaxReadMinutes = 24 * 60;

struct Config
{
    ImapMailbox::Account account; // with its password
    int readMinutes = 5;
    int holdHours = 48;
};

/// The settings as stored, with the password; numbers out of range read as their nearest bound.
Config load();
/// Whether a mailbox is set up at all.
bool isSetUp(const Config& config);
/// Refused with the reason when the settings cannot be kept (a bad port, folder, minutes or hours); a set-up
/// mailbox checked as ImapMailbox::check does.
Status check(const Config& config);
/// Writes checked settings and the password (a File failure when no store could keep it).
Status save(const Config& config);

} // namespace RequestSettings
