#pragma once

#include "core/Result.h"

#include <QString>
#include <cstddef>

/// The one place secrets are checked and hashed: Argon2id through libsodium, with the cost chosen once here. A
/// secret never leaves this file in clear; the buffers it is copied into are wiped.
namespace Passwords {

/// The cost of one hash: two passes over 64 MiB, a sign-in of about a fifth of a second of one core (bench_staff
/// measures it). Each hash keeps its own cost, so a later change of these checks older hashes as before.
struct Cost
{
    unsigned long long opsLimit = 2;
    size_t memLimitBytes = size_t(64) * 1024 * 1024;
};
/// The cost new hashes are made with: the one above, unless a test suite chose the cheapest for its speed.
Cost cost();
/// For test suites that make many users: the cheapest cost libsodium allows. Never called by the program.
void useCheapestCostForTests();

inline constexpr int MinPasswordLength = 8;
inline constexpr int MaxPasswordLength = 1024;
inline constexpr int MinPinLength = 4;
inline constexpr int MaxPinLength = 8;

/// Whether a password may be kept: 8 to 1,024 characters. The text of the refusal otherwise.
Status checkPassword(const QString& password);
/// Whether a PIN may be kept: 4 to 8 digits.
Status checkPin(const QString& pin);

/// The Argon2id string of a secret (salt and cost inside it); a Refused failure when the machine lacks the memory.
Result<QString> hash(const QString& secret);
/// A hash's settings: its method, cost and salt without the hash itself ("$argon2id$v=19$m=65536,t=2,p=1$salt"),
/// all a sign-in on a server is told, so the hashes themselves stay in the database.
QString settingsOf(const QString& storedHash);
/// The hash secret makes with settings: the stored string itself exactly when secret is the one it was made of.
/// Empty for settings that are not Argon2id's as made here, or a secret that is empty or too long.
QString hashWith(const QString& settings, const QString& secret);

} // namespace Passwords
