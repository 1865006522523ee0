#include "bookings/frmBooking.h"

#include "bookings/BerthAvailability.h"
#include "bookings/BerthGridModel.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "core/RegionalSettings.h"
#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"
#include "core/modLog.h"
#include "core/ui/ClickableLabel.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/InputChecks.h"
#include "core/ui/ReadErrorLine.h"
#include "core/ui/SendEmail.h"
#include "core/ui/Twips.h"
#include "people/PeopleRecords.h"
#include "people/frmAddCustomer.h"

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

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* Box(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QLabel* Named(QLabel* label, const QString& name)
{
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// An amount re-shown in the display pattern; an empty box stays empty, text that is not an amount stays as typed.
void ShowAmount(QLineEdit* box)
{
    if (const auto amount = InputChecks::ReadMoney(box->text()))
        box->setText(amount->Format());
}

Money Amount(const QLineEdit* box)
{
    return InputChecks::ReadMoney(box->text()).value_or(Money());
}
} // namespace

frmBooking::frmBooking(Services& services, QWidget* parent) : ChildWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmBooking"));
    setWindowTitle(QStringLiteral("Booking"));
    m_berths = new BerthGridModel(this);

    auto* lblCaption =
        Named(new QLabel(QStringLiteral("Berth / Caravan Reservation"), this), QStringLiteral("lblCaption"));
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
        auto* label = Named(new QLabel(steps[i], progress), QStringLiteral("lblStep_%1").arg(i));
        m_lblStep.append(label);
        progressLayout->addWidget(label);
    }
    progressLayout->addStretch(1);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("fraSteps"));
    m_pages->addWidget(BuildDatesPage());
    m_pages->addWidget(BuildBerthsPage());
    m_pages->addWidget(BuildCustomerPage());
    m_pages->addWidget(BuildConfirmationPage());

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
    InputChecks::SkipChecks(m_cmdCancel);
    InputChecks::SkipChecks(m_cmdBack);
    connect(m_cmdBack, &QPushButton::clicked, this, &frmBooking::Back);
    connect(m_cmdNext, &QPushButton::clicked, this, &frmBooking::Next);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmBooking::CancelBooking);

    auto* body = new QHBoxLayout;
    body->addWidget(progress);
    auto* right = new QVBoxLayout;
    right->addWidget(m_pages, 1);
    right->addWidget(Caption(QStringLiteral("Booking Notes"), this));
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

    FocusNextControl::Install(this);
}

