#include "shell/MDIMain.h"

#include "berths/frmBerth.h"
#include "berths/frmBerthNotes.h"
#include "berths/frmCalendar.h"
#include "berths/frmCalendarPlus.h"
#include "berths/frmWizardConfig.h"
#include "bookings/frmBooking.h"
#include "bookings/frmFindBooking.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/modEventLog.h"
#include "maintenance/MaintenanceMenu.h"
#include "outputs/WebBookPage.h"
#include "outputs/frmReports.h"
#include "outputs/frmWizardMailList.h"
#include "outputs/frmWizardWebBook.h"
#include "outputs/modExport.h"
#include "people/frmFindCustomer.h"
#include "people/frmViewCustomers.h"
#include "people/frmViewOwners.h"
#include "shell/ShellResources.h"
#include "shell/cTextBoxEdit.h"
#include "shell/fmCompany.h"
#include "shell/frmAbout.h"
#include "shell/frmRegionalSettings.h"
#include "shell/frmTipOfTheDay.h"
#include "shell/frmViewEventLog.h"
#include "shell/modHelp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
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

QKeySequence Ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}
} // namespace

MDIMain::MDIMain(Services& services, QWidget* parent) : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(Caption());
    setWindowIcon(QIcon(ShellResources::Logo()));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(QColor(0x5f, 0x7f, 0x93));
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MDIMain::OnSubWindowActivated);

    BuildMenus();
    BuildToolbar();
    ConnectWindows();
    UpdateEditMenu();
    // The Edit items follow the focus, so their shortcuts never compete with a child window's own keys.
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateEditMenu(); });
    RestoreLayout();
}

MDIMain::~MDIMain()
{
    // Closing the frame moves the focus and activation once more; nothing here may answer that any longer.
    disconnect(qApp, nullptr, this, nullptr);
    m_mdiArea->disconnect(this);
}

QString MDIMain::Caption()
{
    return QStringLiteral("Zem Harbour and Campsite Reservation");
}

QAction* MDIMain::AddItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    item->setEnabled(false); // until a window is connected to it
    return item;
}

void MDIMain::AddSeparator(QMenu* menu, const QString& name, bool visible)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    separator->setVisible(visible);
}

