#include "bookings/StayMeters.h"

#include "core/SqlHelpers.h"
#include "rates/Pricing.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace StayMeters {
namespace {

Result<QList<int>> berthsOf(const QSqlDatabase& db, int bookingId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT BerthID FROM BookingBerth WHERE BookingID = ? ORDER BY BerthID"),
                   {bookingId}, &error))
        return databaseFailure(error);
    QList<int> berths;
    while (q.next())
        berths << q.value(0).toInt();
    return berths;
}

/// Saves each reading at now, inside the caller's transaction; a meter of the stay left unread is Refused.
Status saveReadings(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk,
                    const QList<Taken>& readings)
{
    const auto due = toRead(db, bookingId, now.date());
    if (!due)
        return due.failure();
    for (const Due& d : *due) {
        const auto taken =
            std::find_if(readings.cbegin(), readings.cend(), [&](const Taken& t) { return t.meterId == d.meter.id; });
        if (taken == readings.cend())
            return refused(QCoreApplication::translate("StayMeters", "Meter %1 of berth %2 has not been read.")
                               .arg(d.meter.serial, d.meter.berth));
        const auto added = MeterStore::addReading(
            db, MeterStore::NewReading{d.meter.id, now, taken->value, taken->rolledOver, {}}, now, desk);
        if (!added)
            return added.failure();
    }
    return Done{};
}

} // namespace

Result<QList<Due>> toRead(const QSqlDatabase& db, int bookingId, const QDate& day)
{
    const auto berths = berthsOf(db, bookingId);
    if (!berths)
        return berths.failure();
    const auto meters = MeterStore::metersOfBerths(db, *berths, day, day);
    if (!meters)
        return meters.failure();
    QList<Due> due;
    for (const Meters::Meter& m : *meters) {
        if (m.removed.isValid() && m.removed <= day)
            continue; // taken out today: its closing reading was its last
        const auto last = MeterStore::lastReading(db, m.id);
        if (!last)
            return last.failure();
        due << Due{m, *last};
    }
    return due;
}

Result<CheckIn::State> arrive(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk,
                              CheckIn::Timing agreed, const QList<Taken>& readings)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto state = CheckIn::arrive(db, bookingId, now, desk, agreed);
    if (!state)
        return state;
    if (const Status saved = saveReadings(db, bookingId, now, desk, readings); !saved)
        return saved.failure();
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return state;
}

Result<QList<Billed>> bills(const QSqlDatabase& db, const QList<int>& berthIds, const QDateTime& arrivedAt,
                            const QDateTime& departedAt)
{
    const auto meters = MeterStore::metersOfBerths(db, berthIds, arrivedAt.date(), departedAt.date());
    if (!meters)
        return meters.failure();
    const auto tariffs = MeterStore::tariffs(db);
    if (!tariffs)
        return tariffs.failure();
    QList<Billed> billed;
    // The meters come by berth and kind, the older first: a swap's two meters make one bill.
    for (qsizetype i = 0; i < meters->size();) {
        const Meters::Meter& head = meters->at(i);
        QList<Meters::Period> periods;
        QList<Meters::Read> reads;
        qsizetype j = i;
        for (; j < meters->size() && meters->at(j).berthId == head.berthId && meters->at(j).kind == head.kind; ++j) {
            const Meters::Meter& m = meters->at(j);
            auto start = MeterStore::readingAt(db, m.id, arrivedAt);
            if (!start)
                return start.failure();
            const auto span = MeterStore::readings(db, m.id, *start ? (*start)->readAt : arrivedAt, departedAt);
            if (!span)
                return span.failure();
            if (span->size() < 2)
                continue;
            reads << Meters::readOver(m.serial, *span, m.digits);
            periods << Meters::Period{span->first().readAt.date(), span->last().readAt.date(), reads.last().use};
        }
        if (!periods.isEmpty()) {
            const Meters::Meter& last = meters->at(j - 1);
            billed << Billed{head.berth,
                             last.id,
                             head.kind,
                             last.unit,
                             Meters::price(*tariffs, head.kind, periods, arrivedAt.date(), departedAt.date()),
                             reads};
        }
        i = j;
    }
    return billed;
}

