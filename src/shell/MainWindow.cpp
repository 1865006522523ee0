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
#include "core/EventLog.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/WindowPlacement.h"
#include "maintenance/MaintenanceMenu.h"
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
#include "shell/AboutDialog.h"
#include "shell/CompanyDialog.h"
#include "shell/EditActions.h"
#include "shell/EventLogViewer.h"
#include "shell/HelpPages.h"
#include "shell/RegionalSettingsDialog.h"
#include "shell/ShellResources.h"
#include "shell/TipOfTheDayDialog.h"
#include "waiting/WaitingListWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

namespace {

// The Edit menu's items by index, as the edit handler numbers them.
enum EditIndex
{
    EditUndo = 0,
    EditCut = 2,
    EditCopy = 3,
    EditPaste = 4,
    EditClear = 6,
    EditSelectAll = 7
};

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

} // namespace

MainWindow::MainWindow(Services& services, QWidget* parent) : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(caption());
    setWindowIcon(QIcon(ShellResources::logo()));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(QColor(0x5f, 0x7f, 0x93));
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::onSubWindowActivated);

    buildMenus();
    buildToolbar();
    connectWindows();
    updateEditMenu();
    // The Edit items follow the focus, so their shortcuts never compete with a child window's own keys.
    connect(qApp, &QApplication::focusChanged, this, [this] { updateEditMenu(); });
    qApp->installEventFilter(this); // F1
    restoreLayout();
}

MainWindow::~MainWindow()
{
    // Closing the frame moves the focus and activation once more; nothing here may answer that any longer.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    m_mdiArea->disconnect(this);
}

QString MainWindow::caption()
{
    return tr("Zem Harbour and Campsite Reservation");
}

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
    addSeparator(mnuFile, QStringLiteral("mnuFile1"));
    addItem(mnuFile, QStringLiteral("mnuFileCompactDB"), tr("&Compact && repair database"));
    addItem(mnuFile, QStringLiteral("mnuFileBackupDB"), tr("&Backup database ..."));
    addItem(mnuFile, QStringLiteral("mnuFileRestoreDB"), tr("&Restore database ..."));
    addSeparator(mnuFile, QStringLiteral("mnuFile2"));
    addItem(mnuFile, QStringLiteral("mnuFileDayEndTrace"), tr("End of &workday"));
    addItem(mnuFile, QStringLiteral("mnuFileTracesView"), tr("View &trace log"));
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

