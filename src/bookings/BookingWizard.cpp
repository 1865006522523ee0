#include "bookings/BookingWizard.h"

#include "bookings/BerthAvailability.h"
#include "bookings/BerthGridModel.h"
#include "bookings/BoatFitting.h"
#include "bookings/BookingDetailsPanel.h"
#include "bookings/BookingPricing.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizardPages.h"
#include "bookings/CancelPaidDialog.h"
#include "bookings/DocumentsMenu.h"
#include "bookings/PaymentDialog.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/RegionalSettings.h"
#include "core/Seams.h"
#include "core/ui/ClickableLabel.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/InputChecks.h"
#include "core/ui/ReadErrorLine.h"
#include "core/ui/SendEmail.h"
#include "people/CustomerDialog.h"
#include "people/NamePicker.h"
#include "people/PeopleRecords.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

using BookingWizardParts::caption;
using BookingWizardParts::named;

namespace {
// Built at each call, so the translator installed at start-up is the one asked.
QString title()
{
    return QCoreApplication::translate("BookingWizard", "Booking");
}

// An amount re-shown in the display pattern; an empty box stays empty, text that is not an amount stays as typed.
void showAmount(QLineEdit* box)
{
    if (const auto amount = InputChecks::readMoney(box->text()))
        box->setText(amount->format());
}

// The choices in a box, none chosen; a failed read leaves the box empty and goes to the diagnostic log.
void fillChoices(QComboBox* box, const Result<QList<BookingStore::Choice>>& choices, const QString& where)
{
    box->clear();
    if (!choices)
        MessageLog::logError(QStringLiteral("%1: %2").arg(where, choices.error()));
    for (const auto& [id, name] : choices.valueOr({}))
        box->addItem(name, id);
    box->setCurrentIndex(-1);
}

Money amount(const QLineEdit* box)
{
    return InputChecks::readMoney(box->text()).value_or(Money());
}

// What a hire is priced for: the period, the berths (whatever order they were marked in) and the boat, whose
// length a per-metre rate counts.
QString pricingKeyOf(const QDateTime& from, const QDateTime& to, const QList<int>& sortedBerthIds,
                     const std::optional<BoatRecord>& boat)
{
    QStringList parts{from.toString(Qt::ISODate), to.toString(Qt::ISODate),
                      boat ? QStringLiteral("boat %1 %2").arg(boat->id).arg(boat->lengthCm.value_or(0)) : QString()};
    for (const int id : sortedBerthIds)
        parts << QString::number(id);
    return parts.join(u' ');
}
} // namespace

