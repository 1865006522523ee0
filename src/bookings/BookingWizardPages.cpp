#include "bookings/BookingWizardPages.h"
#include "core/DateTimes.h"

#include "bookings/BerthGridModel.h"
#include "bookings/BookingDetailsPanel.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "core/ui/InputChecks.h"
#include "core/ui/ReadErrorLine.h"
#include "core/ui/Twips.h"
#include "people/BoatDialog.h"
#include "people/NamePicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

using BookingWizardParts::caption;
using BookingWizardParts::named;

namespace {
// The new caller's boat in the boat list: it has no ID until the booking is saved.
constexpr int NewBoatId = -1;

QLineEdit* box(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}
} // namespace

QLabel* BookingWizardParts::named(QLabel* label, const QString& name)
{
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* BookingWizardParts::caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

BookingDatesPage::BookingDatesPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraStep_0"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(caption(tr("Set Arrival date and Arrival time, then set Departure date and Departure time"), this),
                    0, 0, 1, 3);
    auto makeDate = [this](const QString& name) {
        auto* date = new DateBox(this);
        date->setObjectName(name);
        date->setDateRange(BookingRules::earliestDate(), BookingRules::latestDate());
        return date;
    };
    auto makeTime = [this](const QString& name) {
        auto* time = new QTimeEdit(this);
        time->setObjectName(name);
        time->setDisplayFormat(QStringLiteral("HH:mm"));
        return time;
    };
    dtpFromDate = makeDate(QStringLiteral("dtpFromDate"));
    dtpFromTime = makeTime(QStringLiteral("dtpFromTime"));
    dtpToDate = makeDate(QStringLiteral("dtpToDate"));
    dtpToTime = makeTime(QStringLiteral("dtpToTime"));
    txtBookedBy = box(QStringLiteral("txtBookedBy"), this);
    grid->addWidget(caption(tr("Arrival Date:"), this), 1, 0);
    grid->addWidget(dtpFromDate, 1, 1);
    grid->addWidget(dtpFromTime, 1, 2);
    grid->addWidget(caption(tr("Departure Date:"), this), 2, 0);
    grid->addWidget(dtpToDate, 2, 1);
    grid->addWidget(dtpToTime, 2, 2);
    grid->addWidget(caption(tr("Booked by (your name):"), this), 3, 0);
    grid->addWidget(txtBookedBy, 3, 1, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(3, 1);
}

BookingBerthsPage::BookingBerthsPage(Services& services, BerthGridModel* berths, QWidget* parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("fraStep_1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption(tr("Berth / slips  available:"), this));
    layout->addWidget(caption(tr("Select the Berth to use. (Items selected will appear in blue)"), this));
    // The boat first: the grid then says which berths fit it.
    cboBoat = new NamePicker(services, this);
    cboBoat->setObjectName(QStringLiteral("cboBoat"));
    cboBoat->setMinimumContentsLength(32);
    // A new caller's boat is given here, before the customer: its sizes choose the berths.
    cmdNewBoat = new QPushButton(tr("New Boa&t..."), this);
    cmdNewBoat->setObjectName(QStringLiteral("cmdNewBoat"));
    cmdNewBoat->setAutoDefault(false);
    connect(cmdNewBoat, &QPushButton::clicked, this, &BookingBerthsPage::addNewBoat);
    chkOnlyFit = new QCheckBox(tr("&Only berths that fit"), this);
    chkOnlyFit->setObjectName(QStringLiteral("chkOnlyFit"));
    auto* boatRow = new QHBoxLayout;
    auto* boatCaption = new QLabel(tr("Bo&at:"), this);
    boatCaption->setBuddy(cboBoat);
    boatRow->addWidget(boatCaption);
    boatRow->addWidget(cboBoat);
    boatRow->addWidget(cmdNewBoat);
    boatRow->addWidget(chkOnlyFit);
    boatRow->addStretch(1);
    layout->addLayout(boatRow);
    grdBerth = new QTableView(this);
    grdBerth->setObjectName(QStringLiteral("grdBerth"));
    grdBerth->setModel(berths);
    grdBerth->setSelectionMode(QAbstractItemView::NoSelection);
    grdBerth->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdBerth->verticalHeader()->hide();
    grdBerth->setColumnHidden(BerthGridModel::ColID, true);
    grdBerth->setColumnHidden(BerthGridModel::ColDailyHireCharge, true);
    grdBerth->setColumnWidth(BerthGridModel::ColName, Twips::toPixelsX(3000, this));
    for (int column :
         {BerthGridModel::ColLength, BerthGridModel::ColWidth, BerthGridModel::ColHasPower, BerthGridModel::ColFits})
        grdBerth->setColumnWidth(column, Twips::toPixelsX(1000, this));
    connect(grdBerth, &QTableView::clicked, this, [this, berths](const QModelIndex& index) {
        grdBerth->setCurrentIndex(index);
        berths->toggle(index.row());
    });
    // Space marks and unmarks the current berth, as a click does.
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), grdBerth, nullptr, nullptr, Qt::WidgetShortcut);
    connect(space, &QShortcut::activated, this, [this, berths] {
        if (const QModelIndex current = grdBerth->currentIndex(); current.isValid())
            berths->toggle(current.row());
    });
    berthReadError = new ReadErrorLine(this);
    layout->addWidget(berthReadError);
    layout->addWidget(grdBerth, 1);
    layout->addWidget(
        caption(tr("Select the unit for this booking. (Items highlighted in blue have been booked)"), this));
}

