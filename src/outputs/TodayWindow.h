#pragma once

#include "bookings/BookingFigures.h"
#include "core/ui/ChildWindow.h"

class IWindowHost;
class QChartView;
class QCheckBox;
class QLabel;
class QTreeWidget;
struct Services;

/// "Today": who arrives and leaves today, who is in now, the bookings with money owing that arrive within a week,
/// and a chart of the next 14 nights. Each line opens its booking's summary; the window reads afresh whenever it
/// comes to the front.
class TodayWindow final : public ChildWindow
{
    Q_OBJECT
public:
    TodayWindow(IWindowHost& host, Services& services, QWidget* parent = nullptr);

    static TodayWindow* display(IWindowHost& host, Services& services);
    /// Whether the window opens when the program starts (a setting; off unless chosen here).
    static bool showAtStartup();

    void activated() override { refresh(); }
    void refresh();

private:
    void openSummary(QTreeWidget* list);

    IWindowHost& m_host;
    Services& m_services;
    QLabel* m_lblToday;
    QTreeWidget* m_lstArrivals;
    QTreeWidget* m_lstDepartures;
    QTreeWidget* m_lstInHarbour;
    QTreeWidget* m_lstOwing;
    QChartView* m_chtOccupancy;
    QCheckBox* m_chkShowAtStartup;
    QTreeWidget* m_chosen = nullptr; // the list last given the focus: its line is the booking a button acts on
};
