#include "bookings/BookingWizard.h"

#include "bookings/BookingBerthsPage.h"
#include "bookings/BookingConfirmationPage.h"
#include "bookings/BookingCustomerPanel.h"
#include "bookings/BookingDatesPage.h"
#include "bookings/BookingDepositPanel.h"
#include "bookings/BookingMailMenu.h"
#include "bookings/BookingPaymentPanel.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizardParts.h"
#include "bookings/CancelPaidDialog.h"
#include "bookings/DocumentsMenu.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/RegionalSettings.h"
#include "core/Seams.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/InputChecks.h"
#include "people/NamePicker.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using BookingWizardParts::caption;
using BookingWizardParts::named;
using BookingWizardParts::title;

BookingWizard::BookingWizard(Services& services, QWidget* parent) : ChildWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmBooking"));
    setWindowTitle(title());

    auto* lblCaption = named(new QLabel(tr("Berth / Caravan Reservation"), this), QStringLiteral("lblCaption"));
    BookingWizardParts::enlarge(lblCaption);

    auto* progress = BookingWizardParts::progressBox(
        tr("Booking Progress"),
        {tr("Step 1 - Dates"), tr("Step 2 - Select Berth"), tr("Step 3 - Customer"), tr("Step 4 - Confirmation")},
        m_lblStep, this);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("fraSteps"));
    m_dates = new BookingDatesPage(services.messages, this);
    m_berthList = new BookingBerthsPage(services, this);
    m_charges = new BookingChargesPage(services, this);
    m_confirmation = new BookingConfirmationPage(services, this);
    for (QWidget* page : std::initializer_list<QWidget*>{m_dates, m_berthList, m_charges, m_confirmation})
        m_pages->addWidget(page);
    connect(m_berthList, &BookingBerthsPage::ownerChosen, m_charges->customer, &BookingCustomerPanel::select);

    m_txtNotes = new QPlainTextEdit(this);
    m_txtNotes->setObjectName(QStringLiteral("txtNotes"));
    m_txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtNotes->setMaximumHeight(90);

    using BookingWizardParts::button;
    m_cmdBack = button(tr("&Back"), QStringLiteral("cmdBack"), this);
    m_cmdNext = button(tr("&Next"), QStringLiteral("cmdNext"), this);
    m_cmdCancel = button(tr("Cancel Booking"), QStringLiteral("cmdCancel"), this);
    // A booking being changed can be left as it is; "Cancel Booking" deletes it.
    m_cmdClose = button(tr("C&lose"), QStringLiteral("cmdClose"), this);
    for (QWidget* button : std::initializer_list<QWidget*>{m_cmdClose, m_cmdCancel, m_cmdBack})
        InputChecks::skipChecks(button);
    connect(m_cmdClose, &QPushButton::clicked, this, &BookingWizard::closeWithFrame); // asks first (closeEvent)
    connect(m_cmdBack, &QPushButton::clicked, this, &BookingWizard::back);
    connect(m_cmdNext, &QPushButton::clicked, this, &BookingWizard::next);
    connect(m_cmdCancel, &QPushButton::clicked, this, &BookingWizard::cancelBooking);

    auto* body = new QHBoxLayout;
    body->addWidget(progress);
    auto* right = new QVBoxLayout;
    right->addWidget(m_pages, 1);
    right->addWidget(caption(tr("Booking Notes"), this));
    right->addWidget(m_txtNotes);
    body->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_cmdBack, m_cmdNext, m_cmdCancel, m_cmdClose})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCaption);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    FocusNextControl::install(this);
    // Never smaller than its fullest page: the charges page with its breakdown must not be cut off.
    setMinimumHeight(minimumSizeHint().height());
}

