#include "staff/StaffStore.h"

#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/MessageLog.h"
#include "core/SqlHelpers.h"
#include "staff/Passwords.h"
#include "staff/StaffLogins.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace StaffStore {
namespace {

constexpr int MaxNameLength = 100;
const QString UserColumns = QStringLiteral("ID, Name, SignInName, Role, Active, ChangeNumber");

// Two sign-in names are one whatever the case of their letters, on both engines alike.
QString keyOf(const QString& signInName)
{
    return signInName.trimmed().toCaseFolded();
}

StaffUser readUser(const QSqlQuery& q)
{
    StaffUser user;
    user.id = q.value(0).toInt();
    user.name = q.value(1).toString();
    user.signInName = q.value(2).toString();
    user.role = Roles::fromKey(q.value(3).toString()).value_or(Role::Clerk);
    user.active = q.value(4).toInt() != 0;
    user.changeNumber = q.value(5).toInt();
    return user;
}

Result<std::optional<StaffUser>> find(const QSqlDatabase& db, const QString& where, const QVariantList& binds)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT %1 FROM StaffUser WHERE %2").arg(UserColumns, where), binds, &error))
        return databaseFailure(error);
    if (!q.next())
        return std::optional<StaffUser>();
    return std::optional<StaffUser>(readUser(q));
}

Failure removedMeanwhile()
{
    return conflict(QCoreApplication::translate("StaffStore", "This user has been removed at another desk."));
}

// Whether taking user (as stored) away from the active administrators leaves none.
Result<bool> isLastAdministrator(const QSqlDatabase& db, const StaffUser& stored)
{
    if (stored.role != Role::Administrator || !stored.active)
        return false;
    QString error;
    const auto others =
        Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM StaffUser WHERE Role = ? AND Active <> 0 AND ID <> ?"),
                    {Roles::key(Role::Administrator), stored.id}, &error);
    if (!others)
        return databaseFailure(error);
    return others->toInt() == 0;
}

Failure lastAdministrator(const StaffUser& user)
{
    return refused(
        QCoreApplication::translate("StaffStore",
                                    "%1 is the last active administrator: someone must be able to manage the users, so "
                                    "this user cannot be removed, deactivated or given another role.")
            .arg(user.name));
}

Result<bool> signInNameTaken(const QSqlDatabase& db, const QString& signInName, int exceptId)
{
    QString error;
    const auto taken = Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM StaffUser WHERE SignInKey = ? AND ID <> ?"),
                                   {keyOf(signInName), exceptId}, &error);
    if (!taken)
        return databaseFailure(error);
    return taken->toInt() > 0;
}

Failure nameInUse(const QString& signInName)
{
    return refused(QCoreApplication::translate("StaffStore", "The sign-in name \"%1\" is already in use.")
                       .arg(signInName.trimmed()));
}

Status setHash(const QSqlDatabase& db, int id, const QString& column, const QString& secret)
{
    const Result<QString> hashed = Passwords::hash(secret);
    if (!hashed)
        return hashed.failure();
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("UPDATE StaffUser SET %1 = ?, FailedTries = 0, LockedUntil = NULL, "
                                  "ChangeNumber = ChangeNumber + 1 WHERE ID = ?")
                       .arg(column),
                   {*hashed, id}, &error))
        return databaseFailure(error);
    if (q.numRowsAffected() != 1)
        return removedMeanwhile();
    // The server checks the password itself when the user connects: its login's changes with it.
    if (column == QStringLiteral("PasswordHash"))
        if (const Status login = StaffLogins::setPassword(db, id, secret); !login)
            return login;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

QString wrongText(Secret kind)
{
    switch (kind) {
    case Secret::Password:
        return QCoreApplication::translate("StaffStore", "The sign-in name or the password is wrong.");
    case Secret::Pin:
        return QCoreApplication::translate("StaffStore", "The sign-in name or the PIN is wrong.");
    case Secret::Either:
        break;
    }
    return QCoreApplication::translate("StaffStore", "The sign-in name, or the PIN or password, is wrong.");
}

Failure lockedText(const QString& signInName, const QDateTime& until)
{
    return refused(
        QCoreApplication::translate("StaffStore", "%1 is locked after %2 wrong tries in a row; try again after %3.")
            .arg(signInName)
            .arg(TriesBeforeLock)
            .arg(until.toString(QStringLiteral("HH:mm:ss"))));
}

