#pragma once

#include "core/FieldChanges.h"
#include "core/Result.h"
#include "staff/Roles.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

/// A person who signs in at the desks. The hashes of the password and PIN stay in the database and in this file's
/// statements; nothing above reads them.
struct StaffUser
{
    int id = 0;
    QString name;       // shown and stored as who did something ("Anna Berg")
    QString signInName; // typed at the sign-in; unique whatever the case of its letters
    Role role = Role::Clerk;
    bool active = true;
    int changeNumber = 0; // grows with each save, so a desk notices that another desk changed the user

    bool operator==(const StaffUser&) const = default;
};

/// Which secret a sign-in takes: the start asks for the password, a switch of user for the PIN, an unlock and an
/// approval take either.
enum class Secret
{
    Password,
    Pin,
    Either
};

/// The hashes a sign-in made of what was typed, with the user's own settings: on a server, what proves the secret
/// again to a function that runs as the office's role (an approval), without the secret leaving the desk.
struct SecretHashes
{
    QString password;
    QString pin;
};

/// The StaffUser table: every write to it goes through here, so what a server adds to a user (a login role of its
/// own) is added in add, save and remove alone.
namespace StaffStore {

inline constexpr int TriesBeforeLock = 5;
inline constexpr int LockSeconds = 60;

/// How many users there are, active or not. With none, the office has not started using sign-in.
Result<int> count(const QSqlDatabase& db);
/// Every user by name.
Result<QList<StaffUser>> all(const QSqlDatabase& db);
/// One user; a Refused failure when there is none with that ID (removed meanwhile).
Result<StaffUser> byId(const QSqlDatabase& db, int id);

/// Checks a user's details as typed: a name and a sign-in name, neither over 100 characters.
Status checkDetails(const StaffUser& user);
/// Adds a user with a password and a PIN; the new user's ID. Refused for a sign-in name in use, a password or PIN
/// that may not be kept.
Result<int> add(const QSqlDatabase& db, const StaffUser& user, const QString& password, const QString& pin);
/// Saves a user edited from base: fields only another desk changed meanwhile are kept, fields only this person
/// changed are saved; a Conflict, with nothing saved, when both changed a field (the merge in *merge). Refused when
/// the change leaves no active administrator, or the sign-in name is another user's. The user as saved.
Result<StaffUser> save(const QSqlDatabase& db, const StaffUser& base, const StaffUser& mine,
                       std::optional<FieldChanges::Merge<StaffUser>>* merge = nullptr);
/// Sets a new password, or a new PIN, and ends any lock.
Status setPassword(const QSqlDatabase& db, int id, const QString& password);
Status setPin(const QSqlDatabase& db, int id, const QString& pin);
/// Removes a user; refused for the last active administrator.
Status remove(const QSqlDatabase& db, int id);

/// Signs a user in by sign-in name and secret at now. A wrong secret counts a try; the fifth in a row locks the
/// user for a minute at every desk. Refused with the text to show: a wrong name or secret, a lock, a user that is
/// not active. hashes, when given, receives what was typed as hashed for the check.
Result<StaffUser> signIn(const QSqlDatabase& db, const QDateTime& now, const QString& signInName, const QString& secret,
                         Secret kind, SecretHashes* hashes = nullptr);
/// Whether the user of signInName is locked by wrong tries at now.
bool isLocked(const QSqlDatabase& db, const QString& signInName, const QDateTime& now);
/// Whether signInName is a user's (a refused sign-in logs the name only then: a password typed into the name box
/// must not reach the event log).
bool isSignInName(const QSqlDatabase& db, const QString& signInName);
/// The same for a user already known by ID (unlocking the program for the one who locked it).
Result<StaffUser> confirm(const QSqlDatabase& db, const QDateTime& now, int id, const QString& secret);

} // namespace StaffStore
