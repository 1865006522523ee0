#include "core/Texts.h"

#include <QCoreApplication>
#include <QHash>
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

std::vector<qsizetype> KeptNaturalOrder::sort(const QList<int>& ids, const QStringList& names)
{
    Q_ASSERT(ids.size() == names.size());
    const QCollator collator = naturalOrder();
    if (const QString locale = collator.locale().name(); locale != m_locale) {
        m_sorted.clear();
        m_locale = locale;
    }
    QHash<int, qsizetype> at;
    at.reserve(ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i)
        at.insert(ids[i], i);
    // Items named as before, in their earlier order (a part of a sorted list is sorted); the rest keyed and sorted.
    std::vector<bool> kept(size_t(ids.size()), false);
    std::vector<Item> same;
    same.reserve(size_t(ids.size()));
    for (Item& item : m_sorted) {
        const auto it = at.constFind(item.id);
        if (it != at.cend() && names[*it] == item.name) {
            kept[size_t(*it)] = true;
            same.push_back(std::move(item));
        }
    }
    std::vector<Item> fresh;
    for (qsizetype i = 0; i < ids.size(); ++i)
        if (!kept[size_t(i)])
            fresh.push_back({ids[i], names[i], collator.sortKey(names[i])});
    const auto before = [](const Item& a, const Item& b) {
        const int order = a.key.compare(b.key);
        return order < 0 || (order == 0 && a.id < b.id);
    };
    std::sort(fresh.begin(), fresh.end(), before);
    m_sorted.clear();
    m_sorted.reserve(same.size() + fresh.size());
    std::merge(std::make_move_iterator(same.begin()), std::make_move_iterator(same.end()),
               std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()),
               std::back_inserter(m_sorted), before);
    std::vector<qsizetype> positions;
    positions.reserve(m_sorted.size());
    for (const Item& item : m_sorted)
        positions.push_back(at.value(item.id));
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