void BookingBerthsPage::loadBoats()
{
    const QSignalBlocker blocker(cboBoat);
    const auto boats = Boats::withOwners(m_services.db());
    if (!boats)
        MessageLog::logError(QStringLiteral("frmBooking.LoadBoats: %1").arg(boats.error()));
    m_boats = boats.valueOr({});
    QList<PickerChoices::Choice> fixed{{0, tr("(no boat)")}};
    if (m_newBoat)
        fixed.append({NewBoatId, tr("%1 (new)").arg(Boats::boatLine(*m_newBoat))});
    QList<PickerChoices::Choice> known;
    known.reserve(m_boats.size());
    for (const Boats::OwnedBoat& owned : m_boats)
        known.append({owned.boat.id, QStringLiteral("%1 (%2)").arg(Boats::boatLine(owned.boat), owned.owner)});
    cboBoat->setChoices(PickerChoices(known), fixed);
    cboBoat->setCurrentIndex(0);
}

void BookingBerthsPage::addNewBoat()
{
    BoatDialog dialog(m_services, m_newBoat.value_or(BoatRecord()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_newBoat = dialog.saved();
    loadBoats();
    cboBoat->setCurrentIndex(cboBoat->findData(NewBoatId)); // tells the wizard, which lists the berths again
}

void BookingBerthsPage::chooseBoat(int id)
{
    cboBoat->setCurrentIndex(std::max(0, cboBoat->findData(id)));
}

std::optional<BoatRecord> BookingBerthsPage::chosenBoat() const
{
    const int id = cboBoat->currentIndex() < 0 ? 0 : cboBoat->currentData().toInt();
    if (id == NewBoatId)
        return m_newBoat;
    for (const Boats::OwnedBoat& owned : m_boats) {
        if (owned.boat.id == id && id > 0)
            return owned.boat;
    }
    return std::nullopt;
}

BookingCustomerPage::BookingCustomerPage(Services& services, QWidget* parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("fraStep_2"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(caption(tr("Enter your customer's details."), this), 0, 0, 1, 4);

    cboCustomer = new NamePicker(services, this);
    cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    cboCustomer->setMinimumContentsLength(24);
    cmdAddCustomer = new QPushButton(tr("Ne&w..."), this); // Alt+N is the wizard's Next
    cmdAddCustomer->setObjectName(QStringLiteral("cmdAddCustomer"));
    grid->addWidget(caption(tr("Select customer:"), this), 1, 0);
    grid->addWidget(cboCustomer, 1, 1, 1, 2);
    grid->addWidget(cmdAddCustomer, 1, 3);

    lblNoAdultsEdit = named(new QLabel(tr("No Adults:"), this), QStringLiteral("lblNoAdultsEdit"));
    txtNoAdults = box(QStringLiteral("txtNoAdults"), this);
    lblNoKidsEdit = named(new QLabel(tr("No Kids:"), this), QStringLiteral("lblNoKidsEdit"));
    txtNoKids = box(QStringLiteral("txtNoKids"), this);
    grid->addWidget(lblNoAdultsEdit, 2, 0);
    grid->addWidget(txtNoAdults, 2, 1);
    grid->addWidget(lblNoKidsEdit, 2, 2);
    grid->addWidget(txtNoKids, 2, 3);

    txtPowerRequirements = box(QStringLiteral("txtPowerRequirements"), this);
    chkClubMember = new QCheckBox(tr("Club Member"), this);
    chkClubMember->setObjectName(QStringLiteral("chkClubMember"));
    grid->addWidget(caption(tr("Power requirements:"), this), 3, 0);
    grid->addWidget(txtPowerRequirements, 3, 1);
    grid->addWidget(chkClubMember, 3, 2, 1, 2);

    txtBerthConfirmationNumber = box(QStringLiteral("txtBerthConfirmationNumber"), this);
    txtGuestConfNum = box(QStringLiteral("txtGuestConfNum"), this);
    grid->addWidget(caption(tr("Confirmation No.:"), this), 4, 0);
    grid->addWidget(txtBerthConfirmationNumber, 4, 1);
    grid->addWidget(caption(tr("Guest Confirmation No.:"), this), 4, 2);
    grid->addWidget(txtGuestConfNum, 4, 3);

    // Money boxes in the left column, in their tab order; payment details on the right.
    txtCostOfHire = box(QStringLiteral("txtCostOfHire"), this);
    txtOtherCharges = box(QStringLiteral("txtOtherCharges"), this);
    txtVAT = box(QStringLiteral("txtVAT"), this);
    txtTotalPayable = box(QStringLiteral("txtTotalPayable"), this);
    txtAmountPayed = box(QStringLiteral("txtAmountPayed"), this);
    cboPaymentMethod = new QComboBox(this);
    cboPaymentMethod->setObjectName(QStringLiteral("cboPaymentMethod"));
    txtCreditCardNo = box(QStringLiteral("txtCreditCardNo"), this);
    txtCreditCardExpiry = box(QStringLiteral("txtCreditCardExpiry"), this);
    txtCreditCardType = box(QStringLiteral("txtCreditCardType"), this);
    const QList<std::pair<QString, QWidget*>> left{{tr("Berth Hire:"), txtCostOfHire},
                                                   {tr("Other Charges:"), txtOtherCharges},
                                                   {tr("VAT:"), txtVAT},
                                                   {tr("Total Payable:"), txtTotalPayable},
                                                   {tr("Amount Payed:"), txtAmountPayed}};
    const QList<std::pair<QString, QWidget*>> right{{tr("Payment Method:"), cboPaymentMethod},
                                                    {tr("Credit Card No.:"), txtCreditCardNo},
                                                    {tr("Credit Card Expiry:"), txtCreditCardExpiry},
                                                    {tr("Credit Card Type:"), txtCreditCardType}};
    // No box for the card's security code: it must not be kept once the payment is authorised.
    for (int i = 0; i < left.size(); ++i) {
        grid->addWidget(caption(left[i].first, this), 5 + i, 0);
        grid->addWidget(left[i].second, 5 + i, 1);
        if (i < right.size()) {
            grid->addWidget(caption(right[i].first, this), 5 + i, 2);
            grid->addWidget(right[i].second, 5 + i, 3);
        }
    }
    // A changed booking's payments go on its ledger, one line at a time; the box shows their sum.
    cmdRecordPayment = new QPushButton(tr("Record Pa&yment..."), this);
    cmdRecordPayment->setObjectName(QStringLiteral("cmdRecordPayment"));
    cmdRecordPayment->setAutoDefault(false);
    cmdRecordPayment->hide();
    grid->addWidget(cmdRecordPayment, 5 + 4, 2, 1, 2, Qt::AlignLeft);
    // Always the sum of its parts: hire, other charges and tax.
    txtTotalPayable->setReadOnly(true);
    lstCharges = new QListWidget(this);
    lstCharges->setObjectName(QStringLiteral("lstCharges"));
    // Room for three lines: a stay across two seasons reads at a glance, a longer breakdown scrolls.
    lstCharges->setFixedHeight(lstCharges->fontMetrics().lineSpacing() * 3 + 2 * lstCharges->frameWidth() + 4);
    lstCharges->setFocusPolicy(Qt::NoFocus);
    lblChargesNotice = named(new QLabel(this), QStringLiteral("lblChargesNotice"));
    lblChargesNotice->setWordWrap(true);
    grid->addWidget(lstCharges, 10, 0, 1, 4);
    grid->addWidget(lblChargesNotice, 11, 0, 1, 4);
    grid->setRowStretch(12, 1);
    QWidget* order[] = {cboCustomer,
                        cmdAddCustomer,
                        txtNoAdults,
                        txtNoKids,
                        txtPowerRequirements,
                        chkClubMember,
                        txtBerthConfirmationNumber,
                        txtGuestConfNum,
                        txtCostOfHire,
                        txtOtherCharges,
                        txtVAT,
                        txtTotalPayable,
                        txtAmountPayed,
                        cmdRecordPayment,
                        cboPaymentMethod,
                        txtCreditCardNo,
                        txtCreditCardExpiry,
                        txtCreditCardType};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    using InputChecks::Kind;
    const QList<std::tuple<QLineEdit*, Kind, QString>> checks{
        {txtNoAdults, Kind::Count, tr("No Adults")},
        {txtNoKids, Kind::Count, tr("No Kids")},
        {txtBerthConfirmationNumber, Kind::WholeNumber, tr("Berth Confirmation No.")},
        {txtCostOfHire, Kind::Charge, tr("Cost of Hire")},
        {txtOtherCharges, Kind::Charge, tr("Other Charges")},
        {txtVAT, Kind::Money, tr("VAT")},
        {txtTotalPayable, Kind::Money, tr("Total Payable")},
        {txtAmountPayed, Kind::Payment, tr("Amount Payed")}};
    for (const auto& [box, kind, title] : checks)
        InputChecks::watch(box, kind, title, services.messages);
}

void BookingCustomerPage::loadCustomers()
{
    const auto customers = BookingStore::customerChoices(m_services.db());
    if (!customers)
        MessageLog::logError(QStringLiteral("frmBooking.LoadCustomers: %1").arg(customers.error()));
    cboCustomer->setChoices(PickerChoices::customers(customers.valueOr({})));
}

void BookingCustomerPage::selectCustomer(int id)
{
    cboCustomer->setCurrentIndex(cboCustomer->findData(id));
}

BookingConfirmationPage::BookingConfirmationPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraStep_3"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption(tr("Booking confirmation details:"), this));
    details = new BookingDetailsPanel(tr("ph:"), -1, this);
    layout->addWidget(details);
    lblInsuranceWarning = named(new QLabel(this), QStringLiteral("lblInsuranceWarning"));
    lblInsuranceWarning->setWordWrap(true);
    lblInsuranceWarning->hide();
    layout->addWidget(lblInsuranceWarning);
    // Once saved, the booking's confirmation comes up to print or save for the guest.
    chkShowConfirmation = new QCheckBox(tr("Show the booking con&firmation when saved"), this);
    chkShowConfirmation->setObjectName(QStringLiteral("chkShowConfirmation"));
    layout->addWidget(chkShowConfirmation);
    layout->addStretch(1);
}
