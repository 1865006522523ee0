#include "requests/ImapMailbox.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>
#include <curl/curl.h>
#include <mutex>

namespace {
struct Download
{
    QByteArray bytes;
    qint64 limit = 0;
    bool over = false;
};

size_t keep(char* data, size_t size, size_t count, void* user)
{
    auto* download = static_cast<Download*>(user);
    const auto n = static_cast<qsizetype>(size * count);
    if (download->bytes.size() + n > download->limit) {
        download->over = true;
        return 0; // ends the transfer
    }
    download->bytes.append(data, n);
    return size * count;
}

// The server's last line, for what went wrong.
int watch(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    if (type == CURLINFO_HEADER_IN) {
        const QString line = QString::fromUtf8(data, static_cast<qsizetype>(size)).trimmed();
        if (!line.isEmpty())
            *static_cast<QString*>(user) = line.left(300);
    }
    return 0;
}

int progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* stop = static_cast<const std::atomic_bool*>(user);
    return stop && stop->load() ? 1 : 0;
}
} // namespace

struct ImapMailbox::Handle
{
    CURL* curl = nullptr;
    QByteArray user, password, caFile;
    ~Handle() { curl_easy_cleanup(curl); }
};

Status ImapMailbox::check(const Account& account)
{
    if (Status ok = SmtpSender::checkServer(account.server); !ok)
        return ok;
    static const QRegularExpression folder(QStringLiteral(R"(^[A-Za-z0-9 ._/\-]{1,100}$)"));
    if (!folder.match(account.folder).hasMatch())
        return refused(QCoreApplication::translate(
                           "ImapMailbox", "The folder name \"%1\" may hold letters, digits, spaces and . _ / - only.")
                           .arg(account.folder.left(100)));
    return Done{};
}

ImapMailbox::ImapMailbox(Account account, const std::atomic_bool* stop)
    : m_account(std::move(account)), m_stop(stop), m_handle(std::make_unique<Handle>())
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_handle->curl = curl_easy_init();
    m_handle->user = m_account.server.user.toUtf8();
    m_handle->password = m_account.server.password.toUtf8();
    m_handle->caFile = m_account.server.caFile.toLocal8Bit();
}

ImapMailbox::~ImapMailbox() = default;

Result<QByteArray> ImapMailbox::perform(const QByteArray& path, const QByteArray& command, qint64 maxBytes)
{
    if (Status ok = check(m_account); !ok)
        return ok.failure();
    CURL* curl = m_handle->curl;
    if (!curl)
        return fileFailure(QCoreApplication::translate(
            "ImapMailbox", "The mailbox could not be read: the transfer library did not start."));
    const SmtpSender::Server& server = m_account.server;
    const QByteArray url = (server.security == SmtpSender::Security::Tls ? "imaps://" : "imap://") +
                           QUrl::toAce(server.host.trimmed()) + ':' + QByteArray::number(server.port) + '/' +
                           QUrl::toPercentEncoding(m_account.folder, "/") + path;
    Download download;
    download.limit = maxBytes;
    QString lastAnswer;
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, command.isEmpty() ? nullptr : command.constData());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, keep);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &download);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(server.connectTimeoutSeconds));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, static_cast<long>(server.timeoutSeconds));
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, watch);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &lastAnswer);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L); // feeds watch(); nothing is printed
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, m_stop);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    if (server.security == SmtpSender::Security::StartTls)
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!server.user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, m_handle->user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, m_handle->password.constData());
    }
    if (!server.caFile.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, m_handle->caFile.constData());
    if (server.acceptAnyCertificate) {
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
    }
    const CURLcode code = curl_easy_perform(curl);
    if (code == CURLE_OK)
        return download.bytes;
    if (download.over)
        return fileFailure(
            QCoreApplication::translate("ImapMailbox", "The message is larger than %1 KB.").arg(maxBytes / 1024));
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return fileFailure(
            QCoreApplication::translate("ImapMailbox", "The mail server %1 could not be found.").arg(server.host));
    case CURLE_COULDNT_CONNECT:
        return fileFailure(QCoreApplication::translate("ImapMailbox", "The mail server %1 did not answer on port %2.")
                               .arg(server.host)
                               .arg(server.port));
    case CURLE_LOGIN_DENIED:
        return fileFailure(
            QCoreApplication::translate("ImapMailbox", "The mail server refused the user name or password: %1")
                .arg(lastAnswer));
    case CURLE_USE_SSL_FAILED:
        return fileFailure(QCoreApplication::translate(
                               "ImapMailbox", "The mail server does not offer a secure connection (STARTTLS): %1")
                               .arg(lastAnswer));
    case CURLE_OPERATION_TIMEDOUT:
        return fileFailure(
            QCoreApplication::translate("ImapMailbox", "The mail server did not answer within %1 seconds.")
                .arg(server.timeoutSeconds));
    case CURLE_ABORTED_BY_CALLBACK:
        return cancelled();
    default:
        break;
    }
    const QString why = QString::fromLocal8Bit(error[0] ? error : curl_easy_strerror(code));
    return fileFailure(QCoreApplication::translate("ImapMailbox", "The mailbox could not be read: %1")
                           .arg(lastAnswer.isEmpty() ? why : lastAnswer + QStringLiteral(" (") + why + u')'));
}

Result<QList<qint64>> ImapMailbox::unseen()
{
    const auto answer = perform({}, "UID SEARCH UNSEEN", 1024 * 1024);
    if (!answer)
        return answer.failure();
    QList<qint64> uids;
    for (const QByteArray& line : answer->split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.startsWith("* SEARCH"))
            continue;
        for (const QByteArray& word : trimmed.mid(8).split(' ')) {
            bool ok = false;
            const qint64 uid = word.toLongLong(&ok);
            if (ok && uid > 0)
                uids << uid;
        }
    }
    std::sort(uids.begin(), uids.end());
    return uids;
}

Result<qint64> ImapMailbox::size(qint64 uid)
{
    const auto answer = perform({}, "UID FETCH " + QByteArray::number(uid) + " RFC822.SIZE", 64 * 1024);
    if (!answer)
        return answer.failure();
    static const QRegularExpression pattern(QStringLiteral(R"(RFC822\.SIZE (\d+))"));
    const auto m = pattern.match(QString::fromLatin1(*answer));
    if (!m.hasMatch())
        return fileFailure(
            QCoreApplication::translate("ImapMailbox", "The mail server did not give the size of message %1.")
                .arg(uid));
    return m.captured(1).toLongLong();
}

Result<QByteArray> ImapMailbox::fetch(qint64 uid, qint64 maxBytes, bool headerOnly)
{
    return perform("/;UID=" + QByteArray::number(uid) + (headerOnly ? ";SECTION=HEADER" : ""), {}, maxBytes);
}

Status ImapMailbox::setSeen(qint64 uid, bool seen)
{
    const auto answer =
        perform({}, "UID STORE " + QByteArray::number(uid) + (seen ? " +" : " -") + "FLAGS.SILENT (\\Seen)", 64 * 1024);
    if (!answer)
        return answer.failure();
    return Done{};
}
