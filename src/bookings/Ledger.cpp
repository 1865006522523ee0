#include "bookings/Ledger.h"

#include "bookings/HolderCredits.h"

#include "bookings/ClosedBookings.h"
#include "bookings/CreditNotes.h"
#include "core/Actor.h"
#include "core/DateTimes.h"
#include "core/InputParsing.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace Ledger {
namespace {

QString text(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

// What the line adds to the amount paid.
// A line recorded without its time takes the machine's.
QDateTime stampOf(const QDateTime& when)
{
    return when.isValid() ? when : DateTimes::wallTime(QDate::currentDate(), QTime::currentTime());
}

Money signedAmount(const Entry& entry)
{
    switch (entry.kind) {
    case Kind::Refund:
    case Kind::Credit:
        return Money() - entry.amount;
    case Kind::Deposit:
    case Kind::Payment:
    case Kind::Correction:
    case Kind::CreditUsed:
        break;
    }
    return entry.amount;
}

std::optional<Kind> kindFrom(int stored)
{
    if (stored < static_cast<int>(Kind::Deposit) || stored > static_cast<int>(Kind::CreditUsed))
        return std::nullopt;
    return static_cast<Kind>(stored);
}

const QString LineColumns =
    QStringLiteral("P.ID, P.PaidAt, P.Kind, P.PaymentMethodID, M.Name, P.Amount, P.Reference, P.Desk, P.Note");
const QString LineFrom = QStringLiteral(" FROM Payment P LEFT JOIN PaymentMethod M ON M.ID = P.PaymentMethodID");

Line lineFrom(const QSqlQuery& q, int at = 0)
{
    Line l;
    l.id = q.value(at).toInt();
    l.paidAt = DateTimes::readDateTime(q.value(at + 1));
    // A kind this program does not know reads as a correction: its amount still counts.
    l.kind = kindFrom(q.value(at + 2).toInt()).value_or(Kind::Correction);
    if (!q.value(at + 3).isNull())
        l.methodId = q.value(at + 3).toInt();
    l.method = text(q.value(at + 4));
    l.amount = Money::fromDb(q.value(at + 5));
    l.reference = text(q.value(at + 6));
    l.desk = text(q.value(at + 7));
    l.note = text(q.value(at + 8));
    return l;
}

// The credit a customer holds: credit kept from cancelled bookings (stored negative) less credit used.
std::optional<Money> creditOf(const QSqlDatabase& db, int customerId, QString* error)
{
    const auto sum = Sql::scalar(db,
                                 QStringLiteral("SELECT COALESCE(SUM(P.Amount), 0) FROM Payment P JOIN Booking B "
                                                "ON B.ID = P.BookingID WHERE B.CustomerID = ? AND P.Kind IN (5, 6)"),
                                 {customerId}, error);
    if (!sum)
        return std::nullopt;
    return Money() - Money::fromDb(*sum);
}
} // namespace

QString kindText(Kind kind, const DocumentWords& words)
{
    switch (kind) {
    case Kind::Deposit:
        return words.translate("Ledger", "Deposit");
    case Kind::Payment:
        return words.translate("Ledger", "Payment");
    case Kind::Refund:
        return words.translate("Ledger", "Refund");
    case Kind::Correction:
        return words.translate("Ledger", "Correction");
    case Kind::Credit:
        return words.translate("Ledger", "Kept as credit");
    case Kind::CreditUsed:
        return words.translate("Ledger", "Credit used");
    }
    return {};
}

Money lineCeiling()
{
    return InputChecks::PaymentCeiling;
}

QString deskName()
{
    return Actor::label();
}

Result<QList<Line>> lines(const QSqlDatabase& db, int bookingId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ") + LineColumns + LineFrom +
                       QStringLiteral(" WHERE P.BookingID = ? ORDER BY P.ID"),
                   {bookingId}, &error))
        return databaseFailure(error);
    QList<Line> found;
    while (q.next())
        found.append(lineFrom(q));
    return found;
}

Result<QList<Line>> contractLines(const QSqlDatabase& db, int contractId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ") + LineColumns + LineFrom +
                       QStringLiteral(" WHERE P.ContractID = ? AND P.BookingID = 0 ORDER BY P.ID"),
                   {contractId}, &error))
        return databaseFailure(error);
    QList<Line> found;
    while (q.next())
        found.append(lineFrom(q));
    return found;
}

