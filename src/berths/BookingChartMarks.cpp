#include "berths/BookingChartMarks.h"

#include <QPainter>
#include <algorithm>

namespace BookingChartMarks {
namespace {
void paintHeld(QPainter& p, const QRect& bar, const QPen& outline)
{
    p.setPen(outline);
    p.setBrush(QColor(0x9f, 0xb6, 0xd8));
    p.drawRect(bar);
    p.fillRect(QRect(bar.left() + 1, bar.top() + 1, bar.width() - 1, std::max(2, bar.height() / 6)),
               QColor(0x4a, 0x6f, 0xa5));
}
} // namespace

QColor paidColour(BookingChart::Paid paid)
{
    switch (paid) {
    case BookingChart::Paid::Paid:
        return QColor(0x7c, 0xc4, 0x7f);
    case BookingChart::Paid::Part:
        return QColor(0xf2, 0xc1, 0x4e);
    case BookingChart::Paid::Unpaid:
        break;
    }
    return QColor(0xe8, 0x83, 0x7a);
}

void paintBlock(QPainter& p, const QRect& bar, const QPen& outline, bool held)
{
    if (held) {
        paintHeld(p, bar, outline);
        return;
    }
    p.setPen(outline);
    p.setBrush(QColor(0xD8, 0xD8, 0xD8));
    p.drawRect(bar);
    p.setBrush(QBrush(QColor(0x80, 0x80, 0x80), Qt::BDiagPattern));
    p.drawRect(bar);
}

void paintBar(QPainter& p, const QRect& rect, const BookingChart::Bar& bar, bool selected, const QColor& highlight)
{
    if (bar.blocked()) {
        paintBlock(p, rect, selected ? QPen(highlight, 2) : QPen(QColor(0x60, 0x60, 0x60)), bar.held);
        return;
    }
    QPen pen = selected ? QPen(highlight, 2) : QPen(paidColour(bar.paid).darker(140));
    if (bar.toMove && !selected)
        pen = QPen(QColor(0xC0, 0x00, 0x00), 2, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(paidColour(bar.paid));
    p.drawRoundedRect(rect, 3, 3);
    paintStay(p, rect, bar.stay);
}

void paintStay(QPainter& p, const QRect& bar, CheckIn::Stay stay)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (stay) {
    case CheckIn::Stay::Expected:
        break;
    case CheckIn::Stay::Arrived: {
        // In the harbour: a solid edge where the guest came in, wide enough to see on a half-day bar.
        const int width = qBound(2, bar.width() / 8, 4);
        p.fillRect(QRect(bar.left(), bar.top(), width, bar.height()), QColor(0x1a, 0x2f, 0x6b));
        break;
    }
    case CheckIn::Stay::Departed:
        // Gone: the paid colour shows through a white veil, the outline dashed.
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(QColor(0xff, 0xff, 0xff), Qt::Dense5Pattern));
        p.drawRect(bar);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bar.adjusted(0, 0, -1, -1));
        break;
    case CheckIn::Stay::NoShow:
        p.setPen(QPen(QColor(0x90, 0x10, 0x10), 2));
        p.drawLine(bar.topLeft(), bar.bottomRight());
        p.drawLine(bar.bottomLeft(), bar.topRight());
        break;
    }
    p.restore();
}

void paintTarget(QPainter& p, const QList<QRect>& outlines, const QString& clash, const QBrush& labelBack)
{
    const QColor colour = clash.isEmpty() ? QColor(0x2e, 0x7d, 0x32) : QColor(0xc6, 0x28, 0x28);
    QColor fill = colour;
    fill.setAlpha(60);
    p.setPen(QPen(colour, 2, Qt::DashLine));
    p.setBrush(fill);
    for (const QRect& outline : outlines)
        p.drawRoundedRect(outline, 3, 3);
    if (clash.isEmpty() || outlines.isEmpty())
        return;
    const QFontMetrics metrics = p.fontMetrics();
    const QRect label(outlines.last().left(), outlines.last().bottom() + 2, metrics.horizontalAdvance(clash) + 8,
                      metrics.height() + 4);
    p.fillRect(label, labelBack);
    p.setPen(colour);
    p.drawText(label, Qt::AlignCenter, clash);
}

} // namespace BookingChartMarks
