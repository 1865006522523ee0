#pragma once

#include "core/FieldChanges.h"
#include "core/Result.h"

#include <QSqlDatabase>
#include <QString>
#include <map>
#include <vector>

/// The notes of the berths edited in one visit of the berth notes window: read once, changed in memory for any
/// number of berths, stored together in one transaction. Nothing is written until Save.
class BerthNotes final
{
public:
    struct Berth
    {
        int id = 0;
        QString name;
    };

    explicit BerthNotes(QSqlDatabase db);
    Q_DISABLE_COPY_MOVE(BerthNotes)

    /// Reads the berths and their notes.
    Status load();
    /// The berths by name (case ignored), for the choice of a berth.
    const std::vector<Berth>& berths() const { return m_berths; }

    /// The notes as edited so far (the stored notes where untouched); empty for an unknown berth.
    QString notes(int id) const;
    void setNotes(int id, const QString& notes);
    /// Whether any berth's notes differ from what was read.
    bool changed() const;

    /// Stores the changed notes in one transaction, each only over the notes as they were read; on failure nothing
    /// is stored and the edits are kept. A Conflict when another desk changed or deleted the notes of a berth
    /// edited here meanwhile: changes lists each (the berth, theirs and mine) and resolve() says what follows.
    Status save(QList<FieldChange>* changes = nullptr);
    /// After a Conflict: what the other desk stored counts as read, so the next save() stores the edits over it
    /// (keepMine), or the edits of those berths are dropped and their notes are the other desk's.
    void resolve(bool keepMine);

private:
    QSqlDatabase m_db;
    std::vector<Berth> m_berths;
    std::map<int, QString> m_stored;
    std::map<int, QString> m_edited;
    std::map<int, QString> m_theirs; // what the last save found another desk had stored
};
