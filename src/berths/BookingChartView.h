#pragma once

#include "berths/BookingChart.h"
#include "berths/BookingChartAway.h"
#include "berths/BookingChartText.h"

#include <QAbstractScrollArea>
#include <QDate>
#include <optional>

/// Paints a BookingChart: the berths' names down the left, weekday and date across the top (weekends shaded,
/// today marked), each booking a bar coloured by what is paid, and each day's berths taken along the foot. Only
/// the rows in view are painted; the window reads their bars when the rows or days in view change. The arrows
/// move the selected day and berth; Enter or a double-click on a bar opens its booking. A bar dragged by its middle
/// moves to other days or another berth, by either end changes its stay; a drag across free days of a berth asks
/// for a new stay there. While dragging, the bar's outline at the target says whether it fits.
class BookingChartView final : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit BookingChartView(const BookingChart& chart, QWidget* parent = nullptr);

    /// The bars to paint (those of the rows in view), the away holders' bands behind them, and today.
    void setBars(std::vector<BookingChart::Bar> bars, std::vector<BookingChartAway::Mark> away = {});
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
    /// The viewport rectangle of a bar, and of a berth row's day.
    QRect barRect(const BookingChart::Bar& bar) const;
    QRect cellRect(int row, int day) const;
    const std::vector<BookingChart::Bar>& bars() const { return m_bars; }
    const std::vector<BookingChartAway::Mark>& away() const { return m_away; }

    QSize sizeHint() const override;

signals:
    /// The rows in view changed (a scroll, a resize): their bars are wanted.
    void rowsInViewChanged();
    /// The selection went past the window's first or last day by this many days.
    void daysScrolled(int days);
    void bookingOpened(int bookingId);
    /// A bar dropped elsewhere, or Ctrl+arrows (a day or a berth) and Shift+Left/Right (the stay a day shorter or
    /// longer) on the selected one: the window works the move out and saves it.
    void moveAsked(const BookingChart::Bar& bar, int toRow, int arrivalDays, int departureDays);
    /// A drag across days of a berth: a new stay there, arriving on day fromDay and leaving on day toDay.
    void stayAsked(int row, int fromDay, int toDay);
    /// A bar dragged out of the chart, or Ctrl+Up/Down with no berth free that way: nothing moves, and the person
    /// is told why.
    void dropRefused(const QString& why);
    /// Delete on the selected bar: the window asks and cancels the booking.
    void cancelAsked(const BookingChart::Bar& bar);
    /// Ctrl+Z: the last move is to be undone.
    void undoAsked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
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
    void paintDrag(QPainter& p) const;
    void ensureSelectedVisible();
    /// The row and day under a viewport point, unbounded (a point above the rows gives a row before the first).
    int rowAtY(int y) const;
    int dayAtX(int x) const;
    void dragTo(const QPoint& point);

    /// A drag in progress: of a bar (its middle or an end), or across free days.
    struct Drag
    {
        enum class Mode
        {
            Move,
            Arrival,
            Departure,
            Stay
        };
        Mode mode = Mode::Move;
        BookingChart::Bar bar;
        QPoint pressedAt;
        int pressedRow = 0;
        int pressedDay = 0;
        bool started = false; // moved further than a click
        bool outside = false; // the pointer is off the chart's berths and days
        int toRow = 0;
        int arrivalDays = 0;
        int departureDays = 0; // for a new stay: the day under the pointer
        QString clash;
    };
    std::optional<Drag> m_drag;
    mutable BookingChartText m_text; // in the view's font, set at each paint

    const BookingChart& m_chart;
    std::vector<BookingChart::Bar> m_bars;
    std::vector<BookingChartAway::Mark> m_away;
    QRect spanRect(int row, double start, double end) const;
    QDate m_today;
    int m_selectedRow = 0;
    int m_selectedDay = 0;
};
