#pragma once

#include <QList>
#include <QString>

/// One field another desk changed while a person was editing the same record: its caption, what the other desk
/// stored, and what this person typed.
struct FieldChange
{
    QString field;
    QString theirs;
    QString mine;
    bool operator==(const FieldChange&) const = default;
};

namespace FieldChanges {
/// Adds the field to changes when the other desk changed it (theirs differs from what was seen).
void compare(QList<FieldChange>& changes, const QString& field, const QString& seen, const QString& theirs,
             const QString& mine);
/// The question put when a save found the record changed meanwhile, naming what, each field theirs and mine, and
/// what Yes (keep mine over theirs), No (take theirs) and Cancel (go back to editing) do.
QString question(const QString& what, const QList<FieldChange>& changes);
} // namespace FieldChanges