void MDIMain::BuildMenus()
{
    auto addMenu = [this](const QString& name, const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };

    QMenu* mnuFile = addMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    AddItem(mnuFile, QStringLiteral("mnuFileExportCustomers"), QStringLiteral("Export Customers..."));
    AddItem(mnuFile, QStringLiteral("mnuFileExportReservations"), QStringLiteral("Export Reservations"));
    AddItem(mnuFile, QStringLiteral("mnuFileExportTodaysReservations"), QStringLiteral("Export Today's Reservations"));
    AddSeparator(mnuFile, QStringLiteral("mnuFile1"));
    AddItem(mnuFile, QStringLiteral("mnuFileCompactDB"), QStringLiteral("&Compact && repair database"));
    AddItem(mnuFile, QStringLiteral("mnuFileBackupDB"), QStringLiteral("&Backup database ..."));
    AddItem(mnuFile, QStringLiteral("mnuFileRestoreDB"), QStringLiteral("&Restore database ..."));
    AddSeparator(mnuFile, QStringLiteral("mnuFile2"));
    AddItem(mnuFile, QStringLiteral("mnuFileDayEndTrace"), QStringLiteral("End of &workday"));
    AddItem(mnuFile, QStringLiteral("mnuFileTracesView"), QStringLiteral("View &trace log"));
    AddSeparator(mnuFile, QStringLiteral("mnuFile4"));
    AddItem(mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("Exit"));

    QMenu* mnuEdit = addMenu(QStringLiteral("mnuEdit"), QStringLiteral("Edit"));
    const QList<std::pair<QString, QKeySequence>> editItems = {
        {QStringLiteral("Undo"), Ctrl(Qt::Key_Z)},  {QStringLiteral("-"), {}},
        {QStringLiteral("Cut"), Ctrl(Qt::Key_X)},   {QStringLiteral("Copy"), Ctrl(Qt::Key_C)},
        {QStringLiteral("Paste"), Ctrl(Qt::Key_V)}, {QStringLiteral("-"), {}},
        {QStringLiteral("Clear"), Qt::Key_Delete},  {QStringLiteral("Select All"), Ctrl(Qt::Key_A)},
    };
    for (int index = 0; index < editItems.size(); ++index) {
        const QString name = QStringLiteral("mnuEditAction%1").arg(index);
        if (editItems[index].first == QStringLiteral("-")) {
            QAction* separator = mnuEdit->addSeparator();
            separator->setObjectName(name);
            m_editActions.append(separator);
            continue;
        }
        QAction* item = AddItem(mnuEdit, name, editItems[index].first, editItems[index].second);
        connect(item, &QAction::triggered, this, [this, index] { RunEditAction(index); });
        m_editActions.append(item);
    }
    connect(mnuEdit, &QMenu::aboutToShow, this, &MDIMain::UpdateEditMenu);

    QMenu* mnuWebBook = addMenu(QStringLiteral("mnuWebBook"), QStringLiteral("Web Bookings"));
    AddItem(mnuWebBook, QStringLiteral("mnuWebBookConfigure"), QStringLiteral("Configure Web Bookings..."));
    AddItem(mnuWebBook, QStringLiteral("mnuWebBookCreatePage"), QStringLiteral("Create Web Booking Page..."));

    QMenu* mnuBookings = addMenu(QStringLiteral("mnuBookings"), QStringLiteral("Bookings"));
    AddItem(mnuBookings, QStringLiteral("mnuBookingsAdd"), QStringLiteral("Add Booking"), Ctrl(Qt::Key_B));
    AddItem(mnuBookings, QStringLiteral("mnuBookingsFind"), QStringLiteral("Find Booking..."), Ctrl(Qt::Key_F));
    AddItem(mnuBookings, QStringLiteral("mnuBookingsReport"), QStringLiteral("View Reports"));
    AddSeparator(mnuBookings, QStringLiteral("mnuBookings1"));
    AddItem(mnuBookings, QStringLiteral("mnuBookingsCalendarAdvanced"), QStringLiteral("View Advanced Calendar"),
            Ctrl(Qt::Key_D));
    AddItem(mnuBookings, QStringLiteral("mnuBookingsCalendar"), QStringLiteral("View Simple Calendar"),
            Ctrl(Qt::Key_S));
    AddSeparator(mnuBookings, QStringLiteral("mnuBookings2"));
    AddItem(mnuBookings, QStringLiteral("mnuBookingsSlipNotes"), QStringLiteral("Berth / Rentals  Notes..."));

    QMenu* mnuCustomers = addMenu(QStringLiteral("mnuCustomers"), QStringLiteral("Customers"));
    AddItem(mnuCustomers, QStringLiteral("mnuCustomersView"), QStringLiteral("View Customers"), Ctrl(Qt::Key_O));
    AddItem(mnuCustomers, QStringLiteral("mnuCustomersFind"), QStringLiteral("Find Customer..."), Ctrl(Qt::Key_M));
    AddSeparator(mnuCustomers, QStringLiteral("mnuCustomers1"));
    AddItem(mnuCustomers, QStringLiteral("mnuCustomersMailingListWizard"),
            QStringLiteral("Email Mailing List Wizard..."));

    QMenu* mnuconfig = addMenu(QStringLiteral("mnuconfig"), QStringLiteral("Configure"));
    AddItem(mnuconfig, QStringLiteral("mnuConfigWizard"), QStringLiteral("Configuration Wizard..."));
    AddSeparator(mnuconfig, QStringLiteral("mnuConfig1"));
    AddItem(mnuconfig, QStringLiteral("mnuconfigcompany"), QStringLiteral("Company..."));
    AddItem(mnuconfig, QStringLiteral("mnuConfigRegionalSettings"), QStringLiteral("Regional Settings..."));
    AddItem(mnuconfig, QStringLiteral("mnuConfigBerths"), QStringLiteral("Berths..."));
    AddItem(mnuconfig, QStringLiteral("mnuConfigBerthOwners"), QStringLiteral("Berth Owners..."));

    // Contents, Index and Tip of the Day are kept but not shown.
    QMenu* mnuHelp = addMenu(QStringLiteral("mnuHelp"), QStringLiteral("Help"));
    AddItem(mnuHelp, QStringLiteral("mnuHelpContents"), QStringLiteral("Contents..."))->setVisible(false);
    AddItem(mnuHelp, QStringLiteral("mnuHelpIndex"), QStringLiteral("Index..."))->setVisible(false);
    AddItem(mnuHelp, QStringLiteral("mnuHelpTipOfTheDay"), QStringLiteral("Tip of the Day..."))->setVisible(false);
    AddSeparator(mnuHelp, QStringLiteral("mnuHelp1"), false);
    AddItem(mnuHelp, QStringLiteral("mnuHelpSupport"), QStringLiteral("Online Support"));
    AddSeparator(mnuHelp, QStringLiteral("mnuHelp3"));
    AddItem(mnuHelp, QStringLiteral("mnuHelpAbout"), QStringLiteral("About..."));
}

