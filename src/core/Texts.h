#pragma once

#include <QCollator>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

/// The texts and orderings every window shares.
namespace Texts {

/// The collator that lists names in natural order (A1, A2, A10), case ignored. The C locale's collation knows no
/// numbers, so there the English one is used.
QCollator naturalOrder();

/// The positions of names in the order naturalOrder() gives, equal names in the order they came. Each name's
/// collation key is made once, so a list of thousands costs one key per name and byte comparisons.
std::vector<qsizetype> naturalPositions(const QStringList& names);

/// Sorts items by nameOf(item) in natural order, equal names keeping their order.
template <typename T, typename NameOf> void sortNaturally(QList<T>& items, NameOf nameOf)
{
    QStringList names;
    names.reserve(items.size());
    for (const T& item : items)
        names.append(nameOf(item));
    QList<T> sorted;
    sorted.reserve(items.size());
    for (const qsizetype at : naturalPositions(names))
        sorted.append(std::move(items[at]));
    items = std::move(sorted);
}

/// A list kept in natural order from one reading to the next, such as a desk's berths. Each name's collation key is
/// made once: when the list is read again, items whose name did not change keep their order without a comparison,
/// and only new or renamed items are keyed and merged in. The order is exactly sortNaturally's over the items
/// given in the order of their IDs.
class KeptNaturalOrder
{
public:
    /// The positions of the items (IDs unique and ascending, with their names) in natural order of the names, equal
    /// names in the order of their IDs; remembered for the next call.
    std::vector<qsizetype> sort(const QList<int>& ids, const QStringList& names);

private:
    struct Item
    {
        int id;
        QString name;
        QCollatorSortKey key;
    };
    QString m_locale; // the collator's locale when the keys were made: another one makes every key again
    std::vector<Item> m_sorted;
};

/// "Zem Harbour" with every "&" doubled, for labels.
QString productTitle();
/// "v 1.0.1": the program's version.
QString versionText();

} // namespace Texts
