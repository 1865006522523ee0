#include "bookings/BookingConfirmationPage.h"

#include "bookings/BoatFitting.h"
#include "bookings/BookingDetailsPanel.h"
#include "bookings/BookingWizardParts.h"
#include "core/Seams.h"
#include "core/ui/ClickableLabel.h"
#include "core/ui/SendEmail.h"
#include "mail/MailSettings.h"
#include "people/PeopleRecords.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

using BookingWizardParts::named;

BookingConfirmationPage::BookingConfirmationPage(Services& services, QWidget* parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("fraStep_3"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BookingWizardParts::caption(tr("Booking confirmation details:"), this));
    details = new BookingDetailsPanel(tr("ph:"), -1, this);
    layout->addWidget(details);
    lblMoneyDue = named(new QLabel(this), QStringLiteral("lblMoneyDue"));
    lblMoneyDue->setWordWrap(true);
    layout->addWidget(lblMoneyDue);
    lblInsuranceWarning = named(new QLabel(this), QStringLiteral("lblInsuranceWarning"));
    lblInsuranceWarning->setWordWrap(true);
    lblInsuranceWarning->hide();
    layout->addWidget(lblInsuranceWarning);
    // Once saved, the booking's confirmation comes up to print or save for the guest.
    chkShowConfirmation = new QCheckBox(tr("Show the booking con&firmation when saved"), this);
    chkShowConfirmation->setObjectName(QStringLiteral("chkShowConfirmation"));
    layout->addWidget(chkShowConfirmation);
    chkSendConfirmation = new QCheckBox(tr("Send confirmation by e-ma&il"), this);
    chkSendConfirmation->setObjectName(QStringLiteral("chkSendConfirmation"));
    layout->addWidget(chkSendConfirmation);
    layout->addStretch(1);
    connect(details->email, &ClickableLabel::clicked, this,
            [this] { sendEmail(m_services, details->lblMail->text(), BookingWizardParts::title()); });
}

void BookingConfirmationPage::clear()
{
    for (QLabel* label : {details->lblDates, details->lblName, details->lblAddress, details->lblPhone, details->lblMail,
                          details->lblNoAdults, details->lblNoKids, lblMoneyDue})
        label->clear();
    lblInsuranceWarning->hide();
    details->lblBoat->hide();
}

void BookingConfirmationPage::show(const BookingRecord& booking, const std::optional<BoatRecord>& boat,
                                   const BookingRules::CountsLine& counts, const QString& moneyDue)
{
    chkSendConfirmation->setEnabled(MailSettings::isSetUp());
    details->lblBerths->setText(BookingRules::berthsLine(booking.berthNames));
    details->lblBoat->setText(boat ? tr("Boat: %1").arg(Boats::boatLine(*boat)) : QString());
    details->lblBoat->setVisible(boat.has_value());
    const QString insurance = boat ? BoatFitting::insuranceWarning(*boat, booking.toDate) : QString();
    lblInsuranceWarning->setText(insurance);
    lblInsuranceWarning->setVisible(!insurance.isEmpty());
    lblMoneyDue->setText(moneyDue);
    details->lblDates->setText(BookingRules::periodText(booking.fromDate, booking.toDate));
    details->lblNoAdults->setText(counts.adults);
    details->lblNoKids->setText(counts.kids);
    details->lblNoAdults->setVisible(counts.numbersShown);
    details->lblNoKids->setVisible(counts.numbersShown);
    details->lblAdults->setVisible(counts.wordsShown);
    details->lblKids->setVisible(counts.wordsShown);
    // A new caller is shown as they will be added with the booking.
    if (const auto customer = booking.newCustomer ? Result<CustomerRecord>(*booking.newCustomer)
                                                  : CustomerStore::load(m_services.db(), booking.customerId)) {
        details->lblName->setText(BookingRules::customerLine(*customer));
        details->lblAddress->setText(
            QStringList{customer->street, customer->area, customer->town, customer->postCode}.join(
                QStringLiteral(", ")));
        details->lblPhone->setText(customer->telNo);
        details->lblMail->setText(customer->emailAddress);
    }
}

QString BookingConfirmationPage::customerLine() const
{
    return details->lblName->text();
}

bool BookingConfirmationPage::announceSaved(const BookingRecord& booking, qint64 savedNumber, bool offerSummary)
{
    const QString title = BookingWizardParts::title();
    if (booking.berthConfirmationNumber && savedNumber != *booking.berthConfirmationNumber)
        m_services.messages.show(tr("Confirmation number %1 was given to a booking made at another desk "
                                    "meanwhile. This booking has been saved with number %2.")
                                     .arg(*booking.berthConfirmationNumber)
                                     .arg(savedNumber),
                                 title, MsgIcon::Information, MsgButtons::Ok);
    const QString savedText = savedNumber > 0
                                  ? tr("The booking has been saved with confirmation number %1.").arg(savedNumber)
                                  : tr("The booking has been saved.");
    return offerSummary && m_services.messages.show(savedText + u' ' + tr("Show its summary?"), title,
                                                    MsgIcon::Information, MsgButtons::YesNo) == MsgResult::Yes;
}
