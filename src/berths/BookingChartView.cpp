#include "berths/BookingChartView.h"

#include "berths/BookingChartMarks.h"
#include "core/DateTimes.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <cmath>

BookingChartView::BookingChartView(const BookingChart& chart, QWidget* parent)
    : QAbstractScrollArea(parent), m_chart(chart)
{
    setObjectName(QStringLiteral("grdChart"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(1);
}

QSize BookingChartView::sizeHint() const
{
    return {nameWidth() + 30 * 28, headerHeight() + footerHeight() + 20 * rowHeight()};
}

int BookingChartView::rowHeight() const
{
    return fontMetrics().height() + 8;
}
int BookingChartView::headerHeight() const
{
    return 2 * fontMetrics().height() + 8;
}
int BookingChartView::footerHeight() const
{
    return fontMetrics().height() + 8;
}
int BookingChartView::nameWidth() const
{
    return fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12;
}
double BookingChartView::dayWidth() const
{
    const int days = qMax(1, m_chart.days());
    return qMax(8.0, double(viewport()->width() - nameWidth()) / days);
}
int BookingChartView::visibleRows() const
{
    return qMax(1, (viewport()->height() - headerHeight() - footerHeight()) / rowHeight());
}
int BookingChartView::firstVisibleRow() const
{
    return verticalScrollBar()->value();
}
int BookingChartView::lastVisibleRow() const
{
    return qMin(int(m_chart.rows().size()) - 1, firstVisibleRow() + visibleRows() - 1);
}
int BookingChartView::rowTop(int row) const
{
    return headerHeight() + (row - firstVisibleRow()) * rowHeight();
}

void BookingChartView::setBars(std::vector<BookingChart::Bar> bars, std::vector<BookingChartAway::Mark> away)
{
    m_bars = std::move(bars);
    m_away = std::move(away);
    viewport()->update();
}

void BookingChartView::chartChanged()
{
    const int rows = int(m_chart.rows().size());
    verticalScrollBar()->setRange(0, qMax(0, rows - visibleRows()));
    verticalScrollBar()->setPageStep(visibleRows());
    select(m_selectedRow, m_selectedDay);
}

void BookingChartView::select(int row, int day)
{
    const int rows = int(m_chart.rows().size());
    m_selectedRow = qBound(0, row, qMax(0, rows - 1));
    // Heading rows hold no berth: the selection steps over them in the direction it moved.
    const int step = row < m_selectedRow ? 1 : (row > m_selectedRow ? -1 : 1);
    while (rows > 0 && m_chart.rows()[size_t(m_selectedRow)].heading) {
        const int next = m_selectedRow + step;
        if (next < 0 || next >= rows)
            break;
        m_selectedRow = next;
    }
    m_selectedDay = qBound(0, day, qMax(0, m_chart.days() - 1));
    ensureSelectedVisible();
    viewport()->update();
}

void BookingChartView::ensureSelectedVisible()
{
    if (m_selectedRow < firstVisibleRow())
        verticalScrollBar()->setValue(m_selectedRow);
    else if (m_selectedRow > firstVisibleRow() + visibleRows() - 1)
        verticalScrollBar()->setValue(m_selectedRow - visibleRows() + 1);
}

const BookingChart::Bar* BookingChartView::selectedBar() const
{
    const double middle = m_selectedDay + 0.5;
    for (const BookingChart::Bar& bar : m_bars) {
        if (bar.row == m_selectedRow && bar.start < middle + 0.5 && bar.end > middle - 0.5)
            return &bar;
    }
    return nullptr;
}

int BookingChartView::selectedBooking() const
{
    const BookingChart::Bar* bar = selectedBar();
    return bar ? bar->bookingId : 0;
}

QRect BookingChartView::barRect(const BookingChart::Bar& bar) const
{
    return spanRect(bar.row, bar.start, bar.end);
}
QRect BookingChartView::spanRect(int row, double start, double end) const
{
    const double width = dayWidth();
    const int left = nameWidth() + int(std::lround(qMax(start, -1.0) * width));
    const int right = nameWidth() + int(std::lround(qMin(end, double(m_chart.days()) + 1) * width));
    const int top = rowTop(row) + 3;
    return {left + 1, top, qMax(2, right - left - 2), rowHeight() - 6};
}

QRect BookingChartView::cellRect(int row, int day) const
{
    const double width = dayWidth();
    return {nameWidth() + int(day * width), rowTop(row), int(width), rowHeight()};
}

const BookingChart::Bar* BookingChartView::barAt(const QPoint& point) const
{
    for (const BookingChart::Bar& bar : m_bars) {
        if (barRect(bar).contains(point))
            return &bar;
    }
    return nullptr;
}

void BookingChartView::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    m_text.setFont(font());
    p.fillRect(viewport()->rect(), palette().base());
    paintRows(p);
    paintBars(p);
    paintDrag(p);
    paintHeader(p);
    paintFooter(p);
}

void BookingChartView::paintDrag(QPainter& p) const
{
    if (!m_drag || !m_drag->started)
        return;
    const Drag& drag = *m_drag;
    QList<QRect> outlines;
    const auto outline = [&](int row, double start, double end) {
        if (row >= firstVisibleRow() && row <= lastVisibleRow())
            outlines << spanRect(row, start, end);
    };
    if (drag.mode == Drag::Mode::Stay) {
        outline(drag.pressedRow, qMin(drag.pressedDay, drag.departureDays) + 0.5,
                qMax(drag.pressedDay + 1, drag.departureDays) + 0.5);
    } else if (!drag.outside) {
        // Every berth of the booking follows the days; the one dragged goes to the row under the pointer.
        for (const BookingChart::Bar& bar : m_bars) {
            if (bar.bookingId == drag.bar.bookingId)
                outline(bar.row == drag.bar.row ? drag.toRow : bar.row, bar.start + drag.arrivalDays,
                        bar.end + drag.departureDays);
        }
    }
    p.save();
    p.setClipRect(QRect(nameWidth(), headerHeight(), viewport()->width() - nameWidth(),
                        viewport()->height() - headerHeight() - footerHeight()));
    BookingChartMarks::paintTarget(p, outlines, drag.clash, palette().toolTipBase());
    p.restore();
}

void BookingChartView::paintHeader(QPainter& p) const
{
    const double width = dayWidth();
    const QRect band(0, 0, viewport()->width(), headerHeight());
    p.fillRect(band, palette().button());
    p.setPen(palette().buttonText().color());
    const QLocale locale = DateTimes::namesLocale();
    for (int d = 0; d < m_chart.days(); ++d) {
        const QDate day = m_chart.first().addDays(d);
        const QRect cell(nameWidth() + int(d * width), 0, int(width), headerHeight());
        if (day == m_today)
            p.fillRect(cell, palette().highlight().color().lighter(160));
        const bool narrow = width < fontMetrics().horizontalAdvance(QStringLiteral("Wed")) + 4;
        const QString weekday = narrow ? locale.dayName(day.dayOfWeek(), QLocale::NarrowFormat)
                                       : locale.dayName(day.dayOfWeek(), QLocale::ShortFormat);
        m_text.draw(p, cell.adjusted(0, 2, 0, -cell.height() / 2), Qt::AlignCenter, weekday);
        m_text.draw(p, cell.adjusted(0, cell.height() / 2, 0, -2), Qt::AlignCenter, QString::number(day.day()));
        p.drawLine(cell.topLeft(), cell.bottomLeft());
    }
    const QString month = locale.toString(m_chart.first(), QStringLiteral("MMMM yyyy"));
    p.drawText(QRect(4, 0, nameWidth() - 8, headerHeight()), Qt::AlignVCenter | Qt::AlignLeft, month);
    p.drawLine(0, headerHeight() - 1, viewport()->width(), headerHeight() - 1);
}

void BookingChartView::paintRows(QPainter& p) const
{
    const double width = dayWidth();
    const int bottom = viewport()->height() - footerHeight();
    // Weekends and today down the whole height.
    for (int d = 0; d < m_chart.days(); ++d) {
        const QDate day = m_chart.first().addDays(d);
        const QRect column(nameWidth() + int(d * width), headerHeight(), int(width), bottom - headerHeight());
        if (day == m_today)
            p.fillRect(column, palette().highlight().color().lighter(180));
        else if (day.dayOfWeek() >= 6)
            p.fillRect(column, palette().alternateBase());
    }
    QPen grid(palette().mid().color());
    for (int row = firstVisibleRow(); row <= lastVisibleRow(); ++row) {
        const BookingChart::Row& r = m_chart.rows()[size_t(row)];
        const QRect line(0, rowTop(row), viewport()->width(), rowHeight());
        const QRect name(4, line.top(), nameWidth() - 8, line.height());
        if (r.heading) {
            p.fillRect(line, palette().window());
            QFont bold = font();
            bold.setBold(true);
            p.setFont(bold);
            p.setPen(palette().windowText().color());
            p.drawText(name.adjusted(0, 0, viewport()->width(), 0), Qt::AlignVCenter | Qt::AlignLeft, r.name);
            p.setFont(font());
        } else {
            if (!r.active)
                p.fillRect(line, palette().window().color().darker(110));
            p.setPen(r.active ? palette().text().color() : palette().placeholderText().color());
            const QString length = r.length ? QLocale().toString(*r.length, 'f', 1) + QStringLiteral(" m") : QString();
            m_text.draw(p, name, Qt::AlignVCenter | Qt::AlignLeft, m_text.elided(r.name, name.width() - 40));
            m_text.draw(p, name, Qt::AlignVCenter | Qt::AlignRight, length);
        }
        p.setPen(grid);
        p.drawLine(line.bottomLeft(), line.bottomRight());
    }
    p.drawLine(nameWidth() - 1, headerHeight(), nameWidth() - 1, bottom);
    // The selected day of the selected berth.
    if (!m_chart.rows().empty() && m_selectedRow >= firstVisibleRow() && m_selectedRow <= lastVisibleRow()) {
        const QRect cell = cellRect(m_selectedRow, m_selectedDay);
        QPen pen(palette().highlight().color(), hasFocus() ? 2 : 1);
        p.setPen(pen);
        p.drawRect(cell.adjusted(1, 1, -2, -2));
    }
}

void BookingChartView::paintBars(QPainter& p) const
{
    p.save();
    p.setClipRect(QRect(nameWidth(), headerHeight(), viewport()->width() - nameWidth(),
                        viewport()->height() - headerHeight() - footerHeight()));
    const auto inView = [this](int row) { return row >= firstVisibleRow() && row <= lastVisibleRow(); };
    for (const BookingChartAway::Mark& a : m_away)
        if (inView(a.row))
            BookingChartAway::paint(p, spanRect(a.row, a.start, a.end), a.label);
    for (const BookingChart::Bar& bar : m_bars) {
        if (!inView(bar.row))
            continue;
        const QRect rect = barRect(bar);
        BookingChartMarks::paintBar(p, rect, bar, bar.bookingId == selectedBooking(), palette().highlight().color());
        // The name starts where the bar comes into view, so a stay from before the first day still shows it.
        const QRect text =
            rect.adjusted(4, 0, -2, 0)
                .intersected(QRect(nameWidth() + 4, rect.top(), viewport()->width() - nameWidth() - 4, rect.height()));
        p.setPen(Qt::black);
        m_text.draw(p, text, Qt::AlignVCenter | Qt::AlignLeft, m_text.elided(bar.label, text.width()));
    }
    p.restore();
}

void BookingChartView::paintFooter(QPainter& p) const
{
    const double width = dayWidth();
    const QRect band(0, viewport()->height() - footerHeight(), viewport()->width(), footerHeight());
    p.fillRect(band, palette().button());
    p.setPen(palette().buttonText().color());
    p.drawText(band.adjusted(4, 0, 0, 0).intersected(QRect(0, band.top(), nameWidth(), band.height())),
               Qt::AlignVCenter | Qt::AlignLeft, tr("Taken of %1").arg(m_chart.activeBerths()));
    for (int d = 0; d < m_chart.days(); ++d) {
        const QRect cell(nameWidth() + int(d * width), band.top(), int(width), band.height());
        const int percent = m_chart.percentTakenOn(d);
        const QString full = tr("%1 (%2 %)").arg(m_chart.takenOn(d)).arg(percent);
        const QString text = m_text.width(full) < cell.width() ? full : QString::number(percent);
        m_text.draw(p, cell, Qt::AlignCenter, text);
    }
    p.drawLine(band.topLeft(), band.topRight());
}

void BookingChartView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    chartChanged();
    emit rowsInViewChanged();
}

