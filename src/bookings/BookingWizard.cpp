#include "bookings/BookingWizard.h"

#include "bookings/BerthAvailability.h"
#include "bookings/BerthGridModel.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
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
#include "core/ui/Twips.h"
#include "people/CustomerDialog.h"
#include "people/PeopleRecords.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString Title = QStringLiteral("Booking");

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* box(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QLabel* named(QLabel* label, const QString& name)
{
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// An amount re-shown in the display pattern; an empty box stays empty, text that is not an amount stays as typed.
void showAmount(QLineEdit* box)
{
    if (const auto amount = InputChecks::readMoney(box->text()))
        box->setText(amount->format());
}

Money amount(const QLineEdit* box)
{
    return InputChecks::readMoney(box->text()).value_or(Money());
}
} // namespace

BookingWizard::BookingWizard(Services& services, QWidget* parent) : ChildWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmBooking"));
    setWindowTitle(QStringLiteral("Booking"));
    m_berths = new BerthGridModel(this);

    auto* lblCaption =
        named(new QLabel(QStringLiteral("Berth / Caravan Reservation"), this), QStringLiteral("lblCaption"));
    QFont big = lblCaption->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    lblCaption->setFont(big);

    auto* progress = new QGroupBox(QStringLiteral("Booking Progress"), this);
    progress->setObjectName(QStringLiteral("fraProgress"));
    auto* progressLayout = new QVBoxLayout(progress);
    const QStringList steps{QStringLiteral("Step 1 - Dates"), QStringLiteral("Step 2 - Select Berth"),
                            QStringLiteral("Step 3 - Customer"), QStringLiteral("Step 4 - Confirmation")};
    for (int i = 0; i < steps.size(); ++i) {
        auto* label = named(new QLabel(steps[i], progress), QStringLiteral("lblStep_%1").arg(i));
        m_lblStep.append(label);
        progressLayout->addWidget(label);
    }
    progressLayout->addStretch(1);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("fraSteps"));
    m_pages->addWidget(buildDatesPage());
    m_pages->addWidget(buildBerthsPage());
    m_pages->addWidget(buildCustomerPage());
    m_pages->addWidget(buildConfirmationPage());

    m_txtNotes = new QPlainTextEdit(this);
    m_txtNotes->setObjectName(QStringLiteral("txtNotes"));
    m_txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtNotes->setMaximumHeight(90);

    m_cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    m_cmdBack->setObjectName(QStringLiteral("cmdBack"));
    m_cmdNext = new QPushButton(QStringLiteral("&Next"), this);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdCancel = new QPushButton(QStringLiteral("Cancel Booking"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    InputChecks::skipChecks(m_cmdCancel);
    InputChecks::skipChecks(m_cmdBack);
    connect(m_cmdBack, &QPushButton::clicked, this, &BookingWizard::back);
    connect(m_cmdNext, &QPushButton::clicked, this, &BookingWizard::next);
    connect(m_cmdCancel, &QPushButton::clicked, this, &BookingWizard::cancelBooking);

    auto* body = new QHBoxLayout;
    body->addWidget(progress);
    auto* right = new QVBoxLayout;
    right->addWidget(m_pages, 1);
    right->addWidget(caption(QStringLiteral("Booking Notes"), this));
    right->addWidget(m_txtNotes);
    body->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdBack);
    buttons->addWidget(m_cmdNext);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCaption);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    FocusNextControl::install(this);
}

