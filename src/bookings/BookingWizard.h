#pragma once

#include "bookings/BookingRecord.h"
#include "core/RecordMode.h"
#include "core/ui/ChildWindow.h"
#include "people/Boats.h"

#include <QDateTime>

struct Services;
class IMessageBox;
class IWindowHost;
class BerthGridModel;
class BookingBerthsPage;
class BookingConfirmationPage;
class BookingCustomerPage;
class BookingDatesPage;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

/// What a new booking starts from when it comes from elsewhere (a waiting-list entry): the period (no
/// departure: the day after arrival), the customer, the boat and the berths to mark.
struct BookingRequest
{
    QDate from;
    QDate to;
    int customerId = 0;
    std::optional<int> boatId;
    QList<int> berthIds;
};

/// The booking wizard: the one place where a booking is made or changed, in four pages (dates, berths,
/// customer and charges, confirmation; BookingWizardPages). The wizard moves between the steps, fills the pages
/// from the booking and reads back what was typed. One instance serves every caller.
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

    /// Opens the wizard for a new booking filled from request, on its berths page with the berths marked that are
    /// still free. An open wizard holding unsaved work comes forward as it is, and nothing is filled (false).
    static bool startFrom(IWindowHost& host, Services& services, const BookingRequest& request);

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
    void updateCharges();
    bool priceHire(const QString& key);
    void showCharges(const QList<Pricing::Line>& lines, const QString& notice);
    QString pricingKey() const;
    std::optional<BoatRecord> chosenBoat() const;
    void loadBoats();
    void boatChosen();
    void relistBerths(const QList<int>& keepMarked);
    void addCustomer();
    void loadBooking();
    void closeWizard();
    BookingRecord typed() const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QStringList snapshot() const;

    Services& m_services;
    IWindowHost* m_host = nullptr; // the frame that showed the wizard, told of berths a change released
    QList<int> m_storedBerthIds;   // the changed booking's berths and period as stored
    QDateTime m_storedFrom;
    QDateTime m_storedTo;
    RecordMode m_mode = RecordMode::Add;
    bool m_countsShown = true; // the adults and kids boxes, as the regional settings said at Prepare
    int m_bookingId = 0;
    int m_step = 0;
    QDateTime m_fromDate;
    QDateTime m_toDate;
    int m_loadedCustomerId = 0;
    QList<int> m_storedBerths;             // the berths of the booking being changed
    QString m_storedStamp;                 // the changed booking as it was stored when loaded
    QString m_proposedNumber;              // the confirmation number a new booking was offered
    bool m_vatTyped = false;               // VAT typed by hand since the hire or other charges last changed
    bool m_hireTyped = false;              // the hire typed by hand since it was last priced
    QString m_pricedFor;                   // the period and berths the hire box was last priced (or loaded) for
    int m_taxRate = Pricing::DeliveredTax; // the booking's tax, in hundredths of a percent
    QList<Pricing::Line> m_chargeLines;    // how the hire in the box was priced
    // What a booking being changed was agreed on: kept unless the person reprices it.
    struct Agreed
    {
        QString key;
        Money hire;
        QList<Pricing::Line> lines;
        int taxRate = Pricing::DeliveredTax;
    } m_agreed;
    QList<AvailableBerth> m_free; // every free berth for the period, before the fit filter
    QString m_misfitDetails;      // a boat booked into berths too small, for the event log
    QStringList m_prepared;       // the inputs as Prepare left them
    bool m_closing = false;       // saved or cancelled: close without asking

    BerthGridModel* m_berths;
    QStackedWidget* m_pages;
    QList<QLabel*> m_lblStep;
    QPlainTextEdit* m_txtNotes;
    QPushButton* m_cmdBack;
    QPushButton* m_cmdNext;
    QPushButton* m_cmdCancel;
    QPushButton* m_cmdClose;

    BookingDatesPage* m_dates;
    BookingBerthsPage* m_berthList;
    BookingCustomerPage* m_customer;
    BookingConfirmationPage* m_confirmation;
};
