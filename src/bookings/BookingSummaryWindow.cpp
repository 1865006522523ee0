#include "bookings/BookingSummaryWindow.h"

#include "bookings/BookingDetailsPanel.h"
#include "bookings/BookingDocuments.h"
#include "bookings/BookingHistoryDialog.h"
#include "bookings/BookingMailMenu.h"
#include "bookings/BookingMessagesPanel.h"
#include "bookings/BookingPricing.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "bookings/BookingSummaryData.h"
#include "bookings/BookingWizard.h"
#include "bookings/CancelPaidDialog.h"
#include "bookings/CheckIn.h"
#include "bookings/CheckInMenu.h"
#include "bookings/CreditNotes.h"
#include "bookings/DocumentsMenu.h"
#include "bookings/Ledger.h"
#include "bookings/PaymentDialog.h"
#include "bookings/PaymentTerms.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "core/ui/ClickableLabel.h"
#include "core/ui/DocumentRenderer.h"
#include "core/ui/OldReference.h"
#include "core/ui/Twips.h"
#include "core/ui/WindowPlacement.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Built at each call, so the translator installed at start-up is the one asked.
QString title()
{
    return QCoreApplication::translate("BookingSummaryWindow", "Reservation summary");
}

QPushButton* button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QPlainTextEdit* notesBox(const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}
} // namespace

