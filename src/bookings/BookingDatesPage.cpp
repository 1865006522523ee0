#include "bookings/BookingDatesPage.h"

#include "bookings/BookingRecord.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingWizardParts.h"
#include "core/Actor.h"
#include "core/DateTimes.h"
#include "core/RegionalSettings.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

using BookingWizardParts::caption;

BookingDatesPage::BookingDatesPage(IMessageBox& messages, QWidget* parent) : QWidget(parent), m_messages(messages)
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
    txtBookedBy = BookingWizardParts::box(QStringLiteral("txtBookedBy"), this);
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

void BookingDatesPage::start(const QDate& today, const RegionalSettings& regional)
{
    dtpFromDate->setDate(today);
    dtpToDate->setDate(today);
    dtpFromTime->setTime(regional.checkInTime);
    dtpToTime->setTime(regional.checkOutTime);
    // The one signed in booked it, unless someone else's name is typed over it.
    if (const Actor::Who who = Actor::current(); who.userId != 0)
        txtBookedBy->setText(who.user);
}

void BookingDatesPage::load(const BookingRecord& booking)
{
    dtpFromDate->setDate(booking.fromDate.date());
    dtpFromTime->setTime(DateTimes::roundToHalfHour(booking.fromDate, true).time());
    dtpToDate->setDate(booking.toDate.date());
    dtpToTime->setTime(DateTimes::roundToHalfHour(booking.toDate, false).time());
    txtBookedBy->setText(booking.bookedBy);
}

QDateTime BookingDatesPage::arrival() const
{
    return BookingRules::arrivalFrom(dtpFromDate->date(), dtpFromTime->time());
}

QDateTime BookingDatesPage::departure() const
{
    return BookingRules::departureFrom(dtpToDate->date(), dtpToTime->time());
}

bool BookingDatesPage::check()
{
    switch (BookingRules::checkInterval(arrival(), departure())) {
    case BookingRules::IntervalCheck::DepartureNotAfterArrival:
        m_messages.show(tr("Departure date must be after the Arrival date. Please change the "
                           "Departure date and try again."),
                        BookingWizardParts::title(), MsgIcon::Exclamation, MsgButtons::Ok);
        break;
    case BookingRules::IntervalCheck::ShortNight:
        m_messages.show(tr("Booking interval is invalid"), BookingWizardParts::title(), MsgIcon::Exclamation,
                        MsgButtons::Ok);
        break;
    case BookingRules::IntervalCheck::Ok:
        return true;
    }
    dtpToDate->setFocus();
    return false;
}
