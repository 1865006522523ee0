#pragma once

#include <QDate>
#include <QString>

/// The generated databases the benchmarks share: 2,000 berths, 20,000 customers and a booking history.
namespace BenchData {

/// Every history ends here; a longer history starts earlier.
inline const QDate HistoryEnd(2027, 1, 1);
inline QDate HistoryStart(int years)
{
    return HistoryEnd.addYears(-years);
}

/// A generated database of 2,000 berths and `bookings` bookings over `years` years, made once and kept in the
/// temp folder (generating two million bookings takes minutes).
QString GeneratedDatabase(int bookings, int years);

} // namespace BenchData
