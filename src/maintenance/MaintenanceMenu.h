#pragma once

#include "core/Result.h"

#include <QString>

struct Services;
class IWindowHost;

/// The File menu's three maintenance items. Each closes the shared connection around its work, after the open
/// windows have let go of their data, then opens it again and has the windows read the database afresh.
namespace MaintenanceMenu {

/// The database the program has open: the file or server address the shared connection was opened on; the
/// "data" setting while it is closed.
QString databaseFile(const Services& services);

/// Asks for an archive: a save dialog proposing "SPA_ddMMyyyy.SPA", or an open dialog. Empty when the user
/// cancelled (silently) or chose a path that cannot be used ("Bad file name", written to message.log).
QString fileSelect(Services& services, const QString& title, bool save);

/// "&Backup database ...": the chosen archive gets the database; event 20 whatever the outcome.
void backUp(Services& services, IWindowHost& host);
/// The backup an import takes first, asking nothing: "Import_yyyyMMdd_HHmmss.SPA" beside the database (a server's
/// in this desk's data folder). The archive's path, or why there is none.
Result<QString> backUpBeforeImport(Services& services, IWindowHost& host);
/// "&Restore database ...": the database is replaced from the chosen archive; event 21 whatever the outcome.
void restore(Services& services, IWindowHost& host);
/// "&Compact && repair database": the database is rewritten in place; event 19 whatever the outcome.
void compact(Services& services, IWindowHost& host);

} // namespace MaintenanceMenu
