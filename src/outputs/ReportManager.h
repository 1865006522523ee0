#pragma once

#include "bookings/BookingReports.h"
#include "core/ui/ChildWindow.h"

class IWindowHost;
class OptionalDateEdit;
struct Services;

/// "Report Manager": the booking lists of a period, of today's bookings and of today's check-outs, the period
/// sales summary (each previewed, printed from the preview) and the balance-due report (printed at once).
class ReportManager final : public ChildWindow
{
    Q_OBJECT
public:
    explicit ReportManager(Services& services, QWidget* parent = nullptr);

    /// Opens the window in the host's frame (or brings the open one forward) with the first period set to now.
    static ReportManager* display(IWindowHost& host, Services& services);

private:
    /// Reads one list and shows it in the print preview; "Nothing to print!" when it has no rows.
    void showList(BookingReports::List list);
    void printBalanceDue();
    void showPaymentsDue();
    void exportPayments();

    Services& m_services;
    OptionalDateEdit* m_dtpFrom;
    OptionalDateEdit* m_dtpTo;
    OptionalDateEdit* m_dtpFrom1;
    OptionalDateEdit* m_dtpTo1;
};