void BookingChartView::scrollContentsBy(int, int)
{
    viewport()->update();
    emit rowsInViewChanged();
}

void BookingChartView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const BookingChart::Bar* bar = selectedBar();
    if (bar && (modifiers == Qt::ControlModifier || modifiers == Qt::ShiftModifier)) {
        const bool move = modifiers == Qt::ControlModifier;
        int rows = 0, arrival = 0, departure = 0;
        switch (event->key()) {
        case Qt::Key_Left:
            departure = -1;
            arrival = move ? -1 : 0;
            break;
        case Qt::Key_Right:
            departure = 1;
            arrival = move ? 1 : 0;
            break;
        case Qt::Key_Up:
            rows = move ? -1 : 0;
            break;
        case Qt::Key_Down:
            rows = move ? 1 : 0;
            break;
        default:
            break;
        }
        if (rows != 0 || departure != 0) {
            const BookingChart::Bar moved = *bar; // the bars are replaced while the move is saved
            // Up and down go to the next berth the booking fits, past the taken ones.
            const int toRow = rows == 0 ? moved.row : m_chart.freeRowFor(moved, rows);
            if (toRow >= 0)
                emit moveAsked(moved, toRow, arrival, departure);
            else
                emit dropRefused(rows < 0 ? tr("No berth above this one is free for these days.")
                                          : tr("No berth below this one is free for these days."));
            event->accept();
            return;
        }
    }
    if (event->key() == Qt::Key_Escape && m_drag) {
        // Esc drops the drag: the bar stays where it was.
        m_drag.reset();
        unsetCursor();
        viewport()->update();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Undo)) {
        emit undoAsked();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        if (bar) {
            const BookingChart::Bar cancelled = *bar;
            emit cancelAsked(cancelled);
        }
        event->accept();
        return;
    }
    const int pageRows = qMax(1, visibleRows() - 1);
    int row = m_selectedRow;
    int day = m_selectedDay;
    switch (event->key()) {
    case Qt::Key_Left:
        --day;
        break;
    case Qt::Key_Right:
        ++day;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_PageUp:
        row -= pageRows;
        break;
    case Qt::Key_PageDown:
        row += pageRows;
        break;
    case Qt::Key_Home:
        day = 0;
        break;
    case Qt::Key_End:
        day = m_chart.days() - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (const int booking = selectedBooking())
            emit bookingOpened(booking);
        event->accept();
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    // Past either end of the window the days move under the selection.
    if (day < 0 || day >= m_chart.days()) {
        const int by = day < 0 ? day : day - (m_chart.days() - 1);
        emit daysScrolled(by);
        day = qBound(0, day, m_chart.days() - 1);
    }
    select(row, day);
}

