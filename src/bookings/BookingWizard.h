#pragma once

#include "bookings/BookingChargesPage.h"
#include "bookings/BookingRecord.h"
#include "bookings/BookingStore.h"
#include "core/RecordMode.h"
#include "core/ui/ChildWindow.h"
#include "people/Boats.h"

#include <QDateTime>
#include <functional>

struct Services;
class IMessageBox;
class IWindowHost;
class BookingBerthsPage;
class BookingConfirmationPage;
class BookingDatesPage;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

/// Saves a new booking in place of BookingStore::saveBooking, in one transaction with what it was started from.
using BookingSave = std::function<Result<BookingStore::SavedBooking>(const QSqlDatabase&, const BookingRecord&,
                                                                     BookingStore::Overtaken*)>;

/// What a new booking starts from when it comes from elsewhere (a waiting-list entry, a booking request): the period
/// (no departure: the day after arrival), the customer, the boat and the berths to mark.
struct BookingRequest
{
    QDate from;
    QDate to;
    int customerId = 0;
    std::optional<int> boatId;
    QList<int> berthIds;
    BookingSave save{};  // empty: the plain save; needed for a new caller, whom it adds
    int heldBlockId = 0; // a block keeping berthIds for this booking: they are listed as free, and save lifts it
    std::optional<CustomerRecord> newCustomer{}; // a caller not known yet, listed as new, added by save
    std::optional<BoatRecord> newBoat{};         // a boat not known yet, added with the booking for its customer
};

/// The booking wizard: the one place where a booking is made or changed, in four pages (dates, berths, customer and
/// charges, confirmation), each of which reads, checks and works out its own part. The wizard moves between the
/// steps, hands each page what the earlier ones decided, and saves what they hold. One instance serves every caller.
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
    void goTo(int step);
    void next();
    void back();
    void cancelBooking();
    void leaveDates();
    void leaveBerths();
    void leaveCharges();
    void confirm();
    bool overtaken(BookingStore::Overtaken what, const BookingRecord& booking, const QString& error);
    /// What the berths page counts as this booking's own: the booking changed, or the block held for a new one.
    int ownHolding() const;
    void loadBooking();
    /// Closes without asking; released: the frame is told of the berths and period the booking held as stored.
    void closeWizard(bool released);
    BookingChargesPage::Stay stay() const;
    BookingRecord typed() const;
    void closeEvent(QCloseEvent* event) override;
    QStringList snapshot() const;

    Services& m_services;
    IWindowHost* m_host = nullptr; // the frame that showed the wizard, told of berths a change released
    BookingRecord m_stored;        // the booking being changed as it was loaded
    RecordMode m_mode = RecordMode::Add;
    int m_bookingId = 0;
    int m_step = 0;
    QDateTime m_fromDate;
    QDateTime m_toDate;
    QList<int> m_marking;   // the berths marked when the berths page is next filled
    BookingSave m_save;     // the save of what this booking was started from; empty: the plain save
    int m_heldBlock = 0;    // a block keeping berths for this booking, which may book them
    QStringList m_prepared; // the inputs as Prepare left them
    bool m_closing = false; // saved or cancelled: close without asking

    QStackedWidget* m_pages;
    QList<QLabel*> m_lblStep;
    QPlainTextEdit* m_txtNotes;
    QPushButton* m_cmdBack;
    QPushButton* m_cmdNext;
    QPushButton* m_cmdCancel;
    QPushButton* m_cmdClose;

    BookingDatesPage* m_dates;
    BookingBerthsPage* m_berthList;
    BookingChargesPage* m_charges;
    BookingConfirmationPage* m_confirmation;
};
