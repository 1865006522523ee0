#pragma once

#include "core/FieldChanges.h"
#include "core/Result.h"

#include <QSqlDatabase>
#include <QString>
#include <map>
#include <optional>
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

    /// Notes by berth ID.
    using Notes = std::map<int, QString>;
    /// Stores the changed notes in one transaction, each merged with what another desk stored since they were read;
    /// on failure nothing is stored and the edits are kept. A Conflict when another desk deleted a berth edited
    /// here, or changed the notes of one edited here differently: merge then lists those berths.
    Status save(std::optional<FieldChanges::Merge<Notes>>* merge = nullptr);
    /// After such a Conflict: what the other desk stored counts as read, and the notes edited here are those chosen
    /// (theirs in the conflicting berths when keepTheirs), for the next save().
    void adopt(const FieldChanges::Merge<Notes>& merge, bool keepTheirs);

private:
    QSqlDatabase m_db;
    std::vector<Berth> m_berths;
    Notes m_stored;
    Notes m_edited;
};