BookingSummaryWindow::BookingSummaryWindow(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmBookingSummary"));
    setWindowTitle(title());

    m_details = new BookingDetailsPanel(tr("Ph:"), 6, this);
    connect(m_details->email, &ClickableLabel::clicked, this, [this] {
        if (BookingMailMenu::email(m_services, m_bookingId, m_details->lblMail->text(), title(), this))
            m_messages->show(m_bookingId);
    });
    m_messages = new BookingMessagesPanel(m_services, this);
    QFont bold = m_details->lblName->font();
    bold.setBold(true);
    m_details->lblDates->setFont(bold);
    m_details->lblName->setFont(bold);

    auto* money = new QGridLayout;
    const QStringList captions{tr("Berth  Charges"), tr("Other Charges"), tr("VAT"), tr("Total Payable"),
                               tr("Amount Payed")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        box->setMaximumWidth(Twips::toPixelsX(1500, this));
        money->addWidget(new QLabel(captions[i], this), i, 0);
        money->addWidget(box, i, 1);
        m_amounts << box;
    }
    // How the hire was agreed, line by line, beside the amounts.
    m_lblCharges = new QLabel(this);
    m_lblCharges->setObjectName(QStringLiteral("lblCharges"));
    m_lblCharges->setTextFormat(Qt::PlainText);
    m_lblCharges->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblCharges->setWordWrap(true);
    money->addWidget(m_lblCharges, 0, 2, captions.size(), 1);
    money->setColumnStretch(2, 1);

    m_txtNotes = notesBox(QStringLiteral("txtNotes"), this);
    m_txtCnotes = notesBox(QStringLiteral("txtCnotes"), this);
    auto* notes = new QGridLayout;
    notes->addWidget(new QLabel(tr("Reservation notes:"), this), 0, 0);
    notes->addWidget(m_txtNotes, 1, 0);
    notes->addWidget(new QLabel(tr("Customer Notes"), this), 0, 1);
    notes->addWidget(m_txtCnotes, 1, 1);

    // The ledger: every line taken or given back, what is still owed and by when.
    m_lstPayments = new QTreeWidget(this);
    m_lstPayments->setObjectName(QStringLiteral("lstPayments"));
    m_lstPayments->setRootIsDecorated(false);
    m_lstPayments->setHeaderLabels(
        {tr("Date"), tr("Kind"), tr("Method"), tr("Amount"), tr("Reference"), tr("Desk"), tr("Note")});
    m_lstPayments->setMaximumHeight(Twips::toPixelsY(1600, this));
    m_lblBalance = new QLabel(this);
    m_lblBalance->setObjectName(QStringLiteral("lblBalance"));
    m_lblBalance->setFont(bold);
    m_lblDue = new QLabel(this);
    m_lblDue->setObjectName(QStringLiteral("lblDue"));
    m_lblDue->setWordWrap(true);
    m_cmdRecordPayment = button(tr("Record Pa&yment..."), QStringLiteral("cmdRecordPayment"), this);
    m_cmdRefund = button(tr("Re&fund..."), QStringLiteral("cmdRefund"), this);
    connect(m_cmdRecordPayment, &QPushButton::clicked, this, [this] { recordPayment(false); });
    connect(m_cmdRefund, &QPushButton::clicked, this, [this] { recordPayment(true); });
    auto* ledger = new QGridLayout;
    ledger->addWidget(m_lstPayments, 0, 0, 3, 1);
    ledger->addWidget(m_cmdRecordPayment, 0, 1);
    ledger->addWidget(m_cmdRefund, 1, 1);
    ledger->addWidget(m_lblBalance, 3, 0, 1, 2);
    ledger->addWidget(m_lblDue, 4, 0, 1, 2);
    ledger->setColumnStretch(0, 1);

    // The guest's stay: checked in and out here as from Today and the chart.
    m_lblStay = new QLabel(this);
    m_lblStay->setObjectName(QStringLiteral("lblStay"));
    m_cmdArrive = button(tr("&Arrive"), QStringLiteral("cmdArrive"), this);
    m_cmdDepart = button(tr("Depar&t..."), QStringLiteral("cmdDepart"), this);
    m_cmdUndoStay = button(tr("&Undo check-in or out..."), QStringLiteral("cmdUndoStay"), this);
    connect(m_cmdArrive, &QPushButton::clicked, this, [this] { changeStay(&CheckInMenu::arrive); });
    connect(m_cmdDepart, &QPushButton::clicked, this, [this] { changeStay(&CheckInMenu::depart); });
    connect(m_cmdUndoStay, &QPushButton::clicked, this, [this] { changeStay(&CheckInMenu::putBack); });
    auto* stay = new QHBoxLayout;
    stay->addWidget(m_lblStay, 1);
    for (QPushButton* b : {m_cmdArrive, m_cmdDepart, m_cmdUndoStay})
        stay->addWidget(b);

    auto* hint = new QLabel(tr("To amend financial details press the Edit Booking Button"), this);
    hint->setObjectName(QStringLiteral("lblHint"));

    m_cmdEdit = button(tr("&Edit booking"), QStringLiteral("Command1"), this);
    m_cmdCancel = button(tr("&Cancel booking"), QStringLiteral("Command2"), this);
    auto* cmdClose = button(tr("Close"), QStringLiteral("Command3"), this);
    auto* cmdReceipt = button(tr("&Print Receipt"), QStringLiteral("Command4"), this);
    auto* cmdForm = button(tr("&Booking Form"), QStringLiteral("Command5"), this);
    // Beside printing at once: the same documents as PDF files, for when no printer is at hand.
    auto* cmdPdf = button(tr("Save as P&DF..."), QStringLiteral("cmdSaveAsPdf"), this);
    auto* pdfMenu = new QMenu(cmdPdf);
    pdfMenu->setObjectName(QStringLiteral("mnuSaveAsPdf"));
    QAction* pdfReceipt = pdfMenu->addAction(tr("Receipt"));
    pdfReceipt->setObjectName(QStringLiteral("mnuPdfReceipt"));
    QAction* pdfForm = pdfMenu->addAction(tr("Booking Form"));
    pdfForm->setObjectName(QStringLiteral("mnuPdfBookingForm"));
    BookingMailMenu::addInvoiceAction(pdfMenu, m_services, [this] { return m_bookingId; });
    cmdPdf->setMenu(pdfMenu);
    // The confirmation and the credit notes read the booking itself: printing them writes nothing.
    auto* cmdConfirmation = button(tr("Confir&mation"), QStringLiteral("cmdConfirmation"), this);
    cmdConfirmation->setMenu(DocumentsMenu::confirmationMenu(
        m_services, [this] { return m_bookingId; }, this));
    m_cmdCreditNotes = button(tr("Credit N&otes"), QStringLiteral("cmdCreditNotes"), this);
    m_cmdCreditNotes->setMenu(new QMenu(m_cmdCreditNotes));
    m_cmdCreditNotes->menu()->setObjectName(QStringLiteral("mnuCreditNotes"));
    auto* cmdHistory = button(tr("&History..."), QStringLiteral("cmdHistory"), this);
    connect(cmdHistory, &QPushButton::clicked, this, [this] {
        BookingHistoryDialog::display(m_services, m_bookingId, tr("Booking %1: history").arg(m_bookingId), this);
    });

    connect(m_cmdEdit, &QPushButton::clicked, this, [this] { done(EditRequested); });
    connect(m_cmdCancel, &QPushButton::clicked, this, &BookingSummaryWindow::cancelBooking);
    connect(cmdClose, &QPushButton::clicked, this, [this] { done(Closed); });
    connect(cmdReceipt, &QPushButton::clicked, this, [this] { print(true); });
    connect(cmdForm, &QPushButton::clicked, this, [this] { print(false); });
    connect(pdfReceipt, &QAction::triggered, this, [this] { saveAsPdf(true); });
    connect(pdfForm, &QAction::triggered, this, [this] { saveAsPdf(false); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {m_cmdEdit, m_cmdCancel, cmdReceipt, cmdForm, cmdPdf, cmdConfirmation, m_cmdCreditNotes, cmdHistory})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_details);
    layout->addSpacing(8);
    layout->addLayout(money);
    layout->addLayout(ledger);
    layout->addLayout(stay);
    layout->addWidget(m_messages);
    layout->addLayout(notes, 1);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    resize(Twips::toPixelsX(9600, this), Twips::toPixelsY(7200, this));
    WindowPlacement::keepSize(this, this);
}

