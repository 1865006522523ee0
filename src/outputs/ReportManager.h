#pragma once

#include "bookings/BookingReports.h"
#include "core/ui/ChildWindow.h"

class IWindowHost;
class OptionalDateEdit;
class QComboBox;
class QDateEdit;
struct Services;

/// "Report Manager": the booking lists of a period, of today's bookings and of today's check-outs, the period
/// sales summary (each previewed, printed from the preview), the balance-due report (printed at once) and the
/// harbour's figures as charts.
class ReportManager final : public ChildWindow
{
    Q_OBJECT
public:
    ReportManager(IWindowHost& host, Services& services, QWidget* parent = nullptr);

    /// Opens the window in the host's frame (or brings the open one forward) with the first period set to now.
    static ReportManager* display(IWindowHost& host, Services& services);

private:
    /// Reads one list and shows it in the print preview; "Nothing to print!" when it has no rows.
    void showList(BookingReports::List list);
    void printBalanceDue();
    void showPaymentsDue();
    void exportPayments();
    /// Reads the figure chosen in the figures frame and shows it in the figure window.
    void showFigure();

    IWindowHost& m_host;
    Services& m_services;
    OptionalDateEdit* m_dtpFrom;
    OptionalDateEdit* m_dtpTo;
    OptionalDateEdit* m_dtpFrom1;
    OptionalDateEdit* m_dtpTo1;
    QComboBox* m_cboFigure;
    QComboBox* m_cboStep;
    QDateEdit* m_dtpFiguresFrom;
    QDateEdit* m_dtpFiguresTo;
};
