#pragma once

#include "bookings/PaymentTerms.h"
#include "core/FieldChanges.h"
#include "core/Result.h"
#include "rates/Pricing.h"

#include <QSqlDatabase>
#include <QStringList>
#include <QtGlobal>
#include <map>
#include <optional>

/// What the company window edits, as one visit read it: the detail columns of each company row, the taxes and the
/// deposit terms. A save writes only what differs from what was read, all in one transaction, and only over what
/// was read.
class CompanyStore final
{
public:
    struct Field
    {
        const char16_t* column;
        const char* label; // nullptr: the key, not shown; translated in the window's context where shown
    };
    // The columns in the order of the window's boxes txtFields0 .. txtFields11.
    static constexpr Field Fields[] = {
        {u"CompanyID", nullptr},
        {u"Company Name", QT_TRANSLATE_NOOP("CompanyDialog", "Company Name:")},
        {u"Trading Name", QT_TRANSLATE_NOOP("CompanyDialog", "Trading Name:")},
        {u"Street", QT_TRANSLATE_NOOP("CompanyDialog", "Street:")},
        {u"Area", QT_TRANSLATE_NOOP("CompanyDialog", "Area:")},
        {u"Town", QT_TRANSLATE_NOOP("CompanyDialog", "Town:")},
        {u"County", QT_TRANSLATE_NOOP("CompanyDialog", "County:")},
        {u"Postcode", QT_TRANSLATE_NOOP("CompanyDialog", "Postcode:")},
        {u"Telephone No", QT_TRANSLATE_NOOP("CompanyDialog", "Telephone No:")},
        {u"VAT No", QT_TRANSLATE_NOOP("CompanyDialog", "VAT No:")},
        {u"Receipt Footer", QT_TRANSLATE_NOOP("CompanyDialog", "Receipt Footer:")},
        {u"TermsandConditions", QT_TRANSLATE_NOOP("CompanyDialog", "Terms and Conditions:")},
    };

    /// A company row's detail values in the order of Fields after the key, by CompanyID; nothing for a row not
    /// there (deleted at another desk).
    using Rows = std::map<int, std::optional<QStringList>>;
    struct Contents
    {
        Rows details;
        std::optional<QList<Pricing::TaxRate>> taxes; // nothing when they could not be read: never written then
        std::optional<PaymentTerms> terms;
    };

    explicit CompanyStore(QSqlDatabase db);

    /// The rows as the window shows them (its model read them): what a save checks the stored rows against.
    void seeDetails(Rows rows) { m_seen.details = std::move(rows); }
    /// Reads the taxes, and the terms, as the window is to show them.
    Result<QList<Pricing::TaxRate>> loadTaxes();
    Result<PaymentTerms> loadTerms();

    /// Writes each row, the taxes and the terms that differ from what was read, merged with what another desk
    /// stored since, in one transaction; on failure nothing is written. Refused when a tax or the terms are out of
    /// range. A Conflict when both desks changed a field differently (merge then lists them) or another desk
    /// deleted a row this save would write (merge stays empty).
    Status save(const Contents& mine, std::optional<FieldChanges::Merge<Contents>>* merge = nullptr);
    /// After a Conflict: what the other desk stored counts as read, so the next save merges with it.
    void adopt(const FieldChanges::Merge<Contents>& merge);

private:
    Result<std::optional<QStringList>> readRow(int id) const;
    Status writeRow(int id, const QStringList& values) const;

    QSqlDatabase m_db;
    Contents m_seen;
};
