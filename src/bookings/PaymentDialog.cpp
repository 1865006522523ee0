#include "bookings/PaymentDialog.h"

#include "bookings/BookingStore.h"
#include "core/EventLog.h"
#include "core/InputParsing.h"
#include "core/Seams.h"
#include "people/PeopleWidgets.h"
#include "staff/ApprovalDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PaymentDialog::PaymentDialog(Services& services, int bookingId, Mode mode, QWidget* parent)
    : QDialog(parent), m_services(services), m_bookingId(bookingId), m_mode(mode)
{
    setObjectName(QStringLiteral("frmPayment"));
    setWindowTitle(mode == Mode::Refund ? tr("Refund") : tr("Record Payment"));
    setModal(true);

    cboKind = new QComboBox(this);
    cboKind->setObjectName(QStringLiteral("cboKind"));
    m_kinds = mode == Mode::Refund ? QList<Ledger::Kind>{Ledger::Kind::Refund}
                                   : QList<Ledger::Kind>{Ledger::Kind::Payment, Ledger::Kind::Deposit,
                                                         Ledger::Kind::Correction, Ledger::Kind::CreditUsed};
    for (const Ledger::Kind kind : m_kinds)
        cboKind->addItem(Ledger::kindText(kind));
    cboMethod = new QComboBox(this);
    cboMethod->setObjectName(QStringLiteral("cboMethod"));
    cboMethod->addItem(QString());
    txtAmount = new QLineEdit(this);
    txtAmount->setObjectName(QStringLiteral("txtAmount"));
    txtAmount->setAlignment(Qt::AlignRight);
    txtAmount->setPlaceholderText(Money().format());
    txtReference = new QLineEdit(this);
    txtReference->setObjectName(QStringLiteral("txtReference"));
    txtReference->setMaxLength(100);
    txtNote = new QLineEdit(this);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setMaxLength(250);
    lblPaid = new QLabel(this);
    lblPaid->setObjectName(QStringLiteral("lblPaid"));

    auto* form = new QFormLayout;
    form->addRow(lblPaid);
    form->addRow(tr("&Kind:"), cboKind);
    form->addRow(tr("&Method:"), cboMethod);
    form->addRow(tr("&Amount:"), txtAmount);
    form->addRow(tr("&Reference (card slip, transfer):"), txtReference);
    form->addRow(tr("&Note:"), txtNote);
    auto* fields = new QWidget(this);
    fields->setLayout(form);
    const auto [ok, cancel] = PeopleWidgets::finishRecordDialog(
        this, fields, [this] { save(); }, tr("&OK"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);

    const QSqlDatabase db = m_services.db();
    if (const auto methods = BookingStore::paymentMethodChoices(db))
        for (const BookingStore::Choice& method : *methods)
            cboMethod->addItem(method.text, method.id);
    if (const auto held = Ledger::account(db, bookingId)) {
        lblPaid->setText(tr("Total payable: %1    Paid so far: %2").arg(held->total.format(), held->paid.format()));
        // A refund proposes what was paid; a payment what is still owed.
        // A balance kept to the ten-thousandth is proposed in the pence it shows; under half a penny it is settled.
        const Money proposed = mode == Mode::Refund     ? held->paid
                               : held->balance().owes() ? held->balance().toPenny()
                                                        : Money();
        if (proposed > Money())
            txtAmount->setText(proposed.format());
        if (held->methodId)
            cboMethod->setCurrentIndex(qMax(0, cboMethod->findData(*held->methodId)));
    }
    txtAmount->setFocus();
    txtAmount->selectAll();
}

std::optional<Money> PaymentDialog::record(Services& services, int bookingId, Mode mode, QWidget* parent)
{
    if (mode == Mode::Refund && !Permission::askOrApprove(services, parent, Action::Refund))
        return std::nullopt;
    PaymentDialog dialog(services, bookingId, mode, parent);
    dialog.exec();
    return dialog.m_paid;
}

void PaymentDialog::save()
{
    const QString typed = txtAmount->text().trimmed();
    const QString notAnAmount = tr("Type the amount, for example %1.").arg(Money::fromPence(2500).format());
    const auto amount = InputChecks::readAmount(typed, Ledger::lineCeiling(), notAnAmount);
    if (!amount || typed.isEmpty()) {
        m_services.messages.show(typed.isEmpty() ? notAnAmount : amount.error(), windowTitle(), MsgIcon::Exclamation);
        txtAmount->setFocus();
        return;
    }
    Ledger::Entry entry;
    entry.kind = m_kinds.value(cboKind->currentIndex(), m_kinds.constFirst());
    if (entry.kind == Ledger::Kind::Correction && !Permission::askOrApprove(m_services, this, Action::Refund))
        return;
    if (const QVariant method = cboMethod->currentData(); method.isValid())
        entry.methodId = method.toInt();
    entry.amount = *amount;
    entry.reference = txtReference->text().trimmed();
    entry.note = txtNote->text().trimmed();
    const auto paid = Ledger::record(m_services.db(), m_bookingId, entry, m_services.clock.now(), Ledger::deskName());
    if (!paid) {
        m_services.messages.show(paid.kind() == FailureKind::Database
                                     ? tr("The payment could not be saved: %1").arg(paid.error())
                                     : paid.error(),
                                 windowTitle(), MsgIcon::Exclamation);
        // A booking gone or cancelled meanwhile takes no line: nothing to correct here.
        if (paid.kind() == FailureKind::Conflict)
            reject();
        else
            txtAmount->setFocus();
        return;
    }
    m_paid = paid->paid;
    m_services.events.log(
        entry.kind == Ledger::Kind::Refund ? EventLog::RefundRecorded : EventLog::PaymentRecorded,
        tr("%1 of %2 on booking %3").arg(Ledger::kindText(entry.kind), entry.amount.format()).arg(m_bookingId));
    // Money given back on an invoice: the desk learns which credit note covers it, or that none was needed.
    if (paid->creditNote) {
        m_services.events.log(EventLog::CreditNoteIssued, CreditNotes::describe(*paid->creditNote));
        m_services.messages.show(tr("%1 was issued. It prints from the booking's summary, under Credit Notes.")
                                     .arg(CreditNotes::describe(*paid->creditNote)),
                                 windowTitle(), MsgIcon::Information);
    } else if (entry.kind == Ledger::Kind::Refund && paid->invoiceNumber) {
        m_services.messages.show(tr("No credit note was issued: the refund gives back money paid beyond what invoice "
                                    "%1 still asks after its credit notes.")
                                     .arg(*paid->invoiceNumber),
                                 windowTitle(), MsgIcon::Information);
    }
    accept();
}
