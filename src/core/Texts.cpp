#include "core/Texts.h"

#include <QCoreApplication>
#include <QLocale>

namespace Texts {

QCollator naturalOrder()
{
    const QLocale system;
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

QString productTitle()
{
    return QCoreApplication::translate("Texts", "Zem Harbour").replace(u'&', QStringLiteral("&&"));
}

QString versionText()
{
    return QCoreApplication::translate("Texts", "v %1.%2.%3")
        .arg(ZEM_VERSION_MAJOR)
        .arg(ZEM_VERSION_MINOR)
        .arg(ZEM_VERSION_PATCH);
}

} // namespace Texts
