#include "meters/MeterWalk.h"

#include "core/DateTimes.h"

#include <QCoreApplication>

namespace MeterWalk {

Doc::Document document(const QList<MeterStore::WalkLine>& lines, const QDateTime& printed)
{
    static const QList<double> shares{1, 1, 1.3, 1.4, 1.2, 2};
    const auto row = [](const QStringList& texts, const Doc::Style& style) { return Doc::row(texts, shares, style); };
    Doc::Document doc;
    doc.title = QCoreApplication::translate("MeterWalk", "Meter Walk");
    Doc::Style title;
    title.pointSize = 14;
    title.bold = true;
    Doc::Style heading;
    heading.pointSize = 9;
    heading.bold = true;
    Doc::Style body;
    body.pointSize = 9;
    body.spaceAfter = 8; // room to write the reading
    doc.pageHeader << Doc::text(doc.title, title)
                   << Doc::text(
                          QCoreApplication::translate("MeterWalk", "Printed %1").arg(DateTimes::dateTimeText(printed)),
                          heading)
                   << row({QCoreApplication::translate("MeterWalk", "Berth"),
                           QCoreApplication::translate("MeterWalk", "Kind"),
                           QCoreApplication::translate("MeterWalk", "Meter"),
                           QCoreApplication::translate("MeterWalk", "Last reading"),
                           QCoreApplication::translate("MeterWalk", "Read on"),
                           QCoreApplication::translate("MeterWalk", "New reading")},
                          heading)
                   << Doc::rule();
    doc.pageFooter << Doc::text(QCoreApplication::translate("MeterWalk", "Page %p of %P"), heading);
    for (const MeterStore::WalkLine& line : lines) {
        const Meters::Meter& m = line.meter;
        const QString last = line.last ? Meters::valueText(line.last->value) + u' ' + m.unit
                                       : QCoreApplication::translate("MeterWalk", "none");
        const QString on = line.last ? DateTimes::dateText(line.last->readAt.date()) : QString();
        doc.body << Doc::Record{
            row({m.berth.isEmpty() ? QCoreApplication::translate("MeterWalk", "(no berth)") : m.berth,
                 Meters::kindText(m.kind), m.serial, last, on, QStringLiteral("[______________]")},
                body)};
    }
    if (lines.isEmpty())
        doc.body << Doc::Record{Doc::text(QCoreApplication::translate("MeterWalk", "No meters are in service."), body)};
    return doc;
}

} // namespace MeterWalk
