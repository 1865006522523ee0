#include "bookings/frmBookingSummary.h"

#include "bookings/BookingDocuments.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "bookings/BookingSummaryData.h"
#include "bookings/frmBooking.h"
#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/modLog.h"
#include "core/ui/ChildWindow.h"
#include "core/ui/ClickableLabel.h"
#include "core/ui/DocumentRenderer.h"
#include "core/ui/SendEmail.h"
#include "core/ui/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString Title = QStringLiteral("Reservation summary");

QLabel* Named(QLabel* label, const QString& name)
{
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QPlainTextEdit* NotesBox(const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}
} // namespace

frmBookingSummary::frmBookingSummary(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmBookingSummary"));
    setWindowTitle(Title);

    m_lblDates = Named(new QLabel(this), QStringLiteral("lblDates"));
    m_lblName = Named(new QLabel(this), QStringLiteral("lblName"));
    m_lblAddress = Named(new QLabel(this), QStringLiteral("lblAddress"));
    m_lblPhone = Named(new QLabel(this), QStringLiteral("lblPhone"));
    m_lblMail = Named(new QLabel(this), QStringLiteral("lblMail"));
    auto* email = new ClickableLabel(QStringLiteral("Email"), this);
    email->setObjectName(QStringLiteral("Label38"));
    connect(email, &ClickableLabel::clicked, this, [this] { SendEmail(m_services, m_lblMail->text(), Title); });
    m_lblNoAdults = Named(new QLabel(this), QStringLiteral("lblNoAdults"));
    m_lblAdults = Named(new QLabel(QStringLiteral("Adults and"), this), QStringLiteral("lblAdults"));
    m_lblNoKids = Named(new QLabel(this), QStringLiteral("lblNoKids"));
    m_lblKids = Named(new QLabel(QStringLiteral("Children"), this), QStringLiteral("lblKids"));
    QFont bold = m_lblName->font();
    bold.setBold(true);
    m_lblDates->setFont(bold);
    m_lblName->setFont(bold);

    auto* details = new QVBoxLayout;
    auto row = [&](const QList<QWidget*>& widgets, int gap = 6) {
        auto* line = new QHBoxLayout;
        line->setSpacing(gap);
        for (QWidget* w : widgets)
            line->addWidget(w);
        line->addStretch(1);
        details->addLayout(line);
    };
    row({new QLabel(QStringLiteral("Booking from"), this), m_lblDates});
    row({m_lblName});
    row({m_lblAddress});
    row({new QLabel(QStringLiteral("Ph:"), this), m_lblPhone});
    // The e-mail address stands 100 twips after the telephone number.
    row({email, m_lblMail}, Twips::ToPixelsX(100, this));
    row({m_lblNoAdults, m_lblAdults, m_lblNoKids, m_lblKids});

    auto* money = new QGridLayout;
    const QStringList captions{QStringLiteral("Berth  Charges"), QStringLiteral("Other Charges"), QStringLiteral("VAT"),
                               QStringLiteral("Total Payable"), QStringLiteral("Amount Payed")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        box->setMaximumWidth(Twips::ToPixelsX(1500, this));
        money->addWidget(new QLabel(captions[i], this), i, 0);
        money->addWidget(box, i, 1);
        m_amounts << box;
    }
    money->setColumnStretch(2, 1);

    m_txtNotes = NotesBox(QStringLiteral("txtNotes"), this);
    m_txtCnotes = NotesBox(QStringLiteral("txtCnotes"), this);
    auto* notes = new QGridLayout;
    notes->addWidget(new QLabel(QStringLiteral("Reservation notes:"), this), 0, 0);
    notes->addWidget(m_txtNotes, 1, 0);
    notes->addWidget(new QLabel(QStringLiteral("Customer Notes"), this), 0, 1);
    notes->addWidget(m_txtCnotes, 1, 1);

    auto* hint = new QLabel(QStringLiteral("To amend financial details press the Edit Booking Button"), this);
    hint->setObjectName(QStringLiteral("lblHint"));

    m_cmdEdit = Button(QStringLiteral("&Edit booking"), QStringLiteral("Command1"), this);
    m_cmdCancel = Button(QStringLiteral("&Cancel booking"), QStringLiteral("Command2"), this);
    auto* cmdClose = Button(QStringLiteral("Close"), QStringLiteral("Command3"), this);
    auto* cmdReceipt = Button(QStringLiteral("&Print Receipt"), QStringLiteral("Command4"), this);
    auto* cmdForm = Button(QStringLiteral("&Booking Form"), QStringLiteral("Command5"), this);
    // Beside printing at once: the same documents as PDF files, for when no printer is at hand.
    auto* cmdPdf = Button(QStringLiteral("Save as P&DF..."), QStringLiteral("cmdSaveAsPdf"), this);
    auto* pdfMenu = new QMenu(cmdPdf);
    pdfMenu->setObjectName(QStringLiteral("mnuSaveAsPdf"));
    QAction* pdfReceipt = pdfMenu->addAction(QStringLiteral("Receipt"));
    pdfReceipt->setObjectName(QStringLiteral("mnuPdfReceipt"));
    QAction* pdfForm = pdfMenu->addAction(QStringLiteral("Booking Form"));
    pdfForm->setObjectName(QStringLiteral("mnuPdfBookingForm"));
    cmdPdf->setMenu(pdfMenu);

    connect(m_cmdEdit, &QPushButton::clicked, this, [this] { done(EditRequested); });
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmBookingSummary::CancelBooking);
    connect(cmdClose, &QPushButton::clicked, this, [this] { done(Closed); });
    connect(cmdReceipt, &QPushButton::clicked, this, [this] { Print(true); });
    connect(cmdForm, &QPushButton::clicked, this, [this] { Print(false); });
    connect(pdfReceipt, &QAction::triggered, this, [this] { SaveAsPdf(true); });
    connect(pdfForm, &QAction::triggered, this, [this] { SaveAsPdf(false); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_cmdEdit, m_cmdCancel, cmdReceipt, cmdForm, cmdPdf})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(details);
    layout->addSpacing(8);
    layout->addLayout(money);
    layout->addLayout(notes, 1);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    resize(Twips::ToPixelsX(9600, this), Twips::ToPixelsY(7200, this));
}

