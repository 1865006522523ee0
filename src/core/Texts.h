#pragma once

#include <QCollator>
#include <QString>

/// The texts and orderings every window shares.
namespace Texts {

/// The collator that lists names in natural order (A1, A2, A10), case ignored. The C locale's collation knows no
/// numbers, so there the English one is used.
QCollator naturalOrder();

/// "Zem Harbour" with every "&" doubled, for labels.
QString productTitle();
/// "v 1.0.1": the program's version.
QString versionText();

} // namespace Texts
