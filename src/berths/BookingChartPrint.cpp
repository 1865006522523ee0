#include "berths/BookingChartPrint.h"

#include "core/DateTimes.h"

#include <QCoreApplication>
#include <algorithm>

namespace BookingChartPrint {
namespace {

constexpr double NameShare = 3; // the berth-name column, in days' widths
const Doc::Style RowStyle{.pointSize = 7.5, .spaceAfter = 1};

// A stay as a box, a block as a darker one, so the two tell apart in black and white.
QColor fillOf(const BookingChart::Bar& bar)
{
    return bar.blocked() ? QColor(0xb0, 0xb0, 0xb0) : QColor(0xe4, 0xe4, 0xe4);
}

Doc::Block dayHeadings(const BookingChart& chart, int firstDay, int days)
{
    QList<Doc::Cell> cells{{QCoreApplication::translate("BookingChartPrint", "Berth"), NameShare}};
    for (int day = firstDay; day < firstDay + days; ++day)
        cells << Doc::Cell{QString::number(chart.first().addDays(day).day()), 1, Qt::AlignHCenter};
    return Doc::row(cells, {.pointSize = 7.5, .bold = true, .spaceAfter = 1});
}

// A holder's berth free to let: paler than a stay, so the three tell apart in black and white.
const QColor AwayFill(0xf6, 0xf6, 0xf6);

// The days from..to where no bar stands: empty, but for the away bands over them.
void fillGap(QList<Doc::Cell>& cells, double from, double to, const std::vector<const BookingChartAway::Mark*>& away)
{
    double at = from;
    for (const BookingChartAway::Mark* mark : away) {
        const double start = std::max(mark->start, at);
        const double end = std::min(mark->end, to);
        if (end <= start)
            continue;
        if (start > at)
            cells << Doc::Cell{QString(), start - at};
        cells << Doc::Cell{mark->label, end - start, Qt::AlignLeft, AwayFill};
        at = end;
    }
    if (at < to)
        cells << Doc::Cell{QString(), to - at};
}

// One berth's line over days firstDay..firstDay+days: gaps and bars in order, a bar cut at the part's edges.
Doc::Block berthLine(const BookingChart::Row& berth, std::vector<const BookingChart::Bar*> bars,
                     std::vector<const BookingChartAway::Mark*> away, int firstDay, int days)
{
    std::sort(bars.begin(), bars.end(), [](const auto* a, const auto* b) { return a->start < b->start; });
    std::sort(away.begin(), away.end(), [](const auto* a, const auto* b) { return a->start < b->start; });
    QList<Doc::Cell> cells{{berth.name, NameShare}};
    const double last = firstDay + days;
    double at = firstDay;
    for (const BookingChart::Bar* bar : bars) {
        const double start = std::max(bar->start, at);
        const double end = std::min(bar->end, last);
        if (end <= start)
            continue;
        fillGap(cells, at, start, away);
        cells << Doc::Cell{bar->label, end - start, Qt::AlignLeft, fillOf(*bar)};
        at = end;
    }
    fillGap(cells, at, last, away);
    return Doc::row(cells, RowStyle);
}

} // namespace

Doc::Document document(const BookingChart& chart, const std::vector<BookingChart::Bar>& bars, const QString& title,
                       const std::vector<BookingChartAway::Mark>& away)
{
    Doc::Document doc;
    doc.title = title;
    doc.orientation = QPageLayout::Landscape;
    doc.marginsMm = {10, 10, 10, 10};
    const QString format = DateTimes::dateFormat();
    const QString period =
        QCoreApplication::translate("BookingChartPrint", "%1 to %2")
            .arg(chart.first().toString(format), chart.first().addDays(chart.days() - 1).toString(format));
    doc.reportHeader << Doc::text(title + QStringLiteral("  ") + period, {.pointSize = 12, .bold = true});
    doc.pageFooter << Doc::text(QCoreApplication::translate("BookingChartPrint", "Page %p of %P"),
                                {.pointSize = 7.5, .align = Qt::AlignRight});

    const int parts = std::max(1, (chart.days() + MostDaysAcross - 1) / MostDaysAcross);
    const int across = (chart.days() + parts - 1) / parts; // parts of an even width
    for (int part = 0; part < parts; ++part) {
        const int firstDay = part * across;
        const int days = std::min(across, chart.days() - firstDay);
        const Doc::Block headings = dayHeadings(chart, firstDay, days);
        if (parts == 1) {
            doc.pageHeader << headings << Doc::rule(0.5);
        } else {
            // Each part opens with its dates and days; a part longer than a page carries them only on its first.
            const QString from = chart.first().addDays(firstDay).toString(format);
            const QString to = chart.first().addDays(firstDay + days - 1).toString(format);
            doc.body << Doc::Record{
                Doc::space(6),
                Doc::text(QCoreApplication::translate("BookingChartPrint", "%1 to %2").arg(from, to), {.bold = true}),
                headings, Doc::rule(0.5)};
        }
        for (int row = 0; row < int(chart.rows().size()); ++row) {
            const BookingChart::Row& berth = chart.rows()[size_t(row)];
            if (berth.heading) {
                doc.body << Doc::Record{Doc::text(berth.name, {.pointSize = 8, .bold = true, .spaceAfter = 1})};
                continue;
            }
            std::vector<const BookingChart::Bar*> own;
            for (const BookingChart::Bar& bar : bars)
                if (bar.row == row)
                    own.push_back(&bar);
            std::vector<const BookingChartAway::Mark*> gone;
            for (const BookingChartAway::Mark& mark : away)
                if (mark.row == row)
                    gone.push_back(&mark);
            doc.body << Doc::Record{berthLine(berth, own, gone, firstDay, days)};
        }
    }
    return doc;
}

} // namespace BookingChartPrint
