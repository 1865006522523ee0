#include "bookings/BookingChargesPage.h"

#include "bookings/BookingCustomerPanel.h"
#include "bookings/BookingDepositPanel.h"
#include "bookings/BookingPaymentPanel.h"
#include "bookings/BookingPricing.h"
#include "bookings/BookingStore.h"
#include "bookings/BookingWizardParts.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "core/ui/InputChecks.h"
#include "people/NamePicker.h"
#include "staff/ApprovalDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using BookingWizardParts::amount;
using BookingWizardParts::box;
using BookingWizardParts::caption;
using BookingWizardParts::named;
using BookingWizardParts::showAmount;
using BookingWizardParts::title;

namespace {
// What a hire is priced for: the period, the berths (whatever order they were marked in) and the boat, whose
// length a per-metre rate counts.
QString pricingKey(const BookingChargesPage::Stay& stay)
{
    QList<int> ids = stay.berthIds;
    std::sort(ids.begin(), ids.end());
    QStringList parts{stay.from.toString(Qt::ISODate), stay.to.toString(Qt::ISODate),
                      stay.boat ? QStringLiteral("boat %1 %2").arg(stay.boat->id).arg(stay.boat->lengthCm.value_or(0))
                                : QString()};
    for (const int id : ids)
        parts << QString::number(id);
    return parts.join(u' ');
}
} // namespace

BookingChargesPage::BookingChargesPage(Services& services, QWidget* parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("fraStep_2"));
    layOut();
    txtOtherCharges->installEventFilter(this);
    // Tax and the total follow every change of their parts; VAT typed by hand stays until the hire or the other
    // charges change.
    connect(txtCostOfHire, &QLineEdit::textEdited, this, [this] {
        m_hireTyped = true;
        m_vatTyped = false;
        updateCharges();
    });
    connect(txtOtherCharges, &QLineEdit::textEdited, this, [this] {
        m_vatTyped = false;
        updateCharges();
    });
    connect(txtVAT, &QLineEdit::textEdited, this, [this] {
        m_vatTyped = true;
        updateCharges();
    });
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

void BookingChargesPage::layOut()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(caption(tr("Enter your customer's details."), this), 0, 0, 1, 4);

    customer = new BookingCustomerPanel(m_services, this);
    customer->placeIn(grid, 1);

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
    const QList<std::pair<QString, QWidget*>> left{{tr("Berth Hire:"), txtCostOfHire},
                                                   {tr("Other Charges:"), txtOtherCharges},
                                                   {tr("VAT:"), txtVAT},
                                                   {tr("Total Payable:"), txtTotalPayable},
                                                   {tr("Amount Payed:"), txtAmountPayed}};
    for (int i = 0; i < left.size(); ++i) {
        grid->addWidget(caption(left[i].first, this), 5 + i, 0);
        grid->addWidget(left[i].second, 5 + i, 1);
    }
    payment = new BookingPaymentPanel(m_services, txtAmountPayed, this);
    payment->placeIn(grid, 5, 2);
    // Always the sum of its parts: hire, other charges and tax.
    txtTotalPayable->setReadOnly(true);
    // What falls due and when, under what is paid.
    deposit = new BookingDepositPanel(m_services.messages, this);
    deposit->placeIn(grid, 10, 0, 4);
    lstCharges = new QListWidget(this);
    lstCharges->setObjectName(QStringLiteral("lstCharges"));
    // Room for three lines: a stay across two seasons reads at a glance, a longer breakdown scrolls.
    lstCharges->setFixedHeight(lstCharges->fontMetrics().lineSpacing() * 3 + 2 * lstCharges->frameWidth() + 4);
    lstCharges->setFocusPolicy(Qt::NoFocus);
    lblChargesNotice = named(new QLabel(this), QStringLiteral("lblChargesNotice"));
    lblChargesNotice->setWordWrap(true);
    grid->addWidget(lstCharges, 14, 0, 1, 4);
    grid->addWidget(lblChargesNotice, 15, 0, 1, 4);
    grid->setRowStretch(16, 1);
    QWidget* order[] = {customer->cboCustomer,
                        customer->cmdAddCustomer,
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
                        payment->cmdRecordPayment,
                        payment->cboPaymentMethod,
                        payment->txtCreditCardNo,
                        payment->txtCreditCardExpiry,
                        payment->txtCreditCardType,
                        deposit->txtDeposit,
                        deposit->dtpDepositBy,
                        deposit->dtpBalanceBy};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void BookingChargesPage::prepare(bool countsShown, const QDate& today, bool proposeNumber)
{
    m_proposedNumber.clear();
    if (proposeNumber) {
        // A number that cannot be worked out is not guessed: the box stays empty for the user to fill.
        const auto next = BookingStore::nextConfirmationNumber(m_services.db());
        if (next)
            m_proposedNumber = QString::number(*next);
        else
            MessageLog::logError(QStringLiteral("frmBooking.Prepare: %1").arg(next.error()));
    }
    txtBerthConfirmationNumber->setText(m_proposedNumber);
    m_arrival = today;
    m_vatTyped = false;
    m_hireTyped = false;
    m_charges = {};
    showCharges({}, {});
    chkClubMember->setChecked(false);
    const BookingRules::PartyCounts counts = BookingRules::startingCounts(countsShown);
    txtNoAdults->setText(QString::number(counts.adults));
    txtNoKids->setText(QString::number(counts.kids));
    for (QWidget* w : std::initializer_list<QWidget*>{lblNoAdultsEdit, lblNoKidsEdit, txtNoAdults, txtNoKids})
        w->setVisible(countsShown);
    customer->offerNew(std::nullopt); // every customer listed, no new caller
    payment->prepare();
    // Terms that cannot be read propose nothing; the clerk may still type a deposit.
    const auto terms = PaymentTerms::load(m_services.db());
    if (!terms)
        MessageLog::logError(QStringLiteral("frmBooking.Prepare: %1").arg(terms.error()));
    deposit->start(terms.valueOr({}), today);
    deposit->propose(Money(), today);
}

