#pragma once

#include "bookings/BookingRecord.h"
#include "people/Boats.h"

#include <QDateTime>
#include <optional>

/// The booking wizard's boat: which free berths fit it, in what order they are listed, and what it says of a
/// berth too small or an insurance that runs out during the stay. No window and no database.
namespace BoatFitting {

/// The berth's size as the fit rule reads it, in centimetres.
BerthFit::BerthSize sizeOf(const AvailableBerth& berth);

/// The berths the grid lists: without a boat, or with onlyFitting off, all of them as given; else the fitting
/// berths tightest first (ties in the given order), followed by any marked berth that does not fit, so a mark is
/// never hidden.
QList<AvailableBerth> listed(const QList<AvailableBerth>& free, const std::optional<BoatRecord>& boat, bool onlyFitting,
                             const QList<int>& marked);

/// The grid's fit column: "Yes", or "No: length, draft"; empty without a boat.
QString fitText(const std::optional<BoatRecord>& boat, const AvailableBerth& berth);

/// The marked berths the boat does not fit, each with the measures ("A3 (length, beam)"); empty when all fit.
QStringList misfitBerths(const BoatRecord& boat, const QList<AvailableBerth>& marked);

/// The question before booking a boat into berths too small for it.
QString misfitQuestion(const BoatRecord& boat, const QStringList& misfits);
/// What the event log keeps of the override: "Boat: Seaspray, 14.00 m", CR LF, "Does not fit: A3 (length)".
QString misfitDetails(const BoatRecord& boat, const QStringList& misfits);

/// What the confirmation page points out when the boat's insurance runs out before the departure; empty when it
/// does not (or no expiry is recorded).
QString insuranceWarning(const BoatRecord& boat, const QDateTime& departure);

} // namespace BoatFitting
