#include "shell/TipsFile.h"

#include "core/InstallPaths.h"
#include "core/Registry.h"

#include <QFile>

namespace TipsFile {

QString path()
{
    return InstallPaths::appDir() + QStringLiteral("/TipOfTheDay.txt");
}

Result<QStringList> readTips(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileFailure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    if (file.error() != QFileDevice::NoError)
        return fileFailure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    text.remove(u'\r');
    QStringList lines = text.split(u'\n');
    // The newline that ends the last line does not start another tip.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

Result<QString> takeNextTip(const QString& path)
{
    const auto tips = readTips(path);
    if (!tips)
        return tips.failure();
    const int n = Registry::getRegistryNumber(Settings::NextTip);
    if (n < 0 || n >= tips->size())
        return refused(QStringLiteral("No tip %1 in %2.").arg(n).arg(path));
    Registry::setRegistryValue(Settings::NextTip, QString::number(n < tips->size() - 1 ? n + 1 : 0));
    return tips->at(n);
}

bool showAtStartup()
{
    return Registry::getRegistryNumber(Settings::ShowTipAtStartup) == 0;
}

void setShowAtStartup(bool show)
{
    Registry::setRegistryValue(Settings::ShowTipAtStartup, show ? QStringLiteral("0") : QStringLiteral("1"));
}

} // namespace TipsFile