// Which of the user's secrets a hash made with its settings matches: "pin", "password" or "". On a server the hashes
// are not read: the functions that compare them run as the office's role.
Result<QString> matching(const QSqlDatabase& db, int id, const QString& passwordHash, const QString& pinHash)
{
    const bool server = Dialect::of(db).kind() == Engine::PostgreSQL;
    const auto orNull = [](const QString& hash) { return hash.isEmpty() ? QVariant() : QVariant(hash); };
    QString error;
    const auto which = Sql::scalar(
        db,
        server ? QStringLiteral("SELECT zem_staff_matches(?, ?, ?)")
               : QStringLiteral("SELECT coalesce((SELECT CASE WHEN PinHash = ? THEN 'pin' WHEN PasswordHash = ? "
                                "THEN 'password' ELSE '' END FROM StaffUser WHERE ID = ?), '')"),
        server ? QVariantList{id, orNull(passwordHash), orNull(pinHash)}
               : QVariantList{orNull(pinHash), orNull(passwordHash), id},
        &error);
    if (!which)
        return databaseFailure(error);
    return which->toString();
}

// The sign-in itself, for a row found by where: checks the lock, the secret, counts a wrong try.
Result<StaffUser> verify(const QSqlDatabase& db, const QDateTime& now, const QString& where, const QVariant& bind,
                         const QString& secret, Secret kind, SecretHashes* hashes = nullptr)
{
    const bool server = Dialect::of(db).kind() == Engine::PostgreSQL;
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT %1, %2, FailedTries, LockedUntil FROM StaffUser%3 WHERE %4")
                       .arg(UserColumns,
                            server ? QStringLiteral("s.PasswordSetting, s.PinSetting")
                                   : QStringLiteral("PasswordHash, PinHash"),
                            server ? QStringLiteral(", zem_staff_settings(StaffUser.ID) s") : QString(), where),
                   {bind}, &error))
        return databaseFailure(error);
    if (!q.next())
        return refused(wrongText(kind));
    const StaffUser user = readUser(q);
    const auto settings = [&](int column) {
        return server ? q.value(column).toString() : Passwords::settingsOf(q.value(column).toString());
    };
    const QString passwordSettings = settings(6);
    const QString pinSettings = settings(7);
    const int failedTries = q.value(8).toInt();
    const QDateTime lockedUntil = DateTimes::readDateTime(q.value(9));
    q.finish();
    if (lockedUntil.isValid() && lockedUntil > now)
        return lockedText(user.signInName, lockedUntil);

    const bool pinShaped = Passwords::checkPin(secret).ok();
    const QString pinHash =
        kind != Secret::Password && pinShaped ? Passwords::hashWith(pinSettings, secret) : QString();
    const QString passwordHash = kind != Secret::Pin ? Passwords::hashWith(passwordSettings, secret) : QString();
    const Result<QString> which = pinHash.isEmpty() && passwordHash.isEmpty()
                                      ? Result<QString>(QString())
                                      : matching(db, user.id, passwordHash, pinHash);
    if (!which)
        return which.failure();
    const bool right = !which->isEmpty();

    if (!right) {
        // One statement, so two desks trying at once both count; the fifth try starts the lock and a new count.
        const QString sql = QStringLiteral(
            "UPDATE StaffUser SET FailedTries = CASE WHEN FailedTries + 1 >= ? THEN 0 ELSE FailedTries + 1 END, "
            "LockedUntil = CASE WHEN FailedTries + 1 >= ? THEN ? ELSE LockedUntil END WHERE ID = ?");
        if (!Sql::exec(db, sql,
                       {TriesBeforeLock, TriesBeforeLock, DateTimes::dbDateTime(now.addSecs(LockSeconds)), user.id},
                       &error))
            MessageLog::logError(QStringLiteral("StaffStore.signIn: %1").arg(error));
        const auto until = Sql::scalar(db, QStringLiteral("SELECT LockedUntil FROM StaffUser WHERE ID = ?"), {user.id});
        const QDateTime nowLocked = until ? DateTimes::readDateTime(*until) : QDateTime();
        if (nowLocked.isValid() && nowLocked > now)
            return lockedText(user.signInName, nowLocked);
        return refused(wrongText(kind));
    }
    if (hashes)
        *hashes = {passwordHash, pinHash};
    if (failedTries != 0 || lockedUntil.isValid()) {
        if (!Sql::exec(db, QStringLiteral("UPDATE StaffUser SET FailedTries = 0, LockedUntil = NULL WHERE ID = ?"),
                       {user.id}, &error))
            MessageLog::logError(QStringLiteral("StaffStore.signIn: %1").arg(error));
    }
    if (!user.active)
        return refused(
            QCoreApplication::translate(
                "StaffStore", "%1 is no longer an active user; an administrator can make the user active again.")
                .arg(user.name));
    return user;
}

} // namespace

