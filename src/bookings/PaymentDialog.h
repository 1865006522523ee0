#pragma once

#include "bookings/Ledger.h"

#include <QDialog>
#include <optional>

struct Services;
class QComboBox;
class QLabel;
class QLineEdit;

/// "Record Payment" and "Refund": one ledger line added to a booking. The line is saved when OK is pressed; a
/// refusal (an amount out of range, a refund above what was paid) is told and the typing kept for a correction.
class PaymentDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        Payment, // a payment, deposit, correction or credit used
        Refund
    };
    PaymentDialog(Services& services, int bookingId, Mode mode, QWidget* parent = nullptr);

    /// Shows the dialog; the amount paid after the line was saved, nothing when none was.
    static std::optional<Money> record(Services& services, int bookingId, Mode mode, QWidget* parent);

private:
    void save();

    Services& m_services;
    int m_bookingId;
    Mode m_mode;
    std::optional<Money> m_paid;
    QComboBox* cboKind;
    QComboBox* cboMethod;
    QLineEdit* txtAmount;
    QLineEdit* txtReference;
    QLineEdit* txtNote;
    QLabel* lblPaid;
    QList<Ledger::Kind> m_kinds; // in cboKind's order
};
