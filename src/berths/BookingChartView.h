#pragma once

#include "berths/BookingChart.h"

#include <QAbstractScrollArea>
#include <QDate>

/// Paints a BookingChart: the berths' names down the left, weekday and date across the top (weekends shaded,
/// today marked), each booking a bar coloured by what is paid, and each day's berths taken along the foot. Only
/// the rows in view are painted; the window reads their bars when the rows or days in view change. The arrows
/// move the selected day and berth; Enter or a double-click on a bar opens its booking.
class BookingChartView final : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit BookingChartView(const BookingChart& chart, QWidget* parent = nullptr);

    /// The bars to paint (those of the rows in view), and today.
    void setBars(std::vector<BookingChart::Bar> bars);
    void setToday(const QDate& today) { m_today = today; }
    /// After the chart's rows or days changed: the scroll range follows, and the selection stays inside.
    void chartChanged();

    int firstVisibleRow() const;
    int lastVisibleRow() const;
    /// The selected berth row and day (0 = the window's first).
    int selectedRow() const { return m_selectedRow; }
    int selectedDay() const { return m_selectedDay; }
    void select(int row, int day);
    /// The booking of the bar under the selection, or 0.
    int selectedBooking() const;
    /// The bar under the selection, or nothing.
    const BookingChart::Bar* selectedBar() const;
    /// The bar at a point of the viewport, or nothing.
    const BookingChart::Bar* barAt(const QPoint& point) const;
    /// The viewport rectangle of a bar.
    QRect barRect(const BookingChart::Bar& bar) const;

    QSize sizeHint() const override;

signals:
    /// The rows in view changed (a scroll, a resize): their bars are wanted.
    void rowsInViewChanged();
    /// The selection went past the window's first or last day by this many days.
    void daysScrolled(int days);
    void bookingOpened(int bookingId);
    /// Ctrl+arrows move the selected bar by a day or a berth row, Shift+Left/Right end its stay a day sooner or
    /// later: the window works the move out and saves it.
    void moveAsked(const BookingChart::Bar& bar, int rows, int arrivalDays, int departureDays);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    int rowHeight() const;
    int headerHeight() const;
    int footerHeight() const;
    int nameWidth() const;
    double dayWidth() const;
    int visibleRows() const;
    int rowTop(int row) const;
    void paintHeader(QPainter& p) const;
    void paintRows(QPainter& p) const;
    void paintBars(QPainter& p) const;
    void paintFooter(QPainter& p) const;
    void ensureSelectedVisible();

    const BookingChart& m_chart;
    std::vector<BookingChart::Bar> m_bars;
    QDate m_today;
    int m_selectedRow = 0;
    int m_selectedDay = 0;
};
