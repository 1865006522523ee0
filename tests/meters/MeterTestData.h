#pragma once

#include "common/PdfReader.h"
#include "core/Money.h"
#include "core/ui/DocumentRenderer.h"
#include "meters/Meters.h"

// What the meters' test classes share: the first of June they start from, pence, thousandths of a unit, a tariff.
namespace MeterTestData {

inline const QDate June1(2026, 6, 1);
inline Money pence(qint64 p)
{
    return Money::fromPence(p);
}
/// Thousandths of a unit from whole units.
constexpr qint64 units(double u)
{
    return static_cast<qint64>(u * 1000 + 0.5);
}
/// Electricity from a day at a price per unit and a standing charge per day, in pence.
inline Meters::Tariff tariff(const QDate& from, qint64 unitPence, qint64 standingPence, QList<Meters::Band> bands = {})
{
    return Meters::Tariff{0, Meters::Kind::Electricity, from, pence(unitPence), pence(standingPence), bands};
}

/// A document as another program reads it: written to a PDF at path and read back by pdftotext, each line's blanks
/// squeezed to one; empty when it could not be written or read.
inline QString printed(const Doc::Document& doc, const QString& path)
{
    if (!DocumentRenderer::writePdf(doc, path))
        return {};
    QStringList lines;
    for (const QString& page : PdfReader::pages(path))
        lines << PdfReader::lines(page);
    return lines.join(u'\n');
}

} // namespace MeterTestData
