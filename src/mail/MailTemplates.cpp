#include "mail/MailTemplates.h"

#include "core/Languages.h"
#include "core/SqlHelpers.h"
#include "mail/Outbox.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlQuery>

namespace MailTemplates {
namespace {

const QRegularExpression& placeholderPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\{([A-Za-z]*)\\}"));
    return pattern;
}

} // namespace

QStringList kinds()
{
    return {Outbox::Kinds::Confirmation,    Outbox::Kinds::Invoice,      Outbox::Kinds::DepositReminder,
            Outbox::Kinds::BalanceReminder, Outbox::Kinds::WaitingOffer, Outbox::Kinds::RenewalLetter,
            Outbox::Kinds::RequestDeclined};
}

QString kindCaption(const QString& kind)
{
    if (kind == Outbox::Kinds::Confirmation)
        return QCoreApplication::translate("MailTemplates", "Booking confirmation");
    if (kind == Outbox::Kinds::Invoice)
        return QCoreApplication::translate("MailTemplates", "Invoice");
    if (kind == Outbox::Kinds::DepositReminder)
        return QCoreApplication::translate("MailTemplates", "Deposit reminder");
    if (kind == Outbox::Kinds::BalanceReminder)
        return QCoreApplication::translate("MailTemplates", "Balance reminder");
    if (kind == Outbox::Kinds::WaitingOffer)
        return QCoreApplication::translate("MailTemplates", "Waiting-list offer");
    if (kind == Outbox::Kinds::RenewalLetter)
        return QCoreApplication::translate("MailTemplates", "Contract renewal letter");
    if (kind == Outbox::Kinds::RequestDeclined)
        return QCoreApplication::translate("MailTemplates", "Booking request declined");
    return kind;
}

QStringList placeholders()
{
    return {QStringLiteral("{CustomerName}"), QStringLiteral("{Arrival}"),     QStringLiteral("{Departure}"),
            QStringLiteral("{Berths}"),       QStringLiteral("{Boat}"),        QStringLiteral("{ConfirmationNo}"),
            QStringLiteral("{Total}"),        QStringLiteral("{Paid}"),        QStringLiteral("{Balance}"),
            QStringLiteral("{DepositDue}"),   QStringLiteral("{DueBy}"),       QStringLiteral("{AmountDue}"),
            QStringLiteral("{Company}"),      QStringLiteral("{CompanyPhone}")};
}