Result<int> count(const QSqlDatabase& db)
{
    QString error;
    const auto users = Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM StaffUser"), {}, &error);
    if (!users)
        return databaseFailure(error);
    return users->toInt();
}

Result<QList<StaffUser>> all(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT %1 FROM StaffUser ORDER BY lower(Name), ID").arg(UserColumns), {}, &error))
        return databaseFailure(error);
    QList<StaffUser> users;
    while (q.next())
        users << readUser(q);
    return users;
}

Result<StaffUser> byId(const QSqlDatabase& db, int id)
{
    const auto found = find(db, QStringLiteral("ID = ?"), {id});
    if (!found)
        return found.failure();
    if (!*found)
        return refused(QCoreApplication::translate("StaffStore", "This user has been removed by an administrator."));
    return **found;
}

Status checkDetails(const StaffUser& user)
{
    if (user.name.trimmed().isEmpty())
        return refused(QCoreApplication::translate("StaffStore", "Please type the user's name."));
    if (user.signInName.trimmed().isEmpty())
        return refused(QCoreApplication::translate("StaffStore", "Please type a sign-in name."));
    if (user.name.size() > MaxNameLength || user.signInName.size() > MaxNameLength)
        return refused(
            QCoreApplication::translate("StaffStore", "A name or sign-in name may have at most %1 characters.")
                .arg(MaxNameLength));
    return Done{};
}

Result<int> add(const QSqlDatabase& db, const StaffUser& user, const QString& password, const QString& pin)
{
    if (const Status ok = checkDetails(user); !ok)
        return ok.failure();
    if (const Status ok = Passwords::checkPassword(password); !ok)
        return ok.failure();
    if (const Status ok = Passwords::checkPin(pin); !ok)
        return ok.failure();
    // Hashed before the transaction: a third of a second is too long to hold the database for.
    const Result<QString> passwordHash = Passwords::hash(password);
    if (!passwordHash)
        return passwordHash.failure();
    const Result<QString> pinHash = Passwords::hash(pin);
    if (!pinHash)
        return pinHash.failure();

    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const Result<bool> taken = signInNameTaken(db, user.signInName, 0);
    if (!taken)
        return taken.failure();
    if (*taken)
        return nameInUse(user.signInName);
    QString error;
    const auto id = Sql::insertReturningId(
        db,
        QStringLiteral("INSERT INTO StaffUser (Name, SignInName, SignInKey, PasswordHash, PinHash, Role, Active) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {user.name.trimmed(), user.signInName.trimmed(), keyOf(user.signInName), *passwordHash, *pinHash,
         Roles::key(user.role), user.active ? 1 : 0},
        &error);
    if (!id)
        return databaseFailure(error);
    // In the same transaction: a login the server refuses (its name taken) leaves no user without one.
    if (const Status login = StaffLogins::make(db, int(*id), user.signInName, password, user.role); !login)
        return login.failure();
    if (!tx.commit(&error))
        return databaseFailure(error);
    return int(*id);
}

