#include "shell/MainWindow.h"

#include "berths/AdvancedCalendarWindow.h"
#include "berths/BerthNotesDialog.h"
#include "berths/BerthRegister.h"
#include "berths/BerthRemoval.h"
#include "berths/BerthSetupWizard.h"
#include "berths/BookingChartWindow.h"
#include "berths/CalendarWindow.h"
#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizard.h"
#include "bookings/DependentBookings.h"
#include "bookings/FindBookingWindow.h"
#include "bookings/QuickSearchWidgets.h"
#include "bookings/RemindersWindow.h"
#include "calendars/CalendarsDialog.h"
#include "contracts/ContractsWindow.h"
#include "contracts/RenewalsDialog.h"
#include "core/EventLog.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "imports/ImportWizard.h"
#include "maintenance/MaintenanceMenu.h"
#include "meters/MetersDialog.h"
#include "outputs/ContractListsWindow.h"
#include "outputs/ExportMenu.h"
#include "outputs/MailingListWizard.h"
#include "outputs/ReportManager.h"
#include "outputs/TodayWindow.h"
#include "outputs/WebBookMenu.h"
#include "outputs/WebBookWizard.h"
#include "people/CustomerDialog.h"
#include "people/CustomerListWindow.h"
#include "people/FindCustomerDialog.h"
#include "people/OwnerListWindow.h"
#include "rates/RatesDialog.h"
#include "requests/RequestsWindow.h"
#include "shell/AboutDialog.h"
#include "shell/ClosedPeriodDialog.h"
#include "shell/CompanyDialog.h"
#include "shell/EventLogViewer.h"
#include "shell/HelpPages.h"
#include "shell/MailTemplatesDialog.h"
#include "shell/RegionalSettingsDialog.h"
#include "shell/ShellResources.h"
#include "shell/TipOfTheDayDialog.h"
#include "staff/SignInDialog.h"
#include "staff/UsersWindow.h"
#include "waiting/WaitingListWindow.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

// The menus, the toolbar and what each item opens: every new window adds its line here.

namespace {

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

} // namespace

QAction* MainWindow::addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    item->setEnabled(false); // until a window is connected to it
    return item;
}

void MainWindow::addSeparator(QMenu* menu, const QString& name, bool visible)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    separator->setVisible(visible);
}

