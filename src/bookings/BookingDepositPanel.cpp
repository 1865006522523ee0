#include "bookings/BookingDepositPanel.h"

#include "bookings/BookingRules.h"
#include "bookings/BookingWizardParts.h"
#include "core/DateTimes.h"
#include "core/InputParsing.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "core/ui/InputChecks.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

BookingDepositPanel::BookingDepositPanel(IMessageBox& messages, QWidget* page) : QObject(page), m_messages(messages)
{
    txtDeposit = BookingWizardParts::box(QStringLiteral("txtDeposit"), page);
    const auto makeDate = [page](const QString& name) {
        auto* date = new DateBox(page);
        date->setObjectName(name);
        date->setDateRange(BookingRules::earliestDate(), BookingRules::latestDate());
        return date;
    };
    dtpDepositBy = makeDate(QStringLiteral("dtpDepositBy"));
    dtpBalanceBy = makeDate(QStringLiteral("dtpBalanceBy"));
    lblDepositNotice = BookingWizardParts::named(new QLabel(page), QStringLiteral("lblDepositNotice"));
    lblDepositNotice->setWordWrap(true);
    lblDepositNotice->hide();
    InputChecks::watch(txtDeposit, InputChecks::Kind::Money, tr("Deposit"), messages);
    connect(txtDeposit, &QLineEdit::textEdited, this, [this] {
        m_depositTyped = true;
        lblDepositNotice->hide();
    });
    connect(dtpDepositBy, &QDateEdit::dateChanged, this, [this] { m_depositByTyped |= !m_filling; });
    connect(dtpBalanceBy, &QDateEdit::dateChanged, this, [this] { m_balanceByTyped |= !m_filling; });
}

void BookingDepositPanel::placeIn(QGridLayout* grid, int row, int column, int span)
{
    const QList<std::pair<QString, QWidget*>> rows{
        {tr("&Deposit:"), txtDeposit}, {tr("Deposit d&ue by:"), dtpDepositBy}, {tr("Balanc&e due by:"), dtpBalanceBy}};
    for (const auto& [text, box] : rows) {
        auto* label = new QLabel(text, box->parentWidget());
        label->setBuddy(box);
        grid->addWidget(label, row, column);
        grid->addWidget(box, row++, column + 1);
    }
    grid->addWidget(lblDepositNotice, row, column, 1, span);
}

void BookingDepositPanel::setDate(DateBox* box, const QDate& date)
{
    const bool filling = std::exchange(m_filling, true);
    box->setDate(date);
    m_filling = filling;
}

void BookingDepositPanel::start(const PaymentTerms& terms, const QDate& booked, const PaymentTerms::Agreed& agreed)
{
    m_terms = terms;
    m_booked = booked;
    m_total = Money();
    m_arrival = {};
    m_depositTyped = agreed.deposit.has_value();
    m_depositByTyped = agreed.depositBy.isValid();
    m_balanceByTyped = agreed.balanceBy.isValid();
    txtDeposit->setText(agreed.deposit ? agreed.deposit->format() : QString());
    setDate(dtpDepositBy, agreed.depositBy.isValid() ? agreed.depositBy : booked);
    setDate(dtpBalanceBy, agreed.balanceBy.isValid() ? agreed.balanceBy : booked);
    lblDepositNotice->hide();
}

void BookingDepositPanel::propose(Money total, const QDate& arrival)
{
    // Worked out again only when something changed: a deposit typed above an unchanged total is for check() to refuse.
    if (total == m_total && arrival == m_arrival)
        return;
    m_total = total;
    m_arrival = arrival;
    const BookingDeposit::Plan proposed = BookingDeposit::proposal(m_terms, total, m_booked, arrival);
    if (!m_depositTyped) {
        txtDeposit->setText(proposed.deposit.format());
    } else if (const auto typed = InputChecks::readMoney(txtDeposit->text()); typed && *typed > total) {
        txtDeposit->setText(total.format());
        lblDepositNotice->setText(
            tr("The deposit typed was more than the total payable, so it is now %1.").arg(total.format()));
        lblDepositNotice->show();
    }
    if (!m_depositByTyped)
        setDate(dtpDepositBy, proposed.depositBy);
    if (!m_balanceByTyped)
        setDate(dtpBalanceBy, proposed.balanceBy);
}

std::optional<BookingDeposit::Plan> BookingDepositPanel::typedPlan() const
{
    const auto deposit =
        InputChecks::readAmount(txtDeposit->text(), Money::ceiling(), InputChecks::invalidNumberText());
    if (!deposit)
        return std::nullopt;
    return BookingDeposit::Plan{*deposit, dtpDepositBy->date(), dtpBalanceBy->date()};
}

bool BookingDepositPanel::check()
{
    QWidget* focus = txtDeposit;
    QString refused;
    const auto deposit =
        InputChecks::readAmount(txtDeposit->text(), Money::ceiling(), InputChecks::invalidNumberText());
    if (!deposit) {
        refused = deposit.error();
    } else if (const auto refusal = BookingDeposit::refusal({*deposit, dtpDepositBy->date(), dtpBalanceBy->date()},
                                                            m_total, m_booked, m_arrival)) {
        refused = refusal->text;
        if (refusal->box == BookingDeposit::Box::DepositBy)
            focus = dtpDepositBy;
        else if (refusal->box == BookingDeposit::Box::BalanceBy)
            focus = dtpBalanceBy;
    } else {
        return true;
    }
    // Titled as the box's own check titles it.
    m_messages.show(refused, tr("Deposit"), MsgIcon::Exclamation, MsgButtons::Ok);
    focus->setFocus();
    return false;
}

PaymentTerms::Agreed BookingDepositPanel::agreed() const
{
    const auto plan = typedPlan();
    if (!plan)
        return {};
    return BookingDeposit::agreed(m_terms, m_total, m_booked, m_arrival, *plan);
}

QString BookingDepositPanel::summary() const
{
    const auto plan = typedPlan();
    if (!plan || plan->deposit <= Money())
        return tr("Total payable %1 due by %2").arg(m_total.format(), DateTimes::weekdayDateText(dtpBalanceBy->date()));
    return tr("Deposit %1 due by %2, balance %3 due by %4")
        .arg(plan->deposit.format(), DateTimes::weekdayDateText(plan->depositBy), (m_total - plan->deposit).format(),
             DateTimes::weekdayDateText(plan->balanceBy));
}
