#include "people/PeopleRecords.h"

#include "core/DocumentLanguage.h"
#include "core/Removal.h"
#include "core/SearchText.h"

#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QStringList>
#include <functional>

namespace {

// The column names are fixed texts of the field tables; only values travel as bound parameters. A record's
// columns are its one-line texts, then Notes, then (customers only) ClubMember.
template <typename Record, std::size_t N> QStringList columns(const PersonField<Record> (&fields)[N])
{
    QStringList columns;
    for (const auto& field : fields)
        columns << QString::fromUtf16(field.column);
    return columns << QStringLiteral("Notes");
}
const QStringList CustomerColumns = columns(PeopleFields::Customer)
                                    << QStringLiteral("ClubMember") << QStringLiteral("Language");
const QStringList OwnerColumns = columns(PeopleFields::Owner);

// An empty box is stored as an empty text: a default-constructed QString would bind as Null.
QVariant text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

template <typename Record, std::size_t N>
QVariantList values(const Record& record, const PersonField<Record> (&fields)[N])
{
    QVariantList values;
    for (const auto& field : fields)
        values << text(record.*field.member);
    return values << text(record.notes);
}

template <typename Record, std::size_t N>
Record fromValues(const QVariantList& values, const PersonField<Record> (&fields)[N])
{
    Record record;
    for (std::size_t i = 0; i < N; ++i)
        record.*fields[i].member = values.at(static_cast<qsizetype>(i)).toString();
    record.notes = values.at(static_cast<qsizetype>(N)).toString();
    return record;
}

QVariantList values(const CustomerRecord& r)
{
    // No language is Null: the office's, whichever it is when the letter is written.
    return values(r, PeopleFields::Customer)
           << (r.clubMember ? 1 : 0)
           << (r.language.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(r.language));
}
QVariantList values(const OwnerRecord& r)
{
    return values(r, PeopleFields::Owner);
}

Result<QVariantList> loadRow(const QSqlDatabase& db, const QString& table, const QStringList& columns, int id)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT %1 FROM %2 WHERE ID = ?").arg(columns.join(QStringLiteral(", ")), table),
                   {id}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("PeopleRecords", "There is no record with the ID %1.").arg(id));
    QVariantList values;
    for (int i = 0; i < columns.size(); ++i)
        values << q.value(i);
    return values;
}

// What else a row's save writes in its transaction (the customer's search words), given the row's ID.
using AlsoWrite = Status (*)(const QSqlDatabase&, int);

Result<int> insertRow(const QSqlDatabase& db, const QString& table, const QStringList& columns,
                      const QVariantList& values, AlsoWrite also = nullptr)
{
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    Sql::Transaction tx(db);
    if (!tx.started())
        return databaseFailure(tx.error());
    QString error;
    const auto id = Sql::insertReturningId(db, sql, values, &error);
    if (!id)
        return databaseFailure(error);
    if (also) {
        if (const Status written = also(db, static_cast<int>(*id)); !written)
            return written.failure();
    }
    if (!tx.commit(&error))
        return databaseFailure(error);
    return static_cast<int>(*id);
}

// The row as another desk left it; a Conflict saying so when it was deleted.
template <typename Record> Result<Record> stillThere(const Result<Record>& now)
{
    if (!now && now.kind() == FailureKind::Conflict)
        return conflict(QCoreApplication::translate("PeopleRecords",
                                                    "It was deleted at another desk while you were editing it. "
                                                    "What you typed is still in the boxes; nothing was saved."));
    return now;
}

template <typename Record, std::size_t N>
FieldChanges::Merge<Record> merged(const PersonField<Record> (&fields)[N], const Record& seen, const Record& theirs,
                                   const Record& mine)
{
    FieldChanges::Merge<Record> merge(seen, theirs, mine);
    for (const auto& field : fields)
        merge.field(field.captionText(), field.member);
    merge.field(QCoreApplication::translate("PeopleRecords", "Notes:"), &Record::notes);
    return merge;
}

// The values to write, worked out inside the save's transaction from the row as stored then.
using ToWrite = std::function<Result<QVariantList>(const QSqlDatabase&, int)>;

Status updateRow(const QSqlDatabase& db, const QString& table, const QStringList& columns, int id, AlsoWrite also,
                 const ToWrite& toWrite)
{
    QStringList assignments;
    for (const QString& column : columns)
        assignments << column + QStringLiteral(" = ?");
    const QString sql =
        QStringLiteral("UPDATE %1 SET %2 WHERE ID = ?").arg(table, assignments.join(QStringLiteral(", ")));
    // Taken for writing at once, so that no other desk writes between the merge and the change.
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    auto values = toWrite(db, id);
    if (!values)
        return values.failure();
    *values << id;
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, sql, *values, &error))
        return databaseFailure(error);
    if (q.numRowsAffected() != 1)
        return conflict(
            QCoreApplication::translate("PeopleRecords", "The record with the ID %1 no longer exists.").arg(id));
    if (also) {
        if (const Status written = also(db, id); !written)
            return written;
    }
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

// Reads the row again, merges, and gives the values of the merged record.
template <typename Record, typename Load, typename Merged>
ToWrite mergedValues(Load load, Merged merged, const Record& seen, const Record& mine,
                     std::optional<FieldChanges::Merge<Record>>* out)
{
    return [=](const QSqlDatabase& on, int row) -> Result<QVariantList> {
        const Result<Record> theirs = stillThere(load(on, row));
        if (!theirs)
            return theirs.failure();
        const Result<Record> record = FieldChanges::toWrite(merged(seen, *theirs, mine), out);
        if (!record)
            return record.failure();
        return values(*record);
    };
}

} // namespace

