#include "meters/MeterInvoice.h"

namespace MeterInvoice {

QList<Doc::Block> rows(const QList<MeterStore::Charge>& charges, const DocumentWords& words)
{
    const Doc::Style line{.spaceAfter = 0};
    // Under the charge they explain, indented as the hire's lines are under the cost of hire; a detail line takes
    // the whole width, its amount already in its words.
    const auto detail = [&](const QString& text) { return Doc::row({{QStringLiteral("        ") + text, 1}}, line); };
    QList<Doc::Block> blocks;
    for (const MeterStore::Charge& c : charges) {
        const Meters::Breakdown& b = c.breakdown;
        const QString head =
            c.words.isEmpty()
                ? words.translate("MeterInvoice", "%1, berth %2").arg(Meters::kindText(b.kind, words), b.berth)
                : words.translate("MeterInvoice", "By the meter");
        blocks << Doc::row(
            {{QStringLiteral("    ") + head, 2}, {c.amount.formatGrouped(), 1, Qt::AlignRight}, {QString(), 2}}, line);
        for (const Meters::Read& r : b.reads)
            blocks << detail(Meters::readText(r, b.unit, words));
        for (const Meters::Line& l : b.lines)
            blocks << detail(Meters::lineText(l, b.unit, words));
        for (const QString& said : c.words.split(u'\n', Qt::SkipEmptyParts))
            blocks << detail(said);
    }
    return blocks;
}

} // namespace MeterInvoice
