#include "shell/CompanyStore.h"

#include "core/SqlHelpers.h"
#include "rates/RateStore.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {
constexpr int FieldCount = static_cast<int>(std::size(CompanyStore::Fields));

QString column(int field)
{
    const QString name = QString::fromUtf16(CompanyStore::Fields[field].column);
    return name.contains(u' ') ? u'"' + name + u'"' : name;
}

QString label(int field)
{
    return QCoreApplication::translate("CompanyDialog", CompanyStore::Fields[field].label);
}

QString taxesText(const QList<Pricing::TaxRate>& taxes)
{
    QStringList rates;
    for (const Pricing::TaxRate& tax : taxes)
        rates << QCoreApplication::translate("CompanyStore", "%1 %2 % from %3")
                     .arg(tax.name.trimmed(), Pricing::taxPercentText(tax.hundredthsOfPercent),
                          Pricing::taxDateText(tax.from));
    return rates.join(QStringLiteral("; "));
}

// The terms merged term by term, captioned as the window's boxes are (none when they were not read).
void mergeTerms(FieldChanges::Merge<CompanyStore::Contents>& merge)
{
    using Contents = CompanyStore::Contents;
    const auto kind = [](PaymentTerms::Deposit deposit) {
        static const char* const kinds[] = {QT_TRANSLATE_NOOP("CompanyDialog", "No deposit"),
                                            QT_TRANSLATE_NOOP("CompanyDialog", "A fixed amount"),
                                            QT_TRANSLATE_NOOP("CompanyDialog", "A percentage of the total")};
        return QCoreApplication::translate("CompanyDialog", kinds[static_cast<int>(deposit)]);
    };
    const auto term = [&merge](const char* caption, auto member, auto shown) {
        merge.field(
            QCoreApplication::translate("CompanyStore", caption),
            [member](const Contents& c) { return c.terms ? std::optional((*c.terms).*member) : std::nullopt; },
            [member](Contents& into, const Contents& from) {
                if (into.terms && from.terms)
                    (*into.terms).*member = (*from.terms).*member;
            },
            [shown](const auto& value) { return value ? shown(*value) : QString(); });
    };
    term(QT_TRANSLATE_NOOP("CompanyStore", "Deposit at booking:"), &PaymentTerms::deposit, kind);
    term(QT_TRANSLATE_NOOP("CompanyStore", "Fixed amount:"), &PaymentTerms::fixedAmount,
         [](const Money& m) { return m.format(); });
    term(QT_TRANSLATE_NOOP("CompanyStore", "Percentage (%):"), &PaymentTerms::percent, Pricing::taxPercentText);
    term(QT_TRANSLATE_NOOP("CompanyStore", "Minimum deposit:"), &PaymentTerms::minimum,
         [](const Money& m) { return m.format(); });
    term(QT_TRANSLATE_NOOP("CompanyStore", "Balance due (days before arrival):"), &PaymentTerms::balanceDays,
         [](int days) { return QString::number(days); });
}
} // namespace

CompanyStore::CompanyStore(QSqlDatabase db) : m_db(std::move(db)) {}

Result<QList<Pricing::TaxRate>> CompanyStore::loadTaxes()
{
    auto taxes = RateStore::taxes(m_db);
    m_seen.taxes = taxes ? std::optional(*taxes) : std::nullopt;
    return taxes;
}

Result<PaymentTerms> CompanyStore::loadTerms()
{
    auto terms = PaymentTerms::load(m_db);
    m_seen.terms = terms ? std::optional(*terms) : std::nullopt;
    return terms;
}

Result<std::optional<QStringList>> CompanyStore::readRow(int id) const
{
    QStringList columns;
    for (int field = 1; field < FieldCount; ++field)
        columns << column(field);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT %1 FROM Company WHERE CompanyID = ?").arg(columns.join(u',')), {id},
                   &error))
        return databaseFailure(error);
    if (!q.next())
        return std::optional<QStringList>();
    QStringList values;
    for (int field = 1; field < FieldCount; ++field)
        values << q.value(field - 1).toString();
    return std::optional(values);
}

