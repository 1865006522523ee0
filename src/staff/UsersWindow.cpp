#include "staff/UsersWindow.h"

#include "core/Actor.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "staff/ApprovalDialog.h"
#include "staff/IdleLock.h"
#include "staff/Permissions.h"
#include "staff/StaffLogins.h"
#include "staff/UserDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}
} // namespace

UsersWindow::UsersWindow(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmUsers"));
    setWindowTitle(tr("Users"));

    m_grdUsers = new QTableWidget(0, 4, this);
    m_grdUsers->setObjectName(QStringLiteral("grdUsers"));
    m_grdUsers->setHorizontalHeaderLabels({tr("Name"), tr("Sign-in name"), tr("Role"), tr("Active")});
    m_grdUsers->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grdUsers->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grdUsers->verticalHeader()->hide();
    m_grdUsers->horizontalHeader()->setStretchLastSection(true);
    auto* lblUsers = new QLabel(tr("U&sers:"), this);
    lblUsers->setBuddy(m_grdUsers);

    auto button = [this](const QString& name, const QString& caption, auto slot) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    QPushButton* cmdAdd = button(QStringLiteral("cmdAdd"), tr("&Add..."), &UsersWindow::addUser);
    QPushButton* cmdEdit = button(QStringLiteral("cmdEdit"), tr("&Edit..."), &UsersWindow::editUser);
    QPushButton* cmdPassword =
        button(QStringLiteral("cmdPassword"), tr("New &Password..."), [this] { newSecret(true); });
    QPushButton* cmdPin = button(QStringLiteral("cmdPin"), tr("New P&IN..."), [this] { newSecret(false); });
    QPushButton* cmdRemove = button(QStringLiteral("cmdRemove"), tr("Re&move"), &UsersWindow::removeUser);
    // On a server only: the role desks may start with, whose password only an administrator sets.
    QPushButton* cmdSignInRole = button(QStringLiteral("cmdSignInRole"), tr("Si&gn-in Role..."),
                                        [this] { UserDialog::run(m_services, this, UserDialog::Purpose::SignInRole); });
    cmdSignInRole->setVisible(StaffLogins::inUse(m_services.db()).valueOr(false));
    cmdSignInRole->setEnabled(Actor::current().role == Roles::key(Role::Administrator));
    connect(m_grdUsers, &QTableWidget::cellDoubleClicked, this, &UsersWindow::editUser);

    m_grdPermissions = new QTableWidget(0, int(Roles::all().size()), this);
    m_grdPermissions->setObjectName(QStringLiteral("grdPermissions"));
    QStringList roles;
    for (const Role role : Roles::all())
        roles << Roles::caption(role);
    m_grdPermissions->setHorizontalHeaderLabels(roles);
    m_grdPermissions->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_grdPermissions, &QTableWidget::itemChanged, this, &UsersWindow::permissionChanged);
    auto* lblPermissions = new QLabel(tr("What each role ma&y do:"), this);
    lblPermissions->setBuddy(m_grdPermissions);

    m_spnIdleMinutes = new QSpinBox(this);
    m_spnIdleMinutes->setObjectName(QStringLiteral("spnIdleMinutes"));
    m_spnIdleMinutes->setRange(0, 24 * 60);
    m_spnIdleMinutes->setSpecialValueText(tr("never"));
    m_spnIdleMinutes->setSuffix(tr(" minutes"));
    m_spnIdleMinutes->setValue(Registry::getRegistryNumber(Settings::IdleLockMinutes));
    connect(m_spnIdleMinutes, &QSpinBox::editingFinished, this, [this] {
        Registry::setRegistryValue(Settings::IdleLockMinutes, QString::number(m_spnIdleMinutes->value()));
        IdleLock::idleTimeChanged();
    });
    auto* lblIdle = new QLabel(tr("&Lock after idle:"), this);
    lblIdle->setBuddy(m_spnIdleMinutes);

    auto* cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* userButtons = new QVBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdEdit, cmdPassword, cmdPin, cmdRemove, cmdSignInRole})
        userButtons->addWidget(b);
    userButtons->addStretch();
    auto* usersRow = new QHBoxLayout;
    usersRow->addWidget(m_grdUsers, 1);
    usersRow->addLayout(userButtons);
    auto* left = new QVBoxLayout;
    left->addWidget(lblUsers);
    left->addLayout(usersRow);
    auto* idle = new QFormLayout;
    idle->addRow(lblIdle, m_spnIdleMinutes);
    left->addLayout(idle);
    auto* right = new QVBoxLayout;
    right->addWidget(lblPermissions);
    right->addWidget(m_grdPermissions);
    auto* both = new QHBoxLayout;
    both->addLayout(left, 3);
    both->addLayout(right, 2);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(both);
    layout->addLayout(closeRow);
    resize(1000, 420);

    loadUsers();
    loadPermissions();
}

