#pragma once

#include "core/CsvReader.h"
#include "imports/ImportFields.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>

/// A file brought in: first a dry run that gives every row its verdict and writes nothing, then the import, which
/// writes the accepted rows (and the duplicates, when they are to be updated) through the stores in one transaction,
/// records the batch and tags every row it added, so that the batch can be undone while nothing of it has changed.
namespace ImportRun {

using ImportFields::Kind;

/// The file and how to read it.
struct Source
{
    QString path;
    CsvRead::Format format;
    bool headings = true; // the first row holds the columns' headings
};

/// The first row's cells: the headings, or "Column 1", "Column 2"... when the file has none. Refused for an empty
/// file and for what the reader refuses.
Result<QStringList> headings(const Source& source);

/// What to do with a row that matches one on record.
enum class OnDuplicate
{
    Skip,
    Update
};

struct Options
{
    Kind kind = Kind::CustomersWithBoats;
    Source source;
    ImportFields::Mapping mapping;
    DateTimes::DateStyle dates = DateTimes::DateStyle::DayMonthYear;
    ImportFields::AmountStyle amounts = ImportFields::AmountStyle::PointDecimal;
    OnDuplicate duplicates = OnDuplicate::Skip;
};

enum class Verdict
{
    Accepted,
    Duplicate,
    Refused
};
QString verdictText(Verdict verdict);

/// One row's verdict: the file's line, what the row is (its reference or name) and, for a duplicate or a refusal,
/// why.
struct Row
{
    qint64 line = 0;
    Verdict verdict = Verdict::Accepted;
    QString what;
    QString reason;
};

struct Outcome
{
    int accepted = 0;
    int duplicates = 0;
    int refused = 0;
    QList<Row> rows;
    int batchId = 0; // the batch an import recorded; 0 for a dry run
};

/// Told how far the work has got (bytes of the file read, of total); returns false to stop.
using Progress = std::function<bool(qint64 done, qint64 total)>;

/// Reads the whole file and gives each row its verdict; writes nothing. Refused when a required field is unmapped
/// (before any row is read), when the file is empty or holds only headings, and for what the reader refuses.
Result<Outcome> dryRun(const QSqlDatabase& db, const Options& options, const Progress& progress = {});

/// The import: the same verdicts, and in one transaction the accepted rows written (with the duplicates, when they
/// are to be updated), an ImportBatch recorded with the counts, who and when, and each added row tagged with it.
/// Stopped by progress, or failing anywhere, it leaves nothing (Cancelled, or the failure).
Result<Outcome> import(const QSqlDatabase& db, const Options& options, const QDateTime& now,
                       const Progress& progress = {});

/// The verdicts as the list the window saves: line, verdict, row and reason.
QStringList listColumns();
QList<QVariantList> listRows(const Outcome& outcome);

/// An import on record.
struct Batch
{
    int id = 0;
    Kind kind = Kind::CustomersWithBoats;
    QString fileName;
    int added = 0;
    int updated = 0;
    int skipped = 0;
    int refused = 0;
    QString desk;
    QDateTime importedAt;
    QDateTime undoneAt; // invalid while it stands
};
/// The imports, the latest first.
Result<QList<Batch>> batches(const QSqlDatabase& db);

/// "Undo this import": removes exactly the rows the batch added, in one transaction, while none of them has been
/// changed since and nothing has been added on them (a booking for an imported customer); Refused naming what
/// changed otherwise. Opening balances are ledger lines, which are never removed: put right with a correction.
Status undo(const QSqlDatabase& db, int batchId, const QDateTime& now);

} // namespace ImportRun
