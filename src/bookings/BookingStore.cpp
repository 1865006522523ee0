#include "bookings/BookingStore.h"

#include "bookings/BerthAvailability.h"
#include "bookings/BerthBlocks.h"
#include "bookings/BookingLines.h"
#include "bookings/BookingRules.h"
#include "bookings/ClosedBookings.h"
#include "bookings/Ledger.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/InputParsing.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "core/Texts.h"
#include "people/Boats.h"

#include <QCollator>
#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>

namespace BookingStore {
namespace {
const QString Columns = QStringLiteral(
    "FromDate, ToDate, BookedBy, CustomerID, Notes, NoAdults, NoKids, OtherCharges, VAT, TotalPayable, AmountPayed, "
    "PaymentMethodID, CreditCardNo, CreditCardExpiry, CreditCardType, CreditCardCV2No, CostOfHire, "
    "BerthConfirmationNumber, GuestConfirmationNumber, PowerRequirements, ClubMember, TaxRate, BoatID, DepositDue, "
    "DepositBy, BalanceBy");

// What tells whether a booking changed since it was read: every column but the amount paid, which only the ledger
// writes (a payment recorded at another desk is no reason to refuse a change of dates), and whether it was
// cancelled.
QString stampColumns()
{
    QString columns = Columns;
    columns.replace(QStringLiteral("AmountPayed, "), QString());
    return columns + QStringLiteral(", Cancelled");
}
} // namespace

QString columns()
{
    return Columns;
}

QVariantList columnValues(const BookingRecord& b)
{
    return {DateTimes::dbDateTime(b.fromDate),
            DateTimes::dbDateTime(b.toDate),
            b.bookedBy,
            b.customerId,
            b.notes,
            b.noAdults,
            b.noKids,
            b.otherCharges.toDb(),
            b.vat.toDb(),
            b.totalPayable.toDb(),
            b.amountPayed.toDb(),
            b.paymentMethodId ? QVariant(*b.paymentMethodId) : Sql::nullInt(),
            BookingRules::maskedCardNumber(b.creditCardNo),
            b.creditCardExpiry,
            b.creditCardType,
            QStringLiteral(""), // the security code is never kept
            b.costOfHire.toDb(),
            b.berthConfirmationNumber ? QVariant::fromValue<qlonglong>(*b.berthConfirmationNumber) : Sql::nullInt(),
            b.guestConfirmationNumber,
            b.powerRequirements,
            b.clubMember ? 1 : 0,
            b.taxRate ? QVariant(*b.taxRate) : Sql::nullInt(),
            b.boatId ? QVariant(*b.boatId) : Sql::nullInt(),
            b.moneyDue.deposit ? b.moneyDue.deposit->toDb() : Sql::nullInt(),
            DateTimes::dbDateTime(DateTimes::wallTime(b.moneyDue.depositBy)),
            DateTimes::dbDateTime(DateTimes::wallTime(b.moneyDue.balanceBy))};
}

// What no box lets through; checked again here so no other caller can store it either.
QString outOfRange(const BookingRecord& b)
{
    if (!BookingRules::withinDateRange(b.fromDate, b.toDate))
        return QCoreApplication::translate("BookingStore", "Bookings can be made from %1 to %2.")
            .arg(BookingRules::earliestDate().toString(DateTimes::dateFormat()),
                 BookingRules::latestDate().toString(DateTimes::dateFormat()));
    for (const Money amount : {b.costOfHire, b.otherCharges, b.vat, b.totalPayable, b.amountPayed})
        if (!amount.withinCeiling())
            return QCoreApplication::translate("BookingStore", "An amount is above %1.").arg(Money::ceiling().format());
    for (const Pricing::Line& line : b.charges)
        if (!line.amount.withinCeiling() || !line.rate.withinCeiling())
            return QCoreApplication::translate("BookingStore", "An amount is above %1.").arg(Money::ceiling().format());
    if (const auto deposit = b.moneyDue.deposit; deposit && (*deposit < Money() || *deposit > b.totalPayable))
        return QCoreApplication::translate("BookingStore", "A deposit runs from %1 to the total payable, %2.")
            .arg(Money().format(), b.totalPayable.format());
    if (b.taxRate && (*b.taxRate < 0 || *b.taxRate > 10000))
        return QCoreApplication::translate("BookingStore", "The tax rate runs from 0 to 100 %.");
    for (const int count : {b.noAdults, b.noKids})
        if (count < -1 || count > InputChecks::MaxCount)
            return QCoreApplication::translate("BookingStore", "The numbers of adults and children run from 0 to %1.")
                .arg(InputChecks::MaxCount);
    return {};
}

namespace {
QString text(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

// Everything stored of a booking (its row and its berths) as one text, to tell whether it changed since it was
// read: the columns that give it, to select from Booking with the booking's ID bound once.
QString stampSelect(const QSqlDatabase& db)
{
    return stampColumns() + QStringLiteral(", (SELECT %1 FROM (SELECT BerthID FROM BookingBerth WHERE "
                                           "BookingID = ? ORDER BY BerthID) S)")
                                .arg(Dialect::of(db).joinTexts(QStringLiteral("BerthID"), QStringLiteral(","),
                                                               QStringLiteral("BerthID")));
}

// The stamp of a row read with stampSelect() from its column first on.
QString stampOf(const QSqlQuery& q, int first)
{
    QStringList values;
    for (int i = first; i < q.record().count(); ++i)
        values << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
    return values.join(u'\x1f');
}

// The stamp as stored now; empty when the booking is gone.
Result<QString> changeStamp(const QSqlDatabase& db, int id)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ") + stampSelect(db) + QStringLiteral(" FROM Booking WHERE ID = ?"),
                   {id, id}, &error))
        return databaseFailure(error);
    if (!q.next())
        return QString();
    return stampOf(q, 0);
}