Status addOtherCharges(const QSqlDatabase& db, int bookingId, Money amount)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(
            q, QStringLiteral("SELECT CostOfHire, OtherCharges, VAT, TotalPayable, TaxRate FROM Booking WHERE ID = ?"),
            {bookingId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("StayMeters", "The booking no longer exists."));
    const Money hire = Money::fromDb(q.value(0));
    const Money other = Money::fromDb(q.value(1)) + amount;
    const Money tax = Money::fromDb(q.value(2));
    const int rate = q.value(4).isNull() ? Pricing::DeliveredTax : q.value(4).toInt();
    const Money newTax = Pricing::charges(hire, other, rate).tax;
    const Money total = Money::fromDb(q.value(3)) + amount + (newTax - tax);
    if (!total.withinCeiling())
        return refused(QCoreApplication::translate("StayMeters", "The booking's total would pass %1.")
                           .arg(Money::ceiling().format()));
    if (!Sql::exec(db, QStringLiteral("UPDATE Booking SET OtherCharges = ?, VAT = ?, TotalPayable = ? WHERE ID = ?"),
                   {other.toDb(), newTax.toDb(), total.toDb(), bookingId}, &error))
        return databaseFailure(error);
    return Done{};
}

namespace {

/// Saves the readings and posts the meters' charge for the stay from arrived to now, inside the caller's
/// transaction: what each berth's meters were billed.
Result<QList<Billed>> post(const QSqlDatabase& db, int bookingId, const QDateTime& arrived, const QDateTime& now,
                           const QString& desk, const QList<Taken>& readings, Money* charged)
{
    if (const Status saved = saveReadings(db, bookingId, now, desk, readings); !saved)
        return saved.failure();
    const auto berths = berthsOf(db, bookingId);
    if (!berths)
        return berths.failure();
    const auto billed = bills(db, *berths, arrived, now);
    if (!billed)
        return billed.failure();
    *charged = Money();
    for (const Billed& b : *billed) {
        if (b.bill.lines.isEmpty())
            continue;
        *charged += b.bill.total;
        MeterStore::Charge charge;
        charge.bookingId = bookingId;
        charge.firstDay = arrived.date();
        charge.endDay = now.date();
        charge.units = b.bill.units;
        charge.amount = b.bill.total;
        charge.breakdown = {b.kind, b.unit, b.berth, b.reads, b.bill.lines};
        charge.meterId = b.meterId;
        if (const Status added = MeterStore::addCharge(db, charge, now, desk); !added)
            return added.failure();
    }
    if (*charged > Money())
        if (const Status posted = addOtherCharges(db, bookingId, *charged); !posted)
            return posted.failure();
    return billed;
}

QDateTime arrivedAt(const CheckIn::State& state)
{
    return state.arrivedAt.isValid() ? state.arrivedAt : state.from;
}

} // namespace

Result<Ledger::Account> accountAfter(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk,
                                     const QList<Taken>& readings)
{
    // The charge is posted and the account read inside a transaction that is then rolled back: the figures are the
    // departure's own, and nothing is kept until the guest is checked out.
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto state = CheckIn::load(db, bookingId);
    if (!state)
        return state.failure();
    Money charged;
    if (const auto billed = post(db, bookingId, arrivedAt(*state), now, desk, readings, &charged); !billed)
        return billed.failure();
    return Ledger::account(db, bookingId);
}

Result<Departure> depart(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk,
                         const QList<Taken>& readings)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto state = CheckIn::depart(db, bookingId, now, desk);
    if (!state)
        return state.failure();
    Departure done{*state, {}, Money()};
    const auto billed = post(db, bookingId, arrivedAt(*state), now, desk, readings, &done.charged);
    if (!billed)
        return billed.failure();
    done.billed = *billed;
    const auto after = CheckIn::load(db, bookingId);
    if (!after)
        return after.failure();
    done.state = *after;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return done;
}

} // namespace StayMeters
