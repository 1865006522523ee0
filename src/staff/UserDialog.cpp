#include "staff/UserDialog.h"

#include "core/Actor.h"
#include "core/EventLog.h"
#include "core/FieldChanges.h"
#include "core/Seams.h"
#include "core/ui/ChangedMeanwhile.h"
#include "staff/Passwords.h"
#include "staff/StaffLogins.h"
#include "staff/StaffWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

UserDialog::UserDialog(Services& services, Purpose purpose, const StaffUser& user, QWidget* parent)
    : QDialog(parent), m_services(services), m_purpose(purpose), m_loaded(user), m_form(new QFormLayout)
{
    setObjectName(QStringLiteral("frmUser"));
    auto* lblPrompt = new QLabel(this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    lblPrompt->setWordWrap(true);
    const bool details = purpose != Purpose::Password && purpose != Purpose::Pin && purpose != Purpose::SignInRole;
    if (details) {
        m_txtName = addBox(QStringLiteral("txtName"), tr("&Name:"), false);
        m_txtSignInName = addBox(QStringLiteral("txtSignInName"), tr("&Sign-in name:"), false);
        m_txtName->setText(user.name);
        m_txtSignInName->setText(user.signInName);
    }
    if (purpose == Purpose::Add || purpose == Purpose::Edit) {
        m_cboRole = new QComboBox(this);
        m_cboRole->setObjectName(QStringLiteral("cboRole"));
        for (const Role role : Roles::all())
            m_cboRole->addItem(Roles::caption(role), int(role));
        m_cboRole->setCurrentIndex(m_cboRole->findData(int(user.role)));
        auto* lblRole = new QLabel(tr("&Role:"), this);
        lblRole->setBuddy(m_cboRole);
        m_form->addRow(lblRole, m_cboRole);
    }
    if (purpose == Purpose::Edit) {
        m_chkActive = new QCheckBox(tr("&Active (may sign in)"), this);
        m_chkActive->setObjectName(QStringLiteral("chkActive"));
        m_chkActive->setChecked(user.active);
        m_form->addRow(QString(), m_chkActive);
    }
    if (purpose != Purpose::Edit && purpose != Purpose::Pin) {
        m_txtPassword = addBox(QStringLiteral("txtPassword"), tr("&Password:"), true);
        m_txtPasswordAgain = addBox(QStringLiteral("txtPasswordAgain"), tr("Password a&gain:"), true);
    }
    if (purpose != Purpose::Edit && purpose != Purpose::Password && purpose != Purpose::SignInRole) {
        m_txtPin = addBox(QStringLiteral("txtPin"), tr("P&IN (4 to 8 digits):"), true);
        m_txtPin->setMaxLength(Passwords::MaxPinLength + 1);
        if (purpose == Purpose::Pin)
            m_txtPinAgain = addBox(QStringLiteral("txtPinAgain"), tr("PIN a&gain:"), true);
    }

    switch (purpose) {
    case Purpose::FirstAdministrator:
        setWindowTitle(tr("First Administrator"));
        lblPrompt->setText(tr("Nobody has been signed up yet. Please make the first administrator: the one who adds "
                              "the other users and says what each role may do. There is no default password."));
        break;
    case Purpose::Add:
        setWindowTitle(tr("New User"));
        break;
    case Purpose::Edit:
        setWindowTitle(tr("User"));
        break;
    case Purpose::Password:
        setWindowTitle(tr("New Password"));
        lblPrompt->setText(tr("A new password for %1.").arg(user.name));
        break;
    case Purpose::Pin:
        setWindowTitle(tr("New PIN"));
        lblPrompt->setText(tr("A new PIN for %1.").arg(user.name));
        break;
    case Purpose::SignInRole:
        setWindowTitle(tr("Sign-in Role"));
        lblPrompt->setText(
            tr("Desks may start as the server's sign-in role, zem_signin, instead of the office's role: it reads only "
               "what a sign-in needs, and each user then works as their own login. Type its new password, and put "
               "it in each desk's password file (.pgpass) in place of the office's. Leave both boxes empty to stop "
               "desks from starting that way."));
        break;
    }
    lblPrompt->setVisible(!lblPrompt->text().isEmpty());

    m_lblError = StaffWidgets::errorLine(this);
    StaffWidgets::finish(this, lblPrompt, m_form, m_lblError, [this] { save(); });
    setMinimumWidth(420);
}

QLineEdit* UserDialog::addBox(const QString& name, const QString& caption, bool secret)
{
    QLineEdit* box = secret ? StaffWidgets::secretBox(name, this) : new QLineEdit(this);
    if (!secret) {
        box->setObjectName(name);
        box->setMaxLength(100);
    }
    auto* label = new QLabel(caption, this);
    label->setBuddy(box);
    m_form->addRow(label, box);
    return box;
}

Status UserDialog::saveNow()
{
    if (m_txtPassword && m_txtPassword->text() != m_txtPasswordAgain->text())
        return refused(tr("The two passwords differ: please type the same password twice."));
    if (m_txtPinAgain && m_txtPin->text() != m_txtPinAgain->text())
        return refused(tr("The two PINs differ: please type the same PIN twice."));

    StaffUser typed = m_loaded;
    if (m_txtName) {
        typed.name = m_txtName->text().trimmed();
        typed.signInName = m_txtSignInName->text().trimmed();
    }
    if (m_cboRole)
        typed.role = Role(m_cboRole->currentData().toInt());
    if (m_chkActive)
        typed.active = m_chkActive->isChecked();

    switch (m_purpose) {
    case Purpose::FirstAdministrator:
    case Purpose::Add: {
        if (m_purpose == Purpose::FirstAdministrator)
            typed.role = Role::Administrator;
        const Result<int> id = StaffStore::add(m_services.db(), typed, m_txtPassword->text(), m_txtPin->text());
        if (!id)
            return id.failure();
        m_services.events.log(EventLog::UserAdded,
                              typed.name + QStringLiteral(" (") + Roles::caption(typed.role) + u')');
        if (m_purpose == Purpose::FirstAdministrator) {
            // On a server the desk goes on as the administrator's own login; where the server will not have it, as
            // the office's role, as before, and the person is told why.
            typed.id = *id;
            if (const Status in = StaffLogins::signInAs(m_services.connectionName, typed, m_txtPassword->text()); !in) {
                Actor::signIn(*id, typed.name, Roles::key(typed.role));
                m_services.messages.show(in.error(), windowTitle(), MsgIcon::Exclamation);
            }
            m_services.events.log(EventLog::UserSignedIn, typed.name);
        }
        return Done{};
    }
    case Purpose::Edit: {
        std::optional<FieldChanges::Merge<StaffUser>> merge;
        const Result<StaffUser> saved = StaffStore::save(m_services.db(), m_loaded, typed, &merge);
        if (!saved && saved.kind() == FailureKind::Conflict && merge) {
            // Both desks changed a field: the person says whose value stays, then the merge is saved.
            const Meanwhile chosen =
                askAboutChanges(m_services.messages, windowTitle(), tr("this user"), merge->conflicts());
            if (chosen == Meanwhile::GoBack) {
                m_loaded = merge->theirs();
                return cancelled();
            }
            const Result<StaffUser> again =
                StaffStore::save(m_services.db(), merge->theirs(), merge->chosen(chosen == Meanwhile::KeepTheirs));
            if (!again)
                return again.failure();
        } else if (!saved) {
            return saved.failure();
        }
        m_services.events.log(EventLog::UserModified, typed.name);
        if (Actor::current().userId == typed.id)
            Actor::signIn(typed.id, typed.name, Roles::key(typed.role));
        return Done{};
    }
    case Purpose::Password:
        if (const Status set = StaffStore::setPassword(m_services.db(), m_loaded.id, m_txtPassword->text()); !set)
            return set;
        m_services.events.log(EventLog::UserModified, tr("%1: new password").arg(m_loaded.name));
        // One's own new password is the login's too: the connections opened from now on need it.
        if (Actor::current().userId == m_loaded.id)
            return StaffLogins::signInAs(m_services.connectionName, m_loaded, m_txtPassword->text());
        return Done{};
    case Purpose::Pin:
        if (const Status set = StaffStore::setPin(m_services.db(), m_loaded.id, m_txtPin->text()); !set)
            return set;
        m_services.events.log(EventLog::UserModified, tr("%1: new PIN").arg(m_loaded.name));
        return Done{};
    case Purpose::SignInRole: {
        const QString password = m_txtPassword->text();
        if (const Status set = StaffLogins::setSignInRolePassword(m_services.db(), password); !set)
            return set;
        m_services.events.log(EventLog::UserModified, password.isEmpty()
                                                          ? tr("zem_signin: desks may no longer start with it")
                                                          : tr("zem_signin: new password"));
        return Done{};
    }
    }
    return Done{};
}

void UserDialog::save()
{
    const Status saved = saveNow();
    if (saved) {
        accept();
        return;
    }
    if (saved.kind() != FailureKind::Cancelled)
        m_lblError->setText(saved.error());
}

bool UserDialog::addFirstAdministrator(Services& services, QWidget* parent)
{
    UserDialog dialog(services, Purpose::FirstAdministrator, {}, parent);
    dialog.m_loaded.role = Role::Administrator;
    return dialog.exec() == QDialog::Accepted;
}

bool UserDialog::run(Services& services, QWidget* parent, Purpose purpose, const StaffUser& user)
{
    UserDialog dialog(services, purpose, purpose == Purpose::Add ? StaffUser{} : user, parent);
    return dialog.exec() == QDialog::Accepted;
}