Result<StaffUser> save(const QSqlDatabase& db, const StaffUser& base, const StaffUser& mine,
                       std::optional<FieldChanges::Merge<StaffUser>>* merge)
{
    if (const Status ok = checkDetails(mine); !ok)
        return ok.failure();
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto stored = find(db, QStringLiteral("ID = ?"), {base.id});
    if (!stored)
        return stored.failure();
    if (!*stored)
        return removedMeanwhile();

    FieldChanges::Merge<StaffUser> fields(base, **stored, mine);
    fields.field(QCoreApplication::translate("StaffStore", "Name"), &StaffUser::name);
    fields.field(QCoreApplication::translate("StaffStore", "Sign-in name"), &StaffUser::signInName);
    fields.field(QCoreApplication::translate("StaffStore", "Role"), &StaffUser::role,
                 [](Role role) { return Roles::caption(role); });
    fields.field(QCoreApplication::translate("StaffStore", "Active"), &StaffUser::active, [](bool active) {
        return active ? QCoreApplication::translate("StaffStore", "Yes")
                      : QCoreApplication::translate("StaffStore", "No");
    });
    Result<StaffUser> merged = FieldChanges::toWrite(std::move(fields), merge);
    if (!merged)
        return merged.failure();
    StaffUser toSave = *merged;
    toSave.id = base.id;
    toSave.name = toSave.name.trimmed();
    toSave.signInName = toSave.signInName.trimmed();

    if (toSave.role != Role::Administrator || !toSave.active) {
        const Result<bool> last = isLastAdministrator(db, **stored);
        if (!last)
            return last.failure();
        if (*last)
            return lastAdministrator(**stored);
    }
    const Result<bool> taken = signInNameTaken(db, toSave.signInName, toSave.id);
    if (!taken)
        return taken.failure();
    if (*taken)
        return nameInUse(toSave.signInName);

    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE StaffUser SET Name = ?, SignInName = ?, SignInKey = ?, Role = ?, Active = ?, "
                                  "ChangeNumber = ChangeNumber + 1 WHERE ID = ?"),
                   {toSave.name, toSave.signInName, keyOf(toSave.signInName), Roles::key(toSave.role),
                    toSave.active ? 1 : 0, toSave.id},
                   &error))
        return databaseFailure(error);
    if (toSave.role != (*stored)->role || toSave.active != (*stored)->active)
        if (const Status moved = StaffLogins::setRole(db, toSave.id, toSave.role, toSave.active); !moved)
            return moved.failure();
    if (!tx.commit(&error))
        return databaseFailure(error);
    toSave.changeNumber = (*stored)->changeNumber + 1;
    return toSave;
}

Status setPassword(const QSqlDatabase& db, int id, const QString& password)
{
    if (const Status ok = Passwords::checkPassword(password); !ok)
        return ok;
    return setHash(db, id, QStringLiteral("PasswordHash"), password);
}

Status setPin(const QSqlDatabase& db, int id, const QString& pin)
{
    if (const Status ok = Passwords::checkPin(pin); !ok)
        return ok;
    return setHash(db, id, QStringLiteral("PinHash"), pin);
}

Status remove(const QSqlDatabase& db, int id)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto stored = find(db, QStringLiteral("ID = ?"), {id});
    if (!stored)
        return stored.failure();
    if (!*stored)
        return Done{}; // another desk removed it already
    const Result<bool> last = isLastAdministrator(db, **stored);
    if (!last)
        return last.failure();
    if (*last)
        return lastAdministrator(**stored);
    QString error;
    // Its login goes with it: a desk still signed in as it is refused from its next statement on.
    if (const Status dropped = StaffLogins::drop(db, id); !dropped)
        return dropped;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM StaffUser WHERE ID = ?"), {id}, &error))
        return databaseFailure(error);
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Result<StaffUser> signIn(const QSqlDatabase& db, const QDateTime& now, const QString& signInName, const QString& secret,
                         Secret kind, SecretHashes* hashes)
{
    if (secret.size() > Passwords::MaxPasswordLength)
        return refused(QCoreApplication::translate("StaffStore", "That is longer than any password may be."));
    if (signInName.trimmed().isEmpty() || secret.isEmpty())
        return refused(wrongText(kind));
    return verify(db, now, QStringLiteral("SignInKey = ?"), keyOf(signInName), secret, kind, hashes);
}

bool isLocked(const QSqlDatabase& db, const QString& signInName, const QDateTime& now)
{
    const auto until =
        Sql::scalar(db, QStringLiteral("SELECT LockedUntil FROM StaffUser WHERE SignInKey = ?"), {keyOf(signInName)});
    return until && DateTimes::readDateTime(*until) > now;
}

bool isSignInName(const QSqlDatabase& db, const QString& signInName)
{
    const auto found =
        Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM StaffUser WHERE SignInKey = ?"), {keyOf(signInName)});
    return found && found->toInt() > 0;
}

Result<StaffUser> confirm(const QSqlDatabase& db, const QDateTime& now, int id, const QString& secret)
{
    if (secret.size() > Passwords::MaxPasswordLength)
        return refused(QCoreApplication::translate("StaffStore", "That is longer than any password may be."));
    if (secret.isEmpty())
        return refused(QCoreApplication::translate("StaffStore", "Please type your PIN or password."));
    const auto stored = byId(db, id);
    if (!stored)
        return stored.failure();
    return verify(db, now, QStringLiteral("ID = ?"), id, secret, Secret::Either);
}

} // namespace StaffStore
