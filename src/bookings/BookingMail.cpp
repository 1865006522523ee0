#include "bookings/BookingMail.h"

#include "bookings/Ledger.h"
#include "bookings/PaymentTerms.h"
#include "core/DateTimes.h"
#include "core/Registry.h"
#include "core/SqlHelpers.h"
#include "core/ui/DocumentRenderer.h"
#include "mail/MailMessage.h"
#include "mail/MailSettings.h"
#include "mail/MailTemplates.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>

namespace BookingMail {
namespace {

QString dateOf(const QDateTime& when)
{
    return when.isValid() ? DateTimes::dateText(when.date()) : QString();
}

// The office's wording of each kind, read once for a batch.
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
    if (!wordings.contains(kind)) {
        const auto wording = MailTemplates::load(db, kind);
        if (!wording)
            return wording.failure();
        wordings.insert(kind, *wording);
    }
    const MailTemplates::Template text = MailTemplates::fill(wordings.value(kind), values);
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

Result<QList<Reminder>> proposals(const QSqlDatabase& db, const Rules& rules, const QDate& today)
{
    const auto terms = PaymentTerms::load(db);
    if (!terms)
        return terms.failure();
    const auto owing = Ledger::owing(db, *terms, today);
    if (!owing)
        return owing.failure();
    const auto reminded = Outbox::remindedKeys(db);
    if (!reminded)
        return reminded.failure();

    QList<Reminder> found;
    for (const Ledger::Owing& o : *owing) {
        const PaymentTerms::Due& due = o.due;
        if (!due.nextDueBy.isValid() || due.nextDue <= Money())
            continue;
        const bool depositOpen = o.paid < due.deposit && due.nextDueBy == due.depositBy;
        const int daysLeft = static_cast<int>(today.daysTo(due.nextDueBy));
        Reminder r;
        r.bookingId = o.bookingId;
        r.confirmationNumber = o.confirmationNumber;
        r.customer = o.customer;
        r.kind = depositOpen ? Outbox::Kinds::DepositReminder : Outbox::Kinds::BalanceReminder;
        r.amount = due.nextDue;
        r.dueBy = due.nextDueBy;
        if (daysLeft < 0) {
            if (rules.overdueDays <= 0 || -daysLeft < rules.overdueDays)
                continue;
            r.overdue = true;
            r.regarding = QStringLiteral("overdue ") + due.nextDueBy.toString(Qt::ISODate);
        } else {
            const int ahead = depositOpen ? rules.depositDays : rules.balanceDays;
            if (ahead <= 0 || daysLeft > ahead)
                continue;
            r.regarding = QStringLiteral("due ") + due.nextDueBy.toString(Qt::ISODate);
        }
        if (!reminded->contains(Outbox::reminderKey(r.bookingId, r.kind, r.regarding)))
            found << r;
    }
    if (found.isEmpty())
        return found;

    // The customers' addresses, read together for the whole morning.
    QStringList marks;
    QVariantList ids;
    for (const Reminder& r : std::as_const(found)) {
        marks << QStringLiteral("?");
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
                           marks.mid(0, chunk.size()).join(u',') + u')',
                       chunk, &error))
            return databaseFailure(error);
        while (q.next())
            addresses[q.value(0).toInt()] = q.value(1).toString().trimmed();
    }
    for (Reminder& r : found)
        r.address = addresses.value(r.bookingId);
    return found;
}

Result<int> queueReminders(const QSqlDatabase& db, const QList<Reminder>& chosen, const QDateTime& now,
                           const QString& desk)
{
    QList<Outbox::Item> items;
    items.reserve(chosen.size());
    Wordings wordings;
    for (const Reminder& r : chosen) {
        const auto data = BookingDocuments::loadBooking(db, r.bookingId, now.date());
        if (!data)
            return data.failure();
        auto item = filled(db, *data, r.kind, values(*data, now.date()), wordings);
        if (!item)
            return item.failure();
        item->regarding = r.regarding;
        items << *item;
    }
    const auto ids = Outbox::queue(db, items, now, desk);
    if (!ids)
        return ids.failure();
    return static_cast<int>(ids->size());
}

} // namespace BookingMail
