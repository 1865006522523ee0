#pragma once

#include "berths/BookingChart.h"

#include <QRect>
#include <vector>

class QPainter;

/// The booking chart's marks for a holder's berth let while they are away: behind the bars, on the days the holder
/// is gone, a pale band edged in the held berths' slate blue, so the clerk sees the berth is free to let but a
/// holder's, and until when.
namespace BookingChartAway {

struct Mark
{
    int row = 0;
    double start = 0; // days from the chart's first, in halves, as a bar's
    double end = 0;
    QString label; // on the band where no visitor's bar covers it
    QString tip;
};

/// The marks of rows firstRow..lastRow over the chart's window, as read.
Result<std::vector<Mark>> read(const QSqlDatabase& db, const BookingChart& chart, int firstRow, int lastRow);

/// Paints one mark's band with its label, cut to fit.
void paint(QPainter& p, const QRect& band, const QString& label);

} // namespace BookingChartAway