Template defaultTemplate(const QString& kind, const DocumentWords& words)
{
    if (kind == Outbox::Kinds::Confirmation)
        return {words.translate("MailTemplates", "Your booking {ConfirmationNo} at {Company}"),
                words.translate(
                    "MailTemplates",
                    "Dear {CustomerName},\n\nThank you for booking with us. We look forward to welcoming you from "
                    "{Arrival} to {Departure} on berth {Berths}.\n\nYour booking confirmation is attached. The total "
                    "is {Total}; {DepositDue} is due by {DueBy}.\n\nIf anything is not as you expected, just reply "
                    "to this message or call us on {CompanyPhone}.\n\nKind regards,\n{Company}")};
    if (kind == Outbox::Kinds::Invoice)
        return {words.translate("MailTemplates", "Your invoice from {Company}"),
                words.translate(
                    "MailTemplates",
                    "Dear {CustomerName},\n\nPlease find attached the invoice for your stay from {Arrival} to "
                    "{Departure} (booking {ConfirmationNo}). The total is {Total}, of which {Paid} has been paid; "
                    "{Balance} remains.\n\nKind regards,\n{Company}")};
    if (kind == Outbox::Kinds::DepositReminder)
        return {words.translate("MailTemplates", "Deposit for your booking {ConfirmationNo}"),
                words.translate(
                    "MailTemplates",
                    "Dear {CustomerName},\n\nA friendly reminder that the deposit of {AmountDue} for your stay from "
                    "{Arrival} to {Departure} is due by {DueBy}. If you have already paid, thank you, and please "
                    "ignore this message.\n\nKind regards,\n{Company}\n{CompanyPhone}")};
    if (kind == Outbox::Kinds::BalanceReminder)
        return {
            words.translate("MailTemplates", "Balance for your stay from {Arrival}"),
            words.translate("MailTemplates",
                            "Dear {CustomerName},\n\nYour stay with us from {Arrival} to {Departure} is coming up. The "
                            "balance of {AmountDue} is due by {DueBy}. If you have already paid, thank you, and please "
                            "ignore this message.\n\nWe look forward to seeing you.\n\nKind regards,\n{Company}\n"
                            "{CompanyPhone}")};
    if (kind == Outbox::Kinds::WaitingOffer)
        return {words.translate("MailTemplates", "A berth has come free at {Company}"),
                words.translate(
                    "MailTemplates",
                    "Dear {CustomerName},\n\nGood news: a berth has come free for the dates you asked about, "
                    "{Arrival} to {Departure}. Please call us on {CompanyPhone} or reply to this message soon if "
                    "you would like it; we offer it to the next on our list otherwise.\n\nKind regards,\n"
                    "{Company}")};
    // A contract's term fills {Arrival} and {Departure}, its price {Total}.
    if (kind == Outbox::Kinds::RenewalLetter)
        return {words.translate("MailTemplates", "Renewal of your contract for {Berths}"),
                words.translate(
                    "MailTemplates",
                    "Dear {CustomerName},\n\nYour contract for berth {Berths} is renewed from {Arrival} to "
                    "{Departure} at {Total}. The letter attached gives the details and the instalments.\n\nIf you "
                    "have any questions, just reply to this message or call us on {CompanyPhone}.\n\nKind "
                    "regards,\n{Company}")};
    // A request read from the mailbox has no booking: its dates fill {Arrival} and {Departure}.
    if (kind == Outbox::Kinds::RequestDeclined)
        return {QCoreApplication::translate("MailTemplates", "Your booking request at {Company}"),
                QCoreApplication::translate(
                    "MailTemplates",
                    "Dear {CustomerName},\n\nThank you for your request for {Arrival} to {Departure}. We are sorry "
                    "that we have no berth for you on those dates.\n\nIf other dates would suit you, just reply to "
                    "this message or call us on {CompanyPhone}.\n\nKind regards,\n{Company}")};
    return {};
}

QStringList unknownPlaceholders(const QString& text)
{
    const QStringList known = placeholders();
    QStringList unknown;
    auto matches = placeholderPattern().globalMatch(text);
    while (matches.hasNext()) {
        const QString found = matches.next().captured(0);
        if (!known.contains(found) && !unknown.contains(found))
            unknown << found;
    }
    // A brace that opens no placeholder ("{Arrival" or "{Total amount}") is a typing slip as well.
    static const QRegularExpression stray(QStringLiteral("\\{[^}]*(?:\\{|$)|\\{[^}]*[^A-Za-z}][^}]*\\}"));
    auto strays = stray.globalMatch(text);
    while (strays.hasNext()) {
        const QString found = strays.next().captured(0).left(30);
        if (!unknown.contains(found))
            unknown << found;
    }
    return unknown;
}

namespace {
// Where the office's wording of a language is kept: the old table for its own language, a row of its own otherwise.
Result<bool> isOffice(const QSqlDatabase& db, const QString& language)
{
    const Result<QString> office = DocumentLanguage::office(db);
    if (!office)
        return office.failure();
    return *office == language;
}
} // namespace

Result<Template> load(const QSqlDatabase& db, const QString& kind, const QString& language)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT Subject, Body FROM MailTemplateText WHERE Kind = ? AND Language = ?"),
                   {kind, language}, &error))
        return databaseFailure(error);
    if (q.next())
        return Template{q.value(0).toString(), q.value(1).toString()};
    const Result<bool> office = isOffice(db, language);
    if (!office)
        return office.failure();
    if (*office) {
        if (!Sql::exec(q, QStringLiteral("SELECT Subject, Body FROM MailTemplate WHERE Kind = ?"), {kind}, &error))
            return databaseFailure(error);
        if (q.next())
            return Template{q.value(0).toString(), q.value(1).toString()};
    }
    return defaultTemplate(kind, DocumentWords(language));
}