QWidget* frmBooking::BuildDatesPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraStep_0"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(
        Caption(QStringLiteral("Set Arrival date and Arrival time, then set Departure date and Departure time"), page),
        0, 0, 1, 3);
    auto makeDate = [page](const QString& name) {
        auto* date = new QDateEdit(page);
        date->setObjectName(name);
        date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        date->setCalendarPopup(true);
        date->setDateRange(BookingRules::EarliestDate(), BookingRules::LatestDate());
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
    m_txtBookedBy = Box(QStringLiteral("txtBookedBy"), page);
    grid->addWidget(Caption(QStringLiteral("Arrival Date:"), page), 1, 0);
    grid->addWidget(m_dtpFromDate, 1, 1);
    grid->addWidget(m_dtpFromTime, 1, 2);
    grid->addWidget(Caption(QStringLiteral("Departure Date:"), page), 2, 0);
    grid->addWidget(m_dtpToDate, 2, 1);
    grid->addWidget(m_dtpToTime, 2, 2);
    grid->addWidget(Caption(QStringLiteral("Booked by (your name):"), page), 3, 0);
    grid->addWidget(m_txtBookedBy, 3, 1, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* frmBooking::BuildBerthsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraStep_1"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Caption(QStringLiteral("Berth / slips  available:"), page));
    layout->addWidget(Caption(QStringLiteral("Select the Berth to use. (Items selected will appear in blue)"), page));
    m_grdBerth = new QTableView(page);
    m_grdBerth->setObjectName(QStringLiteral("grdBerth"));
    m_grdBerth->setModel(m_berths);
    m_grdBerth->setSelectionMode(QAbstractItemView::NoSelection);
    m_grdBerth->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdBerth->verticalHeader()->hide();
    m_grdBerth->setColumnHidden(BerthGridModel::ColID, true);
    m_grdBerth->setColumnHidden(BerthGridModel::ColDailyHireCharge, true);
    m_grdBerth->setColumnWidth(BerthGridModel::ColName, Twips::ToPixelsX(3000, this));
    for (int column : {BerthGridModel::ColLength, BerthGridModel::ColWidth, BerthGridModel::ColHasPower})
        m_grdBerth->setColumnWidth(column, Twips::ToPixelsX(1000, this));
    connect(m_grdBerth, &QTableView::clicked, this, [this](const QModelIndex& index) {
        m_grdBerth->setCurrentIndex(index);
        m_berths->Toggle(index.row());
    });
    m_berthReadError = new ReadErrorLine(page);
    layout->addWidget(m_berthReadError);
    layout->addWidget(m_grdBerth, 1);
    layout->addWidget(Caption(
        QStringLiteral("Select the unit for this booking. (Items highlighted in blue have been booked)"), page));
    return page;
}

QWidget* frmBooking::BuildCustomerPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraStep_2"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(Caption(QStringLiteral("Enter your customer's details."), page), 0, 0, 1, 4);

    m_cboCustomer = new QComboBox(page);
    m_cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    m_cboCustomer->setMinimumContentsLength(24);
    m_cmdAddCustomer = new QPushButton(QStringLiteral("&New..."), page);
    m_cmdAddCustomer->setObjectName(QStringLiteral("cmdAddCustomer"));
    connect(m_cmdAddCustomer, &QPushButton::clicked, this, &frmBooking::AddCustomer);
    grid->addWidget(Caption(QStringLiteral("Select customer:"), page), 1, 0);
    grid->addWidget(m_cboCustomer, 1, 1, 1, 2);
    grid->addWidget(m_cmdAddCustomer, 1, 3);

    m_lblNoAdultsEdit = Named(new QLabel(QStringLiteral("No Adults:"), page), QStringLiteral("lblNoAdultsEdit"));
    m_txtNoAdults = Box(QStringLiteral("txtNoAdults"), page);
    m_lblNoKidsEdit = Named(new QLabel(QStringLiteral("No Kids:"), page), QStringLiteral("lblNoKidsEdit"));
    m_txtNoKids = Box(QStringLiteral("txtNoKids"), page);
    grid->addWidget(m_lblNoAdultsEdit, 2, 0);
    grid->addWidget(m_txtNoAdults, 2, 1);
    grid->addWidget(m_lblNoKidsEdit, 2, 2);
    grid->addWidget(m_txtNoKids, 2, 3);

    m_txtPowerRequirements = Box(QStringLiteral("txtPowerRequirements"), page);
    m_chkClubMember = new QCheckBox(QStringLiteral("Club Member"), page);
    m_chkClubMember->setObjectName(QStringLiteral("chkClubMember"));
    grid->addWidget(Caption(QStringLiteral("Power requirements:"), page), 3, 0);
    grid->addWidget(m_txtPowerRequirements, 3, 1);
    grid->addWidget(m_chkClubMember, 3, 2, 1, 2);

    m_txtBerthConfirmationNumber = Box(QStringLiteral("txtBerthConfirmationNumber"), page);
    m_txtGuestConfNum = Box(QStringLiteral("txtGuestConfNum"), page);
    grid->addWidget(Caption(QStringLiteral("Confirmation No.:"), page), 4, 0);
    grid->addWidget(m_txtBerthConfirmationNumber, 4, 1);
    grid->addWidget(Caption(QStringLiteral("Guest Confirmation No.:"), page), 4, 2);
    grid->addWidget(m_txtGuestConfNum, 4, 3);

    // Money boxes in the left column, in their tab order; payment details on the right.
    m_txtCostOfHire = Box(QStringLiteral("txtCostOfHire"), page);
    m_txtOtherCharges = Box(QStringLiteral("txtOtherCharges"), page);
    m_txtVAT = Box(QStringLiteral("txtVAT"), page);
    m_txtTotalPayable = Box(QStringLiteral("txtTotalPayable"), page);
    m_txtAmountPayed = Box(QStringLiteral("txtAmountPayed"), page);
    m_cboPaymentMethod = new QComboBox(page);
    m_cboPaymentMethod->setObjectName(QStringLiteral("cboPaymentMethod"));
    m_txtCreditCardNo = Box(QStringLiteral("txtCreditCardNo"), page);
    m_txtCreditCardExpiry = Box(QStringLiteral("txtCreditCardExpiry"), page);
    m_txtCreditCardType = Box(QStringLiteral("txtCreditCardType"), page);
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
        grid->addWidget(Caption(left[i].first, page), 5 + i, 0);
        grid->addWidget(left[i].second, 5 + i, 1);
        if (i < right.size()) {
            grid->addWidget(Caption(right[i].first, page), 5 + i, 2);
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
        InputChecks::Watch(box, kind, title, m_services.messages);
    m_txtOtherCharges->installEventFilter(this);
    for (QLineEdit* box : {m_txtVAT, m_txtTotalPayable})
        connect(box, &QLineEdit::textEdited, this, [this] { m_chargesTyped = true; });
    return page;
}

QWidget* frmBooking::BuildConfirmationPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraStep_3"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Caption(QStringLiteral("Booking confirmation details:"), page));
    auto row = [&](std::initializer_list<QWidget*> widgets, int spacing = -1) {
        auto* line = new QHBoxLayout;
        if (spacing >= 0)
            line->setSpacing(spacing);
        for (QWidget* w : widgets)
            line->addWidget(w);
        line->addStretch(1);
        layout->addLayout(line);
    };
    m_lblDates = Named(new QLabel(page), QStringLiteral("lblDates"));
    m_lblName = Named(new QLabel(page), QStringLiteral("lblName"));
    m_lblAddress = Named(new QLabel(page), QStringLiteral("lblAddress"));
    m_lblPhone = Named(new QLabel(page), QStringLiteral("lblPhone"));
    m_lblMail = Named(new QLabel(page), QStringLiteral("lblMail"));
    auto* email = new ClickableLabel(QStringLiteral("Email"), page);
    email->setObjectName(QStringLiteral("Label38"));
    connect(email, &ClickableLabel::clicked, this, [this] { SendEmail(m_services, m_lblMail->text(), Title); });
    m_lblNoAdults = Named(new QLabel(page), QStringLiteral("lblNoAdults"));
    m_lblAdults = Named(new QLabel(QStringLiteral("Adults and"), page), QStringLiteral("lblAdults"));
    m_lblNoKids = Named(new QLabel(page), QStringLiteral("lblNoKids"));
    m_lblKids = Named(new QLabel(QStringLiteral("Children"), page), QStringLiteral("lblKids"));
    row({Caption(QStringLiteral("Booking from"), page), m_lblDates});
    row({m_lblName});
    row({m_lblAddress});
    // The e-mail address stands 100 twips after the telephone number.
    row({Caption(QStringLiteral("ph:"), page), m_lblPhone});
    row({email, m_lblMail}, Twips::ToPixelsX(100, this));
    row({m_lblNoAdults, m_lblAdults, m_lblNoKids, m_lblKids});
    layout->addStretch(1);
    return page;
}

