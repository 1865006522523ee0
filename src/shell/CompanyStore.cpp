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

// Each term another desk changed, theirs and mine, captioned as the window's boxes are.
void compareTerms(QList<FieldChange>& changes, const PaymentTerms& seen, const PaymentTerms& theirs,
                  const PaymentTerms& mine)
{
    const auto kind = [](const PaymentTerms& terms) {
        static const char* const kinds[] = {QT_TRANSLATE_NOOP("CompanyDialog", "No deposit"),
                                            QT_TRANSLATE_NOOP("CompanyDialog", "A fixed amount"),
                                            QT_TRANSLATE_NOOP("CompanyDialog", "A percentage of the total")};
        return QCoreApplication::translate("CompanyDialog", kinds[static_cast<int>(terms.deposit)]);
    };
    const auto compare = [&](const char* caption, const auto& text) {
        FieldChanges::compare(changes, QCoreApplication::translate("CompanyStore", caption), text(seen), text(theirs),
                              text(mine));
    };
    compare(QT_TRANSLATE_NOOP("CompanyStore", "Deposit at booking:"), kind);
    compare(QT_TRANSLATE_NOOP("CompanyStore", "Fixed amount:"),
            [](const PaymentTerms& t) { return t.fixedAmount.format(); });
    compare(QT_TRANSLATE_NOOP("CompanyStore", "Percentage (%):"),
            [](const PaymentTerms& t) { return Pricing::taxPercentText(t.percent); });
    compare(QT_TRANSLATE_NOOP("CompanyStore", "Minimum deposit:"),
            [](const PaymentTerms& t) { return t.minimum.format(); });
    compare(QT_TRANSLATE_NOOP("CompanyStore", "Balance due (days before arrival):"),
            [](const PaymentTerms& t) { return QString::number(t.balanceDays); });
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

Status CompanyStore::writeRow(int id, const QStringList& values, bool there) const
{
    QStringList columns;
    QVariantList binds;
    for (int field = 1; field < FieldCount; ++field) {
        columns << column(field);
        binds << values.value(field - 1);
    }
    binds << id;
    // A row deleted at another desk comes back under its key: documents and bookings refer to the company by it.
    const QString sql = there ? QStringLiteral("UPDATE Company SET %1 = ? WHERE CompanyID = ?")
                                    .arg(columns.join(QStringLiteral(" = ?, ")))
                              : QStringLiteral("INSERT INTO Company (%1, CompanyID) VALUES (%2?)")
                                    .arg(columns.join(u','), QStringLiteral("?, ").repeated(columns.size()));
    QString error;
    if (!Sql::exec(m_db, sql, binds, &error))
        return databaseFailure(error);
    return Done{};
}

Status CompanyStore::save(const Contents& mine, QList<FieldChange>* changes)
{
    const bool taxesEdited = mine.taxes && m_seen.taxes && *mine.taxes != *m_seen.taxes;
    const bool termsEdited = mine.terms && m_seen.terms && *mine.terms != *m_seen.terms;
    if (taxesEdited)
        if (const Status checked = RateStore::checkTaxes(*mine.taxes); !checked)
            return checked;
    if (termsEdited)
        if (const auto checked = mine.terms->checked(); !checked)
            return checked.failure();
    m_theirs = {};
    // Taken for writing at once: no other desk writes between the check and the change.
    Sql::Transaction tx(m_db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QList<FieldChange> found;
    Rows written; // each edited row, and whether it is there to update
    for (const auto& [id, row] : mine.details) {
        const auto seen = m_seen.details.find(id);
        if (!row || seen == m_seen.details.end() || seen->second == row)
            continue; // untouched rows are neither checked nor written over
        const auto theirs = readRow(id);
        if (!theirs)
            return theirs.failure();
        written[id] = *theirs;
        if (*theirs == seen->second)
            continue;
        m_theirs.details[id] = *theirs;
        if (!*theirs) {
            found.append(
                {label(1), QCoreApplication::translate("CompanyStore", "(deleted at another desk)"), row->value(0)});
            continue;
        }
        // Every column is written, so every one another desk changed is named.
        for (int field = 1; field < FieldCount; ++field)
            FieldChanges::compare(found, label(field), seen->second ? seen->second->value(field - 1) : QString(),
                                  (*theirs)->value(field - 1), row->value(field - 1));
    }
    if (taxesEdited) {
        const auto theirs = RateStore::taxes(m_db);
        if (!theirs)
            return theirs.failure();
        if (*theirs != *m_seen.taxes) {
            m_theirs.taxes = *theirs;
            found.append(
                {QCoreApplication::translate("CompanyStore", "Taxes:"), taxesText(*theirs), taxesText(*mine.taxes)});
        }
    }
    if (termsEdited) {
        const auto theirs = PaymentTerms::load(m_db);
        if (!theirs)
            return theirs.failure();
        if (*theirs != *m_seen.terms) {
            m_theirs.terms = *theirs;
            compareTerms(found, *m_seen.terms, *theirs, *mine.terms);
        }
    }
    if (!found.isEmpty()) {
        if (changes)
            *changes = found;
        return conflict(QCoreApplication::translate("CompanyStore", "Another desk changed the company meanwhile."));
    }
    for (const auto& [id, there] : written)
        if (const Status done = writeRow(id, *mine.details.at(id), there.has_value()); !done)
            return done;
    if (taxesEdited)
        if (const Status done = RateStore::writeTaxes(m_db, *mine.taxes); !done)
            return done;
    if (termsEdited)
        if (const Status done = PaymentTerms::write(m_db, *mine.terms); !done)
            return done;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    for (const auto& [id, there] : written)
        m_seen.details[id] = mine.details.at(id);
    if (taxesEdited)
        m_seen.taxes = mine.taxes;
    if (termsEdited)
        m_seen.terms = mine.terms;
    return Done{};
}

CompanyStore::Contents CompanyStore::resolve()
{
    for (const auto& [id, row] : m_theirs.details)
        m_seen.details[id] = row;
    if (m_theirs.taxes)
        m_seen.taxes = m_theirs.taxes;
    if (m_theirs.terms)
        m_seen.terms = m_theirs.terms;
    return std::exchange(m_theirs, {});
}
