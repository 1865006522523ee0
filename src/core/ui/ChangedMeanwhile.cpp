#include "core/ui/ChangedMeanwhile.h"

#include "core/Seams.h"

Meanwhile askAboutChanges(IMessageBox& messages, const QString& title, const QString& what,
                          const QList<FieldChange>& conflicts)
{
    switch (messages.show(FieldChanges::question(what, conflicts), title, MsgIcon::Question, MsgButtons::YesNoCancel)) {
    case MsgResult::Yes:
        return Meanwhile::KeepTheirs;
    case MsgResult::No:
        return Meanwhile::KeepMine;
    default:
        return Meanwhile::GoBack;
    }
}