QAction* MDIMain::AddButton(const QString& name, const QString& caption, const QString& icon, const QString& item)
{
    QAction* target = Item(item);
    Q_ASSERT(target);
    QAction* button = m_tbrMain->addAction(ShellResources::Icon(icon), caption);
    button->setObjectName(name);
    button->setEnabled(target->isEnabled());
    connect(target, &QAction::enabledChanged, button, &QAction::setEnabled);
    connect(button, &QAction::triggered, target, &QAction::trigger);
    return button;
}

void MDIMain::BuildToolbar()
{
    m_tbrMain = addToolBar(QStringLiteral("Toolbar"));
    m_tbrMain->setObjectName(QStringLiteral("tbrMain"));
    m_tbrMain->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_tbrMain->setIconSize(QSize(32, 32));
    m_tbrMain->setMovable(false);
    AddButton(QStringLiteral("tbrAddReservation"), QStringLiteral("Add Reservation"), QStringLiteral("add-reservation"),
              QStringLiteral("mnuBookingsAdd"));
    AddButton(QStringLiteral("tbrCalendar"), QStringLiteral("Calendar"), QStringLiteral("calendar"),
              QStringLiteral("mnuBookingsCalendar"));
    AddButton(QStringLiteral("tbrAdvancedCalendar"), QStringLiteral("Advanced Calendar"),
              QStringLiteral("advanced-calendar"), QStringLiteral("mnuBookingsCalendarAdvanced"));
    AddButton(QStringLiteral("tbrViewCustomers"), QStringLiteral("View Customers"), QStringLiteral("customers"),
              QStringLiteral("mnuCustomersView"));
    AddButton(QStringLiteral("tbrReports"), QStringLiteral("Reports"), QStringLiteral("reports"),
              QStringLiteral("mnuBookingsReport"));

    // "Find" runs nothing itself: it only drops down its two searches.
    auto* findMenu = new QMenu(this);
    findMenu->setObjectName(QStringLiteral("tbrFindMenu"));
    QAction* find = m_tbrMain->addAction(ShellResources::Icon(QStringLiteral("find")), QStringLiteral("Find"));
    find->setObjectName(QStringLiteral("tbrFind"));
    find->setMenu(findMenu);
    QAction* customer = Item(QStringLiteral("mnuCustomersFind"));
    QAction* reservation = Item(QStringLiteral("mnuBookingsFind"));
    const QList<std::pair<QAction*, QString>> searches = {{customer, QStringLiteral("Customer")},
                                                          {reservation, QStringLiteral("Reservation")}};
    for (const auto& [target, caption] : searches) {
        QAction* entry = findMenu->addAction(caption);
        entry->setObjectName(QStringLiteral("tbrFind") + caption);
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

    AddButton(QStringLiteral("tbrWebBookings"), QStringLiteral("Web Bookings"), QStringLiteral("web-bookings"),
              QStringLiteral("mnuWebBookConfigure"));
}

QAction* MDIMain::Item(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void MDIMain::ConnectItem(const QString& objectName, std::function<void()> handler)
{
    QAction* item = Item(objectName);
    Q_ASSERT_X(item, "MDIMain::ConnectItem", "no such menu item");
    if (!item)
        return;
    connect(item, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    item->setEnabled(true);
}

void MDIMain::ConnectWindows()
{
    ConnectItem(QStringLiteral("mnuFileDayEndTrace"),
                [this] { modEventLog::DeleteOldTraces(m_services.messages, m_services.clock.Now()); });
    ConnectItem(QStringLiteral("mnuFileTracesView"), [this] { frmViewEventLog::Display(m_services, this); });
    ConnectItem(QStringLiteral("mnuFileExit"), [this] { close(); });
    ConnectItem(QStringLiteral("mnuconfigcompany"), [this] { fmCompany::Display(m_services, this); });
    ConnectItem(QStringLiteral("mnuConfigRegionalSettings"),
                [this] { frmRegionalSettings::Dispaly(m_services, this); });
    ConnectItem(QStringLiteral("mnuHelpContents"), [this] { modHelp::ShowContents(m_services.desktop); });
    ConnectItem(QStringLiteral("mnuHelpIndex"), [this] { modHelp::ShowIndex(m_services.desktop); });
    ConnectItem(QStringLiteral("mnuHelpTipOfTheDay"), [this] { frmTipOfTheDay::Dispaly(this); });
    ConnectItem(QStringLiteral("mnuHelpSupport"), [this] {
        const QString address = Registry::GetRegistryValue(Settings::SupportUrl).trimmed();
        m_services.desktop.Open(QUrl(address.isEmpty() ? Settings::SupportUrl.defaultValue : address));
    });
    ConnectItem(QStringLiteral("mnuHelpAbout"), [this] { frmAbout::Display(m_services, this); });
    ConnectItem(QStringLiteral("mnuCustomersView"), [this] { frmViewCustomers::Display(*this, m_services); });
    ConnectItem(QStringLiteral("mnuCustomersFind"), [this] { frmFindCustomer::Display(m_services, this); });
    ConnectItem(QStringLiteral("mnuConfigBerthOwners"), [this] { frmViewOwners::Display(*this, m_services); });
    ConnectItem(QStringLiteral("mnuBookingsAdd"),
                [this] { frmBooking::Display(*this, m_services, RecordMode::Add, 0); });
    ConnectItem(QStringLiteral("mnuBookingsFind"), [this] { frmFindBooking::Display(*this, m_services); });
    ConnectItem(QStringLiteral("mnuFileBackupDB"),
                [this] { MaintenanceMenu::mnuFileBackupDB_Click(m_services, *this); });
    ConnectItem(QStringLiteral("mnuFileRestoreDB"),
                [this] { MaintenanceMenu::mnuFileRestoreDB_Click(m_services, *this); });
    ConnectItem(QStringLiteral("mnuFileCompactDB"),
                [this] { MaintenanceMenu::mnuFileCompactDB_Click(m_services, *this); });
    ConnectItem(QStringLiteral("mnuConfigBerths"), [this] { frmBerth::Display(m_services, this); });
    ConnectItem(QStringLiteral("mnuBookingsSlipNotes"), [this] { frmBerthNotes::Display(m_services, this); });
    ConnectItem(QStringLiteral("mnuBookingsCalendar"), [this] { frmCalendar::Display(*this, m_services); });
    ConnectItem(QStringLiteral("mnuBookingsCalendarAdvanced"), [this] { frmCalendarPlus::Display(*this, m_services); });
    ConnectItem(QStringLiteral("mnuConfigWizard"), [this] {
        // The company's details come first, then the wizard.
        fmCompany::Display(m_services, this);
        frmWizardConfig::Display(m_services, this);
    });
    ConnectItem(QStringLiteral("mnuWebBookConfigure"), [this] { frmWizardWebBook::Display(m_services, this); });
    ConnectItem(QStringLiteral("mnuWebBookCreatePage"), [this] { WebBookPage::CreateWebBookingPage(m_services); });
    ConnectItem(QStringLiteral("mnuCustomersMailingListWizard"),
                [this] { frmWizardMailList::Display(m_services, this); });
    ConnectItem(QStringLiteral("mnuBookingsReport"), [this] { frmReports::Display(*this, m_services); });
    ConnectItem(QStringLiteral("mnuFileExportCustomers"), [this] { modExport::ExportCustomers(m_services); });
    ConnectItem(QStringLiteral("mnuFileExportReservations"), [this] { modExport::ExportReservations(m_services); });
    ConnectItem(QStringLiteral("mnuFileExportTodaysReservations"),
                [this] { modExport::ExportTodaysReservations(m_services); });
}

void MDIMain::ShowChild(ChildWindow* window)
{
    if (!window)
        return;
    // A window shown again is brought forward rather than wrapped twice.
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub || sub->mdiArea() != m_mdiArea) {
        sub = m_mdiArea->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        // A child that deletes itself takes its frame with it (queued: the frame may be what is deleting it).
        connect(window, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
    }
    if (sub->isMinimized())
        sub->showNormal();
    else
        sub->show();
    window->show();
    m_mdiArea->setActiveSubWindow(sub);
}

ChildWindow* MDIMain::FindChild(const QString& objectName)
{
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
        auto* child = qobject_cast<ChildWindow*>(sub->widget());
        // A closed window waits hidden for its deletion: it is not open any more.
        if (child && !sub->isHidden() && child->objectName() == objectName)
            return child;
    }
    return nullptr;
}

void MDIMain::OnSubWindowActivated(QMdiSubWindow* window)
{
    UpdateEditMenu();
    // Returning from a modal dialog re-activates the same window: that is not a new activation.
    if (!window || window == m_lastActivated)
        return;
    m_lastActivated = window;
    auto* child = qobject_cast<ChildWindow*>(window->widget());
    if (!child)
        return;
    if (child->MaximiseOnActivate() && !window->isMaximized())
        window->showMaximized();
    child->Activated();
}

void MDIMain::RefreshActiveChild()
{
    // The current window stays current while a dialog has the focus, which is when this is asked for.
    if (QMdiSubWindow* sub = m_mdiArea->currentSubWindow())
        if (auto* child = qobject_cast<ChildWindow*>(sub->widget()))
            child->Activated();
}

QList<ChildWindow*> MDIMain::OpenChildren() const
{
    QList<ChildWindow*> children;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
        if (auto* child = qobject_cast<ChildWindow*>(sub->widget()))
            children << child;
    return children;
}

void MDIMain::ReleaseChildData()
{
    for (ChildWindow* child : OpenChildren())
        child->ReleaseData();
}

void MDIMain::ReloadChildData()
{
    for (ChildWindow* child : OpenChildren())
        child->Activated();
}

void MDIMain::UpdateEditMenu()
{
    m_editTarget.reset();
    QWidget* focus = nullptr;
    if (QMdiSubWindow* sub = m_mdiArea->currentSubWindow(); sub && sub->widget())
        focus = sub->widget()->focusWidget();
    if (cTextBoxEdit::IsTextBox(focus)) {
        m_editTarget = std::make_unique<cTextBoxEdit>();
        m_editTarget->SetTextBox(focus);
    }
    const cTextBoxEdit* target = m_editTarget.get();
    m_editActions[EditUndo]->setEnabled(target && target->CanUndo());
    m_editActions[EditCut]->setEnabled(target && target->CanCut());
    m_editActions[EditCopy]->setEnabled(target && target->CanCopy());
    m_editActions[EditPaste]->setEnabled(target && target->CanPaste());
    m_editActions[EditClear]->setEnabled(target && target->CanCut());
    m_editActions[EditSelectAll]->setEnabled(target != nullptr);
}

void MDIMain::RunEditAction(int index)
{
    // A shortcut can arrive without the menu having opened: take the target afresh.
    UpdateEditMenu();
    if (!m_editTarget || !m_editActions[index]->isEnabled())
        return;
    switch (index) {
    case EditUndo:
        m_editTarget->Undo();
        break;
    case EditCut:
        m_editTarget->Cut();
        break;
    case EditCopy:
        m_editTarget->Copy();
        break;
    case EditPaste:
        m_editTarget->Paste();
        break;
    case EditClear:
        m_editTarget->Delete();
        break;
    case EditSelectAll:
        m_editTarget->SelectAll();
        break;
    default:
        break;
    }
    UpdateEditMenu();
}

void MDIMain::SaveLayout() const
{
    Registry::SetRegistryValue(Settings::MainWindowGeometry, QString::fromLatin1(saveGeometry().toBase64()));
    Registry::SetRegistryValue(Settings::MainWindowState, QString::fromLatin1(saveState().toBase64()));
}

void MDIMain::RestoreLayout()
{
    const QByteArray geometry =
        QByteArray::fromBase64(Registry::GetRegistryValue(Settings::MainWindowGeometry).toLatin1());
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1024, 720);
    const QByteArray state = QByteArray::fromBase64(Registry::GetRegistryValue(Settings::MainWindowState).toLatin1());
    if (!state.isEmpty())
        restoreState(state);
}

void MDIMain::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    // The reports window goes first; then the others. One that refuses to close keeps the frame open.
    if (ChildWindow* reports = FindChild(QStringLiteral("frmReports")))
        reports->parentWidget()->close();
    m_mdiArea->closeAllSubWindows();
    const auto open = m_mdiArea->subWindowList();
    if (std::any_of(open.begin(), open.end(), [](const QMdiSubWindow* sub) { return !sub->isHidden(); })) {
        event->ignore();
        return;
    }
    m_closed = true;
    SaveLayout();
    modEventLog::LogEvent(m_services.clock.Now(), modEventLog::ApplicationClosed, QString(32, u'-'));
    event->accept();
}
