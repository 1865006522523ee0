#include "waiting/WaitingListRows.h"

#include "core/DateTimes.h"
#include "people/Boats.h"

#include <QCoreApplication>

namespace WaitingListRows {

using DateTimes::dateText;

QStringList headers()
{
    return {QCoreApplication::translate("WaitingListRows", "Position"),
            QCoreApplication::translate("WaitingListRows", "Customer"),
            QCoreApplication::translate("WaitingListRows", "Boat"),
            QCoreApplication::translate("WaitingListRows", "From"),
            QCoreApplication::translate("WaitingListRows", "To"),
            QCoreApplication::translate("WaitingListRows", "Berth type"),
            QCoreApplication::translate("WaitingListRows", "Minimum length"),
            QCoreApplication::translate("WaitingListRows", "Status"),
            QCoreApplication::translate("WaitingListRows", "Added"),
            QCoreApplication::translate("WaitingListRows", "Offered on"),
            QCoreApplication::translate("WaitingListRows", "Notes")};
}

QStringList cells(const WaitingLine& line)
{
    const WaitingEntry& e = line.entry;
    return {line.position > 0 ? QString::number(line.position) : QString(),
            line.customer,
            line.boat,
            dateText(e.from),
            e.to.isValid() ? dateText(e.to) : QCoreApplication::translate("WaitingListRows", "any length"),
            line.berthType,
            e.minLengthCm ? Boats::sizeText(*e.minLengthCm) : QString(),
            WaitingList::statusNames().value(int(e.status)),
            DateTimes::dateTimeText(e.added),
            dateText(e.offeredOn),
            e.notes.simplified()};
}

Doc::Document document(const QList<WaitingLine>& lines, const QDateTime& printed)
{
    // The columns' shares of the landscape page: the names and the notes get the room.
    static const QList<double> shares{0.9, 1.6, 1.3, 1, 1, 1.3, 1.45, 0.9, 1.5, 1.2, 1.6};
    const auto row = [](const QStringList& texts, const Doc::Style& style) { return Doc::row(texts, shares, style); };
    Doc::Document doc;
    doc.title = QCoreApplication::translate("WaitingListRows", "Waiting List");
    doc.orientation = QPageLayout::Landscape;
    Doc::Style title;
    title.pointSize = 14;
    title.bold = true;
    Doc::Style heading;
    heading.pointSize = 8;
    heading.bold = true;
    Doc::Style body;
    body.pointSize = 8;
    doc.pageHeader
        << Doc::text(doc.title, title)
        << Doc::text(QCoreApplication::translate("WaitingListRows", "Printed %1").arg(DateTimes::dateTimeText(printed)),
                     body)
        << row(headers(), heading) << Doc::rule();
    doc.pageFooter << Doc::text(QCoreApplication::translate("WaitingListRows", "Page %p of %P"), body);
    for (const WaitingLine& line : lines)
        doc.body << Doc::Record{row(cells(line), body)};
    if (lines.isEmpty())
        doc.body << Doc::Record{Doc::text(QCoreApplication::translate("WaitingListRows", "No entries."), body)};
    return doc;
}

} // namespace WaitingListRows
