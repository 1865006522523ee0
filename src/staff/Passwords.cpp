#include "staff/Passwords.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
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

QString settingsOf(const QString& storedHash)
{
    return storedHash.left(std::max<qsizetype>(storedHash.lastIndexOf(u'$'), 0));
}

QString hashWith(const QString& settings, const QString& secret)
{
    static const QRegularExpression Argon2id(
        QStringLiteral("^\\$argon2id\\$v=19\\$m=([0-9]{1,9}),t=([0-9]{1,4}),p=1\\$([A-Za-z0-9+/]{22})$"));
    const QRegularExpressionMatch parts = Argon2id.match(settings);
    if (!parts.hasMatch() || secret.isEmpty() || secret.size() > MaxPasswordLength || !ready())
        return {};
    const unsigned long long opsLimit = parts.captured(2).toULongLong();
    const size_t memLimitBytes = size_t(parts.captured(1).toULongLong()) * 1024;
    if (opsLimit < crypto_pwhash_OPSLIMIT_MIN || opsLimit > crypto_pwhash_OPSLIMIT_SENSITIVE ||
        memLimitBytes < crypto_pwhash_MEMLIMIT_MIN || memLimitBytes > crypto_pwhash_MEMLIMIT_SENSITIVE)
        return {};
    const QByteArray salt64 = parts.captured(3).toLatin1();
    unsigned char salt[crypto_pwhash_SALTBYTES];
    size_t saltLength = 0;
    if (sodium_base642bin(salt, sizeof salt, salt64.constData(), size_t(salt64.size()), nullptr, &saltLength, nullptr,
                          sodium_base64_VARIANT_ORIGINAL_NO_PADDING) != 0 ||
        saltLength != sizeof salt)
        return {};
    // The length libsodium's own strings carry.
    constexpr size_t HashBytes = 32;
    unsigned char out[HashBytes];
    const SecretBytes bytes(secret);
    if (crypto_pwhash(out, sizeof out, bytes.data(), bytes.size(), salt, opsLimit, memLimitBytes,
                      crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    char encoded[sodium_base64_ENCODED_LEN(HashBytes, sodium_base64_VARIANT_ORIGINAL_NO_PADDING)];
    sodium_bin2base64(encoded, sizeof encoded, out, sizeof out, sodium_base64_VARIANT_ORIGINAL_NO_PADDING);
    sodium_memzero(out, sizeof out);
    return settings + u'$' + QString::fromLatin1(encoded);
}

} // namespace Passwords
