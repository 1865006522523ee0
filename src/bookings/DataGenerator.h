#pragma once

#include "core/Result.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

/// Realistic made-up harbour data for the demonstration database and the benchmarks: customers, owners,
/// berths of several types and bookings that never overlap on a berth. The same seed gives the same data.
namespace DataGenerator {

struct Sizes
{
    int customers = 150;
    int owners = 12;
    int berths = 40;
    int bookings = 600;
    QDate from;  // first arrival day
    QDate until; // last departure day
    quint32 seed = 20261204;
};

/// The demonstration harbour: about 40 berths, 150 customers, 600 bookings from six months back to six ahead.
Sizes demoSizes(const QDate& today);

/// A large harbour in its busy season throughout: berths berths, bookings bookings from `from` on, about seven
/// berths in ten taken in any one week; 20,000 customers.
Sizes busyHarbour(int berths, int bookings, const QDate& from);

/// Adds customers only (the customer list and search benchmarks).
Status generateCustomers(const QSqlDatabase& db, int count, quint32 seed);

/// Adds everything in Sizes to db in one transaction (prepared statements); a failure leaves db as it was.
Status generate(const QSqlDatabase& db, const Sizes& sizes);

} // namespace DataGenerator
