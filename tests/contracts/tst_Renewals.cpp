#include "berths/BerthRemoval.h"
#include "bookings/BerthAvailability.h"
#include "bookings/BookingStore.h"
#include "bookings/HeldBerths.h"
#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "contracts/ContractDialog.h"
#include "contracts/ContractDocuments.h"
#include "contracts/ContractEdit.h"
#include "contracts/ContractLists.h"
#include "contracts/ContractRenewals.h"
#include "contracts/ContractTermsPanel.h"
#include "contracts/RenewalsDialog.h"
#include "core/ui/DocumentRenderer.h"
#include "mail/MailTemplates.h"
#include "mail/Outbox.h"
#include "rates/TermRates.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
Money pounds(qint64 p)
{
    return Money::fromPence(p * 100);
}
Money sum(const QList<ContractPlan::Instalment>& plan)
{
    Money total;
    for (const ContractPlan::Instalment& i : plan)
        total += i.amount;
    return total;
}
Ledger::Entry paid(Money amount)
{
    Ledger::Entry e;
    e.amount = amount;
    return e;
}
// The total with 20 % tax, worked out apart from the program: pence, half a penny up.
Money withTax(qint64 pence)
{
    return Money::fromPence(pence + (pence * 2000 * 2 + 10000) / (2 * 10000));
}
const QDate April1(2026, 4, 1);
const QDate September30(2026, 9, 30);
} // namespace

// A contract changed at two desks, the berths it holds kept from deletes, renewed at next term's price with its
// letter, its papers read back, and the office's lists of contracts.
class tst_Renewals : public InstallTest
{
    Q_OBJECT

    // P1 and P2 pontoons and M1, a mooring without term prices; the season priced £1,200 and, from 2027, £1,300;
    // the winter £600; 20 % tax. Ann holds P1 for the 2026 season in four instalments.
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO BerthType (ID, Type) VALUES (70, 'Pontoon'), (71, 'Mooring')"_s));
        QVERIFY(exec(u"INSERT INTO Owner (ID, Name) VALUES (5, 'Olive Owner'), (6, 'Otto Owner')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Length, Active, OwnerID) VALUES (1, 'P1', 70, 10, 1, 5), "
                     u"(2, 'P2', 70, 10, 1, 6), (4, 'M1', 71, 10, 1, NULL)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, Street, Town, EmailAddress) VALUES (1, 'Ann Holder', "
                     u"'1 Quay Lane', 'Poole', 'ann@example.org'), (2, 'Bob Visitor', NULL, NULL, NULL)"_s));
        QVERIFY(exec(u"DELETE FROM Tax"_s));
        QVERIFY(exec(u"INSERT INTO Tax (ID, Name, Rate, FromDate) VALUES (1, 'VAT', 2000, '2020-01-01')"_s));
        QVERIFY(exec(u"UPDATE Company SET LastInvoiceNumber = 40, \"Company Name\" = 'Zem Quay Marina'"_s));
        TermTable terms;
        terms.terms = {{-1, u"Season"_s, April1, September30, true, 0},
                       {-2, u"Winter"_s, QDate(2026, 10, 1), QDate(2027, 3, 31), true, 0}};
        terms.rates = {{0, -1, 70, {}, Pricing::Basis::PerBerth, pounds(1200), QDate(2020, 1, 1)},
                       {0, -1, 70, {}, Pricing::Basis::PerBerth, pounds(1300), QDate(2027, 1, 1)},
                       {0, -2, 70, {}, Pricing::Basis::PerBerth, pounds(600), QDate(2020, 1, 1)}};
        QVERIFY(TermRates::save(m_install->db(), {}, terms));
        m_season = m_install->scalarInt(u"SELECT ID FROM ContractTerm WHERE Name = 'Season'"_s);
        m_install->clock.current = DateTimes::wallTime(QDate(2026, 3, 20), QTime(9, 0));
    }

    ContractRecord season(int berth = 1) const
    {
        ContractRecord c;
        c.customerId = 1;
        c.termId = m_season;
        c.firstDay = April1;
        c.lastDay = September30;
        c.berthIds = {berth};
        c.hire = pounds(1200);
        c.plan = ContractPlan::split(withTax(120000), 4, c.firstDay, c.lastDay);
        return c;
    }
    int add(const ContractRecord& c) const
    {
        const auto id = ContractStore::add(m_install->db(), c, m_install->clock.current);
        return id ? *id : 0;
    }
    int count(const QString& table) const { return m_install->scalarInt(u"SELECT COUNT(*) FROM "_s + table); }
    // What poppler reads of the bytes, written to a file of their own: the text, or (info) what pdfinfo tells.
    QString readBack(const QByteArray& pdf, bool info = false) const
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"paper.pdf"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
            return {};
        file.close();
        return info ? PdfReader::run(u"pdfinfo"_s, {path}).value_or(QString())
                    : PdfReader::pages(path).join(u'\n').simplified();
    }
    QString pdfText(const QByteArray& pdf) const { return readBack(pdf); }
    QList<ContractRenewals::Due> due() const
    {
        const auto list = ContractRenewals::due(m_install->db(), QDate(2026, 9, 1), QDate(2026, 9, 30));
        return list ? *list : QList<ContractRenewals::Due>();
    }

    qint64 m_season = 0;