Result<Money> addContractLine(const QSqlDatabase& db, int contractId, Money paid, const Entry& entry,
                              const QDateTime& when, const QString& desk)
{
    if (const QString fault = entryFault(entry); !fault.isEmpty())
        return refused(fault);
    if (entry.kind == Kind::Credit || entry.kind == Kind::CreditUsed)
        return refused(QCoreApplication::translate("Ledger", "A contract is paid, refunded or corrected."));
    const Money after = paid + signedAmount(entry);
    if (entry.kind == Kind::Refund && after < Money())
        return refused(
            QCoreApplication::translate("Ledger", "The refund is more than the %1 paid.").arg(paid.format()));
    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("INSERT INTO Payment (BookingID, ContractID, PaidAt, Kind, PaymentMethodID, Amount, "
                                  "Reference, Desk, Note) VALUES (0, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {contractId, DateTimes::dbDateTime(stampOf(when)), static_cast<int>(entry.kind),
                    entry.methodId ? QVariant(*entry.methodId) : Sql::nullInt(), signedAmount(entry).toDb(),
                    entry.reference, desk, entry.note},
                   &error))
        return databaseFailure(error);
    const auto sum = Sql::scalar(
        db, QStringLiteral("SELECT COALESCE(SUM(Amount), 0) FROM Payment WHERE ContractID = ? AND BookingID = 0"),
        {contractId}, &error);
    if (!sum)
        return databaseFailure(error);
    return Money::fromDb(*sum);
}

QString accountColumns(const QString& alias)
{
    return QStringLiteral("%1.TotalPayable, %1.AmountPayed, %1.Cancelled, %1.CustomerID, %1.Created, %1.FromDate, "
                          "%1.InvoiceNumber, %1.PaymentMethodID, %1.DepositDue, %1.DepositBy, %1.BalanceBy")
        .arg(alias);
}

Account accountFrom(const QSqlQuery& q, int at)
{
    Account a;
    a.total = Money::fromDb(q.value(at));
    a.paid = Money::fromDb(q.value(at + 1));
    a.cancelled = q.value(at + 2).toInt() != 0;
    a.customerId = q.value(at + 3).toInt();
    a.booked = DateTimes::readDateTime(q.value(at + 4)).date();
    a.arrivalAt = DateTimes::readDateTime(q.value(at + 5));
    a.arrival = a.arrivalAt.date();
    if (!q.value(at + 6).isNull())
        a.invoiceNumber = q.value(at + 6).toLongLong();
    if (!q.value(at + 7).isNull())
        a.methodId = q.value(at + 7).toInt();
    if (!q.value(at + 8).isNull())
        a.agreed.deposit = Money::fromDb(q.value(at + 8));
    a.agreed.depositBy = DateTimes::readDateTime(q.value(at + 9)).date();
    a.agreed.balanceBy = DateTimes::readDateTime(q.value(at + 10)).date();
    return a;
}

PaymentTerms::Due Account::due(const PaymentTerms& terms, const QDate& today) const
{
    return terms.due(total, paid, booked.isValid() ? booked : arrival, arrival, today, agreed);
}

Result<Account> account(const QSqlDatabase& db, int bookingId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ") + accountColumns(QStringLiteral("B")) +
                       QStringLiteral(" FROM Booking B WHERE B.ID = ?"),
                   {bookingId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("Ledger", "The booking no longer exists."));
    return accountFrom(q, 0);
}

QString entryFault(const Entry& entry)
{
    const Money nothing;
    if (entry.amount == nothing)
        return QCoreApplication::translate("Ledger", "Enter an amount other than %1.").arg(nothing.format());
    if (entry.kind != Kind::Correction && entry.amount < nothing)
        return QCoreApplication::translate(
            "Ledger", "Enter the amount without a minus sign: money given back is recorded as a refund, a mistake "
                      "as a correction.");
    const Money magnitude = entry.amount < nothing ? nothing - entry.amount : entry.amount;
    if (magnitude > lineCeiling())
        return InputChecks::limitText(lineCeiling());
    if (entry.reference.size() > 100 || entry.note.size() > 250)
        return QCoreApplication::translate("Ledger", "The reference runs to 100 characters and the note to 250.");
    return {};
}

