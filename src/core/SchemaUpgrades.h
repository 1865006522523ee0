#pragma once

#include "core/Dialect.h"
#include "core/Result.h"

#include <QSqlDatabase>
#include <QString>

/// The cumulative schema upgrades, kept apart from opening and creating databases.
namespace SchemaUpgrades {
/// One upgrade: brings a database of one version to the next, in one transaction, by its script and then, where
/// the program must compute what it writes, its step. A server database starts at version 3, so only the upgrades
/// from there on are written for both engines.
struct Upgrade
{
    QString (*script)(Engine);
    Status (*step)(const QSqlDatabase&) = nullptr;
};
/// The upgrade that brings a database of version to version + 1 (1 <= version < Database::CurrentSchemaVersion).
const Upgrade& upgradeFrom(int version);
} // namespace SchemaUpgrades
