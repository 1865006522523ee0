#pragma once

#include "bookings/BookingRecord.h"

#include <optional>

/// A booking's charges as the wizard works them out, without a window: what the hire was priced (or agreed) for,
/// with what lines and tax, a changed booking's agreed price kept unless the person reprices, and its stored
/// amounts kept to the ten-thousandth while nothing was changed.
class BookingCharges
{
public:
    struct Amounts
    {
        Money hire;
        Money other;
        Money vat;
        Money total;
        bool operator==(const Amounts&) const = default;
    };

    /// A booking being changed, its price agreed for the stay keyed key.
    explicit BookingCharges(const BookingRecord& booking, const QString& key);
    /// A new booking: nothing priced, the tax of older bookings until a price is taken.
    BookingCharges() = default;

    /// Whether a stay keyed key must be priced: the hire was last priced, typed or agreed for another.
    bool needsPricing(const QString& key) const { return key != m_pricedFor; }
    /// What the person chooses between when a changed booking's stay is priced again at hire and taxRate: the
    /// agreed total and the new one. Nothing when no price was agreed or both come to the same.
    struct Choice
    {
        Money agreedHire;
        Money agreedTotal;
        Money newTotal;
    };
    std::optional<Choice> choice(Money hire, int taxRate, Money other) const;
    /// Takes the price for the stay keyed key: the new one, or (keepAgreed) the agreed one. Gives the hire to show.
    Money take(const QString& key, Money hire, const QList<Pricing::Line>& lines, int taxRate, bool keepAgreed);

    /// The tax on hire and other charges at the booking's rate.
    Money tax(Money hire, Money other) const { return Pricing::charges(hire, other, m_taxRate).tax; }
    int taxRate() const { return m_taxRate; }
    const QList<Pricing::Line>& lines() const { return m_lines; }
    /// The lines saved with hire: those priced, while they add up to it; none for a hire typed by hand.
    QList<Pricing::Line> linesFor(Money hire) const;
    /// What is saved for the amounts shown: a changed booking's stored amounts exactly while the hire, other charges
    /// and tax shown are those amounts to the penny (a total agreed to the ten-thousandth stays agreed); otherwise
    /// what is shown.
    Amounts toSave(const Amounts& shown) const;

private:
    QString m_pricedFor;                   // the stay the hire was last priced, typed or agreed for
    int m_taxRate = Pricing::DeliveredTax; // hundredths of a percent
    QList<Pricing::Line> m_lines;          // how the hire was priced
    // What a booking being changed was agreed on.
    QString m_agreedKey;
    Money m_agreedHire;
    QList<Pricing::Line> m_agreedLines;
    int m_agreedTaxRate = Pricing::DeliveredTax;
    std::optional<Amounts> m_stored;
};
