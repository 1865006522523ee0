#include "contracts/ContractDialog.h"

#include "bookings/BookingStore.h"
#include "contracts/ContractEdit.h"
#include "core/DateTimes.h"
#include "core/Seams.h"
#include "core/ui/ChangedMeanwhile.h"
#include "core/ui/DateBox.h"
#include "people/Boats.h"
#include "people/NamePicker.h"
#include "people/PeopleWidgets.h"
#include "rates/RateStore.h"
#include "rates/TermRates.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <iterator>

namespace {
template <typename Box> Box* named(Box* box, const char* name)
{
    box->setObjectName(QLatin1String(name));
    return box;
}
// The plan's choices, as instalment counts; 0 is a plan typed row by row.
constexpr int PlanCounts[] = {1, 2, 4, 12, 0};
} // namespace

ContractDialog::ContractDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmContract"));
    setWindowTitle(tr("New Contract"));
    setModal(true);
    cboCustomer = named(new NamePicker(services, this), "cboCustomer");
    cboBoat = named(new NamePicker(services, this), "cboBoat");
    cboBerth = named(new QComboBox(this), "cboBerth");
    cboTerm = named(new QComboBox(this), "cboTerm");
    dtpFirst = named(new DateBox(this), "dtpFirst");
    dtpLast = named(new DateBox(this), "dtpLast");
    txtPrice = named(new QLineEdit(this), "txtPrice");
    lblCharges = named(new QLabel(this), "lblCharges");
    cboPlan = named(new QComboBox(this), "cboPlan");
    cboPlan->addItems({tr("In full"), tr("Two instalments"), tr("Four instalments"), tr("Twelve instalments"),
                       tr("Dates and amounts as typed")});
    grdPlan = named(new QTableWidget(0, 2, this), "grdPlan");
    grdPlan->setHorizontalHeaderLabels({tr("Due"), tr("Amount")});
    grdPlan->horizontalHeader()->setStretchLastSection(true);
    grdPlan->setTabKeyNavigation(false);
    auto* cmdPropose = named(new QPushButton(tr("P&ropose price"), this), "cmdPropose");
    auto* cmdAddRow = named(new QPushButton(tr("Add a ro&w"), this), "cmdAddRow");
    txtNotes = named(new QPlainTextEdit(this), "txtNotes");
    txtNotes->setTabChangesFocus(true);
    txtNotes->setMaximumHeight(60);
    lblInvoiced = named(new QLabel(this), "lblInvoiced");
    lblInvoiced->setVisible(false);

    auto* form = new QFormLayout;
    form->addRow(tr("&Holder:"), cboCustomer);
    form->addRow(tr("&Boat:"), cboBoat);
    form->addRow(tr("B&erth:"), cboBerth);
    form->addRow(tr("&Term:"), cboTerm);
    form->addRow(tr("&First day:"), dtpFirst);
    form->addRow(tr("&Last day:"), dtpLast);
    form->addRow(tr("Pr&ice before tax:"), txtPrice);
    form->addRow(cmdPropose, lblCharges);
    form->addRow(tr("&Plan:"), cboPlan);
    form->addRow(lblInvoiced);
    form->addRow(cmdAddRow, grdPlan);
    form->addRow(tr("&Notes:"), txtNotes);
    auto* fields = new QWidget(this);
    fields->setLayout(form);
    const auto [ok, cancel] = PeopleWidgets::finishRecordDialog(
        this, fields, [this] { save(); }, tr("&Save"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);

    connect(cboCustomer, &QComboBox::currentIndexChanged, this, &ContractDialog::loadBoats);
    connect(cboTerm, &QComboBox::activated, this, &ContractDialog::termChosen);
    connect(cboBerth, &QComboBox::activated, this, &ContractDialog::propose);
    connect(cmdPropose, &QPushButton::clicked, this, &ContractDialog::propose);
    connect(dtpFirst, &QDateEdit::dateChanged, this, &ContractDialog::refigure);
    connect(dtpLast, &QDateEdit::dateChanged, this, &ContractDialog::fillPlan);
    connect(txtPrice, &QLineEdit::editingFinished, this, &ContractDialog::refigure);
    connect(cboPlan, &QComboBox::currentIndexChanged, this, &ContractDialog::fillPlan);
    connect(cmdAddRow, &QPushButton::clicked, this, [this] {
        cboPlan->setCurrentIndex(int(std::size(PlanCounts)) - 1);
        grdPlan->insertRow(grdPlan->rowCount());
        grdPlan->setItem(grdPlan->rowCount() - 1, 0, new QTableWidgetItem(DateTimes::dateText(dtpLast->date())));
        grdPlan->setItem(grdPlan->rowCount() - 1, 1, new QTableWidgetItem(Money().format()));
        grdPlan->setFocus();
    });
}