BookingWizard* BookingWizard::display(IWindowHost& host, Services& services, RecordMode mode, int bookingId)
{
    auto* wizard = qobject_cast<BookingWizard*>(host.findWindow(QStringLiteral("frmBooking")));
    if (!wizard) {
        wizard = new BookingWizard(services);
    } else if (wizard->hasUnsavedWork()) {
        // A half-made booking is never thrown away unasked: the open wizard comes forward as it is.
        host.showChild(wizard);
        if (mode == RecordMode::Edit && !(wizard->m_mode == RecordMode::Edit && wizard->m_bookingId == bookingId))
            services.messages.show(tr("The booking wizard holds a booking that has not been saved. "
                                      "Confirm or cancel it first."),
                                   title(), MsgIcon::Exclamation, MsgButtons::Ok);
        return wizard;
    }
    wizard->m_host = &host;
    wizard->prepare(mode, bookingId);
    host.showChild(wizard);
    return wizard;
}

bool BookingWizard::startFrom(IWindowHost& host, Services& services, const BookingRequest& request)
{
    auto* open = qobject_cast<BookingWizard*>(host.findWindow(QStringLiteral("frmBooking")));
    if (open && open->hasUnsavedWork()) {
        display(host, services, RecordMode::Add, 0); // brings it forward and says why
        return false;
    }
    BookingWizard* wizard = display(host, services, RecordMode::Add, 0);
    wizard->m_dates->dtpFromDate->setDate(request.from);
    wizard->m_dates->dtpToDate->setDate(request.to.isValid() ? request.to : request.from.addDays(1));
    if (request.newBoat)
        wizard->m_berthList->offerNewBoat(*request.newBoat);
    else if (request.boatId)
        wizard->m_berthList->chooseBoat(*request.boatId);
    if (request.newCustomer)
        wizard->m_charges->customer->offerNew(request.newCustomer);
    else
        wizard->m_charges->customer->select(request.customerId);
    wizard->m_heldBlock = request.heldBlockId;
    wizard->m_marking = request.berthIds; // marked on the berths page where still free
    wizard->leaveDates();
    wizard->m_marking.clear(); // a new booking keeps no marks when its dates change
    wizard->m_save = request.save;
    return true;
}

void BookingWizard::prepare(RecordMode mode, int bookingId)
{
    const RegionalSettings regional = RegionalSettings::load();
    m_mode = mode;
    m_bookingId = mode == RecordMode::Edit ? bookingId : 0;
    m_fromDate = m_toDate = {};
    m_stored = {};
    m_marking.clear();
    m_save = {};
    m_heldBlock = 0;
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->clear();
    m_txtNotes->clear();
    m_confirmation->clear();
    const QDate today = m_services.clock.now().date();
    m_charges->prepare(regional.showAdultsAndKids, today, m_mode == RecordMode::Add);
    m_berthList->prepare();
    if (m_mode == RecordMode::Edit)
        loadBooking();
    else
        m_dates->start(today, regional);
    m_step = 0;
    showStep();
    m_closing = false;
    m_prepared = snapshot();
}

QStringList BookingWizard::snapshot() const
{
    QStringList state;
    for (const QLineEdit* box : findChildren<QLineEdit*>())
        state << box->text();
    for (const QDateTimeEdit* edit : findChildren<QDateTimeEdit*>())
        state << edit->dateTime().toString(Qt::ISODate);
    for (const QComboBox* combo : std::initializer_list<const QComboBox*>{
             m_charges->customer->cboCustomer, m_charges->payment->cboPaymentMethod, m_berthList->cboBoat})
        state << combo->currentData().toString();
    state << m_txtNotes->toPlainText() << QString::number(m_charges->chkClubMember->isChecked());
    for (const int id : m_berthList->markedIds())
        state << QString::number(id);
    return state;
}

bool BookingWizard::hasUnsavedWork() const
{
    return snapshot() != m_prepared;
}

