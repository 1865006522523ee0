#include "core/Texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace Texts {

QCollator naturalOrder()
{
    const QLocale system;
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

std::vector<qsizetype> naturalPositions(const QStringList& names)
{
    const QCollator collator = naturalOrder();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(names.size()));
    for (const QString& name : names)
        keys.push_back(collator.sortKey(name));
    std::vector<qsizetype> positions(size_t(names.size()));
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(),
                     [&](qsizetype a, qsizetype b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    return positions;
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
