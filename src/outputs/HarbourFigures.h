#pragma once

#include "bookings/BookingFigures.h"
#include "core/Result.h"
#include "core/ui/Document.h"
#include "outputs/CsvExport.h"

#include <QDate>
#include <QImage>
#include <QSqlDatabase>
#include <QStringList>

/// The harbour's figures as the report manager and the Today window draw them: a chart's categories and series
/// with the table printed beneath it, built from the bookings' read side. No widgets: the chart is drawn from a
/// Figure by FigureChart, and printed through the document renderer like every other report.
namespace HarbourFigures {

enum class Kind
{
    Occupancy,     // nights sold ÷ nights available, all berths and by berth type, per day, week or month
    Revenue,       // hire, other charges and tax of the bookings arriving in each month
    Stays,         // average length of stay and lead time of the bookings arriving in each month
    BusiestBerths, // the berths with the most nights sold
    MeterUse,      // what the meters counted, electricity and water, by the month of the later reading
};

/// One set of values over the figure's categories.
struct Series
{
    QString name;
    QList<double> values;
};

struct Figure
{
    QString title;   // "Occupancy"
    QString heading; // the period and its step, as the reader is told
    QString unit;    // the value axis: "%", "nights", "days" or the currency symbol
    QStringList categories;
    QList<Series> bars;
    bool stacked = false;    // the bars of one category stand on each other
    QList<Series> lines;     // drawn over the bars, on the same axis
    bool horizontal = false; // bars across (berth names down the side)
    QString emptyReason;     // why nothing is drawn; empty when there is something
    QStringList columns;     // the printed table: its header
    QList<QStringList> rows; // and one row per category
    CsvExport::Table file;   // the same numbers for a spreadsheet: each step's first and last day, plain values
};

struct Request
{
    Kind kind = Kind::Occupancy;
    QDate first;
    QDate last;
    BookingFigures::Step step = BookingFigures::Step::Month;
};

/// The most steps one chart draws: past it the bars would be thinner than a line.
inline constexpr int MaximumSteps = 400;
inline constexpr int MaximumYears = 50;
/// The number of berths the busiest-berths figure shows.
inline constexpr int BusiestCount = 20;

/// What is wrong with a request's period, as the person is told; empty when it can be drawn.
QString periodProblem(const Request& request);

/// Reads and lays out one figure. A Refused failure for a period periodProblem refuses.
Result<Figure> build(const QSqlDatabase& db, const Request& request);

/// The Today window's chart: the berths taken for each night of the 14 days from today, of the berths active now.
Result<Figure> fortnight(const QSqlDatabase& db, const QDate& today);

/// The printed figure: title, heading, the chart's picture (when there is one), the reason it is empty, the table.
Doc::Document document(const Figure& figure, const QImage& chart);

/// The texts the Today window lists a booking with: time (or, with withDate, date and time), customer, berths,
/// boat and balance.
QStringList lineTexts(const BookingFigures::Line& line, const QDateTime& when, bool withDate);

} // namespace HarbourFigures