int BookingChartView::rowAtY(int y) const
{
    const int offset = y - headerHeight();
    return firstVisibleRow() + (offset >= 0 ? offset / rowHeight() : -1);
}

int BookingChartView::dayAtX(int x) const
{
    return int(std::floor((x - nameWidth()) / dayWidth()));
}

void BookingChartView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_drag.reset();
    if (at.x() >= nameWidth() && at.y() >= headerHeight() && at.y() < viewport()->height() - footerHeight()) {
        const int row = rowAtY(at.y());
        const int day = dayAtX(at.x());
        select(row, day);
        if (event->button() == Qt::LeftButton && row < int(m_chart.rows().size())) {
            Drag drag;
            drag.pressedAt = at;
            drag.pressedRow = row;
            drag.pressedDay = day;
            drag.toRow = row;
            if (const BookingChart::Bar* bar = barAt(at)) {
                drag.bar = *bar;
                // An end within a few pixels, and inside the window, changes the stay; the middle moves it.
                const QRect rect = barRect(*bar);
                const int grip = qMax(3, qMin(6, rect.width() / 4));
                if (bar->start >= 0 && at.x() < rect.left() + grip)
                    drag.mode = Drag::Mode::Arrival;
                else if (bar->end <= m_chart.days() && at.x() > rect.right() - grip)
                    drag.mode = Drag::Mode::Departure;
                m_drag = drag;
            } else if (!m_chart.rows()[size_t(row)].heading) {
                drag.mode = Drag::Mode::Stay;
                drag.departureDays = day;
                m_drag = drag;
            }
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void BookingChartView::dragTo(const QPoint& point)
{
    Drag& drag = *m_drag;
    const QRect days(nameWidth(), headerHeight(), viewport()->width() - nameWidth(),
                     viewport()->height() - headerHeight() - footerHeight());
    const int row = rowAtY(point.y());
    drag.outside = !days.contains(point) || row >= int(m_chart.rows().size());
    const int byDays = int(std::lround((point.x() - drag.pressedAt.x()) / dayWidth()));
    switch (drag.mode) {
    case Drag::Mode::Move:
        drag.toRow = drag.outside ? drag.bar.row : row;
        drag.arrivalDays = drag.departureDays = byDays;
        drag.clash = m_chart.clashOfMove(drag.bar, drag.toRow, byDays, byDays);
        break;
    case Drag::Mode::Arrival:
        drag.arrivalDays = byDays;
        drag.clash = m_chart.clashOfMove(drag.bar, drag.bar.row, byDays, 0);
        break;
    case Drag::Mode::Departure:
        drag.departureDays = byDays;
        drag.clash = m_chart.clashOfMove(drag.bar, drag.bar.row, 0, byDays);
        break;
    case Drag::Mode::Stay: {
        drag.departureDays = qBound(0, dayAtX(point.x()), m_chart.days() - 1);
        const int from = qMin(drag.pressedDay, drag.departureDays);
        const int to = qMax(drag.pressedDay + 1, drag.departureDays);
        drag.clash = m_chart.clashOfStay(drag.pressedRow, from, to);
        break;
    }
    }
    if (drag.outside)
        drag.clash = tr("Drop it on a berth and days of the chart.");
}

void BookingChartView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!m_drag || !(event->buttons() & Qt::LeftButton)) {
        // The ends of a bar take the pointer that stretches.
        const BookingChart::Bar* bar = barAt(at);
        const QRect rect = bar ? barRect(*bar) : QRect();
        const bool onEnd = bar && (at.x() < rect.left() + 4 || at.x() > rect.right() - 4);
        if (onEnd)
            viewport()->setCursor(Qt::SizeHorCursor);
        else
            viewport()->unsetCursor();
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    if (!m_drag->started) {
        if ((at - m_drag->pressedAt).manhattanLength() < QApplication::startDragDistance())
            return;
        m_drag->started = true;
        if (m_drag->mode == Drag::Mode::Move)
            viewport()->setCursor(Qt::ClosedHandCursor);
    }
    dragTo(at);
    viewport()->update();
}

void BookingChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_drag || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const Drag drag = *m_drag;
    m_drag.reset();
    viewport()->unsetCursor();
    viewport()->update();
    if (!drag.started)
        return;
    if (drag.outside) {
        emit dropRefused(drag.clash);
        return;
    }
    if (drag.mode == Drag::Mode::Stay) {
        emit stayAsked(drag.pressedRow, qMin(drag.pressedDay, drag.departureDays),
                       qMax(drag.pressedDay + 1, drag.departureDays));
        return;
    }
    if (drag.toRow != drag.bar.row || drag.arrivalDays != 0 || drag.departureDays != 0)
        emit moveAsked(drag.bar, drag.toRow, drag.arrivalDays, drag.departureDays);
}

void BookingChartView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (const BookingChart::Bar* bar = barAt(event->position().toPoint()))
        emit bookingOpened(bar->bookingId);
}

bool BookingChartView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::hideText();
        if (const BookingChart::Bar* bar = barAt(help->pos()))
            QToolTip::showText(help->globalPos(), bar->tip, viewport(), barRect(*bar));
        else
            for (const BookingChartAway::Mark& a : m_away)
                if (const QRect band = spanRect(a.row, a.start, a.end); band.contains(help->pos()))
                    QToolTip::showText(help->globalPos(), a.tip, viewport(), band);
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}
