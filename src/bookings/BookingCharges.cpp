#include "bookings/BookingCharges.h"

BookingCharges::BookingCharges(const BookingRecord& booking, const QString& key)
    : m_pricedFor(key), m_taxRate(booking.taxRate.value_or(Pricing::DeliveredTax)), m_lines(booking.charges),
      m_agreedKey(key), m_agreedHire(booking.costOfHire), m_agreedLines(booking.charges), m_agreedTaxRate(m_taxRate),
      m_stored(Amounts{booking.costOfHire, booking.otherCharges, booking.vat, booking.totalPayable})
{
}

std::optional<BookingCharges::Choice> BookingCharges::choice(Money hire, int taxRate, Money other) const
{
    if (m_agreedKey.isEmpty())
        return std::nullopt;
    const Money agreedTotal = Pricing::charges(m_agreedHire, other, m_agreedTaxRate).total;
    const Money newTotal = Pricing::charges(hire, other, taxRate).total;
    if (agreedTotal == newTotal)
        return std::nullopt;
    return Choice{m_agreedHire, agreedTotal, newTotal};
}

Money BookingCharges::take(const QString& key, Money hire, const QList<Pricing::Line>& lines, int taxRate,
                           bool keepAgreed)
{
    m_pricedFor = key;
    m_lines = keepAgreed ? m_agreedLines : lines;
    m_taxRate = keepAgreed ? m_agreedTaxRate : taxRate;
    return keepAgreed ? m_agreedHire : hire;
}

QList<Pricing::Line> BookingCharges::linesFor(Money hire) const
{
    Money priced;
    for (const Pricing::Line& line : m_lines)
        priced += line.amount;
    return !m_lines.isEmpty() && priced == hire ? m_lines : QList<Pricing::Line>();
}

BookingCharges::Amounts BookingCharges::toSave(const Amounts& shown) const
{
    if (m_stored && shown.hire == m_stored->hire.toPenny() && shown.other == m_stored->other.toPenny() &&
        shown.vat == m_stored->vat.toPenny())
        return *m_stored;
    return shown;
}
