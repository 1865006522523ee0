#pragma once

#include "berths/BookingChart.h"
#include "berths/BookingChartAway.h"
#include "core/ui/Document.h"

#include <vector>

/// The booking chart on paper: the chart's berths over its days, landscape, one line a berth under the days'
/// headings, each stay a framed bar carrying its label, as many pages as the berths take. A period longer than
/// fits a page width legibly is printed in parts of at most MostDaysAcross days, one under the other.
namespace BookingChartPrint {

constexpr int MostDaysAcross = 31;

/// bars are the chart's bars of every row (BookingChart::bars over all rows); away the bands of holders' berths let
/// while they are away (BookingChartAway::read over all rows), printed as the screen shows them: a pale box with its
/// label on the days no visitor's bar covers.
Doc::Document document(const BookingChart& chart, const std::vector<BookingChart::Bar>& bars, const QString& title,
                       const std::vector<BookingChartAway::Mark>& away = {});

} // namespace BookingChartPrint