QWidget* BookingWizard::buildDatesPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraStep_0"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(
        caption(QStringLiteral("Set Arrival date and Arrival time, then set Departure date and Departure time"), page),
        0, 0, 1, 3);
    auto makeDate = [page](const QString& name) {
        auto* date = new QDateEdit(page);
        date->setObjectName(name);
        date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        date->setCalendarPopup(true);
        date->setDateRange(BookingRules::earliestDate(), BookingRules::latestDate());
        return date;
    };
    auto makeTime = [page](const QString& name) {
        auto* time = new QTimeEdit(page);
        time->setObjectName(name);
        time->setDisplayFormat(QStringLiteral("HH:mm"));
        return time;
    };
    m_dtpFromDate = makeDate(QStringLiteral("dtpFromDate"));
    m_dtpFromTime = makeTime(QStringLiteral("dtpFromTime"));
    m_dtpToDate = makeDate(QStringLiteral("dtpToDate"));
    m_dtpToTime = makeTime(QStringLiteral("dtpToTime"));
    m_txtBookedBy = box(QStringLiteral("txtBookedBy"), page);
    grid->addWidget(caption(QStringLiteral("Arrival Date:"), page), 1, 0);
    grid->addWidget(m_dtpFromDate, 1, 1);
    grid->addWidget(m_dtpFromTime, 1, 2);
    grid->addWidget(caption(QStringLiteral("Departure Date:"), page), 2, 0);
    grid->addWidget(m_dtpToDate, 2, 1);
    grid->addWidget(m_dtpToTime, 2, 2);
    grid->addWidget(caption(QStringLiteral("Booked by (your name):"), page), 3, 0);
    grid->addWidget(m_txtBookedBy, 3, 1, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* BookingWizard::buildBerthsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraStep_1"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(caption(QStringLiteral("Berth / slips  available:"), page));
    layout->addWidget(caption(QStringLiteral("Select the Berth to use. (Items selected will appear in blue)"), page));
    m_grdBerth = new QTableView(page);
    m_grdBerth->setObjectName(QStringLiteral("grdBerth"));
    m_grdBerth->setModel(m_berths);
    m_grdBerth->setSelectionMode(QAbstractItemView::NoSelection);
    m_grdBerth->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdBerth->verticalHeader()->hide();
    m_grdBerth->setColumnHidden(BerthGridModel::ColID, true);
    m_grdBerth->setColumnHidden(BerthGridModel::ColDailyHireCharge, true);
    m_grdBerth->setColumnWidth(BerthGridModel::ColName, Twips::toPixelsX(3000, this));
    for (int column : {BerthGridModel::ColLength, BerthGridModel::ColWidth, BerthGridModel::ColHasPower})
        m_grdBerth->setColumnWidth(column, Twips::toPixelsX(1000, this));
    connect(m_grdBerth, &QTableView::clicked, this, [this](const QModelIndex& index) {
        m_grdBerth->setCurrentIndex(index);
        m_berths->toggle(index.row());
    });
    m_berthReadError = new ReadErrorLine(page);
    layout->addWidget(m_berthReadError);
    layout->addWidget(m_grdBerth, 1);
    layout->addWidget(caption(
        QStringLiteral("Select the unit for this booking. (Items highlighted in blue have been booked)"), page));
    return page;
}