Status CompanyStore::writeRow(int id, const QStringList& values) const
{
    QStringList columns;
    QVariantList binds;
    for (int field = 1; field < FieldCount; ++field) {
        columns << column(field);
        binds << values.value(field - 1);
    }
    binds << id;
    QString error;
    if (!Sql::exec(
            m_db,
            QStringLiteral("UPDATE Company SET %1 = ? WHERE CompanyID = ?").arg(columns.join(QStringLiteral(" = ?, "))),
            binds, &error))
        return databaseFailure(error);
    return Done{};
}

Status CompanyStore::save(const Contents& mine, std::optional<FieldChanges::Merge<Contents>>* merge)
{
    const bool taxesEdited = mine.taxes && m_seen.taxes && *mine.taxes != *m_seen.taxes;
    const bool termsEdited = mine.terms && m_seen.terms && *mine.terms != *m_seen.terms;
    if (taxesEdited)
        if (const Status checked = RateStore::checkTaxes(*mine.taxes); !checked)
            return checked;
    if (termsEdited)
        if (const auto checked = mine.terms->checked(); !checked)
            return checked.failure();
    // Taken for writing at once: no other desk writes between the merge and the change.
    Sql::Transaction tx(m_db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    // What this save would write is read again; what it leaves alone counts as unchanged, and is not written.
    Contents theirs = m_seen;
    QList<int> edited;
    for (const auto& [id, row] : mine.details) {
        const auto seen = m_seen.details.find(id);
        if (!row || seen == m_seen.details.end() || !seen->second || seen->second == row)
            continue;
        const auto now = readRow(id);
        if (!now)
            return now.failure();
        if (!*now)
            return conflict(QCoreApplication::translate("CompanyStore",
                                                        "These company details were deleted at another desk "
                                                        "meanwhile, so nothing was saved. Refresh shows what is left; "
                                                        "what you typed is still in the boxes."));
        theirs.details[id] = *now;
        edited << id;
    }
    if (taxesEdited) {
        const auto now = RateStore::taxes(m_db);
        if (!now)
            return now.failure();
        theirs.taxes = *now;
    }
    if (termsEdited) {
        const auto now = PaymentTerms::load(m_db);
        if (!now)
            return now.failure();
        theirs.terms = *now;
    }
    FieldChanges::Merge<Contents> merging(m_seen, theirs, mine);
    for (const int id : std::as_const(edited))
        for (int field = 1; field < FieldCount; ++field)
            merging.field(
                label(field),
                [id, field](const Contents& c) {
                    const auto row = c.details.find(id);
                    return row == c.details.end() || !row->second ? QString() : row->second->value(field - 1);
                },
                [id, field](Contents& into, const Contents& from) {
                    auto& row = into.details[id];
                    if (row && from.details.count(id) && from.details.at(id))
                        (*row)[field - 1] = from.details.at(id)->value(field - 1);
                },
                [](const QString& text) { return text; });
    merging.field(
        QCoreApplication::translate("CompanyStore", "Taxes:"), [](const Contents& c) { return c.taxes; },
        [](Contents& into, const Contents& from) { into.taxes = from.taxes; },
        [](const std::optional<QList<Pricing::TaxRate>>& taxes) { return taxes ? taxesText(*taxes) : QString(); });
    mergeTerms(merging);
    const auto merged = FieldChanges::toWrite(merging, merge);
    if (!merged)
        return merged.failure();
    for (const int id : std::as_const(edited))
        if (const Status done = writeRow(id, *merged->details.at(id)); !done)
            return done;
    if (taxesEdited && merged->taxes != theirs.taxes)
        if (const Status done = RateStore::writeTaxes(m_db, *merged->taxes); !done)
            return done;
    if (termsEdited && merged->terms != theirs.terms)
        if (const Status done = PaymentTerms::write(m_db, *merged->terms); !done)
            return done;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    for (const int id : std::as_const(edited))
        m_seen.details[id] = merged->details.at(id);
    if (taxesEdited)
        m_seen.taxes = merged->taxes;
    if (termsEdited)
        m_seen.terms = merged->terms;
    return Done{};
}

void CompanyStore::adopt(const FieldChanges::Merge<Contents>& merge)
{
    m_seen = merge.theirs();
}
