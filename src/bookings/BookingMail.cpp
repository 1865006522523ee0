#include "bookings/BookingMail.h"

#include "bookings/Ledger.h"
#include "bookings/PaymentTerms.h"
#include "core/DateTimes.h"
#include "core/Registry.h"
#include "core/SqlHelpers.h"
#include "core/Texts.h"
#include "core/ui/DocumentRenderer.h"
#include "mail/MailMessage.h"
#include "mail/MailSettings.h"
#include "mail/MailTemplates.h"
#include "people/Boats.h"

#include <QCollator>
#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>

namespace BookingMail {
namespace {

QString dateOf(const QDateTime& when)
{
    return when.isValid() ? DateTimes::dateText(when.date()) : QString();
}

// The office's wording of each kind in each language, read once for a batch.
using Wordings = QHash<QString, MailTemplates::Template>;

Result<Outbox::Item> filled(const QSqlDatabase& db, const BookingDocuments::PrintData& data, const QString& kind,
                            const QMap<QString, QString>& values, Wordings& wordings)
{
    if (data.cancelled)
        return refused(
            QCoreApplication::translate("BookingMail", "The booking has been cancelled: no message is sent about it."));
    if (Status ok = MailMessage::checkAddress(data.customer.emailAddress); !ok)
        return refused(QCoreApplication::translate("BookingMail", "%1 has no usable e-mail address: %2")
                           .arg(data.customer.name, ok.error()));
    // In the customer's language, as the document attached is.
    const QString language = data.words.language();
    const QString key = kind + u'/' + language;
    if (!wordings.contains(key)) {
        const auto wording = MailTemplates::load(db, kind, language);
        if (!wording)
            return wording.failure();
        wordings.insert(key, *wording);
    }
    const MailTemplates::Template text = MailTemplates::fill(wordings.value(key), values);
    Outbox::Item item;
    item.bookingId = data.id;
    item.kind = kind;
    item.toName = data.customer.name.simplified();
    item.toAddress = data.customer.emailAddress.trimmed();
    item.subject = text.subject;
    item.body = text.body;
    return item;
}

} // namespace

Result<BookingDocuments::Company> office(const QSqlDatabase& db)
{
    QSqlQuery c(db);
    c.setForwardOnly(true);
    QString error;
    if (!Sql::exec(c, QStringLiteral("SELECT \"Company Name\", \"Telephone No\" FROM Company ORDER BY CompanyID"), {},
                   &error))
        return databaseFailure(error);
    BookingDocuments::Company company;
    if (c.next()) {
        company.name = c.value(0).toString();
        company.telephone = c.value(1).toString();
    }
    return company;
}

namespace {
// What the reminders' placeholders show of each booking, read for a whole batch in a few statements: the booking
// with its customer, boat and account, then the berths of all of them; the same values a booking's documents give.
Result<QHash<int, BookingDocuments::PrintData>> mailData(const QSqlDatabase& db, const QList<int>& bookingIds,
                                                         const QDate& today)
{
    const auto terms = PaymentTerms::load(db);
    if (!terms)
        return terms.failure();
    const auto company = office(db);
    if (!company)
        return company.failure();
    const auto officeLanguage = DocumentLanguage::office(db);
    if (!officeLanguage)
        return officeLanguage.failure();
    QString error;
    QHash<int, BookingDocuments::PrintData> found;
    QVariantList ids;
    for (int id : bookingIds)
        ids << id;
    for (qsizetype from = 0; from < ids.size(); from += 500) {
        const QVariantList chunk = ids.mid(from, 500);
        const QString marks = QStringList(chunk.size(), QStringLiteral("?")).join(u',');
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!Sql::exec(q,
                       QStringLiteral("SELECT B.ID, B.ToDate, B.BerthConfirmationNumber, U.Name, U.EmailAddress, "
                                      "T.Name, T.LengthCm, U.Language, ") +
                           Ledger::accountColumns(QStringLiteral("B")) +
                           QStringLiteral(" FROM Booking B LEFT JOIN Customer U ON U.ID = B.CustomerID LEFT JOIN Boat "
                                          "T ON T.ID = B.BoatID WHERE B.ID IN (") +
                           marks + u')',
                       chunk, &error))
            return databaseFailure(error);
        while (q.next()) {
            BookingDocuments::PrintData d;
            d.company = *company;
            d.id = q.value(0).toInt();
            d.toDate = DateTimes::readDateTime(q.value(1));
            d.berthConfirmationNumber = q.value(2).toString();
            d.customer.name = q.value(3).toString();
            d.customer.emailAddress = q.value(4).toString();
            if (!q.value(5).isNull()) {
                BoatRecord boat;
                boat.name = q.value(5).toString();
                if (!q.value(6).isNull())
                    boat.lengthCm = q.value(6).toInt();
                d.boat = Boats::boatLine(boat);
            }
            d.words = DocumentLanguage::wordsFor(q.value(7).toString(), *officeLanguage);
            Ledger::Account account = Ledger::accountFrom(q, 8);
            d.fromDate = account.arrivalAt;
            d.totalPayable = account.total;
            d.amountPayed = account.paid;
            d.cancelled = account.cancelled;
            d.invoiceNumber = account.invoiceNumber;
            d.due = account.due(*terms, today);
            found.insert(d.id, d);
        }
        QSqlQuery berths(db);
        berths.setForwardOnly(true);
        if (!Sql::exec(berths,
                       QStringLiteral("SELECT BookingBerth.BookingID, Berth.Name FROM BookingBerth JOIN Berth ON "
                                      "Berth.ID = BookingBerth.BerthID WHERE BookingBerth.BookingID IN (") +
                           marks + u')',
                       chunk, &error))
            return databaseFailure(error);
        while (berths.next())
            if (auto it = found.find(berths.value(0).toInt()); it != found.end())
                it->berths << berths.value(1).toString();
    }
    const QCollator order = Texts::naturalOrder();
    for (auto& d : found)
        std::stable_sort(d.berths.begin(), d.berths.end(),
                         [&](const QString& a, const QString& b) { return order.compare(a, b) < 0; });
    return found;
}

} // namespace