QWidget* BookingWizard::buildCustomerPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraStep_2"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(caption(QStringLiteral("Enter your customer's details."), page), 0, 0, 1, 4);

    m_cboCustomer = new QComboBox(page);
    m_cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    m_cboCustomer->setMinimumContentsLength(24);
    m_cmdAddCustomer = new QPushButton(QStringLiteral("&New..."), page);
    m_cmdAddCustomer->setObjectName(QStringLiteral("cmdAddCustomer"));
    connect(m_cmdAddCustomer, &QPushButton::clicked, this, &BookingWizard::addCustomer);
    grid->addWidget(caption(QStringLiteral("Select customer:"), page), 1, 0);
    grid->addWidget(m_cboCustomer, 1, 1, 1, 2);
    grid->addWidget(m_cmdAddCustomer, 1, 3);

    m_lblNoAdultsEdit = named(new QLabel(QStringLiteral("No Adults:"), page), QStringLiteral("lblNoAdultsEdit"));
    m_txtNoAdults = box(QStringLiteral("txtNoAdults"), page);
    m_lblNoKidsEdit = named(new QLabel(QStringLiteral("No Kids:"), page), QStringLiteral("lblNoKidsEdit"));
    m_txtNoKids = box(QStringLiteral("txtNoKids"), page);
    grid->addWidget(m_lblNoAdultsEdit, 2, 0);
    grid->addWidget(m_txtNoAdults, 2, 1);
    grid->addWidget(m_lblNoKidsEdit, 2, 2);
    grid->addWidget(m_txtNoKids, 2, 3);

    m_txtPowerRequirements = box(QStringLiteral("txtPowerRequirements"), page);
    m_chkClubMember = new QCheckBox(QStringLiteral("Club Member"), page);
    m_chkClubMember->setObjectName(QStringLiteral("chkClubMember"));
    grid->addWidget(caption(QStringLiteral("Power requirements:"), page), 3, 0);
    grid->addWidget(m_txtPowerRequirements, 3, 1);
    grid->addWidget(m_chkClubMember, 3, 2, 1, 2);

    m_txtBerthConfirmationNumber = box(QStringLiteral("txtBerthConfirmationNumber"), page);
    m_txtGuestConfNum = box(QStringLiteral("txtGuestConfNum"), page);
    grid->addWidget(caption(QStringLiteral("Confirmation No.:"), page), 4, 0);
    grid->addWidget(m_txtBerthConfirmationNumber, 4, 1);
    grid->addWidget(caption(QStringLiteral("Guest Confirmation No.:"), page), 4, 2);
    grid->addWidget(m_txtGuestConfNum, 4, 3);

    // Money boxes in the left column, in their tab order; payment details on the right.
    m_txtCostOfHire = box(QStringLiteral("txtCostOfHire"), page);
    m_txtOtherCharges = box(QStringLiteral("txtOtherCharges"), page);
    m_txtVAT = box(QStringLiteral("txtVAT"), page);
    m_txtTotalPayable = box(QStringLiteral("txtTotalPayable"), page);
    m_txtAmountPayed = box(QStringLiteral("txtAmountPayed"), page);
    m_cboPaymentMethod = new QComboBox(page);
    m_cboPaymentMethod->setObjectName(QStringLiteral("cboPaymentMethod"));
    m_txtCreditCardNo = box(QStringLiteral("txtCreditCardNo"), page);
    m_txtCreditCardExpiry = box(QStringLiteral("txtCreditCardExpiry"), page);
    m_txtCreditCardType = box(QStringLiteral("txtCreditCardType"), page);
    const QList<std::pair<QString, QWidget*>> left{{QStringLiteral("Berth Hire:"), m_txtCostOfHire},
                                                   {QStringLiteral("Other Charges:"), m_txtOtherCharges},
                                                   {QStringLiteral("VAT:"), m_txtVAT},
                                                   {QStringLiteral("Total Payable:"), m_txtTotalPayable},
                                                   {QStringLiteral("Amount Payed:"), m_txtAmountPayed}};
    const QList<std::pair<QString, QWidget*>> right{{QStringLiteral("Payment Method:"), m_cboPaymentMethod},
                                                    {QStringLiteral("Credit Card No.:"), m_txtCreditCardNo},
                                                    {QStringLiteral("Credit Card Expiry:"), m_txtCreditCardExpiry},
                                                    {QStringLiteral("Credit Card Type:"), m_txtCreditCardType}};
    // No box for the card's security code: it must not be kept once the payment is authorised.
    for (int i = 0; i < left.size(); ++i) {
        grid->addWidget(caption(left[i].first, page), 5 + i, 0);
        grid->addWidget(left[i].second, 5 + i, 1);
        if (i < right.size()) {
            grid->addWidget(caption(right[i].first, page), 5 + i, 2);
            grid->addWidget(right[i].second, 5 + i, 3);
        }
    }
    grid->setRowStretch(10, 1);
    QWidget* order[] = {m_cboCustomer,
                        m_cmdAddCustomer,
                        m_txtNoAdults,
                        m_txtNoKids,
                        m_txtPowerRequirements,
                        m_chkClubMember,
                        m_txtBerthConfirmationNumber,
                        m_txtGuestConfNum,
                        m_txtCostOfHire,
                        m_txtOtherCharges,
                        m_txtVAT,
                        m_txtTotalPayable,
                        m_txtAmountPayed,
                        m_cboPaymentMethod,
                        m_txtCreditCardNo,
                        m_txtCreditCardExpiry,
                        m_txtCreditCardType};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    using InputChecks::Kind;
    const QList<std::tuple<QLineEdit*, Kind, QString>> checks{
        {m_txtNoAdults, Kind::Count, QStringLiteral("No Adults")},
        {m_txtNoKids, Kind::Count, QStringLiteral("No Kids")},
        {m_txtBerthConfirmationNumber, Kind::WholeNumber, QStringLiteral("Berth Confirmation No.")},
        {m_txtCostOfHire, Kind::Money, QStringLiteral("Cost of Hire")},
        {m_txtOtherCharges, Kind::Money, QStringLiteral("Other Charges")},
        {m_txtVAT, Kind::Money, QStringLiteral("VAT")},
        {m_txtTotalPayable, Kind::Money, QStringLiteral("Total Payable")},
        {m_txtAmountPayed, Kind::Money, QStringLiteral("Amount Payed")}};
    for (const auto& [box, kind, title] : checks)
        InputChecks::watch(box, kind, title, m_services.messages);
    m_txtOtherCharges->installEventFilter(this);
    for (QLineEdit* box : {m_txtVAT, m_txtTotalPayable})
        connect(box, &QLineEdit::textEdited, this, [this] { m_chargesTyped = true; });
    return page;
}

