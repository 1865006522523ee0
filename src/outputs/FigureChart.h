#pragma once

#include "outputs/HarbourFigures.h"

#include <QImage>
#include <QSize>

class QChart;

/// Draws a figure with Qt's chart library: bars (side by side or stacked, upright or across), lines over them on
/// the same axis, the categories along one axis and the values with their unit along the other.
namespace FigureChart {

/// A new chart of the figure; the caller (a chart view) takes ownership. A figure with an empty reason gives a chart
/// with only its title and the reason.
QChart* chart(const HarbourFigures::Figure& figure);

/// The chart drawn on a white picture of size pixels, for the printed figure.
QImage picture(const HarbourFigures::Figure& figure, const QSize& size);

} // namespace FigureChart