Status ContractDialog::load()
{
    const QSqlDatabase db = m_services.db();
    const auto customers = BookingStore::customerChoices(db);
    if (!customers)
        return customers.failure();
    const auto berths = RateStore::berths(db);
    if (!berths)
        return berths.failure();
    const auto terms = TermRates::load(db);
    if (!terms)
        return terms.failure();
    m_terms = *terms;
    {
        const QSignalBlocker quiet(cboCustomer);
        cboCustomer->setChoices(PickerChoices::customers(*customers));
        cboCustomer->setCurrentIndex(-1);
    }
    loadBoats();
    for (const Sql::LookupItem& b : *berths)
        cboBerth->addItem(b.text, b.id);
    cboTerm->addItem(tr("(the days as typed)"), 0);
    for (const TermPricing::Term& t : std::as_const(m_terms.terms))
        cboTerm->addItem(t.name, t.id);
    const QDate today = m_services.clock.now().date();
    dtpFirst->setDate(today);
    dtpLast->setDate(today.addYears(1).addDays(-1));
    propose();
    cboCustomer->setFocus();
    return Done{};
}

void ContractDialog::loadBoats()
{
    const QList<PickerChoices::Choice> none{{0, tr("(no boat)")}};
    cboBoat->setChoices(PickerChoices(), none);
    cboBoat->setCurrentIndex(0);
    const int customer = cboCustomer->currentIndex() < 0 ? 0 : cboCustomer->currentData().toInt();
    if (customer <= 0)
        return;
    const auto boats = Boats::choicesOf(m_services.db(), customer);
    if (!boats) {
        m_services.messages.show(tr("The holder's boats could not be read: %1").arg(boats.error()), windowTitle(),
                                 MsgIcon::Critical);
        return;
    }
    cboBoat->setChoices(PickerChoices(*boats), none);
    cboBoat->setCurrentIndex(0);
}

// A term chosen sets the days to its next stretch from the first day shown.
void ContractDialog::termChosen()
{
    const qint64 id = cboTerm->currentData().toLongLong();
    for (const TermPricing::Term& t : std::as_const(m_terms.terms)) {
        if (t.id != id)
            continue;
        QDate from = dtpFirst->date();
        std::optional<TermPricing::Stretch> stretch = TermPricing::stretchOf(t, from);
        for (int i = 0; i < 366 && !stretch; ++i)
            stretch = TermPricing::stretchOf(t, from = from.addDays(1));
        if (stretch) {
            dtpFirst->setDate(stretch->first);
            dtpLast->setDate(stretch->last);
        }
    }
    propose();
}

void ContractDialog::propose()
{
    const int berth = cboBerth->currentData().toInt();
    const auto quote = ContractStore::propose(m_services.db(), {berth}, dtpFirst->date(), dtpLast->date());
    if (!quote) {
        m_services.messages.show(tr("The terms could not be read: %1").arg(quote.error()), windowTitle(),
                                 MsgIcon::Critical);
        return;
    }
    txtPrice->setText(quote->total.format());
    refigure();
    if (!quote->unpriced.isEmpty())
        lblCharges->setText(lblCharges->text() + u'\n' + tr("No term prices some of these days: type the price."));
}

void ContractDialog::refigure()
{
    const std::optional<Money> hire = Money::parse(txtPrice->text());
    if (!hire) {
        lblCharges->setText(tr("Type the price as an amount, such as 1200.00."));
        return;
    }
    const auto charged = ContractStore::charges(m_services.db(), *hire, dtpFirst->date());
    if (!charged) {
        lblCharges->setText(charged.error());
        return;
    }
    m_total = charged->total;
    lblCharges->setText(tr("Tax %1, total %2").arg(charged->tax.formatGrouped(), charged->total.formatGrouped()));
    fillPlan();
}

