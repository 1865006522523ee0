#pragma once

#include "bookings/PaymentTerms.h"
#include "core/Money.h"
#include "people/Boats.h"
#include "people/PeopleRecords.h"
#include "rates/Pricing.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

/// A berth as the booking wizard offers it.
struct AvailableBerth
{
    int id = 0;
    QString name;
    std::optional<double> length; // nothing when the berth has no length recorded
    std::optional<double> width;
    bool hasPower = false;
    std::optional<Money> dailyHireCharge; // nothing when the berth has no daily charge
    std::optional<double> maxDraft;
    bool takesMultihulls = true;
};

/// One booking as the wizard builds it and the store saves it.
struct BookingRecord
{
    /// customerId of a caller not known yet (newCustomer): added when the booking is saved, by whoever saves it.
    static constexpr int NewCustomerId = -1;

    int id = 0; // 0 until saved
    int customerId = 0;
    std::optional<CustomerRecord> newCustomer; // the caller not known yet, when customerId is NewCustomerId
    std::optional<int> boatId;                 // the boat or vehicle booked in; nothing: no boat
    // A new caller's boat, given before the customer was known: added for the customer when the booking is saved.
    std::optional<BoatRecord> newBoat;
    QDateTime fromDate;
    QDateTime toDate;
    QString bookedBy;
    QString notes;
    int noAdults = 0; // -1: not recorded
    int noKids = 0;   // -1: not recorded
    Money costOfHire;
    Money otherCharges;
    Money vat;
    std::optional<int> taxRate; // hundredths of a percent, taken on arrival; nothing: the 17.5 % of older bookings
    Money totalPayable;
    Money amountPayed;
    std::optional<int> paymentMethodId;
    QString creditCardNo; // stored masked to its last four digits
    QString creditCardExpiry;
    QString creditCardType;                        // the card's security code is never kept (its column stays empty)
    std::optional<qint64> berthConfirmationNumber; // nothing when the box was left empty
    bool confirmationNumberProposed = false;       // the number is the one proposed, not one the user typed
    QString guestConfirmationNumber;
    QString powerRequirements;
    bool clubMember = false;
    QString storedStamp;          // what was stored when the booking was loaded; empty for a new booking
    bool cancelled = false;       // kept, with its ledger, after it was cancelled; its berths are free
    QDateTime savedAt;            // the desk's clock at saving: the time of a new booking's first payment
    QList<int> berthIds;          // in the order they were listed
    QStringList berthNames;       // the same berths' names
    QList<Pricing::Line> charges; // the lines the hire was agreed on; none for a hire typed by hand or older rows
    // The deposit and the days it and the balance fall due as agreed for this booking; each one not set follows the
    // company's terms.
    PaymentTerms::Agreed moneyDue;
    QDate bookedOn; // the day the booking was made, as stored; read, never written (invalid for a new booking)
};
