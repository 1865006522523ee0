#pragma once

#include "core/ui/ChildWindow.h"

struct Services;
class DayListModel;
class QCalendarWidget;
class QFrame;
class QLabel;
class QPushButton;
class QTableView;

/// The simple calendar: a month view and, for the day picked in it, the bookings that touch that day, with the
/// buttons to add a booking, and to edit, summarise or cancel the one selected.
class CalendarWindow final : public ChildWindow
{
    Q_OBJECT
public:
    CalendarWindow(IWindowHost& host, Services& services, QWidget* parent = nullptr);

    /// Opens the calendar on today (or brings the open one to the front).
    static CalendarWindow* display(IWindowHost& host, Services& services);

    bool maximiseOnActivate() const override { return true; }
    /// The calendar shows the database as it is whenever it comes to the front.
    void activated() override { refresh(); }

    /// Reads the day list again for the day the month view shows; the first row is selected.
    void refresh();
    DayListModel* model() const { return m_model; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void readFailed(const QString& error);
    int selectedId() const;
    void edit();
    void summary();
    void cancelReservation();
    void layOut();

    IWindowHost& m_host;
    Services& m_services;
    DayListModel* m_model;
    QLabel* m_lblCaption;
    QCalendarWidget* m_mwDate;
    QFrame* m_fraMain;
    QTableView* m_grdBooking;
    QPushButton* m_cmdAdd;
    QPushButton* m_cmdEdit;
    QPushButton* m_cmdSummary;
    QPushButton* m_cmdCancel;
};