frmBooking* frmBooking::Display(IWindowHost& host, Services& services, RecordMode mode, int bookingId)
{
    auto* wizard = qobject_cast<frmBooking*>(host.FindChild(QStringLiteral("frmBooking")));
    if (!wizard) {
        wizard = new frmBooking(services);
    } else if (wizard->HasUnsavedWork()) {
        // A half-made booking is never thrown away unasked: the open wizard comes forward as it is.
        host.ShowChild(wizard);
        if (mode == RecordMode::Edit && !(wizard->m_mode == RecordMode::Edit && wizard->m_bookingId == bookingId))
            services.messages.Show(QStringLiteral("The booking wizard holds a booking that has not been saved. "
                                                  "Confirm or cancel it first."),
                                   Title, MsgIcon::Exclamation, MsgButtons::Ok);
        return wizard;
    }
    wizard->Prepare(mode, bookingId);
    host.ShowChild(wizard);
    return wizard;
}

void frmBooking::Prepare(RecordMode mode, int bookingId)
{
    const RegionalSettings regional = RegionalSettings::Load();
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
    m_berths->SetBerths({});
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->clear();
    for (QLabel* label : {m_lblDates, m_lblName, m_lblAddress, m_lblPhone, m_lblMail, m_lblNoAdults, m_lblNoKids})
        label->clear();
    m_txtNotes->clear();
    m_chkClubMember->setChecked(false);
    const BookingRules::PartyCounts counts = BookingRules::StartingCounts(m_countsShown);
    m_txtNoAdults->setText(QString::number(counts.adults));
    m_txtNoKids->setText(QString::number(counts.kids));

    LoadCustomers();
    m_cboPaymentMethod->clear();
    for (const auto& [id, name] : BookingStore::PaymentMethodChoices(m_services.Db()))
        m_cboPaymentMethod->addItem(name, id);
    m_cboPaymentMethod->setCurrentIndex(-1);

    if (m_mode == RecordMode::Edit) {
        LoadBooking();
    } else {
        const QDate today = m_services.clock.Now().date();
        m_dtpFromDate->setDate(today);
        m_dtpToDate->setDate(today);
        m_dtpFromTime->setTime(regional.checkInTime);
        m_dtpToTime->setTime(regional.checkOutTime);
        m_proposedNumber = QString::number(BookingStore::NextConfirmationNumber(m_services.Db()));
        m_txtBerthConfirmationNumber->setText(m_proposedNumber);
    }

    for (QWidget* w : std::initializer_list<QWidget*>{m_lblNoAdultsEdit, m_lblNoKidsEdit, m_txtNoAdults, m_txtNoKids})
        w->setVisible(m_countsShown);
    m_step = 0;
    ShowStep();
    m_closing = false;
    m_prepared = Snapshot();
}

