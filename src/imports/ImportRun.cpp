#include "imports/ImportRun.h"

#include "imports/ImportRows.h"

#include "berths/BerthImport.h"
#include "bookings/BerthAvailability.h"
#include "bookings/BerthBlocks.h"
#include "bookings/BookingImport.h"
#include "bookings/BookingStore.h"
#include "bookings/Ledger.h"
#include "contracts/ContractImport.h"
#include "core/Dialect.h"
#include "core/ImportTags.h"
#include "core/InputParsing.h"
#include "core/SqlHelpers.h"
#include "people/PeopleImport.h"
#include "people/PeopleRecords.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace ImportRun {
namespace {
// The progress is told every this many rows.
constexpr int ProgressRows = 256;

Result<QFile*> open(QFile& file)
{
    if (!file.open(QIODevice::ReadOnly))
        return fileFailure(QCoreApplication::translate("ImportRun", "The file %1 cannot be read: %2")
                               .arg(QFileInfo(file).fileName(), file.errorString()));
    return &file;
}

Result<Outcome> process(const QSqlDatabase& db, const Options& options, bool write, int batchId, const QDateTime& now,
                        const Progress& progress, int* updated)
{
    if (const QStringList missing = ImportFields::unmappedRequired(options.kind, options.mapping); !missing.isEmpty())
        return refused(QCoreApplication::translate("ImportRun", "Every required field needs a column: %1 has none.")
                           .arg(missing.join(QStringLiteral(", "))));
    QFile file(options.source.path);
    if (const auto opened = open(file); !opened)
        return opened.failure();
    const qint64 total = file.size();
    CsvRead::Reader reader(file, options.source.format);
    qsizetype columns = 0;
    if (options.source.headings) {
        const auto first = reader.next();
        if (!first)
            return first.failure();
        if (!*first)
            return refused(QCoreApplication::translate("ImportRun", "The file is empty."));
        columns = (*first)->size();
    }
    Rows rows(db, options, write, batchId, now);
    if (const Status ready = rows.prepare(); !ready)
        return ready.failure();
    Outcome outcome;
    for (qint64 count = 0;; ++count) {
        if (progress && count % ProgressRows == 0 && !progress(reader.bytesRead(), total))
            return cancelled();
        const auto record = reader.next();
        if (!record)
            return record.failure();
        if (!*record)
            break;
        if (columns == 0)
            columns = (*record)->size(); // no headings: the first row sets the width
        const auto row = rows.check(**record, reader.line(), columns);
        if (!row)
            return row.failure();
        switch (row->verdict) {
        case Verdict::Accepted:
            ++outcome.accepted;
            break;
        case Verdict::Duplicate:
            ++outcome.duplicates;
            break;
        case Verdict::Refused:
            ++outcome.refused;
            break;
        }
        outcome.rows.append(*row);
    }
    if (outcome.rows.isEmpty())
        return refused(options.source.headings
                           ? QCoreApplication::translate("ImportRun", "The file holds its headings and no row.")
                           : QCoreApplication::translate("ImportRun", "The file is empty."));
    if (const Status finished = rows.finish(); !finished)
        return finished.failure();
    if (progress && !progress(total, total))
        return cancelled();
    if (updated)
        *updated = rows.updated();
    return outcome;
}
} // namespace

Result<QStringList> headings(const Source& source)
{
    QFile file(source.path);
    if (const auto opened = open(file); !opened)
        return opened.failure();
    CsvRead::Reader reader(file, source.format);
    const auto first = reader.next();
    if (!first)
        return first.failure();
    if (!*first)
        return refused(QCoreApplication::translate("ImportRun", "The file is empty."));
    if (source.headings)
        return **first;
    QStringList names;
    for (qsizetype i = 1; i <= (*first)->size(); ++i)
        names.append(QCoreApplication::translate("ImportRun", "Column %1").arg(i));
    return names;
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Duplicate:
        return QCoreApplication::translate("ImportRun", "Duplicate");
    case Verdict::Refused:
        return QCoreApplication::translate("ImportRun", "Refused");
    case Verdict::Accepted:
        break;
    }
    return QCoreApplication::translate("ImportRun", "Accepted");
}

Result<Outcome> dryRun(const QSqlDatabase& db, const Options& options, const Progress& progress)
{
    return process(db, options, false, 0, QDateTime(), progress, nullptr);
}

Result<Outcome> import(const QSqlDatabase& db, const Options& options, const QDateTime& now, const Progress& progress)
{
    if (const QStringList missing = ImportFields::unmappedRequired(options.kind, options.mapping); !missing.isEmpty())
        return refused(QCoreApplication::translate("ImportRun", "Every required field needs a column: %1 has none.")
                           .arg(missing.join(QStringLiteral(", "))));
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QString error;
    const auto batchId = Sql::insertReturningId(
        db, QStringLiteral("INSERT INTO ImportBatch (Kind, FileName, Desk, ImportedAt) VALUES (?, ?, ?, ?)"),
        {int(options.kind), QFileInfo(options.source.path).fileName(), Ledger::deskName(), DateTimes::dbDateTime(now)},
        &error);
    if (!batchId)
        return databaseFailure(error);
    int updated = 0;
    auto outcome = process(db, options, true, int(*batchId), now, progress, &updated);
    if (!outcome)
        return outcome.failure();
    const int added = outcome->accepted;
    if (!Sql::exec(
            db, QStringLiteral("UPDATE ImportBatch SET Added = ?, Updated = ?, Skipped = ?, Refused = ? WHERE ID = ?"),
            {added, updated, outcome->duplicates - updated, outcome->refused, int(*batchId)}, &error))
        return databaseFailure(error);
    if (!tx.commit(&error)) {
        // A server checks at the commit that no berth is booked twice: another desk booked one meanwhile.
        if (Dialect::of(db).isOverlapRefusal(tx.commitError()))
            return conflict(QCoreApplication::translate("ImportRun",
                                                        "Another desk booked a berth over a booking of this file "
                                                        "while it was imported. Nothing was imported: run the dry "
                                                        "run and the import again."));
        return databaseFailure(error);
    }
    outcome->batchId = int(*batchId);
    return outcome;
}

