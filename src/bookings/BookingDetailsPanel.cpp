#include "bookings/BookingDetailsPanel.h"

#include "core/ui/ClickableLabel.h"
#include "core/ui/OldReference.h"
#include "core/ui/Twips.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* named(QLabel* label, const QString& name)
{
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

BookingDetailsPanel::BookingDetailsPanel(const QString& phoneCaption, int rowSpacing, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto row = [&](std::initializer_list<QWidget*> widgets, int spacing) {
        auto* line = new QHBoxLayout;
        if (spacing >= 0)
            line->setSpacing(spacing);
        for (QWidget* w : widgets)
            line->addWidget(w);
        line->addStretch(1);
        layout->addLayout(line);
    };
    lblDates = named(new QLabel(this), QStringLiteral("lblDates"));
    lblName = named(new QLabel(this), QStringLiteral("lblName"));
    lblAddress = named(new QLabel(this), QStringLiteral("lblAddress"));
    lblPhone = named(new QLabel(this), QStringLiteral("lblPhone"));
    lblMail = named(new QLabel(this), QStringLiteral("lblMail"));
    email = new ClickableLabel(tr("Email"), this);
    email->setObjectName(QStringLiteral("Label38"));
    lblNoAdults = named(new QLabel(this), QStringLiteral("lblNoAdults"));
    lblAdults = named(new QLabel(tr("Adults and"), this), QStringLiteral("lblAdults"));
    lblNoKids = named(new QLabel(this), QStringLiteral("lblNoKids"));
    lblKids = named(new QLabel(tr("Children"), this), QStringLiteral("lblKids"));
    auto* from = new QLabel(tr("Booking from"), this);
    auto* phone = new QLabel(phoneCaption, this);
    for (QLabel* caption : {from, phone})
        caption->setTextFormat(Qt::PlainText);
    row({from, lblDates}, rowSpacing);
    row({lblName}, rowSpacing);
    row({lblAddress}, rowSpacing);
    row({phone, lblPhone}, rowSpacing);
    // The e-mail address stands 100 twips after the telephone number.
    row({email, lblMail}, Twips::toPixelsX(100, this));
    row({lblNoAdults, lblAdults, lblNoKids, lblKids}, rowSpacing);
    lblBerths = named(new QLabel(this), QStringLiteral("lblBerths"));
    row({lblBerths}, rowSpacing);
    lblBoat = named(new QLabel(this), QStringLiteral("lblBoat"));
    lblBoat->hide();
    row({lblBoat}, rowSpacing);
    auto* reference = new QFormLayout;
    txtOldRef = OldReference::addTo(reference, this);
    layout->addLayout(reference);
}