void MainWindow::buildMenus()
{
    auto topMenu = [this](const QString& caption, const QString& name) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };

    QMenu* mnuFile = topMenu(tr("&File"), QStringLiteral("mnuFile"));
    addItem(mnuFile, QStringLiteral("mnuFileExportCustomers"), tr("Export C&ustomers..."));
    addItem(mnuFile, QStringLiteral("mnuFileExportReservations"), tr("Export Reser&vations"));
    addItem(mnuFile, QStringLiteral("mnuFileExportTodaysReservations"), tr("Export T&oday's Reservations"));
    addItem(mnuFile, QStringLiteral("mnuFileImport"), tr("&Import..."));
    addSeparator(mnuFile, QStringLiteral("mnuFile1"));
    addItem(mnuFile, QStringLiteral("mnuFileCompactDB"), tr("&Compact && repair database"));
    addItem(mnuFile, QStringLiteral("mnuFileBackupDB"), tr("&Backup database ..."));
    addItem(mnuFile, QStringLiteral("mnuFileRestoreDB"), tr("&Restore database ..."));
    addSeparator(mnuFile, QStringLiteral("mnuFile2"));
    addItem(mnuFile, QStringLiteral("mnuFileDayEndTrace"), tr("End of &workday"));
    addItem(mnuFile, QStringLiteral("mnuFileTracesView"), tr("View &trace log"));
    addItem(mnuFile, QStringLiteral("mnuFileSwitchUser"), tr("&Switch User..."));
    addSeparator(mnuFile, QStringLiteral("mnuFile4"));
    addItem(mnuFile, QStringLiteral("mnuFileExit"), tr("E&xit"));

    QMenu* mnuEdit = topMenu(tr("&Edit"), QStringLiteral("mnuEdit"));
    const QList<std::pair<QString, QKeySequence>> editItems = {
        {tr("&Undo"), ctrl(Qt::Key_Z)},  {QStringLiteral("-"), {}},
        {tr("Cu&t"), ctrl(Qt::Key_X)},   {tr("&Copy"), ctrl(Qt::Key_C)},
        {tr("&Paste"), ctrl(Qt::Key_V)}, {QStringLiteral("-"), {}},
        {tr("C&lear"), Qt::Key_Delete},  {tr("Select &All"), ctrl(Qt::Key_A)},
    };
    for (int index = 0; index < editItems.size(); ++index) {
        const QString name = QStringLiteral("mnuEditAction%1").arg(index);
        if (editItems[index].first == QStringLiteral("-")) {
            QAction* separator = mnuEdit->addSeparator();
            separator->setObjectName(name);
            m_editActions.append(separator);
            continue;
        }
        QAction* item = addItem(mnuEdit, name, editItems[index].first, editItems[index].second);
        connect(item, &QAction::triggered, this, [this, index] { runEditAction(index); });
        m_editActions.append(item);
    }
    connect(mnuEdit, &QMenu::aboutToShow, this, &MainWindow::updateEditMenu);

    QMenu* mnuWebBook = topMenu(tr("&Web Bookings"), QStringLiteral("mnuWebBook"));
    addItem(mnuWebBook, QStringLiteral("mnuWebBookConfigure"), tr("&Configure Web Bookings..."));
    addItem(mnuWebBook, QStringLiteral("mnuWebBookCreatePage"), tr("C&reate Web Booking Page..."));

    QMenu* mnuBookings = topMenu(tr("&Bookings"), QStringLiteral("mnuBookings"));
    addItem(mnuBookings, QStringLiteral("mnuBookingsAdd"), tr("&Add Booking"), ctrl(Qt::Key_B));
    addItem(mnuBookings, QStringLiteral("mnuBookingsFind"), tr("&Find Booking..."), ctrl(Qt::Key_F));
    addItem(mnuBookings, QStringLiteral("mnuBookingsReport"), tr("View &Reports"));
    addItem(mnuBookings, QStringLiteral("mnuBookingsToday"), tr("&Today"), ctrl(Qt::Key_T));
    addItem(mnuBookings, QStringLiteral("mnuBookingsCashUp"), tr("Today's &cash-up..."));
    addItem(mnuBookings, QStringLiteral("mnuBookingsContracts"), tr("C&ontracts..."));
    addItem(mnuBookings, QStringLiteral("mnuBookingsRenewContracts"), tr("Rene&w Contracts..."));
    addItem(mnuBookings, QStringLiteral("mnuBookingsContractLists"), tr("Contract L&ists..."));
    addItem(mnuBookings, QStringLiteral("mnuBookingsReminders"), tr("Re&minders..."));
    addItem(mnuBookings, QStringLiteral("mnuBookingsRequests"), tr("Re&quests..."));
    addItem(mnuBookings, QStringLiteral("mnuBookingsClosedMonths"), tr("Close&d Months..."));
    addSeparator(mnuBookings, QStringLiteral("mnuBookings1"));
    addItem(mnuBookings, QStringLiteral("mnuBookingsCalendarAdvanced"), tr("View Ad&vanced Calendar"), ctrl(Qt::Key_D));
    addItem(mnuBookings, QStringLiteral("mnuBookingsCalendar"), tr("View &Simple Calendar"), ctrl(Qt::Key_S));
    addItem(mnuBookings, QStringLiteral("mnuBookingsChart"), tr("Booking C&hart"), ctrl(Qt::Key_H));
    addSeparator(mnuBookings, QStringLiteral("mnuBookings2"));
    addItem(mnuBookings, QStringLiteral("mnuBookingsSlipNotes"), tr("Berth / Rentals  &Notes..."));

    QMenu* mnuCustomers = topMenu(tr("&Customers"), QStringLiteral("mnuCustomers"));
    addItem(mnuCustomers, QStringLiteral("mnuCustomersView"), tr("&View Customers"), ctrl(Qt::Key_O));
    addItem(mnuCustomers, QStringLiteral("mnuCustomersFind"), tr("&Find Customer..."), ctrl(Qt::Key_M));
    addItem(mnuCustomers, QStringLiteral("mnuCustomersWaitingList"), tr("&Waiting List..."));
    addSeparator(mnuCustomers, QStringLiteral("mnuCustomers1"));
    addItem(mnuCustomers, QStringLiteral("mnuCustomersMailingListWizard"), tr("&Email Mailing List Wizard..."));

    QMenu* mnuconfig = topMenu(tr("C&onfigure"), QStringLiteral("mnuconfig"));
    addItem(mnuconfig, QStringLiteral("mnuConfigWizard"), tr("Configuration &Wizard..."));
    addSeparator(mnuconfig, QStringLiteral("mnuConfig1"));
    addItem(mnuconfig, QStringLiteral("mnuconfigcompany"), tr("&Company..."));
    addItem(mnuconfig, QStringLiteral("mnuConfigRegionalSettings"), tr("Re&gional Settings..."));
    addItem(mnuconfig, QStringLiteral("mnuConfigBerths"), tr("&Berths..."));
    addItem(mnuconfig, QStringLiteral("mnuConfigBerthOwners"), tr("Berth &Owners..."));
    addItem(mnuconfig, QStringLiteral("mnuConfigRates"), tr("&Rates..."));
    addItem(mnuconfig, QStringLiteral("mnuConfigMeters"), tr("&Meters..."));
    addItem(mnuconfig, QStringLiteral("mnuConfigCalendars"), tr("Ca&lendars..."));
    addItem(mnuconfig, QStringLiteral("mnuConfigMailTemplates"), tr("E-mail &Templates..."));
    addItem(mnuconfig, QStringLiteral("mnuConfigUsers"), tr("&Users..."));

    // Index and Tip of the Day are kept but not shown; Contents opens the pages shipped with the program.
    QMenu* mnuHelp = topMenu(tr("&Help"), QStringLiteral("mnuHelp"));
    addItem(mnuHelp, QStringLiteral("mnuHelpContents"), tr("&Contents..."));
    addItem(mnuHelp, QStringLiteral("mnuHelpIndex"), tr("&Index..."))->setVisible(false);
    addItem(mnuHelp, QStringLiteral("mnuHelpTipOfTheDay"), tr("&Tip of the Day..."))->setVisible(false);
    addSeparator(mnuHelp, QStringLiteral("mnuHelp1"));
    addItem(mnuHelp, QStringLiteral("mnuHelpSupport"), tr("Online &Support"));
    addSeparator(mnuHelp, QStringLiteral("mnuHelp3"));
    addItem(mnuHelp, QStringLiteral("mnuHelpAbout"), tr("&About..."));
}

