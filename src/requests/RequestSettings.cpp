#include "requests/RequestSettings.h"

#include "core/InstallPaths.h"
#include "mail/MailSettings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace RequestSettings {
namespace {
const QString KeychainService = QStringLiteral("Zem Harbour request mailbox");

QString passwordFile()
{
    return QFileInfo(InstallPaths::settingsFile()).absolutePath() + QStringLiteral("/mailbox-password");
}

QString key(const QString& user, const QString& host)
{
    return user + u'@' + host;
}

} // namespace

Config load()
{
    Config config;
    SmtpSender::Server& server = config.account.server;
    server.host = Registry::getRegistryValue(Host).trimmed();
    bool ok = false;
    const int port = Registry::getRegistryValue(Port).toInt(&ok);
    server.port = ok ? port : 993;
    const int security = Registry::getRegistryNumber(Security);
    server.security =
        security >= 0 && security <= 2 ? static_cast<SmtpSender::Security>(security) : SmtpSender::Security::Tls;
    server.user = Registry::getRegistryValue(User);
    server.acceptAnyCertificate = Registry::getRegistryValue(AcceptAnyCertificate) == QLatin1String("1");
    server.timeoutSeconds = 60;
    config.account.folder = Registry::getRegistryValue(Folder).trimmed();
    if (config.account.folder.isEmpty())
        config.account.folder = QStringLiteral("INBOX");
    config.readMinutes = std::clamp(Registry::getRegistryNumber(ReadMinutes), 1, MaxReadMinutes);
    config.holdHours = std::clamp(Registry::getRegistryNumber(HoldHours), 1, MaxHoldHours);
    if (!server.host.isEmpty() && !server.user.isEmpty())
        server.password = MailSettings::readSecret(KeychainService, key(server.user, server.host), passwordFile());
    return config;
}

bool isSetUp(const Config& config)
{
    return !config.account.server.host.trimmed().isEmpty();
}

Status check(const Config& config)
{
    if (config.readMinutes < 1 || config.readMinutes > MaxReadMinutes)
        return refused(QCoreApplication::translate("RequestSettings", "The mailbox is read every 1 to %1 minutes.")
                           .arg(MaxReadMinutes));
    if (config.holdHours < 1 || config.holdHours > MaxHoldHours)
        return refused(QCoreApplication::translate("RequestSettings", "A hold lasts 1 to %1 hours.").arg(MaxHoldHours));
    if (!isSetUp(config))
        return Done{};
    if (config.account.server.user.contains(u'\n') || config.account.server.user.size() > 200)
        return refused(QCoreApplication::translate("RequestSettings",
                                                   "The user name must be one line of at most 200 characters."));
    return ImapMailbox::check(config.account);
}

Status save(const Config& config)
{
    if (Status ok = check(config); !ok)
        return ok;
    const SmtpSender::Server& server = config.account.server;
    Registry::setRegistryValue(Host, server.host.trimmed());
    Registry::setRegistryValue(Port, QString::number(server.port));
    Registry::setRegistryValue(Security, QString::number(static_cast<int>(server.security)));
    Registry::setRegistryValue(User, server.user);
    Registry::setRegistryValue(Folder, config.account.folder.trimmed());
    Registry::setRegistryValue(AcceptAnyCertificate,
                               server.acceptAnyCertificate ? QStringLiteral("1") : QStringLiteral("0"));
    Registry::setRegistryValue(ReadMinutes, QString::number(config.readMinutes));
    Registry::setRegistryValue(HoldHours, QString::number(config.holdHours));
    if (server.host.trimmed().isEmpty() || server.user.isEmpty())
        return Done{};
    return MailSettings::keepSecret(KeychainService, key(server.user, server.host.trimmed()), passwordFile(),
                                    server.password);
}

} // namespace RequestSettings
