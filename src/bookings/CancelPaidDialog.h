#pragma once

#include "bookings/BookingStore.h"

#include <QDialog>
#include <optional>

class QRadioButton;
struct Services;

/// Asked before cancelling a booking that money was taken on: refund it, keep it as a cancellation fee, or keep
/// it as the customer's credit.
class CancelPaidDialog final : public QDialog
{
    Q_OBJECT
public:
    CancelPaidDialog(const Money& paid, QWidget* parent = nullptr);

    /// The choice, or nothing when the person went back without cancelling.
    static std::optional<BookingStore::MoneyKept> ask(const Money& paid, QWidget* parent);

    /// Cancels a booking from a window, asking first: the plain question for a booking without payments (which is
    /// deleted), this dialog for one with (which is kept as cancelled). Logs the event with details and tells what
    /// went wrong. Done when cancelled; Cancelled when the person went back; a Conflict when another desk changed
    /// it meanwhile; a Database failure otherwise.
    static Status cancelBooking(Services& services, QWidget* parent, int bookingId, const QString& storedStamp,
                                const QString& title, const QString& details);

private:
    QRadioButton* optRefund;
    QRadioButton* optKeepAsFee;
    QRadioButton* optKeepAsCredit;
};
