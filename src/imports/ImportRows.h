#pragma once

#include "berths/BerthImport.h"
#include "bookings/BookingBulkWriter.h"
#include "contracts/ContractStore.h"
#include "core/ImportTags.h"
#include "core/Result.h"
#include "imports/ImportRun.h"
#include "people/PeopleBulkWriter.h"
#include "people/PeopleImport.h"
#include "people/PeopleRecords.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <memory>
#include <optional>
#include <utility>

namespace ImportRun {

// Arrivals and departures in a file are days: a stay holds its berth from noon to noon, so back-to-back stays meet.
inline const QTime StayTime{12, 0};

// The checker behind ImportRun: everything the rows are checked against, read once, and what the rows before have
// claimed; in an import it also writes each row through its store.
class Rows final
{
public:
    Rows(const QSqlDatabase& db, const Options& options, bool write, int batchId, const QDateTime& now)
        : m_db(db), m_options(options), m_cells(options.dates, options.amounts), m_write(write), m_batchId(batchId),
          m_now(now)
    {
    }

    Status prepare();
    /// After the last row of an import: what is written once for all the rows.
    Status finish();

    /// The row's verdict (written, in an import); a failure only when the database fails.
    Result<Row> check(const QStringList& record, qint64 line, qsizetype columns);

    int updated() const { return m_updated; }

private:
    QString cell(const QString& key) const;

    static Row refusedRow(Row row, const QString& reason);

    // A key another row of the file already had: that row's line.
    std::optional<qint64> seenBefore(const QString& key, qint64 line);

    Result<Row> duplicateInFile(Row row, const QStringList& keys, const QStringList& names);

    // A store's refusal of a row the checks passed (another desk's change meanwhile) refuses the row; any other
    // failure stops the import.
    template <typename T> std::optional<Failure> fatal(const Result<T>& result, Row& row)
    {
        if (result)
            return std::nullopt;
        if (result.kind() == FailureKind::Refused || result.kind() == FailureKind::Conflict) {
            row = refusedRow(row, result.error());
            return std::nullopt;
        }
        return result.failure();
    }

    Result<Row> customer(Row row);

    Result<Row> addBoat(Row row, BoatRecord boat, int customerId, const QString& boatRef, const QString& regKey);

    Result<Row> berth(Row row);

    // A customer by old reference, else e-mail address; a berth by old reference, else name.
    std::optional<int> customerByKey(const QString& key) const;
    std::optional<BerthImport::KnownBerth> berthByKey(const QString& key) const;

    // The customer and the berth a booking's or a contract's row names, with the row's label; else the row refused.
    struct Holder
    {
        int customerId = 0;
        BerthImport::KnownBerth berth;
    };
    std::optional<Holder> holderOf(Row& row, const QString& ref);

    Result<Row> booking(Row row);
    // A booking on record matched by its old reference, to be updated with the row through the one-booking save.
    Result<Row> updateBooking(Row row, int bookingId, BookingRecord mine);
    // The booking's boat, read once per import.
    Result<BoatRecord> boat(int boatId);

    Result<Row> balance(Row row);

    Status prepareContracts();
    Result<Row> contract(Row row);
    // A contract on record matched by its old reference, changed to the row through the contract's own edit.
    Result<Row> updateContract(Row row, int contractId, const ContractRecord& mine);
    // Whether an earlier row of the file holds the berth on one of the days.
    bool claimedByFile(int berthId, const QDate& first, const QDate& last) const;

    const QSqlDatabase& m_db;
    const Options& m_options;
    ImportFields::Cells m_cells;
    bool m_write = false;
    int m_batchId = 0;
    QDateTime m_now;
    const QStringList* m_record = nullptr;
    PeopleImport::Known m_people;
    BerthImport::Known m_berths;
    QHash<QString, int> m_bookings;
    QHash<QString, qint64> m_seen; // each key's first line in the file
    BookingBulkWriter m_writer{m_db};
    std::unique_ptr<PeopleBulkWriter> m_peopleWriter; // an import's of customers
    QHash<QString, QList<ImportTags::Added>> m_added; // by table: tagged once all are in
    QHash<int, BoatRecord> m_boats;
    QHash<QString, int> m_contracts;                         // by old reference
    QList<TermPricing::Term> m_terms;                        // read once, for a contract's term by name
    QHash<int, QList<std::pair<QDate, QDate>>> m_heldByFile; // contracts' days by berth, as the rows claim them
    int m_updated = 0;
};

} // namespace ImportRun
