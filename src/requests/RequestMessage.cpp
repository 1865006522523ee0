#include "requests/RequestMessage.h"

#include "core/Lengths.h"
#include "mail/MailMessage.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <QUrlQuery>

namespace RequestMessage {
namespace {
// What is kept of each field: enough for any real value, never a whole message in a name.
constexpr int MaxName = 120;
constexpr int MaxEmail = 254;
constexpr int MaxPhone = 40;
constexpr int MaxType = 80;
constexpr int MaxComments = 4000;
constexpr int MaxBody = 64 * 1024;

struct Part
{
    QHash<QByteArray, QByteArray> headers; // names in lower case, folded lines joined
    QByteArray body;
};

Part split(const QByteArray& raw)
{
    Part part;
    qsizetype end = raw.indexOf("\r\n\r\n");
    qsizetype skip = 4;
    const qsizetype lf = raw.indexOf("\n\n");
    if (end < 0 || (lf >= 0 && lf < end)) {
        end = lf;
        skip = 2;
    }
    const QByteArray head = end < 0 ? raw : raw.left(end);
    part.body = end < 0 ? QByteArray() : raw.mid(end + skip);
    QByteArray name;
    for (QByteArray line : head.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty() && (line.front() == ' ' || line.front() == '\t')) {
            if (!name.isEmpty())
                part.headers[name] += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) {
            name.clear();
            continue;
        }
        name = line.left(colon).trimmed().toLower();
        if (!part.headers.contains(name))
            part.headers.insert(name, line.mid(colon + 1).trimmed());
        else
            name.clear(); // the first of a header counts
    }
    return part;
}

// A parameter of a header value: charset, boundary.
QByteArray parameter(const QByteArray& value, const QByteArray& name)
{
    static const QRegularExpression pattern(QStringLiteral(R"re(;\s*([A-Za-z-]+)\s*=\s*("([^"]*)"|[^;\s]*))re"));
    auto it = pattern.globalMatch(QString::fromLatin1(value));
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(1).compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return (m.capturedLength(3) > 0 ? m.captured(3) : m.captured(2)).toLatin1();
    }
    return {};
}

QByteArray quotedPrintable(const QByteArray& in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] != '=') {
            out += in[i];
            continue;
        }
        if (i + 1 < in.size() && (in[i + 1] == '\n' || in[i + 1] == '\r')) { // a soft line break
            i += (in[i + 1] == '\r' && i + 2 < in.size() && in[i + 2] == '\n') ? 2 : 1;
            continue;
        }
        bool ok = false;
        const int byte = i + 2 < in.size() ? in.mid(i + 1, 2).toInt(&ok, 16) : 0;
        if (ok) {
            out += char(byte);
            i += 2;
        } else {
            out += '=';
        }
    }
    return out;
}

QString decoded(const Part& part)
{
    const QByteArray encoding = part.headers.value("content-transfer-encoding").trimmed().toLower();
    QByteArray bytes = part.body;
    if (encoding == "base64")
        bytes = QByteArray::fromBase64(bytes);
    else if (encoding == "quoted-printable")
        bytes = quotedPrintable(bytes);
    const QByteArray charset = parameter(part.headers.value("content-type"), "charset").toLower();
    QStringDecoder decoder(charset.isEmpty() ? QByteArray("utf-8") : charset);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    QString result = decoder.decode(bytes);
    // Control characters (a binary message read as text) are not kept: the text goes into lists and the database.
    for (QChar& c : result)
        if (c.category() == QChar::Other_Control && c != u'\n' && c != u'\t')
            c = u' ';
    return result;
}