// The fields whose values differ between two stamps, in the stamp's order: what another desk changed.
QStringList changedFields(const QString& seen, const QString& now)
{
    static const std::pair<const char16_t*, const char*> captions[] = {
        {u"FromDate", QT_TRANSLATE_NOOP("BookingStore", "arrival")},
        {u"ToDate", QT_TRANSLATE_NOOP("BookingStore", "departure")},
        {u"BookedBy", QT_TRANSLATE_NOOP("BookingStore", "booked by")},
        {u"CustomerID", QT_TRANSLATE_NOOP("BookingStore", "customer")},
        {u"Notes", QT_TRANSLATE_NOOP("BookingStore", "notes")},
        {u"NoAdults", QT_TRANSLATE_NOOP("BookingStore", "adults")},
        {u"NoKids", QT_TRANSLATE_NOOP("BookingStore", "children")},
        {u"OtherCharges", QT_TRANSLATE_NOOP("BookingStore", "other charges")},
        {u"VAT", QT_TRANSLATE_NOOP("BookingStore", "tax")},
        {u"TotalPayable", QT_TRANSLATE_NOOP("BookingStore", "total payable")},
        {u"PaymentMethodID", QT_TRANSLATE_NOOP("BookingStore", "payment method")},
        {u"CreditCardNo", QT_TRANSLATE_NOOP("BookingStore", "card number")},
        {u"CreditCardExpiry", QT_TRANSLATE_NOOP("BookingStore", "card expiry")},
        {u"CreditCardType", QT_TRANSLATE_NOOP("BookingStore", "card type")},
        {u"CreditCardCV2No", QT_TRANSLATE_NOOP("BookingStore", "security code")},
        {u"CostOfHire", QT_TRANSLATE_NOOP("BookingStore", "cost of hire")},
        {u"BerthConfirmationNumber", QT_TRANSLATE_NOOP("BookingStore", "confirmation number")},
        {u"GuestConfirmationNumber", QT_TRANSLATE_NOOP("BookingStore", "guest confirmation number")},
        {u"PowerRequirements", QT_TRANSLATE_NOOP("BookingStore", "power requirements")},
        {u"ClubMember", QT_TRANSLATE_NOOP("BookingStore", "club member")},
        {u"TaxRate", QT_TRANSLATE_NOOP("BookingStore", "tax rate")},
        {u"BoatID", QT_TRANSLATE_NOOP("BookingStore", "boat")},
        {u"DepositDue", QT_TRANSLATE_NOOP("BookingStore", "deposit")},
        {u"DepositBy", QT_TRANSLATE_NOOP("BookingStore", "deposit due by")},
        {u"BalanceBy", QT_TRANSLATE_NOOP("BookingStore", "balance due by")},
        {u"Cancelled", QT_TRANSLATE_NOOP("BookingStore", "cancelled")}};
    const auto caption = [](const QString& column) {
        for (const auto& [name, text] : captions)
            if (column == QStringView(name))
                return QCoreApplication::translate("BookingStore", text);
        return column;
    };
    // The stamp's values are the stamp columns' and then the berths'.
    const QStringList columns = stampColumns().split(QStringLiteral(", "));
    const QStringList before = seen.split(u'\x1f');
    const QStringList after = now.split(u'\x1f');
    QStringList changed;
    for (qsizetype i = 0; i < std::max(before.size(), after.size()); ++i)
        if (before.value(i) != after.value(i))
            changed << (i < columns.size() ? caption(columns.at(i))
                                           : QCoreApplication::translate("BookingStore", "berths"));
    changed.removeDuplicates();
    return changed;
}