void BookingChargesPage::load(const BookingRecord& booking, const Stay& stay)
{
    m_arrival = booking.fromDate.date();
    customer->select(booking.customerId);
    if (txtNoAdults->isVisibleTo(this)) {
        txtNoAdults->setText(QString::number(BookingRules::shownCount(booking.noAdults)));
        txtNoKids->setText(QString::number(BookingRules::shownCount(booking.noKids)));
    }
    txtOtherCharges->setText(booking.otherCharges.plainText());
    txtVAT->setText(booking.vat.plainText());
    txtTotalPayable->setText(booking.totalPayable.plainText());
    txtAmountPayed->setText(booking.amountPayed.plainText());
    payment->load(booking);
    txtCostOfHire->setText(booking.costOfHire.plainText());
    txtBerthConfirmationNumber->setText(
        booking.berthConfirmationNumber ? QString::number(*booking.berthConfirmationNumber) : QString());
    txtGuestConfNum->setText(booking.guestConfirmationNumber);
    txtPowerRequirements->setText(booking.powerRequirements);
    chkClubMember->setChecked(booking.clubMember);
    // What was agreed stays agreed: the stored hire and tax until the person reprices. A stored VAT the rate would
    // not give was typed by hand and is kept; the total is always its parts' sum.
    m_charges = BookingCharges(booking, pricingKey(stay));
    showCharges(booking.charges, {});
    m_vatTyped = m_charges.tax(booking.costOfHire, booking.otherCharges) != booking.vat;
    // Older rows have no day of booking: the arrival stands in, as on the confirmation.
    deposit->start(PaymentTerms::load(m_services.db()).valueOr({}),
                   booking.bookedOn.isValid() ? booking.bookedOn : m_arrival, booking.moneyDue);
    deposit->propose(toSave().total, m_arrival);
}

bool BookingChargesPage::enter(const Stay& stay)
{
    m_arrival = stay.from.date();
    // A hire priced (or typed) for this period and these berths stays; anything else is priced afresh.
    if (const QString key = pricingKey(stay); m_charges.needsPricing(key) && !priceHire(stay, key))
        return false;
    for (QLineEdit* box : {txtCostOfHire, txtOtherCharges, txtVAT, txtTotalPayable, txtAmountPayed})
        showAmount(box);
    if (InputChecks::isValid(txtTotalPayable->text(), InputChecks::Kind::Money))
        deposit->propose(toSave().total, m_arrival);
    return true;
}