QWidget* BookingWizard::buildConfirmationPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraStep_3"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(caption(QStringLiteral("Booking confirmation details:"), page));
    auto row = [&](std::initializer_list<QWidget*> widgets, int spacing = -1) {
        auto* line = new QHBoxLayout;
        if (spacing >= 0)
            line->setSpacing(spacing);
        for (QWidget* w : widgets)
            line->addWidget(w);
        line->addStretch(1);
        layout->addLayout(line);
    };
    m_lblDates = named(new QLabel(page), QStringLiteral("lblDates"));
    m_lblName = named(new QLabel(page), QStringLiteral("lblName"));
    m_lblAddress = named(new QLabel(page), QStringLiteral("lblAddress"));
    m_lblPhone = named(new QLabel(page), QStringLiteral("lblPhone"));
    m_lblMail = named(new QLabel(page), QStringLiteral("lblMail"));
    auto* email = new ClickableLabel(QStringLiteral("Email"), page);
    email->setObjectName(QStringLiteral("Label38"));
    connect(email, &ClickableLabel::clicked, this, [this] { sendEmail(m_services, m_lblMail->text(), Title); });
    m_lblNoAdults = named(new QLabel(page), QStringLiteral("lblNoAdults"));
    m_lblAdults = named(new QLabel(QStringLiteral("Adults and"), page), QStringLiteral("lblAdults"));
    m_lblNoKids = named(new QLabel(page), QStringLiteral("lblNoKids"));
    m_lblKids = named(new QLabel(QStringLiteral("Children"), page), QStringLiteral("lblKids"));
    row({caption(QStringLiteral("Booking from"), page), m_lblDates});
    row({m_lblName});
    row({m_lblAddress});
    // The e-mail address stands 100 twips after the telephone number.
    row({caption(QStringLiteral("ph:"), page), m_lblPhone});
    row({email, m_lblMail}, Twips::toPixelsX(100, this));
    row({m_lblNoAdults, m_lblAdults, m_lblNoKids, m_lblKids});
    layout->addStretch(1);
    return page;
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
            services.messages.show(QStringLiteral("The booking wizard holds a booking that has not been saved. "
                                                  "Confirm or cancel it first."),
                                   Title, MsgIcon::Exclamation, MsgButtons::Ok);
        return wizard;
    }
    wizard->prepare(mode, bookingId);
    host.showChild(wizard);
    return wizard;
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
    m_chargesTyped = false;
    m_storedBerths.clear();
    m_berths->setBerths({});
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->clear();
    for (QLabel* label : {m_lblDates, m_lblName, m_lblAddress, m_lblPhone, m_lblMail, m_lblNoAdults, m_lblNoKids})
        label->clear();
    m_txtNotes->clear();
    m_chkClubMember->setChecked(false);
    const BookingRules::PartyCounts counts = BookingRules::startingCounts(m_countsShown);
    m_txtNoAdults->setText(QString::number(counts.adults));
    m_txtNoKids->setText(QString::number(counts.kids));

    loadCustomers();
    m_cboPaymentMethod->clear();
    const auto methods = BookingStore::paymentMethodChoices(m_services.db());
    if (!methods)
        MessageLog::logError(QStringLiteral("%1.Prepare: %2").arg(objectName(), methods.error()));
    for (const auto& [id, name] : methods.valueOr({}))
        m_cboPaymentMethod->addItem(name, id);
    m_cboPaymentMethod->setCurrentIndex(-1);

    if (m_mode == RecordMode::Edit) {
        loadBooking();
    } else {
        const QDate today = m_services.clock.now().date();
        m_dtpFromDate->setDate(today);
        m_dtpToDate->setDate(today);
        m_dtpFromTime->setTime(regional.checkInTime);
        m_dtpToTime->setTime(regional.checkOutTime);
        // A number that cannot be worked out is not guessed: the box stays empty for the user to fill.
        const auto next = BookingStore::nextConfirmationNumber(m_services.db());
        if (next)
            m_proposedNumber = QString::number(*next);
        else
            MessageLog::logError(QStringLiteral("%1.Prepare: %2").arg(objectName(), next.error()));
        m_txtBerthConfirmationNumber->setText(m_proposedNumber);
    }

    for (QWidget* w : std::initializer_list<QWidget*>{m_lblNoAdultsEdit, m_lblNoKidsEdit, m_txtNoAdults, m_txtNoKids})
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
    for (const QComboBox* combo : {m_cboCustomer, m_cboPaymentMethod})
        state << combo->currentData().toString();
    state << m_txtNotes->toPlainText() << QString::number(m_chkClubMember->isChecked());
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
        m_services.messages.show(QStringLiteral("The booking has not been saved. Close the wizard and lose it?"), Title,
                                 MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) {
        event->ignore();
        return;
    }
    ChildWindow::closeEvent(event);
}

