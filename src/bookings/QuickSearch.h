#pragma once

#include "core/Result.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// The main window's quick search: from one line of text, the bookings and customers it names, in one list. A
/// confirmation number finds its booking; a berth's name the bookings in it from today on; part of a boat's name
/// the latest bookings of those boats; words of a name (or town, phone, e-mail: the customer search's any part)
/// the customers and their latest bookings. What is typed is only ever a bound value, and "%", "_" and quotes are
/// sought as themselves.
namespace QuickSearch {

struct Hit
{
    enum class Kind
    {
        Booking,
        Customer
    };
    Kind kind = Kind::Booking;
    int id = 0;   // the booking's or the customer's
    QString text; // the line the list shows
    bool operator==(const Hit&) const = default;
};

/// The most lines the list shows, and of them the most for each way of finding.
inline constexpr int MostHits = 60;
inline constexpr int MostOfOneKind = 15;

/// Whatever typed finds, bookings found by number, berth and boat first, then each customer with their bookings;
/// none for text with nothing to search (blank, or one letter that is no number or berth). today: where a berth's
/// bookings start.
Result<QList<Hit>> find(const QSqlDatabase& db, const QString& typed, const QDate& today);

} // namespace QuickSearch
