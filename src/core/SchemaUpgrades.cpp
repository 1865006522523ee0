#include "core/SchemaUpgrades.h"

#include "core/Database.h"
#include "core/Dialect.h"
#include "core/SearchText.h"

#include <QCoreApplication>
#include <iterator>

namespace SchemaUpgrades {
namespace {
// The part of an engine's schema between its two marker lines "-- name: begin" and "-- name: end": a new database
// runs it with the rest, an upgrade on its own.
QString schemaSection(Engine engine, const QString& name)
{
    const QString script = Dialect::forEngine(engine).schemaScript();
    const QString begin = QStringLiteral("-- %1: begin").arg(name);
    const QString end = QStringLiteral("-- %1: end").arg(name);
    const qsizetype from = script.indexOf(begin);
    const qsizetype to = script.indexOf(end);
    if (from < 0 || to < from)
        return {};
    return script.mid(from, to - from);
}

// The period index: an upgrade runs it again to rebuild the index from the bookings already stored.
QString periodIndexScript()
{
    return schemaSection(Engine::SQLite, QStringLiteral("period index"));
}

// Version 1 kept one index entry per booking (minutes since 1970), so every search read the booking rows.
QString upgradeTo2(Engine)
{
    const QString index = periodIndexScript();
    if (index.isEmpty())
        return {};
    return QStringLiteral("DROP TRIGGER IF EXISTS Booking_Period_Insert; DROP TRIGGER IF EXISTS Booking_Period_Update; "
                          "DROP TRIGGER IF EXISTS Booking_Delete; DROP TABLE IF EXISTS BookingPeriod; ") +
           index;
}

// Version 2 kept card security codes and whole card numbers as they were typed. A stored code goes, and a card
// number keeps its last four digits (separators dropped), as a booking saved today keeps it.
QString upgradeTo3(Engine)
{
    return QStringLiteral(
        "UPDATE Booking SET CreditCardCV2No = '' WHERE CreditCardCV2No IS NOT NULL AND CreditCardCV2No <> ''; "
        "UPDATE Booking SET CreditCardNo = (SELECT CASE WHEN length(n) > 4 "
        "THEN replace(hex(zeroblob(length(n) - 4)), '00', '*') || substr(n, -4) ELSE n END "
        "FROM (SELECT replace(replace(replace(CreditCardNo, ' ', ''), '-', ''), '.', '') AS n)) "
        "WHERE CreditCardNo GLOB '*[0-9]*' AND CreditCardNo NOT GLOB '*[^0-9 .*-]*';");
}

// Version 3 priced every booking by the berths' daily charges and 17.5 % VAT, and knew no boats. Seasons, their
// rates and the taxes by date arrive empty but for the VAT the program always charged, so every booking prices as
// before; boats and the waiting list arrive empty, and every berth takes any boat.
QString upgradeTo4(Engine engine)
{
    const QString rates = schemaSection(engine, QStringLiteral("rates"));
    const QString boats = schemaSection(engine, QStringLiteral("boats"));
    const QString waiting = schemaSection(engine, QStringLiteral("waiting list"));
    if (rates.isEmpty() || boats.isEmpty() || waiting.isEmpty())
        return {};
    return rates + boats + waiting +
           QStringLiteral("ALTER TABLE BerthType ADD COLUMN MinimumLength REAL; "
                          "ALTER TABLE Booking ADD COLUMN TaxRate INTEGER; "
                          "ALTER TABLE Booking ADD COLUMN BoatID INTEGER; "
                          "ALTER TABLE Berth ADD COLUMN MaxDraft REAL; "
                          "ALTER TABLE Berth ADD COLUMN TakesMultihulls INTEGER NOT NULL DEFAULT 1; "
                          "INSERT INTO Tax (ID, Name, Rate, FromDate) VALUES (1, 'VAT', 1750, '2000-01-01');");
}

// Version 4 kept only a booking's amounts; the lines its hire was agreed on arrive empty (an older booking shows
// none).
QString upgradeTo5(Engine engine)
{
    return schemaSection(engine, QStringLiteral("booking charges"));
}

// Version 5 kept one paid amount per booking, deleted a cancelled booking and numbered no invoices. What each
// booking shows as paid becomes its ledger's first line, so the ledger adds up to it from the start.
QString upgradeTo6(Engine engine)
{
    const QString ledger = schemaSection(engine, QStringLiteral("ledger"));
    if (ledger.isEmpty())
        return {};
    const QString big = engine == Engine::PostgreSQL ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER");
    return QStringLiteral("ALTER TABLE Booking ADD COLUMN Cancelled INTEGER NOT NULL DEFAULT 0; "
                          "ALTER TABLE Booking ADD COLUMN CancelledBerths TEXT; "
                          "ALTER TABLE Booking ADD COLUMN InvoiceNumber %1; "
                          "ALTER TABLE Company ADD COLUMN DepositKind INTEGER NOT NULL DEFAULT 0; "
                          "ALTER TABLE Company ADD COLUMN DepositAmount %1 NOT NULL DEFAULT 0; "
                          "ALTER TABLE Company ADD COLUMN DepositPercent INTEGER NOT NULL DEFAULT 0; "
                          "ALTER TABLE Company ADD COLUMN DepositMinimum %1 NOT NULL DEFAULT 0; "
                          "ALTER TABLE Company ADD COLUMN BalanceDueDays INTEGER NOT NULL DEFAULT 0; "
                          "ALTER TABLE Company ADD COLUMN LastInvoiceNumber %1 NOT NULL DEFAULT 0; ")
               .arg(big) +
           ledger +
           QStringLiteral(
               "INSERT INTO Payment (BookingID, PaidAt, Kind, PaymentMethodID, Amount, Reference, Desk, Note) "
               "SELECT ID, COALESCE(Created, FromDate, '2000-01-01 00:00:00'), 2, PaymentMethodID, "
               "AmountPayed, '', '', 'Paid before the ledger' FROM Booking "
               "WHERE AmountPayed IS NOT NULL AND AmountPayed <> 0 ORDER BY ID; "
               // Receipts printed so far carried the booking's ID as their number: new invoices go on
               // above every one of them.
               "UPDATE Company SET LastInvoiceNumber = COALESCE((SELECT MAX(ID) FROM Booking), 0);");
}

// Version 6 read every figure from the bookings themselves. The nights of each berth and month and the bookings
// arriving in each month are now kept beside the period index, by the triggers that keep it: on a file the index is
// written again with its new triggers (which fills the nights), on a server its writer is replaced.
QString upgradeTo7(Engine engine)
{
    const QString figures = schemaSection(engine, QStringLiteral("figures"));
    if (engine == Engine::PostgreSQL) {
        const QString writer = schemaSection(engine, QStringLiteral("period writer"));
        if (figures.isEmpty() || writer.isEmpty())
            return {};
        return figures +
               QString(writer).replace(QStringLiteral("CREATE FUNCTION"), QStringLiteral("CREATE OR REPLACE FUNCTION"));
    }
    const QString index = periodIndexScript();
    if (figures.isEmpty() || index.isEmpty())
        return {};
    // A file brought up from version 1 already had the index's present form written by the upgrade to 2.
    return QStringLiteral("DROP VIEW IF EXISTS BerthMonthShare; DROP TABLE IF EXISTS BerthMonth; "
                          "DROP TABLE IF EXISTS CalendarMonth; "
                          "DROP TRIGGER IF EXISTS Booking_Period_Insert; DROP TRIGGER IF EXISTS Booking_Period_Update; "
                          "DROP TRIGGER IF EXISTS Booking_Delete; DROP TRIGGER IF EXISTS BookingBerth_Period_Insert; "
                          "DROP TRIGGER IF EXISTS BookingBerth_Period_Delete; "
                          "DROP TRIGGER IF EXISTS BookingBerth_Period_Update; DROP VIEW IF EXISTS BookingPeriodEntry; "
                          "DROP TABLE IF EXISTS BookingPeriod; ") +
           index + figures;
}

// Version 7 searched customers by the start of their fields only. The words for searching any part arrive with
// their index, written for every customer already there (the step after the script).
QString upgradeTo8(Engine engine)
{
    return schemaSection(engine, QStringLiteral("customer search"));
}
// Version 8 knew no blocked berths: the blocks arrive empty, so every berth is as free as it was.
QString upgradeTo9(Engine engine)
{
    return schemaSection(engine, QStringLiteral("berth blocks"));
}
// Version 9 had desks read every berth for each free list; the number that tells them their copy still holds
// arrives drawn, so every desk reads the list once more.
QString upgradeTo10(Engine engine)
{
    return schemaSection(engine, QStringLiteral("berth list"));
}
// Version 10 found a server's busy berths through the GiST index over the minutes, which visits every entry's row;
// the B-tree by length class and arrival answers from the index alone. A file's R*Tree answers as it did.
QString upgradeTo11(Engine engine)
{
    return engine == Engine::PostgreSQL ? schemaSection(engine, QStringLiteral("period search"))
                                        : QStringLiteral("SELECT 1");
}
// Version 11 knew no check-in, no deposit agreed for one booking and no credit notes: every booking starts as
// expected and follows the company's terms, and the credit notes start at number 1.
QString upgradeTo12(Engine engine)
{
    const QString deskDay = schemaSection(engine, QStringLiteral("desk day"));
    if (deskDay.isEmpty())
        return {};
    // A new server database is written at an earlier version with these columns already in place.
    const bool server = engine == Engine::PostgreSQL;
    const QString add = server ? QStringLiteral("ADD COLUMN IF NOT EXISTS") : QStringLiteral("ADD COLUMN");
    const QString big = server ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER");
    QString script;
    for (const QString& column :
         {QStringLiteral("Booking %1 Status INTEGER NOT NULL DEFAULT 0"), QStringLiteral("Booking %1 ArrivedAt TEXT"),
          QStringLiteral("Booking %1 ArrivedDesk TEXT"), QStringLiteral("Booking %1 DepartedAt TEXT"),
          QStringLiteral("Booking %1 DepartedDesk TEXT"), QStringLiteral("Booking %1 DepositDue %2"),
          QStringLiteral("Booking %1 DepositBy TEXT"), QStringLiteral("Booking %1 BalanceBy TEXT"),
          QStringLiteral("Company %1 LastCreditNoteNumber %2 NOT NULL DEFAULT 0")})
        script += QStringLiteral("ALTER TABLE %1; ").arg(QString(column).replace(QStringLiteral("%2"), big).arg(add));
    return script + deskDay;
}
// Version 12 found a booking by its confirmation number or its boat only by reading every booking.
QString upgradeTo13(Engine engine)
{
    return schemaSection(engine, QStringLiteral("quick search"));
}
// Version 13 let berths by the night only: no terms, contracts or their instalments, and every block and ledger
// line belongs to no contract.
QString upgradeToContracts(Engine engine)
{
    return schemaSection(engine, QStringLiteral("contracts"));
}
// Version 14 kept no trace of the records an import brought in.
QString upgradeToImport(Engine engine)
{
    return schemaSection(engine, QStringLiteral("import"));
}
// Version 15 kept no outbox and no mail templates: new tables only.
QString upgradeToMail(Engine engine)
{
    return schemaSection(engine, QStringLiteral("mail"));
}
// Version 16 knew no users: the office signs up its first administrator at the next start, and until then anyone at
// the desk may do everything, as before.
QString upgradeToStaff(Engine engine)
{
    return schemaSection(engine, QStringLiteral("staff"));
}
// Version 17 kept no history of a booking's changes and closed no months: the history starts with the first change
// made after the upgrade, and every month is open.
QString upgradeToHistory(Engine engine)
{
    return schemaSection(engine, QStringLiteral("history"));
}
// Version 18 signed every user in to a server as the office's role, and let the groups read the hashes: from now
// on a user made or given a password gets a login of their own.
QString upgradeToLogins(Engine engine)
{
    return schemaSection(engine, QStringLiteral("logins"));
}
// Version 19 knew no absences of holders: every contract holds its berths for its whole term, and no credit is owed.
QString upgradeToAway(Engine engine)
{
    return schemaSection(engine, QStringLiteral("away"));
}
// Version 20 renewed no contract, kept no letters and printed no contract terms: every contract counts as neither
// renewed nor lapsed, and the terms start empty.
QString upgradeToRenewals(Engine engine)
{
    return schemaSection(engine, QStringLiteral("renewals"));
}
// Version 21 knew no meters, readings or tariffs: new tables only, and an office that sets up none sees no change.
QString upgradeToMeters(Engine engine)
{
    return schemaSection(engine, QStringLiteral("meters"));
}
// Version 22 recorded a manager's approval only: a server now also holds it for the desk's connection.
QString upgradeToApprovals(Engine engine)
{
    return schemaSection(engine, QStringLiteral("approvals"));
}
// Version 23 kept no number per berth: each berth gets one, so the first free list after the upgrade reads every
// berth's row once, as it did before.
QString upgradeToBerthOrder(Engine engine)
{
    return schemaSection(engine, QStringLiteral("berthorder"));
}
// Version 24 read no calendars from elsewhere: no feeds, and no block came from one.
QString upgradeToIcal(Engine engine)
{
    return schemaSection(engine, QStringLiteral("ical"));
}
// Version 25 billed no contract by the meter: the charges kept carry no tax or instalment, which a stay's never need.
QString upgradeToContractMeters(Engine engine)
{
    return schemaSection(engine, QStringLiteral("contractmeters"));
}
QString upgradeToBulkImport(Engine engine)
{
    return schemaSection(engine, QStringLiteral("bulk import"));
}
QString upgradeToImportSpeed(Engine engine)
{
    return schemaSection(engine, QStringLiteral("import speed"));
}
QString upgradeToApprovals2(Engine engine)
{
    return schemaSection(engine, QStringLiteral("approvals2"));
}
// Version 29 read no mailbox: no requests are kept and no block holds a berth for one.
QString upgradeToRequests(Engine engine)
{
    return schemaSection(engine, QStringLiteral("requests"));
}
QString upgradeToLanguages(Engine engine)
{
    return schemaSection(engine, QStringLiteral("languages"));
}
// Version 31 kept each renewal letter as a file of its own: those stay as they are, and runs from now on are kept
// as one PDF.
QString upgradeToLetterRuns(Engine engine)
{
    return schemaSection(engine, QStringLiteral("letter runs"));
}
// Version 32 kept nothing of what a feed gave: its blocks are taken as what it gave last.
QString upgradeToFeedEdits(Engine engine)
{
    return schemaSection(engine, QStringLiteral("feed edits"));
}
Status writeAllCustomerWords(const QSqlDatabase& db)
{
    return SearchText::rewriteCustomers(db);
}

// Entry i brings a database of version i+1 to version i+2.
const Upgrade Upgrades[] = {{upgradeTo2},
                            {upgradeTo3},
                            {upgradeTo4},
                            {upgradeTo5},
                            {upgradeTo6},
                            {upgradeTo7},
                            {upgradeTo8, writeAllCustomerWords},
                            {upgradeTo9},
                            {upgradeTo10},
                            {upgradeTo11},
                            {upgradeTo12},
                            {upgradeTo13},
                            {upgradeToContracts},
                            {upgradeToImport},
                            {upgradeToMail},
                            {upgradeToStaff},
                            {upgradeToHistory},
                            {upgradeToLogins},
                            {upgradeToAway},
                            {upgradeToRenewals},
                            {upgradeToMeters},
                            {upgradeToApprovals},
                            {upgradeToBerthOrder},
                            {upgradeToIcal},
                            {upgradeToContractMeters},
                            {upgradeToBulkImport},
                            {upgradeToImportSpeed},
                            {upgradeToApprovals2},
                            {upgradeToRequests},
                            {upgradeToLanguages},
                            {upgradeToLetterRuns},
                            {upgradeToFeedEdits}};
static_assert(std::size(Upgrades) == Database::CurrentSchemaVersion - 1, "one upgrade per version");
} // namespace

const Upgrade& upgradeFrom(int version)
{
    return Upgrades[version - 1];
}

} // namespace SchemaUpgrades
