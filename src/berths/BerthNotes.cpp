#include "berths/BerthNotes.h"

#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>

BerthNotes::BerthNotes(QSqlDatabase db) : m_db(std::move(db)) {}

Status BerthNotes::load()
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, Name, Notes FROM Berth ORDER BY %1 NULLS FIRST, ID")
                       .arg(Dialect::of(m_db).noCase(QStringLiteral("Name"))),
                   {}, &error))
        return databaseFailure(error);
    m_berths.clear();
    m_stored.clear();
    m_edited.clear();
    while (q.next()) {
        const int id = q.value(0).toInt();
        m_berths.push_back({id, q.value(1).toString()});
        m_stored[id] = q.value(2).toString();
    }
    return Done{};
}

QString BerthNotes::notes(int id) const
{
    if (const auto it = m_edited.find(id); it != m_edited.end())
        return it->second;
    const auto it = m_stored.find(id);
    return it == m_stored.end() ? QString() : it->second;
}

void BerthNotes::setNotes(int id, const QString& notes)
{
    if (m_stored.count(id))
        m_edited[id] = notes;
}

bool BerthNotes::changed() const
{
    for (const auto& [id, notes] : m_edited)
        if (notes != m_stored.at(id))
            return true;
    return false;
}

Status BerthNotes::save()
{
    QString error;
    const bool ok = Sql::inTransaction(m_db, &error, [&] {
        for (const auto& [id, notes] : m_edited) {
            if (notes == m_stored.at(id))
                continue; // untouched notes are not written over what the table editor may have saved
            if (!Sql::exec(m_db, QStringLiteral("UPDATE Berth SET Notes = ? WHERE ID = ?"), {notes, id}, &error))
                return false;
        }
        return true;
    });
    if (!ok)
        return databaseFailure(error);
    for (const auto& [id, notes] : m_edited)
        m_stored[id] = notes;
    m_edited.clear();
    return Done{};
}
