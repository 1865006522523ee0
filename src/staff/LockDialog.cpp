#include "staff/LockDialog.h"

#include "core/Actor.h"
#include "core/EventLog.h"
#include "core/Seams.h"
#include "staff/SignInDialog.h"
#include "staff/StaffStore.h"
#include "staff/StaffWidgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LockDialog::LockDialog(Services& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_userId(Actor::current().userId)
{
    setObjectName(QStringLiteral("frmLocked"));
    setWindowTitle(tr("Locked"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* lblUser = new QLabel(
        tr("This desk is locked. %1, type your PIN or password to go on.").arg(Actor::current().user.toHtmlEscaped()),
        this);
    lblUser->setObjectName(QStringLiteral("lblUser"));
    lblUser->setWordWrap(true);
    m_txtSecret = StaffWidgets::secretBox(QStringLiteral("txtSecret"), this);
    auto* lblSecret = new QLabel(tr("&PIN or password:"), this);
    lblSecret->setBuddy(m_txtSecret);
    m_lblError = StaffWidgets::errorLine(this);

    auto* cmdUnlock = new QPushButton(tr("&Unlock"), this);
    cmdUnlock->setObjectName(QStringLiteral("cmdUnlock"));
    cmdUnlock->setDefault(true);
    auto* cmdSwitchUser = new QPushButton(tr("S&witch User..."), this);
    cmdSwitchUser->setObjectName(QStringLiteral("cmdSwitchUser"));
    connect(cmdUnlock, &QPushButton::clicked, this, &LockDialog::unlock);
    connect(cmdSwitchUser, &QPushButton::clicked, this, &LockDialog::switchUser);

    auto* form = new QFormLayout;
    form->addRow(lblSecret, m_txtSecret);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdUnlock);
    buttons->addWidget(cmdSwitchUser);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblUser);
    layout->addLayout(form);
    layout->addWidget(m_lblError);
    layout->addLayout(buttons);
    m_txtSecret->setFocus();
}

void LockDialog::unlock()
{
    const QString secret = m_txtSecret->text();
    m_txtSecret->clear();
    const Result<StaffUser> user = StaffStore::confirm(m_services.db(), m_services.clock.now(), m_userId, secret);
    if (!user) {
        m_services.events.log(EventLog::SignInRefused, Actor::current().user);
        m_lblError->setText(user.error());
        m_txtSecret->setFocus();
        return;
    }
    // A rename or a new role made at another desk meanwhile counts from now on.
    Actor::signIn(user->id, user->name, Roles::key(user->role));
    accept();
}

void LockDialog::switchUser()
{
    if (SignInDialog::signIn(m_services, this, SignInDialog::Purpose::Switch))
        accept();
}

void LockDialog::lock(Services& services, QWidget* parent)
{
    LockDialog dialog(services, parent);
    dialog.exec();
}
