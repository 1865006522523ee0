#pragma once

#include "core/Result.h"
#include "requests/ImapMailbox.h"
#include "requests/RequestStore.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QStringList>
#include <atomic>

/// One read of the mailbox: each unseen message becomes a request (or is known already by its Message-ID), and is
/// marked seen only once its row is committed; a message that could not be kept stays unseen for the next read.
namespace RequestReader {

struct Report
{
    int added = 0;
    int toCheck = 0;                         // of those added
    int known = 0;                           // read before: nothing added
    QList<RequestMessage::Request> requests; // those added, for the event log
    QString error;                           // the mailbox or the database failed: the rest waits for the next read
};

Report read(const QSqlDatabase& db, ImapMailbox& mailbox, const QDateTime& now, const std::atomic_bool* stop = nullptr);

} // namespace RequestReader
