#include "mail/MailSettings.h"

#include "core/FileSecurity.h"
#include "core/InstallPaths.h"
#include "mail/MailMessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <qt6keychain/keychain.h>

namespace MailSettings {
namespace {

const QString KeychainService = QStringLiteral("Zem Harbour mail server");

bool useKeychain()
{
    return Registry::getRegistryValue(PasswordStore) == QLatin1String("keychain");
}

// Runs a keychain job to its end; false when no secret store answered.
bool runJob(QKeychain::Job& job, const QString& key)
{
    job.setAutoDelete(false);
    job.setKey(key);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    return job.error() == QKeychain::NoError;
}

} // namespace

Account load()
{
    Account account;
    account.server.host = Registry::getRegistryValue(Host).trimmed();
    bool ok = false;
    const int port = Registry::getRegistryValue(Port).toInt(&ok);
    account.server.port = ok ? port : 587;
    const int security = Registry::getRegistryNumber(Security);
    account.server.security =
        security >= 0 && security <= 2 ? static_cast<SmtpSender::Security>(security) : SmtpSender::Security::StartTls;
    account.server.user = Registry::getRegistryValue(User);
    account.server.caFile = Registry::getRegistryValue(CaFile);
    account.server.acceptAnyCertificate = Registry::getRegistryValue(AcceptAnyCertificate) == QLatin1String("1");
    account.senderName = Registry::getRegistryValue(SenderName);
    account.senderAddress = Registry::getRegistryValue(SenderAddress).trimmed();
    return account;
}

Status check(const Account& account)
{
    if (Status ok = SmtpSender::checkServer(account.server); !ok)
        return ok;
    if (Status ok = MailMessage::checkAddress(account.senderAddress); !ok)
        return refused(QCoreApplication::translate("MailSettings", "The sender's address: %1").arg(ok.error()));
    if (account.senderName.contains(u'\n') || account.senderName.contains(u'\r'))
        return refused(QCoreApplication::translate("MailSettings", "The sender's name must be one line."));
    if (!account.server.caFile.isEmpty() && !QFileInfo(account.server.caFile).isReadable())
        return refused(QCoreApplication::translate("MailSettings", "The certificate file %1 cannot be read.")
                           .arg(account.server.caFile));
    return Done{};
}

Status save(const Account& account)
{
    if (Status ok = check(account); !ok)
        return ok;
    Registry::setRegistryValue(Host, account.server.host.trimmed());
    Registry::setRegistryValue(Port, QString::number(account.server.port));
    Registry::setRegistryValue(Security, QString::number(static_cast<int>(account.server.security)));
    Registry::setRegistryValue(User, account.server.user);
    Registry::setRegistryValue(CaFile, account.server.caFile);
    Registry::setRegistryValue(AcceptAnyCertificate,
                               account.server.acceptAnyCertificate ? QStringLiteral("1") : QStringLiteral("0"));
    Registry::setRegistryValue(SenderName, account.senderName.trimmed());
    Registry::setRegistryValue(SenderAddress, account.senderAddress.trimmed());
    return Done{};
}

bool isSetUp()
{
    return !Registry::getRegistryValue(Host).trimmed().isEmpty();
}

QString notSetUpText()
{
    return QCoreApplication::translate("MailSettings",
                                       "No mail server is set up: enter it in Setup Company Information first.");
}

QString passwordFile()
{
    return QFileInfo(InstallPaths::settingsFile()).absolutePath() + QStringLiteral("/mail-password");
}

QString password()
{
    // No user, no password: the secret store is not asked at every start of an office that sends no mail.
    if (Registry::getRegistryValue(User).isEmpty() || Registry::getRegistryValue(Host).trimmed().isEmpty())
        return {};
    return readSecret(KeychainService, Registry::getRegistryValue(User) + u'@' + Registry::getRegistryValue(Host),
                      passwordFile());
}

Status setPassword(const QString& secret)
{
    return keepSecret(KeychainService, Registry::getRegistryValue(User) + u'@' + Registry::getRegistryValue(Host),
                      passwordFile(), secret);
}

QString readSecret(const QString& service, const QString& key, const QString& path)
{
    if (useKeychain()) {
        QKeychain::ReadPasswordJob job(service);
        if (runJob(job, key))
            return job.textData();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

Status keepSecret(const QString& service, const QString& key, const QString& path, const QString& secret)
{
    if (useKeychain()) {
        bool kept = false;
        if (secret.isEmpty()) {
            QKeychain::DeletePasswordJob job(service);
            kept = runJob(job, key);
        } else {
            QKeychain::WritePasswordJob job(service);
            job.setTextData(secret);
            kept = runJob(job, key);
        }
        if (kept) {
            QFile::remove(path); // one place only: an old copy in the file goes
            return Done{};
        }
    }
    if (secret.isEmpty()) {
        if (QFile::exists(path) && !QFile::remove(path))
            return fileFailure(
                QCoreApplication::translate("MailSettings", "The password file %1 could not be removed.").arg(path));
        return Done{};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileFailure(file.errorString());
    file.write(secret.toUtf8());
    if (!file.commit())
        return fileFailure(file.errorString());
    return FileSecurity::restrictToOwner(path);
}

} // namespace MailSettings
