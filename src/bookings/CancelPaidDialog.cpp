#include "bookings/CancelPaidDialog.h"

#include "bookings/BookingWizard.h"
#include "bookings/Ledger.h"
#include "core/EventLog.h"
#include "core/Seams.h"
#include "staff/ApprovalDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CancelPaidDialog::CancelPaidDialog(const Money& paid, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCancelPaid"));
    setWindowTitle(tr("Cancel booking"));
    auto* question =
        new QLabel(paid > Money() ? tr("%1 has been paid on this booking. Cancel it and:").arg(paid.format())
                                  : tr("This booking has payments on record. Cancel it and keep them?"),
                   this);
    question->setObjectName(QStringLiteral("lblQuestion"));
    optRefund = new QRadioButton(tr("&Refund what was paid"), this);
    optRefund->setObjectName(QStringLiteral("optRefund"));
    optKeepAsFee = new QRadioButton(tr("&Keep it as a cancellation fee"), this);
    optKeepAsFee->setObjectName(QStringLiteral("optKeepAsFee"));
    optKeepAsCredit = new QRadioButton(tr("Keep it as the customer's c&redit"), this);
    optKeepAsCredit->setObjectName(QStringLiteral("optKeepAsCredit"));
    optRefund->setChecked(true);
    // With nothing left paid there is nothing to refund or keep: the booking is only marked cancelled.
    for (QRadioButton* option : {optRefund, optKeepAsFee, optKeepAsCredit})
        option->setVisible(paid > Money());

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("Cancel &Booking"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    QPushButton* back = buttons->addButton(tr("&Go Back"), QDialogButtonBox::RejectRole);
    back->setObjectName(QStringLiteral("cmdCancel"));
    back->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(optRefund);
    layout->addWidget(optKeepAsFee);
    layout->addWidget(optKeepAsCredit);
    layout->addWidget(buttons);
}

std::optional<BookingStore::MoneyKept> CancelPaidDialog::ask(const Money& paid, QWidget* parent)
{
    CancelPaidDialog dialog(paid, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (dialog.optKeepAsFee->isChecked())
        return BookingStore::MoneyKept::AsFee;
    if (dialog.optKeepAsCredit->isChecked())
        return BookingStore::MoneyKept::AsCredit;
    return BookingStore::MoneyKept::Refunded;
}

Status CancelPaidDialog::cancelBooking(Services& services, QWidget* parent, int bookingId, const QString& storedStamp,
                                       const QString& title, const QString& details)
{
    const QSqlDatabase db = services.db();
    const auto lines = Ledger::lines(db, bookingId);
    const auto held = Ledger::account(db, bookingId);
    const auto tell = [&](const Failure& failure) -> Status {
        services.messages.show(failure.kind == FailureKind::Database
                                   ? tr("The booking could not be cancelled: %1").arg(failure.text)
                                   : failure.text,
                               title, failure.kind == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
        return failure;
    };
    if (!lines)
        return tell(lines.failure());
    if (!held)
        return tell(held.failure());
    if (lines->isEmpty()) {
        if (!BookingWizard::askToCancel(services.messages, title))
            return ::cancelled();
        if (const Status deleted = BookingStore::deleteBooking(db, bookingId, storedStamp); !deleted)
            return tell(deleted.failure());
        services.events.log(EventLog::BookingCancelled, details);
        return Done{};
    }
    if (!Permission::askOrApprove(services, parent, Action::CancelPaid))
        return ::cancelled();
    const auto kept = ask(held->paid, parent);
    if (!kept)
        return ::cancelled();
    const auto done =
        BookingStore::cancelBooking(db, bookingId, storedStamp, *kept, services.clock.now(), Ledger::deskName());
    if (!done)
        return tell(done.failure());
    const Money paid = done->paid;
    QString money;
    if (paid > Money()) {
        switch (*kept) {
        case BookingStore::MoneyKept::Refunded:
            money = QStringLiteral(", Paid: %1 refunded").arg(paid.format());
            break;
        case BookingStore::MoneyKept::AsFee:
            money = QStringLiteral(", Paid: %1 kept as a cancellation fee").arg(paid.format());
            break;
        case BookingStore::MoneyKept::AsCredit:
            money = QStringLiteral(", Paid: %1 kept as the customer's credit").arg(paid.format());
            break;
        }
    }
    services.events.log(EventLog::BookingCancelled, details + money);
    if (done->creditNote)
        services.events.log(EventLog::CreditNoteIssued, CreditNotes::describe(*done->creditNote));
    return Done{};
}
