#pragma once

#include "bookings/BookingReports.h"
#include "bookings/Ledger.h"
#include "core/ui/ChildWindow.h"

#include <QDate>
#include <optional>
#include <utility>

class IWindowHost;
class OptionalDateEdit;
class QComboBox;
class QDateEdit;
struct Services;

/// "Report Manager": the booking lists of a period, of today's bookings and of today's check-outs, the period
/// sales summary (each previewed, printed from the preview), the balance-due report (printed at once), the takings
/// of a day or a period (the cash-up, its file and the payments' file) and the harbour's figures as charts.
class ReportManager final : public ChildWindow
{
    Q_OBJECT
public:
    ReportManager(IWindowHost& host, Services& services, QWidget* parent = nullptr);

    /// Opens the window in the host's frame (or brings the open one forward) with the first period set to now.
    static ReportManager* display(IWindowHost& host, Services& services);

    /// Sets the takings period to today (by the clock) and shows its cash-up.
    void showTodaysCashUp();

private:
    /// Reads one list and shows it in the print preview; "Nothing to print!" when it has no rows.
    void showList(BookingReports::List list);
    void printBalanceDue();
    void showPaymentsDue();
    /// The reminders the payments due call for, reviewed and queued in the reminders window.
    void remindPaymentsDue();
    void exportPayments();
    /// Reads the cash-up of the takings period and shows it in the print preview.
    void showCashUp();
    void exportCashUp();
    /// The takings period: an open start is the first of this year, an open end today. Nothing (and the person
    /// told) when it ends before it starts.
    std::optional<std::pair<QDate, QDate>> takingsPeriod();
    /// The cash-up of the takings period; nothing (and the person told) when it cannot be read.
    std::optional<Ledger::CashUp> readCashUp();
    /// Reads the figure chosen in the figures frame and shows it in the figure window.
    void showFigure();

    IWindowHost& m_host;
    Services& m_services;
    OptionalDateEdit* m_dtpFrom;
    OptionalDateEdit* m_dtpTo;
    OptionalDateEdit* m_dtpFrom1;
    OptionalDateEdit* m_dtpTo1;
    OptionalDateEdit* m_dtpTakingsFrom;
    OptionalDateEdit* m_dtpTakingsTo;
    QComboBox* m_cboFigure;
    QComboBox* m_cboStep;
    QDateEdit* m_dtpFiguresFrom;
    QDateEdit* m_dtpFiguresTo;
};
