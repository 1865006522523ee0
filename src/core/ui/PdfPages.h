#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

/// Cuts one PDF written by the document renderer (QPdfWriter's own layout: one cross-reference table, objects in
/// plain dictionaries) into several, each holding a run of its pages and every object those pages use: fonts,
/// images, content streams. Many letters drawn through one writer share its font subsets, which are costly to make
/// once per file; cut apart afterwards, each is a PDF of its own. Not a reader of PDFs from elsewhere.
namespace PdfPages {

/// A run of pages to become one file: the first (from 0) and how many, and the file's title.
struct Part
{
    int firstPage = 0;
    int pageCount = 1;
    QString title;
};

/// One PDF for each part, in the order given. Refused, with nothing returned, when the PDF cannot be read or a
/// part lies outside its pages.
Result<QList<QByteArray>> split(const QByteArray& pdf, const QList<Part>& parts);

} // namespace PdfPages
