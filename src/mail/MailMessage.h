#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

/// One e-mail as it leaves the office: the sender, one recipient, a subject, a plain-text body and at most one
/// attachment (the booking's PDF). build() turns it into the bytes an SMTP server takes.
namespace MailMessage {

struct Message
{
    QString fromName;
    QString fromAddress;
    QString toName;
    QString toAddress;
    QString subject;
    QString body;
    QString attachmentName; // "Booking Confirmation 12.pdf"; empty: no attachment
    QByteArray attachment;
    QDateTime date;    // the Date header, in UTC
    QString messageId; // "<...@host>"; empty: one is made from the date and a random number
};

/// Refused with the reason when address is not one a server can deliver to (no "@", spaces, a line break).
Status checkAddress(const QString& address);

/// A header value as it may be written: ASCII text as it is, other text as RFC 2047 encoded words (UTF-8, base64)
/// of at most 75 characters each, folded onto continuation lines.
QByteArray encodedWords(const QString& text);

/// The message with its headers (Date, From, To, Subject, Message-ID, MIME-Version) and its body: text/plain in
/// quoted-printable, or multipart/mixed with the attachment in base64. Refused when an address is not one or a
/// header value holds a line break (which would let it write headers of its own).
Result<QByteArray> build(const Message& message);

} // namespace MailMessage
