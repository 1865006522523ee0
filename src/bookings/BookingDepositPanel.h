#pragma once

#include "bookings/BookingDeposit.h"

#include <QObject>

class DateBox;
class IMessageBox;
class QGridLayout;
class QLabel;
class QLineEdit;

/// The deposit and the days it and the balance fall due, under the booking wizard's total: proposed from the
/// company's terms as the total changes, until the clerk changes them for this booking. Its controls belong to the
/// page that places them.
class BookingDepositPanel final : public QObject
{
    Q_OBJECT
public:
    BookingDepositPanel(IMessageBox& messages, QWidget* page);

    /// Puts the three captions and boxes into grid from row on, in columns column and column + 1, and the notice
    /// under them across span columns.
    void placeIn(QGridLayout* grid, int row, int column, int span);

    /// Starts afresh for a booking made on booked under terms; what was agreed for it (a booking being changed)
    /// stays as if typed.
    void start(const PaymentTerms& terms, const QDate& booked, const PaymentTerms::Agreed& agreed = {});
    /// Proposes again for total and arrival: what the clerk has not changed follows the terms; a deposit typed
    /// above the new total comes down to it, and the panel says so.
    void propose(Money total, const QDate& arrival);
    /// Whether what the boxes hold can be agreed for the total and arrival last proposed for; otherwise says why,
    /// with the focus on the box.
    bool check();
    /// What to store: nothing where the boxes hold the proposal.
    PaymentTerms::Agreed agreed() const;
    /// "Deposit £30.00 due by Wed 01/07/2026, balance £126.00 due by Mon 29/06/2026"; empty when no deposit is asked.
    QString summary() const;

    QLineEdit* txtDeposit;
    DateBox* dtpDepositBy;
    DateBox* dtpBalanceBy;
    QLabel* lblDepositNotice; // a typed deposit brought down to the total

private:
    std::optional<BookingDeposit::Plan> typedPlan() const;
    void setDate(DateBox* box, const QDate& date);

    IMessageBox& m_messages;
    PaymentTerms m_terms;
    QDate m_booked;
    Money m_total;
    QDate m_arrival;
    bool m_filling = false; // the boxes set from here, not typed
    bool m_depositTyped = false;
    bool m_depositByTyped = false;
    bool m_balanceByTyped = false;
};