void ContractDialog::fillPlan()
{
    const int count = PlanCounts[std::clamp(cboPlan->currentIndex(), 0, int(std::size(PlanCounts)) - 1)];
    grdPlan->setEditTriggers(count == 0 ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    if (count == 0)
        return; // typed rows stay as typed
    const auto plan = ContractPlan::split(m_total - invoiced(), count, dtpFirst->date(), dtpLast->date());
    grdPlan->setRowCount(int(plan.size()));
    for (int row = 0; row < int(plan.size()); ++row) {
        grdPlan->setItem(row, 0, new QTableWidgetItem(DateTimes::dateText(plan[row].due)));
        grdPlan->setItem(row, 1, new QTableWidgetItem(plan[row].amount.format()));
    }
}

std::optional<ContractRecord> ContractDialog::typed()
{
    const auto refuse = [this](const QString& why, QWidget* field) {
        m_services.messages.show(why, windowTitle(), MsgIcon::Exclamation);
        field->setFocus();
        return std::nullopt;
    };
    if (!dtpFirst->commitTyped() || !dtpLast->commitTyped())
        return std::nullopt;
    ContractRecord c;
    c.customerId = cboCustomer->currentIndex() < 0 ? 0 : cboCustomer->currentData().toInt();
    if (c.customerId <= 0)
        return refuse(tr("Please choose the holder."), cboCustomer);
    if (cboBoat->currentIndex() > 0)
        c.boatId = cboBoat->currentData().toInt();
    if (cboTerm->currentData().toLongLong() > 0)
        c.termId = cboTerm->currentData().toLongLong();
    c.berthIds = {cboBerth->currentData().toInt()};
    c.firstDay = dtpFirst->date();
    c.lastDay = dtpLast->date();
    const std::optional<Money> hire = Money::parse(txtPrice->text());
    if (!hire)
        return refuse(tr("Type the price as an amount, such as 1200.00."), txtPrice);
    c.hire = *hire;
    refigure();
    for (int row = 0; row < grdPlan->rowCount(); ++row) {
        const QString dueText = grdPlan->item(row, 0) ? grdPlan->item(row, 0)->text() : QString();
        const QString amountText = grdPlan->item(row, 1) ? grdPlan->item(row, 1)->text() : QString();
        const Result<QDate> due = DateTimes::readDate(dueText, c.firstDay);
        if (!due)
            return refuse(tr("Instalment %1: %2").arg(row + 1).arg(due.error()), grdPlan);
        const std::optional<Money> amount = Money::parse(amountText);
        if (!amount)
            return refuse(tr("Instalment %1: type the amount, such as 300.00.").arg(row + 1), grdPlan);
        c.plan << ContractPlan::Instalment{row + 1, *due, *amount, {}, {}};
    }
    c.notes = txtNotes->toPlainText();
    if (m_loaded) {
        // The invoiced instalments are kept as they are; a plan whose open rows read as loaded counts as untouched.
        QList<ContractPlan::Instalment> open;
        for (const ContractPlan::Instalment& i : m_loaded->plan)
            if (!i.invoiceNumber)
                open << ContractPlan::Instalment{0, i.due, i.amount, {}, {}};
        QList<ContractPlan::Instalment> typedOpen = c.plan;
        for (ContractPlan::Instalment& i : typedOpen)
            i.number = 0;
        if (typedOpen == open) {
            c.plan = m_loaded->plan;
        } else {
            QList<ContractPlan::Instalment> kept;
            for (const ContractPlan::Instalment& i : m_loaded->plan)
                if (i.invoiceNumber)
                    kept << i;
            c.plan = kept + c.plan;
        }
        c.id = m_loaded->id;
        c.customerId = m_loaded->customerId;
        if (m_loaded->berthIds.size() > 1)
            c.berthIds = m_loaded->berthIds;
    }
    return c;
}

Money ContractDialog::invoiced() const
{
    Money sum;
    if (m_loaded)
        for (const ContractPlan::Instalment& i : m_loaded->plan)
            if (i.invoiceNumber)
                sum += i.amount;
    return sum;
}

Status ContractDialog::edit(int contractId)
{
    if (const Status read = load(); !read)
        return read;
    const auto contract = ContractStore::load(m_services.db(), contractId);
    if (!contract)
        return contract.failure();
    if (contract->cancelled)
        return refused(tr("The contract has been cancelled: it can no longer be changed."));
    setWindowTitle(tr("Contract %1").arg(contractId));
    cboCustomer->setEnabled(false);
    show(*contract);
    txtPrice->setFocus();
    return Done{};
}

// The boxes as the contract reads, its invoiced instalments named apart from the rows still to change.
void ContractDialog::show(const ContractRecord& c)
{
    m_loaded = c;
    const QSignalBlocker quietCustomer(cboCustomer);
    const QSignalBlocker quietPlan(cboPlan);
    cboCustomer->setCurrentIndex(cboCustomer->findData(c.customerId));
    loadBoats();
    cboBoat->setCurrentIndex(c.boatId ? std::max(0, cboBoat->findData(*c.boatId)) : 0);
    cboBerth->setCurrentIndex(std::max(0, cboBerth->findData(c.berthIds.value(0))));
    cboBerth->setEnabled(c.berthIds.size() <= 1);
    cboTerm->setCurrentIndex(std::max(0, cboTerm->findData(c.termId.value_or(0))));
    cboPlan->setCurrentIndex(int(std::size(PlanCounts)) - 1);
    {
        const QSignalBlocker quietFirst(dtpFirst);
        const QSignalBlocker quietLast(dtpLast);
        dtpFirst->setDate(c.firstDay);
        dtpLast->setDate(c.lastDay);
    }
    txtPrice->setText(c.hire.format());
    txtNotes->setPlainText(c.notes);
    QStringList kept;
    grdPlan->setRowCount(0);
    for (const ContractPlan::Instalment& i : c.plan) {
        if (i.invoiceNumber) {
            kept << tr("%1. due %2: %3, invoice %4")
                        .arg(i.number)
                        .arg(DateTimes::dateText(i.due), i.amount.formatGrouped())
                        .arg(*i.invoiceNumber);
            continue;
        }
        const int row = grdPlan->rowCount();
        grdPlan->insertRow(row);
        grdPlan->setItem(row, 0, new QTableWidgetItem(DateTimes::dateText(i.due)));
        grdPlan->setItem(row, 1, new QTableWidgetItem(i.amount.format()));
    }
    lblInvoiced->setText(tr("Invoiced, and kept as they are:\n%1").arg(kept.join(u'\n')));
    lblInvoiced->setVisible(!kept.isEmpty());
    grdPlan->setEditTriggers(QAbstractItemView::AllEditTriggers);
    const std::optional<Money> hire = Money::parse(txtPrice->text());
    if (const auto charged = ContractStore::charges(m_services.db(), hire.value_or(Money()), c.firstDay)) {
        m_total = charged->total;
        lblCharges->setText(tr("Tax %1, total %2").arg(charged->tax.formatGrouped(), charged->total.formatGrouped()));
    }
}

void ContractDialog::save()
{
    const auto contract = typed();
    if (!contract)
        return;
    if (m_loaded) {
        saveChange(*contract);
        return;
    }
    const auto id = ContractStore::add(m_services.db(), *contract, m_services.clock.now());
    if (!id) {
        // Refused or taken meanwhile: told, and everything typed stays.
        m_services.messages.show(id.error(), windowTitle(),
                                 id.kind() == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
        return;
    }
    m_savedId = *id;
    accept();
}

void ContractDialog::saveChange(const ContractRecord& mine)
{
    std::optional<FieldChanges::Merge<ContractRecord>> merge;
    const auto saved = ContractEdit::save(m_services.db(), *m_loaded, mine, &merge);
    if (saved) {
        m_savedId = saved->id;
        accept();
        return;
    }
    if (merge && !merge->conflicts().isEmpty()) {
        // Both desks changed some fields: the person sees which and chooses; the rest of both is kept.
        const Meanwhile choice =
            askAboutChanges(m_services.messages, windowTitle(), tr("contract"), merge->conflicts());
        const ContractRecord next = merge->chosen(choice == Meanwhile::KeepTheirs);
        const ContractRecord theirs = merge->theirs();
        if (choice == Meanwhile::GoBack) {
            show(next); // what was typed stays, to be saved over what is stored now
            m_loaded = theirs;
            return;
        }
        m_loaded = theirs;
        saveChange(next); // merged again with whatever else was stored since
        return;
    }
    // Refused or taken meanwhile: told, and everything typed stays.
    m_services.messages.show(saved.error(), windowTitle(),
                             saved.kind() == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
}
