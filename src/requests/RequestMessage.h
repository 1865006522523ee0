#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

/// A booking request as the web page's form mails it (through the form-to-mail service): the message read into
/// the fields the clerk works with. Reading never fails: a message that is not a request, has no dates, dates in
/// another style or anything else unreadable is kept with the reason for the clerk to look at it (checkReason).
namespace RequestMessage {

/// Messages above this size are not read whole: their header is kept and the clerk reads them in the mailbox.
inline constexpr qint64 MaxBytes = 2 * 1024 * 1024;
/// Sizes a request may give, in centimetres.
inline constexpr int MaxLengthCm = 20000;
inline constexpr int MaxBeamCm = 5000;
inline constexpr int MaxDraftCm = 2000;

struct Request
{
    QString messageId; // the Message-ID header, or a digest of the message when it has none
    QDateTime received;
    QString name;
    QString email;
    QString phone;
    QDate arrive;
    QDate depart;
    std::optional<int> lengthCm;
    std::optional<int> beamCm;
    std::optional<int> draftCm;
    QString berthType;
    QString language; // the page's language code ("de"), empty when the page sent none
    QString comments;
    QString checkReason; // empty: a request the wizard can take as it is
    QString body;        // the message's text, kept for the clerk
};

/// The request a whole message holds; received when its Date header cannot be read.
Request read(const QByteArray& message, const QDateTime& received);

/// A message too large to read (size bytes): what its header says, marked to check.
Request tooLarge(const QByteArray& header, qint64 size, const QDateTime& received);

} // namespace RequestMessage
