#pragma once

#include "bookings/BookingRecord.h"
#include "bookings/BookingRules.h"

#include <QWidget>

class BookingDetailsPanel;
struct Services;
class QCheckBox;
class QLabel;

/// The booking wizard's step 4: the booking as it will be saved, for reading back to the customer.
class BookingConfirmationPage final : public QWidget
{
    Q_OBJECT
public:
    BookingConfirmationPage(Services& services, QWidget* parent);

    /// Empties the page for a wizard prepared afresh.
    void clear();
    /// Shows booking with its boat (known or a new caller's), the party as counts reads it, and what falls due when.
    void show(const BookingRecord& booking, const std::optional<BoatRecord>& boat,
              const BookingRules::CountsLine& counts, const QString& moneyDue);
    /// Tells the person booking was saved, under which number (another desk may have taken the one proposed), and
    /// when offerSummary asks whether to show its summary: true on Yes (No, the default, goes back to work).
    bool announceSaved(const BookingRecord& booking, qint64 savedNumber, bool offerSummary);
    /// The customer's line ("Ann O'Neill, 4") as shown.
    QString customerLine() const;

    BookingDetailsPanel* details;
    QLabel* lblMoneyDue;         // the deposit and the balance, and when each falls due
    QLabel* lblInsuranceWarning; // the boat's insurance runs out during the stay
    QCheckBox* chkShowConfirmation;
    QCheckBox* chkSendConfirmation; // queued for the customer with its PDF once saved (a mail server set up)

private:
    Services& m_services;
};
