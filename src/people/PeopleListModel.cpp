#include "people/PeopleListModel.h"

#include "core/Dialect.h"

#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace PeopleLists {

namespace {
QString heading(const char* text)
{
    return QCoreApplication::translate("PeopleLists", text);
}
} // namespace

// Built at each call, so the headings are in the language shown when the list opens.
PeopleListDefinition customers(const Dialect& dialect)
{
    // The customer's boats last, by name: one small look-up per row read, on the boats' customer index.
    return {
        QStringLiteral(
            "SELECT ID, Name, HouseName, Street, Area, Town, PostCode, TelNo, MobileNo, EmailAddress, "
            "Notes, ClubMember, MembershipNo, (SELECT %1 FROM (SELECT Name FROM Boat WHERE Boat.CustomerID = "
            "Customer.ID ORDER BY Name) B) FROM Customer ORDER BY ID")
            .arg(dialect.joinTexts(QStringLiteral("Name"), QStringLiteral(", "), QStringLiteral("Name"))),
        {QString(), heading(QT_TRANSLATE_NOOP("PeopleLists", "Name")),
         heading(QT_TRANSLATE_NOOP("PeopleLists", "House Name")), heading(QT_TRANSLATE_NOOP("PeopleLists", "Street")),
         heading(QT_TRANSLATE_NOOP("PeopleLists", "Area")), heading(QT_TRANSLATE_NOOP("PeopleLists", "Town")),
         heading(QT_TRANSLATE_NOOP("PeopleLists", "Post Code")), heading(QT_TRANSLATE_NOOP("PeopleLists", "Tel No")),
         heading(QT_TRANSLATE_NOOP("PeopleLists", "Mobile No")), heading(QT_TRANSLATE_NOOP("PeopleLists", "Email")),
         heading(QT_TRANSLATE_NOOP("PeopleLists", "Notes")), heading(QT_TRANSLATE_NOOP("PeopleLists", "Club Member")),
         heading(QT_TRANSLATE_NOOP("PeopleLists", "Membership No")),
         heading(QT_TRANSLATE_NOOP("PeopleLists", "Boats"))},
        11};
}

PeopleListDefinition owners()
{
    return {QStringLiteral("SELECT ID, Name, HouseName, Street, Area, Town, PostCode, MobileNo, EmailAddress, Notes "
                           "FROM Owner ORDER BY ID"),
            {QString(), heading(QT_TRANSLATE_NOOP("PeopleLists", "Name")),
             heading(QT_TRANSLATE_NOOP("PeopleLists", "House Name")),
             heading(QT_TRANSLATE_NOOP("PeopleLists", "Street")), heading(QT_TRANSLATE_NOOP("PeopleLists", "Area")),
             heading(QT_TRANSLATE_NOOP("PeopleLists", "Town")), heading(QT_TRANSLATE_NOOP("PeopleLists", "Post Code")),
             heading(QT_TRANSLATE_NOOP("PeopleLists", "Mobile No")),
             heading(QT_TRANSLATE_NOOP("PeopleLists", "Email Address")),
             heading(QT_TRANSLATE_NOOP("PeopleLists", "Notes"))},
            -1};
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
        return flag.toInt() != 0 ? tr("Yes") : tr("No");
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