void BookingWizard::loadCustomers()
{
    m_cboCustomer->clear();
    const auto customers = BookingStore::customerChoices(m_services.db());
    if (!customers)
        MessageLog::logError(QStringLiteral("%1.LoadCustomers: %2").arg(objectName(), customers.error()));
    for (const auto& [id, name] : customers.valueOr({}))
        m_cboCustomer->addItem(name, id);
    m_cboCustomer->setCurrentIndex(-1);
}

void BookingWizard::selectCustomer(int id)
{
    m_cboCustomer->setCurrentIndex(m_cboCustomer->findData(id));
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
    m_dtpFromDate->setDate(m_fromDate.date());
    m_dtpFromTime->setTime(DateTimes::roundToHalfHour(m_fromDate, true).time());
    m_dtpToDate->setDate(m_toDate.date());
    m_dtpToTime->setTime(DateTimes::roundToHalfHour(m_toDate, false).time());
    m_txtBookedBy->setText(booking->bookedBy);
    m_loadedCustomerId = booking->customerId;
    selectCustomer(booking->customerId);
    m_txtNotes->setPlainText(booking->notes);
    if (m_countsShown) {
        m_txtNoAdults->setText(QString::number(BookingRules::shownCount(booking->noAdults)));
        m_txtNoKids->setText(QString::number(BookingRules::shownCount(booking->noKids)));
    }
    m_txtOtherCharges->setText(booking->otherCharges.plainText());
    m_txtVAT->setText(booking->vat.plainText());
    m_txtTotalPayable->setText(booking->totalPayable.plainText());
    m_txtAmountPayed->setText(booking->amountPayed.plainText());
    m_cboPaymentMethod->setCurrentIndex(
        booking->paymentMethodId ? m_cboPaymentMethod->findData(*booking->paymentMethodId) : -1);
    m_txtCreditCardNo->setText(BookingRules::maskedCardNumber(booking->creditCardNo)); // older rows kept it whole
    m_txtCreditCardExpiry->setText(booking->creditCardExpiry);
    m_txtCreditCardType->setText(booking->creditCardType);
    m_txtCostOfHire->setText(booking->costOfHire.plainText());
    m_txtBerthConfirmationNumber->setText(
        booking->berthConfirmationNumber ? QString::number(*booking->berthConfirmationNumber) : QString());
    m_txtGuestConfNum->setText(booking->guestConfirmationNumber);
    m_txtPowerRequirements->setText(booking->powerRequirements);
    m_chkClubMember->setChecked(booking->clubMember);
    m_storedBerths = booking->berthIds;
    m_storedStamp = booking->storedStamp;
    // Stored amounts that the rule would not give were set by hand: leaving page 3 keeps them.
    const auto rule = BookingRules::recalculate(booking->costOfHire, booking->otherCharges);
    m_chargesTyped = rule.vat != booking->vat || rule.total != booking->totalPayable;
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
    m_cmdNext->setText(m_step == 3 ? QStringLiteral("&Confirm") : QStringLiteral("&Next"));
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
    const QDateTime from = BookingRules::arrivalFrom(m_dtpFromDate->date(), m_dtpFromTime->time());
    const QDateTime to = BookingRules::departureFrom(m_dtpToDate->date(), m_dtpToTime->time());
    m_fromDate = from;
    m_toDate = to;
    switch (BookingRules::checkInterval(from, to)) {
    case BookingRules::IntervalCheck::DepartureNotAfterArrival:
        m_services.messages.show(QStringLiteral("Departure date must be after the Arrival date. Please change the "
                                                "Departure date and try again."),
                                 Title, MsgIcon::Exclamation, MsgButtons::Ok);
        m_dtpToDate->setFocus();
        return;
    case BookingRules::IntervalCheck::ShortNight:
        m_services.messages.show(QStringLiteral("Booking interval is invalid"), Title, MsgIcon::Exclamation,
                                 MsgButtons::Ok);
        m_dtpToDate->setFocus();
        return;
    case BookingRules::IntervalCheck::Ok:
        break;
    }
    fillBerthGrid(m_mode == RecordMode::Edit ? m_storedBerths : QList<int>());
    m_step = 1;
    showStep();
}