QString goneText()
{
    return QCoreApplication::translate("BookingStore", "The booking no longer exists.");
}
} // namespace

Result<BookingRecord> loadBooking(const QSqlDatabase& db, int id)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // The stamp comes from the same statement as the row: read apart, a change committed at another desk between
    // the two would give the old row the new stamp, and a save of the old row would pass the check.
    constexpr int StampFrom = 30;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, ") + Columns + QStringLiteral(", Cancelled, CancelledBerths, Created, ") +
                       stampSelect(db) + QStringLiteral(" FROM Booking WHERE ID = ?"),
                   {id, id}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(goneText()); // deleted at another desk since it was listed
    BookingRecord b;
    b.id = q.value(0).toInt();
    b.fromDate = DateTimes::readDateTime(q.value(1));
    b.toDate = DateTimes::readDateTime(q.value(2));
    b.bookedBy = text(q.value(3));
    b.customerId = q.value(4).toInt();
    b.notes = text(q.value(5));
    b.noAdults = q.value(6).toInt();
    b.noKids = q.value(7).toInt();
    b.otherCharges = Money::fromDb(q.value(8));
    b.vat = Money::fromDb(q.value(9));
    b.totalPayable = Money::fromDb(q.value(10));
    b.amountPayed = Money::fromDb(q.value(11));
    if (!q.value(12).isNull())
        b.paymentMethodId = q.value(12).toInt();
    b.creditCardNo = text(q.value(13));
    b.creditCardExpiry = text(q.value(14));
    b.creditCardType = text(q.value(15));
    b.costOfHire = Money::fromDb(q.value(17));
    if (!q.value(18).isNull())
        b.berthConfirmationNumber = q.value(18).toLongLong();
    b.guestConfirmationNumber = text(q.value(19));
    b.powerRequirements = text(q.value(20));
    b.clubMember = q.value(21).toInt() != 0;
    if (!q.value(22).isNull())
        b.taxRate = q.value(22).toInt();
    if (!q.value(23).isNull())
        b.boatId = q.value(23).toInt();
    if (!q.value(24).isNull())
        b.moneyDue.deposit = Money::fromDb(q.value(24));
    b.moneyDue.depositBy = DateTimes::readDateTime(q.value(25)).date();
    b.moneyDue.balanceBy = DateTimes::readDateTime(q.value(26)).date();
    b.cancelled = q.value(27).toInt() != 0;
    const QString cancelledBerths = text(q.value(28));
    b.bookedOn = DateTimes::readDateTime(q.value(29)).date();
    b.storedStamp = stampOf(q, StampFrom);

    QSqlQuery berths(db);
    berths.setForwardOnly(true);
    if (!Sql::exec(berths,
                   QStringLiteral("SELECT Berth.ID, Berth.Name FROM BookingBerth JOIN Berth ON Berth.ID = "
                                  "BookingBerth.BerthID WHERE BookingBerth.BookingID = ?"),
                   {id}, &error))
        return databaseFailure(error);
    QList<std::pair<int, QString>> rows;
    while (berths.next())
        rows.append({berths.value(0).toInt(), text(berths.value(1))});
    const QCollator collator = Texts::naturalOrder();
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const auto& a, const auto& b) { return collator.compare(a.second, b.second) < 0; });
    for (const auto& [berthId, name] : rows) {
        b.berthIds.append(berthId);
        b.berthNames.append(name);
    }
    // A cancelled booking holds no berths; it still names the ones it had.
    if (b.cancelled && rows.isEmpty() && !cancelledBerths.isEmpty())
        b.berthNames = cancelledBerths.split(QStringLiteral(", "));
    auto charges = chargeLines(db, id);
    if (!charges)
        return charges.failure();
    b.charges = std::move(*charges);
    return b;
}

