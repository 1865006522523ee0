#include "outputs/ExportMenu.h"

#include "core/EventLog.h"
#include "core/Seams.h"
#include "outputs/CsvExport.h"
#include "staff/ApprovalDialog.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace ExportMenu {

namespace {
bool run(const Services& services, const CsvExport::Command& command)
{
    // Every one of these lists names people.
    if (!Permission::askOrApprove(services, nullptr, Action::PersonalExports))
        return false;
    bool written = false;
    if (auto rows = CsvExport::firstRow(services.db(), command); !rows) {
        services.messages.show(rows.error(), QCoreApplication::translate("ExportMenu", "Export"), MsgIcon::Exclamation);
    } else if (const QString path = services.files.choose(CsvExport::saveRequest(command)); !path.isEmpty()) {
        // A file that cannot be written is not the user's to hear about: the reason is logged.
        written = CsvExport::writeFile(**rows, CsvExport::withCsvExtension(path), command.style).ok();
    }
    services.events.log(command.event);
    return written;
}
} // namespace

bool exportTable(const Services& services, const CsvExport::Table& table, const QString& proposedName,
                 const QString& title)
{
    bool written = false;
    if (table.rows.isEmpty()) {
        services.messages.show(CsvExport::noData(), QCoreApplication::translate("ExportMenu", "Export"),
                               MsgIcon::Exclamation);
    } else {
        CsvExport::Command naming;
        naming.proposedName = proposedName;
        naming.title = title;
        if (const QString path = services.files.choose(CsvExport::saveRequest(naming)); !path.isEmpty())
            written = CsvExport::writeFile(table, CsvExport::withCsvExtension(path)).ok();
    }
    services.events.log(EventLog::ReportGenerated);
    return written;
}

bool exportCustomers(const Services& services)
{
    return run(services, CsvExport::customers());
}

bool exportReservations(const Services& services)
{
    return run(services, CsvExport::reservations());
}

bool exportTodaysReservations(const Services& services)
{
    return run(services, CsvExport::todaysReservations(services.clock.now().date()));
}

bool exportPayments(const Services& services, const QDate& first, const QDate& last)
{
    return run(services, CsvExport::payments(first, last));
}

} // namespace ExportMenu