BookingWizard::BookingWizard(Services& services, QWidget* parent) : ChildWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmBooking"));
    setWindowTitle(title());
    m_berths = new BerthGridModel(this);

    auto* lblCaption = named(new QLabel(tr("Berth / Caravan Reservation"), this), QStringLiteral("lblCaption"));
    QFont big = lblCaption->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    lblCaption->setFont(big);

    auto* progress = new QGroupBox(tr("Booking Progress"), this);
    progress->setObjectName(QStringLiteral("fraProgress"));
    auto* progressLayout = new QVBoxLayout(progress);
    const QStringList steps{tr("Step 1 - Dates"), tr("Step 2 - Select Berth"), tr("Step 3 - Customer"),
                            tr("Step 4 - Confirmation")};
    for (int i = 0; i < steps.size(); ++i) {
        auto* label = named(new QLabel(steps[i], progress), QStringLiteral("lblStep_%1").arg(i));
        m_lblStep.append(label);
        progressLayout->addWidget(label);
    }
    progressLayout->addStretch(1);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("fraSteps"));
    m_dates = new BookingDatesPage(this);
    m_berthList = new BookingBerthsPage(services, m_berths, this);
    m_customer = new BookingCustomerPage(services, this);
    m_confirmation = new BookingConfirmationPage(this);
    for (QWidget* page : std::initializer_list<QWidget*>{m_dates, m_berthList, m_customer, m_confirmation})
        m_pages->addWidget(page);
    connect(m_customer->cmdAddCustomer, &QPushButton::clicked, this, &BookingWizard::addCustomer);
    connect(m_customer->cmdRecordPayment, &QPushButton::clicked, this, [this] {
        if (const auto paid = PaymentDialog::record(m_services, m_bookingId, PaymentDialog::Mode::Payment, this))
            m_customer->txtAmountPayed->setText(paid->plainText());
    });
    connect(m_berthList->cboBoat, &QComboBox::currentIndexChanged, this, &BookingWizard::boatChosen);
    connect(m_berthList->chkOnlyFit, &QCheckBox::toggled, this, [this] {
        QList<int> marked;
        for (const AvailableBerth& berth : m_berths->marked())
            marked << berth.id;
        relistBerths(marked);
    });
    m_customer->txtOtherCharges->installEventFilter(this);
    // Tax and the total follow every change of their parts; VAT typed by hand stays until the hire or the other
    // charges change.
    connect(m_customer->txtCostOfHire, &QLineEdit::textEdited, this, [this] {
        m_hireTyped = true;
        m_vatTyped = false;
        updateCharges();
    });
    connect(m_customer->txtOtherCharges, &QLineEdit::textEdited, this, [this] {
        m_vatTyped = false;
        updateCharges();
    });
    connect(m_customer->txtVAT, &QLineEdit::textEdited, this, [this] {
        m_vatTyped = true;
        updateCharges();
    });
    connect(m_confirmation->details->email, &ClickableLabel::clicked, this,
            [this] { sendEmail(m_services, m_confirmation->details->lblMail->text(), title()); });

    m_txtNotes = new QPlainTextEdit(this);
    m_txtNotes->setObjectName(QStringLiteral("txtNotes"));
    m_txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtNotes->setMaximumHeight(90);

    m_cmdBack = new QPushButton(tr("&Back"), this);
    m_cmdBack->setObjectName(QStringLiteral("cmdBack"));
    m_cmdNext = new QPushButton(tr("&Next"), this);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdCancel = new QPushButton(tr("Cancel Booking"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // A booking being changed can be left as it is; "Cancel Booking" deletes it.
    m_cmdClose = new QPushButton(tr("C&lose"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    InputChecks::skipChecks(m_cmdClose);
    connect(m_cmdClose, &QPushButton::clicked, this, [this] {
        // Asks first when something was typed (closeEvent).
        closeWithFrame();
    });
    InputChecks::skipChecks(m_cmdCancel);
    InputChecks::skipChecks(m_cmdBack);
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
    buttons->addWidget(m_cmdBack);
    buttons->addWidget(m_cmdNext);
    buttons->addWidget(m_cmdCancel);
    buttons->addWidget(m_cmdClose);
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
    if (request.boatId)
        wizard->m_berthList->chooseBoat(*request.boatId);
    wizard->m_customer->selectCustomer(request.customerId);
    wizard->m_storedBerths = request.berthIds; // marked on the berths page where still free
    wizard->leaveDates();
    wizard->m_storedBerths.clear(); // a new booking keeps no marks when its dates change
    return true;
}

void BookingWizard::prepare(RecordMode mode, int bookingId)
{
    const RegionalSettings regional = RegionalSettings::load();
    m_countsShown = regional.showAdultsAndKids;
    m_mode = mode;
    m_bookingId = mode == RecordMode::Edit ? bookingId : 0;
    m_fromDate = {};
    m_toDate = {};
    m_loadedCustomerId = 0;
    m_proposedNumber.clear();
    m_storedStamp.clear();
    m_vatTyped = false;
    m_hireTyped = false;
    m_pricedFor.clear();
    m_taxRate = Pricing::DeliveredTax;
    m_agreed = {};
    showCharges({}, {});
    m_storedBerths.clear();
    m_storedBerthIds.clear();
    m_storedFrom = {};
    m_storedTo = {};
    m_berths->setBerths({});
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->clear();
    for (QLabel* label :
         {m_confirmation->details->lblDates, m_confirmation->details->lblName, m_confirmation->details->lblAddress,
          m_confirmation->details->lblPhone, m_confirmation->details->lblMail, m_confirmation->details->lblNoAdults,
          m_confirmation->details->lblNoKids})
        label->clear();
    m_txtNotes->clear();
    m_customer->chkClubMember->setChecked(false);
    const BookingRules::PartyCounts counts = BookingRules::startingCounts(m_countsShown);
    m_customer->txtNoAdults->setText(QString::number(counts.adults));
    m_customer->txtNoKids->setText(QString::number(counts.kids));

    m_free.clear();
    m_misfitDetails.clear();
    m_customer->loadCustomers();
    m_berthList->forgetNewBoat();
    loadBoats();
    m_confirmation->lblInsuranceWarning->hide();
    m_confirmation->details->lblBoat->hide();
    fillChoices(m_customer->cboPaymentMethod, BookingStore::paymentMethodChoices(m_services.db()),
                objectName() + QStringLiteral(".Prepare"));

    if (m_mode == RecordMode::Edit) {
        loadBooking();
    } else {
        const QDate today = m_services.clock.now().date();
        m_dates->dtpFromDate->setDate(today);
        m_dates->dtpToDate->setDate(today);
        m_dates->dtpFromTime->setTime(regional.checkInTime);
        m_dates->dtpToTime->setTime(regional.checkOutTime);
        // A number that cannot be worked out is not guessed: the box stays empty for the user to fill.
        const auto next = BookingStore::nextConfirmationNumber(m_services.db());
        if (next)
            m_proposedNumber = QString::number(*next);
        else
            MessageLog::logError(QStringLiteral("%1.Prepare: %2").arg(objectName(), next.error()));
        m_customer->txtBerthConfirmationNumber->setText(m_proposedNumber);
    }

    for (QWidget* w : std::initializer_list<QWidget*>{m_customer->lblNoAdultsEdit, m_customer->lblNoKidsEdit,
                                                      m_customer->txtNoAdults, m_customer->txtNoKids})
        w->setVisible(m_countsShown);
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
             m_customer->cboCustomer, m_customer->cboPaymentMethod, m_berthList->cboBoat})
        state << combo->currentData().toString();
    state << m_txtNotes->toPlainText() << QString::number(m_customer->chkClubMember->isChecked());
    for (const AvailableBerth& berth : m_berths->marked())
        state << QString::number(berth.id);
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
    m_dates->dtpFromDate->setDate(m_fromDate.date());
    m_dates->dtpFromTime->setTime(DateTimes::roundToHalfHour(m_fromDate, true).time());
    m_dates->dtpToDate->setDate(m_toDate.date());
    m_dates->dtpToTime->setTime(DateTimes::roundToHalfHour(m_toDate, false).time());
    m_dates->txtBookedBy->setText(booking->bookedBy);
    m_loadedCustomerId = booking->customerId;
    if (booking->boatId)
        m_berthList->chooseBoat(*booking->boatId);
    m_customer->selectCustomer(booking->customerId);
    m_txtNotes->setPlainText(booking->notes);
    if (m_countsShown) {
        m_customer->txtNoAdults->setText(QString::number(BookingRules::shownCount(booking->noAdults)));
        m_customer->txtNoKids->setText(QString::number(BookingRules::shownCount(booking->noKids)));
    }
    m_customer->txtOtherCharges->setText(booking->otherCharges.plainText());
    m_customer->txtVAT->setText(booking->vat.plainText());
    m_customer->txtTotalPayable->setText(booking->totalPayable.plainText());
    m_customer->txtAmountPayed->setText(booking->amountPayed.plainText());
    m_customer->txtAmountPayed->setReadOnly(true);
    m_customer->cmdRecordPayment->show();
    m_customer->cboPaymentMethod->setCurrentIndex(
        booking->paymentMethodId ? m_customer->cboPaymentMethod->findData(*booking->paymentMethodId) : -1);
    m_customer->txtCreditCardNo->setText(
        BookingRules::maskedCardNumber(booking->creditCardNo)); // older rows kept it whole
    m_customer->txtCreditCardExpiry->setText(booking->creditCardExpiry);
    m_customer->txtCreditCardType->setText(booking->creditCardType);
    m_customer->txtCostOfHire->setText(booking->costOfHire.plainText());
    m_customer->txtBerthConfirmationNumber->setText(
        booking->berthConfirmationNumber ? QString::number(*booking->berthConfirmationNumber) : QString());
    m_customer->txtGuestConfNum->setText(booking->guestConfirmationNumber);
    m_customer->txtPowerRequirements->setText(booking->powerRequirements);
    m_customer->chkClubMember->setChecked(booking->clubMember);
    m_storedBerths = booking->berthIds;
    m_storedBerthIds = booking->berthIds;
    m_storedFrom = booking->fromDate;
    m_storedTo = booking->toDate;
    m_storedStamp = booking->storedStamp;
    // What was agreed stays agreed: the stored hire and tax until the person reprices. A stored VAT the rate would
    // not give was typed by hand and is kept; the total is always its parts' sum.
    m_taxRate = booking->taxRate.value_or(Pricing::DeliveredTax);
    QList<int> berthIds = booking->berthIds;
    std::sort(berthIds.begin(), berthIds.end());
    // Keyed as leaving the dates page will key it: the period as the pickers give it back.
    m_agreed = {pricingKeyOf(BookingRules::arrivalFrom(m_dates->dtpFromDate->date(), m_dates->dtpFromTime->time()),
                             BookingRules::departureFrom(m_dates->dtpToDate->date(), m_dates->dtpToTime->time()),
                             berthIds, chosenBoat()),
                booking->costOfHire, booking->charges, m_taxRate};
    m_pricedFor = m_agreed.key;
    m_chargeLines = booking->charges;
    showCharges(m_chargeLines, {});
    m_vatTyped = Pricing::charges(booking->costOfHire, booking->otherCharges, m_taxRate).tax != booking->vat;
}

QString BookingWizard::pricingKey() const
{
    QList<int> ids;
    for (const AvailableBerth& berth : m_berths->marked())
        ids.append(berth.id);
    std::sort(ids.begin(), ids.end());
    return pricingKeyOf(m_fromDate, m_toDate, ids, chosenBoat());
}

std::optional<BoatRecord> BookingWizard::chosenBoat() const
{
    return m_berthList->chosenBoat();
}

void BookingWizard::loadBoats()
{
    m_berthList->loadBoats();
    boatChosen();
}

void BookingWizard::boatChosen()
{
    const std::optional<BoatRecord> boat = chosenBoat();
    m_berths->setBoat(boat);
    {
        // On by default when a boat is chosen; without one there is nothing to fit.
        const QSignalBlocker blocker(m_berthList->chkOnlyFit);
        m_berthList->chkOnlyFit->setChecked(boat.has_value());
        m_berthList->chkOnlyFit->setEnabled(boat.has_value());
    }
    if (boat && boat->customerId > 0) // a new caller's boat has no customer yet
        m_customer->selectCustomer(boat->customerId);
    QList<int> marked;
    for (const AvailableBerth& berth : m_berths->marked())
        marked << berth.id;
    relistBerths(marked);
}

void BookingWizard::relistBerths(const QList<int>& keepMarked)
{
    m_berths->setBerths(BoatFitting::listed(m_free, chosenBoat(), m_berthList->chkOnlyFit->isChecked(), keepMarked));
    m_berths->markBerths(keepMarked);
}

int BookingWizard::selectedCount() const
{
    return m_berths->selectedCount();
}

void BookingWizard::showStep()
{
    m_pages->setCurrentIndex(m_step);
    for (int i = 0; i < m_lblStep.size(); ++i) {
        QFont font = m_lblStep[i]->font();
        font.setBold(i == m_step);
        m_lblStep[i]->setFont(font);
    }
    m_cmdBack->setVisible(m_step > 0);
    m_cmdClose->setVisible(m_mode == RecordMode::Edit);
    m_cmdNext->setText(m_step == 3 ? tr("&Confirm") : tr("&Next"));
}

void BookingWizard::next()
{
    switch (m_step) {
    case 0:
        leaveDates();
        break;
    case 1:
        leaveBerths();
        break;
    case 2:
        leaveCustomer();
        break;
    default:
        confirm();
        break;
    }
}

void BookingWizard::back()
{
    if (m_step > 0) {
        --m_step;
        showStep();
    }
}

void BookingWizard::leaveDates()
{
    const QDateTime from = BookingRules::arrivalFrom(m_dates->dtpFromDate->date(), m_dates->dtpFromTime->time());
    const QDateTime to = BookingRules::departureFrom(m_dates->dtpToDate->date(), m_dates->dtpToTime->time());
    m_fromDate = from;
    m_toDate = to;
    switch (BookingRules::checkInterval(from, to)) {
    case BookingRules::IntervalCheck::DepartureNotAfterArrival:
        m_services.messages.show(tr("Departure date must be after the Arrival date. Please change the "
                                    "Departure date and try again."),
                                 title(), MsgIcon::Exclamation, MsgButtons::Ok);
        m_dates->dtpToDate->setFocus();
        return;
    case BookingRules::IntervalCheck::ShortNight:
        m_services.messages.show(tr("Booking interval is invalid"), title(), MsgIcon::Exclamation, MsgButtons::Ok);
        m_dates->dtpToDate->setFocus();
        return;
    case BookingRules::IntervalCheck::Ok:
        break;
    }
    fillBerthGrid(m_storedBerths);
    m_step = 1;
    showStep();
}

void BookingWizard::fillBerthGrid(const QList<int>& keepMarked)
{
    const auto berths = BerthAvailability::freeBerths(m_services.db(), m_fromDate, m_toDate, m_bookingId);
    // An empty grid must mean no free berth: a failed read says so above the grid and in the message log.
    if (!berths)
        MessageLog::logError(QStringLiteral("%1.FillBerthGrid: %2").arg(objectName(), berths.error()));
    m_berthList->berthReadError->showError(berths.error());
    m_free = berths.valueOr({});
    relistBerths(keepMarked);
}

void BookingWizard::leaveBerths()
{
    if (m_berths->selectedCount() == 0) {
        m_services.messages.show(tr("Please select one or more units"), title(), MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    // A boat too big for a marked berth is booked there only when the person says so, and the log keeps it.
    m_misfitDetails.clear();
    if (const auto boat = chosenBoat()) {
        if (const QStringList misfits = BoatFitting::misfitBerths(*boat, m_berths->marked()); !misfits.isEmpty()) {
            if (m_services.messages.show(BoatFitting::misfitQuestion(*boat, misfits), title(), MsgIcon::Question,
                                         MsgButtons::YesNo) != MsgResult::Yes)
                return;
            m_misfitDetails = BoatFitting::misfitDetails(*boat, misfits);
        }
    }
    // A hire priced (or typed) for this period and these berths stays; anything else is priced afresh.
    if (const QString key = pricingKey(); key != m_pricedFor && !priceHire(key))
        return;
    for (QLineEdit* box : {m_customer->txtCostOfHire, m_customer->txtOtherCharges, m_customer->txtVAT,
                           m_customer->txtTotalPayable, m_customer->txtAmountPayed})
        showAmount(box);
    m_step = 2;
    showStep();
}

bool BookingWizard::priceHire(const QString& key)
{
    QList<int> ids;
    for (const AvailableBerth& berth : m_berths->marked())
        ids.append(berth.id);
    const auto boat = chosenBoat();
    const auto quote =
        BookingPricing::quote(m_services.db(), ids, m_fromDate, m_toDate, boat ? boat->lengthCm : std::nullopt);
    if (!quote) {
        MessageLog::logError(QStringLiteral("%1.PriceHire: %2").arg(objectName(), quote.error()));
        m_services.messages.show(
            tr("The rates could not be read, so the hire cannot be worked out.\n%1").arg(quote.error()), title(),
            MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    Money hire = quote->price.total;
    QList<Pricing::Line> lines = quote->price.lines;
    int taxRate = quote->tax.hundredthsOfPercent;
    QString notice =
        m_hireTyped ? tr("The period or the berths changed, so the hire has been worked out again.") : QString();
    if (m_mode == RecordMode::Edit && !m_agreed.key.isEmpty()) {
        const Money other = amount(m_customer->txtOtherCharges);
        const Money agreedTotal = Pricing::charges(m_agreed.hire, other, m_agreed.taxRate).total;
        const Money newTotal = Pricing::charges(hire, other, taxRate).total;
        if (agreedTotal != newTotal) {
            // Keeping is the default: a hurried Enter must not change what the customer was quoted.
            const int answer = m_services.messages.choose(
                tr("The period or the berths of this booking have changed.\n"
                   "Agreed price: hire %1, total payable %2.\n"
                   "With today's rates: hire %3, total payable %4.\n\n"
                   "Keep the agreed price?")
                    .arg(m_agreed.hire.format(), agreedTotal.format(), hire.format(), newTotal.format()),
                title(), {tr("&Keep %1").arg(agreedTotal.format()), tr("&Reprice to %1").arg(newTotal.format())});
            if (answer < 0)
                return false;
            if (answer == 0) {
                hire = m_agreed.hire;
                lines = m_agreed.lines;
                taxRate = m_agreed.taxRate;
                notice = tr("The agreed price is kept.");
            }
        }
    }
    m_customer->txtCostOfHire->setText(hire.format());
    m_chargeLines = lines;
    m_taxRate = taxRate;
    m_hireTyped = false;
    m_vatTyped = false;
    m_pricedFor = key;
    updateCharges();
    showCharges(lines, QStringList{notice, BookingPricing::unpricedText(quote->price.unpriced)}.join(u' ').trimmed());
    return true;
}

void BookingWizard::showCharges(const QList<Pricing::Line>& lines, const QString& notice)
{
    m_customer->lstCharges->clear();
    for (const Pricing::Line& line : lines)
        m_customer->lstCharges->addItem(BookingPricing::lineText(line));
    m_customer->lstCharges->setVisible(!lines.isEmpty());
    m_customer->lblChargesNotice->setText(notice);
    m_customer->lblChargesNotice->setVisible(!notice.isEmpty());
}

void BookingWizard::updateCharges()
{
    const auto valid = [](const QLineEdit* box, InputChecks::Kind kind) {
        return InputChecks::isValid(box->text(), kind);
    };
    if (!valid(m_customer->txtCostOfHire, InputChecks::Kind::Charge) ||
        !valid(m_customer->txtOtherCharges, InputChecks::Kind::Charge) ||
        (m_vatTyped && !valid(m_customer->txtVAT, InputChecks::Kind::Money)))
        return; // the box's own check says what is wrong
    const Money hire = amount(m_customer->txtCostOfHire);
    const Money other = amount(m_customer->txtOtherCharges);
    const Money vat = m_vatTyped ? amount(m_customer->txtVAT) : Pricing::charges(hire, other, m_taxRate).tax;
    if (!m_vatTyped)
        m_customer->txtVAT->setText(vat.format());
    m_customer->txtTotalPayable->setText((hire + other + vat).format());
}

void BookingWizard::recalculateCharges()
{
    if (!InputChecks::isValid(m_customer->txtCostOfHire->text(), InputChecks::Kind::Charge) ||
        !InputChecks::isValid(m_customer->txtOtherCharges->text(), InputChecks::Kind::Charge))
        return;
    for (QLineEdit* box : {m_customer->txtCostOfHire, m_customer->txtOtherCharges})
        showAmount(box);
    updateCharges();
}

bool BookingWizard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_customer->txtOtherCharges && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            InputChecks::isValid(m_customer->txtOtherCharges->text(), InputChecks::Kind::Charge)) {
            recalculateCharges();
            // The amount paid comes next, unless the user went for a button.
            QTimer::singleShot(0, this, [this] {
                if (!qobject_cast<QPushButton*>(QApplication::focusWidget()) && m_step == 2)
                    m_customer->txtAmountPayed->setFocus(Qt::OtherFocusReason);
            });
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void BookingWizard::leaveCustomer()
{
    // VAT and the total are worked out even when the other charges box was never visited (and checked like typed
    // amounts: a sum past the ceiling is refused).
    recalculateCharges();
    if (!InputChecks::checkAll({m_customer->txtNoAdults, m_customer->txtNoKids, m_customer->txtBerthConfirmationNumber,
                                m_customer->txtCostOfHire, m_customer->txtOtherCharges, m_customer->txtVAT,
                                m_customer->txtTotalPayable, m_customer->txtAmountPayed}))
        return;
    if (m_customer->cboCustomer->currentIndex() < 0) {
        m_services.messages.show(tr("Please select customer"), title(), MsgIcon::Exclamation, MsgButtons::Ok);
        m_customer->cboCustomer->setFocus();
        return;
    }
    const auto boat = chosenBoat();
    if (boat && boat->id > 0 && boat->customerId != m_customer->cboCustomer->currentData().toInt()) {
        m_services.messages.show(tr("%1 is not a boat of %2. Choose its owner as the customer, or no boat on the "
                                    "berths page.")
                                     .arg(boat->name, m_customer->cboCustomer->currentText()),
                                 title(), MsgIcon::Exclamation, MsgButtons::Ok);
        m_customer->cboCustomer->setFocus();
        return;
    }
    QStringList berthNames;
    for (const AvailableBerth& berth : m_berths->marked())
        berthNames << berth.name;
    m_confirmation->details->lblBerths->setText(BookingRules::berthsLine(berthNames));
    m_confirmation->details->lblBoat->setText(boat ? tr("Boat: %1").arg(Boats::boatLine(*boat)) : QString());
    m_confirmation->details->lblBoat->setVisible(boat.has_value());
    const QString insurance = boat ? BoatFitting::insuranceWarning(*boat, m_toDate) : QString();
    m_confirmation->lblInsuranceWarning->setText(insurance);
    m_confirmation->lblInsuranceWarning->setVisible(!insurance.isEmpty());
    showAmount(m_customer->txtAmountPayed);
    m_confirmation->details->lblDates->setText(BookingRules::periodText(m_fromDate, m_toDate));
    const BookingRules::CountsLine counts =
        BookingRules::confirmationCounts(m_customer->txtNoAdults->text(), m_customer->txtNoKids->text());
    m_confirmation->details->lblNoAdults->setText(counts.adults);
    m_confirmation->details->lblNoKids->setText(counts.kids);
    m_confirmation->details->lblNoAdults->setVisible(counts.numbersShown);
    m_confirmation->details->lblNoKids->setVisible(counts.numbersShown);
    m_confirmation->details->lblAdults->setVisible(counts.wordsShown);
    m_confirmation->details->lblKids->setVisible(counts.wordsShown);

    if (const auto customer = CustomerStore::load(m_services.db(), m_customer->cboCustomer->currentData().toInt())) {
        m_confirmation->details->lblName->setText(BookingRules::customerLine(*customer));
        m_confirmation->details->lblAddress->setText(
            QStringList{customer->street, customer->area, customer->town, customer->postCode}.join(
                QStringLiteral(", ")));
        m_confirmation->details->lblPhone->setText(customer->telNo);
        m_confirmation->details->lblMail->setText(customer->emailAddress);
    }
    m_step = 3;
    showStep();
}

BookingRecord BookingWizard::typed() const
{
    BookingRecord b;
    b.id = m_mode == RecordMode::Edit ? m_bookingId : 0;
    b.customerId = m_customer->cboCustomer->currentData().toInt();
    if (const auto boat = chosenBoat(); boat && boat->id > 0)
        b.boatId = boat->id;
    else if (boat)
        b.newBoat = boat; // saved for the customer with the booking
    b.fromDate = m_fromDate;
    b.toDate = m_toDate;
    b.bookedBy = m_dates->txtBookedBy->text();
    b.notes = m_txtNotes->toPlainText();
    b.noAdults = static_cast<int>(InputChecks::readWholeNumber(m_customer->txtNoAdults->text()).value_or(0));
    b.noKids = static_cast<int>(InputChecks::readWholeNumber(m_customer->txtNoKids->text()).value_or(0));
    b.costOfHire = amount(m_customer->txtCostOfHire);
    b.otherCharges = amount(m_customer->txtOtherCharges);
    b.vat = amount(m_customer->txtVAT);
    b.taxRate = m_taxRate;
    b.totalPayable = amount(m_customer->txtTotalPayable);
    b.amountPayed = amount(m_customer->txtAmountPayed);
    b.savedAt = m_services.clock.now();
    if (m_customer->cboPaymentMethod->currentIndex() >= 0)
        b.paymentMethodId = m_customer->cboPaymentMethod->currentData().toInt();
    b.creditCardNo = m_customer->txtCreditCardNo->text();
    b.creditCardExpiry = m_customer->txtCreditCardExpiry->text();
    b.creditCardType = m_customer->txtCreditCardType->text();
    b.berthConfirmationNumber = InputChecks::readWholeNumber(m_customer->txtBerthConfirmationNumber->text());
    b.confirmationNumberProposed =
        !m_proposedNumber.isEmpty() && m_customer->txtBerthConfirmationNumber->text().trimmed() == m_proposedNumber;
    b.guestConfirmationNumber = m_customer->txtGuestConfNum->text();
    b.powerRequirements = m_customer->txtPowerRequirements->text();
    b.clubMember = m_customer->chkClubMember->isChecked();
    b.storedStamp = m_storedStamp;
    for (const AvailableBerth& berth : m_berths->marked()) {
        b.berthIds.append(berth.id);
        b.berthNames.append(berth.name);
    }
    // The lines are kept only while they explain the hire: a hire typed by hand has none.
    Money priced;
    for (const Pricing::Line& line : m_chargeLines)
        priced += line.amount;
    if (!m_chargeLines.isEmpty() && priced == b.costOfHire)
        b.charges = m_chargeLines;
    return b;
}

void BookingWizard::confirm()
{
    const BookingRecord booking = typed();
    BookingStore::Overtaken overtaken = BookingStore::Overtaken::Nothing;
    const auto saved = BookingStore::saveBooking(m_services.db(), booking, &overtaken);
    if (!saved) {
        switch (overtaken) {
        case BookingStore::Overtaken::BerthsTaken:
            // Someone else booked a marked berth since the list was shown: back to the berths, marks kept.
            m_services.messages.show(saved.error(), title(), MsgIcon::Exclamation, MsgButtons::Ok);
            fillBerthGrid(booking.berthIds);
            m_step = 1;
            showStep();
            return;
        case BookingStore::Overtaken::BookingChanged:
            m_services.messages.show(saved.error(), title(), MsgIcon::Exclamation, MsgButtons::Ok);
            return;
        case BookingStore::Overtaken::CustomerGone:
            // Deleted at another desk since the list was shown: back to the customers, read afresh.
            m_services.messages.show(tr("The customer %1 has been deleted since the list was shown. "
                                        "Nothing was saved: please choose the customer again.")
                                         .arg(m_customer->cboCustomer->currentText()),
                                     title(), MsgIcon::Exclamation, MsgButtons::Ok);
            m_customer->loadCustomers();
            m_step = 2;
            showStep();
            m_customer->cboCustomer->setFocus();
            return;
        case BookingStore::Overtaken::BoatGone:
            // Removed or given to another customer at another desk: back to the berths page with the list afresh.
            m_services.messages.show(saved.error(), title(), MsgIcon::Exclamation, MsgButtons::Ok);
            loadBoats();
            m_step = 1;
            showStep();
            m_berthList->cboBoat->setFocus();
            return;
        case BookingStore::Overtaken::Nothing:
            break;
        }
        // Out of range (refused) or a failed statement; either way nothing was written.
        m_services.messages.show(
            tr("The booking could not be saved. Nothing was changed.\n%1").arg(saved.error()), title(),
            saved.kind() == FailureKind::Refused ? MsgIcon::Exclamation : MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    m_services.events.log(
        m_mode == RecordMode::Edit ? EventLog::BookingModified : EventLog::BookingAdded,
        BookingRules::savedDetails(m_fromDate, m_toDate, m_confirmation->details->lblName->text(), booking.berthNames));
    if (!m_misfitDetails.isEmpty())
        m_services.events.log(EventLog::BoatBookedIntoSmallerBerth, m_misfitDetails);
    // A changed period or berths may have freed what someone on the waiting list waits for.
    QList<int> sortedNew = booking.berthIds;
    QList<int> sortedOld = m_storedBerthIds;
    std::sort(sortedNew.begin(), sortedNew.end());
    std::sort(sortedOld.begin(), sortedOld.end());
    const bool released = m_mode == RecordMode::Edit &&
                          (sortedNew != sortedOld || booking.fromDate != m_storedFrom || booking.toDate != m_storedTo);
    if (booking.berthConfirmationNumber && saved->confirmationNumber != *booking.berthConfirmationNumber)
        m_services.messages.show(tr("Confirmation number %1 was given to a booking made at another desk "
                                    "meanwhile. This booking has been saved with number %2.")
                                     .arg(*booking.berthConfirmationNumber)
                                     .arg(saved->confirmationNumber),
                                 title(), MsgIcon::Information, MsgButtons::Ok);
    // Told it was saved, with its number, and offered its summary (No, the default, goes back to work).
    const QString savedText =
        saved->confirmationNumber > 0
            ? tr("The booking has been saved with confirmation number %1.").arg(saved->confirmationNumber)
            : tr("The booking has been saved.");
    const bool showSummary =
        m_host && m_services.messages.show(savedText + u' ' + tr("Show its summary?"), title(), MsgIcon::Information,
                                           MsgButtons::YesNo) == MsgResult::Yes;
    IWindowHost* host = m_host;
    Services& services = m_services;
    const int savedId = saved->id;
    const QList<int> freed = m_storedBerthIds;
    const QDateTime from = m_storedFrom;
    const QDateTime to = m_storedTo;
    const bool confirmation = m_confirmation->chkShowConfirmation->isChecked();
    closeWizard();
    if (released && host)
        host->berthsReleased(freed, from, to);
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
            m_fromDate, m_toDate, BookingStore::customerLine(m_services.db(), m_loadedCustomerId).valueOr(QString()));
        const Status cancelled =
            CancelPaidDialog::cancelBooking(m_services, this, m_bookingId, m_storedStamp, title(), details);
        // Changed at another desk meanwhile: nothing cancelled, the wizard stays open over what was loaded.
        if (cancelled.kind() == FailureKind::Conflict)
            return;
        if (cancelled) {
            IWindowHost* host = m_host;
            const QList<int> freed = m_storedBerthIds;
            const QDateTime from = m_storedFrom;
            const QDateTime to = m_storedTo;
            closeWizard();
            if (host)
                host->berthsReleased(freed, from, to);
            return;
        }
    }
    closeWizard();
}

void BookingWizard::addCustomer()
{
    CustomerDialog dialog(m_services, this);
    const int id = dialog.display(RecordMode::Add, 0);
    if (id == 0)
        return;
    m_customer->loadCustomers();
    m_customer->selectCustomer(id);
}

void BookingWizard::closeWizard()
{
    m_closing = true; // saved or cancelled: nothing left to ask about
    closeWithFrame();
}