QMap<QString, QString> values(const BookingDocuments::PrintData& d, const QDate& today)
{
    QMap<QString, QString> v;
    v[QStringLiteral("CustomerName")] = d.customer.name.simplified();
    v[QStringLiteral("Arrival")] = dateOf(d.fromDate);
    v[QStringLiteral("Departure")] = dateOf(d.toDate);
    v[QStringLiteral("Berths")] = d.berths.join(QStringLiteral(", "));
    v[QStringLiteral("Boat")] = d.boat;
    v[QStringLiteral("ConfirmationNo")] =
        d.berthConfirmationNumber.isEmpty() ? QString::number(d.id) : d.berthConfirmationNumber;
    v[QStringLiteral("Total")] = d.totalPayable.formatGrouped();
    v[QStringLiteral("Paid")] = d.amountPayed.formatGrouped();
    v[QStringLiteral("Balance")] = (d.totalPayable - d.amountPayed).formatGrouped();
    v[QStringLiteral("DepositDue")] = d.due.deposit.formatGrouped();
    const QDate dueBy = d.due.nextDueBy.isValid() ? d.due.nextDueBy : d.due.balanceBy;
    v[QStringLiteral("DueBy")] = dueBy.isValid() ? DateTimes::dateText(std::max(dueBy, today)) : QString();
    v[QStringLiteral("AmountDue")] = d.due.nextDue.formatGrouped();
    v[QStringLiteral("Company")] = d.company.name.simplified();
    v[QStringLiteral("CompanyPhone")] = d.company.telephone.simplified();
    return v;
}

