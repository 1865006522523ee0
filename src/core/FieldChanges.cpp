#include "core/FieldChanges.h"

#include <QCoreApplication>
#include <QStringList>

namespace FieldChanges {

void compare(QList<FieldChange>& changes, const QString& field, const QString& seen, const QString& theirs,
             const QString& mine)
{
    if (theirs != seen)
        changes.append({field, theirs, mine});
}

QString question(const QString& what, const QList<FieldChange>& changes)
{
    QStringList lines;
    // An empty value is named, so that a cleared field does not read as a missing line.
    const auto shown = [](const QString& value) {
        return value.isEmpty() ? QCoreApplication::translate("FieldChanges", "(empty)")
                               : QStringLiteral("\u201c%1\u201d").arg(value.simplified());
    };
    for (const FieldChange& change : changes)
        lines << QCoreApplication::translate("FieldChanges", "%1 theirs %2, yours %3")
                     .arg(change.field, shown(change.theirs), shown(change.mine));
    return QCoreApplication::translate("FieldChanges", "Another desk changed this %1 while you were editing it:\n\n%2"
                                                       "\n\nYes saves yours over theirs, No takes theirs, Cancel goes "
                                                       "back to editing.")
        .arg(what, lines.join(u'\n'));
}

} // namespace FieldChanges