Result<QList<Pricing::Line>> chargeLines(const QSqlDatabase& db, int bookingId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT Berth, Season, Unit, Quantity, Rate, Amount FROM BookingCharge "
                                  "WHERE BookingID = ? ORDER BY Line"),
                   {bookingId}, &error))
        return databaseFailure(error);
    QList<Pricing::Line> lines;
    while (q.next()) {
        const int unit = q.value(2).toInt();
        // A unit this program does not know counts as nights rather than dropping the line's amount.
        lines.append({text(q.value(0)), text(q.value(1)),
                      unit >= 0 && unit <= static_cast<int>(Pricing::Unit::Month) ? static_cast<Pricing::Unit>(unit)
                                                                                  : Pricing::Unit::Night,
                      q.value(3).toLongLong(), Money::fromDb(q.value(4)), Money::fromDb(q.value(5))});
    }
    return lines;
}

Result<qint64> nextConfirmationNumber(const QSqlDatabase& db)
{
    QString error;
    const auto max =
        Sql::scalar(db, QStringLiteral("SELECT Max(BerthConfirmationNumber) AS M FROM Booking"), {}, &error);
    // An aggregate always gives a row: nothing at all means the statement failed (not "start at 1").
    if (!max)
        return databaseFailure(error);
    if (max->isNull())
        return qint64(1);
    return max->toLongLong() + 1;
}

