#pragma once

#include "bookings/BookingRecord.h"
#include "core/Result.h"
#include "people/Boats.h"
#include "people/PeopleRecords.h"

#include <QSqlDatabase>
#include <optional>

/// What the booking summary reads and writes, without a window.
namespace BookingSummaryData {

/// The booking with its customer, as the summary shows them.
struct Shown
{
    BookingRecord booking;
    CustomerRecord customer;
    std::optional<BoatRecord> boat; // nothing without a boat (or with one removed since)
};

/// The booking and its customer; a Conflict when either no longer exists.
Result<Shown> load(const QSqlDatabase& db, int bookingId);

/// Street, Area, Town and PostCode joined with ", ".
QString addressLine(const CustomerRecord& customer);

/// The details of event 13 from the summary: "From: " + the period + ", Customer:" + name line.
QString cancelledDetails(const QDateTime& from, const QDateTime& to, const QString& nameLine);

/// Leaves exactly one InvTemp row, copied from the booking in one transaction: every InvTemp column the
/// documents print, with CompanyID the Company row's, so the documents always find the company. Nothing changes
/// when the booking is gone (a Conflict) or a statement failed.
Status prepareInvoiceRows(const QSqlDatabase& db, int bookingId);

} // namespace BookingSummaryData