// The message's text: its first text/plain part, or its only text; an HTML part with its tags taken away.
QString bodyText(const Part& message, int depth = 0)
{
    const QByteArray type = message.headers.value("content-type").toLower();
    if (type.startsWith("multipart/") && depth < 4) {
        const QByteArray boundary = parameter(message.headers.value("content-type"), "boundary");
        if (boundary.isEmpty())
            return decoded(message);
        QString html;
        const QList<QByteArray> pieces = message.body.split('\n');
        QByteArray current;
        bool inside = false;
        QList<QByteArray> parts;
        for (const QByteArray& piece : pieces) {
            const QByteArray line = piece.endsWith('\r') ? piece.chopped(1) : piece;
            if (line == "--" + boundary || line == "--" + boundary + "--") {
                if (inside)
                    parts << current;
                current.clear();
                inside = line == "--" + boundary;
                continue;
            }
            if (inside)
                current += piece + '\n';
        }
        for (const QByteArray& raw : std::as_const(parts)) {
            const Part part = split(raw);
            const QByteArray partType = part.headers.value("content-type").toLower();
            if (partType.isEmpty() || partType.startsWith("text/plain") || partType.startsWith("multipart/")) {
                const QString found = bodyText(part, depth + 1);
                if (!found.trimmed().isEmpty())
                    return found;
            } else if (partType.startsWith("text/html") && html.isEmpty()) {
                html = bodyText(part, depth + 1);
            }
        }
        return html;
    }
    QString result = decoded(message);
    if (type.startsWith("text/html")) {
        static const QRegularExpression breaks(QStringLiteral("<(br|/p|/tr|/div)[^>]*>"),
                                               QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
        result.replace(breaks, QStringLiteral("\n")).remove(tags);
        result.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    }
    return result;
}

const QStringList Known = {QStringLiteral("visitor_name"),    QStringLiteral("visitor_email_address"),
                           QStringLiteral("arrive_day"),      QStringLiteral("arrive_month"),
                           QStringLiteral("arrive_year"),     QStringLiteral("departure_day"),
                           QStringLiteral("departure_month"), QStringLiteral("departure_year"),
                           QStringLiteral("comment"),         QStringLiteral("phone"),
                           QStringLiteral("boat_length"),     QStringLiteral("boat_beam"),
                           QStringLiteral("boat_draft"),      QStringLiteral("berth_type"),
                           QStringLiteral("language")};

// The form's fields: "name: value" or "name = value" lines as the services write them, or the form's own
// urlencoded post. A line that names no known field continues the comment above it.
QHash<QString, QString> fields(const QString& body)
{
    QHash<QString, QString> found;
    const QString trimmed = body.trimmed();
    if (!trimmed.contains(u'\n') && trimmed.contains(u'&') && trimmed.contains(u'=')) {
        QString plus = trimmed;
        plus.replace(u'+', u' ');
        for (const auto& [key, value] : QUrlQuery(plus).queryItems(QUrl::FullyDecoded))
            found.insert(key.trimmed().toLower(), value.trimmed());
        return found;
    }
    static const QRegularExpression line(QStringLiteral(R"(^\s*([A-Za-z][A-Za-z0-9_ ]{0,40}?)\s*[:=]\s?(.*)$)"));
    QString last;
    for (const QString& row : body.split(u'\n')) {
        const QString clean = row.endsWith(u'\r') ? row.chopped(1) : row;
        const auto m = line.match(clean);
        const QString key = m.hasMatch() ? m.captured(1).trimmed().toLower().replace(u' ', u'_') : QString();
        if (m.hasMatch() && (Known.contains(key) || !found.contains(key))) {
            if (!found.contains(key))
                found.insert(key, m.captured(2).trimmed());
            last = key;
        } else if (last == u"comment") {
            found[last] += u'\n' + clean;
        }
    }
    if (found.contains(QStringLiteral("comment")))
        found[QStringLiteral("comment")] = found.value(QStringLiteral("comment")).trimmed();
    return found;
}

std::optional<QDate> dateOf(const QHash<QString, QString>& f, const QString& prefix, bool* given)
{
    const QString d = f.value(prefix + QStringLiteral("_day")), m = f.value(prefix + QStringLiteral("_month")),
                  y = f.value(prefix + QStringLiteral("_year"));
    *given = !d.isEmpty() || !m.isEmpty() || !y.isEmpty();
    bool okD = false, okM = false, okY = false;
    const int day = d.toInt(&okD), month = m.toInt(&okM), year = y.toInt(&okY);
    const QDate date(year, month, day);
    if (!okD || !okM || !okY || !date.isValid() || year < 2000 || year > 2200)
        return std::nullopt;
    return date;
}

QString digest(const QByteArray& bytes)
{
    return QStringLiteral("<sha256-%1@zem>")
        .arg(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
}

QString headerText(const Part& part, const QByteArray& name)
{
    return QString::fromUtf8(part.headers.value(name)).simplified();
}

// The address inside "Name <address>", or the value as it is.
QString addressIn(const QString& value)
{
    const qsizetype open = value.lastIndexOf(u'<');
    const qsizetype close = value.lastIndexOf(u'>');
    return open >= 0 && close > open ? value.mid(open + 1, close - open - 1).trimmed() : value.trimmed();
}

void headerFacts(Request& request, const Part& part, const QByteArray& whole, const QDateTime& received)
{
    const QString id = headerText(part, "message-id").left(300);
    request.messageId = id.isEmpty() ? digest(whole) : id;
    const QDateTime sent = QDateTime::fromString(headerText(part, "date"), Qt::RFC2822Date);
    request.received = sent.isValid() ? sent.toUTC() : received;
}

std::optional<int> size(const QHash<QString, QString>& f, const QString& name, int maxCm, QStringList& bad,
                        const QString& caption)
{
    const QString value = f.value(name).trimmed();
    if (value.isEmpty())
        return std::nullopt;
    const auto cm = Lengths::parse(value, maxCm, Lengths::Unit::Metres);
    if (!cm)
        bad << caption.arg(value.left(20));
    return cm;
}
} // namespace

Request read(const QByteArray& message, const QDateTime& received)
{
    Request request;
    const Part part = split(message);
    headerFacts(request, part, message, received);
    const QString body = bodyText(part);
    request.body = body.left(MaxBody);
    const QHash<QString, QString> f = fields(body);
    request.name = f.value(QStringLiteral("visitor_name")).simplified().left(MaxName);
    request.email = f.value(QStringLiteral("visitor_email_address")).trimmed().left(MaxEmail);
    request.phone = f.value(QStringLiteral("phone")).simplified().left(MaxPhone);
    request.berthType = f.value(QStringLiteral("berth_type")).simplified().left(MaxType);
    request.comments = f.value(QStringLiteral("comment")).left(MaxComments);
    static const QRegularExpression languageCode(QStringLiteral("^[a-z]{2}$"));
    if (const QString language = f.value(QStringLiteral("language")).trimmed().toLower();
        languageCode.match(language).hasMatch())
        request.language = language;

    QStringList reasons;
    const bool fromForm = f.contains(QStringLiteral("visitor_name")) ||
                          f.contains(QStringLiteral("visitor_email_address")) ||
                          f.contains(QStringLiteral("arrive_day")) || f.contains(QStringLiteral("departure_day"));
    if (!fromForm) {
        request.checkReason =
            QCoreApplication::translate("RequestMessage", "This message is not a booking request from the web page.");
        if (const QString sender = addressIn(headerText(part, "reply-to").isEmpty() ? headerText(part, "from")
                                                                                    : headerText(part, "reply-to"));
            MailMessage::checkAddress(sender).ok())
            request.email = sender.left(MaxEmail);
        return request;
    }
    bool arriveGiven = false, departGiven = false;
    const auto arrive = dateOf(f, QStringLiteral("arrive"), &arriveGiven);
    const auto depart = dateOf(f, QStringLiteral("departure"), &departGiven);
    if (arrive && depart) {
        request.arrive = *arrive;
        request.depart = *depart;
        if (*depart <= *arrive)
            reasons << QCoreApplication::translate("RequestMessage", "The departure is not after the arrival.");
    } else if (arriveGiven || departGiven) {
        reasons << QCoreApplication::translate(
            "RequestMessage", "The dates cannot be read as days, months and years: enter them from the message.");
    } else {
        static const QRegularExpression otherStyle(QStringLiteral(R"(\d{1,4}\s*[-/.]\s*\d{1,2}\s*[-/.]\s*\d{1,4})"));
        reasons << (otherStyle.match(body).hasMatch()
                        ? QCoreApplication::translate(
                              "RequestMessage", "The dates are written in another style: enter them from the message.")
                        : QCoreApplication::translate("RequestMessage", "The request gives no dates."));
    }
    if (request.name.isEmpty())
        reasons << QCoreApplication::translate("RequestMessage", "The request gives no name.");
    if (request.email.isEmpty())
        reasons << QCoreApplication::translate("RequestMessage", "The request gives no e-mail address.");
    else if (Status ok = MailMessage::checkAddress(request.email); !ok)
        reasons << QCoreApplication::translate("RequestMessage", "The e-mail address \"%1\" cannot be written to.")
                       .arg(request.email.left(60));
    QStringList bad;
    request.lengthCm = size(f, QStringLiteral("boat_length"), MaxLengthCm, bad,
                            QCoreApplication::translate("RequestMessage", "the length \"%1\""));
    request.beamCm = size(f, QStringLiteral("boat_beam"), MaxBeamCm, bad,
                          QCoreApplication::translate("RequestMessage", "the beam \"%1\""));
    request.draftCm = size(f, QStringLiteral("boat_draft"), MaxDraftCm, bad,
                           QCoreApplication::translate("RequestMessage", "the draft \"%1\""));
    if (!bad.isEmpty())
        reasons << QCoreApplication::translate("RequestMessage", "The boat's size cannot be read (%1).")
                       .arg(bad.join(QStringLiteral(", ")));
    request.checkReason = reasons.join(u' ');
    return request;
}

Request tooLarge(const QByteArray& header, qint64 size, const QDateTime& received)
{
    Request request;
    const Part part = split(header + "\r\n\r\n");
    headerFacts(request, part, header, received);
    request.email =
        addressIn(headerText(part, "reply-to").isEmpty() ? headerText(part, "from") : headerText(part, "reply-to"))
            .left(MaxEmail);
    request.checkReason = QCoreApplication::translate(
                              "RequestMessage", "The message is %1 KB, too large to read here: read it in the mailbox.")
                              .arg((size + 1023) / 1024);
    request.body = QString::fromUtf8(header).left(MaxBody);
    return request;
}

} // namespace RequestMessage