Result<Recorded> addLine(const QSqlDatabase& db, int bookingId, const Entry& entry, const QDateTime& when,
                         const QString& desk)
{
    if (const QString fault = entryFault(entry); !fault.isEmpty())
        return refused(fault);
    const auto held = account(db, bookingId);
    if (!held)
        return held.failure();
    if (held->cancelled)
        return refused(
            QCoreApplication::translate("Ledger", "The booking has been cancelled: no payment can be recorded on it."));
    const Money nothing;
    Recorded done;
    done.paid = held->paid + signedAmount(entry);
    done.invoiceNumber = held->invoiceNumber;
    if (entry.kind == Kind::Refund && entry.amount > held->paid)
        return refused(QCoreApplication::translate("Ledger", "A refund cannot be more than what was paid (%1).")
                           .arg(held->paid.format()));
    if (entry.kind == Kind::Correction && done.paid < nothing)
        return refused(
            QCoreApplication::translate("Ledger", "A correction cannot take what was paid below %1 (%2 was paid).")
                .arg(nothing.format(), held->paid.format()));
    if (!done.paid.withinCeiling())
        return refused(QCoreApplication::translate("Ledger", "An amount is above %1.").arg(Money::ceiling().format()));
    QString error;
    if (entry.kind == Kind::CreditUsed) {
        const auto credit = creditOf(db, held->customerId, &error);
        if (!credit)
            return databaseFailure(error);
        if (entry.amount > *credit)
            return refused(
                QCoreApplication::translate("Ledger", "The customer holds %1 of credit.").arg(credit->format()));
    }
    // Invoiced money given back is credited against its invoice; money paid beyond what it still asks is not.
    Money credited;
    if (entry.kind == Kind::Refund && held->invoiceNumber) {
        const auto credit = CreditNotes::toCredit(db, bookingId, held->total, held->paid, entry.amount);
        if (!credit)
            return credit.failure();
        credited = *credit;
    }
    // A line always carries its time: without the desk's clock, the machine's.
    const QDateTime stamp = stampOf(when);
    if (const Status open = ClosedBookings::checkLine(db, stamp); !open)
        return open.failure();
    const auto lineId = Sql::insertReturningId(
        db,
        QStringLiteral("INSERT INTO Payment (BookingID, PaidAt, Kind, PaymentMethodID, Amount, Reference, Desk, Note) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {bookingId, DateTimes::dbDateTime(stamp), static_cast<int>(entry.kind),
         entry.methodId ? QVariant(*entry.methodId) : Sql::nullInt(), signedAmount(entry).toDb(), entry.reference, desk,
         entry.note},
        &error);
    if (!lineId)
        return databaseFailure(error);
    // The sum is read back rather than added to, so two desks' lines both count whatever order they commit in.
    if (!Sql::exec(db, QStringLiteral("UPDATE Booking SET AmountPayed = COALESCE(AmountPayed, 0) + ? WHERE ID = ?"),
                   {signedAmount(entry).toDb(), bookingId}, &error))
        return databaseFailure(error);
    if (const Status holders = HolderCredits::follow(db, bookingId, *lineId, stamp, desk); !holders)
        return holders.failure();
    if (credited <= nothing)
        return done;
    const auto note = CreditNotes::issue(db, bookingId, *held->invoiceNumber, *lineId, credited, stamp, desk);
    if (!note)
        return note.failure();
    done.creditNote =
        CreditNotes::Note{0, *note, bookingId, *held->invoiceNumber, static_cast<int>(*lineId), credited, stamp, desk};
    return done;
}

Result<Recorded> record(const QSqlDatabase& db, int bookingId, const Entry& entry, const QDateTime& when,
                        const QString& desk)
{
    if (const QString fault = entryFault(entry); !fault.isEmpty())
        return refused(fault);
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    auto done = addLine(db, bookingId, entry, when, desk);
    if (!done)
        return done.failure();
    const auto after = account(db, bookingId);
    if (!after)
        return after.failure();
    done->paid = after->paid;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return done;
}

Result<Money> customerCredit(const QSqlDatabase& db, int customerId)
{
    QString error;
    const auto credit = creditOf(db, customerId, &error);
    if (!credit)
        return databaseFailure(error);
    return *credit;
}

