#include "people/PeopleListModel.h"

#include "core/SqlHelpers.h"

#include <QSqlError>
#include <QSqlQuery>

namespace PeopleLists {

const PeopleListDefinition& customers()
{
    static const PeopleListDefinition definition{
        QStringLiteral("SELECT ID, Name, HouseName, Street, Area, Town, PostCode, TelNo, MobileNo, EmailAddress, "
                       "Notes, ClubMember, MembershipNo FROM Customer ORDER BY ID"),
        {QString(), QStringLiteral("Name"), QStringLiteral("House Name"), QStringLiteral("Street"),
         QStringLiteral("Area"), QStringLiteral("Town"), QStringLiteral("Post Code"), QStringLiteral("Tel No"),
         QStringLiteral("Mobile No"), QStringLiteral("Email"), QStringLiteral("Notes"), QStringLiteral("Club Member"),
         QStringLiteral("Membership No")},
        11};
    return definition;
}

const PeopleListDefinition& owners()
{
    static const PeopleListDefinition definition{
        QStringLiteral("SELECT ID, Name, HouseName, Street, Area, Town, PostCode, MobileNo, EmailAddress, Notes "
                       "FROM Owner ORDER BY ID"),
        {QString(), QStringLiteral("Name"), QStringLiteral("House Name"), QStringLiteral("Street"),
         QStringLiteral("Area"), QStringLiteral("Town"), QStringLiteral("Post Code"), QStringLiteral("Mobile No"),
         QStringLiteral("Email Address"), QStringLiteral("Notes")},
        -1};
    return definition;
}

} // namespace PeopleLists

PeopleListModel::PeopleListModel(PeopleListDefinition definition, QObject* parent)
    : QSqlQueryModel(parent), m_definition(std::move(definition))
{
}

Status PeopleListModel::requery(const QSqlDatabase& db)
{
    // The model reads the rows in blocks as the grid reaches them (SQLite reports no row count up front).
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, m_definition.query, {}, &error)) {
        clear();
        return databaseFailure(error);
    }
    setQuery(std::move(q));
    if (lastError().isValid())
        return databaseFailure(lastError().text());
    return Done{};
}

bool PeopleListModel::fetchUpTo(int row)
{
    while (row >= rowCount() && canFetchMore())
        fetchMore();
    return row >= 0 && row < rowCount();
}

int PeopleListModel::idAt(int row) const
{
    return row >= 0 && row < rowCount() ? valueAt(row, 0).toInt() : 0;
}

QVariant PeopleListModel::valueAt(int row, int column) const
{
    return QSqlQueryModel::data(index(row, column));
}

QVariant PeopleListModel::data(const QModelIndex& index, int role) const
{
    if (index.column() == m_definition.yesNoColumn && (role == Qt::DisplayRole || role == Qt::EditRole)) {
        const QVariant flag = QSqlQueryModel::data(index, Qt::DisplayRole);
        if (!index.isValid() || !flag.isValid())
            return {};
        return flag.toInt() != 0 ? QStringLiteral("Yes") : QStringLiteral("No");
    }
    return QSqlQueryModel::data(index, role);
}

QVariant PeopleListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_definition.headings.size())
        return m_definition.headings.at(section);
    return QSqlQueryModel::headerData(section, orientation, role);
}
