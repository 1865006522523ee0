#pragma once

#include "bookings/CheckIn.h"

#include <QPen>
#include <QRect>

class QPainter;

/// How a bar of the booking chart says more than its paid colour: a berth block hatched grey, and where its guest
/// stands — checked in with a solid dark edge at the arrival's end, checked out faded behind a fine dotted veil
/// with a dashed outline, a no-show crossed out. Drawn over the bar's colour, under its label.
namespace BookingChartMarks {

void paintBlock(QPainter& p, const QRect& bar, const QPen& outline);
/// Nothing for an expected guest.
void paintStay(QPainter& p, const QRect& bar, CheckIn::Stay stay);

} // namespace BookingChartMarks
