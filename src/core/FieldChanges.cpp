#include "core/FieldChanges.h"

#include <QCoreApplication>
#include <QStringList>

namespace FieldChanges {

Outcome outcome(bool theirsAsLoaded, bool mineAsLoaded, bool theirsAsMine)
{
    if (theirsAsLoaded)
        return mineAsLoaded ? Outcome::Unchanged : Outcome::Mine;
    if (mineAsLoaded)
        return Outcome::Theirs;
    return theirsAsMine ? Outcome::BothSame : Outcome::BothDiffer;
}

QString conflictText()
{
    return QCoreApplication::translate("FieldChanges",
                                       "Another desk changed the same fields while you were editing, so nothing was "
                                       "saved.");
}

QString question(const QString& what, const QList<FieldChange>& conflicts)
{
    QStringList lines;
    // An empty value is named, so that a cleared field does not read as a missing line.
    const auto shown = [](const QString& value) {
        return value.isEmpty() ? QCoreApplication::translate("FieldChanges", "(empty)")
                               : QStringLiteral("\u201c%1\u201d").arg(value.simplified());
    };
    for (const FieldChange& change : conflicts)
        lines << QCoreApplication::translate("FieldChanges", "%1 theirs %2, yours %3")
                     .arg(change.field, shown(change.theirs), shown(change.mine));
    return QCoreApplication::translate("FieldChanges", "Another desk changed this %1 while you were editing it:\n\n%2"
                                                       "\n\nYes keeps theirs, No saves yours over theirs, Cancel goes "
                                                       "back to editing. Your other changes are saved either way.")
        .arg(what, lines.join(u'\n'));
}

} // namespace FieldChanges
