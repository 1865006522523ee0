#pragma once

#include "berths/BookingChart.h"
#include "bookings/CheckIn.h"

#include <QBrush>
#include <QColor>
#include <QList>
#include <QPen>
#include <QRect>

class QPainter;

/// How a bar of the booking chart says more than its paid colour: a berth block hatched grey, and where its guest
/// stands — checked in with a solid dark edge at the arrival's end, checked out faded behind a fine dotted veil
/// with a dashed outline, a no-show crossed out. Drawn over the bar's colour, under its label.
namespace BookingChartMarks {

/// What is paid, as the bar's colour shows it: green paid, amber part paid, red unpaid.
QColor paidColour(BookingChart::Paid paid);

/// A block hatched grey; a berth a contract holds (held) slate blue with a darker band along its top.
void paintBlock(QPainter& p, const QRect& bar, const QPen& outline, bool held = false);
/// A bar as the chart shows it: a block's or a booking's (coloured by what is paid, with where its guest stands),
/// outlined in highlight when selected and dashed red when a block was confirmed over it.
void paintBar(QPainter& p, const QRect& rect, const BookingChart::Bar& bar, bool selected, const QColor& highlight);
/// Nothing for an expected guest.
void paintStay(QPainter& p, const QRect& bar, CheckIn::Stay stay);
/// Where a dragged bar would land: each outline dashed green where it fits, red where something is in the way, and
/// then the reason (clash) on a label of labelBack under the last outline.
void paintTarget(QPainter& p, const QList<QRect>& outlines, const QString& clash, const QBrush& labelBack);

} // namespace BookingChartMarks