void BookingSummaryWindow::display(IWindowHost& host, Services& services, int bookingId)
{
    bool edit = false;
    {
        BookingSummaryWindow summary(services, host.dialogParent());
        if (!summary.prepare(bookingId))
            return;
        edit = summary.exec() == EditRequested;
        if (summary.m_cancelled)
            host.berthsReleased(summary.m_berthIds, summary.m_fromDate, summary.m_toDate);
    }
    // The summary is gone before the wizard comes up on the same booking.
    if (edit)
        BookingWizard::display(host, services, RecordMode::Edit, bookingId);
}

bool BookingSummaryWindow::prepare(int bookingId)
{
    const auto shown = BookingSummaryData::load(m_services.db(), bookingId);
    if (!shown) {
        // A booking or customer that is not there shows nothing; a failed read goes to the message log.
        if (shown.kind() == FailureKind::Database)
            MessageLog::logError(QStringLiteral("frmBookingSummary.Display: %1").arg(shown.error()));
        return false;
    }
    if (const Status prepared = BookingSummaryData::prepareInvoiceRows(m_services.db(), bookingId); !prepared) {
        m_services.messages.show(tr("The booking could not be shown: %1").arg(prepared.error()), title(),
                                 MsgIcon::Critical);
        return false;
    }
    m_bookingId = bookingId;
    const BookingRecord& b = shown->booking;
    m_fromDate = b.fromDate;
    m_toDate = b.toDate;
    m_berthIds = b.berthIds;
    m_storedStamp = b.storedStamp;
    m_cancelled = false;
    const CustomerRecord& c = shown->customer;
    m_details->lblDates->setText(BookingRules::periodText(b.fromDate, b.toDate));
    const Money amounts[] = {b.costOfHire, b.otherCharges, b.vat, b.totalPayable, b.amountPayed};
    for (int i = 0; i < m_amounts.size(); ++i)
        m_amounts[i]->setText(amounts[i].format());
    QStringList lines;
    for (const Pricing::Line& line : b.charges)
        lines << BookingPricing::lineText(line);
    m_lblCharges->setText(lines.join(u'\n'));
    m_details->lblNoAdults->setText(QString::number(b.noAdults));
    m_details->lblNoKids->setText(QString::number(b.noKids));
    // -1 is a count that was not recorded.
    m_details->lblNoAdults->setHidden(b.noAdults == -1);
    m_details->lblNoKids->setHidden(b.noAdults == -1);
    m_details->lblAdults->setHidden(b.noKids == -1);
    m_details->lblKids->setHidden(b.noKids == -1);
    m_txtNotes->setPlainText(b.notes);
    m_details->lblName->setText(BookingRules::customerLine(c));
    m_details->lblAddress->setText(BookingSummaryData::addressLine(c));
    m_details->lblPhone->setText(c.telNo);
    m_details->lblMail->setText(c.emailAddress);
    m_txtCnotes->setPlainText(c.notes);
    m_details->lblBoat->setText(shown->boat ? tr("Boat: %1").arg(Boats::boatLine(*shown->boat)) : QString());
    m_details->lblBoat->setVisible(shown->boat.has_value());
    OldReference::show(m_details->txtOldRef, m_services.db(), QStringLiteral("Booking"), bookingId);
    m_details->lblBerths->setText(b.cancelled ? tr("Cancelled. %1").arg(BookingRules::berthsLine(b.berthNames))
                                              : BookingRules::berthsLine(b.berthNames));
    m_cmdEdit->setEnabled(!b.cancelled);
    m_cmdCancel->setEnabled(!b.cancelled);
    showLedger();
    showStay();
    m_messages->show(bookingId);
    return true;
}