void MainWindow::endOfWorkday()
{
    if (m_services.messages.show(EventLog::deleteOldTracesQuestion(), EventLog::endOfWorkdayTitle(), MsgIcon::None,
                                 MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const Result<int> deleted = EventLog::deleteOldTraces(m_services.clock.now());
    if (!deleted)
        m_services.messages.show(deleted.error(), EventLog::endOfWorkdayTitle(), MsgIcon::Critical, MsgButtons::Ok);
}

void MainWindow::connectWindows()
{
    connectItem(QStringLiteral("mnuFileDayEndTrace"), [this] { endOfWorkday(); });
    connectItem(QStringLiteral("mnuFileTracesView"), [this] { EventLogViewer::display(m_services, this); });
    connectItem(QStringLiteral("mnuFileExit"), [this] { close(); });
    connectItem(QStringLiteral("mnuconfigcompany"), [this] { CompanyDialog::display(m_services, this); });
    connectItem(QStringLiteral("mnuConfigRates"), [this] { RatesDialog::display(m_services, this); });
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
    connectItem(QStringLiteral("mnuCustomersView"),
                [this] { CustomerListWindow::display(*this, m_services, DependentBookings::ofCustomer()); });
    connectItem(QStringLiteral("mnuCustomersFind"),
                [this] { FindCustomerDialog::display(m_services, DependentBookings::ofCustomer(), this); });
    connectItem(QStringLiteral("mnuCustomersWaitingList"), [this] { WaitingListWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuConfigBerthOwners"),
                [this] { OwnerListWindow::display(*this, m_services, BerthRemoval::ofOwner()); });
    connectItem(QStringLiteral("mnuBookingsAdd"),
                [this] { BookingWizard::display(*this, m_services, RecordMode::Add, 0); });
    connectItem(QStringLiteral("mnuBookingsFind"), [this] { FindBookingWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuBookingsChart"), [this] { BookingChartWindow::display(*this, m_services); });
    connectItem(QStringLiteral("mnuFileBackupDB"), [this] { MaintenanceMenu::backUp(m_services, *this); });
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
    connectItem(QStringLiteral("mnuBookingsCashUp"),
                [this] { ReportManager::display(*this, m_services)->showTodaysCashUp(); });
    connectItem(QStringLiteral("mnuFileExportCustomers"), [this] { ExportMenu::exportCustomers(m_services); });
    connectItem(QStringLiteral("mnuFileExportReservations"), [this] { ExportMenu::exportReservations(m_services); });
    connectItem(QStringLiteral("mnuFileExportTodaysReservations"),
                [this] { ExportMenu::exportTodaysReservations(m_services); });
}

void MainWindow::showHelp(const QString& page)
{
    if (const Status opened = HelpPages::open(m_services.desktop, page); !opened)
        m_services.messages.show(opened.error(), caption(), MsgIcon::Exclamation, MsgButtons::Ok);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // F1 from anywhere, a dialog in front included: the page about the window in front.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            QWidget* front = QApplication::activeModalWidget();
            if (!front)
                front = QApplication::activeWindow();
            if (front == this) {
                QMdiSubWindow* sub = m_mdiArea->currentSubWindow();
                front = sub ? sub->widget() : nullptr;
            }
            showHelp(HelpPages::pageFor(front ? front->objectName() : QString()));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showChild(ChildWindow* window)
{
    if (!window)
        return;
    // A window shown again is brought forward rather than wrapped twice.
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub || sub->mdiArea() != m_mdiArea) {
        // The size the window gave itself, taken before its frame fits it to the frame's own first size.
        const QSize first = window->testAttribute(Qt::WA_Resized) ? window->size() : QSize();
        sub = m_mdiArea->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        // A child that deletes itself takes its frame with it (queued: the frame may be what is deleting it).
        connect(window, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
        // Opens at the size it had when last closed, inside the frame whatever screen that was on.
        WindowPlacement::keepSize(sub, window, first);
    }
    if (sub->isMinimized())
        sub->showNormal();
    else
        sub->show();
    window->show();
    m_mdiArea->setActiveSubWindow(sub);
}

void MainWindow::berthsReleased(const QList<int>& berthIds, const QDateTime& from, const QDateTime& to)
{
    WaitingListWindow::offerReleased(*this, m_services, berthIds, from, to);
    // An open waiting list shows the entries as they are after whatever the offer led to.
    if (ChildWindow* list = findWindow(WaitingListWindow::WindowName))
        list->activated();
}

ChildWindow* MainWindow::findWindow(const QString& objectName)
{
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
        auto* child = qobject_cast<ChildWindow*>(sub->widget());
        // A closed window waits hidden for its deletion: it is not open any more.
        if (child && !sub->isHidden() && child->objectName() == objectName)
            return child;
    }
    return nullptr;
}

void MainWindow::onSubWindowActivated(QMdiSubWindow* window)
{
    updateEditMenu();
    // Returning from a modal dialog re-activates the same window: that is not a new activation.
    if (!window || window == m_lastActivated)
        return;
    m_lastActivated = window;
    auto* child = qobject_cast<ChildWindow*>(window->widget());
    if (!child)
        return;
    if (child->maximiseOnActivate() && !window->isMaximized())
        window->showMaximized();
    child->activated();
}

void MainWindow::refreshActiveChild()
{
    // The current window stays current while a dialog has the focus, which is when this is asked for.
    if (QMdiSubWindow* sub = m_mdiArea->currentSubWindow())
        if (auto* child = qobject_cast<ChildWindow*>(sub->widget()))
            child->activated();
}

QList<ChildWindow*> MainWindow::openChildren() const
{
    QList<ChildWindow*> children;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
        if (auto* child = qobject_cast<ChildWindow*>(sub->widget()))
            children << child;
    return children;
}

void MainWindow::releaseChildData()
{
    for (ChildWindow* child : openChildren())
        child->releaseData();
}

void MainWindow::reloadChildData()
{
    for (ChildWindow* child : openChildren())
        child->activated();
}

void MainWindow::updateEditMenu()
{
    m_editTarget.reset();
    QWidget* focus = nullptr;
    if (QMdiSubWindow* sub = m_mdiArea->currentSubWindow(); sub && sub->widget())
        focus = sub->widget()->focusWidget();
    if (EditActions::isTextBox(focus)) {
        m_editTarget = std::make_unique<EditActions>();
        m_editTarget->setTextBox(focus);
    }
    const EditActions* target = m_editTarget.get();
    m_editActions[EditUndo]->setEnabled(target && target->canUndo());
    m_editActions[EditCut]->setEnabled(target && target->canCut());
    m_editActions[EditCopy]->setEnabled(target && target->canCopy());
    m_editActions[EditPaste]->setEnabled(target && target->canPaste());
    m_editActions[EditClear]->setEnabled(target && target->canCut());
    m_editActions[EditSelectAll]->setEnabled(target != nullptr);
}

void MainWindow::runEditAction(int index)
{
    // A shortcut can arrive without the menu having opened: take the target afresh.
    updateEditMenu();
    if (!m_editTarget || !m_editActions[index]->isEnabled())
        return;
    switch (index) {
    case EditUndo:
        m_editTarget->undo();
        break;
    case EditCut:
        m_editTarget->cut();
        break;
    case EditCopy:
        m_editTarget->copy();
        break;
    case EditPaste:
        m_editTarget->paste();
        break;
    case EditClear:
        m_editTarget->deleteSelection();
        break;
    case EditSelectAll:
        m_editTarget->selectAll();
        break;
    default:
        break;
    }
    updateEditMenu();
}

void MainWindow::saveLayout() const
{
    Registry::setRegistryValue(Settings::MainWindowGeometry, QString::fromLatin1(saveGeometry().toBase64()));
    Registry::setRegistryValue(Settings::MainWindowState, QString::fromLatin1(saveState().toBase64()));
}

void MainWindow::restoreLayout()
{
    const QByteArray geometry =
        QByteArray::fromBase64(Registry::getRegistryValue(Settings::MainWindowGeometry).toLatin1());
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1024, 720);
    const QByteArray state = QByteArray::fromBase64(Registry::getRegistryValue(Settings::MainWindowState).toLatin1());
    if (!state.isEmpty())
        restoreState(state);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    // The reports window goes first; then the others. One that refuses to close keeps the frame open.
    if (ChildWindow* reports = findWindow(QStringLiteral("frmReports")))
        reports->parentWidget()->close();
    m_mdiArea->closeAllSubWindows();
    const auto open = m_mdiArea->subWindowList();
    if (std::any_of(open.begin(), open.end(), [](const QMdiSubWindow* sub) { return !sub->isHidden(); })) {
        event->ignore();
        return;
    }
    m_closed = true;
    saveLayout();
    m_services.events.log(EventLog::ApplicationClosed, QString(32, u'-'));
    event->accept();
}
