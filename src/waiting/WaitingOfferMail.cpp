#include "waiting/WaitingOfferMail.h"

#include "bookings/BookingMail.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"
#include "mail/MailMessage.h"
#include "mail/MailTemplates.h"
#include "people/PeopleRecords.h"

#include <QCoreApplication>

namespace WaitingOfferMail {

Result<Outbox::Item> message(const QSqlDatabase& db, const WaitingOffer& offer, const QDate& today)
{
    const WaitingEntry& entry = offer.line.entry;
    const auto customer = CustomerStore::load(db, entry.customerId);
    if (!customer)
        return customer.failure();
    if (Status ok = MailMessage::checkAddress(customer->emailAddress); !ok)
        return refused(QCoreApplication::translate("WaitingOfferMail", "%1 has no usable e-mail address: %2")
                           .arg(customer->name.simplified(), ok.error()));
    const auto company = BookingMail::office(db);
    if (!company)
        return company.failure();
    const auto wording = MailTemplates::loadFor(db, Outbox::Kinds::WaitingOffer, customer->language);
    if (!wording)
        return wording.failure();
    // A period that began before today is offered from today: the nights gone are not for sale.
    const QMap<QString, QString> values{{QStringLiteral("CustomerName"), customer->name.simplified()},
                                        {QStringLiteral("Arrival"), DateTimes::dateText(std::max(entry.from, today))},
                                        {QStringLiteral("Departure"), DateTimes::dateText(entry.to)},
                                        {QStringLiteral("Berths"), offer.berthNames.join(QStringLiteral(", "))},
                                        {QStringLiteral("Boat"), offer.line.boat},
                                        {QStringLiteral("Company"), company->name.simplified()},
                                        {QStringLiteral("CompanyPhone"), company->telephone.simplified()}};
    const MailTemplates::Template text = MailTemplates::fill(*wording, values);
    Outbox::Item item;
    item.customerId = entry.customerId;
    item.kind = Outbox::Kinds::WaitingOffer;
    item.toName = customer->name.simplified();
    item.toAddress = customer->emailAddress.trimmed();
    item.subject = text.subject;
    item.body = text.body;
    return item;
}

Result<qint64> queue(const QSqlDatabase& db, const WaitingOffer& offer, const QDateTime& now, const QString& desk)
{
    const auto item = message(db, offer, now.date());
    if (!item)
        return item.failure();
    std::optional<Failure> failure;
    qint64 id = 0;
    QString error;
    const bool done = Sql::inTransaction(db, &error, [&] {
        const auto ids = Outbox::queue(db, {*item}, now, desk);
        if (!ids) {
            failure = ids.failure();
            return false;
        }
        id = ids->first();
        if (offer.line.entry.status == WaitingStatus::Offered)
            return true;
        WaitingEntry offered = offer.line.entry;
        offered.status = WaitingStatus::Offered;
        if (Status saved = WaitingList::modify(db, offer.line.entry, offered, now.date()); !saved) {
            failure = saved.failure();
            return false;
        }
        return true;
    });
    if (failure)
        return *failure;
    if (!done)
        return databaseFailure(error);
    return id;
}

} // namespace WaitingOfferMail