void BookingWizard::fillBerthGrid(const QList<int>& keepMarked)
{
    const auto berths = BerthAvailability::freeBerths(m_services.db(), m_fromDate, m_toDate, m_bookingId);
    // An empty grid must mean no free berth: a failed read says so above the grid and in the message log.
    if (!berths)
        MessageLog::logError(QStringLiteral("%1.FillBerthGrid: %2").arg(objectName(), berths.error()));
    m_berthReadError->showError(berths.error());
    m_berths->setBerths(berths.valueOr({}));
    m_berths->markBerths(keepMarked);
}

void BookingWizard::leaveBerths()
{
    if (m_berths->selectedCount() == 0) {
        m_services.messages.show(QStringLiteral("Please select one or more units"), Title, MsgIcon::Exclamation,
                                 MsgButtons::Ok);
        return;
    }
    const Money hire = BookingRules::hireTotal(m_berths->marked(), BookingRules::daysOfHire(m_fromDate, m_toDate));
    m_txtCostOfHire->setText(hire.format());
    for (QLineEdit* box : {m_txtOtherCharges, m_txtVAT, m_txtTotalPayable, m_txtAmountPayed})
        showAmount(box);
    m_step = 2;
    showStep();
}

void BookingWizard::recalculateCharges()
{
    if (!InputChecks::isValid(m_txtCostOfHire->text(), InputChecks::Kind::Money) ||
        !InputChecks::isValid(m_txtOtherCharges->text(), InputChecks::Kind::Money))
        return;
    const auto charges = BookingRules::recalculate(amount(m_txtCostOfHire), amount(m_txtOtherCharges));
    for (QLineEdit* box : {m_txtCostOfHire, m_txtOtherCharges})
        showAmount(box);
    m_txtVAT->setText(charges.vat.format());
    m_txtTotalPayable->setText(charges.total.format());
    m_chargesTyped = false;
}

