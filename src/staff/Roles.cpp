#include "staff/Roles.h"

#include <QCoreApplication>

namespace Roles {
namespace {
QString translated(const char* text)
{
    return QCoreApplication::translate("Roles", text);
}

struct ActionText
{
    Action action;
    const char* key;
    const char* caption;
    const char* doing;
};

const ActionText ActionTexts[] = {
    {Action::Refund, "refund", QT_TRANSLATE_NOOP("Roles", "Refunds and corrections"),
     QT_TRANSLATE_NOOP("Roles", "give refunds or corrections")},
    {Action::PriceOverride, "price-override", QT_TRANSLATE_NOOP("Roles", "Prices typed over the rates"),
     QT_TRANSLATE_NOOP("Roles", "type a price over the rates or keep it after a change")},
    {Action::CancelPaid, "cancel-paid", QT_TRANSLATE_NOOP("Roles", "Cancelling a paid booking"),
     QT_TRANSLATE_NOOP("Roles", "cancel a paid booking")},
    {Action::DeleteRecords, "delete", QT_TRANSLATE_NOOP("Roles", "Deleting customers, berths and owners"),
     QT_TRANSLATE_NOOP("Roles", "delete customers, berths or owners")},
    {Action::RatesAndTaxes, "rates", QT_TRANSLATE_NOOP("Roles", "Rates and taxes"),
     QT_TRANSLATE_NOOP("Roles", "change rates and taxes")},
    {Action::CompanyDetails, "company", QT_TRANSLATE_NOOP("Roles", "Company details"),
     QT_TRANSLATE_NOOP("Roles", "change the company's details")},
    {Action::RestoreAndCompact, "restore-compact", QT_TRANSLATE_NOOP("Roles", "Restoring and compacting the database"),
     QT_TRANSLATE_NOOP("Roles", "restore or compact the database")},
    {Action::PersonalExports, "personal-exports", QT_TRANSLATE_NOOP("Roles", "Exports of personal data"),
     QT_TRANSLATE_NOOP("Roles", "export personal data")},
    {Action::UsersAndPermissions, "users", QT_TRANSLATE_NOOP("Roles", "Users and permissions"),
     QT_TRANSLATE_NOOP("Roles", "manage users and permissions")},
};

const ActionText& textOf(Action action)
{
    for (const ActionText& text : ActionTexts)
        if (text.action == action)
            return text;
    return ActionTexts[0];
}
} // namespace

QList<Role> all()
{
    return {Role::Clerk, Role::Manager, Role::Administrator};
}

QString key(Role role)
{
    switch (role) {
    case Role::Clerk:
        return QStringLiteral("clerk");
    case Role::Manager:
        return QStringLiteral("manager");
    case Role::Administrator:
        return QStringLiteral("administrator");
    }
    return {};
}

std::optional<Role> fromKey(const QString& key)
{
    for (const Role role : all())
        if (Roles::key(role) == key)
            return role;
    return std::nullopt;
}

QString caption(Role role)
{
    switch (role) {
    case Role::Clerk:
        return QCoreApplication::translate("Roles", "Clerk");
    case Role::Manager:
        return QCoreApplication::translate("Roles", "Manager");
    case Role::Administrator:
        return QCoreApplication::translate("Roles", "Administrator");
    }
    return {};
}

QString withArticle(Role role)
{
    switch (role) {
    case Role::Clerk:
        return QCoreApplication::translate("Roles", "a clerk");
    case Role::Manager:
        return QCoreApplication::translate("Roles", "a manager");
    case Role::Administrator:
        return QCoreApplication::translate("Roles", "an administrator");
    }
    return {};
}

QList<Action> actions()
{
    QList<Action> list;
    for (const ActionText& text : ActionTexts)
        list << text.action;
    return list;
}

QString key(Action action)
{
    return QString::fromLatin1(textOf(action).key);
}

std::optional<Action> actionFromKey(const QString& key)
{
    for (const ActionText& text : ActionTexts)
        if (key == QLatin1String(text.key))
            return text.action;
    return std::nullopt;
}

QString caption(Action action)
{
    return translated(textOf(action).caption);
}

QString doing(Action action)
{
    return translated(textOf(action).doing);
}

} // namespace Roles
