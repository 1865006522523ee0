#include "bookings/BerthAvailability.h"
#include "bookings/BookingStore.h"
#include "bookings/CreditNotes.h"
#include "bookings/FindBookingModel.h"
#include "bookings/Ledger.h"
#include "bookings/PaymentTerms.h"
#include "common/TestSupport.h"

using Ledger::Kind;

Q_DECLARE_METATYPE(Ledger::Kind)
Q_DECLARE_METATYPE(BookingStore::MoneyKept)

namespace {
Money pounds(qint64 p)
{
    return Money::fromPence(p * 100);
}
QDate day(int m, int d)
{
    return QDate(2026, m, d);
}
} // namespace

// The ledger as an accountant relies on it: lines only added, the paid amount always their sum, refunds and
// corrections within what was paid, money kept when a paid booking is cancelled, invoice numbers without gaps.
class tst_Ledger : public InstallTest
{
    Q_OBJECT

    // Booking 1: £300 payable, £100 paid (one line); booking 2: £50 payable, nothing paid; both on berth A1.
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann'), (2, 'Bob')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1)"_s));
        BookingRecord b;
        b.customerId = 1;
        b.fromDate = DateTimes::wallTime(day(7, 1), QTime(14, 0));
        b.toDate = DateTimes::wallTime(day(7, 4), QTime(10, 0));
        b.totalPayable = pounds(300);
        b.amountPayed = pounds(100);
        b.paymentMethodId = 2;
        b.berthIds = {1};
        b.berthNames = {u"A1"_s};
        b.savedAt = m_install->clock.current;
        QVERIFY(BookingStore::saveBooking(m_install->db(), b));
        b.customerId = 2;
        b.fromDate = b.fromDate.addDays(10);
        b.toDate = b.toDate.addDays(10);
        b.totalPayable = pounds(50);
        b.amountPayed = Money();
        QVERIFY(BookingStore::saveBooking(m_install->db(), b));
        QVERIFY(exec(u"UPDATE Booking SET Created = '2026-05-01 10:00:00'"_s));
    }

    Money paid(int booking) const
    {
        return Money::fromUnits(
            m_install->value(u"SELECT AmountPayed FROM Booking WHERE ID = ?"_s, {booking}).toLongLong());
    }
    int lineCount() const { return m_install->scalarInt(u"SELECT COUNT(*) FROM Payment"_s); }
    // The paid column and the ledger agree, booking by booking.
    bool sumsAgree() const
    {
        return m_install->scalarInt(u"SELECT COUNT(*) FROM Booking B WHERE COALESCE(B.AmountPayed, 0) <> "
                                    u"(SELECT COALESCE(SUM(Amount), 0) FROM Payment P WHERE P.BookingID = B.ID)"_s) ==
               0;
    }

    using RecordRow = std::tuple<int, Ledger::Kind, qint64, qint64>;
    using CancelRow = std::tuple<BookingStore::MoneyKept, QString, qint64, qint64>;
    using DueRow = std::tuple<int, qint64, qint64, int, qint64, QDate, QString, QString>;