namespace {
// The berths of the booking that another booking or a block holds for its period, the blocked ones apart.
struct Taken
{
    QStringList booked;
    QStringList blocked;
};
Result<Taken> takenBerths(const QSqlDatabase& db, const BookingRecord& booking)
{
    const auto busy = BerthAvailability::busyBerths(db, booking.fromDate, booking.toDate, booking.id);
    if (!busy)
        return busy.failure();
    QList<int> busyIds;
    for (const int id : booking.berthIds)
        if (busy->contains(id))
            busyIds.append(id);
    Taken taken;
    if (busyIds.isEmpty())
        return taken;
    const auto blocked = BerthBlocks::blockedOver(db, busyIds, booking.fromDate, booking.toDate, booking.id);
    if (!blocked)
        return blocked.failure();
    for (qsizetype i = 0; i < booking.berthIds.size(); ++i) {
        const int id = booking.berthIds.at(i);
        if (blocked->contains(id))
            taken.blocked.append(booking.berthNames.value(i));
        else if (busy->contains(id))
            taken.booked.append(booking.berthNames.value(i));
    }
    return taken;
}

// taken: the berths booked or blocked meanwhile; changed: the booking's fields another desk changed.
Failure overtakenBy(Overtaken what, Overtaken* overtaken, const Taken& taken = {}, const QStringList& changed = {})
{
    if (overtaken)
        *overtaken = what;
    switch (what) {
    case Overtaken::BerthsTaken:
        if (!taken.blocked.isEmpty())
            return conflict(QCoreApplication::translate("BookingStore",
                                                        "%1 has been blocked for this period since the list was "
                                                        "shown. Nothing was saved: please choose the units again.")
                                .arg(taken.blocked.join(QStringLiteral(", "))));
        return conflict(QCoreApplication::translate("BookingStore",
                                                    "%1 has been booked for this period since the list was shown. "
                                                    "Nothing was saved: please choose the units again.")
                            .arg(taken.booked.join(QStringLiteral(", "))));
    case Overtaken::BookingChanged:
        return conflict(QCoreApplication::translate("BookingStore",
                                                    "This booking has been changed or cancelled at another desk "
                                                    "since you opened it (changed: %1). Nothing was saved: cancel "
                                                    "and open it again to see the changes.")
                            .arg(changed.join(QStringLiteral(", "))));
    case Overtaken::BoatGone:
        return conflict(QCoreApplication::translate("BookingStore",
                                                    "The boat has been removed or given to another customer since "
                                                    "the list was shown. Nothing was saved: please choose the boat "
                                                    "again."));
    case Overtaken::CustomerGone:
    case Overtaken::Nothing:
        break;
    }
    // The wizard names the customer as its list showed it; the row that had the name is gone.
    return conflict(QCoreApplication::translate(
        "BookingStore", "The customer has been deleted since the list was shown. Nothing was saved."));
}
} // namespace

