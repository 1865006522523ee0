#pragma once

#include "core/BulkInsert.h"
#include "core/ImportTags.h"
#include "core/Result.h"
#include "people/Boats.h"
#include "people/PeopleRecords.h"

#include <QSqlDatabase>
#include <QString>

/// Many new customers and boats of one import written inside its transaction: each row with its old reference,
/// batch and stamp, its customer's search words beside it, a few hundred rows a statement. The rows come checked as the
/// stores check them; their IDs are reserved as they are added, so a boat names the customer added before it.
class PeopleBulkWriter final
{
public:
    PeopleBulkWriter(const QSqlDatabase& db, int batchId);

    /// A new customer; its ID.
    Result<int> addCustomer(const CustomerRecord& record, const QString& oldRef);
    /// A new boat of boat.customerId (checked by Boats::check already); its ID.
    Result<int> addBoat(const BoatRecord& boat, const QString& oldRef);

    /// After the last row: the rows still held written (each with its stamp, see ImportTags::InsertStamps).
    Status finish();

private:
    QSqlDatabase m_db;
    int m_batchId = 0;
    BulkInsert m_customers;
    BulkInsert m_words;
    BulkInsert m_boats;
    ImportTags::InsertStamps m_customerStamps;
    ImportTags::InsertStamps m_boatStamps;
};