QAction* MainWindow::addButton(const QString& name, const QString& caption, const QString& icon, const QString& item)
{
    QAction* target = menuItem(item);
    Q_ASSERT(target);
    QAction* button = m_tbrMain->addAction(ShellResources::icon(icon), caption);
    button->setObjectName(name);
    button->setEnabled(target->isEnabled());
    connect(target, &QAction::enabledChanged, button, &QAction::setEnabled);
    connect(button, &QAction::triggered, target, &QAction::trigger);
    return button;
}

void MainWindow::buildToolbar()
{
    m_tbrMain = addToolBar(tr("Toolbar"));
    m_tbrMain->setObjectName(QStringLiteral("tbrMain"));
    m_tbrMain->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_tbrMain->setIconSize(QSize(32, 32));
    m_tbrMain->setMovable(false);
    addButton(QStringLiteral("tbrAddReservation"), tr("Add Reservation"), QStringLiteral("add-reservation"),
              QStringLiteral("mnuBookingsAdd"));
    addButton(QStringLiteral("tbrCalendar"), tr("Calendar"), QStringLiteral("calendar"),
              QStringLiteral("mnuBookingsCalendar"));
    addButton(QStringLiteral("tbrAdvancedCalendar"), tr("Advanced Calendar"), QStringLiteral("advanced-calendar"),
              QStringLiteral("mnuBookingsCalendarAdvanced"));
    addButton(QStringLiteral("tbrViewCustomers"), tr("View Customers"), QStringLiteral("customers"),
              QStringLiteral("mnuCustomersView"));
    addButton(QStringLiteral("tbrReports"), tr("Reports"), QStringLiteral("reports"),
              QStringLiteral("mnuBookingsReport"));
    addButton(QStringLiteral("tbrToday"), tr("Today"), QStringLiteral("today"), QStringLiteral("mnuBookingsToday"));
    addButton(QStringLiteral("tbrBookingChart"), tr("Booking Chart"), QStringLiteral("booking-chart"),
              QStringLiteral("mnuBookingsChart"));

    // "Find" runs nothing itself: it only drops down its two searches.
    auto* findMenu = new QMenu(this);
    findMenu->setObjectName(QStringLiteral("tbrFindMenu"));
    QAction* find = m_tbrMain->addAction(ShellResources::icon(QStringLiteral("find")), tr("Find"));
    find->setObjectName(QStringLiteral("tbrFind"));
    find->setMenu(findMenu);
    QAction* customer = menuItem(QStringLiteral("mnuCustomersFind"));
    QAction* reservation = menuItem(QStringLiteral("mnuBookingsFind"));
    // The entry's name keeps the English word whatever language its caption is shown in.
    struct Search
    {
        QAction* target;
        QString name;
        QString caption;
    };
    const QList<Search> searches = {{customer, QStringLiteral("Customer"), tr("Customer")},
                                    {reservation, QStringLiteral("Reservation"), tr("Reservation")}};
    for (const auto& [target, name, caption] : searches) {
        QAction* entry = findMenu->addAction(caption);
        entry->setObjectName(QStringLiteral("tbrFind") + name);
        entry->setEnabled(target->isEnabled());
        connect(target, &QAction::enabledChanged, entry, &QAction::setEnabled);
        connect(entry, &QAction::triggered, target, &QAction::trigger);
    }
    auto followSearches = [find, customer, reservation] {
        find->setEnabled(customer->isEnabled() || reservation->isEnabled());
    };
    connect(customer, &QAction::enabledChanged, this, followSearches);
    connect(reservation, &QAction::enabledChanged, this, followSearches);
    followSearches();
    if (auto* button = qobject_cast<QToolButton*>(m_tbrMain->widgetForAction(find)))
        button->setPopupMode(QToolButton::InstantPopup);

    addButton(QStringLiteral("tbrWebBookings"), tr("Web Bookings"), QStringLiteral("web-bookings"),
              QStringLiteral("mnuWebBookConfigure"));

    // One box finds bookings and customers by part of a name, a confirmation number, a boat or a berth.
    auto* quick = new QuickSearchBox(m_services, m_tbrMain);
    quick->setMaximumWidth(quick->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28);
    quick->setEnabled(reservation->isEnabled());
    connect(reservation, &QAction::enabledChanged, quick, &QLineEdit::setEnabled);
    connect(quick, &QuickSearchBox::bookingChosen, this,
            [this](int id) { BookingSummaryWindow::display(*this, m_services, id); });
    connect(quick, &QuickSearchBox::customerChosen, this, [this](int id) {
        CustomerDialog dialog(m_services, this);
        dialog.display(RecordMode::Edit, id);
    });
    auto* focusSearch = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    focusSearch->setObjectName(QStringLiteral("scQuickSearch"));
    connect(focusSearch, &QShortcut::activated, quick, [quick] {
        if (!quick->isEnabled())
            return;
        quick->setFocus(Qt::ShortcutFocusReason);
        quick->selectAll();
    });
    m_tbrMain->addWidget(quick);
}