private slots:
    // Two desks change one contract: each one's own fields are kept, a field both changed is asked about and
    // nothing is written until then; the held berth follows a change of berth.
    void editMergesTwoDesks()
    {
        QSqlDatabase db = m_install->db();
        const int id = add(season());
        QVERIFY(id > 0);
        const ContractRecord loaded = *ContractStore::load(db, id);
        ContractRecord theirs = loaded;
        theirs.notes = u"Pays by standing order"_s;
        theirs.berthIds = {2};
        QVERIFY(ContractEdit::save(db, loaded, theirs));
        ContractRecord mine = loaded;
        mine.hire = pounds(1000);
        const auto saved = ContractEdit::save(db, loaded, mine);
        QVERIFY2(saved, qPrintable(saved.error()));
        const ContractRecord stored = *ContractStore::load(db, id);
        QCOMPARE(stored.notes, u"Pays by standing order"_s);
        QCOMPARE(stored.berths, QStringList{u"P2"_s});
        QCOMPARE(stored.hire, pounds(1000));
        QCOMPARE(stored.total, withTax(100000));
        // The plan nobody typed follows the new total to the penny, on the same four dates.
        QCOMPARE(stored.plan.size(), 4);
        QCOMPARE(sum(stored.plan), withTax(100000));
        QCOMPARE(stored.plan[3].due, loaded.plan[3].due);
        // P1 is free again, P2 held: a visitor's stay in June goes on P1 and not on P2.
        BookingRecord visitor;
        visitor.customerId = 2;
        visitor.fromDate = DateTimes::wallTime(QDate(2026, 6, 1), QTime(14, 0));
        visitor.toDate = DateTimes::wallTime(QDate(2026, 6, 3), QTime(10, 0));
        visitor.totalPayable = pounds(50);
        visitor.savedAt = m_install->clock.current;
        visitor.berthIds = {2};
        QVERIFY(!BookingStore::saveBooking(db, visitor));
        visitor.berthIds = {1};
        QVERIFY(BookingStore::saveBooking(db, visitor));

        // Both change the price, differently: a Conflict naming it, nothing written; the other desk's stays.
        ContractRecord second = stored;
        second.hire = pounds(900);
        QVERIFY(ContractEdit::save(db, stored, second));
        ContractRecord late = stored;
        late.hire = pounds(950);
        std::optional<FieldChanges::Merge<ContractRecord>> merge;
        const auto clash = ContractEdit::save(db, stored, late, &merge);
        QCOMPARE(clash.kind(), FailureKind::Conflict);
        QVERIFY(merge && merge->conflicts().size() == 1);
        VERIFY_HAS(merge->conflicts().first().field, u"Price"_s);
        QCOMPARE(ContractStore::load(db, id)->hire, pounds(900));
        // Saved again after choosing mine, over what is stored now.
        QVERIFY(ContractEdit::save(db, merge->theirs(), merge->chosen(false)));
        QCOMPARE(ContractStore::load(db, id)->hire, pounds(950));
    }

    // What is invoiced is kept: the rest is re-planned; the days stay; the total cannot go below the invoices.
    void editKeepsWhatIsInvoiced()
    {
        QSqlDatabase db = m_install->db();
        const int id = add(season());
        const auto issued = ContractStore::issue(db, id, 1, m_install->clock.current);
        QVERIFY(issued);
        const ContractRecord loaded = *ContractStore::load(db, id);
        ContractRecord mine = loaded;
        mine.hire = pounds(1500);
        QVERIFY(ContractEdit::save(db, loaded, mine));
        const ContractRecord stored = *ContractStore::load(db, id);
        QCOMPARE(stored.plan.first(), loaded.plan.first());
        QCOMPARE(stored.plan.size(), 4);
        QCOMPARE(sum(stored.plan), withTax(150000));
        // The three left share what the invoice did not take, the odd penny on the first of them.
        const qint64 left = withTax(150000).roundedPence() - issued->amount.roundedPence();
        QCOMPARE(stored.plan[3].amount, Money::fromPence(left / 3));

        ContractRecord days = stored;
        days.lastDay = QDate(2026, 9, 15);
        QCOMPARE(ContractEdit::save(db, stored, days).kind(), FailureKind::Refused);
        ContractRecord cheap = stored;
        cheap.hire = pounds(100);
        const auto below = ContractEdit::save(db, stored, cheap);
        QCOMPARE(below.kind(), FailureKind::Refused);
        VERIFY_HAS(below.error(), issued->amount.formatGrouped());
        QCOMPARE(ContractStore::load(db, id)->hire, pounds(1500));
    }

    // A berth under contract, or an owner of one, is not deleted, even once the contract is cancelled; others are.
    void berthAndOwnerDeleteRefused()
    {
        QSqlDatabase db = m_install->db();
        const int id = add(season());
        QVERIFY(ContractStore::cancel(db, id));
        QCOMPARE(BerthRemoval::askRemove(db, 1).kind(), FailureKind::Refused);
        QVERIFY(BerthRemoval::askRemove(db, 2));
        QVERIFY(db.transaction());
        QCOMPARE(BerthRemoval::removeRows(db, 1).kind(), FailureKind::Refused);
        db.rollback();
        const auto removeOwner = Removal::statement(u"DELETE FROM Owner WHERE ID = ?"_s);
        const auto refused = Removal::remove(db, 5, 1, BerthRemoval::ofOwner(), removeOwner);
        QCOMPARE(refused.kind(), FailureKind::Refused);
        VERIFY_HAS(refused.error(), u"contract"_s);
        QCOMPARE(count(u"Berth WHERE ID = 1"_s), 1);
        QCOMPARE(count(u"Owner WHERE ID = 5"_s), 1);
        QVERIFY(Removal::remove(db, 6, 1, BerthRemoval::ofOwner(), removeOwner));
        QCOMPARE(count(u"Berth WHERE ID = 2"_s), 0);
    }

    // Renewed at next term's price for next term's days, in as many instalments, with its letter kept; listed no
    // more; a berth without next term's rate says so.
    void renewedAtNextTermsPrice()
    {
        QSqlDatabase db = m_install->db();
        const int id = add(season());
        ContractRecord mooring = season(4);
        mooring.termId.reset();
        mooring.hire = pounds(700);
        mooring.plan = ContractPlan::split(withTax(70000), 1, mooring.firstDay, mooring.lastDay);
        const int mooringId = add(mooring);
        QVERIFY(id > 0 && mooringId > 0);
        QVERIFY(ContractStore::pay(db, id, paid(pounds(300)), m_install->clock.current));

        const QList<ContractRenewals::Due> list = due();
        QCOMPARE(list.size(), 2);
        const ContractRenewals::Due& d = list[0];
        QCOMPARE(d.contractId, id);
        QCOMPARE(d.hire, pounds(1200));
        QCOMPARE(d.nextHire, std::optional(pounds(1300)));
        QCOMPARE(d.balance, withTax(120000) - pounds(300));
        QCOMPARE(d.nextFirst, QDate(2027, 4, 1));
        QCOMPARE(d.nextLast, QDate(2027, 9, 30));
        QCOMPARE(d.holder.name, u"Ann Holder"_s);
        // Without a term the mooring runs as many days again, and no rate prices M1.
        QCOMPARE(list[1].nextFirst, QDate(2026, 10, 1));
        QCOMPARE(list[1].nextLast, QDate(2026, 10, 1).addDays(April1.daysTo(September30)));
        QVERIFY(!list[1].nextHire);
        VERIFY_HAS(list[1].noRate, u"M1"_s);

        const auto renewed = ContractRenewals::renew(db, {d}, m_install->clock.current);
        QVERIFY2(renewed, qPrintable(renewed.error()));
        QCOMPARE(renewed->size(), 1);
        const ContractRecord next = *ContractStore::load(db, renewed->first().to);
        QCOMPARE(next.renewedFrom, id);
        QCOMPARE(next.hire, pounds(1300));
        QCOMPARE(next.total, withTax(130000));
        QCOMPARE(next.plan.size(), 4);
        QCOMPARE(sum(next.plan), withTax(130000));
        QCOMPARE(next.plan.first().due, QDate(2027, 4, 1));
        // P1 is held over next term through its own block, which availability sees, as a contract made alone is.
        QCOMPARE(count(u"ContractBerth CB JOIN BerthBlock K ON K.ID = CB.BlockID WHERE K.ContractID = %1 AND "
                       u"CB.ContractID = %1 AND K.BerthID = 1"_s.arg(next.id)),
                 1);
        const auto busy = BerthAvailability::busyBerths(db, HeldBerths::heldFrom(QDate(2027, 4, 1)),
                                                        HeldBerths::heldTo(QDate(2027, 9, 30)), 0);
        QVERIFY(busy && busy->contains(1) && !busy->contains(2));
        const auto letter = ContractDocuments::kept(db, next.id, ContractDocuments::RenewalLetterKind);
        QVERIFY(letter && letter->startsWith("%PDF"));
        const QString words = pdfText(*letter);
        for (const QString& expected : {u"CONTRACT RENEWAL"_s, u"Ann Holder"_s, u"1 Quay Lane"_s,
                                        withTax(130000).formatGrouped(), DateTimes::dateText(QDate(2027, 4, 1))})
            VERIFY_HAS(words, expected);
        QCOMPARE(due().size(), 1);
        // Renewed already: a second renewal of the same list is a Conflict, and nothing more is written.
        QCOMPARE(ContractRenewals::renew(db, {d}, m_install->clock.current).kind(), FailureKind::Conflict);
        QCOMPARE(count(u"Contract"_s), 3);
        QCOMPARE(count(u"ContractLetter"_s), 1);

        // The letter goes by e-mail in the office's own wording of the renewal template, with the letter attached.
        QVERIFY(MailTemplates::save(
            db, Outbox::Kinds::RenewalLetter,
            {u"Berth {Berths} renewed"_s, u"{CustomerName}: {Arrival} to {Departure}, {Total}"_s}, u"en"_s));
        const auto queued = ContractDocuments::queueRenewalLetters(db, {next.id}, m_install->clock.current);
        QVERIFY2(queued, qPrintable(queued.error()));
        QCOMPARE(queued->queued, 1);
        QCOMPARE(m_install->text(u"SELECT Subject FROM Outbox WHERE Kind = 'renewal letter'"_s),
                 u"Berth %1 renewed"_s.arg(next.berths.join(u", "_s)));
        QCOMPARE(m_install->text(u"SELECT Body FROM Outbox WHERE Kind = 'renewal letter'"_s),
                 u"Ann Holder: %1 to %2, %3"_s.arg(DateTimes::dateText(QDate(2027, 4, 1)),
                                                   DateTimes::dateText(QDate(2027, 9, 30)),
                                                   withTax(130000).formatGrouped()));
        QVERIFY(
            m_install->text(u"SELECT AttachmentName FROM Outbox WHERE Kind = 'renewal letter'"_s).endsWith(u".pdf"_s));
    }

    // Renewed in one run, each holder's letter is a PDF of its own: their name and berth, not the other's, with its
    // title; read alone, or all at once as the e-mails to the holders take them.
    void eachRenewalItsOwnLetter()
    {
        QSqlDatabase db = m_install->db();
        ContractRecord bobs = season(2);
        bobs.customerId = 2;
        QVERIFY(add(season()) > 0 && add(bobs) > 0);
        QVERIFY(exec(u"UPDATE Customer SET EmailAddress = 'bob@example.org' WHERE ID = 2"_s));
        const auto renewed = ContractRenewals::renew(db, due(), m_install->clock.current);
        QVERIFY2(renewed, qPrintable(renewed.error()));
        QCOMPARE(renewed->size(), 2);
        // The run's letters are kept once, not once in each letter's row.
        QCOMPARE(count(u"ContractLetterRun"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT SUM(LENGTH(Pdf)) FROM ContractLetter"_s), 0);
        const auto queued = ContractDocuments::queueRenewalLetters(db, {renewed->at(0).to, renewed->at(1).to},
                                                                   m_install->clock.current);
        QVERIFY2(queued && queued->queued == 2, qPrintable(queued.error()));
        const QStringList holders{u"Ann Holder"_s, u"Bob Visitor"_s};
        for (const ContractRenewals::Renewed& r : *renewed) {
            const ContractRecord next = *ContractStore::load(db, r.to);
            const auto letter = ContractDocuments::kept(db, r.to, ContractDocuments::RenewalLetterKind);
            QVERIFY(letter);
            const QString words = pdfText(*letter);
            const QString own = next.customerId == 1 ? holders[0] : holders[1];
            const QString other = next.customerId == 1 ? holders[1] : holders[0];
            VERIFY_HAS(words, own);
            VERIFY_HAS(words, next.berths.join(u", "_s));
            QVERIFY2(!words.contains(other), qPrintable(words));
            const QString info = readBack(*letter, true);
            QVERIFY2(info.contains(QRegularExpression(u"Title: +CONTRACT RENEWAL\\n"_s)) &&
                         info.contains(QRegularExpression(u"Pages: +1\\n"_s)),
                     qPrintable(info));
            QSqlQuery mail(db);
            QVERIFY(Sql::exec(mail, u"SELECT Attachment FROM Outbox WHERE CustomerID = ?"_s, {next.customerId}));
            QVERIFY(mail.next());
            QCOMPARE(mail.value(0).toByteArray(), *letter);
        }
    }

    // A letter kept alone, as each was before a run's were kept together, reads back byte for byte beside a run's;
    // a contract's latest letter is the one read; a run no longer there is told, not read as no letter.
    void letterKeptAloneReadsAsWritten()
    {
        QSqlDatabase db = m_install->db();
        ContractRecord bobs = season(2);
        bobs.customerId = 2;
        const int ann = add(season());
        QVERIFY(ann > 0 && add(bobs) > 0);
        const auto papers = ContractDocuments::load(db, ann, m_install->clock.current.date());
        QVERIFY(papers);
        const auto alone = DocumentRenderer::pdfBytes(ContractDocuments::renewalLetter(*papers));
        QVERIFY(alone && alone->startsWith("%PDF"));
        const QString kind = ContractDocuments::RenewalLetterKind;
        QVERIFY(ContractDocuments::keep(db, ann, kind, *alone, m_install->clock.current));
        const auto renewed = ContractRenewals::renew(db, due(), m_install->clock.current);
        QVERIFY2(renewed && renewed->size() == 2, qPrintable(renewed.error()));
        const int annNext = renewed->at(0).from == ann ? renewed->at(0).to : renewed->at(1).to;
        const int bobNext = renewed->at(0).from == ann ? renewed->at(1).to : renewed->at(0).to;

        auto letters = ContractDocuments::keptEach(db, {ann, annNext, bobNext, 999}, kind);
        QVERIFY2(letters, qPrintable(letters.error()));
        QCOMPARE(letters->size(), 3);
        QCOMPARE(letters->value(ann), *alone);
        VERIFY_HAS(pdfText(letters->value(annNext)), u"Ann Holder"_s);
        VERIFY_HAS(pdfText(letters->value(bobNext)), u"Bob Visitor"_s);
        QCOMPARE(*ContractDocuments::kept(db, ann, kind), *alone);
        QVERIFY(ContractDocuments::kept(db, 999, kind)->isEmpty());

        // Kept again after the run, the letter alone is the one read.
        QVERIFY(ContractDocuments::keep(db, annNext, kind, *alone, m_install->clock.current));
        QCOMPARE(*ContractDocuments::kept(db, annNext, kind), *alone);
        VERIFY_HAS(pdfText(*ContractDocuments::kept(db, bobNext, kind)), u"Bob Visitor"_s);

        QVERIFY(exec(u"DELETE FROM ContractLetterRun"_s));
        QCOMPARE(ContractDocuments::kept(db, bobNext, kind).kind(), FailureKind::Conflict);
        QCOMPARE(*ContractDocuments::kept(db, ann, kind), *alone);
    }

    // Nothing is half-renewed: whatever stands in the way of the second of two renewals, neither is made.
    void renewalRefusedWhole_data()
    {
        QTest::addColumn<qint64>("pence");    // the second renewal's price
        QTest::addColumn<QStringList>("sql"); // what changes after the list is read
        QTest::addColumn<bool>("onP1");       // the second renewal moved to the first's berth
        QTest::addColumn<QString>("named");
        const qint64 price = 130000;
        QTest::newRow("price below zero") << qint64(-1) << QStringList() << false << u"must be from"_s;
        QTest::newRow("block next term") << price
                                         << QStringList{u"INSERT INTO BerthBlock (ID, BerthID, FromDate, ToDate, "
                                                        u"Reason) VALUES (900, 2, '2027-06-01 12:00:00', "
                                                        u"'2027-06-05 12:00:00', 'Dredging')"_s}
                                         << false << u"P2 is blocked"_s;
        QTest::newRow("visitor next term")
            << price
            << QStringList{u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (90, 2, "
                           u"'2027-09-29 14:00:00', '2027-10-02 10:00:00')"_s,
                           u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (90, 2)"_s}
            << false << u"booking 90, Bob Visitor"_s;
        QTest::newRow("berth out of use")
            << price << QStringList{u"UPDATE Berth SET Active = 0 WHERE ID = 2"_s} << false << u"P2 is not in use"_s;
        QTest::newRow("two of the run on one berth") << price << QStringList() << true << u"P1 would be held twice"_s;
    }
    void renewalRefusedWhole()
    {
        QFETCH(qint64, pence);
        QFETCH(QStringList, sql);
        QFETCH(bool, onP1);
        QFETCH(QString, named);
        QSqlDatabase db = m_install->db();
        QVERIFY(add(season(1)) > 0);
        QVERIFY(add(season(2)) > 0);
        QList<ContractRenewals::Due> list = due();
        QCOMPARE(list.size(), 2);
        list[1].price = Money::fromPence(pence);
        if (onP1) {
            list[1].berthIds = {1};
            list[1].berths = {u"P1"_s};
        }
        for (const QString& statement : sql)
            QVERIFY(exec(statement));
        const auto refusal = ContractRenewals::renew(db, list, m_install->clock.current);
        QCOMPARE(refusal.kind(), FailureKind::Refused);
        QVERIFY2(refusal.error().contains(u"contract %1"_s.arg(list[1].contractId), Qt::CaseInsensitive),
                 qPrintable(refusal.error()));
        VERIFY_HAS(refusal.error(), named);
        QCOMPARE(count(u"Contract"_s), 2);
        QCOMPARE(count(u"ContractBerth"_s), 2);
        QCOMPARE(count(u"ContractLetter"_s), 0);
        QCOMPARE(count(u"ContractInstalment"_s), 8);
        QCOMPARE(count(u"BerthBlock WHERE ContractID IS NOT NULL"_s), 2);
    }

    // An unrenewed contract lapses once after its end, so its berth is offered once; a renewed one never does.
    void lapsedOnceAfterItsEnd()
    {
        QSqlDatabase db = m_install->db();
        const int kept = add(season(1));
        const int ended = add(season(2));
        QVERIFY(ContractRenewals::renew(db, {due().first()}, m_install->clock.current));
        QVERIFY(ContractRenewals::lapse(db, QDate(2026, 9, 30))->isEmpty());
        const auto lapsed = ContractRenewals::lapse(db, QDate(2026, 10, 1));
        QVERIFY(lapsed && lapsed->size() == 1);
        QCOMPARE(lapsed->first().contractId, ended);
        QCOMPARE(lapsed->first().berthIds, QList<int>{2});
        QCOMPARE(lapsed->first().lastDay, September30);
        QVERIFY(ContractRenewals::lapse(db, QDate(2026, 10, 2))->isEmpty());
        QVERIFY(kept != ended);
    }

    // The contract itself prints the office's contract terms and the lines to sign; the instalment's invoice its
    // number; the terms are saved with the two-desk rule.
    void papersReadBack()
    {
        QSqlDatabase db = m_install->db();
        QVERIFY(ContractDocuments::saveTerms(db, QString(), u"Berth holders keep their boats insured."_s));
        std::optional<FieldChanges::Merge<QString>> merge;
        QCOMPARE(ContractDocuments::saveTerms(db, QString(), u"Other terms"_s, &merge).kind(), FailureKind::Conflict);
        QCOMPARE(*ContractDocuments::terms(db), u"Berth holders keep their boats insured."_s);
        const int id = add(season());
        QVERIFY(ContractStore::issue(db, id, 1, m_install->clock.current));
        const auto papers = ContractDocuments::load(db, id, m_install->clock.current.date());
        QVERIFY(papers);
        const QString contract = pdfText(*DocumentRenderer::pdfBytes(ContractDocuments::contract(*papers)));
        for (const QString& expected :
             {u"CONTRACT"_s, u"Zem Quay Marina"_s, u"Ann Holder"_s, u"P1"_s, u"Season"_s, u"1,200.00"_s,
              withTax(120000).formatGrouped(), u"Berth holders keep their boats insured."_s, u"Signature:"_s})
            VERIFY_HAS(contract, expected);
        const QString invoice = pdfText(
            *DocumentRenderer::pdfBytes(ContractDocuments::instalmentInvoice(*papers, papers->contract.plan.first())));
        VERIFY_HAS(invoice, u"INVOICE"_s);
        VERIFY_HAS(invoice, u"41"_s);
        VERIFY_HAS(invoice, papers->contract.plan.first().amount.formatGrouped());
    }

    // The lists' rows: by berth type, renewals due with both prices, instalments owing due and overdue.
    void listsRows()
    {
        QSqlDatabase db = m_install->db();
        const int id = add(season());
        ContractRecord mooring = season(4);
        mooring.hire = pounds(700);
        mooring.termId.reset();
        mooring.plan = ContractPlan::split(withTax(70000), 1, mooring.firstDay, mooring.lastDay);
        QVERIFY(add(mooring) > 0);
        const auto byType = ContractLists::byBerthType(db);
        QVERIFY(byType && byType->rows.size() == 2);
        QCOMPARE(byType->rows[0][0].toString() + u' ' + byType->rows[1][0].toString(), u"Mooring Pontoon"_s);
        const auto renewals = ContractLists::renewalsDue(db, QDate(2026, 9, 1), QDate(2026, 9, 30));
        QVERIFY(renewals && renewals->rows.size() == 2);
        QCOMPARE(ContractLists::shown(renewals->rows[0][6], ContractLists::Value::Money), pounds(1300).formatGrouped());
        QCOMPARE(ContractLists::shown(renewals->rows[1][6], ContractLists::Value::Money), QString());

        // Ann paid the first instalment and half the second. On 1 July the second (1 May) is overdue by its half, the
        // third falls due that day and the fourth (1 August) before the end of August.
        const ContractRecord c = *ContractStore::load(db, id);
        QCOMPARE(c.plan[2].due, QDate(2026, 7, 1));
        const Money half = Money::fromPence(c.plan[1].amount.roundedPence() / 2);
        QVERIFY(ContractStore::pay(db, id, paid(c.plan[0].amount + half), m_install->clock.current));
        const auto owing = ContractLists::instalmentsDue(db, QDate(2026, 7, 1), QDate(2026, 8, 31));
        QVERIFY(owing);
        QStringList seen;
        for (const QVariantList& row : owing->rows)
            seen << row[0].toString() + u'/' + row[2].toString() + u' ' +
                        ContractLists::shown(row[6], ContractLists::Value::Money) + u' ' + row[7].toString();
        const int mooringId = id + 1;
        QCOMPARE(seen, QStringList({u"%1/2 %2 Overdue"_s.arg(id).arg((c.plan[1].amount - half).formatGrouped()),
                                    u"%1/3 %2 Due"_s.arg(id).arg(c.plan[2].amount.formatGrouped()),
                                    u"%1/4 %2 Due"_s.arg(id).arg(c.plan[3].amount.formatGrouped()),
                                    u"%1/1 %2 Overdue"_s.arg(mooringId).arg(withTax(70000).formatGrouped())}));
        const QString printed = pdfText(*DocumentRenderer::pdfBytes(ContractLists::printed(*owing)));
        VERIFY_HAS(printed, u"Instalments due"_s);
        VERIFY_HAS(printed, u"Overdue"_s);
    }

    // The dialog changes a contract: the invoiced instalment shown apart and kept, the rest following the new price;
    // a price another desk changed meanwhile is asked about, and Yes keeps theirs with the rest of mine.
    void changedThroughTheDialog()
    {
        QSqlDatabase db = m_install->db();
        const int id = add(season());
        QVERIFY(ContractStore::issue(db, id, 1, m_install->clock.current));
        ContractDialog dialog(m_install->services);
        QVERIFY(dialog.edit(id));
        QVERIFY(!control<QLabel>(dialog, "lblInvoiced")->isHidden());
        QCOMPARE(control<QTableWidget>(dialog, "grdPlan")->rowCount(), 3);
        QVERIFY(!control<QComboBox>(dialog, "cboCustomer")->isEnabled());
        control<QLineEdit>(dialog, "txtPrice")->setText(u"1100.00"_s);
        control<QPlainTextEdit>(dialog, "txtNotes")->setPlainText(u"Winter cover"_s);
        ContractRecord theirs = *ContractStore::load(db, id);
        const ContractRecord before = theirs;
        theirs.hire = pounds(1250);
        QVERIFY(ContractEdit::save(db, before, theirs));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(dialog, "cmdOK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        VERIFY_HAS(said(), u"Price"_s);
        const ContractRecord stored = *ContractStore::load(db, id);
        QCOMPARE(stored.hire, pounds(1250));
        QCOMPARE(stored.notes, u"Winter cover"_s);
        QCOMPARE(stored.plan.first(), before.plan.first());
        QCOMPARE(sum(stored.plan), withTax(125000));
    }

    // The company window's contract terms: read, typed and saved.
    void termsTypedInThePanel()
    {
        QWidget host;
        ContractTermsPanel panel(m_install->services, &host);
        QVERIFY(panel.load());
        control<QPlainTextEdit>(panel, "txtContractTerms")->setPlainText(u"Lifejackets on the pontoons."_s);
        QVERIFY(panel.save());
        QCOMPARE(*ContractDocuments::terms(m_install->db()), u"Lifejackets on the pontoons."_s);
    }

    // The window: a price typed below zero is refused with nothing renewed; ticked and priced, renewed.
    void renewedThroughTheWindow()
    {
        QVERIFY(add(season()) > 0);
        RenewalsDialog dialog(m_install->services);
        control<QDateEdit>(dialog, "dtpFrom")->setDate(QDate(2026, 9, 1));
        control<QDateEdit>(dialog, "dtpTo")->setDate(QDate(2026, 9, 30));
        click(dialog, "cmdList");
        auto* grid = control<QTableWidget>(dialog, "grdRenewals");
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, 9)->text(), pounds(1300).format());
        click(dialog, "cmdSelectAll");
        grid->item(0, 9)->setText(u"-5.00"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(dialog, "cmdRenewChosen");
        QCOMPARE(count(u"Contract"_s), 1);
        VERIFY_HAS(said(), u"nothing was renewed"_s);
        grid->item(0, 9)->setText(u"1250.00"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(dialog, "cmdRenewChosen");
        QCOMPARE(count(u"Contract WHERE RenewedFrom IS NOT NULL AND Hire = 12500000"_s), 1);
        QCOMPARE(dialog.renewed().size(), 1);
        VERIFY_HAS(logText(), EventLog::eventText(EventLog::ContractRenewed));
        QCOMPARE(grid->rowCount(), 0);
    }
};

ZEM_TEST(tst_Renewals)
#include "tst_Renewals.moc"
