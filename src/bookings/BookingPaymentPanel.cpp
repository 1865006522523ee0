#include "bookings/BookingPaymentPanel.h"

#include "bookings/BookingRecord.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "bookings/BookingWizardParts.h"
#include "bookings/PaymentDialog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

BookingPaymentPanel::BookingPaymentPanel(Services& services, QLineEdit* paid, QWidget* page)
    : QObject(page), m_services(services), m_paid(paid)
{
    using BookingWizardParts::box;
    cboPaymentMethod = new QComboBox(page);
    cboPaymentMethod->setObjectName(QStringLiteral("cboPaymentMethod"));
    txtCreditCardNo = box(QStringLiteral("txtCreditCardNo"), page);
    txtCreditCardExpiry = box(QStringLiteral("txtCreditCardExpiry"), page);
    txtCreditCardType = box(QStringLiteral("txtCreditCardType"), page);
    // A changed booking's payments go on its ledger, one line at a time; the box shows their sum.
    cmdRecordPayment = BookingWizardParts::button(tr("Record Pa&yment..."), QStringLiteral("cmdRecordPayment"), page);
    cmdRecordPayment->setAutoDefault(false);
    cmdRecordPayment->hide();
    connect(cmdRecordPayment, &QPushButton::clicked, this, [this] {
        if (const auto sum = PaymentDialog::record(m_services, m_bookingId, PaymentDialog::Mode::Payment,
                                                   cmdRecordPayment->window()))
            m_paid->setText(sum->plainText());
    });
}

void BookingPaymentPanel::placeIn(QGridLayout* grid, int row, int column)
{
    // No box for the card's security code: it must not be kept once the payment is authorised.
    const QList<std::pair<QString, QWidget*>> rows{{tr("Payment Method:"), cboPaymentMethod},
                                                   {tr("Credit Card No.:"), txtCreditCardNo},
                                                   {tr("Credit Card Expiry:"), txtCreditCardExpiry},
                                                   {tr("Credit Card Type:"), txtCreditCardType}};
    for (const auto& [text, box] : rows) {
        grid->addWidget(BookingWizardParts::caption(text, box->parentWidget()), row, column);
        grid->addWidget(box, row++, column + 1);
    }
    grid->addWidget(cmdRecordPayment, row, column, 1, 2, Qt::AlignLeft);
}

void BookingPaymentPanel::prepare()
{
    m_bookingId = 0;
    m_paid->setReadOnly(false);
    cmdRecordPayment->hide();
    cboPaymentMethod->clear();
    const auto methods = BookingStore::paymentMethodChoices(m_services.db());
    if (!methods)
        MessageLog::logError(QStringLiteral("frmBooking.Prepare: %1").arg(methods.error()));
    for (const auto& [id, name] : methods.valueOr({}))
        cboPaymentMethod->addItem(name, id);
    cboPaymentMethod->setCurrentIndex(-1);
}

void BookingPaymentPanel::load(const BookingRecord& booking)
{
    m_bookingId = booking.id;
    m_paid->setReadOnly(true);
    cmdRecordPayment->show();
    cboPaymentMethod->setCurrentIndex(booking.paymentMethodId ? cboPaymentMethod->findData(*booking.paymentMethodId)
                                                              : -1);
    txtCreditCardNo->setText(BookingRules::maskedCardNumber(booking.creditCardNo)); // older rows kept it whole
    txtCreditCardExpiry->setText(booking.creditCardExpiry);
    txtCreditCardType->setText(booking.creditCardType);
}

void BookingPaymentPanel::fillIn(BookingRecord& booking) const
{
    if (cboPaymentMethod->currentIndex() >= 0)
        booking.paymentMethodId = cboPaymentMethod->currentData().toInt();
    booking.creditCardNo = txtCreditCardNo->text();
    booking.creditCardExpiry = txtCreditCardExpiry->text();
    booking.creditCardType = txtCreditCardType->text();
}
