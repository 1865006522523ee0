#include "people/PeopleRecords.h"

#include "core/SqlHelpers.h"

#include <QSqlQuery>
#include <QStringList>

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
const QStringList CustomerColumns = columns(PeopleFields::Customer) << QStringLiteral("ClubMember");
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
    return values(r, PeopleFields::Customer) << (r.clubMember ? 1 : 0);
}
QVariantList values(const OwnerRecord& r)
{
    return values(r, PeopleFields::Owner);
}

std::optional<QVariantList> loadRow(const QSqlDatabase& db, const QString& table, const QStringList& columns, int id,
                                    QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Sql::exec(q, QStringLiteral("SELECT %1 FROM %2 WHERE ID = ?").arg(columns.join(QStringLiteral(", ")), table),
                   {id}, error))
        return std::nullopt;
    if (!q.next()) {
        if (error)
            *error = QStringLiteral("There is no record with the ID %1.").arg(id);
        return std::nullopt;
    }
    QVariantList values;
    for (int i = 0; i < columns.size(); ++i)
        values << q.value(i);
    return values;
}

std::optional<int> insertRow(const QSqlDatabase& db, const QString& table, const QStringList& columns,
                             const QVariantList& values, QString* error)
{
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    Sql::Transaction tx(db);
    if (!tx.started()) {
        if (error)
            *error = tx.error();
        return std::nullopt;
    }
    const auto id = Sql::insertReturningId(db, sql, values, error);
    if (!id)
        return std::nullopt;
    if (!tx.commit(error))
        return std::nullopt;
    return static_cast<int>(*id);
}

bool updateRow(const QSqlDatabase& db, const QString& table, const QStringList& columns, QVariantList values, int id,
               QString* error)
{
    QStringList assignments;
    for (const QString& column : columns)
        assignments << column + QStringLiteral(" = ?");
    const QString sql =
        QStringLiteral("UPDATE %1 SET %2 WHERE ID = ?").arg(table, assignments.join(QStringLiteral(", ")));
    values << id;
    return Sql::inTransaction(db, error, [&] {
        QSqlQuery q(db);
        if (!Sql::exec(q, sql, values, error))
            return false;
        if (q.numRowsAffected() != 1) {
            if (error)
                *error = QStringLiteral("The record with the ID %1 no longer exists.").arg(id);
            return false;
        }
        return true;
    });
}

} // namespace

namespace CustomerStore {

std::optional<CustomerRecord> load(const QSqlDatabase& db, int id, QString* error)
{
    const auto v = loadRow(db, QStringLiteral("Customer"), CustomerColumns, id, error);
    if (!v)
        return std::nullopt;
    CustomerRecord r = fromValues(*v, PeopleFields::Customer);
    r.clubMember = v->constLast().toInt() != 0; // older files store True as -1
    return r;
}

std::optional<int> add(const QSqlDatabase& db, const CustomerRecord& record, QString* error)
{
    return insertRow(db, QStringLiteral("Customer"), CustomerColumns, values(record), error);
}

bool modify(const QSqlDatabase& db, int id, const CustomerRecord& record, QString* error)
{
    return updateRow(db, QStringLiteral("Customer"), CustomerColumns, values(record), id, error);
}

} // namespace CustomerStore

namespace OwnerStore {

std::optional<OwnerRecord> load(const QSqlDatabase& db, int id, QString* error)
{
    const auto v = loadRow(db, QStringLiteral("Owner"), OwnerColumns, id, error);
    if (!v)
        return std::nullopt;
    return fromValues(*v, PeopleFields::Owner);
}

std::optional<int> add(const QSqlDatabase& db, const OwnerRecord& record, QString* error)
{
    return insertRow(db, QStringLiteral("Owner"), OwnerColumns, values(record), error);
}

bool modify(const QSqlDatabase& db, int id, const OwnerRecord& record, QString* error)
{
    return updateRow(db, QStringLiteral("Owner"), OwnerColumns, values(record), id, error);
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
