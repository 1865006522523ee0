#pragma once

#include "core/ui/Document.h"
#include "waiting/WaitingList.h"

#include <QLocale>
#include <QStringList>
#include <optional>

/// The waiting list as the window's table and its printed copy show it: one text per column, the same in both.
namespace WaitingListRows {

/// Position, customer, boat, from, to, berth type, minimum length, status, added, offered on, notes.
QStringList headers();
/// The line's texts under headers(): no position for a booked or withdrawn entry, "any length" for no last date.
QStringList cells(const WaitingLine& line);
/// The list as shown, titled "Waiting List", with the time it was printed.
Doc::Document document(const QList<WaitingLine>& lines, const QDateTime& printed);

} // namespace WaitingListRows
