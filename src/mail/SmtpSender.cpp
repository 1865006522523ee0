#include "mail/SmtpSender.h"

#include <QCoreApplication>
#include <QUrl>
#include <algorithm>
#include <cstring>
#include <curl/curl.h>
#include <mutex>

namespace SmtpSender {
namespace {

struct Upload
{
    const QByteArray* bytes;
    qsizetype at = 0;
};

size_t readChunk(char* buffer, size_t size, size_t count, void* user)
{
    auto* upload = static_cast<Upload*>(user);
    const auto room = static_cast<qsizetype>(size * count);
    const qsizetype left = upload->bytes->size() - upload->at;
    const qsizetype n = std::min(room, left);
    std::memcpy(buffer, upload->bytes->constData() + upload->at, static_cast<size_t>(n));
    upload->at += n;
    return static_cast<size_t>(n);
}

// Keeps the server's last reply line: what the outbox shows when a send fails.
int watch(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    if (type == CURLINFO_HEADER_IN) {
        const QString line = QString::fromUtf8(data, static_cast<qsizetype>(size)).trimmed();
        if (!line.isEmpty())
            *static_cast<QString*>(user) = line;
    }
    return 0;
}

// Cut short only before the whole message is up: once it is, the server may already have taken it, and the
// reply decides whether it counts as sent.
int progress(void* user, curl_off_t, curl_off_t, curl_off_t uploadTotal, curl_off_t uploaded)
{
    const auto* stop = static_cast<const std::atomic_bool*>(user);
    return stop && stop->load() && (uploadTotal == 0 || uploaded < uploadTotal) ? 1 : 0;
}

void initialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Handle
{
    CURL* curl = curl_easy_init();
    curl_slist* recipients = nullptr;
    ~Handle()
    {
        curl_slist_free_all(recipients);
        curl_easy_cleanup(curl);
    }
};

} // namespace

Status checkServer(const Server& server)
{
    if (server.host.trimmed().isEmpty())
        return refused(QCoreApplication::translate("SmtpSender",
                                                   "No mail server is set up: enter it in Setup Company Information."));
    if (server.host.contains(u'/') || server.host.contains(u' ') || server.host.contains(u'@'))
        return refused(QCoreApplication::translate("SmtpSender", "%1 is not a server name.").arg(server.host));
    if (server.port < 1 || server.port > 65535)
        return refused(QCoreApplication::translate("SmtpSender", "The mail server's port must be from 1 to 65535."));
    return Done{};
}

Outcome send(const Server& server, const QString& from, const QString& to, const QByteArray& message,
             const std::atomic_bool* stop)
{
    if (Status ok = checkServer(server); !ok)
        return {false, false, false, ok.error()};
    initialiseOnce();
    Handle h;
    if (!h.curl)
        return {false, false, false, QCoreApplication::translate("SmtpSender", "The mail library could not start.")};

    const QByteArray url = (server.security == Security::Tls ? "smtps://" : "smtp://") +
                           QUrl::toAce(server.host.trimmed()) + ':' + QByteArray::number(server.port);
    const QByteArray fromBytes = '<' + from.toLatin1() + '>';
    const QByteArray toBytes = '<' + to.toLatin1() + '>';
    const QByteArray user = server.user.toUtf8();
    const QByteArray password = server.password.toUtf8();
    const QByteArray caFile = server.caFile.toLocal8Bit();
    h.recipients = curl_slist_append(nullptr, toBytes.constData());
    Upload upload{&message};
    QString lastAnswer;
    char error[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(h.curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(h.curl, CURLOPT_MAIL_FROM, fromBytes.constData());
    curl_easy_setopt(h.curl, CURLOPT_MAIL_RCPT, h.recipients);
    curl_easy_setopt(h.curl, CURLOPT_READFUNCTION, readChunk);
    curl_easy_setopt(h.curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(h.curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(h.curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
    curl_easy_setopt(h.curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(h.curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h.curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(server.connectTimeoutSeconds));
    curl_easy_setopt(h.curl, CURLOPT_TIMEOUT, static_cast<long>(server.timeoutSeconds));
    curl_easy_setopt(h.curl, CURLOPT_DEBUGFUNCTION, watch);
    curl_easy_setopt(h.curl, CURLOPT_DEBUGDATA, &lastAnswer);
    curl_easy_setopt(h.curl, CURLOPT_VERBOSE, 1L); // feeds watch(); nothing is printed
    curl_easy_setopt(h.curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(h.curl, CURLOPT_XFERINFODATA, stop);
    curl_easy_setopt(h.curl, CURLOPT_NOPROGRESS, 0L);
    if (server.security == Security::StartTls)
        curl_easy_setopt(h.curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!server.user.isEmpty()) {
        curl_easy_setopt(h.curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(h.curl, CURLOPT_PASSWORD, password.constData());
    }
    if (!server.caFile.isEmpty())
        curl_easy_setopt(h.curl, CURLOPT_CAINFO, caFile.constData());
    if (server.acceptAnyCertificate) {
        curl_easy_setopt(h.curl, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(h.curl, CURLOPT_SSL_VERIFYHOST, 0L);
    }

    const CURLcode code = curl_easy_perform(h.curl);
    long reply = 0;
    curl_easy_getinfo(h.curl, CURLINFO_RESPONSE_CODE, &reply);
    if (code == CURLE_OK)
        return {true, false, true, lastAnswer};

    const QString why = QString::fromLocal8Bit(error[0] ? error : curl_easy_strerror(code));
    Outcome outcome{false, false, !lastAnswer.isEmpty(),
                    lastAnswer.isEmpty() ? why : lastAnswer + QStringLiteral(" (") + why + u')'};
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        outcome.answer =
            QCoreApplication::translate("SmtpSender", "The mail server %1 could not be found.").arg(server.host);
        break;
    case CURLE_COULDNT_CONNECT:
        outcome.answer = QCoreApplication::translate("SmtpSender", "The mail server %1 did not answer on port %2.")
                             .arg(server.host)
                             .arg(server.port);
        break;
    case CURLE_LOGIN_DENIED:
        outcome.answer =
            QCoreApplication::translate("SmtpSender", "The mail server refused the user name or password: %1")
                .arg(lastAnswer);
        break;
    case CURLE_USE_SSL_FAILED:
        outcome.answer = QCoreApplication::translate(
                             "SmtpSender", "The mail server does not offer a secure connection (STARTTLS): %1")
                             .arg(lastAnswer);
        break;
    default:
        break;
    }
    // A 5xx reply to the recipient or the message is the server's last word on it; 4xx and the rest may pass.
    outcome.permanent = (code == CURLE_SEND_ERROR || code == CURLE_RECV_ERROR || code == CURLE_WEIRD_SERVER_REPLY ||
                         code == CURLE_UPLOAD_FAILED) &&
                        reply >= 500 && reply < 600 && code != CURLE_LOGIN_DENIED;
    return outcome;
}

} // namespace SmtpSender
