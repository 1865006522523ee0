#include "requests/RequestReader.h"

#include <QCoreApplication>

namespace RequestReader {

Report read(const QSqlDatabase& db, ImapMailbox& mailbox, const QDateTime& now, const std::atomic_bool* stop)
{
    Report report;
    const auto uids = mailbox.unseen();
    if (!uids) {
        report.error = uids.error();
        return report;
    }
    for (qint64 uid : *uids) {
        if (stop && stop->load())
            break;
        const auto size = mailbox.size(uid);
        if (!size) {
            report.error = size.error();
            break;
        }
        const bool whole = *size <= RequestMessage::MaxBytes;
        // A fetch sets \Seen: cleared at once, so a message whose row does not commit is read again next time.
        const auto bytes =
            whole ? mailbox.fetch(uid, RequestMessage::MaxBytes + 1024) : mailbox.fetch(uid, 256 * 1024, true);
        if (Status unseen = mailbox.setSeen(uid, false); !unseen || !bytes) {
            report.error = bytes ? unseen.error() : bytes.error();
            break;
        }
        const RequestMessage::Request request =
            whole ? RequestMessage::read(*bytes, now) : RequestMessage::tooLarge(*bytes, *size, now);
        const auto added = RequestStore::add(db, request);
        if (!added) {
            report.error = added.error();
            break;
        }
        if (Status seen = mailbox.setSeen(uid, true); !seen) {
            report.error = seen.error(); // kept: read again, it is known by its Message-ID
            break;
        }
        if (added->duplicate) {
            ++report.known;
            continue;
        }
        ++report.added;
        if (!request.checkReason.isEmpty())
            ++report.toCheck;
        report.requests << request;
    }
    return report;
}

} // namespace RequestReader