QStringList listColumns()
{
    return {QCoreApplication::translate("ImportRun", "Line"), QCoreApplication::translate("ImportRun", "Verdict"),
            QCoreApplication::translate("ImportRun", "Row"), QCoreApplication::translate("ImportRun", "Reason")};
}

QList<QVariantList> listRows(const Outcome& outcome)
{
    QList<QVariantList> rows;
    rows.reserve(outcome.rows.size());
    for (const Row& row : outcome.rows)
        rows.append({QVariant::fromValue<qlonglong>(row.line), verdictText(row.verdict), row.what, row.reason});
    return rows;
}

Result<QList<Batch>> batches(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, Kind, FileName, Added, Updated, Skipped, Refused, Desk, ImportedAt, "
                                  "UndoneAt FROM ImportBatch ORDER BY ID DESC"),
                   {}, &error))
        return databaseFailure(error);
    QList<Batch> found;
    while (q.next())
        found.append({q.value(0).toInt(), Kind(q.value(1).toInt()), q.value(2).toString(), q.value(3).toInt(),
                      q.value(4).toInt(), q.value(5).toInt(), q.value(6).toInt(), q.value(7).toString(),
                      DateTimes::readDateTime(q.value(8)), DateTimes::readDateTime(q.value(9))});
    return found;
}

Status undo(const QSqlDatabase& db, int batchId, const QDateTime& now)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT Kind, UndoneAt FROM ImportBatch WHERE ID = ?"), {batchId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("ImportRun", "This import is no longer on record."));
    if (!q.value(1).isNull())
        return refused(QCoreApplication::translate("ImportRun", "This import has been undone already."));
    if (Kind(q.value(0).toInt()) == Kind::OpeningBalances)
        return refused(QCoreApplication::translate(
            "ImportRun", "Opening balances are ledger lines, which are never removed: put a balance right with a "
                         "correction on its booking."));
    q.finish();
    // Nothing the import added may have changed, and nothing may hang on it.
    QStringList changed;
    const std::pair<const char16_t*, const char*> tables[] = {
        {u"Customer", QT_TRANSLATE_NOOP("ImportRun", "customer %1")},
        {u"Boat", QT_TRANSLATE_NOOP("ImportRun", "boat %1")},
        {u"Berth", QT_TRANSLATE_NOOP("ImportRun", "berth %1")},
        {u"Booking", QT_TRANSLATE_NOOP("ImportRun", "booking %1")},
        {u"Contract", QT_TRANSLATE_NOOP("ImportRun", "contract %1")}};
    for (const auto& [table, label] : tables) {
        const auto rows = ImportTags::changedSince(db, QString::fromUtf16(table), batchId);
        if (!rows)
            return rows.failure();
        for (const QString& name : *rows)
            changed.append(QCoreApplication::translate("ImportRun", label).arg(name));
    }
    const auto boats = PeopleImport::boatsAddedSince(db, batchId);
    if (!boats)
        return boats.failure();
    for (const QString& name : *boats)
        changed.append(QCoreApplication::translate("ImportRun", "boat %1 (added since)").arg(name));
    const auto held = BookingImport::heldSince(db, batchId);
    if (!held)
        return held.failure();
    for (const QString& booking : *held)
        changed.append(QCoreApplication::translate("ImportRun", "booking %1 (made or paid since)").arg(booking));
    const auto invoiced = ContractImport::heldSince(db, batchId);
    if (!invoiced)
        return invoiced.failure();
    for (const QString& contract : *invoiced)
        changed.append(QCoreApplication::translate("ImportRun", "%1 (invoiced or paid since)").arg(contract));
    if (!changed.isEmpty()) {
        constexpr int Named = 10;
        QString list = changed.mid(0, Named).join(QStringLiteral(", "));
        if (changed.size() > Named)
            list += QCoreApplication::translate("ImportRun", " and %1 more").arg(changed.size() - Named);
        return refused(QCoreApplication::translate(
                           "ImportRun",
                           "This import cannot be undone: what it brought in has been changed since (%1). Nothing "
                           "was removed.")
                           .arg(list));
    }
    // Bookings and contracts first, then the boats and customers, then the berths they stood on.
    for (const auto& remove :
         {BookingImport::removeBatch, ContractImport::removeBatch, PeopleImport::removeBatch, BerthImport::removeBatch})
        if (const Status removed = remove(db, batchId); !removed)
            return removed.failure();
    if (!Sql::exec(db, QStringLiteral("UPDATE ImportBatch SET UndoneAt = ? WHERE ID = ?"),
                   {DateTimes::dbDateTime(now), batchId}, &error) ||
        !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

} // namespace ImportRun
