#pragma once

#include "core/DateTimes.h"
#include "core/Lengths.h"

#include <QString>
#include <QTime>

/// The installation's local preferences in the settings store: which postal-code label is used, the currency
/// symbol, the default check-in and check-out times of day, and whether bookings record the numbers of adults
/// and children. The regional settings window edits them; the booking windows read them.
struct RegionalSettings
{
    int postCodeIndex = 0;  // 0 "Post Code", 1 "Zip Code"
    QString currencySymbol; // as shown: a stored "0" reads as the system's symbol
    QTime checkInTime{9, 0};
    QTime checkOutTime{14, 0};
    /// From this time of day the day's no-shows are proposed.
    QTime officeClosingTime{18, 0};
    bool showAdultsAndKids = true;
    Lengths::Unit lengthUnit = Lengths::Unit::Metres;
    /// How dates are shown and typed; none stored, the office's country's: month first with zip codes.
    DateTimes::DateStyle dateStyle = DateTimes::DateStyle::DayMonthYear;
    /// The interface's language (Languages::all()); none stored, the machine's where we have it. Applied at the
    /// next start, by the start-up, not by apply().
    QString language = QStringLiteral("en");

    /// Reads the values; each one missing or unreadable gives its default.
    static RegionalSettings load();
    /// Writes the values, and "traces" as the installation's own traces folder.
    void save() const;
    /// The description of the "Regional settings modified" event:
    /// "Postcode: 0, Currency Symbol: £, Check in time: 09:00:00, Check out time: 14:00:00".
    QString eventDescription() const;

    /// Makes the shown values (currency symbol, length unit, date style) the ones in use.
    void apply() const;

    /// The symbol amounts are shown with: currencySymbol, or for "0" (or nothing) the system's, or "£" where the
    /// system has none.
    QString shownCurrencySymbol() const;

    /// The system locale's currency symbol, or "0" (meaning "the system's") where the locale has none.
    static QString systemCurrencySymbol();
    /// A stored time of day: "09:00:00", "09:00", "9:00" or the system's format; invalid when it is none.
    static QTime parseTime(const QString& text);
    /// A time of day as it is stored and logged: "09:00:00".
    static QString timeText(const QTime& time);
};
