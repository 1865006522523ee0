#include "calendars/FeedFetch.h"

#include <QCoreApplication>
#include <QUrl>
#include <curl/curl.h>
#include <mutex>

namespace FeedFetch {
namespace {
struct Transfer
{
    QByteArray body;
    qint64 maxBytes = 0;
    bool tooLarge = false;
    const std::atomic_bool* stop = nullptr;
};

size_t receive(char* data, size_t size, size_t count, void* user)
{
    auto* t = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    if (t->body.size() + qint64(bytes) > t->maxBytes) {
        t->tooLarge = true;
        return 0; // ends the transfer
    }
    t->body.append(data, qsizetype(bytes));
    return bytes;
}

int progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* t = static_cast<const Transfer*>(user);
    return t->stop && t->stop->load() ? 1 : 0;
}
} // namespace

Result<QString> normalized(const QString& address)
{
    QString trimmed = address.trimmed();
    if (trimmed.startsWith(QLatin1String("webcal://"), Qt::CaseInsensitive))
        trimmed = QStringLiteral("https://") + trimmed.mid(9);
    const QUrl url(trimmed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return refused(
            QCoreApplication::translate(
                "FeedFetch", "\"%1\" is not a calendar address: it should start with https://, http:// or webcal://.")
                .arg(address.trimmed().left(200)));
    return trimmed;
}

Result<QByteArray> get(const QString& address, const Limits& limits, const std::atomic_bool* stop)
{
    const auto url = normalized(address);
    if (!url)
        return url.failure();
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    CURL* curl = curl_easy_init();
    if (!curl)
        return fileFailure(QCoreApplication::translate(
            "FeedFetch", "The calendar could not be fetched: the transfer library did not start."));
    Transfer t;
    t.maxBytes = limits.maxBytes;
    t.stop = stop;
    const QByteArray target = url->toUtf8();
    char problem[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, target.constData());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, long(limits.maxRedirects));
#if LIBCURL_VERSION_NUM >= 0x075500
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
#else
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
#endif
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(limits.connectSeconds));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, long(limits.totalSeconds));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limits.maxBytes));
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Zem Harbour calendar reader");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, problem);
    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);
    if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
        return fileFailure(
            QCoreApplication::translate("FeedFetch", "The calendar is larger than %1 kB: it was not read.")
                .arg(limits.maxBytes / 1024));
    if (code == CURLE_TOO_MANY_REDIRECTS)
        return fileFailure(
            QCoreApplication::translate("FeedFetch", "The address redirects more than %1 times: it was not read.")
                .arg(limits.maxRedirects));
    if (code == CURLE_OPERATION_TIMEDOUT)
        return fileFailure(QCoreApplication::translate("FeedFetch", "The server did not answer within %1 seconds.")
                               .arg(limits.totalSeconds));
    if (code == CURLE_ABORTED_BY_CALLBACK)
        return cancelled();
    if (code != CURLE_OK)
        return fileFailure(QCoreApplication::translate("FeedFetch", "The calendar could not be fetched: %1")
                               .arg(QString::fromUtf8(problem[0] ? problem : curl_easy_strerror(code))));
    if (status < 200 || status >= 300)
        return fileFailure(
            QCoreApplication::translate("FeedFetch", "The server answered %1 instead of the calendar.").arg(status));
    return t.body;
}

} // namespace FeedFetch