void BookingSummaryWindow::showStay()
{
    const auto state = CheckIn::load(m_services.db(), m_bookingId);
    const CheckIn::Stay stay = state ? state->stay : CheckIn::Stay::Expected;
    const bool open = state && !state->cancelled;
    QString text = state ? CheckIn::stayText(stay) : tr("The guest's stay could not be read: %1").arg(state.error());
    if (state && stay == CheckIn::Stay::Arrived)
        text = tr("Arrived %1 at %2").arg(state->arrivedAt.toString(DateTimes::dateTimeFormat()), state->arrivedDesk);
    else if (state && stay == CheckIn::Stay::Departed)
        text =
            tr("Departed %1 at %2").arg(state->departedAt.toString(DateTimes::dateTimeFormat()), state->departedDesk);
    m_lblStay->setText(tr("Guest: %1").arg(text));
    m_cmdArrive->setEnabled(open && (stay == CheckIn::Stay::Expected || stay == CheckIn::Stay::NoShow));
    m_cmdDepart->setEnabled(open && stay == CheckIn::Stay::Arrived);
    m_cmdUndoStay->setEnabled(open && stay != CheckIn::Stay::Expected);
}

void BookingSummaryWindow::changeStay(bool (*action)(Services&, QWidget*, int))
{
    action(m_services, this, m_bookingId);
    // Read again whatever the answer: a payment may have been taken, or another desk may have moved first.
    showLedger();
    showStay();
}

void BookingSummaryWindow::showLedger()
{
    const QSqlDatabase db = m_services.db();
    m_lstPayments->clear();
    const auto lines = Ledger::lines(db, m_bookingId);
    const auto held = Ledger::account(db, m_bookingId);
    if (!lines || !held) {
        m_lblBalance->setText(tr("The payments could not be read: %1").arg(lines ? held.error() : lines.error()));
        m_lblDue->clear();
        return;
    }
    for (const Ledger::Line& line : *lines) {
        auto* item = new QTreeWidgetItem(m_lstPayments,
                                         {DateTimes::dateTimeText(line.paidAt), Ledger::kindText(line.kind),
                                          line.method, line.amount.format(), line.reference, line.desk, line.note});
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int column = 0; column < m_lstPayments->columnCount(); ++column)
        m_lstPayments->resizeColumnToContents(column);
    listCreditNotes();
    m_amounts.last()->setText(held->paid.format());
    const Money balance = held->balance();
    if (held->cancelled)
        m_lblBalance->setText(tr("Cancelled: paid %1").arg(held->paid.format()));
    else if (balance.inCredit())
        m_lblBalance->setText(tr("Paid %1 of %2: in credit %3")
                                  .arg(held->paid.format(), held->total.format(), (Money() - balance).format()));
    else
        m_lblBalance->setText(
            tr("Paid %1 of %2: balance due %3").arg(held->paid.format(), held->total.format(), balance.format()));
    m_lblDue->clear();
    const QDate today = m_services.clock.now().date();
    if (const auto terms = PaymentTerms::load(db); terms && !held->cancelled)
        m_lblDue->setText(held->due(*terms, today).summaryText(today));
    if (const auto credit = Ledger::customerCredit(db, held->customerId); credit && *credit > Money())
        m_lblDue->setText(m_lblDue->text() + (m_lblDue->text().isEmpty() ? QString() : QStringLiteral("\n")) +
                          tr("The customer holds %1 of credit.").arg(credit->format()));
    m_cmdRecordPayment->setEnabled(!held->cancelled);
    m_cmdRefund->setEnabled(!held->cancelled && held->paid > Money());
}

