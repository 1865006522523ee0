#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "core/Result.h"
#include "core/Seams.h"

/// The plain-text event log: one events.Log a day in a day folder (ddMMyyyy) under the traces folder, four-line
/// entries ending in CR LF. It never shows a message and never reports an error: a log that cannot be written
/// is silently not written.
namespace EventLog {

/// Event codes used by the windows that make changes.
enum Event : int
{
    ApplicationStarted = 0,
    ApplicationClosed = 1,
    BerthAdded = 2,
    BerthModified = 3,
    BerthDeleted = 4,
    CustomerAdded = 5,
    CustomerModified = 6,
    CustomerDeleted = 7,
    OwnerAdded = 8,
    OwnerModified = 9,
    OwnerDeleted = 10,
    BookingAdded = 11,
    BookingModified = 12,
    BookingCancelled = 13,
    SettingsModified = 14,
    WebBookingGenerated = 15,
    CustomersExported = 16,
    ReservationsExported = 17,
    TodaysReservationsExported = 18,
    DatabaseCompacted = 19,
    DatabaseBackup = 20,
    DatabaseRestore = 21,
    ReportGenerated = 22,
    ReportPrinted = 23,
    MailingListGenerated = 24,
    ConfigurationModified = 25,
    RegionalSettingsModified = 26,
    BoatBookedIntoSmallerBerth = 27, // the person was asked and booked it all the same
    PaymentRecorded = 28,
    RefundRecorded = 29,
    InvoiceIssued = 30,
    BerthBlocked = 31,
    BerthBlockModified = 32,
    BerthBlockRemoved = 33,
    GuestArrived = 34,
    GuestDeparted = 35,
    GuestNoShow = 36,
    StayPutBack = 37, // a mistaken arrival, departure or no-show undone
    CreditNoteIssued = 38,
    UserSignedIn = 39, // at the start, a switch of user or an unlock by another user
    SignInRefused = 40,
    UserLocked = 41, // five wrong tries in a row
    UserAdded = 42,
    UserModified = 43, // its details, role, password, PIN, permissions or its removal
    ActionApproved = 44,
    MonthClosed = 45, // its bookings and ledger lines put right only by lines dated now
    MonthReopened = 46,
    DataImported = 50, // a file of customers, berths, bookings or opening balances brought in
    ImportUndone = 51,
    MailQueued = 55,
    RemindersQueued = 56,
    MailSettingsModified = 57,
    RequestReceived = 58, // a booking request read from the mailbox (or kept to check)
    RequestDecided = 59,  // accepted, held, booked or declined
    // Contracts: berths let for a term.
    ContractMade = 60,
    ContractCancelled = 61,
    ContractInvoiceIssued = 62,
    ContractPaymentRecorded = 63,
    ContractChanged = 64,
    ContractRenewed = 65,
    ContractLapsed = 66, // ended unrenewed: its berths offered to the waiting list
    // A holder's absences, and the holders' share of visitors' hire.
    AwayReported = 67, // reported or changed
    AwayRemoved = 68,
    HolderShareModified = 69,
    // Meters: electricity and water.
    MeterModified = 70,     // a meter added, changed or swapped
    MeterReadingAdded = 71, // a reading or a correction
    MeterTariffsModified = 72,
    MeterChargePosted = 73, // a stay's or a contract's use billed
    MeterReadingsImported = 74,
    CalendarFeedAdded = 75,      // an address to read a berth's calendar from
    CalendarFeedRemoved = 76,    // and the blocks it made released
    CalendarFeedChanged = 77,    // a read that added, moved or released blocks, or met a booking
    CalendarFeedUnreadable = 78, // a read that failed: the feed keeps its last blocks
    RequestHoldExpired = 79,     // a request's hold ran out and freed its berth
};

/// The text of an event code; empty for codes without one.
QString eventText(int code);
/// The day folder's name for a date: ddMMyyyy.
QString dayFolderName(const QDate& day);

/// Resolves the traces folder, creates today's day folder and keeps its events.Log as the log for this run
/// (a run past midnight keeps writing into the folder of the day it started).
void initEventLog(const QDate& today);
/// The log file of this run; empty before initEventLog.
QString logPath();

/// Appends one entry: [date-time], [event text] (codes that have one), the description when not empty, an empty line.
void logEvent(const QDateTime& when, int code, const QString& description = {});

/// The day folders under tracesFolder dated before now minus 7 days (at 00:00). Names that are not ddMMyyyy
/// dates are never listed.
QStringList oldTraceFolders(const QString& tracesFolder, const QDateTime& now);

/// The question the end of workday asks before deleteOldTraces.
QString deleteOldTracesQuestion();
QString endOfWorkdayTitle();

/// Deletes the old day folders with their contents; how many went, or a File failure naming those that stay.
Result<int> deleteOldTraces(const QDateTime& now);

} // namespace EventLog

/// The event log the windows write through: entries go to this run's file, stamped with the clock's time.
class EventLogFile final : public IEventLog
{
public:
    explicit EventLogFile(IClock& clock) : m_clock(clock) {}
    void log(int code, const QString& description = {}) override
    {
        EventLog::logEvent(m_clock.now(), code, description);
    }

private:
    IClock& m_clock;
};

namespace EventLog {

/// A trace file read for showing: its text with CR LF line ends, capped so a huge or binary file cannot hang
/// the viewer.
struct TraceText
{
    QString text;
    bool truncated = false; // only the first maxBytes were read
};
Result<TraceText> readTraceFile(const QString& path, qint64 maxBytes = 2 * 1024 * 1024);

} // namespace EventLog
