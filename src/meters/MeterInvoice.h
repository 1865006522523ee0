#pragma once

#include "core/DocumentLanguage.h"
#include "core/ui/Document.h"
#include "meters/MeterStore.h"

/// What an invoice shows of the charges billed by the meter, a stay's and a contract's alike, in the customer's
/// words: for each charge its kind and berth with its amount before tax in the amount column, then each meter's
/// readings (the first and last, their days, the units used) and each line priced (a band's or a tariff's units at
/// their price per unit, the standing charge's days at the day's rate), each with its amount. A charge kept before
/// its breakdown was shows the words it was billed with.
namespace MeterInvoice {

/// The rows, laid out as the invoices' amount rows are: the label two fifths of the width, the amount one fifth.
QList<Doc::Block> rows(const QList<MeterStore::Charge>& charges, const DocumentWords& words);

} // namespace MeterInvoice
