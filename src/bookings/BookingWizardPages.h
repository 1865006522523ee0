#pragma once

#include "people/Boats.h"

#include <QWidget>
#include <optional>

class BerthGridModel;
class BookingDetailsPanel;
class IMessageBox;
class NamePicker;
struct Services;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimeEdit;
class ReadErrorLine;

// The booking wizard's four pages. Each builds its controls and lays them out; the wizard fills them, reads them
// and moves between them. As with a form made in Qt Designer, a page's controls are its public members, named as
// their objectName.

/// Step 1: the stay and who took the booking.
class BookingDatesPage final : public QWidget
{
    Q_OBJECT
public:
    explicit BookingDatesPage(QWidget* parent);

    QDateEdit* dtpFromDate;
    QTimeEdit* dtpFromTime;
    QDateEdit* dtpToDate;
    QTimeEdit* dtpToTime;
    QLineEdit* txtBookedBy;
};

/// Step 2: the berths free for the stay, marked with a click.
class BookingBerthsPage final : public QWidget
{
    Q_OBJECT
public:
    BookingBerthsPage(Services& services, BerthGridModel* berths, QWidget* parent);

    /// Lists every boat with its owner after "(no boat)", which is chosen; a new caller's boat given since the
    /// wizard was prepared stays listed.
    void loadBoats();
    /// Forgets the new caller's boat (a wizard prepared afresh).
    void forgetNewBoat() { m_newBoat.reset(); }
    /// Asks for a new caller's boat (name, kind and sizes, not saved yet) and chooses it.
    void addNewBoat();
    /// Chooses boat id; "(no boat)" when it is not listed.
    void chooseBoat(int id);
    /// The boat chosen: a known one, the new caller's (ID 0, no customer yet), or none.
    std::optional<BoatRecord> chosenBoat() const;

    NamePicker* cboBoat;     // "(no boat)" first, a new caller's boat, then every boat with its owner
    QPushButton* cmdNewBoat; // a boat not yet known, given before its customer
    QCheckBox* chkOnlyFit;   // "Only berths that fit"
    QTableView* grdBerth;
    ReadErrorLine* berthReadError;

private:
    Services& m_services;
    QList<Boats::OwnedBoat> m_boats;     // the known boats listed
    std::optional<BoatRecord> m_newBoat; // a new caller's boat, saved with the booking for its customer
};

/// Step 3: the customer, the party, and the charges and payment.
class BookingCustomerPage final : public QWidget
{
    Q_OBJECT
public:
    /// Every number and money box tells the user when what was typed is not one.
    BookingCustomerPage(Services& services, QWidget* parent);

    /// Lists every customer, none chosen; a failed read leaves the list empty and goes to the diagnostic log.
    void loadCustomers();
    /// Chooses customer id; none when it is not listed.
    void selectCustomer(int id);

    NamePicker* cboCustomer;
    QPushButton* cmdAddCustomer;
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
    QPushButton* cmdRecordPayment; // shown for a changed booking, whose paid box is read-only
    QListWidget* lstCharges;       // how the hire was priced, line by line
    QLabel* lblChargesNotice;      // a hire worked out again, berths no rate prices
    QComboBox* cboPaymentMethod;
    QLineEdit* txtCreditCardNo;
    QLineEdit* txtCreditCardExpiry;
    QLineEdit* txtCreditCardType;

private:
    Services& m_services;
};

/// Step 4: the booking as it will be saved, for reading back to the customer.
class BookingConfirmationPage final : public QWidget
{
    Q_OBJECT
public:
    explicit BookingConfirmationPage(QWidget* parent);

    BookingDetailsPanel* details;
    QLabel* lblInsuranceWarning; // the boat's insurance runs out during the stay
    QCheckBox* chkShowConfirmation;
};

namespace BookingWizardParts {
/// A plain-text caption.
QLabel* caption(const QString& text, QWidget* parent);
/// A plain-text label with its object name.
QLabel* named(QLabel* label, const QString& name);
} // namespace BookingWizardParts
