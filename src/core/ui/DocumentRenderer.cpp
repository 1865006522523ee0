#include "core/ui/DocumentRenderer.h"

#include "core/Seams.h"
#include "core/ui/PdfPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextLayout>
#include <QToolBar>
#include <memory>
#include <vector>

namespace DocumentRenderer {
namespace {

constexpr double PointsPerInch = 72.0;
constexpr double HeaderGap = 8; // points between the header or footer and the body

using LayoutPtr = std::shared_ptr<QTextLayout>;

QFont fontOf(const Doc::Style& style)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(style.pointSize > 0 ? style.pointSize : 10);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

/// Wraps text to width (device units); each line positioned one under the other from 0.
LayoutPtr wrap(const QString& text, const QFont& font, QPaintDevice* device, double width, Qt::Alignment align)
{
    QString plain = text;
    plain.remove(u'\r');
    plain.replace(u'\n', QChar::LineSeparator);
    auto layout = std::make_shared<QTextLayout>(plain, font, device);
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    double y = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(std::max(1.0, width));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

// A bar's label wraps between its words, but a word wider than the bar is cut short: wrapped anywhere, a short
// stay's name would stand a letter a line.
QString wordsCut(const QString& text, const QFontMetricsF& metrics, double room)
{
    QStringList words = text.split(u' ');
    for (QString& word : words)
        word = metrics.elidedText(word, Qt::ElideRight, room);
    return words.join(u' ');
}

double lineHeight(const LayoutPtr& layout, int index)
{
    return index < layout->lineCount() ? layout->lineAt(index).height() : 0;
}

QString lineText(const LayoutPtr& layout, int index)
{
    if (index >= layout->lineCount())
        return {};
    const QTextLine line = layout->lineAt(index);
    QString text = layout->text().mid(line.textStart(), line.textLength());
    text.replace(QChar::LineSeparator, u' ');
    return text.trimmed();
}

/// A block measured for the page width: its wrapped text and the heights of its slices (the pieces a page may
/// break between: a line of text or of a field, or the whole of any other block).
struct Laid
{
    Doc::Block block;
    LayoutPtr main;  // Text: the text; Field: the value
    LayoutPtr label; // Field
    std::vector<LayoutPtr> cells;
    std::vector<double> cellX;
    std::vector<double> cellWidth;
    double rowHeight = 0;
    QList<double> slices;
};

struct Metrics
{
    QPaintDevice* device;
    double scale; // device units per point
    double width; // of the paint area, in device units
    double height;
};

Laid layOut(const Doc::Block& block, const Metrics& m)
{
    Laid laid;
    laid.block = block;
    const QFont font = fontOf(block.style);
    const double fallback = QFontMetricsF(font, m.device).height();
    switch (block.kind) {
    case Doc::Block::Kind::Text:
        laid.main = wrap(block.text, font, m.device, m.width, block.style.align);
        for (int i = 0; i < laid.main->lineCount(); ++i)
            laid.slices << lineHeight(laid.main, i);
        break;
    case Doc::Block::Kind::Field: {
        const double labelWidth = std::min(block.labelWidth * m.scale, m.width / 2);
        laid.label = wrap(block.text, font, m.device, labelWidth - 4 * m.scale, Qt::AlignLeft);
        laid.main = wrap(block.value, font, m.device, m.width - labelWidth, block.style.align);
        const int lines = std::max(laid.label->lineCount(), laid.main->lineCount());
        for (int i = 0; i < lines; ++i)
            laid.slices << std::max(lineHeight(laid.label, i), lineHeight(laid.main, i));
        break;
    }
    case Doc::Block::Kind::Row: {
        double total = 0;
        for (const Doc::Cell& cell : block.cells)
            total += std::max(0.0, cell.share);
        double x = 0;
        double tallest = 0;
        for (const Doc::Cell& cell : block.cells) {
            const double width = total > 0 ? m.width * std::max(0.0, cell.share) / total : 0;
            // A small gap keeps neighbouring cells' texts apart.
            const double room = width - 4 * m.scale;
            laid.cells.push_back(
                wrap(cell.fill.isValid() ? wordsCut(cell.text, QFontMetricsF(font, m.device), room) : cell.text, font,
                     m.device, room, cell.align));
            laid.cellX.push_back(x);
            laid.cellWidth.push_back(width);
            tallest = std::max(tallest, laid.cells.back()->boundingRect().height());
            x += width;
        }
        laid.rowHeight = tallest;
        laid.slices << tallest;
        break;
    }
    case Doc::Block::Kind::Rule:
    case Doc::Block::Kind::Picture:
    case Doc::Block::Kind::Space:
        laid.slices << std::max(0.0, block.height) * m.scale;
        break;
    }
    if (laid.slices.isEmpty())
        laid.slices << fallback;
    laid.slices.last() += std::max(0.0, block.style.spaceAfter) * m.scale;
    return laid;
}

struct Placed
{
    int laid;
    int slice;
    double y;
};

/// Where every slice of the body goes: the pages with their placed slices.
struct Pages
{
    Metrics metrics;
    std::vector<Laid> body;
    QList<QList<Placed>> pages;
    double reportHeaderHeight = 0;
    double headerHeight = 0;
    double footerHeight = 0;
};

QString fillPageNumbers(QString text, int page, int count)
{
    // "%P" first: it must not be read as "%p" followed by "P".
    text.replace(QStringLiteral("%P"), QString::number(count));
    text.replace(QStringLiteral("%p"), QString::number(page));
    return text;
}

std::vector<Laid> layOutBand(const QList<Doc::Block>& blocks, const Metrics& m, int page, int count)
{
    std::vector<Laid> band;
    for (Doc::Block block : blocks) {
        block.text = fillPageNumbers(block.text, page, count);
        block.value = fillPageNumbers(block.value, page, count);
        for (Doc::Cell& cell : block.cells)
            cell.text = fillPageNumbers(cell.text, page, count);
        band.push_back(layOut(block, m));
    }
    return band;
}

double height(const Laid& laid)
{
    double height = 0;
    for (double slice : laid.slices)
        height += slice;
    return height;
}

double bandHeight(const std::vector<Laid>& band)
{
    double total = 0;
    for (const Laid& laid : band)
        total += height(laid);
    return total;
}

Pages layOutPages(const Doc::Document& document, QPagedPaintDevice& device)
{
    device.setPageOrientation(document.orientation);
    device.setPageMargins(document.marginsMm, QPageLayout::Millimeter);
    Pages result;
    Metrics& m = result.metrics;
    m.device = &device;
    m.scale = device.logicalDpiY() / PointsPerInch;
    m.width = device.width();
    m.height = device.height();

    // The bands are measured with wide page numbers; their line count does not depend on the digits.
    result.reportHeaderHeight = bandHeight(layOutBand(document.reportHeader, m, 8888, 8888));
    result.headerHeight = bandHeight(layOutBand(document.pageHeader, m, 8888, 8888));
    result.footerHeight = bandHeight(layOutBand(document.pageFooter, m, 8888, 8888));
    const auto bodyTop = [&m](double bands) { return bands > 0 ? bands + HeaderGap * m.scale : 0; };
    const double top = bodyTop(result.headerHeight);
    const double bottom = m.height - (result.footerHeight > 0 ? result.footerHeight + HeaderGap * m.scale : 0);

    result.pages.append(QList<Placed>());
    double pageTop = bodyTop(result.reportHeaderHeight + result.headerHeight);
    double y = pageTop;
    auto newPage = [&] {
        result.pages.append(QList<Placed>());
        y = pageTop = top;
    };
    for (const Doc::Record& record : document.body) {
        const int first = static_cast<int>(result.body.size());
        double recordHeight = 0;
        for (const Doc::Block& block : record) {
            result.body.push_back(layOut(block, m));
            recordHeight += height(result.body.back());
        }
        if (y + recordHeight > bottom && y > pageTop)
            newPage();
        // A record taller than a whole page is the one case broken, between its slices.
        const bool breakInside = y + recordHeight > bottom;
        for (int i = first; i < static_cast<int>(result.body.size()); ++i) {
            for (int s = 0; s < result.body[i].slices.size(); ++s) {
                const double slice = result.body[i].slices[s];
                if (breakInside && y + slice > bottom && y > pageTop)
                    newPage();
                result.pages.last().append({i, s, y});
                y += slice;
            }
        }
    }
    return result;
}

QString sliceText(const Laid& laid, int slice)
{
    switch (laid.block.kind) {
    case Doc::Block::Kind::Text:
        return lineText(laid.main, slice);
    case Doc::Block::Kind::Field:
        return (lineText(laid.label, slice) + u' ' + lineText(laid.main, slice)).trimmed();
    case Doc::Block::Kind::Row: {
        QStringList cells;
        for (const Doc::Cell& cell : laid.block.cells)
            cells << cell.text;
        return cells.join(u'\t');
    }
    default:
        return {};
    }
}

void paintSlice(QPainter& painter, const Laid& laid, int slice, double y, const Metrics& m)
{
    const Doc::Block& block = laid.block;
    switch (block.kind) {
    case Doc::Block::Kind::Text:
        if (slice < laid.main->lineCount()) {
            const QTextLine line = laid.main->lineAt(slice);
            line.draw(&painter, QPointF(0, y - line.y()));
        }
        break;
    case Doc::Block::Kind::Field: {
        const double labelWidth = std::min(block.labelWidth * m.scale, m.width / 2);
        if (slice < laid.label->lineCount()) {
            const QTextLine line = laid.label->lineAt(slice);
            line.draw(&painter, QPointF(0, y - line.y()));
        }
        if (slice < laid.main->lineCount()) {
            const QTextLine line = laid.main->lineAt(slice);
            line.draw(&painter, QPointF(labelWidth, y - line.y()));
        }
        break;
    }
    case Doc::Block::Kind::Row:
        for (size_t i = 0; i < laid.cells.size(); ++i) {
            double indent = 0;
            if (const QColor fill = block.cells[qsizetype(i)].fill; fill.isValid()) {
                // The box stops short of its neighbour's, so two boxes side by side stay two; its text clears
                // its edge.
                const QRectF box(laid.cellX[i], y, std::max(0.0, laid.cellWidth[i] - m.scale), laid.rowHeight);
                painter.fillRect(box, fill);
                painter.drawRect(box);
                indent = 2 * m.scale;
            }
            laid.cells[i]->draw(&painter, QPointF(laid.cellX[i] + indent, y));
        }
        break;
    case Doc::Block::Kind::Rule:
        painter.fillRect(QRectF(0, y, m.width, std::max(1.0, block.height * m.scale)), Qt::black);
        break;
    case Doc::Block::Kind::Picture: {
        if (block.picture.isNull() || block.picture.height() == 0)
            break;
        const double height = block.height * m.scale;
        const double width = std::min(m.width, height * block.picture.width() / block.picture.height());
        double x = 0;
        if (block.style.align & Qt::AlignHCenter)
            x = (m.width - width) / 2;
        else if (block.style.align & Qt::AlignRight)
            x = m.width - width;
        painter.drawImage(QRectF(x, y, width, height), block.picture);
        break;
    }
    case Doc::Block::Kind::Space:
        break;
    }
}

void paintBand(QPainter& painter, const std::vector<Laid>& band, double y, const Metrics& m)
{
    for (const Laid& laid : band) {
        for (int s = 0; s < laid.slices.size(); ++s) {
            paintSlice(painter, laid, s, y, m);
            y += laid.slices[s];
        }
    }
}

QStringList bandTexts(const std::vector<Laid>& band)
{
    QStringList texts;
    for (const Laid& laid : band)
        for (int s = 0; s < laid.slices.size(); ++s)
            if (const QString text = sliceText(laid, s); !text.isEmpty())
                texts << text;
    return texts;
}

} // namespace

QList<QStringList> paginate(const Doc::Document& document, QPagedPaintDevice& device)
{
    const Pages pages = layOutPages(document, device);
    const int count = static_cast<int>(pages.pages.size());
    QList<QStringList> result;
    for (int p = 0; p < count; ++p) {
        QStringList texts;
        if (p == 0)
            texts << bandTexts(layOutBand(document.reportHeader, pages.metrics, p + 1, count));
        texts << bandTexts(layOutBand(document.pageHeader, pages.metrics, p + 1, count));
        for (const Placed& placed : pages.pages[p])
            if (const QString text = sliceText(pages.body[placed.laid], placed.slice); !text.isEmpty())
                texts << text;
        texts << bandTexts(layOutBand(document.pageFooter, pages.metrics, p + 1, count));
        result << texts;
    }
    return result;
}

QList<TextBox> textBoxes(const Doc::Document& document, QPagedPaintDevice& device)
{
    const Pages pages = layOutPages(document, device);
    QList<TextBox> boxes;
    const auto add = [&boxes](const LayoutPtr& layout, const QString& part) {
        if (layout && layout->lineCount() > 0)
            boxes << TextBox{layout->text(), layout->font(), layout->lineAt(0).width(), part};
    };
    const auto addAll = [&](const std::vector<Laid>& laid) {
        for (const Laid& l : laid) {
            const bool field = l.block.kind == Doc::Block::Kind::Field;
            add(l.label, QStringLiteral("label"));
            add(l.main, field ? QStringLiteral("value") : QStringLiteral("text"));
            for (size_t i = 0; i < l.cells.size(); ++i)
                if (!l.block.cells[qsizetype(i)].fill.isValid())
                    add(l.cells[i], QStringLiteral("cell"));
        }
    };
    for (const QList<Doc::Block>* band : {&document.reportHeader, &document.pageHeader, &document.pageFooter})
        addAll(layOutBand(*band, pages.metrics, 8888, 8888));
    addAll(pages.body);
    return boxes;
}

namespace {

/// Paints the laid-out pages from the painter's current page on; false when the device refuses a page.
bool paintPages(QPainter& painter, const Doc::Document& document, const Pages& pages, QPagedPaintDevice& device)
{
    const Metrics& m = pages.metrics;
    painter.setPen(Qt::black);
    const int count = static_cast<int>(pages.pages.size());
    for (int p = 0; p < count; ++p) {
        if (p > 0 && !device.newPage())
            return false;
        if (p == 0)
            paintBand(painter, layOutBand(document.reportHeader, m, p + 1, count), 0, m);
        paintBand(painter, layOutBand(document.pageHeader, m, p + 1, count), p == 0 ? pages.reportHeaderHeight : 0, m);
        for (const Placed& placed : pages.pages[p])
            paintSlice(painter, pages.body[placed.laid], placed.slice, placed.y, m);
        const std::vector<Laid> footer = layOutBand(document.pageFooter, m, p + 1, count);
        paintBand(painter, footer, m.height - bandHeight(footer), m);
    }
    return true;
}

} // namespace

int render(const Doc::Document& document, QPagedPaintDevice& device)
{
    const Pages pages = layOutPages(document, device);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    if (!paintPages(painter, document, pages, device))
        return 0;
    return painter.end() ? static_cast<int>(pages.pages.size()) : 0;
}

Status writePdf(const Doc::Document& document, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileFailure(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Zem Harbour"));
        writer.setPageSize(document.pageSize);
        if (render(document, writer) == 0) {
            file.cancelWriting();
            return fileFailure(QCoreApplication::translate("DocumentRenderer", "The document could not be laid out."));
        }
    }
    if (!file.commit())
        return fileFailure(file.errorString());
    return Done{};
}

Result<QByteArray> pdfBytes(const Doc::Document& document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Zem Harbour"));
        writer.setPageSize(document.pageSize);
        if (render(document, writer) == 0)
            return fileFailure(QCoreApplication::translate("DocumentRenderer", "The document could not be laid out."));
    }
    return bytes;
}

Result<Bound> pdfBytesBound(const QList<Doc::Document>& documents)
{
    Bound bound;
    if (documents.isEmpty())
        return bound;
    QBuffer buffer(&bound.pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        // One writer for all, so its font subsets are made once; each document starts a page of its own.
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Zem Harbour"));
        writer.setPageSize(documents.first().pageSize);
        QPainter painter;
        int page = 0;
        for (const Doc::Document& document : documents) {
            writer.setPageSize(document.pageSize);
            const Pages pages = layOutPages(document, writer);
            const bool painted =
                (page == 0 ? painter.begin(&writer) : writer.newPage()) && paintPages(painter, document, pages, writer);
            if (!painted || pages.pages.isEmpty())
                return fileFailure(
                    QCoreApplication::translate("DocumentRenderer", "The document could not be laid out."));
            bound.parts << PdfPages::Part{page, static_cast<int>(pages.pages.size()), document.title};
            page += static_cast<int>(pages.pages.size());
        }
        if (!painter.end())
            return fileFailure(QCoreApplication::translate("DocumentRenderer", "The document could not be laid out."));
    }
    return bound;
}

Result<QList<QByteArray>> pdfBytesEach(const QList<Doc::Document>& documents)
{
    const auto bound = pdfBytesBound(documents);
    if (!bound)
        return bound.failure();
    if (bound->parts.isEmpty())
        return QList<QByteArray>();
    return PdfPages::split(bound->pdf, bound->parts);
}

void preview(const Doc::Document& document, QWidget* parent, Services* services, const QString& proposedPdfName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(document.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { render(document, *target); });
    if (auto* toolbar = dialog.findChild<QToolBar*>(); toolbar && services) {
        // The keyboard reaches both ways out from anywhere in the preview: Tab stops only at its zoom and page boxes.
        toolbar->addSeparator();
        QAction* print = toolbar->addAction(QCoreApplication::translate("DocumentRenderer", "Print"));
        print->setObjectName(QStringLiteral("actPrintNow"));
        print->setShortcut(QKeySequence::Print);
        print->setToolTip(QCoreApplication::translate("DocumentRenderer", "Print on the default printer (%1)")
                              .arg(print->shortcut().toString(QKeySequence::NativeText)));
        QObject::connect(print, &QAction::triggered, &dialog, [&document, services, proposedPdfName, &dialog] {
            if (printNow(document, *services, proposedPdfName))
                dialog.accept();
        });
        QAction* save = toolbar->addAction(QCoreApplication::translate("DocumentRenderer", "Save as PDF…"));
        save->setObjectName(QStringLiteral("actSaveAsPdf"));
        save->setShortcut(QKeySequence::Save);
        save->setToolTip(QCoreApplication::translate("DocumentRenderer", "Save as a PDF file (%1)")
                             .arg(save->shortcut().toString(QKeySequence::NativeText)));
        QObject::connect(save, &QAction::triggered, &dialog,
                         [&document, services, proposedPdfName] { saveAsPdf(document, *services, proposedPdfName); });
    }
    dialog.exec();
}

bool printNow(const Doc::Document& document, Services& services, const QString& proposedPdfName)
{
    if (services.printer && !services.printer->defaultPrinterName().isEmpty()) {
        const auto paint = [&document](QPagedPaintDevice& device) { return render(document, device) > 0; };
        const Status printed = services.printer->printOnDefault(document.title, paint);
        if (printed)
            return true;
        services.messages.show(QCoreApplication::translate("DocumentRenderer", "The document could not be printed: %1")
                                   .arg(printed.error()),
                               document.title, MsgIcon::Critical);
        return false;
    }
    const MsgResult answer = services.messages.show(
        QCoreApplication::translate("DocumentRenderer",
                                    "No printer is installed. Do you want to save the document as a PDF file instead?"),
        document.title, MsgIcon::Question, MsgButtons::YesNo);
    return answer == MsgResult::Yes && saveAsPdf(document, services, proposedPdfName);
}

bool saveAsPdf(const Doc::Document& document, Services& services, const QString& proposedPdfName)
{
    FileRequest request;
    request.title = QCoreApplication::translate("DocumentRenderer", "Save as PDF");
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.proposedName = proposedPdfName;
    request.filter = QCoreApplication::translate("DocumentRenderer", "PDF Files (*.pdf)");
    request.selectedFilter = request.filter;
    request.save = true;
    request.defaultSuffix = QStringLiteral("pdf"); // before the dialog's question about replacing a file
    QString path = services.files.choose(request);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const Status written = writePdf(document, path);
    if (written)
        return true;
    services.messages.show(QCoreApplication::translate("DocumentRenderer", "The PDF file %1 could not be written: %2")
                               .arg(QDir::toNativeSeparators(path), written.error()),
                           document.title, MsgIcon::Critical);
    return false;
}

} // namespace DocumentRenderer
