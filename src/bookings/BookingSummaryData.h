#pragma once

#include "bookings/BookingRecord.h"
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
};

/// The booking and its customer; nothing when either does not exist or cannot be read (the reason in *error
/// for a database failure, empty when a row is simply missing).
std::optional<Shown> load(const QSqlDatabase& db, int bookingId, QString* error = nullptr);

/// Street, Area, Town and PostCode joined with ", ".
QString addressLine(const CustomerRecord& customer);

/// The details of event 13 from the summary: "From: " + dates line + ", Customer:" + name line.
QString cancelledDetails(const QString& datesLine, const QString& nameLine);

/// Leaves exactly one InvTemp row, copied from the booking in one transaction: every InvTemp column the
/// documents print, with CompanyID the Company row's, so the documents always find the company. False (nothing
/// changed) when the booking is gone or the database failed, with the reason in *error.
bool prepareInvoiceRows(const QSqlDatabase& db, int bookingId, QString* error = nullptr);

} // namespace BookingSummaryData
