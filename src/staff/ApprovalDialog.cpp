#include "staff/ApprovalDialog.h"

#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/Texts.h"
#include "staff/Permissions.h"
#include "staff/SignInDialog.h"

#include <QCoreApplication>
#include <QWidget>

namespace Permission {

bool askOrApprove(const Services& services, QWidget* parent, Action action)
{
    const Status may = Permissions::mayActNow(services.db(), action);
    if (may)
        return true;
    const QString title = parent ? parent->window()->windowTitle() : Texts::productTitle();
    if (may.kind() != FailureKind::Refused) {
        MessageLog::logError(QStringLiteral("Permission.askOrApprove: %1").arg(may.error()));
        services.messages.show(may.error(), title, MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    const int answer =
        services.messages.choose(may.error(), title, {QCoreApplication::translate("Permission", "&Ask a manager...")});
    if (answer != 0)
        return false;
    return SignInDialog::approve(services, parent, action);
}

} // namespace Permission
