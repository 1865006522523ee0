#pragma once

#include "berths/BookingChart.h"
#include "bookings/BookingRecord.h"
#include "core/ui/ChildWindow.h"

#include <optional>

struct Services;
class BookingChartView;
class QComboBox;
class QDateEdit;
class ReadErrorLine;

/// "Booking Chart": every berth's bookings as bars over a window of a fortnight to three months, with a date to
/// jump to, a berth type to show, and Today. The Guest menu (also the bars' context menu) checks the selected
/// booking's guest in and out. It reads the bookings again each time it comes to the front.
class BookingChartWindow final : public ChildWindow
{
    Q_OBJECT
public:
    BookingChartWindow(IWindowHost& host, Services& services, QWidget* parent = nullptr);

    /// Opens the chart from today (or brings the open one to the front).
    static BookingChartWindow* display(IWindowHost& host, Services& services);

    bool maximiseOnActivate() const override { return true; }
    /// Re-reads the berths and the window's bookings.
    void activated() override;

    const BookingChart& chart() const { return m_chart; }
    BookingChartView* view() const { return m_view; }

private:
    /// Reads the window of days from the date box and the bars of the rows in view.
    void readDays();
    void readBars();
    void moveDays(int days);
    /// Works out and saves a move the person asked for; asks about the price when today's rates differ, and says
    /// why a move that cannot be made was refused (the bar stays where it was).
    void moveBooking(const BookingChart::Bar& bar, int toRow, int arrivalDays, int departureDays);
    /// Ctrl+Z: moves the last booking moved back where it was, at the price it had, checked again like any move.
    void undoMove();
    /// A drag across free days: the booking wizard, filled with that berth and those days.
    void newStay(int row, int fromDay, int toDay);
    /// Delete: asks, then cancels the booking as the summary does (or removes the block).
    void cancelBooking(const BookingChart::Bar& bar);
    /// "Block Berth…": a new block of the selected berth from the selected day.
    void blockBerth();
    /// A block dragged or resized: saved over the block as the bar showed it, the bookings in its way refused.
    void moveBlock(const BookingChart::Bar& bar, int toRow, int arrivalDays, int departureDays);
    /// A block's bar opened (double-click, Enter) or deleted: its window, to change or remove it.
    void openBlock(int blockId);
    /// "Print...": the berths shown over the window's days, in the print preview.
    void print();
    /// Arrive, Depart or Undo on the booking of the selected bar (Guest menu, the bar's context menu, Ctrl+I and
    /// Ctrl+L); the chart is read again after a change.
    void changeStay(bool (*action)(Services&, QWidget*, int));
    void refuse(const Failure& failure);
    /// After a move or its undo was saved: logged, and the berths and days it left offered to the waiting list.
    void moved(const BookingRecord& before, const BookingRecord& after);
    /// Reads the chart again with the selection on booking's bar on berth, the days following it.
    void showMoved(int berthId, int day);
    bool report(const Status& status);

    IWindowHost& m_host;
    Services& m_services;
    BookingChart m_chart;
    BookingChartView* m_view;
    QDateEdit* m_dtpChartDate;
    QComboBox* m_cboChartDays;
    QComboBox* m_cboChartType;
    ReadErrorLine* m_readError;
    bool m_reading = false;
    /// The last move saved, for Ctrl+Z: the booking before it and as it was saved.
    struct Moved
    {
        BookingRecord before;
        BookingRecord saved;
    };
    std::optional<Moved> m_lastMove;
};
