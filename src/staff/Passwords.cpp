#include "staff/Passwords.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <sodium.h>

namespace Passwords {
namespace {

bool ready()
{
    // sodium_init is safe to call again; the first call picks the fastest code for this processor.
    static const bool initialised = sodium_init() >= 0;
    return initialised;
}

// The secret as UTF-8 in a buffer this file owns, wiped when it goes.
class SecretBytes final
{
public:
    explicit SecretBytes(const QString& secret) : m_bytes(secret.toUtf8()) {}
    ~SecretBytes() { sodium_memzero(m_bytes.data(), size_t(m_bytes.size())); }
    Q_DISABLE_COPY_MOVE(SecretBytes)
    const char* data() const { return m_bytes.constData(); }
    unsigned long long size() const { return static_cast<unsigned long long>(m_bytes.size()); }

private:
    QByteArray m_bytes;
};

Cost& chosenCost()
{
    static Cost chosen;
    return chosen;
}

} // namespace

Cost cost()
{
    return chosenCost();
}

void useCheapestCostForTests()
{
    chosenCost() = {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
}

Status checkPassword(const QString& password)
{
    if (password.size() < MinPasswordLength)
        return refused(QCoreApplication::translate("Passwords", "A password needs at least %1 characters.")
                           .arg(MinPasswordLength));
    if (password.size() > MaxPasswordLength)
        return refused(QCoreApplication::translate("Passwords", "A password may have at most %1 characters.")
                           .arg(MaxPasswordLength));
    return Done{};
}

Status checkPin(const QString& pin)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{%1,%2}$").arg(MinPinLength).arg(MaxPinLength));
    if (!digits.match(pin).hasMatch())
        return refused(
            QCoreApplication::translate("Passwords", "A PIN is %1 to %2 digits.").arg(MinPinLength).arg(MaxPinLength));
    return Done{};
}

Result<QString> hash(const QString& secret)
{
    if (secret.size() > MaxPasswordLength)
        return refused(QCoreApplication::translate("Passwords", "A password may have at most %1 characters.")
                           .arg(MaxPasswordLength));
    if (!ready())
        return refused(QCoreApplication::translate("Passwords", "The password library could not start."));
    const SecretBytes bytes(secret);
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.data(), bytes.size(), cost().opsLimit, cost().memLimitBytes) != 0)
        return refused(QCoreApplication::translate("Passwords", "There is not enough memory to protect the password."));
    return QString::fromLatin1(out);
}

bool matches(const QString& storedHash, const QString& secret)
{
    if (secret.isEmpty() || secret.size() > MaxPasswordLength || storedHash.isEmpty() || !ready())
        return false;
    const QByteArray stored = storedHash.toLatin1();
    const SecretBytes bytes(secret);
    return crypto_pwhash_str_verify(stored.constData(), bytes.data(), bytes.size()) == 0;
}

} // namespace Passwords
