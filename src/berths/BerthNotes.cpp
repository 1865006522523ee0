#include "berths/BerthNotes.h"

#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <algorithm>

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

Status BerthNotes::save(std::optional<FieldChanges::Merge<Notes>>* merge)
{
    QString error;
    // Taken for writing at once: no other desk writes between the merge and the change.
    Sql::Transaction tx(m_db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    Notes seen;
    Notes theirs;
    Notes mine;
    for (const auto& [id, notes] : m_edited) {
        if (notes == m_stored.at(id))
            continue; // untouched notes are not written over what the table editor may have saved
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        if (!Sql::exec(q, QStringLiteral("SELECT Notes FROM Berth WHERE ID = ?"), {id}, &error))
            return databaseFailure(error);
        const auto berth =
            std::find_if(m_berths.cbegin(), m_berths.cend(), [id](const Berth& b) { return b.id == id; });
        if (!q.next())
            return conflict(QCoreApplication::translate("BerthNotes", "Berth '%1' was deleted at another desk "
                                                                      "meanwhile, so nothing was saved.")
                                .arg(berth == m_berths.cend() ? QString() : berth->name));
        seen[id] = m_stored.at(id);
        theirs[id] = q.value(0).toString();
        mine[id] = notes;
    }
    FieldChanges::Merge<Notes> merged(seen, theirs, mine);
    for (const auto& [id, notes] : mine) {
        const auto berth = std::find_if(m_berths.cbegin(), m_berths.cend(), [&](const Berth& b) { return b.id == id; });
        merged.field(
            berth == m_berths.cend() ? QString() : berth->name + u':', [id](const Notes& n) { return n.at(id); },
            [id](Notes& into, const Notes& from) { into[id] = from.at(id); }, [](const QString& text) { return text; });
    }
    const auto written = FieldChanges::toWrite(merged, merge);
    if (!written)
        return written.failure();
    for (const auto& [id, notes] : *written)
        if (!Sql::exec(m_db, QStringLiteral("UPDATE Berth SET Notes = ? WHERE ID = ?"), {notes, id}, &error))
            return databaseFailure(error);
    if (!tx.commit(&error))
        return databaseFailure(error);
    for (const auto& [id, notes] : *written)
        m_stored[id] = notes;
    m_edited.clear();
    return Done{};
}

void BerthNotes::adopt(const FieldChanges::Merge<Notes>& merge, bool keepTheirs)
{
    for (const auto& [id, theirs] : merge.theirs())
        m_stored[id] = theirs;
    for (const auto& [id, notes] : merge.chosen(keepTheirs))
        m_edited[id] = notes;
}
