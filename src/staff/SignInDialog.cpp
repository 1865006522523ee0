#include "staff/SignInDialog.h"

#include "core/Actor.h"
#include "core/Dialect.h"
#include "core/EventLog.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "staff/Permissions.h"
#include "staff/StaffLogins.h"
#include "staff/StaffWidgets.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SignInDialog::SignInDialog(const Services& services, Purpose purpose, Action action, QWidget* parent)
    : QDialog(parent), m_services(services), m_purpose(purpose), m_action(action)
{
    setObjectName(QStringLiteral("frmSignIn"));
    auto* lblPrompt = new QLabel(this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    lblPrompt->setWordWrap(true);
    m_txtSignInName = new QLineEdit(this);
    m_txtSignInName->setObjectName(QStringLiteral("txtSignInName"));
    m_txtSignInName->setMaxLength(100);
    m_txtSecret = StaffWidgets::secretBox(QStringLiteral("txtSecret"), this);
    m_lblError = StaffWidgets::errorLine(this);

    QString secretCaption;
    switch (purpose) {
    case Purpose::Start:
        setWindowTitle(tr("Sign In"));
        lblPrompt->setText(tr("Please sign in with your sign-in name and password."));
        secretCaption = tr("&Password:");
        break;
    case Purpose::Switch:
        setWindowTitle(tr("Switch User"));
        // A server checks the password of the login the desk reconnects as; a PIN it does not know.
        if (onServer()) {
            lblPrompt->setText(tr("Type the sign-in name and password of the user who takes over this desk."));
            secretCaption = tr("&Password:");
        } else {
            lblPrompt->setText(tr("Type the sign-in name and PIN of the user who takes over this desk."));
            secretCaption = tr("&PIN:");
        }
        break;
    case Purpose::Approve:
        setWindowTitle(tr("Ask a Manager"));
        lblPrompt->setText(tr("A manager or an administrator approves this once: to %1.\nType your sign-in name and "
                              "PIN or password.")
                               .arg(Roles::doing(action)));
        secretCaption = tr("&PIN or password:");
        break;
    }
    auto* form = new QFormLayout;
    auto* lblName = new QLabel(tr("&Sign-in name:"), this);
    lblName->setBuddy(m_txtSignInName);
    auto* lblSecret = new QLabel(secretCaption, this);
    lblSecret->setBuddy(m_txtSecret);
    form->addRow(lblName, m_txtSignInName);
    form->addRow(lblSecret, m_txtSecret);

    StaffWidgets::finish(this, lblPrompt, form, m_lblError, [this] { tryToSignIn(); });
    m_txtSignInName->setFocus();
}

void SignInDialog::tryToSignIn()
{
    const QString name = m_txtSignInName->text();
    const QString secret = m_txtSecret->text();
    // The box is cleared before the slow check, so the secret is not left on screen meanwhile.
    m_txtSecret->clear();
    const QDateTime now = m_services.clock.now();
    Result<StaffUser> user =
        m_purpose == Purpose::Approve
            ? Permissions::approve(m_services.db(), now, m_action, name, secret)
            : StaffStore::signIn(m_services.db(), now, name, secret,
                                 m_purpose == Purpose::Switch && !onServer() ? Secret::Pin : Secret::Password);
    if (!user) {
        const bool known = StaffStore::isSignInName(m_services.db(), name);
        m_services.events.log(EventLog::SignInRefused, known ? name.trimmed() : tr("(not a user's sign-in name)"));
        if (known && StaffStore::isLocked(m_services.db(), name, now))
            m_services.events.log(EventLog::UserLocked, name.trimmed());
        m_lblError->setText(user.error());
        m_txtSecret->setFocus();
        return;
    }
    m_user = *user;
    if (m_purpose == Purpose::Approve) {
        m_services.events.log(
            EventLog::ActionApproved,
            tr("%1 approved for %2: %3").arg(user->name, Actor::current().user, Roles::caption(m_action)));
    } else {
        // The windows let go of their rows while the connection reopens as the user's login, and read them again.
        IWindowHost* host = nullptr;
        for (QWidget* up = parentWidget(); up && !host && StaffLogins::reconnects(m_services.db(), user->id);
             up = up->parentWidget())
            host = dynamic_cast<IWindowHost*>(up);
        if (host)
            host->releaseChildData();
        const Status in = StaffLogins::signInAs(m_services.connectionName, *user, secret);
        if (host)
            host->reloadChildData();
        if (!in) {
            m_lblError->setText(in.error());
            m_txtSecret->setFocus();
            return;
        }
        m_services.events.log(EventLog::UserSignedIn, user->name);
    }
    accept();
}

bool SignInDialog::onServer() const
{
    return Dialect::of(m_services.db()).kind() == Engine::PostgreSQL;
}

std::optional<StaffUser> SignInDialog::signIn(const Services& services, QWidget* parent, Purpose purpose)
{
    SignInDialog dialog(services, purpose, Action::UsersAndPermissions, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_user;
}

bool SignInDialog::approve(const Services& services, QWidget* parent, Action action)
{
    SignInDialog dialog(services, Purpose::Approve, action, parent);
    return dialog.exec() == QDialog::Accepted && dialog.m_user.has_value();
}