Result<SavedBooking> saveBooking(const QSqlDatabase& db, const BookingRecord& typed, Overtaken* overtaken)
{
    if (overtaken)
        *overtaken = Overtaken::Nothing;
    if (const QString reason = outOfRange(typed); !reason.isEmpty())
        return refused(reason);
    if (typed.cancelled)
        return refused(QCoreApplication::translate("BookingStore", "A cancelled booking cannot be changed."));
    // A new booking's payment is its ledger's first line; a changed booking's paid amount is the ledger's alone.
    const Ledger::Entry firstPayment{Ledger::Kind::Payment, typed.paymentMethodId, typed.amountPayed, {}, {}};
    if (typed.id == 0 && typed.amountPayed != Money())
        if (const QString fault = Ledger::entryFault(firstPayment); !fault.isEmpty())
            return refused(fault);
    BookingRecord booking = typed;
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    if (const Status open = ClosedBookings::check(db, booking.id, booking.toDate); !open)
        return open.failure();
    QString error;
    // The customer may have been deleted at another desk since the list was shown.
    const auto customer =
        Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Customer WHERE ID = ?"), {booking.customerId}, &error);
    if (!customer)
        return databaseFailure(error);
    if (customer->toInt() == 0)
        return overtakenBy(Overtaken::CustomerGone, overtaken);
    // A new caller's boat becomes the customer's in the same transaction: both are saved, or neither.
    if (booking.newBoat && !booking.boatId) {
        BoatRecord boat = *booking.newBoat;
        boat.customerId = booking.customerId;
        const auto added = Boats::add(db, boat);
        if (!added)
            return added.failure();
        booking.boatId = *added;
    } else if (booking.boatId) {
        // The boat may have been removed, or moved to another customer, at another desk.
        const auto boat = Boats::load(db, *booking.boatId);
        if (!boat && boat.kind() != FailureKind::Conflict)
            return boat.failure();
        if (!boat || boat->customerId != booking.customerId)
            return overtakenBy(Overtaken::BoatGone, overtaken);
    }
    // Another desk may have changed or cancelled the booking since it was loaded: its work is not overwritten.
    if (booking.id != 0 && !booking.storedStamp.isEmpty()) {
        const auto now = changeStamp(db, booking.id);
        if (!now)
            return now.failure();
        if (*now != booking.storedStamp)
            return overtakenBy(Overtaken::BookingChanged, overtaken, {},
                               now->isEmpty() ? QStringList{QCoreApplication::translate("BookingStore", "deleted")}
                                              : changedFields(booking.storedStamp, *now));
    }
    // Two desks may have been proposed the same number: the later save takes the next free one.
    if (booking.confirmationNumberProposed && booking.berthConfirmationNumber) {
        const auto taken = Sql::scalar(
            db, QStringLiteral("SELECT COUNT(*) FROM Booking WHERE BerthConfirmationNumber = ? AND ID <> ?"),
            {QVariant::fromValue<qlonglong>(*booking.berthConfirmationNumber), booking.id}, &error);
        if (!taken)
            return databaseFailure(error);
        if (taken->toInt() > 0) {
            const auto next = nextConfirmationNumber(db);
            if (!next)
                return next.failure();
            booking.berthConfirmationNumber = *next;
        }
    }
    SavedBooking saved;
    saved.confirmationNumber = booking.berthConfirmationNumber.value_or(0);
    // Another booking may have taken a berth since the list was shown.
    const auto taken = takenBerths(db, booking);
    if (!taken)
        return taken.failure();
    if (!taken->booked.isEmpty() || !taken->blocked.isEmpty())
        return overtakenBy(Overtaken::BerthsTaken, overtaken, *taken);

    QSqlQuery q(db);
    if (booking.id == 0) {
        QStringList marks;
        marks.fill(QStringLiteral("?"), Columns.count(u',') + 1);
        const QString sql = QStringLiteral("INSERT INTO Booking (") + Columns + QStringLiteral(") VALUES (") +
                            marks.join(QStringLiteral(", ")) + u')';
        BookingRecord unpaid = booking;
        unpaid.amountPayed = Money();
        const auto id = Sql::insertReturningId(db, sql, columnValues(unpaid), &error);
        if (!id)
            return databaseFailure(error);
        saved.id = static_cast<int>(*id);
        if (booking.amountPayed != Money())
            if (const auto paid = Ledger::addLine(db, saved.id, firstPayment, booking.savedAt, Ledger::deskName());
                !paid)
                return databaseFailure(paid.error());
    } else {
        QString sets = Columns;
        sets.replace(QStringLiteral("AmountPayed, "), QString());
        sets.replace(QStringLiteral(", "), QStringLiteral(" = ?, "));
        sets += QStringLiteral(" = ?");
        // A booking saved without a payment method keeps the method it had.
        if (!booking.paymentMethodId)
            sets.replace(QStringLiteral("PaymentMethodID = ?"),
                         QStringLiteral("PaymentMethodID = coalesce(?, PaymentMethodID)"));
        QVariantList values = columnValues(booking);
        values.removeAt(Columns.split(QStringLiteral(", ")).indexOf(QStringLiteral("AmountPayed")));
        values.append(booking.id);
        if (!Sql::exec(q, QStringLiteral("UPDATE Booking SET ") + sets + QStringLiteral(" WHERE ID = ?"), values,
                       &error))
            return databaseFailure(error);
        if (q.numRowsAffected() != 1)
            return databaseFailure(goneText());
        saved.id = booking.id;
    }
    if (const Status lines = BookingLines::write(db, saved.id, booking.berthIds, booking.charges, booking.id == 0);
        !lines)
        return lines.failure();
    if (tx.commit(&error))
        return saved;
    // A server checks that no berth is booked twice over when the transaction commits: another desk's booking
    // committed after the re-check above. That is the same "taken" answer, with the berths asked for afresh.
    if (Dialect::of(db).isOverlapRefusal(tx.commitError())) {
        Taken taken = takenBerths(db, booking).valueOr(Taken{});
        if (taken.booked.isEmpty() && taken.blocked.isEmpty()) // gone again meanwhile: name every berth asked for
            taken.booked = booking.berthNames;
        return overtakenBy(Overtaken::BerthsTaken, overtaken, taken);
    }
    return databaseFailure(error);
}

