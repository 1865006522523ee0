#pragma once

#include <QWidget>

class BerthGridModel;
class BookingDetailsPanel;
class IMessageBox;
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
    BookingBerthsPage(BerthGridModel* berths, QWidget* parent);

    QComboBox* cboBoat;    // "(no boat)" first, then every boat with its owner
    QCheckBox* chkOnlyFit; // "Only berths that fit"
    QTableView* grdBerth;
    ReadErrorLine* berthReadError;
};

/// Step 3: the customer, the party, and the charges and payment.
class BookingCustomerPage final : public QWidget
{
    Q_OBJECT
public:
    /// Every number and money box tells messages when what was typed is not one.
    BookingCustomerPage(IMessageBox& messages, QWidget* parent);

    QComboBox* cboCustomer;
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
