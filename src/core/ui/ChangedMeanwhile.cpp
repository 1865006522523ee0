#include "core/ui/ChangedMeanwhile.h"

#include "core/Seams.h"

Meanwhile askAboutChanges(IMessageBox& messages, const QString& title, const QString& what,
                          const QList<FieldChange>& changes)
{
    switch (messages.show(FieldChanges::question(what, changes), title, MsgIcon::Question, MsgButtons::YesNoCancel)) {
    case MsgResult::Yes:
        return Meanwhile::KeepMine;
    case MsgResult::No:
        return Meanwhile::TakeTheirs;
    default:
        return Meanwhile::GoBack;
    }
}