bool BookingChargesPage::priceHire(const Stay& stay, const QString& key)
{
    const auto quote = BookingPricing::quote(m_services.db(), stay.berthIds, stay.from, stay.to,
                                             stay.boat ? stay.boat->lengthCm : std::nullopt);
    if (!quote) {
        MessageLog::logError(QStringLiteral("frmBooking.PriceHire: %1").arg(quote.error()));
        m_services.messages.show(
            tr("The rates could not be read, so the hire cannot be worked out.\n%1").arg(quote.error()), title(),
            MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    QString notice =
        m_hireTyped ? tr("The period or the berths changed, so the hire has been worked out again.") : QString();
    const int taxRate = quote->tax.hundredthsOfPercent;
    bool keep = false;
    if (const auto choice = m_charges.choice(quote->price.total, taxRate, amount(txtOtherCharges))) {
        // Keeping is the default: a hurried Enter must not change what the customer was quoted.
        const int answer = m_services.messages.choose(
            tr("The period or the berths of this booking have changed.\n"
               "Agreed price: hire %1, total payable %2.\n"
               "With today's rates: hire %3, total payable %4.\n\n"
               "Keep the agreed price?")
                .arg(choice->agreedHire.format(), choice->agreedTotal.format(), quote->price.total.format(),
                     choice->newTotal.format()),
            title(),
            {tr("&Keep %1").arg(choice->agreedTotal.format()), tr("&Reprice to %1").arg(choice->newTotal.format())});
        if (answer < 0 || (answer == 0 && !Permission::askOrApprove(m_services, this, Action::PriceOverride)))
            return false;
        keep = answer == 0;
        if (keep)
            notice = tr("The agreed price is kept.");
    }
    txtCostOfHire->setText(m_charges.take(key, quote->price.total, quote->price.lines, taxRate, keep).format());
    m_hireTyped = false;
    m_vatTyped = false;
    updateCharges();
    showCharges(m_charges.lines(),
                QStringList{notice, BookingPricing::unpricedText(quote->price.unpriced)}.join(u' ').trimmed());
    return true;
}

void BookingChargesPage::showCharges(const QList<Pricing::Line>& lines, const QString& notice)
{
    lstCharges->clear();
    for (const Pricing::Line& line : lines)
        lstCharges->addItem(BookingPricing::lineText(line));
    lstCharges->setVisible(!lines.isEmpty());
    lblChargesNotice->setText(notice);
    lblChargesNotice->setVisible(!notice.isEmpty());
}

void BookingChargesPage::updateCharges()
{
    const auto valid = [](const QLineEdit* box, InputChecks::Kind kind) {
        return InputChecks::isValid(box->text(), kind);
    };
    if (!valid(txtCostOfHire, InputChecks::Kind::Charge) || !valid(txtOtherCharges, InputChecks::Kind::Charge) ||
        (m_vatTyped && !valid(txtVAT, InputChecks::Kind::Money)))
        return; // the box's own check says what is wrong
    const Money hire = amount(txtCostOfHire);
    const Money other = amount(txtOtherCharges);
    const Money vat = m_vatTyped ? amount(txtVAT) : m_charges.tax(hire, other);
    if (!m_vatTyped)
        txtVAT->setText(vat.format());
    txtTotalPayable->setText((hire + other + vat).format());
    deposit->propose(toSave().total, m_arrival);
}

void BookingChargesPage::recalculateCharges()
{
    if (!InputChecks::isValid(txtCostOfHire->text(), InputChecks::Kind::Charge) ||
        !InputChecks::isValid(txtOtherCharges->text(), InputChecks::Kind::Charge))
        return;
    for (QLineEdit* box : {txtCostOfHire, txtOtherCharges})
        showAmount(box);
    updateCharges();
}

BookingCharges::Amounts BookingChargesPage::toSave() const
{
    return m_charges.toSave({amount(txtCostOfHire), amount(txtOtherCharges), amount(txtVAT), amount(txtTotalPayable)});
}

bool BookingChargesPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtOtherCharges && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            InputChecks::isValid(txtOtherCharges->text(), InputChecks::Kind::Charge)) {
            recalculateCharges();
            // The amount paid comes next, unless the user went for a button.
            QTimer::singleShot(0, this, [this] {
                if (!qobject_cast<QPushButton*>(QApplication::focusWidget()) && isVisible())
                    txtAmountPayed->setFocus(Qt::OtherFocusReason);
            });
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool BookingChargesPage::check(const std::optional<BoatRecord>& boat)
{
    // VAT and the total are worked out even when the other charges box was never visited (and checked like typed
    // amounts: a sum past the ceiling is refused).
    recalculateCharges();
    if (!InputChecks::checkAll({txtNoAdults, txtNoKids, txtBerthConfirmationNumber, txtCostOfHire, txtOtherCharges,
                                txtVAT, txtTotalPayable, txtAmountPayed, deposit->txtDeposit}))
        return false;
    if (!customer->check(boat) || !deposit->check())
        return false;
    if (m_hireTyped && !Permission::askOrApprove(m_services, this, Action::PriceOverride))
        return false;
    showAmount(txtAmountPayed);
    showAmount(deposit->txtDeposit);
    return true;
}

void BookingChargesPage::fill(BookingRecord& b) const
{
    b.customerId = customer->chosenId();
    b.newCustomer = customer->chosenNew();
    b.noAdults = static_cast<int>(InputChecks::readWholeNumber(txtNoAdults->text()).value_or(0));
    b.noKids = static_cast<int>(InputChecks::readWholeNumber(txtNoKids->text()).value_or(0));
    const BookingCharges::Amounts saved = toSave();
    b.costOfHire = saved.hire;
    b.otherCharges = saved.other;
    b.vat = saved.vat;
    b.totalPayable = saved.total;
    b.taxRate = m_charges.taxRate();
    b.charges = m_charges.linesFor(b.costOfHire); // the lines are kept only while they explain the hire
    b.amountPayed = amount(txtAmountPayed);
    payment->fillIn(b);
    b.berthConfirmationNumber = InputChecks::readWholeNumber(txtBerthConfirmationNumber->text());
    b.confirmationNumberProposed =
        !m_proposedNumber.isEmpty() && txtBerthConfirmationNumber->text().trimmed() == m_proposedNumber;
    b.guestConfirmationNumber = txtGuestConfNum->text();
    b.powerRequirements = txtPowerRequirements->text();
    b.clubMember = chkClubMember->isChecked();
    b.moneyDue = deposit->agreed();
}

BookingRules::CountsLine BookingChargesPage::counts() const
{
    return BookingRules::confirmationCounts(txtNoAdults->text(), txtNoKids->text());
}