void BookingSummaryWindow::listCreditNotes()
{
    QMenu* menu = m_cmdCreditNotes->menu();
    menu->clear();
    const auto notes = CreditNotes::ofBooking(m_services.db(), m_bookingId);
    for (const CreditNotes::Note& note : notes.valueOr({})) {
        QMenu* one = menu->addMenu(tr("Credit note %1: %2").arg(note.number).arg(note.amount.format()));
        DocumentsMenu::addOutlets(
            one, QStringLiteral("mnuCreditNote%1").arg(note.number),
            [this, note](DocumentsMenu::Outlet outlet) { DocumentsMenu::creditNote(m_services, note, outlet, this); });
    }
    m_cmdCreditNotes->setEnabled(!menu->isEmpty());
}

void BookingSummaryWindow::recordPayment(bool refund)
{
    // Read again even when nothing was recorded: another desk may have recorded a line meanwhile.
    PaymentDialog::record(m_services, m_bookingId, refund ? PaymentDialog::Mode::Refund : PaymentDialog::Mode::Payment,
                          this);
    showLedger();
}

void BookingSummaryWindow::cancelBooking()
{
    const Status cancelled = CancelPaidDialog::cancelBooking(
        m_services, this, m_bookingId, m_storedStamp, tr("Cancel booking"),
        BookingSummaryData::cancelledDetails(m_fromDate, m_toDate, m_details->lblName->text()));
    if (!cancelled)
        return;
    m_cancelled = true;
    // The summary stays open for its documents; the booking itself is gone or kept as cancelled.
    m_cmdEdit->setEnabled(false);
    m_cmdCancel->setEnabled(false);
    showLedger();
    showStay();
}

std::optional<Doc::Document> BookingSummaryWindow::loadDocument(bool receipt)
{
    // The invoice takes its number the first time it is issued, and keeps it.
    if (receipt) {
        const auto before = Ledger::account(m_services.db(), m_bookingId);
        const auto number = Ledger::issueInvoice(m_services.db(), m_bookingId);
        if (!number) {
            m_services.messages.show(number.kind() == FailureKind::Database
                                         ? tr("The invoice could not be numbered: %1").arg(number.error())
                                         : number.error(),
                                     title(), MsgIcon::Exclamation);
            return std::nullopt;
        }
        if (before && !before->invoiceNumber)
            m_services.events.log(EventLog::InvoiceIssued,
                                  tr("Invoice %1 for booking %2").arg(*number).arg(m_bookingId));
    }
    auto data = BookingDocuments::load(m_services.db());
    // Another desk may have shown another booking since, or a payment changed what was paid: the documents print
    // the booking shown here as it is stored now.
    if (data && (data->id != m_bookingId ||
                 data->amountPayed != Ledger::account(m_services.db(), m_bookingId).valueOr(Ledger::Account{}).paid)) {
        if (const Status prepared = BookingSummaryData::prepareInvoiceRows(m_services.db(), m_bookingId); !prepared) {
            m_services.messages.show(tr("The booking shown could not be printed: %1").arg(prepared.error()), title(),
                                     MsgIcon::Exclamation);
            return std::nullopt;
        }
        data = BookingDocuments::load(m_services.db());
    }
    if (!data) {
        m_services.messages.show(data.kind() == FailureKind::Database
                                     ? tr("The document could not be read: %1").arg(data.error())
                                     : data.error(),
                                 title(), MsgIcon::Exclamation);
        return std::nullopt;
    }
    return receipt ? BookingDocuments::receipt(*data) : BookingDocuments::reservationForm(*data);
}

QString BookingSummaryWindow::pdfName(bool receipt) const
{
    return (receipt ? QStringLiteral("Receipt %1.pdf") : QStringLiteral("Reservation Form %1.pdf")).arg(m_bookingId);
}

void BookingSummaryWindow::print(bool receipt)
{
    if (const auto document = loadDocument(receipt))
        DocumentRenderer::printNow(*document, m_services, pdfName(receipt));
}

void BookingSummaryWindow::saveAsPdf(bool receipt)
{
    if (const auto document = loadDocument(receipt))
        DocumentRenderer::saveAsPdf(*document, m_services, pdfName(receipt));
}