void UsersWindow::tell(const QString& text)
{
    m_services.messages.show(text, windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
}

void UsersWindow::loadUsers()
{
    const auto users = StaffStore::all(m_services.db());
    if (!users) {
        tell(users.error());
        return;
    }
    m_users = *users;
    m_grdUsers->setRowCount(int(m_users.size()));
    for (int row = 0; row < m_users.size(); ++row) {
        const StaffUser& user = m_users[row];
        m_grdUsers->setItem(row, 0, cell(user.name));
        m_grdUsers->setItem(row, 1, cell(user.signInName));
        m_grdUsers->setItem(row, 2, cell(Roles::caption(user.role)));
        m_grdUsers->setItem(row, 3, cell(user.active ? tr("Yes") : tr("No")));
    }
    m_grdUsers->resizeColumnsToContents();
    if (!m_users.isEmpty() && m_grdUsers->currentRow() < 0)
        m_grdUsers->selectRow(0);
}

void UsersWindow::loadPermissions()
{
    m_loading = true;
    const QList<Action> actions = Roles::actions();
    m_grdPermissions->setRowCount(int(actions.size()));
    QStringList captions;
    for (int row = 0; row < actions.size(); ++row) {
        captions << Roles::caption(actions[row]);
        for (int column = 0; column < Roles::all().size(); ++column) {
            const Role role = Roles::all()[column];
            const Result<bool> may = Permissions::roleMay(m_services.db(), role, actions[row]);
            auto* item = new QTableWidgetItem;
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (Permissions::changeable(role, actions[row]))
                flags |= Qt::ItemIsUserCheckable;
            item->setFlags(flags);
            item->setCheckState(may.valueOr(false) ? Qt::Checked : Qt::Unchecked);
            m_grdPermissions->setItem(row, column, item);
        }
    }
    m_grdPermissions->setVerticalHeaderLabels(captions);
    m_loading = false;
}

void UsersWindow::permissionChanged(QTableWidgetItem* item)
{
    if (m_loading)
        return;
    const Role role = Roles::all().value(item->column());
    const Action action = Roles::actions().value(item->row());
    const bool allowed = item->checkState() == Qt::Checked;
    const Status set = Permissions::setAllowed(m_services.db(), role, action, allowed);
    if (!set)
        tell(set.error());
    else
        m_services.events.log(EventLog::UserModified, tr("%1: %2 %3")
                                                          .arg(Roles::caption(role), Roles::caption(action),
                                                               allowed ? tr("allowed") : tr("not allowed")));
    loadPermissions();
}

std::optional<StaffUser> UsersWindow::selected() const
{
    const int row = m_grdUsers->currentRow();
    if (row < 0 || row >= m_users.size())
        return std::nullopt;
    return m_users[row];
}

void UsersWindow::addUser()
{
    if (UserDialog::run(m_services, this, UserDialog::Purpose::Add))
        loadUsers();
}

void UsersWindow::editUser()
{
    if (const auto user = selected(); user && UserDialog::run(m_services, this, UserDialog::Purpose::Edit, *user))
        loadUsers();
}

void UsersWindow::newSecret(bool password)
{
    if (const auto user = selected())
        UserDialog::run(m_services, this, password ? UserDialog::Purpose::Password : UserDialog::Purpose::Pin, *user);
}

void UsersWindow::removeUser()
{
    const auto user = selected();
    if (!user)
        return;
    if (m_services.messages.show(
            tr("Remove %1? The user can no longer sign in; what the user did keeps their name.").arg(user->name),
            windowTitle(), MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    if (const Status removed = StaffStore::remove(m_services.db(), user->id); !removed) {
        tell(removed.error());
        return;
    }
    m_services.events.log(EventLog::UserModified, tr("%1 removed").arg(user->name));
    loadUsers();
}

void UsersWindow::display(Services& services, QWidget* parent)
{
    if (!Permission::askOrApprove(services, parent, Action::UsersAndPermissions))
        return;
    {
        UsersWindow window(services, parent);
        window.exec();
    }
    if (const Status ended = Permissions::endApproval(services.db(), Action::UsersAndPermissions); !ended)
        MessageLog::logError(QStringLiteral("UsersWindow.display: %1").arg(ended.error()));
}
