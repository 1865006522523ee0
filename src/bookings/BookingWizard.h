#pragma once

#include "bookings/BookingRecord.h"
#include "core/RecordMode.h"
#include "core/ui/ChildWindow.h"

#include <QDateTime>

struct Services;
class IMessageBox;
class IWindowHost;
class BerthGridModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableView;
class QTimeEdit;
class ReadErrorLine;

/// The booking wizard: the one place where a booking is made or changed, in four pages (dates, berths,
/// customer and charges, confirmation). One instance serves every caller.
class BookingWizard final : public ChildWindow
{
    Q_OBJECT
public:
    explicit BookingWizard(Services& services, QWidget* parent = nullptr);

    /// Opens the wizard for a new booking (Add, id 0) or to change booking id (Edit): reuses the open
    /// wizard when there is one, else makes it, and brings it to the front.
    static BookingWizard* display(IWindowHost& host, Services& services, RecordMode mode, int bookingId);

    /// The one question before a booking is cancelled, "Do you want to delete existing reservation?" under
    /// title; true on Yes. Every window that cancels a booking asks it, then deletes through BookingStore.
    static bool askToCancel(IMessageBox& messages, const QString& title);

    /// Prepares the pages for mode and bookingId and shows page 1.
    void prepare(RecordMode mode, int bookingId);

    /// Whether the user has typed, chosen or marked anything since the wizard was prepared.
    bool hasUnsavedWork() const;

    RecordMode mode() const { return m_mode; }
    int bookingId() const { return m_bookingId; }
    int step() const { return m_step; }
    int selectedCount() const;
    QDateTime fromDate() const { return m_fromDate; }
    QDateTime toDate() const { return m_toDate; }

private:
    QWidget* buildDatesPage();
    QWidget* buildBerthsPage();
    QWidget* buildCustomerPage();
    QWidget* buildConfirmationPage();

    void showStep();
    void next();
    void back();
    void cancelBooking();
    void leaveDates();
    void leaveBerths();
    void leaveCustomer();
    void confirm();
    void fillBerthGrid(const QList<int>& keepMarked);
    void recalculateCharges();
    void addCustomer();
    void loadCustomers();
    void selectCustomer(int id);
    void loadBooking();
    void closeWizard();
    BookingRecord typed() const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QStringList snapshot() const;

    Services& m_services;
    RecordMode m_mode = RecordMode::Add;
    bool m_countsShown = true; // the adults and kids boxes, as the regional settings said at Prepare
    int m_bookingId = 0;
    int m_step = 0;
    QDateTime m_fromDate;
    QDateTime m_toDate;
    int m_loadedCustomerId = 0;
    QList<int> m_storedBerths;   // the berths of the booking being changed
    QString m_storedStamp;       // the changed booking as it was stored when loaded
    QString m_proposedNumber;    // the confirmation number a new booking was offered
    bool m_chargesTyped = false; // VAT or the total typed by hand since they were last worked out
    QStringList m_prepared;      // the inputs as Prepare left them
    bool m_closing = false;      // saved or cancelled: close without asking

    BerthGridModel* m_berths;
    QStackedWidget* m_pages;
    QList<QLabel*> m_lblStep;
    QPlainTextEdit* m_txtNotes;
    QPushButton* m_cmdBack;
    QPushButton* m_cmdNext;
    QPushButton* m_cmdCancel;

    QDateEdit* m_dtpFromDate;
    QTimeEdit* m_dtpFromTime;
    QDateEdit* m_dtpToDate;
    QTimeEdit* m_dtpToTime;
    QLineEdit* m_txtBookedBy;

    QTableView* m_grdBerth;
    ReadErrorLine* m_berthReadError;

    QComboBox* m_cboCustomer;
    QPushButton* m_cmdAddCustomer;
    QLabel* m_lblNoAdultsEdit;
    QLabel* m_lblNoKidsEdit;
    QLineEdit* m_txtNoAdults;
    QLineEdit* m_txtNoKids;
    QLineEdit* m_txtPowerRequirements;
    QCheckBox* m_chkClubMember;
    QLineEdit* m_txtBerthConfirmationNumber;
    QLineEdit* m_txtGuestConfNum;
    QLineEdit* m_txtCostOfHire;
    QLineEdit* m_txtOtherCharges;
    QLineEdit* m_txtVAT;
    QLineEdit* m_txtTotalPayable;
    QLineEdit* m_txtAmountPayed;
    QComboBox* m_cboPaymentMethod;
    QLineEdit* m_txtCreditCardNo;
    QLineEdit* m_txtCreditCardExpiry;
    QLineEdit* m_txtCreditCardType;

    QLabel* m_lblDates;
    QLabel* m_lblName;
    QLabel* m_lblAddress;
    QLabel* m_lblPhone;
    QLabel* m_lblMail;
    QLabel* m_lblNoAdults;
    QLabel* m_lblAdults;
    QLabel* m_lblNoKids;
    QLabel* m_lblKids;
};