bool BookingWizard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_txtOtherCharges && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            InputChecks::isValid(m_txtOtherCharges->text(), InputChecks::Kind::Money)) {
            recalculateCharges();
            // The amount paid comes next, unless the user went for a button.
            QTimer::singleShot(0, this, [this] {
                if (!qobject_cast<QPushButton*>(QApplication::focusWidget()) && m_step == 2)
                    m_txtAmountPayed->setFocus(Qt::OtherFocusReason);
            });
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void BookingWizard::leaveCustomer()
{
    // VAT and the total are worked out even when the other charges box was never visited, unless typed by hand
    // (and checked like typed amounts: a sum past the ceiling is refused).
    if (!m_chargesTyped)
        recalculateCharges();
    if (!InputChecks::checkAll({m_txtNoAdults, m_txtNoKids, m_txtBerthConfirmationNumber, m_txtCostOfHire,
                                m_txtOtherCharges, m_txtVAT, m_txtTotalPayable, m_txtAmountPayed}))
        return;
    if (m_cboCustomer->currentIndex() < 0) {
        m_services.messages.show(QStringLiteral("Please select customer"), Title, MsgIcon::Exclamation, MsgButtons::Ok);
        m_cboCustomer->setFocus();
        return;
    }
    showAmount(m_txtAmountPayed);
    m_lblDates->setText(BookingRules::periodText(m_fromDate, m_toDate));
    const BookingRules::CountsLine counts =
        BookingRules::confirmationCounts(m_txtNoAdults->text(), m_txtNoKids->text());
    m_lblNoAdults->setText(counts.adults);
    m_lblNoKids->setText(counts.kids);
    m_lblNoAdults->setVisible(counts.numbersShown);
    m_lblNoKids->setVisible(counts.numbersShown);
    m_lblAdults->setVisible(counts.wordsShown);
    m_lblKids->setVisible(counts.wordsShown);

    if (const auto customer = CustomerStore::load(m_services.db(), m_cboCustomer->currentData().toInt())) {
        m_lblName->setText(BookingRules::customerLine(*customer));
        m_lblAddress->setText(QStringList{customer->street, customer->area, customer->town, customer->postCode}.join(
            QStringLiteral(", ")));
        m_lblPhone->setText(customer->telNo);
        m_lblMail->setText(customer->emailAddress);
    }
    m_step = 3;
    showStep();
}

BookingRecord BookingWizard::typed() const
{
    BookingRecord b;
    b.id = m_mode == RecordMode::Edit ? m_bookingId : 0;
    b.customerId = m_cboCustomer->currentData().toInt();
    b.fromDate = m_fromDate;
    b.toDate = m_toDate;
    b.bookedBy = m_txtBookedBy->text();
    b.notes = m_txtNotes->toPlainText();
    b.noAdults = static_cast<int>(InputChecks::readWholeNumber(m_txtNoAdults->text()).value_or(0));
    b.noKids = static_cast<int>(InputChecks::readWholeNumber(m_txtNoKids->text()).value_or(0));
    b.costOfHire = amount(m_txtCostOfHire);
    b.otherCharges = amount(m_txtOtherCharges);
    b.vat = amount(m_txtVAT);
    b.totalPayable = amount(m_txtTotalPayable);
    b.amountPayed = amount(m_txtAmountPayed);
    if (m_cboPaymentMethod->currentIndex() >= 0)
        b.paymentMethodId = m_cboPaymentMethod->currentData().toInt();
    b.creditCardNo = m_txtCreditCardNo->text();
    b.creditCardExpiry = m_txtCreditCardExpiry->text();
    b.creditCardType = m_txtCreditCardType->text();
    b.berthConfirmationNumber = InputChecks::readWholeNumber(m_txtBerthConfirmationNumber->text());
    b.confirmationNumberProposed =
        !m_proposedNumber.isEmpty() && m_txtBerthConfirmationNumber->text().trimmed() == m_proposedNumber;
    b.guestConfirmationNumber = m_txtGuestConfNum->text();
    b.powerRequirements = m_txtPowerRequirements->text();
    b.clubMember = m_chkClubMember->isChecked();
    b.storedStamp = m_storedStamp;
    for (const AvailableBerth& berth : m_berths->marked()) {
        b.berthIds.append(berth.id);
        b.berthNames.append(berth.name);
    }
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
            m_services.messages.show(saved.error(), Title, MsgIcon::Exclamation, MsgButtons::Ok);
            fillBerthGrid(booking.berthIds);
            m_step = 1;
            showStep();
            return;
        case BookingStore::Overtaken::BookingChanged:
            m_services.messages.show(saved.error(), Title, MsgIcon::Exclamation, MsgButtons::Ok);
            return;
        case BookingStore::Overtaken::CustomerGone:
            // Deleted at another desk since the list was shown: back to the customers, read afresh.
            m_services.messages.show(QStringLiteral("The customer %1 has been deleted since the list was shown. "
                                                    "Nothing was saved: please choose the customer again.")
                                         .arg(m_cboCustomer->currentText()),
                                     Title, MsgIcon::Exclamation, MsgButtons::Ok);
            loadCustomers();
            m_step = 2;
            showStep();
            m_cboCustomer->setFocus();
            return;
        case BookingStore::Overtaken::Nothing:
            break;
        }
        // Out of range (refused) or a failed statement; either way nothing was written.
        m_services.messages.show(
            QStringLiteral("The booking could not be saved. Nothing was changed.\n") + saved.error(), Title,
            saved.kind() == FailureKind::Refused ? MsgIcon::Exclamation : MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    m_services.events.log(m_mode == RecordMode::Edit ? EventLog::BookingModified : EventLog::BookingAdded,
                          BookingRules::savedDetails(m_lblDates->text(), m_lblName->text(), booking.berthNames));
    if (booking.berthConfirmationNumber && saved->confirmationNumber != *booking.berthConfirmationNumber)
        m_services.messages.show(QStringLiteral("Confirmation number %1 was given to a booking made at another desk "
                                                "meanwhile. This booking has been saved with number %2.")
                                     .arg(*booking.berthConfirmationNumber)
                                     .arg(saved->confirmationNumber),
                                 Title, MsgIcon::Information, MsgButtons::Ok);
    closeWizard();
}

bool BookingWizard::askToCancel(IMessageBox& messages, const QString& title)
{
    return messages.show(QStringLiteral("Do you want to delete existing reservation?"), title, MsgIcon::None,
                         MsgButtons::YesNo) == MsgResult::Yes;
}

void BookingWizard::cancelBooking()
{
    if (m_mode == RecordMode::Edit) {
        const QString details = BookingRules::cancelledDetails(
            m_fromDate, m_toDate, BookingStore::customerLine(m_services.db(), m_loadedCustomerId).valueOr(QString()));
        if (askToCancel(m_services.messages, Title)) {
            if (const Status deleted = BookingStore::deleteBooking(m_services.db(), m_bookingId); deleted)
                m_services.events.log(EventLog::BookingCancelled, details);
            else
                m_services.messages.show(QStringLiteral("The booking could not be deleted.\n") + deleted.error(), Title,
                                         MsgIcon::Critical, MsgButtons::Ok);
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
    loadCustomers();
    selectCustomer(id);
}

void BookingWizard::closeWizard()
{
    m_closing = true; // saved or cancelled: nothing left to ask about
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}
