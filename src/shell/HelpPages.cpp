#include "shell/HelpPages.h"

#include "core/InstallPaths.h"
#include "core/Seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace HelpPages {

QString helpFolder()
{
    return InstallPaths::appDir() + QStringLiteral("/help");
}

QString pageFor(const QString& windowName)
{
    static const QHash<QString, QString> pages = {
        {QStringLiteral("frmBooking"), QStringLiteral("bookings.html#add")},
        {QStringLiteral("frmFindBooking"), QStringLiteral("bookings.html#find")},
        {QStringLiteral("frmBookingSummary"), QStringLiteral("bookings.html#summary")},
        {QStringLiteral("frmPayment"), QStringLiteral("bookings.html#payments")},
        {QStringLiteral("frmCancelPaid"), QStringLiteral("bookings.html#payments")},
        {QStringLiteral("frmViewCustomers"), QStringLiteral("customers.html#customers")},
        {QStringLiteral("frmAddCustomer"), QStringLiteral("customers.html#customers")},
        {QStringLiteral("frmFindCustomer"), QStringLiteral("customers.html#customers")},
        {QStringLiteral("frmBoat"), QStringLiteral("customers.html#customers")},
        {QStringLiteral("frmViewOwners"), QStringLiteral("customers.html#owners")},
        {QStringLiteral("frmAddOwner"), QStringLiteral("customers.html#owners")},
        {QStringLiteral("frmWizardMailList"), QStringLiteral("customers.html#exports")},
        {QStringLiteral("frmBerth"), QStringLiteral("berths.html#register")},
        {QStringLiteral("frmEditBerths"), QStringLiteral("berths.html#register")},
        {QStringLiteral("frmWizardConfig"), QStringLiteral("berths.html#wizard")},
        {QStringLiteral("frmBerthNotes"), QStringLiteral("berths.html#notes")},
        {QStringLiteral("frmCalendar"), QStringLiteral("calendars.html#simple")},
        {QStringLiteral("frmCalendarPlus"), QStringLiteral("calendars.html#advanced")},
        {QStringLiteral("frmBookingChart"), QStringLiteral("calendars.html")},
        {QStringLiteral("frmBlockBerth"), QStringLiteral("calendars.html")},
        {QStringLiteral("frmReports"), QStringLiteral("calendars.html#reports")},
        {QStringLiteral("frmFigure"), QStringLiteral("calendars.html#reports")},
        {QStringLiteral("frmViewEventLog"), QStringLiteral("maintenance.html#events")},
        {QStringLiteral("frmBackup"), QStringLiteral("maintenance.html#backup")},
        {QStringLiteral("frmCompact"), QStringLiteral("maintenance.html#compact")},
        {QStringLiteral("frmRegionalSettings"), QStringLiteral("settings.html#regional")},
        {QStringLiteral("frmTipOfTheDay"), QStringLiteral("settings.html#tips")},
    };
    return pages.value(windowName, QStringLiteral("index.html"));
}

Status open(IDesktop& desktop, const QString& page)
{
    const QString path = helpFolder() + u'/' + page.section(u'#', 0, 0);
    if (!QFileInfo(path).isFile())
        return fileFailure(QCoreApplication::translate("HelpPages", "The help page %1 cannot be found.")
                               .arg(QDir::toNativeSeparators(path)));
    QUrl url = QUrl::fromLocalFile(path);
    if (page.contains(u'#'))
        url.setFragment(page.section(u'#', 1));
    if (!desktop.open(url))
        return fileFailure(
            QCoreApplication::translate("HelpPages", "The help page %1 could not be opened: no web browser answered.")
                .arg(QDir::toNativeSeparators(path)));
    return Done{};
}

Status openAddress(IDesktop& desktop, const QString& address)
{
    if (!desktop.open(QUrl(address)))
        return fileFailure(QCoreApplication::translate("HelpPages", "%1 could not be opened: no web browser answered. "
                                                                    "Type the address into a browser.")
                               .arg(address));
    return Done{};
}

} // namespace HelpPages
