#pragma once

#include <QList>
#include <QString>
#include <optional>

/// The three roles a user of the program has, and the actions a role may be kept from.
enum class Role
{
    Clerk,
    Manager,
    Administrator
};

/// What a role may be kept from doing. Everything else any signed-in user may do.
enum class Action
{
    Refund,              // refunds and corrections of payments
    PriceOverride,       // a price typed over the rates, or kept after a change
    CancelPaid,          // cancelling a booking that has been paid
    DeleteRecords,       // deleting customers, berths and owners
    RatesAndTaxes,       // the seasons, rates and taxes
    CompanyDetails,      // the company's details
    RestoreAndCompact,   // restoring and compacting the database
    PersonalExports,     // exports of personal data
    UsersAndPermissions, // the users and what each role may do
};

namespace Roles {

QList<Role> all();
/// The text stored in StaffUser.Role and RolePermission.Role ("clerk").
QString key(Role role);
std::optional<Role> fromKey(const QString& key);
/// The name shown ("Manager").
QString caption(Role role);
/// "a manager", "an administrator", as a refusal names them.
QString withArticle(Role role);

QList<Action> actions();
/// The text stored in RolePermission.Action and Approval.Action ("refund").
QString key(Action action);
std::optional<Action> actionFromKey(const QString& key);
/// The row's caption in the permissions table ("Refunds and corrections").
QString caption(Action action);
/// What a refusal says the action is ("give refunds or corrections").
QString doing(Action action);

} // namespace Roles
