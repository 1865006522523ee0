#pragma once

#include "bookings/BookingFigures.h"
#include "core/ui/ChildWindow.h"

#include <QDate>

class IWindowHost;
class QChartView;
class QCheckBox;
class QLabel;
class QTreeWidget;
struct Services;

/// "Today": who arrives and leaves today, who is in now, the bookings with money owing that arrive within a week
/// (what falls due next, or what is overdue), and a chart of the next 14 nights. Each line opens its booking's summary;
/// the window reads afresh whenever it comes to the front. Arrive checks in the arrival chosen, Depart checks out the
/// departure (or the guest in the harbour) chosen; from the office's closing time the day's no-shows are proposed once,
/// and No-shows asks for them at any time. Above the lists: the booking requests waiting for an answer and the holds
/// running out today, with Requests... to open the queue.
class TodayWindow final : public ChildWindow
{
    Q_OBJECT
public:
    TodayWindow(IWindowHost& host, Services& services, QWidget* parent = nullptr);

    static TodayWindow* display(IWindowHost& host, Services& services);
    /// Whether the window opens when the program starts (a setting; off unless chosen here).
    static bool showAtStartup();

    void activated() override { refresh(); }
    /// Reads the lists again and, unless only a guest's stay changed (it sells no night), the chart.
    void refresh(bool withChart = true);

private:
    void openSummary(QTreeWidget* list);
    /// Arrive (or Depart) on the booking chosen in list; the lists are read again after.
    void changeStay(QTreeWidget* list, bool arrive);
    void proposeNoShows(bool askedFor);
    void showRequests(const QDateTime& now);

    IWindowHost& m_host;
    Services& m_services;
    QLabel* m_lblToday;
    QLabel* m_lblRequests;
    QTreeWidget* m_lstArrivals;
    QTreeWidget* m_lstDepartures;
    QTreeWidget* m_lstInHarbour;
    QTreeWidget* m_lstOwing;
    QChartView* m_chtOccupancy;
    QCheckBox* m_chkShowAtStartup;
    QTreeWidget* m_chosen = nullptr; // the list last chosen in: its line is the booking a button acts on
    QDate m_noShowsProposed;         // the day the no-shows were last proposed on their own
};
