#include "berths/BookingChartAway.h"

#include "bookings/HeldBerths.h"
#include "bookings/PeriodIndex.h"
#include "core/DateTimes.h"

#include <QCoreApplication>
#include <QPainter>

namespace BookingChartAway {

Result<std::vector<Mark>> read(const QSqlDatabase& db, const BookingChart& chart, int firstRow, int lastRow)
{
    std::vector<Mark> marks;
    if (chart.days() <= 0)
        return marks;
    const QDateTime from = DateTimes::wallTime(chart.first());
    const QDateTime to = DateTimes::wallTime(chart.first().addDays(chart.days()));
    const auto away = HeldBerths::awayOver(db, from, to);
    if (!away)
        return away.failure();
    const qint64 start = PeriodIndex::floorMinute(from);
    for (const HeldBerths::AwayBerth& a : *away) {
        const int row = chart.rowOf(a.berthId);
        if (row < firstRow || row > lastRow)
            continue;
        const auto [left, right] =
            BookingChart::span(PeriodIndex::floorMinute(a.from()), PeriodIndex::ceilMinute(a.to()), start);
        const QString back = DateTimes::dateText(a.returnDay);
        marks.push_back(
            {row, left, right, QCoreApplication::translate("BookingChart", "%1 away, back %2").arg(a.holder, back),
             QCoreApplication::translate("BookingChart",
                                         "Contract %1: %2 is away from %3 and back on %4. Free to let to visitors "
                                         "until noon that day; the berth stays the holder's.")
                 .arg(a.contractId)
                 .arg(a.holder, DateTimes::dateText(a.firstDay), back)});
    }
    return marks;
}

void paint(QPainter& p, const QRect& band, const QString& label)
{
    p.save();
    p.setPen(QPen(QColor(0x4a, 0x6f, 0xa5), 1, Qt::DashLine));
    p.setBrush(QColor(0xe4, 0xec, 0xf7));
    p.drawRect(band.adjusted(0, 0, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(QColor(0x9f, 0xb6, 0xd8), Qt::FDiagPattern));
    p.drawRect(band.adjusted(1, 1, -1, -1));
    p.setPen(QColor(0x27, 0x3f, 0x63));
    const QRect text = band.adjusted(4, 0, -2, 0);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, p.fontMetrics().elidedText(label, Qt::ElideRight, text.width()));
    p.restore();
}

} // namespace BookingChartAway