void BookingWizard::closeEvent(QCloseEvent* event)
{
    // Closing the window or the program over a booking the user has started asks first (No keeps it open).
    if (!m_closing && hasUnsavedWork() &&
        m_services.messages.show(tr("The booking has not been saved. Close the wizard and lose it?"), title(),
                                 MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) {
        event->ignore();
        return;
    }
    ChildWindow::closeEvent(event);
}

void BookingWizard::loadBooking()
{
    const auto booking = BookingStore::loadBooking(m_services.db(), m_bookingId);
    if (!booking) {
        if (booking.kind() == FailureKind::Database)
            MessageLog::logError(QStringLiteral("%1.LoadBooking: %2").arg(objectName(), booking.error()));
        return;
    }
    m_fromDate = booking->fromDate;
    m_toDate = booking->toDate;
    m_dates->load(*booking);
    m_stored = *booking;
    m_marking = booking->berthIds;
    if (booking->boatId)
        m_berthList->chooseBoat(*booking->boatId);
    m_txtNotes->setPlainText(booking->notes);
    // Keyed as leaving the dates page will key it: the period as the pickers give it back.
    m_charges->load(*booking, {m_dates->arrival(), m_dates->departure(), booking->berthIds, m_berthList->chosenBoat()});
}

BookingChargesPage::Stay BookingWizard::stay() const
{
    return {m_fromDate, m_toDate, m_berthList->markedIds(), m_berthList->chosenBoat()};
}

int BookingWizard::selectedCount() const
{
    return m_berthList->selectedCount();
}

void BookingWizard::showStep()
{
    m_pages->setCurrentIndex(m_step);
    BookingWizardParts::markStep(m_lblStep, m_step);
    m_cmdBack->setVisible(m_step > 0);
    m_cmdClose->setVisible(m_mode == RecordMode::Edit);
    m_cmdNext->setText(m_step == 3 ? tr("&Confirm") : tr("&Next"));
}

void BookingWizard::goTo(int step)
{
    m_step = step;
    showStep();
}

void BookingWizard::next()
{
    using Leave = void (BookingWizard::*)();
    static constexpr Leave leave[] = {&BookingWizard::leaveDates, &BookingWizard::leaveBerths,
                                      &BookingWizard::leaveCharges, &BookingWizard::confirm};
    (this->*leave[std::clamp(m_step, 0, 3)])();
}

void BookingWizard::back()
{
    if (m_step > 0)
        goTo(m_step - 1);
}

void BookingWizard::leaveDates()
{
    m_fromDate = m_dates->arrival();
    m_toDate = m_dates->departure();
    if (!m_dates->check())
        return;
    m_berthList->fill(m_fromDate, m_toDate, ownHolding(), m_marking);
    goTo(1);
}

void BookingWizard::leaveBerths()
{
    if (m_berthList->check() && m_charges->enter(stay()))
        goTo(2);
}

void BookingWizard::leaveCharges()
{
    const auto boat = m_berthList->chosenBoat();
    if (!m_charges->check(boat))
        return;
    m_confirmation->show(typed(), boat, m_charges->counts(), m_charges->deposit->summary());
    goTo(3);
}

BookingRecord BookingWizard::typed() const
{
    BookingRecord b;
    b.id = m_mode == RecordMode::Edit ? m_bookingId : 0;
    m_berthList->fillIn(b);
    b.fromDate = m_fromDate;
    b.toDate = m_toDate;
    b.bookedBy = m_dates->txtBookedBy->text();
    b.notes = m_txtNotes->toPlainText();
    m_charges->fill(b);
    b.savedAt = m_services.clock.now();
    b.storedStamp = m_stored.storedStamp;
    return b;
}

int BookingWizard::ownHolding() const
{
    // A block's entries in the period index carry its ID negated where a booking's carry the booking's.
    return m_bookingId != 0 ? m_bookingId : -m_heldBlock;
}

bool BookingWizard::overtaken(BookingStore::Overtaken what, const BookingRecord& booking, const QString& error)
{
    using Overtaken = BookingStore::Overtaken;
    if (what == Overtaken::Nothing)
        return false;
    // A customer deleted at another desk is named as the list showed it: the row that had the name is gone.
    m_services.messages.show(what == Overtaken::CustomerGone
                                 ? tr("The customer %1 has been deleted since the list was shown. "
                                      "Nothing was saved: please choose the customer again.")
                                       .arg(m_charges->customer->cboCustomer->currentText())
                                 : error,
                             title(), MsgIcon::Exclamation, MsgButtons::Ok);
    switch (what) {
    case Overtaken::BerthsTaken: // booked meanwhile: back to the berths, marks kept
        m_berthList->fill(m_fromDate, m_toDate, ownHolding(), booking.berthIds);
        goTo(1);
        break;
    case Overtaken::CustomerGone: // back to the customers, read afresh
        m_charges->customer->load();
        goTo(2);
        m_charges->customer->cboCustomer->setFocus();
        break;
    case Overtaken::BoatGone: // removed or given to another customer: back to the boats, read afresh
        m_berthList->loadBoats();
        goTo(1);
        m_berthList->cboBoat->setFocus();
        break;
    default: // changed at another desk: nothing saved, the wizard stays where it is
        break;
    }
    return true;
}

void BookingWizard::confirm()
{
    const BookingRecord booking = typed();
    BookingStore::Overtaken what = BookingStore::Overtaken::Nothing;
    const auto saved =
        m_save ? m_save(m_services.db(), booking, &what) : BookingStore::saveBooking(m_services.db(), booking, &what);
    if (!saved) {
        // Out of range (refused) or a failed statement; either way nothing was written.
        if (!overtaken(what, booking, saved.error()))
            m_services.messages.show(
                tr("The booking could not be saved. Nothing was changed.\n%1").arg(saved.error()), title(),
                saved.kind() == FailureKind::Refused ? MsgIcon::Exclamation : MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    m_services.events.log(
        m_mode == RecordMode::Edit ? EventLog::BookingModified : EventLog::BookingAdded,
        BookingRules::savedDetails(m_fromDate, m_toDate, m_confirmation->customerLine(), booking.berthNames));
    if (const QString misfit = m_berthList->misfitDetails(); !misfit.isEmpty())
        m_services.events.log(EventLog::BoatBookedIntoSmallerBerth, misfit);
    // A changed period or berths may have freed what someone on the waiting list waits for.
    QList<int> sortedNew = booking.berthIds;
    QList<int> sortedOld = m_stored.berthIds;
    std::sort(sortedNew.begin(), sortedNew.end());
    std::sort(sortedOld.begin(), sortedOld.end());
    const bool released =
        m_mode == RecordMode::Edit &&
        (sortedNew != sortedOld || booking.fromDate != m_stored.fromDate || booking.toDate != m_stored.toDate);
    const bool showSummary = m_confirmation->announceSaved(booking, saved->confirmationNumber, m_host != nullptr);
    IWindowHost* host = m_host;
    Services& services = m_services;
    const int savedId = saved->id;
    const bool confirmation = m_confirmation->chkShowConfirmation->isChecked();
    const bool mailIt =
        m_confirmation->chkSendConfirmation->isEnabled() && m_confirmation->chkSendConfirmation->isChecked();
    closeWizard(released);
    if (mailIt)
        BookingMailMenu::queueConfirmation(services, savedId, host ? host->dialogParent() : nullptr);
    if (confirmation)
        DocumentsMenu::confirmation(services, savedId, DocumentsMenu::Outlet::Preview,
                                    host ? host->dialogParent() : nullptr);
    if (showSummary)
        BookingSummaryWindow::display(*host, services, savedId);
}

bool BookingWizard::askToCancel(IMessageBox& messages, const QString& title)
{
    return messages.show(tr("Do you want to delete existing reservation?"), title, MsgIcon::None, MsgButtons::YesNo) ==
           MsgResult::Yes;
}

void BookingWizard::cancelBooking()
{
    if (m_mode == RecordMode::Edit) {
        const QString details = BookingRules::cancelledDetails(
            m_fromDate, m_toDate, BookingStore::customerLine(m_services.db(), m_stored.customerId).valueOr(QString()));
        const Status cancelled =
            CancelPaidDialog::cancelBooking(m_services, this, m_bookingId, m_stored.storedStamp, title(), details);
        // Changed at another desk meanwhile: nothing cancelled, the wizard stays open over what was loaded.
        if (cancelled.kind() == FailureKind::Conflict)
            return;
        closeWizard(cancelled.ok());
        return;
    }
    closeWizard(false);
}

void BookingWizard::closeWizard(bool released)
{
    // The wizard may be gone once closed: what the frame is told is taken first.
    IWindowHost* host = released ? m_host : nullptr;
    const BookingRecord stored = m_stored;
    m_closing = true; // saved or cancelled: nothing left to ask about
    closeWithFrame();
    if (host)
        host->berthsReleased(stored.berthIds, stored.fromDate, stored.toDate);
}
