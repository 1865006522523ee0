#pragma once

// What every test file shares, without a window: the installation fixture, the shared main, Qt Test and the
// event log entry as the log file holds it. core_tests builds on this alone, which keeps core free of widgets.
#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/EventLog.h"
#include "core/Registry.h"
#include "core/SqlHelpers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <algorithm>
#include <memory>
#include <tuple>

using namespace Qt::StringLiterals;

/// The base of a test class whose cases each need a fresh installation: made before seed(), dropped after
/// tearDown().
class InstallTest : public QObject
{
    Q_OBJECT
public:
    explicit InstallTest(bool withDatabase = true) : m_withDatabase(withDatabase) {}

protected:
    /// Adds the rows every case of the class starts from.
    virtual void seed() {}
    /// Closes what a case keeps open, while its installation still exists.
    virtual void tearDown() {}

    /// A statement of the case's set-up (see TestInstall::exec), what the scripted message box was asked to show,
    /// and the event log so far.
    bool exec(const QString& sql, const QVariantList& binds = {}) const { return m_install->exec(sql, binds); }
    QString said() const { return m_install->messages.said(); }
    QString logText() const { return m_install->eventLogText(); }

    std::unique_ptr<TestInstall> m_install;

private slots:
    void init()
    {
        // A case whose init failed had no cleanup: its installation goes before the next one is made, or closing it
        // would close the new one's shared connection.
        m_install.reset();
        m_install = std::make_unique<TestInstall>(m_withDatabase);
        seed();
    }
    void cleanup()
    {
        tearDown();
        m_install.reset();
    }

private:
    bool m_withDatabase;
};

/// The current data row of a table whose one column "row" holds a tuple (QTest::addColumn<Row>("row")): read it with
/// a structured binding, so a table of many values needs no column and no QFETCH for each.
template <typename Row> const Row& fetchRow()
{
    return *static_cast<const Row*>(QTest::qData("row", qMetaTypeId<Row>()));
}

/// The one column of such a table and its rows: `const DataRows<Row> row;` adds the column, `row("tag", {...})` a row.
template <typename Row> struct DataRows
{
    DataRows() { QTest::addColumn<Row>("row"); }
    void operator()(const char* tag, const Row& values) const { QTest::newRow(tag) << values; }
};

/// A wall-clock time on day d as the database stores it.
inline QString dbText(const QDate& d, int h, int m = 0)
{
    return DateTimes::wallTime(d, QTime(h, m)).toString(u"yyyy-MM-dd HH:mm:ss"_s);
}

/// The booking IDs of a list's lines, in order.
template <typename Lines> QList<int> idsOf(const Lines& lines)
{
    QList<int> ids;
    for (const auto& line : lines)
        ids << line.bookingId;
    return ids;
}

/// One event log entry as the log file holds it.
inline QString entry(const TestInstall& install, int code, const QString& details)
{
    return u'[' + DateTimes::generalDateText(install.clock.current) + u"]\r\n["_s + EventLog::eventText(code) +
           u"]\r\n"_s + details + u"\r\n\r\n"_s;
}

/// A file's bytes ("<missing>" when it cannot be read).
inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
/// Replaces a file's bytes; false when they could not all be written.
inline bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

/// Fails the case unless text holds part, and then shows the whole text.
#define VERIFY_HAS(text, part) QVERIFY2((text).contains(part), qPrintable(text))

/// Another desk's own connection to the test database ("desk-b"), closed again at the end of its scope.
class OtherDesk
{
public:
    explicit OtherDesk(const TestInstall& install, int busyTimeoutMs = 2000)
        : m_db(Database::open(install.databasePath(), u"desk-b"_s, busyTimeoutMs))
    {
    }
    ~OtherDesk() { Database::close(u"desk-b"_s); }
    Q_DISABLE_COPY_MOVE(OtherDesk)
    explicit operator bool() const { return bool(m_db); }
    QString error() const { return m_db.error(); }
    QSqlDatabase& operator*() { return *m_db; }
    QSqlDatabase* operator->() { return &*m_db; }

private:
    Result<QSqlDatabase> m_db;
};

/// Runs statements as another desk does: on a connection of its own, closed again before this returns.
inline bool atAnotherDesk(const TestInstall& install, const QStringList& statements)
{
    OtherDesk desk(install);
    return desk && std::all_of(statements.cbegin(), statements.cend(),
                               [&](const QString& sql) { return Sql::exec(*desk, sql); });
}