Result<qint64> drawInvoiceNumber(const QSqlDatabase& db)
{
    QString error;
    const QString company = QStringLiteral("(SELECT MIN(CompanyID) FROM Company)");
    QSqlQuery q(db);
    if (!Sql::exec(q,
                   QStringLiteral("UPDATE Company SET LastInvoiceNumber = LastInvoiceNumber + 1 WHERE CompanyID = ") +
                       company,
                   {}, &error))
        return databaseFailure(error);
    if (q.numRowsAffected() != 1)
        return refused(QCoreApplication::translate("Ledger", "Enter the company's details before issuing an invoice."));
    const auto number = Sql::scalar(
        db, QStringLiteral("SELECT LastInvoiceNumber FROM Company WHERE CompanyID = ") + company, {}, &error);
    if (!number)
        return databaseFailure(error);
    return number->toLongLong();
}

Result<qint64> issueInvoice(const QSqlDatabase& db, int bookingId)
{
    // Immediate: the sequence is taken by one desk at a time on both engines.
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto held = account(db, bookingId);
    if (!held)
        return held.failure();
    if (held->invoiceNumber)
        return *held->invoiceNumber;
    const auto issued = drawInvoiceNumber(db);
    if (!issued)
        return issued.failure();
    QString error;
    if (!Sql::exec(db, QStringLiteral("UPDATE Booking SET InvoiceNumber = ? WHERE ID = ?"),
                   {QVariant::fromValue<qlonglong>(*issued), bookingId}, &error) ||
        !tx.commit(&error))
        return databaseFailure(error);
    return *issued;
}

QString owesSql(const QString& alias)
{
    return QStringLiteral("coalesce(%1.TotalPayable, 0) - coalesce(%1.AmountPayed, 0) >= %2")
        .arg(alias)
        .arg(Money::halfPenny().units());
}

Result<QList<Owing>> owing(const QSqlDatabase& db, const PaymentTerms& terms, const QDate& today)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT B.ID, B.BerthConfirmationNumber, C.Name, ") +
                       accountColumns(QStringLiteral("B")) +
                       QStringLiteral(" FROM Booking B LEFT JOIN Customer C ON C.ID = B.CustomerID WHERE B.Cancelled "
                                      "= 0 AND ") +
                       owesSql(QStringLiteral("B")),
                   {}, &error))
        return databaseFailure(error);
    QList<Owing> rows;
    while (q.next()) {
        Owing o;
        o.bookingId = q.value(0).toInt();
        o.confirmationNumber = text(q.value(1));
        o.customer = text(q.value(2));
        const Account held = accountFrom(q, 3);
        o.arrival = held.arrivalAt;
        o.total = held.total;
        o.paid = held.paid;
        o.due = held.due(terms, today);
        rows.append(o);
    }
    std::sort(rows.begin(), rows.end(), [](const Owing& a, const Owing& b) {
        return std::tie(a.due.nextDueBy, a.arrival, a.bookingId) < std::tie(b.due.nextDueBy, b.arrival, b.bookingId);
    });
    return rows;
}

void Takings::add(Kind kind, int count, Money amount)
{
    lines += count;
    switch (kind) {
    case Kind::Deposit:
    case Kind::Payment:
        received += amount;
        return;
    case Kind::Refund:
        refunded += amount;
        return;
    case Kind::Correction:
        corrected += amount;
        return;
    case Kind::Credit:
    case Kind::CreditUsed:
        credit += amount;
        return;
    }
}

