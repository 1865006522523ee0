#include "mail/MailMessage.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace MailMessage {
namespace {

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

bool isPlainAscii(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return true;
}

// A display name in quotes when it holds characters that mean something in an address header.
QByteArray displayName(const QString& name)
{
    if (!isPlainAscii(name))
        return encodedWords(name);
    static const QRegularExpression special(QStringLiteral("[()<>\\[\\]:;@\\\\,.\"]"));
    if (!name.contains(special))
        return name.toLatin1();
    QString quoted = name;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return '"' + quoted.toLatin1() + '"';
}

QByteArray mailbox(const QString& name, const QString& address)
{
    if (name.trimmed().isEmpty())
        return address.toLatin1();
    return displayName(name.trimmed()) + " <" + address.toLatin1() + '>';
}

// Quoted-printable (RFC 2045) of UTF-8 text, lines ending CR LF and no encoded line longer than 76 characters.
QByteArray quotedPrintable(const QString& text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QByteArray out;
    const QList<QByteArray> lines = normal.toUtf8().split('\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        const QByteArray& line = lines[l];
        QByteArray encoded;
        int width = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto c = static_cast<unsigned char>(line[i]);
            const bool last = i == line.size() - 1;
            QByteArray piece;
            if ((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last))
                piece = QByteArray(1, static_cast<char>(c));
            else
                piece = '=' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
            if (width + piece.size() > 75) {
                encoded += "=\r\n";
                width = 0;
            }
            encoded += piece;
            width += static_cast<int>(piece.size());
        }
        out += encoded;
        if (l < lines.size() - 1)
            out += "\r\n";
    }
    return out;
}

QByteArray base64Lines(const QByteArray& bytes)
{
    const QByteArray all = bytes.toBase64();
    QByteArray out;
    out.reserve(all.size() + all.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < all.size(); i += 76)
        out += all.mid(i, 76) + "\r\n";
    return out;
}

QByteArray rfc5322Date(const QDateTime& when)
{
    static const char* const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDateTime utc = when.isValid() ? when.toUTC() : QDateTime::currentDateTimeUtc();
    const QDate d = utc.date();
    return QByteArray(days[d.dayOfWeek() - 1]) + ", " + QByteArray::number(d.day()) + ' ' + months[d.month() - 1] +
           ' ' + QByteArray::number(d.year()) + ' ' + utc.time().toString(QStringLiteral("HH:mm:ss")).toLatin1() +
           " +0000";
}

} // namespace

Status checkAddress(const QString& address)
{
    if (address.trimmed().isEmpty())
        return refused(QCoreApplication::translate("MailMessage", "There is no e-mail address to send to."));
    if (hasLineBreak(address))
        return refused(QCoreApplication::translate("MailMessage", "The e-mail address %1 holds a line break.")
                           .arg(address.simplified()));
    static const QRegularExpression shape(QStringLiteral("^[^@\\s<>()\\[\\],;:\"]+@[^@\\s<>()\\[\\],;:\"]+$"));
    if (!isPlainAscii(address) || !shape.match(address).hasMatch() || address.endsWith(u'.') || address.endsWith(u'@'))
        return refused(
            QCoreApplication::translate("MailMessage", "%1 is not an e-mail address (name@example.com).").arg(address));
    return Done{};
}

QByteArray encodedWords(const QString& text)
{
    if (isPlainAscii(text))
        return text.toLatin1();
    // Each word carries whole characters: 45 bytes of UTF-8 make 60 of base64, within 75 with its frame.
    QByteArray out;
    QByteArray chunk;
    auto flush = [&] {
        if (chunk.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray character = text.mid(i, width).toUtf8();
        if (chunk.size() + character.size() > 45)
            flush();
        chunk += character;
        i += width - 1;
    }
    flush();
    return out;
}

Result<QByteArray> build(const Message& message)
{
    for (const QString* address : {&message.fromAddress, &message.toAddress})
        if (Status ok = checkAddress(*address); !ok)
            return ok.failure();
    const std::pair<QString, const QString*> headers[] = {
        {QCoreApplication::translate("MailMessage", "The sender's name"), &message.fromName},
        {QCoreApplication::translate("MailMessage", "The recipient's name"), &message.toName},
        {QCoreApplication::translate("MailMessage", "The subject"), &message.subject},
        {QCoreApplication::translate("MailMessage", "The attachment's name"), &message.attachmentName}};
    for (const auto& [what, value] : headers)
        if (hasLineBreak(*value))
            return refused(
                QCoreApplication::translate("MailMessage", "%1 holds a line break, which an e-mail header may not: %2")
                    .arg(what, value->simplified()));

    QByteArray id = message.messageId.toLatin1();
    if (id.isEmpty()) {
        const QString domain = message.fromAddress.section(u'@', 1);
        id = '<' + QByteArray::number(message.date.toMSecsSinceEpoch()) + '.' +
             QByteArray::number(QRandomGenerator::global()->generate64(), 36) + '@' + domain.toLatin1() + '>';
    }
    QByteArray out;
    out += "Date: " + rfc5322Date(message.date) + "\r\n";
    out += "From: " + mailbox(message.fromName, message.fromAddress) + "\r\n";
    out += "To: " + mailbox(message.toName, message.toAddress) + "\r\n";
    out += "Subject: " + encodedWords(message.subject) + "\r\n";
    out += "Message-ID: " + id + "\r\n";
    out += "MIME-Version: 1.0\r\n";
    const QByteArray textPart = "Content-Type: text/plain; charset=UTF-8\r\n"
                                "Content-Transfer-Encoding: quoted-printable\r\n\r\n" +
                                quotedPrintable(message.body) + "\r\n";
    if (message.attachmentName.isEmpty()) {
        out += textPart;
        return out;
    }
    const QByteArray boundary = "=_zem_" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    // The file name in RFC 2231 form too, for readers that do not decode encoded words in parameters.
    const QByteArray name = isPlainAscii(message.attachmentName)
                                ? '"' + message.attachmentName.toLatin1().replace('"', "'") + '"'
                                : '"' + encodedWords(message.attachmentName).replace("\r\n ", "") + '"';
    out += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    out += "--" + boundary + "\r\n" + textPart;
    out += "--" + boundary + "\r\n";
    out += "Content-Type: application/pdf; name=" + name + "\r\n";
    out += "Content-Transfer-Encoding: base64\r\n";
    out += "Content-Disposition: attachment; filename=" + name + "\r\n\r\n";
    out += base64Lines(message.attachment);
    out += "--" + boundary + "--\r\n";
    return out;
}

} // namespace MailMessage