private slots:
    void newBookingPaymentIsTheFirstLine()
    {
        const auto lines = Ledger::lines(m_install->db(), 1);
        QVERIFY(lines && lines->size() == 1);
        const Ledger::Line& first = lines->first();
        QVERIFY(first.kind == Kind::Payment && first.amount == pounds(100) && first.methodId == std::optional<int>(2));
        QVERIFY(first.paidAt == m_install->clock.current && first.desk == Ledger::deskName());
        QVERIFY(Ledger::lines(m_install->db(), 2)->isEmpty());
        // Changing the booking leaves what was paid to the ledger, whatever the record carries.
        auto loaded = BookingStore::loadBooking(m_install->db(), 1);
        QVERIFY(loaded);
        loaded->amountPayed = pounds(999);
        loaded->notes = u"changed"_s;
        QVERIFY(BookingStore::saveBooking(m_install->db(), *loaded));
        QCOMPARE(paid(1), pounds(100));
        QVERIFY(sumsAgree());
        // Both engines refuse to change a line in place, to delete one, or to delete a booking that has lines.
        for (const QString& sql :
             {u"UPDATE Payment SET Amount = 1"_s, u"DELETE FROM Payment"_s, u"DELETE FROM Booking WHERE ID = 1"_s})
            QVERIFY2(!exec(sql), qPrintable(sql));
        QCOMPARE(BookingStore::deleteBooking(m_install->db(), 1).kind(), FailureKind::Refused);
        QVERIFY(BookingStore::deleteBooking(m_install->db(), 2)); // a booking without lines is deleted as before
    }

    void recordRules_data()
    {
        // paidAfter: in pence; -1: refused, nothing saved
        const DataRows<RecordRow> row;
        row("payment", {1, Kind::Payment, 5000, 15000});
        row("deposit", {2, Kind::Deposit, 1000, 1000});
        row("refund of part", {1, Kind::Refund, 4000, 6000});
        row("refund of all", {1, Kind::Refund, 10000, 0});
        row("refund above paid", {1, Kind::Refund, 10001, -1});
        row("refund with nothing paid", {2, Kind::Refund, 1, -1});
        row("correction down", {1, Kind::Correction, -2500, 7500});
        row("correction up", {1, Kind::Correction, 2500, 12500});
        row("correction below nothing", {1, Kind::Correction, -10001, -1});
        row("zero", {1, Kind::Payment, 0, -1});
        row("negative payment", {1, Kind::Payment, -100, -1});
        row("negative refund", {1, Kind::Refund, -100, -1});
        row("ten million", {2, Kind::Payment, 1000000000, 1000000000});
        row("above ten million", {2, Kind::Payment, 1000000001, -1});
        row("credit the customer lacks", {1, Kind::CreditUsed, 100, -1});
        row("booking gone", {99, Kind::Payment, 100, -1});
    }
    void recordRules()
    {
        const auto& [booking, kind, pence, paidAfter] = fetchRow<RecordRow>();
        const int before = lineCount();
        const auto result =
            Ledger::record(m_install->db(), booking, {kind, 1, Money::fromPence(pence), u"slip 7"_s, {}},
                           m_install->clock.current, u"sue@desk"_s);
        if (paidAfter < 0) {
            QVERIFY(!result);
            QCOMPARE(result.kind(), booking == 99 ? FailureKind::Conflict : FailureKind::Refused);
            QVERIFY(!result.error().isEmpty());
            QCOMPARE(lineCount(), before);
        } else {
            QVERIFY2(result, qPrintable(result.error()));
            QCOMPARE(result->paid, Money::fromPence(paidAfter));
            QCOMPARE(paid(booking), Money::fromPence(paidAfter));
            QCOMPARE(lineCount(), before + 1);
            QCOMPARE(m_install->joined(u"SELECT Reference || ' ' || Desk FROM Payment ORDER BY ID DESC LIMIT 1"_s),
                     u"slip 7 sue@desk"_s);
        }
        QVERIFY(sumsAgree());
    }

    // Invoice numbers without gaps, and payments at two desks that both count.
    void twoDesksInvoicesAndPayments()
    {
        QVERIFY(exec(u"UPDATE Company SET LastInvoiceNumber = 40"_s));
        QCOMPARE(*Ledger::issueInvoice(m_install->db(), 2), 41);
        QCOMPARE(*Ledger::issueInvoice(m_install->db(), 2), 41); // reissued: the same number
        // A number taken in a transaction that then failed is not lost.
        QVERIFY(m_install->failOn(u"Booking"_s, u"UPDATE"_s, u"disk full"_s));
        QVERIFY(!Ledger::issueInvoice(m_install->db(), 1));
        QVERIFY(exec(TestMain::currentEngine() == TestMain::Engine::SQLite
                         ? u"DROP TRIGGER FailBookingUpdate"_s
                         : u"DROP TRIGGER FailBookingUpdate ON Booking"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT LastInvoiceNumber FROM Company"_s), 41);
        // Two desks issuing in turn never share a number and skip none.
        QVERIFY(exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20) "
                     u"INSERT INTO Booking (CustomerID, TotalPayable) SELECT 1, 100 FROM n"_s));
        OtherDesk deskB(*m_install);
        QVERIFY2(deskB, qPrintable(deskB.error()));
        for (int id = 3; id < 23; id += 2) {
            QVERIFY(Ledger::issueInvoice(*deskB, id));
            QVERIFY(Ledger::issueInvoice(m_install->db(), id + 1));
        }
        QVERIFY(Ledger::issueInvoice(m_install->db(), 1));
        // Two desks record on the same booking, each from what it read before the other saved: both lines count.
        for (int i = 0; i < 5; ++i) {
            const Money seenByB = Ledger::account(*deskB, 1)->paid;
            QVERIFY(Ledger::record(m_install->db(), 1, {Kind::Payment, 1, pounds(2), {}, {}}, {}, u"a"_s));
            QCOMPARE(Ledger::record(*deskB, 1, {Kind::Payment, 1, pounds(1), {}, {}}, {}, u"b"_s)->paid,
                     seenByB + pounds(3));
        }
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(DISTINCT InvoiceNumber) FROM Booking"_s), 22);
        QCOMPARE(m_install->joined(u"SELECT MIN(InvoiceNumber) || '-' || MAX(InvoiceNumber) FROM Booking"_s),
                 u"41-62"_s);
        QCOMPARE(paid(1), pounds(115));
        QCOMPARE(lineCount(), 11);
        QVERIFY(sumsAgree());
    }

    void cancelKeepsTheMoney_data()
    {
        // lines: kind and amount of each line, in pence
        // paidAfter: pence
        // creditAfter: the customer's, pence
        const DataRows<CancelRow> row;
        row("refunded", {BookingStore::MoneyKept::Refunded, u"2 10000,3 -10000"_s, 0, 0});
        row("fee", {BookingStore::MoneyKept::AsFee, u"2 10000"_s, 10000, 0});
        row("credit", {BookingStore::MoneyKept::AsCredit, u"2 10000,5 -10000"_s, 0, 10000});
    }
    void cancelKeepsTheMoney()
    {
        const auto& [kept, lines, paidAfter, creditAfter] = fetchRow<CancelRow>();
        const auto loaded = BookingStore::loadBooking(m_install->db(), 1);
        QVERIFY(loaded);
        // Changed at another desk since it was shown: nothing is cancelled.
        QVERIFY(exec(u"UPDATE Booking SET Notes = 'other desk' WHERE ID = 1"_s));
        QCOMPARE(BookingStore::cancelBooking(m_install->db(), 1, loaded->storedStamp, kept, {}, {}).kind(),
                 FailureKind::Conflict);
        QCOMPARE(lineCount(), 1);
        const auto fresh = BookingStore::loadBooking(m_install->db(), 1);
        const auto cancelled = BookingStore::cancelBooking(m_install->db(), 1, fresh->storedStamp, kept,
                                                           m_install->clock.current, u"sue@desk"_s);
        QVERIFY2(cancelled, qPrintable(cancelled.error()));
        QCOMPARE(cancelled->paid, pounds(100));
        QCOMPARE(m_install->joined(u"SELECT Kind || ' ' || (Amount / 100) FROM Payment ORDER BY ID"_s), lines);
        QCOMPARE(paid(1), Money::fromPence(paidAfter));
        QCOMPARE(*Ledger::customerCredit(m_install->db(), 1), Money::fromPence(creditAfter));
        QVERIFY(sumsAgree());
        // Kept, marked, its berth free for others and out of the period index; it still names the berth.
        const auto after = BookingStore::loadBooking(m_install->db(), 1);
        QVERIFY(after && after->cancelled && after->berthIds.isEmpty());
        QCOMPARE(after->berthNames, QStringList{u"A1"_s});
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingPeriod WHERE ID >= 2147483648 AND ID < "
                                      u"4294967296"_s),
                 0);
        QVERIFY(BerthAvailability::busyBerths(m_install->db(), after->fromDate, after->toDate, 0)->isEmpty());
        // Find Booking leaves it out unless asked, counting it the same way, and says what became of it.
        FindBookingModel::Bounds bounds;
        bounds.arriving = after->fromDate.addDays(-1);
        for (const bool shown : {false, true}) {
            bounds.showCancelled = shown;
            FindBookingModel model;
            QVERIFY(model.load(m_install->db(), bounds));
            QCOMPARE(model.rowCount(), shown ? 2 : 1);
            QCOMPARE(*FindBookingModel::count(m_install->db(), bounds), shown ? 2 : 1);
            QCOMPARE(model.index(0, FindBookingModel::ColBalance).data().toString(),
                     shown ? u"Cancelled"_s : u"£50.00"_s);
        }
        // Nothing more is taken on it, and it is not changed or cancelled twice.
        QCOMPARE(Ledger::record(m_install->db(), 1, {Kind::Payment, 1, pounds(1), {}, {}}, {}, {}).kind(),
                 FailureKind::Refused);
        QCOMPARE(BookingStore::saveBooking(m_install->db(), *after).kind(), FailureKind::Refused);
        QCOMPARE(BookingStore::cancelBooking(m_install->db(), 1, after->storedStamp, kept, {}, {}).kind(),
                 FailureKind::Conflict);
        // Credit kept is taken as payment elsewhere, no more than is held.
        if (creditAfter > 0) {
            QVERIFY(exec(u"UPDATE Booking SET CustomerID = 1 WHERE ID = 2"_s));
            QCOMPARE(Ledger::record(m_install->db(), 2, {Kind::CreditUsed, {}, pounds(101), {}, {}}, {}, {}).kind(),
                     FailureKind::Refused);
            const auto used = Ledger::record(m_install->db(), 2, {Kind::CreditUsed, {}, pounds(100), {}, {}}, {}, {});
            QVERIFY2(used, qPrintable(used.error()));
            QCOMPARE(*Ledger::customerCredit(m_install->db(), 1), Money());
        }
    }

    // Refunds on an invoiced booking: each credits the invoiced money it gives back, in its own transaction,
    // numbered without gaps across two desks; money paid beyond what the invoice still asks goes back without a
    // note, so nothing is credited twice; a refund on a booking never invoiced issues none.
    void creditNotes()
    {
        QVERIFY(exec(u"UPDATE Company SET LastCreditNoteNumber = 7"_s));
        QVERIFY(Ledger::record(m_install->db(), 2, {Kind::Payment, 1, pounds(20), {}, {}}, {}, u"a"_s));
        const auto uninvoiced = Ledger::record(m_install->db(), 2, {Kind::Refund, 1, pounds(5), {}, {}}, {}, u"a"_s);
        QVERIFY(uninvoiced && !uninvoiced->creditNote && !uninvoiced->invoiceNumber);
        // £350 paid on the £300 invoiced.
        QVERIFY(Ledger::record(m_install->db(), 1, {Kind::Payment, 1, pounds(250), {}, {}}, {}, u"a"_s));
        const qint64 invoice = *Ledger::issueInvoice(m_install->db(), 1);
        OtherDesk deskB(*m_install);
        QVERIFY2(deskB, qPrintable(deskB.error()));
        const auto refund = [&](const QSqlDatabase& db, qint64 poundsBack) {
            return Ledger::record(db, 1, {Kind::Refund, 1, pounds(poundsBack), {}, {}}, m_install->clock.current,
                                  u"desk"_s);
        };
        const auto credited = [](const Result<Ledger::Recorded>& done) {
            return done ? (done->creditNote ? done->creditNote->amount : Money()) : pounds(-1);
        };
        const auto overpaid = refund(m_install->db(), 40);
        QCOMPARE(credited(overpaid), Money());
        QCOMPARE(overpaid->invoiceNumber, std::optional<qint64>(invoice));
        QCOMPARE(credited(refund(*deskB, 60)), pounds(50)); // £10 of it was paid beyond the invoice
        // A number taken in a transaction that then failed is not lost, and the refund is not half saved.
        const int lines = lineCount();
        QVERIFY(m_install->failOn(u"CreditNote"_s, u"INSERT"_s, u"disk full"_s));
        QCOMPARE(refund(*deskB, 10).kind(), FailureKind::Database);
        QVERIFY(exec(TestMain::currentEngine() == TestMain::Engine::SQLite
                         ? u"DROP TRIGGER FailCreditNoteInsert"_s
                         : u"DROP TRIGGER FailCreditNoteInsert ON CreditNote"_s));
        QCOMPARE(lineCount(), lines);
        QCOMPARE(credited(refund(m_install->db(), 100)), pounds(100));
        // Paid again by mistake after the notes, and given back: the notes already cover that money.
        QVERIFY(Ledger::record(*deskB, 1, {Kind::Payment, 1, pounds(30), {}, {}}, {}, u"b"_s));
        QCOMPARE(credited(refund(*deskB, 30)), Money());
        QCOMPARE(paid(1), pounds(150));
        // Cancelled with the money refunded: the rest of the invoice is credited.
        const auto loaded = BookingStore::loadBooking(m_install->db(), 1);
        const auto cancelled = BookingStore::cancelBooking(m_install->db(), 1, loaded->storedStamp,
                                                           BookingStore::MoneyKept::Refunded, {}, u"desk"_s);
        QVERIFY2(cancelled, qPrintable(cancelled.error()));
        QVERIFY(cancelled->creditNote && cancelled->creditNote->number == 10);
        QCOMPARE(CreditNotes::describe(*cancelled->creditNote),
                 u"Credit note 10 of £150.00 against invoice %1 for booking 1"_s.arg(invoice));
        QCOMPARE(m_install->joined(u"SELECT Number || ' ' || InvoiceNumber || ' ' || (Amount / 10000) || ' ' || "
                                   u"(SELECT -P.Amount / 10000 FROM Payment P WHERE P.ID = CreditNote.PaymentID) "
                                   u"FROM CreditNote WHERE BookingID = 1 ORDER BY Number"_s),
                 u"8 %1 50 60,9 %1 100 100,10 %1 150 150"_s.arg(invoice));
        QCOMPARE(m_install->scalarInt(u"SELECT LastCreditNoteNumber FROM Company"_s), 10);
        const auto notes = CreditNotes::ofBooking(m_install->db(), 1);
        QVERIFY(notes && notes->size() == 3);
        QVERIFY(notes->first().issuedAt == m_install->clock.current && notes->first().desk == u"desk"_s);
        QVERIFY(sumsAgree());
    }

    // The cash-up counts each line of the period once, whatever it is: a method removed since, a kind this program
    // does not know (as a correction), credit kept and used (no money, but the ledger's sum moves); and it refuses
    // a period that ends before it starts.
    void cashUpCountsEveryLine()
    {
        QVERIFY(
            exec(u"INSERT INTO Payment (BookingID, PaidAt, Kind, PaymentMethodID, Amount, Desk) VALUES "
                 u"(1, '2026-12-04 10:00:00', 2, 77, 1250, 'ann'), (1, '2026-12-04 11:00:00', 9, NULL, 500, NULL), "
                 u"(1, '2026-12-04 12:00:00', 5, 1, -20000, 'ann'), (2, '2026-12-04 23:59:59', 6, 1, 30000, 'bob'), "
                 u"(2, '2026-12-05 00:00:00', 2, 1, 70000, 'bob')"_s));
        const auto cash = Ledger::cashUp(m_install->db(), day(12, 4), day(12, 4));
        QVERIFY2(cash, qPrintable(cash.error()));
        QStringList methods;
        for (const Ledger::Takings& t : cash->byMethod)
            methods << u"%1|%2|%3|%4|%5|%6"_s.arg(t.name)
                           .arg(t.lines)
                           .arg(t.received.units())
                           .arg(t.corrected.units())
                           .arg(t.credit.units())
                           .arg(t.total().units());
        // The booking's first line, £100 by cheque, was recorded at the clock's time on the 4th.
        QCOMPARE(methods, QStringList({u"Cash|2|0|0|10000|10000"_s, u"Cheque|1|1000000|0|0|1000000"_s,
                                       u"Method 77 (removed)|1|1250|0|0|1250"_s, u"No method|1|0|500|0|500"_s}));
        QMap<QString, qint64> desks;
        for (const Ledger::Takings& t : cash->byDesk)
            desks.insert(t.name, t.total().units());
        QCOMPARE(desks,
                 (QMap<QString, qint64>{
                     {u"ann"_s, -18750}, {u"bob"_s, 30000}, {u"No desk"_s, 500}, {Ledger::deskName(), 1000000}}));
        QCOMPARE(cash->overall.total().units(),
                 m_install->value(u"SELECT SUM(Amount) FROM Payment WHERE PaidAt < '2026-12-05'"_s).toLongLong());
        QCOMPARE(Ledger::cashUp(m_install->db(), day(12, 5), day(12, 4)).kind(), FailureKind::Refused);
    }

    void dueDates_data()
    {
        // deposit: PaymentTerms::Deposit
        // amount: fixed pence, or hundredths of a percent
        // minimum: pence
        // paid: pence, of a £300 total
        // expected: deposit, by, balance by, owed now, next due, next by
        // agreed: for this booking, deposit pence, deposit by and balance by ("-": not agreed)
        const DataRows<DueRow> row;
        row("no terms", {0, 0, 0, 0, 0, day(5, 1), u"0 01.05 31.07 0 30000 31.07"_s, {}});
        row("fixed, unpaid", {1, 5000, 0, 28, 0, day(5, 1), u"5000 01.05 03.07 5000 5000 01.05"_s, {}});
        row("fixed, deposit paid", {1, 5000, 0, 28, 5000, day(5, 1), u"5000 01.05 03.07 0 25000 03.07"_s, {}});
        row("percent", {2, 2500, 0, 28, 0, day(5, 1), u"7500 01.05 03.07 7500 7500 01.05"_s, {}});
        row("percent under minimum", {2, 500, 4000, 28, 0, day(5, 1), u"4000 01.05 03.07 4000 4000 01.05"_s, {}});
        row("fixed above total", {1, 50000, 0, 28, 0, day(5, 1), u"30000 01.05 03.07 30000 30000 01.05"_s, {}});
        row("booked inside the window",
            {1, 5000, 0, 28, 5000, day(7, 20), u"30000 20.07 20.07 25000 25000 20.07"_s, {}});
        row("agreed deposit and dates",
            {1, 5000, 0, 28, 0, day(5, 1), u"2000 10.05 20.06 0 2000 10.05"_s, u"2000 10.05 20.06"_s});
        row("agreed balance date inside the window",
            {1, 5000, 0, 28, 5000, day(7, 20), u"5000 20.07 25.07 0 25000 25.07"_s, u"- - 25.07"_s});
        row("agreed deposit above the total",
            {0, 0, 0, 0, 0, day(5, 1), u"30000 01.05 31.07 30000 30000 01.05"_s, u"40000 - -"_s});
        row("overpaid", {1, 5000, 0, 28, 31000, day(5, 1), u"5000 01.05 03.07 0 0 -"_s, {}});
    }
    void dueDates()
    {
        const auto& [deposit, amount, minimum, days, paid, booked, expected, agreedText] = fetchRow<DueRow>();
        PaymentTerms terms;
        terms.deposit = PaymentTerms::Deposit(deposit);
        terms.fixedAmount = Money::fromPence(amount);
        terms.percent = static_cast<int>(amount);
        terms.minimum = Money::fromPence(minimum);
        terms.balanceDays = days;
        // Today is the day after booking: a deposit owed is owed now, a balance not yet.
        PaymentTerms::Agreed agreed;
        if (const QStringList parts = agreedText.split(u' '); parts.size() == 3) {
            if (parts[0] != u"-"_s)
                agreed.deposit = Money::fromPence(parts[0].toLongLong());
            agreed.depositBy = QDate::fromString(parts[1] + u".2026"_s, u"dd.MM.yyyy"_s);
            agreed.balanceBy = QDate::fromString(parts[2] + u".2026"_s, u"dd.MM.yyyy"_s);
        }
        const auto due = terms.due(pounds(300), Money::fromPence(paid), booked, day(7, 31), booked.addDays(1), agreed);
        const auto dm = [](const QDate& d) { return d.isValid() ? d.toString(u"dd.MM"_s) : u"-"_s; };
        QCOMPARE(QStringList({QString::number(due.deposit.roundedPence()), dm(due.depositBy), dm(due.balanceBy),
                              QString::number(due.owedNow.roundedPence()), QString::number(due.nextDue.roundedPence()),
                              dm(due.nextDueBy)})
                     .join(u' '),
                 expected);
    }

    void termsAreCheckedSavedOnceAndListWhatIsOwed()
    {
        const auto loaded = PaymentTerms::load(m_install->db());
        QVERIFY(loaded && *loaded == PaymentTerms{});
        PaymentTerms edited;
        edited.deposit = PaymentTerms::Deposit::Percent;
        edited.percent = 12000; // 120 %
        QCOMPARE(PaymentTerms::save(m_install->db(), *loaded, edited).kind(), FailureKind::Refused);
        edited.percent = 2000;
        edited.balanceDays = 400;
        QCOMPARE(PaymentTerms::save(m_install->db(), *loaded, edited).kind(), FailureKind::Refused);
        edited.balanceDays = 30;
        QVERIFY(PaymentTerms::save(m_install->db(), *loaded, edited));
        QCOMPARE(*PaymentTerms::load(m_install->db()), edited);
        // Saved again over what another desk saved meanwhile: refused.
        edited.balanceDays = 14;
        QCOMPARE(PaymentTerms::save(m_install->db(), *loaded, edited).kind(), FailureKind::Conflict);

        // Payments due by the saved terms: what is owed, earliest due first (booking 2's deposit was due when it was
        // made); a paid or cancelled booking is not listed.
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, Created, TotalPayable, AmountPayed, "
                     u"Cancelled) VALUES (5, 1, '2026-06-01 12:00:00', '2026-05-01 10:00:00', 100, 0, 0), "
                     u"(6, 1, '2026-06-01 12:00:00', '2026-05-01 10:00:00', 100, 100, 0), "
                     u"(7, 1, '2026-06-01 12:00:00', '2026-05-01 10:00:00', 100, 0, 1)"_s));
        const auto owing = Ledger::owing(m_install->db(), *PaymentTerms::load(m_install->db()), day(7, 1));
        QVERIFY(owing);
        QStringList listed;
        for (const Ledger::Owing& o : *owing)
            listed << u"%1 %2 %3"_s.arg(o.bookingId).arg(o.due.owedNow.units()).arg(o.customer);
        QCOMPARE(listed.join(u'|'), u"2 500000 Bob|5 100 Ann|1 2000000 Ann"_s);
    }
};

ZEM_TEST(tst_Ledger)
#include "tst_Ledger.moc"