Status deleteBooking(const QSqlDatabase& db, int id, const QString& storedStamp)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    if (const Status open = ClosedBookings::check(db, id); !open)
        return open;
    if (!storedStamp.isEmpty()) {
        const auto now = changeStamp(db, id);
        if (!now)
            return now.failure();
        if (*now != storedStamp)
            return conflict(QCoreApplication::translate(
                "BookingStore", "This booking has been changed or cancelled at another desk "
                                "since you opened it. Nothing was deleted: close it and open it "
                                "again to see the changes."));
    }
    QString error;
    const auto lines =
        Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Payment WHERE BookingID = ?"), {id}, &error);
    if (!lines)
        return databaseFailure(error);
    if (lines->toInt() > 0)
        return refused(QCoreApplication::translate("BookingStore",
                                                   "Money has been taken on this booking: it is cancelled from its "
                                                   "summary, which keeps its payments."));
    if (!Sql::exec(db, QStringLiteral("DELETE FROM Booking WHERE ID = ?"), {id}, &error) || !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Result<Cancellation> cancelBooking(const QSqlDatabase& db, int id, const QString& storedStamp, MoneyKept kept,
                                   const QDateTime& when, const QString& desk)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    if (const Status open = ClosedBookings::check(db, id); !open)
        return open.failure();
    const auto now = changeStamp(db, id);
    if (!now)
        return now.failure();
    if (now->isEmpty() || (!storedStamp.isEmpty() && *now != storedStamp))
        return conflict(QCoreApplication::translate("BookingStore",
                                                    "This booking has been changed or cancelled at another desk "
                                                    "since you opened it. Nothing was cancelled: close it and open it "
                                                    "again to see the changes."));
    const auto booking = loadBooking(db, id);
    if (!booking)
        return booking.failure();
    if (booking->cancelled)
        return conflict(QCoreApplication::translate("BookingStore", "The booking has already been cancelled."));
    QString error;
    Cancellation done{booking->amountPayed, {}};
    const Money& paid = done.paid;
    if (paid > Money() && kept != MoneyKept::AsFee) {
        const Ledger::Entry entry{kept == MoneyKept::Refunded ? Ledger::Kind::Refund : Ledger::Kind::Credit,
                                  booking->paymentMethodId,
                                  paid,
                                  {},
                                  QCoreApplication::translate("BookingStore", "Booking cancelled")};
        const auto line = Ledger::addLine(db, id, entry, when, desk);
        if (!line)
            return line.failure();
        done.creditNote = line->creditNote;
    }
    // The berths are freed for others; the booking keeps their names and leaves the period index.
    if (!Sql::exec(db, QStringLiteral("UPDATE Booking SET Cancelled = 1, CancelledBerths = ? WHERE ID = ?"),
                   {booking->berthNames.join(QStringLiteral(", ")), id}, &error) ||
        !Sql::exec(db, QStringLiteral("DELETE FROM BookingBerth WHERE BookingID = ?"), {id}, &error) ||
        !Sql::exec(db, QStringLiteral("DELETE FROM BookingPeriod WHERE ID = ?"),
                   {QVariant::fromValue<qlonglong>(qint64(id) * 2147483648LL)}, &error) ||
        !tx.commit(&error))
        return databaseFailure(error);
    return done;
}

} // namespace BookingStore
