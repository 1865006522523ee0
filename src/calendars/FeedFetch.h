#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <atomic>

/// A calendar fetched from its address over HTTP(S) through libcurl, within limits, so a server that redirects
/// forever, answers slowly or sends without end cannot hold the reader.
namespace FeedFetch {

struct Limits
{
    int connectSeconds = 10;
    int totalSeconds = 30; // the whole answer
    int maxRedirects = 5;
    qint64 maxBytes = 8 << 20; // a calendar larger than this is refused
};

/// The address as fetched: webcal:// is https://; anything but http(s) is refused with the reason to show.
Result<QString> normalized(const QString& address);

/// The body at address; a File failure with the reason (the server's status, a timeout, too many redirects, too
/// large) otherwise. stop, when set, cuts it short.
Result<QByteArray> get(const QString& address, const Limits& limits = {}, const std::atomic_bool* stop = nullptr);

} // namespace FeedFetch
