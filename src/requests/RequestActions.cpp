#include "requests/RequestActions.h"

#include "bookings/BerthAvailability.h"
#include "bookings/BoatFitting.h"
#include "bookings/BookingMail.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/Languages.h"
#include "core/Lengths.h"
#include "core/SqlHelpers.h"
#include "mail/MailMessage.h"
#include "mail/MailTemplates.h"
#include "people/Boats.h"
#include "people/PeopleRecords.h"

#include <QCoreApplication>

namespace RequestActions {
namespace {
BoatRecord boatOf(const RequestMessage::Request& request)
{
    BoatRecord boat;
    boat.kind = BoatKind::SailMonohull; // the form does not ask: the measures decide the fit
    boat.lengthCm = request.lengthCm;
    boat.beamCm = request.beamCm;
    boat.draftCm = request.draftCm;
    return boat;
}

bool givesSize(const RequestMessage::Request& request)
{
    return request.lengthCm || request.beamCm || request.draftCm;
}

QString sizeText(const RequestMessage::Request& request)
{
    QStringList parts;
    if (request.lengthCm)
        parts << QCoreApplication::translate("RequestActions", "length %1").arg(Lengths::text(*request.lengthCm));
    if (request.beamCm)
        parts << QCoreApplication::translate("RequestActions", "beam %1").arg(Lengths::text(*request.beamCm));
    if (request.draftCm)
        parts << QCoreApplication::translate("RequestActions", "draft %1").arg(Lengths::text(*request.draftCm));
    return parts.join(QStringLiteral(", "));
}
} // namespace

Result<QList<AvailableBerth>> fittingBerths(const QSqlDatabase& db, const RequestMessage::Request& request)
{
    if (!request.arrive.isValid() || !request.depart.isValid() || request.depart <= request.arrive)
        return QList<AvailableBerth>{};
    const auto free =
        BerthAvailability::freeBerths(db, RequestStore::arrival(request), RequestStore::departure(request), 0);
    if (!free)
        return free.failure();
    if (!givesSize(request))
        return *free;
    const BoatRecord boat = boatOf(request);
    QList<AvailableBerth> fitting;
    for (const AvailableBerth& berth : BoatFitting::listed(*free, boat, true, {}))
        if (BerthFit::misfits(boat, BoatFitting::sizeOf(berth)).isEmpty())
            fitting << berth;
    return fitting;
}

Result<QString> fitProblem(const QSqlDatabase& db, const RequestMessage::Request& request)
{
    if (!request.arrive.isValid() || !request.depart.isValid() || request.depart <= request.arrive)
        return QString();
    const auto fitting = fittingBerths(db, request);
    if (!fitting)
        return fitting.failure();
    if (!fitting->isEmpty())
        return QString();
    const QString period = QCoreApplication::translate("RequestActions", "from %1 to %2")
                               .arg(DateTimes::dateText(request.arrive), DateTimes::dateText(request.depart));
    return givesSize(request) ? QCoreApplication::translate("RequestActions", "No free berth fits a boat of %1 %2.")
                                    .arg(sizeText(request), period)
                              : QCoreApplication::translate("RequestActions", "No berth is free %1.").arg(period);
}

Result<Start> startBooking(const QSqlDatabase& db, int requestId, const QString& who, const QDateTime& now)
{
    const auto row = RequestStore::read(db, requestId);
    if (!row)
        return row.failure();
    if (Status taken = RequestStore::take(db, requestId, who, now); !taken)
        return taken.failure();
    const RequestMessage::Request& request = row->request;
    Start start;
    const auto known = RequestStore::customerByEmail(db, request.email);
    if (!known)
        return known.failure();
    start.customerId = *known;
    if (!start.customerId) {
        CustomerRecord customer;
        customer.name = request.name.isEmpty() ? request.email : request.name;
        customer.emailAddress = request.email;
        customer.telNo = request.phone;
        // The page the guest wrote from says which language they read; one we do not speak leaves the office's.
        if (Languages::known(request.language))
            customer.language = request.language;
        customer.notes = QCoreApplication::translate("RequestActions", "From the booking request received %1.")
                             .arg(DateTimes::dateTimeText(request.received));
        start.newCustomer = customer;
    }
    if (request.lengthCm) {
        if (start.customerId) {
            const auto boats = Boats::ofCustomer(db, start.customerId);
            if (!boats)
                return boats.failure();
            for (const BoatRecord& boat : *boats)
                if (boat.lengthCm == request.lengthCm && (!request.beamCm || boat.beamCm == request.beamCm))
                    start.boatId = boat.id;
        }
        if (!start.boatId) {
            BoatRecord boat = boatOf(request);
            boat.name = QCoreApplication::translate("RequestActions", "Boat of %1")
                            .arg(request.name.isEmpty() ? request.email : request.name)
                            .left(60);
            start.newBoat = boat;
        }
    }
    if (row->holdBerthId)
        start.berthIds << row->holdBerthId;
    start.heldBlockId = row->holdBlockId;
    return start;
}

Result<BookingStore::SavedBooking> saveBooking(const QSqlDatabase& db, int requestId, const BookingRecord& typed,
                                               const QString& who, const QDateTime& now,
                                               BookingStore::Overtaken* overtaken)
{
    if (overtaken)
        *overtaken = BookingStore::Overtaken::Nothing;
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    // The hold gives way to the booking inside this transaction: no other desk sees the berth free between.
    if (Status lifted = RequestStore::lift(db, requestId); !lifted)
        return lifted.failure();
    BookingRecord booking = typed;
    if (booking.customerId == BookingRecord::NewCustomerId && booking.newCustomer) {
        const auto added = CustomerStore::add(db, *booking.newCustomer);
        if (!added)
            return added.failure();
        booking.customerId = *added;
    }
    const auto saved = BookingStore::saveBooking(db, booking, overtaken);
    if (!saved)
        return saved.failure();
    if (Status linked = RequestStore::booked(db, requestId, saved->id, who, now); !linked)
        return linked.failure();
    QString error;
    if (tx.commit(&error))
        return *saved;
    // A server checks at the commit that no berth is booked twice: another desk's booking committed meanwhile.
    if (Dialect::of(db).isOverlapRefusal(tx.commitError())) {
        if (overtaken)
            *overtaken = BookingStore::Overtaken::BerthsTaken;
        return conflict(QCoreApplication::translate(
            "RequestActions", "Another desk booked one of these berths meanwhile. Nothing was saved: choose again."));
    }
    return databaseFailure(error);
}

Result<Outbox::Item> declineMessage(const QSqlDatabase& db, const RequestMessage::Request& request)
{
    if (Status ok = MailMessage::checkAddress(request.email); !ok)
        return refused(QCoreApplication::translate("RequestActions", "The request has no e-mail address to answer: %1")
                           .arg(ok.error()));
    const auto company = BookingMail::office(db);
    if (!company)
        return company.failure();
    const auto wording = MailTemplates::load(db, Outbox::Kinds::RequestDeclined);
    if (!wording)
        return wording.failure();
    const QMap<QString, QString> values{
        {QStringLiteral("CustomerName"), request.name.isEmpty() ? request.email : request.name},
        {QStringLiteral("Arrival"), request.arrive.isValid() ? DateTimes::dateText(request.arrive) : QString()},
        {QStringLiteral("Departure"), request.depart.isValid() ? DateTimes::dateText(request.depart) : QString()},
        {QStringLiteral("Company"), company->name.simplified()},
        {QStringLiteral("CompanyPhone"), company->telephone.simplified()}};
    const MailTemplates::Template filled = MailTemplates::fill(*wording, values);
    Outbox::Item item;
    item.kind = Outbox::Kinds::RequestDeclined;
    item.toName = request.name;
    item.toAddress = request.email.trimmed();
    item.subject = filled.subject;
    item.body = filled.body;
    return item;
}

Status decline(const QSqlDatabase& db, int requestId, const Outbox::Item& reply, const QString& who,
               const QDateTime& now)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    if (Status declined = RequestStore::decline(db, requestId, who, now); !declined)
        return declined;
    if (const auto queued = Outbox::queue(db, {reply}, now, who); !queued)
        return queued.failure();
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

} // namespace RequestActions