Result<Outbox::Item> confirmation(const QSqlDatabase& db, int bookingId, const QDate& today)
{
    const auto data = BookingDocuments::loadBooking(db, bookingId, today);
    if (!data)
        return data.failure();
    Wordings wordings;
    auto item = filled(db, *data, Outbox::Kinds::Confirmation, values(*data, today), wordings);
    if (!item)
        return item;
    const auto pdf = DocumentRenderer::pdfBytes(BookingDocuments::confirmation(*data));
    if (!pdf)
        return pdf.failure();
    item->customerId = 0;
    item->attachmentName = QStringLiteral("Booking Confirmation %1.pdf").arg(bookingId);
    item->attachment = *pdf;
    return item;
}

Result<qint64> queueConfirmation(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk)
{
    const auto item = confirmation(db, bookingId, now.date());
    if (!item)
        return item.failure();
    const auto ids = Outbox::queue(db, {*item}, now, desk);
    if (!ids)
        return ids.failure();
    return ids->first();
}

Result<QueuedInvoice> queueInvoice(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk)
{
    auto data = BookingDocuments::loadBooking(db, bookingId, now.date());
    if (!data)
        return data.failure();
    Wordings wordings;
    // Checked before the invoice is numbered: a message that cannot go takes no number.
    auto item = filled(db, *data, Outbox::Kinds::Invoice, values(*data, now.date()), wordings);
    if (!item)
        return item.failure();
    QueuedInvoice queued;
    queued.numbered = !data->invoiceNumber.has_value();
    const auto number = Ledger::issueInvoice(db, bookingId);
    if (!number)
        return number.failure();
    queued.invoiceNumber = *number;
    data->invoiceNumber = *number;
    const auto pdf = DocumentRenderer::pdfBytes(BookingDocuments::receipt(*data));
    if (!pdf)
        return pdf.failure();
    item->attachmentName = QStringLiteral("Invoice %1.pdf").arg(*number);
    item->attachment = *pdf;
    const auto ids = Outbox::queue(db, {*item}, now, desk);
    if (!ids)
        return ids.failure();
    queued.id = ids->first();
    return queued;
}

Rules Rules::load()
{
    auto days = [](const Setting& setting) {
        return std::clamp(Registry::getRegistryNumber(setting), 0, MailSettings::MaxReminderDays);
    };
    return {days(MailSettings::DepositReminderDays), days(MailSettings::BalanceReminderDays),
            days(MailSettings::OverdueReminderDays)};
}

Status Rules::save() const
{
    for (int days : {depositDays, balanceDays, overdueDays})
        if (days < 0 || days > MailSettings::MaxReminderDays)
            return refused(QCoreApplication::translate("BookingMail", "Reminder days must be from 0 to %1.")
                               .arg(MailSettings::MaxReminderDays));
    Registry::setRegistryValue(MailSettings::DepositReminderDays, QString::number(depositDays));
    Registry::setRegistryValue(MailSettings::BalanceReminderDays, QString::number(balanceDays));
    Registry::setRegistryValue(MailSettings::OverdueReminderDays, QString::number(overdueDays));
    return Done{};
}

