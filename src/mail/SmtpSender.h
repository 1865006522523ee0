#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <atomic>

/// Hands one built message to the office's SMTP server through libcurl, which speaks the protocol, the TLS and
/// the authentication, and escapes a body line that starts with "." itself.
namespace SmtpSender {

enum class Security
{
    None = 0,     // plain SMTP, for a relay inside the office only
    StartTls = 1, // plain connection upgraded with STARTTLS, which must succeed
    Tls = 2       // TLS from the first byte (smtps://, usually port 465)
};

struct Server
{
    QString host;
    int port = 587;
    Security security = Security::StartTls;
    QString user; // empty: no authentication
    QString password;
    QString caFile;                    // a CA bundle to check the server against; empty: the system's
    bool acceptAnyCertificate = false; // the office's own server with a certificate it made itself
    int connectTimeoutSeconds = 15;
    int timeoutSeconds = 120; // the whole transfer, a 10 MB attachment on a slow line included
};

/// How a send ended: the server's last answer, and whether trying again later can help.
struct Outcome
{
    bool sent = false;
    bool permanent = false; // the server refused this message or its recipient (5xx): trying again will not help
    bool reached = false;   // the server answered at all (a server that cannot be reached keeps messages waiting)
    QString answer;         // the server's last reply line, or what went wrong before one
};

/// Refused with the reason when the settings cannot name a server (no host, a port out of range).
Status checkServer(const Server& server);

/// Sends message (headers and body, CR LF lines) from `from` to `to`. Blocks until done, so it is called from the
/// sender's own thread; a set `stop` ends it early (the program is closing), unsent.
Outcome send(const Server& server, const QString& from, const QString& to, const QByteArray& message,
             const std::atomic_bool* stop = nullptr);

} // namespace SmtpSender