namespace TestSupport {
/// Takes a database back to before the payments ledger: the statements an older-file test runs before it sets the
/// version it stands for.
/// Takes away the totals kept per month of arrival (before the ledger's columns go: its triggers read them).
inline QString dropArrivalTotalsSql(bool server)
{
    if (server)
        return u"DROP TRIGGER Booking_Month ON Booking; DROP FUNCTION zem_booking_month(); DROP FUNCTION "
               u"zem_fill_figures(); DROP TABLE BookingMonth; "_s;
    return u"DROP TRIGGER Booking_Month_Insert; DROP TRIGGER Booking_Month_Update; DROP TRIGGER Booking_Month_Delete; "
           u"DROP TABLE BookingMonth; "_s;
}

inline QString dropLedgerSql(bool server)
{
    const QString columns = u"ALTER TABLE Booking DROP COLUMN Cancelled; ALTER TABLE Booking DROP COLUMN "
                            u"CancelledBerths; ALTER TABLE Booking DROP COLUMN InvoiceNumber; ALTER TABLE Company "
                            u"DROP COLUMN DepositKind; ALTER TABLE Company DROP COLUMN DepositAmount; ALTER TABLE "
                            u"Company DROP COLUMN DepositPercent; ALTER TABLE Company DROP COLUMN DepositMinimum; "
                            u"ALTER TABLE Company DROP COLUMN BalanceDueDays; ALTER TABLE Company DROP COLUMN "
                            u"LastInvoiceNumber; "_s;
    if (server)
        return u"DROP TRIGGER Booking_Keeps_Ledger ON Booking; DROP FUNCTION zem_booking_keeps_ledger(); DROP TABLE "
               u"Payment; DROP FUNCTION zem_ledger_append_only(); DROP INDEX IX_Booking_Invoice; DROP INDEX "
               u"IX_Booking_Cancelled; "_s +
               columns;
    return u"DROP TRIGGER Booking_Keeps_Ledger; DROP TABLE Payment; DROP INDEX IX_Booking_Invoice; DROP INDEX "
           u"IX_Booking_Cancelled; "_s +
           columns;
}

/// Takes away seasons, rates and taxes, boats, the waiting list, charge lines and the berths' fitting columns: the
/// steps back to the release before seasons.
inline QString dropSeasonsSql(bool server)
{
    return (server ? u"DROP TRIGGER Booking_Delete_Charges ON Booking; DROP FUNCTION zem_booking_charges_gone(); "_s
                   : u"DROP TRIGGER Booking_Delete_Charges; "_s) +
           u"DROP TABLE Season; DROP TABLE Rate; DROP TABLE Tax; DROP TABLE Boat; DROP TABLE WaitingEntry; DROP TABLE "
           u"BookingCharge; ALTER TABLE Booking DROP COLUMN BoatID; ALTER TABLE Berth DROP COLUMN MaxDraft; "
           u"ALTER TABLE Berth DROP COLUMN TakesMultihulls; ALTER TABLE BerthType DROP COLUMN MinimumLength; "
           u"ALTER TABLE Booking DROP COLUMN TaxRate; "_s;
}

/// Takes away terms, contracts, their instalments and their marks on blocks and ledger lines: the step back from
/// version 14.
inline QString dropContractsSql()
{
    return u"DROP INDEX IX_Payment_Contract; ALTER TABLE Payment DROP COLUMN ContractID; ALTER TABLE BerthBlock DROP "
           u"COLUMN ContractID; DROP TABLE ContractInstalment; DROP TABLE ContractBerth; DROP TABLE Contract; DROP "
           u"TABLE ContractRate; DROP TABLE ContractTerm; "_s;
}

/// Takes away what imports keep (batches, saved mappings, each row's old reference, batch and stamp): the step
/// back from version 15.
inline QString dropImportSql()
{
    QString sql = u"DROP TABLE ImportBatch; DROP TABLE ImportMapping; "_s;
    for (const char* table : {"Customer", "Boat", "Berth", "Booking"}) {
        sql += u"DROP INDEX IX_%1_OldRef; DROP INDEX IX_%1_ImportBatch; "_s.arg(QLatin1String(table));
        for (const char* column : {"OldRef", "ImportBatchID", "ImportStamp"})
            sql += u"ALTER TABLE %1 DROP COLUMN %2; "_s.arg(QLatin1String(table), QLatin1String(column));
    }
    return sql;
}

/// Takes away the users, their permissions and approvals: the step back from version 17.
inline QString dropStaffSql()
{
    return u"DROP TABLE Approval; DROP TABLE RolePermission; DROP TABLE StaffUser; "_s;
}

/// Takes away the approvals held by a server's connections: the step back from version 23.
inline QString dropApprovalsSql(bool server)
{
    return server ? u"DROP FUNCTION zem_grants_approvals(); DROP FUNCTION zem_approval_guard() CASCADE; DROP FUNCTION "
                    u"zem_use_approval(TEXT, TIMESTAMPTZ); DROP FUNCTION zem_approve(INTEGER, TEXT, TEXT, TEXT, TEXT, "
                    u"TEXT, TIMESTAMPTZ, INTEGER, TEXT); DROP FUNCTION zem_session_start(); DROP TABLE ApprovalHold; "_s
                  : QString();
}

/// Takes away each berth's number for the kept berth list: the step back from version 24.
inline QString dropBerthOrderSql(bool server)
{
    if (server)
        return u"DROP TRIGGER Berth_Order_Changed ON Berth; DROP FUNCTION zem_berth_order_changed(); ALTER TABLE Berth "
               u"DROP COLUMN ListChange; "_s;
    return u"DROP TRIGGER Berth_Order_Insert; DROP TRIGGER Berth_Order_Update; ALTER TABLE Berth DROP COLUMN "
           u"ListChange; "_s;
}

/// Takes away calendar feeds and the marks of their blocks: the step back from version 25.
inline QString dropIcalSql(bool server)
{
    const QString common =
        u"DROP TABLE CalendarFeed; DROP INDEX IX_BerthBlock_Feed; ALTER TABLE BerthBlock DROP COLUMN "
        u"FeedUid; ALTER TABLE BerthBlock DROP COLUMN FeedID; "_s;
    return server ? u"DROP FUNCTION zem_grants_ical(); DROP TRIGGER Berth_Delete_Feeds ON Berth; DROP FUNCTION "
                    u"zem_forget_feeds(); "_s +
                        common
                  : u"DROP TRIGGER Berth_Delete_Feeds; "_s + common;
}

/// The first statement of the script from start to end (both included): a trigger or function in the form the
/// schema first gave it, before a later section replaced it.
inline QString earliestForm(bool server, const QString& start, const QString& end)
{
    const QString script = Dialect::forEngine(server ? Engine::PostgreSQL : Engine::SQLite).schemaScript();
    const qsizetype from = script.indexOf(start);
    const qsizetype to = script.indexOf(end, from) + end.size();
    return script.mid(from, to - from) + u' ';
}

/// Takes away the statement-level insert triggers and gives the row triggers they replaced their earlier form: the
/// step back from version 28.
inline QString dropImportSpeedSql(bool server)
{
    if (!server)
        return u"DROP TRIGGER Booking_History_Update; "_s +
               earliestForm(false, u"CREATE TRIGGER IF NOT EXISTS Booking_History_Update "_s, u"\nEND;"_s);
    QString sql = u"DROP FUNCTION zem_bookings_added() CASCADE; DROP FUNCTION zem_booking_berths_added() CASCADE; "
                  u"DROP FUNCTION zem_keep_counters() CASCADE; DROP FUNCTION zem_write_periods(BIGINT[]); "_s;
    const std::pair<const char*, const char*> triggers[] = {{"Customer_Counter", "Customer"},
                                                            {"Owner_Counter", "Owner"},
                                                            {"Berth_Counter", "Berth"},
                                                            {"Booking_Counter", "Booking"},
                                                            {"BookingHistory_By_Trigger", "BookingHistory"},
                                                            {"Booking_Closed", "Booking"},
                                                            {"Booking_Period", "Booking"},
                                                            {"Booking_Month", "Booking"},
                                                            {"Booking_History", "Booking"},
                                                            {"BookingBerth_Closed", "BookingBerth"},
                                                            {"BookingBerth_Period", "BookingBerth"},
                                                            {"BookingBerth_History", "BookingBerth"}};
    for (const auto& [trigger, table] : triggers)
        sql += u"DROP TRIGGER IF EXISTS %1 ON %2; "_s.arg(QLatin1String(trigger), QLatin1String(table)) +
               earliestForm(true, u"CREATE TRIGGER "_s + QLatin1String(trigger) + u' ', u";"_s);
    for (const char* table : {"Customer", "Boat", "Berth", "Booking", "Contract"})
        sql += u"DROP INDEX IX_%1_ImportBatch; "_s.arg(QLatin1String(table)) +
               earliestForm(true, u"CREATE INDEX IF NOT EXISTS IX_%1_ImportBatch "_s.arg(QLatin1String(table)), u";"_s);
    return sql;
}

/// Takes away the booking requests and the blocks' hold columns: the step back from version 30.
inline QString dropRequestsSql(bool server)
{
    return (server ? u"DROP FUNCTION zem_grants_requests(); "_s : QString()) +
           u"DROP TABLE BookingRequest; DROP INDEX IX_BerthBlock_Request; ALTER TABLE BerthBlock DROP COLUMN "
           u"HoldUntil; ALTER TABLE BerthBlock DROP COLUMN RequestID; "_s;
}

/// Takes away customers' and the office's document languages and the e-mail wording per language: the step back
/// from version 31.
inline QString dropLanguagesSql(bool server)
{
    return (server ? u"DROP FUNCTION zem_grants_languages(); "_s : QString()) +
           u"DROP TABLE MailTemplateText; ALTER TABLE Customer DROP COLUMN Language; ALTER TABLE Company DROP COLUMN "
           u"DocumentLanguage; "_s;
}

/// Takes away the renewal runs' PDFs and what a letter names of one: the step back from version 32.
inline QString dropLetterRunsSql(bool server)
{
    return (server ? u"DROP FUNCTION zem_grants_letter_runs(); "_s : QString()) +
           u"DROP TABLE ContractLetterRun; DROP INDEX IX_ContractLetter_Run; ALTER TABLE ContractLetter DROP COLUMN "
           u"RunID; ALTER TABLE ContractLetter DROP COLUMN FirstPage; ALTER TABLE ContractLetter DROP COLUMN "
           u"PageCount; ALTER TABLE ContractLetter DROP COLUMN Title; "_s;
}

/// Takes away what each feed gave at its last read: the step back from version 33.
inline QString dropFeedEditsSql(bool server)
{
    return server ? u"DROP FUNCTION zem_grants_feed_edits(); DROP TRIGGER CalendarFeed_Delete_Events ON CalendarFeed; "
                    u"DROP FUNCTION zem_forget_feed_events(); DROP TABLE FeedEvent; "_s
                  : u"DROP TRIGGER CalendarFeed_Delete_Events; DROP TABLE FeedEvent; "_s;
}

/// Takes away the import's Filling flag and the contracts' import columns, and gives the three insert triggers
/// that pass a filling batch by their earlier form: the step back from version 27.
inline QString dropBulkImportSql(bool server)
{
    const QString columns =
        u"DROP INDEX IX_Contract_OldRef; DROP INDEX IX_Contract_ImportBatch; ALTER TABLE Contract DROP COLUMN OldRef; "
        u"ALTER TABLE Contract DROP COLUMN ImportBatchID; ALTER TABLE Contract DROP COLUMN ImportStamp; ALTER TABLE "
        u"ImportBatch DROP COLUMN Filling; "_s;
    // The earlier forms are the first of their names in the script: the later section replaces them.
    QString sql;
    if (server) {
        for (const char* function : {"zem_booking_changed", "zem_booking_berth_changed", "zem_booking_month"})
            sql += u"CREATE OR REPLACE "_s +
                   earliestForm(true, u"FUNCTION %1() "_s.arg(QLatin1String(function)), u"END $$;"_s);
        return sql + u"DROP FUNCTION zem_import_filling(INTEGER); DROP FUNCTION zem_fill_import(INTEGER); "_s + columns;
    }
    for (const char* trigger : {"Booking_Period_Insert", "BookingBerth_Period_Insert", "Booking_Month_Insert"})
        sql += u"DROP TRIGGER %1; "_s.arg(QLatin1String(trigger)) +
               earliestForm(false, u"CREATE TRIGGER "_s + QLatin1String(trigger) + u' ', u"\nEND;"_s);
    return sql + columns;
}

/// Takes away meters, their readings, tariffs and charges: the step back from version 22.
inline QString dropMetersSql(bool server)
{
    const QString tables = u"DROP TABLE MeterCharge; DROP TABLE MeterTariffBand; DROP TABLE MeterTariff; DROP TABLE "
                           u"MeterReading; DROP TABLE Meter; "_s;
    return server ? tables + u"DROP FUNCTION zem_grants_meters(); DROP FUNCTION zem_meter_reading_kept(); "_s : tables;
}

/// Takes away what a contract's meter charges carry: the step back from version 26.
inline QString dropContractMetersSql()
{
    return u"DROP INDEX IX_MeterCharge_ContractReading; ALTER TABLE MeterCharge DROP COLUMN Tax; ALTER TABLE "
           u"MeterCharge DROP COLUMN Instalment; "_s;
}

/// Takes away contract renewals, their letters and the contract terms: the step back from version 21.
inline QString dropRenewalsSql(bool server)
{
    return (server ? u"DROP FUNCTION zem_grants_renewals(); "_s : QString()) +
           u"DROP TABLE ContractLetter; DROP INDEX IX_Contract_RenewedFrom; DROP INDEX IX_Contract_LastDay; ALTER "
           u"TABLE "
           u"Contract DROP COLUMN RenewedFrom; ALTER TABLE Contract DROP COLUMN Lapsed; ALTER TABLE Company DROP "
           u"COLUMN "
           u"ContractTerms; "_s;
}

/// Takes away holders' absences, their credits and the company's share: the step back from version 20.
inline QString dropAwaySql(bool server)
{
    return (server ? u"DROP FUNCTION zem_grants_away(); "_s : QString()) +
           u"DROP TABLE AwayCredit; DROP TABLE ContractAway; ALTER TABLE Company DROP COLUMN AwayShare; "_s;
}

/// Takes away the users' own server logins and the hash functions: the step back from version 19.
inline QString dropLoginsSql(bool server)
{
    if (server)
        return u"DROP FUNCTION zem_apply_grants(); DROP FUNCTION zem_staff_matches(INTEGER, TEXT, TEXT); DROP FUNCTION "
               u"zem_staff_settings(INTEGER); ALTER TABLE StaffUser DROP COLUMN ServerLogin; "_s;
    return u"ALTER TABLE StaffUser DROP COLUMN ServerLogin; "_s;
}

/// Takes away the users' logins made through the server and the guards of users and permissions: the step back
/// from version 29. The guard of the approvals is put back as that section made it.
inline QString dropApprovals2Sql(bool server)
{
    if (!server)
        return {};
    const QString script = Dialect::forEngine(Engine::PostgreSQL).schemaScript();
    const qsizetype from = script.indexOf(u"FUNCTION zem_approval_guard() "_s);
    const qsizetype to = script.indexOf(u"END $$;"_s, from) + 7;
    return u"DROP TRIGGER StaffUser_Approved ON StaffUser; DROP TRIGGER StaffUser_Update_Approved ON StaffUser; DROP "
           u"TRIGGER RolePermission_Approved ON RolePermission; DROP FUNCTION zem_grants_approvals2(); DROP FUNCTION "
           u"zem_manage_login(TEXT, TEXT, TEXT, TEXT); DROP FUNCTION zem_end_approval(TEXT); CREATE OR REPLACE "_s +
           script.mid(from, to - from) + u" DROP FUNCTION zem_may(TEXT); "_s;
}

/// Takes away the history of bookings and the closed periods (and what came after them): the step back to version
/// 17, taken first (the file's triggers name booking columns that older steps drop).
inline QString dropHistorySql(bool server)
{
    if (server)
        return dropFeedEditsSql(true) + dropLetterRunsSql(true) + dropLanguagesSql(true) + dropRequestsSql(true) +
               dropApprovals2Sql(true) + dropImportSpeedSql(true) + dropBulkImportSql(true) + dropContractMetersSql() +
               dropIcalSql(true) + dropBerthOrderSql(true) + dropApprovalsSql(true) + dropMetersSql(true) +
               dropRenewalsSql(true) + dropAwaySql(true) + dropLoginsSql(true) +
               u"DROP FUNCTION zem_booking_history() CASCADE; DROP FUNCTION zem_closed_guard() CASCADE; DROP FUNCTION "
               u"zem_history_row(BIGINT, TEXT, TEXT, TEXT, TEXT, TEXT);"
               u" DROP FUNCTION zem_berth_name(BIGINT); DROP FUNCTION zem_month_closed(TEXT); DROP TABLE "
               u"BookingHistory; DROP TABLE ClosedPeriod; DROP FUNCTION zem_history_append_only(); DROP FUNCTION "
               u"zem_history_by_trigger(); DROP FUNCTION "
               u"zem_actor(); DROP FUNCTION zem_desk(); "_s;
    QString sql = dropFeedEditsSql(false) + dropLetterRunsSql(false) + dropLanguagesSql(false) +
                  dropRequestsSql(false) + dropApprovals2Sql(false) + dropImportSpeedSql(false) +
                  dropBulkImportSql(false) + dropContractMetersSql() + dropIcalSql(false) + dropBerthOrderSql(false) +
                  dropApprovalsSql(false) + dropMetersSql(false) + dropRenewalsSql(false) + dropAwaySql(false) +
                  dropLoginsSql(false) +
                  u"DROP VIEW ClosedMonth; DROP TABLE BookingHistory; DROP TABLE ClosedPeriod; "_s;
    for (const char* trigger :
         {"Booking_History_Insert", "Booking_History_Update", "Booking_History_Delete", "BookingBerth_History_Insert",
          "BookingBerth_History_Update", "BookingBerth_History_Delete", "BookingCharge_History_Insert",
          "BookingCharge_History_Delete", "Payment_History_Insert", "Booking_Closed_Insert", "Booking_Closed_Update",
          "Booking_Closed_Delete", "BookingBerth_Closed_Insert", "BookingBerth_Closed_Update",
          "BookingBerth_Closed_Delete", "BookingCharge_Closed_Insert", "BookingCharge_Closed_Update",
          "BookingCharge_Closed_Delete", "Payment_Closed_Insert"})
        sql += u"DROP TRIGGER %1; "_s.arg(QLatin1String(trigger));
    return sql;
}

/// Takes away every step after version 13, the latest first.
inline QString dropAfterThirteenSql()
{
    return dropStaffSql() + u"DROP TABLE Outbox; DROP TABLE MailTemplate; "_s + dropImportSql() + dropContractsSql();
}

/// Takes away every step after version 13, the quick search's indexes, then check-in, the deposit agreed per
/// booking and credit notes: the steps back to version 11.
inline QString dropDeskDaySql()
{
    QString sql = dropAfterThirteenSql() +
                  u"DROP INDEX IX_Booking_Confirmation; DROP INDEX IX_Booking_Boat; DROP TABLE CreditNote; DROP INDEX "
                  u"IX_Booking_Arrived; ALTER TABLE Company DROP COLUMN "
                  u"LastCreditNoteNumber; "_s;
    for (const char* column :
         {"Status", "ArrivedAt", "ArrivedDesk", "DepartedAt", "DepartedDesk", "DepositDue", "DepositBy", "BalanceBy"})
        sql += u"ALTER TABLE Booking DROP COLUMN %1; "_s.arg(QLatin1String(column));
    return sql;
}

/// Takes away the number of the berth list: the step back from version 10.
inline QString dropBerthListSql(bool server)
{
    if (server)
        return u"DROP TRIGGER Berth_List_Changed ON Berth; DROP FUNCTION zem_berth_list_changed(); DROP TABLE "
               u"BerthListVersion; "_s;
    return u"DROP TRIGGER Berth_List_Insert; DROP TRIGGER Berth_List_Update; DROP TRIGGER Berth_List_Delete; DROP "
           u"TABLE BerthListVersion; "_s;
}

/// Takes away berth blocks: the step back from version 9.
inline QString dropBlocksSql(bool server)
{
    if (server)
        return u"DROP TRIGGER Berth_Delete_Blocks ON Berth; DROP TRIGGER Booking_Delete_Blocked ON Booking; DROP "
               u"FUNCTION zem_forget_blocked(); DROP TRIGGER BookingPeriod_Block ON BookingPeriod; DROP FUNCTION "
               u"zem_check_block(); DROP TRIGGER BerthBlock_Period ON BerthBlock; DROP FUNCTION zem_write_block(); "
               u"DROP INDEX IX_BookingPeriod_Block; DROP TABLE BlockedBooking; DROP TABLE BerthBlock; ALTER TABLE "
               u"BookingPeriod DROP CONSTRAINT BookingPeriod_NoOverlap; ALTER TABLE BookingPeriod ADD CONSTRAINT "
               u"BookingPeriod_NoOverlap EXCLUDE USING gist (BerthID WITH =, Period WITH &&) WHERE (BerthID <> 0) "
               u"DEFERRABLE INITIALLY DEFERRED; "_s;
    return u"DROP TRIGGER Berth_Delete_Blocks; DROP TRIGGER Booking_Delete_Blocked; DROP TRIGGER BerthBlock_Delete; "
           u"DROP TRIGGER BerthBlock_Period_Update; DROP TRIGGER BerthBlock_Period_Insert; DROP VIEW BerthBlockEntry; "
           u"DROP TABLE BlockedBooking; DROP TABLE BerthBlock; "_s;
}
} // namespace TestSupport