namespace CustomerStore {

Result<CustomerRecord> load(const QSqlDatabase& db, int id)
{
    const auto v = loadRow(db, QStringLiteral("Customer"), CustomerColumns, id);
    if (!v)
        return v.failure();
    CustomerRecord r = fromValues(*v, PeopleFields::Customer);
    r.clubMember = v->at(v->size() - 2).toInt() != 0; // older files store True as -1
    r.language = v->constLast().toString();
    return r;
}

Result<int> add(const QSqlDatabase& db, const CustomerRecord& record)
{
    return insertRow(db, QStringLiteral("Customer"), CustomerColumns, values(record), SearchText::rewriteCustomers);
}

QStringList columns()
{
    return CustomerColumns;
}

QVariantList columnValues(const CustomerRecord& record)
{
    return values(record);
}

Status modify(const QSqlDatabase& db, int id, const CustomerRecord& seen, const CustomerRecord& mine,
              std::optional<FieldChanges::Merge<CustomerRecord>>* merge)
{
    return updateRow(db, QStringLiteral("Customer"), CustomerColumns, id, SearchText::rewriteCustomers,
                     mergedValues(load, merged, seen, mine, merge));
}

FieldChanges::Merge<CustomerRecord> merged(const CustomerRecord& seen, const CustomerRecord& theirs,
                                           const CustomerRecord& mine)
{
    FieldChanges::Merge<CustomerRecord> merge = ::merged(PeopleFields::Customer, seen, theirs, mine);
    merge.field(QCoreApplication::translate("PeopleRecords", "Club member:"), &CustomerRecord::clubMember, [](bool on) {
        return on ? QCoreApplication::translate("PeopleRecords", "yes")
                  : QCoreApplication::translate("PeopleRecords", "no");
    });
    merge.field(QCoreApplication::translate("PeopleRecords", "Document language:"), &CustomerRecord::language,
                DocumentLanguage::caption);
    return merge;
}

Result<Removal::Question> askRemove(const QSqlDatabase& db, int id, const Removal::Dependents& bookings)
{
    if (id <= 0)
        return refused(QString()); // nothing chosen: nothing to ask
    return Removal::ask(db, id, bookings,
                        QCoreApplication::translate("CustomerStore",
                                                    "Deleting this customer will also remove all past reservations. "
                                                    "This would affect historic reports. Are you sure you want to "
                                                    "delete this customer?"));
}

Status remove(const QSqlDatabase& db, int id, int asked, const Removal::Dependents& bookings)
{
    // The customer's boats go with them.
    const Removal::RowRemover boats = Removal::statement(QStringLiteral("DELETE FROM Boat WHERE CustomerID = ?"));
    const Removal::RowRemover customer = Removal::statement(QStringLiteral("DELETE FROM Customer WHERE ID = ?"));
    return Removal::remove(db, id, asked, bookings, [boats, customer](const QSqlDatabase& on, int customerId) {
        const Status gone = boats(on, customerId);
        return gone ? customer(on, customerId) : gone;
    });
}

} // namespace CustomerStore

namespace OwnerStore {

Result<OwnerRecord> load(const QSqlDatabase& db, int id)
{
    const auto v = loadRow(db, QStringLiteral("Owner"), OwnerColumns, id);
    if (!v)
        return v.failure();
    return fromValues(*v, PeopleFields::Owner);
}

Result<int> add(const QSqlDatabase& db, const OwnerRecord& record)
{
    return insertRow(db, QStringLiteral("Owner"), OwnerColumns, values(record));
}

Status modify(const QSqlDatabase& db, int id, const OwnerRecord& seen, const OwnerRecord& mine,
              std::optional<FieldChanges::Merge<OwnerRecord>>* merge)
{
    return updateRow(db, QStringLiteral("Owner"), OwnerColumns, id, nullptr,
                     mergedValues(load, merged, seen, mine, merge));
}

FieldChanges::Merge<OwnerRecord> merged(const OwnerRecord& seen, const OwnerRecord& theirs, const OwnerRecord& mine)
{
    return ::merged(PeopleFields::Owner, seen, theirs, mine);
}

Result<Removal::Question> askRemove(const QSqlDatabase& db, int id, const Removal::Dependents& berths)
{
    if (id <= 0)
        return refused(QString());
    return Removal::ask(db, id, berths,
                        QCoreApplication::translate("OwnerStore",
                                                    "Deleting this owner will also remove all owners berth. This would "
                                                    "affect historic reports. Are you sure you want to delete this "
                                                    "owner?"));
}

Status remove(const QSqlDatabase& db, int id, int asked, const Removal::Dependents& berths)
{
    return Removal::remove(db, id, asked, berths, Removal::statement(QStringLiteral("DELETE FROM Owner WHERE ID = ?")));
}

} // namespace OwnerStore

namespace PeopleEvents {

QString savedDetails(const QString& name, const QString& houseName)
{
    return QStringLiteral("Name: '") + name + QStringLiteral("' HouseName: '") + houseName + u'\'';
}

QString deletedDetails(const QVariant& name, const QVariant& houseName)
{
    return QStringLiteral("Name: ") + name.toString() + QStringLiteral(", HouseName: ") + houseName.toString();
}

} // namespace PeopleEvents
