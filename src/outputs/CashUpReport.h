#pragma once

#include "bookings/Ledger.h"
#include "core/ui/Document.h"
#include "outputs/CsvExport.h"

#include <QDateTime>

/// The day's takings as the office checks them at closing: the ledger's lines of a day or a period by method and by
/// desk, printed (through the document renderer) and as a file.
namespace CashUpReport {

/// "Cash-up": the period and when it was printed, then the takings by method and by desk, each with the total.
Doc::Document document(const Ledger::CashUp& cash, const QDateTime& now);

/// The same figures for a spreadsheet: a row per method, per desk and the total, each with the period's first
/// and last day; in the plain style.
CsvExport::Table table(const Ledger::CashUp& cash);

/// The name its files are proposed under: "Cashup 2026-12-09", or "Cashup 2026-12-01 to 2026-12-31".
QString fileName(const Ledger::CashUp& cash);

} // namespace CashUpReport
