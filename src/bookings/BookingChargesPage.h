#pragma once

#include "bookings/BookingCharges.h"
#include "bookings/BookingRecord.h"
#include "bookings/BookingRules.h"

#include <QWidget>
#include <optional>

class BookingCustomerPanel;
class BookingDepositPanel;
class BookingPaymentPanel;
struct Services;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QLineEdit;
class QPushButton;

/// The booking wizard's step 3: the customer, the party, and the charges and payment. It prices the hire for the
/// stay, keeps a changed booking's agreed price unless the person reprices, works out tax and the total as their
/// parts change, and proposes the deposit and its dates beside them.
class BookingChargesPage final : public QWidget
{
    Q_OBJECT
public:
    /// What the hire is priced for.
    struct Stay
    {
        QDateTime from;
        QDateTime to;
        QList<int> berthIds;
        std::optional<BoatRecord> boat; // a per-metre rate counts its length
    };

    /// Every number and money box tells the user when what was typed is not one.
    BookingChargesPage(Services& services, QWidget* parent);

    /// Empties the page for a new booking made today: the starting party, nothing priced, the customers and payment
    /// methods listed, no customer chosen; a new booking is offered the next confirmation number.
    void prepare(bool countsShown, const QDate& today, bool proposeNumber);
    /// Shows booking, a booking being changed, whose price was agreed for stay.
    void load(const BookingRecord& booking, const Stay& stay);
    /// Before the page is shown for stay: the hire priced afresh when the stay is not the one it was priced (or
    /// agreed) for; false when the rates could not be read or the person chose neither price.
    bool enter(const Stay& stay);
    /// Whether the page can be left for the confirmation; otherwise says why, with the focus on the box.
    bool check(const std::optional<BoatRecord>& boat);
    /// Writes what the page holds into booking.
    void fill(BookingRecord& booking) const;

    /// The party as the confirmation reads it out.
    BookingRules::CountsLine counts() const;

    BookingCustomerPanel* customer;
    QLabel* lblNoAdultsEdit;
    QLabel* lblNoKidsEdit;
    QLineEdit* txtNoAdults;
    QLineEdit* txtNoKids;
    QLineEdit* txtPowerRequirements;
    QCheckBox* chkClubMember;
    QLineEdit* txtBerthConfirmationNumber;
    QLineEdit* txtGuestConfNum;
    QLineEdit* txtCostOfHire;
    QLineEdit* txtOtherCharges;
    QLineEdit* txtVAT;
    QLineEdit* txtTotalPayable;
    QLineEdit* txtAmountPayed;
    QListWidget* lstCharges;  // how the hire was priced, line by line
    QLabel* lblChargesNotice; // a hire worked out again, berths no rate prices
    BookingPaymentPanel* payment;
    BookingDepositPanel* deposit;

private:
    void layOut();
    bool priceHire(const Stay& stay, const QString& key);
    void showCharges(const QList<Pricing::Line>& lines, const QString& notice);
    void updateCharges();
    void recalculateCharges();
    BookingCharges::Amounts toSave() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    Services& m_services;
    QString m_proposedNumber; // the confirmation number a new booking was offered
    QDate m_arrival;          // the day the stay begins, the balance's latest day
    bool m_vatTyped = false;  // VAT typed by hand since the hire or other charges last changed
    bool m_hireTyped = false; // the hire typed by hand since it was last priced
    BookingCharges m_charges;
};