Result<Template> load(const QSqlDatabase& db, const QString& kind)
{
    const Result<QString> office = DocumentLanguage::office(db);
    if (!office)
        return office.failure();
    return load(db, kind, *office);
}

Result<Template> loadFor(const QSqlDatabase& db, const QString& kind, const QString& customerLanguage)
{
    const Result<QString> office = DocumentLanguage::office(db);
    if (!office)
        return office.failure();
    return load(db, kind, DocumentLanguage::resolve(customerLanguage, *office));
}

Status save(const QSqlDatabase& db, const QString& kind, const Template& edited, const QString& language)
{
    if (!kinds().contains(kind))
        return refused(
            QCoreApplication::translate("MailTemplates", "There is no kind of message called %1.").arg(kind));
    if (!Languages::known(language))
        return refused(
            QCoreApplication::translate("MailTemplates", "There is no language with the code \"%1\".").arg(language));
    if (edited.subject.trimmed().isEmpty())
        return refused(QCoreApplication::translate("MailTemplates", "The subject may not be empty."));
    if (edited.subject.contains(u'\n') || edited.subject.contains(u'\r'))
        return refused(QCoreApplication::translate("MailTemplates", "The subject must be one line."));
    const QStringList unknown = unknownPlaceholders(edited.subject + u'\n' + edited.body);
    if (!unknown.isEmpty())
        return refused(
            QCoreApplication::translate("MailTemplates",
                                        "The template holds what is not a placeholder: %1.\nThe placeholders are: %2")
                .arg(unknown.join(QStringLiteral(", ")), placeholders().join(QStringLiteral(" "))));
    const Result<bool> office = isOffice(db, language);
    if (!office)
        return office.failure();
    QString error;
    const bool done = Sql::inTransaction(db, &error, [&] {
        if (!Sql::exec(db, QStringLiteral("DELETE FROM MailTemplateText WHERE Kind = ? AND Language = ?"),
                       {kind, language}, &error))
            return false;
        if (!*office)
            return Sql::exec(db,
                             QStringLiteral("INSERT INTO MailTemplateText (Kind, Language, Subject, Body) VALUES "
                                            "(?, ?, ?, ?)"),
                             {kind, language, edited.subject, edited.body}, &error);
        return Sql::exec(db, QStringLiteral("DELETE FROM MailTemplate WHERE Kind = ?"), {kind}, &error) &&
               Sql::exec(db, QStringLiteral("INSERT INTO MailTemplate (Kind, Subject, Body) VALUES (?, ?, ?)"),
                         {kind, edited.subject, edited.body}, &error);
    });
    if (!done)
        return databaseFailure(error);
    return Done{};
}

Status reset(const QSqlDatabase& db, const QString& kind, const QString& language)
{
    const Result<bool> office = isOffice(db, language);
    if (!office)
        return office.failure();
    QString error;
    const bool done = Sql::inTransaction(db, &error, [&] {
        return Sql::exec(db, QStringLiteral("DELETE FROM MailTemplateText WHERE Kind = ? AND Language = ?"),
                         {kind, language}, &error) &&
               (!*office || Sql::exec(db, QStringLiteral("DELETE FROM MailTemplate WHERE Kind = ?"), {kind}, &error));
    });
    if (!done)
        return databaseFailure(error);
    return Done{};
}

Result<bool> edited(const QSqlDatabase& db, const QString& kind, const QString& language)
{
    const Result<Template> stored = load(db, kind, language);
    if (!stored)
        return stored.failure();
    return !(*stored == defaultTemplate(kind, DocumentWords(language)));
}

Template fill(const Template& wording, const QMap<QString, QString>& values)
{
    auto apply = [&values](const QString& text) {
        QString out;
        qsizetype from = 0;
        auto matches = placeholderPattern().globalMatch(text);
        while (matches.hasNext()) {
            const auto match = matches.next();
            out += text.mid(from, match.capturedStart() - from);
            out += values.value(match.captured(1));
            from = match.capturedEnd();
        }
        return out + text.mid(from);
    };
    return {apply(wording.subject).simplified(), apply(wording.body)};
}

} // namespace MailTemplates