namespace {
// The reminder a booking's dues call for today, whether or not the rules propose it yet; nothing when nothing is
// due. Overdue and ahead of time are told apart in what it is regarding, so each is sent once.
std::optional<Reminder> reminderOf(const Ledger::Owing& o, const QDate& today)
{
    const PaymentTerms::Due& due = o.due;
    if (!due.nextDueBy.isValid() || due.nextDue <= Money())
        return std::nullopt;
    Reminder r;
    r.bookingId = o.bookingId;
    r.confirmationNumber = o.confirmationNumber;
    r.customer = o.customer;
    r.kind = o.paid < due.deposit && due.nextDueBy == due.depositBy ? Outbox::Kinds::DepositReminder
                                                                    : Outbox::Kinds::BalanceReminder;
    r.amount = due.nextDue;
    r.dueBy = due.nextDueBy;
    r.overdue = due.nextDueBy < today;
    r.regarding =
        (r.overdue ? QStringLiteral("overdue ") : QStringLiteral("due ")) + due.nextDueBy.toString(Qt::ISODate);
    return r;
}

// found without those already queued or sent, with each customer's address read together for the whole batch.
Result<QList<Reminder>> notYetSent(const QSqlDatabase& db, const QList<Reminder>& found)
{
    const auto reminded = Outbox::remindedKeys(db);
    if (!reminded)
        return reminded.failure();
    QList<Reminder> left;
    QVariantList ids;
    for (const Reminder& r : found)
        if (!reminded->contains(Outbox::reminderKey(r.bookingId, r.kind, r.regarding))) {
            left << r;
            ids << r.bookingId;
        }
    QHash<int, QString> addresses;
    for (qsizetype from = 0; from < ids.size(); from += 500) {
        const QVariantList chunk = ids.mid(from, 500);
        QSqlQuery q(db);
        QString error;
        if (!Sql::exec(q,
                       QStringLiteral("SELECT b.ID, c.EmailAddress FROM Booking b JOIN Customer c ON c.ID = "
                                      "b.CustomerID WHERE b.ID IN (") +
                           QStringList(chunk.size(), QStringLiteral("?")).join(u',') + u')',
                       chunk, &error))
            return databaseFailure(error);
        while (q.next())
            addresses[q.value(0).toInt()] = q.value(1).toString().trimmed();
    }
    for (Reminder& r : left)
        r.address = addresses.value(r.bookingId);
    return left;
}

Result<QList<Ledger::Owing>> owingNow(const QSqlDatabase& db, const QDate& today)
{
    const auto terms = PaymentTerms::load(db);
    if (!terms)
        return terms.failure();
    return Ledger::owing(db, *terms, today);
}
} // namespace

Result<QList<Reminder>> proposals(const QSqlDatabase& db, const Rules& rules, const QDate& today)
{
    const auto owing = owingNow(db, today);
    if (!owing)
        return owing.failure();
    QList<Reminder> found;
    for (const Ledger::Owing& o : *owing) {
        const auto r = reminderOf(o, today);
        if (!r)
            continue;
        const int daysLeft = static_cast<int>(today.daysTo(r->dueBy));
        const int ahead = r->kind == Outbox::Kinds::DepositReminder ? rules.depositDays : rules.balanceDays;
        if (r->overdue ? rules.overdueDays <= 0 || -daysLeft < rules.overdueDays : ahead <= 0 || daysLeft > ahead)
            continue;
        found << *r;
    }
    return notYetSent(db, found);
}

Result<QList<Reminder>> remindersFor(const QSqlDatabase& db, const QList<int>& bookingIds, const QDate& today)
{
    const auto owing = owingNow(db, today);
    if (!owing)
        return owing.failure();
    const QSet<int> chosen(bookingIds.cbegin(), bookingIds.cend());
    QList<Reminder> found;
    for (const Ledger::Owing& o : *owing)
        if (chosen.contains(o.bookingId))
            if (const auto r = reminderOf(o, today))
                found << *r;
    return notYetSent(db, found);
}

Result<int> queueReminders(const QSqlDatabase& db, const QList<Reminder>& chosen, const QDateTime& now,
                           const QString& desk)
{
    QList<int> bookingIds;
    for (const Reminder& r : chosen)
        bookingIds << r.bookingId;
    const auto data = mailData(db, bookingIds, now.date());
    if (!data)
        return data.failure();
    QList<Outbox::Item> items;
    items.reserve(chosen.size());
    Wordings wordings;
    for (const Reminder& r : chosen) {
        const auto found = data->constFind(r.bookingId);
        if (found == data->cend())
            return conflict(
                QCoreApplication::translate("BookingMail", "Booking %1 no longer exists.").arg(r.bookingId));
        auto item = filled(db, *found, r.kind, values(*found, now.date()), wordings);
        if (!item)
            return item.failure();
        item->regarding = r.regarding;
        items << *item;
    }
    const auto queued = Outbox::queue(db, items, now, desk);
    if (!queued)
        return queued.failure();
    return static_cast<int>(queued->size());
}

} // namespace BookingMail