QAction* MainWindow::menuItem(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void MainWindow::connectItem(const QString& objectName, std::function<void()> handler)
{
    QAction* item = menuItem(objectName);
    Q_ASSERT_X(item, "MDIMain::ConnectItem", "no such menu item");
    if (!item)
        return;
    connect(item, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    item->setEnabled(true);
}

void MainWindow::connectWindows()
{
    connectItem(QStringLiteral("mnuFileDayEndTrace"), [this] { endOfWorkday(); });
    connectItem(QStringLiteral("mnuFileTracesView"), [this] { EventLogViewer::display(m_services, this); });
    connectItem(QStringLiteral("mnuFileExit"), [this] { close(); });
    connectItem(QStringLiteral("mnuconfigcompany"), [this] { CompanyDialog::display(m_services, this); });
    connectItem(QStringLiteral("mnuConfigRates"), [this] { RatesDialog::display(m_services, this); });
    connectItem(QStringLiteral("mnuConfigMeters"), [this] { MetersDialog::display(m_services, this); });
    connectItem(QStringLiteral("mnuConfigCalendars"), [this] { CalendarsDialog::display(m_services, this); });
    connectItem(QStringLiteral("mnuConfigMailTemplates"), [this] { MailTemplatesDialog::display(m_services, this); });
    connectItem(QStringLiteral("mnuBookingsReminders"), [this] { RemindersWindow::display(m_services, this); });
    connectItem(QStringLiteral("mnuBookingsRequests"), [this] { RequestsWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuConfigUsers"), [this] { UsersWindow::display(m_services, this); });
    connectItem(QStringLiteral("mnuFileSwitchUser"),
                [this] { SignInDialog::signIn(m_services, this, SignInDialog::Purpose::Switch); });
    connectItem(QStringLiteral("mnuConfigRegionalSettings"),
                [this] { RegionalSettingsDialog::showModal(m_services, this); });
    connectItem(QStringLiteral("mnuHelpContents"), [this] { showHelp(QStringLiteral("index.html")); });
    connectItem(QStringLiteral("mnuHelpIndex"), [this] { showHelp(QStringLiteral("keywords.html")); });
    connectItem(QStringLiteral("mnuHelpTipOfTheDay"), [this] { TipOfTheDayDialog::showModal(this); });
    connectItem(QStringLiteral("mnuHelpSupport"), [this] {
        QString address = Registry::getRegistryValue(Settings::SupportUrl).trimmed();
        if (address.isEmpty())
            address = Settings::SupportUrl.defaultValue;
        if (const Status opened = HelpPages::openAddress(m_services.desktop, address); !opened)
            m_services.messages.show(opened.error(), caption(), MsgIcon::Exclamation, MsgButtons::Ok);
    });
    connectItem(QStringLiteral("mnuHelpAbout"), [this] { AboutDialog::display(m_services, this); });
    connectItem(QStringLiteral("mnuCustomersView"), [this] {
        CustomerListWindow::display(*this, m_services, ContractStore::guardingHolders(DependentBookings::ofCustomer()));
    });
    connectItem(QStringLiteral("mnuCustomersFind"), [this] {
        FindCustomerDialog::display(m_services, ContractStore::guardingHolders(DependentBookings::ofCustomer()), this);
    });
    connectItem(QStringLiteral("mnuCustomersWaitingList"), [this] { WaitingListWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuConfigBerthOwners"),
                [this] { OwnerListWindow::display(*this, m_services, BerthRemoval::ofOwner()); });
    connectItem(QStringLiteral("mnuBookingsAdd"),
                [this] { BookingWizard::display(*this, m_services, RecordMode::Add, 0); });
    connectItem(QStringLiteral("mnuBookingsFind"), [this] { FindBookingWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuBookingsChart"), [this] { BookingChartWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuBookingsContracts"), [this] { ContractsWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuBookingsRenewContracts"), [this] { RenewalsDialog::display(*this, m_services); });
    connectItem(QStringLiteral("mnuBookingsContractLists"), [this] { ContractListsWindow::display(m_services, this); });
    connectItem(QStringLiteral("mnuFileBackupDB"), [this] { MaintenanceMenu::backUp(m_services, *this); });
    connectItem(QStringLiteral("mnuFileImport"), [this] {
        ImportWizard(
            m_services, [this] { return MaintenanceMenu::backUpBeforeImport(m_services, *this); }, this)
            .exec();
    });
    connectItem(QStringLiteral("mnuFileRestoreDB"), [this] { MaintenanceMenu::restore(m_services, *this); });
    connectItem(QStringLiteral("mnuFileCompactDB"), [this] { MaintenanceMenu::compact(m_services, *this); });
    connectItem(QStringLiteral("mnuConfigBerths"), [this] { BerthRegister::display(m_services, this); });
    connectItem(QStringLiteral("mnuBookingsSlipNotes"), [this] { BerthNotesDialog::display(m_services, this); });
    connectItem(QStringLiteral("mnuBookingsCalendar"), [this] { CalendarWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuBookingsCalendarAdvanced"),
                [this] { AdvancedCalendarWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuConfigWizard"), [this] {
        // The company's details come first, then the wizard.
        CompanyDialog::display(m_services, this);
        BerthSetupWizard::display(m_services, this);
    });
    connectItem(QStringLiteral("mnuWebBookConfigure"), [this] { WebBookWizard::display(m_services, this); });
    connectItem(QStringLiteral("mnuWebBookCreatePage"), [this] { WebBookMenu::createStoredPage(m_services); });
    connectItem(QStringLiteral("mnuCustomersMailingListWizard"),
                [this] { MailingListWizard::display(m_services, this); });
    connectItem(QStringLiteral("mnuBookingsReport"), [this] { ReportManager::display(*this, m_services); });
    connectItem(QStringLiteral("mnuBookingsToday"), [this] { TodayWindow::display(*this, m_services); });
    // The Report Manager stays open behind the preview, for another day or period.
    connectItem(QStringLiteral("mnuBookingsClosedMonths"), [this] { ClosedPeriodDialog::display(m_services, this); });
    connectItem(QStringLiteral("mnuBookingsCashUp"),
                [this] { ReportManager::display(*this, m_services)->showTodaysCashUp(); });
    connectItem(QStringLiteral("mnuFileExportCustomers"), [this] { ExportMenu::exportCustomers(m_services); });
    connectItem(QStringLiteral("mnuFileExportReservations"), [this] { ExportMenu::exportReservations(m_services); });
    connectItem(QStringLiteral("mnuFileExportTodaysReservations"),
                [this] { ExportMenu::exportTodaysReservations(m_services); });
}