void frmBookingSummary::Display(IWindowHost& host, Services& services, int bookingId)
{
    bool edit = false;
    {
        frmBookingSummary summary(services, host.DialogParent());
        if (!summary.Prepare(bookingId))
            return;
        edit = summary.exec() == EditRequested;
    }
    // The summary is gone before the wizard comes up on the same booking.
    if (edit)
        frmBooking::Display(host, services, RecordMode::Edit, bookingId);
}

bool frmBookingSummary::Prepare(int bookingId)
{
    QString error;
    const auto shown = BookingSummaryData::Load(m_services.Db(), bookingId, &error);
    if (shown && !BookingSummaryData::FillInvTemp(m_services.Db(), bookingId, &error)) {
        m_services.messages.Show(QStringLiteral("The booking could not be shown: ") + error, Title, MsgIcon::Critical);
        return false;
    }
    if (!shown) {
        // As before: a booking or customer that is not there shows nothing; the reason goes to the message log.
        if (!error.isEmpty())
            modLog::LogMessage(3, QStringLiteral("frmBookingSummary.Display: %s"), {error});
        return false;
    }
    m_bookingId = bookingId;
    const BookingRecord& b = shown->booking;
    const CustomerRecord& c = shown->customer;
    m_lblDates->setText(BookingRules::PeriodText(b.fromDate, b.toDate));
    const Money amounts[] = {b.costOfHire, b.otherCharges, b.vat, b.totalPayable, b.amountPayed};
    for (int i = 0; i < m_amounts.size(); ++i)
        m_amounts[i]->setText(amounts[i].Format());
    m_lblNoAdults->setText(QString::number(b.noAdults));
    m_lblNoKids->setText(QString::number(b.noKids));
    // -1 is a count that was not recorded.
    m_lblNoAdults->setHidden(b.noAdults == -1);
    m_lblNoKids->setHidden(b.noAdults == -1);
    m_lblAdults->setHidden(b.noKids == -1);
    m_lblKids->setHidden(b.noKids == -1);
    m_txtNotes->setPlainText(b.notes);
    m_lblName->setText(BookingStore::CustomerLine(m_services.Db(), b.customerId));
    m_lblAddress->setText(BookingSummaryData::AddressLine(c));
    m_lblPhone->setText(c.telNo);
    m_lblMail->setText(c.emailAddress);
    m_txtCnotes->setPlainText(c.notes);
    m_cmdEdit->setEnabled(true);
    m_cmdCancel->setEnabled(true);
    return true;
}

void frmBookingSummary::CancelBooking()
{
    QString error;
    if (BookingStore::CancelBooking(m_services.Db(), m_bookingId, m_services.messages, &error)) {
        modEventLog::LogEvent(m_services.clock.Now(), 13,
                              BookingSummaryData::CancelledDetails(m_lblDates->text(), m_lblName->text()));
        // The summary stays open for its documents; the booking itself is gone.
        m_cmdEdit->setEnabled(false);
        m_cmdCancel->setEnabled(false);
    } else if (!error.isEmpty()) {
        m_services.messages.Show(QStringLiteral("The booking could not be cancelled: ") + error,
                                 QStringLiteral("Cancel booking"), MsgIcon::Critical);
    }
}

std::optional<Doc::Document> frmBookingSummary::LoadDocument(bool receipt)
{
    QString error;
    auto data = BookingDocuments::Load(m_services.Db(), &error);
    // Another desk may have shown another booking since: the documents print the booking shown here.
    if (data && data->id != m_bookingId) {
        if (!BookingSummaryData::FillInvTemp(m_services.Db(), m_bookingId, &error)) {
            m_services.messages.Show(QStringLiteral("The booking shown could not be printed: ") + error, Title,
                                     MsgIcon::Exclamation);
            return std::nullopt;
        }
        data = BookingDocuments::Load(m_services.Db(), &error);
    }
    if (!data) {
        m_services.messages.Show(error.isEmpty() ? QStringLiteral("There is no booking to print.")
                                                 : QStringLiteral("The document could not be read: ") + error,
                                 Title, MsgIcon::Exclamation);
        return std::nullopt;
    }
    return receipt ? BookingDocuments::Receipt(*data) : BookingDocuments::ReservationForm(*data);
}

QString frmBookingSummary::PdfName(bool receipt) const
{
    return (receipt ? QStringLiteral("Receipt %1.pdf") : QStringLiteral("Reservation Form %1.pdf")).arg(m_bookingId);
}

void frmBookingSummary::Print(bool receipt)
{
    if (const auto document = LoadDocument(receipt))
        DocumentRenderer::PrintNow(*document, m_services, PdfName(receipt));
}

void frmBookingSummary::SaveAsPdf(bool receipt)
{
    if (const auto document = LoadDocument(receipt))
        DocumentRenderer::SaveAsPdf(*document, m_services, PdfName(receipt));
}