QStringList frmBooking::Snapshot() const
{
    QStringList state;
    for (const QLineEdit* box : findChildren<QLineEdit*>())
        state << box->text();
    for (const QDateTimeEdit* edit : findChildren<QDateTimeEdit*>())
        state << edit->dateTime().toString(Qt::ISODate);
    for (const QComboBox* combo : {m_cboCustomer, m_cboPaymentMethod})
        state << combo->currentData().toString();
    state << m_txtNotes->toPlainText() << QString::number(m_chkClubMember->isChecked());
    for (const AvailableBerth& berth : m_berths->Marked())
        state << QString::number(berth.id);
    return state;
}

bool frmBooking::HasUnsavedWork() const
{
    return Snapshot() != m_prepared;
}

void frmBooking::closeEvent(QCloseEvent* event)
{
    // Closing the window or the program over a booking the user has started asks first (No keeps it open).
    if (!m_closing && HasUnsavedWork() &&
        m_services.messages.Show(QStringLiteral("The booking has not been saved. Close the wizard and lose it?"), Title,
                                 MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) {
        event->ignore();
        return;
    }
    ChildWindow::closeEvent(event);
}

void frmBooking::LoadCustomers()
{
    m_cboCustomer->clear();
    for (const auto& [id, name] : BookingStore::CustomerChoices(m_services.Db()))
        m_cboCustomer->addItem(name, id);
    m_cboCustomer->setCurrentIndex(-1);
}

void frmBooking::SelectCustomer(int id)
{
    m_cboCustomer->setCurrentIndex(m_cboCustomer->findData(id));
}

void frmBooking::LoadBooking()
{
    const auto booking = BookingStore::LoadBooking(m_services.Db(), m_bookingId);
    if (!booking)
        return;
    m_fromDate = booking->fromDate;
    m_toDate = booking->toDate;
    m_dtpFromDate->setDate(m_fromDate.date());
    m_dtpFromTime->setTime(modFunctions::RoundToHalfHour(m_fromDate, true).time());
    m_dtpToDate->setDate(m_toDate.date());
    m_dtpToTime->setTime(modFunctions::RoundToHalfHour(m_toDate, false).time());
    m_txtBookedBy->setText(booking->bookedBy);
    m_loadedCustomerId = booking->customerId;
    SelectCustomer(booking->customerId);
    m_txtNotes->setPlainText(booking->notes);
    if (m_countsShown) {
        m_txtNoAdults->setText(QString::number(BookingRules::ShownCount(booking->noAdults)));
        m_txtNoKids->setText(QString::number(BookingRules::ShownCount(booking->noKids)));
    }
    m_txtOtherCharges->setText(booking->otherCharges.PlainText());
    m_txtVAT->setText(booking->vat.PlainText());
    m_txtTotalPayable->setText(booking->totalPayable.PlainText());
    m_txtAmountPayed->setText(booking->amountPayed.PlainText());
    m_cboPaymentMethod->setCurrentIndex(
        booking->paymentMethodId ? m_cboPaymentMethod->findData(*booking->paymentMethodId) : -1);
    m_txtCreditCardNo->setText(BookingRules::MaskedCardNumber(booking->creditCardNo)); // older rows kept it whole
    m_txtCreditCardExpiry->setText(booking->creditCardExpiry);
    m_txtCreditCardType->setText(booking->creditCardType);
    m_txtCostOfHire->setText(booking->costOfHire.PlainText());
    m_txtBerthConfirmationNumber->setText(
        booking->berthConfirmationNumber ? QString::number(*booking->berthConfirmationNumber) : QString());
    m_txtGuestConfNum->setText(booking->guestConfirmationNumber);
    m_txtPowerRequirements->setText(booking->powerRequirements);
    m_chkClubMember->setChecked(booking->clubMember);
    m_storedBerths = booking->berthIds;
    m_storedStamp = booking->storedStamp;
    // Stored amounts that the rule would not give were set by hand: leaving page 3 keeps them.
    const auto rule = BookingRules::Recalculate(booking->costOfHire, booking->otherCharges);
    m_chargesTyped = rule.vat != booking->vat || rule.total != booking->totalPayable;
}

int frmBooking::SelectedCount() const
{
    return m_berths->SelectedCount();
}

void frmBooking::ShowStep()
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

void frmBooking::Next()
{
    switch (m_step) {
    case 0:
        LeaveDates();
        break;
    case 1:
        LeaveBerths();
        break;
    case 2:
        LeaveCustomer();
        break;
    default:
        Confirm();
        break;
    }
}

void frmBooking::Back()
{
    if (m_step > 0) {
        --m_step;
        ShowStep();
    }
}

void frmBooking::LeaveDates()
{
    const QDateTime from = BookingRules::ArrivalFrom(m_dtpFromDate->date(), m_dtpFromTime->time());
    const QDateTime to = BookingRules::DepartureFrom(m_dtpToDate->date(), m_dtpToTime->time());
    m_fromDate = from;
    m_toDate = to;
    switch (BookingRules::CheckInterval(from, to)) {
    case BookingRules::IntervalCheck::DepartureNotAfterArrival:
        m_services.messages.Show(QStringLiteral("Departure date must be after the Arrival date. Please change the "
                                                "Departure date and try again."),
                                 Title, MsgIcon::Exclamation, MsgButtons::Ok);
        m_dtpToDate->setFocus();
        return;
    case BookingRules::IntervalCheck::ShortNight:
        m_services.messages.Show(QStringLiteral("Booking interval is invalid"), Title, MsgIcon::Exclamation,
                                 MsgButtons::Ok);
        m_dtpToDate->setFocus();
        return;
    case BookingRules::IntervalCheck::Ok:
        break;
    }
    FillBerthGrid(m_mode == RecordMode::Edit ? m_storedBerths : QList<int>());
    m_step = 1;
    ShowStep();
}

void frmBooking::FillBerthGrid(const QList<int>& keepMarked)
{
    QString error;
    const auto berths = BerthAvailability::FreeBerths(m_services.Db(), m_fromDate, m_toDate, m_bookingId, &error);
    // An empty grid must mean no free berth: a failed read says so above the grid and in the message log.
    if (!berths)
        modLog::LogMessage(3, QStringLiteral("%s.FillBerthGrid: %s"), {objectName(), error});
    m_berthReadError->ShowError(berths ? QString() : error);
    m_berths->SetBerths(berths.value_or(QList<AvailableBerth>()));
    m_berths->MarkBerths(keepMarked);
}

void frmBooking::LeaveBerths()
{
    if (m_berths->SelectedCount() == 0) {
        m_services.messages.Show(QStringLiteral("Please select one or more units"), Title, MsgIcon::Exclamation,
                                 MsgButtons::Ok);
        return;
    }
    const Money hire = BookingRules::HireTotal(m_berths->Marked(), BookingRules::DaysOfHire(m_fromDate, m_toDate));
    m_txtCostOfHire->setText(hire.Format());
    for (QLineEdit* box : {m_txtOtherCharges, m_txtVAT, m_txtTotalPayable, m_txtAmountPayed})
        ShowAmount(box);
    m_step = 2;
    ShowStep();
}

void frmBooking::RecalculateCharges()
{
    if (!InputChecks::IsValid(m_txtCostOfHire->text(), InputChecks::Kind::Money) ||
        !InputChecks::IsValid(m_txtOtherCharges->text(), InputChecks::Kind::Money))
        return;
    const auto charges = BookingRules::Recalculate(Amount(m_txtCostOfHire), Amount(m_txtOtherCharges));
    for (QLineEdit* box : {m_txtCostOfHire, m_txtOtherCharges})
        ShowAmount(box);
    m_txtVAT->setText(charges.vat.Format());
    m_txtTotalPayable->setText(charges.total.Format());
    m_chargesTyped = false;
}

bool frmBooking::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_txtOtherCharges && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            InputChecks::IsValid(m_txtOtherCharges->text(), InputChecks::Kind::Money)) {
            RecalculateCharges();
            // The amount paid comes next, unless the user went for a button.
            QTimer::singleShot(0, this, [this] {
                if (!qobject_cast<QPushButton*>(QApplication::focusWidget()) && m_step == 2)
                    m_txtAmountPayed->setFocus(Qt::OtherFocusReason);
            });
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void frmBooking::LeaveCustomer()
{
    // VAT and the total are worked out even when the other charges box was never visited, unless typed by hand
    // (and checked like typed amounts: a sum past the ceiling is refused).
    if (!m_chargesTyped)
        RecalculateCharges();
    if (!InputChecks::CheckAll({m_txtNoAdults, m_txtNoKids, m_txtBerthConfirmationNumber, m_txtCostOfHire,
                                m_txtOtherCharges, m_txtVAT, m_txtTotalPayable, m_txtAmountPayed}))
        return;
    if (m_cboCustomer->currentIndex() < 0) {
        m_services.messages.Show(QStringLiteral("Please select customer"), Title, MsgIcon::Exclamation, MsgButtons::Ok);
        m_cboCustomer->setFocus();
        return;
    }
    ShowAmount(m_txtAmountPayed);
    m_lblDates->setText(BookingRules::PeriodText(m_fromDate, m_toDate));
    const BookingRules::CountsLine counts =
        BookingRules::ConfirmationCounts(m_txtNoAdults->text(), m_txtNoKids->text());
    m_lblNoAdults->setText(counts.adults);
    m_lblNoKids->setText(counts.kids);
    m_lblNoAdults->setVisible(counts.numbersShown);
    m_lblNoKids->setVisible(counts.numbersShown);
    m_lblAdults->setVisible(counts.wordsShown);
    m_lblKids->setVisible(counts.wordsShown);

    if (const auto customer = CustomerStore::Load(m_services.Db(), m_cboCustomer->currentData().toInt())) {
        m_lblName->setText(BookingRules::CustomerLine(*customer));
        m_lblAddress->setText(QStringList{customer->street, customer->area, customer->town, customer->postCode}.join(
            QStringLiteral(", ")));
        m_lblPhone->setText(customer->telNo);
        m_lblMail->setText(customer->emailAddress);
    }
    m_step = 3;
    ShowStep();
}

BookingRecord frmBooking::Typed() const
{
    BookingRecord b;
    b.id = m_mode == RecordMode::Edit ? m_bookingId : 0;
    b.customerId = m_cboCustomer->currentData().toInt();
    b.fromDate = m_fromDate;
    b.toDate = m_toDate;
    b.bookedBy = m_txtBookedBy->text();
    b.notes = m_txtNotes->toPlainText();
    b.noAdults = static_cast<int>(InputChecks::ReadWholeNumber(m_txtNoAdults->text()).value_or(0));
    b.noKids = static_cast<int>(InputChecks::ReadWholeNumber(m_txtNoKids->text()).value_or(0));
    b.costOfHire = Amount(m_txtCostOfHire);
    b.otherCharges = Amount(m_txtOtherCharges);
    b.vat = Amount(m_txtVAT);
    b.totalPayable = Amount(m_txtTotalPayable);
    b.amountPayed = Amount(m_txtAmountPayed);
    if (m_cboPaymentMethod->currentIndex() >= 0)
        b.paymentMethodId = m_cboPaymentMethod->currentData().toInt();
    b.creditCardNo = m_txtCreditCardNo->text();
    b.creditCardExpiry = m_txtCreditCardExpiry->text();
    b.creditCardType = m_txtCreditCardType->text();
    b.berthConfirmationNumber = InputChecks::ReadWholeNumber(m_txtBerthConfirmationNumber->text());
    b.confirmationNumberProposed =
        !m_proposedNumber.isEmpty() && m_txtBerthConfirmationNumber->text().trimmed() == m_proposedNumber;
    b.guestConfirmationNumber = m_txtGuestConfNum->text();
    b.powerRequirements = m_txtPowerRequirements->text();
    b.clubMember = m_chkClubMember->isChecked();
    b.storedStamp = m_storedStamp;
    for (const AvailableBerth& berth : m_berths->Marked()) {
        b.berthIds.append(berth.id);
        b.berthNames.append(berth.name);
    }
    return b;
}

void frmBooking::Confirm()
{
    const BookingRecord booking = Typed();
    const auto result = BookingStore::SaveBooking(m_services.Db(), booking);
    if (!result.takenBerths.isEmpty()) {
        // Someone else booked a marked berth since the list was shown: back to the berths, marks kept.
        m_services.messages.Show(
            QStringLiteral("%1 has been booked for this period since the list was shown. Nothing was saved: "
                           "please choose the units again.")
                .arg(result.takenBerths.join(QStringLiteral(", "))),
            Title, MsgIcon::Exclamation, MsgButtons::Ok);
        FillBerthGrid(booking.berthIds);
        m_step = 1;
        ShowStep();
        return;
    }
    if (result.changedMeanwhile) {
        m_services.messages.Show(QStringLiteral("This booking has been changed or cancelled at another desk since you "
                                                "opened it. Nothing was saved: cancel and open it again to see the "
                                                "changes."),
                                 Title, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (result.customerGone) {
        // Deleted at another desk since the list was shown: back to the customers, read afresh.
        m_services.messages.Show(QStringLiteral("The customer %1 has been deleted since the list was shown. Nothing "
                                                "was saved: please choose the customer again.")
                                     .arg(m_cboCustomer->currentText()),
                                 Title, MsgIcon::Exclamation, MsgButtons::Ok);
        LoadCustomers();
        m_step = 2;
        ShowStep();
        m_cboCustomer->setFocus();
        return;
    }
    if (!result.refused.isEmpty()) {
        m_services.messages.Show(QStringLiteral("The booking could not be saved. Nothing was changed.\n") +
                                     result.refused,
                                 Title, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (!result.ok) {
        m_services.messages.Show(QStringLiteral("The booking could not be saved. Nothing was changed.\n") +
                                     result.error,
                                 Title, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    modEventLog::LogEvent(m_services.clock.Now(),
                          m_mode == RecordMode::Edit ? modEventLog::BookingModified : modEventLog::BookingAdded,
                          BookingRules::SavedDetails(m_lblDates->text(), m_lblName->text(), booking.berthNames));
    if (booking.berthConfirmationNumber && result.confirmationNumber != *booking.berthConfirmationNumber)
        m_services.messages.Show(QStringLiteral("Confirmation number %1 was given to a booking made at another desk "
                                                "meanwhile. This booking has been saved with number %2.")
                                     .arg(*booking.berthConfirmationNumber)
                                     .arg(result.confirmationNumber),
                                 Title, MsgIcon::Information, MsgButtons::Ok);
    CloseWizard();
}

void frmBooking::CancelBooking()
{
    if (m_mode == RecordMode::Edit) {
        const QString details = BookingRules::CancelledDetails(
            m_fromDate, m_toDate, BookingStore::CustomerLine(m_services.Db(), m_loadedCustomerId));
        QString error;
        if (BookingStore::CancelBooking(m_services.Db(), m_bookingId, m_services.messages, &error, Title))
            modEventLog::LogEvent(m_services.clock.Now(), modEventLog::BookingCancelled, details);
        else if (!error.isEmpty())
            m_services.messages.Show(QStringLiteral("The booking could not be deleted.\n") + error, Title,
                                     MsgIcon::Critical, MsgButtons::Ok);
    }
    CloseWizard();
}

void frmBooking::AddCustomer()
{
    frmAddCustomer dialog(m_services, this);
    const int id = dialog.Display(RecordMode::Add, 0);
    if (id == 0)
        return;
    LoadCustomers();
    SelectCustomer(id);
}

void frmBooking::CloseWizard()
{
    m_closing = true; // saved or cancelled: nothing left to ask about
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}