Result<CashUp> cashUp(const QSqlDatabase& db, const QDate& first, const QDate& last)
{
    if (!first.isValid() || !last.isValid())
        return refused(QCoreApplication::translate("Ledger", "Enter the first and the last day of the period."));
    if (last < first)
        return refused(QCoreApplication::translate("Ledger", "The period ends before it starts."));
    // The methods' names first, from their small table, so the sum over the lines joins nothing.
    QString error;
    QHash<int, QString> names;
    {
        const auto methods = Sql::readLookup(db, QStringLiteral("SELECT ID, Name FROM PaymentMethod"), &error);
        if (!methods)
            return databaseFailure(error);
        for (const auto& method : *methods)
            names.insert(method.id, method.text);
    }
    // Summed by the database per kind, method and desk: a busy month is a few dozen rows, not every line.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Sql::exec(q,
                   QStringLiteral("SELECT Kind, PaymentMethodID, Desk, COUNT(*), SUM(Amount) FROM Payment WHERE "
                                  "PaidAt >= ? AND PaidAt < ? GROUP BY Kind, PaymentMethodID, Desk"),
                   {DateTimes::dbDateTime(DateTimes::wallTime(first)),
                    DateTimes::dbDateTime(DateTimes::wallTime(last.addDays(1)))},
                   &error))
        return databaseFailure(error);
    CashUp cash;
    cash.first = first;
    cash.last = last;
    QMap<std::optional<int>, Takings> methods;
    QMap<QString, Takings> desks;
    while (q.next()) {
        // A kind this program does not know counts as a correction, as the booking's lines show it.
        const Kind kind = kindFrom(q.value(0).toInt()).value_or(Kind::Correction);
        const std::optional<int> methodId = q.value(1).isNull() ? std::nullopt : std::optional<int>(q.value(1).toInt());
        const QString who = text(q.value(2)).trimmed();
        const int count = q.value(3).toInt();
        const Money amount = Money::fromDb(q.value(4));
        Takings& method = methods[methodId];
        if (method.name.isEmpty())
            method.name =
                !methodId ? QCoreApplication::translate("Ledger", "No method")
                          : names.value(*methodId,
                                        QCoreApplication::translate("Ledger", "Method %1 (removed)").arg(*methodId));
        method.add(kind, count, amount);
        Takings& desk = desks[who];
        desk.name = who.isEmpty() ? QCoreApplication::translate("Ledger", "No desk") : who;
        desk.add(kind, count, amount);
        cash.overall.add(kind, count, amount);
    }
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    cash.overall.name = QCoreApplication::translate("Ledger", "Total");
    const auto byName = [](const Takings& a, const Takings& b) { return a.name.localeAwareCompare(b.name) < 0; };
    for (auto it = methods.cbegin(); it != methods.cend(); ++it)
        if (it.key())
            cash.byMethod.append(it.value());
    std::sort(cash.byMethod.begin(), cash.byMethod.end(), byName);
    if (methods.contains(std::nullopt))
        cash.byMethod.append(methods.value(std::nullopt));
    cash.byDesk = desks.values();
    std::sort(cash.byDesk.begin(), cash.byDesk.end(), byName);
    return cash;
}

QString exportSql()
{
    // Quoted names: a server folds unquoted ones to lower case, and the file's header and its money column go by
    // them.
    const QStringList columns{
        Sql::named(QStringLiteral("P.PaidAt"), QStringLiteral("PaidAt")),
        Sql::named(QStringLiteral("P.BookingID"), QStringLiteral("Booking")),
        Sql::named(QStringLiteral("B.BerthConfirmationNumber"), QStringLiteral("ConfirmationNumber")),
        Sql::named(QStringLiteral("C.Name"), QStringLiteral("Customer")),
        Sql::named(QStringLiteral("CASE P.Kind WHEN 1 THEN ? WHEN 2 THEN ? WHEN 3 THEN ? WHEN 4 THEN ? WHEN 5 THEN ? "
                                  "WHEN 6 THEN ? END"),
                   QStringLiteral("Kind")),
        Sql::named(QStringLiteral("M.Name"), QStringLiteral("Method")),
        Sql::named(QStringLiteral("P.Amount"), QStringLiteral("Amount")),
        Sql::named(QStringLiteral("P.Reference"), QStringLiteral("Reference")),
        Sql::named(QStringLiteral("P.Desk"), QStringLiteral("Desk")),
        Sql::named(QStringLiteral("P.Note"), QStringLiteral("Note"))};
    return QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) +
           QStringLiteral(" FROM Payment P LEFT JOIN PaymentMethod M ON M.ID = P.PaymentMethodID LEFT JOIN Booking B "
                          "ON B.ID = P.BookingID LEFT JOIN Customer C ON C.ID = B.CustomerID WHERE P.PaidAt >= ? AND "
                          "P.PaidAt < ? ORDER BY P.PaidAt, P.ID");
}

QVariantList exportBinds(const QDate& first, const QDate& last)
{
    QVariantList binds;
    for (int kind = static_cast<int>(Kind::Deposit); kind <= static_cast<int>(Kind::CreditUsed); ++kind)
        binds << kindText(static_cast<Kind>(kind));
    return binds << DateTimes::dbDateTime(DateTimes::wallTime(first))
                 << DateTimes::dbDateTime(DateTimes::wallTime(last.addDays(1)));
}

} // namespace Ledger
