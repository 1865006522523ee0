#include "people/PeopleBulkWriter.h"

#include "core/ImportTags.h"
#include "core/SearchText.h"
#include "core/SqlHelpers.h"

namespace {
// The import's own columns, the stamp last: written with the row where the row's every column is named.
const QStringList Tags{QStringLiteral("OldRef"), QStringLiteral("ImportBatchID"), QStringLiteral("ImportStamp")};
QStringList customerColumns()
{
    return QStringList{QStringLiteral("ID")} + CustomerStore::columns() + Tags;
}
QStringList boatColumns()
{
    return QStringList{QStringLiteral("ID")} + Boats::columns().split(QStringLiteral(", ")) + Tags;
}

QVariant refValue(const QString& oldRef)
{
    return oldRef.isEmpty() ? Sql::nullText() : QVariant(oldRef);
}
} // namespace

PeopleBulkWriter::PeopleBulkWriter(const QSqlDatabase& db, int batchId)
    : m_db(db), m_batchId(batchId), m_customers(db, QStringLiteral("Customer"), customerColumns()),
      m_words(db, QStringLiteral("CustomerText"), {SearchText::keyColumn(db), QStringLiteral("Words")}, &m_customers),
      m_boats(db, QStringLiteral("Boat"), boatColumns(), &m_customers),
      m_customerStamps(db, QStringLiteral("Customer"), customerColumns()),
      m_boatStamps(db, QStringLiteral("Boat"), boatColumns())
{
}

Result<int> PeopleBulkWriter::addCustomer(const CustomerRecord& record, const QString& oldRef)
{
    const auto id = m_customers.reserveId();
    if (!id)
        return id.failure();
    QVariantList values{*id};
    values << CustomerStore::columnValues(record) << refValue(oldRef) << m_batchId;
    const auto stamp = m_customerStamps.of(values);
    if (!stamp)
        return stamp.failure();
    values << *stamp;
    if (const Status added = m_customers.add(values); !added)
        return added.failure();
    const QString words = SearchText::customerWords(record.name, record.houseName, record.town, record.postCode,
                                                    record.telNo, record.mobileNo, record.emailAddress);
    if (const Status added = m_words.add({*id, words}); !added)
        return added.failure();
    return int(*id);
}

Result<int> PeopleBulkWriter::addBoat(const BoatRecord& boat, const QString& oldRef)
{
    const auto id = m_boats.reserveId();
    if (!id)
        return id.failure();
    QVariantList values{*id};
    values << Boats::columnValues(boat) << refValue(oldRef) << m_batchId;
    const auto stamp = m_boatStamps.of(values);
    if (!stamp)
        return stamp.failure();
    values << *stamp;
    if (const Status added = m_boats.add(values); !added)
        return added.failure();
    return int(*id);
}

Status PeopleBulkWriter::finish()
{
    for (BulkInsert* rows : {&m_customers, &m_words, &m_boats})
        if (const Status written = rows->flush(); !written)
            return written;
    if (const Status stamped = m_customerStamps.finish(m_batchId); !stamped)
        return stamped;
    return m_boatStamps.finish(m_batchId);
}
