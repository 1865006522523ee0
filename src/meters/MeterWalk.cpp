#include "meters/MeterWalk.h"

#include "core/DateTimes.h"

#include <QCoreApplication>

namespace MeterWalk {

Doc::Document document(const QList<MeterStore::WalkLine>& lines, const QDateTime& printed)
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("MeterWalk", text); };
    static const QList<double> shares{1, 1, 1.3, 1.4, 1.2, 2};
    const auto row = [](const QStringList& texts, const Doc::Style& style) {
        QList<Doc::Cell> cells;
        for (int i = 0; i < texts.size(); ++i)
            cells << Doc::Cell{texts.at(i), shares.value(i, 1)};
        return Doc::row(cells, style);
    };
    Doc::Document doc;
    doc.title = tr("Meter Walk");
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
                   << Doc::text(tr("Printed %1").arg(DateTimes::dateTimeText(printed)), heading)
                   << row({tr("Berth"), tr("Kind"), tr("Meter"), tr("Last reading"), tr("Read on"), tr("New reading")},
                          heading)
                   << Doc::rule();
    doc.pageFooter << Doc::text(tr("Page %p of %P"), heading);
    for (const MeterStore::WalkLine& line : lines) {
        const Meters::Meter& m = line.meter;
        const QString last = line.last ? Meters::valueText(line.last->value) + u' ' + m.unit : tr("none");
        const QString on = line.last ? DateTimes::dateText(line.last->readAt.date()) : QString();
        doc.body << Doc::Record{row({m.berth.isEmpty() ? tr("(no berth)") : m.berth, Meters::kindText(m.kind), m.serial,
                                     last, on, QStringLiteral("[______________]")},
                                    body)};
    }
    if (lines.isEmpty())
        doc.body << Doc::Record{Doc::text(tr("No meters are in service."), body)};
    return doc;
}

} // namespace MeterWalk
