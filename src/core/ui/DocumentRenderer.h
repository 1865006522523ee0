#pragma once

#include "core/Result.h"
#include "core/ui/Document.h"
#include "core/ui/PdfPages.h"

#include <QFont>
#include <QStringList>

struct Services;
class QPagedPaintDevice;
class QWidget;

/// Lays a Doc::Document out onto pages and hands it to one of three outlets: the print preview, the default
/// printer (through Services::printer) or a PDF file.
///
///     Doc::Document doc;
///     doc.title = u"Bookings"_s;
///     doc.pageFooter << Doc::Text(u"List: %p of %P"_s);
///     doc.body << Doc::Record{Doc::Field(u"Name:"_s, name)};
///     DocumentRenderer::Preview(doc, this);              // or printNow(doc, services), saveAsPdf(...)
namespace DocumentRenderer {

/// Paginate and Render first give the device the document's orientation and margins, so every outlet lays the
/// document out alike.
///
/// Each page's texts in reading order (the report header on the first page, the page header, body lines, footer),
/// one entry per laid-out line; a field reads
/// "label value", a row's cells are joined with a tab. Lays out without painting, for tests and page counts.
QList<QStringList> paginate(const Doc::Document& document, QPagedPaintDevice& device);

/// A text as the layout wraps it: its font, and the width of its box in device units (a field's label or value
/// column, a row's cell less its gap, the page for a text), which lie within the page.
struct TextBox
{
    QString text;
    QFont font;
    double width = 0;
    QString part; // "text", "label", "value" or "cell"
};
/// Every text of the document's bands and body with its box, laid out on the device as render() lays it, for checks
/// that each word fits where it stands (a word wider than its box is broken inside). A chart bar's label, cut to its
/// bar on purpose, is left out.
QList<TextBox> textBoxes(const Doc::Document& document, QPagedPaintDevice& device);

/// Lays the document out on the device's paint area and paints every page. The number of pages, 0 on failure.
int render(const Doc::Document& document, QPagedPaintDevice& device);

/// Writes the document to a PDF file on the document's page size and margins.
Status writePdf(const Doc::Document& document, const QString& path);

/// The same PDF as bytes, for a message's attachment.
Result<QByteArray> pdfBytes(const Doc::Document& document);

/// Many documents in one PDF, each from a page of its own: the PDF and, in the order given, each document's pages
/// in it with its title (what PdfPages::split cuts out as that document's own file).
struct Bound
{
    QByteArray pdf;
    QList<PdfPages::Part> parts;
};
Result<Bound> pdfBytesBound(const QList<Doc::Document>& documents);

/// Many documents as PDFs, one each, in the order given: drawn through one writer (its fonts embedded once, not
/// once per file) and cut apart. Far quicker than pdfBytes each for a run of letters.
Result<QList<QByteArray>> pdfBytesEach(const QList<Doc::Document>& documents);

/// Shows the print preview window (modal), from which the user may print. Given services, its toolbar also
/// offers "Print" on the default printer (Ctrl+P, as printNow; the preview closes once printed or saved) and
/// "Save as PDF…" (Ctrl+S; proposedPdfName in the file dialog).
void preview(const Doc::Document& document, QWidget* parent, Services* services = nullptr,
             const QString& proposedPdfName = {});

/// Prints at once on the default printer, all pages, without a print dialog. Where no printer is installed it
/// says so and offers to save a PDF file instead (proposedPdfName in the file dialog). True when printed or saved.
bool printNow(const Doc::Document& document, Services& services, const QString& proposedPdfName);

/// Asks for a file name through the file dialog seam and writes the PDF there. False when cancelled or failed
/// (a failure is told to the user).
bool saveAsPdf(const Doc::Document& document, Services& services, const QString& proposedPdfName);

} // namespace DocumentRenderer
